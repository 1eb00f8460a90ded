// A hint request as the player meets it: the checks, the question which pencil
// marks to use, the question whether to calculate them, the two stages of an
// explanation and what "&Do it !" or "&Close" leave behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "FakeView.h"
#include "HintChecks.h"
#include "app/Game.h"
#include "app/HintWalk.h"
#include "solver/SolveAndCount.h"
#include "techniques/PatternSteps.h"

namespace zentaro::app::test {
namespace {

using core::Board;
using core::ModalResult;
using core::MsgKind;

constexpr ModalResult kDoIt = ModalResult::Ok;
constexpr ModalResult kClose = ModalResult::Cancel;

const std::string kCalculateQuestion =
    "In order to give you the tip the program needs all candidates (pencil marks) to be filled "
    "in.\rDo you want the candidates to be calculated now and the hint to be displayed?";
const std::string kMarksQuestion =
    "Zentaro|Current pencil marks differ from the ones computed from the filled in "
    "digits.\rWhich set of pencil marks do you want to be used for the hint?|C&urrent|C&omputed|"
    "Cancel";
const std::string kNotGoodWarning =
    "This puzzle is not good.\rThere are multiple solutions possible, which means that in some "
    "cells multiple digits are allowed!\rThe program can give you hints but such puzzles can "
    "never be solved only by means of logic.";

const std::vector<std::string> kTrialAndError = {
    "You can only use the &\"trial-and-error\"& technique at this point.",
    "Put a digit into one of the cells having the smallest number of candidates (preferably two) "
    "and see whether this leads to a \"dead-end\" (a cell having no candidates, for example).",
    "",
    "You can use the @Bookmark@ button to easily return to the current position if the digit "
    "you've chosen turns out to be invalid."};

// The pattern grid without A1 (1), E5 (9) and I9 (8): each is alone in its
// row, column and block, so each is a single candidate.
core::DigitGrid ThreeSingles() {
  core::DigitGrid grid = PatternGrid();
  for (const int i : {core::GridIndex(1, 1), core::GridIndex(5, 5), core::GridIndex(9, 9)})
    grid[i] = 0;
  return grid;
}

// A position without any single, from which the next step is a naked pair.
constexpr std::string_view kNoSingles =
    ".4..613...62..........4.......8.....485..6.1.6.94...58.316...4...417.6.98.6.241.5";

// A full grid in which A5 A8 B5 B8 hold 3 2 2 3: emptied, they allow two
// solutions. I1 (9) is emptied too, alone in its units.
constexpr std::string_view kRectangleGrid =
    "468931527751624839392578461134756298289413675675289314846192753513867942927345186";

core::DigitGrid TwoSolutions() {
  core::DigitGrid grid = GridFromLine(kRectangleGrid);
  for (const int i : {core::GridIndex(5, 1), core::GridIndex(8, 1), core::GridIndex(5, 2),
                      core::GridIndex(8, 2), core::GridIndex(1, 9)})
    grid[i] = 0;
  return grid;
}

core::DigitGrid SolutionOf(const core::DigitGrid& grid) {
  core::DigitGrid solution{};
  bool unique = false;
  EXPECT_EQ(solver::SolveAndCount(grid, solution, unique), 1);
  return solution;
}

// Digits as a candidate set, bit d for digit d.
std::uint16_t Set(std::initializer_list<int> digits) {
  std::uint16_t set = 0;
  for (const int d : digits) set = static_cast<std::uint16_t>(set | (1u << d));
  return set;
}

bool AnyMarks(const Board& board) {
  bool any = false;
  core::CheckMarks(board, any);
  return any;
}

// Every empty cell holds the candidates its peers allow.
void FillMarks(Game& game) {
  ASSERT_TRUE(game.FillCandidates());
}

void ExpectRequestEnded(const Game& game, const FakeView& view) {
  EXPECT_TRUE(view.commands.at(Command::Hint));
  EXPECT_EQ(view.busyCursorDepth, 0);
  EXPECT_FALSE(view.waitWindowOpen);
  EXPECT_EQ(view.answersUnderProgress, 0) << "an answer shown under the progress box";
  EXPECT_FALSE(HintOf(game).highlightOn);
  EXPECT_TRUE(HintOf(game).highlights.Empty());
  EXPECT_FALSE(view.layerOn);
  // The status bar counts the board the request left, done or not.
  const auto counts = view.statusText.find(1);
  ASSERT_NE(counts, view.statusText.end());
  EXPECT_TRUE(
      counts->second.ends_with(" " + std::to_string(81 - core::CountDigits(game.Puzzle().board))));
}

hints::CellHighlight Cell(const hints::Highlights& layer, int col, int row) {
  return layer.at(col, row);
}

// The cells of a layer with the highlight flag, in reading order.
std::vector<std::pair<int, int>> HighlightedCells(const hints::Highlights& layer) {
  std::vector<std::pair<int, int>> cells;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (layer.at(c, r).highlight) cells.emplace_back(c, r);
  return cells;
}

std::vector<std::pair<int, int>> BlockCells(int block0) {
  std::vector<std::pair<int, int>> cells;
  const core::BlockBounds b = core::BoundsOfBlock(block0);
  for (int r = b.firstRow; r <= b.lastRow; ++r)
    for (int c = b.firstCol; c <= b.lastCol; ++c) cells.emplace_back(c, r);
  return cells;
}

// --- the checks before the search ------------------------------------------------

TEST(HintSearch, SolvedPuzzleIsOnlyReported) {
  FakeView view;
  Game game(view);
  StartWith(game, PatternGrid());
  view.AnswerBox(ModalResult::Ok);
  game.HintSearch();

  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "   The puzzle is solved.   ");
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Information);
  EXPECT_EQ(CountersOf(game).generalHints, 0);
  EXPECT_EQ(view.solvedReports, 0);
  EXPECT_EQ(game.History().Count(), 1);
  ExpectRequestEnded(game, view);
}

