#pragma once

#include "engine/clock.h"

#include <functional>

namespace lumikan::document {

// Where "now" comes from: the system clock in the programs, a fixed moment in tests.
using Clock = std::function<engine::LocalDateTime()>;

// The local date and time of this computer.
engine::LocalDateTime systemNow();

// The clock's answer, or the system's when no clock is given.
engine::LocalDateTime readClock(const Clock& clock);

} // namespace lumikan::document
