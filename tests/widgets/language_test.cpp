// The game in the desktop's language: run with LANG set to a Spanish, an English and the C
// locale, and LUCEN_TEST_LANGUAGE naming the language the player should then see.
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include "main_window/translations.h"
#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CellOf;
using lucen::testing::RecordingShell;
using lucen::testing::StartedGame;
using lucen::testing::WhenModalOpens;

class LanguageTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;
  bool english = false;

 private slots:
  void initTestCase() {
    english = qEnvironmentVariable("LUCEN_TEST_LANGUAGE") == QStringLiteral("en");
    InstallTranslations(*QCoreApplication::instance());
    form = StartedGame(shell);
  }
  void cleanupTestCase() { form.reset(); }

  void menusCellsAndTheInstructionsPage() {
    QStringList titles;
    for (const QAction* action : form->menuBar()->actions()) titles << action->text();
    const QStringList expected =
        english ? QStringList{"Game", "Help"} : QStringList{"Juego", "Ayuda"};
    QCOMPARE(titles, expected);
    QCOMPARE(CellOf(*form, 1)->accessibleName(),
             english ? QStringLiteral("Cell 1") : QStringLiteral("Celda 1"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Lucen 2.0"));
    form->findChild<QAction*>("MQuien")->trigger();
    QCOMPARE(shell.opened.value(0).fileName(),
             english ? QStringLiteral("Instructions.htm") : QStringLiteral("Instrucciones.htm"));
  }

  void theWinMessageAndItsButton() {
    QString text, button;
    WhenModalOpens([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      text = box->text();
      button = box->buttons().value(0)->text().remove(QLatin1Char('&'));
      box->close();
    });
    for (int cell : {2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21, 22})
      CellOf(*form, cell)->click();
    QCOMPARE(text, english ? QStringLiteral("You did it!!") : QStringLiteral("Lo lograste!!"));
    // Qt's own button in the player's language, from Debian's Qt translations.
    QCOMPARE(button, english ? QStringLiteral("OK") : QStringLiteral("Aceptar"));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
