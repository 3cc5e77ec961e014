// The browser edition's way into the game: the rules and the game session, as the desktop plays
// them, handed to the page's JavaScript as plain objects. Nothing here decides a rule; it only
// converts. Exceptions are not caught in the browser build (catching them costs size), so every
// value the page sends is checked here before the C++ below could refuse it.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "board/game_code.h"
#include "board/hint.h"
#include "board/palette.h"
#include "progress/calendar_date.h"
#include "progress/daily_game.h"
#include "progress/day_mark.h"
#include "progress/game_session.h"
#include "progress/records_json.h"
#include "progress/records_merge.h"
#include "progress/records_update.h"
#include "progress/saved_game_json.h"
#include "progress/streak.h"

using emscripten::val;

namespace lucen {
namespace {

// The date on the player's clock, where the player is, as the desktop takes it from Qt.
// clang-format off
EM_JS(int, LocalDateNumber, (), {
  const now = new Date();
  return now.getFullYear() * 10000 + (now.getMonth() + 1) * 100 + now.getDate();
});
// clang-format on

CalendarDate LocalToday() {
  const int number = LocalDateNumber();
  return {number / 10000, number / 100 % 100, number % 100};
}

template <typename Number>
val Array(const std::vector<Number>& values) {
  val array = val::array();
  for (std::size_t i = 0; i < values.size(); ++i) array.set(i, values[i]);
  return array;
}

const char* ColourKey(Rgb colour) {
  if (colour == kYellow) return "yellow";
  if (colour == kLightRed) return "lightRed";
  if (colour == kLightGreen) return "lightGreen";
  return "black";
}

const char* CodeErrorKey(CodeError error) {
  switch (error) {
    case CodeError::kEmpty:
      return "empty";
    case CodeError::kNotACode:
      return "notACode";
    case CodeError::kSidesDiffer:
      return "sidesDiffer";
    case CodeError::kSizeOutOfRange:
      return "sizeOutOfRange";
    case CodeError::kColoursOutOfRange:
      return "coloursOutOfRange";
    case CodeError::kNumberOutOfRange:
      return "numberOutOfRange";
  }
  return "notACode";
}

std::optional<GameId> ReadCode(const std::string& text) {
  const auto read = ReadGameCode(text);
  if (const GameId* id = std::get_if<GameId>(&read)) return *id;
  return std::nullopt;
}

val GameObject(const GameInPlay& game, const CalendarDate& today) {
  val object = val::object();
  object.set("code", GameCode(game.id));
  object.set("size", game.id.size);
  object.set("colourCount", game.id.colourCount);
  object.set("number", game.id.number);
  object.set("fewest", game.fewest);
  object.set("presses", game.pressesUsed);
  object.set("scoring", game.scoring);
  object.set("daily", game.daily ? val(IsoDate(*game.daily)) : val::null());
  object.set("dailyIsToday", game.daily.has_value() && *game.daily == today);
  const std::optional<int> stars = game.Stars();
  object.set("stars", stars ? val(*stars) : val::null());
  const std::optional<int> result = game.Result();
  object.set("perfect", result.has_value() && *result == 0);
  return object;
}

// The steps 0..colourCount-1 of a cycle, each as its exact colour and its name's key.
val Palette(int colourCount) {
  val colours = val::array();
  if (colourCount < Board::kMinColours || colourCount > Board::kMaxColours) return colours;
  for (int step = 0; step < colourCount; ++step) {
    const Rgb rgb = StepColour(step, colourCount);
    val colour = val::object();
    colour.set("rgb", Array(std::vector<int>{rgb.red, rgb.green, rgb.blue}));
    colour.set("key", ColourKey(rgb));
    colours.set(step, colour);
  }
  return colours;
}

// The code of the game of the day on a date; empty for a date that does not exist.
std::string DailyCode(int year, int month, int day) {
  const CalendarDate date{year, month, day};
  return IsValid(date) ? GameCode(DailyGame(date)) : std::string();
}

// The first code anywhere in a pasted text, or null.
val FindCode(const std::string& text) {
  const std::optional<GameId> found = FindGameCode(text);
  return found ? val(GameCode(*found)) : val::null();
}

// {code} for a text that is exactly a code, or {error} saying why it is none.
val ReadCodeObject(const std::string& text) {
  const auto read = ReadGameCode(text);
  val object = val::object();
  if (const GameId* id = std::get_if<GameId>(&read)) {
    object.set("code", GameCode(*id));
  } else {
    object.set("error", CodeErrorKey(std::get<CodeError>(read)));
  }
  return object;
}

const char* MarkKey(DayMark mark) {
  switch (mark) {
    case DayMark::kPlayed:
      return "played";
    case DayMark::kWon:
      return "won";
    case DayMark::kPerfect:
      return "perfect";
    case DayMark::kMissed:
      break;
  }
  return "missed";
}

val DateObject(const CalendarDate& date) {
  val object = val::object();
  object.set("year", date.year);
  object.set("month", date.month);
  object.set("day", date.day);
  return object;
}

template <typename Number>
val OptionalValue(const std::optional<Number>& value) {
  return value ? val(*value) : val::null();
}

// The records as read from the page's storage: nothing stored reads as no records at all.
RecordsDocument ReadStored(const std::string& text) {
  return text.empty() ? RecordsDocument{} : ReadRecordsJson(text);
}

val Limits() {
  val limits = val::object();
  limits.set("minSize", Board::kMinSize);
  limits.set("maxSize", Board::kMaxSize);
  limits.set("minColours", Board::kMinColours);
  limits.set("maxColours", Board::kMaxColours);
  limits.set("mostRecordsBytes", static_cast<double>(kMostRecordsBytes));
  return limits;
}

// One game session for the page; each command returns what it changed, for the page to draw.
class WebSession {
 public:
  WebSession() : session_(LocalToday) {}

