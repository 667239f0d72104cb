#include "model/run.h"

#include <gtest/gtest.h>

#include "golden.h"
#include "recording_painter.h"
#include "scripted_host.h"
#include "society_checks.h"

namespace vorendal {
namespace {

struct Outcome {
  ScriptedHost host;
  Society society;
};

std::unique_ptr<Outcome> PlayRun(std::uint32_t seed, int rounds, double minimum, bool lifetime) {
  auto outcome = std::make_unique<Outcome>(Outcome{ScriptedHost(rounds, minimum, lifetime), {}});
  const FixedClock clock(seed);
  RandomGenerator random(clock);
  NullMapPainter map;
  RunDriver(outcome->society, random, outcome->host, map).Execute();
  return outcome;
}

TEST(Run, ReproducesTheGoldenRuns) {
  const auto cases = testing::GoldenLines("run ");
  ASSERT_FALSE(cases.empty());
  for (const auto& line : cases) {
    SCOPED_TRACE(line);
    const auto seed = static_cast<std::uint32_t>(std::stoul(testing::Field(line, "seed")));
    const int rounds = std::stoi(testing::Field(line, "rounds"));
    const double minimum = std::stod(testing::Field(line, "minimum"));
    const bool lifetime = testing::Field(line, "lifetime") == "yes";
    const auto outcome = PlayRun(seed, rounds, minimum, lifetime);
    EXPECT_EQ(outcome->host.Joined(), line.substr(line.find(": ") + 2));
  }
}

TEST(Run, OneRoundGivesOneLineThenTheEnd) {
  const auto outcome = PlayRun(777, 1, 0.25, false);
  ASSERT_EQ(outcome->host.log.size(), 2u);
  EXPECT_EQ(outcome->host.log[0].rfind("1 : ", 0), 0u);
  EXPECT_EQ(outcome->host.log[1], "Normal End of Job");
  EXPECT_EQ(outcome->host.round_shown, 1);
  EXPECT_EQ(outcome->host.turn_shown, 2000);
  EXPECT_EQ(outcome->host.turns_shown, 2000);
  ExpectSocietyConsistent(outcome->society);
}

TEST(Run, StopsAfterARoundWithoutMoversUnlessLifetimeIsOn) {
  const auto outcome = PlayRun(45296789, 50, 0.25, false);
  const auto& log = outcome->host.log;
  ASSERT_GE(log.size(), 3u);
  EXPECT_LT(log.size(), 52u);
  EXPECT_EQ(log[log.size() - 2], std::to_string(log.size() - 1) + " : 0");

  const auto kept_on = PlayRun(45296789, 12, 0.25, true);
  ASSERT_EQ(kept_on->host.log.size(), 13u);  // every round of the limit, then the end
  EXPECT_EQ(kept_on->host.log[11].rfind("12 : ", 0), 0u);
}

TEST(Run, TalliesSoughtAndMovedAndTheLogCountsEverySeeker) {
  const auto outcome = PlayRun(2024, 30, 0.75, true);
  ASSERT_EQ(outcome->host.tallies.size(), 30u);
  bool someone_stayed = false;
  for (const RoundTally& t : outcome->host.tallies) {
    EXPECT_EQ(outcome->host.log[static_cast<std::size_t>(t.Round - 1)],
              RoundLogLine(t.Round, t.Sought));
    EXPECT_LE(t.Moved, t.Sought);
    someone_stayed |= t.Moved < t.Sought;
  }
  // At 0.75 some seekers find no qualifying cell and are counted all the same.
  EXPECT_TRUE(someone_stayed);
}

TEST(Run, ShuffleIsAFreshPermutationEachRound) {
  const FixedClock clock(5);
  RandomGenerator random(clock);
  Society society;
  ScriptedHost host(1, 0.25, false);
  NullMapPainter map;
  RunDriver driver(society, random, host, map);
  random.Randomize();
  driver.ShuffleOrder();
  const auto first = driver.Order;
  std::vector<int> seen(AgentCount + 1, 0);
  for (int k = 1; k <= AgentCount; ++k)
    ++seen[static_cast<std::size_t>(first[static_cast<std::size_t>(k)])];
  for (int k = 1; k <= AgentCount; ++k) EXPECT_EQ(seen[static_cast<std::size_t>(k)], 1) << k;
  // 40 000 draws per shuffle, and the result depends only on them.
  random.Randomize();
  RandomGenerator count(clock);
  count.Randomize();
  for (int d = 0; d < 40000; ++d) count.Random(AgentCount);
  driver.ShuffleOrder();
  EXPECT_EQ(driver.Order, first);
  EXPECT_EQ(random.RandSeed, count.RandSeed);
}

TEST(Run, DrawsTheNewSocietyThenOnlyCellChanges) {
  const FixedClock clock(31337);
  RandomGenerator random(clock);
  Society society;
  ScriptedHost host(1, 0.5, false);
  RecordingPainter painter;
  RunDriver(society, random, host, painter).Execute();
  ASSERT_GE(painter.calls.size(), 2u);
  EXPECT_EQ(painter.calls[0], "StrategyMap");
  EXPECT_EQ(painter.calls[1], "DrawMap");
  const std::size_t moves = (painter.calls.size() - 2) / 2;
  EXPECT_EQ(painter.calls.size(), 2 + 2 * moves);
  EXPECT_EQ(static_cast<int>(moves), host.tallies.at(0).Moved);
}

// Every agent of one colour with the 500 empty cells in one 20 x 25 block:
// at minimum 0.75 everyone is content (three or four like neighbours) and
// no empty cell qualifies (at most two). Lifetimes of 1 run out in round 1.
class ContentButStuck : public ::testing::Test {
 protected:
  void SetUp() override {
    int i = 0;
    for (int x = 1; x <= GridSize; ++x) {
      for (int y = 1; y <= GridSize; ++y) {
        const bool in_block = x >= 11 && x <= 30 && y >= 11 && y <= 35;
        if (!in_block) {
          ++i;
          society.PlaceAgent(
              i, TAgent{1, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 1});
        }
      }
    }
    ASSERT_EQ(i, AgentCount);
  }
  FixedClock clock{8};
  RandomGenerator random{clock};
  Society society;
  ScriptedHost host{0, 0.75, true};
  NullMapPainter map;
};

TEST_F(ContentButStuck, AnExpiredLifeStaysAtZeroAndTheAgentKeepsSeeking) {
  RunDriver driver(society, random, host, map);
  driver.PlayRounds(3, 0.75, true);
  ASSERT_EQ(host.tallies.size(), 3u);
  for (const RoundTally& t : host.tallies) {
    EXPECT_EQ(t.Sought, AgentCount) << "round " << t.Round;  // counted though content
    EXPECT_EQ(t.Moved, 0) << "round " << t.Round;
  }
  for (int i = 1; i <= AgentCount; ++i) ASSERT_EQ(society.Agents(i).Life, 0) << i;
  ExpectSocietyConsistent(society);
}

TEST_F(ContentButStuck, AContentAgentWhoseLifeRunsOutMovesAndIsRenewed) {
  // Lifetimes of 5: everyone is content at 0.5, so nobody seeks a cell in
  // rounds 1 to 4; in round 5 every lifetime runs out and all 2000 seek one.
  // The block's corners have two like neighbours and qualify, so some move.
  RunDriver driver(society, random, host, map);
  for (int i = 1; i <= AgentCount; ++i) society.SetLife(i, 5);
  driver.PlayRounds(5, 0.5, true);
  ASSERT_EQ(host.tallies.size(), 5u);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(host.tallies[static_cast<std::size_t>(r)].Sought, 0);
  EXPECT_EQ(host.tallies[4].Sought, AgentCount);
  // Each agent that moved got a new life of 11..30; the rest stay at 0.
  int renewed = 0;
  for (int i = 1; i <= AgentCount; ++i) {
    const int life = society.Agents(i).Life;
    EXPECT_TRUE(life == 0 || (life >= 11 && life <= 30)) << i << " " << life;
    renewed += life >= 11;
  }
  EXPECT_GT(host.tallies[4].Moved, 0);
  EXPECT_EQ(renewed, host.tallies[4].Moved);
  ExpectSocietyConsistent(society);
}

}  // namespace
}  // namespace vorendal
