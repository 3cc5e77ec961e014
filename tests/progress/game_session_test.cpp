// The game session: what each command of the player means for the numbered game in play, the
// records and the saved game, whatever screen gives it. The records on "disk" are the events the
// session handed out, applied to lucen::Records; the fewest presses come from the solver.
#include "progress/game_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "board/game_code.h"
#include "board/numbered_game.h"
#include "board/solver.h"
#include "progress/daily_game.h"

namespace lucen {
namespace {

constexpr CalendarDate kDay{2026, 12, 9};
constexpr GameId kGameA{6, 2, 424242};
constexpr GameId kGameB{7, 3, 123456};

// A session played as a screen plays it, with the player's files kept in memory: the records as
// the events make them, and the saved game as the changes leave it.
struct Player {
  CalendarDate today = kDay;
  Records disk;
  std::optional<SavedGame> saved;
  std::vector<GameId> notFirstPlays;  // starts that the disk shows were not first plays
  std::optional<GameInPlay> won;      // the last win told
  GameSession session{[this] { return today; }};
  bool losesSavedGameRemoval = false;  // a kill just before the saved game goes

  void Take(const SessionChange& change) {
    for (const RecordEvent& event : change.events) {
      if (!disk.Apply(event) && event.kind == RecordEvent::Kind::kStart && event.game.scoring) {
        notFirstPlays.push_back(event.game.id);
      }
    }
    if (change.saved == SessionChange::Saved::kSave) saved = change.snapshot;
    if (change.saved == SessionChange::Saved::kRemove && !losesSavedGameRemoval) saved.reset();
    if (change.won) won = change.won;
    if (change.solved) Take(session.TurnBlack());
  }
  // Wins from the position in the fewest presses.
  void Win() {
    const Board& board = session.GameBoard();
    const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps()).value();
    for (std::size_t cell = 0; cell < presses.size(); ++cell) {
      for (int i = 0; i < presses[cell]; ++i) Take(session.Press(cell));
    }
  }
  // The next start of the program: a new session that reads the records, then the saved game.
  void ComeBack() {
    session = GameSession([this] { return today; });
    Take(session.RecordsRead(disk, {}));
    if (saved) Take(session.Resume(*saved));
  }
  void Play(const std::string& script) {
    for (const char step : script) {
      switch (step) {
        case 'a':
          Take(session.Start(kGameA));
          break;
        case 'b':
          Take(session.Start(kGameB));
          break;
        case 'd':
          Take(session.StartDaily());
          break;
        case 'P':
          Take(session.StartPastDay(AddDays(today, -3)));
          break;
        case 'p':
          Take(session.Press(0));
          break;
        case 'u':
          Take(session.Undo());
          break;
        case 'r':
          Take(session.Redo());
          break;
        case 'h':
          Take(session.AskHint().change);
          break;
        case 'R':
          Take(session.Restart());
          break;
        case 'w':
          Win();
          break;
        case 'k':
          losesSavedGameRemoval = true;
          break;
        case 'q':
          ComeBack();
          break;
        case '>':
          today = AddDays(today, 1);
          break;
        case 'z':
          Take(session.ChooseSize(9));
          break;
        case 'c':
          Take(session.ChooseColourCount(4));
          break;
        case 'x':
          Take(session.Reset());
          break;
        default:
          FAIL() << "no such step " << step;
      }
    }
  }
};

TEST(GameSession, OnlyAFirstPlayWonWithoutHintOrRestartScores) {
  struct Case {
    const char* script;
    int played, won;
    std::optional<int> best;
  };
  const Case cases[] = {
      {"aw", 1, 1, 0},
      {"apuruw", 1, 1, 2},  // a press, its undo, a redo and its undo: the redo counts too
      {"ahw", 1, 1, 0},     // the first hint only tells how many presses remain
      {"ahhw", 1, 0, {}},   // the next one shows a cell
      {"aRw", 1, 0, {}},    // a restart
      {"awaw", 1, 1, 0},    // a second start of the same code
      {"abw", 2, 1, 0},     // another code abandoned, the second won
      {"apuqw", 1, 1, 1},   // closed and come back: still scoring, every press counted
      {"akwqw", 1, 1, 0},   // a kill before the saved game went: the same win never counts twice
      {"apzw", 1, 0, {}},   // a size choice ends the game: the design's board is no game
      {"apcaw", 1, 0, {}},  // so does a colour choice, and the code is then a replay
      {"apxbw", 2, 1, 0},   // and Reset
      {"Pw", 0, 0, {}},     // an earlier day's game is practice, unseen by the records
  };
  for (const Case& c : cases) {
    Player player;
    player.Play(c.script);
    int played = 0, won = 0;
    std::optional<int> best;
    for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        const BoardRecord& record = player.disk.At(size, colours);
        played += record.played;
        won += record.won;
        if (record.best) best = record.best;
      }
    }
    EXPECT_EQ(std::tuple(played, won, best), std::tuple(c.played, c.won, c.best)) << c.script;
    EXPECT_EQ(player.session.KnownRecords(), player.disk) << c.script;
  }
}

