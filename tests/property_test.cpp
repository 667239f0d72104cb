// The rules' invariants over thousands of seeds, every similarity level,
// with and without the lifetime option: checked after every relocation
// (the moved agent's cells) and fully at the end of every round.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "model/run.h"
#include "society_checks.h"

namespace vorendal {
namespace {

// Watches a run: the painter sees each relocation complete (its disc is
// drawn last), the host sees each round end and every log line.
class InvariantWatch final : public MapPainter, public RunHost {
 public:
  InvariantWatch(const Society& society, std::int32_t rounds, double threshold, bool lifetime)
      : society_(society), rounds_(rounds), threshold_(threshold), lifetime_(lifetime) {}

  void StrategyMap() override {}
  void DrawMap() override {  // the new society: remember every colour
    for (int i = 1; i <= AgentCount; ++i)
      colours_[static_cast<std::size_t>(i)] = society_.Agents(i).Color;
    ++societies;
  }
  void EraseCell(int X, int Y) override {
    if (society_.Grid(X, Y) != 0) Fail("the old cell is not empty");
    erased_ = CellIndex(X, Y);
  }
  void DrawAgentAt(int i, int X, int Y) override {
    ++relocations;
    const TAgent& a = society_.Agents(i);
    if (a.X != X || a.Y != Y || society_.Grid(X, Y) != i) Fail("the agent is not on its new cell");
    if (a.Color != colours_[static_cast<std::size_t>(i)]) Fail("a colour changed");
    if (a.Life > 30) Fail("a lifetime beyond 30");
    if (society_.QualifyingCount(a.Color, 0) != EmptyCellCount) Fail("not 500 empty cells");
    if (erased_ == CellIndex(X, Y)) Fail("moved onto its own cell");
  }

  std::int32_t RoundLimit() override { return rounds_; }
  double Threshold() override { return threshold_; }
  bool LifeTimeOption() override { return lifetime_; }
  void ShowRound(std::int32_t) override {}
  void ShowTurn(std::int32_t) override {}
  void AppendLog(std::string_view line) override { log.emplace_back(line); }
  void RoundEnded(const RoundTally& t) override {
    if (t.Sought < 0 || t.Sought > AgentCount || t.Moved < 0 || t.Moved > t.Sought) {
      Fail("Moves out of 0..2000");
    }
    if (!SocietyConsistent(society_)) Fail("the society is inconsistent at a round's end");
    for (int i = 1; i <= AgentCount; ++i) {
      const TAgent& a = society_.Agents(i);
      if (a.Color != colours_[static_cast<std::size_t>(i)] || a.Life > 30) Fail("bad agent record");
    }
  }

  std::vector<std::string> log;
  std::string failure;
  long relocations = 0;
  int societies = 0;

 private:
  void Fail(const char* what) {
    if (failure.empty()) failure = what;
  }
  const Society& society_;
  std::int32_t rounds_;
  double threshold_;
  bool lifetime_;
  std::array<std::uint8_t, AgentCount + 1> colours_{};
  int erased_ = -1;
};

// VORENDAL_PROPERTY_SEEDS sets how many seeds to try (default 600, times
// eight settings); a large number makes a soak run.
std::uint32_t SeedCount() {
  const char* text = std::getenv("VORENDAL_PROPERTY_SEEDS");
  return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 600;
}

TEST(Invariants, HoldAfterEveryRelocationOverThousandsOfSeeds) {
  const std::uint32_t seeds = SeedCount();
  const std::regex round_line("[1-9][0-9]* : (0|[1-9][0-9]*)");
  const double thresholds[] = {0.25, 0.5, 0.75, 1.0};  // one like neighbour up to four
  long relocations = 0;
  int runs = 0;
  for (std::uint32_t seed = 0; seed < seeds; ++seed) {
    for (const double threshold : thresholds) {
      for (const bool lifetime : {false, true}) {
        const std::int32_t rounds = 4 + static_cast<std::int32_t>(seed % 5);
        const std::uint32_t clock_value = seed * 2654435761u;  // spread over all seeds
        const FixedClock clock(clock_value);
        RandomGenerator random(clock);
        Society society;
        InvariantWatch watch(society, rounds, threshold, lifetime);
        RunDriver(society, random, watch, watch).Execute();
        SCOPED_TRACE(::testing::Message() << "clock " << clock_value << " minimum " << threshold
                                          << (lifetime ? " lifetime" : ""));
        ASSERT_EQ(watch.failure, "");
        ASSERT_EQ(watch.societies, 1);
        ASSERT_GE(watch.log.size(), 2u);
        ASSERT_EQ(watch.log.back(), "Normal End of Job");
        for (std::size_t r = 0; r + 1 < watch.log.size(); ++r) {
          ASSERT_TRUE(std::regex_match(watch.log[r], round_line)) << watch.log[r];
          ASSERT_EQ(watch.log[r].substr(0, watch.log[r].find(' ')), std::to_string(r + 1));
        }
        if (lifetime) {
          ASSERT_EQ(watch.log.size(), static_cast<std::size_t>(rounds) + 1);
        }
        relocations += watch.relocations;
        ++runs;
      }
    }
  }
  EXPECT_EQ(runs, static_cast<int>(seeds) * 8);
  std::printf("%d runs, %ld relocations checked\n", runs, relocations);
}

}  // namespace
}  // namespace vorendal