TEST(HintSearch, PositionWithoutSolutionIsOnlyReported) {
  FakeView view;
  Game game(view);
  core::DigitGrid grid = ThreeSingles();
  grid[core::GridIndex(5, 5)] = 1;  // row E holds its 1 in E6 already
  StartWith(game, grid);
  view.AnswerBox(ModalResult::Ok);
  game.HintSearch();

  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "  The puzzle has no solution!  ");
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Error);
  EXPECT_EQ(CountersOf(game).generalHints, 0);
  EXPECT_TRUE(view.stages.empty());
  ExpectRequestEnded(game, view);
}

// --- no pencil marks ---------------------------------------------------------------

TEST(HintSearch, SingleIsExplainedWithoutMarksAndDoItLeavesNone) {
  FakeView view;
  Game game(view);
  StartWith(game, ThreeSingles());
  PrefsOf(game).removeMarksOnFill = false;
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  bool marksWhileShown = true;
  view.onStage = [&](const hints::HintStage&) { marksWhileShown = AnyMarks(PuzzleOf(game).board); };
  game.HintSearch();

  ASSERT_EQ(view.stages.size(), 2u);
  EXPECT_FALSE(marksWhileShown);
  const hints::HintStage& general = view.stages[0];
  EXPECT_EQ(general.lines, std::vector<std::string>{"Find all digits allowed for the "
                                                    "highlighted cell @A1@."});
  EXPECT_EQ(general.buttonCaption, core::Text::ConcreteHintButton);
  EXPECT_EQ(HighlightedCells(view.stageLayers[0]), (std::vector<std::pair<int, int>>{{1, 1}}));

  const hints::HintStage& concrete = view.stages[1];
  EXPECT_EQ(concrete.lines,
            (std::vector<std::string>{"The only digit allowed for the cell A1 is @1&.",
                                      "All other digits are already present either in the column "
                                      "1, or in the row A, or in the block 3x3 containing the "
                                      "cell A1.",
                                      "", "&Conclusion:   A1 =& @1&"}));
  EXPECT_EQ(concrete.buttonCaption, core::Text::DoItButton);
  EXPECT_TRUE(Cell(view.stageLayers[1], 1, 1).selected);

  EXPECT_EQ(PuzzleOf(game).board.at(1, 1)[core::kDigit], 1);
  EXPECT_EQ(PuzzleOf(game).computed.at(1, 1)[core::kDigit], 1);
  EXPECT_FALSE(AnyMarks(PuzzleOf(game).board));
  EXPECT_EQ(game.History().Count(), 2);
  EXPECT_EQ(CountersOf(game).generalHints, 1);
  EXPECT_EQ(CountersOf(game).concreteHints, 1);
  EXPECT_FALSE(PrefsOf(game).removeMarksOnFill);
  EXPECT_EQ(view.solvedReports, 0);
  ExpectRequestEnded(game, view);

  // Two more hints finish the puzzle, and the last one shows the report.
  for (int i = 0; i < 4; ++i) view.AnswerStage(ModalResult::Ok);
  game.HintSearch();
  EXPECT_EQ(view.solvedReports, 0);
  game.HintSearch();
  EXPECT_EQ(PuzzleOf(game).digits, PatternGrid());
  EXPECT_EQ(view.solvedReports, 1);
  EXPECT_EQ(CountersOf(game).generalHints, 3);
  EXPECT_EQ(CountersOf(game).concreteHints, 3);
}

