#pragma once

class QScreen;
class QWidget;

namespace lucen {

// Places a top-level window that is about to be shown so that it sits in the middle of the
// screen's available area. Done by hand because Qt, left to itself, allows for a guessed title
// bar and border, and our about window has neither.
void MoveToScreenCentre(QWidget& window, const QScreen* screen);

}  // namespace lucen
