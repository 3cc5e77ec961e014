#pragma once

#include <QMainWindow>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>

#include "board/board.h"
#include "main_window/board_view.h"

class QAction;
class QLabel;
class QMenu;

namespace lucen {

class CellButton;
class HistoryList;
class DesktopShell;

// The game's main window: the board, the hidden move history and board area, and the menus
// "Juego" and "Ayuda". It is the only window that lives for the whole run.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(DesktopShell& shell, QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up, before the window is first shown: the size items, the defaults, the board, and the
  // about window, shown modally; returns once the player has closed it.
  void Form_Load();
  // Shows the window for the first time, centred on its screen.
  void ShowCentred();

  // Menu commands.
  void MnuTam_Click(std::int16_t Index);
  void MnuC_Click(std::int16_t Index);
  void MnuReset_Click();
  void MQuien_Click();
  void MnuInfo_Click();

  // What ends the program when the window closes; tests replace it.
  void SetProgramEnd(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

  const Board& GameBoard() const { return board_; }
  Board& GameBoard() { return board_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<BoardView> CreateDesign();
  void CreateMenus();
  // Builds the board for BoardCols x BoardRows and puts the keyboard focus on its first cell.
  void BuildBoard();
  void Form_Unload();

  DesktopShell& shell_;
  std::function<void()> endProgram_;

  // The design's controls.
  CellButton* templateCell_ = nullptr;  // Command1(0)
  HistoryList* List1 = nullptr;
  QLabel* Label2 = nullptr;

  // The menu tree.
  QMenu* MnuGame = nullptr;
  QAction* MnuReset = nullptr;
  QAction* sep1 = nullptr;
  QMenu* MnuT = nullptr;
  QVector<QAction*> MnuTam;
  QMenu* MnuColor = nullptr;
  QVector<QAction*> MnuC;
  QMenu* MnuHelpp = nullptr;
  QAction* MQuien = nullptr;
  QAction* MnuInfo = nullptr;

  std::unique_ptr<BoardView> view_;
  Board board_;
};

}  // namespace lucen
