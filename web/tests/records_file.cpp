// The desktop's records document, by the desktop's own C++: the reference that the browser
// edition's records are carried to and from.
//   records_file write < EVENTS     EVENTS one a line: "start CODE [DAY]", "win CODE OVER [DAY]"
//                                   (OVER: the presses over the fewest); prints the document
//   records_file read < DOCUMENT    prints each board's played, won and perfect, each code won
//                                   with its result, and the streak, as JSON
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>

#include "board/game_code.h"
#include "board/numbered_game.h"
#include "progress/records_json.h"

using namespace lucen;

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "write") {
    Records records;
    for (std::string line; std::getline(std::cin, line);) {
      std::istringstream words(line);
      std::string kind, code, day;
      words >> kind >> code;
      GameInPlay game{std::get<GameId>(ReadGameCode(code)), 0, 0, true, {}};
      game.fewest = MakeGame(game.id).fewest;
      if (kind == "win") words >> game.pressesUsed;
      game.pressesUsed += game.fewest;
      if (words >> day) game.daily = ReadIsoDate(day);
      records.Apply(kind == "win" ? RecordEvent::Win(game)
                                  : RecordEvent::Start(game.id, true, game.daily));
    }
    std::cout << WriteRecordsJson(records);
    return 0;
  }
  const std::string text{std::istreambuf_iterator<char>(std::cin), {}};
  const RecordsDocument read = ReadRecordsJson(text);
  const Records& records = read.records;
  Json out = {{"unreadable", read.someUnreadable},
              {"boards", Json::object()},
              {"won", Json::object()},
              {"streak", {records.DailyStreak().current, records.DailyStreak().best}}};
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const BoardRecord& board = records.At(size, colours);
      const std::string key =
          std::to_string(size) + "x" + std::to_string(size) + "-" + std::to_string(colours);
      if (!board.Empty()) out["boards"][key] = {board.PlayedShown(), board.won, board.Perfect()};
      for (const auto& [result, codes] : records.WonByResult()) {
        for (const GameSet::Range& run : codes.Ranges(size, colours)) {
          for (int number = run.first; number <= run.last; ++number) {
            out["won"][GameCode({size, colours, number})] = result;
          }
        }
      }
    }
  }
  std::cout << out.dump() << '\n';
}
