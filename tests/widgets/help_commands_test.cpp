// Deshacer, Rehacer and Pista: the help for a stuck player, through the real menus and buttons.
#include <QAccessible>
#include <QtTest>
#include <map>

#include "board_view/cell_button.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class HelpCommandsTest : public GameWindowTest {
  Q_OBJECT

 private slots:
  void init() { StartGame(); }

  // Ctrl+H marks a cell and gives it the focus, and Space plays it: over and over, that wins in
  // the fewest presses. (Each size and colour count: the soak test and the hint's own test.)
  void followingHintsWinsInTheFewestPresses() {
    Choose("MnuTam_2");
    Choose("MnuC_2");
    const auto expected = static_cast<int>(SolutionFromBlack(7, 4).size());
    int presses = 0;
    while (messages.isEmpty() && presses <= expected) {
      Press(Qt::Key_H, Qt::ControlModifier);
      const int hint = MarkedCell();
      QVERIFY2(hint > 0, "no hint");
      QCOMPARE(QApplication::focusWidget(), Cell(hint));
      Press(Qt::Key_Space);  // plays the focused cell
      ++presses;
    }
    QCOMPARE(messages, QStringList{"Lo lograste!!"});
    QCOMPARE(presses, expected);
    QCOMPARE(DifferencesFrom(Board(7, 4)), QString());
  }

  void theUnsolvableBoardIsSaidSoAndLeftAlone() {
    Choose("MnuTam_3");
    Choose("MnuC_1");
    Cell(10)->click();
    Choose("MnuPista");
    Choose("MnuPista");
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages.back().contains(QStringLiteral("Prueba otro tamaño")));
    QCOMPARE(MarkedCell(), 0);
    QCOMPARE(History(), std::vector<std::string>{"10"});
  }

  void theMarkShowsOnEveryColourAndGoesAtTheNextMoveOrCommand() {
    Choose("MnuC_2");
    for (int round = 0; round < 4; ++round) {
      Choose("MnuPista");
      const int hint = MarkedCell();
      QVERIFY(hint > 0);
      QVERIFY(Cell(hint)->accessibleDescription().contains(QStringLiteral("pista")));
      // Black and white both show on the mark, whatever the cell's colour.
      const QImage face = Cell(hint)->grab().toImage();
      bool black = false, white = false;
      for (int x = 0; x < face.width(); ++x) {
        const QColor pixel = face.pixelColor(x, face.height() / 2);
        black = black || pixel == Painted(kBlack);
        white = white || pixel == QColor(255, 255, 255);
      }
      QVERIFY2(black && white, qPrintable(Cell(hint)->Colour().name()));
      Cell(hint == 1 ? 2 : 1)->click();  // any move takes the mark away
      QCOMPARE(MarkedCell(), 0);
      QVERIFY(!Cell(hint)->accessibleDescription().contains(QStringLiteral("pista")));
    }
    Cell(3)->click();  // something to undo
    for (const char* command : {"MnuDeshacer", "MnuReset", "MnuTam_1", "MnuC_0", "MnuInfo"}) {
      for (int i = 0; i < 3; ++i) Choose("MnuPista");  // pressed again and again: one
      QCOMPARE(MarkedCell() > 0, true);
      Choose(command);
      QCOMPARE(MarkedCell(), 0);
    }
  }

  // No move while a modal window is up, by any path: each is taken while the win message is up
  // and while the about window is up, and none changes the board, the history or the choices.
  void noMoveBehindAModalWindow_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("win");
    for (const char* path : {"click", "space", "press action", "shortcuts", "undo", "redo", "hint",
                             "new game", "reset", "size", "colours"}) {
      QTest::addRow("%s, about window", path) << QString(path) << false;
      // A win leaves nothing to redo, so that path could not show a fault there.
      if (QString(path) != "redo") QTest::addRow("%s, win message", path) << QString(path) << true;
    }
  }
  void noMoveBehindAModalWindow() {
    QFETCH(QString, path);
    QFETCH(bool, win);
    const std::vector<int> solution = SolutionFromBlack(5, 2);
    const std::vector<int> played(solution.begin(), solution.end() - 1);
    for (int cell : played) Cell(cell)->click();
    Choose("MnuDeshacer");  // something to undo and something to redo
    if (win) Choose("MnuRehacer");
    const ModalCloser closer([&](QWidget*) {
      const Board before = form->GameBoard();
      const std::map<QString, std::function<void()>> paths{
          {"click", [&] { Click(2); }},
          {"space", [&] { Press(Qt::Key_Space); }},
          {"press action",
           [&] {
             QSignalSpy clicked(Cell(2), &QAbstractButton::clicked);
             QAccessible::queryAccessibleInterface(Cell(2))->actionInterface()->doAction(
                 QAccessibleActionInterface::pressAction());
             QVERIFY(clicked.wait());
           }},
          {"shortcuts",
           [&] {
             for (Qt::Key key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_H, Qt::Key_N}) {
               Press(key, Qt::ControlModifier);
             }
           }},
          {"undo", [&] { Choose("MnuDeshacer"); }},
          {"redo", [&] { Choose("MnuRehacer"); }},
          {"hint", [&] { Choose("MnuPista"); }},
          {"new game", [&] { Choose("MnuPartidaNueva"); }},
          {"reset", [&] { Choose("MnuReset"); }},
          {"size", [&] { Choose("MnuTam_2"); }},
          {"colours", [&] { Choose("MnuC_1"); }}};
      paths.at(path)();
      QCOMPARE(form->GameBoard().Steps(), before.Steps());
      QCOMPARE(History(), before.History());
      QCOMPARE(form->GameBoard().CanRedo(), before.CanRedo());
      QCOMPARE(MarkedCell(), 0);
      QVERIFY(Item("MnuTam_0")->isChecked() && Item("MnuC_0")->isChecked());
    });
    if (win) {
      Cell(solution.back())->click();
    } else {
      Choose("MnuInfo");
    }
    QCOMPARE(closer.Closed(), 1);
    QCOMPARE(History().size(), win ? solution.size() : played.size() - 1);
  }

  void undoAndRedoRestoreTheBoardAndTheHistory() {
    Choose("MnuC_1");
    QVERIFY(!Item("MnuDeshacer")->isEnabled());
    Press(Qt::Key_Z, Qt::ControlModifier);  // nothing to undo: nothing happens
    QCOMPARE(DifferencesFrom(Board(5, 3)), QString());

    for (int cell : {1, 2, 2, 7}) Cell(cell)->click();
    Board expected = After(5, 3, {1, 2, 2, 7});
    QVERIFY(Item("MnuDeshacer")->isEnabled() && !Item("MnuRehacer")->isEnabled());
    for (int i = 0; i < 3; ++i) {
      Press(Qt::Key_Z, Qt::ControlModifier);
      expected.Undo();
    }
    QCOMPARE(DifferencesFrom(expected), QString());
    QCOMPARE(History(), std::vector<std::string>{"1"});
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_Y, Qt::ControlModifier);
    expected.Redo();
    expected.Redo();
    QCOMPARE(DifferencesFrom(expected), QString());
    QCOMPARE(History(), expected.History());
    QVERIFY(Item("MnuRehacer")->isEnabled());

    Cell(25)->click();  // a new move: nothing left to redo
    QVERIFY(!Item("MnuRehacer")->isEnabled());
    Choose("MnuTam_0");  // undo reaches no further back than a size choice
    QVERIFY(!Item("MnuDeshacer")->isEnabled());
    QVERIFY(messages.isEmpty());
  }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
