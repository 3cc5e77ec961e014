#pragma once

#include <QByteArray>

namespace lucen {

// Whether the windowing system Qt is about to use can be reached. Qt aborts the process when it
// cannot connect to an X display; asking first lets the game leave with a plain message instead.
// `platform` and `display` are what the command line gives for Qt's -platform and -display
// options; when empty, QT_QPA_PLATFORM and DISPLAY decide, as they do for Qt.
bool GraphicalDisplayAvailable(const QByteArray& platform = {}, const QByteArray& display = {});

}  // namespace lucen
