// Saves what the X server shows: the whole screen, or the rectangle
// x y width height, as a PNG. Used by the real-window test and for the
// README's screenshot.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2 && argc != 6) {
    std::fprintf(stderr, "usage: screen-grab out.png [x y width height]\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  QPixmap shot = argc == 6 ? screen->grabWindow(0, std::atoi(argv[2]), std::atoi(argv[3]),
                                                std::atoi(argv[4]), std::atoi(argv[5]))
                           : screen->grabWindow(0);
  return shot.save(argv[1]) ? 0 : 1;
}
