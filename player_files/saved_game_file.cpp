#include "player_files/saved_game_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <climits>
#include <cmath>
#include <exception>
#include <mutex>

#include "board/game_code.h"
#include "player_files/background_writer.h"
#include "player_files/safe_file.h"

namespace lucen {

struct SavedGameFile::State {
  explicit State(QString file) : path(std::move(file)) {}

  const QString path;
  BackgroundWriter& writer = BackgroundWriter::Shared();

  std::mutex mutex;                 // guards everything below, never held while the disk is used
  std::optional<SavedGame> latest;  // what the file should hold; nothing for no file
  bool writeQueued = false;
  QJsonObject earlier;  // the file as read at the start, for the keys this version does not know
};

namespace {

constexpr int kSavedGameFormat = 1;

std::optional<int> ReadWhole(const QJsonValue& value, int least, int most) {
  const double number = value.toDouble(-1.0);
  if (!value.isDouble() || std::floor(number) != number || number < least || number > most) {
    return std::nullopt;
  }
  return static_cast<int>(number);
}

std::optional<std::vector<std::size_t>> ReadCells(const QJsonValue& value) {
  if (!value.isArray() || value.toArray().size() > qsizetype(kMaxSavedPresses)) return std::nullopt;
  std::vector<std::size_t> cells;
  for (const QJsonValue& cell : value.toArray()) {
    const auto read = ReadWhole(cell, 0, Board::kMaxSize * Board::kMaxSize - 1);
    if (!read) return std::nullopt;
    cells.push_back(std::size_t(*read));
  }
  return cells;
}

// The game `root` describes, whole and valid, or nothing.
std::optional<SavedGame> FromJson(const QJsonObject& root) {
  const auto id = ReadGameCode(root.value("code").toString().toStdString());
  const auto fewest = ReadWhole(root.value("fewest"), 0, 3 * Board::kMaxSize);
  const auto presses = ReadWhole(root.value("presses"), 0, INT_MAX);
  const auto undo = ReadCells(root.value("undo"));
  const auto redo = ReadCells(root.value("redo"));
  std::optional<CalendarDate> daily;
  if (root.contains("daily")) {
    daily = ReadIsoDate(root.value("daily").toString().toStdString());
    if (!daily) return std::nullopt;
  }
  if (root.value("format") != QJsonValue(kSavedGameFormat) || !std::holds_alternative<GameId>(id) ||
      !fewest || !presses || !root.value("scoring").isBool() || !undo || !redo) {
    return std::nullopt;
  }
  SavedGame saved{
      GameInPlay{std::get<GameId>(id), *fewest, *presses, root.value("scoring").toBool(), daily},
      *undo, *redo};
  if (!Rebuild(saved)) return std::nullopt;
  return saved;
}

QJsonArray CellsJson(const std::vector<std::size_t>& cells) {
  QJsonArray array;
  for (const std::size_t cell : cells) array.append(qint64(cell));
  return array;
}

QByteArray ToJson(const SavedGame& saved, QJsonObject root) {
  const GameInPlay& game = saved.game;
  root.insert("format", kSavedGameFormat);
  root.insert("code", QString::fromStdString(GameCode(game.id)));
  root.insert("fewest", game.fewest);
  root.insert("presses", game.pressesUsed);
  root.insert("scoring", game.scoring);
  if (game.daily) {
    root.insert("daily", QString::fromStdString(IsoDate(*game.daily)));
  } else {
    root.remove("daily");
  }
  root.insert("undo", CellsJson(saved.undo));
  root.insert("redo", CellsJson(saved.redo));
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Writes or removes the file as the latest request says, on the writer's thread.
void WriteLatest(const std::shared_ptr<SavedGameFile::State>& state) {
  std::optional<SavedGame> latest;
  QJsonObject earlier;
  {
    const std::lock_guard lock(state->mutex);
    state->writeQueued = false;
    latest = std::move(state->latest);
    state->latest.reset();
    earlier = state->earlier;
  }
  if (latest) {
    WriteSafely(state->path, ToJson(*latest, earlier));
  } else if (QFileInfo(state->path).isFile()) {
    QFile::remove(state->path);
  }
}

// Asks for the file to hold `latest` (nothing: no file); a write already queued takes it along.
void Queue(const std::shared_ptr<SavedGameFile::State>& state, std::optional<SavedGame> latest) {
  bool post = false;
  {
    const std::lock_guard lock(state->mutex);
    state->latest = std::move(latest);
    post = !state->writeQueued;
    state->writeQueued = true;
  }
  if (post) state->writer.Post([state] { WriteLatest(state); });
}

}  // namespace

SavedGameFile::SavedGameFile(QString path) : state_(std::make_shared<State>(std::move(path))) {}

std::optional<SavedGame> SavedGameFile::Read() {
  const FileReading file = ReadSafely(state_->path);
  if (file.outcome == FileReading::Outcome::kMissing) return std::nullopt;
  const QJsonDocument document = QJsonDocument::fromJson(file.bytes);
  std::optional<SavedGame> saved;
  try {
    saved = FromJson(document.object());
  } catch (const std::exception&) {
    // Not expected from checked values; a game that cannot be resumed is set aside all the same.
  }
  if (saved) {
    const std::lock_guard lock(state_->mutex);
    state_->earlier = document.object();
    return saved;
  }
  // Set aside, so that the next start is clean; only a regular file whose bytes could be kept.
  if (file.outcome == FileReading::Outcome::kRead && KeepBeside(state_->path, file.bytes)) {
    QFile::remove(state_->path);
  }
  return std::nullopt;
}

void SavedGameFile::Keep(const SavedGame& saved) {
  Queue(state_, saved);
}

void SavedGameFile::Clear() {
  Queue(state_, std::nullopt);
}

bool SavedGameFile::WaitForWrites(int msecs) {
  return state_->writer.WaitUntilIdle(msecs);
}

}  // namespace lucen
