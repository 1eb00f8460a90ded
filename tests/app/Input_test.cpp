// Playing on the board with the mouse, the keyboard and the pop-ups.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeView.h"
#include "app/Game.h"

namespace zentaro::app::test {
namespace {

using core::ModalResult;

// kPuzzle's row A reads ". . 7 5 . . . 3 1", column 1 holds 1 (B1), 9 (C1)
// and 7 (I1), and block 0 holds 7, 1 and 9; B2 sees a 7 only in its block.
class Input : public ::testing::Test {
 protected:
  Input() { StartWith(game, GridFromLine(kPuzzle)); }

  // Left click on the cell, then the digit chosen from the pop-up.
  void Choose(int col, int row, int digit) {
    game.BoardMouseDown({col, row}, MouseButton::Left);
    game.PlaceDigit(digit);
  }
  int SolutionAt(int col, int row) const {
    return PuzzleOf(game).solution[core::GridIndex(col, row)];
  }
  int SolutionAt(core::CellRef cell) const { return SolutionAt(cell.col, cell.row); }
  core::Board Computed() const {
    core::Board board{};
    core::BuildFromDigitsPlain(core::ExtractDigits(PuzzleOf(game).board), board);
    return board;
  }

  FakeView view;
  Game game{view};
};

TEST_F(Input, KeyboardPlayEndsInTheSolvedReport) {
  for (int i = 0; i < 65; ++i) game.ClockTick();
  game.KeyDown(Key::Down);  // the first arrow selects A1
  for (int i = 0; i < 81; ++i) {
    // Over a clue the key must do nothing, whatever the digit.
    const int digit = SolutionAt(PuzzleOf(game).selected);
    game.KeyDown(DigitKey(game.IsClue(PuzzleOf(game).selected) ? digit % 9 + 1 : digit));
    game.KeyDown(Key::Right);
  }
  EXPECT_EQ(PuzzleOf(game).selected.col, 9);
  EXPECT_EQ(PuzzleOf(game).selected.row, 9);
  EXPECT_EQ(PuzzleOf(game).digits, PuzzleOf(game).solution);
  EXPECT_EQ(game.History().Count(), 1 + 54);
  ASSERT_EQ(view.solvedReports, 1);
  EXPECT_EQ(view.reports[0].time, "00:01:05");
  EXPECT_FALSE(view.clockRunning);
  game.ClockTick();
  EXPECT_EQ(CountersOf(game).elapsedSeconds, 65);
}

TEST_F(Input, WrongLastDigitShowsNoReportUntilCorrected) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (!game.IsClue({c, r}) && (c != 9 || r != 9)) Choose(c, r, SolutionAt(c, r));
  Choose(9, 9, SolutionAt(9, 9) % 9 + 1);
  EXPECT_EQ(view.solvedReports, 0);
  EXPECT_TRUE(game.IsConflictCell({9, 9}));
  bool newPuzzle = false;
  game.SetNewPuzzleHandler([&] { newPuzzle = true; });
  view.reportAnswer = core::ModalResult::Ok;
  Choose(9, 9, SolutionAt(9, 9));
  EXPECT_EQ(view.solvedReports, 1);
  EXPECT_TRUE(newPuzzle);
}

struct ConflictCase {
  int col, row, digit;
  bool red;
};

class Conflict : public Input, public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(Conflict, OnlyTheTypedCellTurnsRedUntilItIsDrawnAgain) {
  const ConflictCase k = GetParam();
  Choose(k.col, k.row, k.digit);
  EXPECT_EQ(game.IsConflictCell({k.col, k.row}), k.red);
  EXPECT_FALSE(game.IsConflictCell({3, 1}));
  game.KeyDown(Key::Right);
  game.KeyDown(Key::Left);
  EXPECT_FALSE(game.IsConflictCell({k.col, k.row}));
}

INSTANTIATE_TEST_SUITE_P(Units, Conflict,
                         ::testing::Values(ConflictCase{1, 1, 7, true},  // A3 in the row
                                           ConflictCase{1, 1, 1, true},  // B1 in the column
                                           ConflictCase{2, 2, 7, true},  // A3 in the block
                                           ConflictCase{1, 1, 2, false}));

TEST_F(Input, UndoTakesTheRedAwayWithTheDigit) {
  Choose(1, 1, 7);
  ASSERT_TRUE(game.IsConflictCell({1, 1}));
  game.Undo();
  EXPECT_FALSE(game.IsConflictCell({1, 1}));
  EXPECT_EQ(PuzzleOf(game).board.at(1, 1)[core::kDigit], 0);
}

TEST_F(Input, RetypingTheSameDigitRecordsAStepWithoutAskingForMarks) {
  Choose(1, 1, 7);
  PuzzleOf(game).askMarksSource = false;  // as after choosing the current marks for a hint
  game.KeyDown(Key::Digit7);
  EXPECT_EQ(game.History().Count(), 3);
  EXPECT_FALSE(PuzzleOf(game).askMarksSource);
  EXPECT_TRUE(game.IsConflictCell({1, 1}));
  game.KeyDown(Key::Digit2);
  EXPECT_TRUE(PuzzleOf(game).askMarksSource);
}

TEST_F(Input, ReplacedDigitReturnsToComputedCandidatesOnly) {
  ASSERT_TRUE(game.FillCandidates());
  Choose(1, 1, 2);
  Choose(1, 1, 4);
  EXPECT_EQ(PuzzleOf(game).computed.at(2, 1)[2], 1);
  EXPECT_EQ(PuzzleOf(game).computed.at(2, 1)[4], 0);
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[2], 0);
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[4], 0);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).computed, Computed()));

  game.KeyDown(Key::Clear);
  EXPECT_EQ(PuzzleOf(game).board.at(1, 1), core::Cell{});  // no marks in the emptied cell
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[4], 0);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).computed, Computed()));
  EXPECT_EQ(game.History().Count(), 5);
  game.KeyDown(Key::Clear);  // nothing left to clear
  EXPECT_EQ(game.History().Count(), 5);
}

