#include "player_files/records_json.h"

#include <QJsonArray>
#include <algorithm>
#include <climits>
#include <cstdint>

#include "player_files/json_fields.h"

namespace lucen {
namespace {

// The largest whole number a JSON number (a double) holds exactly.
constexpr std::int64_t kMostExactWhole = std::int64_t{1} << 53;

QString BoardKey(int size, int colourCount) {
  return QStringLiteral("%1x%1-%2").arg(size).arg(colourCount);
}

// Calls `visit(size, colourCount, key)` for every board the game offers.
template <typename Visit>
void ForEachBoard(Visit visit) {
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      visit(size, colours, BoardKey(size, colours));
    }
  }
}

// Reads `object[key]`, when there, into `into` (an int or an int64); false when it is there but
// cannot be read.
template <typename Number>
bool ReadField(const QJsonObject& object, const QString& key, std::int64_t most, Number& into) {
  if (!object.contains(key)) return true;
  const auto number = ReadWhole(object.value(key), 0, most);
  if (number) into = static_cast<Number>(*number);
  return number.has_value();
}

bool ReadBoard(const QJsonObject& object, BoardRecord& record) {
  bool ok = ReadField(object, "played", INT_MAX, record.played);
  ok &= ReadField(object, "won", INT_MAX, record.won);
  ok &= ReadField(object, "resultSum", kMostExactWhole, record.resultSum);
  if (object.contains("best")) {
    int best = 0;
    const bool read = ReadField(object, "best", Records::kMaxResult, best);
    if (read) record.best = best;
    ok &= read;
  }
  if (object.contains("distribution")) {
    const QJsonArray groups = object.value("distribution").toArray();
    ok &= object.value("distribution").isArray() && groups.size() == qsizetype(kResultBuckets);
    for (qsizetype group = 0; group < groups.size() && group < qsizetype(kResultBuckets); ++group) {
      const auto wins = ReadWhole(groups[group], 0, INT_MAX);
      if (wins) record.distribution[std::size_t(group)] = int(*wins);
      ok &= wins.has_value();
    }
  }
  return ok;
}

bool ReadStreak(const QJsonValue& value, Streak& streak) {
  const QJsonObject object = value.toObject();
  bool ok = value.isObject() && ReadField(object, "current", INT_MAX, streak.current) &&
            ReadField(object, "best", INT_MAX, streak.best);
  if (object.contains("last")) {
    streak.last = ReadIsoDate(object.value("last").toString().toStdString());
    ok &= streak.last.has_value();
  }
  return ok;
}

// `root[key]` as an object, when it is one or is not there; false otherwise.
bool Section(const QJsonObject& root, const QString& key, QJsonObject& section) {
  section = root.value(key).toObject();
  return !root.contains(key) || root.value(key).isObject();
}

}  // namespace

RecordsFromJson ReadRecordsJson(const QJsonObject& root) {
  RecordsFromJson read;
  const QJsonValue format = root.value("format");
  bool ok =
      !root.contains("format") || format == QJsonValue(1) || format == QJsonValue(kRecordsFormat);
  QJsonObject boards, played, won;
  ok &= Section(root, "boards", boards);
  ok &= Section(root, "playedGames", played);
  ok &= Section(root, "wonGames", won);
  ForEachBoard([&](int size, int colours, const QString& key) {
    if (boards.contains(key)) {
      ok &= boards.value(key).isObject() &&
            ReadBoard(boards.value(key).toObject(), read.records.At(size, colours));
    }
    if (played.contains(key)) {
      ok &= ReadBoardNumbers(played.value(key), size, colours, read.records.Played());
    }
    if (won.contains(key))
      ok &= ReadBoardNumbers(won.value(key), size, colours, read.records.Won());
  });
  if (root.contains("dailyStreak"))
    ok &= ReadStreak(root.value("dailyStreak"), read.records.DailyStreak());
  read.someUnreadable = !ok;
  return read;
}

void PutRecordsJson(const Records& records, QJsonObject& root) {
  root.insert("format", kRecordsFormat);
  QJsonObject boards = root.value("boards").toObject();
  QJsonObject played = root.value("playedGames").toObject();
  QJsonObject won = root.value("wonGames").toObject();
  ForEachBoard([&](int size, int colours, const QString& key) {
    const BoardRecord& record = records.At(size, colours);
    if (!record.Empty() || boards.contains(key)) {
      QJsonObject board = boards.value(key).toObject();
      board.insert("played", record.played);
      board.insert("won", record.won);
      if (record.best) {
        board.insert("best", *record.best);
      } else {
        board.remove("best");
      }
      QJsonArray groups;
      for (const int wins : record.distribution) groups.append(wins);
      board.insert("distribution", groups);
      board.insert("resultSum", qint64(std::min(record.resultSum, kMostExactWhole)));
      boards.insert(key, board);
    }
    // A list that could not be read is written over too: its bytes were kept beside the file.
    for (auto [set, section] : {std::pair(&records.Played(), &played), {&records.Won(), &won}}) {
      const auto& ranges = set->Ranges(size, colours);
      if (!ranges.empty() || section->contains(key)) section->insert(key, BoardNumbersJson(ranges));
    }
  });
  root.insert("boards", boards);
  root.insert("playedGames", played);
  if (!won.isEmpty() || root.contains("wonGames")) root.insert("wonGames", won);
  const Streak& streak = records.DailyStreak();
  if (streak != Streak{} || root.contains("dailyStreak")) {
    QJsonObject object = root.value("dailyStreak").toObject();
    object.insert("current", streak.current);
    object.insert("best", streak.best);
    if (streak.last) {
      object.insert("last", QString::fromStdString(IsoDate(*streak.last)));
    } else {
      object.remove("last");
    }
    root.insert("dailyStreak", object);
  }
}

}  // namespace lucen
