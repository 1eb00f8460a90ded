#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HintTestHelpers.h"
#include "hints/Explanations.h"

namespace zentaro::hints {
namespace {

using namespace zentaro::hints::testing;
using core::ModalResult;
using Lines = std::vector<std::string>;
using techniques::SingleStep;

SingleStep Single(int col, int row, int digit) {
  return {techniques::SingleKind::Candidate, {col, row}, digit, {}};
}

// Row B holds every digit but 5, and B4 is its only empty cell.
constexpr std::string_view kRowBMissesFive =
    "........."
    "123.46789"
    "........."
    "........."
    "........."
    "........."
    "........."
    "........."
    ".........";

TEST(ExplainSingleCandidateTest, BoardWithoutMarksAsksToFindTheAllowedDigits) {
  core::Board board;  // the hint computed the marks, so the board shows none
  const Explanation e = ExplainSingleCandidate(board, Single(4, 2, 5), false);
  ASSERT_EQ(e.stages.size(), 2u);
  EXPECT_TRUE(e.internalError.empty());

  EXPECT_EQ(General(e).kind, StageKind::General);
  EXPECT_EQ(General(e).lines, Lines{"Find all digits allowed for the highlighted cell @B4@."});
  EXPECT_EQ(General(e).buttonCaption, core::Text::ConcreteHintButton);
  EXPECT_EQ(General(e).helpContext, 1300);
  EXPECT_FALSE(General(e).countsConcreteHint);
  EXPECT_EQ(Highlighted(General(e).highlights), CellSet{"B4"});
  EXPECT_TRUE(Selected(General(e).highlights).empty());

  EXPECT_EQ(Concrete(e).kind, StageKind::Concrete);
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"The only digit allowed for the cell B4 is @5&.",
                   "All other digits are already present either in the column 4, or in the row "
                   "B, or in the block 3x3 containing the cell B4.",
                   "", "&Conclusion:   B4 =& @5&"}));
  EXPECT_EQ(Concrete(e).buttonCaption, core::Text::DoItButton);
  EXPECT_TRUE(Concrete(e).countsConcreteHint);
  EXPECT_EQ(Concrete(e).hintCell, (core::CellRef{4, 2}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), CellSet{"B4"});
  EXPECT_EQ(Selected(Concrete(e).highlights), CellSet{"B4"});
  EXPECT_TRUE(WithMarkInfo(Concrete(e).highlights).empty());
  EXPECT_FALSE(Concrete(e).fixedPitchBlock);
  EXPECT_FALSE(Concrete(e).widen.has_value());
}

TEST(ExplainSingleCandidateTest, UserMarkForcedByTheDigitsEndsPlainly) {
  const core::Board board = BoardWithMarks(kRowBMissesFive);
  const Explanation e = ExplainSingleCandidate(board, Single(4, 2, 5), true);
  EXPECT_EQ(General(e).lines, Lines{"The cell @B4& has only one candidate."});
  EXPECT_EQ(Concrete(e).lines[1],
            "All other digits are already present either in the column 4, or in the row B, or "
            "in the block 3x3 containing the cell B4.");
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 5), CellSet{"B4"});
  EXPECT_EQ(Selected(Concrete(e).highlights), CellSet{"B4"});
}

TEST(ExplainSingleCandidateTest, UserRemovedMarksAreOwnedUpTo) {
  core::Board board = EmptyBoardWithAllMarks();
  SetMarks(board, 4, 2, {5});
  const Explanation e = ExplainSingleCandidate(board, Single(4, 2, 5), true);
  EXPECT_EQ(General(e).lines, Lines{"The cell @B4& has only one candidate."});
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"The only digit allowed for the cell B4 is @5&.",
                   "All other digits are already present either in the column 4, or in the row "
                   "B, or in the block 3x3 containing the cell B4 (or they have been eliminated "
                   "as candidates for this cell by means of other solving techniques).",
                   "", "&Conclusion:   B4 =& @5&"}));
}

TEST(ExplainSingleCandidateTest, ComputedMarksNeverBlameTheUser) {
  core::Board board = EmptyBoardWithAllMarks();
  SetMarks(board, 4, 2, {5});
  const Explanation e = ExplainSingleCandidate(board, Single(4, 2, 5), false);
  EXPECT_TRUE(Concrete(e).lines[1].ends_with("containing the cell B4.")) << Concrete(e).lines[1];
  EXPECT_TRUE(WithMarkInfo(Concrete(e).highlights).empty());
}

// The unit as block, row and column numbers, -1 for the two it is not.
SingleStep HiddenSingle(int col, int row, int digit, int block, int rowUnit, int colUnit) {
  using techniques::UnitKind;
  const techniques::Unit unit = rowUnit > 0   ? techniques::Unit{UnitKind::Row, rowUnit}
                                : colUnit > 0 ? techniques::Unit{UnitKind::Column, colUnit}
                                              : techniques::Unit{UnitKind::Block, block};
  return {techniques::SingleKind::Hidden, {col, row}, digit, unit};
}

