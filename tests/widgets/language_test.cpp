// The game in the desktop's language: run with LANG set to a Spanish, an English and the C
// locale, and LUCEN_TEST_LANGUAGE naming the language the player should then see.
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include "board_view/cell_button.h"
#include "program/translations.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class LanguageTest : public GameWindowTest {
  Q_OBJECT

 private:
  bool english = false;

 private slots:
  void initTestCase() {
    english = qEnvironmentVariable("LUCEN_TEST_LANGUAGE") == QStringLiteral("en");
    InstallTranslations(*QCoreApplication::instance());
    StartGame();
  }

  void menusCellsAndTheInstructionsPage() {
    QStringList titles;
    for (const QAction* action : form->menuBar()->actions()) titles << action->text();
    const QStringList expected =
        english ? QStringList{"Game", "Help"} : QStringList{"Juego", "Ayuda"};
    QCOMPARE(titles, expected);
    QCOMPARE(Cell(1)->accessibleName(),
             english ? QStringLiteral("Cell 1") : QStringLiteral("Celda 1"));
    QCOMPARE(form->windowTitle(), MainWindowCaption());
    Choose("MQuien");
    QCOMPARE(shell.opened.value(0).fileName(),
             english ? QStringLiteral("Instructions.htm") : QStringLiteral("Instrucciones.htm"));
  }

  void theWinMessageAndItsButton() {
    QString text, button;
    const ModalCloser closer([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      text = box->text();
      button = box->buttons().value(0)->text().remove(QLatin1Char('&'));
    });
    for (int cell : SolutionFromBlack(5, 2)) Click(cell);
    QCOMPARE(closer.Closed(), 1);
    QCOMPARE(text, english ? QStringLiteral("You did it!!") : QStringLiteral("Lo lograste!!"));
    // Qt's own button in the player's language, from Debian's Qt translations.
    QCOMPARE(button, english ? QStringLiteral("OK") : QStringLiteral("Aceptar"));
  }

  // Counts in good grammar: one press, two presses.
  void countsInTheLanguage() {
    form->StartGame({5, 2, 1});
    const auto* line = form->findChild<QLabel*>("LineaPartida");
    Click(1);
    QVERIFY2(line->text().contains(english ? "1 press " : "1 pulsación "),
             qPrintable(line->text()));
    Click(1);
    QVERIFY2(line->text().contains(english ? "2 presses " : "2 pulsaciones "),
             qPrintable(line->text()));
    Choose("MnuReset");
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
