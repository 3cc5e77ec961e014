#include "progress/records_json.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace lucen {
namespace {

// The largest whole number a JavaScript number holds exactly.
constexpr std::int64_t kMostExactWhole = std::int64_t{1} << 53;

// Calls `visit(size, colourCount, key)` for every board the game offers, "7x7-3" its key.
template <typename Visit>
void ForEachBoard(Visit visit) {
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const std::string side = std::to_string(size);
      visit(size, colours, side + "x" + side + "-" + std::to_string(colours));
    }
  }
}

// Reads `object[key]`, when there, into `into` (an int or an int64); false when it is there but
// cannot be read.
template <typename Number>
bool ReadField(const Json& object, const char* key, std::int64_t most, Number& into) {
  const Json* value = Field(object, key);
  if (!value) return true;
  const auto number = ReadWhole(*value, 0, most);
  if (number) into = static_cast<Number>(*number);
  return number.has_value();
}

bool ReadBoard(const Json& object, BoardRecord& record) {
  bool ok = object.is_object() && ReadField(object, "played", INT_MAX, record.played);
  ok &= ReadField(object, "won", INT_MAX, record.won);
  ok &= ReadField(object, "resultSum", kMostExactWhole, record.resultSum);
  if (Field(object, "best")) {
    int best = 0;
    const bool read = ReadField(object, "best", Records::kMaxResult, best);
    if (read) record.best = best;
    ok &= read;
  }
  if (const Json* groups = Field(object, "distribution")) {
    ok &= groups->is_array() && groups->size() == kResultBuckets;
    for (std::size_t group = 0;
         groups->is_array() && group < std::min(groups->size(), kResultBuckets); ++group) {
      const auto wins = ReadWhole((*groups)[group], 0, INT_MAX);
      if (wins) record.distribution[group] = static_cast<int>(*wins);
      ok &= wins.has_value();
    }
  }
  return ok;
}

bool ReadStreak(const Json& object, Streak& streak) {
  return object.is_object() && ReadField(object, "current", INT_MAX, streak.current) &&
         ReadField(object, "best", INT_MAX, streak.best) &&
         ReadDate(Field(object, "last"), streak.last);
}

// Whether a key of a board's won codes stands for a result; any other key is a later version's.
bool NamesResult(const std::string& key) {
  return !key.empty() && ((key[0] >= '0' && key[0] <= '9') || key[0] == '-');
}

// The result a key names, written as WonBoardJson() writes it; nothing for one out of range.
std::optional<int> ResultOf(const std::string& key) {
  if (key.empty() || key.size() > 10 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  std::int64_t result = 0;
  for (const char digit : key) {
    if (digit < '0' || digit > '9') return std::nullopt;
    result = result * 10 + (digit - '0');
  }
  if (result > INT_MAX) return std::nullopt;
  return static_cast<int>(result);
}

bool ReadWonBoard(const Json& object, int size, int colours, Records& records) {
  if (!object.is_object()) return false;
  bool ok = true;
  for (const auto& entry : object.items()) {
    if (!NamesResult(entry.key())) continue;
    const std::optional<int> result = ResultOf(entry.key());
    GameSet codes;
    ok &= result && ReadBoardNumbers(entry.value(), size, colours, codes);
    if (!result) continue;
    records.AddWonRuns(size, colours, codes.Ranges(size, colours), *result);
  }
  return ok;
}

// `root[key]` when it is an object; nothing when it is not there, and false in `ok` when it is
// something else.
const Json* Section(const Json& root, const char* key, bool& ok) {
  const Json* section = Field(root, key);
  ok &= !section || section->is_object();
  return section && section->is_object() ? section : nullptr;
}

const Json* BoardIn(const Json* section, const std::string& key) {
  return section ? Field(*section, key.c_str()) : nullptr;
}

// `object[key]` moved out when it is an object; a fresh object otherwise.
Json TakeObject(Json& object, const char* key) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_object()) return Json::object();
  return std::move(*found);
}

// `object[key]` as an object to change in place: a fresh one when it is not an object.
Json& ObjectAt(Json& object, const char* key) {
  Json& value = object[key];
  if (!value.is_object()) value = Json::object();
  return value;
}

