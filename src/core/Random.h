#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace zentaro::core {

// The program's source of random numbers, handed to whatever needs them. The
// engine's output is fixed by the C++ standard and Below maps it onto a range
// by rejection, so a seed gives the same numbers with every compiler and
// library; the standard distributions give no such promise.
class Random {
 public:
  explicit Random(std::uint32_t seed = 5489u) : engine_(seed) {}

  static Random FromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    return Random(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
  }

  void Seed(std::uint32_t seed) { engine_.seed(seed); }

  // Uniform 0 .. k - 1; 0 when k is 1 or less.
  int Below(int k) {
    if (k <= 1) return 0;
    const auto bound = static_cast<std::uint32_t>(k);
    // Raw values below 2^32 mod k would make the low results more likely.
    const std::uint32_t threshold = (0u - bound) % bound;
    for (;;) {
      const auto x = static_cast<std::uint32_t>(engine_());
      if (x >= threshold) return static_cast<int>(x % bound);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace zentaro::core
