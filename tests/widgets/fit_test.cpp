// Windows and texts in their places: after a size choice the main window lies wholly on a small
// screen at any scale, each English text of the about window fits the part of its label that
// shows, and the English messages fit the room the Spanish ones take. Run on Qt's offscreen
// platform at the scale that QT_SCALE_FACTOR gives, on its 800 x 600 screen or on the
// 1280 x 1024 one of small_screen.json.
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include "about/form_quindral.h"
#include "main_window/form1.h"
#include "main_window/translations.h"
#include "platform/centring.h"
#include "platform/desktop_shell.h"
#include "platform/twips.h"

using namespace lucen;

class FitTest : public QObject {
  Q_OBJECT

  struct NoShell final : DesktopShell {
    void Open(const QUrl& /*url*/) override {}
  } shell;

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
    QVERIFY(QCoreApplication::translate("lucen::FormQuindral", "[click para cerrar]") !=
            QStringLiteral("[click para cerrar]"));
  }

  void aWindowGoesTheLeastWayOntoTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");  // on the screen (100, 50, 400 x 300)
    QTest::newRow("on it") << QRect(150, 100, 200, 150) << QPoint(150, 100);
    QTest::newRow("past the right and bottom") << QRect(400, 300, 200, 150) << QPoint(300, 200);
    QTest::newRow("before the left and top") << QRect(20, 10, 200, 150) << QPoint(100, 50);
    QTest::newRow("as large") << QRect(0, 0, 400, 300) << QPoint(100, 50);
    QTest::newRow("wider") << QRect(150, 100, 500, 150) << QPoint(100, 100);
    QTest::newRow("taller, below") << QRect(150, 400, 200, 301) << QPoint(150, 50);
  }
  void aWindowGoesTheLeastWayOntoTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(OnScreenTopLeft(frame, QRect(100, 50, 400, 300)), topLeft);
  }

  void aSizeChoiceKeepsTheWholeWindowOnTheScreen() {
    Form1 form(shell);
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    bool moved = false;
    for (int choice = 0; choice < 5; ++choice) {
      form.findChild<QAction*>(QStringLiteral("MnuTam_%1").arg(choice))->trigger();
      const QRect frame = form.frameGeometry();
      QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(frame.x())
                                                      .arg(frame.y())
                                                      .arg(frame.width())
                                                      .arg(frame.height())));
      // The middle of the 12000 x 9000 twips area whenever the whole window fits there.
      const QRect centred(CentredTopLeft(frame.size(), TwipsToPixels({0, 0, 12000, 9000})),
                          frame.size());
      if (screen.contains(centred)) QCOMPARE(frame.topLeft(), centred.topLeft());
      moved = moved || !screen.contains(centred);
    }
    // On a screen smaller than the area (all but the first run) the largest board needs moving.
    if (!screen.contains(TwipsToPixels({0, 0, 12000, 9000}))) QVERIFY(moved);
  }

  void englishTextsFitTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("shown");  // in twips: within the window, left of the links
    QTest::newRow("lblCreadoPor") << "lblCreadoPor" << QRectF(956, 480, 2295, 255);
    QTest::newRow("lblTexEmail") << "lblTexEmail" << QRectF(1080, 4365, 1605 - 1080, 255);
    QTest::newRow("lblTexWeb") << "lblTexWeb" << QRectF(1095, 4635, 1635 - 1095, 255);
    QTest::newRow("lblTexto") << "lblTexto" << QRectF(240, 4980, 4260 - 240, 1005);
    QTest::newRow("lblClick") << "lblClick" << QRectF(2805, 5955, 1320, 210);
  }
  void englishTextsFitTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRectF, shown);
    QWidget mainWindow;
    FormQuindral about(mainWindow, shell);
    const QLabel* label = about.findChild<QLabel*>(name);
    // Laid out as the label lays out plain text: in its contents, aligned and wrapped as it is.
    const QRect text = label->fontMetrics().boundingRect(
        label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
        label->text());
    const QRect place = TwipsToPixels(
        {float(shown.x()), float(shown.y()), float(shown.width()), float(shown.height())});
    QVERIFY2(place.translated(-label->pos()).contains(text),
             qPrintable(QStringLiteral("%1 needs %2 x %3 pixels")
                            .arg(label->text())
                            .arg(text.width())
                            .arg(text.height())));
  }

  // The win message and the hint's "no solution" need no more room in English than in Spanish.
  void englishMessagesFitTheSpanishPlaces_data() {
    QTest::addColumn<QString>("spanish");
    QTest::newRow("win") << QStringLiteral("Lo lograste!!");
    QTest::newRow("hint") << QStringLiteral(
        "Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro número "
        "de colores.");
  }
  void englishMessagesFitTheSpanishPlaces() {
    QFETCH(QString, spanish);
    const QString english = QCoreApplication::translate("lucen::Form1", qPrintable(spanish));
    QVERIFY(english != spanish);
    const auto textSize = [](QString text) {
      if (text.contains(QLatin1String("%1"))) text = text.arg(3);
      QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lucen"), text, QMessageBox::Ok);
      box.show();  // where the box sizes its text
      const QSize size = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->size();
      box.close();
      return size;
    };
    const QSize place = textSize(spanish), needed = textSize(english);
    QVERIFY2(needed.width() <= place.width() && needed.height() <= place.height(),
             qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(place.width())
                            .arg(place.height())));
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
