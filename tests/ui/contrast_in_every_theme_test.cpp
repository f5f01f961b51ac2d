#include "document/chart_maker.h"
#include "qt_test_app.h"
#include "render/chart_appearance.h"
#include "render/chart_diagram.h"
#include "render/contrast.h"
#include "ui/color_status_bar.h"
#include "ui/dasha_tree_ctrl.h"
#include "ui/karaka_grid_ctrl.h"
#include "ui/notes_editor.h"
#include "ui/planet_tooltip.h"
#include "ui/ruling_planets_ctrl.h"
#include "ui/screen_colors.h"
#include "ui/table_cell_style.h"
#include "ui/varga_chart_view.h"
#include "ui/verokant_view.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace lumikan::ui {
namespace {

using render::COLOR_THEMES;
using render::kColorThemeCount;
using render::kMinimumTextContrast;

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

// Fails with the theme, what is drawn, both colours and the ratio.
void expectReadable(const QColor& text, const QColor& back, int theme, const std::string& what)
{
    const double ratio = render::contrastRatio(text, back);
    EXPECT_GE(ratio, kMinimumTextContrast)
        << COLOR_THEMES[std::size_t(theme)].name << ": " << what << " " << text.name().toStdString()
        << " on " << back.name().toStdString() << " is " << ratio << " : 1";
}

void expectReadable(const TextOnSurface& pair, int theme, const std::string& what)
{
    expectReadable(pair.text, pair.back, theme, what);
}

// Restores Classic Gold and the standard palette whatever a test selected.
struct ThemeGuard {
    ThemeGuard() { test::qtApp(); }
    ~ThemeGuard()
    {
        render::selectColorTheme(0);
        applyChromePalette(COLOR_THEMES[0].colors);
    }
};

TEST(ContrastInEveryTheme, TableCellsHeadersAndPanelTitles)
{
    using document::SignificatorEmphasis;
    using document::SignificatorRowKind;
    for (int t = 0; t < kColorThemeCount; ++t) {
        const render::ColorTheme& theme = COLOR_THEMES[std::size_t(t)].colors;
        for (int row : {0, 1})
            for (bool hovered : {false, true})
                for (bool selected : {false, true}) {
                    const RowState state{row, hovered, selected};
                    const std::string where = "row " + std::to_string(row) +
                                              (hovered ? " hovered" : "") +
                                              (selected ? " selected" : "");
                    for (bool accent : {false, true}) {
                        const CellStyle cell = positionCellStyle(theme, state, accent);
                        expectReadable(cell.text, cell.back, t,
                                       (accent ? "lord column, " : "table text, ") + where);
                    }
                    for (SignificatorEmphasis emphasis :
                         {SignificatorEmphasis::None, SignificatorEmphasis::Kendra,
                          SignificatorEmphasis::Trikona, SignificatorEmphasis::Lords}) {
                        const SignificatorRowKind kind = emphasis == SignificatorEmphasis::Lords
                                                             ? SignificatorRowKind::Lords
                                                             : SignificatorRowKind::Planet;
                        const CellStyle cell =
                            significatorCellStyle(theme, state, {kind, {}, emphasis});
                        expectReadable(cell.text, cell.back, t,
                                       "significator row " + std::to_string(int(emphasis)) + ", " +
                                           where);
                    }
                }
        expectReadable(headerColors(theme), t, "headers and panel titles");
        expectReadable(chartCaptionColor(theme), rgb(theme.chartPanelBody), t, "chart captions");
    }
}

// Every planet label, with the planet's own colour kept in hue, and every sign number.
TEST(ContrastInEveryTheme, DiagramLabelsKeepTheirHue)
{
    test::qtApp();
    std::vector<engine::PlanetPosition> planets;
    int house = 1;
    for (const render::PlanetColor& entry : render::PLANET_COLORS) {
        engine::PlanetPosition planet;
        planet.body = entry.body;
        planet.house = house;
        planet.longitude = 30.0 * (house - 1) + 5.0;
        planets.push_back(planet);
        house = house % 12 + 1;
    }
    std::vector<engine::CuspPosition> cusps(12);
    const render::TextMeasure measure = [](const QString& text) {
        return QSize(8 * int(text.size()), 12);
    };
    for (int t = 0; t < kColorThemeCount; ++t) {
        const render::ColorTheme& theme = COLOR_THEMES[std::size_t(t)].colors;
        const render::ChartDiagramLayout layout = render::layoutChartDiagram(
            QRect(0, 0, 400, 300), &planets, &cusps, theme, QFont(), measure);
        ASSERT_EQ(layout.labels.size(), planets.size());
        for (const render::ChartPlanetLabel& label : layout.labels) {
            const QColor own = render::planetColor(label.body);
            expectReadable(label.label.color, rgb(theme.chartFill), t,
                           "planet " + label.label.text.toStdString());
            const int turn = std::abs(label.label.color.hslHue() - own.hslHue()) % 360;
            if (own.hslSaturation() > 0) {
                EXPECT_LE(std::min(turn, 360 - turn), 2)
                    << COLOR_THEMES[std::size_t(t)].name << " " << label.label.text.toStdString();
            }
        }
        for (const render::ChartDiagramText& number : layout.signNumbers)
            expectReadable(number.color, rgb(theme.chartFill), t, "sign number");
        for (QRgb slot :
             {theme.vargaGroupTitle, theme.vargaGroupText, theme.vargaCardTitle, theme.vargaNoData})
            expectReadable(vargaTextColor(theme, slot), rgb(theme.vargaBack), t,
                           "divisional charts window text");
    }
}

TEST(ContrastInEveryTheme, PanelsCardsAndStatusBar)
{
    ThemeGuard guard;
    test::ChartMaker maker;
    const auto doc = maker.newChart(test::namedPuneBirth());
    ASSERT_NE(doc, nullptr);
    std::vector<engine::PlanetPosition> planets = doc->chart().planets;
    const std::vector<KarakaCell> karakas = karakaCells(planets, 0);
    ASSERT_EQ(karakas.size(), 7u);
    const std::vector<RulingPlanetRow> rulers =
        rulingPlanetRows(engine::rankedRulingPlanets(doc->currentRulingPlanets()), 0);

    CDashaTreeCtrl tree;
    CNotesEditor notes([] { return engine::LocalDateTime{2026, 1, 1}; });
    CColorStatusBar status;
    for (int pane = 1; pane < kStatusPaneCount; ++pane)
        status.setPaneText(pane, QStringLiteral("x"));
    for (int t = 0; t < kColorThemeCount; ++t) {
        const render::ColorTheme& theme = COLOR_THEMES[std::size_t(t)].colors;
        render::selectColorTheme(t);
        applyChromePalette(theme);

        for (const KarakaCell& cell : karakas)
            expectReadable(themedText(cell.text, cell.background, theme), t,
                           "karaka " + cell.label.toStdString());
        const RulingPanelColors panel = rulingPanelColors(theme);
        expectReadable(panel.title, panel.header, t, "ruling planets title");
        expectReadable(panel.caption, panel.header, t, "ruling planets caption");
        expectReadable(panel.place, panel.header, t, "ruling planets place");
        for (const RulingPlanetRow& row : rulers)
            expectReadable(themedText(row.text, row.background, theme), t,
                           "ruling planet row " + std::to_string(row.rank));

        tree.applyThemeColors();
        const QPalette& trees = tree.palette();
        expectReadable(trees.color(QPalette::Text), trees.color(QPalette::Base), t, "dasha tree");
        expectReadable(trees.color(QPalette::HighlightedText), trees.color(QPalette::Highlight), t,
                       "dasha tree selection");
        notes.applyThemeColors();
        expectReadable(notes.palette().color(QPalette::Text), notes.palette().color(QPalette::Base),
                       t, "notes");
        expectReadable(notes.placeholderColor(), notes.palette().color(QPalette::Base), t,
                       "notes cue");

        for (int pane = 0; pane < kStatusPaneCount; ++pane)
            expectReadable(status.paneColors(pane), t, "status pane " + std::to_string(pane));

        // The chrome: menus, toolbar, dialogs, message boxes.
        const QPalette chrome = QApplication::palette();
        for (auto [text, back] : {std::pair{QPalette::WindowText, QPalette::Window},
                                  std::pair{QPalette::Text, QPalette::Base},
                                  std::pair{QPalette::ButtonText, QPalette::Button},
                                  std::pair{QPalette::HighlightedText, QPalette::Highlight},
                                  std::pair{QPalette::ToolTipText, QPalette::ToolTipBase}})
            expectReadable(chrome.color(QPalette::Active, text),
                           chrome.color(QPalette::Active, back), t,
                           "chrome role " + std::to_string(int(text)));
        // A dark theme is dark everywhere.
        if (isDarkTheme(theme)) {
            EXPECT_LT(render::relativeLuminance(chrome.color(QPalette::Window)), 0.1);
            EXPECT_LT(render::relativeLuminance(panel.background), 0.1);
            EXPECT_LT(render::relativeLuminance(notes.palette().color(QPalette::Base)), 0.1);
            EXPECT_LT(render::relativeLuminance(trees.color(QPalette::Base)), 0.1);
            EXPECT_LT(render::relativeLuminance(
                          themedText(karakas[0].text, karakas[0].background, theme).back),
                      0.1);
        }
    }
    EXPECT_EQ(isDarkTheme(COLOR_THEMES[3].colors) + isDarkTheme(COLOR_THEMES[7].colors) +
                  isDarkTheme(COLOR_THEMES[15].colors),
              3);
}

// The planet card is dark in every theme; its texts read on its two bands.
TEST(ContrastInEveryTheme, PlanetCard)
{
    PlanetDetail detail;
    detail.title = QStringLiteral("Saturn");
    detail.glyph = planetGlyph(engine::body::Saturn);
    detail.signName = QStringLiteral("Capricorn");
    detail.house = QStringLiteral("10");
    detail.nakshatra = QStringLiteral("Shravana");
    detail.starLord = detail.subLord = detail.subSubLord = QStringLiteral("Moon");
    detail.retrograde = detail.combust = true;
    detail.karaka = QStringLiteral("AK");
    detail.shadbala = 400;
    detail.extraPairs = {{QStringLiteral("Sub Lord"), QStringLiteral("Moon")}};
    for (const char* dignity : {"Exalted", "Debilitated", "Own Sign", ""}) {
        detail.dignity = QString::fromLatin1(dignity);
        const PlanetTooltipLayout card = layoutPlanetTooltip(detail);
        for (const PlanetTooltipLayout::Text& text : card.texts) {
            const QColor back = rgb(text.rect.top() < 65 ? 0x141C38 : 0x0E1324);
            expectReadable(text.color, back, 0, "planet card " + text.text.toStdString());
        }
    }
}

} // namespace
} // namespace lumikan::ui
