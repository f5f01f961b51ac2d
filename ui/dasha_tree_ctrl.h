#pragma once

#include "engine/clock.h"
#include "engine/dasha.h"

#include <QRgb>
#include <QString>
#include <QTreeWidget>

#include <array>
#include <vector>

namespace lumikan::ui {

// Bullet colour of each lord, by LordIndex.
inline constexpr std::array<QRgb, 9> LORD_BULLET_COLORS = {
    0x8B4513, 0xFFC0CB, 0xFF8C00, 0xC8C8DC, 0xDC3232, 0x808080, 0xFFD700, 0x46465A, 0x64C864};

// The period column's texts of the four levels; the start and end dates have
// columns of their own.
QString mahadashaItemText(const engine::DashaPeriod& period);
QString antardashaItemText(const engine::DashaPeriod& period);
QString pratyantardashaItemText(const engine::DashaPeriod& period);
QString sookshmaItemText(const engine::DashaPeriod& period);

// "YYYY-MM-DD" of a local date, the form the period dates are compared in.
QString dashaTodayText(const engine::LocalDateTime& today);

// The positions of the mahadasha, antardasha and pratyantardasha containing
// `today` (start <= today <= end as texts, the first one found), as far as
// the descent gets: empty when no mahadasha contains it.
std::vector<int> runningDashaPath(const std::vector<engine::DashaPeriod>& mahadashas,
                                  const QString& todayText);

// The Vimshottari periods as a tree that opens on the periods running today:
// the period in the first column (with the tree's own expand arrow and the
// lord's coloured bullet), its start and end dates in the next two.
class CDashaTreeCtrl : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kItemHeight = 22;
    static constexpr QRgb kBackground = 0xF8F8F8;
    static constexpr QRgb kText = 0x1E1E1E;
    enum Column { PeriodColumn = 0, StartColumn = 1, EndColumn = 2 };

    explicit CDashaTreeCtrl(QWidget* parent = nullptr);

    // Refills the tree from the mahadashas (with whatever sub-periods they
    // hold), expands the root and the periods running on `today` and selects
    // the deepest of them.
    void setDasha(const std::vector<engine::DashaPeriod>& mahadashas,
                  const engine::LocalDateTime& today);

    // Rows a reader can see without expanding anything: the ones whose
    // ancestors are all expanded. The view sizes the tree to them.
    int visibleRowCount() const;

    // The width at which every start date and every period's lord read whole.
    // Below the width of everything the end column gives way, then the period
    // texts shorten after their lord; each period's tooltip names it all.
    int leastWidth() const;

    // Background, text and selection in the colours of the theme in force.
    void applyThemeColors();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text,
                             const engine::DashaPeriod* period, bool bold);
    std::array<int, 4> columnNeeds() const;
    void fitColumns();

    std::array<QIcon, 9> bullets_;
};

} // namespace lumikan::ui
