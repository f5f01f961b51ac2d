#include "ui/verokant_app.h"

#include "document/atomic_file.h"
#include "document/chart_interchange.h"
#include "document/local_clock.h"
#include "document/messages.h"
#include "document/regular_file.h"
#include "document/text_encoding.h"
#include "engine/coded_errors.h"
#include "engine/ephemeris.h"
#include "render/chart_appearance.h"
#include "ui/about_dlg.h"
#include "ui/birth_info_dlg.h"
#include "ui/chart_interchange_dialogs.h"
#include "ui/chart_edits.h"
#include "ui/chart_view_factory.h"
#include "ui/child_frame.h"
#include "ui/main_frame.h"
#include "ui/qt_document_prompts.h"
#include "ui/qt_messages.h"
#include "ui/recent_file_list.h"
#include "ui/screen_colors.h"
#include "ui/user_guide.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>
#include <exception>

namespace lumikan::ui {

namespace {

// The framework's strings of a chart document type.
document::CDocTemplate chartDocTemplate()
{
    return {QStringLiteral("Verokant"),
            QStringLiteral("Lumikan"),
            QString::fromLatin1(kChartFileFilter),
            QStringLiteral(".lmk"),
            QStringLiteral("Verokant.Document"),
            QStringLiteral("Verokant.Document")};
}

} // namespace

CVerokantApp::CVerokantApp(ShellEnvironment environment) : env_(std::move(environment))
{
    if (env_.messages) {
        messages_ = env_.messages;
    } else {
        ownMessages_ = std::make_unique<QtMessages>();
        messages_ = ownMessages_.get();
    }
    if (env_.prompts) {
        prompts_ = env_.prompts;
    } else {
        ownPrompts_ = std::make_unique<QtDocumentPrompts>();
        prompts_ = ownPrompts_.get();
    }
    templates_ = {chartDocTemplate(), chartDocTemplate(), chartDocTemplate()};
}

CVerokantApp::~CVerokantApp()
{
    exiting_ = true;
    // The windows go first: each one leaves its document as it closes.
    mainFrame_.reset();
    // A stack being destroyed reports its last index; no document hears it.
    for (auto& entry : undoStacks_)
        entry.second->disconnect();
    undoStacks_.clear();
    documents_.clear();
    closing_.clear();
}

bool CVerokantApp::InitInstance(const QStringList& arguments)
{
    try {
        startUp(arguments);
        return true;
    } catch (const std::exception&) {
    } catch (...) {
    }
    messages_->error(engine::error_code::kGeneral, kStartupFailedMessage);
    return false;
}

void CVerokantApp::startUp(const QStringList& arguments)
{
    // The recent-file list, without entries that are no chart paths.
    QSettings* store = env_.recentFilesStore;
    if (!store) {
        ownRecentStore_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      QString::fromLatin1(kRecentFilesOrganization),
                                                      QString::fromLatin1(kRecentFilesApplication));
        store = ownRecentStore_.get();
    }
    recentFiles_ = std::make_unique<RecentFileList>(*store);
    recentFiles_->load();

    settingsPath_ = env_.settingsPath ? env_.settingsPath() : document::ResolveSettingsPath();
    if (!settingsPath_.isEmpty()) {
        document::LoadSettings(settings_, settingsPath_);
        render::selectColorTheme(settings_.colorTheme);
    }
    // Menus, toolbar, status bar and dialogs in the theme's light or dark.
    applyChromePalette(render::currentTheme());

    mainFrame_ = std::make_unique<CMainFrame>(*this);
    mainFrame_->applyThemeColors();
    if (ownMessages_)
        ownMessages_->setFallbackParent(mainFrame_.get());
    if (ownPrompts_)
        ownPrompts_->setParent(mainFrame_.get());
    QRect screen(QPoint(0, 0), env_.screenSize);
    if (env_.screenSize.isEmpty()) {
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            screen = primary->availableGeometry();
        else
            screen = QRect(0, 0, 1280, 800);
    }
    mainFrame_->setMinimumSize(minimumFrameSize(screen.size()));
    const QSize size = initialFrameSize(screen.size());
    mainFrame_->resize(size);
    mainFrame_->move(screen.center() - QPoint(size.width() / 2, size.height() / 2));

