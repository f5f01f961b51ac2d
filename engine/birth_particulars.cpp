#include "engine/birth_particulars.h"

#include "engine/chart.h"

namespace lumikan::engine {

BirthParticulars buildBirthParticulars(Chart&) { return {}; }

}  // namespace lumikan::engine
