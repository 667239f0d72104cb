#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QFontInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWindow>
#include <QtTest/QTest>
#include <cstdio>
#include <functional>
#include <memory>

#include "window/form1.h"

namespace vorendal {
namespace {

// A clock that moves on by one millisecond each time it is read, so every
// society differs from the one before.
class CountingClock final : public TimeOfDayClock {
 public:
  explicit CountingClock(std::uint32_t start) : next_(start) {}
  std::uint32_t MillisecondsSinceMidnight() const override { return next_++; }

 private:
  mutable std::uint32_t next_;
};

int CellsThatDiffer(const Society& a, const Society& b) {
  int differ = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) differ += a.Grid(x, y) != b.Grid(x, y);
  }
  return differ;
}

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(clock);
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  // Posts a click to the queue, as a user's click made during a run waits.
  void QueueClick(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          widget, new QMouseEvent(type, at, global, Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier));
    }
  }
  QStringList Log() const { return form->Memo1->Lines(); }
  // Calls `action` once, at the first turn of the next run, while the run
  // holds the event loop.
  void AtFirstTurn(std::function<void()> action) {
    auto done = std::make_shared<bool>(false);
    QObject::connect(form->Edit2, &QLineEdit::textChanged, form.get(), [done, action] {
      if (!*done) action();
      *done = true;
    });
  }
  // Rounds "1", then a click on Start, which returns when the run is over.
  void RunOneRound() {
    form->RadioGroup1->SetItemIndex(0);
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  }

  CountingClock clock{1000};
  std::unique_ptr<TForm1> form;
};

// Creation draws a society on the hidden map; the first paint the event
// loop handles draws another, the one the user sees.
TEST(WindowStart, CreationPaintsTheMapAndTheFirstPaintPaintsItAgain) {
  CountingClock clock(500);
  TForm1 form(clock);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.MapBox->size(), QSize(400, 400));
  const Society created = form.CurrentSociety();
  int agents = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) agents += created.Grid(x, y) != 0;
  }
  EXPECT_EQ(agents, 2000);
  const TAgent& first = created.Agents(1);
  EXPECT_EQ(form.MapBox->Surface().pixel((first.X - 1) * 8 + 4, (first.Y - 1) * 8 + 3),
            ToRgb(GroupColors[first.Color]));
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  EXPECT_GT(CellsThatDiffer(created, form.CurrentSociety()), 0);
}

