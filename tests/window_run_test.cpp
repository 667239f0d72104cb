// Runs in the window: the log and read-outs, and input and repaints that
// arrive while a run holds the event loop.
#include "window_fixture.h"

namespace vorendal {
namespace {

TEST_F(WindowFixture, ARunOfOneRoundLogsItsLineAndTheEndAndTheLogIsKept) {
  form->RadioGroup1->SetItemIndex(0);  // "1"
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[0].startsWith("1 : ")) << log[0].toStdString();
  EXPECT_EQ(log[1], "Normal End of Job");
  EXPECT_EQ(form->Edit1->text(), "1");
  EXPECT_EQ(form->Edit2->text(), "2000");

  form->RadioGroup2->SetItemIndex(1);  // "0.5"
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  log = Log();
  ASSERT_EQ(log.size(), 4);
  EXPECT_TRUE(log[2].startsWith("1 : "));
  EXPECT_EQ(log[3], "Normal End of Job");
}

TEST_F(WindowFixture, ReadOutsAreRepaintedAtOnceAndTheLogNotUntilTheRunIsOver) {
  form->RadioGroup1->SetItemIndex(0);
  struct PaintCounter : QObject {
    QWidget* watched = nullptr;
    int paints = 0;
    bool eventFilter(QObject* object, QEvent* event) override {
      if (object == watched && event->type() == QEvent::Paint) ++paints;
      return false;
    }
  } edit_paints, log_paints;
  edit_paints.watched = form->Edit2;
  log_paints.watched = form->Memo1->viewport();
  form->Edit2->installEventFilter(&edit_paints);
  form->Memo1->viewport()->installEventFilter(&log_paints);
  int shown_and_painted = 0;
  QObject::connect(form->Edit2, &QLineEdit::textChanged, form.get(),
                   [&] { shown_and_painted += edit_paints.paints; });
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  EXPECT_GE(edit_paints.paints, 2000);
  EXPECT_EQ(log_paints.paints, 0);
  EXPECT_EQ(Log().size(), 2);
  QApplication::processEvents();
  EXPECT_GT(log_paints.paints, 0);  // the log catches up once the loop runs
}

TEST_F(WindowFixture, AStartClickedDuringARunStartsTheNextRunAfterIt) {
  AtFirstTurn([this] { QueueClick(form->BitBtn1); });
  RunOneRound();
  EXPECT_EQ(Log().size(), 2);  // the queued click waited
  QApplication::processEvents();
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 4);
  EXPECT_EQ(log[1], "Normal End of Job");
  EXPECT_EQ(log[3], "Normal End of Job");
}

TEST_F(WindowFixture, AnEndClickedDuringARunClosesTheWindowAfterIt) {
  AtFirstTurn([this] { QueueClick(form->BitBtn2); });
  RunOneRound();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Log().back(), "Normal End of Job");
  QApplication::processEvents();
  EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowFixture, AMapRepaintRequestedDuringARunReplacesTheSocietyOnlyAfterIt) {
  bool requested = false;
  AtFirstTurn([&] {
    form->MapBox->update();
    requested = true;
  });
  RunOneRound();
  const Society after_run = form->CurrentSociety();
  ASSERT_TRUE(requested);
  QTest::qWait(100);  // repaints come through the event loop, on Qt's update timer
  EXPECT_GT(CellsThatDiffer(after_run, form->CurrentSociety()), 0);  // a new society, after the run
}

TEST_F(WindowFixture, ASmallWindowScrollsAndBlackensOnlyThePartOfTheMapWithinItsSize) {
  form->resize(300, 250);
  QApplication::processEvents();
  EXPECT_TRUE(form->ScrollArea()->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(form->ScrollArea()->verticalScrollBar()->isVisible());
  EXPECT_EQ(form->MapBox->geometry(), QRect(24, 40, 400, 400));  // nothing moves
  form->StrategyMap(form.get());
  const QImage& map = form->MapBox->Surface();
  EXPECT_EQ(map.pixel(299, 249), 0xFF000000);
  int lit_right = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 300; x < 400; ++x) lit_right += map.pixel(x, y) != 0xFF000000;
  }
  EXPECT_GT(lit_right, 0);  // columns 300..399 keep their discs
  form->RadioGroup1->SetItemIndex(0);
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  EXPECT_EQ(Log().back(), "Normal End of Job");
}

TEST_F(WindowFixture, StartClickedManyTimesDuringARunGivesThatManyRunsInTurn) {
  AtFirstTurn([this] {
    for (int k = 0; k < 5; ++k) QueueClick(form->BitBtn1);
  });
  RunOneRound();
  QApplication::processEvents();
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 12);  // the first run and five more, one after another
  for (int run = 0; run < 6; ++run) {
    EXPECT_TRUE(log[2 * run].startsWith("1 : ")) << run;
    EXPECT_EQ(log[2 * run + 1], "Normal End of Job") << run;
  }
}

TEST_F(WindowFixture, ClosingTheWindowDuringARunClosesItAfterTheRun) {
  AtFirstTurn([this] { QCoreApplication::postEvent(form->windowHandle(), new QCloseEvent); });
  RunOneRound();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Log().back(), "Normal End of Job");
  QApplication::processEvents();
  EXPECT_FALSE(form->isVisible());
}

long ResidentKib() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A long session: a hundred runs, each started by a click queued during the
// one before. The log keeps every run's lines in order and the resident
// memory stays flat after the first run.
TEST_F(WindowFixture, AHundredRunsInASessionKeepTheLogAndTheMemoryFlat) {
  form->RadioGroup1->SetItemIndex(0);
  int runs_started = 0;
  long after_first = 0;
  QObject::connect(form->Edit2, &QLineEdit::textChanged, form.get(), [&](const QString& turn) {
    if (turn != "1") return;  // each run's first turn
    ++runs_started;
    if (runs_started == 2) after_first = ResidentKib();
    if (runs_started < 100) QueueClick(form->BitBtn1);
  });
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  for (int spins = 0; spins < 100000 && Log().size() < 200; ++spins) {
    QApplication::processEvents();
  }
  QApplication::processEvents();
  const long after_all = ResidentKib();
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 200);
  for (int run = 0; run < 100; ++run) {
    ASSERT_TRUE(log[2 * run].startsWith("1 : ")) << run;
    ASSERT_EQ(log[2 * run + 1], "Normal End of Job") << run;
  }
  std::printf("resident memory after the first run %ld KiB, after 100 runs %ld KiB\n", after_first,
              after_all);
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(after_all - after_first, 1024);
#endif
}

}  // namespace
}  // namespace vorendal
