#include "platform/paint_box.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/direct_paint.h"

namespace vorendal {

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), image_(1, 1, QImage::Format_RGB32), canvas_(image_) {
  image_.fill(ToRgb(clBlack));
  // Every pixel is ours, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.OnChanged([this](const QRect& rect) { Flush(rect); });
}

void TPaintBox::SetWidth(int width) { Resize(width, height()); }
void TPaintBox::SetHeight(int height) { Resize(width(), height); }

void TPaintBox::Resize(int width, int height) {
  if (width == image_.width() && height == image_.height() && size() == QSize(width, height)) {
    return;
  }
  // Keep what the surface showed where the sizes overlap.
  QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  resized.fill(ToRgb(clBlack));
  {
    QPainter copy(&resized);
    copy.drawImage(0, 0, image_);
  }
  image_ = std::move(resized);
  canvas_.Retarget(image_);
  resize(width, height);
}

void TPaintBox::Flush(const QRect& rect) {
  if (in_paint_) return;  // a paint shows its area when it ends
  PaintNow(this, rect, [this, rect](QPainter& painter) { painter.drawImage(rect, image_, rect); });
}

// Only the platform asks for paints: our own flushes never come here.
void TPaintBox::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  if (OnPaint && !in_paint_) {
    in_paint_ = true;
    canvas_.SetClip(area);
    canvas_.Brush.Color = Color;
    canvas_.Font = font();
    OnPaint(this);
    canvas_.SetClip(QRect());
    in_paint_ = false;
  }
  QPainter painter(this);
  painter.drawImage(area, image_, area);
}

}  // namespace vorendal
