#include "ui/varga_window_layout.h"

#include "engine/vargas.h"
#include "engine/zodiac.h"

namespace lumikan::ui {

namespace {

constexpr int kMargin = 30;
constexpr int kGroupHeading = 75;
constexpr int kCardPitchX = 410;
constexpr int kCardPitchY = 268;
constexpr int kCardsPerRow = 3;
constexpr int kSeparatorRight = 1260;

int cardRows(const LifeAreaGroup& group)
{
    return (group.divisionCount + kCardsPerRow - 1) / kCardsPerRow;
}

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

const std::array<LifeAreaGroup, 7> LIFE_AREA_GROUPS = {{
    {"1. Health, Disease & Longevity",
     "Physical vitality, chronic ailments, injuries and karmic suffering",
     {6, 11, 12, 27, 30},
     5},
    {"2. Marriage, Relationships & Spouse",
     "Partnership sustainability, spouse nature, compatibility and intimacy",
     {9, 7},
     2},
    {"3. Children & Lineage", "Fertility, well-being of children, family legacy", {7, 12}, 2},
    {"4. Career, Wealth & Status",
     "Financial stability, profession, achievements and gains",
     {2, 10, 11},
     3},
    {"5. Education, Talent & Intellect",
     "Property, spiritual progress, higher education and deep knowledge",
     {4, 20, 24},
     3},
    {"6. Parents & Ancestry", "Parental influence, ancestral karma", {12}, 1},
    {"7. Destiny & General Success",
     "Life promise, siblings, destiny chart and overall karma",
     {1, 3, 9, 60},
     4},
}};

QSize vargaScrollSize()
{
    int height = kMargin;
    for (const LifeAreaGroup& group : LIFE_AREA_GROUPS)
        height += kGroupHeading + cardRows(group) * kCardPitchY;
    return QSize(kVargaScrollWidth, height + kMargin);
}

VargaWindowLayout layoutVargaWindow(const std::map<int, engine::VargaChart>& vargas)
{
    VargaWindowLayout layout;
    layout.scrollSize = vargaScrollSize();
    int y = kMargin;
    for (const LifeAreaGroup& group : LIFE_AREA_GROUPS) {
        VargaGroupLayout g;
        g.title = utf8(group.title);
        g.description = utf8(group.description);
        g.accentBar = QRect(30, y + 4, 4, 39);
        g.titleRect = QRect(44, y + 4, kSeparatorRight - 44, 24);
        g.descriptionRect = QRect(44, y + 28, kSeparatorRight - 44, 20);
        g.separator = QRect(30, y + 53, kSeparatorRight - 30, 1);
        int k = 0;
        for (int d : group.divisions()) {
            VargaCardLayout card;
            card.division = d;
            const int x = 30 + kCardPitchX * (k % kCardsPerRow);
            const int top = y + 55 + kCardPitchY * (k / kCardsPerRow);
            card.card = QRect(x, top, kVargaCardWidth, kVargaCardHeight);
            card.title = QStringLiteral("D%1 \u2014 %2")
                             .arg(d)
                             .arg(QString::fromStdString(engine::vargaName(d)));
            card.titleRect = QRect(x + 4, top + 4, kVargaCardWidth - 4, 22);
            const auto found = vargas.find(d);
            card.hasData = found != vargas.end() && !found->second.positions.empty();
            card.noDataRect = QRect(x, top + 28, kVargaCardWidth, kVargaCardHeight - 28);
            card.diagram = QRect(QPoint(x, top + 28), kVargaDiagramBitmap);
            g.cards.push_back(card);
            ++k;
        }
        layout.groups.push_back(std::move(g));
        y += kGroupHeading + cardRows(group) * kCardPitchY;
    }
    return layout;
}

std::vector<engine::CuspPosition> vargaCusps(int ascendantSign)
{
    std::vector<engine::CuspPosition> cusps(12);
    for (int h = 1; h <= 12; ++h) {
        engine::CuspPosition& c = cusps[std::size_t(h - 1)];
        c.number = h;
        c.sign = ((ascendantSign + h - 1) % 12 + 12) % 12;
        c.signLord = engine::signLord(c.sign);
        c.longitude = 30.0 * c.sign;
    }
    return cusps;
}

std::vector<engine::PlanetPosition> vargaPlanets(const engine::VargaChart& varga)
{
    std::vector<engine::PlanetPosition> planets;
    planets.reserve(varga.positions.size());
    for (const engine::VargaPosition& v : varga.positions) {
        engine::PlanetPosition p;
        p.body = v.body;
        p.longitude = v.longitude;
        p.house = v.house;
        p.sign = v.sign;
        p.signLord = v.signLord;
        p.nakshatra = v.nakshatra;
        p.starLord = v.starLord;
        p.subLord = v.subLord;
        p.subSubLord = v.subSubLord;
        p.charaKarakaRank = 0;
        p.pada = 0;
        p.dignity = engine::DignityFlags{};
        p.dignity.direct = true;
        planets.push_back(p);
    }
    return planets;
}

} // namespace lumikan::ui