TEST(ExplainHiddenSingleTest, BlockSingleOnComputedMarks) {
  const Explanation e =
      ExplainHiddenSingle(EmptyBoardWithAllMarks(), HiddenSingle(5, 5, 7, 5, -1, -1), false);
  EXPECT_EQ(General(e).lines,
            Lines{"There is a digit that is allowed in &only one cell& within the highlighted "
                  "block 3x3. This means that the digit &has to& stand in that cell."});
  EXPECT_EQ(Highlighted(General(e).highlights), Block(5));
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the highlighted block 3x3 only the cell &E5& can contain the digit @7&.",
                   "All other free cells in this block 3x3 are excluded since their columns or "
                   "rows already contain the digit @7&.",
                   "", "&Conclusion:   E5 =& @7&"}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Block(5));
  EXPECT_TRUE(WithMarkInfo(Concrete(e).highlights).empty());
  EXPECT_FALSE(Concrete(e).hintCell.has_value());
  EXPECT_TRUE(Concrete(e).highlightsAfter.Empty());
}

TEST(ExplainHiddenSingleTest, RowSingleOnUserMarksNotForcedByDigitsBlamesManualRemoval) {
  const Explanation e =
      ExplainHiddenSingle(EmptyBoardWithAllMarks(), HiddenSingle(7, 3, 2, -1, 3, -1), true);
  EXPECT_EQ(General(e).lines[0],
            "There is a digit that is allowed in &only one cell& within the highlighted row. This "
            "means that the digit &has to& stand in that cell.");
  EXPECT_EQ(Highlighted(General(e).highlights), Row('C'));
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the highlighted row only the cell &C7& can contain the digit @2&.",
                   "All other free cells in this row are excluded since their columns or blocks "
                   "3x3 already contain the digit @2& (or the pencil marks of the digit @2& have "
                   "been removed manually).",
                   "", "&Conclusion:   C7 =& @2&"}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Row('C'));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 2), CellSet{"C7"});
  EXPECT_EQ(Concrete(e).hintCell, (core::CellRef{7, 3}));
  // Once the window closes the row highlight goes; the cell keeps its mark.
  EXPECT_TRUE(Highlighted(Concrete(e).highlightsAfter).empty());
  EXPECT_EQ(KeptMark(Concrete(e).highlightsAfter, 2), CellSet{"C7"});
}

TEST(ExplainHiddenSingleTest, ColumnSingleForcedByDigitsEndsPlainly) {
  // A 4 in every row A..H and in blocks 0..7 leaves I9 as the column's place.
  const core::Board board = BoardWithMarks(
      "4........"
      "...4....."
      "......4.."
      ".4......."
      "....4...."
      ".......4."
      "..4......"
      ".....4..."
      ".........");
  const Explanation e = ExplainHiddenSingle(board, HiddenSingle(9, 9, 4, -1, -1, 9), true);
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the highlighted column only the cell &I9& can contain the digit @4&.",
                   "All other free cells in this column are excluded since their rows or blocks "
                   "3x3 already contain the digit @4&.",
                   "", "&Conclusion:   I9 =& @4&"}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Column(9));
}

TEST(ExplainHiddenSingleTest, OnlyEmptyCellOfTheUnitSkipsTheExclusionSentence) {
  const core::Board board = BoardWithMarks(
      "........."
      "2........"
      "3........"
      "4........"
      "5........"
      "6........"
      "7........"
      "8........"
      "9........");
  const Explanation e = ExplainHiddenSingle(board, HiddenSingle(1, 1, 1, -1, -1, 1), true);
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the highlighted column only the cell &A1& can contain the digit @1&.", "",
                   "&Conclusion:   A1 =& @1&"}));
}

TEST(ExplainNoHintTest, AdviceForAGoodPuzzle) {
  const Explanation e = ExplainNoHint(1);
  ASSERT_EQ(e.stages.size(), 1u);
  const HintStage& stage = e.stages[0];
  EXPECT_EQ(stage.kind, StageKind::Only);
  EXPECT_EQ(stage.buttonCaption, core::Text::Ok);
  EXPECT_FALSE(stage.countsConcreteHint);
  EXPECT_EQ(stage.lines,
            (Lines{"You can only use the &\"trial-and-error\"& technique at this point.",
                   "Put a digit into one of the cells having the smallest number of candidates "
                   "(preferably two) and see whether this leads to a \"dead-end\" (a cell having "
                   "no candidates, for example).",
                   "",
                   "You can use the @Bookmark@ button to easily return to the current position if "
                   "the digit you've chosen turns out to be invalid."}));
  EXPECT_TRUE(stage.highlights.Empty());
  EXPECT_TRUE(stage.highlightsAfter.Empty());
}

