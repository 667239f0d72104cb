// How an agent judges its place and finds a new one: similarity, contentment
// against a minimum share, the search for a qualifying empty cell and the
// relocation itself, which also redraws the two cells concerned.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/map_painter.h"
#include "model/society.h"
#include "platform/random.h"

namespace vorendal {

// A cell chosen for a move; (0, 0) when no cell qualifies.
struct TNewCell {
  std::uint8_t X = 0;
  std::uint8_t Y = 0;
  bool Found() const { return X != 0 && Y != 0; }
  friend bool operator==(TNewCell, TNewCell) = default;
};

// Share of the four neighbour cells of (X, Y) holding an agent of `color`:
// 0, 0.25, 0.5, 0.75 or 1. The divisor is always 4, however many neighbours
// are occupied, and the cell itself never counts. Read straight off the grid.
double Similarity(const Society& society, int X, int Y, int color);
double AgentSimilarity(const Society& society, int i);

// The least number of like neighbours whose share s / 4 reaches the minimum,
// or 5 when not even 4 do. Comparing counts against it decides exactly what
// comparing shares against the minimum decides.
int LikeNeighboursNeeded(double threshold);

// The qualifying empty cells for agent i, found by scanning the whole grid,
// X outer and Y inner. The list has room for every cell, so it holds in any
// state of the grid, not only with 500 empty cells.
struct CandidateList {
  std::array<TNewCell, CellCount> cells;
  int count = 0;
  std::span<const TNewCell> View() const { return {cells.data(), static_cast<std::size_t>(count)}; }
};
void ScanCandidates(const Society& society, int i, double threshold, CandidateList& out);

class Rules {
 public:
  Rules(Society& society, RandomGenerator& random, MapPainter& map, double threshold);

  double Threshold() const { return threshold_; }

  // AgentSimilarity(i) >= Threshold; a share equal to the minimum satisfies.
  bool IsSatisfied(int i) const {
    const TAgent& a = society_.Agents(i);
    return society_.LikeNeighbours(a.X, a.Y, a.Color) >= needed_;
  }

  // A qualifying empty cell chosen with equal chance among all of them, the
  // k-th in scan order for k = Random(count) + 1; (0, 0), drawing nothing,
  // when there is none. Agent i still stands on its cell, so it counts as a
  // like neighbour of the cells next to it.
  TNewCell FindNewCell(int i);
  // The same, by the literal scan of the grid; kept to check the fast search.
  TNewCell FindNewCellByScan(int i);

  // Relocates agent i to the cell found (nothing when none was): the old
  // cell is emptied and erased, the agent takes the new one, gets a new
  // lifetime only when its old one had run out, and is drawn there.
  void MoveAgent(int i, TNewCell cell);

 private:
  Society& society_;
  RandomGenerator& random_;
  MapPainter& map_;
  double threshold_;
  int needed_;
};

}  // namespace vorendal
