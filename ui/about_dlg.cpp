#include "ui/about_dlg.h"

#include "document/messages.h"
#include "engine/coded_errors.h"
#include "render/contrast.h"
#include "render/font_substitution.h"
#include "ui/qt_messages.h"
#include "ui/shell_icons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumikan::ui {

namespace {

// The day the program was compiled, as the compiler writes it ("Jun 27 2026").
constexpr const char* kBuildDate = __DATE__;

QLabel* link(const QString& href, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    const QColor color =
        render::readableOn(QColor(0x00, 0x66, 0xCC), label->palette().color(QPalette::Window));
    label->setText(
        QStringLiteral("<a href=\"%1\" style=\"color:%3; text-decoration:underline;\">%2</a>")
            .arg(href.toHtmlEscaped(), text.toHtmlEscaped(), color.name()));
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setToolTip(href);
    return label;
}

} // namespace

QString versionLine()
{
    return QStringLiteral("Version %1 (%2)")
        .arg(QString::fromLatin1(kVersionNumber), QString::fromLatin1(kReleaseName));
}

QString buildLine()
{
    return QString::asprintf("Build: %d  - (%s)", kBuildNumber, kBuildDate);
}

QString versionInfoText()
{
    return productName() + QStringLiteral("\r\n") + versionLine() + QStringLiteral("\r\nBuild: ") +
           QString::fromLatin1(kBuildDate);
}

CAboutDlg::CAboutDlg(document::Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages)
{
    setWindowTitle(QStringLiteral("About Lumikan Astrology"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(shellIcon(ShellIcon::Program).pixmap(QSize(64, 64), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(productName(), this);
    QFont nameFont = render::designFont(u"Segoe UI", 15, QFont::Bold);
    nameFont.setPixelSize(20);
    name->setFont(nameFont);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(name);
    texts->addWidget(new QLabel(QStringLiteral("Professional KP Astrology Software"), this));
    texts->addSpacing(8);
    texts->addWidget(new QLabel(QStringLiteral("Ephemeris: Swiss Ephemeris"), this));
    texts->addWidget(new QLabel(versionLine(), this));
    texts->addWidget(new QLabel(buildLine(), this));
    texts->addWidget(new QLabel(QStringLiteral("Engine: Lumikan Calculation Engine"), this));
    texts->addSpacing(8);
    const QString web = QString::fromLatin1(kMakerWebAddress);
    const QString mail = QString::fromLatin1(kSupportEmailAddress);
    texts->addWidget(link(web, web, this));
    texts->addWidget(link(QStringLiteral("mailto:") + mail, mail, this));

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* copy = new QPushButton(QStringLiteral("Copy Version Info"), this);
    copy->setObjectName(QStringLiteral("copyVersionInfo"));
    copy->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &CAboutDlg::copyVersionInfo);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 16);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void CAboutDlg::copyVersionInfo()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->setText(versionInfoText());
    messages_.information("Version info copied to clipboard.");
}

} // namespace lumikan::ui
