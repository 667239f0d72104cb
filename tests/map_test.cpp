#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>

#include "model/society.h"
#include "window/map_view.h"

namespace vorendal {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kAqua = 0xFF00FFFF;  // group 1: red 0, green 255, blue 255
constexpr QRgb kRed = 0xFFFF0000;   // group 2: red 255

// A paint box on a window of adjustable outer size, with the map drawn
// through a MapView as the program does.
class MapFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    box.SetWidth(MapWidth);
    box.SetHeight(MapHeight);
    box.Canvas()->Brush.Color = clWhite;
    box.Canvas()->Pen.Color = clWhite;
    box.Canvas()->Rectangle(0, 0, MapWidth, MapHeight);  // not black, to see what paints black
  }
  QRgb Pixel(int x, int y) const { return box.Surface().pixel(x, y); }
  void Put(int i, int color, int x, int y) {
    society.PlaceAgent(i, TAgent{static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(x),
                                 static_cast<std::uint8_t>(y), 20});
  }
  // The pixels of cell (x, y) that hold `colour`, as a 8 x 8 pattern.
  std::string CellPattern(int x, int y) const {
    std::string pattern;
    for (int row = 0; row < 8; ++row) {
      for (int col = 0; col < 8; ++col) {
        const QRgb p = Pixel((x - 1) * 8 + col, (y - 1) * 8 + row);
        pattern += p == kBlack ? '.' : p == kAqua ? 'a' : p == kRed ? 'r' : '?';
      }
      pattern += '\n';
    }
    return pattern;
  }

  QSize outer{623, 610};
  TPaintBox box;
  Society society;
  MapView map{box, society, [this] { return outer; }};
};

TEST_F(MapFixture, DiscsSitInColumnsOneToSevenAndRowsOneToSixOfTheirCell) {
  Put(1, 1, 1, 1);
  Put(2, 2, 50, 50);
  map.StrategyMap();
  map.DrawMap();  // agents 3..2000 are not placed; their records point nowhere
  const std::string disc_aqua =
      "........\n"
      "...aaa..\n"
      ".aaaaaaa\n"
      ".aaaaaaa\n"
      ".aaaaaaa\n"
      ".aaaaaaa\n"
      "...aaa..\n"
      "........\n";
  std::string disc_red = disc_aqua;
  for (char& c : disc_red) c = c == 'a' ? 'r' : c;
  EXPECT_EQ(CellPattern(1, 1), disc_aqua);
  EXPECT_EQ(CellPattern(50, 50), disc_red);
  // In map pixels: columns 1..7 and rows 1..6; columns 393..399, rows 393..398.
  EXPECT_EQ(Pixel(1, 3), kAqua);
  EXPECT_EQ(Pixel(7, 3), kAqua);
  EXPECT_EQ(Pixel(0, 3), kBlack);
  EXPECT_EQ(Pixel(393, 395), kRed);
  EXPECT_EQ(Pixel(399, 395), kRed);
  EXPECT_EQ(Pixel(395, 393), kRed);
  EXPECT_EQ(Pixel(395, 398), kRed);
  EXPECT_EQ(Pixel(395, 399), kBlack);
  EXPECT_EQ(Pixel(392, 395), kBlack);
}

TEST_F(MapFixture, AWholeSocietyShowsADiscOnEveryOccupiedCellAndBlackElsewhere) {
  const FixedClock clock(2718);
  RandomGenerator random(clock);
  DefaultValues(society, random);
  map.StrategyMap();
  map.DrawMap();
  const std::string black(8 * 9, '.');
  std::string blank;
  for (int row = 0; row < 8; ++row) blank += "........\n";
  int discs = 0, empty = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) {
      const int i = society.Grid(x, y);
      const std::string pattern = CellPattern(x, y);
      if (i == 0) {
        ASSERT_EQ(pattern, blank) << x << "," << y;
        ++empty;
      } else {
        const char want = society.Agents(i).Color == 1 ? 'a' : 'r';
        ASSERT_EQ(pattern.find_first_not_of(std::string(".\n") + want), std::string::npos);
        ASSERT_EQ(std::count(pattern.begin(), pattern.end(), want), 3 + 7 * 4 + 3) << x << "," << y;
        ++discs;
      }
    }
  }
  EXPECT_EQ(discs, 2000);
  EXPECT_EQ(empty, 500);
}

