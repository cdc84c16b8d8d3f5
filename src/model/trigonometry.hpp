#pragma once

namespace swd {

// Sine and cosine of x (radians), correctly rounded, for |x| < 2^20; the figures' angles
// stay below 60. The libraries' std::sin and std::cos may round the last bit either way,
// and do so differently from one library to the next (and, in the same library, from one
// processor to the next), which would let a seed make other figures elsewhere. These are
// computed with the basic operations only, which round alike everywhere.
double Sine(double x);
double Cosine(double x);

}  // namespace swd