  // The whole of what the page shows.
  val State() const {
    const Board& board = session_.GameBoard();
    val state = val::object();
    state.set("size", board.Size());
    state.set("colourCount", board.ColourCount());
    state.set("steps", Array(board.Steps()));
    state.set("solved", board.Solved());
    state.set("canUndo", board.CanUndo());
    state.set("canRedo", board.CanRedo());
    const CalendarDate today = LocalToday();
    const std::optional<GameInPlay>& game = session_.Game();
    state.set("game", game ? GameObject(*game, today) : val::null());
    const std::optional<int> remaining = session_.RemainingTold();
    state.set("remaining", remaining ? val(*remaining) : val::null());
    state.set("wouldAbandonScore", session_.WouldAbandonScore());
    state.set("nextHint", HintStepKey(session_.NextHint()));
    state.set("streak", CurrentAsOf(session_.KnownRecords().DailyStreak(), today));
    return state;
  }

  val Press(int cell) {
    if (cell < 0 || static_cast<std::size_t>(cell) >= session_.GameBoard().CellCount()) {
      return val::null();
    }
    return Change(session_.Press(static_cast<std::size_t>(cell)));
  }
  val Undo() { return Change(session_.Undo()); }
  val Redo() { return Change(session_.Redo()); }
  val Restart() { return Change(session_.Restart()); }
  val Reset() { return Change(session_.Reset()); }
  val TurnBlack() { return Change(session_.TurnBlack()); }

  val ChooseSize(int size) {
    if (size < Board::kMinSize || size > Board::kMaxSize) return val::null();
    return Change(session_.ChooseSize(size));
  }
  val ChooseColourCount(int count) {
    if (count < Board::kMinColours || count > Board::kMaxColours) return val::null();
    return Change(session_.ChooseColourCount(count));
  }

  // Plays the game whose code is exactly `code`; null for any other text.
  val Start(const std::string& code) {
    const std::optional<GameId> id = ReadCode(code);
    return id ? Change(session_.Start(*id)) : val::null();
  }
  // "Partida nueva" at `level` (0 easy, 1 normal, 2 hard), its number drawn from a 64-bit seed
  // given in two halves.
  val StartNew(int level, unsigned seedHigh, unsigned seedLow) {
    if (level < 0 || level > 2) return val::null();
    const std::uint64_t seed = (std::uint64_t{seedHigh} << 32U) | seedLow;
    return Change(session_.StartNew(static_cast<Level>(level), seed));
  }
  val StartDaily() {
    if (!IsValid(LocalToday())) return val::null();
    return Change(session_.StartDaily());
  }
  val ReplayAsPractice(const std::string& code) {
    const std::optional<GameId> id = ReadCode(code);
    return id ? Change(session_.ReplayAsPractice(*id)) : val::null();
  }
  val SolutionRoute() const { return Array(session_.SolutionRoute()); }

