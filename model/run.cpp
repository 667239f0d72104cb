#include "model/run.h"

#include <numeric>

namespace vorendal {

std::string RoundLogLine(std::int32_t round, std::int32_t moves) {
  // At most 14 characters (a round of up to seven digits, " : ", a count of
  // up to four), so a 50-character cap on the line would never cut it.
  std::string line = std::to_string(round);
  line += " : ";
  line += std::to_string(moves);
  return line;
}

RunDriver::RunDriver(Society& society, RandomGenerator& random, RunHost& host, MapPainter& map)
    : society_(society), random_(random), host_(host), map_(map) {}

void RunDriver::Execute() {
  ReadRoundLimit();
  ResetRun();
  Rounds();
  ReportEnd();
}

void RunDriver::PlayRounds(std::int32_t max_rounds, double threshold, bool lifetime) {
  MaxRounds = max_rounds;
  threshold_ = threshold;
  lifetime_ = lifetime;
  Stop = false;
  Round = 0;
  Rounds();
}

void RunDriver::Rounds() {
  Rules rules(society_, random_, map_, threshold_);
  do {
    BeginRound();
    for (Turn = 1; Turn <= AgentCount; ++Turn) {
      Current = Order[static_cast<std::size_t>(Turn)];
      BeginTurn();
      if (!rules.IsSatisfied(Current) || society_.Agents(Current).Life == 0) {
        ++Moves;
        NewCell = rules.FindNewCell(Current);
        if (NewCell.Found()) ++Moved;
        rules.MoveAgent(Current, NewCell);
      }
    }
    Turn = AgentCount;  // the read-out and the state keep the last turn
    EndRound();
  } while (!Stop);
}

void RunDriver::ReadRoundLimit() {
  random_.Randomize();
  MaxRounds = host_.RoundLimit();
}

void RunDriver::ResetRun() {
  threshold_ = host_.Threshold();
  lifetime_ = host_.LifeTimeOption();
  DefaultValues(society_, random_);
  map_.StrategyMap();
  map_.DrawMap();
  Stop = false;
  Round = 0;
}

void RunDriver::BeginRound() {
  ++Round;
  host_.ShowRound(Round);
  ShuffleOrder();
  Moves = 0;
  Moved = 0;
}

void RunDriver::ShuffleOrder() {
  std::iota(Order.begin() + 1, Order.end(), 1);
  // 10 passes of 2000 swaps: 20 000 pairs of draws, a before b.
  random_.DrawPairs(10 * AgentCount, AgentCount, [this](std::int32_t a, std::int32_t b) {
    std::swap(Order[static_cast<std::size_t>(a + 1)], Order[static_cast<std::size_t>(b + 1)]);
  });
}

void RunDriver::BeginTurn() {
  host_.ShowTurn(Turn);
  // Ageing stops at 0: an agent whose lifetime has run out and which found
  // no cell keeps seeking one at every turn until it moves, rather than
  // wrapping to 255 and escaping the lifetime rule.
  const std::uint8_t life = society_.Agents(Current).Life;
  if (life > 0) society_.SetLife(Current, static_cast<std::uint8_t>(life - 1));
}

void RunDriver::EndRound() {
  if (Round >= MaxRounds) Stop = true;
  host_.AppendLog(RoundLogLine(Round, Moves));
  host_.RoundEnded(RoundTally{Round, Moves, Moved});
  if (!lifetime_ && Moves == 0) Stop = true;
}

void RunDriver::ReportEnd() { host_.AppendLog(kEndOfJob); }

}  // namespace vorendal
