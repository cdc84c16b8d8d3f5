#include "model/trigonometry.hpp"

#include <cmath>

namespace swd {

namespace {

// A number as the unevaluated sum hi + lo, |lo| at most half an ulp of hi: about 106 bits.
struct Double2 {
  double hi = 0, lo = 0;
};

Double2 TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

Double2 QuickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// The exact product, by Dekker's splitting (no fused multiply-add, which not every
// target has in hardware).
Double2 TwoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double ca = kSplitter * a, cb = kSplitter * b;
  const double ah = ca - (ca - a), al = a - ah;
  const double bh = cb - (cb - b), bl = b - bh;
  const double p = a * b;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Double2 Add(Double2 x, Double2 y) {
  Double2 s = TwoSum(x.hi, y.hi);
  const Double2 t = TwoSum(x.lo, y.lo);
  s.lo += t.hi;
  s = QuickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return QuickTwoSum(s.hi, s.lo);
}

Double2 Multiply(Double2 x, Double2 y) {
  Double2 p = TwoProduct(x.hi, y.hi);
  p.lo += x.hi * y.lo + x.lo * y.hi;
  return QuickTwoSum(p.hi, p.lo);
}

Double2 Divide(Double2 x, double d) {
  const double q1 = x.hi / d;
  const Double2 p = TwoProduct(q1, d);
  Double2 s = TwoSum(x.hi, -p.hi);
  s.lo = s.lo - p.lo + x.lo;
  const double q2 = (s.hi + s.lo) / d;
  return QuickTwoSum(q1, q2);
}

// pi/2 in parts of at most 33 significant bits, so that k times a part is exact for
// |k| < 2^20: together 140 bits.
constexpr double kHalfPi[] = {0x1.921fb544p+0, 0x1.0b4611a6p-34, 0x1.3198a2ep-69,
                              0x1.b839a252p-104};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

// x - k pi/2 for the k nearest to x / (pi/2), and k modulo 4.
struct Reduced {
  Double2 r;
  int quadrant = 0;
};

Reduced Reduce(double x) {
  const double k = std::nearbyint(x * kTwoOverPi);
  // The first difference is exact: k pi/2 lies within a factor of two of x.
  Double2 r{x - k * kHalfPi[0], 0};
  for (int i = 1; i < 4; ++i)
    r = Add(r, {-k * kHalfPi[i], 0});
  const long q = static_cast<long>(k) % 4;
  return {r, static_cast<int>(q < 0 ? q + 4 : q)};
}

// The Taylor series of sin (first = 1) or cos (first = 0) at |r| < 0.8, summed until the
// terms fall below the sum's 110th bit.
Double2 Series(Double2 r, int first) {
  const Double2 r2 = Multiply(r, r);
  Double2 term = first == 1 ? r : Double2{1, 0};
  Double2 sum = term;
  for (int n = first; std::fabs(term.hi) > 0x1p-110 * std::fabs(sum.hi); n += 2) {
    term = Divide(Multiply(term, r2), -static_cast<double>((n + 1) * (n + 2)));
    sum = Add(sum, term);
  }
  return sum;
}

double SineOfReduced(const Reduced& x, int shift) {
  // sin(r + q pi/2) for q = 0..3: sin r, cos r, -sin r, -cos r.
  const int q = (x.quadrant + shift) % 4;
  const double v = Series(x.r, q % 2 == 0 ? 1 : 0).hi;
  return q >= 2 ? -v : v;
}

}  // namespace

double Sine(double x) {
  return SineOfReduced(Reduce(x), 0);
}

double Cosine(double x) {
  // cos x = sin(x + pi/2).
  return SineOfReduced(Reduce(x), 1);
}

}  // namespace swd
