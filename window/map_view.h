// The map: the society drawn on a 400 x 400 paint box, 8 pixels a cell, each
// agent a small disc in its group's colour on black. It draws for the model
// (MapPainter) and keeps no picture of its own: a repaint of the box draws a
// new society.
#pragma once

#include <array>
#include <functional>

#include "model/map_painter.h"
#include "model/society.h"
#include "platform/paint_box.h"

namespace vorendal {

inline constexpr int MapWidth = 400;
inline constexpr int MapHeight = 400;
inline constexpr int CellSize = 8;
// Group 1 aqua, group 2 red.
inline constexpr std::array<TColor, 3> GroupColors = {clBlack, 0x00FFFF00, 0x000000FF};

class MapView final : public MapPainter {
 public:
  // outer_size gives the window's present outer width and height.
  MapView(TPaintBox& box, const Society& society, std::function<QSize()> outer_size);

  // Black from the map's top-left corner to the window's outer size; the
  // surface limits it to the map, so a window narrower or lower than the map
  // leaves the rest of the map as it was.
  void StrategyMap() override;
  void DrawMap() override;
  void EraseCell(int X, int Y) override;
  void DrawAgentAt(int i, int X, int Y) override;
  void DrawAgent(int i);

 private:
  TPaintBox& box_;
  const Society& society_;
  std::function<QSize()> outer_size_;
};

}  // namespace vorendal
