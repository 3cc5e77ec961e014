// The records: only a numbered game's first play scores, and a scored game of the day counts
// towards the streak.
#include <gtest/gtest.h>

#include <set>

#include "progress/daily_game.h"
#include "progress/day_mark.h"
#include "progress/records.h"
#include "progress/records_merge.h"
#include "progress/records_update.h"

namespace lucen {
namespace {

TEST(Records, OnlyTheFirstPlayWithoutHintOrRestartScores) {
  // s and S start the 6x6-3 games 1 and 2, each the game of 2026-03-02 taking 10 presses at the
  // fewest; h asks a hint, r restarts; w, x and o win in 10, 14 and 310 presses.
  const std::tuple<const char*, BoardRecord, int, std::optional<double>> cases[] = {
      {"ssw", {1}, 0, {}},                                // a second start is practice
      {"sww", {1, 1, 0, {1, 0, 0, 0, 0, 0}, 0}, 1, 0.0},  // one win told twice counts once
      {"shw", {1}, 0, {}},
      {"srw", {1}, 0, {}},
      {"sxSw", {2, 2, 0, {1, 0, 0, 1, 0, 0}, 4}, 1, 2.0},
      {"so", {1, 1, {}, {0, 0, 0, 0, 0, 1}, 300}, 1, 300.0},  // over the largest best kept
  };
  for (const auto& [steps, record, streak, average] : cases) {
    Records records;
    GameInPlay game;
    for (const char* step = steps; *step; ++step) {
      if (*step == 's' || *step == 'S') {
        game = {{6, 3, *step == 's' ? 1 : 2}, 10, 0, false, CalendarDate{2026, 3, 2}};
        game.scoring = records.Apply(RecordEvent::Start(game.id));
      }
      if (*step == 'h') game.scoring = false;
      if (*step == 'r') game.Restart();
      game.pressesUsed = *step == 'w' ? 10 : *step == 'x' ? 14 : *step == 'o' ? 310 : 0;
      if (game.pressesUsed > 0) records.Apply(RecordEvent::Win(game));
    }
    EXPECT_EQ(records.At(6, 3), record) << steps;
    EXPECT_EQ(records.DailyStreak().current, streak) << steps;
    EXPECT_EQ(records.At(6, 3).AverageResult(), average) << steps;
  }
}

TEST(Records, StoredRecordsShowWhichStartsAnotherCopyMadeFirst) {
  // Another copy started 5x5-2-7 first: this session's guess that it was a first play is wrong,
  // while a start guessed as a replay is no news.
  Records stored;
  stored.Apply(RecordEvent::Start({5, 2, 7}));
  const std::vector<RecordEvent> events{
      RecordEvent::Start({5, 2, 7}, true), RecordEvent::Start({5, 2, 8}, true),
      RecordEvent::Win({{5, 2, 8}, 6, 7, true, {}}), RecordEvent::Start({5, 2, 7}, false)};
  const RecordsUpdate update = ApplyEvents(stored, events);
  EXPECT_EQ(update.notFirstPlays, (std::vector<GameId>{{5, 2, 7}}));
  // Found out once: applied again, as when they could not be kept, it is not told again.
  EXPECT_TRUE(ApplyEvents(stored, events, 1).notFirstPlays.empty());
  Records expected = stored;
  for (const RecordEvent& event : events) expected.Apply(event);
  EXPECT_EQ(update.records, expected);
  EXPECT_EQ(update.records.At(5, 2).won, 1);
}

TEST(Records, EachResultFallsInTheGroupThatStartsAtOrBelowIt) {
  // The groups drawn: 0, 1, 2, 3-5, 6-10 and more; each edge from both sides.
  const std::pair<int, std::size_t> cases[] = {{0, 0}, {1, 1},  {2, 2},  {3, 3},  {5, 3},
                                               {6, 4}, {10, 4}, {11, 5}, {300, 5}};
  for (const auto& [result, group] : cases) EXPECT_EQ(ResultBucket(result), group) << result;
}

TEST(GameSet, KeepsEachCodeOnceInRunsWhateverTheOrder) {
  using Runs = std::vector<GameSet::Range>;
  // Runs added on 7x7-3 in turn, and the runs kept.
  const std::pair<Runs, Runs> cases[] = {
      {{{5, 5}, {7, 7}, {6, 6}}, {{5, 7}}},                              // a gap filled
      {{{999999, 999999}, {1, 1}, {2, 2}}, {{1, 2}, {999999, 999999}}},  // out of order
      {{{10, 20}, {9, 9}, {21, 21}, {30, 30}}, {{9, 21}, {30, 30}}},     // neighbours joined
      {{{3, 8}, {7, 7}, {1, 1}}, {{1, 1}, {3, 8}}},                      // one already there
      {{{20, 30}, {1, 5}, {4, 25}}, {{1, 30}}},                          // one across two runs
  };
  for (const auto& [added, runs] : cases) {
    GameSet set;
    std::set<int> reference;
    for (const GameSet::Range& range : added) {
      bool anyNew = false;
      for (int n = range.first; n <= range.last; ++n) anyNew |= reference.insert(n).second;
      EXPECT_EQ(set.Add(7, 3, range), anyNew);
    }
    EXPECT_EQ(set.Ranges(7, 3), runs);
    for (int n = 1; n <= 40; ++n) EXPECT_EQ(set.Contains({7, 3, n}), reference.contains(n)) << n;
    EXPECT_FALSE(set.Contains({7, 4, added.front().first})) << "another board";
  }
  EXPECT_THROW(GameSet().Add({7, 3, 0}), std::invalid_argument);
}

using Events = std::vector<RecordEvent>;

// `id` started as a first play and, with a result, won; a game of `day` when one is given.
Events Play(const GameId& id, std::optional<int> result, std::optional<CalendarDate> day = {}) {
  Events events{RecordEvent::Start(id, true, day)};
  if (result) events.push_back(RecordEvent::Win({id, 10, 10 + *result, true, day}));
  return events;
}

Records Applied(Records records, std::initializer_list<Events> played) {
  for (const Events& events : played) {
    for (const RecordEvent& event : events) records.Apply(event);
  }
  return records;
}

TEST(Records, MergedRecordsCountEachPlayAndWinOnce) {
  const CalendarDate wednesday{2026, 3, 4}, thursday{2026, 3, 5};
  // A is shared; B and C went on apart, and both won 7x7-3-7, C in fewer presses.
  const Events a = Play(DailyGame(wednesday), 0, wednesday), a2 = Play({7, 3, 5}, {}),
               a3 = Play({6, 3, 6}, 2);
  const Events b = Play(DailyGame(thursday), 3, thursday), b2 = Play({7, 3, 7}, 12),
               b3 = Play({6, 3, 20}, 5);
  const Events c = Play({7, 3, 8}, 1), c2 = Play({7, 3, 7}, 4), c3 = Play({5, 2, 9}, {});
  // Counts carried over from before codes were kept, as from the old INI.
  Records legacy;
  legacy.At(6, 3).won = 2;
  legacy.At(6, 3).best = 1;
  const Records A = Applied({}, {a, a2, a3}), AB = Applied(A, {b, b2, b3}),
                AC = Applied(A, {c, c2, c3});
  // The smaller result of 7x7-3-7 is told first: the reference counts the first win told.
  const Records ABC = Applied(AC, {b, b2, b3});
  const struct {
    const char* name;
    Records mine, theirs, merged;
  } cases[] = {
      {"empty into empty", {}, {}, {}},
      {"A into empty", {}, A, A},
      {"A into A", A, A, A},
      {"A+B into A", A, AB, AB},
      {"A into A+B", AB, A, AB},
      {"A+C into A+B", AB, AC, ABC},
      {"A+B into A+C", AC, AB, ABC},
      {"old counts into empty", {}, legacy, legacy},
      {"old counts into themselves", legacy, legacy, legacy},
      {"the same old counts, played on apart", Applied(legacy, {a, b}), Applied(legacy, {a, c}),
       Applied(legacy, {a, c, b})},
  };
  for (const auto& [name, mine, theirs, merged] : cases) {
    const Records once = Merge(mine, theirs);
    EXPECT_EQ(once, merged) << name;
    EXPECT_EQ(Merge(once, theirs), once) << name << ", merged again";
    EXPECT_EQ(Merge(once, mine), once) << name << ", its own merged back";
  }
}

TEST(Records, EachDayIsMarkedByTheResultOfItsGame) {
  // Told in no order of days; the first day started is the earliest, 4 March.
  const std::tuple<CalendarDate, Events, DayMark> cases[] = {
      {{2026, 3, 8}, {}, DayMark::kMissed},
      {{2026, 3, 7}, Play(DailyGame({2026, 3, 7}), {}), DayMark::kPlayed},  // by its code
      {{2026, 3, 5}, Play(DailyGame({2026, 3, 5}), 3, CalendarDate{2026, 3, 5}), DayMark::kWon},
      {{2026, 3, 4}, Play(DailyGame({2026, 3, 4}), 0, CalendarDate{2026, 3, 4}), DayMark::kPerfect},
      {{2026, 3, 6}, Play(DailyGame({2026, 3, 6}), {}, CalendarDate{2026, 3, 6}), DayMark::kPlayed},
      // Dated with a day whose game it is not: that day stays missed, and starts no calendar.
      {{2026, 3, 3}, Play(DailyGame({2026, 3, 4}), 0, CalendarDate{2026, 3, 3}), DayMark::kMissed},
      {{2026, 2, 30}, {}, DayMark::kMissed},
  };
  Records records;
  for (const auto& [day, events, mark] : cases) records = Applied(records, {events});
  for (const auto& [day, events, mark] : cases) {
    EXPECT_EQ(MarkOf(records, day), mark) << IsoDate(day);
  }
  EXPECT_EQ(records.FirstDailyDay(), std::get<0>(cases[3]));
}

}  // namespace
}  // namespace lucen
