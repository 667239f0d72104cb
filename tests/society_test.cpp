#include "model/society.h"

#include <gtest/gtest.h>

#include <set>

#include "golden.h"
#include "model/rules.h"
#include "society_checks.h"

namespace vorendal {
namespace {

TEST(DefaultValues, PlacesEveryAgentOnItsOwnCellWithFieldsInRange) {
  const FixedClock clock(123456);
  RandomGenerator random(clock);
  Society society;
  DefaultValues(society, random);
  ExpectSocietyConsistent(society);
  for (int i = 1; i <= AgentCount; ++i) {
    const TAgent& a = society.Agents(i);
    EXPECT_TRUE(a.Color == 1 || a.Color == 2) << i;
    EXPECT_GE(a.Life, 11) << i;
    EXPECT_LE(a.Life, 30) << i;
  }
}

TEST(DefaultValues, ASecondSocietyLeavesNoTraceOfTheFirst) {
  FixedClock first_clock(1);
  RandomGenerator first_random(first_clock);
  Society twice;
  DefaultValues(twice, first_random);

  const FixedClock clock(99);
  RandomGenerator again(clock);
  DefaultValues(twice, again);  // reseeds from the second clock

  RandomGenerator fresh_random(clock);
  Society fresh;
  DefaultValues(fresh, fresh_random);
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) ASSERT_EQ(twice.Grid(x, y), fresh.Grid(x, y));
  }
  for (int i = 1; i <= AgentCount; ++i) {
    const TAgent a = twice.Agents(i), b = fresh.Agents(i);
    ASSERT_EQ(std::tie(a.Color, a.X, a.Y, a.Life), std::tie(b.Color, b.X, b.Y, b.Life)) << i;
  }
  ExpectSocietyConsistent(twice);
}

TEST(DefaultValues, ReproducesTheGoldenSociety) {
  const auto cases = testing::GoldenLines("society ");
  ASSERT_FALSE(cases.empty());
  for (const auto& line : cases) {
    SCOPED_TRACE(line);
    const FixedClock clock(static_cast<std::uint32_t>(std::stoul(testing::Field(line, "seed"))));
    RandomGenerator random(clock);
    Society society;
    DefaultValues(society, random);
    const std::string fact = line.substr(line.find(": ") + 2);
    if (fact.rfind("generator state after placement ", 0) == 0) {
      EXPECT_EQ(random.RandSeed, std::stoul(fact.substr(fact.rfind(' ') + 1)));
    } else if (fact.rfind("agents of colour ", 0) == 0) {
      const int color = fact[17] - '0';
      int count = 0;
      for (int i = 1; i <= AgentCount; ++i) count += society.Agents(i).Color == color;
      EXPECT_EQ(count, std::stoi(fact.substr(fact.rfind(' ') + 1)));
    } else if (fact.rfind("agent ", 0) == 0) {
      const int i = std::stoi(fact.substr(6));
      const TAgent& a = society.Agents(i);
      EXPECT_EQ(a.Color, std::stoi(testing::Field(fact, "Color")));
      EXPECT_EQ(a.X, std::stoi(testing::Field(fact, "X")));
      EXPECT_EQ(a.Y, std::stoi(testing::Field(fact, "Y")));
      EXPECT_EQ(a.Life, std::stoi(testing::Field(fact, "Life")));
    } else {
      ADD_FAILURE() << "unknown golden fact";
    }
  }
}

TEST(Neighbours, WrapAroundTheEdgesInVisitingOrder) {
  struct Case {
    int x, y;
    int expected[4][2];  // up, right, down, left
  };
  const Case cases[] = {
      {1, 1, {{1, 50}, {2, 1}, {1, 2}, {50, 1}}},
      {50, 50, {{50, 49}, {1, 50}, {50, 1}, {49, 50}}},
      {10, 20, {{10, 19}, {11, 20}, {10, 21}, {9, 20}}},
  };
  for (const Case& c : cases) {
    const auto& n = Neighbours(CellIndex(c.x, c.y));
    for (unsigned k = 0; k < 4; ++k) {
      EXPECT_EQ(CellX(n[k]), c.expected[k][0]) << c.x << "," << c.y << " #" << k;
      EXPECT_EQ(CellY(n[k]), c.expected[k][1]) << c.x << "," << c.y << " #" << k;
    }
  }
}

}  // namespace
}  // namespace vorendal
