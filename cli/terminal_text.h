#pragma once

#include <string>
#include <string_view>

namespace lumikan::cli {

// Text for a terminal. Names come from users and files; a control character
// in them could move the cursor, retitle the window or hide output, so
// control characters are shown as escapes ("\x1b", "\u009b") and bytes that
// are not UTF-8 as U+FFFD.

// One field inside a line: every control character escaped, line breaks too.
std::string terminalField(std::string_view text);
// Whole output: as terminalField, but line feeds and tabs are kept.
std::string terminalText(std::string_view text);

// Bytes that are not well-formed UTF-8 replaced by U+FFFD; valid text unchanged.
std::string validUtf8(std::string_view bytes);

} // namespace lumikan::cli
