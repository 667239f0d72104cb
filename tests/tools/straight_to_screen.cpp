// Checks on a real X server that drawing outside a paint reaches the screen
// before the call returns: with the event loop held, as during a run, the
// map is blackened and a read-out set and refreshed, and another process
// takes a screenshot right after each call.
// usage: straight-to-screen SCREEN_GRAB
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QtTest/QTest>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/display.h"
#include "window/form1.h"

namespace {

int Lit(const QImage& image) {
  int lit = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) lit += (image.pixel(x, y) & 0xFFFFFF) != 0;
  }
  return lit;
}

QImage Grab(const char* tool, const QWidget* widget) {
  static const std::string file =
      QDir::temp().filePath(QString("straight-to-screen-%1.png").arg(getpid())).toStdString();
  const QPoint at = widget->mapToGlobal(QPoint(0, 0));
  const std::string command = std::string(tool) + " " + file + " " + std::to_string(at.x()) + " " +
                              std::to_string(at.y()) + " " + std::to_string(widget->width()) + " " +
                              std::to_string(widget->height());
  if (std::system(command.c_str()) != 0) return {};
  QImage shot = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  std::remove(file.c_str());
  return shot;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorendal;
  if (argc != 2 || !PrepareDisplay("straight-to-screen")) return 2;
  QApplication app(argc, argv);
  DisplayReady();
  TForm1 form;
  form.Show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  QTest::qWait(300);
  int failures = 0;

  // From here on no events are handled until the end.
  const QImage before = Grab(argv[1], form.MapBox);
  form.StrategyMap(&form);
  const QImage black = Grab(argv[1], form.MapBox);
  std::printf("map: %d pixels lit before, %d after blackening\n", Lit(before), Lit(black));
  if (before.isNull() || black.isNull() || Lit(before) == 0 || Lit(black) != 0) ++failures;

  form.Map().DrawAgentAt(1, 1, 1);
  const QImage disc = Grab(argv[1], form.MapBox);
  const bool disc_shown = !disc.isNull() && (disc.pixel(4, 3) & 0xFFFFFF) != 0;
  std::printf("map: a disc drawn at (1, 1) %s\n",
              disc_shown ? "is on the screen" : "is NOT on the screen");
  if (!disc_shown) ++failures;

  form.ShowTurn(1);
  const QImage one = Grab(argv[1], form.Edit2);
  form.ShowTurn(2000);
  const QImage many = Grab(argv[1], form.Edit2);
  const bool changed = !one.isNull() && !many.isNull() && one != many;
  std::printf("read-out: set from 1 to 2000 %s\n",
              changed ? "changes the screen" : "does NOT change the screen");
  if (!changed) ++failures;
  return failures == 0 ? 0 : 1;
}
