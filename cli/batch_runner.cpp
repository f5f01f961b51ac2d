#include "cli/batch_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumikan::cli {

namespace {

// Items per run: long enough that passing results on costs little, short
// enough that every worker starts at once on a small batch.
constexpr std::size_t kItemsPerRun = 16;
// A pipe this large holds a run of charts, so a worker rarely waits.
constexpr int kPipeBytes = 1 << 20;

// What a worker writes before each run's lines.
struct RunHeader {
    std::uint64_t bytes = 0;
    std::uint64_t failed = 0;
};

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::read(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The lines of items [first, last) and how many failed.
std::string doRun(std::size_t first, std::size_t last,
                  const std::function<BatchItemResult(std::size_t)>& work, std::uint64_t& failed)
{
    std::string lines;
    for (std::size_t i = first; i < last; ++i) {
        BatchItemResult result = work(i);
        failed += result.failed ? 1 : 0;
        lines += result.line;
        lines += '\n';
    }
    return lines;
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    bool alive = true;
};

// A worker's life: runs worker, worker + jobs, ... each sent as a header and its lines.
[[noreturn]] void workerMain(std::size_t worker, std::size_t jobs, std::size_t runs,
                             std::size_t itemCount,
                             const std::function<BatchItemResult(std::size_t)>& work, int fd)
{
    for (std::size_t run = worker; run < runs; run += jobs) {
        RunHeader header;
        const std::size_t first = run * kItemsPerRun;
        const std::string lines =
            doRun(first, std::min(itemCount, first + kItemsPerRun), work, header.failed);
        header.bytes = lines.size();
        if (!writeAll(fd, reinterpret_cast<const char*>(&header), sizeof header) ||
            !writeAll(fd, lines.data(), lines.size()))
            ::_exit(1);
    }
    ::_exit(0);
}

} // namespace

int processorCount()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return static_cast<int>(std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN)));
}

BatchOutcome runBatch(std::size_t itemCount, int jobs,
                      const std::function<BatchItemResult(std::size_t)>& work,
                      const std::function<std::string(std::size_t)>& lost, int output)
{
    BatchOutcome outcome;
    const std::size_t runs = (itemCount + kItemsPerRun - 1) / kItemsPerRun;
    const std::size_t workers =
        std::min<std::size_t>(runs, static_cast<std::size_t>(std::max(1, jobs)));

    if (workers <= 1) {
        for (std::size_t run = 0; run < runs; ++run) {
            std::uint64_t failed = 0;
            const std::size_t first = run * kItemsPerRun;
            const std::string lines =
                doRun(first, std::min(itemCount, first + kItemsPerRun), work, failed);
            outcome.failed += failed;
            if (!outcome.writeFailed && !writeAll(output, lines.data(), lines.size()))
                outcome.writeFailed = true;
        }
        return outcome;
    }

    std::vector<Worker> pool(workers);
    for (std::size_t w = 0; w < workers; ++w) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            pool[w].alive = false;
            continue;
        }
        ::fcntl(fds[1], F_SETPIPE_SZ, kPipeBytes);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            // The other workers' pipes are not this one's business.
            for (std::size_t other = 0; other < w; ++other)
                if (pool[other].fd >= 0)
                    ::close(pool[other].fd);
            workerMain(w, workers, runs, itemCount, work, fds[1]);
        }
        ::close(fds[1]);
        if (pid < 0) {
            ::close(fds[0]);
            pool[w].alive = false;
            continue;
        }
        pool[w].pid = pid;
        pool[w].fd = fds[0];
    }

    std::string lines;
    for (std::size_t run = 0; run < runs; ++run) {
        Worker& worker = pool[run % workers];
        const std::size_t first = run * kItemsPerRun;
        const std::size_t last = std::min(itemCount, first + kItemsPerRun);
        RunHeader header;
        bool received = false;
        if (worker.alive && readAll(worker.fd, reinterpret_cast<char*>(&header), sizeof header)) {
            lines.resize(header.bytes);
            received = readAll(worker.fd, lines.data(), lines.size());
        }
        if (received) {
            outcome.failed += header.failed;
        } else {
            worker.alive = false;
            lines.clear();
            for (std::size_t i = first; i < last; ++i) {
                lines += lost(i);
                lines += '\n';
            }
            outcome.failed += last - first;
        }
        if (!outcome.writeFailed && !writeAll(output, lines.data(), lines.size()))
            outcome.writeFailed = true;
    }
    for (Worker& worker : pool) {
        if (worker.fd >= 0)
            ::close(worker.fd);
        if (worker.pid > 0) {
            int status = 0;
            while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    return outcome;
}

} // namespace lumikan::cli
