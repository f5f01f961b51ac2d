#include "ui/main_frame.h"

#include "ui/matchmaking_command.h"
#include "ui/tool_windows.h"

#include "document/verokant_doc.h"
#include "render/chart_appearance.h"
#include "ui/chart_report.h"
#include "ui/child_frame.h"
#include "ui/color_status_bar.h"
#include "ui/qt_messages.h"
#include "ui/recent_file_list.h"
#include "ui/screen_colors.h"
#include "ui/shell_icons.h"
#include "ui/verokant_app.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>

#include <algorithm>

namespace lumikan::ui {

namespace {

constexpr int kMaxFrameWidth = 1920;
constexpr int kMaxFrameHeight = 1080;
constexpr int kMinFrameWidth = 1100;
constexpr int kMinFrameHeight = 680;
constexpr int kToolIconSize = 32;
constexpr int kToolButtonWidth = 48;

// "~/charts/Jane.lmk", shortened in the middle when long.
QString recentLabel(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (!home.isEmpty() && shown.startsWith(home + QDir::separator()))
        shown = QStringLiteral("~") + shown.mid(home.size());
    constexpr int kMaxChars = 60;
    if (shown.size() > kMaxChars)
        shown = shown.left(18) + QStringLiteral("…") + shown.right(kMaxChars - 19);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

QSize minimumFrameSize(const QSize& screen)
{
    return {std::min(kMinFrameWidth, screen.width()), std::min(kMinFrameHeight, screen.height())};
}

QSize initialFrameSize(const QSize& screen)
{
    const QSize least = minimumFrameSize(screen);
    const int w = std::min(screen.width() * 9 / 10, kMaxFrameWidth);
    const int h = std::min(screen.height() * 9 / 10, kMaxFrameHeight);
    return {std::max(w, least.width()), std::max(h, least.height())};
}

CMainFrame::CMainFrame(CVerokantApp& app) : app_(app)
{
    setWindowIcon(shellIcon(ShellIcon::Program));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    undoGroup_ = new QUndoGroup(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        CChildFrame* child = activeChild();
        undoGroup_->setActiveStack(child ? app_.undoStack(child->chartDocument()) : nullptr);
        updateTitles();
        updateMenus();
    });

    status_ = new CColorStatusBar(this);
    setStatusBar(status_);

    createActions();
    createMenus();
    createToolBar();
    updateRecentFiles();
    updateMenus();
    updateTitles();
}

CMainFrame::~CMainFrame()
{
    // The MDI area reports its windows going while this frame is half gone.
    disconnect(mdi_, nullptr, this, nullptr);
}

QAction* CMainFrame::addAction(const char* name, const QString& text, const QString& tip)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(tip);
    return action;
}

void CMainFrame::createActions()
{
    new_ = addAction("fileNew", QStringLiteral("&New"), QStringLiteral("Create a new chart"));
    new_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    new_->setIcon(shellIcon(ShellIcon::New));
    new_->setToolTip(QStringLiteral("New"));
    connect(new_, &QAction::triggered, &app_, &CVerokantApp::OnFileNew);

    open_ = addAction("fileOpen", QStringLiteral("&Open..."), QStringLiteral("Open an existing chart"));
    open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open_->setIcon(shellIcon(ShellIcon::Open));
    open_->setToolTip(QStringLiteral("Open"));
    connect(open_, &QAction::triggered, &app_, &CVerokantApp::OnFileOpen);

    import_ = addAction("fileImport", QStringLiteral("&Import..."),
                        QStringLiteral("Open the charts of an AAF, CSV or JSON file"));
    connect(import_, &QAction::triggered, &app_, &CVerokantApp::OnFileImport);

    export_ = addAction("fileExport", QStringLiteral("Expor&t..."),
                        QStringLiteral("Write the active chart's birth data as AAF, CSV or JSON"));
    connect(export_, &QAction::triggered, &app_, &CVerokantApp::OnFileExport);

    close_ = addAction("fileClose", QStringLiteral("&Close"), QStringLiteral("Close the active chart"));
    connect(close_, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            app_.closeDocument(child->chartDocument());
    });

