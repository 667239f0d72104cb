// A paint box: a widget whose pixels are an image of our own, drawn on
// through its Canvas.
//
// Drawing outside a paint goes straight to the screen: each shape is
// flushed to the window system before the drawing call returns, without the
// event loop. Such a flush only copies our pixels; the paint handler runs
// only when the platform asks the box to paint, and then drawing is confined
// to the part being repainted.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace vorendal {

using TObject = QObject;

class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPaintBox(QWidget* parent = nullptr);

  TCanvas* Canvas() { return &canvas_; }
  const QImage& Surface() const { return image_; }

  TColor Color = clBlack;
  std::function<void(TObject* Sender)> OnPaint;

  void SetWidth(int width);
  void SetHeight(int height);
  bool InPaint() const { return in_paint_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Resize(int width, int height);
  void Flush(const QRect& rect);

  QImage image_;
  TCanvas canvas_;
  bool in_paint_ = false;
};

}  // namespace vorendal
