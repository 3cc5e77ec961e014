#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "board/board.h"
#include "board/hint.h"
#include "progress/calendar_date.h"
#include "progress/game_in_play.h"
#include "progress/records.h"
#include "progress/saved_game.h"

namespace lucen {

// What a command of the player changed, for a screen to draw and for the player's files to write.
struct SessionChange {
  enum class Cells {
    kNone,      // no cell changed
    kSome,      // the cells in `changed`
    kAll,       // any cell may have changed: a start, a reset, a colour count, a restart
    kNewBoard,  // a board of another size: its cells are made afresh
  };
  Cells cells = Cells::kNone;
  std::vector<std::size_t> changed;
  // Every cell light green: the win, which a screen announces before TurnBlack().
  bool solved = false;
  // The numbered game the win ended, as it was won (practice too); nothing for the design's game.
  std::optional<GameInPlay> won;
  // For the records, oldest first.
  std::vector<RecordEvent> events;
  // What the saved game should hold now: unchanged, `snapshot`, or nothing at all.
  enum class Saved { kUnchanged, kSave, kRemove };
  Saved saved = Saved::kUnchanged;
  SavedGame snapshot;
};

// One game being played, whatever screen shows it: the board and the numbered game in play, and
// the rules that decide what a command means for the player's progress. Only a numbered game's
// first play on this computer scores: its first start, won without a hint and without a restart.
// Every press and every redo counts; an undo takes none back. Each command returns what it
// changed; the session itself neither draws nor writes.
class GameSession {
 public:
  // `today` tells the player's date, for the game of the day and its streak.
  explicit GameSession(std::function<CalendarDate()> today);

  const Board& GameBoard() const { return board_; }
  // The numbered game in play, if any: its code, presses, fewest and whether it still scores.
  const std::optional<GameInPlay>& Game() const { return game_; }
  // The records as this session knows them: the last ones read, with its own events applied.
  const Records& KnownRecords() const { return records_; }

  SessionChange Press(std::size_t cell);
  SessionChange Undo();
  SessionChange Redo();

  // What "Pista" does next. In a game that still scores, the first only tells how many presses
  // the fewest route still needs; a later one marks a cell and costs the score, so a screen asks
  // first. Otherwise it marks a cell at once.
  enum class HintStep { kCountOnly, kCostsTheScore, kMark };
  HintStep NextHint() const;
  struct HintAnswer {
    Hint hint;
    bool markCell = false;  // whether to show the player the hint's cell
    SessionChange change;
  };
  HintAnswer AskHint();
  // The presses the fewest route still needs, once a hint has told it; nothing after a move.
  std::optional<int> RemainingTold() const { return remainingTold_; }

  // The numbered game in play back at its start, as practice; nothing without one.
  SessionChange Restart();
  // Whether ending or restarting the game now would give up a first play that still scores and
  // has begun: it would count as played and not won.
  bool WouldAbandonScore() const;

  // Plays numbered game `id` (a chosen code), switching to its size and colour count.
  SessionChange Start(const GameId& id);
  // Plays a game of `level` at the board's size and colour count ("Partida nueva"), its number
  // drawn from `seed`.
  SessionChange StartNew(Level level, std::uint64_t seed);
  // Plays today's game of the day.
  SessionChange StartDaily();
  // Plays the game of an earlier `day` as practice, which the records never see: it never scores,
  // counts as played or touches a streak. Today's is played as StartDaily() plays it; a day after
  // today, or no date at all, changes nothing.
  SessionChange StartPastDay(const CalendarDate& day);
  // Plays on a saved game exactly where it was left; nothing changes when it cannot be rebuilt.
  SessionChange Resume(const SavedGame& saved);
  // Plays `id` again as practice, with no record of it: the start of "Ver solución", whose presses
  // follow SolutionRoute().
  SessionChange ReplayAsPractice(const GameId& id);
  // Every press of a route with the fewest presses from the position, in order.
  std::vector<std::size_t> SolutionRoute() const { return lucen::SolutionRoute(board_); }

  // The design's own commands: each ends a numbered game in play.
  SessionChange ChooseSize(int size);
  SessionChange ChooseColourCount(int colourCount);
  SessionChange Reset();
  // Every cell black after a win has been announced.
  SessionChange TurnBlack();

  // The records as the files now hold them. A game in play that they show has already scored, or
  // whose start another copy made first, is practice from here on.
  SessionChange RecordsRead(const Records& records, const std::vector<GameId>& notFirstPlays);

 private:
  // A start is recorded (a first play scores), or not recorded at all (the replay of "Ver
  // solución", an earlier day's game).
  enum class Play { kAsRecorded, kAsPractice };
  SessionChange StartGame(const GameId& id, std::optional<CalendarDate> daily, Play play);
  // After a press, an undo or a redo: the win, or the game in play saved.
  SessionChange AfterMove(const MoveResult& move);
  // The numbered game in play no longer scores.
  void MakePractice(SessionChange& change);
  // No numbered game any more; its saved form goes.
  void EndGame(SessionChange& change);
  void Save(SessionChange& change) const;
  void Record(const RecordEvent& event, SessionChange& change);

  std::function<CalendarDate()> today_;
  Board board_{Board::kMinSize, Board::kMinColours};
  std::optional<GameInPlay> game_;
  std::optional<int> remainingTold_;
  Records records_;
};

}  // namespace lucen
