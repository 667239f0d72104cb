// A drawing surface with a pen and a brush, over an image of our own. Shapes
// are given by a bounding box whose right and bottom edges are excluded; the
// outline takes the pen's colour and the inside the brush's. Every shape is
// clipped to the surface and to the current clip rectangle, and the surface
// reports the rectangle each shape touched so its owner can show it.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>

namespace vorendal {

// Colours as 0x00BBGGRR: red in the lowest byte, blue in the third.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clRed = 0x000000FF;

constexpr std::uint32_t ToRgb(TColor c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

struct TPen {
  TColor Color = clBlack;
};
struct TBrush {
  TColor Color = clWhite;
};

class TCanvas {
 public:
  explicit TCanvas(QImage& image) : image_(&image) {}

  TPen Pen;
  TBrush Brush;
  QFont Font;

  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);

  // Limits drawing to a rectangle of the surface; a null rectangle lifts it.
  void SetClip(const QRect& clip) { clip_ = clip; }
  void OnChanged(std::function<void(const QRect&)> changed) { changed_ = std::move(changed); }
  void Retarget(QImage& image) { image_ = &image; }

 private:
  QRect Visible(const QRect& box) const;
  void Span(int y, int x1, int x2, std::uint32_t rgb, const QRect& visible);

  QImage* image_;
  QRect clip_;
  std::function<void(const QRect&)> changed_;
};

}  // namespace vorendal
