#include "platform/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace vorendal {

namespace {

// The control a tab stop gives the focus to: a radio group's selected item.
QWidget* FocusTarget(QWidget* stop) {
  if (auto* group = qobject_cast<TRadioGroup*>(stop)) {
    const int index = group->ItemIndex();
    return group->Item(index >= 0 ? index : 0);
  }
  return (stop->focusPolicy() & Qt::TabFocus) ? stop : nullptr;
}

}  // namespace

TForm::TForm(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setFocusPolicy(Qt::NoFocus);
  client_ = new QWidget;
  client_->setAutoFillBackground(true);
  scroll_->setWidget(client_);
  layout->addWidget(scroll_);
}

void TForm::SetClientExtent(int width, int height) { client_->setMinimumSize(width, height); }

void TForm::SetBounds(int left, int top, int width, int height) {
  outer_size_ = QSize(width, height);
  frame_fitted_ = false;
  move(left, top);
  resize(width, height);
  FitFrame();
}

// A window system that frames the window is known to do so only once the
// window is shown; then the client area shrinks so the outer size holds.
void TForm::FitFrame() {
  if (frame_fitted_ || !isVisible()) return;
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frame.width() <= 0 && frame.height() <= 0) return;
  frame_fitted_ = true;
  resize(outer_size_ - frame);
}

bool TForm::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::Show || event->type() == QEvent::Move ||
      event->type() == QEvent::WindowActivate) {
    FitFrame();
  }
  return handled;
}

void TForm::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const auto held =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (!enter || held != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  // Controls that take Enter themselves (the memo) never let it reach here.
  if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
      focused != nullptr && isAncestorOf(focused)) {
    focused->click();
  } else if (default_button_ != nullptr && default_button_->isEnabled()) {
    default_button_->click();
  }
  event->accept();
}

bool TForm::focusNextPrevChild(bool next) {
  if (tab_stops_.empty()) return QWidget::focusNextPrevChild(next);
  QWidget* focus = QApplication::focusWidget();
  const int count = static_cast<int>(tab_stops_.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    QWidget* stop = tab_stops_[static_cast<std::size_t>(i)];
    if (focus != nullptr && (stop == focus || stop->isAncestorOf(focus))) at = i;
  }
  for (int step = 1; step <= count; ++step) {
    const int k = at < 0 ? (next ? step - 1 : count - step)
                         : ((at + (next ? step : -step)) % count + count) % count;
    QWidget* target = FocusTarget(tab_stops_[static_cast<std::size_t>(k)]);
    if (target != nullptr && target->isEnabled() && target->isVisibleTo(this)) {
      target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace vorendal