    save_ = addAction("fileSave", QStringLiteral("&Save"), QStringLiteral("Save the active chart"));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save_->setIcon(shellIcon(ShellIcon::Save));
    save_->setToolTip(QStringLiteral("Save"));
    connect(save_, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            app_.saveDocument(child->chartDocument(), false);
    });

    saveAs_ = addAction("fileSaveAs", QStringLiteral("Save &As..."),
                        QStringLiteral("Save the active chart with a new name"));
    saveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs_, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            app_.saveDocument(child->chartDocument(), true);
    });

    print_ = addAction("filePrint", QStringLiteral("&Print..."), QStringLiteral("Print the active chart"));
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print_->setIcon(shellIcon(ShellIcon::Print));
    print_->setToolTip(QStringLiteral("Print"));
    connect(print_, &QAction::triggered, this, [this] {
        if (ChartViewCommands* commands = activeViewCommands(); commands && commands->canPrint())
            commands->print();
    });

    printPreview_ = addAction("filePrintPreview", QStringLiteral("Print Pre&view"),
                              QStringLiteral("Show the printed pages"));
    connect(printPreview_, &QAction::triggered, this, [this] {
        if (ChartViewCommands* commands = activeViewCommands(); commands && commands->canPrint())
            commands->printPreview();
    });

    exportPdf_ = addAction("fileExportPdf", QStringLiteral("&Export PDF..."),
                           QStringLiteral("Write the printed pages to a PDF file"));
    connect(exportPdf_, &QAction::triggered, this, [this] {
        ChartViewCommands* commands = activeViewCommands();
        if (!commands || !commands->canPrint())
            return;
        const QString written = commands->exportPdf();
        if (!written.isEmpty())
            statusBar()->showMessage(
                QStringLiteral("PDF written to %1").arg(QDir::toNativeSeparators(written)));
    });

    printSetup_ = addAction("filePrintSetup", QStringLiteral("P&rint Setup..."),
                            QStringLiteral("Change the printer and printing options"));
    connect(printSetup_, &QAction::triggered, &app_, &CVerokantApp::OnFilePrintSetup);

    for (int i = 0; i < static_cast<int>(recent_.size()); ++i) {
        recent_[static_cast<std::size_t>(i)] =
            addAction("fileRecent", QString(), QStringLiteral("Open this chart"));
        connect(recent_[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] {
            const QStringList files = app_.recentFiles().files();
            if (i < files.size())
                app_.openRecentFile(files[i]);
        });
    }

    exit_ = addAction("appExit", QStringLiteral("E&xit"),
                      QStringLiteral("Quit the program; asks to save changed charts"));
    exit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit_, &QAction::triggered, this, &QWidget::close);

    divisionalCharts_ = addAction("divisionalCharts", QStringLiteral("&Divisional Charts"),
                                  QStringLiteral("Show the divisional charts of the active chart"));
    divisionalCharts_->setIcon(shellIcon(ShellIcon::DivisionalCharts));
    divisionalCharts_->setToolTip(QStringLiteral("Divisional Charts"));
    connect(divisionalCharts_, &QAction::triggered, &app_, &CVerokantApp::OnDivisionalCharts);

    settings_ = addAction("settings", QStringLiteral("&Settings..."),
                          QStringLiteral("Change the program's settings"));
    connect(settings_, &QAction::triggered, &app_, &CVerokantApp::OnSettings);

    newWindow_ = addAction("windowNew", QStringLiteral("&New Window"),
                           QStringLiteral("Open another window on the active chart"));
    connect(newWindow_, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            app_.openFrame(child->chartDocument());
    });
    cascade_ = addAction("windowCascade", QStringLiteral("&Cascade"),
                         QStringLiteral("Arrange the chart windows so they overlap"));
    connect(cascade_, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
    tile_ = addAction("windowTile", QStringLiteral("&Tile"),
                      QStringLiteral("Show the two topmost charts side by side"));
    connect(tile_, &QAction::triggered, this, &CMainFrame::compareMode);
    arrangeIcons_ = addAction("windowArrange", QStringLiteral("&Arrange Icons"),
                              QStringLiteral("Line up the minimised chart windows"));
    connect(arrangeIcons_, &QAction::triggered, this, &CMainFrame::arrangeIcons);
    compareMode_ = addAction("windowCompare", QStringLiteral("Compare &Mode"),
                             QStringLiteral("Show the two topmost charts side by side"));
    connect(compareMode_, &QAction::triggered, this, &CMainFrame::compareMode);

    matchmaking_ = addAction("toolsMatchmaking", QStringLiteral("&Matchmaking..."),
                             QStringLiteral("Match the two open charts"));
    // The command compares the open charts, whichever window is in front.
    connect(matchmaking_, &QAction::triggered, &app_, &CVerokantApp::OnMatchmaking);
    transits_ = addAction("toolsTransits", QStringLiteral("&Transits..."),
                          QStringLiteral("The sky of a moment over the active chart"));
    transits_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(transits_, &QAction::triggered, this, [this] { openTransitWindow(activeChild()); });
    eventTiming_ = addAction("toolsEventTiming", QStringLiteral("&Event Timing..."),
                             QStringLiteral("When the active chart's events may come"));
    connect(eventTiming_, &QAction::triggered, this,
            [this] { openEventTimingWindow(activeChild()); });

    about_ = addAction("appAbout", QStringLiteral("&About Lumikan"),
                       QStringLiteral("Show the program's version and where to find help"));
    about_->setIcon(shellIcon(ShellIcon::About));
    about_->setToolTip(QStringLiteral("About"));
    connect(about_, &QAction::triggered, &app_, &CVerokantApp::OnAppAbout);

    userGuide_ = addAction("helpUserGuide", QStringLiteral("&User Guide"),
                           QStringLiteral("Read how to use the program"));
    userGuide_->setShortcut(QKeySequence(Qt::Key_F1));
    connect(userGuide_, &QAction::triggered, &app_, [this] { app_.OnHelp(); });

    // Undo and Redo name what they take back: "Undo Edit Birth Data".
    undo_ = undoGroup_->createUndoAction(this, QStringLiteral("&Undo"));
    undo_->setObjectName(QStringLiteral("editUndo"));
    undo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    undo_->setStatusTip(QStringLiteral("Take back the last change to the chart"));
    redo_ = undoGroup_->createRedoAction(this, QStringLiteral("&Redo"));
    redo_->setObjectName(QStringLiteral("editRedo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo_->setStatusTip(QStringLiteral("Make the change taken back again"));

    cut_ = addAction("editCut", QStringLiteral("Cu&t"), QStringLiteral("Cut the selected text"));
    copy_ =
        addAction("editCopy", QStringLiteral("&Copy"), QStringLiteral("Copy the selected text"));
    paste_ =
        addAction("editPaste", QStringLiteral("&Paste"), QStringLiteral("Paste at the cursor"));
    selectAll_ = addAction("editSelectAll", QStringLiteral("Select &All"),
                           QStringLiteral("Select all the text of the field"));
    // The text fields handle their own keys; the menu items reach the one with the focus.
    connect(cut_, &QAction::triggered, this, [this] { editFocusedText("cut"); });
    connect(copy_, &QAction::triggered, this, [this] { editFocusedText("copy"); });
    connect(paste_, &QAction::triggered, this, [this] { editFocusedText("paste"); });
    connect(selectAll_, &QAction::triggered, this, [this] { editFocusedText("selectAll"); });

    editBirthData_ = addAction("editBirthData", QStringLiteral("Edit &Birth Data..."),
                               QStringLiteral("Change the birth data of the active chart"));
    editBirthData_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(editBirthData_, &QAction::triggered, &app_, &CVerokantApp::OnEditBirthData);
}

void CMainFrame::editFocusedText(const char* slot)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->metaObject()->indexOfSlot(
                     QMetaObject::normalizedSignature((QByteArray(slot) + "()").constData())) >= 0)
        QMetaObject::invokeMethod(focus, slot);
}

