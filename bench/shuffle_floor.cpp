// The floor of a headless run: only the part no model can skip. 200 rounds
// of rebuilding the turn order and making its 20 000 swaps from 40 000 draws
// of the generator. Prints a checksum so the work cannot be optimised away.
// With --pairs it draws as the run driver does (two draws per step of the
// generator's dependency chain): the floor for our own way of drawing.
#include <array>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <string_view>
#include <utility>

#include "platform/random.h"

int main(int argc, char** argv) {
  const bool pairs = argc > 1 && std::string_view(argv[1]) == "--pairs";
  const vorendal::FixedClock clock(60000000);
  vorendal::RandomGenerator random(clock);
  random.Randomize();
  std::array<std::int32_t, 2001> order{};
  std::uint64_t checksum = 0;
  for (int round = 0; round < 200; ++round) {
    std::iota(order.begin() + 1, order.end(), 1);
    if (pairs) {
      random.DrawPairs(20000, 2000, [&order](std::int32_t a, std::int32_t b) {
        std::swap(order[static_cast<std::size_t>(a + 1)], order[static_cast<std::size_t>(b + 1)]);
      });
    } else {
      for (int swap = 0; swap < 20000; ++swap) {
        const auto a = static_cast<std::size_t>(random.Random(2000) + 1);
        const auto b = static_cast<std::size_t>(random.Random(2000) + 1);
        std::swap(order[a], order[b]);
      }
    }
    checksum += static_cast<std::uint64_t>(order[1]);
  }
  std::printf("%llu\n", static_cast<unsigned long long>(checksum));
  return 0;
}
