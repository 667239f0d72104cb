#include <gtest/gtest.h>

#include <vector>

#include "golden.h"
#include "runner/headless_run.h"
#include "runner/options.h"

namespace vorendal {
namespace {

ParseResult Parse(std::vector<std::string_view> args) { return ParseRunnerArguments(args); }

TEST(RunnerOptions, DefaultsMatchTheWindow) {
  const ParseResult r = Parse({});
  ASSERT_EQ(r.kind, ParseResult::Kind::kRun);
  EXPECT_FALSE(r.options.seed.has_value());
  EXPECT_EQ(r.options.rounds, 50);
  EXPECT_EQ(r.options.minimum, 0.25);
  EXPECT_FALSE(r.options.lifetime || r.options.map || r.options.csv);
}

TEST(RunnerOptions, AcceptsEveryOptionAtItsLimits) {
  const ParseResult r = Parse({"--seed", "4294967295", "--rounds", "1000000", "--minimum", "1",
                               "--lifetime", "--map", "--csv"});
  ASSERT_EQ(r.kind, ParseResult::Kind::kRun) << r.error;
  EXPECT_EQ(r.options.seed, 4294967295u);
  EXPECT_EQ(r.options.rounds, 1000000);
  EXPECT_EQ(r.options.minimum, 1.0);
  EXPECT_TRUE(r.options.lifetime && r.options.map && r.options.csv);

  const ParseResult low = Parse({"--seed=0", "--rounds=1", "--minimum=.5"});
  ASSERT_EQ(low.kind, ParseResult::Kind::kRun) << low.error;
  EXPECT_EQ(low.options.seed, 0u);
  EXPECT_EQ(low.options.rounds, 1);
  EXPECT_EQ(low.options.minimum, 0.5);
  EXPECT_EQ(Parse({"--minimum", "0"}).options.minimum, 0.0);
  EXPECT_EQ(Parse({"--minimum", "2.5e-1"}).options.minimum, 0.25);
  EXPECT_EQ(Parse({"--csv", "--help", "--bogus"}).kind, ParseResult::Kind::kHelp);
}

TEST(RunnerOptions, RejectsBadInputNamingTheOption) {
  const std::pair<std::vector<std::string_view>, const char*> cases[] = {
      {{"--bogus"}, "--bogus"},
      {{"-s", "1"}, "-s"},
      {{"seed"}, "seed"},
      {{"--seed"}, "--seed"},
      {{"--seed", ""}, "--seed"},
      {{"--seed", "-1"}, "--seed"},
      {{"--seed", "+1"}, "--seed"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--seed", "99999999999999999999999"}, "--seed"},
      {{"--seed", "12abc"}, "--seed"},
      {{"--seed", " 12"}, "--seed"},
      {{"--seed", "1.0"}, "--seed"},
      {{"--rounds", "0"}, "--rounds"},
      {{"--rounds", "1000001"}, "--rounds"},
      {{"--rounds", "5x"}, "--rounds"},
      {{"--rounds"}, "--rounds"},
      {{"--minimum", "1.01"}, "--minimum"},
      {{"--minimum", "-0.1"}, "--minimum"},
      {{"--minimum", "nan"}, "--minimum"},
      {{"--minimum", "inf"}, "--minimum"},
      {{"--minimum", "0.5junk"}, "--minimum"},
      {{"--minimum", "0x0.4"}, "--minimum"},
      {{"--minimum"}, "--minimum"},
      {{"--lifetime=yes"}, "--lifetime"},
  };
  for (const auto& [args, option] : cases) {
    const ParseResult r = Parse(args);
    EXPECT_EQ(r.kind, ParseResult::Kind::kError) << option;
    EXPECT_NE(r.error.find(option), std::string::npos) << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
  }
}

TEST(HeadlessRun, ReproducesTheGoldenRunsLineForLine) {
  for (const auto& line : testing::GoldenLines("run ")) {
    SCOPED_TRACE(line);
    RunnerOptions options;
    options.rounds = std::stoi(testing::Field(line, "rounds"));
    options.minimum = std::stod(testing::Field(line, "minimum"));
    options.lifetime = testing::Field(line, "lifetime") == "yes";
    const std::string joined = line.substr(line.find(": ") + 2);
    std::string expected;
    for (std::size_t start = 0;;) {
      const std::size_t bar = joined.find(" | ", start);
      expected += joined.substr(start, bar - start) + "\n";
      if (bar == std::string::npos) break;
      start = bar + 3;
    }
    const auto seed = static_cast<std::uint32_t>(std::stoul(testing::Field(line, "seed")));
    EXPECT_EQ(HeadlessRun(options, seed), expected);
  }
}

TEST(HeadlessRun, MapAndCsvDescribeTheRun) {
  RunnerOptions options;
  options.minimum = 0.5;
  options.map = true;
  const std::string out = HeadlessRun(options, 45296789);
  const std::string log = "1 : 670\n2 : 114\n3 : 28\n4 : 6\n5 : 3\n6 : 0\nNormal End of Job\n";
  ASSERT_EQ(out.substr(0, log.size()), log);
  const std::string map = out.substr(log.size());
  ASSERT_EQ(map.size(), 50u * 51u);
  int empty = 0, ones = 0, twos = 0;
  for (std::size_t row = 0; row < 50; ++row) {
    EXPECT_EQ(map[row * 51 + 50], '\n');
    for (std::size_t col = 0; col < 50; ++col) {
      const char c = map[row * 51 + col];
      empty += c == '.';
      ones += c == '1';
      twos += c == '2';
    }
  }
  EXPECT_EQ(empty, 500);
  EXPECT_EQ(ones, 1001);  // colours never change: as many as in the first society
  EXPECT_EQ(twos, 999);

  options.map = false;
  options.csv = true;
  const std::string csv = HeadlessRun(options, 45296789);
  EXPECT_EQ(csv.rfind("round,sought,moved,mean_similarity,content_share\n1,670,", 0), 0u) << csv;
  EXPECT_NE(csv.find("\n6,0,0,"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",1.000000\n"), std::string::npos) << csv;  // nobody sought: all content
  EXPECT_EQ(csv.find("Normal End of Job"), std::string::npos);
}

}  // namespace
}  // namespace vorendal
