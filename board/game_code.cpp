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

}  // namespace lucen
