#include "model/amount_tables.hpp"

namespace swd {

void ComputeClassTables(Generator&) {}

}  // namespace swd
