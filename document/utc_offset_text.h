#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace lumikan::document {

// "UTC+5:30", "UTC−5:00" (a true minus sign), "UTC+4:55:28" when the offset
// has seconds. `seconds` are east of UTC.
QString utcOffsetText(int seconds);

// An offset typed by a user, in seconds east of UTC: "+05:30", "-3:30",
// "+4:55:28", "UTC+5:30", "UTC −4:00", the pickers' "UTC +5:30 (IST)", or
// decimal hours "5.5" / "-3.5". The whole text must be the offset, from -14 to
// +14 hours, minutes and seconds below 60.
std::optional<int> parseUtcOffset(std::string_view text);

} // namespace lumikan::document
