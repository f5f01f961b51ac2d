#include "render/chart_report_data.h"

#include "document/chart_titles.h"
#include "document/moment_texts.h"
#include "document/name_forms.h"
#include "document/ruling_moment.h"
#include "document/text_encoding.h"
#include "document/verokant_doc.h"
#include "engine/dignity_tables.h"
#include "engine/ephemeris.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::render {

namespace {

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString joinHouses(const std::vector<int>& houses)
{
    if (houses.empty())
        return QStringLiteral("-");
    QStringList parts;
    for (int h : houses)
        parts.push_back(QString::number(h));
    return parts.join(QLatin1Char(','));
}

QString housesText(const std::vector<engine::PlanetHouses>& table, engine::BodyId body)
{
    for (const engine::PlanetHouses& entry : table)
        if (entry.body == body)
            return joinHouses(entry.houses);
    return QStringLiteral("-");
}

QString bodyNames(const std::vector<engine::BodyId>& bodies, int form)
{
    if (bodies.empty())
        return QStringLiteral("-");
    QStringList names;
    for (engine::BodyId b : bodies)
        names.push_back(document::planetNameInForm(b, form));
    return names.join(QStringLiteral(", "));
}

QString lordNames(const std::vector<engine::LordIndex>& lords, int form)
{
    if (lords.empty())
        return QStringLiteral("-");
    QStringList names;
    for (engine::LordIndex l : lords)
        names.push_back(document::lordNameInForm(l, form));
    return names.join(QStringLiteral(", "));
}

ReportTable table(const QString& title, std::vector<ReportColumn> columns, QRgb header, QRgb stripe)
{
    ReportTable t;
    t.title = title;
    t.columns = std::move(columns);
    t.headerColor = header;
    t.stripeColor = stripe;
    return t;
}

int firstWithLord(const std::vector<engine::DashaPeriod>& periods, engine::LordIndex lord)
{
    if (lord < 0)
        return -1;
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (periods[i].lord == lord)
            return int(i);
    return -1;
}

QString genderText(int gender)
{
    switch (gender) {
    case 0:
        return QStringLiteral("Male");
    case 1:
        return QStringLiteral("Female");
    case 2:
        return QStringLiteral("Other");
    default:
        return QStringLiteral("Not given");
    }
}

// "Krishnamurti 23°38'00"", cut (not rounded) to the second like the screen's caption.
QString ayanamsaText(const engine::Chart& chart)
{
    if (chart.options.ayanamsa == engine::AyanamsaMode::Sayana)
        return QStringLiteral("Sayana (tropical zodiac)");
    const double v = chart.ayanamsaDeg;
    const int degrees = int(std::trunc(v));
    const double m = (v - degrees) * 60.0;
    const int minutes = int(std::trunc(m));
    const int seconds = int(std::trunc((m - minutes) * 60.0));
    return latin1(engine::ayanamsaModeName(chart.options.ayanamsa)) +
           QString::asprintf(" %d\u00B0%02d'%02d\"", degrees, std::abs(minutes), std::abs(seconds));
}

QString dateWithWeekday(const engine::BirthDetails& b)
{
    const QString date = document::LongDate(b.day, b.month, b.year);
    const QDate day(b.year, b.month, b.day);
    if (!day.isValid())
        return date;
    return QLocale::c().dayName(day.dayOfWeek()) + QStringLiteral(", ") + date;
}

QString runningDashaText(const std::vector<engine::DashaPeriod>& dasha,
                         const RunningDashaPosition& running)
{
    if (running.mahadasha < 0)
        return QStringLiteral("None on the report's date");
    const engine::DashaPeriod& md = dasha[std::size_t(running.mahadasha)];
    QString text = QString::fromStdString(md.lordName);
    if (running.antardasha >= 0) {
        const engine::DashaPeriod& ad = md.antardashas[std::size_t(running.antardasha)];
        text += QStringLiteral(" \u2013 ") + QString::fromStdString(ad.lordName);
        if (running.pratyantardasha >= 0)
            text += QStringLiteral(" \u2013 ") +
                    QString::fromStdString(
                        ad.pratyantardashas[std::size_t(running.pratyantardasha)].lordName);
    }
    return text;
}

RunningDashaPosition runningPosition(const std::vector<engine::DashaPeriod>& dasha,
                                     const engine::LocalDateTime& today)
{
    RunningDashaPosition position;
    const engine::RunningDasha running = engine::runningDasha(dasha, today);
    position.mahadasha = firstWithLord(dasha, running.mahadasha);
    if (position.mahadasha < 0)
        return position;
    const auto& antars = dasha[std::size_t(position.mahadasha)].antardashas;
    position.antardasha = firstWithLord(antars, running.antardasha);
    if (position.antardasha >= 0)
        position.pratyantardasha = firstWithLord(
            antars[std::size_t(position.antardasha)].pratyantardashas, running.pratyantardasha);
    return position;
}

std::array<std::pair<QString, engine::LordIndex>, 7> rulingRows(const engine::RulingPlanets& rp)
{
    return {{{QStringLiteral("Day Lord"), engine::LordIndex(-1)},
             {QStringLiteral("Moon Sign Lord"), rp.moonSignLord},
             {QStringLiteral("Moon Star Lord"), rp.moonStarLord},
             {QStringLiteral("Moon Sub Lord"), rp.moonSubLord},
             {QStringLiteral("Asc Sign Lord"), rp.ascSignLord},
             {QStringLiteral("Asc Star Lord"), rp.ascStarLord},
             {QStringLiteral("Asc Sub Lord"), rp.ascSubLord}}};
}

} // namespace

