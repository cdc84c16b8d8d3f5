#include "model/trigonometry.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace swd {
namespace {

struct Known {
  double x, sine, cosine;  // the sine and cosine of x rounded to nearest
};

// Values from a 300-bit evaluation. The first three are angles of the square spiral at
// which this machine's C library rounds the other way (cosine, sine, cosine).
constexpr Known kKnown[] = {
    {-0x1.3bb1f5aff8587p+5, -0x1.f697d68b1966ep-1, -0x1.86c6de8530ab7p-3},
    {-0x1.2f8c33ad9d619p+5, -0x1.ef74bfd3784efp-3, 0x1.f0ca99ed4ff11p-1},
    {-0x1.22fb3603743efp+5, 0x1.f0ca99edbd0d9p-1, 0x1.ef74bfcca1d1dp-3},
    {0x1.921fb54524550p+1, -0x1.c306f72cece67p-32, -1},  // 3.141592654, past pi
    {0x1.12e0be826d695p-30, 0x1.12e0be826d695p-30, 1},
    {0x1.0p-1, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
    {0x1.ap+5, 0x1.f92740724a4c7p-1, -0x1.4dce1c488956bp-3},
    {0x1.858eb79afb326p+5, -1, 0x1.b4eecf73857f4p-28},  // near 31 pi/2
};

TEST(Trigonometry, RoundsCorrectly) {
  for (const Known& k : kKnown) {
    EXPECT_EQ(Sine(k.x), k.sine) << std::hexfloat << k.x;
    EXPECT_EQ(Cosine(k.x), k.cosine) << std::hexfloat << k.x;
  }
}

TEST(Trigonometry, StaysWithinAnUlpOfTheLibraryAndIsOdd) {
  for (double x = -60; x <= 60; x += 0.0123) {
    const double s = Sine(x), c = Cosine(x);
    EXPECT_LE(std::fabs(s - std::sin(x)), std::nextafter(std::fabs(s), 2.0) - std::fabs(s)) << x;
    EXPECT_LE(std::fabs(c - std::cos(x)), std::nextafter(std::fabs(c), 2.0) - std::fabs(c)) << x;
    EXPECT_EQ(Sine(-x), -s);
    EXPECT_EQ(Cosine(-x), c);
  }
  EXPECT_EQ(Sine(0), 0);
  EXPECT_EQ(Cosine(0), 1);
}

}  // namespace
}  // namespace swd