TEST(HintSearch, HiddenSingleOnTheBareBoardNamesItsBlock) {
  FakeView view;
  Game game(view);
  const core::DigitGrid grid = GridFromLine(kPuzzle);
  StartWith(game, grid);
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  game.HintSearch();

  // F2 is the only cell of block 4 (D-F, 1-3) where a 7 may stand.
  Board computed{};
  core::BuildFromDigitsPlain(grid, computed);
  int places = 0;
  for (const auto& [c, r] : BlockCells(3)) places += computed.at(c, r)[7] > 0 ? 1 : 0;
  ASSERT_EQ(places, 1);
  ASSERT_GT(computed.at(2, 6)[7], 0);

  ASSERT_EQ(view.stages.size(), 2u);
  EXPECT_EQ(view.stages[0].lines,
            std::vector<std::string>{"There is a digit that is allowed in &only one cell& within "
                                     "the highlighted block 3x3. This means that the digit &has "
                                     "to& stand in that cell."});
  EXPECT_EQ(view.stages[1].lines,
            (std::vector<std::string>{
                "In the highlighted block 3x3 only the cell &F2& can contain the digit @7&.",
                "All other free cells in this block 3x3 are excluded since their columns or rows "
                "already contain the digit @7&.",
                "", "&Conclusion:   F2 =& @7&"}));
  const std::vector<std::pair<int, int>> block = BlockCells(3);
  EXPECT_EQ(HighlightedCells(view.stageLayers[0]), block);
  EXPECT_EQ(HighlightedCells(view.stageLayers[1]), block);

  EXPECT_EQ(PuzzleOf(game).board.at(2, 6)[core::kDigit], 7);
  EXPECT_EQ(SolutionOf(grid)[core::GridIndex(2, 6)], 7);
  EXPECT_EQ(HintOf(game).col, 2);
  EXPECT_EQ(HintOf(game).row, 6);
  EXPECT_EQ(HintOf(game).last.technique, HintTechnique::HiddenSingle);
}

// --- incomplete marks ---------------------------------------------------------------

// The user's own marks are never lost: No to the calculation puts them back;
// after Yes one undo brings them back.
TEST(HintSearch, IncompleteMarksComeBackAfterNoToCalculating) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kNoSingles));
  Mark(game, 1, 1, {2, 7});
  const int steps = game.History().Count();
  view.AnswerBox(ModalResult::No);
  game.HintSearch();

  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, kCalculateQuestion);
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Confirmation);
  EXPECT_TRUE(view.stages.empty());
  EXPECT_EQ(PuzzleOf(game).board.at(1, 1).Candidates(), Set({2, 7}));
  EXPECT_EQ(game.History().Count(), steps);
  EXPECT_EQ(CountersOf(game).generalHints, 1);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 0);
  ExpectRequestEnded(game, view);
}

TEST(HintSearch, YesToCalculatingFillsEveryCandidateAndGoesOn) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kNoSingles));
  Mark(game, 1, 1, {2, 7});
  const int steps = game.History().Count();
  view.AnswerBox(ModalResult::Yes);
  view.AnswerStage(kClose);
  game.HintSearch();

  Board computed{};
  core::BuildFromDigitsPlain(GridFromLine(kNoSingles), computed);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).board, computed));
  EXPECT_EQ(game.History().Count(), steps + 1);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 1);
  ASSERT_EQ(view.stages.size(), 1u);
  EXPECT_EQ(HintOf(game).last.technique, HintTechnique::NakedSubset);
  // The progress window showed, and went again.
  EXPECT_FALSE(view.waitWindows.empty());
  ExpectRequestEnded(game, view);
  game.Undo();
  EXPECT_EQ(PuzzleOf(game).board.at(1, 1).Candidates(), Set({2, 7}));
}

