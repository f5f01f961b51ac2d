#include "engine/vargas.h"

namespace lumikan::engine {

std::map<int, VargaChart> buildVargas(const Chart&) { return {}; }

}  // namespace lumikan::engine
