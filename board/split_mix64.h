#pragma once

#include <cstdint>

namespace lucen {

// SplitMix64: a small generator written out here, so that a seed gives the same sequence wherever
// the game runs (the standard library's engines are fixed, its distributions are not).
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15U);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebU;
    return z ^ (z >> 31U);
  }

  // Uniform in 0..count-1 (count at least 1): draws past the last whole multiple of `count` are
  // drawn again, so that no value is favoured.
  int Below(int count) {
    const auto n = static_cast<std::uint64_t>(count);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t value = Next();
    while (value >= limit) value = Next();
    return static_cast<int>(value % n);
  }

 private:
  std::uint64_t state_;
};

}  // namespace lucen
