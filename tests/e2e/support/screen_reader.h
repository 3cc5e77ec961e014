#pragma once

#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "board/board.h"
#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {

// An object of the game's accessibility tree, as a screen reader holds it.
struct Unref {
  void operator()(void* object) const { g_object_unref(object); }
};
using Node = std::unique_ptr<AtspiAccessible, Unref>;

std::vector<Node> Children(const Node& node);
// Every object with `role` from `node` down, depth first.
std::vector<Node> All(const Node& node, AtspiRole role);
std::vector<std::string> Names(const std::vector<Node>& nodes);
// Role and name, as a screen reader says them.
std::vector<std::string> Readings(const std::vector<Node>& nodes);
std::vector<std::string> Descriptions(const std::vector<Node>& nodes);
std::vector<std::string> ActionNames(const Node& node);
// Does an object's first action: for a button or a link, what a click does.
void DoFirstAction(const Node& node);

// The cells of the board in the main window `frame`, row by row.
std::vector<Node> BoardCells(const Node& frame);
// What the cells of `board` should tell a screen reader in Spanish, row by row.
std::vector<std::string> Described(const Board& board);

// A private session bus, the game's and this test's, which starts the accessibility bus and
// registry on demand. What it starts is orphaned at once, and comes to this process to be reaped;
// the test fails if anything it started is still running at the end.
class ScreenReaderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A game on a desktop in `locale`, on this bus, with the accessibility on.
  GameOptions OnDesktop(const std::string& locale) const;
  // The game's top-level object with `role` (dialog: the about window; frame: the main window)
  // and, when given, `name`, once the game has registered with the accessibility bus and has one.
  Node WaitForWindow(RunningGame& game, AtspiRole role, const std::string& name = "");

  QTemporaryDir folder_{QDir::tempPath() + "/lucen-a11y-XXXXXX"};
  std::string address_;
  std::unique_ptr<ChildProcess> bus_;
  Node desktop_;
};

}  // namespace lucen::e2e
