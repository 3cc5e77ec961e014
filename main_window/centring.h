#pragma once

#include <QPointF>

namespace lucen {

// Where the size command puts the main window: centred on a fixed area of 12000 x 9000 twips
// (800 x 600 pixels) at the screen's origin, whatever the real screen. Sizes and the result are
// in twips, computed in 32-bit floats.
inline QPointF CentreOnFixedArea(float outerWidth, float outerHeight) {
  constexpr float kAreaWidth = 12000.0F;
  constexpr float kAreaHeight = 9000.0F;
  return {(kAreaWidth - outerWidth) / 2.0F, (kAreaHeight - outerHeight) / 2.0F};
}

}  // namespace lucen
