// The society: a 50 x 50 grid that wraps at its edges and 2000 agents of two
// colour groups. One Society object is the program's whole simulation state;
// the window, the runner, the tests and the benchmarks each own theirs.
//
// Besides Grid and Agents the society keeps, for every cell and colour, how
// many of the four neighbours hold an agent of that colour, and for every
// colour and count 0..4 the set of empty cells reaching it. Relocation reads
// these instead of rescanning the grid; every mutation goes through the
// methods below so that they never fall out of step.
#pragma once

#include <array>
#include <cstdint>

#include "platform/random.h"

namespace vorendal {

inline constexpr int GridSize = 50;
inline constexpr int AgentCount = 2000;
inline constexpr int CellCount = GridSize * GridSize;
inline constexpr int EmptyCellCount = CellCount - AgentCount;
inline constexpr int GroupCount = 2;
inline constexpr int NewLifeBase = 11;    // a new lifetime is 11 + Random(20)
inline constexpr int NewLifeSpread = 20;  // so 11..30 rounds

struct TAgent {
  std::uint8_t Color;  // colour group, 1 or 2; never changes after creation
  std::uint8_t X;      // column, 1..50 from the left
  std::uint8_t Y;      // row, 1..50 from the top
  std::uint8_t Life;   // rounds left before the agent moves regardless
};
static_assert(sizeof(TAgent) == 4);

// Cells are numbered in scan order: X outer, Y inner.
constexpr int CellIndex(int X, int Y) { return (X - 1) * GridSize + (Y - 1); }
constexpr int CellX(int cell) { return cell / GridSize + 1; }
constexpr int CellY(int cell) { return cell % GridSize + 1; }

// The four cells sharing an edge with a cell, in the order the similarity
// rule visits them: up (Y - 1), right (X + 1), down (Y + 1), left (X - 1),
// each wrapped onto the grid.
const std::array<std::uint16_t, 4>& Neighbours(int cell);

class Society {
 public:
  static constexpr int kLevels = 5;  // like-neighbour counts 0..4

  Society();  // every cell empty and every record zero, as at program start

  std::int32_t Grid(int X, int Y) const { return grid_[static_cast<unsigned>(CellIndex(X, Y))]; }
  std::int32_t GridAt(int cell) const { return grid_[static_cast<unsigned>(cell)]; }
  const TAgent& Agents(int i) const { return agents_[static_cast<unsigned>(i)]; }

  // Empties every cell; the agent records are left as they are.
  void Clear();
  // Writes agent i's record and puts it on the (empty) cell the record names.
  void PlaceAgent(int i, TAgent agent);
  // Moves agent i from its cell to the empty cell (X, Y): the old cell is
  // emptied before the new one is taken.
  void MoveAgentTo(int i, int X, int Y);
  void SetLife(int i, std::uint8_t life) { agents_[static_cast<unsigned>(i)].Life = life; }

  // How many of the four neighbours of (X, Y) hold an agent of this colour.
  int LikeNeighbours(int X, int Y, int color) const {
    return like_[Group(color)][static_cast<unsigned>(CellIndex(X, Y))];
  }
  // Empty cells with at least `level` neighbours of this colour.
  int QualifyingCount(int color, int level) const { return count_[Group(color)][Lvl(level)]; }
  // The k-th (1-based) such cell in scan order; k must be 1..QualifyingCount.
  int NthQualifying(int color, int level, int k) const;
  // Calls f(cell) for each such cell in scan order.
  template <class F>
  void ForEachQualifying(int color, int level, F&& f) const {
    const auto& words = empty_with_[Group(color)][Lvl(level)];
    for (unsigned w = 0; w < kWords; ++w) {
      for (std::uint64_t bits = words[w]; bits != 0; bits &= bits - 1) {
        f(static_cast<int>(w * 64 + static_cast<unsigned>(__builtin_ctzll(bits))));
      }
    }
  }

 private:
  static constexpr unsigned kWords = (CellCount + 63) / 64;
  using CellSet = std::array<std::uint64_t, kWords>;

  static unsigned Group(int color) { return static_cast<unsigned>(color - 1); }
  static unsigned Lvl(int level) { return static_cast<unsigned>(level); }

  void Occupy(int cell, int i);
  void Vacate(int cell);
  void Insert(unsigned group, unsigned level, int cell);
  void Remove(unsigned group, unsigned level, int cell);

  std::array<std::int32_t, CellCount> grid_{};
  std::array<TAgent, AgentCount + 1> agents_{};  // 1-based; [0] unused
  std::array<std::array<std::uint8_t, CellCount>, GroupCount> like_{};
  std::array<std::array<CellSet, kLevels>, GroupCount> empty_with_{};
  // Set bits per word of each set, so that finding the k-th cell needs no
  // population count (a library call on CPUs without the instruction).
  std::array<std::array<std::array<std::uint8_t, kWords>, kLevels>, GroupCount> in_word_{};
  std::array<std::array<int, kLevels>, GroupCount> count_{};
};

// Replaces the society with a new random one. Reseeds the generator from its
// clock; then, for each agent in turn, draws X and Y until the cell is free,
// then its colour, then its lifetime. This order fixes the society a seed
// gives.
void DefaultValues(Society& society, RandomGenerator& random);

}  // namespace vorendal
