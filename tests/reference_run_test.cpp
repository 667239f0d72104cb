// Whole runs against a literal reading of the rules: contentment from the
// similarity of the agent's cell, the new cell from a scan of the whole
// grid, the shuffle from single draws. The optimised driver must give the
// same log, the same final society and the same generator state.
#include <gtest/gtest.h>

#include <numeric>

#include "model/rules.h"
#include "model/run.h"
#include "scripted_host.h"

namespace vorendal {
namespace {

struct Literal {
  std::vector<std::string> log;
  Society society;
  std::uint32_t seed_after = 0;
};

Literal LiteralRun(std::uint32_t seed, int max_rounds, double threshold, bool lifetime) {
  Literal out;
  const FixedClock clock(seed);
  RandomGenerator random(clock);
  random.Randomize();
  Society& s = out.society;
  DefaultValues(s, random);
  std::array<int, AgentCount + 1> order{};
  CandidateList candidates;
  for (int round = 1;; ++round) {
    std::iota(order.begin() + 1, order.end(), 1);
    for (int swap = 0; swap < 10 * AgentCount; ++swap) {
      const auto a = static_cast<std::size_t>(random.Random(AgentCount) + 1);
      const auto b = static_cast<std::size_t>(random.Random(AgentCount) + 1);
      std::swap(order[a], order[b]);
    }
    int moves = 0;
    for (int turn = 1; turn <= AgentCount; ++turn) {
      const int current = order[static_cast<std::size_t>(turn)];
      const std::uint8_t life = s.Agents(current).Life;
      s.SetLife(current, static_cast<std::uint8_t>(life > 0 ? life - 1 : 0));
      if (AgentSimilarity(s, current) >= threshold && s.Agents(current).Life != 0) continue;
      ++moves;
      ScanCandidates(s, current, threshold, candidates);
      if (candidates.count == 0) continue;
      const TNewCell cell =
          candidates.cells[static_cast<std::size_t>(random.Random(candidates.count))];
      const bool renew = s.Agents(current).Life == 0;
      s.MoveAgentTo(current, cell.X, cell.Y);
      if (renew) s.SetLife(current, static_cast<std::uint8_t>(random.Random(20) + 11));
    }
    out.log.push_back(std::to_string(round) + " : " + std::to_string(moves));
    if (round >= max_rounds || (!lifetime && moves == 0)) break;
  }
  out.log.emplace_back("Normal End of Job");
  out.seed_after = random.RandSeed;
  return out;
}

TEST(ReferenceRun, TheDriverMatchesALiteralReadingOfTheRules) {
  int compared = 0;
  for (std::uint32_t seed = 11; seed < 11 + 12; ++seed) {
    for (const double threshold : {0.0, 0.25, 0.4, 0.5, 0.75, 1.0}) {
      for (const bool lifetime : {false, true}) {
        const std::uint32_t clock_value = seed * 7340033u;
        SCOPED_TRACE(::testing::Message() << "clock " << clock_value << " minimum " << threshold
                                          << (lifetime ? " lifetime" : ""));
        const Literal want = LiteralRun(clock_value, 8, threshold, lifetime);
        const FixedClock clock(clock_value);
        RandomGenerator random(clock);
        Society society;
        ScriptedHost host(8, threshold, lifetime);
        NullMapPainter map;
        RunDriver(society, random, host, map).Execute();
        ASSERT_EQ(host.log, want.log);
        ASSERT_EQ(random.RandSeed, want.seed_after);
        for (int i = 1; i <= AgentCount; ++i) {
          const TAgent a = society.Agents(i), b = want.society.Agents(i);
          ASSERT_EQ(std::tie(a.Color, a.X, a.Y, a.Life), std::tie(b.Color, b.X, b.Y, b.Life)) << i;
        }
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 12 * 6 * 2);
}

}  // namespace
}  // namespace vorendal
