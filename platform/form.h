// A form: the top-level window that holds a program's controls.
//
// The controls live on a client area inside a scroll area, so a window made
// smaller than its contents shows scroll bars and nothing moves. The form
// gives Enter its classic meaning: with Shift, Ctrl and Alt up it clicks the
// focused button, or, when the focused control neither is a button nor takes
// Enter itself, the default button.
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <vector>

#include "platform/controls.h"
#include "platform/paint_box.h"

namespace vorendal {

class TForm : public QWidget {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);

  // Parent of every control; coordinates are client coordinates.
  QWidget* Client() const { return client_; }
  // The size the controls need; smaller windows scroll.
  void SetClientExtent(int width, int height);
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  // Position and outer size, frame included where the window system adds one.
  void SetBounds(int left, int top, int width, int height);
  int OuterWidth() const { return frameGeometry().width(); }
  int OuterHeight() const { return frameGeometry().height(); }
  // The button Enter clicks when the focus is on no other button; it wears
  // the default button's frame.
  void SetDefaultButton(QPushButton* button) {
    default_button_ = button;
    button->setDefault(true);
  }
  QPushButton* DefaultButton() const { return default_button_; }
  QScrollArea* ScrollArea() const { return scroll_; }
  // The order Tab visits the controls in. A radio group is one stop: its
  // selected item takes the focus.
  void SetTabOrder(std::vector<QWidget*> stops) { tab_stops_ = std::move(stops); }

  void Show() { show(); }
  void Close() { close(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void FitFrame();

  QScrollArea* scroll_;
  QWidget* client_;
  QPushButton* default_button_ = nullptr;
  std::vector<QWidget*> tab_stops_;
  QSize outer_size_;
  bool frame_fitted_ = false;
};

}  // namespace vorendal