TEST(HintSearch, CloseAfterTheGeneralStageCountsNoConcreteHintAndRestoresTheMarks) {
  FakeView view;
  Game game(view);
  StartWith(game, ThreeSingles());
  Mark(game, 5, 5, {3, 9});
  const Board before = PuzzleOf(game).board;
  const int steps = game.History().Count();
  bool marksWhileShown = true;
  view.onStage = [&](const hints::HintStage&) { marksWhileShown = AnyMarks(PuzzleOf(game).board); };
  view.AnswerStage(kClose);
  game.HintSearch();

  ASSERT_EQ(view.stages.size(), 1u);
  EXPECT_FALSE(marksWhileShown);
  EXPECT_EQ(PuzzleOf(game).board, before);
  EXPECT_EQ(game.History().Count(), steps);
  EXPECT_EQ(CountersOf(game).generalHints, 1);
  EXPECT_EQ(CountersOf(game).concreteHints, 0);
  EXPECT_EQ(HintOf(game).col, 0);
  ExpectRequestEnded(game, view);
}

TEST(HintSearch, DoItOnIncompleteMarksLeavesTheComputedCandidatesWhole) {
  FakeView view;
  Game game(view);
  StartWith(game, ThreeSingles());
  Mark(game, 5, 5, {3, 9});
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  game.HintSearch();

  ASSERT_EQ(PuzzleOf(game).board.at(1, 1)[core::kDigit], 1);
  // The single was explained and placed on a board without marks, and the
  // player's partial marks went with it; the computed candidates of E5 and
  // I9 are still the ones their peers allow.
  EXPECT_FALSE(AnyMarks(PuzzleOf(game).board));
  Board expected{};
  core::BuildFromDigitsPlain(core::ExtractDigits(PuzzleOf(game).board), expected);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).computed, expected));
}

TEST(HintSearch, StepOnThePlayersOwnMarksKeepsTheComputedCountsTrue) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kNoSingles));
  FillMarks(game);
  // The player adds a 9 to B9 and C9, which their column does not allow; the
  // hint (the naked pair 2 7 of column 9) then takes the 7 of B9.
  for (const int row : {2, 3}) {
    ASSERT_EQ(PuzzleOf(game).board.at(9, row)[9], 0);
    PuzzleOf(game).selected.col = 9;
    PuzzleOf(game).selected.row = row;
    game.ToggleMark(9);
  }
  ASSERT_GT(PuzzleOf(game).board.at(9, 2)[7], 0);
  view.AnswerThreeButtonQuestion(ModalResult::Yes);
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  game.HintSearch();

  ASSERT_EQ(HintOf(game).last.technique, HintTechnique::NakedSubset);
  EXPECT_EQ(PuzzleOf(game).board.at(9, 2)[7], 0);
  EXPECT_GT(PuzzleOf(game).board.at(9, 2)[9], 0);
  const core::Cell& computed = PuzzleOf(game).computed.at(9, 2);
  EXPECT_EQ(computed[7], 0);
  EXPECT_EQ(computed[9], 0);
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const core::Cell& cell = PuzzleOf(game).computed.at(c, r);
      if (cell[core::kDigit] != 0) continue;
      int flags = 0;
      for (int d = 1; d <= 9; ++d) flags += cell[d] > 0 ? 1 : 0;
      EXPECT_EQ(cell[core::kCount], flags) << core::CellName(c, r);
    }
}

// --- marks that differ from the computed ones -----------------------------------------

class DifferingMarks : public testing::Test {
 protected:
  void SetUp() override {
    StartWith(game, GridFromLine(kNoSingles));
    FillMarks(game);
    // The player takes a candidate out by hand: still complete, but different.
    PuzzleOf(game).selected.col = 1;
    PuzzleOf(game).selected.row = 1;
    ASSERT_GT(PuzzleOf(game).board.at(1, 1)[core::kCount], 1);
    int digit = 1;
    while (PuzzleOf(game).board.at(1, 1)[digit] == 0) ++digit;
    game.ToggleMark(digit);
    ASSERT_FALSE(core::BoardsEqual(PuzzleOf(game).board, PuzzleOf(game).computed));
    ASSERT_TRUE(PuzzleOf(game).askMarksSource);
  }

  FakeView view;
  Game game{view};
};

TEST_F(DifferingMarks, CurrentOnceStopsTheQuestion) {
  const Board mine = PuzzleOf(game).board;
  view.AnswerThreeButtonQuestion(ModalResult::Yes);
  view.AnswerStage(kClose);
  game.HintSearch();

  ASSERT_EQ(view.questionTexts.size(), 1u);
  EXPECT_EQ(view.questionTexts[0], kMarksQuestion);
  EXPECT_FALSE(PuzzleOf(game).askMarksSource);
  EXPECT_EQ(PuzzleOf(game).board, mine);

  view.AnswerStage(kClose);
  game.HintSearch();
  EXPECT_EQ(view.questionTexts.size(), 1u);
  EXPECT_EQ(view.stages.size(), 2u);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 1);
}

