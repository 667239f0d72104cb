// The on-screen cost of a run: the real Form1, Start pressed through the
// button, a whole 200-round run with LifeTime ticked, against the floor of
// a bare single-line edit set to a number and repainted at once, as many
// times as the run has turns, in the same process and session.
// Needs a display (e.g. xvfb-run). usage: window-bench [turns-for-the-floor]
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest/QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/display.h"
#include "window/form1.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorendal;
  if (!PrepareDisplay("window-bench")) return 1;
  QApplication app(argc, argv);
  DisplayReady();
  InstallFontSubstitutes();
  const long floor_turns = argc > 1 ? std::atol(argv[1]) : 400000;

  // The floor: a bare edit, set and repainted.
  QLineEdit bare;
  bare.setGeometry(100, 100, 40, 21);
  bare.show();
  if (!QTest::qWaitForWindowExposed(&bare)) return 1;
  QTest::qWait(200);
  auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < floor_turns; ++i) {
    bare.setText(QString::number(i % 2000 + 1));
    bare.repaint();
  }
  const double floor_us =
      Seconds(std::chrono::steady_clock::now() - start) * 1e6 / static_cast<double>(floor_turns);
  bare.hide();

  const FixedClock clock(60000000);
  TForm1 form(clock);
  form.Show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  QTest::qWait(300);
  form.RadioGroup1->SetItemIndex(3);  // "200"
  form.RadioGroup2->SetItemIndex(1);  // "0.5"
  form.CheckBox1->setChecked(true);
  start = std::chrono::steady_clock::now();
  QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
  const double run_s = Seconds(std::chrono::steady_clock::now() - start);
  const double run_us = run_s * 1e6 / (200.0 * 2000.0);

  std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("floor: bare edit set and repainted, %ld times: %.2f us each\n", floor_turns,
              floor_us);
  std::printf(
      "run: Form1, 200 rounds, minimum 0.5, LifeTime, 400000 turns in %.2f s: %.2f us per turn\n",
      run_s, run_us);
  std::printf("ratio run / floor: %.2f\n", run_us / floor_us);
  std::printf("last log line: %s\n", qPrintable(form.Memo1->Lines().back()));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory of this process: %ld KiB\n", usage.ru_maxrss);
  return 0;
}
