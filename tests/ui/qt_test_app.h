#pragma once

#include "ui/font_substitution.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace lumikan::test {

// The widget tests share one offscreen application, made on first use (the
// test program's main comes from GoogleTest).
inline QApplication& qtApp()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        ui::installFontSubstitutions();
        return created;
    }();
    return *app;
}

// A white image at 96 dots per inch, the resolution the layouts are drawn for.
inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

// Saves a rendered image for a developer to look at when LUMIKAN_TEST_IMAGES
// names a folder; otherwise does nothing.
inline void keepImage(const QImage& image, const QString& name)
{
    const QByteArray folder = qgetenv("LUMIKAN_TEST_IMAGES");
    if (!folder.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
}

} // namespace lumikan::test
