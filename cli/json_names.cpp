#include "cli/json_names.h"

namespace lumikan::cli {

std::string_view jsonBodyName(engine::BodyId body)
{
    // The full form of the names, whatever the settings' planet-name form.
    return engine::bodyName(body, 2);
}

std::string_view jsonLordName(engine::LordIndex lord)
{
    return engine::lordName(lord);
}

} // namespace lumikan::cli
