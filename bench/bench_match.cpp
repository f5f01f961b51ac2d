// The 27 match rules on one pair of cast charts. Target: at most 50 µs a pair.
#include "engine/chart_computation.h"
#include "engine/ephemeris.h"
#include "match/match_report.h"
#include "match/match_subject.h"

#include <benchmark/benchmark.h>

using namespace lumikan;

namespace {

engine::BirthDetails birth(int year, int month, int day, int hour, int minute, double latitude,
                           double longitude, int gender)
{
    engine::BirthDetails b;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.minute = minute;
    b.timeZone = 5.5;
    b.latitude = latitude;
    b.longitude = longitude;
    b.gender = gender;
    return b;
}

match::MatchSubject castSubject(const engine::BirthDetails& b, const char* name)
{
    const engine::Chart chart =
        *engine::computeChart(b, engine::ChartOptions{}, engine::Ephemeris::shared()).chart;
    match::SubjectInputs inputs;
    inputs.displayName = name;
    inputs.today = {2024, 6, 1, 12, 0, 0};
    return match::makeMatchSubject(chart, inputs);
}

struct Pair {
    match::MatchSubject boy = castSubject(birth(1990, 12, 5, 14, 7, 18.5204, 73.8567, 0), "Boy");
    match::MatchSubject girl = castSubject(birth(1993, 4, 21, 6, 45, 28.6139, 77.2090, 1), "Girl");
};

const Pair& pair()
{
    static const Pair p;
    return p;
}

// The rule objects live across runs: only the evaluation is measured.
void BM_RunMatch(benchmark::State& state)
{
    const Pair& p = pair();
    const match::MatchRules rules = match::CreateMatchRules();
    for (auto _ : state)
        benchmark::DoNotOptimize(match::RunMatch(rules, p.boy, p.girl));
    state.SetItemsProcessed(state.iterations());
}

// What the Matchmaking command pays: a fresh rule list (with its two lookup
// tables) for each run.
void BM_CreateRulesAndRunMatch(benchmark::State& state)
{
    const Pair& p = pair();
    for (auto _ : state)
        benchmark::DoNotOptimize(match::RunMatch(match::CreateMatchRules(), p.boy, p.girl));
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_RunMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateRulesAndRunMatch)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