    // A plain start opens no chart; a chart named on the command line opens.
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        OpenDocumentFile(argument);
        break;
    }
    mainFrame_->show();
}

int CVerokantApp::ExitInstance()
{
    saveSettings();
    return exitStatus_;
}

void CVerokantApp::saveSettings()
{
    if (settingsPath_.isEmpty())
        return;
    QString reason;
    if (!document::SaveSettings(settings_, settingsPath_, &reason))
        messages_->warning(
            document::toUtf8(document::settingsSaveFailureMessage(settingsPath_, reason)));
}

engine::LocalDateTime CVerokantApp::now() const
{
    return document::readClock(env_.clock);
}

document::ChartEnvironment CVerokantApp::chartEnvironment()
{
    document::ChartEnvironment env;
    env.settings = &settings_;
    env.messages = messages_;
    env.clock = [this] { return now(); };
    env.frameTitleChanged = [this] {
        if (mainFrame_)
            mainFrame_->updateTitles();
    };
    env.chartSummaryChanged = [this](const document::CVerokantDoc&) {
        if (mainFrame_)
            mainFrame_->updateTitles();
    };
    return env;
}

std::unique_ptr<document::CVerokantDoc> CVerokantApp::makeDocument()
{
    auto doc = std::make_unique<document::CVerokantDoc>(chartEnvironment());
    doc->setPrompts(prompts_);
    return doc;
}

const document::CDocTemplate& CVerokantApp::docTemplate(DocTemplateKind kind) const
{
    return templates_[static_cast<std::size_t>(kind)];
}

std::vector<document::CVerokantDoc*> CVerokantApp::documents() const
{
    std::vector<document::CVerokantDoc*> docs;
    for (const auto& doc : documents_)
        docs.push_back(doc.get());
    return docs;
}

std::vector<CChildFrame*> CVerokantApp::framesOf(const document::CVerokantDoc& doc) const
{
    std::vector<CChildFrame*> result;
    for (CChildFrame* frame : frames_) {
        if (&frame->chartDocument() == &doc)
            result.push_back(frame);
    }
    return result;
}

document::CVerokantDoc* CVerokantApp::activeChartDocument() const
{
    CChildFrame* child = mainFrame_ ? mainFrame_->activeChild() : nullptr;
    return child ? &child->chartDocument() : nullptr;
}

// --- Commands ---------------------------------------------------------------

BirthInfoContext CVerokantApp::birthInfoContext()
{
    BirthInfoContext context;
    context.settings = &settings_;
    context.messages = messages_;
    context.clock = [this] { return now(); };
    context.atlas = env_.atlas;
    context.offerManualEntry = env_.offerManualEntry;
    context.castChart = [this](const document::ChartDescription& description) {
        return tryCast(description);
    };
    context.showHelp = [this](const QString& page) { OnHelp(page); };
    return context;
}

engine::ChartStatus CVerokantApp::tryCast(const document::ChartDescription& description) const
{
    return engine::computeChart(description.birth,
                                document::chartOptionsFor(settings_, {}, description),
                                engine::Ephemeris::shared())
        .status;
}

void CVerokantApp::OnFileNew()
{
    CBirthInfoDlg dialog(birthInfoContext(), mainFrame_.get());
    const bool accepted =
        env_.runBirthDialog ? env_.runBirthDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (dialog.exitRequested()) {
        requestExit(1);
        return;
    }
    if (!accepted)
        return;

    auto doc = makeDocument();
    const bool created = doc->CreateChart(dialog.chartDescription());
    // A chart that cannot be computed has been reported; no window opens.
    if (!created)
        return;
    documents_.push_back(std::move(doc));
    openFrame(*documents_.back());
}