TEST_F(Input, WithoutRemoveMarksOnFillThePeersKeepTheirMarks) {
  ASSERT_TRUE(game.FillCandidates());
  PrefsOf(game).removeMarksOnFill = false;
  Choose(1, 1, 2);
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[2], 1);
  EXPECT_EQ(PuzzleOf(game).computed.at(2, 1)[2], 0);
}

TEST_F(Input, ClicksSelectAndOpenTheRightPopup) {
  Choose(1, 1, 2);
  game.BoardMouseDown({1, 1}, MouseButton::Right);  // filled: selected, no pop-up
  EXPECT_TRUE(view.marksPopups.empty());
  game.BoardMouseDown({1, 1}, MouseButton::Left);
  ASSERT_EQ(view.digitPopups.size(), 2u);
  EXPECT_TRUE(view.digitPopups[1].clearEnabled);
  EXPECT_FALSE(view.digitPopups[0].clearEnabled);

  game.BoardMouseDown({3, 1}, MouseButton::Left);  // clue: the selection stays
  EXPECT_EQ(PuzzleOf(game).selected.col, 1);
  EXPECT_EQ(view.digitPopups.size(), 2u);

  game.BoardMouseDown({2, 1}, MouseButton::Right);
  game.ToggleMark(6);
  game.KeyDown(Key::Shift);
  ASSERT_EQ(view.marksPopups.size(), 2u);
  EXPECT_FALSE(view.marksPopups[0].checked[5]);
  EXPECT_TRUE(view.marksPopups[1].checked[5]);

  game.BoardMouseDown({-1, -1}, MouseButton::Left);
  EXPECT_EQ(PuzzleOf(game).selected.col, -1);
  EXPECT_EQ(view.digitPopups.size(), 2u);
}

struct ArrowCase {
  int col, row;
  Key key;
  int toCol, toRow;
};

