#include "document/verokant_doc.h"

#include "document/chart_file.h"
#include "document/chart_titles.h"
#include "document/messages.h"
#include "document/text_encoding.h"
#include "document/zone_resolver.h"
#include "engine/coded_errors.h"
#include "engine/ephemeris.h"

#include <QFileInfo>

namespace lumikan::document {

namespace {

QString dateText(const engine::BirthDetails& b)
{
    return QString::asprintf("%04d-%02d-%02d", b.year, b.month, b.day);
}

} // namespace

CVerokantDoc::CVerokantDoc(ChartEnvironment environment) : environment_(std::move(environment))
{
    static const AppSettings defaults;
    if (!environment_.settings)
        environment_.settings = &defaults;
}

engine::Ephemeris& CVerokantDoc::ephemeris() const
{
    return environment_.ephemeris ? *environment_.ephemeris : engine::Ephemeris::shared();
}

const engine::Chart& CVerokantDoc::chart() const
{
    static const engine::Chart empty;
    return chart_ ? *chart_ : empty;
}

engine::ChartOptions CVerokantDoc::chartOptions() const
{
    return chartOptionsFor(settings(), environment_.overrides, description_);
}

engine::ChartResult CVerokantDoc::compute() const
{
    return engine::computeChart(description_.birth, chartOptions(), ephemeris());
}

void CVerokantDoc::adopt(engine::Chart chart)
{
    chart_ = std::move(chart);
    presentation_ = presentChart(*chart_, {nameForms(), today()});
    UpdateTitle();
    if (environment_.chartSummaryChanged)
        environment_.chartSummaryChanged(*this);
}

void CVerokantDoc::reportFailure(const engine::ChartResult& result) const
{
    if (!environment_.messages)
        return;
    if (!result.libraryMessage.empty())
        environment_.messages->plain(result.libraryMessage);
    if (const auto coded = engine::codedErrorFor(result.status))
        environment_.messages->error(coded->code, coded->message);
}

bool CVerokantDoc::CreateChart(const ChartDescription& description)
{
    if (!CDocument::OnNewDocument())
        return false;
    description_ = description;
    birthDateText_ = dateText(description_.birth);
    engine::ChartResult result = compute();
    if (!result.ok()) {
        // The chart that cannot be computed is not opened; the program goes on.
        reportFailure(result);
        return false;
    }
    adopt(std::move(*result.chart));
    SetModifiedFlag(true);
    return true;
}

bool CVerokantDoc::OnOpenDocument(const QString& path)
{
    if (!path.isEmpty() && !QFileInfo::exists(path)) {
        if (environment_.messages)
            environment_.messages->warning(
                toUtf8(QStringLiteral("The file could not be found:\n\n%1\n\nIt may have been "
                                      "moved, renamed, or deleted.")
                           .arg(path)));
        return false;
    }
    if (!CDocument::OnOpenDocument(path))
        return false;
    if (openedEmpty_)
        return true; // a version-0 file: an empty document
    engine::ChartResult result = compute();
    if (!result.ok()) {
        reportFailure(result);
        return false;
    }
    adopt(std::move(*result.chart));
    SetModifiedFlag(false);
    UpdateAllViews(HINT_CHART_LOADED);
    return true;
}

bool CVerokantDoc::readFrom(const QByteArray& bytes, QString& reason)
{
    const ChartFileRead read = decodeChartFile(bytes);
    if (!read.ok) {
        reason = QStringLiteral("The file is damaged or is not a Lumikan chart file.");
        return false;
    }
    openedEmpty_ = !read.data;
    if (openedEmpty_)
        return true;
    const ChartFileData& data = *read.data;
    // The file carries no chart type: an opened chart is natal.
    description_ = ChartDescription{};
    description_.birth = data.birth;
    description_.displayName = data.displayName;
    description_.placeText = data.placeText;
    // A file keeps the offset, not where it came from.
    description_.offsetSource = OffsetSource::ChartFile;
    description_.birth.name = toUtf8(data.displayName);
    notes_ = data.notes;
    birthDateText_ = dateText(description_.birth);
    return true;
}

QString CVerokantDoc::notesForSaving() const
{
    return normalizeNotesForSave(notes_, chartSignatureLine(chart(), settings().planetNameFormat));
}

ChartFileData CVerokantDoc::fileData()
{
    for (CView* view : views())
        view->CommitPendingEdits();
    ChartFileData data;
    data.displayName = description_.displayName;
    data.placeText = description_.placeText;
    data.birth = description_.birth;
    data.notes = notesForSaving();
    return data;
}

QByteArray CVerokantDoc::writeOut()
{
    return encodeChartFile(fileData());
}

bool CVerokantDoc::RecomputeChart()
{
    engine::ChartResult result = compute();
    if (!result.ok()) {
        // The last good chart stays on screen.
        reportFailure(result);
        return false;
    }
    adopt(std::move(*result.chart));
    return true;
}

bool CVerokantDoc::ApplySettingsChange()
{
    const bool ok = !hasChart() || RecomputeChart();
    UpdateAllViews(HINT_SETTINGS_CHANGED);
    return ok;
}

void CVerokantDoc::ChangeBirthTime(int hour, int minute, int second)
{
    engine::BirthDetails& birth = description_.birth;
    birth.hour = std::max(0, hour);
    birth.minute = std::max(0, minute);
    birth.second = std::max(0, second);
    SetModifiedFlag(true);
    UpdateTitle();
    RecomputeChart();
    UpdateAllViews(HINT_TIME_ADJUSTED);
}

bool CVerokantDoc::ChangeDescription(const ChartDescription& description)
{
    const ChartDescription before = description_;
    description_ = description;
    engine::ChartResult result = compute();
    if (!result.ok()) {
        description_ = before;
        reportFailure(result);
        return false;
    }
    birthDateText_ = dateText(description_.birth);
    adopt(std::move(*result.chart));
    SetModifiedFlag(true);
    UpdateAllViews(HINT_TIME_ADJUSTED);
    return true;
}

void CVerokantDoc::SetNotes(const QString& notes)
{
    if (notes == notes_)
        return;
    notes_ = notes;
    SetModifiedFlag(true);
}

bool CVerokantDoc::SaveModified()
{
    // A chart without a name (or an empty document) closes without a question.
    if (description_.displayName.isEmpty())
        return true;
    return CDocument::SaveModified();
}

bool CVerokantDoc::DoSave(const QString& path, bool replace)
{
    if (path.isEmpty() && GetPathName().isEmpty()) {
        if (!prompts())
            return false;
        const auto chosen = prompts()->askSavePath(BuildDefaultFileName());
        if (!chosen)
            return false;
        return CDocument::DoSave(*chosen, replace);
    }
    return CDocument::DoSave(path, replace);
}

void CVerokantDoc::OnChangedViewList()
{
    const bool hasView = !views().empty();
    CDocument::OnChangedViewList();
    if (hasView && !description_.displayName.isEmpty())
        UpdateAllViews(HINT_CHART_LOADED);
}

void CVerokantDoc::UpdateTitle()
{
    QString title = BuildTitle(description_.birth, description_.displayName, description_.placeText,
                               settings().titleFormat);
    if (chart().isHorary)
        title += QStringLiteral(" [Horary #%1]").arg(description_.horaryNumber);
    SetTitle(title);
    if (environment_.frameTitleChanged)
        environment_.frameTitleChanged();
}

QString CVerokantDoc::BuildDefaultFileName() const
{
    QString name =
        description_.displayName.isEmpty() ? QStringLiteral("Chart") : description_.displayName;
    for (QChar c : {QLatin1Char(' '), QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(c, QLatin1Char('_'));
    const engine::LocalDateTime now = today();
    return QString::asprintf("%s_%02d_%02d_%02d_%02d_%02d.lmk", name.toUtf8().constData(), now.day,
                             now.month, now.year % 100, now.hour, now.minute);
}

void CVerokantDoc::RulingPlanetsAt(int hour, int minute, int second)
{
    if (!hasChart())
        return;
    engine::LocalDateTime moment = today();
    moment.hour = hour;
    moment.minute = minute;
    moment.second = second;
    currentRulingMoment_ = moment;
    // A place from the atlas keeps its zone's offset of today (summer time
    // included), not the one fixed when the chart was cast.
    engine::ChartOptions options = chart_->options;
    const std::string zone = rulingPlaceZone(settings(), environment_.overrides, description_);
    if (!zone.empty()) {
        const ZoneReading reading = readZone(zone, moment);
        if (reading.kind != LocalTimeKind::UnknownZone)
            options.rulingPlace.timeZoneHours = reading.offset.hours();
    }
    currentRulingPlanets_ =
        engine::rulingPlanetsAt(options, moment, ephemeris(), currentRulingPlanets_);
    UpdateAllViews(HINT_REFRESH);
}

engine::LocalDateTime CVerokantDoc::today() const
{
    return readClock(environment_.clock);
}

NameForms CVerokantDoc::nameForms() const
{
    const AppSettings& s = settings();
    return {s.planetNameFormat, s.nakshatraNameFormat, s.signNameFormat};
}

} // namespace lumikan::document
