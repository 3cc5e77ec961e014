#include "player_files/records_file.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <mutex>
#include <optional>

#include "player_files/background_writer.h"
#include "player_files/records_sync.h"
#include "player_files/safe_file.h"
#include "progress/records_json.h"
#include "progress/records_merge.h"

namespace lucen {

// What the window's thread and the writer share. The writer's tasks hold it, so that it outlives
// the RecordsFile when they run later.
struct RecordsFile::State {
  State(RecordsSync files, RecordsFile* object) : owner(object), sync(std::move(files)) {}

  // Runs `call(object)` on the object's thread, when the object is still there. Posted while the
  // object is known to be there; if it goes first, Qt drops the call.
  template <typename Call>
  void ToOwner(Call call) {
    const std::lock_guard lock(mutex);
    if (RecordsFile* object = owner) {
      QMetaObject::invokeMethod(
          object, [object, call = std::move(call)]() mutable { call(object); },
          Qt::QueuedConnection);
    }
  }
  // Sends `reading` to the window.
  void Send(RecordsReading reading) {
    ToOwner([reading = std::move(reading), upTo = takenUpTo](RecordsFile* object) mutable {
      object->Receive(std::move(reading), upTo);
    });
  }
  // Emits `done(ok, path)` on the object's thread.
  void Answer(void (RecordsFile::*done)(bool, const QString&), bool ok, const QString& path) {
    ToOwner([done, ok, path](RecordsFile* object) { emit(object->*done)(ok, path); });
  }
  void Tell(WinOutcome outcome) {
    if (!winUntold && told == outcome) return;
    told = outcome;
    winUntold = false;
    ToOwner([outcome](RecordsFile* object) { emit object->winWritten(outcome); });
  }

  BackgroundWriter& writer = BackgroundWriter::Shared();

  std::mutex mutex;  // guards the three below, never held while the disk is used
  RecordsFile* owner;
  std::vector<NumberedEvent> incoming;  // recorded, not taken by the writer yet
  bool runQueued = false;

  // The writer's own, only touched by its tasks.
  RecordsSync sync;
  std::uint64_t takenUpTo = 0;  // the number of the last event taken from `incoming`
  bool retryQueued = false;
  bool cannotKeep = false;
  std::optional<WinOutcome> told;
  bool winUntold = false;  // a win came since the last outcome was told
};

namespace {

// How often a write tries again while another copy of the game holds a file.
constexpr int kBusyRetryMs = 100;

// One task of the writer: takes the events recorded since the last, writes what there is to write
// and sends the window what the file now holds.
void Run(const std::shared_ptr<RecordsFile::State>& state) {
  RecordsFile::State& s = *state;
  {
    const std::lock_guard lock(s.mutex);
    s.runQueued = false;
    for (NumberedEvent& event : s.incoming) {
      s.takenUpTo = event.number;
      s.winUntold |= event.event.kind == RecordEvent::Kind::kWin;
      s.sync.unwritten.push_back(std::move(event));
    }
    s.incoming.clear();
  }
  const bool anyWin = std::ranges::any_of(s.sync.unwritten, [](const NumberedEvent& numbered) {
    return numbered.event.kind == RecordEvent::Kind::kWin;
  });
  SyncResult result = Sync(s.sync);

  std::optional<WinOutcome> outcome;
  using Kept = SyncResult::Kept;
  if (result.kept == Kept::kInRecords) outcome = WinOutcome::kWritten;
  if (result.kept == Kept::kInJournal) outcome = WinOutcome::kWaiting;
  if (result.kept == Kept::kNowhere) outcome = WinOutcome::kCannot;
  if (outcome) s.cannotKeep = outcome == WinOutcome::kCannot;
  if (result.kept == Kept::kNothingNew) s.cannotKeep = false;
  if (anyWin && outcome) s.Tell(*outcome);

  if (result.tryAgainSoon && !s.retryQueued) {
    s.retryQueued = true;
    s.writer.PostAfter(kBusyRetryMs, [state] {
      state->retryQueued = false;
      Run(state);
    });
  }
  result.reading.cannotKeep = s.cannotKeep;
  s.Send(std::move(result.reading));
}

void Queue(const std::shared_ptr<RecordsFile::State>& state) {
  {
    const std::lock_guard lock(state->mutex);
    if (std::exchange(state->runQueued, true)) return;
  }
  state->writer.Post([state] { Run(state); });
}

}  // namespace

RecordsFile::RecordsFile(QString path, QString oldIniPath, QString unwrittenPath, QObject* parent)
    : QObject(parent),
      state_(std::make_shared<State>(
          RecordsSync{std::move(path), std::move(oldIniPath), std::move(unwrittenPath), {}, {}},
          this)) {
  Queue(state_);
}

RecordsFile::~RecordsFile() {
  const std::lock_guard lock(state_->mutex);
  state_->owner = nullptr;
}

void RecordsFile::Record(const RecordEvent& event) {
  latest_.records.Apply(event);  // refuses a board or game the game does not have, before anything
  sinceReading_.push_back({++recorded_, event});
  {
    const std::lock_guard lock(state_->mutex);
    state_->incoming.push_back({recorded_, event});
  }
  Queue(state_);
}

void RecordsFile::Receive(RecordsReading reading, std::uint64_t upTo) {
  std::erase_if(sinceReading_,
                [upTo](const Recorded& recorded) { return recorded.number <= upTo; });
  latest_ = std::move(reading);
  for (const Recorded& recorded : sinceReading_) latest_.records.Apply(recorded.event);
  loaded_ = true;
  emit read(latest_);
}

void RecordsFile::Import(const QString& path) {
  state_->writer.Post([state = state_, path] {
    const FileReading file = ReadSafely(path, kMostRecordsBytes);
    RecordsDocument read;
    if (file.outcome == FileReading::Outcome::kRead) {
      read =
          ReadRecordsJson(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
    }
    // Only a whole records file: a part of one could not tell which wins it left out.
    const bool ok = file.outcome == FileReading::Outcome::kRead && !read.someUnreadable;
    if (ok) {
      RecordsSync& sync = state->sync;
      sync.imported = sync.imported ? Merge(*sync.imported, read.records) : read.records;
    }
    state->Answer(&RecordsFile::imported, ok, path);
    if (ok) Run(state);
  });
}

void RecordsFile::Export(const QString& path) {
  state_->writer.Post([state = state_, path] {
    state->Answer(&RecordsFile::exported, ExportRecords(state->sync, path), path);
  });
}

bool RecordsFile::WaitForWrites(int msecs) {
  const bool idle = state_->writer.WaitUntilIdle(msecs);
  if (thread() == QThread::currentThread()) {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  }
  return idle;
}

}  // namespace lucen
