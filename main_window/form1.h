#pragma once

#include <QMainWindow>
#include <functional>

#include "board/board.h"
#include "board/game_in_play.h"
#include "platform/records_file.h"

class QAction;
class QActionGroup;
class QMenu;

namespace lucen {

class BoardView;
class DesktopShell;

// The game's main window: the board and the menus "Juego" and "Ayuda". It is the only window that
// lives for the whole run; it forwards the player's commands to the board and shows the result.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(DesktopShell& shell, QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up, before the window is first shown: a black 5 x 5 board under two colours, then the
  // about window, shown modally; returns once the player has closed it.
  void Form_Load();
  // Shows the window for the first time, centred on its screen.
  void ShowCentred();
  // Plays the numbered game `id`, switching to its size and colour count.
  void StartGame(const GameId& id);

  // What ends the program when the window closes; tests replace it.
  void SetProgramEnd(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

  const Board& GameBoard() const { return board_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                      void (Form1::*command)(), const QList<QKeySequence>& shortcuts = {});
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

  void Command1_Click(int cell);
  void MnuTam_Click(int size);
  void MnuC_Click(int colourCount);
  void MnuReset_Click();
  void MQuien_Click();
  void MnuInfo_Click();
  void MnuDeshacer_Click();
  void MnuRehacer_Click();
  void MnuPista_Click();
  void MnuSimbolos_Click(bool shown);
  void MnuPartidaNueva_Click();
  void MnuElegirPartida_Click();
  void MnuRecords_Click();
  void Form_Unload();

  DesktopShell& shell_;
  std::function<void()> endProgram_;
  Board board_{5, 2};
  std::optional<GameInPlay> game_;  // the numbered game in play, if any
  RecordsFile records_;
  BoardView* view_ = nullptr;
  QActionGroup* sizes_ = nullptr;
  QActionGroup* colours_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* symbols_ = nullptr;
};

}  // namespace lucen
