// A whole lumikan-cli process against a whole swetest process for the same
// birth (Pune, 5 December 1990, 14:07 IST): start, load, compute, print, exit.
// Each is started with posix_spawn, its output thrown away, and timed from
// outside until wait4 returns, which also gives the processor time the child
// used (user + system). The two alternate, so that a busy moment of the
// machine falls on both. Printed are the medians of both measures and their
// ratios; the goal is lumikan-cli within three times swetest. On a machine
// that others load as well, the processor time is the steadier of the two.
//
// swetest computes only what it is asked: the planets and nodes, Placidus
// cusps at the place, the Krishnamurti ayanamsa. lumikan-cli computes the
// whole chart: also the lords, significators, dasha, ruling planets, vargas
// and strengths, and it writes all of that as JSON.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kRuns = 41;

std::filesystem::path programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

struct ProcessTime {
    double wallMs = 0;
    double cpuMs = 0; // user + system
};

double milliseconds(const timeval& t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

// One run from start to end; nothing when the program could not be started or
// did not exit with status 0.
std::optional<ProcessTime> timeProcess(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "bench_cli: cannot start %s: %s\n", argv[0], std::strerror(error));
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return std::nullopt;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_cli: %s failed\n", argv[0]);
        return std::nullopt;
    }
    return ProcessTime{std::chrono::duration<double, std::milli>(end - start).count(),
                       milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main()
{
    const std::filesystem::path folder = programFolder();
    const std::vector<std::string> lumikan = {(folder / "lumikan-cli").string(),
                                              "chart",
                                              "--json",
                                              "--defaults",
                                              "--today",
                                              "2026-12-06",
                                              "--now",
                                              "10:00:00",
                                              "--name",
                                              "Pune",
                                              "--date",
                                              "1990-12-05",
                                              "--time",
                                              "14:07:00",
                                              "--tz",
                                              "5.5",
                                              "--lat",
                                              "18.5204",
                                              "--lon",
                                              "73.8567"};
    // 14:07 at UTC+5:30 is 08:37 UT; all ten planets and both nodes.
    const std::vector<std::string> swetest = {"swetest",
                                              "-b5.12.1990",
                                              "-ut08:37:00",
                                              "-p0123456789mt",
                                              "-house73.8567,18.5204,P",
                                              "-sid5",
                                              "-edir" + (folder / "ephe").string()};

    // One run each first: the files are then in the page cache for both.
    if (!timeProcess(lumikan) || !timeProcess(swetest))
        return 1;
    std::vector<double> lumikanWall, swetestWall, lumikanCpu, swetestCpu;
    for (int i = 0; i < kRuns; ++i) {
        const auto a = timeProcess(lumikan);
        const auto b = timeProcess(swetest);
        if (!a || !b)
            return 1;
        lumikanWall.push_back(a->wallMs);
        lumikanCpu.push_back(a->cpuMs);
        swetestWall.push_back(b->wallMs);
        swetestCpu.push_back(b->cpuMs);
    }
    const double lw = median(lumikanWall), sw = median(swetestWall);
    const double lc = median(lumikanCpu), sc = median(swetestCpu);
    std::printf("Whole processes, median of %d runs each   wall time   processor time\n", kRuns);
    std::printf("  lumikan-cli chart --json                %7.2f ms   %7.2f ms\n", lw, lc);
    std::printf("  swetest                                 %7.2f ms   %7.2f ms\n", sw, sc);
    std::printf("  ratio (goal at most 3)                  %7.2f      %7.2f\n", lw / sw, lc / sc);
    return 0;
}
