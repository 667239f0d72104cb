// The program-wide pseudo-random generator: a 32-bit linear congruential
// generator whose exact sequence is part of the program's behaviour (a given
// seed must give the same society and the same run on every machine).
//
// Plain C++ with no toolkit, so the model, the headless runner and the tests
// can use it. The clock it reseeds from is injected: the window passes the
// system clock, tests and the runner a fixed one.
#pragma once

#include <cstdint>

namespace vorendal {

// Milliseconds since midnight UTC: ((h * 60 + m) * 60 + s) * 1000 + ms,
// so 0..86399999.
class TimeOfDayClock {
 public:
  virtual ~TimeOfDayClock() = default;
  virtual std::uint32_t MillisecondsSinceMidnight() const = 0;
};

class SystemClock final : public TimeOfDayClock {
 public:
  std::uint32_t MillisecondsSinceMidnight() const override;
};

class FixedClock final : public TimeOfDayClock {
 public:
  explicit FixedClock(std::uint32_t value) : value_(value) {}
  std::uint32_t MillisecondsSinceMidnight() const override { return value_; }

 private:
  std::uint32_t value_;
};

class RandomGenerator {
 public:
  static constexpr std::uint32_t kMultiplier = 134775813u;

  // The clock must outlive the generator.
  explicit RandomGenerator(const TimeOfDayClock& clock) : clock_(&clock) {}

  void Randomize() { RandSeed = clock_->MillisecondsSinceMidnight(); }

  // A uniform integer in 0..n-1 (0 when n is 0): the upper 32 bits of the
  // 64-bit product of the advanced seed and n.
  std::int32_t Random(std::int32_t n) {
    RandSeed = RandSeed * kMultiplier + 1u;
    return static_cast<std::int32_t>(
        (static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n)) >> 32);
  }

  // `pairs` pairs of draws below n, in order: f(first, second) for each.
  // The same values as calling Random twice per pair, computed faster: the
  // second draw's seed is reached from the pair's starting seed in one
  // step, so the two multiplications need not wait for each other.
  template <class F>
  void DrawPairs(int pairs, std::int32_t n, F&& f) {
    // Two steps at once: s * m^2 + (m + 1), modulo 2^32.
    constexpr std::uint32_t kMul2 = kMultiplier * kMultiplier;
    constexpr std::uint32_t kAdd2 = kMultiplier + 1u;
    const auto bound = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n));
    std::uint32_t seed = RandSeed;
    for (int p = 0; p < pairs; ++p) {
      const std::uint32_t first = seed * kMultiplier + 1u;
      const std::uint32_t second = seed * kMul2 + kAdd2;
      f(static_cast<std::int32_t>((first * bound) >> 32),
        static_cast<std::int32_t>((second * bound) >> 32));
      seed = second;
    }
    RandSeed = seed;
  }

  std::uint32_t RandSeed = 0;

 private:
  const TimeOfDayClock* clock_;
};

}  // namespace vorendal
