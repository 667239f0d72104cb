#include "model/society.h"

#include <cassert>

namespace vorendal {

namespace {

int Wrap(int coordinate) {
  if (coordinate < 1) return GridSize;
  if (coordinate > GridSize) return 1;
  return coordinate;
}

std::array<std::array<std::uint16_t, 4>, CellCount> MakeNeighbourTable() {
  std::array<std::array<std::uint16_t, 4>, CellCount> table{};
  for (int cell = 0; cell < CellCount; ++cell) {
    const int x = CellX(cell);
    const int y = CellY(cell);
    const int around[4][2] = {{x, y - 1}, {x + 1, y}, {x, y + 1}, {x - 1, y}};
    for (unsigned n = 0; n < 4; ++n) {
      table[static_cast<unsigned>(cell)][n] =
          static_cast<std::uint16_t>(CellIndex(Wrap(around[n][0]), Wrap(around[n][1])));
    }
  }
  return table;
}

const auto kNeighbours = MakeNeighbourTable();

}  // namespace

const std::array<std::uint16_t, 4>& Neighbours(int cell) {
  return kNeighbours[static_cast<unsigned>(cell)];
}

Society::Society() { Clear(); }

void Society::Clear() {
  grid_.fill(0);
  for (unsigned g = 0; g < GroupCount; ++g) {
    like_[g].fill(0);
    for (auto& set : empty_with_[g]) set.fill(0);
    for (auto& words : in_word_[g]) words.fill(0);
    count_[g].fill(0);
    for (int cell = 0; cell < CellCount; ++cell) Insert(g, 0, cell);
  }
}

void Society::Insert(unsigned group, unsigned level, int cell) {
  const unsigned word = static_cast<unsigned>(cell) / 64;
  empty_with_[group][level][word] |= std::uint64_t{1} << (static_cast<unsigned>(cell) % 64);
  ++in_word_[group][level][word];
  ++count_[group][level];
}

void Society::Remove(unsigned group, unsigned level, int cell) {
  const unsigned word = static_cast<unsigned>(cell) / 64;
  empty_with_[group][level][word] &= ~(std::uint64_t{1} << (static_cast<unsigned>(cell) % 64));
  --in_word_[group][level][word];
  --count_[group][level];
}

void Society::Occupy(int cell, int i) {
  const auto c = static_cast<unsigned>(cell);
  assert(grid_[c] == 0);
  grid_[c] = i;
  // The cell is no longer empty, so it leaves every set it was in.
  for (unsigned g = 0; g < GroupCount; ++g) {
    for (unsigned level = 0; level <= like_[g][c]; ++level) Remove(g, level, cell);
  }
  const unsigned group = Group(agents_[static_cast<unsigned>(i)].Color);
  for (const auto n : kNeighbours[c]) {
    const unsigned level = ++like_[group][n];
    if (grid_[n] == 0) Insert(group, level, n);
  }
}

void Society::Vacate(int cell) {
  const auto c = static_cast<unsigned>(cell);
  const int i = grid_[c];
  assert(i != 0);
  const unsigned group = Group(agents_[static_cast<unsigned>(i)].Color);
  for (const auto n : kNeighbours[c]) {
    const unsigned level = like_[group][n]--;
    if (grid_[n] == 0) Remove(group, level, n);
  }
  grid_[c] = 0;
  for (unsigned g = 0; g < GroupCount; ++g) {
    for (unsigned level = 0; level <= like_[g][c]; ++level) Insert(g, level, cell);
  }
}

void Society::PlaceAgent(int i, TAgent agent) {
  agents_[static_cast<unsigned>(i)] = agent;
  Occupy(CellIndex(agent.X, agent.Y), i);
}

void Society::MoveAgentTo(int i, int X, int Y) {
  TAgent& agent = agents_[static_cast<unsigned>(i)];
  Vacate(CellIndex(agent.X, agent.Y));
  agent.X = static_cast<std::uint8_t>(X);
  agent.Y = static_cast<std::uint8_t>(Y);
  Occupy(CellIndex(X, Y), i);
}

int Society::NthQualifying(int color, int level, int k) const {
  const auto& words = empty_with_[Group(color)][Lvl(level)];
  const auto& in_word = in_word_[Group(color)][Lvl(level)];
  unsigned remaining = static_cast<unsigned>(k);
  for (unsigned w = 0; w < kWords; ++w) {
    if (remaining > in_word[w]) {
      remaining -= in_word[w];
      continue;
    }
    std::uint64_t bits = words[w];
    for (unsigned skip = 1; skip < remaining; ++skip) bits &= bits - 1;
    return static_cast<int>(w * 64 + static_cast<unsigned>(__builtin_ctzll(bits)));
  }
  assert(false && "k beyond the qualifying cells");
  return -1;
}

void DefaultValues(Society& society, RandomGenerator& random) {
  random.Randomize();
  society.Clear();
  for (int i = 1; i <= AgentCount; ++i) {
    int x = 0;
    int y = 0;
    do {
      x = random.Random(GridSize) + 1;
      y = random.Random(GridSize) + 1;
    } while (society.Grid(x, y) != 0);
    const auto color = static_cast<std::uint8_t>(random.Random(GroupCount) + 1);
    const auto life = static_cast<std::uint8_t>(random.Random(NewLifeSpread) + NewLifeBase);
    society.PlaceAgent(
        i, TAgent{color, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), life});
  }
}

}  // namespace vorendal
