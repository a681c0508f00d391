#pragma once
// Runs the real `tamberlinove` program offscreen as a child process.

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace gui_testing {

struct AppRun {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
};

/// Starts the app with `args`, offscreen, and waits for it to end.
inline AppRun runApp(const std::vector<std::string>& args) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0 &&
            entry.rfind("WAYLAND_DISPLAY=", 0) != 0 &&
            entry.rfind("DBUS_SESSION_BUS_ADDRESS=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<std::string> argv{TAMBERLINOVE_APP};
    argv.insert(argv.end(), args.begin(), args.end());

    std::vector<char*> a, e;
    for (auto& s : argv)
        a.push_back(s.data());
    a.push_back(nullptr);
    for (auto& s : env)
        e.push_back(s.data());
    e.push_back(nullptr);

    AppRun run;
    pid_t pid = 0;
    if (::posix_spawn(&pid, a[0], nullptr, nullptr, a.data(), e.data()) != 0)
        return run;
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

} // namespace gui_testing
