#include "progress/game_set_json.h"

#include <string>

#include "progress/base64.h"

namespace lucen {
namespace {

constexpr std::size_t kBitsetBytes = (kMaxGameNumber + 7) / 8;

std::int64_t Digits(int number) {
  std::int64_t digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

// The length of the list form, as compact JSON writes it.
std::int64_t ListBytes(const std::vector<GameSet::Range>& ranges) {
  // Brackets and commas.
  std::int64_t bytes = 2 + std::int64_t(ranges.size()) - (ranges.empty() ? 0 : 1);
  for (const GameSet::Range& range : ranges) {
    bytes += range.first == range.last ? Digits(range.first)
                                       : Digits(range.first) + Digits(range.last) + 3;
  }
  return bytes;
}

Json ListJson(const std::vector<GameSet::Range>& ranges) {
  Json list = Json::array();
  for (const GameSet::Range& range : ranges) {
    if (range.first == range.last) {
      list.push_back(range.first);
    } else {
      list.push_back(Json::array({range.first, range.last}));
    }
  }
  return list;
}

std::size_t ByteOf(int number) {
  return static_cast<std::size_t>(number - 1) / 8;
}
int BitOf(int number) {
  return (number - 1) % 8;
}

Json BitsetJson(const std::vector<GameSet::Range>& ranges) {
  std::string bits(kBitsetBytes, '\0');
  for (const GameSet::Range& range : ranges) {
    for (int number = range.first; number <= range.last; ++number) {
      bits[ByteOf(number)] = static_cast<char>(bits[ByteOf(number)] | 1 << BitOf(number));
    }
  }
  return ToBase64(bits);
}

bool ReadBitset(const std::string& text, int size, int colourCount, GameSet& set) {
  const std::optional<std::string> bits = FromBase64(text);
  if (!bits || bits->size() > kBitsetBytes) return false;
  std::vector<GameSet::Range> runs;
  int first = 0;        // the start of the run being read, 0 outside one
  bool beyond = false;  // a bit set past the last number
  for (std::size_t at = 0; at < bits->size(); ++at) {
    const auto byte = static_cast<unsigned char>((*bits)[at]);
    // Whole bytes in or out of a run are passed over at once, but for the last.
    const bool whole = (byte == 0 && first == 0) || (byte == 0xFF && first != 0);
    if (whole && at + 1 < kBitsetBytes) continue;
    for (int bit = 0; bit < 8; ++bit) {
      const int number = static_cast<int>(at) * 8 + bit + 1;
      const bool on = (byte >> bit & 1) != 0;
      beyond |= on && number > kMaxGameNumber;
      const bool in = on && number <= kMaxGameNumber;
      if (in && first == 0) first = number;
      if (!in && first != 0) {
        runs.push_back({first, number - 1});
        first = 0;
      }
    }
  }
  if (first != 0) runs.push_back({first, static_cast<int>(bits->size()) * 8});
  set.AddRuns(size, colourCount, runs);
  return !beyond;
}

std::optional<GameSet::Range> ReadListEntry(const Json& entry) {
  if (!entry.is_array()) {
    const auto number = ReadWhole(entry, kMinGameNumber, kMaxGameNumber);
    if (!number) return std::nullopt;
    return GameSet::Range{int(*number), int(*number)};
  }
  if (entry.size() != 2) return std::nullopt;
  const auto first = ReadWhole(entry[0], kMinGameNumber, kMaxGameNumber);
  const auto last = ReadWhole(entry[1], kMinGameNumber, kMaxGameNumber);
  if (!first || !last || *first > *last) return std::nullopt;
  return GameSet::Range{int(*first), int(*last)};
}

}  // namespace

Json BoardNumbersJson(const std::vector<GameSet::Range>& ranges) {
  return ListBytes(ranges) <= kMostBoardNumbersBytes ? ListJson(ranges) : BitsetJson(ranges);
}

bool ReadBoardNumbers(const Json& value, int size, int colourCount, GameSet& set) {
  if (value.is_string())
    return ReadBitset(value.get_ref<const std::string&>(), size, colourCount, set);
  if (!value.is_array()) return false;
  bool ok = true;
  for (const Json& entry : value) {
    const auto range = ReadListEntry(entry);
    if (range) set.Add(size, colourCount, *range);
    ok &= range.has_value();
  }
  return ok;
}

}  // namespace lucen
