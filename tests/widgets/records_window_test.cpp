// The records window drawn from known records: the streak, the boards played and the chart's
// numbers, and what it says when nothing has been played.
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "player_files/records_file.h"
#include "program/translations.h"
#include "secondary_windows/records_window.h"
#include "secondary_windows/results_chart.h"

using namespace lucen;

class RecordsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Spanish));
  }

  void theChartAndTheStreakShowTheRecords() {
    const CalendarDate today{2028, 3, 1};
    RecordsReading reading;
    BoardRecord& board = reading.records.At(7, 3);
    board.played = 9;
    board.won = 7;
    board.best = 0;
    board.distribution = {1, 0, 2, 0, 0, 4};
    reading.records.DailyStreak() = {3, 1, AddDays(today, -1)};
    const RecordsWindow window(nullptr, reading, today);

    const auto boxes = window.findChildren<QGroupBox*>();
    QCOMPARE(boxes.size(), 1);  // only the board played
    QCOMPARE(boxes[0]->objectName(), QStringLiteral("Tablero_7x7-3"));
    const auto* chart = boxes[0]->findChild<ResultsChart*>();
    QCOMPARE(chart->Counts(),
             std::vector<int>(board.distribution.begin(), board.distribution.end()));
    QCOMPARE(chart->BarHeights(40), (std::vector<int>{10, 0, 20, 0, 0, 40}));
    QCOMPARE(chart->BarHeights(3), (std::vector<int>{1, 0, 1, 0, 0, 3}));  // a win never vanishes
    QCOMPARE(chart->accessibleDescription(),
             QStringLiteral("0: 1; 1: 0; 2: 2; 3–5: 0; 6–10: 0; más: 4"));
    QCOMPARE(window.findChild<QLabel*>("RachaActual")->text(),
             QStringLiteral("Racha actual: 3 días"));
    QCOMPARE(window.findChild<QLabel*>("MejorRacha")->text(), QStringLiteral("Mejor racha: 1 día"));
    QVERIFY(window.findChild<QLabel*>("NingunaJugada") == nullptr);
  }

  void nothingPlayedSaysHowToStart() {
    const RecordsWindow window(nullptr, RecordsReading{}, CalendarDate{2026, 12, 9});
    QVERIFY(window.findChildren<QGroupBox*>().isEmpty());
    QVERIFY(window.findChild<QLabel*>("NingunaJugada")->text().contains("«Partida del día»"));
    QCOMPARE(window.findChild<QLabel*>("RachaActual")->text(),
             QStringLiteral("Racha actual: 0 días"));
  }
};

QTEST_MAIN(RecordsWindowTest)
#include "records_window_test.moc"
