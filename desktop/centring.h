#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lucen {

// Where a window whose outer frame is `outer` goes so that it sits in the middle of `area`; an
// odd half pixel goes to the even side (RoundHalfEven), as in the board's layout in twips. (Places
// in twips are snapped to pixels with halves going up instead: see TwipsToPixels.)
QPoint CentredTopLeft(const QSize& outer, const QRect& area);

// Where the outer frame `frame` goes when moved the least distance that brings it wholly onto
// `screen`. Along a side where it is larger than the screen it starts where the screen starts,
// so that its title bar and its top-left corner stay within reach.
QPoint OnScreenTopLeft(const QRect& frame, const QRect& screen);

// Moves a top-level window so that its outer frame sits in the middle of `area`, unless that
// leaves part of it off its screen's available area: then it goes the least distance onto it.
// Done by hand rather than left to Qt, which allows for a guessed title bar even on a window
// without one.
void CentreWindow(QWidget& window, const QRect& area);

// Moves a top-level window the least distance that brings its outer frame wholly onto its screen's
// available area; a window already on it stays where it is.
void KeepOnScreen(QWidget& window);

}  // namespace lucen