class Arrow : public Input, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(Arrow, MovesWithinTheBoardWrappingOnlyAlongRows) {
  const ArrowCase k = GetParam();
  PuzzleOf(game).selected.col = k.col;
  PuzzleOf(game).selected.row = k.row;
  game.KeyDown(k.key);
  EXPECT_EQ(PuzzleOf(game).selected.col, k.toCol);
  EXPECT_EQ(PuzzleOf(game).selected.row, k.toRow);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Arrow,
    ::testing::Values(ArrowCase{5, 5, Key::Up, 5, 4}, ArrowCase{5, 5, Key::Down, 5, 6},
                      ArrowCase{5, 5, Key::Left, 4, 5}, ArrowCase{5, 5, Key::Right, 6, 5},
                      ArrowCase{1, 1, Key::Up, 1, 1}, ArrowCase{1, 9, Key::Down, 1, 9},
                      ArrowCase{1, 1, Key::Left, 1, 1}, ArrowCase{9, 9, Key::Right, 9, 9},
                      ArrowCase{1, 2, Key::Left, 9, 1}, ArrowCase{9, 1, Key::Right, 1, 2},
                      ArrowCase{0, 0, Key::Left, 1, 1}, ArrowCase{-1, -1, Key::Down, 1, 1}));

TEST_F(Input, KeysWithoutSelectionPuzzleOrDuringGenerationChangeNothing) {
  game.KeyDown(Key::Digit2);
  EXPECT_EQ(game.History().Count(), 1);
  PuzzleOf(game).selected.col = PuzzleOf(game).selected.row = 1;
  PuzzleOf(game).generating = true;
  game.KeyDown(Key::Digit2);
  game.BoardMouseDown({2, 1}, MouseButton::Left);
  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_EQ(PuzzleOf(game).selected.col, 1);
  game.KeyDown(Key::Escape);
  EXPECT_TRUE(PuzzleOf(game).cancelRequested);

  Game idle(view);
  idle.KeyDown(Key::Down);
  EXPECT_EQ(PuzzleOf(idle).selected.col, 0);
}

TEST_F(Input, RemovingAMarkIsRememberedInItsStep) {
  game.BoardMouseDown({2, 1}, MouseButton::Right);
  game.ToggleMark(6);
  EXPECT_TRUE(view.commands[Command::RemoveCandidates]);
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  game.ToggleMark(6);
  EXPECT_TRUE(PuzzleOf(game).marksReduced);
  EXPECT_FALSE(view.commands[Command::RemoveCandidates]);
  game.Undo();
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[6], 1);
  game.Redo();
  EXPECT_TRUE(PuzzleOf(game).marksReduced);
}

TEST_F(Input, HighlightButtonsMoveAndReleaseTheHighlight) {
  game.BoardMouseDown({1, 1}, MouseButton::Left);
  game.HighlightButtonClick(5, true);
  EXPECT_EQ(PuzzleOf(game).highlightDigit, 5);
  EXPECT_EQ(PuzzleOf(game).selected, (core::CellRef{1, 1}));  // the selection stays
  game.ToggleHighlight(3);
  EXPECT_EQ(PuzzleOf(game).highlightDigit, 3);
  game.BoardMouseDown({1, 1}, MouseButton::Left);
  game.ToggleHighlight(3);  // Ctrl+3 again releases it
  EXPECT_EQ(PuzzleOf(game).highlightDigit, 0);
  EXPECT_EQ(PuzzleOf(game).selected.col, 1);  // releasing keeps the selection
  EXPECT_EQ(view.highlightButtons, (std::vector<int>{5, 3, 0}));
}

TEST_F(Input, RemovingAllMarksAsksFirst) {
  ASSERT_TRUE(game.FillCandidates());
  view.AnswerBox(ModalResult::No);
  game.RemoveCandidates();
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[core::kCount], 3);  // 2, 4, 6

  PuzzleOf(game).marksReduced = true;
  view.AnswerBox(ModalResult::Yes);
  game.RemoveCandidates();
  EXPECT_EQ(view.boxes.back().text, "Do you want all pencil marks to be removed?");
  bool any = true;
  core::CheckMarks(PuzzleOf(game).board, any);
  EXPECT_FALSE(any);
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  EXPECT_FALSE(view.commands[Command::RemoveCandidates]);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).computed, Computed()));
  EXPECT_EQ(game.History().Count(), 3);
}

