#pragma once

#include "document/app_settings.h"
#include "document/document_view.h"
#include "document/verokant_doc.h"
#include "engine/clock.h"
#include "ui/birth_info_dlg.h"
#include "ui/matchmaking_command.h"

#include <QObject>
#include <QSize>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPrinter;
class QSettings;
class QUndoStack;

namespace lumikan::document {
class AtlasDatabase;
}

namespace lumikan::document {
class Messages;
}

namespace lumikan::ui {

class CBirthInfoDlg;
class CChildFrame;
class CMainFrame;
class QtDocumentPrompts;
class QtMessages;
class RecentFileList;

// What the program takes from its surroundings. Every member may stay empty:
// the program then uses the real ones (the user's files, the clock, dialogs).
struct ShellEnvironment {
    // Where settings.ini is; empty function: the user's. An empty path: no file.
    std::function<QString()> settingsPath;
    // The store of the recent-file list; null: the framework's registry key.
    QSettings* recentFilesStore = nullptr;
    std::function<engine::LocalDateTime()> clock;
    document::Messages* messages = nullptr;
    document::DocumentPrompts* prompts = nullptr;
    // Runs the birth-data dialog and says whether it was accepted.
    std::function<bool(CBirthInfoDlg&)> runBirthDialog;
    // The place pickers' atlas and its missing-file question (see CBirthInfoDlg).
    document::AtlasDatabase* atlas = nullptr;
    std::function<bool(const QString&)> offerManualEntry;
    // The Open dialog: the name chosen, empty on Cancel.
    std::function<QString(QWidget* parent)> askOpenPath;
    // The Import and Export dialogs, likewise; Export proposes a file name.
    std::function<QString(QWidget* parent)> askImportPath;
    std::function<QString(QWidget* parent, const QString& proposedName)> askExportPath;
    // The size the main frame is fitted to; empty: the primary screen's work area.
    QSize screenSize;
    // The event loop ends (with the exit status) when the main frame closes.
    bool quitWithMainFrame = false;

    // Windows built elsewhere; their commands stay disabled while these are empty.
    // The settings dialog edits a copy of `current` and hands it to `apply` on OK and Apply.
    std::function<void(QWidget* parent, const document::AppSettings& current,
                       const std::function<void(const document::AppSettings&)>& apply)>
        settingsDialog;
    std::function<void(document::CVerokantDoc& chart, CMainFrame& frame)> divisionalCharts;
    // Tools > Matchmaking's question which two charts to match; empty: the dialog.
    ChooseMatchCharts chooseMatchCharts;
    // Opens the user guide at a page; empty: the program's help window.
    std::function<void(const QString& page)> showHelp;
};

enum class DocTemplateKind { Chart, DivisionalCharts, MatchReport };

// The application: settings, the new-chart request, the chart documents and
// their windows, and the commands that are not a window's own.
class CVerokantApp : public QObject {
    Q_OBJECT
public:
    explicit CVerokantApp(ShellEnvironment environment = {});
    ~CVerokantApp() override;

    // Start-up: recent files, settings, theme, document types, main frame,
    // then the chart named by `arguments` (without the program name), if any.
    // False when start-up failed (the reason was shown).
    bool InitInstance(const QStringList& arguments);
    // Shutdown: the settings are saved. Returns the exit status.
    int ExitInstance();

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    // Opens every chart of an AAF, CSV or JSON file as a new, unsaved chart.
    void OnFileImport();
    // Writes the active chart's birth data as AAF, CSV or JSON.
    void OnFileExport();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnDivisionalCharts();
    void OnSettings();
    // Edit > Edit Birth Data: the dialog filled from the active chart; OK casts
    // the chart anew as one step that Undo takes back.
    void OnEditBirthData();
    void OnMatchmaking();
    // Help > User Guide (F1), at `page`.
    void OnHelp(const QString& page = {});

