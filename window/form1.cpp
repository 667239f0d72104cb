#include "window/form1.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

// The pictures live in a static library's resources, which must be
// registered by hand.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace vorendal {

namespace {

// The window's faces and the colours it names.
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kArialBlack = QStringLiteral("Arial Black");
const QString kTimes = QStringLiteral("Times New Roman");
const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

constexpr std::int32_t kRoundChoices[] = {1, 50, 100, 200};
constexpr double kMinimumChoices[] = {0.25, 0.5};

}  // namespace

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(kPGothic, {"IPAPGothic", "IPA Pゴシック", "VL PGothic"});
  QFont::insertSubstitutions(kGothic, {"IPAGothic", "IPAゴシック", "VL Gothic"});
  QFont::insertSubstitutions(kArialBlack, {"Lato Black", "Liberation Sans"});
  QFont::insertSubstitutions(kTimes, {"Liberation Serif", "DejaVu Serif"});
}

const TimeOfDayClock& TForm1::SystemClockInstance() {
  static const SystemClock clock;
  return clock;
}

TForm1::TForm1(const TimeOfDayClock& clock) : random_(clock) {
  InitResources();
  CreateControls();
  FormCreate(this);
}

TForm1::~TForm1() = default;

// The stored layout: positions and sizes in client pixels, as designed at
// 96 pixels per inch. Controls created later lie above earlier ones, so the
// panel is made before the settings and buttons drawn over it.
void TForm1::CreateControls() {
  SetCaption("Vorendal");
  setWindowIcon(QIcon(":/art/vorendal.xpm"));
  setFont(MakeFont(kPGothic, 12));
  QWidget* client = Client();
  SetClientExtent(593, 561);  // the right and bottom edges of the controls

  StaticText1 = new TStaticText(client);
  StaticText1->setText("Tamblewick");
  StaticText1->setFont(MakeFont(kArialBlack, 19));
  SetColor(StaticText1, QPalette::WindowText, kNavy);
  SetColor(StaticText1, QPalette::Window, palette().color(QPalette::ToolTipBase));
  vorendal::SetBounds(StaticText1, 61, 2, 248, 31);

  StaticText2 = new TStaticText(client);
  StaticText2->setText("Model No.1");
  StaticText2->setFont(MakeFont(kArialBlack, 13));
  SetColor(StaticText2, QPalette::WindowText, palette().color(QPalette::WindowText));
  SetColor(StaticText2, QPalette::Window, palette().color(QPalette::HighlightedText));
  vorendal::SetBounds(StaticText2, 342, 8, 84, 22);

  MapBox = new TPaintBox(client);
  map_ = std::make_unique<MapView>(*MapBox, society_,
                                   [this] { return QSize(OuterWidth(), OuterHeight()); });
  MapBox->setFont(MakeFont(kTimes, 12));
  MapBox->Color = clBlack;
  vorendal::SetBounds(MapBox, 24, 40, 400, 400);
  MapBox->OnPaint = [this](TObject* sender) { PaintB1(sender); };

  Image1 = new TImage(client);
  vorendal::SetBounds(Image1, 472, 40, 113, 113);
  Image1->SetPicture(QPixmap(":/art/picture.bmp"));

  Memo1 = new TMemo(client);
  vorendal::SetBounds(Memo1, 432, 168, 161, 265);

  auto make_label = [client](const char* text, int left, int top, int width, int height) {
    auto* label = new TLabel(client);
    label->setText(text);
    label->setFont(MakeFont(kPGothic, 16, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColor(label, QPalette::WindowText, kWhite);
    SetColor(label, QPalette::Window, kNavy);
    vorendal::SetBounds(label, left, top, width, height);
    return label;
  };
  auto make_edit = [client](int left, int top) {
    auto* edit = new TEdit(client);
    edit->setFont(MakeFont(kPGothic, 13));
    vorendal::SetBounds(edit, left, top, 40, 21);
    return edit;
  };
  Label2 = make_label("Round", 72, 480, 48, 16);
  Edit1 = make_edit(128, 480);
  Label3 = make_label("Iteration", 56, 510, 67, 16);
  Edit2 = make_edit(128, 510);

  Panel1 = new TPanel(client);
  SetColor(Panel1, QPalette::Window, palette().color(QPalette::Midlight));
  vorendal::SetBounds(Panel1, 232, 464, 361, 97);

  auto make_group = [](QWidget* parent, const char* title) {
    auto* group = new TRadioGroup(parent);
    group->setTitle(title);
    group->setFont(MakeFont(kGothic, 13, true));
    SetColor(group, QPalette::WindowText, kNavy);
    SetColor(group, QPalette::ButtonText, kNavy);
    return group;
  };
  RadioGroup2 = make_group(Panel1, "Minimum");
  RadioGroup2->setAutoFillBackground(true);
  SetColor(RadioGroup2, QPalette::Window, palette().color(QPalette::Button));
  vorendal::SetBounds(RadioGroup2, 128, 16, 100, 49);
  RadioGroup2->SetItems({"0.25", "0.5"});
  RadioGroup2->SetItemIndex(0);

  RadioGroup1 = make_group(client, "Rounds");
  vorendal::SetBounds(RadioGroup1, 248, 480, 100, 50);
  RadioGroup1->SetItems({"1", "50", "100", "200"}, 2);
  RadioGroup1->SetItemIndex(1);

  CheckBox1 = new TCheckBox(client);
  CheckBox1->setText("LifeTime");
  CheckBox1->setFont(MakeFont(kPGothic, 13, true));
  SetColor(CheckBox1, QPalette::WindowText, kNavy);
  SetColor(CheckBox1, QPalette::ButtonText, kNavy);
  vorendal::SetBounds(CheckBox1, 368, 536, 81, 17);

  auto make_button = [client](const char* text, const char* glyph, int top, int height) {
    auto* button = new TBitBtn(client);
    button->setText(text);
    button->setFont(MakeFont(kGothic, 13, true));
    SetColor(button, QPalette::ButtonText, kBlack);
    button->SetGlyph(QPixmap(glyph));
    vorendal::SetBounds(button, 488, top, 75, height);
    return button;
  };
  BitBtn1 = make_button("Start", ":/art/start_glyph.bmp", 480, 25);
  BitBtn2 = make_button("End", ":/art/end_glyph.bmp", 512, 24);
  SetDefaultButton(BitBtn2);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(BitBtn2); });

  SetTabOrder({BitBtn1, BitBtn2, RadioGroup2, Edit1, Edit2, Memo1, RadioGroup1, CheckBox1});
  BitBtn1->setFocus();

  SetBounds(227, 60, 623, 610);
}

