// Painting straight to the screen, outside the event loop.
//
// QWidget::repaint() repaints every widget of the window that is waiting for
// a paint, not just the one asked for; during a run that would repaint the
// log and, worse, run the map's paint handler. PaintNow draws one widget's
// rectangle into the window's backing store and flushes just that rectangle
// to the window system before it returns, leaving Qt's pending paints alone.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

class QPainter;

namespace vorendal {

// Calls draw with a painter whose coordinates are the widget's own, clipped
// to the visible part of `rect`, then flushes that part. Does nothing while
// the window is not on the screen. Returns whether anything was painted.
// When `painted` is given and the whole of `rect` was visible, it receives
// the pixels the window now holds there, in device pixels.
bool PaintNow(QWidget* widget, const QRect& rect, const std::function<void(QPainter&)>& draw,
              QImage* painted = nullptr);

// Renders the widget as its paint event draws it, straight to the screen.
bool RenderNow(QWidget* widget, QImage* painted = nullptr);

// Puts pixels that PaintNow handed back on the screen again.
bool ShowNow(QWidget* widget, const QImage& painted);

}  // namespace vorendal
