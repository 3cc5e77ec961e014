#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "tests/e2e/support/game_session.h"

namespace lucen::e2e {

// A test with the game started on its own X server. On failure it leaves a picture of the
// screen, "<suite>.<test>.ppm", in the working folder and shows what the game wrote on stderr.
// A sanitizer report from the game fails the test in any case.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { game = std::make_unique<GameSession>(Options()); }
  void TearDown() override;
  virtual GameOptions Options() const { return {}; }

  std::unique_ptr<GameSession> game;
};

// A test that starts past the about window, with the main window on the screen.
class MainWindowTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    main = game->PassAboutWindow();
  }

  TopLevel main;
};

// The cells a move on `index` of an N x N board acts on: the cell and its neighbours above,
// below, left and right that lie on the board.
std::set<int> PlusGroup(int size, int index);

// One step of the two-colour cycle: black and light green in turn.
inline Rgb TwoColourStep(Rgb colour) {
  return colour == kBlack ? kLightGreen : kBlack;
}

// The board after a move on `index`, each cell of the group stepped with `next`.
std::vector<Rgb> AfterMove(const std::vector<Rgb>& before, int size, int index, Rgb (*next)(Rgb));

// Every cell (element 0 unused) of an N x N board showing `colour`.
std::vector<Rgb> Uniform(int size, Rgb colour);

// Readable board, for failure messages: one row per line.
std::string Describe(const std::vector<Rgb>& cells, int size);

// Fails the test unless the board shows exactly `expected`, naming every cell that differs.
::testing::AssertionResult BoardIs(const std::vector<Rgb>& seen, const std::vector<Rgb>& expected,
                                   int size);

// Whether the main window shows an all-black N x N board exactly where the twips layout puts it:
// each face black with the light bevel on its first pixel and the dark one on its last, and the
// window's background just outside the board.
::testing::AssertionResult CellsAt(GameSession& game, int size);

}  // namespace lucen::e2e
