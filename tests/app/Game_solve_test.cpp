// Starting a puzzle and the "Solve" command.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "FakeView.h"
#include "app/Game.h"

namespace zentaro::app::test {
namespace {

using core::kButtonsOk;
using core::kButtonsYesNo;
using core::ModalResult;
using core::MsgKind;

const std::string kAskSolution = "  Do you really want to view the solution?  ";
const std::string kOnlySolution =
    "This is the only solution.\rYou can use the \"Step back\" button to restore the puzzle.";
const std::string kOneOfMany =
    "There are multiple solutions possible for the puzzle!\rThis is one of the possible "
    "solutions.\rYou can use the \"Step back\" button to restore the puzzle.";
const std::string kNoSolution = "  The puzzle has no solution!  ";

TEST(StartPuzzle, RecordsStepZeroAndSolvesSilently) {
  FakeView view;
  Game game(view);
  const core::DigitGrid grid = GridFromLine(kPuzzle);
  StartWith(game, grid);

  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_EQ(game.History().CurrentStep(), 0);
  EXPECT_EQ(PuzzleOf(game).clues, grid);
  EXPECT_EQ(PuzzleOf(game).digits, grid);
  EXPECT_EQ(PuzzleOf(game).clueCount, 27);
  EXPECT_EQ(PuzzleOf(game).emptyCount, 54);
  EXPECT_EQ(view.statusText[1], "Clues: 27    Empty: 54");

  core::Board computed{};
  core::BuildFromDigitsPlain(grid, computed);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).computed, computed));

  EXPECT_TRUE(view.boxes.empty());
  EXPECT_EQ(PuzzleOf(game).solutionCount, 1);
  EXPECT_TRUE(PuzzleOf(game).solutionUnique);
  EXPECT_TRUE(IsCompletionOf(PuzzleOf(game).solution, grid));

  EXPECT_TRUE(PuzzleOf(game).active);
  EXPECT_EQ(PuzzleOf(game).saved, PuzzleOf(game).board);
  EXPECT_EQ(view.clockResets, 1);
  EXPECT_GE(view.boardRedraws, 1);
  EXPECT_EQ(view.LastControls(), (core::StepControls{false, false, true, false}));
  EXPECT_TRUE(view.commands[Command::ViewSolution]);
}

TEST(StartPuzzle, EmptiesTheHistoryAndBookmarkOfThePreviousPuzzle) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  Place(game, 1, 1, PuzzleOf(game).solution[0]);
  game.SetBookmark();
  PuzzleOf(game).selected.col = 4;

  // Ending clue editing restarts the puzzle without taking new clues.
  const core::DigitGrid clues = PuzzleOf(game).clues;
  game.StartPuzzle(false, false);
  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_EQ(game.History().Bookmark(), -1);
  EXPECT_EQ(PuzzleOf(game).clues, clues);
  EXPECT_EQ(PuzzleOf(game).selected.col, 0);
  EXPECT_EQ(view.clockResets, 1);
  EXPECT_EQ(view.statusText[1], "Clues: 27    Empty: 53");
}

TEST(ViewSolution, AnsweringNoChangesNothing) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  const core::Board before = PuzzleOf(game).board;

  view.AnswerBox(ModalResult::No);
  game.ViewSolution();
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, kAskSolution);
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Confirmation);
  EXPECT_EQ(view.boxes[0].buttons, kButtonsYesNo);
  EXPECT_EQ(CountersOf(game).solutionViewed, 0);
  EXPECT_TRUE(PrefsOf(game).warnMultipleSolutions);
  EXPECT_EQ(PuzzleOf(game).board, before);
  EXPECT_EQ(game.History().Count(), 1);
}

struct SolveCase {
  const char* name;
  core::DigitGrid grid;
  std::vector<ModalResult> answers;
  std::vector<std::pair<std::string, MsgKind>> boxes;  // after the confirmation
  bool asksFirst;
  bool filled;
  friend void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }
};

class SolveCommand : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveCommand, ShowsTheOutcome) {
  const SolveCase& p = GetParam();
  FakeView view;
  Game game(view);
  StartWith(game, p.grid);
  const core::Board before = PuzzleOf(game).board;
  const int stepsBefore = game.History().Count();
  for (ModalResult a : p.answers) view.AnswerBox(a);

  game.ViewSolution();

  ASSERT_EQ(view.boxes.size(), p.boxes.size() + (p.asksFirst ? 1 : 0));
  if (p.asksFirst) {
    EXPECT_EQ(view.boxes.front().text, kAskSolution);
  }
  for (std::size_t i = 0; i < p.boxes.size(); ++i) {
    const ShownBox& box = view.boxes[view.boxes.size() - p.boxes.size() + i];
    EXPECT_EQ(box.text, p.boxes[i].first);
    EXPECT_EQ(box.kind, p.boxes[i].second);
    EXPECT_EQ(box.buttons, kButtonsOk);
  }
  EXPECT_EQ(CountersOf(game).solutionViewed, 1);
  if (p.filled) {
    EXPECT_TRUE(IsCompletionOf(PuzzleOf(game).digits, p.grid));
    EXPECT_EQ(PuzzleOf(game).board, BoardOfDigits(PuzzleOf(game).digits));
    EXPECT_EQ(PuzzleOf(game).computed, PuzzleOf(game).board);
    EXPECT_EQ(game.History().Count(), stepsBefore + 1);
    EXPECT_EQ(view.statusText[1].substr(view.statusText[1].size() - 8), "Empty: 0");
  } else {
    EXPECT_EQ(PuzzleOf(game).board, before);
    EXPECT_EQ(game.History().Count(), stepsBefore);
  }
}

core::DigitGrid TwoFivesInColumnOne() {
  core::DigitGrid grid{};
  grid[core::GridIndex(1, 1)] = 5;
  grid[core::GridIndex(1, 9)] = 5;
  return grid;
}

INSTANTIATE_TEST_SUITE_P(Game, SolveCommand,
                         ::testing::Values(SolveCase{"UniquePuzzle",
                                                     GridFromLine(kPuzzle),
                                                     {ModalResult::Yes, ModalResult::Ok},
                                                     {{kOnlySolution, MsgKind::Information}},
                                                     true,
                                                     true},
                                           SolveCase{"EmptyBoard",
                                                     core::DigitGrid{},
                                                     {ModalResult::Yes, ModalResult::Ok},
                                                     {{kOneOfMany, MsgKind::Information}},
                                                     true,
                                                     true},
                                           SolveCase{"DigitTwiceInAColumn",
                                                     TwoFivesInColumnOne(),
                                                     {ModalResult::Yes, ModalResult::Ok},
                                                     {{kNoSolution, MsgKind::Error}},
                                                     true,
                                                     false},
                                           SolveCase{"FullCorrectBoard",
                                                     PatternGrid(),
                                                     {ModalResult::Ok},
                                                     {{kOnlySolution, MsgKind::Information}},
                                                     false,
                                                     true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewSolution, SolutionStepCanBeUndone) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  view.AnswerBox(ModalResult::Yes);
  view.AnswerBox(ModalResult::Ok);
  game.ViewSolution();
  EXPECT_TRUE(PuzzleOf(game).solutionUnique);
  EXPECT_FALSE(PrefsOf(game).warnMultipleSolutions);
  EXPECT_EQ(PuzzleOf(game).digits, PuzzleOf(game).solution);

  game.Undo();
  EXPECT_EQ(PuzzleOf(game).digits, GridFromLine(kPuzzle));
  EXPECT_EQ(view.statusText[1], "Clues: 27    Empty: 54");
}

}  // namespace
}  // namespace zentaro::app::test
