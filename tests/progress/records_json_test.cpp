// The records and the game in play as JSON: what is written reads back the same, what this
// version does not know is kept, and what it cannot read is told.
#include <gtest/gtest.h>

#include "progress/records_json.h"
#include "progress/saved_game_json.h"

namespace lucen {
namespace {

TEST(RecordsJson, ReadsBackEveryResultAndKeepsWhatItDoesNotKnow) {
  Records records;
  records.At(6, 3).won = 2;  // counts beyond the codes, as carried over from the old INI
  for (const int result : {0, 3, 0, 400}) {
    const GameInPlay game{{7, 3, 10 + result}, 10, 10 + result, true, CalendarDate{2026, 3, 5}};
    records.Apply(RecordEvent::Start(game.id, true, game.daily));
    records.Apply(RecordEvent::Win(game));
  }
  const Json root = Json::parse(R"({"later":[{"x":1}],"wonGames":{"7x7-3":{"note":1,"7":[50]}}})");
  const RecordsDocument read = ReadRecordsJson(WriteRecordsJson(records, root));
  EXPECT_FALSE(read.someUnreadable);
  EXPECT_EQ(read.records, records) << "a result that no code has any more is gone";
  EXPECT_EQ(read.root["later"], root["later"]);
  EXPECT_EQ(read.root["wonGames"]["7x7-3"]["note"], 1);

  // What each reads as: the result of 7x7-3-5, and whether anything was unreadable.
  const std::tuple<std::string, std::optional<int>, bool> cases[] = {
      {R"({"wonGames":{"7x7-3":{"4":[5],"2":[[3,6]]}}})", 2, false},  // won twice: the smaller
      {R"({"wonGames":{"7x7-3":{"later":[5]}}})", std::nullopt, false},
      {R"({"wonGames":{"7x7-3":{"-1":[5]}}})", std::nullopt, true},
      {R"({"wonGames":{"7x7-3":{"04":[5]}}})", std::nullopt, true},
      {R"({"wonGames":{"7x7-3":[5]}})", std::nullopt, true},  // codes without their results
      {R"({"firstDailyDay":"2026-02-30"})", std::nullopt, true},
      {R"({"later":)" + std::string(600, '[') + std::string(600, ']') + "}", std::nullopt, true},
  };
  for (const auto& [text, result, unreadable] : cases) {
    const RecordsDocument document = ReadRecordsJson(text);
    EXPECT_EQ(document.records.WonResult({7, 3, 5}), result) << text;
    EXPECT_EQ(document.someUnreadable, unreadable) << text;
  }
}

TEST(SavedGameJson, TheCountToldIsKeptAndAbsentMeansNotTold) {
  const GameId id{7, 3, 123456};
  for (const bool told : {false, true}) {
    SavedGame saved{{id, MakeGame(id).fewest, 2, true, {}, told}, {0, 8}, {}};
    const std::string text = WriteSavedGameJson(saved, Json{{"later", "kept"}});
    EXPECT_EQ(text.find("countTold") != std::string::npos, told);
    const SavedGameDocument read = ReadSavedGameJson(text);
    EXPECT_EQ(read.saved, saved);
    EXPECT_EQ(read.root["later"], "kept");
  }
}

}  // namespace
}  // namespace lucen