void CMainFrame::applyThemeColors()
{
    const render::ColorTheme& theme = render::currentTheme();
    mdi_->setBackground(isDarkTheme(theme) ? QColor::fromRgb(theme.shadow) : QColor(171, 180, 194));
}

void CMainFrame::createMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->addAction(undo_);
    editMenu_->addAction(redo_);
    editMenu_->addSeparator();
    editMenu_->addAction(cut_);
    editMenu_->addAction(copy_);
    editMenu_->addAction(paste_);
    editMenu_->addAction(selectAll_);
    editMenu_->addSeparator();
    editMenu_->addAction(editBirthData_);
    connect(editMenu_, &QMenu::aboutToShow, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        const bool text = focus && focus->metaObject()->indexOfSlot("paste()") >= 0;
        for (QAction* a : {cut_, copy_, paste_, selectAll_})
            a->setEnabled(text);
    });
    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    viewToolBar_ = addAction("viewToolbar", QStringLiteral("&Toolbar"), QStringLiteral("Show or hide the toolbar"));
    viewToolBar_->setCheckable(true);
    viewToolBar_->setChecked(true);
    viewStatusBar_ =
        addAction("viewStatusBar", QStringLiteral("&Status Bar"), QStringLiteral("Show or hide the status bar"));
    viewStatusBar_->setCheckable(true);
    viewStatusBar_->setChecked(true);
    connect(viewStatusBar_, &QAction::toggled, status_, &QWidget::setVisible);

    optionsMenu_ = menuBar()->addMenu(QStringLiteral("&Options"));
    optionsMenu_->addAction(settings_);

    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    fillWindowMenu();

    toolsMenu_ = menuBar()->addMenu(QStringLiteral("&Tools"));
    toolsMenu_->addAction(matchmaking_);
    toolsMenu_->addAction(transits_);
    toolsMenu_->addAction(eventTiming_);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(userGuide_);
    help->addSeparator();
    help->addAction(about_);

    // Shortcuts work whichever menu is shown.
    for (QAction* a :
         {new_, open_, save_, saveAs_, print_, exit_, undo_, redo_, editBirthData_, userGuide_})
        QWidget::addAction(a);
}

