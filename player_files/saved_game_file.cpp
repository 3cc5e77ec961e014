#include "player_files/saved_game_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <exception>
#include <mutex>

#include "player_files/background_writer.h"
#include "player_files/json_fields.h"
#include "player_files/safe_file.h"

namespace lucen {

struct SavedGameFile::State {
  State(QString file, SavedGameFile* object) : path(std::move(file)), owner(object) {}

  const QString path;
  BackgroundWriter& writer = BackgroundWriter::Shared();

  std::mutex mutex;                 // guards everything below, never held while the disk is used
  SavedGameFile* owner;             // told when writing fails or works again; null once it is gone
  std::optional<SavedGame> latest;  // what the file should hold; nothing for no file
  bool writeQueued = false;
  QJsonObject earlier;   // the file as read at the start, for the keys this version does not know
  bool failing = false;  // as last told
};

namespace {

constexpr int kSavedGameFormat = 1;

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
  const std::optional<GameInPlay> game = ReadGame(root);
  const auto undo = ReadCells(root.value("undo"));
  const auto redo = ReadCells(root.value("redo"));
  if (root.value("format") != QJsonValue(kSavedGameFormat) || !game || !undo || !redo) {
    return std::nullopt;
  }
  SavedGame saved{*game, *undo, *redo};
  if (!Rebuild(saved)) return std::nullopt;
  return saved;
}

QJsonArray CellsJson(const std::vector<std::size_t>& cells) {
  QJsonArray array;
  for (const std::size_t cell : cells) array.append(qint64(cell));
  return array;
}

QByteArray ToJson(const SavedGame& saved, QJsonObject root) {
  root.insert("format", kSavedGameFormat);
  PutGame(saved.game, root);
  root.insert("undo", CellsJson(saved.undo));
  root.insert("redo", CellsJson(saved.redo));
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Tells the window when writing starts failing or works again.
void Tell(SavedGameFile::State& state, bool failing) {
  const std::lock_guard lock(state.mutex);
  if (state.failing == failing) return;
  state.failing = failing;
  // Posted while the object is known to be there; if it goes first, Qt drops the call.
  if (SavedGameFile* owner = state.owner) {
    QMetaObject::invokeMethod(
        owner, [owner, failing] { emit owner->saveFailed(failing); }, Qt::QueuedConnection);
  }
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
  const bool done =
      latest ? WriteSafely(state->path, ToJson(*latest, earlier)) : RemoveSafely(state->path);
  Tell(*state, !done);
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

SavedGameFile::SavedGameFile(QString path, QObject* parent)
    : QObject(parent), state_(std::make_shared<State>(std::move(path), this)) {}

SavedGameFile::~SavedGameFile() {
  const std::lock_guard lock(state_->mutex);
  state_->owner = nullptr;
}

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
  if (file.outcome == FileReading::Outcome::kRead && SetAside(state_->path, file.bytes)) {
    RemoveSafely(state_->path);
  } else if (file.outcome == FileReading::Outcome::kTooLarge) {
    MoveAside(state_->path);
  }
  return std::nullopt;
}

void SavedGameFile::Save(const SavedGame& saved) {
  Queue(state_, saved);
}

void SavedGameFile::Remove() {
  Queue(state_, std::nullopt);
}

bool SavedGameFile::WaitForWrites(int msecs) {
  return state_->writer.WaitUntilIdle(msecs);
}

}  // namespace lucen
