#include "board/game_code.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lucen {
namespace {

using Reading = std::variant<GameId, CodeError>;

TEST(GameCode, ReadsBackWhatItWrites) {
  EXPECT_EQ(GameCode({7, 3, 123456}), "7x7-3-123456");
  for (int size = 5; size <= 9; ++size) {
    for (int k = 2; k <= 4; ++k) {
      for (int number : {1, 10, 4096, 999'999}) {
        const GameId id{size, k, number};
        EXPECT_EQ(ReadGameCode(GameCode(id)), Reading(id)) << GameCode(id);
      }
    }
  }
  EXPECT_EQ(ReadGameCode(" \t9X9-4-999999  \n"), Reading(GameId{9, 4, 999'999}));
}

TEST(GameCode, RefusesAnyOtherTextWithItsReason) {
  using enum CodeError;
  const std::pair<CodeError, std::vector<const char*>> refused[] = {
      {kEmpty, {"", "  \t "}},
      {kNotACode,
       {"7x7-3", "7x7-3-12a", "7 x 7-3-1", "7*7-3-1", "7x7-3-1-", "07x07-3-1", "7x7-3-0123",
        "7x7-3-+5"}},
      {kSidesDiffer, {"7x8-3-1", "12x13-3-1"}},
      {kSizeOutOfRange, {"4x4-3-1", "10x10-3-1"}},
      {kColoursOutOfRange, {"7x7-1-1", "7x7-5-1"}},
      {kNumberOutOfRange, {"7x7-3-0", "7x7-3-1000000", "7x7-3-99999999999999999999"}}};
  for (const auto& [error, texts] : refused) {
    for (const char* text : texts) EXPECT_EQ(ReadGameCode(text), Reading(error)) << text;
  }
}

TEST(GameCode, FindsTheFirstCodeStandingOnItsOwnInText) {
  const std::pair<std::string, std::optional<GameId>> cases[] = {
      {"Lucen 7x7-3-123456: 21 pulsaciones (mínimo 18)", GameId{7, 3, 123456}},
      {"17x7-3-5 or 7x7-3-1234567", {}},
      {"a9x9-4-1, 7x7-3-0 or (6X6-2-42é)", GameId{6, 2, 42}},
      {std::string(1'000'000, '7') + " 8x8-4-9", GameId{8, 4, 9}},
  };
  for (const auto& [text, id] : cases) EXPECT_EQ(FindGameCode(text), id) << text.substr(0, 50);
}

}  // namespace
}  // namespace lucen
