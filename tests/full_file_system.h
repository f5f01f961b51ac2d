#pragma once

// A small tmpfs that a test fills up, so that saves meet a full disk. Mounting
// needs root; where it is refused, mounted() is false and the test skips.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/mount.h>
#include <unistd.h>

namespace lumikan::test {

class FullFileSystem {
public:
    explicit FullFileSystem(int kibibytes)
    {
        if (::geteuid() != 0 || !folder_.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
        mounted_ = ::mount("tmpfs", mountPoint().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                           options.constData()) == 0;
    }
    ~FullFileSystem()
    {
        if (mounted_)
            ::umount2(mountPoint().constData(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Takes every free byte but `spare` (whole 4 KiB pages) with a filler file.
    void fill(qint64 spare)
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        filler.resize(std::max<qint64>(0, filler.size() - spare));
    }

private:
    QByteArray mountPoint() const { return QFile::encodeName(folder_.path()); }

    QTemporaryDir folder_;
    bool mounted_ = false;
};

} // namespace lumikan::test