void PutBoard(const BoardRecord& record, Json& board) {
  board["played"] = record.played;
  board["won"] = record.won;
  if (record.best) {
    board["best"] = *record.best;
  } else {
    board.erase("best");
  }
  board["distribution"] = record.distribution;
  board["resultSum"] = std::min(record.resultSum, kMostExactWhole);
}

// The results this version reads are written afresh, so that a code moved to a smaller result
// leaves the larger; a later version's keys stay. A list that could not be read is written over
// too: its bytes were kept beside the file.
void PutWonBoard(const Records& records, int size, int colours, Json& board) {
  std::vector<std::string> results;
  for (const auto& entry : board.items()) {
    if (NamesResult(entry.key())) results.push_back(entry.key());
  }
  for (const std::string& key : results) board.erase(key);
  for (const auto& [result, codes] : records.WonByResult()) {
    const auto& ranges = codes.Ranges(size, colours);
    if (!ranges.empty()) board[std::to_string(result)] = BoardNumbersJson(ranges);
  }
}

}  // namespace

RecordsDocument ReadRecordsJson(std::string_view text) {
  RecordsDocument read;
  std::optional<Json> parsed = ParseJsonObject(text);
  if (!parsed) {
    read.someUnreadable = true;
    return read;
  }
  read.root = std::move(*parsed);
  const Json& root = read.root;
  Records& records = read.records;
  const Json* format = Field(root, "format");
  bool ok = !format || *format == 1 || *format == kRecordsFormat;
  const Json* boards = Section(root, "boards", ok);
  const Json* played = Section(root, "playedGames", ok);
  const Json* won = Section(root, "wonGames", ok);
  ForEachBoard([&](int size, int colours, const std::string& key) {
    if (const Json* board = BoardIn(boards, key))
      ok &= ReadBoard(*board, records.At(size, colours));
    if (const Json* codes = BoardIn(played, key)) {
      ok &= ReadBoardNumbers(*codes, size, colours, records.Played());
    }
    if (const Json* codes = BoardIn(won, key)) ok &= ReadWonBoard(*codes, size, colours, records);
  });
  if (const Json* streak = Field(root, "dailyStreak"))
    ok &= ReadStreak(*streak, records.DailyStreak());
  ok &= ReadDate(Field(root, "firstDailyDay"), records.FirstDailyDay());
  read.someUnreadable = !ok;
  return read;
}

std::string WriteRecordsJson(const Records& records, Json root) {
  if (!root.is_object()) root = Json::object();
  root["format"] = kRecordsFormat;
  // The sections are changed apart and put back in their places: a reference into the document
  // would not outlive a key added to it.
  Json boards = TakeObject(root, "boards");
  Json played = TakeObject(root, "playedGames");
  const bool hadWon = root.contains("wonGames");
  Json won = TakeObject(root, "wonGames");
  ForEachBoard([&](int size, int colours, const std::string& key) {
    const BoardRecord& record = records.At(size, colours);
    if (!record.Empty() || boards.contains(key)) PutBoard(record, ObjectAt(boards, key.c_str()));
    const auto& ranges = records.Played().Ranges(size, colours);
    if (!ranges.empty() || played.contains(key)) played[key] = BoardNumbersJson(ranges);
    const bool hadBoard = won.contains(key);
    Json& board = ObjectAt(won, key.c_str());
    PutWonBoard(records, size, colours, board);
    if (board.empty() && !hadBoard) won.erase(key);
  });
  root["boards"] = std::move(boards);
  root["playedGames"] = std::move(played);
  if (!won.empty() || hadWon) root["wonGames"] = std::move(won);
  const Streak& streak = records.DailyStreak();
  if (streak != Streak{} || root.contains("dailyStreak")) {
    Json& object = ObjectAt(root, "dailyStreak");
    object["current"] = streak.current;
    object["best"] = streak.best;
    PutDate(object, "last", streak.last);
  }
  PutDate(root, "firstDailyDay", records.FirstDailyDay());
  return JsonText(root);
}

}  // namespace lucen
