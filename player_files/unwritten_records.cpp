#include "player_files/unwritten_records.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "player_files/file_lock.h"
#include "player_files/json_fields.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

constexpr int kUnwrittenFormat = 1;

std::optional<RecordEvent> ReadEvent(const QJsonValue& value) {
  const QJsonObject object = value.toObject();
  const QJsonValue kind = object.value("kind");
  const std::optional<GameInPlay> game = ReadGame(object);
  if (!game || (kind != QJsonValue("start") && kind != QJsonValue("win"))) return std::nullopt;
  return RecordEvent{
      kind == QJsonValue("start") ? RecordEvent::Kind::kStart : RecordEvent::Kind::kWin, *game};
}

QJsonObject EventJson(const RecordEvent& event) {
  QJsonObject object{{"kind", event.kind == RecordEvent::Kind::kStart ? "start" : "win"}};
  PutGame(event.game, object);
  return object;
}

bool Write(const QString& path, const UnwrittenRecords& file) {
  if (file.events.empty() && file.unknown.isEmpty()) return RemoveSafely(path);
  QJsonArray events = file.unknown;
  for (const RecordEvent& event : file.events) events.append(EventJson(event));
  const QJsonObject root{{"format", kUnwrittenFormat}, {"events", events}};
  return WriteSafely(path, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

}  // namespace

UnwrittenRecords ReadUnwritten(const QString& path) {
  UnwrittenRecords read;
  FileReading file = ReadSafely(path);
  if (file.outcome == FileReading::Outcome::kMissing) return read;
  read.bytes = std::move(file.bytes);
  read.bytesRead = file.outcome == FileReading::Outcome::kRead;
  const QJsonObject root = QJsonDocument::fromJson(read.bytes).object();
  read.someUnreadable = !read.bytesRead || root.value("format") != QJsonValue(kUnwrittenFormat) ||
                        !root.value("events").isArray();
  if (read.someUnreadable) return read;
  for (const QJsonValue& entry : root.value("events").toArray()) {
    if (const std::optional<RecordEvent> event = ReadEvent(entry)) {
      read.events.push_back(*event);
    } else {
      read.unknown.append(entry);
    }
  }
  return read;
}

UnwrittenOutcome AddUnwritten(const QString& path, const std::vector<RecordEvent>& events) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return UnwrittenOutcome::kCannot;
  FileLock lock(path);
  const FileLock::Outcome locked = lock.TryLock();
  if (locked != FileLock::Outcome::kLocked) {
    return locked == FileLock::Outcome::kBusy ? UnwrittenOutcome::kBusy : UnwrittenOutcome::kCannot;
  }
  UnwrittenRecords file = ReadUnwritten(path);
  if (file.someUnreadable) {
    // Written over only once its bytes are kept; a file that cannot be read at all, never.
    if (!file.bytesRead || !SetAside(path, file.bytes)) {
      return UnwrittenOutcome::kCannot;
    }
    file = {};
  }
  for (const RecordEvent& event : events) {
    if (std::ranges::find(file.events, event) == file.events.end()) file.events.push_back(event);
  }
  return Write(path, file) ? UnwrittenOutcome::kDone : UnwrittenOutcome::kCannot;
}

bool ClearUnwritten(const QString& path, const UnwrittenRecords& read) {
  if (read.someUnreadable) return false;
  UnwrittenRecords left;
  left.unknown = read.unknown;
  return Write(path, left);
}

}  // namespace lucen
