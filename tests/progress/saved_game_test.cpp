// A saved game rebuilds the game in play exactly as it was left, and a damaged one is refused.
#include <gtest/gtest.h>

#include "progress/saved_game.h"

namespace lucen {
namespace {

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
    saved = Snapshot(board, game).value();
    const auto resumed = Rebuild(saved);
    ASSERT_EQ(resumed.has_value(), unsolved) << id.number;
    if (!resumed) continue;
    EXPECT_EQ(resumed->first.Steps(), board.Steps()) << id.number;
    EXPECT_EQ(Snapshot(resumed->first, resumed->second), saved) << "the same lists and game";
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
    EXPECT_FALSE(Rebuild(damaged)) << what;
  }
}

}  // namespace
}  // namespace lucen
