// A RunHost with fixed settings that records the read-outs and the log.
#pragma once

#include <string>
#include <vector>

#include "model/run.h"

namespace vorendal {

class ScriptedHost final : public RunHost {
 public:
  ScriptedHost(std::int32_t rounds, double threshold, bool lifetime)
      : rounds_(rounds), threshold_(threshold), lifetime_(lifetime) {}

  std::vector<std::string> log;
  std::vector<RoundTally> tallies;
  std::int32_t round_shown = 0;
  std::int32_t turn_shown = 0;
  long turns_shown = 0;

  std::int32_t RoundLimit() override { return rounds_; }
  double Threshold() override { return threshold_; }
  bool LifeTimeOption() override { return lifetime_; }
  void ShowRound(std::int32_t round) override { round_shown = round; }
  void ShowTurn(std::int32_t turn) override {
    turn_shown = turn;
    ++turns_shown;
  }
  void AppendLog(std::string_view line) override { log.emplace_back(line); }
  void RoundEnded(const RoundTally& tally) override { tallies.push_back(tally); }

  std::string Joined() const {
    std::string all;
    for (const auto& line : log) all += (all.empty() ? "" : " | ") + line;
    return all;
  }

 private:
  std::int32_t rounds_;
  double threshold_;
  bool lifetime_;
};

}  // namespace vorendal
