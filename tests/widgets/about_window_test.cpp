// The about window: how it closes, its links, hover underlines, and what it copies.
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "desktop/program_identity.h"
#include "desktop/twips.h"
#include "secondary_windows/about_window.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class AboutWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell;
  QWidget mainWindow;
  std::unique_ptr<AboutWindow> about;

  QLabel* Label(const char* name) const { return about->findChild<QLabel*>(name); }
  bool Underlined(const char* name) const { return Label(name)->font().underline(); }
  // A point inside a control and outside every other control's rectangle.
  QPoint Inside(const char* name, int dx = 2, int dy = 2) const {
    return Label(name)->geometry().topLeft() + QPoint(dx, dy);
  }
  // Events go to the window as the desktop would send them, so Qt routes them to whatever
  // control lies under the pointer.
  void ClickAt(QPoint where) {
    QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, where);
  }
  void MoveTo(QPoint where) { QTest::mouseMove(about->windowHandle(), where); }

 private slots:
  void initTestCase() {
    mainWindow.setWindowTitle(MainWindowCaption());
    mainWindow.setWindowIcon(QIcon(QStringLiteral(":/lucen/lucen.ico")));
  }

  void init() {
    shell.opened.clear();
    about = std::make_unique<AboutWindow>(mainWindow, shell);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
  }
  void cleanup() { about.reset(); }

  void eachCaptionHasItsPlaceInkAndFont_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    const QColor white(255, 255, 255), silver(192, 192, 192), blue(51, 153, 255);
    const QString dialog = QStringLiteral("MS Sans Serif"), arial = QStringLiteral("Arial");
    const auto row = [](const char* name, QRectF twips, QColor ink, QString family, qreal points) {
      QTest::newRow(name) << QString::fromLatin1(name) << twips << ink << family << points;
    };
    row("lblTitulo", {956, 180, 2955, 375}, white, QStringLiteral("Arial Black"), 12);
    row("lblCreadoPor", {956, 480, 2295, 255}, white, dialog, 8.25);
    row("lblTexEmail", {1080, 4365, 735, 255}, silver, dialog, 8.25);
    row("lblTexWeb", {1095, 4635, 615, 255}, silver, dialog, 8.25);
    row("lblTexto", {240, 4980, 4185, 1005}, silver, arial, 9);
    row("lblClick", {2805, 5955, 1320, 210}, QColor(255, 255, 192), dialog, 8.25);
    // The links keep their corner and size themselves to their text.
    row("lblMail", {1605, 4350, 0, 0}, blue, arial, 9.75);
    row("lblURL", {1635, 4605, 0, 0}, blue, arial, 9.75);
  }
  void eachCaptionHasItsPlaceInkAndFont() {
    QFETCH(QString, name);
    QFETCH(QRectF, twips);
    QFETCH(QColor, ink);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QLabel* label = Label(qPrintable(name));
    const QRect place =
        TwipsToPixels({static_cast<float>(twips.left()), static_cast<float>(twips.top()),
                       static_cast<float>(twips.width()), static_cast<float>(twips.height())});
    QCOMPARE(label->pos(), place.topLeft());
    QCOMPARE(label->size(), twips.width() > 0 ? place.size() : label->sizeHint());
    QCOMPARE(label->palette().color(QPalette::WindowText), ink);
    QCOMPARE(label->font().families().value(0), family);
    QCOMPARE(label->font().pointSizeF(), points);
    QVERIFY(!label->font().italic() && !label->font().strikeOut() && !label->font().underline());
  }

  void itIsLaidOutInTwipsAndCopiesTheMainWindow() {
    QCOMPARE(about->size(), kAboutWindowPixels);
    QCOMPARE(about->windowTitle(), QString());
    QVERIFY(!(about->windowFlags() & Qt::WindowTitleHint));
    QCOMPARE(Label("lblTitulo")->text(), MainWindowCaption());
    QCOMPARE(Label("imgIcono")->pixmap().size(), QSize(32, 32));
    QCOMPARE(Label("imgIcono")->pixmap().toImage(),
             mainWindow.windowIcon().pixmap(32, 32).toImage());
    QVERIFY(!about->windowIcon().isNull());
    QCOMPARE(Label("imgLogo")->geometry(), TwipsToPixels({405, 810, 3450, 3435}));
    QCOMPARE(Label("imgLogo")->pixmap().size(), Label("imgLogo")->size());
    QCOMPARE(Label("lblCreadoPor")->text(), QStringLiteral("Creado por Quindral-Software"));
    QCOMPARE(Label("lblTexEmail")->text(), QStringLiteral("Email: "));
    QCOMPARE(Label("lblTexWeb")->text(), QStringLiteral("Web:"));
    QCOMPARE(Label("lblClick")->text(), QStringLiteral("[click para cerrar]"));
    QCOMPARE(Label("lblClick")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    QVERIFY(Label("lblTexto")->text().contains(QStringLiteral("freeware")));
    QVERIFY(Label("lblTexto")->wordWrap());
    QVERIFY(!Label("lblMail")->text().contains(QLatin1Char(':')));
    QVERIFY(Label("lblMail")->text().contains(QLatin1Char('@')));
    QVERIFY(!Label("lblURL")->text().contains(QStringLiteral("://")));
  }

  void aClickOnTheBackgroundOrAnyCaptionCloses_data() {
    QTest::addColumn<QString>("target");
    for (const char* name : {"background", "frame", "imgIcono", "lblTitulo", "lblCreadoPor",
                             "imgLogo", "lblTexEmail", "lblTexWeb", "lblTexto", "lblClick"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
  }
  void aClickOnTheBackgroundOrAnyCaptionCloses() {
    QFETCH(QString, target);
    QPoint where;
    if (target == "background") {
      where = QPoint(10, 400);
    } else if (target == "frame") {
      where = QPoint(about->width() - 1, 200);  // the white line on the right edge
    } else {
      where = Inside(qPrintable(target));
    }
    QVERIFY(about->isVisible());
    ClickAt(where);
    QVERIFY(!about->isVisible());
    QVERIFY(shell.opened.isEmpty());
  }

  void keysThatTypeACharacterClose_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    for (int key : {Qt::Key_A, Qt::Key_7, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
      QTest::newRow(qPrintable(QKeySequence(key).toString())) << key << true;
    }
    for (int key : {Qt::Key_Shift, Qt::Key_Down, Qt::Key_F5}) {  // a modifier, an arrow, F5
      QTest::newRow(qPrintable(QKeySequence(key).toString())) << key << false;
    }
  }
  void keysThatTypeACharacterClose() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    QTest::keyClick(about->windowHandle(), Qt::Key(key));
    QCOMPARE(about->isVisible(), !closes);
  }

  void eachLinkClickAsksTheShellOnceAndStaysOpen() {
    ClickAt(Inside("lblMail", 40, 6));
    ClickAt(Inside("lblURL", 40, 6));
    ClickAt(Inside("lblURL", 40, 6));
    QVERIFY(about->isVisible());
    const QUrl mail(QStringLiteral("mailto:info@quindral.example"));
    const QUrl web(QStringLiteral("http://www.quindral.example"));
    QCOMPARE(shell.opened, (QVector<QUrl>{mail, web, web}));
  }

  void theUnderlineFollowsThePointerOverLinksAndTheBackgroundOnly() {
    QVERIFY(!Underlined("lblMail") && !Underlined("lblURL"));
    MoveTo(Inside("lblMail", 40, 6));
    QVERIFY(Underlined("lblMail") && !Underlined("lblURL"));
    MoveTo(Inside("lblURL", 40, 6));
    QVERIFY(!Underlined("lblMail") && Underlined("lblURL"));
    MoveTo(Inside("lblMail", 40, 6));
    // Captions take no pointer movement, so the underline stays until the background.
    MoveTo(Inside("lblTexEmail", 2, 4));
    QVERIFY(Underlined("lblMail"));
    MoveTo(Inside("imgLogo", 100, 100));
    QVERIFY(Underlined("lblMail"));
    MoveTo(QPoint(10, 400));
    QVERIFY(!Underlined("lblMail") && !Underlined("lblURL"));
  }

  void aSecondShowingStartsFresh() {
    about.reset();
    int showings = 0;
    bool underlinedAtSecond = true;
    QString titleAtSecond;
    bool centred = false;
    auto hoverOverTheLink = [&](QWidget* modal) {
      ++showings;
      // Within the few pixels of a border the desktop may add around it.
      const QPoint offCentre =
          modal->frameGeometry().center() - modal->screen()->availableGeometry().center();
      centred = offCentre.manhattanLength() <= 4;
      auto* link = modal->findChild<QLabel*>("lblMail");
      if (showings == 2) {
        underlinedAtSecond = link->font().underline();
        titleAtSecond = modal->findChild<QLabel*>("lblTitulo")->text();
      }
      QTest::mouseMove(modal->windowHandle(), link->geometry().center());
    };
    const ModalCloser closer(hoverOverTheLink);
    ShowAboutWindow(mainWindow, shell);
    ShowAboutWindow(mainWindow, shell);
    QCOMPARE(showings, 2);
    QVERIFY(centred);
    QVERIFY(!underlinedAtSecond);
    QCOMPARE(titleAtSecond, MainWindowCaption());
  }

  void theLogoIsABaselineJpegOfTheRightSize() {
    QImageReader reader(QStringLiteral(":/lucen/logo.jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(230, 229));
    QFile file(QStringLiteral(":/lucen/logo.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xFF\xD8\xFF\xE0"));
    QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
    QVERIFY(bytes.contains("\xFF\xC0"));   // baseline frame
    QVERIFY(!bytes.contains("\xFF\xC2"));  // not progressive
  }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
