#pragma once

#include <QString>

#include "model/messages.hpp"

namespace swd::wizard {

// A message of the core in the language the program speaks: the translation of its key
// where one is loaded (language.hpp), else the core's German; its arguments likewise.
QString Text(const Message& message);

}  // namespace swd::wizard
