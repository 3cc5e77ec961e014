#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "board/board.h"
#include "tests/e2e/support/running_game.h"
#include "tests/support/boards.h"

namespace lucen::e2e {

using testing::After;
using testing::SolutionFromBlack;

// A test with the game started on its own X server. On failure it leaves a picture of the
// screen, "<suite>.<test>.png", in the working folder and shows what the game wrote on stderr.
// A sanitizer report from the game fails the test in any case.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { game = std::make_unique<RunningGame>(Options()); }
  void TearDown() override;
  virtual GameOptions Options() const { return {}; }

  std::unique_ptr<RunningGame> game;
};

// A test that starts past the about window, with the main window on the screen.
class PastTheAboutWindowTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    main = game->PassAboutWindow();
  }

  TopLevel main;
};

// Waits until the game shows `board`; fails unless it does, naming every cell that differs.
::testing::AssertionResult Shows(RunningGame& game, const Board& board);
// Presses cell `index` (from 1) on the model and clicks it in the game; then as Shows.
::testing::AssertionResult Play(RunningGame& game, Board& board, int index);

// Whether the about window has handled every event sent so far and is the only window shown.
::testing::AssertionResult AboutAloneAndAnswering(RunningGame& game, const TopLevel& about);
// Closes the about window with a click on its background; whether it went and the main window
// came.
::testing::AssertionResult ClickAboutAway(RunningGame& game, const TopLevel& about);

// Whether the main window shows an all-black N x N board exactly where the twips layout puts it:
// each face black with the light bevel on its first pixel and the dark one on its last. Waits for
// it first.
::testing::AssertionResult CellsAt(RunningGame& game, int size);

}  // namespace lucen::e2e
