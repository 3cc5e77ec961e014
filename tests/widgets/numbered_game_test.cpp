// Numbered games through the window: "Partida nueva", "Partida del día", "Elegir partida...",
// the line under the board, the restart, the win and its result to share, the records, and the
// game in play kept between runs.
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "board/game_code.h"
#include "board/numbered_game.h"
#include "board/solver.h"
#include "program/translations.h"
#include "progress/daily_game.h"
#include "tests/widgets/support/game_window_test.h"
#include "texts/game_texts.h"

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
  // The records window's numbers for a board: played, won, perfect, average and best; none when
  // the window does not list the board.
  QStringList Numbers(int size, int colours) {
    QStringList found;
    const ModalCloser closer([&](QWidget* window) {
      const auto* box =
          window->findChild<QGroupBox*>(QStringLiteral("Tablero_%1x%1-%2").arg(size).arg(colours));
      const auto* numbers = box ? box->findChild<QFormLayout*>() : nullptr;
      for (int row = 0; numbers && row < numbers->rowCount(); ++row) {
        found << qobject_cast<QLabel*>(numbers->itemAt(row, QFormLayout::FieldRole)->widget())
                     ->text();
      }
    });
    Choose("MnuRecords");
    return found;
  }
  // The line under the board; empty when it is not shown.
  QString Line() const {
    const auto* line = form->findChild<QLabel*>("LineaPartida");
    return line->isVisibleTo(form.get()) ? line->text() : QString();
  }
  // Wins the game in play from its position, in the fewest presses.
  void WinFromHere() {
    const Board& board = form->GameBoard();
    const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps());
    std::vector<int> cells;
    for (std::size_t cell = 0; cell < presses->size(); ++cell) {
      cells.insert(cells.end(), static_cast<std::size_t>((*presses)[cell]),
                   static_cast<int>(cell) + 1);
    }
    for (int cell : cells) Click(cell);
  }

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Spanish));
  }
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
    ChooseAnswering("MnuReset", "Dejarla");  // the design's game again
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

  // A win says the code, the presses and the fewest; a practice win says so too. The records
  // window shows what the records file holds, across windows. (What scores is the session's.)
  void aWinShowsItsResultAndTheRecordsShowIt() {
    const NumberedGame game = MakeGame({6, 2, 424242});
    const QString win = QStringLiteral("Lo lograste!!\nPartida 6x6-2-424242: %1 (mínimo %2)");
    QVERIFY(!ChooseGame("6x6-2-424242").second);
    WinFromHere();
    QCOMPARE(messages,
             QStringList{win.arg(PressesText(game.fewest)).arg(game.fewest) + "\n★★★ ¡Perfecta!"});
    QCOMPARE(DifferencesFrom(Board(6, 2)), QString());
    QCOMPARE(ChooseGame().first, QString());  // the game is over
    QCOMPARE(Line(), QString());

    StartGame();  // a new window reads what the last one wrote
    QTRY_COMPARE(Numbers(6, 2), (QStringList{"1", "1", "1", QLocale().toString(0.0, 'f', 1), "0"}));
    QVERIFY(!ChooseGame("6x6-2-424242").second);  // the same game again: practice
    QVERIFY(Line().endsWith(QStringLiteral(" · práctica")));
    WinFromHere();
    QCOMPARE(messages.value(0), win.arg(PressesText(game.fewest)).arg(game.fewest) + ", práctica");
    QCOMPARE(Numbers(5, 2), QStringList());  // never played: not listed
  }

  // The win message's buttons: OK is the default; "Copiar resultado" copies, says so and stays up;
  // "Otra partida" starts a new game of the same board once the board has turned black; "Ver
  // solución" plays the fewest presses on the game again, as practice, and a click stops it.
  void theWinMessageLeadsOn() {
    const auto winAnd = [this](const char* button) {
      QString copied;
      const ModalCloser closer([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
        auto* copy = box->findChild<QPushButton*>("CopiarResultado");
        copy->click();
        copied = copy->text();
        QTRY_COMPARE_WITH_TIMEOUT(copy->text(), QStringLiteral("&Copiar resultado"), 3000);
        if (button) {
          box->findChild<QPushButton*>(button)->click();
        } else {
          QTest::keyClick(box, Qt::Key_Escape);
          QVERIFY2(!box->isVisible(), "Escape closes it as OK does");
        }
      });
      WinFromHere();
      return copied;
    };
    QVERIFY(!ChooseGame("5x5-2-3").second);
    winAnd(nullptr);
    QCOMPARE(ChooseGame().first, QString());
    QCOMPARE(DifferencesFrom(Board(5, 2)), QString());

    QVERIFY(!ChooseGame("5x5-2-3").second);
    QCOMPARE(winAnd("OtraPartida"), QStringLiteral("Copiado"));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Lucen 5x5-2-3: "));
    const QString next = ChooseGame().first;
    QVERIFY(next.startsWith("5x5-2-") && next != "5x5-2-3");

    QVERIFY(!ChooseGame("5x5-2-3").second);
    winAnd("VerSolucion");
    QVERIFY(Line().startsWith("5x5-2-3 · 0 pulsaciones") && Line().endsWith("práctica"));
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QString(), 5000);  // played to the end, then black
    QTRY_COMPARE_WITH_TIMEOUT(DifferencesFrom(Board(5, 2)), QString(), 2000);
    QVERIFY(messages.isEmpty());

    QVERIFY(!ChooseGame("5x5-2-3").second);
    winAnd("VerSolucion");
    QTRY_VERIFY(Line().startsWith("5x5-2-3 · 1 pulsación"));
    Click(25);  // stops it where it is, and plays on from there
    const QString stopped = Line();
    QTest::qWait(1000);
    QVERIFY(stopped.startsWith("5x5-2-3 · ") && stopped.endsWith("práctica"));
    QCOMPARE(Line(), stopped);
  }

  // A first play that still scores is left only once the player says so: "Seguir jugando"
  // changes nothing, the check marks included. "No volver a preguntar" and the level are kept for
  // the next window.
  void aScoredGameIsLeftOnlyWhenThePlayerSaysSo() {
    QVERIFY(!ChooseGame("7x7-3-777").second);
    Click(1);
    const QString line = Line();
    const Board before = form->GameBoard();
    for (const char* command :
         {"MnuTam_0", "MnuC_2", "MnuReset", "MnuReiniciar", "MnuPartidaNueva", "MnuPartidaDia"}) {
      QVERIFY2(ChooseAnswering(command, "Seguir jugando").contains("7x7-3-777"), command);
      QCOMPARE(Line(), line);
      QCOMPARE(DifferencesFrom(before), QString());
      QVERIFY2(Item("MnuTam_2")->isChecked() && Item("MnuC_1")->isChecked(), command);
    }
    {
      const ModalCloser closer([](QWidget* box) {
        box->findChild<QCheckBox*>()->setChecked(true);
        for (auto* button : box->findChildren<QPushButton*>()) {
          if (button->text() == "Dejarla") button->click();
        }
      });
      Choose("MnuReset");
      QCOMPARE(closer.Closed(), 1);
    }
    QCOMPARE(Line(), QString());
    Choose("MnuNivel_2");

    StartGame();
    QVERIFY(Item("MnuNivel_2")->isChecked());
    QVERIFY(!ChooseGame("7x7-3-778").second);
    Click(1);
    Choose("MnuReset");
    QCOMPARE(messages, QStringList());  // not asked again
    QCOMPARE(Line(), QString());
  }

  // The line under the board follows every press, undo, redo and restart; a size or a colour
  // choice ends the numbered game, and the window is the design's again.
  void theLineFollowsTheGameAndEndsWithIt() {
    const QSize designSize = form->size();
    QVERIFY(!form->statusBar()->isVisible());
    QVERIFY(!Item("MnuReiniciar")->isEnabled());
    for (const auto& [choice, number] : {std::pair("MnuTam_0", 123456), {"MnuC_0", 654321}}) {
      const GameId id{7, 3, number};
      const int fewest = MakeGame(id).fewest;
      const QString line = GameCodeText(id) + QStringLiteral(" · %1 · mínimo %2");
      QVERIFY(!ChooseGame(GameCodeText(id)).second);
      QVERIFY(Item("MnuReiniciar")->isEnabled());
      Click(1);
      QCOMPARE(Line(), line.arg("1 pulsación").arg(fewest));
      Choose("MnuDeshacer");
      Choose("MnuRehacer");
      QCOMPARE(Line(), line.arg("2 pulsaciones").arg(fewest));
      ChooseAnswering("MnuReiniciar", "Dejarla");
      QCOMPARE(Line(), line.arg("0 pulsaciones").arg(fewest) + " · práctica");
      QCOMPARE(DifferencesFrom(Start(id)), QString());
      QVERIFY(!Item("MnuDeshacer")->isEnabled());

      Choose(choice);
      QCOMPARE(Line(), QString());
      QVERIFY(!Item("MnuReiniciar")->isEnabled());
      if (form->GameBoard().Size() == 5) QTRY_COMPARE(form->size(), designSize);
      // A win on the design's board is no numbered game's.
      Choose("MnuC_0");
      Choose("MnuTam_0");
      messages.clear();
      for (int cell : SolutionFromBlack(5, 2)) Click(cell);
      QCOMPARE(messages, QStringList{"Lo lograste!!"});
    }
  }

  // The numbered game in play comes back in the next window exactly as it was; once it is over
  // (here by a reset), the next window starts on the design's board.
  void theGameInPlayComesBack() {
    QVERIFY(!ChooseGame("7x7-3-123456").second);
    Click(3);
    Click(9);
    Click(20);
    Choose("MnuDeshacer");
    const Board position = form->GameBoard();
    const QString line = Line();
    StartGame();
    form->ResumeSavedGame();
    QCOMPARE(DifferencesFrom(position), QString());
    QCOMPARE(Line(), line);
    QVERIFY(Item("MnuRehacer")->isEnabled() && Item("MnuTam_2")->isChecked());
    Choose("MnuRehacer");
    QCOMPARE(form->GameBoard().History(), (std::vector<std::string>{"3", "9", "20"}));
    ChooseAnswering("MnuReset", "Dejarla");
    StartGame();
    form->ResumeSavedGame();
    QCOMPARE(Line(), QString());
    QCOMPARE(DifferencesFrom(Board(5, 2)), QString());
  }

  // The game of the day is the date's; its win shares one line with the date, which "Elegir
  // partida..." reads back whole. A win that cannot be written says so in its message.
  void theDailyGameAndItsResultToShare() {
    const CalendarDate day{2026, 12, 9};
    const GameId id = DailyGame(day);
    // Nowhere to write the records, nor the wins still to write: a file where their folders
    // should be.
    QFile blocker(settings.filePath("a file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME"), stateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
    qputenv("XDG_STATE_HOME", blocker.fileName().toUtf8());
    form = std::make_unique<MainWindow>(shell);  // its files where the folders are
    form->StartUp();
    form->ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("XDG_STATE_HOME", stateHome);
    form->SetCalendar([day] { return day; });
    Press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(Line().startsWith("Partida del día · " + GameCodeText(id) + " · "));
    QString text;
    bool stayedUp = false;
    {
      const ModalCloser closer([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        box->findChild<QPushButton*>("CopiarResultado")->click();
        stayedUp = box->isVisible();
        QTRY_VERIFY(box->text().contains('\n' + WinNotKeptLine()));
        text = box->text();
      });
      WinFromHere();
    }
    QVERIFY(stayedUp);
    const QString shared = QGuiApplication::clipboard()->text();
    QCOMPARE(shared, QStringLiteral("Lucen %1 2026-12-09: %2 (mínimo %3) ★★★ · Racha: 1 día")
                         .arg(GameCodeText(id), PressesText(MakeGame(id).fewest))
                         .arg(MakeGame(id).fewest));
    QVERIFY(text.startsWith("Lo lograste!!\nPartida " + GameCodeText(id)));
    QVERIFY(!ChooseGame(shared).second);
    QVERIFY(Line().startsWith(GameCodeText(id) + " · "));
  }
};

QTEST_MAIN(NumberedGameTest)
#include "numbered_game_test.moc"
