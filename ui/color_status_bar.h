#pragma once

#include "engine/chart.h"
#include "ui/screen_colors.h"

#include <QColor>
#include <QMap>
#include <QStatusBar>
#include <QString>

#include <array>

namespace lumikan::ui {

inline constexpr int kStatusPaneCount = 10;

// Pane numbers of the chart summary.
enum StatusPane {
    kPanePrompt = 0,  // menu and command prompts; stretches
    kPaneName,
    kPaneDate,
    kPaneTime,
    kPanePlace,
    kPaneLatitude,
    kPaneLongitude,
    kPaneZone,
    kPaneAyanamsa,
    kPaneAscendant,
};

using StatusTexts = std::array<QString, kStatusPaneCount>;

// The summary of a chart, panes 1..9 (pane 0 stays empty): name, "05/12/1990",
// "02:07:00 PM", place, "18.5204 N", "73.8567 E", "+5.50", the ayanamsa label
// and the ascendant text.
StatusTexts chartStatusTexts(const engine::BirthDetails& birth, const QString& ayanamsaLabel,
                             const QString& ascendantText);

// Without a chart only the ayanamsa setting shows: "Ayanamsa: Krishnamurti".
StatusTexts noChartStatusTexts(int ayanamsaSetting);

// "Lahiri", "Sayana", "Raman", "Krishnamurti", "Custom"; others "Krishnamurti".
QString ayanamsaSettingName(int ayanamsaSetting);

// A status bar of ten panes, each with its own background colour, painted
// by itself. Pane 0 shows the prompts of menus and toolbar buttons.
class CColorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CColorStatusBar(QWidget* parent = nullptr);

    void setPaneText(int pane, const QString& text);
    QString paneText(int pane) const;
    void setTexts(const StatusTexts& texts);

    void setPaneBackground(int pane, const QColor& color);
    void setPaneTextColor(int pane, const QColor& color);

    // Where a pane is drawn, in the bar's coordinates.
    QRect paneRect(int pane) const;
    // A pane's text and fill in the theme in force (an unfilled pane shows the bar's own colour).
    TextOnSurface paneColors(int pane) const;
    // Pane widths at 96 dots per inch, widened when the font needs more room
    // for the texts the pane shows.
    int paneWidth(int pane) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void computeWidths();

    StatusTexts texts_;
    std::array<int, kStatusPaneCount> widths_{};
    QMap<int, QColor> backgrounds_;
    QMap<int, QColor> textColors_;
};

}  // namespace lumikan::ui
