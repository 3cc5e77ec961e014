#pragma once

#include <QJsonObject>

#include "player_files/game_set_json.h"
#include "progress/records.h"

namespace lucen {

// The records as the records file holds them, one JSON object:
//   {"format": 2,
//    "boards": {"7x7-3": {"played": 4, "won": 3, "best": 1, "distribution": [1, 1, 0, 1, 0, 0],
//                         "resultSum": 4}},
//    "playedGames": {"7x7-3": [12, [340, 345], 123456]},
//    "wonGames": {"7x7-3": [12, 341]},
//    "dailyStreak": {"current": 2, "best": 5, "last": "2026-12-09"}}
// Format 1 is read too (its lists are plain numbers). Boards, sections and keys this version does
// not know are left alone, for a later version that wrote them.

inline constexpr int kRecordsFormat = 2;

// The most the records file may hold: the largest file this version writes (every board, its
// played and won games each at their worst) and room for what a later version adds. Nothing larger
// is written, so that what is written can always be read back.
inline constexpr qint64 kMostRecordsBytes = 5 << 20;
static_assert(2 * kBoardCount * (kMostBoardNumbersBytes + 16) + (64 << 10) < kMostRecordsBytes);

struct RecordsFromJson {
  Records records;
  // Something this version should understand could not be read: a value of the wrong type or out
  // of range, or another format. What could be read is in `records`.
  bool someUnreadable = false;
};

RecordsFromJson ReadRecordsJson(const QJsonObject& root);

// Puts `records` into `root` in place, so that whatever else it holds stays.
void PutRecordsJson(const Records& records, QJsonObject& root);

}  // namespace lucen
