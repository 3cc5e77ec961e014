#pragma once

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <functional>

#include "board/board.h"
#include "main_window/cell_button.h"
#include "main_window/form1.h"
#include "platform/desktop_shell.h"

namespace lucen::testing {

// Stands in for the desktop and remembers every address it was asked to open.
class RecordingShell final : public DesktopShell {
 public:
  QVector<QUrl> opened;
  bool Open(const QUrl& url) override {
    opened.append(url);
    return true;
  }
};

// Hands the next modal window to `handle` once it is open, from inside its own event loop. The
// handler is expected to close it; should it not, the window is closed after five seconds anyway
// and `*timedOut` set, so that no test ever waits for a person.
inline void WhenModalOpens(std::function<void(QWidget*)> handle, bool* timedOut = nullptr) {
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, ticks, handle, timedOut] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      handle(modal);
      if (modal->isVisible()) {
        QTimer::singleShot(5000, modal, [modal, timedOut] {
          if (timedOut) *timedOut = true;
          modal->close();
        });
      }
    } else if (++*ticks > 500) {
      timer->stop();
      timer->deleteLater();
      if (timedOut) *timedOut = true;
    }
  });
  timer->start(10);
}

// A main window past its start-up, the about window closed as a player would, not yet shown.
inline std::unique_ptr<Form1> StartedGame(DesktopShell& shell) {
  auto form = std::make_unique<Form1>(shell);
  WhenModalOpens([](QWidget* about) { about->close(); });
  form->Form_Load();
  return form;
}

// The button of cell `number`, counted from 1 as the player counts (0 is the template).
inline CellButton* CellOf(const Form1& form, int number) {
  return form.findChild<CellButton*>(QStringLiteral("Command1_%1").arg(number));
}

// Chooses a menu item by its name, as a click on it would.
inline void Choose(const Form1& form, const QString& item) {
  form.findChild<QAction*>(item)->trigger();
}

// A palette colour as a painted pixel shows it.
inline QColor Painted(Rgb colour) {
  return {colour.red, colour.green, colour.blue};
}

// The colour at the centre of a widget as it paints itself.
inline QColor CentreColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

// Every cell whose button does not paint the colour of the same cell of `expected`; empty when
// the window shows that board.
inline QString DifferencesFrom(const Form1& form, const Board& expected) {
  QString wrong;
  for (std::size_t i = 0; i < expected.CellCount(); ++i) {
    const Rgb want = expected.Colour(i);
    CellButton* cell = CellOf(form, static_cast<int>(i) + 1);
    const QColor seen = cell ? CentreColour(cell) : QColor();
    if (seen != Painted(want)) {
      wrong += QStringLiteral(" cell %1: %2;").arg(i + 1).arg(seen.name());
    }
  }
  if (CellOf(form, static_cast<int>(expected.CellCount()) + 1) != nullptr) wrong += " extra cells";
  return wrong;
}

// A board of `size` and `colours` after pressing `cells` (numbered from 1): what the window should
// show.
inline Board After(int size, int colours, std::initializer_list<int> cells) {
  Board board(size, colours);
  for (int cell : cells) board.Press(static_cast<std::size_t>(cell - 1));
  return board;
}

}  // namespace lucen::testing
