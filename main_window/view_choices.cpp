// The main window's lasting choices of how it looks: the symbols, the animations, the zoom, and
// the level of "Partida nueva".
#include <QActionGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "board_view/board_view.h"
#include "board_view/window_design.h"
#include "desktop/centring.h"
#include "main_window/main_window.h"
#include "player_files/preferences.h"

namespace lucen {

void MainWindow::ShowSymbols(bool shown) {
  view_->SetSymbolsShown(shown);
  SaveChoice(kSymbolsKey, shown);
}

void MainWindow::ShowAnimations(bool shown) {
  view_->SetAnimated(shown);
  SaveChoice(kAnimationsKey, shown);
}

void MainWindow::ChooseLevel(Level level) {
  level_ = level;
  SaveChoice(kLevelKey, level);
}

void MainWindow::ChooseZoom(int percent) {
  const auto items = zooms_->actions();
  const auto item = std::find_if(items.begin(), items.end(),
                                 [percent](QAction* zoom) { return zoom->data() == percent; });
  if (item == items.end() || (!(*item)->isEnabled() && percent > zoom_)) {
    ShowChoices();
    return;
  }
  zoom_ = percent;
  view_->SetZoom(static_cast<float>(percent) / 100);
  QFont line = lineFont_;
  line.setPointSizeF(lineFont_.pointSizeF() * percent / 100);
  gameLine_->setFont(line);
  adjustSize();
  if (isVisible()) CentreOnDesignArea();
  ShowChoices();
  EnableZoomsThatFit();
  SaveChoice(kZoomKey, QString::number(percent));
}

void MainWindow::ZoomIn() {
  for (QAction* item : zooms_->actions()) {
    if (item->data().toInt() > zoom_ && item->isEnabled()) return ChooseZoom(item->data().toInt());
  }
}

void MainWindow::ZoomOut() {
  const auto items = zooms_->actions();
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    if ((*item)->data().toInt() < zoom_) return ChooseZoom((*item)->data().toInt());
  }
}

void MainWindow::EnableZoomsThatFit() {
  if (screen() == nullptr) return;
  const QSize screenFree = screen()->availableGeometry().size();
  // Everything around the board view and the line under it keeps its size. The view takes the
  // zoom, and so does the line's font: room is kept for two lines, shown or not yet.
  const int lineNow = statusBar()->isVisible() ? statusBar()->height() : 0;
  const QSize around = frameGeometry().size() - view_->size() - QSize(0, lineNow);
  const int lineEdges =
      std::max(0, statusBar()->sizeHint().height() - gameLine_->sizeHint().height());
  for (QAction* item : zooms_->actions()) {
    const float zoom = static_cast<float>(item->data().toInt()) / 100;
    QFont lineFont = lineFont_;
    lineFont.setPointSizeF(lineFont_.pointSizeF() * zoom);
    const int line = 2 * QFontMetrics(lineFont).lineSpacing() + lineEdges;
    const QSize needed = around + TwipsToPixels(Zoomed(kClientArea, zoom)).size() + QSize(0, line);
    item->setEnabled(item->data() == 100 || (needed.width() <= screenFree.width() &&
                                             needed.height() <= screenFree.height()));
  }
  // A zoom kept from a larger screen gives way to the largest that fits this one.
  if (!zooms_->checkedAction()->isEnabled()) ZoomOut();
  // "Ampliar" and "Reducir" are offered only where they lead to another zoom.
  const auto items = zooms_->actions();
  zoomInAction_->setEnabled(std::any_of(items.begin(), items.end(), [this](QAction* item) {
    return item->isEnabled() && item->data().toInt() > zoom_;
  }));
  zoomOutAction_->setEnabled(zoom_ > kZooms[0]);
}

void MainWindow::WatchScreen(QScreen* screen) {
  disconnect(screenWatch_);
  if (screen != nullptr) {
    screenWatch_ =
        connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::EnableZoomsThatFit);
  }
  EnableZoomsThatFit();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isVisible() && event->size().height() > event->oldSize().height()) KeepOnScreen(*this);
}

void MainWindow::CentreOnDesignArea() {
  // The middle of a fixed 12000 x 9000 twips area at the screen's origin, at the window's zoom.
  CentreWindow(*this, TwipsToPixels(Zoomed({0, 0, 12000, 9000}, static_cast<float>(zoom_) / 100)));
}

}  // namespace lucen
