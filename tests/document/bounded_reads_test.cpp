// Files named by the user or found on disk may be devices, pipes or huge: they
// are refused at once, and nothing reads past its cap.
#include "atlas_test_files.h"
#include "chart_maker.h"
#include "fifo_with_writer.h"

#include "document/atlas_database.h"
#include "document/chart_file.h"
#include "document/regular_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using namespace lumikan;
using namespace lumikan::document;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

}  // namespace

TEST(RegularFile, DevicesPipesAndFoldersAreRefusedWithoutReading)
{
    QTemporaryDir dir;
    const FileRead zero = readRegularFile("/dev/zero", 1024);
    EXPECT_EQ(zero.status, FileReadStatus::NotRegular);
    EXPECT_TRUE(zero.bytes.isEmpty());
    EXPECT_TRUE(fileReadFailureText(zero, "chart file").contains("not a regular file"));

    EXPECT_EQ(readRegularFile(dir.path(), 1024).status, FileReadStatus::NotRegular);

    const QString pipe = dir.filePath("pipe");
    test::FifoWithWriter writer(pipe, "[S]\nK=1\n");
    ASSERT_TRUE(writer.made());
    const FileRead fifo = readRegularFile(pipe, 1024);
    EXPECT_EQ(fifo.status, FileReadStatus::NotRegular);
    EXPECT_TRUE(fifo.bytes.isEmpty()) << fifo.bytes.toStdString();

    // A link to a device is the device.
    const QString link = dir.filePath("zero.lmk");
    ASSERT_TRUE(QFile::link("/dev/zero", link));
    EXPECT_EQ(readRegularFile(link, 1024).status, FileReadStatus::NotRegular);

    const FileRead missing = readRegularFile(dir.filePath("none"), 1024);
    EXPECT_EQ(missing.status, FileReadStatus::Missing);
    EXPECT_FALSE(fileReadFailureText(missing, "chart file").isEmpty());
}

TEST(RegularFile, TheCapCountsTheBytesReadNotTheSizeClaimed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    writeFile(path, QByteArray(1000, 'x'));
    const FileRead exact = readRegularFile(path, 1000);
    EXPECT_EQ(exact.status, FileReadStatus::Ok);
    EXPECT_EQ(exact.bytes, QByteArray(1000, 'x'));

    const FileRead over = readRegularFile(path, 999);
    EXPECT_EQ(over.status, FileReadStatus::TooLarge);
    EXPECT_TRUE(over.bytes.isEmpty());
    EXPECT_EQ(fileReadFailureText(over, "chart file"), "The file is too large to be a chart file.");

    // Files under /proc claim a size of 0 and still have bytes.
    const FileRead proc = readRegularFile("/proc/self/maps", 16);
    EXPECT_EQ(proc.status, FileReadStatus::TooLarge);
    EXPECT_EQ(readRegularFile("/proc/self/maps", 1 << 24).status, FileReadStatus::Ok);

    writeFile(path, {});
    const FileRead empty = readRegularFile(path, 0);
    EXPECT_EQ(empty.status, FileReadStatus::Ok);
    EXPECT_TRUE(empty.bytes.isEmpty());
}

TEST(ChartDocument, DevicesPipesAndHugeFilesAreRefusedWithTheReason)
{
    QTemporaryDir dir;
    test::ChartMaker maker;
    const auto refused = [&](const QString& path) {
        CVerokantDoc doc(maker.environment());
        doc.setPrompts(&maker.prompts);
        maker.prompts.loadFailureReasons.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path)) << path.toStdString();
        EXPECT_FALSE(doc.hasChart());
        return maker.prompts.loadFailureReasons.value(0);
    };
    EXPECT_TRUE(refused("/dev/zero").contains("not a regular file"));

    // The writer hands a sound chart to whoever opens the pipe.
    auto pune = maker.newChart(test::namedPuneBirth());
    ASSERT_TRUE(pune);
    const QString saved = dir.filePath("pune.lmk");
    ASSERT_TRUE(pune->DoSave(saved));
    QFile sound(saved);
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    const QString pipe = dir.filePath("pipe.lmk");
    test::FifoWithWriter writer(pipe, sound.readAll());
    ASSERT_TRUE(writer.made());
    const QString fifoReason = refused(pipe);
    EXPECT_TRUE(fifoReason.contains("not a regular file")) << fifoReason.toStdString();

    // Past the cap (64 MiB) without writing the bytes: a sparse file.
    const QString huge = dir.filePath("huge.lmk");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(64 * 1024 * 1024 + 1));
    }
    EXPECT_EQ(refused(huge), "The file is too large to be a chart file.");
}

TEST(AtlasDatabase, ACountryFileThatIsAPipeOrDeviceIsNotOpened)
{
    document::testing::TempFolder folder("special");
    // No writer: opening this pipe for reading would wait for ever.
    ASSERT_EQ(::mkfifo((folder.path() / "in.bin").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.path() / "np.bin");
    AtlasDatabase atlas(folder.path());
    EXPECT_FALSE(atlas.OpenCountry("in"));
    EXPECT_FALSE(atlas.OpenCountry("np"));
    EXPECT_EQ(atlas.StateCount(), 0u);

    // A sound file opens after them.
    folder.write("ad.bin", document::testing::atlasBytes({{"Canillo", {{"Soldeu", 42.6f, 1.6f, 60}}}}));
    ASSERT_TRUE(atlas.OpenCountry("ad"));
    EXPECT_EQ(atlas.StateName(0), "Canillo");
    EXPECT_EQ(atlas.City(0, 0).name, "Soldeu");
}
