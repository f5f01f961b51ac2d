#include "engine/significators.h"

#include "engine/house_rules.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lumikan::engine {

namespace {

// Significator rules that need the whole chart. Each planet's house and each
// lord's owned houses are worked out once, since the rules ask for them often.
class SignificatorRules {
public:
    explicit SignificatorRules(const Chart& chart) : chart_(chart)
    {
        planetHouses_.reserve(chart.planets.size());
        for (const PlanetPosition& p : chart.planets)
            planetHouses_.push_back(houseOf(p.longitude, chart.cusps));
        for (const CuspPosition& c : chart.cusps)
            if (isValidLord(c.signLord) && ownedCount_[c.signLord] < 12)
                owned_[c.signLord][ownedCount_[c.signLord]++] = c.number;
    }

    int houseOfPlanet(std::size_t index) const { return planetHouses_[index]; }

    void appendOwnedHouses(LordIndex lord, std::vector<int>& out) const
    {
        if (!isValidLord(lord))
            return;
        out.insert(out.end(), owned_[lord].begin(), owned_[lord].begin() + ownedCount_[lord]);
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

    // The first planet (in chart order) that is the lord, or -1.
    int planetOf(LordIndex lord) const
    {
        for (std::size_t i = 0; i < chart_.planets.size(); ++i)
            if (bodyToLord(chart_.planets[i].body) == lord)
                return static_cast<int>(i);
        return -1;
    }

    void appendPlanetHouseOf(LordIndex lord, std::vector<int>& out) const
    {
        if (const int i = planetOf(lord); i >= 0)
            out.push_back(planetHouses_[static_cast<std::size_t>(i)]);
    }

    // What a node takes on from its conjunctions, its aspect and its dispositor.
    void appendNodeSignifications(std::size_t nodeIndex, std::vector<int>& out) const
    {
        const PlanetPosition& node = chart_.planets[nodeIndex];
        const auto& planets = chart_.planets;
        for (std::size_t i = 0; i < planets.size(); ++i) {
            if (planets[i].body == node.body || arcDistance(node.longitude, planets[i].longitude) > 8.0)
                continue;
            out.push_back(planetHouses_[i]);
            appendOwnedHouses(ruler(planets[i]), out);
        }
        const int opposite = ((planetHouses_[nodeIndex] + 5) % 12) + 1;
        for (std::size_t i = 0; i < planets.size(); ++i) {
            if (planets[i].body == node.body || planetHouses_[i] != opposite)
                continue;
            out.push_back(opposite);
            appendOwnedHouses(ruler(planets[i]), out);
        }
        appendPlanetHouseOf(node.signLord, out);
        appendOwnedHouses(node.signLord, out);
    }

private:
    const Chart& chart_;
    std::vector<int> planetHouses_;
    std::array<std::array<int, 12>, kLordCount> owned_{};
    std::array<int, kLordCount> ownedCount_{};
};

// Keeps the first occurrence of each house number, in order.
void removeRepeats(std::vector<int>& houses)
{
    std::uint32_t seen = 0;
    std::size_t kept = 0;
    for (int h : houses) {
        const std::uint32_t bit = h >= 0 && h < 32 ? 1u << h : 0u;
        if (bit && (seen & bit))
            continue;
        seen |= bit;
        houses[kept++] = h;
    }
    houses.resize(kept);
}

// Collects the reasons of one planet in the order the rules find them.
class ReasonList {
public:
    explicit ReasonList(const Chart& chart) : chart_(chart) {}

    void add(int house, HouseRelation relation, BodyId through, AgentLink link = AgentLink::None)
    {
        if (house < 1 || house > 12)
            return;
        const SignificatorReason r{house, levelOf(relation), relation, through, link};
        if (std::find(reasons_.begin(), reasons_.end(), r) == reasons_.end())
            reasons_.push_back(r);
    }

