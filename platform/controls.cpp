#include "platform/controls.h"

#include <QBitmap>
#include <QIcon>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include "platform/direct_paint.h"

namespace vorendal {

QFont MakeFont(const QString& face, int pixel_height, bool bold) {
  QFont font(face);
  font.setPixelSize(pixel_height);
  font.setBold(bold);
  return font;
}

void SetBounds(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(left, top, width, height);
}

void SetColor(QWidget* control, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(role, color);
  control->setPalette(palette);
}

TLabel::TLabel(QWidget* parent) : QLabel(parent) { setAutoFillBackground(true); }

TStaticText::TStaticText(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

TEdit::Look TEdit::CurrentLook() const {
  return Look{hasSelectedText(),
              isEnabled(),
              underMouse(),
              isActiveWindow(),
              mapTo(window(), QPoint(0, 0)),
              devicePixelRatioF()};
}

void TEdit::Refresh() {
  // A focused edit blinks its cursor: always paint it anew.
  if (hasFocus()) {
    RenderNow(this);
    return;
  }
  constexpr qsizetype kMostLooks = 4096;  // every turn number and then some
  if (const Look look = CurrentLook(); !(look == look_)) {
    ForgetLooks();
    look_ = look;
  }
  // Where the cursor stands decides how far long text is scrolled.
  const QString key = text() + QChar(0) + QString::number(cursorPosition());
  if (const auto kept = looks_.constFind(key); kept != looks_.constEnd()) {
    if (ShowNow(this, *kept)) return;
  }
  QImage painted;
  if (RenderNow(this, &painted) && !painted.isNull() && looks_.size() < kMostLooks) {
    looks_.insert(key, painted);
  }
}

// Palette, font, style, enabled state and the like: every look kept may be
// out of date.
void TEdit::changeEvent(QEvent* event) {
  ForgetLooks();
  QLineEdit::changeEvent(event);
}

void TEdit::resizeEvent(QResizeEvent* event) {
  ForgetLooks();
  QLineEdit::resizeEvent(event);
}

void TEdit::moveEvent(QMoveEvent* event) {
  ForgetLooks();
  QLineEdit::moveEvent(event);
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab moves the focus on, as in a classic memo; Enter starts a new line.
  setTabChangesFocus(true);
}

void TMemo::AddLine(const QString& line) { appendPlainText(line); }

QStringList TMemo::Lines() const {
  QStringList lines;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    lines << block.text();
  }
  if (lines.size() == 1 && lines.front().isEmpty()) lines.clear();
  return lines;
}

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void TPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  QRect r = rect();
  for (int bevel = 0; bevel < 2; ++bevel) {  // outer, then inner, both raised
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(shadow);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
  }
}

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

void TRadioGroup::SetItems(const QStringList& items, int columns) {
  qDeleteAll(buttons_);
  buttons_.clear();
  columns_ = std::max(columns, 1);
  for (const QString& text : items) {
    auto* button = new QRadioButton(text, this);
    button->setFont(font());
    buttons_.push_back(button);
  }
  Arrange();
}

int TRadioGroup::ItemIndex() const {
  for (int i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->isChecked()) return i;
  }
  return -1;
}

void TRadioGroup::SetItemIndex(int index) {
  if (QRadioButton* button = Item(index)) button->setChecked(true);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  Arrange();
}

// Items fill the area below the title evenly, column by column, as the
// classic radio group spaces them.
void TRadioGroup::Arrange() {
  if (buttons_.isEmpty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int top = fontMetrics().height();
  const int inner_width = width() - 8;
  const int column_width = inner_width / columns_;
  const int row_height = std::max((height() - top - 4) / rows, 1);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    buttons_[i]->setGeometry(4 + column * column_width, top + row * row_height, column_width,
                             std::min(row_height, buttons_[i]->sizeHint().height()));
  }
}

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent) {}

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent) {}

void TBitBtn::SetGlyph(const QPixmap& bitmap) {
  // As with classic glyphs, the bottom-left pixel's colour is transparent.
  QPixmap glyph = bitmap;
  if (!glyph.isNull()) {
    const QImage image = glyph.toImage();
    glyph.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
  }
  const int half = glyph.width() / 2;
  QIcon icon;
  icon.addPixmap(glyph.copy(0, 0, half, glyph.height()), QIcon::Normal);
  icon.addPixmap(glyph.copy(half, 0, half, glyph.height()), QIcon::Disabled);
  setIcon(icon);
  setIconSize(QSize(half, glyph.height()));
}

TImage::TImage(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

}  // namespace vorendal
