// Batches in one process and over worker processes: every line, in order.
#include "cli/batch_runner.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <unistd.h>

using lumikan::cli::BatchItemResult;
using lumikan::cli::runBatch;

namespace {

// Runs a batch into a temporary file and returns what it holds.
std::string runInto(std::size_t items, int jobs,
                    const std::function<BatchItemResult(std::size_t)>& work,
                    lumikan::cli::BatchOutcome& outcome)
{
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    outcome = runBatch(
        items, jobs, work, [](std::size_t i) { return "lost " + std::to_string(i); },
        file.handle());
    file.seek(0);
    return file.readAll().toStdString();
}

} // namespace

TEST(BatchRunner, EveryItemOnceInOrderWhateverTheJobs)
{
    // Every fifth item fails; lines of growing length cross the pipe's size.
    auto work = [](std::size_t i) {
        return BatchItemResult{std::to_string(i) + ":" + std::string(i * 97 % 5000, 'x'),
                               i % 5 == 0};
    };
    std::string expected;
    for (std::size_t i = 0; i < 203; ++i)
        expected += work(i).line + "\n";
    for (int jobs : {1, 2, 3, 7, 64}) {
        lumikan::cli::BatchOutcome outcome;
        EXPECT_EQ(runInto(203, jobs, work, outcome), expected) << jobs << " jobs";
        EXPECT_EQ(outcome.failed, 41u) << jobs << " jobs";
        EXPECT_FALSE(outcome.writeFailed);
    }
    lumikan::cli::BatchOutcome none;
    EXPECT_EQ(runInto(0, 4, work, none), "");
    EXPECT_EQ(none.failed, 0u);
}

TEST(BatchRunner, AWorkerThatDiesLeavesItsItemsToTheLostLine)
{
    const pid_t parent = ::getpid();
    // Item 40 ends its worker (never this test's own process); the items of its
    // run and of the runs that worker had still to do are reported lost.
    auto work = [parent](std::size_t i) {
        if (i == 40 && ::getpid() != parent)
            ::_exit(3);
        return BatchItemResult{"item " + std::to_string(i), false};
    };
    lumikan::cli::BatchOutcome outcome;
    const std::string out = runInto(100, 2, work, outcome);
    std::size_t lost = 0, done = 0, position = 0, previous = 0;
    for (std::size_t i = 0; i < 100; ++i) {
        const std::string itemLine = "item " + std::to_string(i) + "\n";
        const std::string lostLine = "lost " + std::to_string(i) + "\n";
        if (out.compare(position, itemLine.size(), itemLine) == 0) {
            position += itemLine.size();
            ++done;
        } else {
            ASSERT_EQ(out.compare(position, lostLine.size(), lostLine), 0) << "line of item " << i;
            position += lostLine.size();
            ++lost;
        }
        previous = i;
    }
    EXPECT_EQ(previous, 99u);
    EXPECT_EQ(position, out.size());
    EXPECT_GE(lost, 16u) << "at least the run of item 40";
    EXPECT_EQ(outcome.failed, lost);
    EXPECT_EQ(done + lost, 100u);
}
