// The windowed app's CPU use while nothing happens: demo mode, offscreen, one tracked flight
// stored beforehand, the help overlay closed, on its main screen. After the start-up has
// settled, the process's CPU time (all threads, /proc/PID/stat) is read before and after a
// window of wall time; the baseline (the smallest Qt Quick window drawing Korean text, kept
// open) is measured over the same window. Wake-ups of the main thread show timers or
// animations that run while nothing changes.
//
//   TAMBERLINOVE_IDLE_SECONDS=N   the window (default 60)
#include "OffscreenExec.h"
#include "TempDir.h"
#include "flights/FlightStatements.h"
#include "storage/DBClass.h"
#include "storage/SqlFormat.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

bool failed = false;

/// Start-up, the help overlay's step and its settling are over well within this.
constexpr auto kSettle = std::chrono::seconds(10);

int windowSeconds() {
    const char* text = std::getenv("TAMBERLINOVE_IDLE_SECONDS");
    return std::clamp(text ? std::atoi(text) : 60, 1, 3600);
}

/// Starts a program offscreen with its standard error in `errFile`; 0 if it did not start.
pid_t spawn(std::vector<std::string> args, const std::string& errFile) {
    const bench::OffscreenExec exec(std::move(args));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, exec.program(), &actions, nullptr, exec.argv(), exec.envp());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : 0;
}

/// Ends a program and reaps it.
void stop(pid_t pid) {
    if (pid <= 0)
        return; // kill(0) would signal this whole process group
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

struct Sample {
    double cpuSeconds = 0; ///< user and system time of all threads
    long mainSwitches = 0; ///< voluntary and involuntary context switches, main thread
    bool alive = false;
};

Sample sample(pid_t pid) {
    Sample s;
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(statFile, stat);
    const auto paren = stat.rfind(')');
    if (paren == std::string::npos)
        return s;
    // After the command's name: state (field 3) ... utime (14), stime (15).
    std::istringstream fields(stat.substr(paren + 2));
    std::string state, skip;
    fields >> state;
    for (int field = 4; field < 14; ++field)
        fields >> skip;
    long long utime = 0, stime = 0;
    fields >> utime >> stime;
    s.alive = fields && state != "Z";
    s.cpuSeconds = static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    std::ifstream status("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                         "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
            line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
            s.mainSwitches += std::atol(line.substr(line.find(':') + 1).c_str());
    return s;
}

/// The next day in Korea, "yyyyMMdd": the flight stays the next one whatever the hour.
std::string tomorrowInKorea() {
    const std::time_t t = std::time(nullptr) + 9 * 3600 + 24 * 3600;
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char text[9];
    std::strftime(text, sizeof text, "%Y%m%d", &tm);
    return text;
}

/// A data folder through its first start, with a daily service of the demo data tracked.
void storeFlight(const std::string& dataDir) {
    const std::string day = tomorrowInKorea();
    storage::DBClass db(storage::DBClass::databasePath(dataDir));
    db.ConnectDB();
    const std::string result = db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(
        flights::kInsertFlight,
        {"대한항공", "KE705", day,           day,   "1400", day, "1400", day, "1620", day, "1620",
         "인천",     "인천",  "도쿄/나리타", "ICN", "NRT",  "",  "",     "",  "",     "",  "1"}));
    db.DisConnectDB();
    if (result != "0")
        throw std::runtime_error("cannot store the tracked flight: " + result);
}

bool stepFailed(const std::string& errFile) {
    std::ifstream in(errFile);
    for (std::string line; std::getline(in, line);)
        if (line.find("step: ") != std::string::npos)
            return true;
    return false;
}

void IdleOnMainScreen(benchmark::State& state) {
    testing_support::TempDir dir;
    const std::string data = dir.file("data");
    const std::string appErr = dir.file("app.err"), baseErr = dir.file("baseline.err");
    // The first start makes the database; the flight goes in before the measured start.
    const pid_t first = spawn({TAMBERLINOVE_APP, "--data-dir", data, "--first-frame-exit"}, appErr);
    int status = 0;
    if (first == 0 || ::waitpid(first, &status, 0) != first || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        failed = true;
        state.SkipWithError("the app's first start failed");
        return;
    }
    storeFlight(data);
    const int seconds = windowSeconds();
    for (auto _ : state) {
        // The first refresh announces what the demo services know of the stored flight (its
        // gate and times), and that alert stands in front of the help overlay.
        const pid_t app = spawn(
            {TAMBERLINOVE_APP, "--data-dir", data, "--press", "확인", "--tap", "btn_Help_Close"},
            appErr);
        const pid_t base = spawn({TAMBERLINOVE_MINIMAL, "--stay"}, baseErr);
        std::this_thread::sleep_for(kSettle);
        const Sample appBefore = sample(app), baseBefore = sample(base);
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const Sample appAfter = sample(app), baseAfter = sample(base);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        stop(app);
        stop(base);
        if (!appBefore.alive || !appAfter.alive || !baseBefore.alive || !baseAfter.alive ||
            stepFailed(appErr)) {
            failed = true;
            state.SkipWithError("a program ended early or the help overlay did not close");
            return;
        }
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100 * (appAfter.cpuSeconds - appBefore.cpuSeconds) / wall;
        state.counters["main_wakeups_per_s"] =
            static_cast<double>(appAfter.mainSwitches - appBefore.mainSwitches) / wall;
        state.counters["baseline_cpu_percent"] =
            100 * (baseAfter.cpuSeconds - baseBefore.cpuSeconds) / wall;
        state.counters["baseline_wakeups_per_s"] =
            static_cast<double>(baseAfter.mainSwitches - baseBefore.mainSwitches) / wall;
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("IdleOnMainScreen/demo", IdleOnMainScreen)
        ->UseManualTime()
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
