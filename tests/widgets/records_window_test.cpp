// The records window drawn from records built by starts and wins: the streak, the boards played
// and the chart as drawn and as read, and what it says when nothing has been played.
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "player_files/records_file.h"
#include "program/translations.h"
#include "secondary_windows/records_window.h"
#include "secondary_windows/results_chart.h"

using namespace lucen;

namespace {

// The height of the bar drawn over each group of `chart`, in pixels of its highlight colour down
// the middle of the group's column.
std::vector<int> DrawnBars(ResultsChart& chart) {
  chart.resize(chart.sizeHint());
  const QImage image = chart.grab().toImage();
  const QColor bar = chart.palette().color(QPalette::Highlight);
  const int columns = static_cast<int>(kResultBuckets);
  std::vector<int> heights;
  for (int i = 0; i < columns; ++i) {
    int height = 0;
    for (int y = 0; y < image.height(); ++y) {
      height += image.pixelColor((2 * i + 1) * image.width() / (2 * columns), y) == bar;
    }
    heights.push_back(height);
  }
  return heights;
}

}  // namespace

class RecordsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Spanish));
  }

  void theChartAndTheStreakShowTheRecords() {
    const CalendarDate today{2028, 3, 1};
    RecordsReading reading;
    // Nine 7x7-3 games started, seven of them won: 0, 2, 2, 20, 30, 40 and 50 presses over the
    // fewest.
    const int over[] = {0, 2, 2, 20, 30, 40, 50};
    for (int number = 1; number <= 9; ++number) {
      GameInPlay game{{7, 3, number}, 20};
      game.scoring = reading.records.Apply(RecordEvent::Start(game.id));
      if (number > 7) continue;
      game.pressesUsed = game.fewest + over[number - 1];
      reading.records.Apply(RecordEvent::Win(game));
    }
    reading.records.DailyStreak() = {3, 1, AddDays(today, -1)};
    const auto& counts = reading.records.At(7, 3).distribution;
    const RecordsWindow window(nullptr, reading, today);

    const auto boxes = window.findChildren<QGroupBox*>();
    QCOMPARE(boxes.size(), 1);  // only the board played
    QCOMPARE(boxes[0]->objectName(), QStringLiteral("Tablero_7x7-3"));
    auto* chart = boxes[0]->findChild<ResultsChart*>();
    // The bars drawn, in the order of the groups: none over an empty group, and each as tall as
    // its count against the largest, to the pixel; however short the bars, a win never vanishes.
    // A screen reader reads the same counts.
    const std::vector<int> drawn = DrawnBars(*chart), short3 = chart->BarHeights(3);
    const auto most = std::max_element(counts.begin(), counts.end()) - counts.begin();
    QVERIFY(drawn[most] > 0);
    const QStringList groups{"0", "1", "2", "3–5", "6–10", "más"};
    QStringList spoken;
    for (std::size_t i = 0; i < kResultBuckets; ++i) {
      QCOMPARE(drawn[i] > 0, counts[i] > 0);
      QCOMPARE(short3[i] > 0, counts[i] > 0);
      QVERIFY2(std::abs(drawn[i] * counts[most] - counts[i] * drawn[most]) <= counts[most],
               qPrintable(QStringLiteral("group %1: %2 pixels").arg(i).arg(drawn[i])));
      spoken << groups[i] + ": " + QString::number(counts[i]);
    }
    QCOMPARE(chart->accessibleDescription(), spoken.join("; "));
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
