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
    return static_cast<std::uint32_t>(engine_() >> 8);
  }
  void Seed(std::uint32_t seed) { engine_.seed(seed); }
  std::uint64_t Draws() const { return draws_; }
  void ResetDrawCount() { draws_ = 0; }

 private:
  std::mt19937 engine_{kStartSeed};
  std::uint64_t draws_ = 0;
};

}  // namespace swd
