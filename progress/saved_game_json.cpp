#include "progress/saved_game_json.h"

#include <vector>

#include "board/board.h"

namespace lucen {
namespace {

std::optional<std::vector<std::size_t>> ReadCells(const Json* value) {
  if (!value || !value->is_array() || value->size() > kMaxSavedPresses) return std::nullopt;
  std::vector<std::size_t> cells;
  for (const Json& cell : *value) {
    const auto read = ReadWhole(cell, 0, Board::kMaxSize * Board::kMaxSize - 1);
    if (!read) return std::nullopt;
    cells.push_back(static_cast<std::size_t>(*read));
  }
  return cells;
}

}  // namespace

SavedGameDocument ReadSavedGameJson(std::string_view text) {
  SavedGameDocument read;
  std::optional<Json> root = ParseJsonObject(text);
  if (!root) return read;
  const Json* format = Field(*root, "format");
  const std::optional<GameInPlay> game = ReadGame(*root);
  auto undo = ReadCells(Field(*root, "undo"));
  auto redo = ReadCells(Field(*root, "redo"));
  if (!format || *format != kSavedGameFormat || !game || !undo || !redo) return read;
  SavedGame saved{*game, std::move(*undo), std::move(*redo)};
  if (!Rebuild(saved)) return read;
  read.saved = std::move(saved);
  read.root = std::move(*root);
  return read;
}

std::string WriteSavedGameJson(const SavedGame& saved, Json root) {
  if (!root.is_object()) root = Json::object();
  root["format"] = kSavedGameFormat;
  PutGame(saved.game, root);
  root["undo"] = saved.undo;
  root["redo"] = saved.redo;
  return JsonText(root);
}

}  // namespace lucen