TEST(GameSession, TheGameInPlayCountsItsPressesAndIsSavedUntilItEnds) {
  struct Case {
    const char* script;
    bool inPlay;
    int presses;  // below 0: that many short of the fewest
    bool scoring;
  };
  const Case cases[] = {
      {"a", true, 0, true},      {"apu", true, 1, true},   {"apur", true, 2, true},
      {"apuu", true, 1, true},   {"apR", true, 0, false},  {"aphh", true, 1, false},
      {"apupq", true, 2, true},  {"aw", false, 0, false},  {"awq", false, 0, false},
      {"apz", false, 0, false},  {"apc", false, 0, false}, {"apx", false, 0, false},
      {"akwq", true, -1, false},  // back one press short of the win, which has scored already
      {"aqqq", true, 0, true},
  };
  for (const Case& c : cases) {
    Player player;
    player.Play(c.script);
    const std::optional<GameInPlay>& game = player.session.Game();
    ASSERT_EQ(game.has_value(), c.inPlay) << c.script;
    EXPECT_EQ(player.saved.has_value(), c.inPlay) << c.script;
    if (!game) continue;
    EXPECT_EQ(game->fewest, MakeGame(game->id).fewest);
    const int presses = c.presses < 0 ? game->fewest + c.presses : c.presses;
    EXPECT_EQ(std::tuple(game->pressesUsed, game->scoring), std::tuple(presses, c.scoring))
        << c.script;
    const auto rebuilt = Rebuild(*player.saved);
    ASSERT_TRUE(rebuilt) << c.script;
    EXPECT_EQ(rebuilt->first.Steps(), player.session.GameBoard().Steps()) << c.script;
    EXPECT_EQ(rebuilt->second, *game) << c.script;
  }
}

TEST(GameSession, TheGameOfTheDayCountsForTheStreakOnlyOnItsOwnDay) {
  // The streak after the script, and whether its last win is told as a game of the day.
  const std::tuple<const char*, int, bool> cases[] = {
      {"dw", 1, true},     {"dhhw", 0, true},
      {"d>w", 0, false},    // won after midnight: a win, told as no longer the day's
      {"dw>dw", 2, true},   // two days in a row
      {"dpq>w", 0, false},  // resumed on a later day
      {"dw>>dw", 1, true},  // a day missed
      {"dwdw", 1, true},    // the same day twice
      {"dwPw", 1, true},    // an earlier day's game touches no streak
  };
  for (const auto& [script, streak, dated] : cases) {
    Player player;
    player.Play(script);
    EXPECT_EQ(player.disk.DailyStreak().current, streak) << script;
    EXPECT_EQ(player.won->daily.has_value(), dated) << script;
  }
  Player player;
  player.Play("d");
  EXPECT_EQ(player.session.Game()->id, DailyGame(kDay));
  EXPECT_EQ(player.session.Game()->daily, kDay);
  player.Play("P");
  EXPECT_EQ(player.disk.FirstDailyDay(), kDay) << "the calendar starts on the day's own game";
  const CalendarDate earlier = AddDays(kDay, -3);
  EXPECT_EQ(std::pair(player.session.Game()->id, player.session.Game()->daily),
            std::pair(DailyGame(earlier), std::optional(earlier)));
  EXPECT_TRUE(player.session.StartPastDay(AddDays(kDay, 1)).cells == SessionChange::Cells::kNone)
      << "a day after today cannot be played";
  EXPECT_TRUE(player.session.StartPastDay({0, 12, 13}).cells == SessionChange::Cells::kNone)
      << "nor a date before 1 January of year 1, which no calendar shows";
  EXPECT_EQ(player.session.Game()->id, DailyGame(earlier));
}

