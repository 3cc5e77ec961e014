#pragma once

#include <QRectF>

#include "board/palette.h"

class QPainter;

namespace lucen {

// Draws the symbol of a cell's colour in the middle of `face`, so that the colours can be told
// apart without seeing them: a triangle on yellow, a diamond on light red, a disc on light green,
// each in black, which stands out on all three; black cells get none. The symbol fits inside the
// hint ring.
void DrawColourSymbol(QPainter& painter, const QRectF& face, Rgb colour);

}  // namespace lucen
