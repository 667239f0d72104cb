// The window as it is built: its controls, its start, its fonts, and the
// pixels its read-outs show.
#include "window_fixture.h"

namespace vorendal {
namespace {

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
