// Transits and event timing against their goals:
//  - a transit at a moment: at most 1 ms;
//  - a timing search over 120 years at depth 4 (the promise and every period
//    found and ranked): at most 20 ms;
//  - a day's sub-lord timeline of the ascendant: at most 50 ms.
// The Sun windows of the listed periods are timed beside them without a goal:
// they cost one solar ingress search per sign or nakshatra the Sun enters,
// some 39 a year, so they grow with the range (ten years is the default).
#include "engine/chart_computation.h"
#include "engine/ephemeris.h"
#include "engine/event_houses.h"
#include "engine/event_timing.h"
#include "engine/sub_lord_timeline.h"
#include "engine/sun_windows.h"
#include "engine/transit.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

using namespace lumikan::engine;

namespace {

const Chart& natal()
{
    static const Chart chart = [] {
        BirthDetails b;
        b.year = 1990, b.month = 12, b.day = 5, b.hour = 14, b.minute = 7;
        b.timeZone = 5.5, b.latitude = 18.5204, b.longitude = 73.8567;
        return *computeChart(b, ChartOptions{}, Ephemeris::shared()).chart;
    }();
    return chart;
}

void BM_TransitAtAMoment(benchmark::State& state)
{
    const Chart& chart = natal();
    double jd = julianDay(2024, 3, 10, 6.5);
    for (auto _ : state) {
        auto t = transitAt(chart, jd, 18.5204, 73.8567, Ephemeris::shared());
        benchmark::DoNotOptimize(t);
        jd += 0.37; // a new moment each time
    }
}

EventTimingRequest marriageOver(double years)
{
    const Chart& chart = natal();
    const EventHouses* marriage = findEvent("marriage");
    EventTimingRequest request;
    request.cusps = marriage->cusps;
    request.houses = marriage->houses;
    request.fromJulianDayUt = chart.julianDayUt;
    request.toJulianDayUt = chart.julianDayUt + years * 365.25;
    request.depth = 4;
    request.nowJulianDayUt = julianDay(2024, 3, 10, 6.5);
    return request;
}

void BM_TimingSearch120Years(benchmark::State& state)
{
    const EventTimingRequest request = marriageOver(120.0);
    std::size_t periods = 0;
    for (auto _ : state) {
        EventTiming timing = timeEvent(natal(), request);
        periods = timing.periods.size();
        benchmark::DoNotOptimize(timing);
    }
    state.counters["periods"] = static_cast<double>(periods);
}

void BM_SunWindows(benchmark::State& state)
{
    const EventTiming timing =
        timeEvent(natal(), marriageOver(static_cast<double>(state.range(0))));
    for (auto _ : state) {
        std::vector<TimedPeriod> periods = timing.periods;
        fillSunWindows(periods, natal().options, Ephemeris::shared());
        benchmark::DoNotOptimize(periods);
    }
}

void BM_AscendantSubLordDay(benchmark::State& state)
{
    double from = julianDay(2024, 3, 10, 0.0) - 5.5 / 24.0;
    std::size_t changes = 0;
    for (auto _ : state) {
        auto t = subLordTimeline(TimelinePoint::Ascendant, from, from + 1.0, 18.5204, 73.8567,
                                 ChartOptions{}, Ephemeris::shared());
        changes = t ? t->changes.size() : 0;
        benchmark::DoNotOptimize(t);
        from += 1.0;
    }
    state.counters["changes"] = static_cast<double>(changes);
}

BENCHMARK(BM_TransitAtAMoment);
BENCHMARK(BM_TimingSearch120Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AscendantSubLordDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SunWindows)->Arg(10)->Arg(120)->Unit(benchmark::kMillisecond);

// Prints each benchmark's time beside its goal after the usual table.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                milliseconds_[run.benchmark_name()] =
                    run.GetAdjustedCPUTime() /
                    (run.time_unit == benchmark::kMillisecond ? 1.0 : 1e6);
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        goal("transit at a moment", "BM_TransitAtAMoment", 1.0);
        goal("timing, 120 y, depth 4", "BM_TimingSearch120Years", 20.0);
        goal("ascendant subs of a day", "BM_AscendantSubLordDay", 50.0);
    }

private:
    void goal(const char* what, const std::string& name, double goalMs)
    {
        const auto it = milliseconds_.find(name);
        if (it == milliseconds_.end())
            return;
        std::printf("%-26s %9.3f ms  (goal <= %.0f ms)%s\n", what, it->second, goalMs,
                    it->second <= goalMs ? "" : "  OVER");
    }

    std::map<std::string, double> milliseconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
