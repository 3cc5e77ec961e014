// The board on the main window: real buttons, clicked as a player would.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "main_window/cell_button.h"
#include "main_window/form1.h"
#include "platform/twips.h"
#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CellOf;
using lucen::testing::CentreColour;
using lucen::testing::HistoryOf;
using lucen::testing::RecordingShell;
using lucen::testing::StartedGame;
using lucen::testing::WhenModalOpens;

class BoardWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;

  QWidget* Client() const { return form->centralWidget(); }
  CellButton* Cell(int index) const { return CellOf(*form, index); }
  QStringList History() const { return HistoryOf(*form); }
  void Click(int index) { QTest::mouseClick(Cell(index), Qt::LeftButton); }

 private slots:
  void init() {
    form = StartedGame(shell);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void aClickAdvancesThePlusAndRecordsTheMove() {
    Click(13);
    for (int i = 1; i <= 25; ++i) {
      const bool inPlus = i == 13 || i == 8 || i == 18 || i == 12 || i == 14;
      QCOMPARE(CentreColour(Cell(i)), inPlus ? QColor(0, 255, 0) : QColor(0, 0, 0));
    }
    QCOMPARE(History(), QStringList{QStringLiteral("13")});
    Click(1);
    QCOMPARE(CentreColour(Cell(2)), QColor(0, 255, 0));
    QCOMPARE(CentreColour(Cell(6)), QColor(0, 255, 0));
    QCOMPARE(History(), (QStringList{QStringLiteral("13"), QStringLiteral("1")}));
  }

  void theWinMessageShowsOverAGreenBoardThenTheBoardIsBlack() {
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
    QCOMPARE(duringWin, QVector<QColor>(25, QColor(0, 255, 0)));
    for (int i = 1; i <= 25; ++i) QCOMPARE(CentreColour(Cell(i)), QColor(0, 0, 0));
    QCOMPARE(History().size(), 15);
    QCOMPARE(History().last(), QStringLiteral("22"));
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
      form->MnuTam_Click(static_cast<std::int16_t>(size - 5));
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
      QCOMPARE(GetTwipsRect(Cell(size * size)).left, GetTwipsRect(Cell(size)).left);
    }
  }

  void theHiddenControlsStayHidden() {
    for (int index : {13, 7, 7}) Click(index);
    form->MnuTam_Click(3);
    form->MnuReset_Click();
    QVERIFY(!form->findChild<HistoryList*>(QStringLiteral("List1"))->isVisible());
    QVERIFY(!form->findChild<QLabel*>(QStringLiteral("Label2"))->isVisible());
    QCOMPARE(GetTwipsRect(form->findChild<QLabel*>(QStringLiteral("Label2"))).width, 3615.0F);
  }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
