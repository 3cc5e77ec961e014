// Every game code that the README, the instructions pages and the manual pages quote is a game
// the game has, and every fewest count quoted with it is the one the game finds.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <variant>

#include "board/game_code.h"
#include "board/numbered_game.h"

namespace lucen {
namespace {

std::string Read(const std::string& path) {
  std::ifstream file(std::string(LUCEN_SOURCE_DIR) + "/" + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// `text` with its closing quotes, which are several bytes long in UTF-8, as plain '"'. A bracket of
// characters in std::regex matches single bytes, so a closing quote inside one would also stop a
// match at every character that shares a byte with it, such as the middle dot of the line under
// the board.
std::string PlainQuotes(std::string text) {
  for (const std::string quote : {"»", "”"}) {
    for (std::size_t at = text.find(quote); at != std::string::npos; at = text.find(quote, at)) {
      text.replace(at, quote.size(), "\"");
    }
  }
  return text;
}

TEST(Documentation, QuotesTheGamesOwnCodesAndFewestCounts) {
  // A code, then up to the next code or the end of its sentence, the fewest count quoted with it.
  const std::regex code(R"(\b(\d+x\d+-\d+-\d+)\b([^."]{0,80}?(?:mínimo|fewest)(?:\s|\\~)+(\d+))?)");
  int quoted = 0;
  for (const char* path :
       {"README.md", "CONTRIBUTING.md", "assets/Instrucciones.htm", "assets/Instructions.htm",
        "packaging/linux/lucen.6", "packaging/linux/es/lucen.6"}) {
    const std::string text = PlainQuotes(Read(path));
    ASSERT_FALSE(text.empty()) << path;
    for (std::sregex_iterator match(text.begin(), text.end(), code), end; match != end; ++match) {
      const auto id = ReadGameCode((*match)[1].str());
      ASSERT_TRUE(std::holds_alternative<GameId>(id)) << path << ": " << (*match)[1];
      if (!(*match)[3].matched) continue;
      ++quoted;
      EXPECT_EQ(std::stoi((*match)[3].str()), MakeGame(std::get<GameId>(id)).fewest)
          << path << ": " << match->str();
    }
  }
  EXPECT_GT(quoted, 0) << "no fewest count found: the pattern no longer matches the pages";
}

}  // namespace
}  // namespace lucen
