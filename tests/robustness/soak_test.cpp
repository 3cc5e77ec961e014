// A long, seeded, reproducible game through the real widgets: cell clicks, size and colour
// choices and resets in random order, checked after every action against a small model of the
// rules. Run with LUCEN_SOAK_SEED=<n> to replay another game, LUCEN_SOAK_ACTIONS=<n> to change
// its length.
#include <QAction>
#include <QMessageBox>
#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <random>

#include "main_window/cell_button.h"
#include "main_window/form1.h"
#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CentreColour;
using lucen::testing::RecordingShell;
using lucen::testing::WhenModalOpens;

namespace {

const QColor kBlackColour(0, 0, 0);
const QColor kYellowColour(255, 255, 0);
const QColor kRedColour(255, 0, 0);
const QColor kGreenColour(0, 255, 0);

// The cycle of `count` colours, from black.
QVector<QColor> Cycle(int count) {
  switch (count) {
    case 2:
      return {kBlackColour, kGreenColour};
    case 3:
      return {kBlackColour, kRedColour, kGreenColour};
    default:
      return {kBlackColour, kYellowColour, kRedColour, kGreenColour};
  }
}

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
  int size = 5;
  int colours = 2;
  QVector<QColor> model;  // by cell index; element 0 unused

  // What the persistent handler saw.
  int wins = 0;
  int otherModals = 0;
  QStringList winProblems;

  // Counts by kind.
  int clicks = 0, sizeChoices = 0, colourChoices = 0, resets = 0, repeatChecks = 0,
      repeatChecksSpanningAWin = 0, solves = 0, paintChecks = 0;

  QStringList recent;  // the last actions, shown when a check fails
  void Note(const QString& action) {
    recent.append(action);
    if (recent.size() > 30) recent.removeFirst();
  }

  int Pick(int count) { return static_cast<int>(random() % static_cast<std::uint64_t>(count)); }

  CellButton* Cell(int index) const {
    return form->findChild<CellButton*>(QStringLiteral("Command1_%1").arg(index));
  }
  HistoryList* History() const { return form->findChild<HistoryList*>(QStringLiteral("List1")); }
  void Trigger(const QString& name) {
    Note(name);
    QAction* action = form->findChild<QAction*>(name);
    QVERIFY2(action != nullptr, qPrintable(name));
    action->trigger();
    QCoreApplication::processEvents();
  }

  QVector<QColor> Shown() const {
    QVector<QColor> shown(1, kBlackColour);  // element 0 unused, as in the model
    for (int i = 1; i <= size * size; ++i) shown.append(Cell(i)->Colour());
    return shown;
  }

  void StepModel(int index) {
    const QVector<QColor> cycle = Cycle(colours);
    const auto step = [&](int cell) {
      model[cell] = cycle[(cycle.indexOf(model[cell]) + 1) % cycle.size()];
    };
    const int row = (index - 1) / size;
    const int column = (index - 1) % size;
    step(index);
    if (row > 0) step(index - size);
    if (row < size - 1) step(index + size);
    if (column > 0) step(index - 1);
    if (column < size - 1) step(index + 1);
    // Solved: the board turns black once the message has been dismissed.
    if (std::all_of(model.begin() + 1, model.end(),
                    [](const QColor& c) { return c == kGreenColour; })) {
      model.fill(kBlackColour);
    }
  }

  // One click on a real cell button, checked against the model and the history.
  void Click(int index) {
    const int winsBefore = wins;
    const int historyBefore = History()->count();
    Note(QStringLiteral("click %1 (%2x%2, %3 colours)").arg(index).arg(size).arg(colours));
    QTest::mouseClick(Cell(index), Qt::LeftButton);
    QCoreApplication::processEvents();
    ++clicks;
    StepModel(index);
    QCOMPARE(History()->count(), historyBefore + 1);
    QCOMPARE(History()->entries().last(), QString::number(index));
    if (wins != winsBefore) QCOMPARE(model, QVector<QColor>(size * size + 1, kBlackColour));
    QCOMPARE(Shown(), model);
  }

