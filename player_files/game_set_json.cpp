#include "player_files/game_set_json.h"

#include <QJsonArray>

#include "player_files/json_fields.h"

namespace lucen {
namespace {

constexpr qsizetype kBitsetBytes = (kMaxGameNumber + 7) / 8;

qint64 Digits(int number) {
  qint64 digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

// The length of the list form, as compact JSON writes it.
qint64 ListBytes(const std::vector<GameSet::Range>& ranges) {
  qint64 bytes = 2 + qint64(ranges.size()) - (ranges.empty() ? 0 : 1);  // brackets and commas
  for (const GameSet::Range& range : ranges) {
    bytes += range.first == range.last ? Digits(range.first)
                                       : Digits(range.first) + Digits(range.last) + 3;
  }
  return bytes;
}

QJsonValue ListJson(const std::vector<GameSet::Range>& ranges) {
  QJsonArray list;
  for (const GameSet::Range& range : ranges) {
    if (range.first == range.last) {
      list.append(range.first);
    } else {
      list.append(QJsonArray{range.first, range.last});
    }
  }
  return list;
}

QJsonValue BitsetJson(const std::vector<GameSet::Range>& ranges) {
  QByteArray bits(kBitsetBytes, '\0');
  for (const GameSet::Range& range : ranges) {
    for (int number = range.first; number <= range.last; ++number) {
      bits[(number - 1) / 8] = char(bits[(number - 1) / 8] | (1 << ((number - 1) % 8)));
    }
  }
  return QString::fromLatin1(bits.toBase64());
}

bool ReadBitset(const QString& text, int size, int colourCount, GameSet& set) {
  const auto decoded =
      QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  const QByteArray& bits = decoded.decoded;
  if (!decoded || bits.size() > kBitsetBytes) return false;
  const auto has = [&](int number) {
    return (number - 1) / 8 < bits.size() && (bits[(number - 1) / 8] >> ((number - 1) % 8)) & 1;
  };
  int first = 0;  // the start of the run being read, 0 outside one
  for (int number = kMinGameNumber; number <= kMaxGameNumber + 1; ++number) {
    const bool in = number <= kMaxGameNumber && has(number);
    if (in && first == 0) first = number;
    if (!in && first != 0) {
      set.Add(size, colourCount, {first, number - 1});
      first = 0;
    }
  }
  return !has(kMaxGameNumber + 1);
}

std::optional<GameSet::Range> ReadListEntry(const QJsonValue& entry) {
  if (!entry.isArray()) {
    const auto number = ReadWhole(entry, kMinGameNumber, kMaxGameNumber);
    if (!number) return std::nullopt;
    return GameSet::Range{int(*number), int(*number)};
  }
  const QJsonArray pair = entry.toArray();
  if (pair.size() != 2) return std::nullopt;
  const auto first = ReadWhole(pair[0], kMinGameNumber, kMaxGameNumber);
  const auto last = ReadWhole(pair[1], kMinGameNumber, kMaxGameNumber);
  if (!first || !last || *first > *last) return std::nullopt;
  return GameSet::Range{int(*first), int(*last)};
}

}  // namespace

QJsonValue BoardNumbersJson(const std::vector<GameSet::Range>& ranges) {
  return ListBytes(ranges) <= kMostBoardNumbersBytes ? ListJson(ranges) : BitsetJson(ranges);
}

bool ReadBoardNumbers(const QJsonValue& value, int size, int colourCount, GameSet& set) {
  if (value.isString()) return ReadBitset(value.toString(), size, colourCount, set);
  bool ok = value.isArray();
  for (const QJsonValue& entry : value.toArray()) {
    const auto range = ReadListEntry(entry);
    if (range) set.Add(size, colourCount, *range);
    ok &= range.has_value();
  }
  return ok;
}

}  // namespace lucen
