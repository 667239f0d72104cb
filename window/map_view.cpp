#include "window/map_view.h"

namespace vorendal {

MapView::MapView(TPaintBox& box, const Society& society, std::function<QSize()> outer_size)
    : box_(box), society_(society), outer_size_(std::move(outer_size)) {}

void MapView::StrategyMap() {
  TCanvas* canvas = box_.Canvas();
  canvas->Pen.Color = clBlack;
  canvas->Brush.Color = clBlack;
  const QSize outer = outer_size_();
  canvas->Rectangle(0, 0, outer.width(), outer.height());
}

void MapView::DrawAgentAt(int i, int X, int Y) {
  TCanvas* canvas = box_.Canvas();
  const TColor color = GroupColors[society_.Agents(i).Color];
  canvas->Pen.Color = color;
  canvas->Brush.Color = color;
  // Columns 1..7 and rows 1..6 of the cell; column 0 and rows 0 and 7 stay
  // black, so neighbouring discs never touch.
  canvas->Ellipse((X - 1) * CellSize + 1, (Y - 1) * CellSize + 1, X * CellSize,
                  (Y - 1) * CellSize + 7);
}

void MapView::DrawAgent(int i) {
  const TAgent& agent = society_.Agents(i);
  DrawAgentAt(i, agent.X, agent.Y);
}

void MapView::DrawMap() {
  for (int i = 1; i <= AgentCount; ++i) DrawAgent(i);
}

void MapView::EraseCell(int X, int Y) {
  TCanvas* canvas = box_.Canvas();
  canvas->Pen.Color = clBlack;
  canvas->Brush.Color = clBlack;
  canvas->Rectangle((X - 1) * CellSize, (Y - 1) * CellSize, X * CellSize, Y * CellSize);
}

}  // namespace vorendal
