#include "platform/random.h"

#include <gtest/gtest.h>

#include <sstream>

#include "golden.h"

namespace vorendal {
namespace {

TEST(RandomGenerator, ReproducesGoldenDraws) {
  const auto cases = testing::GoldenLines("random ");
  ASSERT_FALSE(cases.empty());
  for (const auto& line : cases) {
    SCOPED_TRACE(line);
    const FixedClock clock(static_cast<std::uint32_t>(std::stoul(testing::Field(line, "seed"))));
    RandomGenerator random(clock);
    random.Randomize();
    const int n = std::stoi(testing::Field(line, "n"));
    std::istringstream expected(line.substr(line.find(": ") + 2));
    for (int want; expected >> want;) EXPECT_EQ(random.Random(n), want);
  }
}

TEST(RandomGenerator, ReseedsFromItsClockAndAdvancesTheSeed) {
  const FixedClock clock(86399999);  // the last millisecond of the day
  RandomGenerator random(clock);
  random.RandSeed = 7;
  random.Randomize();
  EXPECT_EQ(random.RandSeed, 86399999u);
  random.Random(10);
  EXPECT_EQ(random.RandSeed, 86399999u * 134775813u + 1u);  // modulo 2^32
}

TEST(RandomGenerator, DrawsStayBelowTheBound) {
  const FixedClock clock(0);
  RandomGenerator random(clock);
  random.RandSeed = 0xFFFFFFFFu;
  for (int i = 0; i < 10000; ++i) {
    const int r = random.Random(2000);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 2000);
  }
  EXPECT_EQ(random.Random(0), 0);
  EXPECT_EQ(random.Random(1), 0);
}

TEST(RandomGenerator, PairsOfDrawsEqualSingleDrawsInOrder) {
  const FixedClock clock(45296789);
  RandomGenerator single(clock), paired(clock);
  single.Randomize();
  paired.Randomize();
  int pairs = 0;
  for (const std::int32_t n : {2000, 50, 1, 7, 0x7FFFFFFF}) {
    paired.DrawPairs(1000, n, [&](std::int32_t a, std::int32_t b) {
      ASSERT_EQ(a, single.Random(n));
      ASSERT_EQ(b, single.Random(n));
      ++pairs;
    });
    ASSERT_EQ(paired.RandSeed, single.RandSeed);
  }
  EXPECT_EQ(pairs, 5000);
}

TEST(SystemClock, GivesTheTimeOfDayInMilliseconds) {
  EXPECT_LT(SystemClock().MillisecondsSinceMidnight(), 86400000u);
}

}  // namespace
}  // namespace vorendal
