#pragma once

#include <cstdlib>

// A property the fuzz target holds of every input: libFuzzer reports the abort with the input.
inline void Check(bool holds) {
  if (!holds) std::abort();
}
