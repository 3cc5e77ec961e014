#include "board/game_code.h"

#include <algorithm>
#include <optional>

#include "board/board.h"

namespace lucen {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
// Only ASCII letters and digits glue a code to its neighbours; punctuation, blanks and any other
// byte (UTF-8 accents included) set it apart.
bool IsGlue(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Takes a run of decimal digits off the front of `text`: none, or a leading zero before another
// digit, is no number. Values above the largest game number stop growing there, which is out of
// every range anyway.
std::optional<int> TakeNumber(std::string_view& text) {
  std::size_t length = 0;
  int value = 0;
  while (length < text.size() && IsDigit(text[length])) {
    value = std::min(value * 10 + (text[length] - '0'), kMaxGameNumber + 1);
    ++length;
  }
  if (length == 0 || (length > 1 && text[0] == '0')) return std::nullopt;
  text.remove_prefix(length);
  return value;
}

bool TakeSeparator(std::string_view& text, std::string_view accepted) {
  if (text.empty() || accepted.find(text[0]) == std::string_view::npos) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::string GameCode(const GameId& id) {
  const std::string side = std::to_string(id.size);
  return side + "x" + side + "-" + std::to_string(id.colourCount) + "-" + std::to_string(id.number);
}

std::variant<GameId, CodeError> ReadGameCode(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return CodeError::kEmpty;

  const auto rows = TakeNumber(text);
  const bool by = TakeSeparator(text, "xX");
  const auto columns = TakeNumber(text);
  const bool dash = TakeSeparator(text, "-");
  const auto colours = TakeNumber(text);
  const bool secondDash = TakeSeparator(text, "-");
  const auto number = TakeNumber(text);
  if (!rows || !by || !columns || !dash || !colours || !secondDash || !number || !text.empty()) {
    return CodeError::kNotACode;
  }
  if (*rows != *columns) return CodeError::kSidesDiffer;
  if (*rows < Board::kMinSize || *rows > Board::kMaxSize) return CodeError::kSizeOutOfRange;
  if (*colours < Board::kMinColours || *colours > Board::kMaxColours) {
    return CodeError::kColoursOutOfRange;
  }
  if (*number < kMinGameNumber || *number > kMaxGameNumber) return CodeError::kNumberOutOfRange;
  return GameId{*rows, *colours, *number};
}

std::optional<GameId> FindGameCode(std::string_view text) {
  // No code is longer than the one with the largest values, so each place where a code may begin
  // is tried with a bounded number of lengths.
  static const std::size_t longest =
      GameCode({Board::kMaxSize, Board::kMaxColours, kMaxGameNumber}).size();
  for (std::size_t from = 0; from < text.size(); ++from) {
    if (!IsDigit(text[from]) || (from > 0 && IsGlue(text[from - 1]))) continue;
    for (std::size_t length = 1; length <= longest && from + length <= text.size(); ++length) {
      const std::size_t end = from + length;
      if (IsBlank(text[end - 1]) || (end < text.size() && IsGlue(text[end]))) continue;
      const auto read = ReadGameCode(text.substr(from, length));
      if (const GameId* id = std::get_if<GameId>(&read)) return *id;
    }
  }
  return std::nullopt;
}

}  // namespace lucen
