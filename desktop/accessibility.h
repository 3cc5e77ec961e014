#pragma once

#include <functional>

class QLabel;
class QWidget;

namespace lucen {

// What assistive technology (a screen reader, over AT-SPI on Linux) is told about widgets whose
// standard reading is wrong. Each call puts its reading in place of any Qt has made so far.

// `label` reads as a link named by its text, with a press action that does `press`, what a click
// on it does; the press runs once the screen reader's request has been answered.
void PresentAsLink(QLabel* label, std::function<void()> press);

// `container` lists for assistive technology only the children that it shows (or will show with
// itself), less `covered`, a widget always hidden under another that no one can use.
void ListShownChildrenOnly(QWidget* container, QWidget* covered);

}  // namespace lucen
