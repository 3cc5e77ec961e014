// The board on the main window: real buttons, clicked as a player would.
#include <QMessageBox>
#include <QtTest>

#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::After;
using lucen::testing::CellOf;
using lucen::testing::CentreColour;
using lucen::testing::Choose;
using lucen::testing::DifferencesFrom;
using lucen::testing::RecordingShell;
using lucen::testing::StartedGame;
using lucen::testing::WhenModalOpens;

class BoardWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;

  QWidget* Client() const { return form->centralWidget(); }
  CellButton* Cell(int number) const { return CellOf(*form, number); }
  // A click as the desktop sends it: to the window, at the cell's place.
  void Click(int number) {
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      Cell(number)->mapTo(form.get(), QPoint(5, 5)));
  }
  std::vector<std::string> History() const { return form->GameBoard().History(); }

 private slots:
  void init() {
    form = StartedGame(shell);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void aClickAdvancesItsPlusAndRecordsTheMove() {
    Click(13);
    QCOMPARE(DifferencesFrom(*form, After(5, 2, {13})), QString());
    Click(1);
    QCOMPARE(DifferencesFrom(*form, After(5, 2, {13, 1})), QString());
    QCOMPARE(History(), (std::vector<std::string>{"13", "1"}));

    Choose(*form, "MnuC_2");
    Choose(*form, "MnuTam_3");
    for (int cell : {1, 64, 30, 30}) Click(cell);
    QCOMPARE(DifferencesFrom(*form, After(8, 4, {1, 64, 30, 30})), QString());
  }

  void theWinMessageShowsOverAGreenBoardThatTakesNoClicks() {
    const QList<int> solution{2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21};
    for (int index : solution) Click(index);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QList<QAbstractButton*> buttons;
    QMessageBox::StandardButton okButton = QMessageBox::NoButton;
    QVector<QColor> duringWin;
    bool timedOut = false;
    WhenModalOpens(
        [&](QWidget* modal) {
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
        },
        &timedOut);
    Click(22);

    QVERIFY(!timedOut);
    QCOMPARE(text, QStringLiteral("Lo lograste!!"));
    QCOMPARE(title, QStringLiteral("Lucen"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(okButton, QMessageBox::Ok);
    QCOMPARE(duringWin, QVector<QColor>(25, lucen::testing::Painted(kLightGreen)));
    QCOMPARE(DifferencesFrom(*form, Board(5, 2)), QString());
    QCOMPARE(History().size(), 15U);
    QCOMPARE(History().back(), "22");
  }

  void cellOneCoversTheTemplateAndLaterCellsAreInFront() {
    CellButton* templateCell = Cell(0);
    QVERIFY(templateCell != nullptr);
    QCOMPARE(templateCell->geometry(), Cell(1)->geometry());
    QCOMPARE(Client()->childAt(templateCell->geometry().center()), Cell(1));
    // Stacking order is the order of the children list, back to front.
    const QObjectList children = Client()->children();
    QVERIFY(children.indexOf(templateCell) < children.indexOf(Cell(1)));
    for (int i = 1; i < 25; ++i) QVERIFY(children.indexOf(Cell(i)) < children.indexOf(Cell(i + 1)));
  }

  void cellsTileWithoutGapsAtEverySize() {
    for (int size = 5; size <= 9; ++size) {
      Choose(*form, QStringLiteral("MnuTam_%1").arg(size - 5));
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
      QCOMPARE(covered.boundingRect().topLeft(), QPoint(12, 12));
      QCOMPARE(Cell(size * size + 1), nullptr);
      QCOMPARE(Cell(0)->size(), Cell(1)->size());
    }
  }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
