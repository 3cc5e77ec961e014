#pragma once

#include <QMainWindow>
#include <functional>

#include "board/board.h"
#include "player_files/records_file.h"
#include "player_files/saved_game_file.h"
#include "progress/calendar_date.h"
#include "progress/game_in_play.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMessageBox;

namespace lucen {

class BoardView;
class DesktopShell;

// The game's main window (object name "Form1"): the board and the menus "Juego" and "Ayuda". It
// is the only window that lives for the whole run; it forwards the player's commands to the board
// and shows the result.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(DesktopShell& shell, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up, before the window is first shown: a black 5 x 5 board under two colours, then the
  // about window, shown modally; returns once the player has closed it.
  void StartUp();
  void ShowCentred();
  // Plays the numbered game `id`, switching to its size and colour count; `daily` is its day when
  // it is the game of that day. It scores only when it is the game's first play.
  void StartGame(const GameId& id, std::optional<CalendarDate> daily = std::nullopt);
  // Plays today's game of the day.
  void StartDailyGame();
  // Brings back the numbered game in play when the program last closed, if there was one; a saved
  // game that cannot be read is set aside, and the board stays as it is.
  void ResumeSavedGame();

  // What ends the program when the window closes; tests replace it.
  void SetProgramEnd(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }
  // What tells the player's date; tests replace it.
  void SetCalendar(std::function<CalendarDate()> today) { today_ = std::move(today); }
  // Waits, at most `msecs`, for the player's files to be written; false when some are still to be.
  bool WaitForFiles(int msecs);

  const Board& GameBoard() const { return board_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                      void (MainWindow::*command)(), const QList<QKeySequence>& shortcuts = {});
  // Runs a command of the player unless a modal window is up.
  void Run(const std::function<void()>& command);
  QAction* AddChoice(QMenu* menu, QActionGroup* group, const QString& name, const QString& caption,
                     int value, bool checked);
  // A fresh board on the view, its cells named as the design names them.
  void BuildBoard();
  // A fresh black board of `size`, as a size choice makes it.
  void ResizeBoard(int size);
  // Shows what a press, an undo or a redo changed, and the win when it solved the board.
  void ShowMove(const MoveResult& move);
  // Shows the whole board after a reset, a clear or a new colour count.
  void ShowBoard();
  // The check marks of the size and colour items, from the board.
  void ShowChoices();
  void UpdateUndoRedo();
  void AnnounceWin();
  // The line under the board and the restart command, from the numbered game in play.
  void ShowGameLine();
  // Writes the numbered game in play for the next start, or forgets it when there is none.
  void KeepGame();
  // No numbered game in play any more: the design's own game goes on, and is never kept.
  void EndGame();
  // Adds the line that says so to the win message up, when a win could not be written.
  void ShowWinKept(WinOutcome outcome);

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
  void NewGame();
  void ChooseGame();
  void RestartGame();
  void OpenRecords();
  void EndProgram();

  DesktopShell& shell_;
  std::function<void()> endProgram_;
  std::function<CalendarDate()> today_;
  Board board_{5, 2};
  std::optional<GameInPlay> game_;  // the numbered game in play, if any
  RecordsFile records_;
  SavedGameFile savedGame_;
  BoardView* view_ = nullptr;
  QLabel* gameLine_ = nullptr;
  QMessageBox* winMessage_ = nullptr;  // while a numbered game's win message is up
  QAction* restartAction_ = nullptr;
  QActionGroup* sizes_ = nullptr;
  QActionGroup* colours_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* symbolsAction_ = nullptr;
};

}  // namespace lucen
