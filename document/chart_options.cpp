#include "document/chart_options.h"

#include "engine/dasha.h"
#include "engine/kp_sub_table.h"
#include "engine/ruling_planets.h"

#include <algorithm>

namespace lumikan::document {

engine::ChartOptions chartOptionsFor(const AppSettings& s, const ChartOptionOverrides& o,
                                     const ChartDescription& description)
{
    engine::ChartOptions options;
    options.ayanamsa = o.ayanamsa.value_or(engine::ayanamsaModeFromInt(s.ayanamsa));
    if (options.ayanamsa == engine::AyanamsaMode::Custom)
        options.customAyanamsaDeg = o.customAyanamsaDeg.value_or(s.customAyanamsa);
    options.includeUranus = s.showUranus && !o.noUranus;
    options.includeNeptune = s.showNeptune && !o.noNeptune;
    options.includePluto = s.showPluto && !o.noPluto;
    options.includeFortuna = s.showFortuna && !o.noFortuna;
    if (description.chartType == ChartType::Horary)
        options.horaryAscendantDeg = engine::horaryAscendantFor(description.horaryNumber);
    const engine::RulingPlace place =
        o.rulingPlace.value_or(engine::RulingPlace{s.rpLatitude, s.rpLongitude, s.rpTimeZoneHours});
    options.rulingPlace = engine::rulingPlaceFor(place.latitudeDeg, place.longitudeDeg,
                                                 place.timeZoneHours, description.birth);
    options.dashaDepth = std::clamp(o.dashaDepth.value_or(s.mahadashaDepth), 1, 4);
    options.dashaYearDays = engine::dashaYearLength(o.dashaYear.value_or(s.dashaYear));
    options.planetNameForm = s.planetNameFormat;
    options.dayLordRule = o.dayLordRule.value_or(dayLordRuleFromSetting(s.dayLordRule));
    return options;
}

engine::DayLordRule dayLordRuleFromSetting(int value)
{
    return value == 0 ? engine::DayLordRule::LocalSunrise : engine::DayLordRule::UtDate;
}

std::string rulingPlaceZone(const AppSettings& s, const ChartOptionOverrides& o,
                            const ChartDescription& description)
{
    const engine::RulingPlace place =
        o.rulingPlace.value_or(engine::RulingPlace{s.rpLatitude, s.rpLongitude, s.rpTimeZoneHours});
    if (place.latitudeDeg == 0.0 && place.longitudeDeg == 0.0)
        return description.zone;
    return o.rulingPlace ? std::string() : s.rpZone;
}

} // namespace lumikan::document
