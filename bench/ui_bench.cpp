// In-process benchmarks of the main window on Qt's offscreen platform: the real MainWindow, built
// and loaded as at start-up (the about window closed as soon as it opens), then
//   - a size change to 9 x 9 (Juego > Tamaño > 9x9), alone and with the repaint that follows it;
//   - one move: a click on a cell button, through the window to the board's press (five
//     advances, the win check, the cells' repaint requests), alone and with the repaint that
//     follows it;
//   - a hint on a 9 x 9 board under four colours: Ctrl+H to the marked cell painted;
//   - installing the translations that start-up installs, for a Spanish and an English desktop;
//   - one move in a numbered game on 9 x 9 under four colours, which also keeps the game in play
//     for the next start (the writing itself is done off the window's thread);
//   - opening "Récords" with a year of games of the day in the records: the file read, the
//     window built and shown;
//   - "Ver solución" on a won game of 9 x 9 under four colours: from the click to the first cell
//     of the route marked and painted.
// Run with repetitions and read the medians:
//   ui_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
// Anything that does not behave as the game should ends the run with status 1.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTranslator>
#include <cstdio>
#include <random>

#include "board/hint.h"
#include "player_files/player_paths.h"
#include "player_files/records_file.h"
#include "program/translations.h"
#include "progress/daily_game.h"
#include "tests/widgets/support/game_window_test.h"

namespace {

using lucen::CellButton;
using lucen::MainWindow;

bool failed = false;

void Fail(benchmark::State& state, const char* what) {
  failed = true;
  state.SkipWithError(what);
}

// Counts the paint events that widgets receive, to tell that a "painted" run really painted.
class PaintCounter : public QObject {
 public:
  PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
  ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
  std::int64_t paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// The main window as the player first sees it: loaded, the about window closed as soon as it is
// up, shown and painted.
struct LoadedWindow {
  lucen::testing::RecordingShell shell;
  std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>(shell);
  bool ready = false;

