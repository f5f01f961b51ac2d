#include "document/chart_presentation.h"

#include "document/chart_titles.h"
#include "document/text_encoding.h"
#include "engine/ayanamsa_caption.h"

namespace lumikan::document {

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
    p.dasha =
        engine::dashaPeriodsOf(chart.dasha, chart.options.dashaDepth, chart.options.planetNameForm);
    p.runningDasha = engine::runningDasha(chart.dasha, in.today);
    p.runningDashaCaption = toQString(engine::runningDashaCaption(p.runningDasha));
    return p;
}

} // namespace lumikan::document
