#include "document/chart_rows.h"

#include "document/name_forms.h"

#include <array>
#include <cmath>

namespace lumikan::document {

using namespace engine;

QString DegreeText(double d)
{
    int degrees = static_cast<int>(std::trunc(d));
    const double m = (d - degrees) * 60.0;
    int minutes = static_cast<int>(std::trunc(m));
    int seconds = static_cast<int>(std::lround((m - minutes) * 60.0));
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes -= 60;
        ++degrees;
    }
    return QString::asprintf("%d-%02d-%02d", degrees, minutes, seconds);
}

QString planetLabelWithFlags(const PlanetPosition& p, int planetForm)
{
    QString flags;
    if (p.dignity.retrograde && !isNode(p.body))
        flags += 'R';
    if (p.dignity.combust)
        flags += 'C';
    if (p.dignity.exalted)
        flags += 'E';
    else if (p.dignity.debilitated)
        flags += 'D';
    else if (p.dignity.moolatrikona)
        flags += 'M';
    else if (p.dignity.ownSign)
        flags += 'O';
    QString label = planetNameInForm(p.body, planetForm);
    if (!flags.isEmpty())
        label += QLatin1Char('[') + flags + QLatin1Char(']');
    return label;
}

QString romanNumeral(int number)
{
    static const std::array<const char*, 12> numerals = {"I",   "II",   "III", "IV", "V",  "VI",
                                                         "VII", "VIII", "IX",  "X",  "XI", "XII"};
    return number >= 1 && number <= 12 ? QString::fromLatin1(numerals[number - 1]) : QString();
}

namespace {

QString joinNames(const std::vector<BodyId>& bodies, int planetForm)
{
    QStringList names;
    for (BodyId b : bodies)
        names << planetNameInForm(b, planetForm);
    return names.isEmpty() ? QStringLiteral("-") : names.join(QLatin1Char(' '));
}

}  // namespace

QString houseSignificatorText(const HouseSignificators& h, int planetForm)
{
    std::vector<BodyId> owners;
    for (LordIndex l : h.owners)
        owners.push_back(lordToBody(l));
    return joinNames(h.inStarOfOccupants, planetForm) + QLatin1Char('/') +
           joinNames(h.occupants, planetForm) + QLatin1Char('/') +
           joinNames(h.inStarOfOwner, planetForm) + QLatin1Char('/') + joinNames(owners, planetForm);
}

QStringList PlanetTableRow::cells() const
{
    return {planet, nakshatra, sign, degree, starLord, subLord, subSubLord, significators};
}

QStringList CuspTableRow::cells() const
{
    return {cusp, degree, nakshatra, starLord, sign, subLord, subSubLord, significators};
}

std::vector<PlanetTableRow> PlanetRows(const std::vector<PlanetPosition>& planets,
                                       const Chart& chart, const NameForms& forms)
{
    std::vector<PlanetTableRow> rows;
    rows.reserve(planets.size());
    for (const PlanetPosition& p : planets) {
        QString significators;
        for (const PlanetHouses& e : chart.planetSignificators) {
            if (e.body != p.body)
                continue;
            for (int h : e.houses)
                significators += QString::number(h) + QLatin1Char(' ');
            break;
        }
        rows.push_back({p.body, planetLabelWithFlags(p, forms.planet),
                        nakshatraNameInForm(p.nakshatra, forms.nakshatra),
                        signNameInForm(p.sign, forms.sign), DegreeText(std::fmod(p.longitude, 30.0)),
                        lordNameInForm(p.starLord, forms.planet),
                        lordNameInForm(p.subLord, forms.planet),
                        lordNameInForm(p.subSubLord, forms.planet), significators});
    }
    return rows;
}

std::vector<CuspTableRow> CuspRows(const std::vector<CuspPosition>& cusps, const Chart& chart,
                                   const NameForms& forms)
{
    std::vector<CuspTableRow> rows;
    rows.reserve(cusps.size());
    for (const CuspPosition& c : cusps) {
        QString significators = QStringLiteral("-");
        for (const HouseSignificators& h : chart.houseSignificators) {
            if (h.house == c.number) {
                significators = houseSignificatorText(h, forms.planet);
                break;
            }
        }
        rows.push_back({c.number, romanNumeral(c.number), DegreeText(std::fmod(c.longitude, 30.0)),
                        nakshatraNameInForm(c.nakshatra, forms.nakshatra),
                        lordNameInForm(c.starLord, forms.planet), signNameInForm(c.sign, forms.sign),
                        lordNameInForm(c.signLord, forms.planet),
                        lordNameInForm(c.subLord, forms.planet),
                        lordNameInForm(c.subSubLord, forms.planet), significators});
    }
    return rows;
}

}  // namespace lumikan::document
