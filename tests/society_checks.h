// Checks of the society's invariants, shared by the model tests.
#pragma once

#include <gtest/gtest.h>

#include "model/rules.h"
#include "model/society.h"

namespace vorendal {

// Grid and Agents agree both ways, exactly 500 cells are empty, and the
// neighbour index matches a recount from the grid.
inline ::testing::AssertionResult SocietyConsistent(const Society& society) {
  int empty = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) {
      const int i = society.Grid(x, y);
      if (i == 0) {
        ++empty;
      } else if (i < 0 || i > AgentCount || society.Agents(i).X != x || society.Agents(i).Y != y) {
        return ::testing::AssertionFailure() << "cell " << x << "," << y << " holds " << i;
      }
      for (int color = 1; color <= 2; ++color) {
        const int recount = static_cast<int>(Similarity(society, x, y, color) * 4);
        if (society.LikeNeighbours(x, y, color) != recount) {
          return ::testing::AssertionFailure() << "stale like count at " << x << "," << y;
        }
      }
    }
  }
  for (int i = 1; i <= AgentCount; ++i) {
    const TAgent& a = society.Agents(i);
    if (a.X < 1 || a.X > GridSize || a.Y < 1 || a.Y > GridSize || society.Grid(a.X, a.Y) != i) {
      return ::testing::AssertionFailure() << "agent " << i << " is not on its cell";
    }
  }
  if (empty != EmptyCellCount) return ::testing::AssertionFailure() << empty << " empty cells";
  for (int color = 1; color <= 2; ++color) {
    if (society.QualifyingCount(color, 0) != EmptyCellCount) {
      return ::testing::AssertionFailure() << "empty-cell set out of step";
    }
  }
  return ::testing::AssertionSuccess();
}

inline void ExpectSocietyConsistent(const Society& society) {
  EXPECT_TRUE(SocietyConsistent(society));
}

}  // namespace vorendal
