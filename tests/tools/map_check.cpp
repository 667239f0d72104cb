// Checks a screenshot of the map (400 x 400 pixels, or 400 scale by 400
// scale on a scaled screen, where every map pixel must be a uniform block):
// every cell is either entirely black or holds one disc, aqua or red, inside
// its columns 1..7 and rows 1..6, with column 0 and rows 0 and 7 black.
// Prints the counts and exits 0 when there are 2000 discs and 500 empty cells.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: map-check map.png [scale]\n");
    return 2;
  }
  const QImage shot = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
  const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
  if (scale < 1 || shot.width() < 400 * scale || shot.height() < 400 * scale) {
    std::fprintf(stderr, "map-check: %s is not a 400 x 400 map\n", argv[1]);
    return 2;
  }
  // Every map pixel a whole, uniform block of screen pixels.
  QImage map(400, 400, QImage::Format_RGB32);
  int blurred = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      const QRgb p = shot.pixel(x * scale, y * scale);
      for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx)
          blurred += shot.pixel(x * scale + dx, y * scale + dy) != p;
      }
      map.setPixel(x, y, p);
    }
  }
  if (blurred != 0)
    std::fprintf(stderr, "map-check: %d screen pixels break their blocks\n", blurred);
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
        if (bad <= 5)
          std::fprintf(stderr, "map-check: cell %d,%d is neither empty nor a disc\n", cx + 1,
                       cy + 1);
      } else if (lit == 0) {
        ++empty;
      } else {
        ++discs;
      }
    }
  }
  std::printf("discs=%d empty=%d bad=%d\n", discs, empty, bad);
  return discs == 2000 && empty == 500 && bad == 0 && blurred == 0 ? 0 : 1;
}
