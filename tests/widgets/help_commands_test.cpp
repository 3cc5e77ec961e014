// Deshacer, Rehacer and Pista: the help for a stuck player, through the real menus and buttons.
#include <QAccessible>
#include <QMessageBox>
#include <QtTest>
#include <numeric>

#include "board/solver.h"
#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CellOf;
using lucen::testing::Choose;
using lucen::testing::DifferencesFrom;
using lucen::testing::RecordingShell;
using lucen::testing::StartedGame;

namespace {

// The cell that carries the hint mark, counted from 1; 0 when none does.
int MarkedCell(const Form1& form) {
  int marked = 0;
  for (CellButton* cell : form.centralWidget()->findChildren<CellButton*>()) {
    if (cell->IsHint()) {
      if (marked != 0) return -1;  // two marks
      marked = cell->objectName().mid(QStringLiteral("Command1_").size()).toInt();
    }
  }
  return marked;
}

}  // namespace

class HelpCommandsTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;
  int messages = 0;  // modal messages seen (and closed)
  QString lastMessage;
  QTimer closer;

  CellButton* Cell(int number) const { return CellOf(*form, number); }
  QAction* Item(const char* name) const { return form->findChild<QAction*>(name); }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form->windowHandle(), key, modifiers);
  }

 private slots:
  void initTestCase() {
    // Every modal window is closed as soon as it is up; the messages among them are read.
    connect(&closer, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible()) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ++messages;
        lastMessage = box->text();
      }
      modal->close();
    });
  }
  void init() {
    closer.stop();  // start-up closes its own about window
    form = StartedGame(shell);
    closer.start(0);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    messages = 0;
  }
  void cleanup() { form.reset(); }

  void followingHintsWinsInTheFewestPresses_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("colours");
    for (int size = 5; size <= 9; ++size) {
      for (int colours = 2; colours <= 4; ++colours) {
        if (size == 8 && colours == 3) continue;  // never solvable
        QTest::addRow("%dx%d, %d colours", size, size, colours) << size << colours;
      }
    }
  }
  void followingHintsWinsInTheFewestPresses() {
    QFETCH(int, size);
    QFETCH(int, colours);
    Choose(*form, QStringLiteral("MnuTam_%1").arg(size - 5));
    Choose(*form, QStringLiteral("MnuC_%1").arg(colours - 2));
    const auto fewest = FewestPresses(size, colours, form->GameBoard().Steps());
    QVERIFY(fewest);
    const int expected = std::accumulate(fewest->begin(), fewest->end(), 0);

    int presses = 0;
    while (messages == 0 && presses <= expected) {
      Press(Qt::Key_H, Qt::ControlModifier);
      const int hint = MarkedCell(*form);
      QVERIFY2(hint > 0, "no hint");
      QCOMPARE(QApplication::focusWidget(), Cell(hint));
      Press(Qt::Key_Space);  // plays the focused cell
      ++presses;
      QCoreApplication::processEvents();
    }
    QCOMPARE(messages, 1);
    QCOMPARE(lastMessage, QStringLiteral("Lo lograste!!"));
    QCOMPARE(presses, expected);
    QCOMPARE(DifferencesFrom(*form, Board(size, colours)), QString());
  }

  void theUnsolvableBoardIsSaidSoAndLeftAlone() {
    Choose(*form, "MnuTam_3");
    Choose(*form, "MnuC_1");
    Cell(10)->click();
    Item("MnuPista")->trigger();
    Item("MnuPista")->trigger();
    QCOMPARE(messages, 2);
    QVERIFY(lastMessage.contains(QStringLiteral("Prueba otro tamaño")));
    QCOMPARE(MarkedCell(*form), 0);
    QCOMPARE(form->GameBoard().History(), std::vector<std::string>{"10"});
  }

  void theMarkShowsOnEveryColourAndGoesAtTheNextMoveOrCommand() {
    Choose(*form, "MnuC_2");
    for (int round = 0; round < 4; ++round) {
      Item("MnuPista")->trigger();
      const int hint = MarkedCell(*form);
      QVERIFY(hint > 0);
      QVERIFY(Cell(hint)->accessibleDescription().contains(QStringLiteral("pista")));
      // Black and white both show on the mark, whatever the cell's colour.
      const QImage face = Cell(hint)->grab().toImage();
      bool black = false, white = false;
      for (int x = 0; x < face.width(); ++x) {
        const QColor pixel = face.pixelColor(x, face.height() / 2);
        black = black || pixel == lucen::testing::Painted(kBlack);
        white = white || pixel == QColor(255, 255, 255);
      }
      QVERIFY2(black && white, qPrintable(Cell(hint)->Colour().name()));
      Cell(hint == 1 ? 2 : 1)->click();  // any move takes the mark away
      QCOMPARE(MarkedCell(*form), 0);
      QVERIFY(!Cell(hint)->accessibleDescription().contains(QStringLiteral("pista")));
    }
    Cell(3)->click();  // something to undo
    for (const char* command : {"MnuDeshacer", "MnuReset", "MnuTam_1", "MnuC_0", "MnuInfo"}) {
      for (int i = 0; i < 3; ++i) Item("MnuPista")->trigger();  // pressed again and again: one
      QCOMPARE(MarkedCell(*form) > 0, true);
      Item(command)->trigger();
      QCOMPARE(MarkedCell(*form), 0);
    }
  }

  void aModalWindowBlocksTheShortcuts() {
    Cell(7)->click();
    closer.stop();
    lucen::testing::WhenModalOpens([this](QWidget* about) {
      for (Qt::Key key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_H}) Press(key, Qt::ControlModifier);
      about->close();
    });
    Item("MnuInfo")->trigger();
    closer.start(0);
    QCOMPARE(DifferencesFrom(*form, lucen::testing::After(5, 2, {7})), QString());
    QCOMPARE(MarkedCell(*form), 0);
    QCOMPARE(form->GameBoard().History(), std::vector<std::string>{"7"});
  }

  void undoAndRedoRestoreTheBoardAndTheHistory() {
    Choose(*form, "MnuC_1");
    QVERIFY(!Item("MnuDeshacer")->isEnabled());
    Press(Qt::Key_Z, Qt::ControlModifier);  // nothing to undo: nothing happens
    QCOMPARE(DifferencesFrom(*form, Board(5, 3)), QString());

    for (int cell : {1, 2, 2, 7}) Cell(cell)->click();
    Board expected = lucen::testing::After(5, 3, {1, 2, 2, 7});
    QVERIFY(Item("MnuDeshacer")->isEnabled() && !Item("MnuRehacer")->isEnabled());
    for (int i = 0; i < 3; ++i) {
      Press(Qt::Key_Z, Qt::ControlModifier);
      expected.Undo();
    }
    QCOMPARE(DifferencesFrom(*form, expected), QString());
    QCOMPARE(form->GameBoard().History(), std::vector<std::string>{"1"});
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_Y, Qt::ControlModifier);
    expected.Redo();
    expected.Redo();
    QCOMPARE(DifferencesFrom(*form, expected), QString());
    QCOMPARE(form->GameBoard().History(), expected.History());
    QVERIFY(Item("MnuRehacer")->isEnabled());

    Cell(25)->click();  // a new move: nothing left to redo
    QVERIFY(!Item("MnuRehacer")->isEnabled());
    Choose(*form, "MnuTam_0");  // undo reaches no further back than a size choice
    QVERIFY(!Item("MnuDeshacer")->isEnabled());
    QCOMPARE(messages, 0);
  }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