TEST_F(MapFixture, EraseAndDrawTouchOnlyTheirCells) {
  const FixedClock clock(99);
  RandomGenerator random(clock);
  DefaultValues(society, random);
  map.StrategyMap();
  map.DrawMap();
  const QImage before = box.Surface().copy();
  const TAgent& a = society.Agents(7);
  map.EraseCell(a.X, a.Y);
  map.DrawAgentAt(7, 25, 25);
  const QRect old_cell((a.X - 1) * 8, (a.Y - 1) * 8, 8, 8);
  const QRect new_cell(24 * 8, 24 * 8, 8, 8);
  int changed_elsewhere = 0;
  for (int y = 0; y < MapHeight; ++y) {
    for (int x = 0; x < MapWidth; ++x) {
      const QPoint p(x, y);
      if (old_cell.contains(p)) {
        ASSERT_EQ(Pixel(x, y), kBlack);
      } else if (!new_cell.contains(p)) {
        changed_elsewhere += Pixel(x, y) != before.pixel(x, y);
      }
    }
  }
  EXPECT_EQ(changed_elsewhere, 0);
  EXPECT_EQ(Pixel(24 * 8 + 4, 24 * 8 + 3), a.Color == 1 ? kAqua : kRed);
}

TEST_F(MapFixture, BlackeningStopsAtTheWindowsOuterSize) {
  outer = QSize(300, 250);
  map.StrategyMap();
  EXPECT_EQ(Pixel(299, 249), kBlack);
  EXPECT_EQ(Pixel(0, 0), kBlack);
  EXPECT_EQ(Pixel(300, 100), 0xFFFFFFFF);  // beyond the width: as it was
  EXPECT_EQ(Pixel(100, 250), 0xFFFFFFFF);  // beyond the height
  EXPECT_EQ(Pixel(399, 399), 0xFFFFFFFF);
}

// A paint of part of the box runs the paint handler, which replaces the
// society as a whole, but only the repainted part of the map changes.
TEST(PaintBox, APartialPaintRunsTheHandlerClippedToThePart) {
  TPaintBox box;
  box.SetWidth(MapWidth);
  box.SetHeight(MapHeight);
  Society society;
  SystemClock system;
  RandomGenerator random(system);
  std::uint32_t next_seed = 1;
  MapView map(box, society, [] { return QSize(623, 610); });
  int paints = 0;
  box.OnPaint = [&](TObject*) {
    ++paints;
    const FixedClock clock(next_seed++);
    RandomGenerator seeded(clock);
    DefaultValues(society, seeded);
    map.StrategyMap();
    map.DrawMap();
  };
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  QApplication::processEvents();
  box.repaint();  // a whole paint: the first society
  ASSERT_GE(paints, 1);
  const QImage first = box.Surface().copy();
  const int before = paints;
  box.repaint(QRect(0, 0, 100, 80));  // as the platform asks for part of it
  EXPECT_EQ(paints, before + 1);
  int changed_inside = 0, changed_outside = 0;
  for (int y = 0; y < MapHeight; ++y) {
    for (int x = 0; x < MapWidth; ++x) {
      const bool differs = box.Surface().pixel(x, y) != first.pixel(x, y);
      (x < 100 && y < 80 ? changed_inside : changed_outside) += differs;
    }
  }
  EXPECT_GT(changed_inside, 0);
  EXPECT_EQ(changed_outside, 0);
  // Drawing outside a paint shows at once and never runs the handler.
  const int settled = paints;
  map.EraseCell(50, 50);
  EXPECT_EQ(paints, settled);
  EXPECT_EQ(box.Surface().pixel(396, 396), kBlack);
  // The handler finds the brush set to the box's own colour.
  box.OnPaint = [&](TObject*) { EXPECT_EQ(box.Canvas()->Brush.Color, clBlack); };
  box.Canvas()->Brush.Color = clWhite;
  box.repaint();
}

}  // namespace
}  // namespace vorendal
