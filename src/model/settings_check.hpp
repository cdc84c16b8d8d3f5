#pragma once

#include <optional>
#include <string>

#include "model/messages.hpp"
#include "model/settings.hpp"

namespace swd {

// The shape a run builds, as the pages' three shape values name it.
struct RunShape {
  BaseShape shape = BaseShape::Island;
  bool symmetric = false;
  bool operator==(const RunShape&) const = default;
};

// The shape of one of the six choices of the base-shape page; none for any other triple.
std::optional<RunShape> ShapeOf(const GeneratorSettings& s);

// Checks every setting a run reads against what the wizard's controls and the command
// line's options allow: the sizes 32 to 256 in steps of 16, the landscape type, 1 to 7
// players, a shape of the base-shape page, every slider in its dialog's range, resource
// shares adding up to 100 and, for "Spezial" with the extended settings, a chosen picture.
// Returns an empty message when a run can use them, else one about the first setting that
// cannot be used.
Message CheckSettings(const GeneratorSettings& s);

}  // namespace swd
