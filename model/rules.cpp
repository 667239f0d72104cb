#include "model/rules.h"

namespace vorendal {

double Similarity(const Society& society, int X, int Y, int color) {
  int occupied = 0;
  int same = 0;
  for (const auto n : Neighbours(CellIndex(X, Y))) {
    const int agent = society.GridAt(n);
    if (agent != 0) {
      ++occupied;
      if (society.Agents(agent).Color == color) ++same;
    }
  }
  return occupied > 0 ? same / 4.0 : 0.0;
}

double AgentSimilarity(const Society& society, int i) {
  const TAgent& a = society.Agents(i);
  return Similarity(society, a.X, a.Y, a.Color);
}

int LikeNeighboursNeeded(double threshold) {
  for (int same = 0; same <= 4; ++same) {
    if (same / 4.0 >= threshold) return same;
  }
  return 5;
}

void ScanCandidates(const Society& society, int i, double threshold, CandidateList& out) {
  const int color = society.Agents(i).Color;
  out.count = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) {
      if (society.Grid(x, y) == 0 && Similarity(society, x, y, color) >= threshold) {
        out.cells[static_cast<std::size_t>(out.count++)] =
            TNewCell{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
      }
    }
  }
}

Rules::Rules(Society& society, RandomGenerator& random, MapPainter& map, double threshold)
    : society_(society),
      random_(random),
      map_(map),
      threshold_(threshold),
      needed_(LikeNeighboursNeeded(threshold)) {}

TNewCell Rules::FindNewCell(int i) {
  if (needed_ > 4) return {};
  const int color = society_.Agents(i).Color;
  const int count = society_.QualifyingCount(color, needed_);
  if (count == 0) return {};
  const int k = random_.Random(count) + 1;
  const int cell = society_.NthQualifying(color, needed_, k);
  return TNewCell{static_cast<std::uint8_t>(CellX(cell)), static_cast<std::uint8_t>(CellY(cell))};
}

TNewCell Rules::FindNewCellByScan(int i) {
  CandidateList candidates;
  ScanCandidates(society_, i, threshold_, candidates);
  if (candidates.count == 0) return {};
  const int k = random_.Random(candidates.count) + 1;
  return candidates.cells[static_cast<std::size_t>(k - 1)];
}

void Rules::MoveAgent(int i, TNewCell cell) {
  if (!cell.Found()) return;
  const TAgent old = society_.Agents(i);
  society_.MoveAgentTo(i, cell.X, cell.Y);
  map_.EraseCell(old.X, old.Y);
  if (old.Life == 0) {
    society_.SetLife(i, static_cast<std::uint8_t>(random_.Random(NewLifeSpread) + NewLifeBase));
  }
  map_.DrawAgentAt(i, cell.X, cell.Y);
}

}  // namespace vorendal
