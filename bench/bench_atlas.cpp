// Type-ahead in the city field, measured on the largest state of the largest
// country in the committed atlas (the United States' Texas). Target: 2 ms or
// less per keystroke.
#include "document/atlas_database.h"
#include "document/atlas_place_picker.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using namespace lumikan::document;

struct LargestState {
    int country = -1;
    std::string state;
    std::uint32_t cities = 0;
};

// Largest by city count; found by reading every file once.
LargestState findLargestState(AtlasDatabase& atlas)
{
    LargestState largest;
    std::uint32_t mostCities = 0;
    for (std::size_t i = 0; i < AtlasDatabase::Countries().size(); ++i) {
        if (!atlas.OpenCountry(AtlasDatabase::Countries()[i].code))
            continue;
        std::uint32_t total = 0;
        std::uint32_t biggest = 0;
        std::string biggestName;
        for (std::uint32_t s = 0; s < atlas.StateCount(); ++s) {
            total += atlas.CityCount(s);
            if (atlas.CityCount(s) > biggest) {
                biggest = atlas.CityCount(s);
                biggestName = atlas.StateName(s);
            }
        }
        if (total > mostCities) {
            mostCities = total;
            largest = {static_cast<int>(i), biggestName, biggest};
        }
    }
    return largest;
}

// Typing a city name letter by letter: every keystroke filters the whole list.
void BM_TypeAheadKeystroke(benchmark::State& state, const char* typed)
{
    AtlasDatabase& atlas = AtlasDatabase::instance();
    static const LargestState largest = findLargestState(atlas);
    PlacePicker picker(atlas);
    if (picker.chooseCountry(largest.country) != CountryChoice::Loaded || !picker.chooseState(largest.state)) {
        state.SkipWithError("the atlas files are not beside the program");
        return;
    }
    const std::string text(typed);
    std::size_t length = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(picker.filterCities(std::string_view(text).substr(0, length)));
        length = length % text.size() + 1;
    }
    state.counters["cities"] = static_cast<double>(picker.cityNames().size());
    state.SetLabel(std::string(AtlasDatabase::Countries()[static_cast<std::size_t>(largest.country)].name) + " / "
                   + largest.state);
}

BENCHMARK_CAPTURE(BM_TypeAheadKeystroke, san_antonio, "San Antonio")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TypeAheadKeystroke, accented, "Éagle")->Unit(benchmark::kMicrosecond);

// Choosing the state: reading and folding its city names once.
void BM_ChooseLargestState(benchmark::State& state)
{
    AtlasDatabase& atlas = AtlasDatabase::instance();
    static const LargestState largest = findLargestState(atlas);
    PlacePicker picker(atlas);
    if (picker.chooseCountry(largest.country) != CountryChoice::Loaded) {
        state.SkipWithError("the atlas files are not beside the program");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(picker.chooseState(largest.state));
}
BENCHMARK(BM_ChooseLargestState)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
