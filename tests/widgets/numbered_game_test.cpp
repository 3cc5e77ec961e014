// Numbered games through the window: "Partida nueva", "Elegir partida...", the win and the records.
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include "board/game_code.h"
#include "board/numbered_game.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class NumberedGameTest : public GameWindowTest {
  Q_OBJECT

 private:
  // Opens "Elegir partida...", types `code` (when given) and accepts; returns the code of the game
  // in play that the dialog showed, and whether the dialog refused what was typed.
  std::pair<QString, bool> ChooseGame(const QString& code = {}) {
    QString shown;
    bool refused = false;
    const ModalCloser closer([&](QWidget* dialog) {
      shown = dialog->findChild<QLineEdit*>("PartidaActual")->text();
      if (code.isEmpty()) return;
      dialog->findChild<QLineEdit*>("CodigoPartida")->setText(code);
      QMetaObject::invokeMethod(dialog, "accept");
      refused = dialog->isVisible() && dialog->findChild<QLabel*>("ProblemaCodigo")->isVisible();
    });
    Choose("MnuElegirPartida");
    QApplication::setActiveWindow(form.get());  // back from the dialog, as on a desktop
    return {shown, refused};
  }
  // The board that game `id` starts from.
  static Board Start(const GameId& id) {
    Board board(id.size, id.colourCount);
    board.Start(MakeGame(id).start);
    return board;
  }
  // The records window's row for a board: games won and best result.
  QStringList RecordRow(int size, int colours) {
    QStringList row;
    const ModalCloser closer([&](QWidget* window) {
      const auto* table = window->findChild<QTableWidget*>();
      const int at = (size - Board::kMinSize) * 3 + colours - Board::kMinColours;
      row << table->item(at, 0)->text() + "-" + table->item(at, 1)->text()
          << table->item(at, 2)->text() << table->item(at, 3)->text();
    });
    Choose("MnuRecords");
    return row;
  }

 private slots:
  void init() { StartGame(); }

  void aNewGameStartsFromItsCodesPositionAndUndoStopsThere() {
    Choose("MnuC_1");
    Press(Qt::Key_N, Qt::ControlModifier);
    const auto code = ChooseGame().first.toStdString();
    const GameId id = std::get<GameId>(ReadGameCode(code));
    QCOMPARE(std::pair(id.size, id.colourCount), std::pair(5, 3));
    QCOMPARE(DifferencesFrom(Start(id)), QString());
    Click(7);
    for (int i = 0; i < 2; ++i) Choose("MnuDeshacer");
    QCOMPARE(DifferencesFrom(Start(id)), QString());
    QVERIFY(History().empty());
    Choose("MnuReset");  // the design's game again
    QCOMPARE(ChooseGame().first, QString());
    QCOMPARE(DifferencesFrom(Board(5, 3)), QString());
  }

  void aCodeSwitchesTheBoardAndABadOneChangesNothing() {
    QVERIFY(!ChooseGame("8x8-4-77").second);
    QVERIFY(Item("MnuTam_3")->isChecked() && Item("MnuC_2")->isChecked());
    QCOMPARE(DifferencesFrom(Start({8, 4, 77})), QString());
    for (const char* bad : {"8x9-4-1", "7x7-5-1", "7x7-3-0", "siete"}) {
      QVERIFY2(ChooseGame(bad).second, bad);
      QCOMPARE(DifferencesFrom(Start({8, 4, 77})), QString());
    }
  }

  // A win says the code, the presses and the fewest, and goes into the records, which outlast the
  // window; a win helped by a hint counts as won but not as a best.
  void winsGoIntoTheRecords() {
    const NumberedGame game = MakeGame({6, 2, 424242});
    QVERIFY(!ChooseGame("6x6-2-424242").second);
    Click(1);  // one press too many, undone, redone and undone again: the redo counts too
    for (const char* command : {"MnuDeshacer", "MnuRehacer", "MnuDeshacer"}) Choose(command);
    const auto presses = FewestPresses(6, 2, game.start);
    for (std::size_t cell = 0; cell < presses->size(); ++cell) {
      for (int i = 0; i < (*presses)[cell]; ++i) Click(static_cast<int>(cell) + 1);
    }
    QCOMPARE(messages, QStringList{QStringLiteral("Lo lograste!!\nPartida 6x6-2-424242: %1 "
                                                  "pulsaciones (mínimo %2)")
                                       .arg(game.fewest + 2)
                                       .arg(game.fewest)});
    QCOMPARE(DifferencesFrom(Board(6, 2)), QString());
    QCOMPARE(ChooseGame().first, QString());  // the game is over

    StartGame();  // a new window reads what the last one wrote
    QCOMPARE(RecordRow(6, 2), (QStringList{"6x6-2", "1", "2"}));
    QVERIFY(!ChooseGame("6x6-2-7").second);
    for (int press = 0; messages.size() < 2 && press <= FewestPressesAtMost(6); ++press) {
      Press(Qt::Key_H, Qt::ControlModifier);
      Press(Qt::Key_Space);
    }
    QCOMPARE(RecordRow(6, 2), (QStringList{"6x6-2", "2", "2"}));
    QCOMPARE(RecordRow(5, 2), (QStringList{"5x5-2", "0", "—"}));
  }
};

QTEST_MAIN(NumberedGameTest)
#include "numbered_game_test.moc"
