#pragma once
// A forked child process for tests of crashes, of other processes' locks and of other users'
// rights: the child runs a body and ends; the parent waits for it, or kills it.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

class ChildProcess {
public:
    /// Forks. The child runs @p body and ends with status 0, or 1 when an expectation failed
    /// in it (reported on the shared output), without running destructors or other tests.
    explicit ChildProcess(const std::function<void(ChildProcess&)>& body) {
        const bool failedBefore = ::testing::Test::HasFailure();
        std::fflush(nullptr); // else the child writes the parent's pending output again
        if (::pipe(pipe_) != 0 || (pid_ = ::fork()) == -1)
            throw std::runtime_error("cannot start a child process");
        if (pid_ == 0) {
            try {
                body(*this);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "the child threw: " << e.what();
            }
            std::fflush(nullptr);
            ::_exit(::testing::Test::HasFailure() && !failedBefore ? 1 : 0);
        }
        ::close(pipe_[1]);
    }
    ~ChildProcess() {
        kill();
        ::close(pipe_[0]);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    /// In the child: lets the parent's waitReady() return.
    void ready() { (void)!::write(pipe_[1], "r", 1); }
    /// In the parent: waits for ready(); false when the child ended without it.
    bool waitReady() {
        char c = 0;
        return ::read(pipe_[0], &c, 1) == 1;
    }
    /// In the parent: SIGKILL unless it ended, then wait().
    int kill() {
        if (status_ < 0 && pid_ > 0)
            ::kill(pid_, SIGKILL);
        return wait();
    }
    /// In the parent: the child's exit status, or 128 + the signal that ended it.
    int wait() {
        int raw = 0;
        if (status_ < 0 && ::waitpid(pid_, &raw, 0) == pid_)
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        return status_;
    }

private:
    int pipe_[2] = {-1, -1};
    pid_t pid_ = -1;
    int status_ = -1;
};

} // namespace testing_support
