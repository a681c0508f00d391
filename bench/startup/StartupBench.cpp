// Start-up of the windowed app to its first frame of the main screen, offscreen, against
// the baseline (the smallest Qt Quick window drawing one line of Korean text in the Nanum
// font) started the same way; and the app's peak memory. Runs alternate between the
// programs and the figures are medians, so that a busy machine disturbs both alike.
//
//   TAMBERLINOVE_STARTUP_RUNS=N        runs per figure (default 15; 1 for a smoke check)
//   TAMBERLINOVE_STARTUP_COMPARE=PROG  also measures PROG (another build of the app, e.g.
//                                      from before a change) in the same runs
#include "OffscreenExec.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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

namespace {

bool failed = false;

struct Run {
    double firstFrameMs = 0; ///< from start to the first line on standard output
    double totalMs = 0;      ///< from start to exit
    double peakRssMb = 0;
    bool ok = false; ///< exit status 0 (and a first-frame line when one is expected)
};

Run launch(std::vector<std::string> args, bool expectFrameLine = true) {
    const bench::OffscreenExec exec(std::move(args));

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
    const int spawned =
        ::posix_spawn(&pid, exec.program(), &actions, nullptr, exec.argv(), exec.envp());
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

int runs() {
    const char* text = std::getenv("TAMBERLINOVE_STARTUP_RUNS");
    const int n = text ? std::atoi(text) : 15;
    return std::clamp(n, 1, 1000);
}

std::string compared() {
    const char* text = std::getenv("TAMBERLINOVE_STARTUP_COMPARE");
    return text ? text : "";
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// A data folder of its own that has been through a first start (database created).
class DataDir {
public:
    DataDir() {
        config_ = dir_.file("offline-config.json");
        // Hosts that refuse connections at once: with a config the app starts without the
        // in-process stand-in services of demo mode.
        std::ofstream(config_)
            << R"({"carrierServiceURL":"http://127.0.0.1:9/c","airportServiceURL":)"
            << R"("http://127.0.0.1:9/a","requestTimeoutSeconds":2})";
        launch({TAMBERLINOVE_APP, "--data-dir", data(), "--first-frame-exit"});
    }
    std::string data() const { return dir_.file("data"); }
    const std::string& config() const { return config_; }

private:
    testing_support::TempDir dir_;
    std::string config_;
};

const DataDir& dataDir() {
    static const DataDir dir;
    return dir;
}

void compareWithBaseline(benchmark::State& state, const std::vector<std::string>& extra) {
    auto command = [&](const std::string& program) {
        std::vector<std::string> args{program, "--data-dir", dataDir().data(),
                                      "--first-frame-exit"};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const std::string other = compared();
    std::vector<double> app, baseline, before;
    double rss = 0, baselineRss = 0;
    for (auto _ : state) {
        const Run base = launch({TAMBERLINOVE_MINIMAL});
        const Run run = launch(command(TAMBERLINOVE_APP));
        const Run old = other.empty() ? Run{0, 0, 0, true} : launch(command(other));
        if (!base.ok || !run.ok || !old.ok) {
            failed = true;
            state.SkipWithError("a program did not reach its first frame");
            return;
        }
        state.SetIterationTime(run.firstFrameMs / 1000.0);
        app.push_back(run.firstFrameMs);
        baseline.push_back(base.firstFrameMs);
        before.push_back(old.firstFrameMs);
        rss = std::max(rss, run.peakRssMb);
        baselineRss = std::max(baselineRss, base.peakRssMb);
    }
    state.counters["app_ms"] = median(app);
    state.counters["baseline_ms"] = median(baseline);
    state.counters["ratio"] = median(app) / median(baseline);
    state.counters["app_peak_MB"] = rss;
    state.counters["baseline_peak_MB"] = baselineRss;
    if (!other.empty()) {
        state.counters["compared_ms"] = median(before);
        state.counters["compared_ratio"] = median(before) / median(baseline);
    }
}

/// Peak memory once the main screen has settled (start-up work done, screenshot taken).
void peakMemoryAtMainScreen(benchmark::State& state, const std::vector<std::string>& extra) {
    const std::string png = dataDir().data() + "/bench.png";
    std::vector<std::string> args{TAMBERLINOVE_APP, "--data-dir", dataDir().data(), "--screenshot",
                                  png};
    args.insert(args.end(), extra.begin(), extra.end());
    double rss = 0;
    for (auto _ : state) {
        const Run run = launch(args, false);
        if (!run.ok) {
            failed = true;
            state.SkipWithError("the app did not reach its main screen");
            return;
        }
        state.SetIterationTime(run.totalMs / 1000.0);
        rss = std::max(rss, run.peakRssMb);
    }
    state.counters["peak_MB"] = rss;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const int n = runs();
    const std::vector<std::string> demo, configured{"--config", dataDir().config()};
    // As a person starts it: demo mode, with the stand-in services in the process.
    benchmark::RegisterBenchmark("StartupToFirstFrame/demo", compareWithBaseline, demo)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(n);
    // With a config: the window and the core alone.
    benchmark::RegisterBenchmark("StartupToFirstFrame/configured", compareWithBaseline, configured)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(n);
    for (const auto& [name, extra] : {std::pair{"demo", demo}, std::pair{"configured", configured}})
        benchmark::RegisterBenchmark((std::string("PeakMemoryAtMainScreen/") + name).c_str(),
                                     peakMemoryAtMainScreen, extra)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(std::min(n, 3));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
