#pragma once

#include <QColor>
#include <QString>

namespace lucen {

// The Spanish name of a cell's colour, as a screen reader says it.
QString ColourName(const QColor& colour);

}  // namespace lucen
