#include "document/verokant_doc.h"

#include "document/chart_file.h"
#include "document/chart_titles.h"
#include "document/text_encoding.h"
#include "engine/ayanamsa_caption.h"
#include "engine/kp_sub_table.h"
#include "engine/messages.h"

#include <QFileInfo>

#include <cmath>

namespace lumikan::document {

namespace {

QString dateText(const engine::BirthDetails& b)
{
    return QString::asprintf("%04d-%02d-%02d", b.year, b.month, b.day);
}

}  // namespace

QString composePlaceText(const engine::BirthDetails& birth)
{
    QString text = toQString(birth.city);
    if (!birth.state.empty())
        text += QLatin1String(", ") + toQString(birth.state);
    if (!birth.country.empty())
        text += QLatin1String(", ") + toQString(birth.country);
    return text;
}

CVerokantDoc::CVerokantDoc(ChartEnvironment environment) : environment_(std::move(environment))
{
    static const AppSettings defaults;
    if (!environment_.settings)
        environment_.settings = &defaults;
}

CVerokantDoc::~CVerokantDoc() { engine::closeEphemeris(); }

void CVerokantDoc::PrepareEngine()
{
    const AppSettings& s = settings();
    engine::openEphemeris(*context_, engine::ayanamsaModeFromInt(s.ayanamsa), s.customAyanamsa);
    chart_.ephemeris = context_.get();
}

void CVerokantDoc::ChooseRpLocation()
{
    const AppSettings& s = settings();
    if (s.rpLatitude == 0.0 && s.rpLongitude == 0.0) {
        chart_.rpLatitude = birthDetails_.latitude;
        chart_.rpLongitude = birthDetails_.longitude;
        chart_.rpTimeZone = birthDetails_.timeZone;
    } else {
        chart_.rpLatitude = s.rpLatitude;
        chart_.rpLongitude = s.rpLongitude;
        chart_.rpTimeZone = s.rpTimeZoneHours;
    }
}

void CVerokantDoc::ComputeHoraryAscendant()
{
    chart_.isHorary = false;
    chart_.horaryAscendant = -1.0;
    if (chartType_ != ChartType::Horary)
        return;
    if (const auto asc = engine::horaryAscendantFor(horaryNumber_)) {
        chart_.horaryAscendant = *asc;
        chart_.isHorary = true;
    }
}

engine::ChartStatus CVerokantDoc::computeSequence()
{
    // The library's data path and sidereal mode are shared by every document
    // (and reset when one closes), so they are set again before each computation.
    PrepareEngine();
    const AppSettings& s = settings();
    chart_.birth = birthDetails_;
    chart_.includeUranus = s.showUranus;
    chart_.includeNeptune = s.showNeptune;
    chart_.includePluto = s.showPluto;
    chart_.includeFortuna = s.showFortuna;
    ComputeHoraryAscendant();

    const engine::ChartStatus status = engine::computeChart(chart_, environment_.messages);
    if (status != engine::ChartStatus::Ok)
        return status;
    hasChart_ = true;
    birthRulingLords_ = {chart_.dayLord,     chart_.moonSignLord, chart_.moonStarLord,
                         chart_.moonSubLord, chart_.moonSubSubLord, chart_.ascSignLord,
                         chart_.ascStarLord, chart_.ascSubLord,   chart_.ascSubSubLord};
    planets_ = chart_.planets;
    cusps_ = chart_.cusps;
    // Asked now, while this document's sidereal mode is the library's.
    dashaMoonLongitude_ = engine::dashaMoonLongitude(chart_, environment_.messages);
    derivedTablesValid_ = false;
    UpdateTitle();
    if (environment_.chartSummaryChanged)
        environment_.chartSummaryChanged(*this);
    return status;
}

void CVerokantDoc::reportFailure(engine::ChartStatus status) const
{
    const auto coded = engine::codedErrorFor(status);
    if (coded && environment_.messages)
        environment_.messages->error(coded->code, coded->message);
}

bool CVerokantDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    PrepareEngine();
    NewChartRequest* request = environment_.request;
    if (!request || !request->pending)
        return true;
    birthDetails_ = request->birth;
    displayName_ = request->displayName;
    placeText_ = request->placeText;
    birthDateText_ = dateText(birthDetails_);
    chartType_ = request->chartType;
    horaryNumber_ = request->horaryNumber;
    ChooseRpLocation();
    const engine::ChartStatus status = computeSequence();
    if (status != engine::ChartStatus::Ok) {
        // The chart that cannot be computed is not opened; the program goes on.
        reportFailure(status);
        return false;
    }
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
    PrepareEngine();
    if (!CDocument::OnOpenDocument(path))
        return false;
    if (openedEmpty_)
        return true;  // a version-0 file: an empty document
    const engine::ChartStatus status = computeSequence();
    if (status != engine::ChartStatus::Ok) {
        reportFailure(status);
        return false;
    }
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
    displayName_ = data.displayName;
    placeText_ = data.placeText;
    birthDetails_ = data.birth;
    birthDetails_.name = toUtf8(displayName_);
    notes_ = data.notes;
    // The file carries no chart type: an opened chart is natal.
    chartType_ = ChartType::Natal;
    horaryNumber_ = 1;
    ChooseRpLocation();
    birthDateText_ = dateText(birthDetails_);
    return true;
}

