#include "player_files/old_records_ini.h"

#include <climits>

#include "player_files/ini_copy.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

// A count 0..most written as plain decimal text, or nothing.
std::optional<int> ReadCount(const QVariant& value, int most) {
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  bool ok = false;
  const int count = value.toString().toInt(&ok, 10);
  if (!ok || count < 0 || count > most) return std::nullopt;
  return count;
}

}  // namespace

OldRecords ReadOldRecords(const QString& path) {
  OldRecords old;
  const FileReading file = ReadSafely(path);
  if (file.outcome == FileReading::Outcome::kMissing) return old;
  IniCopy copy(file.bytes);
  QSettings* settings = copy.Settings();
  if (file.outcome != FileReading::Outcome::kRead || !settings) {
    old.someUnreadable = true;
    return old;
  }
  const qsizetype keys = settings->allKeys().size();
  qsizetype known = 0;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const QString group = QStringLiteral("%1x%1-%2/").arg(size).arg(colours);
      BoardRecord& record = old.records.At(size, colours);
      if (settings->contains(group + "won")) {
        ++known;
        const auto won = ReadCount(settings->value(group + "won"), INT_MAX);
        record.won = won.value_or(0);
        old.someUnreadable |= !won;
      }
      if (settings->contains(group + "best")) {
        ++known;
        record.best = ReadCount(settings->value(group + "best"), Records::kMaxResult);
        old.someUnreadable |= !record.best;
      }
    }
  }
  old.someUnreadable |= known != keys || !copy.WhollyParsed();
  return old;
}

}  // namespace lucen
