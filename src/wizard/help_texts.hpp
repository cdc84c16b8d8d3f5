#pragma once

#include <QString>

#include "wizard/navigation.hpp"

namespace swd::wizard {

// The help "&Hilfe" shows for a page, as rich text in the wizard's language: what each
// setting does to the landscape, with the numbers a map maker needs. Empty for a page
// without help.
QString HelpText(PageId page);

}  // namespace swd::wizard
