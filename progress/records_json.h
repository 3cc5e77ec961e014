#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "progress/game_set_json.h"
#include "progress/json_fields.h"
#include "progress/records.h"

namespace lucen {

// The records as one JSON document, the same wherever the game keeps them:
//   {"format": 2,
//    "boards": {"7x7-3": {"played": 4, "won": 3, "best": 1, "distribution": [1, 1, 0, 1, 0, 0],
//                         "resultSum": 4}},
//    "playedGames": {"7x7-3": [12, [340, 345], 123456]},
//    "wonGames": {"7x7-3": {"0": [12], "1": [341], "3": [340]}},
//    "dailyStreak": {"current": 2, "best": 5, "last": "2026-12-09"},
//    "firstDailyDay": "2026-11-30"}
// "wonGames" keeps each board's codes won by their result, so that two copies of the records merge
// exactly. "boards" keeps the counts, for versions that know no codes and for records carried over
// from before codes were kept: what they hold beyond the codes. Format 1 is read too (plain lists,
// no codes won). Boards, sections and keys this version does not know are left alone, for a later
// version that wrote them.

inline constexpr int kRecordsFormat = 2;

// The most the records may take: every board with its codes played and won each at their worst
// (the won ones under one result), and room for what a later version adds. Nothing larger is
// written, so that what is written can always be read back; codes won under many results could
// pass it only after a million wins on one board, and then the changes wait unwritten.
inline constexpr std::int64_t kMostRecordsBytes = 5 << 20;
static_assert(2 * kBoardCount * (kMostBoardNumbersBytes + 16) + (64 << 10) < kMostRecordsBytes);

struct RecordsDocument {
  Records records;
  // Something this version should understand could not be read: text that is not a JSON object,
  // a value of the wrong type or out of range, or another format. What could be read is in
  // `records`.
  bool someUnreadable = false;
  // The whole document, to be written back with what this version does not know.
  Json root = Json::object();
};

RecordsDocument ReadRecordsJson(std::string_view text);

// `records` put into `root` in place, so that whatever else it holds stays; compact JSON.
std::string WriteRecordsJson(const Records& records, Json root = Json::object());

}  // namespace lucen
