// computeChart against the bare Swiss Ephemeris calls the same chart makes.
// The ratio printed at the end is the cost of everything the engine adds.
#include "engine/chart_computation.h"
#include "engine/ephemeris.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <string>

using namespace lumikan::engine;

namespace {

BirthDetails sampleBirth()
{
    BirthDetails b;
    b.year = 1990;
    b.month = 12;
    b.day = 5;
    b.hour = 14;
    b.minute = 7;
    b.timeZone = 5.5;
    b.latitude = 18.5204;
    b.longitude = 73.8567;
    return b;
}

void BM_ComputeChart(benchmark::State& state)
{
    EphemerisContext context;
    openEphemeris(context, AyanamsaMode::Krishnamurti, 0.0);
    Chart chart;
    chart.ephemeris = &context;
    chart.birth = sampleBirth();
    int minute = 0;
    for (auto _ : state) {
        // A different minute each time, so no cache of the library's answers helps.
        chart.birth.minute = minute++ % 60;
        benchmark::DoNotOptimize(computeChart(chart));
    }
}

// The library calls a chart needs: the Julian day, the houses and one position
// per body (Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Uranus,
// Neptune, Pluto).
void BM_BareEphemerisCalls(benchmark::State& state)
{
    EphemerisContext context;
    openEphemeris(context, AyanamsaMode::Krishnamurti, 0.0);
    const BirthDetails b = sampleBirth();
    constexpr std::array<int, 11> bodies = {0, 1, 4, 2, 5, 3, 6, 10, 7, 8, 9};
    int minute = 0;
    for (auto _ : state) {
        const double hour = b.hour + (minute++ % 60) / 60.0 - b.timeZone;
        const double jd = swe_julday(b.year, b.month, b.day, hour, SE_GREG_CAL);
        std::array<double, 13> cusps{};
        std::array<double, 10> ascmc{};
        swe_houses_ex(jd, kSiderealCalcFlags, b.latitude, b.longitude, 'P', cusps.data(),
                      ascmc.data());
        for (int body : bodies) {
            double xx[6];
            char serr[AS_MAXCH];
            swe_calc_ut(jd, body, kSiderealCalcFlags, xx, serr);
            benchmark::DoNotOptimize(xx[0]);
        }
        benchmark::DoNotOptimize(cusps[1]);
    }
}

BENCHMARK(BM_ComputeChart);
BENCHMARK(BM_BareEphemerisCalls);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions, the medians stand for each benchmark.
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.aggregate_name == "median" || (run.aggregate_name.empty() && !medians_.count(name)))
                nanoseconds_[name] = run.GetAdjustedCPUTime();
            if (run.aggregate_name == "median")
                medians_.insert(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double chart = nanoseconds_["BM_ComputeChart"];
        const double bare = nanoseconds_["BM_BareEphemerisCalls"];
        if (chart > 0 && bare > 0)
            std::printf("computeChart / bare ephemeris calls = %.3f\n", chart / bare);
    }

private:
    std::map<std::string, double> nanoseconds_;
    std::set<std::string> medians_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
