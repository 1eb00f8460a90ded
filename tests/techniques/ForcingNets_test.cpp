#include "techniques/ForcingNets.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PatternWalk.h"
#include "TestBoards.h"

namespace zentaro::techniques {
namespace {

// The first of the magictour top1465 and its solution.
constexpr const char* kHardest =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
constexpr const char* kSolution =
    "468931527751624839392578461134756298289413675675289314846192753513867942927345186";

// A1 12, A2 23, A3 13 and C3 13 on an open board: A1=1 leaves A3 only 3,
// and C3 then nothing.
core::Board HelpPicture() {
  core::Board board = test::OpenBoard();
  test::SetCandidates(board, 1, 1, {1, 2});
  test::SetCandidates(board, 2, 1, {2, 3});
  test::SetCandidates(board, 3, 1, {1, 3});
  test::SetCandidates(board, 3, 3, {1, 3});
  return board;
}

// The solution with a rectangle of two rows, two columns and two blocks
// emptied: both ways of filling it are solutions, so no assumption breaks.
core::Board TwoWayRectangle() {
  std::string line = kSolution;
  for (int i : {4, 7, 13, 16}) line[i] = '.';
  return test::BoardFromLine(line.c_str());
}

core::Board StuckHardest() {
  core::Board board = test::BoardFromLine(kHardest);
  test::Basics(board);
  return board;
}

TEST(ForcingNets, AFalseAssumptionBreaksTheBoardAndAConsistentOneNever) {
  struct Case {
    const char* name;
    std::function<core::Board()> make;
    bool found;
    std::optional<Elimination> removed;  // when known in advance
    bool againstSolution;                // the removed digit is never the solution's
  };
  const std::vector<Case> cases{
      {"the help's picture", HelpPicture, true, Elimination{{1, 1}, 1}, false},
      {"the hardest, stuck after the basics", StuckHardest, true, std::nullopt, true},
      {"a rectangle with two solutions", TwoWayRectangle, false, std::nullopt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const core::Board board = c.make();
    const core::Board before = board;
    const std::optional<ForcingNetStep> step = FindForcingNet(board);
    EXPECT_TRUE(core::BoardsEqual(board, before));
    ASSERT_EQ(step.has_value(), c.found);
    if (!step) continue;
    ASSERT_EQ(step->eliminations.size(), 1u);
    const Elimination& e = step->eliminations.front();
    if (c.removed) {
      EXPECT_EQ(e, *c.removed);
    }
    if (c.againstSolution) {
      EXPECT_NE(kSolution[core::GridIndex(e.cell)] - '0', e.digit);
    }
    // The net starts from its assumption, and every link after it is a
    // candidate the board still had.
    ASSERT_FALSE(step->implications.empty());
    EXPECT_EQ(step->implications.front(),
              (NetImplication{e.cell, e.digit, true, NetReason::Assumed, {}}));
    for (const NetImplication& link : step->implications)
      EXPECT_TRUE(test::HasCandidate(board, link.cell.col, link.cell.row, link.digit));
    core::Board after = board;
    Apply(*step, after);
    EXPECT_FALSE(test::HasCandidate(after, e.cell.col, e.cell.row, e.digit));
  }
}

}  // namespace
}  // namespace zentaro::techniques
