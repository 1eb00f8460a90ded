// The step buttons and the bookmark, driven through Game.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "FakeView.h"
#include "app/Game.h"

namespace zentaro::app::test {
namespace {

using core::ModalResult;
using core::StepControls;

// A puzzle with two more steps: A1 filled in (step 1), then marks in A2 with
// the marks flagged as reduced (step 2).
class GameHistory : public ::testing::Test {
 protected:
  GameHistory() {
    StartWith(game, GridFromLine(kPuzzle));
    steps[0] = PuzzleOf(game).board;
    computed[0] = PuzzleOf(game).computed;
    Place(game, 1, 1, PuzzleOf(game).solution[0]);
    steps[1] = PuzzleOf(game).board;
    computed[1] = PuzzleOf(game).computed;
    PuzzleOf(game).askMarksSource = false;
    PuzzleOf(game).marksReduced = true;
    Mark(game, 2, 1, {3, 6});
    steps[2] = PuzzleOf(game).board;
  }

  FakeView view;
  Game game{view};
  core::Board steps[3];
  core::Board computed[2];
};

TEST_F(GameHistory, UndoToStepZeroDisablesUndoAndKeepsRedo) {
  game.Undo();
  EXPECT_EQ(PuzzleOf(game).board, steps[1]);
  game.Undo();
  EXPECT_EQ(PuzzleOf(game).board, steps[0]);
  EXPECT_EQ(PuzzleOf(game).computed, computed[0]);
  EXPECT_EQ(PuzzleOf(game).digits, GridFromLine(kPuzzle));
  EXPECT_EQ(view.statusText[1], "Clues: 27    Empty: 54");
  EXPECT_EQ(view.LastControls(), (StepControls{false, true, true, false}));

  // Disabled undo and first-step commands do nothing.
  const int redraws = view.boardRedraws;
  game.Undo();
  game.GoToFirstStep();
  EXPECT_EQ(game.History().CurrentStep(), 0);
  EXPECT_EQ(view.boardRedraws, redraws);
}

TEST_F(GameHistory, StepsBringBackTheirPencilMarkFlags) {
  game.GoToFirstStep();
  EXPECT_TRUE(PuzzleOf(game).askMarksSource);
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  game.GoToLastStep();
  EXPECT_EQ(PuzzleOf(game).board, steps[2]);
  EXPECT_FALSE(PuzzleOf(game).askMarksSource);
  EXPECT_TRUE(PuzzleOf(game).marksReduced);
  EXPECT_EQ(view.LastControls(), (StepControls{true, false, true, false}));
  EXPECT_EQ(view.commands[Command::RemoveCandidates], true);
}

TEST_F(GameHistory, RedoAtTheLastStepChangesNothing) {
  game.Redo();
  game.GoToLastStep();
  EXPECT_EQ(game.History().CurrentStep(), 2);
  EXPECT_EQ(PuzzleOf(game).board, steps[2]);
  EXPECT_EQ(view.solvedReports, 0);
}

TEST_F(GameHistory, RedoIntoTheSolvedPositionShowsTheReportAgain) {
  view.AnswerBox(ModalResult::Yes);
  view.AnswerBox(ModalResult::Ok);
  game.ViewSolution();
  ASSERT_TRUE(PuzzleOf(game).solutionUnique);

  game.Undo();
  game.Redo();
  EXPECT_EQ(view.solvedReports, 1);
  game.Undo();
  game.Undo();
  game.Redo();  // into an unsolved step
  EXPECT_EQ(view.solvedReports, 1);
  game.GoToLastStep();
  EXPECT_EQ(view.solvedReports, 2);
}

TEST_F(GameHistory, NoReportWhileTheSolutionIsNotUnique) {
  view.AnswerBox(ModalResult::Yes);
  view.AnswerBox(ModalResult::Ok);
  game.ViewSolution();
  PuzzleOf(game).solutionUnique = false;  // as after a later solve found several
  game.Undo();
  game.Redo();
  EXPECT_EQ(view.solvedReports, 0);
}

TEST_F(GameHistory, GoingToTheBookmarkRestoresItsStep) {
  game.GoToFirstStep();
  game.SetBookmark();
  EXPECT_EQ(view.LastControls(), (StepControls{false, true, true, true}));
  game.GoToLastStep();
  game.GoToBookmark();
  EXPECT_EQ(PuzzleOf(game).board, steps[0]);
  EXPECT_EQ(game.History().CurrentStep(), 0);
}

struct BookmarkCase {
  const char* name;
  ModalResult answer;
  int bookmarkAfter;
  friend void PrintTo(const BookmarkCase& c, std::ostream* os) { *os << c.name; }
};

class MoveBookmark : public GameHistory, public ::testing::WithParamInterface<BookmarkCase> {};

TEST_P(MoveBookmark, AsksBeforeMovingAndOnlyYesMoves) {
  game.SetBookmark();  // step 2, nothing to ask
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_EQ(view.blinks, 1);

  game.Undo();
  view.AnswerBox(GetParam().answer);
  game.SetBookmark();
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "Do you want to move the bookmark to this point?");
  EXPECT_EQ(view.boxes[0].kind, core::MsgKind::Confirmation);
  EXPECT_EQ(view.boxes[0].buttons, core::kButtonsYesNo | core::kButtonsCancel);
  EXPECT_EQ(game.History().Bookmark(), GetParam().bookmarkAfter);
  EXPECT_EQ(view.blinks, GetParam().bookmarkAfter == 1 ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Game, MoveBookmark,
                         ::testing::Values(BookmarkCase{"Yes", ModalResult::Yes, 1},
                                           BookmarkCase{"No", ModalResult::No, 2},
                                           BookmarkCase{"Cancel", ModalResult::Cancel, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameHistory, BookmarkOnItsOwnStepAsksNothingAndBlinks) {
  game.SetBookmark();
  game.SetBookmark();
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_EQ(view.blinks, 2);
  EXPECT_EQ(game.History().Bookmark(), 2);
}

TEST_F(GameHistory, NewActionAfterUndoDropsTheBookmarkedRedoStep) {
  game.SetBookmark();
  game.Undo();
  Mark(game, 3, 2, {1});
  EXPECT_EQ(game.History().Count(), 3);
  EXPECT_EQ(game.History().Bookmark(), -1);
  EXPECT_EQ(view.LastControls(), (StepControls{true, false, true, false}));
}

}  // namespace
}  // namespace zentaro::app::test
