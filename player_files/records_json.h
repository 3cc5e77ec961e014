#pragma once

#include <QJsonObject>

#include "progress/records.h"

namespace lucen {

// The records as the records file holds them, one JSON object:
//   {"format": 1,
//    "boards": {"7x7-3": {"played": 4, "won": 3, "best": 1, "distribution": [1, 1, 0, 1, 0, 0],
//                         "resultSum": 4}},
//    "playedGames": {"7x7-3": [12, 345, 123456]},
//    "dailyStreak": {"current": 2, "best": 5, "last": "2026-12-09"}}
// Boards, sections and keys this version does not know are left alone, for a later version that
// wrote them.

inline constexpr int kRecordsFormat = 1;

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
