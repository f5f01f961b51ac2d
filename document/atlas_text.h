#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lumikan::document {

// Text from a file as valid UTF-8: invalid sequences become U+FFFD.
std::string validUtf8(std::string_view bytes);

// Unicode case folding, the form in which names are compared ignoring case.
QString caseFolded(std::string_view utf8);

bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace lumikan::document
