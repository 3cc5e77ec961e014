#pragma once

#include <QMainWindow>
#include <functional>

#include "board/board.h"
#include "player_files/records_file.h"
#include "player_files/saved_game_file.h"
#include "progress/calendar_date.h"
#include "progress/game_in_play.h"
#include "progress/game_session.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScreen;

namespace lucen {

class BoardView;
class DesktopShell;
class SolutionPlayer;
class WinMessage;

// The game's main window (object name "Form1"): the board and the menus "Juego" and "Ayuda". It
// is the only window that lives for the whole run; it forwards the player's commands to the game
// session, draws what they changed and hands the session's records and saved game to the files.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(DesktopShell& shell, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up, before the window is first shown: a black 5 x 5 board under two colours, then the
  // about window, shown modally; returns once the player has closed it.
  void StartUp();
  void ShowCentred();
  // Plays the numbered game `id`, switching to its size and colour count.
  void StartGame(const GameId& id);
  // Plays today's game of the day.
  void StartDailyGame();
  // Brings back the numbered game in play when the program last closed, if there was one; a saved
  // game that cannot be read is set aside, and the board stays as it is.
  void ResumeSavedGame();

  // What ends the program when the window closes; tests replace it.
  void SetProgramEnd(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }
  // What tells the player's date; tests replace it.
  void SetCalendar(std::function<CalendarDate()> today) { today_ = std::move(today); }
  const GameSession& Session() const { return session_; }
  // Waits, at most `msecs`, for the player's files to be written; false when some are still to be.
  bool WaitForFiles(int msecs);

  const Board& GameBoard() const { return session_.GameBoard(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A window grown where it stands (a longer line under the board) moves the least it takes to
  // stay on the screen.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateMenus();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                      void (MainWindow::*command)(), const QList<QKeySequence>& shortcuts = {});
  // Runs a command of the player unless a modal window is up.
  void Run(const std::function<void()>& command);
  QAction* AddChoice(QMenu* menu, QActionGroup* group, const QString& name, const QString& caption,
                     int value);
  // A fresh board on the view, its cells named as the design names them.
  void BuildBoard();
  // Draws what a command of the session changed, hands its records and saved game to the files,
  // and announces the win when it solved the board.
  void Show(const SessionChange& change);
  // The check marks of the size and colour items, from the board.
  void ShowChoices();
  void UpdateUndoRedo();
  void AnnounceWin(const std::optional<GameInPlay>& won);
  // Whether a command may end or restart the game in play: a first play that still scores is left
  // only once the player says so (unless told not to ask).
  bool MayLeaveScore();
  void CentreOnDesignArea();
  // The line under the board and the restart command, from the numbered game in play.
  void ShowGameLine();
  // Adds the line that says so to the win message up, when a win could not be written.
  void ShowWinOutcome(WinOutcome outcome);

  // The player's commands, each named for what it does; the menu item or cell that gives it keeps
  // the design's object name (README: "Design names").
  void PressCell(int cell);
  void ChooseSize(int size);
  void ChooseColourCount(int colourCount);
  void ResetBoard();
  void ShowHowToPlay();
  void ShowAbout();
  void Undo();
  void Redo();
  void ShowHint();
  void ShowSymbols(bool shown);
  void ShowAnimations(bool shown);
  void ChooseLevel(Level level);
  void ChooseZoom(int percent);
  void ZoomIn();
  void ZoomOut();
  // Only the zooms at which the window fits the screen's free area can be chosen.
  void EnableZoomsThatFit();
  // The zooms that fit follow the screen the window is on, and that screen's free area.
  void WatchScreen(QScreen* screen);
  void NewGame();
  void ChooseGame();
  void ChoosePastDay();
  void RestartGame();
  void OpenRecords();
  // Tells the player how carrying the records to or from the file at `path` went.
  void TellCarried(bool imported, bool done, const QString& path);
  void EndProgram();

  DesktopShell& shell_;
  std::function<void()> endProgram_;
  std::function<CalendarDate()> today_;
  GameSession session_;
  RecordsFile records_;
  SavedGameFile savedGame_;
  BoardView* view_ = nullptr;
  QLabel* gameLine_ = nullptr;
  WinMessage* winMessage_ = nullptr;    // while a numbered game's win message is up
  SolutionPlayer* solution_ = nullptr;  // plays the solution after "Ver solución"
  bool askBeforeHint_ = true;           // before a hint that costs the score
  bool askBeforeLeaving_ = true;        // before a command that leaves a scored first play
  bool notSaved_ = false;               // the game in play cannot be saved for the next start
  Level level_ = Level::kNormal;        // of "Partida nueva"
  int zoom_ = 100;                      // of the whole window, in percent
  QFont lineFont_;                      // of the line under the board at 100%
  static constexpr int kZooms[] = {100, 150, 200};  // of "Ampliación", in percent
  QMetaObject::Connection screenWatch_;             // to the free area of the window's screen
  QAction* restartAction_ = nullptr;
  QActionGroup* sizes_ = nullptr;
  QActionGroup* colours_ = nullptr;
  QActionGroup* levels_ = nullptr;
  QActionGroup* zooms_ = nullptr;
  QAction* zoomInAction_ = nullptr;
  QAction* zoomOutAction_ = nullptr;
  QAction* animationsAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* symbolsAction_ = nullptr;
};

}  // namespace lucen
