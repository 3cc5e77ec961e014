#include "progress/game_session.h"

#include <algorithm>

#include "board/numbered_game.h"
#include "progress/daily_game.h"

namespace lucen {
namespace {

// Whether `game` still stands for the game of its day on `today`: a clock that ran ahead, or a
// saved game whose date matches neither its code nor the clock, counts for no streak.
bool CountsForStreak(const GameInPlay& game, const CalendarDate& today) {
  return game.daily && *game.daily == today && IsValid(today) && DailyGame(today) == game.id;
}

}  // namespace

GameSession::GameSession(std::function<CalendarDate()> today) : today_(std::move(today)) {}

SessionChange GameSession::Press(std::size_t cell) {
  const MoveResult move = board_.Press(cell);  // refuses a cell off the board before any count
  if (game_) game_->CountPress();
  return AfterMove(move);
}

SessionChange GameSession::Undo() {
  return AfterMove(board_.Undo());
}

SessionChange GameSession::Redo() {
  if (game_ && board_.CanRedo()) game_->CountPress();
  return AfterMove(board_.Redo());
}

SessionChange GameSession::AfterMove(const MoveResult& move) {
  SessionChange change;
  if (move.changed.empty()) return change;
  remainingTold_.reset();
  change.cells = SessionChange::Cells::kSome;
  change.changed = move.changed;
  change.solved = move.solved;
  if (!move.solved) {
    Save(change);
    return change;
  }
  if (game_) {
    GameInPlay won = *game_;
    // A game of the day won after its day scores as any numbered game: no date, no streak.
    if (won.scoring && !CountsForStreak(won, today_())) won.daily.reset();
    change.won = won;
    if (won.scoring) Record(RecordEvent::Win(won), change);
    EndGame(change);
  }
  return change;
}

GameSession::HintStep GameSession::NextHint() const {
  if (!game_ || !game_->scoring) return HintStep::kMark;
  return game_->countTold ? HintStep::kCostsTheScore : HintStep::kCountOnly;
}

GameSession::HintAnswer GameSession::AskHint() {
  HintAnswer answer{HintFor(board_), false, {}};
  if (NextHint() == HintStep::kCountOnly) {
    game_->countTold = true;
    Save(answer.change);
  } else {
    answer.markCell = true;
    MakePractice(answer.change);
  }
  if (game_ && answer.hint.kind == Hint::Kind::kPress) remainingTold_ = answer.hint.remaining;
  return answer;
}

bool GameSession::WouldAbandonScore() const {
  return game_ && game_->scoring && game_->pressesUsed > 0;
}

SessionChange GameSession::Restart() {
  SessionChange change;
  if (!game_) return change;
  board_.Start(MakeGame(game_->id).start);
  game_->Restart();
  remainingTold_.reset();
  change.cells = SessionChange::Cells::kAll;
  Save(change);
  return change;
}

SessionChange GameSession::Start(const GameId& id) {
  return StartGame(id, std::nullopt, Play::kAsRecorded);
}

SessionChange GameSession::StartNew(Level level, std::uint64_t seed) {
  const int number = NumberForLevel(board_.Size(), board_.ColourCount(), level, seed);
  return StartGame({board_.Size(), board_.ColourCount(), number}, std::nullopt, Play::kAsRecorded);
}

SessionChange GameSession::StartDaily() {
  const CalendarDate today = today_();
  return StartGame(DailyGame(today), today, Play::kAsRecorded);
}

SessionChange GameSession::StartPastDay(const CalendarDate& day) {
  const CalendarDate today = today_();
  if (day == today) return StartDaily();
  if (!IsValid(day) || !(day < today)) return {};
  // Practice that the records never see: no board counts it as played, and the calendar's first
  // day stays the first game of the day played on its own day.
  return StartGame(DailyGame(day), day, Play::kAsPractice);
}

SessionChange GameSession::ReplayAsPractice(const GameId& id) {
  return StartGame(id, std::nullopt, Play::kAsPractice);
}

SessionChange GameSession::StartGame(const GameId& id, std::optional<CalendarDate> daily,
                                     Play play) {
  NumberedGame made = MakeGame(id);  // refuses an id out of range before anything changes
  SessionChange change;
  change.cells =
      id.size != board_.Size() ? SessionChange::Cells::kNewBoard : SessionChange::Cells::kAll;
  if (id.size != board_.Size()) board_.Resize(id.size);
  if (id.colourCount != board_.ColourCount()) board_.ChangeColourCount(id.colourCount);
  board_.Start(std::move(made.start));
  // Only the first play of a code scores; the records know the codes already started.
  const bool firstPlay = play == Play::kAsRecorded && !records_.Played().Contains(id);
  if (play != Play::kAsPractice) Record(RecordEvent::Start(id, firstPlay, daily), change);
  remainingTold_.reset();
  game_ = GameInPlay{id, made.fewest, 0, firstPlay, daily};
  Save(change);
  return change;
}

SessionChange GameSession::Resume(const SavedGame& saved) {
  auto rebuilt = Rebuild(saved);
  SessionChange change;
  if (!rebuilt) return change;
  change.cells = rebuilt->first.Size() != board_.Size() ? SessionChange::Cells::kNewBoard
                                                        : SessionChange::Cells::kAll;
  board_ = std::move(rebuilt->first);
  game_ = rebuilt->second;
  remainingTold_.reset();
  if (game_->daily && DailyGame(*game_->daily) != game_->id) game_->daily.reset();
  if (records_.Won().Contains(game_->id)) MakePractice(change);
  return change;
}

SessionChange GameSession::ChooseSize(int size) {
  SessionChange change;
  board_.Resize(size);  // refuses a size out of range before the game ends
  EndGame(change);
  change.cells = SessionChange::Cells::kNewBoard;
  return change;
}

SessionChange GameSession::ChooseColourCount(int colourCount) {
  SessionChange change;
  board_.ChangeColourCount(colourCount);
  EndGame(change);
  change.cells = SessionChange::Cells::kAll;
  return change;
}

SessionChange GameSession::Reset() {
  SessionChange change;
  board_.Reset();
  EndGame(change);
  change.cells = SessionChange::Cells::kAll;
  return change;
}

SessionChange GameSession::TurnBlack() {
  board_.TurnBlack();
  SessionChange change;
  change.cells = SessionChange::Cells::kAll;
  return change;
}

SessionChange GameSession::RecordsRead(const Records& records,
                                       const std::vector<GameId>& notFirstPlays) {
  records_ = records;
  SessionChange change;
  if (game_ &&
      (records_.Won().Contains(game_->id) ||
       std::find(notFirstPlays.begin(), notFirstPlays.end(), game_->id) != notFirstPlays.end())) {
    MakePractice(change);
  }
  return change;
}

void GameSession::MakePractice(SessionChange& change) {
  if (!game_ || !game_->scoring) return;
  game_->scoring = false;
  Save(change);
}

void GameSession::EndGame(SessionChange& change) {
  if (!game_) return;
  game_.reset();
  remainingTold_.reset();
  change.saved = SessionChange::Saved::kRemove;
}

void GameSession::Save(SessionChange& change) const {
  if (!game_) return;
  if (std::optional<SavedGame> snapshot = Snapshot(board_, *game_)) {
    change.saved = SessionChange::Saved::kSave;
    change.snapshot = std::move(*snapshot);
  } else {
    change.saved = SessionChange::Saved::kRemove;  // too long to save: no older point of it
  }
}

void GameSession::Record(const RecordEvent& event, SessionChange& change) {
  records_.Apply(event);
  change.events.push_back(event);
}

}  // namespace lucen
