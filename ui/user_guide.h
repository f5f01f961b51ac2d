#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace lumikan::ui {

// The user guide: HTML pages shipped in "guide" beside the program, one page
// per topic and a contents page, shown in a window of its own.

inline constexpr const char* kUserGuideContents = "index.html";

// Where the guide's pages are: "guide" beside the program.
QString userGuideFolder();

// A window that browses the guide; links between pages follow, links out of
// the guide open in the web browser.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    // Shows `page` (a file name in the guide folder, with an optional #anchor),
    // or says plainly that the guide is not where it should be.
    void showPage(const QString& page);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

// F1 and the Help buttons: the one help window of the program, raised and
// turned to `page`.
CHelpWindow* showUserGuide(QWidget* parent,
                           const QString& page = QString::fromLatin1(kUserGuideContents));

} // namespace lumikan::ui
