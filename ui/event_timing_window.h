#pragma once

#include "engine/event_timing.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;
class QToolButton;
class QTreeWidget;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// Tools > Event Timing: the promise of an event in one chart, then the dasha
// periods of a range ranked by how their lords signify it, each row opening
// into its reasons and the Sun's windows.
class CEventTimingWindow : public QWidget {
    Q_OBJECT
public:
    // `utcNow` gives the present moment (UTC): the range starts on its date and
    // the running period and ruling planets are those of that moment.
    CEventTimingWindow(const document::CVerokantDoc& doc, std::function<QDateTime()> utcNow,
                       QWidget* parent = nullptr);

    // Index into the event table; the table's size chooses custom houses.
    void chooseEvent(int index);
    void setCustomHouses(const std::vector<int>& houses, int cusp);
    void setDepth(int depth);
    void setRulingPlanetFilter(bool on);
    void setRange(const QDate& from, const QDate& to);

    const engine::EventTiming& timing() const { return timing_; }
    QTreeWidget* periodsTree() const { return tree_; }
    QLabel* promiseLabel() const { return promise_; }

private:
    void recompute();
    QString lordWhy(const engine::LordVerdict& verdict) const;

    const document::CVerokantDoc& doc_;
    std::function<QDateTime()> utcNow_;
    double offsetHours_ = 0.0;
    engine::EventTiming timing_;
    bool building_ = true;

    QComboBox* event_ = nullptr;
    std::array<QToolButton*, 12> houseButtons_{};
    QSpinBox* cusp_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QComboBox* depth_ = nullptr;
    QCheckBox* rpFilter_ = nullptr;
    QLabel* promise_ = nullptr;
    QLabel* status_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

} // namespace lumikan::ui