void CVerokantApp::OnEditBirthData()
{
    document::CVerokantDoc* doc = activeChartDocument();
    if (!doc || !doc->hasChart()) {
        messages_->error(engine::error_code::kGeneral, document::kNoChartOpenMessage);
        return;
    }
    const document::ChartDescription before = doc->description();
    BirthInfoContext context = birthInfoContext();
    context.editing = &before;
    CBirthInfoDlg dialog(context, mainFrame_.get());
    const bool accepted =
        env_.runBirthDialog ? env_.runBirthDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (dialog.exitRequested()) {
        requestExit(1);
        return;
    }
    if (!accepted)
        return;
    // The window may have closed while the dialog was open.
    if (std::none_of(documents_.begin(), documents_.end(),
                     [doc](const auto& d) { return d.get() == doc; }))
        return;
    undoStackFor(*doc).push(new BirthDataEdit(*doc, dialog.chartDescription()));
}

void CVerokantApp::OnMatchmaking()
{
    runMatchmakingCommand(*this, env_.chooseMatchCharts);
}

void CVerokantApp::OnHelp(const QString& page)
{
    const QString shown = page.isEmpty() ? QString::fromLatin1(kUserGuideContents) : page;
    if (env_.showHelp) {
        env_.showHelp(shown);
        return;
    }
    QWidget* parent = QApplication::activeModalWidget();
    showUserGuide(parent ? parent : mainFrame_.get(), shown);
}

QUndoStack* CVerokantApp::undoStack(const document::CVerokantDoc& doc) const
{
    const auto found = undoStacks_.find(&doc);
    return found == undoStacks_.end() ? nullptr : found->second.get();
}

QUndoStack& CVerokantApp::undoStackFor(document::CVerokantDoc& doc)
{
    auto& stack = undoStacks_[&doc];
    if (!stack) {
        stack = std::make_unique<QUndoStack>();
        // A file just opened is as saved; a new chart is modified until saved.
        trackModifiedFlag(*stack, doc, !doc.IsModified());
        doc.onModifiedChanged = [this] {
            if (mainFrame_)
                mainFrame_->updateTitles();
        };
        if (mainFrame_)
            mainFrame_->undoGroup()->addStack(stack.get());
    }
    return *stack;
}

QString CVerokantApp::askOpenPath()
{
    if (env_.askOpenPath)
        return env_.askOpenPath(mainFrame_.get());
    QFileDialog dialog(mainFrame_.get(), QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromLatin1(kChartFileFilter), QStringLiteral("All Files (*)")});
    dialog.setDirectory(chartFolder());
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CVerokantApp::OnFileOpen()
{
    const QString path = askOpenPath().trimmed();
    if (path.isEmpty())
        return;
    if (hasForbiddenPathCharacter(path)) {
        messages_->warning(kInvalidOpenPathMessage);
        return;
    }
    rememberChartFolder(path);
    OpenDocumentFile(path);
}

void CVerokantApp::OnFileImport()
{
    // Larger files are for lumikan-cli import.
    constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;
    const QString path =
        env_.askImportPath ? env_.askImportPath(mainFrame_.get()) : askImportFile(mainFrame_.get());
    if (path.isEmpty())
        return;
    const auto format = document::interchangeFormatOfPath(path);
    if (!format) {
        messages_->warning("Import reads AAF, CSV and JSON files: the file name must end in .aaf, "
                           ".csv, .json or .jsonl.");
        return;
    }
    const document::FileRead read = document::readRegularFile(path, kMaxImportBytes);
    if (read.status != document::FileReadStatus::Ok) {
        messages_->warning(document::toUtf8(
            document::fileReadFailureText(read, QStringLiteral("birth data file"))));
        return;
    }
    std::vector<document::ImportedChart> records = document::readInterchange(read.bytes, *format);
    int opened = 0, notOpened = 0;
    for (document::ImportedChart& record : records) {
        if (!record.chart)
            continue;
        if (opened == kMaxImportedWindows) {
            ++notOpened;
            continue;
        }
        const document::ChartFileData& data = *record.chart;
        auto doc = makeDocument();
        document::ChartDescription description;
        description.birth = data.birth;
        description.displayName = data.displayName;
        description.placeText = data.placeText;
        // Like a chart file, an import file gives the offset without its origin.
        description.offsetSource = document::OffsetSource::ChartFile;
        if (!doc->CreateChart(description)) {
            record.error = "the chart cannot be computed";
            continue;
        }
        doc->SetNotes(data.notes);
        documents_.push_back(std::move(doc));
        openFrame(*documents_.back());
        ++opened;
    }
    const QString summary = importSummary(path, records, opened, notOpened);
    if (!summary.isEmpty())
        messages_->information(document::toUtf8(summary));
}

