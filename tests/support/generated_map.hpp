#pragma once

#include <cstdint>

#include "mapfile/swd_map.hpp"
#include "model/settings.hpp"
#include "run/run.hpp"

namespace swd::test {

// The map a whole run makes with `settings` and `seed`, read back from the file it wrote, as
// the command line's `analyze` reads a map; `outcome`, when given, receives the run's.
SwdMap GeneratedMap(const GeneratorSettings& settings, std::uint32_t seed,
                    RunOutcome* outcome = nullptr);

// Settings of a square map with "Erweiterte Einstellungen" and the given shape and players.
GeneratorSettings ShapedSettings(LandShape shape, int players, std::int16_t side = 128);

}  // namespace swd::test