QString CVerokantDoc::notesForSaving() const
{
    return normalizeNotesForSave(notes_, chartSignatureLine(chart_, settings().planetNameFormat));
}

QByteArray CVerokantDoc::writeOut()
{
    for (CView* view : views())
        view->CommitPendingEdits();
    ChartFileData data;
    data.displayName = displayName_;
    data.placeText = placeText_;
    data.birth = birthDetails_;
    data.notes = notesForSaving();
    return encodeChartFile(data);
}

bool CVerokantDoc::RecomputeChart()
{
    // Kept so that a failed computation leaves the last good chart on screen.
    const engine::Chart previous = chart_;
    const engine::ChartStatus status = computeSequence();
    if (status == engine::ChartStatus::Ok)
        return true;
    chart_ = previous;
    chart_.ephemeris = context_.get();
    reportFailure(status);
    return false;
}

bool CVerokantDoc::ApplySettingsChange()
{
    ChooseRpLocation();
    return RecomputeChart();
}

void CVerokantDoc::ChangeBirthTime(int hour, int minute, int second)
{
    birthDetails_.hour = std::max(0, hour);
    birthDetails_.minute = std::max(0, minute);
    birthDetails_.second = std::max(0, second);
    SetModifiedFlag(true);
    UpdateTitle();
    RecomputeChart();
    UpdateAllViews(HINT_TIME_ADJUSTED);
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
    if (displayName_.isEmpty())
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
    if (hasView && !displayName_.isEmpty())
        UpdateAllViews(HINT_CHART_LOADED);
}

void CVerokantDoc::UpdateTitle()
{
    QString title =
        BuildTitle(birthDetails_, displayName_, placeText_, settings().titleFormat);
    if (chart_.isHorary)
        title += QStringLiteral(" [Horary #%1]").arg(horaryNumber_);
    SetTitle(title);
    if (environment_.frameTitleChanged)
        environment_.frameTitleChanged();
}

QString CVerokantDoc::BuildDefaultFileName() const
{
    QString name = displayName_.isEmpty() ? QStringLiteral("Chart") : displayName_;
    for (QChar c : {QLatin1Char(' '), QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(c, QLatin1Char('_'));
    const engine::LocalDateTime now = today();
    return QString::asprintf("%s_%02d_%02d_%02d_%02d_%02d.lmk", name.toUtf8().constData(), now.day,
                             now.month, now.year % 100, now.hour, now.minute);
}

void CVerokantDoc::RulingPlanetsAt(int hour, int minute, int second)
{
    if (!hasChart_)
        return;
    PrepareEngine();
    engine::rulingPlanetsAt(chart_, today(), hour, minute, second, currentRulingPlanets_,
                            environment_.messages);
    UpdateAllViews(HINT_REFRESH);
}

engine::LocalDateTime CVerokantDoc::today() const
{
    return environment_.clock ? environment_.clock() : engine::LocalDateTime{};
}

engine::DashaSettings CVerokantDoc::dashaSettings() const
{
    return {engine::dashaYearLength(settings().dashaYear), settings().planetNameFormat};
}

std::vector<engine::DashaPeriod> CVerokantDoc::DashaPeriods(int depth) const
{
    if (!hasChart_)
        return {};
    return engine::buildDasha(chart_.julianDayUt, dashaMoonLongitude_, depth, dashaSettings());
}

std::vector<engine::DashaPeriod> CVerokantDoc::DashaPeriods() const
{
    return DashaPeriods(settings().mahadashaDepth);
}

engine::RunningDasha CVerokantDoc::RunningDasha() const
{
    return engine::runningDasha(DashaPeriods(3), today());
}

QString CVerokantDoc::RunningDashaCaption() const
{
    return toQString(engine::runningDashaCaption(RunningDasha()));
}

NameForms CVerokantDoc::nameForms() const
{
    const AppSettings& s = settings();
    return {s.planetNameFormat, s.nakshatraNameFormat, s.signNameFormat};
}

std::vector<QStringList> CVerokantDoc::PlanetRows() const
{
    return document::PlanetRows(planets_, chart_, nameForms());
}

std::vector<QStringList> CVerokantDoc::CuspRows() const
{
    return document::CuspRows(cusps_, chart_, nameForms());
}

QString CVerokantDoc::AscendantText() const
{
    return document::AscendantText(cusps_, settings().signNameFormat);
}

QString CVerokantDoc::AyanamsaCaption() const
{
    return toQString(engine::ayanamsaCaption(engine::ayanamsaModeFromInt(settings().ayanamsa),
                                             *context_, chart_.julianDayUt));
}

}  // namespace lumikan::document
