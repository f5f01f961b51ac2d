#pragma once

#include "engine/transit.h"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QHBoxLayout;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

class CTransitDiagram;

// Tools > Transits: the sky of a chosen moment over one chart, at the chart's
// ruling-planet place and in its offset, with a sub-lord timeline tab.
class CTransitWindow : public QWidget {
    Q_OBJECT
public:
    // `utcNow` gives the present moment (UTC); the window starts there.
    CTransitWindow(const document::CVerokantDoc& doc, std::function<QDateTime()> utcNow,
                   QWidget* parent = nullptr);

    // The local wall time shown (at the place's offset).
    QDateTime moment() const { return local_; }
    void setMoment(const QDateTime& local);
    // Steps of the stepper: hours, days, months or years (negative: back).
    void stepHours(int n);
    void stepDays(int n);
    void stepMonths(int n);
    void stepYears(int n);

    const std::optional<engine::TransitSnapshot>& snapshot() const { return sky_; }
    QTableWidget* transitTable() const { return table_; }
    QTableWidget* timelineTable() const { return timeline_; }
    QTabWidget* tabs() const { return tabs_; }

private:
    void recompute();
    void fillTimeline();
    void addStepButton(QHBoxLayout* row, const QString& text, const QString& tip,
                       const QKeySequence& key, std::function<void()> step);

    const document::CVerokantDoc& doc_;
    double offsetHours_ = 0.0;
    double latitudeDeg_ = 0.0, longitudeDeg_ = 0.0;
    QDateTime local_; // wall time at the offset, kept as UTC so no zone rule moves it
    std::optional<engine::TransitSnapshot> sky_;

    QDateTimeEdit* edit_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    CTransitDiagram* diagram_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QDateEdit* timelineDate_ = nullptr;
    QComboBox* timelineBody_ = nullptr;
    QTableWidget* timeline_ = nullptr;
};

// "+05:30"
QString offsetCaption(double offsetHours);

} // namespace lumikan::ui
