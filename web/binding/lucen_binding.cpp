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
#include "progress/game_session.h"
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

val Limits() {
  val limits = val::object();
  limits.set("minSize", Board::kMinSize);
  limits.set("maxSize", Board::kMaxSize);
  limits.set("minColours", Board::kMinColours);
  limits.set("maxColours", Board::kMaxColours);
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

  static val Change(const SessionChange& change) {
    static constexpr const char* kCells[] = {"none", "some", "all", "newBoard"};
    val object = val::object();
    object.set("cells", kCells[static_cast<int>(change.cells)]);
    object.set("changed", Array(change.changed));
    object.set("solved", change.solved);
    object.set("won", change.won ? GameObject(*change.won, LocalToday()) : val::null());
    return object;
  }

  GameSession session_;
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
      .function("askHint", &WebSession::AskHint);
}