  // The records kept in the page's storage (empty when none) read into the session, with every
  // records event of the session not yet stored, as the desktop's writer does with its file: after
  // a command that recorded something, at the start, and when another tab stored its own. Tells
  // the text to store when some event waits ("unwritten"; then RecordsKept() once it is stored),
  // whether the stored text was unreadable (to be kept aside before it is replaced), and what the
  // stored records changed in the game in play.
  val ReadRecords(const std::string& stored) {
    RecordsDocument read = ReadStored(stored);
    RecordsUpdate update = lucen::ApplyEvents(std::move(read.records), unwritten_, judged_);
    judged_ = unwritten_.size();
    recordsUnreadable_ = read.someUnreadable;
    val object = val::object();
    object.set("unwritten", !unwritten_.empty());
    object.set("text",
               unwritten_.empty() ? val::null() : val(WriteRecordsJson(update.records, read.root)));
    object.set("unreadable", read.someUnreadable);
    object.set("change", Change(session_.RecordsRead(update.records, update.notFirstPlays)));
    return object;
  }

  // The text last given by ReadRecords() or ImportRecords() is stored.
  void RecordsKept() {
    unwritten_.clear();
    judged_ = 0;
    recordsUnreadable_ = false;
  }

  // A records document chosen by the player merged into the stored one, losing nothing and
  // counting no win twice: {text, unreadable, change} as ReadRecords() tells them, or null when it
  // cannot be read whole.
  val ImportRecords(const std::string& file, const std::string& stored) {
    if (file.size() > static_cast<std::size_t>(kMostRecordsBytes)) return val::null();
    const RecordsDocument imported = ReadRecordsJson(file);
    if (imported.someUnreadable) return val::null();
    RecordsDocument read = ReadStored(stored);
    const Records mine =
        lucen::ApplyEvents(std::move(read.records), unwritten_, unwritten_.size()).records;
    const Records merged = Merge(mine, imported.records);
    val object = val::object();
    object.set("text", WriteRecordsJson(merged, std::move(read.root)));
    object.set("unreadable", read.someUnreadable);
    object.set("change", Change(session_.RecordsRead(merged, {})));
    return object;
  }

  // The records document to hand the player: the stored one as it is, unless the session knows
  // more (the storage refused its writes).
  std::string ExportRecords(const std::string& stored) const {
    RecordsDocument read = ReadStored(stored);
    const Records& known = session_.KnownRecords();
    if (!stored.empty() && !read.someUnreadable && read.records == known) return stored;
    return WriteRecordsJson(known, std::move(read.root));
  }

  // Plays on the game in play kept in the page's storage; null when there is none to resume.
  val Resume(const std::string& stored) {
    SavedGameDocument read = ReadSavedGameJson(stored);
    if (!read.saved) return val::null();
    savedRoot_ = std::move(read.root);
    return Change(session_.Resume(*read.saved));
  }

  // What "Récords" shows: the streak as of today, and each board played.
  val RecordsShown() const {
    const Records& records = session_.KnownRecords();
    val object = val::object();
    object.set("current", CurrentAsOf(records.DailyStreak(), LocalToday()));
    object.set("best", records.DailyStreak().best);
    object.set("unreadable", recordsUnreadable_);
    object.set("groups",
               Array(std::vector<int>(kResultBucketLeast.begin(), kResultBucketLeast.end())));
    val boards = val::array();
    int count = 0;
    for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        const BoardRecord& record = records.At(size, colours);
        if (record.Empty()) continue;
        val board = val::object();
        board.set("size", size);
        board.set("colourCount", colours);
        board.set("played", record.PlayedShown());
        board.set("won", record.won);
        board.set("perfect", record.Perfect());
        board.set("average", OptionalValue(record.AverageResult()));
        board.set("best", OptionalValue(record.best));
        board.set("distribution",
                  Array(std::vector<int>(record.distribution.begin(), record.distribution.end())));
        boards.set(count++, board);
      }
    }
    object.set("boards", boards);
    return object;
  }

  // One month of "Días anteriores": the weekday of its first day (0 for Monday), and each day with
  // its mark from the first game of the day played up to today (null otherwise) and whether it
  // can be chosen. Null for a month that does not exist.
  val Month(int year, int month) const {
    const CalendarDate first{year, month, 1};
    if (!IsValid(first)) return val::null();
    const CalendarDate today = LocalToday();
    const Records& records = session_.KnownRecords();
    const CalendarDate marked = records.FirstDailyDay().value_or(today);
    val days = val::array();
    int count = 0;
    for (CalendarDate day = first; IsValid(day) && day.month == month; day = AddDays(day, 1)) {
      val object = val::object();
      object.set("day", day.day);
      object.set("mark",
                 marked <= day && day <= today ? val(MarkKey(MarkOf(records, day))) : val::null());
      object.set("choosable", day <= today);
      days.set(count++, object);
    }
    val object = val::object();
    object.set("firstWeekday", static_cast<int>(DayOfWeek(first)));
    object.set("days", days);
    return object;
  }

