// lumikan-cli handed a device or a pipe instead of a chart file.
#include "cli_run.h"
#include "document/fifo_with_writer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;

TEST(Cli, ADeviceOrPipeIsRefusedAsNoChartFile)
{
    const CliRun zero = cli({"chart", "/dev/zero", "--defaults"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_TRUE(zero.out.isEmpty());
    EXPECT_TRUE(zero.err.contains("not a regular file")) << zero.err.toStdString();

    // The writer hands over garbage to whoever opens the pipe.
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.lmk");
    lumikan::test::FifoWithWriter writer(pipe, QByteArray(64, '\xff'));
    ASSERT_TRUE(writer.made());
    const CliRun fifo = cli({"chart", pipe, "--defaults"});
    EXPECT_EQ(fifo.status, 1);
    EXPECT_TRUE(fifo.err.contains("not a regular file")) << fifo.err.toStdString();
}
