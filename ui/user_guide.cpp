#include "ui/user_guide.h"

#include "ui/qt_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lumikan::ui {

QString userGuideFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("guide"));
}

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(productName() + QStringLiteral(" — User Guide"));
    setObjectName(QStringLiteral("helpWindow"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({userGuideFolder()});

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this,
            [this] { showPage(QString::fromLatin1(kUserGuideContents)); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addLayout(buttons);
    resize(760, 640);
}

void CHelpWindow::showPage(const QString& page)
{
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString path = QDir(userGuideFolder()).filePath(file);
    if (!QFileInfo(path).isFile()) {
        browser_->setHtml(
            QStringLiteral("<h2>The user guide is missing</h2><p>Its pages belong in the folder "
                           "<tt>%1</tt> beside the program, which does not hold <tt>%2</tt>. "
                           "Installing the program again puts them back.</p>")
                .arg(userGuideFolder().toHtmlEscaped(), file.toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (page.contains(QLatin1Char('#')))
        url.setFragment(page.section(QLatin1Char('#'), 1));
    browser_->setSource(url);
}

CHelpWindow* showUserGuide(QWidget* parent, const QString& page)
{
    static QPointer<CHelpWindow> window;
    // Owned by the window it was opened from: a modal dialog leaves only its
    // own windows usable, and the main window takes it down at exit.
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!window) {
        window = new CHelpWindow(owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else if (window->parentWidget() != owner) {
        const QRect where = window->geometry();
        window->setParent(owner, Qt::Window);
        window->setGeometry(where);
    }
    window->showPage(page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace lumikan::ui
