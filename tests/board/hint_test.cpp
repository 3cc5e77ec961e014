// The hint, measured by the solver: each one leaves one press fewer to go.
#include "board/hint.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>

#include "board/solver.h"

namespace lucen {
namespace {

std::optional<int> PressesToGo(const Board& board) {
  const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps());
  if (!presses) return std::nullopt;
  return std::accumulate(presses->begin(), presses->end(), 0);
}

TEST(Hint, FollowingTheHintsSolvesInTheFewestPresses) {
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      // A position a game can reach: black, then presses at random.
      Board board(size, colours);
      std::mt19937 random(static_cast<unsigned>(10 * size + colours));
      for (int press = 0; press < 2 * size; ++press) board.Press(random() % board.CellCount());
      std::optional<int> toGo = PressesToGo(board);
      if (!toGo) {
        EXPECT_EQ(HintFor(board).kind, Hint::Kind::kNoSolution) << size << "x" << size;
        continue;
      }
      for (; *toGo > 0; --*toGo) {
        const Hint hint = HintFor(board);
        ASSERT_EQ(hint.kind, Hint::Kind::kPress) << size << "x" << size << ", " << *toGo;
        board.Press(hint.cell);
        ASSERT_EQ(PressesToGo(board), *toGo - 1) << size << "x" << size << " k=" << colours;
      }
      EXPECT_TRUE(board.Solved());
      EXPECT_EQ(HintFor(board).kind, Hint::Kind::kNothingToPress);
    }
  }
  EXPECT_EQ(HintFor(Board(8, 3)).kind, Hint::Kind::kNoSolution) << "from black";
}

}  // namespace
}  // namespace lucen
