#pragma once

#include <QRect>
#include <cstdint>

class QWidget;

namespace lucen {

// Twips: 1/1440 inch, 15 to a logical pixel. Every place and size in the game's windows is given
// in twips; this layer keeps the values exactly as set (as 32-bit floats) and derives the pixel
// geometry from them.
inline constexpr float kTwipsPerPixel = 15.0F;

struct TwipsRect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

// Nearest integer, ties to the even neighbour (782.5 gives 782, 783.5 gives 784). The board's
// layout rounds each cell's start to a whole twip with it, and centring a window rounds an odd
// half pixel with it; the snapping of twips to pixels below does not use it. Done by hand rather
// than with std::nearbyint so that it never depends on the floating-point rounding mode.
std::int32_t RoundHalfEven(double value);

// The pixels of a place in twips. Each edge is snapped to the nearest pixel on its own, so that
// two rectangles that meet in twips meet in pixels too, without gap or overlap. An edge on a half
// pixel goes up (to the right, or down), not to the even side: that way snapping and a move by
// whole pixels give the same result in either order, and rectangles of one size in twips placed
// whole pixels apart all come out one size in pixels, where ties to even would make them one
// pixel wider and narrower in turn.
QRect TwipsToPixels(const TwipsRect& twips);

// `twips` magnified `zoom` times, from the same origin.
constexpr TwipsRect Zoomed(const TwipsRect& twips, float zoom) {
  return {twips.left * zoom, twips.top * zoom, twips.width * zoom, twips.height * zoom};
}

// Stores `twips` on the widget and places it there.
void SetTwipsRect(QWidget* widget, const TwipsRect& twips);
// The rectangle last stored on the widget, exactly as it was set.
TwipsRect GetTwipsRect(const QWidget* widget);

}  // namespace lucen
