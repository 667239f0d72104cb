// The program's own start-up, timed: main as the program has it, which
// prints, at the end of the first paint of the map, the time since the
// launcher started it (VORENDAL_LAUNCH_NS, CLOCK_MONOTONIC) and the peak
// resident memory so far, then quits.
#include <sys/resource.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/display.h"
#include "window/form1.h"

namespace {

long long NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

class FirstPaint final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        const char* launch = std::getenv("VORENDAL_LAUNCH_NS");
        const double ms = launch ? static_cast<double>(NowNs() - std::atoll(launch)) / 1e6 : -1;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-paint-ms %.2f peak-rss-kib %ld\n", ms, usage.ru_maxrss);
        std::fflush(stdout);
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (!vorendal::PrepareDisplay("startup-probe")) return 1;
  QApplication app(argc, argv);
  vorendal::DisplayReady();
  vorendal::InstallFontSubstitutes();
  vorendal::TForm1 Form1;
  FirstPaint probe;
  Form1.MapBox->installEventFilter(&probe);
  Form1.Show();
  return QApplication::exec();
}
