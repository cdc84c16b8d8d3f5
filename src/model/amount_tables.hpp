#pragma once

#include "model/generator.hpp"

namespace swd {

// Region counts and walk lengths per class from the map size (and "Flächen-variante"),
// plus the decoration tables. Reads g.settings; writes g.amounts.
void ComputeClassTables(Generator& g);

}  // namespace swd