  void ExpectFreshBoard() {
    QVERIFY(Cell(size * size) != nullptr && Cell(size * size)->isVisible());
    QCOMPARE(Cell(size * size + 1), nullptr);
    model = QVector<QColor>(size * size + 1, kBlackColour);
    QCOMPARE(Shown(), model);
  }

 private slots:
  void initTestCase() {
    const std::uint64_t seed = FromEnvironment("LUCEN_SOAK_SEED", 20240611);
    qInfo("seed %llu", static_cast<unsigned long long>(seed));
    random.seed(seed);
    form = std::make_unique<Form1>(shell);
    WhenModalOpens([](QWidget* about) { about->close(); });
    form->Form_Load();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    model = QVector<QColor>(26, kBlackColour);
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
      } else {
        ++wins;
        if (box->windowTitle() != QStringLiteral("Lucen")) winProblems << box->windowTitle();
        if (box->text() != QStringLiteral("Lo lograste!!")) winProblems << box->text();
        for (int i = 1; i <= size * size; ++i) {
          if (Cell(i)->Colour() != kGreenColour) winProblems << QStringLiteral("cell %1").arg(i);
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
      if (kind < 78) {
        CHECKED(Click(1 + Pick(size * size)));
        ++done;
      } else if (kind < 83) {
        const int choice = Pick(5);
        CHECKED(Trigger(QStringLiteral("MnuTam_%1").arg(choice)));
        size = choice + 5;
        ++sizeChoices;
        ++done;
        CHECKED(ExpectFreshBoard());
      } else if (kind < 88) {
        const int choice = Pick(3);
        CHECKED(Trigger(QStringLiteral("MnuC_%1").arg(choice)));
        colours = choice + 2;
        ++colourChoices;
        ++done;
        CHECKED(ExpectFreshBoard());
        QCOMPARE(History()->count(), 0);
      } else if (kind < 92) {
        CHECKED(Trigger(QStringLiteral("MnuReset")));
        ++resets;
        ++done;
        CHECKED(ExpectFreshBoard());
        QCOMPARE(History()->count(), 0);
      } else if (kind < 99) {
        // The same move as many times as there are colours leaves the board as it was, unless
        // the puzzle was solved on the way.
        const int index = 1 + Pick(size * size);
        const QVector<QColor> before = Shown();
        const int winsBefore = wins;
        for (int i = 0; i < colours && done < actions; ++i, ++done) CHECKED(Click(index));
        if (done == actions) break;
        ++repeatChecks;
        if (wins == winsBefore) {
          QCOMPARE(Shown(), before);
        } else {
          ++repeatChecksSpanningAWin;
        }
        // And what the button paints is its colour.
        QCOMPARE(lucen::testing::CentreColour(Cell(index)), Cell(index)->Colour());
        ++paintChecks;
      } else if (size == 5 && colours == 2 && actions - done > 16) {
        // The known solution from a black board: the fifteenth click wins.
        CHECKED(Trigger(QStringLiteral("MnuReset")));
        ++resets;
        ++done;
        CHECKED(ExpectFreshBoard());
        const int winsBefore = wins;
        for (const int index : {2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21, 22}) {
          QCOMPARE(wins, winsBefore);
          CHECKED(Click(index));
          ++done;
        }
        QCOMPARE(wins, winsBefore + 1);
        QCOMPARE(History()->count(), 15);
        ++solves;
      }
    }

    closer.stop();
    qInfo(
        "%d actions: %d clicks, %d size choices, %d colour choices, %d resets; %d repeat "
        "checks (%d spanning a win), %d paint checks, %d solves, %d wins in all",
        done, clicks, sizeChoices, colourChoices, resets, repeatChecks, repeatChecksSpanningAWin,
        paintChecks, solves, wins);
    QCOMPARE(done, actions);
    QCOMPARE(clicks + sizeChoices + colourChoices + resets, actions);
    QVERIFY2(winProblems.isEmpty(), qPrintable(winProblems.join(QStringLiteral(", "))));
    QCOMPARE(otherModals, 0);
    QVERIFY(wins >= solves);
    QVERIFY(solves > 0 || actions < 1000);
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