void CMainFrame::fillFileAndViewMenus(bool hasDocument)
{
    // Without a chart the menus offer only what needs none.
    fileMenu_->clear();
    fileMenu_->addAction(new_);
    fileMenu_->addAction(open_);
    fileMenu_->addAction(import_);
    fileMenu_->addAction(close_);
    if (hasDocument) {
        fileMenu_->addAction(save_);
        fileMenu_->addAction(saveAs_);
        fileMenu_->addAction(export_);
    }
    fileMenu_->addSeparator();
    if (hasDocument) {
        fileMenu_->addAction(print_);
        fileMenu_->addAction(printPreview_);
        fileMenu_->addAction(exportPdf_);
    }
    fileMenu_->addAction(printSetup_);
    const QStringList files = app_.recentFiles().files();
    if (!files.isEmpty()) {
        fileMenu_->addSeparator();
        for (int i = 0; i < static_cast<int>(files.size()) && i < static_cast<int>(recent_.size()); ++i)
            fileMenu_->addAction(recent_[static_cast<std::size_t>(i)]);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(exit_);

    viewMenu_->clear();
    viewMenu_->addAction(viewToolBar_);
    viewMenu_->addAction(viewStatusBar_);
    if (hasDocument)
        viewMenu_->addAction(divisionalCharts_);
}

void CMainFrame::fillWindowMenu()
{
    windowMenu_->clear();
    windowMenu_->addAction(newWindow_);
    windowMenu_->addAction(cascade_);
    windowMenu_->addAction(tile_);
    windowMenu_->addAction(arrangeIcons_);
    windowMenu_->addAction(compareMode_);
    const std::vector<CChildFrame*> frames = app_.frames();
    if (frames.empty())
        return;
    windowMenu_->addSeparator();
    auto* group = new QActionGroup(windowMenu_);
    const CChildFrame* active = activeChild();
    int number = 1;
    for (CChildFrame* frame : frames) {
        QString title = frame->windowTitle().remove(QStringLiteral("[*]"));
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = windowMenu_->addAction(number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title) : title);
        ++number;
        a->setCheckable(true);
        a->setChecked(frame == active);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, frame] {
            if (app_.frames().end() != std::find(app_.frames().begin(), app_.frames().end(), frame))
                mdi_->setActiveSubWindow(frame);
        });
    }
}

