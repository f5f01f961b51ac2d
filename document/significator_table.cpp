#include "document/significator_table.h"

#include "document/chart_rows.h"
#include "document/name_forms.h"

#include <algorithm>
#include <tuple>

namespace lumikan::document {

namespace {

const std::vector<int>* housesOf(const std::vector<engine::PlanetHouses>& table,
                                 engine::BodyId body)
{
    for (const engine::PlanetHouses& entry : table)
        if (entry.body == body)
            return &entry.houses;
    return nullptr;
}

std::vector<int> copyHouses(const std::vector<engine::PlanetHouses>& table, engine::BodyId body)
{
    const std::vector<int>* houses = housesOf(table, body);
    return houses ? *houses : std::vector<int>{};
}

bool contains(const std::vector<int>& houses, int house)
{
    return std::find(houses.begin(), houses.end(), house) != houses.end();
}

QString romanList(const std::vector<int>& houses)
{
    QStringList numerals;
    for (int house : houses)
        numerals << romanNumeral(house);
    return numerals.isEmpty() ? QStringLiteral("-") : numerals.join(QStringLiteral(", "));
}

QString numberList(const std::vector<int>& houses)
{
    QStringList numbers;
    for (int house : houses)
        numbers << QString::number(house);
    return numbers.isEmpty() ? QStringLiteral("-") : numbers.join(QLatin1Char(','));
}

SignificatorEmphasis planetRowEmphasis(const std::vector<int>& houses)
{
    if (contains(houses, 5) || contains(houses, 9))
        return SignificatorEmphasis::Trikona;
    if (contains(houses, 1) || contains(houses, 4) || contains(houses, 7) || contains(houses, 10))
        return SignificatorEmphasis::Kendra;
    return SignificatorEmphasis::None;
}

} // namespace

std::vector<SignificatorEntry> significatorEntries(const engine::Chart& chart, int planetNameForm)
{
    std::vector<SignificatorEntry> entries;
    entries.reserve(chart.planets.size());
    for (const engine::PlanetPosition& p : chart.planets) {
        SignificatorEntry entry;
        entry.body = p.body;
        entry.planetName = planetNameInForm(p.body, planetNameForm);
        entry.signifiedHouses = copyHouses(chart.planetSignificators, p.body);
        entry.planetHouses = copyHouses(chart.planetOwnSignificators, p.body);
        entry.starLordHouses =
            copyHouses(chart.planetOwnSignificators, engine::lordToBody(p.starLord));
        entry.subLordHouses =
            copyHouses(chart.planetOwnSignificators, engine::lordToBody(p.subLord));
        entry.subSubLordHouses =
            copyHouses(chart.planetOwnSignificators, engine::lordToBody(p.subSubLord));
        entry.starLordName = lordNameInForm(p.starLord, planetNameForm);
        entry.subLordName = lordNameInForm(p.subLord, planetNameForm);
        entry.subSubLordName = lordNameInForm(p.subSubLord, planetNameForm);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void orderSignificatorEntries(std::vector<SignificatorEntry>& entries)
{
    auto key = [](const SignificatorEntry& e) {
        const std::vector<int>& h = e.signifiedHouses;
        const int lowest = h.empty() ? 0 : *std::min_element(h.begin(), h.end());
        return std::tuple(h.empty(), !contains(h, 1), lowest);
    };
    std::stable_sort(
        entries.begin(), entries.end(),
        [&key](const SignificatorEntry& a, const SignificatorEntry& b) { return key(a) < key(b); });
}

std::vector<SignificatorRow> significatorRows(const std::vector<SignificatorEntry>& entries)
{
    std::vector<SignificatorRow> rows;
    rows.reserve(entries.size() * 2);
    for (const SignificatorEntry& e : entries) {
        rows.push_back({SignificatorRowKind::Planet,
                        {romanList(e.signifiedHouses), e.planetName, e.starLordName, e.subLordName,
                         e.subSubLordName},
                        planetRowEmphasis(e.signifiedHouses),
                        e.body});
        rows.push_back({SignificatorRowKind::Lords,
                        {QString(), numberList(e.planetHouses), numberList(e.starLordHouses),
                         numberList(e.subLordHouses), numberList(e.subSubLordHouses)},
                        SignificatorEmphasis::Lords,
                        e.body});
    }
    return rows;
}

} // namespace lumikan::document
