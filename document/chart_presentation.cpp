#include "document/chart_presentation.h"

#include "document/chart_titles.h"
#include "document/text_encoding.h"
#include "engine/ayanamsa_caption.h"

namespace lumikan::document {

namespace {

void pruneBelow(engine::DashaPeriod& period, int level, int depth)
{
    if (level + 1 >= depth) {
        period.antardashas.clear();
        period.pratyantardashas.clear();
        period.sookshmas.clear();
        return;
    }
    for (auto* children : {&period.antardashas, &period.pratyantardashas, &period.sookshmas})
        for (engine::DashaPeriod& child : *children)
            pruneBelow(child, level + 1, depth);
}

}  // namespace

std::vector<engine::DashaPeriod> dashaToDepth(const std::vector<engine::DashaPeriod>& dasha,
                                              int depth)
{
    std::vector<engine::DashaPeriod> periods = dasha;
    for (engine::DashaPeriod& maha : periods)
        pruneBelow(maha, 0, depth);
    return periods;
}

ChartPresentation presentChart(const engine::Chart& chart, const PresentationInputs& in)
{
    ChartPresentation p;
    p.ascendantText = AscendantText(chart.cusps, in.forms.sign);
    p.ayanamsaCaption =
        toQString(engine::ayanamsaCaption(chart.options.ayanamsa, chart.ayanamsaDeg));
    p.planets = PlanetRows(chart.planets, chart, in.forms);
    p.cusps = CuspRows(chart.cusps, chart, in.forms);
    std::vector<SignificatorEntry> entries = significatorEntries(chart, in.forms.planet);
    orderSignificatorEntries(entries);
    p.significators = significatorRows(entries);
    p.dasha = dashaToDepth(chart.dasha, chart.options.dashaDepth);
    p.runningDasha = engine::runningDasha(chart.dasha, in.today);
    p.runningDashaCaption = toQString(engine::runningDashaCaption(p.runningDasha));
    return p;
}

}  // namespace lumikan::document
