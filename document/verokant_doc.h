#pragma once

#include "document/app_settings.h"
#include "document/chart_rows.h"
#include "document/document_view.h"
#include "engine/chart.h"
#include "engine/chart_computation.h"
#include "engine/clock.h"
#include "engine/dasha.h"
#include "engine/ephemeris.h"
#include "engine/ruling_planets.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace lumikan::engine {
class Messages;
}

namespace lumikan::document {

class CVerokantDoc;

enum class ChartType { Natal = 0, Horary = 1 };

// Update hints sent to the views of a chart document.
inline constexpr int HINT_REFRESH = 0;  // repaint; nothing was recomputed
inline constexpr int HINT_CHART_LOADED = 1;
inline constexpr int HINT_SETTINGS_CHANGED = 2;
inline constexpr int HINT_TIME_ADJUSTED = 3;

// A chart the birth-data dialog asked for, waiting for its document.
struct NewChartRequest {
    engine::BirthDetails birth;
    QString displayName;
    QString placeText;
    bool pending = false;
    ChartType chartType = ChartType::Natal;
    int horaryNumber = 1;
};

// "Pune, Maharashtra, India": city, then state and country when given.
QString composePlaceText(const engine::BirthDetails& birth);

// What the application shares with its chart documents.
struct ChartEnvironment {
    const AppSettings* settings = nullptr;      // the one AppSettings; required
    NewChartRequest* request = nullptr;         // the pending new-chart request
    engine::Messages* messages = nullptr;       // message boxes
    std::function<engine::LocalDateTime()> clock;  // the local date and time now
    // The main frame's title and chart summary follow the document.
    std::function<void()> frameTitleChanged;
    std::function<void(const CVerokantDoc&)> chartSummaryChanged;
};

// One horoscope: birth data, natal or horary, notes, and the computed chart.
class CVerokantDoc : public CDocument {
public:
    explicit CVerokantDoc(ChartEnvironment environment);
    ~CVerokantDoc() override;
    CVerokantDoc(const CVerokantDoc&) = delete;
    CVerokantDoc& operator=(const CVerokantDoc&) = delete;

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& path) override;
    bool SaveModified() override;
    bool DoSave(const QString& path, bool replace = true) override;
    void OnChangedViewList() override;

    // The compute sequence with the settings in force; the modified flag is
    // unchanged. On failure the coded error is shown and the previous chart kept.
    bool RecomputeChart();
    // The settings changed: take the new ayanamsa and ruling-planet place, recompute.
    bool ApplySettingsChange();
    // The view picked another birth time (negative values count as 0).
    void ChangeBirthTime(int hour, int minute, int second);
    // Notes typed in a view; marks the document modified when they differ.
    void SetNotes(const QString& notes);

    void UpdateTitle();
    QString BuildDefaultFileName() const;

    // Points the ephemeris library at this document's data path and sidereal
    // mode, for callers that ask it about this chart outside a computation.
    void PrepareEngineForReading() { PrepareEngine(); }

    // The ruling planets of today (the clock's date) at a local time of the
    // ruling-planet place; the views are asked to refresh.
    void RulingPlanetsAt(int hour, int minute, int second);
    const engine::RulingPlanets& currentRulingPlanets() const { return currentRulingPlanets_; }

    // The dasha year and name form from the settings.
    engine::DashaSettings dashaSettings() const;
    // The Vimshottari periods to the settings' depth (1..4).
    std::vector<engine::DashaPeriod> DashaPeriods() const;
    std::vector<engine::DashaPeriod> DashaPeriods(int depth) const;
    // The periods running on the clock's date.
    engine::RunningDasha RunningDasha() const;
    QString RunningDashaCaption() const;

    const engine::BirthDetails& birthDetails() const { return birthDetails_; }
    const QString& displayName() const { return displayName_; }
    const QString& placeText() const { return placeText_; }
    const QString& notes() const { return notes_; }
    const QString& birthDateText() const { return birthDateText_; }
    ChartType chartType() const { return chartType_; }
    int horaryNumber() const { return horaryNumber_; }
    bool hasChart() const { return hasChart_; }
    const engine::Chart& chart() const { return chart_; }
    const engine::EphemerisContext& ephemerisContext() const { return *context_; }
    // Day lord; Moon's sign, star, sub, sub-sub lords; ascendant's likewise.
    const std::array<int, 9>& birthRulingLords() const { return birthRulingLords_; }
    const std::vector<engine::PlanetPosition>& planets() const { return planets_; }
    const std::vector<engine::CuspPosition>& cusps() const { return cusps_; }
    bool derivedTablesValid() const { return derivedTablesValid_; }
    void setDerivedTablesValid() { derivedTablesValid_ = true; }
    const AppSettings& settings() const { return *environment_.settings; }
    const ChartEnvironment& environment() const { return environment_; }

    NameForms nameForms() const;
    std::vector<QStringList> PlanetRows() const;
    std::vector<QStringList> CuspRows() const;
    QString AscendantText() const;
    QString AyanamsaCaption() const;
    // The notes as they will be saved, signature line included.
    QString notesForSaving() const;

protected:
    bool readFrom(const QByteArray& bytes, QString& reason) override;
    QByteArray writeOut() override;

private:
    void PrepareEngine();
    void ChooseRpLocation();
    void ComputeHoraryAscendant();
    engine::ChartStatus computeSequence();
    void reportFailure(engine::ChartStatus status) const;
    engine::LocalDateTime today() const;

    ChartEnvironment environment_;
    std::unique_ptr<engine::EphemerisContext> context_ = std::make_unique<engine::EphemerisContext>();
    engine::Chart chart_;
    bool hasChart_ = false;
    ChartType chartType_ = ChartType::Natal;
    int horaryNumber_ = 1;
    engine::BirthDetails birthDetails_;
    QString displayName_;
    QString placeText_;
    QString notes_;
    QString birthDateText_;
    std::array<int, 9> birthRulingLords_{};
    std::vector<engine::PlanetPosition> planets_;
    std::vector<engine::CuspPosition> cusps_;
    bool derivedTablesValid_ = false;
    bool openedEmpty_ = false;  // the last file read held no chart
    engine::RulingPlanets currentRulingPlanets_;
    double dashaMoonLongitude_ = 0.0;
};

// The coded error for a command that needs a chart and finds none.
inline constexpr const char* kNoChartOpenMessage = "Please open a chart first.";

}  // namespace lumikan::document
