#include "model/rules.h"

#include <gtest/gtest.h>

#include "recording_painter.h"
#include "society_checks.h"

namespace vorendal {
namespace {

// A mostly empty grid with a few agents placed by hand.
class SmallSociety : public ::testing::Test {
 protected:
  void Put(int i, int color, int x, int y, int life = 20) {
    society.PlaceAgent(i, TAgent{static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(x),
                                 static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(life)});
  }
  FixedClock clock{42};
  RandomGenerator random{clock};
  Society society;
  RecordingPainter painter;
};

TEST_F(SmallSociety, SimilarityCountsLikeNeighboursOverFourCells) {
  struct Case {
    const char* name;
    std::vector<std::array<int, 3>> others;  // colour, x, y around the agent at 10, 10
    double similarity;
    bool content_at_quarter, content_at_half;
  };
  const Case cases[] = {
      {"no neighbours", {}, 0.0, false, false},
      {"one like, three unlike",
       {{1, 10, 9}, {2, 11, 10}, {2, 10, 11}, {2, 9, 10}},
       0.25,
       true,
       false},
      {"one like alone", {{1, 9, 10}}, 0.25, true, false},
      {"two like", {{1, 10, 9}, {1, 10, 11}}, 0.5, true, true},
      {"all unlike", {{2, 10, 9}, {2, 11, 10}, {2, 10, 11}, {2, 9, 10}}, 0.0, false, false},
      {"diagonals do not count", {{1, 9, 9}, {1, 11, 11}}, 0.0, false, false},
      {"four like", {{1, 10, 9}, {1, 11, 10}, {1, 10, 11}, {1, 9, 10}}, 1.0, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    society.Clear();
    Put(1, 1, 10, 10);
    int i = 2;
    for (const auto& [color, x, y] : c.others) Put(i++, color, x, y);
    EXPECT_EQ(AgentSimilarity(society, 1), c.similarity);
    EXPECT_EQ(Rules(society, random, painter, 0.25).IsSatisfied(1), c.content_at_quarter);
    EXPECT_EQ(Rules(society, random, painter, 0.5).IsSatisfied(1), c.content_at_half);
  }
}

TEST_F(SmallSociety, SimilarityWrapsAtTheCorners) {
  // (1, 1) sees (1, 50), (2, 1), (1, 2) and (50, 1); (50, 50) sees (50, 49),
  // (1, 50), (50, 1) and (49, 50).
  Put(1, 1, 1, 1);
  Put(2, 1, 1, 50);
  Put(3, 1, 50, 1);
  EXPECT_EQ(AgentSimilarity(society, 1), 0.5);
  Put(4, 2, 50, 50);
  EXPECT_EQ(AgentSimilarity(society, 4), 0.0);
  Put(5, 2, 49, 50);
  Put(6, 2, 50, 49);
  EXPECT_EQ(AgentSimilarity(society, 4), 0.5);
  EXPECT_EQ(Similarity(society, 1, 50, 2), 0.25);  // (1, 50) sees (50, 50) to its left
}

TEST_F(SmallSociety, NoQualifyingCellMeansNoCellAndNoDraw) {
  // Agents of colour 2 only: no empty cell has a neighbour of colour 1.
  Put(1, 1, 10, 10);
  Put(2, 2, 30, 30);
  Put(3, 2, 30, 31);
  // Agent 1 itself makes its own neighbours score 0.25, so isolate it by
  // asking for 0.5.
  Rules rules(society, random, painter, 0.5);
  const std::uint32_t seed = random.RandSeed;
  EXPECT_FALSE(rules.FindNewCell(1).Found());
  EXPECT_FALSE(rules.FindNewCellByScan(1).Found());
  EXPECT_EQ(random.RandSeed, seed);
  rules.MoveAgent(1, TNewCell{});
  EXPECT_TRUE(painter.calls.empty());
  EXPECT_EQ(society.Grid(10, 10), 1);
}

TEST_F(SmallSociety, TheMoverCountsAsALikeNeighbourOfTheCellsBesideIt) {
  Put(1, 1, 10, 10);
  CandidateList candidates;
  ScanCandidates(society, 1, 0.25, candidates);
  std::vector<std::pair<int, int>> cells;
  for (const TNewCell c : candidates.View()) cells.emplace_back(c.X, c.Y);
  const std::vector<std::pair<int, int>> expected = {{9, 10}, {10, 9}, {10, 11}, {11, 10}};
  EXPECT_EQ(cells, expected);  // scan order: X outer, Y inner

  Rules rules(society, random, painter, 0.25);
  const TNewCell chosen = rules.FindNewCell(1);
  EXPECT_NE(std::find(expected.begin(), expected.end(), std::pair<int, int>(chosen.X, chosen.Y)),
            expected.end());
}

TEST_F(SmallSociety, MinimumZeroLetsEveryEmptyCellQualify) {
  Put(1, 1, 10, 10);
  Rules rules(society, random, painter, 0.0);
  EXPECT_TRUE(rules.IsSatisfied(1));
  CandidateList candidates;
  ScanCandidates(society, 1, 0.0, candidates);
  EXPECT_EQ(candidates.count, CellCount - 1);
  EXPECT_EQ(society.QualifyingCount(1, LikeNeighboursNeeded(0.0)), CellCount - 1);
}

TEST(LikeNeighboursNeeded, MatchesComparingSharesForAnyMinimum) {
  const std::pair<double, int> cases[] = {{0.0, 0}, {0.1, 1},  {0.25, 1}, {0.2500001, 2},
                                          {0.5, 2}, {0.6, 3},  {0.75, 3}, {0.99, 4},
                                          {1.0, 4}, {1.01, 5}, {-1.0, 0}};
  for (const auto& [threshold, needed] : cases) {
    EXPECT_EQ(LikeNeighboursNeeded(threshold), needed) << threshold;
  }
}

TEST_F(SmallSociety, MoveAgentErasesMovesRenewsAnExpiredLifeAndDraws) {
  Put(1, 2, 5, 5, /*life=*/0);
  Put(2, 2, 6, 6, /*life=*/7);
  Rules rules(society, random, painter, 0.25);

  rules.MoveAgent(1, TNewCell{20, 21});
  EXPECT_EQ(society.Grid(5, 5), 0);
  EXPECT_EQ(society.Grid(20, 21), 1);
  EXPECT_EQ(society.Agents(1).X, 20);
  EXPECT_EQ(society.Agents(1).Y, 21);
  EXPECT_EQ(society.Agents(1).Color, 2);
  EXPECT_GE(society.Agents(1).Life, 11);
  EXPECT_LE(society.Agents(1).Life, 30);

  const std::uint32_t seed = random.RandSeed;
  rules.MoveAgent(2, TNewCell{7, 7});
  EXPECT_EQ(society.Agents(2).Life, 7);  // a life above 0 is kept, and nothing is drawn for it
  EXPECT_EQ(random.RandSeed, seed);

  const std::vector<std::string> expected = {"EraseCell 5,5", "DrawAgentAt 1 20,21",
                                             "EraseCell 6,6", "DrawAgentAt 2 7,7"};
  EXPECT_EQ(painter.calls, expected);
}

// The fast search must pick exactly the cell the literal scan picks, from
// the same candidates, on real societies at every similarity level, after
// many relocations.
TEST(FindNewCell, AgreesWithTheLiteralScanCandidateForCandidate) {
  NullMapPainter map;
  const double thresholds[] = {0.0, 0.25, 0.5, 0.75, 1.0, 0.3};
  int compared = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    for (const double threshold : thresholds) {
      const FixedClock clock(seed * 7919u);
      RandomGenerator random(clock);
      Society society;
      DefaultValues(society, random);
      Rules rules(society, random, map, threshold);
      const int needed = LikeNeighboursNeeded(threshold);
      CandidateList candidates;
      for (int step = 0; step < 150; ++step) {
        const int i = random.Random(AgentCount) + 1;
        ScanCandidates(society, i, threshold, candidates);
        const int color = society.Agents(i).Color;
        std::vector<int> fast;
        if (needed <= 4)
          society.ForEachQualifying(color, needed, [&](int c) { fast.push_back(c); });
        ASSERT_EQ(static_cast<int>(fast.size()), candidates.count) << seed << " " << threshold;
        for (int k = 0; k < candidates.count; ++k) {
          const TNewCell want = candidates.cells[static_cast<std::size_t>(k)];
          ASSERT_EQ(fast[static_cast<std::size_t>(k)], CellIndex(want.X, want.Y));
          ASSERT_EQ(society.NthQualifying(color, needed, k + 1), CellIndex(want.X, want.Y));
        }
        // Both searches draw the same number and pick the same cell.
        RandomGenerator twin = random;
        const TNewCell by_scan = rules.FindNewCellByScan(i);
        const std::uint32_t after_scan = random.RandSeed;
        random = twin;
        const TNewCell fast_cell = rules.FindNewCell(i);
        ASSERT_EQ(fast_cell, by_scan);
        ASSERT_EQ(random.RandSeed, after_scan);
        rules.MoveAgent(i, fast_cell);
        ++compared;
      }
      ASSERT_TRUE(SocietyConsistent(society)) << seed << " " << threshold;
    }
  }
  EXPECT_EQ(compared, 40 * 6 * 150);
}

}  // namespace
}  // namespace vorendal
