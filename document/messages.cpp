#include "document/messages.h"

namespace lumikan::document {

std::string formatCodedError(std::string_view code, std::string_view message)
{
    std::string text = "Error Code: ";
    text += code;
    text += "\n\n";
    text += message;
    return text;
}

} // namespace lumikan::document
