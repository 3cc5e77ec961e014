// A numbered game in play: only its first play scores, a scored game of the day counts towards
// the streak, and a save resumes the game exactly as it was left, while a damaged one is refused.
#include <gtest/gtest.h>

#include "board/records.h"
#include "board/saved_game.h"

namespace lucen {
namespace {

TEST(Records, OnlyTheFirstPlayWithoutHintOrRestartScores) {
  // s and S start the 6x6-3 games 1 and 2, each the game of 2026-03-02 taking 10 presses at the
  // fewest; h asks a hint, r restarts; w, x and o win in 10, 14 and 310 presses.
  const std::tuple<const char*, BoardRecord, int, std::optional<double>> cases[] = {
      {"ssw", {1}, 0, {}},  // a second start is practice
      {"shw", {1}, 0, {}},
      {"srw", {1}, 0, {}},
      {"sxSw", {2, 2, 0, {1, 0, 0, 1, 0, 0}, 4}, 1, 2.0},
      {"so", {1, 1, {}, {0, 0, 0, 0, 0, 1}, 300}, 1, 300.0},  // over the largest best kept
  };
  for (const auto& [steps, record, streak, average] : cases) {
    Records records;
    GameInPlay game;
    for (const char* step = steps; *step; ++step) {
      if (*step == 's' || *step == 'S') {
        game = {{6, 3, *step == 's' ? 1 : 2}, 10, 0, false, CalendarDate{2026, 3, 2}};
        game.scoring = records.Apply(RecordEvent::Start(game.id));
      }
      if (*step == 'h') game.AskHint();
      if (*step == 'r') game.Restart();
      game.pressesUsed = *step == 'w' ? 10 : *step == 'x' ? 14 : *step == 'o' ? 310 : 0;
      if (game.pressesUsed > 0) records.Apply(RecordEvent::Win(game));
    }
    EXPECT_EQ(records.At(6, 3), record) << steps;
    EXPECT_EQ(records.DailyStreak().current, streak) << steps;
    EXPECT_EQ(records.At(6, 3).AverageResult(), average) << steps;
  }
}

TEST(Streak, CountsDaysInARowAndShowsZeroOnceADayIsMissed) {
  // Days won, then the day shown, and the current, best and shown streaks.
  const std::tuple<std::vector<CalendarDate>, CalendarDate, int, int, int> cases[] = {
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 4}}, {2026, 3, 5}, 3, 3, 3},    // in a row
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 5}}, {2026, 3, 5}, 1, 2, 1},    // a gap
      {{{2026, 3, 2}, {2026, 3, 2}}, {2026, 3, 2}, 1, 1, 1},                  // the same day twice
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 1}}, {2026, 3, 1}, 2, 2, 2},    // a clock set back
      {{{2026, 12, 31}, {2027, 1, 1}}, {2027, 1, 1}, 2, 2, 2},                // a new year
      {{{2028, 2, 28}, {2028, 2, 29}, {2028, 3, 1}}, {2028, 3, 2}, 3, 3, 3},  // 29 February
      {{{2026, 3, 2}, {2026, 3, 3}}, {2026, 3, 5}, 2, 2, 0},                  // a day missed
      {{{2026, 3, 2}, {2027, 2, 29}}, {2026, 13, 1}, 1, 1, 0},                // no such day
  };
  for (const auto& [wins, today, current, best, shown] : cases) {
    Streak streak;
    for (const CalendarDate& day : wins) streak = CountWin(streak, day);
    EXPECT_EQ(std::tuple(streak.current, streak.best, CurrentAsOf(streak, today)),
              std::tuple(current, best, shown))
        << IsoDate(wins.front()) << " to " << IsoDate(today);
  }
}

TEST(SavedGame, ResumesExactlyAsLeftButNeverSolvedOrDamaged) {
  constexpr int kUndo = -1, kRedo = -2;
  // Each game with its cells pressed and undone or redone, and whether it is left unsolved.
  const std::tuple<GameId, std::vector<int>, bool> cases[] = {
      {{9, 4, 999999}, {80, 80, 80, 3, kUndo, 5, kUndo, kUndo}, true},
      {{5, 2, 1}, {7, 8, 10, 13, 15, 19, 23}, false},  // the solver's fewest presses
      {{7, 3, 123456}, {0, 48, 24, 10, kUndo, kUndo, kUndo, kRedo}, true},
  };
  SavedGame saved;
  for (const auto& [id, moves, unsolved] : cases) {
    Board board(id.size, id.colourCount);
    board.Start(MakeGame(id).start);
    GameInPlay game{id, MakeGame(id).fewest, 0, true, CalendarDate{2026, 3, 2}};
    for (const int move : moves) {
      if (move >= 0) board.Press(static_cast<std::size_t>(move));
      if (move == kUndo) board.Undo();
      if (move == kRedo) board.Redo();
      if (move != kUndo) game.CountPress();
    }
    saved = SaveGame(board, game).value();
    const auto resumed = ResumeGame(saved);
    ASSERT_EQ(resumed.has_value(), unsolved) << id.number;
    if (!resumed) continue;
    EXPECT_EQ(resumed->first.Steps(), board.Steps()) << id.number;
    EXPECT_EQ(SaveGame(resumed->first, resumed->second), saved) << "the same lists and game";
  }

  const std::pair<const char*, void (*)(SavedGame&)> damages[] = {
      {"bad id", [](SavedGame& s) { s.game.id.number = 0; }},
      {"cell off the board", [](SavedGame& s) { s.redo.push_back(49); }},
      {"presses below moves", [](SavedGame& s) { s.game.pressesUsed = 1; }},
      {"too long", [](SavedGame& s) { s.redo.resize(kMaxSavedPresses - 1, 0); }},
  };
  for (const auto& [what, damage] : damages) {
    SavedGame damaged = saved;
    damage(damaged);
    EXPECT_FALSE(ResumeGame(damaged)) << what;
  }
}

}  // namespace
}  // namespace lucen
