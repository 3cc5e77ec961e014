#include "progress/saved_game.h"

#include <algorithm>

#include "board/numbered_game.h"

namespace lucen {
namespace {

bool CellsOnBoard(const std::vector<std::size_t>& cells, std::size_t cellCount) {
  return std::all_of(cells.begin(), cells.end(),
                     [cellCount](std::size_t cell) { return cell < cellCount; });
}

// Whether `saved` can stand for a game in play, before anything is rebuilt from it.
bool InRange(const SavedGame& saved) {
  const GameInPlay& game = saved.game;
  if (!IsValid(game.id)) return false;
  if (game.daily && !IsValid(*game.daily)) return false;
  if (saved.undo.size() > kMaxSavedPresses ||
      saved.redo.size() > kMaxSavedPresses - saved.undo.size()) {
    return false;
  }
  // Every press still on the undo list was counted when it was made.
  if (game.pressesUsed < 0 || static_cast<std::size_t>(game.pressesUsed) < saved.undo.size()) {
    return false;
  }
  const auto cellCount = static_cast<std::size_t>(game.id.size * game.id.size);
  return CellsOnBoard(saved.undo, cellCount) && CellsOnBoard(saved.redo, cellCount);
}

}  // namespace

std::optional<SavedGame> Snapshot(const Board& board, const GameInPlay& game) {
  const auto undo = board.UndoList();
  const auto redo = board.RedoList();
  if (undo.size() + redo.size() > kMaxSavedPresses) return std::nullopt;
  return SavedGame{game, {undo.begin(), undo.end()}, {redo.begin(), redo.end()}};
}

std::optional<std::pair<Board, GameInPlay>> Rebuild(const SavedGame& saved) {
  if (!InRange(saved)) return std::nullopt;
  const GameId& id = saved.game.id;
  NumberedGame numbered = MakeGame(id);
  if (saved.game.fewest != numbered.fewest) return std::nullopt;

  Board board(id.size, id.colourCount);
  board.Start(std::move(numbered.start));
  for (const std::size_t cell : saved.undo) board.Press(cell);
  // The redo list is rebuilt by making its presses, the next to redo last, and taking them back:
  // the first one undone lands first on the list.
  for (auto cell = saved.redo.rbegin(); cell != saved.redo.rend(); ++cell) board.Press(*cell);
  for (std::size_t i = 0; i < saved.redo.size(); ++i) board.Undo();

  const auto undo = board.UndoList();
  const auto redo = board.RedoList();
  if (board.Solved() ||
      !std::equal(undo.begin(), undo.end(), saved.undo.begin(), saved.undo.end()) ||
      !std::equal(redo.begin(), redo.end(), saved.redo.begin(), saved.redo.end())) {
    return std::nullopt;
  }
  return std::pair{std::move(board), saved.game};
}

}  // namespace lucen