std::vector<IdentityEntry> chartIdentity(const document::CVerokantDoc& doc,
                                         const engine::LocalDateTime& reportMoment,
                                         const RunningDashaPosition& running,
                                         const std::vector<engine::DashaPeriod>& dasha)
{
    const engine::BirthDetails& b = doc.birthDetails();
    const engine::Chart& chart = doc.chart();
    const QString name = doc.displayName().trimmed();
    QString kind = QStringLiteral("Natal");
    if (doc.chartType() == document::ChartType::Horary)
        kind = QStringLiteral("Horary, KP number %1").arg(doc.horaryNumber());
    return {
        {QStringLiteral("Name"), name.isEmpty() ? QStringLiteral("Not given") : name},
        {QStringLiteral("Gender"), genderText(b.gender)},
        {QStringLiteral("Date"), dateWithWeekday(b)},
        {QStringLiteral("Time"), QString::asprintf("%02d:%02d:%02d ", b.hour, b.minute, b.second) +
                                     document::zoneAndOffsetText(b.timeZone)},
        {QStringLiteral("Place"), document::PlaceLabel(b, doc.placeText())},
        {QStringLiteral("Coordinates"), document::coordinatesText(b.latitude, b.longitude)},
        {QStringLiteral("Ayanamsa"), ayanamsaText(chart)},
        {QStringLiteral("Ascendant"), doc.presentation().ascendantText},
        {QStringLiteral("Chart"), kind},
        {QStringLiteral("Report made"), document::momentText(reportMoment)},
        {QStringLiteral("Running dasha"), runningDashaText(dasha, running)},
    };
}

