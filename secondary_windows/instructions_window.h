#pragma once

#include <QString>

class QWidget;

namespace lucen {

class DesktopShell;

// "Como Jugar" always answers: the instructions page `page` opens in the desktop's own viewer;
// when the desktop cannot open it, the game shows the page itself in a small window of its own
// (one at a time, beside the board, which stays playable); when the page is missing, a message
// names the file that is missing.
void ShowInstructions(QWidget& mainWindow, DesktopShell& shell, const QString& page);

}  // namespace lucen
