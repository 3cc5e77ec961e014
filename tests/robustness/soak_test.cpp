// A long, seeded, reproducible game through the real widgets: cell clicks, size and colour
// choices, resets, undo, redo and hints in random order, checked after every action against the
// board model played alongside. Run with LUCEN_SOAK_SEED=<n> to replay another game,
// LUCEN_SOAK_ACTIONS=<n> to change its length.
#include <QMessageBox>
#include <QtTest>
#include <random>

#include "board/hint.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class SoakTest : public GameWindowTest {
  Q_OBJECT

 private:
  std::mt19937_64 random;
  Board model{5, 2};  // what the window should show
  int wins = 0;       // win messages seen
  int noSolution = 0;
  QStringList problems;  // what the messages showed wrong
  QStringList recent;    // the last actions, shown when a check fails

  int Pick(int count) { return static_cast<int>(random() % static_cast<std::uint64_t>(count)); }
  int Size() const { return model.Size(); }

  // Chooses a menu item on the window; `onModel` does the same to the model and says whether
  // that solved it. A win message comes exactly when it did, and the board is black after it.
  void Act(const QString& what, const std::function<void()>& onWindow,
           const std::function<bool()>& onModel) {
    if (QTest::currentTestFailed()) return;
    recent.append(
        QStringLiteral("%1 (%2x%2, %3 colours)").arg(what).arg(Size()).arg(model.ColourCount()));
    if (recent.size() > 30) recent.removeFirst();
    const int winsBefore = wins;
    onWindow();
    QCoreApplication::processEvents();
    const bool solved = onModel();
    QCOMPARE(wins, winsBefore + (solved ? 1 : 0));
    if (solved) model.TurnBlack();
    // Each button shows the model's colour, and paints it.
    QCOMPARE(Cell(Size() * Size() + 1), nullptr);
    for (std::size_t i = 0; i < model.CellCount(); ++i) {
      QCOMPARE(Cell(static_cast<int>(i) + 1)->Colour(), Painted(model.Colour(i)));
    }
    CellButton* sample = Cell(1 + Pick(Size() * Size()));
    QCOMPARE(CentreColour(sample), sample->Colour());
    QCOMPARE(History(), model.History());
  }
  void Play(int number) {
    Act(
        QStringLiteral("click %1").arg(number), [&] { Click(number); },
        [&] { return model.Press(static_cast<std::size_t>(number - 1)).solved; });
  }
  void Command(const QString& item, const std::function<bool()>& onModel) {
    Act(
        item, [&] { Choose(item); }, onModel);
  }

 private slots:
  void initTestCase() {
    bool given = false;
    const qulonglong seed = qEnvironmentVariable("LUCEN_SOAK_SEED").toULongLong(&given);
    random.seed(given ? seed : 20240611);
    qInfo("seed %llu", given ? seed : 20240611ULL);
    StartGame();
  }

  void randomActionsKeepTheBoardTheHistoryAndTheWidgetsRight() {
    // Looks at every message as soon as it is up, and at the board behind it; then closes it.
    const ModalCloser closer([this](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) {
        problems << QStringLiteral("a window other than a message");
      } else if (box->text().contains(QStringLiteral("no se puede completar"))) {
        ++noSolution;
      } else {
        ++wins;
        if (box->windowTitle() != QStringLiteral("Lucen")) problems << box->windowTitle();
        if (box->text() != QStringLiteral("Lo lograste!!")) problems << box->text();
        for (int i = 1; i <= Size() * Size(); ++i) {
          if (Cell(i)->Colour() != Painted(kLightGreen))
            problems << QStringLiteral("cell %1").arg(i);
        }
      }
    });
    struct ShowRecent {
      const QStringList& actions;
      ~ShowRecent() {
        if (QTest::currentTestFailed()) qInfo("last actions: %s", qPrintable(actions.join(", ")));
      }
    } showRecent{recent};

    const int actions = qEnvironmentVariableIsSet("LUCEN_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("LUCEN_SOAK_ACTIONS")
                            : 10000;
    int solves = 0;
    for (int done = 0; done < actions && !QTest::currentTestFailed(); ++done) {
      const int kind = Pick(100);
      if (kind < 75) {
        Play(1 + Pick(Size() * Size()));
      } else if (kind < 78) {
        Command("MnuDeshacer", [&] { return model.Undo().solved; });
      } else if (kind < 81) {
        Command("MnuRehacer", [&] { return model.Redo().solved; });
      } else if (kind < 84) {
        // The mark and the focus go to the cell the model's hint names; a board with no solution
        // is said so.
        const Hint hint = HintFor(model);
        const int said = noSolution;
        Command("MnuPista", [] { return false; });
        QCOMPARE(noSolution, said + (hint.kind == Hint::Kind::kNoSolution ? 1 : 0));
        if (hint.kind == Hint::Kind::kPress) {
          QCOMPARE(MarkedCell(), static_cast<int>(hint.cell) + 1);
          QCOMPARE(form->focusWidget(), Cell(MarkedCell()));
        }
      } else if (kind < 89) {
        const int size = Board::kMinSize + Pick(Board::kMaxSize - Board::kMinSize + 1);
        Command(QStringLiteral("MnuTam_%1").arg(size - Board::kMinSize), [&] {
          model.Resize(size);
          return false;
        });
      } else if (kind < 94) {
        const int count = Board::kMinColours + Pick(Board::kMaxColours - Board::kMinColours + 1);
        Command(QStringLiteral("MnuC_%1").arg(count - Board::kMinColours), [&] {
          model.ChangeColourCount(count);
          return false;
        });
      } else if (kind < 99) {
        Command("MnuReset", [&] {
          model.Reset();
          return false;
        });
      } else if (const std::vector<int> solution = SolutionFromBlack(Size(), model.ColourCount());
                 !solution.empty()) {
        // The solver's solution from a black board: its last click wins, and no earlier one.
        Command("MnuReset", [&] {
          model.Reset();
          return false;
        });
        for (const int cell : solution) Play(cell);
        QCOMPARE(History().size(), solution.size());
        ++solves;
      }
    }
    qInfo("%d actions: %d wins, %d of them from a solution played whole, %d boards said unsolvable",
          actions, wins, solves, noSolution);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
    QVERIFY(solves > 0 || actions < 1000);
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
