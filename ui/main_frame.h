#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QUndoGroup;
class QUndoStack;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

class CChildFrame;
class CColorStatusBar;
class CVerokantApp;

// Commands a view handles itself. A view widget that implements this
// interface gets Print, Print Preview and Export PDF; without one they are
// disabled.
class ChartViewCommands {
public:
    virtual ~ChartViewCommands() = default;
    virtual bool canPrint() const { return false; }
    virtual void print() {}
    virtual void printPreview() {}
    // File > Export PDF: the path written, empty when nothing was.
    virtual QString exportPdf() { return {}; }
    // The document's Undo history; the view's own edits (birth time, notes)
    // go onto it. Without one they apply at once and cannot be undone.
    virtual void setUndoStack(QUndoStack*) {}
};

// Where a main window of `screen` size goes: 90 % of it, at most 1920 x 1080,
// at least 1100 x 680 (less only on a screen smaller than that).
QSize initialFrameSize(const QSize& screen);
QSize minimumFrameSize(const QSize& screen);

// The main window: chart windows in an MDI area, menus, toolbar and the
// coloured status bar.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CVerokantApp& app);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return mdi_; }
    CColorStatusBar* colorStatusBar() const { return status_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The Undo histories of the open charts; the active chart's is in force.
    QUndoGroup* undoGroup() const { return undoGroup_; }
    // The workspace behind the chart windows in the theme's light or dark.
    void applyThemeColors();

    // The chart window in front (the last active one while a dialog has the focus).
    CChildFrame* activeChild() const;
    void addChild(CChildFrame* child);

    // Rebuilds the frame title, the chart windows' titles and the status bar
    // from the active document, and shows the menus that apply.
    void updateTitles();
    void updateMenus();
    void updateRecentFiles();

    // The two topmost chart windows side by side, the topmost on the left.
    void compareMode();
    // Lines the minimised chart windows up along the bottom.
    void arrangeIcons();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* addAction(const char* name, const QString& text, const QString& tip);
    void fillWindowMenu();
    void fillFileAndViewMenus(bool hasDocument);
    ChartViewCommands* activeViewCommands() const;
    // Cut, Copy, Paste and Select All act on the text field with the focus.
    void editFocusedText(const char* slot);

    CVerokantApp& app_;
    QMdiArea* mdi_ = nullptr;
    CColorStatusBar* status_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QUndoGroup* undoGroup_ = nullptr;

    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* import_ = nullptr;
    QAction* export_ = nullptr;
    QAction* close_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* print_ = nullptr;
    QAction* printPreview_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* printSetup_ = nullptr;
    QAction* exit_ = nullptr;
    std::array<QAction*, 4> recent_{};
    QAction* viewToolBar_ = nullptr;
    QAction* viewStatusBar_ = nullptr;
    QAction* divisionalCharts_ = nullptr;
    QAction* settings_ = nullptr;
    QAction* newWindow_ = nullptr;
    QAction* cascade_ = nullptr;
    QAction* tile_ = nullptr;
    QAction* arrangeIcons_ = nullptr;
    QAction* compareMode_ = nullptr;
    QAction* matchmaking_ = nullptr;
    QAction* transits_ = nullptr;
    QAction* eventTiming_ = nullptr;
    QAction* about_ = nullptr;
    QAction* userGuide_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* selectAll_ = nullptr;
    QAction* editBirthData_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
};

}  // namespace lumikan::ui
