#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace lumikan::cli {

// One item of a batch done: its output line (without the line break) and
// whether it failed.
struct BatchItemResult {
    std::string line;
    bool failed = false;
};

struct BatchOutcome {
    std::size_t failed = 0; // items whose result failed, or that a worker left undone
    bool writeFailed = false;
};

// Does items 0..itemCount-1 with `work` and writes their lines, each ending in
// a line feed, to the file descriptor `output` in item order.
//
// With `jobs` above 1 the items are spread over that many worker processes,
// forked from this one, in runs of a few items each; this process only passes
// their lines on, in order. The Swiss Ephemeris keeps its state per process,
// so nothing here may have computed a chart before: each worker opens the
// library itself. A worker that ends before its items are done leaves them to
// `lost`, whose line (a failure) stands in for each.
BatchOutcome runBatch(std::size_t itemCount, int jobs,
                      const std::function<BatchItemResult(std::size_t)>& work,
                      const std::function<std::string(std::size_t)>& lost, int output);

// The processors this process may run on (at least 1).
int processorCount();

} // namespace lumikan::cli
