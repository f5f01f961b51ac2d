#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace lumikan::test {

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