void CMainFrame::createToolBar()
{
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(QSize(kToolIconSize, kToolIconSize));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->addAction(new_);
    toolBar_->addAction(open_);
    toolBar_->addAction(save_);
    toolBar_->addSeparator();
    toolBar_->addAction(print_);
    toolBar_->addAction(about_);
    toolBar_->addSeparator();
    toolBar_->addAction(divisionalCharts_);
    for (QAction* a : toolBar_->actions()) {
        if (QWidget* button = toolBar_->widgetForAction(a); button && !a->isSeparator())
            button->setMinimumSize(kToolButtonWidth, kToolIconSize + 8);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(viewToolBar_, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, viewToolBar_, [this](bool visible) {
        // A minimised main window hides its toolbar too; that is no choice of the user.
        if (!isMinimized())
            viewToolBar_->setChecked(visible);
    });
}

CChildFrame* CMainFrame::activeChild() const
{
    const std::vector<CChildFrame*> frames = app_.frames();
    auto* current = qobject_cast<CChildFrame*>(mdi_->currentSubWindow());
    if (current && std::find(frames.begin(), frames.end(), current) != frames.end())
        return current;
    // The frame in front by stacking order.
    const QList<QMdiSubWindow*> stack = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        auto* frame = qobject_cast<CChildFrame*>(*it);
        if (frame && std::find(frames.begin(), frames.end(), frame) != frames.end())
            return frame;
    }
    return nullptr;
}

ChartViewCommands* CMainFrame::activeViewCommands() const
{
    // A window in front that is no chart window (a match report) answers for itself.
    if (QMdiSubWindow* current = mdi_->currentSubWindow();
        current && !qobject_cast<CChildFrame*>(current))
        if (auto* commands = dynamic_cast<ChartViewCommands*>(current->widget()))
            return commands;
    CChildFrame* child = activeChild();
    return child ? dynamic_cast<ChartViewCommands*>(child->viewWidget()) : nullptr;
}

void CMainFrame::addChild(CChildFrame* child)
{
    mdi_->addSubWindow(child);
    child->showMaximized();
    mdi_->setActiveSubWindow(child);
    updateTitles();
    updateMenus();
}

void CMainFrame::updateTitles()
{
    app_.updateFrameTitles();
    CChildFrame* child = activeChild();
    const document::CVerokantDoc* doc = child ? &child->chartDocument() : nullptr;
    // The chart's title, then its file and the modified mark.
    QString title = productName();
    if (child) {
        const QString docTitle = doc->GetTitle();
        if (!docTitle.isEmpty())
            title += QStringLiteral(" — ") + docTitle;
        const QString path = doc->GetPathName();
        title += QStringLiteral(" — ") +
                 (path.isEmpty() ? QStringLiteral("not saved") : QFileInfo(path).fileName()) +
                 QStringLiteral("[*]");
    }
    setWindowTitle(title);
    setWindowModified(doc && doc->IsModified());
    if (doc && doc->hasChart() && !doc->GetTitle().isEmpty()) {
        StatusTexts texts =
            chartStatusTexts(doc->birthDetails(), doc->presentation().ayanamsaCaption,
                             doc->presentation().ascendantText);
        // The chart says where an offset not taken from the zone came from.
        const document::OffsetSource source = doc->description().offsetSource;
        if (source == document::OffsetSource::HandTyped)
            texts[kPaneZone] += QStringLiteral(" typed");
        else if (source == document::OffsetSource::LocalMeanTime)
            texts[kPaneZone] += QStringLiteral(" LMT");
        status_->setTexts(texts);
    } else {
        status_->setTexts(noChartStatusTexts(app_.settings().ayanamsa));
    }
}