void CVerokantApp::OnFileExport()
{
    document::CVerokantDoc* doc = activeChartDocument();
    if (!doc || !doc->hasChart())
        return;
    QString proposed = doc->displayName().trimmed();
    for (QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        proposed.replace(c, QLatin1Char('_'));
    if (proposed.isEmpty())
        proposed = QStringLiteral("Chart");
    const QString path = env_.askExportPath ? env_.askExportPath(mainFrame_.get(), proposed)
                                            : askExportFile(mainFrame_.get(), proposed);
    if (path.isEmpty())
        return;
    const auto format = document::interchangeFormatOfPath(path);
    if (!format) {
        messages_->warning("Export writes AAF, CSV and JSON files: the file name must end in .aaf, "
                           ".csv, .json or .jsonl.");
        return;
    }
    QString reason;
    if (!document::writeFileAtomically(path, document::writeInterchange({doc->fileData()}, *format),
                                       &reason))
        messages_->warning(
            document::toUtf8(QStringLiteral("The birth data could not be written to\n\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), reason)));
}

bool CVerokantApp::OpenDocumentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& doc : documents_) {
        if (doc->GetPathName() == absolute) {
            const std::vector<CChildFrame*> frames = framesOf(*doc);
            if (!frames.empty())
                mainFrame_->mdiArea()->setActiveSubWindow(frames.front());
            return true;
        }
    }
    auto doc = makeDocument();
    if (!doc->OnOpenDocument(absolute)) {
        if (!QFileInfo::exists(absolute)) {
            recentFiles_->remove(absolute);
            mainFrame_->updateRecentFiles();
        }
        return false;
    }
    documents_.push_back(std::move(doc));
    openFrame(*documents_.back());
    recentFiles_->add(absolute);
    mainFrame_->updateRecentFiles();
    return true;
}

void CVerokantApp::openRecentFile(const QString& path)
{
    OpenDocumentFile(path);
}

CChildFrame* CVerokantApp::openFrame(document::CVerokantDoc& doc)
{
    auto* frame = new CChildFrame(*this, doc, createChartView(doc, nullptr));
    if (auto* commands = dynamic_cast<ChartViewCommands*>(frame->viewWidget()))
        commands->setUndoStack(&undoStackFor(doc));
    frames_.push_back(frame);
    mainFrame_->addChild(frame);
    return frame;
}

bool CVerokantApp::saveDocument(document::CVerokantDoc& doc, bool saveAs)
{
    const QString before = doc.GetPathName();
    bool saved = false;
    if (saveAs) {
        const QString proposed = before.isEmpty() ? doc.BuildDefaultFileName() : before;
        const std::optional<QString> chosen = prompts_->askSavePath(proposed);
        if (!chosen)
            return false;
        saved = doc.DoSave(*chosen, true);
    } else {
        saved = doc.DoSave(before, true);
    }
    if (saved)
        afterSave(doc, before);
    return saved;
}

void CVerokantApp::afterSave(document::CVerokantDoc& doc, const QString& previousPath)
{
    if (doc.GetPathName().isEmpty())
        return;
    if (doc.GetPathName() != previousPath || !recentFiles_->files().contains(doc.GetPathName())) {
        recentFiles_->add(doc.GetPathName());
        rememberChartFolder(doc.GetPathName());
        if (mainFrame_)
            mainFrame_->updateRecentFiles();
    }
    if (mainFrame_)
        mainFrame_->updateTitles();
}

bool CVerokantApp::canCloseDocument(document::CVerokantDoc& doc)
{
    const QString before = doc.GetPathName();
    if (!doc.SaveModified())
        return false;
    if (doc.GetPathName() != before)
        afterSave(doc, before);
    return true;
}

void CVerokantApp::closeDocument(document::CVerokantDoc& doc)
{
    if (!canCloseDocument(doc))
        return;
    for (CChildFrame* frame : framesOf(doc))
        frame->closeWithoutAsking();
}

bool CVerokantApp::canExit()
{
    for (document::CVerokantDoc* doc : documents()) {
        if (!canCloseDocument(*doc))
            return false;
    }
    return true;
}

void CVerokantApp::frameClosed(CChildFrame* frame, document::CVerokantDoc& doc)
{
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
    if (doc.views().empty()) {
        auto it = std::find_if(documents_.begin(), documents_.end(),
                               [&doc](const auto& d) { return d.get() == &doc; });
        if (it != documents_.end()) {
            // The window's view may still be painted until the window is gone.
            document::CVerokantDoc* closing = it->get();
            closing->onSaved = nullptr;
            closing->onModifiedChanged = nullptr;
            if (const auto stack = undoStacks_.find(closing); stack != undoStacks_.end()) {
                stack->second->disconnect();
                undoStacks_.erase(stack);
            }
            closing_.push_back(std::move(*it));
            documents_.erase(it);
            connect(frame, &QObject::destroyed, this, [this, closing] {
                closing_.erase(
                    std::remove_if(closing_.begin(), closing_.end(),
                                   [closing](const auto& d) { return d.get() == closing; }),
                    closing_.end());
            });
        }
    }
    if (mainFrame_ && !exiting_) {
        mainFrame_->updateTitles();
        mainFrame_->updateMenus();
    }
}

void CVerokantApp::updateFrameTitles()
{
    for (const auto& doc : documents_) {
        const std::vector<CChildFrame*> frames = framesOf(*doc);
        QString title = doc->GetTitle();
        if (title.isEmpty() && !doc->GetPathName().isEmpty())
            title = QFileInfo(doc->GetPathName()).fileName();
        if (title.isEmpty())
            title = QStringLiteral("Untitled");
        for (std::size_t i = 0; i < frames.size(); ++i) {
            frames[i]->setWindowTitle(
                (frames.size() > 1 ? QStringLiteral("%1:%2").arg(title).arg(i + 1) : title) +
                QStringLiteral("[*]"));
            frames[i]->setWindowModified(doc->IsModified());
        }
    }
}

void CVerokantApp::mainFrameClosed()
{
    exiting_ = true;
    const std::vector<CChildFrame*> open = frames_;
    for (CChildFrame* frame : open)
        frame->closeWithoutAsking();
    if (env_.quitWithMainFrame)
        QCoreApplication::exit(exitStatus_);
}

void CVerokantApp::requestExit(int status)
{
    exitStatus_ = status;
    if (mainFrame_ && mainFrame_->close())
        return;
    // A save question was cancelled: the program stays open.
    exitStatus_ = 0;
    exiting_ = false;
}

void CVerokantApp::OnFilePrintSetup()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), mainFrame_.get());
    dialog.exec();
}

