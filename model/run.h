// One run: from the press of Start to the closing log line. The driver reads
// its settings and reports its progress through RunHost, which the window
// implements with its controls and the runner with its output; it draws
// through MapPainter. One implementation serves the window, the runner, the
// tests and the benchmarks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/map_painter.h"
#include "model/rules.h"
#include "model/society.h"
#include "platform/random.h"

namespace vorendal {

inline constexpr std::string_view kEndOfJob = "Normal End of Job";

// What a round did, handed to the host once its log line is written.
struct RoundTally {
  std::int32_t Round;
  std::int32_t Sought;  // agents that sought a new cell (the log's count)
  std::int32_t Moved;   // of those, the ones that found one and moved
};

class RunHost {
 public:
  virtual ~RunHost() = default;
  // Settings, read once when the run starts: nothing can change them until
  // it is over.
  virtual std::int32_t RoundLimit() = 0;
  virtual double Threshold() = 0;
  virtual bool LifeTimeOption() = 0;
  // Read-outs: each is shown (and on screen repainted) before the call returns.
  virtual void ShowRound(std::int32_t round) = 0;
  virtual void ShowTurn(std::int32_t turn) = 0;
  virtual void AppendLog(std::string_view line) = 0;
  virtual void RoundEnded(const RoundTally&) {}
};

// The log line of a round: "R : M".
std::string RoundLogLine(std::int32_t round, std::int32_t moves);

class RunDriver {
 public:
  RunDriver(Society& society, RandomGenerator& random, RunHost& host, MapPainter& map);

  // The whole run; returns when "Normal End of Job" has been logged.
  void Execute();
  // Rounds on the society as it stands, with these settings, until a stop
  // rule holds; no new society, no closing line. Lets tests start a run from
  // a society built by hand.
  void PlayRounds(std::int32_t max_rounds, double threshold, bool lifetime);

  // The run's state, public so that tests can watch it.
  std::int32_t MaxRounds = 0;
  std::int32_t Round = 0;
  std::int32_t Moves = 0;
  std::int32_t Moved = 0;
  bool Stop = false;
  std::array<std::int32_t, AgentCount + 1> Order{};  // 1-based
  std::int32_t Turn = 0;
  std::int32_t Current = 0;
  TNewCell NewCell;

  // Order[k] := k, then 10 passes of 2000 swaps of Order[a] and Order[b],
  // a drawn before b.
  void ShuffleOrder();

 private:
  void ReadRoundLimit();
  void ResetRun();
  void BeginRound();
  void BeginTurn();
  void EndRound();
  void ReportEnd();
  void Rounds();

  Society& society_;
  RandomGenerator& random_;
  RunHost& host_;
  MapPainter& map_;
  double threshold_ = 0;
  bool lifetime_ = false;
};

}  // namespace vorendal