void CMainFrame::updateMenus()
{
    CChildFrame* child = activeChild();
    const bool hasDocument = !app_.frames().empty();
    fillFileAndViewMenus(hasDocument);
    // Settings are for the charts to come as well: reachable with none open.
    optionsMenu_->menuAction()->setVisible(true);
    editMenu_->menuAction()->setVisible(hasDocument);
    windowMenu_->menuAction()->setVisible(hasDocument);
    toolsMenu_->menuAction()->setVisible(hasDocument);

    close_->setEnabled(child != nullptr);
    save_->setEnabled(child != nullptr);
    saveAs_->setEnabled(child != nullptr);
    ChartViewCommands* commands = activeViewCommands();
    const bool canPrint = commands && commands->canPrint();
    print_->setEnabled(canPrint);
    printPreview_->setEnabled(canPrint);
    exportPdf_->setEnabled(canPrint);
    matchmaking_->setEnabled(hasDocument);
    const bool hasChart = child != nullptr && child->chartDocument().hasChart();
    transits_->setEnabled(hasChart);
    eventTiming_->setEnabled(hasChart);
    divisionalCharts_->setEnabled(child != nullptr && app_.hasDivisionalChartsWindow());
    settings_->setEnabled(app_.hasSettingsDialog());
    editBirthData_->setEnabled(child != nullptr && child->chartDocument().hasChart());
    newWindow_->setEnabled(child != nullptr);
    const bool several = app_.frames().size() >= 2;
    tile_->setEnabled(several);
    compareMode_->setEnabled(several);
    cascade_->setEnabled(hasDocument);
    arrangeIcons_->setEnabled(hasDocument);
}

void CMainFrame::updateRecentFiles()
{
    const QStringList files = app_.recentFiles().files();
    for (int i = 0; i < static_cast<int>(recent_.size()); ++i) {
        QAction* a = recent_[static_cast<std::size_t>(i)];
        if (i < files.size()) {
            a->setText(recentLabel(i, files[i]));
            a->setStatusTip(QDir::toNativeSeparators(files[i]));
        }
    }
    fillFileAndViewMenus(!app_.frames().empty());
}

void CMainFrame::compareMode()
{
    std::vector<QMdiSubWindow*> visible;
    const std::vector<CChildFrame*> frames = app_.frames();
    const QList<QMdiSubWindow*> stack = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        auto* frame = qobject_cast<CChildFrame*>(*it);
        if (frame && frame->isVisible() && std::find(frames.begin(), frames.end(), frame) != frames.end())
            visible.push_back(frame);
    }
    if (visible.size() < 2)
        return;
    QMdiSubWindow* top = visible[0];
    QMdiSubWindow* second = visible[1];
    for (QMdiSubWindow* w : {top, second}) {
        if (w->isMaximized() || w->isMinimized())
            w->showNormal();
    }
    const QSize area = mdi_->viewport()->size();
    const int half = area.width() / 2;
    second->setGeometry(half, 0, area.width() - half, area.height());
    top->setGeometry(0, 0, half, area.height());
    second->raise();
    mdi_->setActiveSubWindow(top);
    top->raise();
}

void CMainFrame::arrangeIcons()
{
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (CChildFrame* frame : app_.frames()) {
        if (!frame->isMinimized())
            continue;
        const QSize size = frame->size();
        frame->move(x, bottom - size.height());
        x += size.width();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!app_.canExit()) {
        event->ignore();
        return;
    }
    event->accept();
    app_.mainFrameClosed();
}

}  // namespace lumikan::ui
