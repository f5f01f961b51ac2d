#pragma once

#include "document/recorders.h"
#include "document/verokant_doc.h"
#include "engine/cast_chart.h"

#include <memory>

namespace lumikan::test {

// A chart document of the Pune birth (5 Dec 1990, 14:07 IST) with a clock
// fixed at `now` (6 Dec 2026, 10:00 unless given).
struct PuneChart {
    document::AppSettings settings;
    document::NewChartRequest request;
    RecordingMessages messages;
    ScriptedPrompts prompts;
    std::unique_ptr<document::CVerokantDoc> doc;

    explicit PuneChart(engine::LocalDateTime now = {2026, 12, 6, 10, 0, 0})
    {
        request.birth = namedPuneBirth();
        request.displayName = QStringLiteral("Test Chart");
        request.placeText = document::composePlaceText(request.birth);
        request.pending = true;

        document::ChartEnvironment env;
        env.settings = &settings;
        env.request = &request;
        env.messages = &messages;
        env.clock = [now] { return now; };
        doc = std::make_unique<document::CVerokantDoc>(env);
        doc->setPrompts(&prompts);
        doc->OnNewDocument();
        request.pending = false;
    }
};

} // namespace lumikan::test
