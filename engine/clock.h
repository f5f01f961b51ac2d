#pragma once

namespace lumikan::engine {

// A local civil date and time handed to the engine by its caller. The engine
// never reads the system clock, so "today" is whatever this says (tests fix it).
struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

}  // namespace lumikan::engine
