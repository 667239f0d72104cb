// Checks a screenshot of the map (400 x 400 pixels): every cell is either
// entirely black or holds one disc, aqua or red, inside its columns 1..7 and
// rows 1..6, with column 0 and rows 0 and 7 black. Prints the counts and
// exits 0 when there are 2000 discs and 500 empty cells.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: map-check map.png\n");
    return 2;
  }
  const QImage map = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
  if (map.width() < 400 || map.height() < 400) {
    std::fprintf(stderr, "map-check: %s is not a 400 x 400 map\n", argv[1]);
    return 2;
  }
  const QRgb black = qRgb(0, 0, 0), aqua = qRgb(0, 255, 255), red = qRgb(255, 0, 0);
  int discs = 0, empty = 0, bad = 0;
  for (int cx = 0; cx < 50; ++cx) {
    for (int cy = 0; cy < 50; ++cy) {
      QRgb colour = black;
      bool ok = true;
      int lit = 0;
      for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
          const QRgb p = map.pixel(cx * 8 + col, cy * 8 + row) | 0xFF000000;
          if (p == black) continue;
          const bool inside = col >= 1 && row >= 1 && row <= 6;
          if (!inside || (p != aqua && p != red) || (colour != black && p != colour)) ok = false;
          colour = p;
          ++lit;
        }
      }
      if (!ok || (lit != 0 && lit < 20)) {
        ++bad;
        if (bad <= 5) std::fprintf(stderr, "map-check: cell %d,%d is neither empty nor a disc\n", cx + 1, cy + 1);
      } else if (lit == 0) {
        ++empty;
      } else {
        ++discs;
      }
    }
  }
  std::printf("discs=%d empty=%d bad=%d\n", discs, empty, bad);
  return discs == 2000 && empty == 500 && bad == 0 ? 0 : 1;
}
