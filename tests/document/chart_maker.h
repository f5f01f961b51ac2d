#pragma once

#include "document/recorders.h"
#include "document/verokant_doc.h"
#include "engine/cast_chart.h"

#include <memory>

namespace lumikan::test {

// Makes chart documents as the program does, around one set of settings,
// messages and prompts, with the clock fixed at `now`.
struct ChartMaker {
    document::AppSettings settings;
    RecordingMessages messages;
    ScriptedPrompts prompts;
    engine::LocalDateTime now{2026, 12, 6, 10, 0, 0};
    int frameTitleRefreshes = 0;

    document::ChartEnvironment environment()
    {
        document::ChartEnvironment env;
        env.settings = &settings;
        env.messages = &messages;
        env.clock = [this] { return now; };
        env.frameTitleChanged = [this] { ++frameTitleRefreshes; };
        return env;
    }

    // A new chart of `birth`, or null when it cannot be cast.
    std::unique_ptr<document::CVerokantDoc>
    newChart(const engine::BirthDetails& birth,
             document::ChartType type = document::ChartType::Natal, int horary = 1)
    {
        auto doc = std::make_unique<document::CVerokantDoc>(environment());
        doc->setPrompts(&prompts);
        const bool ok = doc->CreateChart(document::describeChart(birth, type, horary));
        return ok ? std::move(doc) : nullptr;
    }

    // A chart at Pune (18.5204 N, 73.8567 E, +5:30) of `name` and `gender`.
    std::unique_ptr<document::CVerokantDoc> puneChart(const char* name, int year, int month,
                                                      int day, int hour, int gender)
    {
        engine::BirthDetails b = makeBirth(year, month, day, hour, 0, 0, 5.5, 18.5204, 73.8567);
        b.name = name;
        b.gender = gender;
        return newChart(b);
    }
};

// The chart document of the Pune birth (5 Dec 1990, 14:07 IST) at `at`.
struct PuneChart : ChartMaker {
    std::unique_ptr<document::CVerokantDoc> doc;

    explicit PuneChart(engine::LocalDateTime at = {2026, 12, 6, 10, 0, 0})
    {
        now = at;
        doc = newChart(namedPuneBirth());
    }
};

} // namespace lumikan::test
