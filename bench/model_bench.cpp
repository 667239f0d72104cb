// The model's costs, without a window: whole runs and their parts.
#include <benchmark/benchmark.h>

#include "model/rules.h"
#include "model/run.h"
#include "model/society.h"

namespace vorendal {
namespace {

class QuietHost final : public RunHost {
 public:
  QuietHost(std::int32_t rounds, double threshold, bool lifetime)
      : rounds_(rounds), threshold_(threshold), lifetime_(lifetime) {}
  std::int32_t RoundLimit() override { return rounds_; }
  double Threshold() override { return threshold_; }
  bool LifeTimeOption() override { return lifetime_; }
  void ShowRound(std::int32_t) override {}
  void ShowTurn(std::int32_t) override {}
  void AppendLog(std::string_view) override {}

 private:
  std::int32_t rounds_;
  double threshold_;
  bool lifetime_;
};

void WholeRun(benchmark::State& state, std::int32_t rounds, double threshold, bool lifetime) {
  const FixedClock clock(60000000);
  RandomGenerator random(clock);
  Society society;
  NullMapPainter map;
  QuietHost host(rounds, threshold, lifetime);
  for (auto _ : state) {
    RunDriver driver(society, random, host, map);
    driver.Execute();
    benchmark::DoNotOptimize(driver.Round);
  }
}

void BM_Run200RoundsHalfLifetime(benchmark::State& state) { WholeRun(state, 200, 0.5, true); }
void BM_Run50RoundsQuarter(benchmark::State& state) { WholeRun(state, 50, 0.25, false); }
BENCHMARK(BM_Run200RoundsHalfLifetime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run50RoundsQuarter)->Unit(benchmark::kMillisecond);

void BM_ShuffleOrder(benchmark::State& state) {
  const FixedClock clock(1);
  RandomGenerator random(clock);
  Society society;
  NullMapPainter map;
  QuietHost host(1, 0.5, false);
  RunDriver driver(society, random, host, map);
  for (auto _ : state) {
    driver.ShuffleOrder();
    benchmark::DoNotOptimize(driver.Order.data());
  }
}
BENCHMARK(BM_ShuffleOrder)->Unit(benchmark::kMicrosecond);

// One search for a new cell, by the kept neighbour counts and by scanning
// the grid, at minimum 0.5 on a fresh society.
template <bool kFast>
void FindNewCell(benchmark::State& state) {
  const FixedClock clock(60000000);
  RandomGenerator random(clock);
  Society society;
  DefaultValues(society, random);
  NullMapPainter map;
  Rules rules(society, random, map, 0.5);
  int i = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kFast ? rules.FindNewCell(i) : rules.FindNewCellByScan(i));
    i = i % AgentCount + 1;
  }
}
void BM_FindNewCellFast(benchmark::State& state) { FindNewCell<true>(state); }
void BM_FindNewCellScan(benchmark::State& state) { FindNewCell<false>(state); }
BENCHMARK(BM_FindNewCellFast);
BENCHMARK(BM_FindNewCellScan);

}  // namespace
}  // namespace vorendal

BENCHMARK_MAIN();
