#include "player_files/records_sync.h"

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <string_view>

#include "player_files/file_lock.h"
#include "player_files/old_records_ini.h"
#include "player_files/safe_file.h"
#include "player_files/unwritten_records.h"
#include "progress/records_json.h"
#include "progress/records_merge.h"
#include "progress/records_update.h"

namespace lucen {
namespace {

using Outcome = FileReading::Outcome;

// Set while the records of earlier versions could not be read, so that they are carried over once
// they can be. Absent, they have been carried over (or there were none).
constexpr const char* kOldRecordsToCarry = "oldRecordsToCarry";

struct Disk {
  Outcome outcome = Outcome::kMissing;
  QByteArray bytes;
  Json root = Json::object();  // the file's JSON, to be changed in place
  Records records;
  bool someUnreadable = false;
  bool damaged = false;  // read, but not all understood: its bytes are kept before it is replaced
  bool oldRecordsToCarry = false;
};

Disk LoadRecords(const QString& path, const QString& oldIniPath) {
  Disk disk;
  FileReading file = ReadSafely(path, kMostRecordsBytes);
  disk.outcome = file.outcome;
  disk.bytes = std::move(file.bytes);
  bool carry = disk.outcome == Outcome::kMissing;
  if (disk.outcome == Outcome::kRead && !disk.bytes.trimmed().isEmpty()) {
    RecordsDocument read =
        ReadRecordsJson(std::string_view(disk.bytes.constData(), std::size_t(disk.bytes.size())));
    disk.root = std::move(read.root);
    disk.records = std::move(read.records);
    disk.damaged = disk.someUnreadable = read.someUnreadable;
    const Json* toCarry = Field(disk.root, kOldRecordsToCarry);
    carry = toCarry && *toCarry == true;
  } else if (disk.outcome != Outcome::kRead && disk.outcome != Outcome::kMissing) {
    disk.someUnreadable = true;
  }
  if (carry) {
    const OldRecords old = ReadOldRecords(oldIniPath);
    CarryOver(old.records, disk.records);
    disk.someUnreadable |= old.someUnreadable;
    disk.oldRecordsToCarry = old.toCarryLater;
  }
  return disk;
}

// Replaces the records file with `records`, keeping what `disk` held that this version does not
// know. The caller holds the lock.
bool WriteRecords(const QString& path, Disk& disk, const Records& records) {
  if (disk.outcome == Outcome::kUnreadable) return false;  // never written over
  if (disk.damaged && !SetAside(path, disk.bytes)) return false;
  if (disk.outcome == Outcome::kTooLarge && !MoveAside(path)) return false;
  if (disk.oldRecordsToCarry) {
    disk.root[kOldRecordsToCarry] = true;
  } else {
    disk.root.erase(kOldRecordsToCarry);
  }
  return WriteSafely(path,
                     QByteArray::fromStdString(WriteRecordsJson(records, std::move(disk.root))),
                     kMostRecordsBytes);
}

}  // namespace

SyncResult Sync(RecordsSync& sync) {
  SyncResult result;
  UnwrittenRecords journal = ReadUnwritten(sync.unwrittenPath);
  FileLock recordsLock(sync.path);
  FileLock::Outcome locked = FileLock::Outcome::kCannot;
  if (!sync.unwritten.empty() || !journal.events.empty() || sync.imported) {
    if (QDir().mkpath(QFileInfo(sync.path).absolutePath())) locked = recordsLock.TryLock();
  }
  // The unwritten records are taken out once they are in the records file, by whoever holds their
  // lock: read again under it, so that nothing added meanwhile is taken out unwritten.
  std::optional<FileLock> journalLock;
  if (locked == FileLock::Outcome::kLocked && !journal.events.empty()) {
    journalLock.emplace(sync.unwrittenPath);
    if (journalLock->TryLock() == FileLock::Outcome::kLocked) {
      journal = ReadUnwritten(sync.unwrittenPath);
    } else {
      journalLock.reset();
    }
  }

  Disk disk = LoadRecords(sync.path, sync.oldIniPath);
  Records records = std::move(disk.records);
  for (const RecordEvent& event : journal.events) records.Apply(event);
  for (NumberedEvent& numbered : sync.unwritten) {
    if (ApplyShowingNotFirst(records, numbered.event) && !numbered.judged) {
      result.reading.notFirstPlays.push_back(numbered.event.game.id);
    }
    numbered.judged = true;
  }
  if (sync.imported) records = Merge(records, *sync.imported);
  result.reading.someUnreadable = disk.someUnreadable || journal.someUnreadable;
  const bool written =
      locked == FileLock::Outcome::kLocked && WriteRecords(sync.path, disk, records);
  result.reading.records = std::move(records);
  result.tryAgainSoon = locked == FileLock::Outcome::kBusy;

  using Kept = SyncResult::Kept;
  if (written && journalLock) ClearUnwritten(sync.unwrittenPath, journal);
  if (written) sync.imported.reset();
  journalLock.reset();
  if (sync.unwritten.empty()) return result;
  if (written) {
    sync.unwritten.clear();
    result.kept = Kept::kInRecords;
    return result;
  }
  std::vector<RecordEvent> events;
  for (const NumberedEvent& numbered : sync.unwritten) events.push_back(numbered.event);
  switch (AddUnwritten(sync.unwrittenPath, events)) {
    case UnwrittenOutcome::kDone:
      result.kept = Kept::kInJournal;
      break;
    case UnwrittenOutcome::kBusy:
      result.kept = Kept::kUndecided;
      result.tryAgainSoon = true;
      break;
    case UnwrittenOutcome::kCannot:
      result.kept = Kept::kNowhere;
      break;
  }
  return result;
}

bool ExportRecords(const RecordsSync& sync, const QString& target) {
  Disk disk = LoadRecords(sync.path, sync.oldIniPath);
  if (disk.outcome == Outcome::kUnreadable) return false;
  Records records = std::move(disk.records);
  for (const RecordEvent& event : ReadUnwritten(sync.unwrittenPath).events) records.Apply(event);
  for (const NumberedEvent& numbered : sync.unwritten) records.Apply(numbered.event);
  if (sync.imported) records = Merge(records, *sync.imported);
  disk.root.erase(kOldRecordsToCarry);  // of this computer's earlier version, not the copy's
  return WriteSafely(target,
                     QByteArray::fromStdString(WriteRecordsJson(records, std::move(disk.root))),
                     kMostRecordsBytes);
}

}  // namespace lucen
