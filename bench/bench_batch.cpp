// Batch throughput: whole `lumikan-cli chart --batch` processes over a few
// thousand births (spread over 1900..2090 and the inhabited latitudes, the
// same every run), with one worker and with one per processor. Printed are
// charts per second of wall time and per second of processor time (user +
// system of the program and its workers), and how the wall time scales with
// the workers. The goal is 5,000 full charts with their JSON per second per
// core; the output goes to /dev/null, so writing it costs no disk.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kBirths = 4000;
constexpr int kRuns = 3;

std::filesystem::path programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

int processors()
{
    cpu_set_t set;
    return sched_getaffinity(0, sizeof set, &set) == 0 ? std::max(1, CPU_COUNT(&set)) : 1;
}

// The births as a CSV batch file.
std::filesystem::path writeBirths()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("bench_batch_" + std::to_string(getpid()) + ".csv");
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> year(1900, 2090), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59);
    std::uniform_real_distribution<double> latitude(-55.0, 60.0), longitude(-180.0, 180.0);
    std::ofstream out(path);
    out << "name,date,time,tz,lat,lon\n";
    char line[160];
    for (int i = 0; i < kBirths; ++i) {
        const double lon = longitude(random);
        const double lat = latitude(random);
        std::snprintf(line, sizeof line, "Birth %d,%04d-%02d-%02d,%02d:%02d:00,%g,%.4f,%.4f\n", i,
                      year(random), month(random), day(random), hour(random), minute(random),
                      std::round(lon / 15.0), lat, lon);
        out << line;
    }
    return path;
}

struct ProcessTime {
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

double seconds(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

std::optional<ProcessTime> timeProcess(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "bench_batch: cannot start %s: %s\n", argv[0], std::strerror(error));
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    // The usage of the program includes that of the workers it waited for.
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_batch: %s failed\n", argv[0]);
        return std::nullopt;
    }
    const auto end = std::chrono::steady_clock::now();
    return ProcessTime{std::chrono::duration<double>(end - start).count(),
                       seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// The best of kRuns: the run the shared machine disturbed least.
std::optional<ProcessTime> best(const std::vector<std::string>& command)
{
    std::optional<ProcessTime> fastest;
    for (int i = 0; i < kRuns; ++i) {
        const auto t = timeProcess(command);
        if (!t)
            return std::nullopt;
        if (!fastest || t->wallSeconds < fastest->wallSeconds)
            fastest = t;
    }
    return fastest;
}

} // namespace

int main()
{
    const std::string program = (programFolder() / "lumikan-cli").string();
    const std::filesystem::path births = writeBirths();
    const int cores = processors();
    std::printf("lumikan-cli chart --batch: %d births, best of %d runs, %d processors\n", kBirths,
                kRuns, cores);
    std::printf("%-34s %5s %10s %12s %12s\n", "", "jobs", "wall s", "charts/s", "per CPU s");
    struct Variant {
        const char* label;
        std::vector<std::string> options;
    };
    const Variant variants[] = {
        {"full JSON, dasha depth 1 (default)", {}},
        {"full JSON, dasha depth 3", {"--depth", "3"}},
        {"--only planets,cusps", {"--only", "planets,cusps"}},
    };
    int status = 0;
    for (const Variant& v : variants) {
        double oneJobWall = 0;
        for (int jobs : {1, cores}) {
            if (jobs == 1 && cores == 1 && oneJobWall > 0)
                continue;
            std::vector<std::string> command = {
                program,      "chart", "--batch",  births.string(), "--defaults",        "--today",
                "2026-12-06", "--now", "10:00:00", "--jobs",        std::to_string(jobs)};
            command.insert(command.end(), v.options.begin(), v.options.end());
            const auto t = best(command);
            if (!t) {
                status = 1;
                continue;
            }
            if (jobs == 1)
                oneJobWall = t->wallSeconds;
            std::printf("%-34s %5d %10.2f %12.0f %12.0f", jobs == 1 ? v.label : "", jobs,
                        t->wallSeconds, kBirths / t->wallSeconds, kBirths / t->cpuSeconds);
            if (jobs > 1 && oneJobWall > 0)
                std::printf("   speed-up %.2f", oneJobWall / t->wallSeconds);
            std::printf("\n");
        }
    }
    std::filesystem::remove(births);
    return status;
}