  LoadedWindow() {
    form->SetProgramEnd([] {});
    const lucen::testing::ModalCloser closer;
    form->StartUp();
    form->ShowCentred();
    QCoreApplication::processEvents();
    ready = closer.Closed() == 1 && form->isVisible();
  }
  QAction* Item(const QString& name) const { return form->findChild<QAction*>(name); }
  // The size item the player picks from Juego > Tamaño.
  QAction* SizeItem(int side) const { return Item(QStringLiteral("MnuTam_%1").arg(side - 5)); }
  CellButton* Cell(int number) const {
    return form->findChild<CellButton*>(QStringLiteral("Command1_%1").arg(number));
  }
  // Whether the window shows a fresh side x side board, every cell shown, the size item marked.
  bool ShowsFreshBoard(int side) const {
    const lucen::Board& board = form->GameBoard();
    return board.Size() == side && board.History().empty() && SizeItem(side)->isChecked() &&
           Cell(side * side)->isVisible() && Cell(side * side + 1) == nullptr;
  }
};

// (a) Juego > Tamaño > 9x9 from a 5 x 5 board: tear down 25 cells, build and show 81.
void BM_SizeChangeTo9x9(benchmark::State& state) {
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  const bool painted = state.range(0) != 0;
  std::int64_t paintsWhileTimed = 0;
  PaintCounter counter;
  for (auto _ : state) {
    state.PauseTiming();
    window.SizeItem(5)->trigger();
    QCoreApplication::processEvents();  // the 5 x 5 board painted, old cells deleted
    const std::int64_t before = counter.paints;
    state.ResumeTiming();

    window.SizeItem(9)->trigger();
    if (painted) QCoreApplication::processEvents();
    paintsWhileTimed += counter.paints - before;
  }
  // Painting the new board paints its 81 cells.
  if (painted && paintsWhileTimed < 81 * state.iterations()) Fail(state, "no board painted");
  if (!window.ShowsFreshBoard(9)) Fail(state, "the window does not show a fresh 9 x 9 board");
}
BENCHMARK(BM_SizeChangeTo9x9)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (b) One move: a click on the centre cell of a side x side board, with the animations on or off
// (on, the first frame of the change is what is painted). With 2 colours the same
// click takes the plus to light green and back, so the game is never won; the history is
// emptied (untimed) now and then so that it stays the length of a real game.
void BM_Move(benchmark::State& state) {
  const auto side = static_cast<int>(state.range(0));
  const bool painted = state.range(1) != 0;
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  QAction* animations = window.Item(QStringLiteral("MnuAnimaciones"));
  if (animations->isChecked() != (state.range(2) != 0)) animations->trigger();
  window.SizeItem(side)->trigger();
  QCoreApplication::processEvents();
  if (!window.ShowsFreshBoard(side)) return Fail(state, "no fresh board to play on");

  const int centre = side * side / 2 + 1;
  CellButton* cell = window.Cell(centre);
  std::size_t moves = 0;
  std::int64_t paintsWhileTimed = 0;
  PaintCounter counter;
  for (auto _ : state) {
    state.PauseTiming();
    if (++moves % 200 == 0) window.Item(QStringLiteral("MnuReset"))->trigger();
    QCoreApplication::processEvents();  // the previous move painted
    const std::int64_t before = counter.paints;
    state.ResumeTiming();

    cell->click();
    if (painted) QCoreApplication::processEvents();
    paintsWhileTimed += counter.paints - before;
  }
  // A move repaints the five cells it changed.
  if (painted && paintsWhileTimed < 5 * state.iterations()) Fail(state, "the move was not painted");

  // The clicks reached the board, and the buttons show the board's colours.
  const lucen::Board& board = window.form->GameBoard();
  if (board.History().empty() || board.History().back() != std::to_string(centre)) {
    return Fail(state, "the clicks did not reach the board");
  }
  for (int i : {centre, centre - 1, centre + 1, centre - side, centre + side}) {
    if (window.Cell(i)->Colour() !=
        lucen::testing::Painted(board.Colour(static_cast<std::size_t>(i - 1)))) {
      return Fail(state, "a cell button does not show the board's colour");
    }
  }
}
BENCHMARK(BM_Move)
    ->ArgNames({"side", "painted", "animated"})
    ->Args({5, 0, 0})
    ->Args({9, 0, 0})
    ->Args({9, 1, 0})
    ->Args({9, 1, 1})
    ->Unit(benchmark::kMicrosecond);

// (c) A hint on a 9 x 9 board under four colours, from a position a player can reach: the
// shortcut pressed, the solver asked, the cell marked and focused, and the board painted.
void BM_Hint(benchmark::State& state) {
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  window.Item(QStringLiteral("MnuC_2"))->trigger();
  window.SizeItem(9)->trigger();
  window.form->activateWindow();
  std::mt19937 random(2026);
  for (int press = 0; press < 40; ++press)
    window.Cell(static_cast<int>(1 + random() % 81))->click();
  QCoreApplication::processEvents();
  PaintCounter counter;
  std::int64_t paintsWhileTimed = 0;
  for (auto _ : state) {
    const std::int64_t before = counter.paints;
    QTest::keyClick(window.form->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    QCoreApplication::processEvents();
    paintsWhileTimed += counter.paints - before;
  }
  const auto* marked = qobject_cast<CellButton*>(window.form->focusWidget());
  if (marked == nullptr || !marked->IsHint()) Fail(state, "no cell was marked");
  if (paintsWhileTimed < state.iterations()) Fail(state, "the mark was not painted");
}
BENCHMARK(BM_Hint)->Unit(benchmark::kMillisecond);

// (d) What start-up adds for the player's language: the translations installed on the
// application, for a desktop in the language given, then taken off again (untimed).
void BM_InstallTranslations(benchmark::State& state) {
  const QLocale desktop(state.range(0) == 0 ? QLocale::Spanish : QLocale::English);
  for (auto _ : state) {
    lucen::InstallTranslations(*QCoreApplication::instance(), desktop);
    state.PauseTiming();
    const auto installed = QCoreApplication::instance()->findChildren<QTranslator*>();
    if (installed.isEmpty()) Fail(state, "no translation was installed");
    for (QTranslator* translator : installed) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InstallTranslations)
    ->ArgName("english")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// (e) One move in a numbered game on 9 x 9 under four colours: as (b), and the game in play handed
// to the writer for the next start. The game is restarted (untimed) now and then, so that its
// undo list stays the length of a real game.
void BM_MoveInNumberedGame(benchmark::State& state) {
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  window.form->StartGame({9, 4, 123456});
  QCoreApplication::processEvents();
  CellButton* cell = window.Cell(41);
  std::size_t moves = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (++moves % 200 == 0) window.Item(QStringLiteral("MnuReiniciar"))->trigger();
    QCoreApplication::processEvents();
    state.ResumeTiming();

    cell->click();
  }
  if (!window.form->WaitForFiles(5000) || !QFileInfo(lucen::SavedGamePath()).isFile()) {
    Fail(state, "the game in play was not kept");
  }
}
BENCHMARK(BM_MoveInNumberedGame)->Unit(benchmark::kMicrosecond);

// (f) "Récords" opened with a year of games of the day played and won, as the window knows them
// from the file on disk: built and shown, then closed (the closing untimed as far as it can be).
void BM_OpenRecordsAfterAYear(benchmark::State& state) {
  {
    lucen::RecordsFile records;
    lucen::CalendarDate day{2026, 1, 1};
    for (int days = 0; days < 365; ++days, day = lucen::AddDays(day, 1)) {
      const lucen::GameId id = lucen::DailyGame(day);
      records.Record(lucen::RecordEvent::Start(id));
      records.Record(lucen::RecordEvent::Win({id, 20, 20 + days % 12, true, day}));
    }
    if (!records.WaitForWrites(10000)) return Fail(state, "the year of records was not written");
  }
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  // The records reach the window from the writer's thread, a moment after it is made.
  QElapsedTimer waited;
  waited.start();
  while (window.form->Session().KnownRecords().Played().Empty() && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
  QAction* open = window.Item(QStringLiteral("MnuRecords"));
  int boardsShown = 0;
  for (auto _ : state) {
    const lucen::testing::ModalCloser closer([&](QWidget* records) {
      state.PauseTiming();
      boardsShown = static_cast<int>(records->findChildren<QGroupBox*>().size());
    });
    open->trigger();
    state.ResumeTiming();
  }
  if (boardsShown != 7) Fail(state, "the records window did not show the week's seven boards");
}
BENCHMARK(BM_OpenRecordsAfterAYear)->Unit(benchmark::kMillisecond);

// (g) "Ver solución" after a win on 9 x 9 under four colours: the message closed, the game started
// again as practice, the route asked of the solver and its first cell marked and painted. The win
// before each run is not timed.
void BM_WatchSolution(benchmark::State& state) {
  LoadedWindow window;
  if (!window.ready) return Fail(state, "the window did not load");
  QElapsedTimer clock;
  bool marked = true;
  for (auto _ : state) {
    window.form->StartGame({9, 4, 424242});
    const lucen::Board& board = window.form->GameBoard();
    const std::vector<std::size_t> route = lucen::SolutionRoute(board);
    {
      const lucen::testing::ModalCloser closer([&](QWidget* message) {
        clock.start();
        message->findChild<QPushButton*>(QStringLiteral("VerSolucion"))->click();
      });
      for (const std::size_t cell : route) window.Cell(static_cast<int>(cell) + 1)->click();
    }
    QCoreApplication::processEvents();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    const auto* first = window.Cell(static_cast<int>(lucen::SolutionRoute(board).front()) + 1);
    marked = marked && first->IsHint();
    window.Item(QStringLiteral("MnuReset"))->trigger();  // stops the route
  }
  if (!marked) Fail(state, "the route's first cell was not marked");
}
BENCHMARK(BM_WatchSolution)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // The game reads the player's choices at start-up: from a folder of the benchmark's own.
  const lucen::testing::PrivateFolders folders;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (failed) std::fputs("ui_bench: a benchmark did not behave as the game should\n", stderr);
  return failed ? 1 : 0;
}