TEST_F(DifferingMarks, ComputedAddsAStepAndCountsAsCandidatesCalculated) {
  const int steps = game.History().Count();
  view.AnswerThreeButtonQuestion(ModalResult::No);
  view.AnswerStage(kClose);
  game.HintSearch();

  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).board, PuzzleOf(game).computed));
  EXPECT_EQ(game.History().Count(), steps + 1);
  EXPECT_EQ(CountersOf(game).candidatesCalculated, 2);
  EXPECT_TRUE(PuzzleOf(game).askMarksSource);
  // Undo brings the player's own marks back.
  game.Undo();
  EXPECT_FALSE(core::BoardsEqual(PuzzleOf(game).board, PuzzleOf(game).computed));
}

TEST_F(DifferingMarks, CancelEndsTheRequestWithoutAStep) {
  const Board mine = PuzzleOf(game).board;
  const int steps = game.History().Count();
  view.AnswerThreeButtonQuestion(core::ModalResult::Cancel);
  game.HintSearch();

  EXPECT_TRUE(view.stages.empty());
  EXPECT_EQ(PuzzleOf(game).board, mine);
  EXPECT_EQ(game.History().Count(), steps);
  EXPECT_TRUE(PuzzleOf(game).askMarksSource);
  EXPECT_EQ(CountersOf(game).generalHints, 1);
  ExpectRequestEnded(game, view);
}

// --- puzzles that are not good, and positions without a hint --------------------------

TEST(HintSearch, TwoSolutionsWarnOnceAndTheAdviceSaysTheyAreNotGood) {
  FakeView view;
  Game game(view);
  StartWith(game, TwoSolutions());
  ASSERT_EQ(PuzzleOf(game).solutionCount, 2);
  view.AnswerBox(ModalResult::Ok);
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  game.HintSearch();

  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, kNotGoodWarning);
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Warning);
  EXPECT_EQ(PuzzleOf(game).board.at(1, 9)[core::kDigit], 9);  // the logic still helps where it can

  view.AnswerBox(ModalResult::Yes);  // calculate the candidates
  view.AnswerStage(ModalResult::Ok);
  game.HintSearch();
  ASSERT_EQ(view.boxes.size(), 2u);
  EXPECT_EQ(view.boxes[1].text, kCalculateQuestion);
  ASSERT_EQ(view.stages.size(), 3u);
  const hints::HintStage& advice = view.stages[2];
  EXPECT_EQ(advice.kind, hints::StageKind::Only);
  EXPECT_EQ(advice.buttonCaption, core::Text::Ok);
  std::vector<std::string> expected = {
      "Cannot find a hint because &the puzzle is not good:& there are multiple solutions "
      "possible, which means that for some cells multiple digits are allowed.",
      ""};
  expected.insert(expected.end(), kTrialAndError.begin(), kTrialAndError.end());
  EXPECT_EQ(advice.lines, expected);
  EXPECT_EQ(HintOf(game).last.technique, HintTechnique::NoHint);

  // Later requests on the same puzzle do not warn again.
  view.AnswerStage(ModalResult::Ok);
  game.HintSearch();
  EXPECT_EQ(view.boxes.size(), 2u);
  ExpectRequestEnded(game, view);
}

TEST(HintSearch, WhereTheLaddersEndAForcingNetTakesOver) {
  // One of the hardest known puzzles: nothing up to the chains and the
  // pattern techniques applies, and the forcing net, the last rung, gives
  // the hint instead of the trial-and-error advice.
  const core::DigitGrid grid = GridFromLine(
      "........7..4.2.6..8.....31......29...4..9..3...95.6....1......8..6.5.2..7......6.");
  FakeView view;
  Game game(view);
  StartWith(game, grid);
  ASSERT_EQ(PuzzleOf(game).solutionCount, 1);
  FillMarks(game);
  const Board before = PuzzleOf(game).board;
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(ModalResult::Ok);
  game.HintSearch();

  ASSERT_EQ(view.stages.size(), 2u);
  EXPECT_EQ(view.stages[0].lines.front(), "&Forcing net&");
  EXPECT_NE(view.stages[1].lines, kTrialAndError);
  EXPECT_EQ(CountersOf(game).concreteHints, 1);
  EXPECT_NE(PuzzleOf(game).board, before);
  // Every step of the progress bar stays within its range.
  for (const WaitWindow& w : view.waitWindows) {
    EXPECT_GE(w.position, 0);
    EXPECT_LE(w.position, w.maximum);
    EXPECT_EQ(w.line2, "Searching for the hint...");
    EXPECT_FALSE(w.cancelVisible);
  }
  EXPECT_TRUE(view.waitWindows.back().visible);
  ExpectRequestEnded(game, view);
}

