// In-process benchmarks of the main window on Qt's offscreen platform: the real Form1, built and
// loaded as at start-up (the about window closed as soon as it opens), then
//   - a size change to 9 x 9 (Juego > Tamaño > 9x9), alone and with the repaint that follows it;
//   - one move: a click on a cell button, through the window to the board's press (five
//     advances, the win check, the cells' repaint requests), alone and with the repaint that
//     follows it;
//   - a hint on a 9 x 9 board under four colours: Ctrl+H to the marked cell painted;
//   - installing the translations that start-up installs, for a Spanish and an English desktop.
// Run with repetitions and read the medians:
//   ui_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
// Anything that does not behave as the game should ends the run with status 1.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <random>

#include "main_window/cell_button.h"
#include "main_window/form1.h"
#include "main_window/translations.h"
#include "platform/desktop_shell.h"
#include "tests/widgets/support/modal_closer.h"

namespace {

using lucen::CellButton;
using lucen::Form1;

bool failed = false;

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

void Fail(benchmark::State& state, const char* what) {
  failed = true;
  state.SkipWithError(what);
}

// A desktop that opens nothing.
class NoShell final : public lucen::DesktopShell {
 public:
  bool Open(const QUrl& /*url*/) override { return true; }
};

// The main window as the player first sees it: loaded, about window closed, shown and painted.
struct LoadedWindow {
  NoShell shell;
  std::unique_ptr<Form1> form = std::make_unique<Form1>(shell);
  bool aboutClosed = false;

  LoadedWindow() {
    form->SetProgramEnd([] {});
    // The about window that start-up shows is closed as soon as it is up.
    const lucen::testing::ModalCloser closer;
    form->Form_Load();
    aboutClosed = closer.Closed() == 1;
    form->ShowCentred();
    QCoreApplication::processEvents();
  }
  bool Ready() const { return aboutClosed && form->isVisible(); }

  int Cells() const { return static_cast<int>(form->GameBoard().CellCount()); }
  // Number of cell buttons that exist (template excluded) and are shown.
  int ShownCellButtons() const {
    int shown = 0;
    for (const CellButton* cell : form->findChildren<CellButton*>()) {
      if (cell->isVisible() && cell->objectName() != QStringLiteral("Command1_0")) ++shown;
    }
    return shown;
  }
  // The size item the player picks from Juego > Tamaño: "5x5" is item 0, "9x9" item 4.
  QAction* SizeItem(int index) const {
    return form->findChild<QAction*>(QStringLiteral("MnuTam_%1").arg(index));
  }
};

// Whether the window now shows a fresh side x side board, with the size item marked.
bool ShowsFreshBoard(const LoadedWindow& window, int side, int item) {
  const Form1& form = *window.form;
  if (window.Cells() != side * side || window.ShownCellButtons() != side * side) return false;
  if (window.SizeItem(item) == nullptr || !window.SizeItem(item)->isChecked()) return false;
  return form.GameBoard().Size() == side && form.GameBoard().History().empty();
}

// (a) Juego > Tamaño > 9x9 from a 5 x 5 board: tear down 25 cells, build and show 81.
void BM_SizeChangeTo9x9(benchmark::State& state) {
  LoadedWindow window;
  if (!window.Ready()) return Fail(state, "the window did not load");
  const bool painted = state.range(0) != 0;
  std::int64_t paintsWhileTimed = 0;
  PaintCounter counter;
  for (auto _ : state) {
    state.PauseTiming();
    window.SizeItem(0)->trigger();
    QCoreApplication::processEvents();  // the 5 x 5 board painted, old cells deleted
    const std::int64_t before = counter.paints;
    state.ResumeTiming();

    window.SizeItem(4)->trigger();
    if (painted) QCoreApplication::processEvents();
    paintsWhileTimed += counter.paints - before;
  }
  // Painting the new board paints its 81 cells.
  if (painted && paintsWhileTimed < 81 * state.iterations())
    Fail(state, "the board was not painted");
  if (!ShowsFreshBoard(window, 9, 4)) Fail(state, "the window does not show a fresh 9 x 9 board");
}
BENCHMARK(BM_SizeChangeTo9x9)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (b) One move: a click on the centre cell of a side x side board. With 2 colours the same
// click takes the plus to light green and back, so the game is never won; the history is
// emptied (untimed) now and then so that it stays the length of a real game.
void BM_Move(benchmark::State& state) {
  const auto side = static_cast<int>(state.range(0));
  const bool painted = state.range(1) != 0;
  LoadedWindow window;
  if (!window.Ready()) return Fail(state, "the window did not load");
  window.SizeItem(side - 5)->trigger();
  QCoreApplication::processEvents();
  if (!ShowsFreshBoard(window, side, side - 5)) return Fail(state, "no fresh board to play on");

  const int centre = side * side / 2 + 1;
  const auto cellButton = [&](int number) {
    return window.form->findChild<CellButton*>(QStringLiteral("Command1_%1").arg(number));
  };
  CellButton* cell = cellButton(centre);
  std::size_t moves = 0;
  std::int64_t paintsWhileTimed = 0;
  PaintCounter counter;
  for (auto _ : state) {
    state.PauseTiming();
    if (++moves % 200 == 0) window.form->findChild<QAction*>(QStringLiteral("MnuReset"))->trigger();
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
    const lucen::Rgb colour = board.Colour(static_cast<std::size_t>(i - 1));
    if (cellButton(i)->Colour() != QColor(colour.red, colour.green, colour.blue)) {
      return Fail(state, "a cell button does not show the board's colour");
    }
  }
}
BENCHMARK(BM_Move)
    ->ArgNames({"side", "painted"})
    ->Args({5, 0})
    ->Args({9, 0})
    ->Args({9, 1})
    ->Unit(benchmark::kMicrosecond);

// (c) A hint on a 9 x 9 board under four colours, from a position a player can reach: the
// shortcut pressed, the solver asked, the cell marked and focused, and the board painted.
void BM_Hint(benchmark::State& state) {
  LoadedWindow window;
  if (!window.Ready()) return Fail(state, "the window did not load");
  window.form->findChild<QAction*>(QStringLiteral("MnuC_2"))->trigger();
  window.SizeItem(4)->trigger();
  window.form->activateWindow();
  std::mt19937 random(2026);
  for (int press = 0; press < 40; ++press) {
    window.form->findChild<CellButton*>(QStringLiteral("Command1_%1").arg(1 + random() % 81))
        ->click();
  }
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

}  // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // The game reads the player's choices at start-up: from a folder of the benchmark's own.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (failed) std::fputs("ui_bench: a benchmark did not behave as the game should\n", stderr);
  return failed ? 1 : 0;
}
