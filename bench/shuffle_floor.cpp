// The floor of a headless run: only the part no model can skip. 200 rounds
// of rebuilding the turn order and making its 20 000 swaps from 40 000 draws
// of the generator. Prints a checksum so the work cannot be optimised away.
#include <array>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <utility>

#include "platform/random.h"

int main() {
  const vorendal::FixedClock clock(60000000);
  vorendal::RandomGenerator random(clock);
  random.Randomize();
  std::array<std::int32_t, 2001> order{};
  std::uint64_t checksum = 0;
  for (int round = 0; round < 200; ++round) {
    std::iota(order.begin() + 1, order.end(), 1);
    for (int swap = 0; swap < 20000; ++swap) {
      const auto a = static_cast<std::size_t>(random.Random(2000) + 1);
      const auto b = static_cast<std::size_t>(random.Random(2000) + 1);
      std::swap(order[a], order[b]);
    }
    checksum += static_cast<std::uint64_t>(order[1]);
  }
  std::printf("%llu\n", static_cast<unsigned long long>(checksum));
  return 0;
}