    void addOwned(LordIndex lord, HouseRelation relation, BodyId through,
                  AgentLink link = AgentLink::None)
    {
        for (const CuspPosition& c : chart_.cusps)
            if (isValidLord(lord) && c.signLord == lord)
                add(c.number, relation, through, link);
    }

    std::vector<SignificatorReason> sorted()
    {
        std::stable_sort(reasons_.begin(), reasons_.end(), [](const auto& a, const auto& b) {
            return a.house != b.house ? a.house < b.house : a.level < b.level;
        });
        return std::move(reasons_);
    }

private:
    static int levelOf(HouseRelation relation)
    {
        switch (relation) {
        case HouseRelation::InStarOfOccupant:
            return 1;
        case HouseRelation::Occupies:
            return 2;
        case HouseRelation::InStarOfOwner:
            return 3;
        case HouseRelation::Owns:
            return 4;
        }
        return 4;
    }

    const Chart& chart_;
    std::vector<SignificatorReason> reasons_;
};

// The same rules as planetSignificators, each house with the reason it is there.
std::vector<SignificatorReason> reasonsOfPlanet(const Chart& chart, const SignificatorRules& rules,
                                                std::size_t index)
{
    const PlanetPosition& p = chart.planets[index];
    ReasonList list(chart);
    list.add(rules.houseOfPlanet(index), HouseRelation::Occupies, p.body);
    auto throughStarLord = [&] {
        if (const int i = rules.planetOf(p.starLord); i >= 0)
            list.add(rules.houseOfPlanet(static_cast<std::size_t>(i)),
                     HouseRelation::InStarOfOccupant,
                     chart.planets[static_cast<std::size_t>(i)].body);
        list.addOwned(p.starLord, HouseRelation::InStarOfOwner, lordToBody(p.starLord));
    };
    if (!isNode(p.body)) {
        const LordIndex ruler = SignificatorRules::ruler(p);
        if (ruler == bodyToLord(p.body))
            list.addOwned(ruler, HouseRelation::Owns, p.body);
        else
            list.addOwned(ruler, HouseRelation::Owns, lordToBody(ruler), AgentLink::SignLord);
        throughStarLord();
        return list.sorted();
    }
    throughStarLord();
    const auto& planets = chart.planets;
    auto actFor = [&](std::size_t i, int house, AgentLink link) {
        list.add(house, HouseRelation::Occupies, planets[i].body, link);
        list.addOwned(SignificatorRules::ruler(planets[i]), HouseRelation::Owns, planets[i].body,
                      link);
    };
    for (std::size_t i = 0; i < planets.size(); ++i)
        if (planets[i].body != p.body && arcDistance(p.longitude, planets[i].longitude) <= 8.0)
            actFor(i, rules.houseOfPlanet(i), AgentLink::Conjunct);
    const int opposite = ((rules.houseOfPlanet(index) + 5) % 12) + 1;
    for (std::size_t i = 0; i < planets.size(); ++i)
        if (planets[i].body != p.body && rules.houseOfPlanet(i) == opposite)
            actFor(i, opposite, AgentLink::Opposite);
    if (const int i = rules.planetOf(p.signLord); i >= 0)
        list.add(rules.houseOfPlanet(static_cast<std::size_t>(i)), HouseRelation::Occupies,
                 planets[static_cast<std::size_t>(i)].body, AgentLink::SignLord);
    list.addOwned(p.signLord, HouseRelation::Owns, lordToBody(p.signLord), AgentLink::SignLord);
    return list.sorted();
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
    const auto& planets = chart.planets;

    chart.planetSignificators.clear();
    chart.planetSignificators.reserve(planets.size());
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const PlanetPosition& p = planets[i];
        PlanetHouses entry{p.body, {rules.houseOfPlanet(i)}};
        entry.houses.reserve(24);
        if (isNode(p.body)) {
            rules.appendPlanetHouseOf(p.starLord, entry.houses);
            rules.appendOwnedHouses(p.starLord, entry.houses);
            rules.appendNodeSignifications(i, entry.houses);
        } else {
            rules.appendOwnedHouses(SignificatorRules::ruler(p), entry.houses);
            rules.appendPlanetHouseOf(p.starLord, entry.houses);
            rules.appendOwnedHouses(p.starLord, entry.houses);
        }
        removeRepeats(entry.houses);
        chart.planetSignificators.push_back(std::move(entry));
    }

