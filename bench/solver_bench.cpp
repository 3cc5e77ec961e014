// The solver on every board the game offers (5..9 cells a side, 2, 3 or 4 colours), each from one
// position a game can reach (all black, then every cell pressed a random number of times, with a
// fixed seed), and the making of numbered games and of games of a level on each. Run with
// repetitions and read the medians:
//   solver_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
// An answer that does not solve its board ends the run with status 1. From black, 8 x 8 in three
// colours can never be solved; that run times the answer "no solution" and says so in its label.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "board/board.h"
#include "board/numbered_game.h"
#include "board/solver.h"

namespace {

bool failed = false;

// Presses `cell` of `board` `times` times.
void Press(lucen::Board& board, int cell, int times) {
  for (int i = 0; i < times; ++i) board.Press(static_cast<std::size_t>(cell));
}

void BM_FewestPresses(benchmark::State& state) {
  const auto side = static_cast<int>(state.range(0));
  const auto colours = static_cast<int>(state.range(1));
  std::mt19937 random(static_cast<unsigned>(100 * side + colours));
  std::uniform_int_distribution<int> times(0, colours - 1);
  lucen::Board board(side, colours);
  for (int cell = 0; cell < side * side; ++cell) Press(board, cell, times(random));
  const std::vector<int> steps = board.Steps();

  for (auto _ : state) {
    auto presses = lucen::FewestPresses(side, colours, steps);
    benchmark::DoNotOptimize(presses);
  }

  const auto presses = lucen::FewestPresses(side, colours, steps);
  if (!presses) return state.SetLabel("no solution");
  for (int cell = 0; cell < side * side; ++cell) Press(board, cell, (*presses)[cell]);
  if (!board.Solved()) {
    failed = true;
    return state.SkipWithError("the answer does not solve the board");
  }
}
BENCHMARK(BM_FewestPresses)
    ->ArgNames({"side", "colours"})
    ->ArgsProduct({{5, 6, 7, 8, 9}, {2, 3, 4}})
    ->Unit(benchmark::kMicrosecond);

// Making a numbered game: drawing its start and checking its fewest presses with the solver,
// drawing again when they fall outside N..3N. Each iteration makes the next game number, so that
// the time includes the draws again as often as they happen.
void BM_MakeGame(benchmark::State& state) {
  const auto side = static_cast<int>(state.range(0));
  const auto colours = static_cast<int>(state.range(1));
  int number = 0;
  for (auto _ : state) {
    number = number % lucen::kMaxGameNumber + 1;
    auto game = lucen::MakeGame({side, colours, number});
    benchmark::DoNotOptimize(game);
  }
}
BENCHMARK(BM_MakeGame)
    ->ArgNames({"side", "colours"})
    ->ArgsProduct({{5, 6, 7, 8, 9}, {2, 3, 4}})
    ->Unit(benchmark::kMicrosecond);

// Making a game of a chosen level ("Partida nueva"): numbers drawn until one's fewest presses fall
// in the level's band, each made and solved. Each iteration draws from a new seed; the slowest one
// is reported as "worst_ms", since a player waits for each draw, not for their mean.
void BM_GameOfLevel(benchmark::State& state) {
  const auto side = static_cast<int>(state.range(0));
  const auto colours = static_cast<int>(state.range(1));
  const auto level = static_cast<lucen::Level>(state.range(2));
  const lucen::FewestBand band = lucen::BandOf(level, side);
  std::uint64_t seed = 0;
  double worst = 0;
  for (auto _ : state) {
    const auto started = std::chrono::steady_clock::now();
    const int number = lucen::NumberForLevel(side, colours, level, ++seed);
    const auto game = lucen::MakeGame({side, colours, number});
    worst = std::max(
        worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                   .count());
    if (game.fewest < band.least || game.fewest > band.most) {
      failed = true;
      return state.SkipWithError("a game outside its level's band");
    }
  }
  state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_GameOfLevel)
    ->ArgNames({"side", "colours", "level"})
    ->ArgsProduct({{5, 6, 7, 8, 9}, {2, 3, 4}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (failed) std::fputs("solver_bench: an answer did not solve its board\n", stderr);
  return failed ? 1 : 0;
}
