// The keyboard and typing: Enter, Tab, arrows, Space, text in the
// read-outs and the log.
#include "window_fixture.h"

namespace vorendal {
namespace {

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

}  // namespace
}  // namespace vorendal
