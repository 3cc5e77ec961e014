#include "web/binding/web_session.h"

#include <cstdint>

#include "board/hint.h"
#include "progress/saved_game_json.h"
#include "progress/streak.h"
#include "web/binding/js_values.h"

namespace lucen {

namespace {

const char* HintStepKey(GameSession::HintStep step) {
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

}  // namespace

WebSession::WebSession() : session_(LocalToday) {}

val WebSession::State() const {
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
  state.set("remaining", OptionalValue(session_.RemainingTold()));
  state.set("wouldAbandonScore", session_.WouldAbandonScore());
  state.set("nextHint", HintStepKey(session_.NextHint()));
  state.set("streak", CurrentAsOf(session_.KnownRecords().DailyStreak(), today));
  return state;
}

val WebSession::Press(int cell) {
  if (cell < 0 || static_cast<std::size_t>(cell) >= session_.GameBoard().CellCount()) {
    return val::null();
  }
  return Change(session_.Press(static_cast<std::size_t>(cell)));
}

val WebSession::Undo() {
  return Change(session_.Undo());
}

val WebSession::Redo() {
  return Change(session_.Redo());
}

val WebSession::Restart() {
  return Change(session_.Restart());
}

val WebSession::Reset() {
  return Change(session_.Reset());
}

val WebSession::TurnBlack() {
  return Change(session_.TurnBlack());
}

val WebSession::ChooseSize(int size) {
  if (size < Board::kMinSize || size > Board::kMaxSize) return val::null();
  return Change(session_.ChooseSize(size));
}

val WebSession::ChooseColourCount(int count) {
  if (count < Board::kMinColours || count > Board::kMaxColours) return val::null();
  return Change(session_.ChooseColourCount(count));
}

val WebSession::Start(const std::string& code) {
  const std::optional<GameId> id = ReadCode(code);
  return id ? Change(session_.Start(*id)) : val::null();
}

val WebSession::StartNew(int level, unsigned seedHigh, unsigned seedLow) {
  if (level < 0 || level > 2) return val::null();
  const std::uint64_t seed = (std::uint64_t{seedHigh} << 32U) | seedLow;
  return Change(session_.StartNew(static_cast<Level>(level), seed));
}

val WebSession::StartDaily() {
  if (!IsValid(LocalToday())) return val::null();
  return Change(session_.StartDaily());
}

val WebSession::StartPastDay(int year, int month, int day) {
  const CalendarDate date{year, month, day};
  if (!IsValid(date) || !IsValid(LocalToday())) return val::null();
  return Change(session_.StartPastDay(date));
}

val WebSession::ReplayAsPractice(const std::string& code) {
  const std::optional<GameId> id = ReadCode(code);
  return id ? Change(session_.ReplayAsPractice(*id)) : val::null();
}

val WebSession::SolutionRoute() const {
  return Array(session_.SolutionRoute());
}

val WebSession::AskHint() {
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

val WebSession::Resume(const std::string& stored) {
  SavedGameDocument read = ReadSavedGameJson(stored);
  if (!read.saved) return val::null();
  savedRoot_ = std::move(read.root);
  return Change(session_.Resume(*read.saved));
}

val WebSession::Change(const SessionChange& change) {
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

}  // namespace lucen
