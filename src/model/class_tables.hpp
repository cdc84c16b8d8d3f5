#pragma once

#include "model/tables.hpp"

namespace swd {

// Base heights, property codes and preview colours of the terrain classes for one
// landscape type.
void FillClassTables(ClassTables& t, int landscape_type);

}  // namespace swd