TEST(GameSession, StarsStepHintsAndTheAbandonRuleWarnsBeforeAScoreIsLost) {
  const std::tuple<int, int, int> stars[] = {
      {18, 18, 3}, {18, 19, 2}, {18, 23, 2}, {18, 24, 1}, {21, 27, 2}, {21, 28, 1},
      {20, 25, 2}, {20, 26, 1}, {5, 7, 2},   {5, 8, 1},   {1, 2, 2},   {1, 3, 1},
  };
  for (const auto& [fewest, presses, expected] : stars) {
    EXPECT_EQ(StarsFor(presses, fewest), expected) << presses << " for " << fewest;
  }

  using Step = GameSession::HintStep;
  struct Case {
    const char* script;
    Step next;
    bool abandonAsks;
    bool countTold;  // the line shows how many presses remain
    bool scoring;
  };
  const Case cases[] = {
      {"", Step::kMark, false, false, false},  // the design's own game
      {"a", Step::kCountOnly, false, false, true},
      {"ap", Step::kCountOnly, true, false, true},
      {"aph", Step::kCostsTheScore, true, true, true},
      {"aphp", Step::kCostsTheScore, true, false, true},  // a move makes the count old
      {"aphq", Step::kCostsTheScore, true, false, true},  // the free hint is used for good
      {"aphh", Step::kMark, false, true, false},
      {"apR", Step::kMark, false, false, false},
      {"awa", Step::kMark, false, false, false},  // a replay
  };
  for (const Case& c : cases) {
    Player player;
    player.Play(c.script);
    const GameSession& session = player.session;
    EXPECT_EQ(session.NextHint(), c.next) << c.script;
    EXPECT_EQ(session.WouldAbandonScore(), c.abandonAsks) << c.script;
    EXPECT_EQ(session.Game() && session.Game()->scoring, c.scoring) << c.script;
    ASSERT_EQ(session.RemainingTold().has_value(), c.countTold) << c.script;
    if (c.countTold) {
      const Board& board = session.GameBoard();
      const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps()).value();
      EXPECT_EQ(*session.RemainingTold(), std::accumulate(presses.begin(), presses.end(), 0));
    }
  }

  Player player;
  player.Play("apuw");
  const SessionChange replay = player.session.ReplayAsPractice(kGameA);
  EXPECT_TRUE(replay.events.empty()) << "watching the solution changes no record";
  EXPECT_FALSE(player.session.Game()->scoring);
  Board board = player.session.GameBoard();
  for (const std::size_t cell : player.session.SolutionRoute()) board.Press(cell);
  EXPECT_TRUE(board.Solved());
  EXPECT_EQ(player.session.SolutionRoute().size(), std::size_t(MakeGame(kGameA).fewest));
}

// Another copy of the game, or records not read yet, can make a start that looked like a first
// play a replay: the game turns to practice as soon as the records say so.
TEST(GameSession, AStartThatTheRecordsShowWasNoFirstPlayTurnsToPractice) {
  Player first, second;
  first.Play("a");
  second.disk = first.disk;  // the file they share
  second.Play("a");          // before the second copy has read the records
  ASSERT_EQ(second.notFirstPlays, std::vector<GameId>{kGameA});
  EXPECT_TRUE(second.session.Game()->scoring);
  second.Take(second.session.RecordsRead(second.disk, second.notFirstPlays));
  EXPECT_FALSE(second.session.Game()->scoring);
  EXPECT_FALSE(second.saved->game.scoring) << "and it comes back as practice";
}

TEST(GameSession, TheDesignsOwnCommandsShapeTheBoardAsTheBoardModelDoes) {
  Player player;
  Board model(Board::kMinSize, Board::kMinColours);
  player.Play("pp");
  model.Press(0);
  model.Press(0);
  EXPECT_EQ(player.session.GameBoard().Steps(), model.Steps());
  const SessionChange sized = player.session.ChooseSize(7);
  model.Resize(7);
  EXPECT_EQ(sized.cells, SessionChange::Cells::kNewBoard);
  EXPECT_EQ(player.session.GameBoard().Steps(), model.Steps());
  EXPECT_THROW(player.session.ChooseSize(10), std::invalid_argument);
  EXPECT_THROW(player.session.Start({7, 3, 0}), std::invalid_argument);
  EXPECT_EQ(player.session.GameBoard().Size(), 7) << "a refused command changes nothing";
  const SessionChange started = player.session.Start(kGameB);
  EXPECT_EQ(started.cells, SessionChange::Cells::kAll) << "the same size: no new cells";
  EXPECT_EQ(GameCode(player.session.Game()->id), "7x7-3-123456");
}

}  // namespace
}  // namespace lucen
