#pragma once

#include "engine/chart.h"
#include "engine/kp_lords.h"
#include "engine/significators.h"
#include "engine/zodiac.h"

#include <utility>
#include <vector>

namespace lumikan::test {

// Equal houses from 0° Aries, so house n is sign n-1 and owned by its sign lord.
inline engine::Chart equalHouseChart(const std::vector<std::pair<engine::BodyId, double>>& bodies)
{
    using namespace lumikan::engine;
    Chart chart;
    for (int k = 0; k < 12; ++k) {
        CuspPosition c;
        c.number = k + 1;
        c.longitude = 30.0 * k + 0.5;
        c.sign = k;
        const KpLords lords = kpLordsOf(c.longitude);
        c.signLord = lords.signLord;
        c.starLord = lords.starLord;
        c.subLord = lords.subLord;
        c.subSubLord = lords.subSubLord;
        chart.cusps.push_back(c);
    }
    for (auto [b, l] : bodies) {
        PlanetPosition p;
        p.body = b;
        p.longitude = l;
        p.sign = signOf(l);
        const KpLords lords = kpLordsOf(l);
        p.signLord = lords.signLord;
        p.nakshatra = nakshatraOf(l);
        p.starLord = lords.starLord;
        p.subLord = lords.subLord;
        p.subSubLord = lords.subSubLord;
        chart.planets.push_back(p);
    }
    buildSignificators(chart);
    return chart;
}

// Houses by hand (cusps at 0.5° past each sign):
//   Moon 15 Aries (1, star Venus)       Saturn 35 Taurus (2, star Sun)
//   Venus 85 Gemini (3, star Jupiter)   Ketu 82 Gemini (3, star Jupiter), 3° from Venus
//   Mars 100 Cancer (4, star Saturn)    Sun 130 Leo (5, star Ketu)
//   Jupiter 205 Libra (7, star Jupiter) Rahu 262 Sagittarius (9, star Venus)
//   Mercury 300 Capricorn (10, star Mars)
// Owners: 1 Mars, 2 Venus, 3 Mercury, 4 Moon, 5 Sun, 6 Mercury, 7 Venus,
// 8 Mars, 9 Jupiter, 10 Saturn, 11 Saturn, 12 Jupiter.
inline engine::Chart handMadeChart()
{
    using namespace lumikan::engine;
    return equalHouseChart({{body::Sun, 130.0},
                            {body::Moon, 15.0},
                            {body::Mars, 100.0},
                            {body::Mercury, 300.0},
                            {body::Jupiter, 205.0},
                            {body::Venus, 85.0},
                            {body::Saturn, 35.0},
                            {body::Rahu, 262.0},
                            {body::Ketu, 82.0}});
}

} // namespace lumikan::test
