#pragma once
// Runs the real `tamberlinove` program offscreen as a child process.

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace gui_testing {

/// Starts the app with `args`, offscreen and off any display or session bus, with `env`
/// entries ("NAME=value") set and its standard error to `log` when one is named. Returns
/// its pid, or -1 when it could not start.
inline pid_t startApp(const std::vector<std::string>& args,
                      const std::vector<std::string>& env = {}, const std::string& log = {}) {
    std::vector<std::string> all{"QT_QPA_PLATFORM=offscreen"};
    all.insert(all.end(), env.begin(), env.end());
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e, name = entry.substr(0, entry.find('=') + 1);
        if (name != "DISPLAY=" && name != "WAYLAND_DISPLAY=" &&
            name != "DBUS_SESSION_BUS_ADDRESS=" &&
            std::none_of(all.begin(), all.end(),
                         [&](const std::string& set) { return set.rfind(name, 0) == 0; }))
            all.push_back(entry);
    }
    std::vector<std::string> argv{TAMBERLINOVE_APP};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> a, e;
    for (auto& s : argv)
        a.push_back(s.data());
    a.push_back(nullptr);
    for (auto& s : all)
        e.push_back(s.data());
    e.push_back(nullptr);
    posix_spawn_file_actions_t files;
    ::posix_spawn_file_actions_init(&files);
    if (!log.empty())
        ::posix_spawn_file_actions_addopen(&files, STDERR_FILENO, log.c_str(),
                                           O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (::posix_spawn(&pid, a[0], &files, nullptr, a.data(), e.data()) != 0)
        pid = -1;
    ::posix_spawn_file_actions_destroy(&files);
    return pid;
}

struct AppRun {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
};

/// Starts the app with `args` and waits for it to end.
inline AppRun runApp(const std::vector<std::string>& args) {
    AppRun run;
    const pid_t pid = startApp(args);
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

} // namespace gui_testing
