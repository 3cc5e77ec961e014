// A long, seeded, reproducible game through the real widgets: cell clicks, size and colour
// choices, resets, undo, redo and hints in random order, checked after every action against the
// board model played alongside. Run with LUCEN_SOAK_SEED=<n> to replay another game,
// LUCEN_SOAK_ACTIONS=<n> to change its length.
#include <QAction>
#include <QMessageBox>
#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <random>

#include "board/hint.h"
#include "main_window/cell_button.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  bool ok = false;
  const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : fallback;
}

}  // namespace

// Runs a helper that checks with QCOMPARE / QVERIFY, and ends the test when it failed.
#define CHECKED(call)                       \
  do {                                      \
    call;                                   \
    if (QTest::currentTestFailed()) return; \
  } while (false)

class SoakTest : public GameWindowTest {
  Q_OBJECT

 private:
  std::mt19937_64 random;
  Board model{5, 2};  // what the window should show

  // What the persistent handler saw.
  int wins = 0;
  int otherModals = 0;
  int noSolutionMessages = 0;
  QStringList winProblems;

  // Counts by kind.
  int clicks = 0, sizeChoices = 0, colourChoices = 0, resets = 0, undos = 0, redos = 0, hints = 0,
      repeatChecks = 0, repeatChecksSpanningAWin = 0, solves = 0, paintChecks = 0;

  QStringList recent;  // the last actions, shown when a check fails
  void Note(const QString& action) {
    recent.append(action);
    if (recent.size() > 30) recent.removeFirst();
  }

  int Pick(int count) { return static_cast<int>(random() % static_cast<std::uint64_t>(count)); }

  int Size() const { return model.Size(); }
  void Trigger(const QString& name) {
    Note(name);
    QVERIFY2(Item(name) != nullptr, qPrintable(name));
    Choose(name);
    QCoreApplication::processEvents();
  }

  // The colour each button shows and the one the model says, cell by cell.
  void ExpectModelShown() {
    QCOMPARE(Cell(Size() * Size() + 1), nullptr);
    for (std::size_t i = 0; i < model.CellCount(); ++i) {
      QCOMPARE(Cell(static_cast<int>(i) + 1)->Colour(), Painted(model.Colour(i)));
    }
    QCOMPARE(History(), model.History());
  }

  // One click on a real cell button; a win turns the board black once the message is gone.
  void Play(int number) {
    const int winsBefore = wins;
    Note(QStringLiteral("click %1 (%2x%2, %3 colours)")
             .arg(number)
             .arg(Size())
             .arg(model.ColourCount()));
    Click(number);
    QCoreApplication::processEvents();
    ++clicks;
    const bool solved = model.Press(static_cast<std::size_t>(number - 1)).solved;
    QCOMPARE(wins, winsBefore + (solved ? 1 : 0));
    if (solved) model.Clear();
    CHECKED(ExpectModelShown());
  }

 private slots:
  void initTestCase() {
    const std::uint64_t seed = FromEnvironment("LUCEN_SOAK_SEED", 20240611);
    qInfo("seed %llu", static_cast<unsigned long long>(seed));
    random.seed(seed);
    StartGame();
  }

  void randomActionsKeepTheBoardTheHistoryAndTheWidgetsRight() {
    // Closes every message as soon as it is up, after looking at it and at the board.
    const ModalCloser closer([this](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) {
        ++otherModals;
      } else if (box->text().contains(QStringLiteral("no se puede completar"))) {
        ++noSolutionMessages;
      } else {
        ++wins;
        if (box->windowTitle() != QStringLiteral("Lucen")) winProblems << box->windowTitle();
        if (box->text() != QStringLiteral("Lo lograste!!")) winProblems << box->text();
        for (int i = 1; i <= Size() * Size(); ++i) {
          if (Cell(i)->Colour() != Painted(kLightGreen)) {
            winProblems << QStringLiteral("cell %1").arg(i);
          }
        }
      }
    });
    // On failure, the actions that led there.
    struct ShowRecent {
      const QStringList& actions;
      ~ShowRecent() {
        if (QTest::currentTestFailed()) qInfo("last actions: %s", qPrintable(actions.join(", ")));
      }
    } showRecent{recent};

