#pragma once

#include "document/document_view.h"
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

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// The divisional charts of one chart, copied when the window opens: the window
// does not follow later changes of the source chart. Not saved; has no file.
class CVargaChartDoc : public document::CDocument {
public:
    CVargaChartDoc();

    // Replaces the divisions with a copy of the source chart's, sets the
    // title and updates the views.
    void SetChart(const document::CVerokantDoc& source);
    void SetVargas(std::map<int, engine::VargaChart> vargas);
    const std::map<int, engine::VargaChart>& vargas() const { return vargas_; }

    bool SaveModified() override { return true; }

protected:
    bool readFrom(const QByteArray& bytes, QString& reason) override;
    QByteArray writeOut() override { return {}; }

private:
    std::map<int, engine::VargaChart> vargas_;
};

inline constexpr const char* kVargaWindowTitle = "Divisional Charts";

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
