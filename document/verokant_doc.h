#pragma once

#include "document/app_settings.h"
#include "document/chart_description.h"
#include "document/chart_file.h"
#include "document/chart_options.h"
#include "document/chart_presentation.h"
#include "document/document_view.h"
#include "document/local_clock.h"
#include "engine/chart.h"
#include "engine/chart_computation.h"
#include "engine/clock.h"
#include "engine/ruling_planets.h"

#include <QString>

#include <functional>
#include <optional>

namespace lumikan::engine {
class Ephemeris;
}

namespace lumikan::document {

class CVerokantDoc;
class Messages;

// Update hints sent to the views of a chart document.
inline constexpr int HINT_REFRESH = 0; // repaint; nothing was recomputed
inline constexpr int HINT_CHART_LOADED = 1;
inline constexpr int HINT_SETTINGS_CHANGED = 2;
inline constexpr int HINT_TIME_ADJUSTED = 3;
inline constexpr int HINT_NOTES_CHANGED = 4; // the notes changed outside the views (undo, redo)

// What the application shares with its chart documents.
struct ChartEnvironment {
    const AppSettings* settings = nullptr;  // the one AppSettings; required
    engine::Ephemeris* ephemeris = nullptr; // the shared one when null
    Messages* messages = nullptr;           // message boxes
    Clock clock;                            // the local date and time now
    ChartOptionOverrides overrides;         // options that win over the settings
    // The main frame's title and chart summary follow the document.
    std::function<void()> frameTitleChanged;
    std::function<void(const CVerokantDoc&)> chartSummaryChanged;
};

// One horoscope: birth data, natal or horary, notes, and the computed chart
// with what its views show.
class CVerokantDoc : public CDocument {
public:
    explicit CVerokantDoc(ChartEnvironment environment);
    CVerokantDoc(const CVerokantDoc&) = delete;
    CVerokantDoc& operator=(const CVerokantDoc&) = delete;

    // A new chart as described; false (reported) when it cannot be cast.
    bool CreateChart(const ChartDescription& description);
    bool OnOpenDocument(const QString& path) override;
    bool SaveModified() override;
    bool DoSave(const QString& path, bool replace = true) override;
    void OnChangedViewList() override;

    // Computes the chart again with the settings in force; the modified flag
    // is unchanged. On failure the coded error is shown and the chart kept.
    bool RecomputeChart();
    // The settings changed: recompute once and tell every view.
    bool ApplySettingsChange();
    // The view picked another birth time (negative values count as 0).
    void ChangeBirthTime(int hour, int minute, int second);
    // The birth data were edited: the chart is cast anew from `description`,
    // the document marked modified and every view told. When it cannot be
    // cast the coded error is shown and nothing changes (false).
    bool ChangeDescription(const ChartDescription& description);
    // Notes typed in a view; marks the document modified when they differ.
    void SetNotes(const QString& notes);

    void UpdateTitle();
    QString BuildDefaultFileName() const;

    // The ruling planets of today (the clock's date) at a local time of the
    // ruling-planet place; the views are asked to refresh.
    void RulingPlanetsAt(int hour, int minute, int second);
    const engine::RulingPlanets& currentRulingPlanets() const { return currentRulingPlanets_; }
    // The local moment of the ruling-planet place they are for.
    const engine::LocalDateTime& currentRulingMoment() const { return currentRulingMoment_; }

    const engine::BirthDetails& birthDetails() const { return description_.birth; }
    const ChartDescription& description() const { return description_; }
    const QString& displayName() const { return description_.displayName; }
    const QString& placeText() const { return description_.placeText; }
    const QString& notes() const { return notes_; }
    const QString& birthDateText() const { return birthDateText_; }
    ChartType chartType() const { return description_.chartType; }
    int horaryNumber() const { return description_.horaryNumber; }
    bool hasChart() const { return chart_.has_value(); }
    // The computed chart; an empty one before the first computation.
    const engine::Chart& chart() const;
    const ChartPresentation& presentation() const { return presentation_; }
    const AppSettings& settings() const { return *environment_.settings; }
    const ChartEnvironment& environment() const { return environment_; }
    // The options the chart is cast with: the settings and the overrides.
    engine::ChartOptions chartOptions() const;

    NameForms nameForms() const;
    // The notes as they will be saved, signature line included.
    QString notesForSaving() const;
    // What saving writes: the birth data, names and notes as they will be
    // saved (edits pending in the views included).
    ChartFileData fileData();

protected:
    bool readFrom(const QByteArray& bytes, QString& reason) override;
    QByteArray writeOut() override;

private:
    engine::ChartResult compute() const;
    // Takes a computed chart: presentation, title, summary.
    void adopt(engine::Chart chart);
    void reportFailure(const engine::ChartResult& result) const;
    engine::LocalDateTime today() const;
    engine::Ephemeris& ephemeris() const;

    ChartEnvironment environment_;
    ChartDescription description_;
    std::optional<engine::Chart> chart_;
    ChartPresentation presentation_;
    QString notes_;
    QString birthDateText_;
    bool openedEmpty_ = false; // the last file read held no chart
    engine::RulingPlanets currentRulingPlanets_;
    engine::LocalDateTime currentRulingMoment_;
};

// The coded error for a command that needs a chart and finds none.
inline constexpr const char* kNoChartOpenMessage = "Please open a chart first.";

} // namespace lumikan::document