    chart.significatorReasons.clear();
    chart.significatorReasons.reserve(planets.size());
    for (std::size_t i = 0; i < planets.size(); ++i)
        chart.significatorReasons.push_back({planets[i].body, reasonsOfPlanet(chart, rules, i)});

    chart.planetOwnSignificators.clear();
    chart.planetOwnSignificators.reserve(planets.size());
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const PlanetPosition& p = planets[i];
        PlanetHouses entry{p.body, {rules.houseOfPlanet(i)}};
        entry.houses.reserve(24);
        if (isNode(p.body))
            rules.appendNodeSignifications(i, entry.houses);
        else
            rules.appendOwnedHouses(SignificatorRules::ruler(p), entry.houses);
        removeRepeats(entry.houses);
        chart.planetOwnSignificators.push_back(std::move(entry));
    }

    chart.houseSignificators.clear();
    if (chart.cusps.size() >= 12) {
        chart.houseSignificators.reserve(12);
        for (int h = 1; h <= 12; ++h) {
            HouseSignificators entry;
            entry.house = h;
            for (std::size_t i = 0; i < planets.size(); ++i)
                if (rules.houseOfPlanet(i) == h)
                    entry.occupants.push_back(planets[i].body);
            if (!entry.occupants.empty()) {
                for (const PlanetPosition& x : planets) {
                    const BodyId starBody = lordToBody(x.starLord);
                    if (std::find(entry.occupants.begin(), entry.occupants.end(), starBody) !=
                        entry.occupants.end())
                        appendOnce(entry.inStarOfOccupants, x.body);
                }
            }
            const LordIndex owner = chart.cusps[static_cast<std::size_t>(h - 1)].signLord;
            entry.owners.push_back(owner);
            for (const PlanetPosition& p : planets)
                if (p.starLord == owner)
                    entry.inStarOfOwner.push_back(p.body);
            chart.houseSignificators.push_back(std::move(entry));
        }
    }

    const bool haveCusps = chart.cusps.size() >= 12;
    const Sign ascendantSign = haveCusps ? signOf(normalizeDegrees(chart.cusps[0].longitude)) : 0;
    chart.rashiChartPlanets.clear();
    chart.bhavaChartPlanets.clear();
    chart.rashiChartPlanets.reserve(planets.size());
    chart.bhavaChartPlanets.reserve(planets.size());
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const PlanetPosition& p = planets[i];
        PlanetPosition rashi = p;
        if (haveCusps)
            rashi.house = ((signOf(normalizeDegrees(p.longitude)) - ascendantSign) + 12) % 12 + 1;
        else
            rashi.house = (static_cast<int>(p.longitude / 30.0) % 12) + 1;
        chart.rashiChartPlanets.push_back(rashi);

        PlanetPosition bhava = p;
        bhava.house = rules.houseOfPlanet(i);
        chart.bhavaChartPlanets.push_back(bhava);
    }
}

const std::vector<SignificatorReason>& significatorReasonsOf(const Chart& chart, BodyId body)
{
    for (const PlanetSignificatorReasons& entry : chart.significatorReasons)
        if (entry.body == body)
            return entry.reasons;
    static const std::vector<SignificatorReason> none;
    return none;
}

std::vector<int> housesSignifiedByLord(const Chart& chart, LordIndex lord)
{
    if (!isValidLord(lord))
        return {};
    return reasonHouses(significatorReasonsOf(chart, lordToBody(lord)));
}

}  // namespace lumikan::engine
