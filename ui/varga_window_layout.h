#pragma once

#include "engine/chart.h"
#include "engine/varga_chart.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <map>
#include <span>
#include <string_view>
#include <vector>

namespace lumikan::ui {

// The divisional-charts window computed apart from its widget: the life areas
// it groups the divisions by, and where each group and card goes.

// A life area and the divisions that speak for it, in the order they are shown.
struct LifeAreaGroup {
    std::string_view title;
    std::string_view description;
    std::array<int, 5> divisionSlots;
    int divisionCount;

    std::span<const int> divisions() const
    {
        return std::span<const int>(divisionSlots.data(), std::size_t(divisionCount));
    }
};
extern const std::array<LifeAreaGroup, 7> LIFE_AREA_GROUPS;

// Geometry of the window's content, in scroll-area pixels.
inline constexpr int kVargaScrollWidth = 1290;
inline constexpr int kVargaCardWidth = 390;
inline constexpr int kVargaCardHeight = 248;
inline constexpr QSize kVargaDiagramBitmap{392, 222};

struct VargaCardLayout {
    int division = 1;
    QRect card;      // 390 x 248
    QString title;   // "D9 — Navamsa"
    QRect titleRect; // top-left aligned text
    bool hasData = false;
    QRect noDataRect; // "No data", centred on one line
    QRect diagram;    // where the 392 x 222 bitmap goes
};

struct VargaGroupLayout {
    QString title, description;
    QRect accentBar;
    QRect titleRect, descriptionRect; // top-left aligned text
    QRect separator;                  // one pixel high
    std::vector<VargaCardLayout> cards;
};

struct VargaWindowLayout {
    QSize scrollSize;
    std::vector<VargaGroupLayout> groups;
};

// 1290 wide; 30 + each group's 75 + 268 per row of three cards + 30 high.
QSize vargaScrollSize();
VargaWindowLayout layoutVargaWindow(const std::map<int, engine::VargaChart>& vargas);

// The diagram inputs of a division: twelve cusps counted from its ascendant's
// sign, and its positions as planets, none retrograde.
std::vector<engine::CuspPosition> vargaCusps(int ascendantSign);
std::vector<engine::PlanetPosition> vargaPlanets(const engine::VargaChart& varga);

} // namespace lumikan::ui
