#include "platform/canvas.h"

#include <algorithm>

namespace vorendal {

QRect TCanvas::Visible(const QRect& box) const {
  QRect visible = box.intersected(image_->rect());
  if (!clip_.isNull()) visible = visible.intersected(clip_);
  return visible;
}

// Pixels x1..x2 (inclusive) of row y, limited to the visible rectangle.
void TCanvas::Span(int y, int x1, int x2, std::uint32_t rgb, const QRect& visible) {
  if (y < visible.top() || y > visible.bottom()) return;
  x1 = std::max(x1, visible.left());
  x2 = std::min(x2, visible.right());
  if (x1 > x2) return;
  auto* row = reinterpret_cast<std::uint32_t*>(image_->scanLine(y));
  std::fill(row + x1, row + x2 + 1, rgb);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const QRect box(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
  const QRect visible = Visible(box);
  if (visible.isEmpty()) return;
  const std::uint32_t pen = ToRgb(Pen.Color);
  const std::uint32_t brush = ToRgb(Brush.Color);
  for (int y = visible.top(); y <= visible.bottom(); ++y) {
    if (y == y1 || y == y2 - 1 || pen == brush) {
      Span(y, x1, x2 - 1, y == y1 || y == y2 - 1 ? pen : brush, visible);
    } else {
      Span(y, x1, x1, pen, visible);
      Span(y, x1 + 1, x2 - 2, brush, visible);
      Span(y, x2 - 1, x2 - 1, pen, visible);
    }
  }
  if (changed_) changed_(visible);
}

// The ellipse inscribed in the box: a pixel belongs to it when its centre
// lies inside. For a 7 x 6 box that gives rows of 3, 7, 7, 7, 7 and 3 pixels.
// The outermost pixel at each end of a row takes the pen.
void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const QRect box(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
  const QRect visible = Visible(box);
  if (visible.isEmpty() || box.isEmpty()) return;
  const double rx = (x2 - x1) / 2.0;
  const double ry = (y2 - y1) / 2.0;
  const double cx = x1 + rx;
  const double cy = y1 + ry;
  const std::uint32_t pen = ToRgb(Pen.Color);
  const std::uint32_t brush = ToRgb(Brush.Color);
  for (int y = y1; y < y2; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    const double room = 1.0 - dy * dy;
    if (room < 0) continue;
    // Pixels whose centre satisfies (dx / rx)^2 <= room.
    int left = x2;
    int right = x1 - 1;
    for (int x = x1; x < x2; ++x) {
      const double dx = (x + 0.5 - cx) / rx;
      if (dx * dx <= room) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    if (left > right) continue;
    const bool edge_row = y == y1 || y == y2 - 1;
    if (pen == brush || edge_row) {
      Span(y, left, right, edge_row ? pen : brush, visible);
    } else {
      Span(y, left, left, pen, visible);
      Span(y, left + 1, right - 1, brush, visible);
      Span(y, right, right, pen, visible);
    }
  }
  if (changed_) changed_(visible);
}

}  // namespace vorendal
