// The controls a form is built from, over Qt widgets. Each keeps the
// behaviour the program relies on: an edit's Refresh repaints it before it
// returns; a memo appends lines, takes Enter itself and passes Tab on; a
// radio group holds its items in columns and reports the selected index.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVector>

#include "platform/canvas.h"

namespace vorendal {

// A font asked for by face and character height in pixels.
QFont MakeFont(const QString& face, int pixel_height, bool bold = false);
// Places a control at left, top (in its parent) with the given size.
void SetBounds(QWidget* control, int left, int top, int width, int height);
// Sets a colour role of a control's palette.
void SetColor(QWidget* control, QPalette::ColorRole role, const QColor& color);

class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent = nullptr);
};

// Like a label, but framed as a static text control; never takes focus.
class TStaticText : public QLabel {
  Q_OBJECT
 public:
  explicit TStaticText(QWidget* parent = nullptr);
};

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);
  void SetText(const QString& text) { setText(text); }
  // Repaints the edit at once, before returning, and nothing else.
  void Refresh();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // A run shows the same numbers round after round. The pixels Qt painted
  // for each text are kept and shown again while nothing else that could
  // change the edit's look has changed, which saves painting it anew.
  struct Look {
    bool selection, enabled, hovered, active;
    QPoint at;
    qreal ratio;
    friend bool operator==(const Look&, const Look&) = default;
  };
  Look CurrentLook() const;
  void ForgetLooks() { looks_.clear(); }

  QHash<QString, QImage> looks_;
  Look look_{};
};

class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);
  // Appends a line at the end; the memo repaints when the event loop next
  // runs, not now.
  void AddLine(const QString& line);
  QStringList Lines() const;
};

class TPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;  // raised outer and inner bevel
};

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit TRadioGroup(QWidget* parent = nullptr);
  // Lays the items out top to bottom, column by column.
  void SetItems(const QStringList& items, int columns = 1);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return buttons_.value(index); }
  int Count() const { return static_cast<int>(buttons_.size()); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  QVector<QRadioButton*> buttons_;
  int columns_ = 1;
};

class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TCheckBox(QWidget* parent = nullptr);
  bool Checked() const { return isChecked(); }
};

// A push button with a glyph: a bitmap holding the normal image and the
// greyed one, side by side.
class TBitBtn : public QPushButton {
  Q_OBJECT
 public:
  explicit TBitBtn(QWidget* parent = nullptr);
  void SetGlyph(const QPixmap& glyph);
};

class TImage : public QLabel {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);
  void SetPicture(const QPixmap& picture) { setPixmap(picture); }
};

}  // namespace vorendal
