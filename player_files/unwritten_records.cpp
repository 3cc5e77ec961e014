#include "player_files/unwritten_records.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <string_view>

#include "player_files/file_lock.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

constexpr int kUnwrittenFormat = 1;

std::optional<RecordEvent> ReadEvent(const Json& entry) {
  const Json* kind = Field(entry, "kind");
  const std::optional<GameInPlay> game = ReadGame(entry);
  if (!game || !kind || (*kind != "start" && *kind != "win")) return std::nullopt;
  return RecordEvent{*kind == "start" ? RecordEvent::Kind::kStart : RecordEvent::Kind::kWin, *game};
}

Json EventJson(const RecordEvent& event) {
  Json object = {{"kind", event.kind == RecordEvent::Kind::kStart ? "start" : "win"}};
  PutGame(event.game, object);
  return object;
}

bool Write(const QString& path, const UnwrittenRecords& file) {
  if (file.events.empty() && file.unknown.empty()) return RemoveSafely(path);
  Json events = file.unknown;
  for (const RecordEvent& event : file.events) events.push_back(EventJson(event));
  const Json root = {{"format", kUnwrittenFormat}, {"events", std::move(events)}};
  return WriteSafely(path, QByteArray::fromStdString(JsonText(root)));
}

}  // namespace

UnwrittenRecords ReadUnwritten(const QString& path) {
  UnwrittenRecords read;
  FileReading file = ReadSafely(path);
  if (file.outcome == FileReading::Outcome::kMissing) return read;
  read.bytes = std::move(file.bytes);
  read.bytesRead = file.outcome == FileReading::Outcome::kRead;
  const std::optional<Json> root =
      ParseJsonObject(std::string_view(read.bytes.constData(), std::size_t(read.bytes.size())));
  const Json* format = root ? Field(*root, "format") : nullptr;
  const Json* events = root ? Field(*root, "events") : nullptr;
  read.someUnreadable =
      !read.bytesRead || !format || *format != kUnwrittenFormat || !events || !events->is_array();
  if (read.someUnreadable) return read;
  for (const Json& entry : *events) {
    if (const std::optional<RecordEvent> event = ReadEvent(entry)) {
      read.events.push_back(*event);
    } else {
      read.unknown.push_back(entry);
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