TEST_F(WindowFixture, EveryControlHasItsPlaceTextAndFont) {
  struct Row {
    QWidget* control;
    const char* kind;
    QRect bounds;
    QString text;
    int font_pixels;
    bool bold;
  };
  TForm1& f = *form;
  const Row rows[] = {
      {f.StaticText1, "vorendal::TStaticText", {61, 2, 248, 31}, "Tamblewick", 19, false},
      {f.StaticText2, "vorendal::TStaticText", {342, 8, 84, 22}, "Model No.1", 13, false},
      {f.MapBox, "vorendal::TPaintBox", {24, 40, 400, 400}, "", 12, false},
      {f.Image1, "vorendal::TImage", {472, 40, 113, 113}, "", 12, false},
      {f.Memo1, "vorendal::TMemo", {432, 168, 161, 265}, "", 12, false},
      {f.Label2, "vorendal::TLabel", {72, 480, 48, 16}, "Round", 16, true},
      {f.Edit1, "vorendal::TEdit", {128, 480, 40, 21}, "", 13, false},
      {f.Label3, "vorendal::TLabel", {56, 510, 67, 16}, "Iteration", 16, true},
      {f.Edit2, "vorendal::TEdit", {128, 510, 40, 21}, "", 13, false},
      {f.Panel1, "vorendal::TPanel", {232, 464, 361, 97}, "", 12, false},
      {f.RadioGroup2, "vorendal::TRadioGroup", {128, 16, 100, 49}, "Minimum", 13, true},
      {f.RadioGroup1, "vorendal::TRadioGroup", {248, 480, 100, 50}, "Rounds", 13, true},
      {f.CheckBox1, "vorendal::TCheckBox", {368, 536, 81, 17}, "LifeTime", 13, true},
      {f.BitBtn1, "vorendal::TBitBtn", {488, 480, 75, 25}, "Start", 13, true},
      {f.BitBtn2, "vorendal::TBitBtn", {488, 512, 75, 24}, "End", 13, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    EXPECT_STREQ(row.control->metaObject()->className(), row.kind);
    EXPECT_EQ(row.control->geometry(), row.bounds);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(row.control)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(row.control)) text = button->text();
    if (auto* group = qobject_cast<QGroupBox*>(row.control)) text = group->title();
    if (qobject_cast<TImage*>(row.control) == nullptr) {
      EXPECT_EQ(text, row.text);
    }
    EXPECT_EQ(row.control->font().pixelSize(), row.font_pixels);
    EXPECT_EQ(row.control->font().bold(), row.bold);
  }
  EXPECT_EQ(f.RadioGroup2->parentWidget(), f.Panel1);
  EXPECT_EQ(f.RadioGroup2->mapTo(f.Client(), QPoint(0, 0)), QPoint(360, 480));
  EXPECT_EQ(f.windowTitle(), "Vorendal");
  EXPECT_EQ(f.pos(), QPoint(227, 60));
  EXPECT_EQ(f.frameGeometry().size(), QSize(623, 610));
  EXPECT_EQ(f.StaticText1->font().family(), "Arial Black");
  EXPECT_EQ(f.MapBox->font().family(), "Times New Roman");
  EXPECT_EQ(f.BitBtn1->font().family(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(f.Edit1->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(f.font().pixelSize(), 12);
  // Rounds: "1" and "50" in the first column, "100" and "200" in the second.
  EXPECT_EQ(f.RadioGroup1->Item(0)->x(), f.RadioGroup1->Item(1)->x());
  EXPECT_EQ(f.RadioGroup1->Item(2)->x(), f.RadioGroup1->Item(3)->x());
  EXPECT_LT(f.RadioGroup1->Item(0)->x(), f.RadioGroup1->Item(2)->x());
  EXPECT_LT(f.RadioGroup1->Item(0)->y(), f.RadioGroup1->Item(1)->y());
  EXPECT_EQ(f.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(f.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // The picture is centred in its frame; the glyphs are 18 x 18.
  EXPECT_EQ(f.Image1->pixmap().size(), QSize(110, 110));
  EXPECT_EQ(f.Image1->alignment(), Qt::AlignCenter);
  EXPECT_EQ(f.BitBtn1->iconSize(), QSize(18, 18));
  EXPECT_FALSE(f.BitBtn1->icon().isNull());
  EXPECT_FALSE(f.BitBtn2->icon().isNull());
  EXPECT_FALSE(f.windowIcon().isNull());
  // Controls over the panel are the window's, drawn above it.
  EXPECT_EQ(f.BitBtn1->parentWidget(), f.Client());
  EXPECT_EQ(f.Client()->childAt(500, 490), f.BitBtn1);
}

TEST_F(WindowFixture, StartsWithTheDesignedSettingsAndASocietyOnTheMap) {
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);  // "50"
  EXPECT_EQ(form->RadioGroup2->ItemIndex(), 0);  // "0.25"
  EXPECT_FALSE(form->CheckBox1->Checked());
  EXPECT_TRUE(form->Edit1->text().isEmpty());
  EXPECT_TRUE(form->Edit2->text().isEmpty());
  EXPECT_TRUE(Log().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), form->BitBtn1);
  EXPECT_EQ(form->MapBox->size(), QSize(400, 400));
  // The map shows the society: a disc wherever an agent stands.
  const Society& s = form->CurrentSociety();
  int discs = 0;
  for (int x = 1; x <= GridSize; ++x) {
    for (int y = 1; y <= GridSize; ++y) {
      const bool lit =
          form->MapBox->Surface().pixel((x - 1) * 8 + 4, (y - 1) * 8 + 3) != 0xFF000000;
      ASSERT_EQ(lit, s.Grid(x, y) != 0) << x << "," << y;
      discs += lit;
    }
  }
  EXPECT_EQ(discs, 2000);
}

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

TEST_F(WindowFixture, EnterClicksTheFocusedButtonOrElseEndUnlessTheLogTakesIt) {
  form->RadioGroup1->SetItemIndex(0);
  Press(Qt::Key_Return);  // focus on Start
  EXPECT_EQ(Log().size(), 2);
  EXPECT_TRUE(form->isVisible());

  form->Memo1->setFocus();
  Press(Qt::Key_Return);  // a new line in the log
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Memo1->toPlainText().count('\n'), 2);

  Press(Qt::Key_Return, Qt::ShiftModifier);  // with Shift: never End
  EXPECT_TRUE(form->isVisible());

  struct Case {
    const char* name;
    QWidget* focus;
  };
  for (const Case& c :
       {Case{"End", form->BitBtn2}, Case{"read-out", form->Edit1},
        Case{"radio group", form->RadioGroup2->Item(0)}, Case{"check box", form->CheckBox1}}) {
    SCOPED_TRACE(c.name);
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    c.focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), c.focus);
    const auto lines = Log().size();
    Press(Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());  // End closed the window
    EXPECT_EQ(Log().size(), lines);
  }
}

