// The main window under test: a fresh Form1 on Qt's offscreen platform,
// shown and active, with helpers to press keys, queue clicks and run.
#pragma once

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

// A clock that moves on by one millisecond each time it is read, so every
// society differs from the one before.
class CountingClock final : public TimeOfDayClock {
 public:
  explicit CountingClock(std::uint32_t start) : next_(start) {}
  std::uint32_t MillisecondsSinceMidnight() const override { return next_++; }

 private:
  mutable std::uint32_t next_;
};

inline int CellsThatDiffer(const Society& a, const Society& b) {
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

}  // namespace vorendal