TEST(HintSearch, TheProgressBoxStaysUpThroughTheSecondLadderAndGoesOnEveryWayOut) {
  // The net is the second ladder's last rung, so every rung of it has run.
  const core::DigitGrid grid = GridFromLine(
      "........7..4.2.6..8.....31......29...4..9..3...95.6....1......8..6.5.2..7......6.");
  const std::size_t secondLadder = techniques::PatternLadder().size();
  for (const std::vector<ModalResult>& answers :
       std::vector<std::vector<ModalResult>>{{ModalResult::Ok, ModalResult::Ok},
                                             {ModalResult::Cancel},
                                             {ModalResult::Ok, ModalResult::Cancel}}) {
    FakeView view;
    Game game(view);
    StartWith(game, grid);
    FillMarks(game);
    for (ModalResult answer : answers) view.AnswerStage(answer);
    game.HintSearch();

    ASSERT_EQ(view.stages.size(), answers.size());
    EXPECT_EQ(view.stages[0].lines.front(), "&Forcing net&");
    // Once shown, the box stays visible, moving on at every rung, until the
    // search ends: at least one step per rung of the second ladder.
    const auto shown = std::find_if(view.waitWindows.begin(), view.waitWindows.end(),
                                    [](const WaitWindow& w) { return w.visible; });
    ASSERT_NE(shown, view.waitWindows.end());
    EXPECT_TRUE(
        std::all_of(shown, view.waitWindows.end(), [](const WaitWindow& w) { return w.visible; }));
    EXPECT_GE(static_cast<std::size_t>(view.waitWindows.end() - shown), secondLadder);
    ExpectRequestEnded(game, view);  // closed, and before the first stage showed
  }
}

// --- end steps on every way out -------------------------------------------------------

TEST(HintSearch, AnExceptionStillRestoresTheWindowAndTheMarks) {
  FakeView view;
  Game game(view);
  StartWith(game, ThreeSingles());
  Mark(game, 5, 5, {3, 9});
  const Board before = PuzzleOf(game).board;
  PrefsOf(game).removeMarksOnFill = false;
  view.onStage = [](const hints::HintStage&) { throw std::runtime_error("window gone"); };
  EXPECT_THROW(game.HintSearch(), std::runtime_error);

  EXPECT_FALSE(PrefsOf(game).removeMarksOnFill);
  EXPECT_EQ(PuzzleOf(game).board, before);
  ExpectRequestEnded(game, view);
}

// --- every technique, explained and applied -------------------------------------------

struct TechniqueCase {
  const char* name;
  const char* position;  // candidates are those the digits allow
  int level;
  HintTechnique technique;
  int step;
};

void PrintTo(const TechniqueCase& c, std::ostream* os) {
  *os << c.name;
}

class EveryTechnique : public testing::TestWithParam<TechniqueCase> {};