  val Today() const { return DateObject(LocalToday()); }

  // The game of an earlier day, as practice; null for a date that does not exist.
  val StartPastDay(int year, int month, int day) {
    const CalendarDate date{year, month, day};
    if (!IsValid(date) || !IsValid(LocalToday())) return val::null();
    return Change(session_.StartPastDay(date));
  }

  val AskHint() {
    const GameSession::HintAnswer answer = session_.AskHint();
    val object = val::object();
    const char* kind = "press";
    if (answer.hint.kind == Hint::Kind::kNoSolution) kind = "noSolution";
    if (answer.hint.kind == Hint::Kind::kNothingToPress) kind = "nothingToPress";
    object.set("kind", kind);
    object.set("cell", static_cast<int>(answer.hint.cell));
    object.set("remaining", answer.hint.remaining);
    object.set("markCell", answer.markCell);
    object.set("change", Change(answer.change));
    return object;
  }

 private:
  static const char* HintStepKey(GameSession::HintStep step) {
    switch (step) {
      case GameSession::HintStep::kCountOnly:
        return "countOnly";
      case GameSession::HintStep::kCostsTheScore:
        return "costsTheScore";
      case GameSession::HintStep::kMark:
        break;
    }
    return "mark";
  }

  // What changed, for the page to draw, and for it to keep: the game in play to store or remove
  // ("saved", "savedGame"), and whether records events wait for ReadRecords().
  val Change(const SessionChange& change) {
    static constexpr const char* kCells[] = {"none", "some", "all", "newBoard"};
    static constexpr const char* kSaved[] = {"unchanged", "save", "remove"};
    val object = val::object();
    object.set("cells", kCells[static_cast<int>(change.cells)]);
    object.set("changed", Array(change.changed));
    object.set("solved", change.solved);
    object.set("won", change.won ? GameObject(*change.won, LocalToday()) : val::null());
    object.set("saved", kSaved[static_cast<int>(change.saved)]);
    object.set("savedGame", change.saved == SessionChange::Saved::kSave
                                ? val(WriteSavedGameJson(change.snapshot, savedRoot_))
                                : val::null());
    unwritten_.insert(unwritten_.end(), change.events.begin(), change.events.end());
    object.set("recordsChanged", !change.events.empty());
    return object;
  }

  GameSession session_;
  std::vector<RecordEvent> unwritten_;  // records events not stored yet, oldest first
  std::size_t judged_ = 0;              // of those, the ones applied to the stored records once
  Json savedRoot_ = Json::object();  // the stored game in play as resumed, for keys not known here
  bool recordsUnreadable_ = false;   // the stored records, as last read
};

}  // namespace
}  // namespace lucen

EMSCRIPTEN_BINDINGS(lucen) {
  using namespace lucen;
  emscripten::function("palette", &Palette);
  emscripten::function("dailyCode", &DailyCode);
  emscripten::function("findGameCode", &FindCode);
  emscripten::function("readGameCode", &ReadCodeObject);
  emscripten::function("limits", &Limits);
  emscripten::class_<WebSession>("Session")
      .constructor<>()
      .function("state", &WebSession::State)
      .function("press", &WebSession::Press)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("restart", &WebSession::Restart)
      .function("reset", &WebSession::Reset)
      .function("turnBlack", &WebSession::TurnBlack)
      .function("chooseSize", &WebSession::ChooseSize)
      .function("chooseColourCount", &WebSession::ChooseColourCount)
      .function("start", &WebSession::Start)
      .function("startNew", &WebSession::StartNew)
      .function("startDaily", &WebSession::StartDaily)
      .function("replayAsPractice", &WebSession::ReplayAsPractice)
      .function("solutionRoute", &WebSession::SolutionRoute)
      .function("askHint", &WebSession::AskHint)
      .function("readRecords", &WebSession::ReadRecords)
      .function("recordsKept", &WebSession::RecordsKept)
      .function("importRecords", &WebSession::ImportRecords)
      .function("exportRecords", &WebSession::ExportRecords)
      .function("resume", &WebSession::Resume)
      .function("records", &WebSession::RecordsShown)
      .function("month", &WebSession::Month)
      .function("today", &WebSession::Today)
      .function("startPastDay", &WebSession::StartPastDay);
}