    const int actions = static_cast<int>(FromEnvironment("LUCEN_SOAK_ACTIONS", 10000));
    int done = 0;
    while (done < actions) {
      const int kind = Pick(100);
      if (kind >= 70 && kind < 78) {
        // Undo, redo or a hint, each of which the model answers too.
        const int which = Pick(3);
        const int winsBefore = wins;
        if (which == 0) {
          CHECKED(Trigger(QStringLiteral("MnuDeshacer")));
          model.Undo();
          ++undos;
        } else if (which == 1) {
          CHECKED(Trigger(QStringLiteral("MnuRehacer")));
          if (model.Redo().solved) model.Clear();
          ++redos;
        } else {
          const int messagesBefore = noSolutionMessages;
          const Hint hint = HintFor(model);
          CHECKED(Trigger(QStringLiteral("MnuPista")));
          const bool solvable = hint.kind != Hint::Kind::kNoSolution;
          QCOMPARE(noSolutionMessages, messagesBefore + (solvable ? 0 : 1));
          if (hint.kind == Hint::Kind::kPress) {
            const int marked = static_cast<int>(hint.cell) + 1;
            QCOMPARE(MarkedCell(), marked);
            QCOMPARE(form->focusWidget(), Cell(marked));
          }
          ++hints;
        }
        QVERIFY(wins - winsBefore <= 1);
        if (wins != winsBefore) QCOMPARE(model.Steps(), Board(Size(), model.ColourCount()).Steps());
        ++done;
        CHECKED(ExpectModelShown());
      } else if (kind < 78) {
        CHECKED(Play(1 + Pick(Size() * Size())));
        ++done;
      } else if (kind < 88) {
        // A size or a colour choice, which the model makes too.
        const bool size = kind < 83;
        const int choice = Pick(size ? Board::kMaxSize - Board::kMinSize + 1
                                     : Board::kMaxColours - Board::kMinColours + 1);
        CHECKED(
            Trigger((size ? QStringLiteral("MnuTam_%1") : QStringLiteral("MnuC_%1")).arg(choice)));
        if (size) {
          model.Resize(Board::kMinSize + choice);
          ++sizeChoices;
        } else {
          model.ChangeColourCount(Board::kMinColours + choice);
          ++colourChoices;
        }
        ++done;
        CHECKED(ExpectModelShown());
      } else if (kind < 92) {
        CHECKED(Trigger(QStringLiteral("MnuReset")));
        model.Reset();
        ++resets;
        ++done;
        CHECKED(ExpectModelShown());
      } else if (kind < 99) {
        // The same move as many times as there are colours leaves the board as it was, unless
        // the puzzle was solved on the way.
        const int index = 1 + Pick(Size() * Size());
        const std::vector<int> before = model.Steps();
        const int winsBefore = wins;
        for (int i = 0; i < model.ColourCount() && done < actions; ++i, ++done) {
          CHECKED(Play(index));
        }
        if (done == actions) break;
        ++repeatChecks;
        if (wins == winsBefore) {
          QCOMPARE(model.Steps(), before);
        } else {
          ++repeatChecksSpanningAWin;
        }
        // And what the button paints is its colour.
        QCOMPARE(CentreColour(Cell(index)), Cell(index)->Colour());
        ++paintChecks;
      } else if (const std::vector<int> solution = SolutionFromBlack(Size(), model.ColourCount());
                 !solution.empty() && actions - done > static_cast<int>(solution.size()) + 1) {
        // The solver's solution from a black board: its last click wins, and no earlier one.
        CHECKED(Trigger(QStringLiteral("MnuReset")));
        model.Reset();
        ++resets;
        ++done;
        const int winsBefore = wins;
        for (const int index : solution) {
          QCOMPARE(wins, winsBefore);
          CHECKED(Play(index));
          ++done;
        }
        QCOMPARE(wins, winsBefore + 1);
        QCOMPARE(History().size(), solution.size());
        ++solves;
      }
    }

    qInfo(
        "%d actions: %d clicks, %d size choices, %d colour choices, %d resets, %d undos, %d "
        "redos, %d hints (%d with no solution); %d repeat checks (%d spanning a win), %d paint "
        "checks, %d solves, %d wins in all",
        done, clicks, sizeChoices, colourChoices, resets, undos, redos, hints, noSolutionMessages,
        repeatChecks, repeatChecksSpanningAWin, paintChecks, solves, wins);
    QCOMPARE(done, actions);
    QCOMPARE(clicks + sizeChoices + colourChoices + resets + undos + redos + hints, actions);
    QVERIFY2(winProblems.isEmpty(), qPrintable(winProblems.join(QStringLiteral(", "))));
    QCOMPARE(otherModals, 0);
    QVERIFY(wins >= solves);
    QVERIFY(solves > 0 || actions < 1000);
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
