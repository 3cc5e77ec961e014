#include "player_files/saved_game_file.h"

#include <exception>
#include <mutex>
#include <string>
#include <string_view>

#include "player_files/background_writer.h"
#include "player_files/safe_file.h"
#include "progress/saved_game_json.h"

namespace lucen {

struct SavedGameFile::State {
  State(QString file, SavedGameFile* object) : path(std::move(file)), owner(object) {}

  const QString path;
  BackgroundWriter& writer = BackgroundWriter::Shared();

  std::mutex mutex;                 // guards everything below, never held while the disk is used
  SavedGameFile* owner;             // told when writing fails or works again; null once it is gone
  std::optional<SavedGame> latest;  // what the file should hold; nothing for no file
  bool writeQueued = false;
  Json earlier;          // the file as read at the start, for the keys this version does not know
  bool failing = false;  // as last told
};

namespace {

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
  Json earlier;
  {
    const std::lock_guard lock(state->mutex);
    state->writeQueued = false;
    latest = std::move(state->latest);
    state->latest.reset();
    earlier = state->earlier;
  }
  bool done = false;
  if (latest) {
    const std::string text = WriteSavedGameJson(*latest, std::move(earlier));
    done = WriteSafely(state->path, QByteArray::fromStdString(text));
  } else {
    done = RemoveSafely(state->path);
  }
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
  SavedGameDocument read;
  try {
    read =
        ReadSavedGameJson(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
  } catch (const std::exception&) {
    // Not expected from checked values; a game that cannot be resumed is set aside all the same.
  }
  if (read.saved) {
    const std::lock_guard lock(state_->mutex);
    state_->earlier = std::move(read.root);
    return read.saved;
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
