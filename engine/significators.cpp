#include "engine/significators.h"

#include "engine/house_rules.h"
#include "engine/zodiac.h"

#include <algorithm>

namespace lumikan::engine {

namespace {

// Significator rules that need the whole chart.
class SignificatorRules {
public:
    explicit SignificatorRules(const Chart& chart) : chart_(chart) {}

    int houseOfPlanet(const PlanetPosition& p) const { return houseOf(p.longitude, chart_.cusps); }

    void appendOwnedHouses(LordIndex lord, std::vector<int>& out) const
    {
        for (const CuspPosition& c : chart_.cusps)
            if (c.signLord == lord)
                out.push_back(c.number);
    }

    // Nodes signify through their dispositor; Uranus, Neptune, Pluto and
    // Fortuna, not being lords, through their sign lord too.
    static LordIndex ruler(const PlanetPosition& p)
    {
        if (isNode(p.body))
            return p.signLord;
        const LordIndex l = bodyToLord(p.body);
        return l != -1 ? l : p.signLord;
    }

    const PlanetPosition* planetOf(LordIndex lord) const
    {
        for (const PlanetPosition& p : chart_.planets)
            if (bodyToLord(p.body) == lord)
                return &p;
        return nullptr;
    }

    void appendPlanetHouseOf(LordIndex lord, std::vector<int>& out) const
    {
        if (const PlanetPosition* p = planetOf(lord))
            out.push_back(houseOfPlanet(*p));
    }

    // What a node takes on from its conjunctions, its aspect and its dispositor.
    void appendNodeSignifications(const PlanetPosition& node, std::vector<int>& out) const
    {
        for (const PlanetPosition& y : chart_.planets) {
            if (y.body == node.body || arcDistance(node.longitude, y.longitude) > 8.0)
                continue;
            out.push_back(houseOfPlanet(y));
            appendOwnedHouses(ruler(y), out);
        }
        const int opposite = ((houseOfPlanet(node) + 5) % 12) + 1;
        for (const PlanetPosition& y : chart_.planets) {
            if (y.body == node.body || houseOfPlanet(y) != opposite)
                continue;
            out.push_back(opposite);
            appendOwnedHouses(ruler(y), out);
        }
        appendPlanetHouseOf(node.signLord, out);
        appendOwnedHouses(node.signLord, out);
    }

private:
    const Chart& chart_;
};

void removeRepeats(std::vector<int>& houses)
{
    std::vector<int> unique;
    for (int h : houses)
        if (std::find(unique.begin(), unique.end(), h) == unique.end())
            unique.push_back(h);
    houses = std::move(unique);
}

void appendOnce(std::vector<BodyId>& list, BodyId b)
{
    if (std::find(list.begin(), list.end(), b) == list.end())
        list.push_back(b);
}

}  // namespace

void buildSignificators(Chart& chart)
{
    const SignificatorRules rules(chart);

    chart.planetSignificators.clear();
    for (const PlanetPosition& p : chart.planets) {
        PlanetHouses entry{p.body, {rules.houseOfPlanet(p)}};
        if (isNode(p.body)) {
            rules.appendPlanetHouseOf(p.starLord, entry.houses);
            rules.appendOwnedHouses(p.starLord, entry.houses);
            rules.appendNodeSignifications(p, entry.houses);
        } else {
            rules.appendOwnedHouses(SignificatorRules::ruler(p), entry.houses);
            rules.appendPlanetHouseOf(p.starLord, entry.houses);
            rules.appendOwnedHouses(p.starLord, entry.houses);
        }
        removeRepeats(entry.houses);
        chart.planetSignificators.push_back(std::move(entry));
    }

    chart.planetOwnSignificators.clear();
    for (const PlanetPosition& p : chart.planets) {
        PlanetHouses entry{p.body, {rules.houseOfPlanet(p)}};
        if (isNode(p.body))
            rules.appendNodeSignifications(p, entry.houses);
        else
            rules.appendOwnedHouses(SignificatorRules::ruler(p), entry.houses);
        removeRepeats(entry.houses);
        chart.planetOwnSignificators.push_back(std::move(entry));
    }

    chart.houseSignificators.clear();
    if (chart.cusps.size() >= 12) {
        for (int h = 1; h <= 12; ++h) {
            HouseSignificators entry;
            entry.house = h;
            for (const PlanetPosition& p : chart.planets)
                if (rules.houseOfPlanet(p) == h)
                    entry.occupants.push_back(p.body);
            for (const PlanetPosition& x : chart.planets) {
                const BodyId starBody = lordToBody(x.starLord);
                if (std::find(entry.occupants.begin(), entry.occupants.end(), starBody) !=
                    entry.occupants.end())
                    appendOnce(entry.inStarOfOccupants, x.body);
            }
            const LordIndex owner = chart.cusps[h - 1].signLord;
            entry.owners.push_back(owner);
            for (const PlanetPosition& p : chart.planets)
                if (p.starLord == owner)
                    entry.inStarOfOwner.push_back(p.body);
            chart.houseSignificators.push_back(std::move(entry));
        }
    }

    const bool haveCusps = chart.cusps.size() >= 12;
    const Sign ascendantSign = haveCusps ? signOf(normalizeDegrees(chart.cusps[0].longitude)) : 0;
    chart.rashiChartPlanets.clear();
    chart.bhavaChartPlanets.clear();
    for (const PlanetPosition& p : chart.planets) {
        PlanetPosition rashi = p;
        if (haveCusps)
            rashi.house = ((signOf(normalizeDegrees(p.longitude)) - ascendantSign) + 12) % 12 + 1;
        else
            rashi.house = (static_cast<int>(p.longitude / 30.0) % 12) + 1;
        chart.rashiChartPlanets.push_back(rashi);

        PlanetPosition bhava = p;
        bhava.house = rules.houseOfPlanet(p);
        chart.bhavaChartPlanets.push_back(bhava);
    }
}

}  // namespace lumikan::engine
