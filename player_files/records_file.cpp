#include "player_files/records_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "player_files/background_writer.h"
#include "player_files/file_lock.h"
#include "player_files/old_records_ini.h"
#include "player_files/records_json.h"
#include "player_files/safe_file.h"

namespace lucen {

// What the window's thread and the writer share. The writer's tasks hold it, so that it outlives
// the RecordsFile when they run later.
struct RecordsFile::State {
  State(QString file, QString oldIni, RecordsFile* object)
      : path(std::move(file)), oldIniPath(std::move(oldIni)), owner(object) {}

  const QString path;
  const QString oldIniPath;
  BackgroundWriter& writer = BackgroundWriter::Shared();

  std::mutex mutex;                  // guards everything below, never held while the disk is used
  RecordsFile* owner;                // told of wins; null once it is gone
  std::vector<RecordEvent> pending;  // this run's events not written yet, oldest first
  bool cannotKeep = false;
  bool writeQueued = false;  // a write is queued or waiting to try again
  // While the file is being replaced, a reader could see it with or without the events being
  // written: it uses what is being written instead. `replacements` counts each start and end.
  bool replacing = false;
  std::uint64_t replacements = 0;
  Records beingWritten;
  std::size_t eventsBeingWritten = 0;
  // Wins are told once for each new outcome.
  std::optional<WinKept> told;
  bool winUntold = false;
};

namespace {

// How often a write tries again while another copy of the game holds the file.
constexpr int kBusyRetryMs = 100;
// Reads of the file that a replacement may overlap before the last one is taken as it is.
constexpr int kReadAttempts = 5;

struct OnDisk {
  FileReading::Outcome outcome = FileReading::Outcome::kMissing;
  QByteArray bytes;
  QJsonObject root;  // the file's JSON, to be changed in place
  Records records;
  bool someUnreadable = false;
  bool fileDamaged = false;  // the records file's own bytes: to be kept beside it before a write
};

OnDisk ReadOnDisk(const QString& path, const QString& oldIniPath) {
  OnDisk disk;
  FileReading file = ReadSafely(path);
  disk.outcome = file.outcome;
  disk.bytes = std::move(file.bytes);
  if (disk.outcome == FileReading::Outcome::kMissing) {
    // Carried over from an earlier version, until the first write makes the records file.
    OldRecords old = ReadOldRecords(oldIniPath);
    disk.records = std::move(old.records);
    disk.someUnreadable = old.someUnreadable;
  } else if (disk.outcome == FileReading::Outcome::kUnreadable) {
    disk.someUnreadable = true;
  } else if (!disk.bytes.trimmed().isEmpty()) {
    const QJsonDocument document = QJsonDocument::fromJson(disk.bytes);
    disk.root = document.object();
    RecordsFromJson read = ReadRecordsJson(disk.root);
    disk.records = std::move(read.records);
    disk.fileDamaged = !document.isObject() || read.someUnreadable;
    disk.someUnreadable = disk.fileDamaged;
  }
  return disk;
}

Records WithEvents(Records records, const std::vector<RecordEvent>& events, std::size_t from = 0) {
  for (std::size_t event = from; event < events.size(); ++event) records.Apply(events[event]);
  return records;
}

void Tell(RecordsFile::State& state, WinKept outcome);

// Writes the file afresh with `events` applied, under the lock. False when it cannot be.
bool WriteEvents(RecordsFile::State& state, const std::vector<RecordEvent>& events) {
  OnDisk disk = ReadOnDisk(state.path, state.oldIniPath);
  if (disk.outcome == FileReading::Outcome::kUnreadable) return false;  // never written over
  if (disk.fileDamaged && !KeepBeside(state.path, disk.bytes)) return false;
  const Records records = WithEvents(std::move(disk.records), events);
  PutRecordsJson(records, disk.root);
  const QByteArray bytes = QJsonDocument(disk.root).toJson(QJsonDocument::Compact);
  {
    const std::lock_guard lock(state.mutex);
    state.replacing = true;
    ++state.replacements;
    state.beingWritten = records;
    state.eventsBeingWritten = events.size();
  }
  const bool written = WriteSafely(state.path, bytes);
  const std::lock_guard lock(state.mutex);
  state.replacing = false;
  ++state.replacements;
  if (written) {
    state.pending.erase(state.pending.begin(),
                        state.pending.begin() + std::ptrdiff_t(events.size()));
    state.cannotKeep = false;
  }
  return written;
}

// Writes the events waiting, on the writer's thread.
void WritePending(const std::shared_ptr<RecordsFile::State>& state) {
  std::vector<RecordEvent> events;
  {
    const std::lock_guard lock(state->mutex);
    state->writeQueued = false;
    events = state->pending;
  }
  if (events.empty()) return;
  FileLock lock(state->path);
  const FileLock::Outcome locked = QDir().mkpath(QFileInfo(state->path).absolutePath())
                                       ? lock.TryLock()
                                       : FileLock::Outcome::kCannot;
  WinKept outcome = WinKept::kCannot;
  if (locked == FileLock::Outcome::kBusy) {
    outcome = WinKept::kWaiting;
    const std::lock_guard guard(state->mutex);
    if (!state->writeQueued) {
      state->writeQueued = true;
      state->writer.PostAfter(kBusyRetryMs, [state] { WritePending(state); });
    }
  } else if (locked == FileLock::Outcome::kLocked && WriteEvents(*state, events)) {
    outcome = WinKept::kWritten;
  } else {
    const std::lock_guard guard(state->mutex);
    state->cannotKeep = true;  // tried again with the next event
  }
  const bool anyWin = std::any_of(events.begin(), events.end(), [](const RecordEvent& event) {
    return event.kind == RecordEvent::Kind::kWin;
  });
  if (anyWin) Tell(*state, outcome);
}

void Tell(RecordsFile::State& state, WinKept outcome) {
  const std::lock_guard lock(state.mutex);
  if (!state.winUntold && state.told == outcome) return;
  state.told = outcome;
  state.winUntold = false;
  // Posted while the object is known to be there; if it goes first, Qt drops the call.
  if (RecordsFile* owner = state.owner) {
    QMetaObject::invokeMethod(
        owner, [owner, outcome] { emit owner->winKept(outcome); }, Qt::QueuedConnection);
  }
}

}  // namespace

RecordsFile::RecordsFile(QString path, QString oldIniPath, QObject* parent)
    : QObject(parent),
      state_(std::make_shared<State>(std::move(path), std::move(oldIniPath), this)) {}

RecordsFile::~RecordsFile() {
  const std::lock_guard lock(state_->mutex);
  state_->owner = nullptr;
}

RecordsReading RecordsFile::Read() {
  State& state = *state_;
  RecordsReading reading;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    std::vector<RecordEvent> pending;
    std::uint64_t replacements = 0;
    {
      const std::lock_guard lock(state.mutex);
      if (state.replacing) {
        return {WithEvents(state.beingWritten, state.pending, state.eventsBeingWritten), false,
                state.cannotKeep};
      }
      pending = state.pending;
      replacements = state.replacements;
      reading.cannotKeep = state.cannotKeep;
    }
    OnDisk disk = ReadOnDisk(state.path, state.oldIniPath);
    reading.records = WithEvents(std::move(disk.records), pending);
    reading.someUnreadable = disk.someUnreadable;
    const std::lock_guard lock(state.mutex);
    if (state.replacements == replacements) break;  // no event counted twice or missed
  }
  return reading;
}

void RecordsFile::Record(const RecordEvent& event) {
  Records().Apply(event);  // refuses a board or game the game does not have, before anything
  bool post = false;
  {
    const std::lock_guard lock(state_->mutex);
    state_->pending.push_back(event);
    state_->winUntold |= event.kind == RecordEvent::Kind::kWin;
    post = !state_->writeQueued;
    state_->writeQueued = true;
  }
  if (post) state_->writer.Post([state = state_] { WritePending(state); });
}

bool RecordsFile::WaitForWrites(int msecs) {
  return state_->writer.WaitUntilIdle(msecs);
}

}  // namespace lucen
