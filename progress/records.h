#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "board/board.h"
#include "progress/board_index.h"
#include "progress/calendar_date.h"
#include "progress/game_in_play.h"
#include "progress/game_set.h"
#include "progress/streak.h"

namespace lucen {

// The groups of results the statistics draw: 0, 1, 2, 3-5, 6-10 and more, each from its least.
inline constexpr std::array<int, 6> kResultBucketLeast{0, 1, 2, 3, 6, 11};
inline constexpr std::size_t kResultBuckets = kResultBucketLeast.size();
// The group of a result (0 or more).
std::size_t ResultBucket(int result);

// The records of one board (a size and a colour count). Only scored play counts: a game's first
// start, and a win of that first play without a hint or a restart.
struct BoardRecord {
  int played = 0;             // games started for the first time
  int won = 0;                // of those, won
  std::optional<int> best{};  // the best result (presses over the fewest, 0 for a perfect game)
  std::array<int, kResultBuckets> distribution{};  // wins with a result, by group
  std::int64_t resultSum = 0;                      // the sum of those results

  int Perfect() const { return distribution[0]; }
  // Played as shown: never fewer than won (records carried over from before the played count).
  int PlayedShown() const { return played > won ? played : won; }
  // The mean of the results counted in the distribution; nothing before the first.
  std::optional<double> AverageResult() const;
  bool Empty() const { return PlayedShown() == 0; }

  friend bool operator==(const BoardRecord&, const BoardRecord&) = default;
};

// What changes the records: a numbered game started (it counts as played only the first time its
// code is started) or a numbered game won (it counts only when it scores, once for each code).
struct RecordEvent {
  enum class Kind { kStart, kWin };
  Kind kind = Kind::kStart;
  GameInPlay game;

  // `firstPlay`, kept in game.scoring, is the window's guess that this start was the code's
  // first; the records, which may know better, do not use it. `daily` is the day of a game of the
  // day.
  static RecordEvent Start(const GameId& id, bool firstPlay = false,
                           std::optional<CalendarDate> daily = std::nullopt) {
    RecordEvent event;
    event.game.id = id;
    event.game.scoring = firstPlay;
    event.game.daily = daily;
    return event;
  }
  static RecordEvent Win(const GameInPlay& game) { return {Kind::kWin, game}; }

  friend bool operator==(const RecordEvent&, const RecordEvent&) = default;
};

// The records of every board the game offers, 5..9 cells a side under 2..4 colours, the games
// already played and won in scored play, each won code with its result, and the streak of games of
// the day. The counts of a board may hold more than its codes account for: records carried over
// from before the codes were kept. A size or colour count outside those ranges is refused with
// std::out_of_range.
class Records {
 public:
  // The largest result kept as a best: three presses for every cell of the largest board. A win
  // that scores more still counts as won, in the last group.
  static constexpr int kMaxResult = 3 * Board::kMaxSize * Board::kMaxSize;

  const BoardRecord& At(int size, int colourCount) const;
  BoardRecord& At(int size, int colourCount);
  const GameSet& Played() const { return played_; }
  GameSet& Played() { return played_; }
  // The codes whose win has been counted: a code's win counts once, however often it is told.
  const GameSet& Won() const { return won_; }
  // The same codes by the result they were won with, the smallest result first; each code under
  // one result.
  const std::map<int, GameSet>& WonByResult() const { return wonByResult_; }
  // The result code `id` was won with; nothing when it has not been won.
  std::optional<int> WonResult(const GameId& id) const;
  // Adds the numbers of `range` on one board as won with `result` to the codes won, and to no
  // count: for records read or merged. A code won twice keeps the smaller result, so that two
  // copies of the records agree whatever order they are taken in. Refused as GameSet::Add refuses,
  // and a negative result with std::invalid_argument.
  void AddWon(int size, int colourCount, GameSet::Range range, int result);
  // The same for sorted runs of one board, as GameSet::AddRuns takes them: in one pass when none
  // of them is won yet, as when records are read.
  void AddWonRuns(int size, int colourCount, const std::vector<GameSet::Range>& runs, int result);
  const Streak& DailyStreak() const { return streak_; }
  Streak& DailyStreak() { return streak_; }
  // The first day a game of the day was started: where a calendar of the days played begins.
  const std::optional<CalendarDate>& FirstDailyDay() const { return firstDailyDay_; }
  std::optional<CalendarDate>& FirstDailyDay() { return firstDailyDay_; }

  // Applies `event`. A start of a game of the day on its own day may set FirstDailyDay(). For a
  // start, returns whether it was the game's first play (the game then scores); for a win,
  // whether it changed the records. Applying an event again changes nothing.
  bool Apply(const RecordEvent& event);

  friend bool operator==(const Records&, const Records&) = default;

 private:
  std::array<BoardRecord, kBoardCount> boards_{};
  GameSet played_;
  GameSet won_;                         // every code of wonByResult_, for a quick look-up
  std::map<int, GameSet> wonByResult_;  // no empty set, so that equal records compare equal
  Streak streak_;
  std::optional<CalendarDate> firstDailyDay_;
};

}  // namespace lucen
