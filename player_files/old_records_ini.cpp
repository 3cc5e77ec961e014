#include "player_files/old_records_ini.h"

#include <algorithm>
#include <climits>

#include "player_files/ini_text.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

// A count 0..most written as plain decimal text, or nothing.
std::optional<int> ReadCount(const QByteArray& value, int most) {
  bool ok = false;
  const int count = value.toInt(&ok, 10);
  if (!ok || count < 0 || count > most) return std::nullopt;
  return count;
}

}  // namespace

OldRecords ReadOldRecords(const QString& path) {
  OldRecords old;
  const FileReading file = ReadSafely(path);
  if (file.outcome == FileReading::Outcome::kMissing) return old;
  if (file.outcome != FileReading::Outcome::kRead) {
    old.someUnreadable = old.toCarryLater = true;
    return old;
  }
  const IniText ini(file.bytes);
  int known = 0;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const QByteArray section = QStringLiteral("%1x%1-%2").arg(size).arg(colours).toLatin1();
      BoardRecord& record = old.records.At(size, colours);
      if (const auto won = ini.Value(section, "won")) {
        ++known;
        const auto count = ReadCount(*won, INT_MAX);
        record.won = count.value_or(0);
        old.someUnreadable |= !count;
      }
      if (const auto best = ini.Value(section, "best")) {
        ++known;
        record.best = ReadCount(*best, Records::kMaxResult);
        old.someUnreadable |= !record.best;
      }
    }
  }
  old.someUnreadable |= known != ini.KeyCount() || !ini.WellFormed();
  return old;
}

void CarryOver(const Records& old, Records& records) {
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const BoardRecord& from = old.At(size, colours);
      BoardRecord& into = records.At(size, colours);
      into.won = from.won > INT_MAX - into.won ? INT_MAX : into.won + from.won;
      if (from.best) into.best = std::min(into.best.value_or(*from.best), *from.best);
    }
  }
}

}  // namespace lucen