TEST_P(EveryTechnique, IsExplainedAndDoItDoesWhatWasShown) {
  const TechniqueCase& tc = GetParam();
  const core::DigitGrid grid = GridFromLine(tc.position);
  const core::DigitGrid solution = SolutionOf(grid);
  FakeView view;
  Game game(view);
  StartWith(game, grid);
  CountersOf(game).level = tc.level;
  FillMarks(game);
  const Board before = PuzzleOf(game).board;
  const int steps = game.History().Count();
  view.AnswerStage(ModalResult::Ok);
  view.AnswerStage(kDoIt);
  game.HintSearch();

  const HintReport& hint = HintOf(game).last;
  EXPECT_EQ(hint.technique, tc.technique);
  EXPECT_EQ(hint.step, tc.step);
  ASSERT_TRUE(hint.applied);
  ASSERT_EQ(view.stages.size(), 2u);
  EXPECT_EQ(view.stages[0].buttonCaption, core::Text::ConcreteHintButton);
  EXPECT_EQ(view.stages[1].buttonCaption, core::Text::DoItButton);
  EXPECT_FALSE(HighlightedCells(view.stageLayers[0]).empty());

  // The concrete stage ends in its conclusion, with an empty line before it.
  const std::vector<std::string>& lines = view.stages[1].lines;
  std::size_t conclusion = 0;
  while (conclusion < lines.size() && lines[conclusion].rfind("&Conclusion:", 0) != 0) ++conclusion;
  ASSERT_LT(conclusion, lines.size());
  ASSERT_GT(conclusion, 0u);
  EXPECT_EQ(lines[conclusion - 1], "");

  const HintChange change = DiffBoards(before, PuzzleOf(game).board);
  if (tc.technique == HintTechnique::ForcingChain ||
      tc.technique == HintTechnique::ContradictingChain) {
    ASSERT_EQ(change.placed.size(), 1u);
    const CellDigit p = change.placed[0];
    EXPECT_EQ(p.digit, solution[core::GridIndex(p.col, p.row)]);
    EXPECT_EQ(lines.back(), "&Conclusion:   " + core::CellName(p.col, p.row) +
                                (tc.technique == HintTechnique::ForcingChain ? " =& @" : "& = @") +
                                std::to_string(p.digit));
    EXPECT_TRUE(view.stages[1].fixedPitchBlock);
  } else {
    ASSERT_FALSE(change.eliminated.empty());
    EXPECT_TRUE(change.placed.empty());
    // "&Do it !" removes exactly the marks the concrete stage showed as removed.
    EXPECT_EQ(change.eliminated, ShownEliminations(view.stageLayers[1], before));
    for (const CellDigit& e : change.eliminated) {
      EXPECT_NE(e.digit, solution[core::GridIndex(e.col, e.row)]) << core::CellName(e.col, e.row);
      const techniques::Step& step = *hint.found;
      const int digit = std::visit(
          [](const auto& s) {
            if constexpr (requires { s.digit; })
              return s.digit;
            else
              return 0;
          },
          step);
      if (tc.technique == HintTechnique::NakedSubset) {
        const auto& r = std::get<techniques::NakedSubsetStep>(step);
        EXPECT_NE(r.digits & (1u << e.digit), 0u);
      } else if (tc.technique == HintTechnique::HiddenSubset) {
        const auto& r = std::get<techniques::HiddenSubsetStep>(step);
        EXPECT_EQ(r.digits & (1u << e.digit), 0u);
      } else {
        EXPECT_EQ(e.digit, digit);
      }
    }
    EXPECT_TRUE(PuzzleOf(game).marksReduced);
  }
  // The computed candidates took the same step, so the next request does
  // not ask which marks to use.
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).board, PuzzleOf(game).computed));
  EXPECT_EQ(game.History().Count(), steps + 1);
  EXPECT_EQ(CountersOf(game).generalHints, 1);
  EXPECT_EQ(CountersOf(game).concreteHints, 1);
  ExpectRequestEnded(game, view);
}