TEST_F(Input, FillingInCandidatesAsksOnlyWhenMarksWouldBeLost) {
  EXPECT_TRUE(game.FillCandidates());  // no marks: no question
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).board, Computed()));
  EXPECT_TRUE(game.FillCandidates());  // complete marks: no question, no step
  EXPECT_EQ(game.History().Count(), 2);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 2);

  game.BoardMouseDown({2, 1}, MouseButton::Right);
  game.ToggleMark(6);
  view.AnswerBox(ModalResult::No);
  EXPECT_FALSE(game.FillCandidates());
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[6], 0);
  EXPECT_TRUE(PuzzleOf(game).marksReduced);

  view.AnswerBox(ModalResult::Yes);
  EXPECT_TRUE(game.FillCandidates());
  EXPECT_EQ(view.boxes.back().text,
            "This will remove current pencil marks and fill in all candidates from "
            "scratch.\rDo you want to continue?");
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[6], 1);
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  EXPECT_EQ(game.History().Count(), 4);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 3);
}

// A hint's eliminations thin out both boards alike; filling in the
// candidates afterwards changes the marks and must be a step of its own.
TEST_F(Input, RefillingMarksThinnedByAHintCanBeUndone) {
  ASSERT_TRUE(game.FillCandidates());
  PuzzleOf(game).board.at(2, 1)[6] = 0;
  --PuzzleOf(game).board.at(2, 1)[core::kCount];
  PuzzleOf(game).computed = PuzzleOf(game).board;
  game.AddStep();
  const core::Board thinned = PuzzleOf(game).board;

  view.AnswerBox(ModalResult::Yes);
  ASSERT_TRUE(game.FillCandidates());
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[6], 1);
  game.Undo();
  EXPECT_EQ(PuzzleOf(game).board, thinned);
}

TEST_F(Input, CancelAndPanelClicksRemoveTheSelection) {
  game.BoardMouseDown({4, 2}, MouseButton::Left);
  view.cellRedraws.clear();
  game.Deselect();
  EXPECT_EQ(PuzzleOf(game).selected.col, 0);
  EXPECT_EQ(view.cellRedraws, (std::vector<std::pair<int, int>>{{4, 2}}));
  game.BoardMouseDown({4, 2}, MouseButton::Left);
  game.ToolPanelMouseDown(MouseButton::Other);
  EXPECT_EQ(PuzzleOf(game).selected.col, 4);
  game.StepLabelMouseDown();
  EXPECT_EQ(PuzzleOf(game).selected.col, -1);
}

TEST_F(Input, EditModeTypesLikeATypewriter) {
  PuzzleOf(game).editMode = true;
  PuzzleOf(game).active = false;
  PuzzleOf(game).clues = {};
  PuzzleOf(game).selected.col = 9;
  PuzzleOf(game).selected.row = 1;
  game.KeyDown(Key::Digit3);  // over the clue 1
  EXPECT_EQ(PuzzleOf(game).board.at(9, 1)[core::kDigit], 3);
  EXPECT_EQ(PuzzleOf(game).selected.col, 1);
  EXPECT_EQ(PuzzleOf(game).selected.row, 2);
  game.KeyDown(Key::Clear);  // B1 loses its 1
  EXPECT_EQ(PuzzleOf(game).board.at(1, 2)[core::kDigit], 0);
  EXPECT_EQ(PuzzleOf(game).selected.col, 2);
  game.BoardMouseDown({5, 5}, MouseButton::Right);
  game.KeyDown(Key::Shift);
  EXPECT_TRUE(view.marksPopups.empty());

  PuzzleOf(game).selected.col = PuzzleOf(game).selected.row = 9;
  game.KeyDown(Key::Digit5);
  EXPECT_EQ(PuzzleOf(game).board.at(9, 9)[core::kDigit], 5);
  EXPECT_EQ(PuzzleOf(game).selected.col, 9);
  EXPECT_EQ(PuzzleOf(game).selected.row, 9);
  EXPECT_EQ(game.History().Count(), 1);
}

}  // namespace
}  // namespace zentaro::app::test
