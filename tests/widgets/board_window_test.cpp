// The board on the main window: real buttons, clicked as a player would.
#include <QMessageBox>
#include <QtTest>

#include "board_view/cell_button.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class BoardWindowTest : public GameWindowTest {
  Q_OBJECT

 private slots:
  void init() { StartGame(); }

  void aClickAdvancesItsPlusAndRecordsTheMove() {
    Click(13);
    QCOMPARE(DifferencesFrom(After(5, 2, {13})), QString());
    Click(1);
    QCOMPARE(DifferencesFrom(After(5, 2, {13, 1})), QString());
    QCOMPARE(History(), (std::vector<std::string>{"13", "1"}));

    Choose("MnuC_2");
    Choose("MnuTam_3");
    for (int cell : {1, 64, 30, 30}) Click(cell);
    QCOMPARE(DifferencesFrom(After(8, 4, {1, 64, 30, 30})), QString());
  }

  // With the animations on, a press changes the cells' state at once, for the game and for a screen
  // reader; only their painting follows, its first frame already on the way.
  void theAnimationsNeverDelayTheState() {
    Choose("MnuAnimaciones");
    QVERIFY(Item("MnuAnimaciones")->isChecked());
    Click(13);
    const Board expected = After(5, 2, {13});
    for (int cell = 1; cell <= 25; ++cell) {
      QCOMPARE(Cell(cell)->Colour(), Painted(expected.Colour(std::size_t(cell) - 1)));
    }
    QVERIFY(Cell(13)->accessibleDescription().contains("verde claro"));
    QVERIFY(CentreColour(Cell(13)) != Painted(kBlack));
    QTRY_COMPARE_WITH_TIMEOUT(DifferencesFrom(expected), QString(), 500);
    Choose("MnuAnimaciones");
  }

  void theWinMessageShowsOverAGreenBoardThatTakesNoClicks() {
    std::vector<int> solution = SolutionFromBlack(5, 2);
    QVERIFY(!solution.empty());
    const int last = solution.back();
    solution.pop_back();
    for (int cell : solution) Click(cell);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QList<QAbstractButton*> buttons;
    QMessageBox::StandardButton okButton = QMessageBox::NoButton;
    QVector<QColor> duringWin;
    bool closedByEnter = false;
    const ModalCloser closer([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return;
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      buttons = box->buttons();
      okButton = box->standardButton(buttons.value(0));
      Click(1);  // the message is modal: the board takes no click meanwhile
      for (int i = 1; i <= 25; ++i) duringWin.append(CentreColour(Cell(i)));
      QTest::keyClick(box, Qt::Key_Return);
      closedByEnter = !box->isVisible();
    });
    Click(last);

    QCOMPARE(closer.Closed(), 1);
    QVERIFY(closedByEnter);
    QCOMPARE(text, QStringLiteral("Lo lograste!!"));
    QCOMPARE(title, QStringLiteral("Lucen"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(okButton, QMessageBox::Ok);
    QCOMPARE(duringWin, QVector<QColor>(25, Painted(kLightGreen)));
    QCOMPARE(DifferencesFrom(Board(5, 2)), QString());
    QCOMPARE(History().size(), solution.size() + 1);
    QCOMPARE(History().back(), std::to_string(last));
  }

  void cellOneCoversTheTemplateAndLaterCellsAreInFront() {
    QWidget* client = form->centralWidget();
    CellButton* templateCell = Cell(0);
    QVERIFY(templateCell != nullptr);
    QCOMPARE(templateCell->geometry(), Cell(1)->geometry());
    QCOMPARE(client->childAt(templateCell->geometry().center()), Cell(1));
    // Stacking order is the order of the children list, back to front.
    const QObjectList children = client->children();
    QVERIFY(children.indexOf(templateCell) < children.indexOf(Cell(1)));
    for (int i = 1; i < 25; ++i) QVERIFY(children.indexOf(Cell(i)) < children.indexOf(Cell(i + 1)));
  }

  void cellsTileWithoutGapsAtEverySize() {
    for (int size = 5; size <= 9; ++size) {
      Choose(QStringLiteral("MnuTam_%1").arg(size - 5));
      QRegion covered;
      int area = 0;
      for (int i = 1; i <= size * size; ++i) {
        QVERIFY(Cell(i)->isVisible());
        covered += Cell(i)->geometry();
        area += Cell(i)->width() * Cell(i)->height();
      }
      // No overlaps (areas add up) and no gaps (one rectangle).
      QCOMPARE(covered.rectCount(), 1);
      QCOMPARE(area, covered.boundingRect().width() * covered.boundingRect().height());
      QCOMPARE(covered.boundingRect(), kBoardPixels);
      QCOMPARE(Cell(size * size + 1), nullptr);
      QCOMPARE(Cell(0)->size(), Cell(1)->size());
    }
  }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
