#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HintTestHelpers.h"
#include "hints/Explanations.h"

namespace zentaro::hints {
namespace {

using namespace zentaro::hints::testing;
using Lines = std::vector<std::string>;
using techniques::LineKind;

// A pointing or claiming step, its line given as a row or a column number
// (the other -1).
template <typename Step>
Step Locked(int digit, int block, int rowLine, int columnLine) {
  Step step;
  step.digit = digit;
  step.block = block;
  step.line = rowLine > 0 ? LineKind::Row : LineKind::Column;
  step.lineNumber = rowLine > 0 ? rowLine : columnLine;
  return step;
}
const auto Pointed = Locked<techniques::PointingStep>;
const auto Claimed = Locked<techniques::ClaimingStep>;

TEST(ExplainPointingTest, RowInTopLeftBlock) {
  core::Board board = EmptyBoardWithAllMarks();
  board.at(7, 2)[core::kDigit] = 9;  // a filled cell of the line carries no marks
  const Explanation e = ExplainPointing(board, Pointed(3, 1, 2, -1), true);

  EXPECT_EQ(General(e).lines,
            Lines{"There is a candidate that occurs in only one row within the highlighted block. "
                  "This means that the candidate can be excluded in all cells of this row "
                  "&outside the highlighted block&."});
  EXPECT_EQ(Highlighted(General(e).highlights), Block(1));
  EXPECT_TRUE(WithMarkInfo(General(e).highlights).empty());

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"Within the highlighted block the digit @3& can stand only in one of the cells "
                   "of the &row B&.",
                   "The block must contain the digit @3@ so you can tell for sure that @3@ will "
                   "stand in one of the cells in the row B within this block. This means that @3@ "
                   "can be excluded as candidate in all cells in the row B outside the "
                   "highlighted block.",
                   "", "&Conclusion:&",
                   "You can remove the pencil marks of the digit &3@ from the &row B outside the "
                   "highlighted block&."}));
  EXPECT_EQ(Concrete(e).buttonCaption, core::Text::DoItButton);
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Block(1));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 3), (CellSet{"B1", "B2", "B3"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 3), (CellSet{"B4", "B5", "B6", "B8", "B9"}));
  // Closing the window takes the block away; the marks stay until the hint ends.
  EXPECT_TRUE(Highlighted(Concrete(e).highlightsAfter).empty());
  EXPECT_EQ(RemovedMark(Concrete(e).highlightsAfter, 3), (CellSet{"B4", "B5", "B6", "B8", "B9"}));
}

TEST(ExplainPointingTest, ColumnInCentreBlock) {
  const Explanation e = ExplainPointing(EmptyBoardWithAllMarks(), Pointed(8, 5, -1, 5), false);
  EXPECT_EQ(General(e).lines[0],
            "There is a candidate that occurs in only one column within the highlighted block. "
            "This means that the candidate can be excluded in all cells of this column &outside "
            "the highlighted block&.");
  EXPECT_EQ(Concrete(e).lines[0],
            "Within the highlighted block the digit @8& can stand only in one of the cells of the "
            "&column 5&.");
  EXPECT_EQ(Concrete(e).lines[4],
            "You can remove the pencil marks of the digit &8@ from the &column 5 outside the "
            "highlighted block&.");
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 8), (CellSet{"D5", "E5", "F5"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 8), Column(5) - Block(5));
}

TEST(ExplainClaimingTest, ColumnInTopRightBlock) {
  // Block 3 is the top-right one.
  const Explanation e = ExplainClaiming(EmptyBoardWithAllMarks(), Claimed(6, 3, -1, 8), true);
  EXPECT_EQ(General(e).lines,
            Lines{"In the highlighted column you can find a candidate that occurs only in the "
                  "cells belonging to one block 3x3. This means that this digit cannot stand &in "
                  "any other column& within this block."});
  EXPECT_EQ(Highlighted(General(e).highlights), Column(8));

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the &column 8& the digit @6& can stand only in one of the cells within the "
                   "higlighted block 3x3.",
                   "The column must contain the digit @6@, thus you can tell for sure that the "
                   "digit @6@ will stand in one of the cells in the column 8 within this block. "
                   "This means that the digit @6@ can be excluded as candidate in all other cells "
                   "within the highlighted block (cells &outside& this column).",
                   "", "&Conclusion:&",
                   "You can remove the pencil marks of the digit &6@ in the highlighted block "
                   "&except for the cells in the column 8&."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Block(3) + Column(8));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 6), Column(8));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 6), Block(3) - Column(8));
}

TEST(ExplainClaimingTest, RowWording) {
  const Explanation e = ExplainClaiming(EmptyBoardWithAllMarks(), Claimed(1, 5, 5, -1), true);
  EXPECT_EQ(General(e).lines[0],
            "In the highlighted row you can find a candidate that occurs only in the cells "
            "belonging to one block 3x3. This means that this digit cannot stand &in any other "
            "row& within this block.");
  EXPECT_EQ(Concrete(e).lines[4],
            "You can remove the pencil marks of the digit &1@ in the highlighted block &except "
            "for the cells in the row E&.");
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 1), Block(5) - Row('E'));
}

techniques::TwoBlockStep TwoBlocks(int digit, int block, int second, int line1, int line2,
                                   LineKind lines) {
  return {digit, {block, second}, lines, {line1, line2}};
}

TEST(ExplainTwoBlocksTest, RowsOfTheTopBand) {
  const Explanation e =
      ExplainTwoBlocks(EmptyBoardWithAllMarks(), TwoBlocks(4, 1, 2, 1, 3, LineKind::Row), true);
  EXPECT_EQ(General(e).lines,
            Lines{"Within the two highlighted blocks 3x3 you can find a candidate that in both "
                  "blocks occurs only in two (the same) rows. This means that this digit can stand "
                  "nowhere &outside these blocks& in these two rows."});
  EXPECT_EQ(Highlighted(General(e).highlights), Block(1) + Block(2));

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"Within both highlighted blocks the digit &4@ occurs as candidate only in the "
                   "rows &A& and &C&.",
                   "Both blocks &must& contain the digit @4@, but it may not stand in two cells "
                   "within the same row, thus the digit @4@ &must& stand in the row A within one "
                   "block and in the row C within the other block.",
                   "This means that the digit @4@ can be excluded as candidate in all cells in the "
                   "rows A and C outside these two blocks.",
                   "", "&Conclusion:&",
                   "You can remove all pencil marks of the digit @4& from the rows A and C "
                   "&outside the two highlighted blocks&."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Block(1) + Block(2));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 4), (Row('A') + Row('C')) * (Block(1) + Block(2)));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 4), (Row('A') + Row('C')) * Block(3));
}

TEST(ExplainTwoBlocksTest, ColumnsOfTheMiddleStack) {
  const Explanation e =
      ExplainTwoBlocks(EmptyBoardWithAllMarks(), TwoBlocks(9, 2, 8, 4, 6, LineKind::Column), true);
  EXPECT_EQ(Concrete(e).lines[0],
            "Within both highlighted blocks the digit &9@ occurs as candidate only in the columns "
            "&4& and &6&.");
  EXPECT_EQ(Concrete(e).lines[1],
            "Both blocks &must& contain the digit @9@, but it may not stand in two cells within "
            "the same column, thus the digit @9@ &must& stand in the column 4 within one block and "
            "in the column 6 within the other block.");
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 9), (Column(4) + Column(6)) * Block(5));
}

}  // namespace
}  // namespace zentaro::hints
