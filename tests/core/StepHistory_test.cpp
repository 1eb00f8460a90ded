#include "core/StepHistory.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace zentaro::core {
namespace {

// A board with digits, candidates and counts: A3 = 7, B1 = 2, the rest
// built from them, plus a stale mark under A3.
Board SampleBoard() {
  DigitGrid grid{};
  grid[GridIndex(3, 1)] = 7;
  grid[GridIndex(1, 2)] = 2;
  Board board{};
  BuildFromDigitsPlain(grid, board);
  board.at(3, 1)[4] = 1;
  return board;
}

// A distinct board per number: cell A1 holds the digit n.
Board BoardNo(int n) {
  Board board = SampleBoard();
  board.at(1, 1) = Cell{n, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  return board;
}

void Add(StepHistory& h, const Board& board, bool ask = true, bool reduced = false,
         const Board& computed = Board{}) {
  h.AddStep(board, ask, reduced, computed);
}

class StepRoundTrip : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(StepRoundTrip, GoingToAStepGivesBackBoardFlagsAndComputedBoard) {
  const auto [ask, reduced] = GetParam();
  Board computed = SampleBoard();
  computed.at(9, 9)[kDigit] = 9;
  StepHistory h;
  Add(h, SampleBoard(), ask, reduced, computed);
  Add(h, BoardNo(1), !ask, !reduced);

  const std::string& step = h.BoardStep(0);
  ASSERT_EQ(step.size(), StepHistory::kStepChars);
  EXPECT_EQ(step[891], ask ? '1' : '0');
  EXPECT_EQ(step[892], reduced ? '1' : '0');
  EXPECT_EQ(h.ComputedStep(0).size(), StepHistory::kBoardChars);

  StepState state;
  state.askMarksSource = !ask;
  state.marksReduced = !reduced;
  ASSERT_TRUE(h.GoToStep(0, state));
  EXPECT_EQ(state.board, SampleBoard());
  EXPECT_EQ(state.computed, computed);
  EXPECT_EQ(state.askMarksSource, ask);
  EXPECT_EQ(state.marksReduced, reduced);
  EXPECT_EQ(h.CurrentStep(), 0);
}

INSTANTIATE_TEST_SUITE_P(StepHistory, StepRoundTrip,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST(StepHistory, EncodingIsColumnMajorOneCharacterPerValue) {
  Board board{};
  board.at(2, 3)[kDigit] = 7;  // C2
  board.at(9, 1)[kCount] = 9;  // A9
  board.at(4, 5)[6] = 1;       // E4, flag 6
  const std::string text = StepHistory::EncodeBoard(board);
  ASSERT_EQ(text.size(), 891u);
  std::string expected(891, '1');
  expected[(1 * 9 + 2) * 11 + 0] = '8';
  expected[(8 * 9 + 0) * 11 + 10] = ':';
  expected[(3 * 9 + 4) * 11 + 6] = '2';
  EXPECT_EQ(text, expected);

  Board decoded = SampleBoard();
  ASSERT_TRUE(StepHistory::DecodeBoard(text, decoded));
  EXPECT_EQ(decoded, board);
}

TEST(StepHistory, DecodingTooShortATextLeavesTheBoard) {
  Board board = SampleBoard();
  EXPECT_FALSE(StepHistory::DecodeBoard(std::string(890, '1'), board));
  EXPECT_EQ(board, SampleBoard());
}

TEST(StepHistory, RepeatingTheNextStepMovesOntoItAndKeepsRedo) {
  StepHistory h;
  for (int n = 0; n < 3; ++n) Add(h, BoardNo(n));
  StepState state;
  ASSERT_TRUE(h.GoToStep(0, state));

  // Only the board and its flags are compared, not the computed board.
  EXPECT_EQ(h.AddStep(BoardNo(1), true, false, SampleBoard()), 1);
  EXPECT_EQ(h.Count(), 3);
  EXPECT_TRUE(h.Controls().redo);
  ASSERT_TRUE(h.GoToStep(2, state));
  EXPECT_EQ(state.board, BoardNo(2));
}

TEST(StepHistory, DifferentActionAfterUndoDropsTheRedoBranchAndItsBookmark) {
  StepHistory h;
  for (int n = 0; n < 3; ++n) Add(h, BoardNo(n));
  h.SetBookmarkHere();  // step 2
  StepState state;
  ASSERT_TRUE(h.GoToStep(1, state));
  Add(h, BoardNo(5));
  EXPECT_EQ(h.Count(), 3);
  EXPECT_EQ(h.CurrentStep(), 2);
  EXPECT_EQ(h.Bookmark(), -1);
  ASSERT_TRUE(h.GoToStep(2, state));
  EXPECT_EQ(state.board, BoardNo(5));
}

TEST(StepHistory, SameBoardWithOtherMarkFlagIsANewStep) {
  StepHistory h;
  for (int n = 0; n < 2; ++n) Add(h, BoardNo(n));
  StepState state;
  ASSERT_TRUE(h.GoToStep(0, state));
  h.SetBookmarkHere();
  Add(h, BoardNo(1), true, /*reduced=*/true);
  EXPECT_EQ(h.Count(), 2);
  EXPECT_EQ(h.BoardStep(1).back(), '1');
  EXPECT_EQ(h.Bookmark(), 0);  // a bookmark before the cut stays
}

TEST(StepHistory, GoingOutsideTheHistoryChangesNothing) {
  StepHistory h;
  for (int n = 0; n < 2; ++n) Add(h, BoardNo(n));
  StepState state;
  state.board = SampleBoard();
  for (int n : {-1, 2, 100}) {
    EXPECT_FALSE(h.GoToStep(n, state)) << n;
    EXPECT_EQ(h.CurrentStep(), 1);
    EXPECT_EQ(state.board, SampleBoard());
  }
  StepHistory empty;
  EXPECT_FALSE(empty.GoToStep(0, state));
  EXPECT_EQ(empty.CurrentStep(), -1);
}

TEST(StepHistory, TruncateStepsKeepsCurrentAndBookmarkValid) {
  StepHistory h;
  for (int n = 0; n < 3; ++n) Add(h, BoardNo(n));
  h.SetBookmarkHere();
  h.TruncateSteps(1);
  EXPECT_EQ(h.Count(), 1);
  EXPECT_EQ(h.CurrentStep(), 0);
  EXPECT_EQ(h.Bookmark(), -1);

  StepState state;
  Add(h, BoardNo(1));
  ASSERT_TRUE(h.GoToStep(0, state));
  h.SetBookmarkHere();
  h.TruncateSteps(1);
  EXPECT_EQ(h.Bookmark(), 0);
  h.TruncateSteps(0);
  EXPECT_EQ(h.Count(), 0);
  EXPECT_EQ(h.CurrentStep(), -1);
  EXPECT_EQ(h.Bookmark(), -1);
}

struct ControlsCase {
  const char* name;
  int steps, current, bookmark;
  StepControls expected;  // undo, redo, setBookmark, goBookmark
  friend void PrintTo(const ControlsCase& c, std::ostream* os) { *os << c.name; }
};

class StepControlsTest : public ::testing::TestWithParam<ControlsCase> {};

TEST_P(StepControlsTest, FollowPositionInTheHistory) {
  const ControlsCase& p = GetParam();
  StepHistory h;
  for (int n = 0; n < p.steps; ++n) Add(h, BoardNo(n));
  StepState state;
  if (p.bookmark >= 0) {
    ASSERT_TRUE(h.GoToStep(p.bookmark, state));
    h.SetBookmarkHere();
  }
  if (p.current >= 0) {
    ASSERT_TRUE(h.GoToStep(p.current, state));
  }
  EXPECT_EQ(h.Controls(), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StepHistory, StepControlsTest,
    ::testing::Values(ControlsCase{"Empty", 0, -1, -1, {false, false, false, false}},
                      ControlsCase{"OnlyStep", 1, 0, -1, {false, false, true, false}},
                      ControlsCase{"FirstOfThree", 3, 0, -1, {false, true, true, false}},
                      ControlsCase{"Middle", 3, 1, -1, {true, true, true, false}},
                      ControlsCase{"Last", 3, 2, -1, {true, false, true, false}},
                      ControlsCase{"BookmarkElsewhere", 3, 0, 2, {false, true, true, true}},
                      ControlsCase{"BookmarkHere", 3, 1, 1, {true, true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepHistory, MovingTheBookmarkNeedsConsentOnlyFromAnotherStep) {
  StepHistory h;
  for (int n = 0; n < 2; ++n) Add(h, BoardNo(n));
  EXPECT_FALSE(h.BookmarkMoveNeedsConsent());
  h.SetBookmarkHere();
  EXPECT_FALSE(h.BookmarkMoveNeedsConsent());
  StepState state;
  ASSERT_TRUE(h.GoToStep(0, state));
  EXPECT_TRUE(h.BookmarkMoveNeedsConsent());
}

}  // namespace
}  // namespace zentaro::core
