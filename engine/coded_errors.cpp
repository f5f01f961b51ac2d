#include "engine/coded_errors.h"

#include "engine/chart_computation.h"

namespace lumikan::engine {

std::optional<CodedError> codedErrorFor(ChartStatus status)
{
    switch (status) {
    case ChartStatus::NoEphemeris:
        return CodedError{error_code::kNoEphemeris, kNoEphemerisMessage};
    case ChartStatus::NoHouses:
        return CodedError{error_code::kNoHouses, kNoHousesMessage};
    case ChartStatus::Ok:
        break;
    }
    return std::nullopt;
}

} // namespace lumikan::engine
