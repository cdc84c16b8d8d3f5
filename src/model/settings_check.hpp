#pragma once

#include "model/messages.hpp"
#include "model/settings.hpp"

namespace swd {

// Checks every setting a run reads against the table of settings (setting_table.hpp), the
// ranges the wizard's controls and the command line's options allow: every value in its
// row's range and on its steps, resource shares adding up to 100 and, for "Spezial" with the
// extended settings, a chosen picture. Returns an empty message when a run can use them,
// else one about the first setting that cannot be used.
Message CheckSettings(const GeneratorSettings& s);

}  // namespace swd
