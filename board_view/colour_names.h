#pragma once

#include <QString>

#include "board/palette.h"

namespace lucen {

// The Spanish name of a cell's colour, as a screen reader says it.
QString ColourName(Rgb colour);

}  // namespace lucen
