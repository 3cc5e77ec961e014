#pragma once

#include <QMessageBox>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "board_view/cell_button.h"
#include "desktop/desktop_shell.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"
#include "tests/support/boards.h"
#include "tests/support/private_folders.h"
#include "tests/widgets/support/modal_closer.h"

namespace lucen::testing {

// The design's sizes in pixels, pinned here once: the main window's client area of 4020 x 4005
// twips, the board's square of 3615 twips from the template cell's corner at (180, 180) twips,
// and the about window of 4260 x 6300 twips.
inline constexpr QSize kClientAreaPixels(268, 267);
inline constexpr QRect kBoardPixels(12, 12, 241, 241);
inline constexpr QSize kAboutWindowPixels(284, 420);

// Stands in for the desktop and remembers every address it was asked to open; it takes each
// request unless told to refuse them, as a desktop without an opener does.
class RecordingShell final : public DesktopShell {
 public:
  QVector<QUrl> opened;
  bool refuses = false;
  bool Open(const QUrl& url) override {
    opened.append(url);
    return !refuses;
  }
};

// A palette colour as a painted pixel shows it.
inline QColor Painted(Rgb colour) {
  return {colour.red, colour.green, colour.blue};
}

// The colour at the centre of a widget as it paints itself.
inline QColor CentreColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

// What the tests of the main window share: a game started as the program starts it, and the
// player's ways of acting on it. Every modal window that no test answers itself is closed at
// once, and the text of each message box among them is kept in `messages`.
class GameWindowTest : public QObject {
 protected:
  // Cells are painted at once, so that what a test grabs is the colour in the game: the
  // animations have a test of their own.
  GameWindowTest() {
    QDir().mkpath(settings.filePath("XDG_CONFIG_HOME/lucen"));
    QFile choices(settings.filePath("XDG_CONFIG_HOME/lucen/lucen.ini"));
    if (choices.open(QIODevice::WriteOnly)) choices.write("[General]\nanimations=false\n");
  }

  // A new game: loaded, the about window closed as soon as it is up (after `lookAtAbout`, when
  // given, has seen it), then shown centred and active. Clears `messages` and the addresses the
  // shell was asked to open.
  void StartGame(const std::function<void(QWidget*)>& lookAtAbout = {}) {
    if (form) QVERIFY(form->WaitForFiles(5000));  // what the last window wrote, the next one reads
    form.reset();
    shell.opened.clear();
    form = std::make_unique<MainWindow>(shell);
    {
      const ModalCloser startUp(lookAtAbout);
      form->StartUp();
      QCOMPARE(startUp.Closed(), 1);
    }
    form->ShowCentred();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    messages.clear();
  }

  // The button of cell `number`, counted from 1 as the player counts (0 is the template).
  CellButton* Cell(int number) const {
    return form->findChild<CellButton*>(QStringLiteral("Command1_%1").arg(number));
  }
  QAction* Item(const QString& name) const { return form->findChild<QAction*>(name); }
  // Chooses a menu item by its name, as a click on it would.
  void Choose(const QString& name) const { Item(name)->trigger(); }
  // Chooses a menu item whose command asks first, and answers with the button `answer`; returns
  // the question.
  QString ChooseAnswering(const QString& name, const QString& answer) const {
    QString question;
    const ModalCloser closer([&](QWidget* box) {
      question = qobject_cast<QMessageBox*>(box)->text();
      for (auto* button : box->findChildren<QAbstractButton*>()) {
        if (button->text() == answer) button->click();
      }
    });
    Choose(name);
    return question;
  }
  // A click as the desktop sends it: to the window, at the cell's place.
  void Click(int number) const {
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      Cell(number)->mapTo(form.get(), QPoint(5, 5)));
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(form->windowHandle(), key, modifiers);
  }
  std::vector<std::string> History() const { return form->GameBoard().History(); }

  // Every cell whose button does not paint the colour of the same cell of `expected`; empty
  // when the window shows that board.
  QString DifferencesFrom(const Board& expected) const {
    QString wrong;
    for (std::size_t i = 0; i < expected.CellCount(); ++i) {
      CellButton* cell = Cell(static_cast<int>(i) + 1);
      const QColor seen = cell ? CentreColour(cell) : QColor();
      if (seen != Painted(expected.Colour(i))) {
        wrong += QStringLiteral(" cell %1: %2;").arg(i + 1).arg(seen.name());
      }
    }
    if (Cell(static_cast<int>(expected.CellCount()) + 1) != nullptr) wrong += " extra cells";
    return wrong;
  }

  // The cell that carries the hint mark, counted from 1; 0 when none does, -1 when several do.
  int MarkedCell() const {
    int marked = 0;
    for (CellButton* cell : form->centralWidget()->findChildren<CellButton*>()) {
      if (!cell->IsHint()) continue;
      if (marked != 0) return -1;
      marked = cell->objectName().mid(QStringLiteral("Command1_").size()).toInt();
    }
    return marked;
  }

  const PrivateFolders settings;  // the game's settings, records and game in play
  RecordingShell shell;
  std::unique_ptr<MainWindow> form;
  QStringList messages;

 private:
  const ModalCloser closer_{[this](QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) messages << box->text();
  }};
};

}  // namespace lucen::testing
