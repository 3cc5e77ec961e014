// The main window: its design, menu tree, start-up and the five menu commands.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "about/form_quindral.h"
#include "platform/centring.h"
#include "tests/widgets/test_support.h"

using namespace lucen;
using lucen::testing::CellOf;
using lucen::testing::CentreColour;
using lucen::testing::Choose;
using lucen::testing::RecordingShell;
using lucen::testing::WhenModalOpens;

namespace {

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return captions;
}

QStringList Checked(const QMenu* menu) {
  QStringList checked;
  for (const QAction* action : menu->actions()) {
    if (action->isChecked()) checked << action->text();
  }
  return checked;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  std::unique_ptr<Form1> form;
  bool aboutOpenedBeforeWindow = false;

  QAction* Action(const QString& name) const { return form->findChild<QAction*>(name); }
  QMenu* Menu(const QString& name) const { return form->findChild<QMenu*>(name); }
  int CellCount() const { return form->findChildren<CellButton*>().size() - 1; }
  std::vector<std::string> History() const { return form->GameBoard().History(); }
  void Click(int index) { QTest::mouseClick(CellOf(*form, index), Qt::LeftButton); }
  bool AllBlack() const {
    const auto cells = form->findChildren<CellButton*>();
    return std::all_of(cells.begin(), cells.end(), [](CellButton* cell) {
      return CentreColour(cell) == lucen::testing::Painted(kBlack);
    });
  }

 private slots:
  void init() {
    shell.opened.clear();
    form = std::make_unique<Form1>(shell);
    aboutOpenedBeforeWindow = false;
    WhenModalOpens([this](QWidget* modal) {
      aboutOpenedBeforeWindow =
          qobject_cast<FormQuindral*>(modal) != nullptr && !form->isVisible() && modal->isVisible();
      modal->close();
    });
    form->Form_Load();
    form->ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void startsWithTheAboutWindowAloneThenAFreshBoard() {
    QVERIFY(aboutOpenedBeforeWindow);
    QCOMPARE(CellCount(), 25);
    QVERIFY(AllBlack());
    QVERIFY(History().empty());
    QCOMPARE(form->GameBoard().Size(), 5);
    QCOMPARE(form->GameBoard().ColourCount(), 2);
    // Its first place is the middle of its screen, within the few pixels of a border that the
    // desktop adds once the window is up.
    const QPoint offCentre =
        form->frameGeometry().center() - form->screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
  }

  void theWindowHasItsFixedDesign() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Lucen 2.0"));
    QCOMPARE(form->centralWidget()->size(), QSize(268, 267));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->windowIcon().availableSizes().value(0), QSize(32, 32));
  }

  void theMenuTreeIsExactlyAsDesigned() {
    QStringList bar;
    for (const QAction* action : form->menuBar()->actions()) bar << action->text();
    QCOMPARE(bar, (QStringList{"Juego", "Ayuda"}));
    QCOMPARE(Captions(Menu("MnuGame")),
             (QStringList{"Reset", "-", "Tamaño", "Colores", "-", "Deshacer", "Rehacer", "Pista",
                          "-", "Símbolos"}));
    QCOMPARE(Captions(Menu("MnuT")), (QStringList{"5x5", "6x6", "7x7", "8x8", "9x9"}));
    QCOMPARE(Captions(Menu("MnuColor")), (QStringList{"2", "3", "4"}));
    QCOMPARE(Captions(Menu("MnuHelpp")), (QStringList{"Como Jugar", "Acerca de..."}));
    QCOMPARE(Checked(Menu("MnuT")), QStringList{"5x5"});
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"2"});
    for (int i = 0; i <= 4; ++i)
      QCOMPARE(Action(QStringLiteral("MnuTam_%1").arg(i))->data(), i + 5);
    for (int i = 0; i <= 2; ++i) QCOMPARE(Action(QStringLiteral("MnuC_%1").arg(i))->data(), i + 2);
    for (const char* name : {"MnuReset", "sep1", "MQuien", "MnuInfo"}) QVERIFY(Action(name));
    for (QAction* action : form->findChildren<QAction*>()) {
      QVERIFY2(!action->text().contains('&'), qPrintable(action->text()));
      if (!action->objectName().startsWith("MnuDeshacer") &&
          !action->objectName().startsWith("MnuRehacer") &&
          !action->objectName().startsWith("MnuPista")) {
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
      }
    }
    // The help for a stuck player, with the usual keys.
    QVERIFY(Action("MnuDeshacer")->shortcuts().contains(QKeySequence("Ctrl+Z")));
    QVERIFY(Action("MnuRehacer")->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    QVERIFY(Action("MnuRehacer")->shortcuts().contains(QKeySequence("Ctrl+Y")));
    QCOMPARE(Action("MnuPista")->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+H")});
    QVERIFY(!Action("MnuDeshacer")->isEnabled() && !Action("MnuRehacer")->isEnabled());
  }

  void aSizeChoiceInMidGameKeepsHistoryAndColours() {
    Action("MnuC_1")->trigger();  // three colours
    Click(13);
    Click(1);
    Action("MnuTam_2")->trigger();
    QCOMPARE(CellCount(), 49);
    QVERIFY(AllBlack());
    QCOMPARE(Checked(Menu("MnuT")), QStringList{"7x7"});
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"3"});
    QCOMPARE(form->GameBoard().ColourCount(), 3);
    QCOMPARE(History(), (std::vector<std::string>{"13", "1"}));

    Click(25);
    Action("MnuTam_2")->trigger();  // the size in force: rebuilt all the same
    QCOMPARE(CellCount(), 49);
    QVERIFY(AllBlack());
    QCOMPARE(Checked(Menu("MnuT")), QStringList{"7x7"});
    QCOMPARE(History(), (std::vector<std::string>{"13", "1", "25"}));
  }

  void aColourChoiceResetsTheBoard() {
    Click(7);
    Click(8);
    Action("MnuC_1")->trigger();
    QCOMPARE(form->GameBoard().ColourCount(), 3);
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"3"});
    QVERIFY(AllBlack());
    QVERIFY(History().empty());

    Click(7);
    Action("MnuC_1")->trigger();  // the count in force resets too
    QVERIFY(AllBlack());
    QVERIFY(History().empty());
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"3"});

    Action("MnuC_2")->trigger();
    Click(13);
    QCOMPARE(CentreColour(form->findChild<CellButton*>("Command1_13")),
             lucen::testing::Painted(kYellow));
  }

  void resetBlackensAndEmptiesTheHistory() {
    Click(12);
    Action("MnuReset")->trigger();
    QVERIFY(AllBlack());
    QVERIFY(History().empty());
    QCOMPARE(CellCount(), 25);
  }

  void aSizeChoiceCentresTheWindowOnTheFixedArea() {
    // 4200 x 4800 twips go to (3900, 2100) on the 12000 x 9000 twips area.
    QCOMPARE(CentredTopLeft(QSize(280, 320), QRect(0, 0, 800, 600)), QPoint(260, 140));

    form->move(3, 5);
    Action("MnuTam_4")->trigger();
    const QRect outer = form->frameGeometry();
    // 800 x 600 pixels is the 12000 x 9000 twips area.
    QVERIFY(qAbs(outer.left() - (800 - outer.width()) / 2.0) <= 0.5);
    QVERIFY(qAbs(outer.top() - (600 - outer.height()) / 2.0) <= 0.5);
  }

  void howToPlayAsksTheShellForThePageBesideTheProgram() {
    Action("MQuien")->trigger();
    QCOMPARE(shell.opened,
             QVector<QUrl>{QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/Instrucciones.htm"))});
    QCOMPARE(CellCount(), 25);
  }

  void aboutInMidGameLeavesTheGameAsItWas() {
    Click(13);
    bool sawAbout = false;
    WhenModalOpens([&](QWidget* modal) {
      sawAbout = qobject_cast<FormQuindral*>(modal) != nullptr;
      modal->close();
    });
    Action("MnuInfo")->trigger();
    QVERIFY(sawAbout);
    QCOMPARE(History(), std::vector<std::string>{"13"});
    QCOMPARE(CentreColour(form->findChild<CellButton*>("Command1_8")),
             lucen::testing::Painted(kLightGreen));
  }

  void closingTheWindowEndsTheProgram() {
    int ends = 0;
    form->SetProgramEnd([&] { ++ends; });
    Click(13);
    QVERIFY(form->close());
    QCOMPARE(ends, 1);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