ChartReportData collectChartReport(const document::CVerokantDoc& doc)
{
    ChartReportData data;
    data.identityTable = table(QString(),
                               {{QString(), 14, Qt::AlignLeft, ReportFont::Bold},
                                {QString(), 36},
                                {QString(), 14, Qt::AlignLeft, ReportFont::Bold},
                                {QString(), 36}},
                               0x1C376E, 0xF0F5FF);
    data.identityTable.showHeader = false;
    data.planetTable = table(QStringLiteral("Planetary Positions"),
                             {{QStringLiteral("Planet"), 12},
                              {QStringLiteral("Degree"), 10},
                              {QStringLiteral("Sign"), 10},
                              {QStringLiteral("Nakshatra"), 14},
                              {QStringLiteral("Star Lord"), 12},
                              {QStringLiteral("Sub Lord"), 12},
                              {QStringLiteral("Sub-Sub"), 12},
                              {QStringLiteral("Significators"), 18}},
                             0x1C376E, 0xF0F5FF);
    data.cuspTable = table(QStringLiteral("Cuspal Positions"),
                           {{QStringLiteral("Cusp"), 8},
                            {QStringLiteral("Degree"), 12},
                            {QStringLiteral("Sign Lord"), 14},
                            {QStringLiteral("Star Lord"), 14},
                            {QStringLiteral("Sub Lord"), 14},
                            {QStringLiteral("Sub-Sub"), 14},
                            {QStringLiteral("Significators"), 24}},
                           0x5A2878, 0xF8EEFF);
    data.planetSignificatorTable = table(QStringLiteral("KP Planet Significators"),
                                         {{QStringLiteral("Planet"), 12},
                                          {QStringLiteral("Houses"), 13},
                                          {QStringLiteral("Star Lord"), 13},
                                          {QStringLiteral("Star H."), 13},
                                          {QStringLiteral("Sub Lord"), 13},
                                          {QStringLiteral("Sub H."), 13},
                                          {QStringLiteral("Sub-Sub"), 12},
                                          {QStringLiteral("SS H."), 11}},
                                         0x006478, 0xE8F8FC);
    data.houseSignificatorTable = table(QStringLiteral("KP Significators"),
                                        {{QStringLiteral("House"), 8},
                                         {QStringLiteral("Star of Occ."), 23},
                                         {QStringLiteral("Occupants"), 23},
                                         {QStringLiteral("Star of Owner"), 23},
                                         {QStringLiteral("Owners"), 23}},
                                        0x145A3C, 0xEBFCF2);
    data.rulingPlanetTable = table(
        QStringLiteral("Ruling Planets"),
        {{QStringLiteral("Category"), 30}, {QString(), 35}, {QString(), 35}}, 0x3C3C6E, 0xEEEEFF);
    data.karakaTable =
        table(QStringLiteral("Chara Karakas"),
              {{QStringLiteral("Karaka"), 30}, {QStringLiteral("Planet"), 70}}, 0x8C4600, 0xFFF2E1);

    const engine::BirthDetails& birth = doc.birthDetails();
    data.name = doc.displayName().trimmed();
    if (data.name.isEmpty())
        data.name = document::LongDate(birth.day, birth.month, birth.year) + QStringLiteral(", ") +
                    document::birthPlaceName(birth, doc.placeText());
    data.subtitle = doc.chartType() == document::ChartType::Horary
                        ? QStringLiteral("KP horary chart, number %1").arg(doc.horaryNumber())
                        : QStringLiteral("KP birth chart");
    if (!doc.hasChart())
        return data;

    const engine::Chart& chart = doc.chart();
    const int pf = doc.nameForms().planet;
    data.planetNameForm = chart.options.planetNameForm;
    const engine::LocalDateTime now = document::readClock(doc.environment().clock);

    data.dasha = engine::dashaPeriodsOf(chart.dasha, 3, chart.options.planetNameForm);
    data.birthJulianDayUt = chart.julianDayUt;
    data.running = runningPosition(data.dasha, now);

    const std::vector<IdentityEntry> identity = chartIdentity(doc, now, data.running, data.dasha);
    for (std::size_t i = 0; i < identity.size(); i += 2) {
        QStringList row = {identity[i].label, identity[i].value};
        if (i + 1 < identity.size())
            row << identity[i + 1].label << identity[i + 1].value;
        data.identityTable.rows.push_back(row);
    }

    const document::ChartPresentation& shown = doc.presentation();
    for (const document::PlanetTableRow& r : shown.planets)
        data.planetTable.rows.push_back({r.planet, r.degree, r.sign, r.nakshatra, r.starLord,
                                         r.subLord, r.subSubLord, r.significators.trimmed()});
    // The cusp table shows the sign's lord rather than the sign.
    for (const document::CuspTableRow& r : shown.cusps)
        data.cuspTable.rows.push_back(
            {r.cusp, r.degree, r.signLord, r.starLord, r.subLord, r.subSubLord, r.significators});

    for (const engine::PlanetPosition& p : chart.planets) {
        auto lordHouses = [&](engine::LordIndex lord) {
            return housesText(chart.planetOwnSignificators, engine::lordToBody(lord));
        };
        data.planetSignificatorTable.rows.push_back(
            {document::planetNameInForm(p.body, pf), housesText(chart.planetSignificators, p.body),
             document::lordNameInForm(p.starLord, pf), lordHouses(p.starLord),
             document::lordNameInForm(p.subLord, pf), lordHouses(p.subLord),
             document::lordNameInForm(p.subSubLord, pf), lordHouses(p.subSubLord)});
    }

    for (const engine::HouseSignificators& h : chart.houseSignificators)
        data.houseSignificatorTable.rows.push_back(
            {QString::number(h.house), bodyNames(h.inStarOfOccupants, pf),
             bodyNames(h.occupants, pf), bodyNames(h.inStarOfOwner, pf), lordNames(h.owners, pf)});

    // The ruling planets of the birth moment and of the report's moment, each
    // headed with its moment and place.
    const engine::LocalDateTime birthMoment{birth.year, birth.month,  birth.day,
                                            birth.hour, birth.minute, birth.second};
    data.rulingPlanetTable.columns[1].header =
        QStringLiteral("At birth \u2014 ") +
        document::momentAtPlaceText(birthMoment, birth.timeZone,
                                    document::birthPlaceName(birth, doc.placeText()));
    data.rulingPlanetTable.columns[2].header =
        QStringLiteral("Now \u2014 ") +
        document::momentAtPlaceText(now, chart.options.rulingPlace.timeZoneHours,
                                    document::rulingPlaceName(doc));
    engine::Ephemeris& ephemeris =
        doc.environment().ephemeris ? *doc.environment().ephemeris : engine::Ephemeris::shared();
    const engine::RulingPlanets atBirth = engine::rulingPlanetsOf(chart);
    const engine::RulingPlanets atReport = engine::rulingPlanetsAt(chart.options, now, ephemeris);
    const auto birthRows = rulingRows(atBirth);
    const auto reportRows = rulingRows(atReport);
    for (std::size_t i = 0; i < birthRows.size(); ++i) {
        const bool dayLord = i == 0;
        data.rulingPlanetTable.rows.push_back(
            {birthRows[i].first,
             dayLord ? document::planetNameInForm(atBirth.dayLord, pf)
                     : document::lordNameInForm(birthRows[i].second, pf),
             dayLord ? document::planetNameInForm(atReport.dayLord, pf)
                     : document::lordNameInForm(reportRows[i].second, pf)});
    }

    for (int rank = 0; rank < engine::kCharaKarakaCount; ++rank) {
        const auto found = std::find_if(
            chart.planets.begin(), chart.planets.end(),
            [rank](const engine::PlanetPosition& p) { return p.charaKarakaRank == rank; });
        if (found != chart.planets.end())
            data.karakaTable.rows.push_back({latin1(engine::charaKarakaLabel(rank)),
                                             document::planetNameInForm(found->body, pf)});
    }

    data.rashiPlanets = chart.rashiChartPlanets;
    data.bhavaPlanets = chart.bhavaChartPlanets;
    data.cusps = chart.cusps;
    return data;
}

} // namespace lumikan::render
