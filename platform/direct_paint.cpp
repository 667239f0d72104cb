#include "platform/direct_paint.h"

#include <QBackingStore>
#include <QPainter>
#include <QWindow>

namespace vorendal {

bool PaintNow(QWidget* widget, const QRect& rect, const std::function<void(QPainter&)>& draw,
              QImage* painted) {
  QWidget* top = widget->window();
  QWindow* handle = top->windowHandle();
  QBackingStore* store = top->backingStore();
  if (handle == nullptr || store == nullptr || !handle->isExposed() || !widget->isVisible()) {
    return false;
  }
  const QRegion visible = widget->visibleRegion().intersected(rect);
  if (visible.isEmpty()) return false;
  const QPoint offset = widget->mapTo(top, QPoint(0, 0));
  const QRegion on_window = visible.translated(offset);
  store->beginPaint(on_window);
  {
    QPainter painter(store->paintDevice());
    painter.setClipRegion(on_window);
    painter.translate(offset);
    draw(painter);
  }
  if (painted != nullptr) {
    *painted = QImage();
    // Raster backing stores paint into an image we can read back.
    if (auto* pixels = dynamic_cast<QImage*>(store->paintDevice());
        pixels != nullptr && visible == QRegion(rect)) {
      const qreal ratio = pixels->devicePixelRatio();
      const QRect device(QPointF((offset + rect.topLeft()) * ratio).toPoint(),
                         QSizeF(rect.size() * ratio).toSize());
      *painted = pixels->copy(device);
      painted->setDevicePixelRatio(ratio);
    }
  }
  store->endPaint();
  store->flush(on_window, handle);
  return true;
}

bool RenderNow(QWidget* widget, QImage* painted) {
  return PaintNow(
      widget, widget->rect(),
      [widget](QPainter& painter) {
        widget->render(&painter, QPoint(0, 0), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
      },
      painted);
}

bool ShowNow(QWidget* widget, const QImage& painted) {
  return PaintNow(widget, widget->rect(), [&painted, widget](QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(widget->rect(), painted);
  });
}

}  // namespace vorendal