void TForm1::FormCreate(TObject* Sender) { PaintB1(Sender); }

void TForm1::PaintB1(TObject* Sender) {
  MapBox->SetWidth(MapWidth);
  MapBox->SetHeight(MapHeight);
  DefaultValues(Sender);
  StrategyMap(Sender);
  DrawMap(Sender);
}

void TForm1::DefaultValues(TObject*) { vorendal::DefaultValues(society_, random_); }
void TForm1::StrategyMap(TObject*) { map_->StrategyMap(); }
void TForm1::DrawMap(TObject*) { map_->DrawMap(); }

void TForm1::BitBtn1Click(TObject*) { RunDriver(society_, random_, *this, *map_).Execute(); }

void TForm1::BitBtn2Click(TObject*) { Close(); }

std::int32_t TForm1::RoundLimit() {
  const int item = RadioGroup1->ItemIndex();
  return item >= 0 && item < 4 ? kRoundChoices[item] : kRoundChoices[1];
}

double TForm1::Threshold() {
  return RadioGroup2->ItemIndex() == 1 ? kMinimumChoices[1] : kMinimumChoices[0];
}

bool TForm1::LifeTimeOption() { return CheckBox1->Checked(); }

void TForm1::ShowRound(std::int32_t round) {
  Edit1->SetText(QString::number(round));
  Edit1->Refresh();
}

void TForm1::ShowTurn(std::int32_t turn) {
  Edit2->SetText(QString::number(turn));
  Edit2->Refresh();
}

void TForm1::AppendLog(std::string_view line) {
  Memo1->AddLine(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

}  // namespace vorendal
