// The main window: its design, menu tree, start-up and the five menu commands.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTextBrowser>
#include <QtTest>

#include "board_view/cell_button.h"
#include "secondary_windows/about_window.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

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

// Notes the items of a menu drawn as radio items, one choice among several.
class RadioItemRecorder : public QProxyStyle {
 public:
  mutable QStringList radioItems;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item && item->checkType == QStyleOptionMenuItem::Exclusive) {
      radioItems << item->text;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

}  // namespace

class MainWindowTest : public GameWindowTest {
  Q_OBJECT

 private:
  bool aboutOpenedBeforeWindow = false;

  QMenu* Menu(const QString& name) const { return form->findChild<QMenu*>(name); }

 private slots:
  void init() {
    aboutOpenedBeforeWindow = false;
    StartGame([this](QWidget* modal) {
      aboutOpenedBeforeWindow =
          qobject_cast<AboutWindow*>(modal) != nullptr && !form->isVisible() && modal->isVisible();
    });
  }

  void startsWithTheAboutWindowAloneThenAFreshBoard() {
    QVERIFY(aboutOpenedBeforeWindow);
    QCOMPARE(DifferencesFrom(Board(5, 2)), QString());
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
    QCOMPARE(form->windowTitle(), MainWindowCaption());
    QCOMPARE(form->centralWidget()->size(), kClientAreaPixels);
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
    QCOMPARE(Captions(Menu("MnuGame")), (QStringList{"Reset",
                                                     "-",
                                                     "Tamaño",
                                                     "Colores",
                                                     "-",
                                                     "Partida nueva",
                                                     "Partida del día",
                                                     "Días anteriores...",
                                                     "Elegir partida...",
                                                     "Reiniciar partida",
                                                     "Récords",
                                                     "Dificultad",
                                                     "-",
                                                     "Deshacer",
                                                     "Rehacer",
                                                     "Pista",
                                                     "-",
                                                     "Símbolos",
                                                     "Animaciones",
                                                     "Ampliación"}));
    QCOMPARE(Captions(Menu("MnuDificultad")), (QStringList{"Fácil", "Normal", "Difícil"}));
    QCOMPARE(Captions(Menu("MnuAmpliacion")),
             (QStringList{"100%", "150%", "200%", "-", "Ampliar", "Reducir"}));
    QCOMPARE(Captions(Menu("MnuT")), (QStringList{"5x5", "6x6", "7x7", "8x8", "9x9"}));
    QCOMPARE(Captions(Menu("MnuColor")), (QStringList{"2", "3", "4"}));
    QCOMPARE(Captions(Menu("MnuHelpp")), (QStringList{"Como Jugar", "Acerca de..."}));
    QCOMPARE(Checked(Menu("MnuT")), QStringList{"5x5"});
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"2"});
    for (const char* name : {"MnuReset", "sep1", "MQuien", "MnuInfo"}) QVERIFY(Item(name));
    // Each choice of one among several is drawn as a radio item.
    for (const char* name : {"MnuT", "MnuColor", "MnuDificultad", "MnuAmpliacion"}) {
      RadioItemRecorder style;
      Menu(name)->setStyle(&style);
      Menu(name)->grab();
      Menu(name)->setStyle(nullptr);
      for (const QAction* action : Menu(name)->actions()) {
        if (action->isCheckable()) QVERIFY2(style.radioItems.contains(action->text()), name);
      }
    }
    for (QAction* action : form->findChildren<QAction*>()) {
      QVERIFY2(!action->text().contains('&'), qPrintable(action->text()));
      if (!QStringList{"MnuDeshacer", "MnuRehacer", "MnuPista", "MnuPartidaNueva", "MnuPartidaDia",
                       "MnuReiniciar", "MnuAmpliar", "MnuReducir"}
               .contains(action->objectName())) {
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
      }
    }
    // The help for a stuck player, with the usual keys.
    QVERIFY(Item("MnuDeshacer")->shortcuts().contains(QKeySequence("Ctrl+Z")));
    QVERIFY(Item("MnuRehacer")->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    QVERIFY(Item("MnuRehacer")->shortcuts().contains(QKeySequence("Ctrl+Y")));
    QCOMPARE(Item("MnuPista")->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+H")});
    QVERIFY(Item("MnuPartidaNueva")->shortcuts().contains(QKeySequence("Ctrl+N")));
    QVERIFY(Item("MnuAmpliar")->shortcuts().contains(QKeySequence("Ctrl++")));
    QVERIFY(Item("MnuReducir")->shortcuts().contains(QKeySequence("Ctrl+-")));
    QVERIFY(!Item("MnuDeshacer")->isEnabled() && !Item("MnuRehacer")->isEnabled());

    // Each size item makes a black board of the size its caption names, and each colour item
    // a board of its count.
    for (QAction* size : Menu("MnuT")->actions()) {
      size->trigger();
      const int side = size->text().section('x', 0, 0).toInt();
      QCOMPARE(form->GameBoard().Size(), side);
      QCOMPARE(DifferencesFrom(Board(side, 2)), QString());
    }
    for (QAction* colours : Menu("MnuColor")->actions()) {
      colours->trigger();
      QCOMPARE(form->GameBoard().ColourCount(), colours->text().toInt());
    }
  }

  // A size choice, a colour choice and Reset do to the window's board what they do to the model
  // (a choice of the size or the count in force too), and the check marks follow.
  void theSizeColourAndResetCommandsActAsOnTheModel() {
    Board model(5, 2);
    const auto step = [&](const char* item, const std::function<void()>& onModel, int cell) {
      Choose(item);
      onModel();
      QCOMPARE(DifferencesFrom(model), QString());
      Click(cell);
      model.Press(static_cast<std::size_t>(cell - 1));
      QCOMPARE(History(), model.History());
    };
    step(
        "MnuC_1", [&] { model.ChangeColourCount(3); }, 13);
    step(
        "MnuTam_2", [&] { model.Resize(7); }, 1);
    step(
        "MnuTam_2", [&] { model.Resize(7); }, 25);
    step(
        "MnuC_1", [&] { model.ChangeColourCount(3); }, 7);
    step(
        "MnuReset", [&] { model.Reset(); }, 12);
    QCOMPARE(DifferencesFrom(model), QString());
    QCOMPARE(Checked(Menu("MnuT")), QStringList{"7x7"});
    QCOMPARE(Checked(Menu("MnuColor")), QStringList{"3"});
  }

  // "Como Jugar" always answers: the desktop opens the page beside the program; when it cannot,
  // the game shows the page itself; a missing page is named in a message.
  void howToPlayAlwaysAnswers() {
    const QString page =
        QCoreApplication::applicationDirPath() + QStringLiteral("/Instrucciones.htm");
    Choose("MQuien");
    QCOMPARE(shell.opened, QVector<QUrl>{QUrl::fromLocalFile(page)});
    QVERIFY(!form->findChild<QDialog*>("Instrucciones"));

    shell.refuses = true;
    Choose("MQuien");
    auto* shown = form->findChild<QDialog*>("Instrucciones");
    QVERIFY(shown != nullptr && shown->isVisible());
    QVERIFY(shown->findChild<QTextBrowser*>()->toPlainText().contains("Partidas numeradas"));
    shown->close();

    QVERIFY(QFile::rename(page, page + ".aside"));
    Choose("MQuien");
    QVERIFY(QFile::rename(page + ".aside", page));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.front().contains(QDir::toNativeSeparators(page)));
    QCOMPARE(DifferencesFrom(Board(5, 2)), QString());
  }

  void aboutInMidGameLeavesTheGameAsItWas() {
    Click(13);
    bool sawAbout = false;
    const ModalCloser closer(
        [&](QWidget* modal) { sawAbout = qobject_cast<AboutWindow*>(modal) != nullptr; });
    Choose("MnuInfo");
    QCOMPARE(closer.Closed(), 1);
    QVERIFY(sawAbout);
    QCOMPARE(History(), std::vector<std::string>{"13"});
    QCOMPARE(DifferencesFrom(After(5, 2, {13})), QString());
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
