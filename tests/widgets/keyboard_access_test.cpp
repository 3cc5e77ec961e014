// Playing without a mouse, and what a screen reader is told.
#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "board_view/cell_button.h"
#include "secondary_windows/about_window.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

namespace {

QString Accessible(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(text) : QStringLiteral("<none>");
}

}  // namespace

class KeyboardAccessTest : public GameWindowTest {
  Q_OBJECT

 private:
  CellButton* Focused() const { return qobject_cast<CellButton*>(QApplication::focusWidget()); }

 private slots:
  void init() { StartGame(); }

  void arrowsWalkTheGridAndStopAtTheEdgesAndSpacePlays() {
    QCOMPARE(Focused(), Cell(1));
    Press(Qt::Key_Up);
    Press(Qt::Key_Left);
    QCOMPARE(Focused(), Cell(1));
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    QCOMPARE(Focused(), Cell(7));
    for (int i = 0; i < 6; ++i) Press(Qt::Key_Right);
    QCOMPARE(Focused(), Cell(10));  // no wrap into the next row
    for (int i = 0; i < 6; ++i) Press(Qt::Key_Down);
    QCOMPARE(Focused(), Cell(25));
    Press(Qt::Key_Space);
    QCOMPARE(History(), std::vector<std::string>{"25"});
    QCOMPARE(DifferencesFrom(After(5, 2, {25})), QString());  // the focused cell's colour too
    // A size change puts the focus on cell 1 of the new board.
    Choose("MnuTam_3");
    QCOMPARE(Focused(), Cell(1));
    Press(Qt::Key_Down);
    QCOMPARE(Focused(), Cell(9));
  }

  // The focus ring shows once the player uses the keyboard: not at the start, after a mouse
  // click or on a new board; after an arrow key, a Tab or a hint.
  void theFocusRingWaitsForTheKeyboard() {
    // The ring runs a few pixels inside the cell's edge, where the face shows only its colour.
    const auto ringed = [this] {
      const QImage face = Focused()->grab().toImage();
      const QColor fill = face.pixelColor(face.width() / 2, face.height() / 2);
      for (int y = face.height() / 4; y < face.height() * 3 / 4; ++y) {
        for (int x = 2; x < 7; ++x) {
          if (face.pixelColor(x, y) != fill) return true;
        }
      }
      return false;
    };
    QVERIFY(Focused() == Cell(1) && !ringed());
    Click(7);
    QVERIFY(Focused() == Cell(7) && !ringed());
    Press(Qt::Key_Right);
    QVERIFY(Focused() == Cell(8) && ringed());
    Click(19);
    QVERIFY(!ringed());
    Press(Qt::Key_Tab);
    QVERIFY(Focused() == Cell(20) && ringed());
    Choose("MnuTam_0");
    QVERIFY(Focused() == Cell(1) && !ringed());
    Choose("MnuPista");
    QVERIFY(Focused()->IsHint() && ringed());
  }

  void theTemplateNeverTakesTheFocus() {
    QCOMPARE(Cell(0)->focusPolicy(), Qt::NoFocus);
    for (int i = 0; i < 30; ++i) {
      Press(Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() != nullptr);
      QVERIFY(QApplication::focusWidget() != Cell(0));
    }
  }

  void cellsTellTheirNumberPlaceAndColour() {
    QCOMPARE(Accessible(Cell(13), QAccessible::Name), QStringLiteral("Celda 13"));
    QCOMPARE(Accessible(Cell(13), QAccessible::Description),
             QStringLiteral("fila 3, columna 3, negro"));
    Choose("MnuC_2");  // four colours
    Cell(13)->click();
    QCOMPARE(Accessible(Cell(13), QAccessible::Description),
             QStringLiteral("fila 3, columna 3, amarillo"));
    Cell(13)->click();
    QCOMPARE(Accessible(Cell(8), QAccessible::Description),
             QStringLiteral("fila 2, columna 3, rojo claro"));
    Cell(13)->click();
    QCOMPARE(Accessible(Cell(14), QAccessible::Description),
             QStringLiteral("fila 3, columna 4, verde claro"));
    Choose("MnuTam_4");
    QCOMPARE(Accessible(Cell(81), QAccessible::Name), QStringLiteral("Celda 81"));
    QCOMPARE(Accessible(Cell(81), QAccessible::Description),
             QStringLiteral("fila 9, columna 9, negro"));
  }

  void theWinMessageIsReadWithItsText() {
    QString spoken;
    const ModalCloser closer([&](QWidget* modal) {
      for (QLabel* label : modal->findChildren<QLabel*>()) {
        spoken += Accessible(label, QAccessible::Name);
      }
      spoken += "|" + Accessible(modal, QAccessible::Name);
    });
    for (int cell : SolutionFromBlack(5, 2)) Click(cell);
    QCOMPARE(closer.Closed(), 1);
    QVERIFY2(spoken.contains(QStringLiteral("Lo lograste!!")), qPrintable(spoken));
    QVERIFY2(spoken.contains(QStringLiteral("|Lucen")), qPrintable(spoken));
  }

  void theAboutWindowReadsItsTextsAndLinks() {
    AboutWindow about(*form, shell);
    about.show();
    auto* mail = about.findChild<QLabel*>("lblMail");
    auto* web = about.findChild<QLabel*>("lblURL");
    QCOMPARE(Accessible(mail, QAccessible::Name), mail->text());
    QCOMPARE(Accessible(web, QAccessible::Name), web->text());
    QVERIFY(Accessible(mail, QAccessible::Description).startsWith(QStringLiteral("Enlace")));
    QVERIFY(Accessible(web, QAccessible::Description).startsWith(QStringLiteral("Enlace")));
    QCOMPARE(Accessible(about.findChild<QLabel*>("lblTitulo"), QAccessible::Name),
             MainWindowCaption());
    QCOMPARE(Accessible(about.findChild<QLabel*>("lblTexto"), QAccessible::Name),
             about.findChild<QLabel*>("lblTexto")->text());
    QVERIFY(!Accessible(about.findChild<QLabel*>("imgLogo"), QAccessible::Name).isEmpty());
    QCOMPARE(Accessible(&about, QAccessible::Name), QStringLiteral("Acerca de"));
  }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
