#pragma once

#include <cstdint>
#include <random>

namespace swd {

// The one random source of a generator. Every value takes exactly one engine output,
// so a map is fixed by the seed and the settings on every platform.
class Random {
 public:
  static constexpr std::uint32_t kStartSeed = 5489;

  // Next value r with 0 <= r < 1: the top 24 bits of the engine output, exact in a float.
  float Next() { return static_cast<float>(NextBits()) / 16777216.0f; }
  // The same draw as the whole number 2^24 r, 0 <= 2^24 r < 2^24.
  std::uint32_t NextBits() {
    ++draws_;
    return engine_() >> 8;
  }
  // Skips n draws: the engine ends where n calls of Next would leave it, without tempering
  // each output.
  void Skip(std::uint64_t n) {
    draws_ += n;
    engine_.discard(n);
  }
  void Seed(std::uint32_t seed) { engine_.seed(seed); }
  std::uint64_t Draws() const { return draws_; }
  void ResetDrawCount() { draws_ = 0; }

 private:
  // std::mt19937 with its words held in 32 bits: the same outputs, at less than half the
  // cost of std::mt19937's words, which are 64 bits wide on the usual 64-bit platforms.
  using Engine =
      std::mersenne_twister_engine<std::uint32_t, 32, 624, 397, 31, 0x9908b0df, 11, 0xffffffff, 7,
                                   0x9d2c5680, 15, 0xefc60000, 18, 1812433253>;
  Engine engine_{kStartSeed};
  std::uint64_t draws_ = 0;
};

}  // namespace swd
