#pragma once

#include "document/recorders.h"
#include "document/verokant_doc.h"

#include <memory>

namespace lumikan::test {

// A chart document of the Pune birth (5 Dec 1990, 14:07 IST) with a clock
// fixed at 6 Dec 2026, 10:00.
struct PuneChart {
    document::AppSettings settings;
    document::NewChartRequest request;
    RecordingMessages messages;
    ScriptedPrompts prompts;
    std::unique_ptr<document::CVerokantDoc> doc;

    PuneChart()
    {
        engine::BirthDetails b;
        b.name = "Test Chart";
        b.city = "Pune";
        b.state = "Maharashtra";
        b.country = "India";
        b.year = 1990;
        b.month = 12;
        b.day = 5;
        b.hour = 14;
        b.minute = 7;
        b.latitude = 18.5204;
        b.longitude = 73.8567;
        b.timeZone = 5.5;
        request.birth = b;
        request.displayName = QStringLiteral("Test Chart");
        request.placeText = document::composePlaceText(b);
        request.pending = true;

        document::ChartEnvironment env;
        env.settings = &settings;
        env.request = &request;
        env.messages = &messages;
        env.clock = [] { return engine::LocalDateTime{2026, 12, 6, 10, 0, 0}; };
        doc = std::make_unique<document::CVerokantDoc>(env);
        doc->setPrompts(&prompts);
        doc->OnNewDocument();
        request.pending = false;
    }
};

} // namespace lumikan::test
