// What the model draws through. The window implements it on the map's
// surface; tests record the calls; the runner and benchmarks draw nothing.
#pragma once

namespace vorendal {

class MapPainter {
 public:
  virtual ~MapPainter() = default;
  virtual void StrategyMap() = 0;                     // the whole map black
  virtual void DrawMap() = 0;                         // every agent's disc, agent 1 first
  virtual void EraseCell(int X, int Y) = 0;           // one cell black
  virtual void DrawAgentAt(int i, int X, int Y) = 0;  // agent i's disc at (X, Y)
};

class NullMapPainter final : public MapPainter {
 public:
  void StrategyMap() override {}
  void DrawMap() override {}
  void EraseCell(int, int) override {}
  void DrawAgentAt(int, int, int) override {}
};

}  // namespace vorendal
