#pragma once
// The argument and environment arrays for starting a program offscreen: this process's
// environment with QT_QPA_PLATFORM set to offscreen.

#include <string>
#include <unistd.h> // environ
#include <vector>

namespace bench {

class OffscreenExec {
public:
    explicit OffscreenExec(std::vector<std::string> args) : args_(std::move(args)) {
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0)
                env_.emplace_back(*e);
        env_.emplace_back("QT_QPA_PLATFORM=offscreen");
        for (auto& s : args_)
            argv_.push_back(s.data());
        argv_.push_back(nullptr);
        for (auto& s : env_)
            envp_.push_back(s.data());
        envp_.push_back(nullptr);
    }

    const char* program() const { return args_.front().c_str(); }
    char* const* argv() const { return argv_.data(); }
    char* const* envp() const { return envp_.data(); }

private:
    std::vector<std::string> args_;
    std::vector<std::string> env_;
    std::vector<char*> argv_;
    std::vector<char*> envp_;
};

} // namespace bench
