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

#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CentreColour;
using lucen::testing::RecordingShell;
using lucen::testing::WhenModalOpens;

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

class SoakTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;
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
  CellButton* Cell(int number) const { return lucen::testing::CellOf(*form, number); }
  std::vector<std::string> History() const { return form->GameBoard().History(); }
  void Trigger(const QString& name) {
    Note(name);
    QAction* action = form->findChild<QAction*>(name);
    QVERIFY2(action != nullptr, qPrintable(name));
    action->trigger();
    QCoreApplication::processEvents();
  }

  // The colour each button shows and the one the model says, cell by cell.
  void ExpectModelShown() {
    QCOMPARE(Cell(Size() * Size() + 1), nullptr);
    for (std::size_t i = 0; i < model.CellCount(); ++i) {
      QCOMPARE(Cell(static_cast<int>(i) + 1)->Colour(), lucen::testing::Painted(model.Colour(i)));
    }
    QCOMPARE(History(), model.History());
  }

  // One click on a real cell button; a win turns the board black once the message is gone.
  void Click(int number) {
    const int winsBefore = wins;
    Note(QStringLiteral("click %1 (%2x%2, %3 colours)")
             .arg(number)
             .arg(Size())
             .arg(model.ColourCount()));
    QTest::mouseClick(Cell(number), Qt::LeftButton);
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
    form = lucen::testing::StartedGame(shell);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

  void cleanupTestCase() { form.reset(); }

  void randomActionsKeepTheBoardTheHistoryAndTheWidgetsRight() {
    // Closes every win message as soon as it is up, after looking at it and at the board.
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible()) return;
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
          if (Cell(i)->Colour() != lucen::testing::Painted(kLightGreen)) {
            winProblems << QStringLiteral("cell %1").arg(i);
          }
        }
      }
      modal->close();
    });
    closer.start();
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
          CHECKED(Trigger(QStringLiteral("MnuPista")));
          const bool solvable = !(Size() == 8 && model.ColourCount() == 3);
          QCOMPARE(noSolutionMessages, messagesBefore + (solvable ? 0 : 1));
          if (solvable) {
            auto* focused = qobject_cast<CellButton*>(form->focusWidget());
            QVERIFY(focused != nullptr && focused->IsHint());
          }
          ++hints;
        }
        QVERIFY(wins - winsBefore <= 1);
        if (wins != winsBefore) QCOMPARE(model.Steps(), Board(Size(), model.ColourCount()).Steps());
        ++done;
        CHECKED(ExpectModelShown());
      } else if (kind < 78) {
        CHECKED(Click(1 + Pick(Size() * Size())));
        ++done;
      } else if (kind < 83) {
        const int choice = Pick(5);
        CHECKED(Trigger(QStringLiteral("MnuTam_%1").arg(choice)));
        model.Resize(choice + 5);
        ++sizeChoices;
        ++done;
        CHECKED(ExpectModelShown());
      } else if (kind < 88) {
        const int choice = Pick(3);
        CHECKED(Trigger(QStringLiteral("MnuC_%1").arg(choice)));
        model.ChangeColourCount(choice + 2);
        ++colourChoices;
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
          CHECKED(Click(index));
        }
        if (done == actions) break;
        ++repeatChecks;
        if (wins == winsBefore) {
          QCOMPARE(model.Steps(), before);
        } else {
          ++repeatChecksSpanningAWin;
        }
        // And what the button paints is its colour.
        QCOMPARE(lucen::testing::CentreColour(Cell(index)), Cell(index)->Colour());
        ++paintChecks;
      } else if (Size() == 5 && model.ColourCount() == 2 && actions - done > 16) {
        // The known solution from a black board: the fifteenth click wins.
        CHECKED(Trigger(QStringLiteral("MnuReset")));
        model.Reset();
        ++resets;
        ++done;
        const int winsBefore = wins;
        for (const int index : {2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21, 22}) {
          QCOMPARE(wins, winsBefore);
          CHECKED(Click(index));
          ++done;
        }
        QCOMPARE(wins, winsBefore + 1);
        QCOMPARE(History().size(), 15U);
        ++solves;
      }
    }

    closer.stop();
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
