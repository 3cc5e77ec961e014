#include "board_view/cell_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "board_view/colour_names.h"
#include "board_view/colour_symbols.h"

namespace lucen {

namespace {

QColor Between(const QColor& from, const QColor& to, float share) {
  return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                          from.greenF() + (to.greenF() - from.greenF()) * share,
                          from.blueF() + (to.blueF() - from.blueF()) * share);
}

}  // namespace

CellButton::CellButton(QWidget* parent) : QPushButton(parent) {
  setAutoFillBackground(false);
  setFlat(true);
}

void CellButton::SetColour(Rgb colour, bool animated) {
  if (colour == rgb_) return;
  from_ = colour_;  // the view has ended any change under way first
  rgb_ = colour;
  colour_ = QColor(colour.red, colour.green, colour.blue);
  share_ = animated ? kFirstShare : 1;
  if (!place_.isEmpty()) Describe();
  update();
}

void CellButton::SetChangeShare(float share) {
  if (share == share_) return;
  share_ = share;
  update();
}

void CellButton::SetZoom(float zoom) {
  zoom_ = zoom;
  update();
}

void CellButton::SetGridPlace(int number, int row, int column) {
  // The place is translated once; each change of colour only fills in the colour's name.
  place_ = tr("fila %1, columna %2, %3").arg(row).arg(column);
  setAccessibleName(tr("Celda %1").arg(number));
  Describe();
}

void CellButton::SetHint(bool hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Describe();
  update();
}

void CellButton::SetSymbolShown(bool shown) {
  if (shown == symbolShown_) return;
  symbolShown_ = shown;
  update();
}

void CellButton::SetFocusCue(bool cue) {
  if (cue == focusCue_) return;
  focusCue_ = cue;
  if (hasFocus()) update();
}

void CellButton::Describe() {
  QString description = place_.arg(ColourName(rgb_));
  if (hint_) description += tr(", pista: pulsa esta casilla");
  setAccessibleDescription(description);
}

void CellButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, share_ < 1 ? Between(from_, colour_, share_) : colour_);
  if (face.width() < 8 || face.height() < 8) return;

  // A one-pixel bevel, light above and left, dark below and right; swapped while pressed.
  const bool sunken = isDown();
  const QColor light(sunken ? QColor(64, 64, 64) : QColor(224, 224, 224));
  const QColor dark(sunken ? QColor(224, 224, 224) : QColor(64, 64, 64));
  painter.setPen(QPen(light, 0));
  painter.drawLine(face.topLeft(), face.topRight());
  painter.drawLine(face.topLeft(), face.bottomLeft());
  painter.setPen(QPen(dark, 0));
  painter.drawLine(face.bottomLeft(), face.bottomRight());
  painter.drawLine(face.topRight(), face.bottomRight());

  if (symbolShown_) DrawColourSymbol(painter, face, rgb_);

  if (hint_) {
    // A ring of white inside black around the middle, which shows on every colour of the cycle
    // and leaves the middle itself showing the cell's colour.
    const QRectF ring = QRectF(face).adjusted(face.width() * 0.22, face.height() * 0.22,
                                              -face.width() * 0.22, -face.height() * 0.22);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4 * zoom_));
    painter.drawEllipse(ring);
    painter.setPen(QPen(Qt::white, 2 * zoom_));
    painter.drawEllipse(ring);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }

  if (hasFocus() && focusCue_) {
    // A dashed ring inside the edge, in black or white, whichever stands out on this colour.
    const bool lightFace = colour_.lightnessF() > 0.4;
    QPen ring(lightFace ? Qt::black : Qt::white, 2 * zoom_, Qt::DashLine);
    painter.setPen(ring);
    const int inset = static_cast<int>(4 * zoom_);
    painter.drawRect(face.adjusted(inset, inset, -inset - 1, -inset - 1));
  }
}

void CellButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      emit focusStepRequested(-1, 0);
      break;
    case Qt::Key_Down:
      emit focusStepRequested(1, 0);
      break;
    case Qt::Key_Left:
      emit focusStepRequested(0, -1);
      break;
    case Qt::Key_Right:
      emit focusStepRequested(0, 1);
      break;
    default:
      QPushButton::keyPressEvent(event);  // Space plays the cell
      return;
  }
  event->accept();
}

void CellButton::focusInEvent(QFocusEvent* event) {
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
    emit keyboardFocusIn();
  }
  QPushButton::focusInEvent(event);
}

void CellButton::mousePressEvent(QMouseEvent* event) {
  emit pointerPressed();
  QPushButton::mousePressEvent(event);
}

}  // namespace lucen
