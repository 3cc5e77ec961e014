// The records: only a numbered game's first play scores, and a scored game of the day counts
// towards the streak.
#include <gtest/gtest.h>

#include "progress/records.h"

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
      if (*step == 'h') game.scoring = false;
      if (*step == 'r') game.Restart();
      game.pressesUsed = *step == 'w' ? 10 : *step == 'x' ? 14 : *step == 'o' ? 310 : 0;
      if (game.pressesUsed > 0) records.Apply(RecordEvent::Win(game));
    }
    EXPECT_EQ(records.At(6, 3), record) << steps;
    EXPECT_EQ(records.DailyStreak().current, streak) << steps;
    EXPECT_EQ(records.At(6, 3).AverageResult(), average) << steps;
  }
}

}  // namespace
}  // namespace lucen
