#include "runner/headless_run.h"

#include <cstdio>

#include "model/rules.h"
#include "model/run.h"
#include "model/society.h"

namespace vorendal {

namespace {

class TextHost final : public RunHost {
 public:
  TextHost(const RunnerOptions& options, const Society& society, std::string& out)
      : options_(options), society_(society), out_(out) {
    if (options_.csv) out_ += "round,sought,moved,mean_similarity,content_share\n";
  }

  std::int32_t RoundLimit() override { return options_.rounds; }
  double Threshold() override { return options_.minimum; }
  bool LifeTimeOption() override { return options_.lifetime; }
  void ShowRound(std::int32_t) override {}
  void ShowTurn(std::int32_t) override {}

  void AppendLog(std::string_view line) override {
    if (options_.csv) return;
    out_ += line;
    out_ += '\n';
  }

  void RoundEnded(const RoundTally& tally) override {
    if (!options_.csv) return;
    double total = 0;
    int content = 0;
    for (int i = 1; i <= AgentCount; ++i) {
      const double similarity = AgentSimilarity(society_, i);
      total += similarity;
      if (similarity >= options_.minimum) ++content;
    }
    char row[96];
    std::snprintf(row, sizeof row, "%d,%d,%d,%.6f,%.6f\n", tally.Round, tally.Sought, tally.Moved,
                  total / AgentCount, static_cast<double>(content) / AgentCount);
    out_ += row;
  }

 private:
  const RunnerOptions& options_;
  const Society& society_;
  std::string& out_;
};

void AppendMap(const Society& society, std::string& out) {
  for (int y = 1; y <= GridSize; ++y) {
    for (int x = 1; x <= GridSize; ++x) {
      const int agent = society.Grid(x, y);
      out += agent == 0 ? '.' : static_cast<char>('0' + society.Agents(agent).Color);
    }
    out += '\n';
  }
}

}  // namespace

std::string HeadlessRun(const RunnerOptions& options, std::uint32_t seed) {
  const FixedClock clock(seed);
  RandomGenerator random(clock);
  Society society;
  NullMapPainter map;
  std::string out;
  TextHost host(options, society, out);
  RunDriver driver(society, random, host, map);
  driver.Execute();
  if (options.map) AppendMap(society, out);
  return out;
}

}  // namespace vorendal