    // Opens a chart file (or brings its window forward when it is open already).
    bool OpenDocumentFile(const QString& path);
    void openRecentFile(const QString& path);
    // Save (or Save As with `saveAs`); true when the chart was written.
    bool saveDocument(document::CVerokantDoc& doc, bool saveAs);
    // File > Close: asks to save, then closes every window of the chart.
    void closeDocument(document::CVerokantDoc& doc);
    // Another window on `doc`.
    CChildFrame* openFrame(document::CVerokantDoc& doc);
    // Takes over accepted settings: saves them, applies the theme, recomputes
    // every chart and rebuilds the titles.
    void applySettings(const document::AppSettings& settings);
    // Closes the program through the normal path (save questions first), then
    // ends with `status`. Nothing happens when the user cancels a question.
    void requestExit(int status);

    // Called by the windows.
    bool canCloseDocument(document::CVerokantDoc& doc);
    bool canExit();
    void frameClosed(CChildFrame* frame, document::CVerokantDoc& doc);
    void mainFrameClosed();
    void updateFrameTitles();

    // State.
    document::AppSettings& settings() { return settings_; }
    const QString& settingsPath() const { return settingsPath_; }
    std::vector<document::CVerokantDoc*> documents() const;
    std::vector<CChildFrame*> frames() const { return frames_; }
    std::vector<CChildFrame*> framesOf(const document::CVerokantDoc& doc) const;
    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    // The Undo history of a chart; made with its first window.
    QUndoStack* undoStack(const document::CVerokantDoc& doc) const;
    RecentFileList& recentFiles() { return *recentFiles_; }
    document::Messages& messages() { return *messages_; }
    document::DocumentPrompts& prompts() { return *prompts_; }
    const document::CDocTemplate& docTemplate(DocTemplateKind kind) const;
    document::CVerokantDoc* activeChartDocument() const;
    bool hasSettingsDialog() const { return static_cast<bool>(env_.settingsDialog); }
    bool hasDivisionalChartsWindow() const { return static_cast<bool>(env_.divisionalCharts); }
    int exitStatus() const { return exitStatus_; }
    engine::LocalDateTime now() const;

private:
    void startUp(const QStringList& arguments);
    // Writes the settings in force; a failure is told to the user.
    void saveSettings();
    document::ChartEnvironment chartEnvironment();
    std::unique_ptr<document::CVerokantDoc> makeDocument();
    // What the birth-data dialog takes from the program.
    BirthInfoContext birthInfoContext();
    // Casts a chart as the settings say, only to learn whether it can be.
    engine::ChartStatus tryCast(const document::ChartDescription& description) const;
    QUndoStack& undoStackFor(document::CVerokantDoc& doc);
    void applyThemeToWindows();
    void afterSave(document::CVerokantDoc& doc, const QString& previousPath);
    QString askOpenPath();

    ShellEnvironment env_;
    document::AppSettings settings_;
    QString settingsPath_;
    std::array<document::CDocTemplate, 3> templates_;
    std::unique_ptr<QtMessages> ownMessages_;
    std::unique_ptr<QtDocumentPrompts> ownPrompts_;
    document::Messages* messages_ = nullptr;
    document::DocumentPrompts* prompts_ = nullptr;
    std::unique_ptr<QSettings> ownRecentStore_;
    std::unique_ptr<RecentFileList> recentFiles_;
    std::unique_ptr<QPrinter> printer_;
    std::vector<std::unique_ptr<document::CVerokantDoc>> documents_;
    // Documents whose last window is closing; destroyed with that window.
    std::vector<std::unique_ptr<document::CVerokantDoc>> closing_;
    std::vector<CChildFrame*> frames_;
    std::map<const document::CVerokantDoc*, std::unique_ptr<QUndoStack>> undoStacks_;
    std::unique_ptr<CMainFrame> mainFrame_;
    int exitStatus_ = 0;
    bool exiting_ = false;
};

// The message shown when start-up fails.
inline constexpr const char* kStartupFailedMessage =
    "An unexpected error occurred while starting the application. Please contact support.";
// The Open dialog's answer with a character no path may hold.
inline constexpr const char* kInvalidOpenPathMessage =
    "The selected path is not valid. Please choose a .lmk file again.";

}  // namespace lumikan::ui
