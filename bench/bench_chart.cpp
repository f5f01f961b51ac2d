// A chart's computation against the bare Swiss Ephemeris calls it needs.
//  - cold: a different date and place every iteration, so no sunrise or
//    strength cache helps; the bare calls include the sunrise and sunset
//    searches the strength makes.
//  - warm: the birth minute changes, the day and place stay; the cached
//    sunrise and sunset still hold, so neither side searches again.
// The ratios printed at the end are the cost of everything the engine adds.
#include "engine/chart_computation.h"
#include "engine/ephemeris.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace lumikan::engine;

namespace {

constexpr std::array<int, 11> kBodies = {0, 1, 4, 2, 5, 3, 6, 10, 7, 8, 9};
constexpr int kSidereal = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_SIDEREAL;

// Births spread over 1900..2090 and the inhabited latitudes.
std::vector<BirthDetails> manyBirths()
{
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> year(1900, 2090), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59);
    std::uniform_real_distribution<double> latitude(-55.0, 60.0), longitude(-180.0, 180.0);
    std::vector<BirthDetails> births(4096);
    for (BirthDetails& b : births) {
        b.year = year(random);
        b.month = month(random);
        b.day = day(random);
        b.hour = hour(random);
        b.minute = minute(random);
        b.latitude = latitude(random);
        b.longitude = longitude(random);
        b.timeZone = std::round(b.longitude / 15.0);
    }
    return births;
}

const std::vector<BirthDetails>& births()
{
    static const std::vector<BirthDetails> all = manyBirths();
    return all;
}

double riseOrSet(double jd, const BirthDetails& b, int which)
{
    double geopos[3] = {b.longitude, b.latitude, 0.0};
    double when = 0.0;
    char serr[AS_MAXCH];
    if (swe_rise_trans(jd, SE_SUN, nullptr, SEFLG_SWIEPH, which, geopos, 1013.25, 10.0, &when,
                       serr) != 0)
        return 0.0;
    return when;
}

// What the library must answer for one chart: its moment, houses, bodies and
// ayanamsa, and (cold) the last sunrise before the birth and the sunset after it.
void bareCalls(const BirthDetails& b, bool searchSun)
{
    swe_set_sid_mode(SE_SIDM_KRISHNAMURTI, 0, 0);
    const double jd =
        swe_julday(b.year, b.month, b.day, b.hour + b.minute / 60.0 - b.timeZone, SE_GREG_CAL);
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    swe_houses_ex(jd, kSidereal, b.latitude, b.longitude, 'P', cusps.data(), ascmc.data());
    for (int body : kBodies) {
        double xx[6];
        char serr[AS_MAXCH];
        swe_calc_ut(jd, body, kSidereal, xx, serr);
        benchmark::DoNotOptimize(xx[0]);
    }
    benchmark::DoNotOptimize(swe_get_ayanamsa_ut(jd));
    if (searchSun) {
        double rise = riseOrSet(jd - 1.0, b, SE_CALC_RISE);
        if (rise > jd)
            rise = riseOrSet(jd - 2.0, b, SE_CALC_RISE);
        double set = riseOrSet(rise, b, SE_CALC_SET);
        if (set <= jd)
            set = riseOrSet(set, b, SE_CALC_RISE);
        benchmark::DoNotOptimize(set);
    }
    benchmark::DoNotOptimize(cusps[1]);
}

void BM_ColdChart(benchmark::State& state)
{
    const ChartOptions options;
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            computeChart(births()[i++ % births().size()], options, Ephemeris::shared()));
}

void BM_ColdBareCalls(benchmark::State& state)
{
    Ephemeris::shared();
    std::size_t i = 0;
    for (auto _ : state)
        bareCalls(births()[i++ % births().size()], true);
}

void BM_WarmRecompute(benchmark::State& state)
{
    const ChartOptions options;
    BirthDetails b = births()[0];
    b.hour = 12;
    int minute = 0;
    for (auto _ : state) {
        b.minute = minute++ % 60;
        benchmark::DoNotOptimize(computeChart(b, options, Ephemeris::shared()));
    }
}

void BM_WarmBareCalls(benchmark::State& state)
{
    Ephemeris::shared();
    BirthDetails b = births()[0];
    b.hour = 12;
    int minute = 0;
    for (auto _ : state) {
        b.minute = minute++ % 60;
        bareCalls(b, false);
    }
}

BENCHMARK(BM_ColdChart);
BENCHMARK(BM_ColdBareCalls);
BENCHMARK(BM_WarmRecompute);
BENCHMARK(BM_WarmBareCalls);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions, the medians stand for each benchmark.
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.aggregate_name == "median" ||
                (run.aggregate_name.empty() && !medians_.count(name)))
                nanoseconds_[name] = run.GetAdjustedCPUTime();
            if (run.aggregate_name == "median")
                medians_.insert(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        ratio("cold full chart", "BM_ColdChart", "BM_ColdBareCalls", 1.25);
        ratio("warm recompute", "BM_WarmRecompute", "BM_WarmBareCalls", 0.0);
    }

private:
    void ratio(const char* what, const char* engine, const char* bare, double goal)
    {
        const double a = nanoseconds_[engine], b = nanoseconds_[bare];
        if (a <= 0 || b <= 0)
            return;
        std::printf("%-16s %8.1f us / bare library calls %8.1f us = %.2fx", what, a / 1000,
                    b / 1000, a / b);
        if (goal > 0)
            std::printf("  (goal <= %.2fx)", goal);
        std::printf("\n");
    }

    std::map<std::string, double> nanoseconds_;
    std::set<std::string> medians_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