TEST_F(WindowFixture, TabVisitsTheControlsInTheirOrderAndNeverTheStaticTexts) {
  TForm1& f = *form;
  const std::vector<QWidget*> order = {f.BitBtn2, f.RadioGroup2->Item(0), f.Edit1,     f.Edit2,
                                       f.Memo1,   f.RadioGroup1->Item(1), f.CheckBox1, f.BitBtn1};
  ASSERT_EQ(QApplication::focusWidget(), f.BitBtn1);
  for (QWidget* next : order) {
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
  }
  Press(Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), f.CheckBox1);
}

TEST_F(WindowFixture, ArrowsMoveTheSelectionAndSpaceTicksTheCheckBox) {
  form->RadioGroup2->Item(0)->setFocus();
  Press(Qt::Key_Down);
  EXPECT_EQ(form->RadioGroup2->ItemIndex(), 1);
  form->CheckBox1->setFocus();
  Press(Qt::Key_Space);
  EXPECT_TRUE(form->CheckBox1->Checked());
  EXPECT_TRUE(form->LifeTimeOption());
  EXPECT_EQ(form->Threshold(), 0.5);
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

TEST_F(WindowFixture, TextTypedIntoTheReadOutsAndLogIsNeverReadBack) {
  form->Edit1->setFocus();
  QTest::keyClicks(form->Edit1, "abc");
  QTest::keyClicks(form->Memo1, "notes");
  form->RadioGroup1->SetItemIndex(0);
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
  EXPECT_EQ(form->Edit1->text(), "1");
  const QStringList log = Log();
  EXPECT_EQ(log.front(), "notes");
  EXPECT_EQ(log.back(), "Normal End of Job");
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

// What the window's backing store holds where the widget is.
QImage StorePixels(QWidget* widget) {
  auto* store = dynamic_cast<QImage*>(widget->window()->backingStore()->paintDevice());
  if (store == nullptr) return {};
  const qreal ratio = store->devicePixelRatio();
  const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
  return store->copy(
      QRect((QPointF(at) * ratio).toPoint(), (QSizeF(widget->size()) * ratio).toSize()));
}

// A read-out shows the pixels it kept for a text again; they must be the
// pixels Qt paints for it now, whatever changed in between.
TEST_F(WindowFixture, AReadOutShowsExactlyWhatQtPaintsForItsText) {
  TEdit* edit = form->Edit2;
  auto expect_as_qt_paints = [&](const char* when) {
    for (const QString text : {"7", "2000", "7", "2000", "1999"}) {
      edit->SetText(text);
      edit->Refresh();
      const QImage ours = StorePixels(edit);
      edit->repaint();  // Qt's own paint, for comparison
      ASSERT_FALSE(ours.isNull());
      EXPECT_EQ(ours, StorePixels(edit)) << when << ": " << text.toStdString();
    }
  };
  expect_as_qt_paints("at first");
  SetColor(edit, QPalette::Base, QColor(255, 255, 160));
  expect_as_qt_paints("after a palette change");
  edit->setFont(MakeFont("Times New Roman", 15));
  expect_as_qt_paints("after a font change");
  edit->setEnabled(false);
  expect_as_qt_paints("disabled");
  edit->setEnabled(true);
  edit->resize(60, 25);
  expect_as_qt_paints("after a resize");
  edit->setFocus();
  expect_as_qt_paints("with the focus");
}

TEST(WindowFonts, NamedFacesResolveToInstalledSubstitutes) {
  const std::pair<QString, QString> faces[] = {{QStringLiteral("ＭＳ Ｐゴシック"), "IPAPGothic"},
                                               {QStringLiteral("ＭＳ ゴシック"), "IPAGothic"},
                                               {"Arial Black", "Lato Black"},
                                               {"Times New Roman", "Liberation Serif"}};
  for (const auto& [face, substitute] : faces) {
    if (!QFontDatabase::hasFamily(substitute)) GTEST_SKIP() << "fonts not installed";
    QFont font(face);
    font.setPixelSize(13);
    EXPECT_EQ(QFontInfo(font).family(), substitute) << face.toStdString();
  }
}

}  // namespace
}  // namespace vorendal