TEST(ExplainNoHintTest, SeveralSolutionsSayThePuzzleIsNotGood) {
  const Lines lines = ExplainNoHint(2).stages.at(0).lines;
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0],
            "Cannot find a hint because &the puzzle is not good:& there are multiple solutions "
            "possible, which means that for some cells multiple digits are allowed.");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "You can only use the &\"trial-and-error\"& technique at this point.");
}

// A scripted window: answers each stage in turn and records what it showed.
struct ScriptedWindow {
  explicit ScriptedWindow(std::vector<ModalResult> script) : answers(std::move(script)) {}

  std::vector<ModalResult> answers;
  std::vector<StageKind> shown;
  std::vector<std::string> messages;

  ModalResult Show(const HintStage& stage) {
    shown.push_back(stage.kind);
    return answers.at(shown.size() - 1);
  }
};

ModalResult Drive(const Explanation& e, ScriptedWindow& window, int& concreteHints) {
  return DriveExplanation(
      e, [&](const HintStage& s) { return window.Show(s); },
      [&](const std::string& m) { window.messages.push_back(m); }, concreteHints);
}

TEST(DriveExplanationTest, CloseAfterTheGeneralStageEndsWithoutConcreteHint) {
  ScriptedWindow window({ModalResult::Cancel});
  int concreteHints = 0;
  EXPECT_EQ(Drive(ExplainSingleCandidate({}, Single(1, 1, 1), false), window, concreteHints),
            ModalResult::Cancel);
  EXPECT_EQ(window.shown, std::vector<StageKind>{StageKind::General});
  EXPECT_EQ(concreteHints, 0);
}

TEST(DriveExplanationTest, DoItAfterBothStagesCountsOneConcreteHint) {
  ScriptedWindow window({ModalResult::Ok, ModalResult::Ok});
  int concreteHints = 3;
  EXPECT_EQ(Drive(ExplainSingleCandidate({}, Single(1, 1, 1), false), window, concreteHints),
            ModalResult::Ok);
  EXPECT_EQ(window.shown, (std::vector<StageKind>{StageKind::General, StageKind::Concrete}));
  EXPECT_EQ(concreteHints, 4);
}

TEST(DriveExplanationTest, CloseOnTheConcreteStageStillCountsIt) {
  ScriptedWindow window({ModalResult::Ok, ModalResult::Cancel});
  int concreteHints = 0;
  EXPECT_EQ(Drive(ExplainSingleCandidate({}, Single(1, 1, 1), false), window, concreteHints),
            ModalResult::Cancel);
  EXPECT_EQ(concreteHints, 1);
}

TEST(DriveExplanationTest, InternalErrorIsAPlainMessageAndCancels) {
  ScriptedWindow window({});
  int concreteHints = 0;
  Explanation broken;
  broken.internalError = "Internal error.";
  EXPECT_EQ(Drive(broken, window, concreteHints), ModalResult::Cancel);
  EXPECT_TRUE(window.shown.empty());
  EXPECT_EQ(window.messages, std::vector<std::string>{"Internal error."});
}

}  // namespace
}  // namespace zentaro::hints

namespace zentaro::hints {
namespace {

// A step some finder left half-filled yields odd words but must never read
// outside the board.
template <typename Step>
void ExpectTwoStagesFor(Explanation (*explain)(const core::Board&, const Step&, bool, int),
                        const Step& blank) {
  const Explanation e =
      explain(testing::EmptyBoardWithAllMarks(), blank, true, core::kMainWindowHelpContext);
  EXPECT_EQ(e.stages.size(), 2u);
}

TEST(ExplanationsTest, UnfilledResultsStayOnTheBoard) {
  const core::Board board = testing::EmptyBoardWithAllMarks();
  ExpectTwoStagesFor(ExplainNakedSubset, techniques::NakedSubsetStep{});
  ExpectTwoStagesFor(ExplainHiddenSubset, techniques::HiddenSubsetStep{});
  for (const techniques::SingleStep& single :
       {techniques::SingleStep{},
        techniques::SingleStep{techniques::SingleKind::Candidate, {-1, -1}, -1, {}}}) {
    ExpectTwoStagesFor(ExplainSingleCandidate, single);
    ExpectTwoStagesFor(ExplainHiddenSingle, single);
  }
  ExpectTwoStagesFor(ExplainPointing, techniques::PointingStep{});
  ExpectTwoStagesFor(ExplainClaiming, techniques::ClaimingStep{});
  ExpectTwoStagesFor(ExplainTwoBlocks, techniques::TwoBlockStep{});
  ExpectTwoStagesFor(ExplainXWing, techniques::BasicFishStep{});
  ExpectTwoStagesFor(ExplainSwordfish,
                     techniques::BasicFishStep{0, 3, techniques::LineKind::Row, {}, {}});
  EXPECT_EQ(
      ExplainChains(board, techniques::ChainStep{}, true, core::kMainWindowHelpContext).internalError,
      "Internal error.");
}

}  // namespace
}  // namespace zentaro::hints
