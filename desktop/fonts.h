#pragma once

#include <QFont>
#include <QString>

namespace lucen {

// A font asked for by its Windows name and size in points, with free look-alikes after it for
// desktops that lack the original. A heavy face that is missing is stood in for by the boldest
// weight of the fallback, so that a title keeps its weight.
QFont FontByName(const QString& family, double points);

// The standard dialog font of the windows' design, 8.25 pt.
QFont DialogFont();

}  // namespace lucen
