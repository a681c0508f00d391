// Start-up of the windowed app to its first frame of the main screen, offscreen, against
// the smallest Qt Quick window started the same way; and the app's peak memory.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double firstFrameMs = 0; ///< from start to the first line on standard output
    double totalMs = 0;      ///< from start to exit
    double peakRssMb = 0;
    bool ok = false; ///< exit status 0 (and a first-frame line when one is expected)
};

Run launch(std::vector<std::string> args, bool expectFrameLine = true) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> a, e;
    for (auto& s : args)
        a.push_back(s.data());
    a.push_back(nullptr);
    for (auto& s : env)
        e.push_back(s.data());
    e.push_back(nullptr);

    Run run;
    int out[2];
    if (::pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, a[0], &actions, nullptr, a.data(), e.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return run;
    }
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto framed = std::chrono::steady_clock::now();
    while (::read(out[0], &c, 1) == 1) {
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
             (!expectFrameLine || line.rfind("first-frame-ms", 0) == 0);
    run.firstFrameMs = std::chrono::duration<double, std::milli>(framed - start).count();
    run.totalMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

/// A data folder that has been through a first start (database created).
const std::string& dataDir() {
    static const std::string dir = [] {
        std::string d =
            (std::filesystem::temp_directory_path() / "tamberlinove-bench-startup").string();
        std::filesystem::remove_all(d);
        launch({TAMBERLINOVE_APP, "--data-dir", d, "--first-frame-exit"});
        return d;
    }();
    return dir;
}

/// A config whose hosts refuse connections at once: the app starts without the in-process
/// stand-in services of demo mode.
const std::string& offlineConfig() {
    static const std::string file = [] {
        const std::string f = dataDir() + "-config.json";
        std::ofstream(f) << R"({"carrierServiceURL":"http://127.0.0.1:9/c","airportServiceURL":)"
                         << R"("http://127.0.0.1:9/a","requestTimeoutSeconds":2})";
        return f;
    }();
    return file;
}

void compareWithMinimal(benchmark::State& state, const std::vector<std::string>& extra) {
    std::vector<std::string> app{TAMBERLINOVE_APP, "--data-dir", dataDir(), "--first-frame-exit"};
    app.insert(app.end(), extra.begin(), extra.end());
    double appMs = 0, minimalMs = 0, rss = 0, minimalRss = 0;
    for (auto _ : state) {
        const Run base = launch({TAMBERLINOVE_MINIMAL});
        const Run run = launch(app);
        if (!base.ok || !run.ok) {
            state.SkipWithError("a program did not reach its first frame");
            return;
        }
        state.SetIterationTime(run.firstFrameMs / 1000.0);
        appMs += run.firstFrameMs;
        minimalMs += base.firstFrameMs;
        rss = std::max(rss, run.peakRssMb);
        minimalRss = std::max(minimalRss, base.peakRssMb);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["app_ms"] = appMs / n;
    state.counters["minimal_ms"] = minimalMs / n;
    state.counters["ratio"] = appMs / minimalMs;
    state.counters["app_peak_MB"] = rss;
    state.counters["minimal_peak_MB"] = minimalRss;
}

/// As a person starts it: demo mode, with the stand-in services in the process.
void BM_StartupToFirstFrame(benchmark::State& state) {
    compareWithMinimal(state, {});
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

/// With a config: the window and the core alone.
void BM_StartupToFirstFrameWithConfig(benchmark::State& state) {
    compareWithMinimal(state, {"--config", offlineConfig()});
}
BENCHMARK(BM_StartupToFirstFrameWithConfig)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

/// Peak memory once the main screen has settled (start-up work done, screenshot taken).
void BM_PeakMemoryAtMainScreen(benchmark::State& state) {
    const std::string png = dataDir() + "/bench.png";
    double rss = 0;
    for (auto _ : state) {
        const Run run =
            launch({TAMBERLINOVE_APP, "--data-dir", dataDir(), "--screenshot", png}, false);
        if (!run.ok) {
            state.SkipWithError("the app did not reach its main screen");
            return;
        }
        state.SetIterationTime(run.totalMs / 1000.0);
        rss = std::max(rss, run.peakRssMb);
    }
    state.counters["peak_MB"] = rss;
}
BENCHMARK(BM_PeakMemoryAtMainScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
