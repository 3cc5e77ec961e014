// Windows and texts in their places: after a size choice the main window lies wholly on a small
// screen at any scale, and each English text of the about window fits the part of its label
// that shows. Run on Qt's offscreen platform at the scale that QT_SCALE_FACTOR gives.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTranslator>
#include <QtTest>

#include "desktop/centring.h"
#include "main_window/main_window.h"
#include "player_files/records_file.h"
#include "program/translations.h"
#include "secondary_windows/about_window.h"
#include "secondary_windows/records_window.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class FitTest : public lucen::testing::GameWindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
  }

  void aWindowGoesTheLeastWayOntoTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");  // on the screen (100, 50, 400 x 300)
    QTest::newRow("on it") << QRect(150, 100, 200, 150) << QPoint(150, 100);
    QTest::newRow("past the right and bottom") << QRect(400, 300, 200, 150) << QPoint(300, 200);
    QTest::newRow("before the left and top") << QRect(20, 10, 200, 150) << QPoint(100, 50);
    QTest::newRow("wider") << QRect(150, 100, 500, 150) << QPoint(100, 100);
    QTest::newRow("taller, below") << QRect(150, 400, 200, 301) << QPoint(150, 50);
  }
  void aWindowGoesTheLeastWayOntoTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(OnScreenTopLeft(frame, QRect(100, 50, 400, 300)), topLeft);
  }

  void aSizeChoiceKeepsTheWholeWindowOnTheScreen() {
    // 4200 x 4800 twips go to (3900, 2100) on the 12000 x 9000 twips area.
    QCOMPARE(CentredTopLeft(QSize(280, 320), QRect(0, 0, 800, 600)), QPoint(260, 140));
    form = std::make_unique<MainWindow>(shell);
    form->ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QRect screen = form->screen()->availableGeometry();
    const QRect area = TwipsToPixels({0, 0, 12000, 9000});
    bool moved = false;
    for (int choice = 0; choice < 5; ++choice) {
      form->move(3, 5);  // wherever the player left it
      Choose(QStringLiteral("MnuTam_%1").arg(choice));
      const QRect frame = form->frameGeometry();
      QVERIFY2(screen.contains(frame), qPrintable(QDebug::toString(frame)));
      // The middle of the area whenever the whole window fits there.
      const QRect centred(CentredTopLeft(frame.size(), area), frame.size());
      if (screen.contains(centred)) QCOMPARE(frame, centred);
      moved = moved || !screen.contains(centred);
    }
    QVERIFY(moved || screen.contains(area));  // a screen smaller than the area tests the move
  }

  // Each English caption within the part of its label that shows: inside the window, and left of
  // the link that covers the end of the "Email: " and "Web:" labels; the notice in Spanish too.
  void textsFitTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("coveredBy");
    QTest::addColumn<QLocale::Language>("language");
    for (const char* name : {"lblCreadoPor", "lblTexto", "lblClick"})
      QTest::newRow(name) << name << "" << QLocale::English;
    QTest::newRow("lblTexEmail") << "lblTexEmail"
                                 << "lblMail" << QLocale::English;
    QTest::newRow("lblTexWeb") << "lblTexWeb"
                               << "lblURL" << QLocale::English;
    QTest::newRow("lblTexto in Spanish") << "lblTexto"
                                         << "" << QLocale::Spanish;
  }
  void textsFitTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, coveredBy);
    QFETCH(QLocale::Language, language);
    SetLanguage(language);
    const QWidget mainWindow;
    const AboutWindow about(mainWindow, shell);
    const QLabel* label = about.findChild<QLabel*>(name);
    QRect place = label->geometry() & about.rect().adjusted(1, 1, -1, -1);  // inside the frame
    if (!coveredBy.isEmpty()) place.setRight(about.findChild<QLabel*>(coveredBy)->x() - 1);
    // Laid out as the label lays out plain text: in its contents, aligned and wrapped as it is.
    const QRect text = label->fontMetrics().boundingRect(
        label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
        label->text());
    SetLanguage(QLocale::English);
    QVERIFY2(place.translated(-label->pos()).contains(text), qPrintable(QDebug::toString(text)));
  }

  // The line under the board shows every word whole at every size and colour count, in each
  // language: a numbered game with many presses, the presses still to make told, in practice.
  void theGameLineFits_data() { theRecordsFitTheScreen_data(); }
  void theGameLineFits() {
    QFETCH(QLocale::Language, language);
    SetLanguage(language);
    StartGame();
    for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        form->StartGame({size, colours, kMaxGameNumber});
        for (int press = 0; press < 10; ++press) Click(size * size);
        Press(Qt::Key_H, Qt::ControlModifier);
        const auto* line = form->findChild<QLabel*>("LineaPartida");
        {
          const lucen::testing::ModalCloser seeHint([](QWidget* box) {
            qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
          });
          Press(Qt::Key_H, Qt::ControlModifier);
        }
        QTRY_VERIFY(line->isVisible());
        const QRect shown = line->contentsRect();
        const QRect needed = line->fontMetrics().boundingRect(
            shown, int(line->alignment()) | Qt::TextWordWrap, line->text());
        QVERIFY2(
            shown.contains(needed) && form->rect().contains(line->geometry().translated(
                                          line->parentWidget()->mapTo(form.get(), QPoint(0, 0)))),
            qPrintable(line->text()));
      }
    }
    SetLanguage(QLocale::English);
  }

  // "Ampliación" magnifies the board's square of 3615 twips, its cells tiling it whole, and offers
  // no zoom at which the window, the line under the board included, would leave the screen's free
  // area.
  void theZoomMagnifiesTheBoardWithinTheScreen() {
    StartGame();
    Choose("MnuTam_4");
    Choose("MnuPartidaNueva");
    const QRect screen = form->screen()->availableGeometry();
    const std::pair<int, QRect> squares[] = {
        {200, QRect(24, 24, 482, 482)}, {150, QRect(18, 18, 362, 362)}, {100, kBoardPixels}};
    int offered = 0;
    for (const auto& [zoom, square] : squares) {
      const QString name = QStringLiteral("MnuZoom_%1").arg(zoom);
      if (!Item(name)->isEnabled()) continue;
      ++offered;
      Choose(name);
      QVERIFY(Item(name)->isChecked());
      // The steps are offered only where they lead to another zoom.
      QCOMPARE(Item("MnuAmpliar")->isEnabled(),
               zoom < 200 && Item(QStringLiteral("MnuZoom_%1").arg(zoom + 50))->isEnabled());
      QCOMPARE(Item("MnuReducir")->isEnabled(), zoom > 100);
      QTRY_VERIFY2(screen.contains(form->frameGeometry()), qPrintable(name));
      QRegion covered;
      int area = 0;
      for (int i = 1; i <= 81; ++i) {
        covered += Cell(i)->geometry();
        area += Cell(i)->width() * Cell(i)->height();
      }
      QCOMPARE(covered.boundingRect(), square);
      QCOMPARE(area, square.width() * square.height());
    }
    // The offscreen screen at scale 2 is 400 x 300: only the design's own size fits it.
    if (screen.height() < 2 * kClientAreaPixels.height())
      QVERIFY(!Item("MnuZoom_200")->isEnabled());
    if (screen.height() < 300) QCOMPARE(offered, 1);
  }

  // The records of every board, with long numbers, in each language: the window lies on the
  // screen, and its boards fit its width with nothing to scroll sideways.
  void theRecordsFitTheScreen_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("English") << QLocale::English;
    QTest::newRow("Spanish") << QLocale::Spanish;
  }
  void theRecordsFitTheScreen() {
    QFETCH(QLocale::Language, language);
    SetLanguage(language);
    RecordsReading reading;
    for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        reading.records.At(size, colours) = {99999, 88888, 7, {12345, 2345, 345, 45678, 5, 12}, 1};
      }
    }
    reading.records.DailyStreak() = {365, 1000, CalendarDate{2026, 12, 9}};
    reading.someUnreadable = reading.cannotKeep = true;
    QWidget mainWindow;
    RecordsWindow window(&mainWindow, reading, CalendarDate{2026, 12, 9});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY2(window.frameGeometry().width() <= screen.width() &&
                 window.frameGeometry().height() <= screen.height(),
             qPrintable(QDebug::toString(window.frameGeometry())));
    const auto* boards = window.findChild<QScrollArea*>("TablerosJugados");
    QVERIFY2(boards->widget()->minimumSizeHint().width() <= boards->viewport()->width(),
             qPrintable(QDebug::toString(boards->widget()->minimumSizeHint())));
    SetLanguage(QLocale::English);
  }

 private:
  static void SetLanguage(QLocale::Language language) {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    InstallTranslations(*QCoreApplication::instance(), QLocale(language));
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