// Positions met on walks through published and generated puzzles, at a moment
// when the marks were still exactly the candidates the digits allow.
INSTANTIATE_TEST_SUITE_P(
    HintSearch, EveryTechnique,
    testing::Values(
        TechniqueCase{"NakedPairLeadingToSingle",
                      ".4..613...62..........4.......8.....485..6.1.6.94...58.316...4...417.6.98.6."
                      "241.5",
                      4, HintTechnique::NakedSubset, 5},
        TechniqueCase{
            "PointingLeadingToSingle",
            "53.48....14.95387.98..213548.123..453.584.2..7241.5.832.3..45.86593.842.4.85."
            "2.3.",
            4, HintTechnique::Pointing, 6},
        TechniqueCase{
            "ExactTripleLeadingToSingle",
            ".5.3.7.4.1.........3.......5.8.3.61....8..5.9.6..1.4......4...6...6927..6.2.."
            ".9..",
            5, HintTechnique::NakedSubset, 7},
        TechniqueCase{"ExactPairAtLevelFour",
                      "512.48..3896.3.124743.12....5.82...7.6.3....9.8.4.......518.34......3.58.38."
                      ".49..",
                      4, HintTechnique::NakedSubset, 8},
        TechniqueCase{"PointingAtLevelFour",
                      ".....69...293...65536...8....28.3.5...7.9....4.......2..1......98.61......5."
                      "3..4.",
                      4, HintTechnique::Pointing, 8},
        TechniqueCase{"TwoBlocksLeadingToSingle",
                      "..1....9.3...56....2..14.3..1.4..27..7..8..4....571386.5....8.3.37..596.9..3"
                      "...5.",
                      5, HintTechnique::TwoBlocks, 9},
        TechniqueCase{"ClaimingLeadingToSingle",
                      "..8.....3.....58..5....2..46....3..99...781...1.....3.175...39....3.7......."
                      "9.67.",
                      5, HintTechnique::Claiming, 10},
        TechniqueCase{"TripleLeadingToSingle",
                      ".....9..363..2.8...4...3.....1.....7.8..9...5.753.621....2..346.54..81......"
                      ".4...",
                      5, HintTechnique::NakedSubset, 11},
        TechniqueCase{"ExactPairAtLevelFive",
                      "32..15......9.......1.4835..1...97.57........23...48.6487321569..34..2.11.2."
                      "9.4..",
                      5, HintTechnique::NakedSubset, 12},
        TechniqueCase{"TwoBlocks",
                      "...613897...2951469167842356459273811834569722..831564.....87.......2......1"
                      ".9.28",
                      5, HintTechnique::TwoBlocks, 13},
        TechniqueCase{"ClaimingInAColumn",
                      ".7.....2..6.....8...98.4.6...61...5.5...4.23..4..9..7.....316.26.....5....42"
                      "....3",
                      5, HintTechnique::Claiming, 14},
        TechniqueCase{"QuadLeadingToSingle",
                      "...9...86......5......5...1.2......47.85...9.4..36....2....3....4.69..7.67.."
                      "1.4..",
                      5, HintTechnique::NakedSubset, 15},
        TechniqueCase{"Quad",
                      "53..2.9...24.3..5...9..........1.827...7...9.....981.............64....91.2."
                      "5.43.",
                      5, HintTechnique::NakedSubset, 16},
        TechniqueCase{"HiddenPair",
                      "1........9....5...2.463..8.49.3....6....7...3...5...2.7.9.6.....2..481......"
                      "5..62",
                      5, HintTechnique::HiddenSubset, 18},
        TechniqueCase{"HiddenTriple",
                      ".4.7...6...39............57.......3.2...8.....19...57.6...4...5.5.1......2.."
                      ".6.84",
                      5, HintTechnique::HiddenSubset, 18},
        TechniqueCase{"XWing",
                      "...13.6.96.378.1.51..6..8.3431978256562341798..7256314.5681.4377145639823..4"
                      ".7561",
                      5, HintTechnique::XWing, 20},
        TechniqueCase{"Swordfish",
                      "...3..5...5..1..3...7..4..12.....4...6..9......1..6..28..7..2..79..8..5...5."
                      ".9..7",
                      5, HintTechnique::Swordfish, 21},
        TechniqueCase{"ForcingChain",
                      "5...386144..15.98.1.8.495..681325749374961258952874361813.9.47574.5831..2.54"
                      "178..",
                      5, HintTechnique::ForcingChain, 22},
        TechniqueCase{"ContradictingChain",
                      "4.6...8.22.74....63.12...4564987.2.15.26...898.3...6..7643..5281385...9.9257"
                      "48163",
                      5, HintTechnique::ContradictingChain, 22}),
    [](const testing::TestParamInfo<TechniqueCase>& info) { return std::string(info.param.name); });

// An exact pair whose eliminations lead to no single comes before the
// two-block and claiming searches only for the easier levels.
TEST(HintSearch, PairWithoutSingleWaitsForTheHarderSearchesOnlyAtLevelFive) {
  const char* level4Position =
      "512.48..3896.3.124743.12....5.82...7.6.3....9.8.4.......518.34......3.58.38..49..";
  const char* level5Position =
      "32..15......9.......1.4835..1...97.57........23...48.6487321569..34..2.11.2.9.4..";
  const auto stepAt = [](const char* position, int level) {
    FakeView view;
    Game game(view);
    StartWith(game, GridFromLine(position));
    CountersOf(game).level = level;
    FillMarks(game);
    view.AnswerStage(kClose);
    game.HintSearch();
    return HintOf(game).last.step;
  };
  EXPECT_EQ(stepAt(level4Position, 4), 8);
  EXPECT_NE(stepAt(level4Position, 5), 8);
  EXPECT_EQ(stepAt(level4Position, 0), stepAt(level4Position, 5));
  EXPECT_EQ(stepAt(level5Position, 5), 12);
  EXPECT_EQ(stepAt(level5Position, 1), 8);
}

}  // namespace
}  // namespace zentaro::app::test