void CVerokantApp::OnAppAbout()
{
    CAboutDlg dialog(*messages_, mainFrame_.get());
    dialog.exec();
}

void CVerokantApp::OnDivisionalCharts()
{
    document::CVerokantDoc* doc = activeChartDocument();
    if (!doc || !doc->hasChart()) {
        messages_->error(engine::error_code::kGeneral, document::kNoChartOpenMessage);
        return;
    }
    if (env_.divisionalCharts)
        env_.divisionalCharts(*doc, *mainFrame_);
}

void CVerokantApp::OnSettings()
{
    if (!env_.settingsDialog)
        return;
    env_.settingsDialog(mainFrame_.get(), settings_,
                        [this](const document::AppSettings& accepted) { applySettings(accepted); });
}

void CVerokantApp::applyThemeToWindows()
{
    applyChromePalette(render::currentTheme());
    if (mainFrame_)
        mainFrame_->applyThemeColors();
}

void CVerokantApp::applySettings(const document::AppSettings& accepted)
{
    settings_ = accepted;
    saveSettings();
    render::applyColorTheme(settings_.colorTheme, [this] {
        applyThemeToWindows();
        // Each chart is computed once, however many windows show it.
        for (document::CVerokantDoc* doc : documents()) {
            doc->ApplySettingsChange();
            if (doc->hasChart())
                doc->UpdateTitle();
        }
    });
    if (mainFrame_)
        mainFrame_->updateTitles();
}

} // namespace lumikan::ui
