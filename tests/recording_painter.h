// A MapPainter that records what the model asked it to draw.
#pragma once

#include <string>
#include <vector>

#include "model/map_painter.h"

namespace vorendal {

class RecordingPainter final : public MapPainter {
 public:
  std::vector<std::string> calls;
  void StrategyMap() override { calls.push_back("StrategyMap"); }
  void DrawMap() override { calls.push_back("DrawMap"); }
  void EraseCell(int X, int Y) override { calls.push_back(Cell("EraseCell", X, Y)); }
  void DrawAgentAt(int i, int X, int Y) override {
    calls.push_back(Cell("DrawAgentAt " + std::to_string(i), X, Y));
  }

 private:
  static std::string Cell(const std::string& what, int X, int Y) {
    return what + " " + std::to_string(X) + "," + std::to_string(Y);
  }
};

}  // namespace vorendal
