#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HintTestHelpers.h"
#include "hints/Explanations.h"
#include "hints/Markup.h"

namespace zentaro::hints {
namespace {

using namespace zentaro::hints::testing;
using Lines = std::vector<std::string>;
using techniques::UnitKind;

constexpr std::uint16_t Set(std::initializer_list<int> digits) {
  std::uint16_t set = 0;
  for (int d : digits) set |= static_cast<std::uint16_t>(1u << d);
  return set;
}

// The unit is the one of that kind through the first cell (col, row).
techniques::NakedSubsetStep Naked(std::uint16_t set, UnitKind unitKind, int col, int row,
                                  bool strict) {
  const int number = unitKind == UnitKind::Row      ? row
                     : unitKind == UnitKind::Column ? col
                                                    : core::BlockOf(col, row) + 1;
  return {set, {unitKind, number}, {col, row}, strict, 0};
}

TEST(ExplainNakedSubsetTest, PairWithTheSameCandidatesInARow) {
  core::Board board = EmptyBoardWithAllMarks();
  SetMarks(board, 1, 2, {2, 7});
  SetMarks(board, 5, 2, {2, 7});
  board.at(9, 2)[core::kDigit] = 3;
  const Explanation e =
      ExplainNakedSubset(board, Naked(Set({2, 7}), techniques::UnitKind::Row, 1, 2, true), true);

  EXPECT_EQ(General(e).lines,
            Lines{"In the highlighted row there are two cells having the same two digits as the "
                  "only candidates. This means that each of these two digits &must& stand in one "
                  "of these cells, thus the digits can be excluded from all other cells in this "
                  "row."});
  EXPECT_EQ(Highlighted(General(e).highlights), Row('B'));

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"Look at the highlighted row:",
                   "In this row there are two cells having exactly the same two candidates: &2@ "
                   "and &7@.",
                   "These two digits are &the only& candidates for these two cells, thus each of "
                   "the two digits &must& stand in one of these two cells.",
                   "This means that none of these digits can stand in any other cell in the "
                   "highlighted row, thus both digits can be excluded as candidates in all other "
                   "cells in this row.",
                   "", "&Conclusion:&",
                   "You can remove the pencil marks of the digits &2@ and &7@ in all cells in the "
                   "highlighted row &except for the two highlighted cells& that have no other "
                   "candidates."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Row('B'));
  for (int d : {2, 7}) {
    EXPECT_EQ(KeptMark(Concrete(e).highlights, d), (CellSet{"B1", "B5"})) << d;
    EXPECT_EQ(RemovedMark(Concrete(e).highlights, d), Row('B') - CellSet({"B1", "B5", "B9"})) << d;
  }
  EXPECT_TRUE(KeptMark(Concrete(e).highlights, 4).empty());
}

TEST(ExplainNakedSubsetTest, TripleFromASetInABlock) {
  core::Board board = EmptyBoardWithAllMarks();
  SetMarks(board, 4, 4, {1, 3});
  SetMarks(board, 5, 5, {3, 8});
  SetMarks(board, 6, 6, {1, 8});
  const Explanation e = ExplainNakedSubset(
      board, Naked(Set({1, 3, 8}), techniques::UnitKind::Block, 4, 4, false), true);

  EXPECT_EQ(General(e).lines,
            Lines{"In the highlighted block 3x3 there are three cells for which exclusively "
                  "candidates from a set of three digits are allowed. This means that each of the "
                  "digits from this set &must& stand in one of these three cells, thus all digits "
                  "from the set can be excluded in all other cells in this block."});
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"Look at the highlighted block 3x3:",
                   "In this block there are three cells for which exclusively candidates from a "
                   "set of three digits are allowed: &1@, &3@ and &8@.",
                   "The digits from this set are the only candidates for these cells and the "
                   "number of the cells is the same as the number of the digits in the set, thus "
                   "each of the three digits &must& stand in one of these three cells.",
                   "This means that none of these digits can stand in any other cell in the "
                   "highlighted block 3x3, thus all three digits can be excluded as candidates in "
                   "all other cells in this block.",
                   "", "&Conclusion:&",
                   "You can remove the pencil marks of the digits &1@, &3@ and &8@ in all cells in "
                   "the highlighted block 3x3 &except for the three highlighted cells& that have "
                   "no other candidates."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Block(5));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 3), (CellSet{"D4", "E5", "F6"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 3), Block(5) - CellSet({"D4", "E5", "F6"}));
}

TEST(ExplainNakedSubsetTest, QuadOfIdenticalCellsInAColumn) {
  core::Board board = EmptyBoardWithAllMarks();
  for (int row : {1, 3, 5, 7}) SetMarks(board, 6, row, {1, 2, 3, 4});
  // The wording follows the cells: a strict flag left over from another
  // instance must not make them "the same".
  const Explanation e = ExplainNakedSubset(
      board, Naked(Set({1, 2, 3, 4}), techniques::UnitKind::Column, 6, 1, false), true);
  EXPECT_EQ(General(e).lines[0],
            "In the highlighted column there are four cells having the same four digits as the "
            "only candidates. This means that each of these four digits &must& stand in one of "
            "these cells, thus the digits can be excluded from all other cells in this column.");
  EXPECT_EQ(Concrete(e).lines[1],
            "In this column there are four cells having exactly the same four candidates: &1@, "
            "&2@, &3@ and &4@.");
  EXPECT_EQ(Concrete(e).lines[2],
            "The digits from this set are the only candidates for these cells and the number of "
            "the cells is the same as the number of the digits in the set, thus each of the four "
            "digits &must& stand in one of these four cells.");
  EXPECT_EQ(Concrete(e).lines[3],
            "This means that none of these digits can stand in any other cell in the highlighted "
            "column, thus all four digits can be excluded as candidates in all other cells in "
            "this column.");
  EXPECT_EQ(Concrete(e).lines[6],
            "You can remove the pencil marks of the digits &1@, &2@, &3@ and &4@ in all cells in "
            "the highlighted column &except for the four highlighted cells& that have no other "
            "candidates.");
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 1), (CellSet{"A6", "C6", "E6", "G6"}));
}

techniques::HiddenSubsetStep Hidden(std::array<int, 4> digits, UnitKind unitKind, int unitNumber) {
  techniques::HiddenSubsetStep step;
  for (const int d : digits)
    if (d >= 1 && d <= 9) step.digits = static_cast<std::uint16_t>(step.digits | (1u << d));
  step.unit = {unitKind, unitNumber};
  return step;
}

TEST(ExplainHiddenSubsetTest, PairInARow) {
  core::Board board = EmptyBoardWithAllMarks();
  const std::vector<std::vector<int>> rowD{{1, 3}, {4, 5}, {2, 5, 7},    {6, 9}, {1, 3, 5},
                                           {4, 6}, {8, 9}, {1, 2, 7, 9}, {1, 5}};
  for (int col = 1; col <= 9; ++col) {
    core::Cell& cell = board.at(col, 4);
    cell.fill(0);
    for (int d : rowD[col - 1]) cell[d] = 1;
    cell[core::kCount] = static_cast<int>(rowD[col - 1].size());
  }
  const Explanation e =
      ExplainHiddenSubset(board, Hidden({2, 7, 0, 0}, techniques::UnitKind::Row, 4), true);
  EXPECT_EQ(General(e).lines,
            Lines{"From the candidates in the highlighted row a set of two digits can be chosen, "
                  "so that the digits from this set can be put in exactly two cells (within the "
                  "row). This means that each of these cells &must& contain a digit from this "
                  "set, thus all other candidates in these two cells can be excluded."});
  EXPECT_EQ(Highlighted(General(e).highlights), Row('D'));
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the row D the set of two candidates (@2& and @7&) can be placed in exactly "
                   "two cells: &D3&, &D8&. This means that each of these cells &must& contain a "
                   "digit from this set, thus all other candidates (not belonging to the set) can "
                   "be excluded from these two cells.",
                   "", "&Conclusion:&",
                   "You can remove all pencil marks from the two highlighted cells &except for the "
                   "pencil marks of& @2& and @7&."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Row('D'));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 2), (CellSet{"D3", "D8"}));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 7), (CellSet{"D3", "D8"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 5), (CellSet{"D3", "D8"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 9), (CellSet{"D3", "D8"}));
}

TEST(ExplainHiddenSubsetTest, TripleInABlockNamesCellsColumnByColumn) {
  core::Board board = EmptyBoardWithAllMarks();
  SetMarks(board, 7, 7, {1, 2});
  SetMarks(board, 7, 8, {2, 3});
  SetMarks(board, 7, 9, {3, 5});
  SetMarks(board, 8, 7, {5, 7});
  SetMarks(board, 8, 8, {2, 9});
  SetMarks(board, 8, 9, {4, 9});
  SetMarks(board, 9, 7, {3, 7});
  SetMarks(board, 9, 8, {6, 8, 9});
  SetMarks(board, 9, 9, {2, 5});
  const Explanation e =
      ExplainHiddenSubset(board, Hidden({1, 4, 6, 0}, techniques::UnitKind::Block, 9), true);
  EXPECT_EQ(General(e).lines[0],
            "From the candidates in the highlighted block 3x3 a set of three digits can be "
            "chosen, so that the digits from this set can be put in exactly three cells (within "
            "the block). This means that each of these cells &must& contain a digit from this "
            "set, thus all other candidates in these three cells can be excluded.");
  EXPECT_EQ(Concrete(e).lines[0],
            "In the block 9 the set of three candidates (@1&, @4& and @6&) can be placed in "
            "exactly three cells: &G7&, &I8&, &H9&. This means that each of these cells &must& "
            "contain a digit from this set, thus all other candidates (not belonging to the set) "
            "can be excluded from these three cells.");
  EXPECT_EQ(Concrete(e).lines[3],
            "You can remove all pencil marks from the three highlighted cells &except for the "
            "pencil marks of& @1&, @4& and @6&.");
  EXPECT_EQ(WithMarkInfo(Concrete(e).highlights), (CellSet{"G7", "I8", "H9"}));
}

techniques::BasicFishStep FishResult(int digit, std::array<int, 3> lines,
                                     std::array<int, 3> positions, techniques::LineKind base) {
  return {digit, lines[2] > 0 ? 3 : 2, base, lines, positions};
}

TEST(ExplainXWingTest, BaseRows) {
  const Explanation e =
      ExplainXWing(EmptyBoardWithAllMarks(),
                   FishResult(5, {2, 6, -1}, {2, 7, -1}, techniques::LineKind::Row), true);
  EXPECT_EQ(General(e).lines,
            (Lines{"In two rows the digit @5& occurs as a candidate in exactly two cells, and in "
                   "both rows those cells belong to the same two columns.",
                   "This means that the digit @5@ can be excluded in those two columns, except for "
                   "the four cells (this solving technique is called \"X-Wing\")."}));
  EXPECT_EQ(Highlighted(General(e).highlights), Row('B') + Row('F'));
  EXPECT_FALSE(General(e).widen.has_value());

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"In the two highlighted rows only the cells @B2&, @B7&, @F2&, @F7& can contain "
                   "the digit @5&. There are two situations possible:",
                   "The digit @5@ stands either in the top-left and the bottom-right of the four "
                   "cells, or in the top-right and bottom-left ones (the digit may not occur twice "
                   "in any row or column). In both situations the digit @5@ can be excluded in "
                   "all other cells in the column 2 and the column 7&.",
                   "", "&Conclusion:&",
                   "You can remove the pencil marks of the digit @5& from all cells in the columns "
                   "&2& and &7&, &except for the highlighted cells & @B2&, @B7&, @F2&, @F7&."}));
  EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 0}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), Row('B') + Row('F') + Column(2) + Column(7));
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 5), (CellSet{"B2", "B7", "F2", "F7"}));
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 5), Column(2) + Column(7) - Row('B') - Row('F'));

  // The bold marker before the final full stop opens nothing and goes.
  const RenderedHint shown = RenderHintText(Concrete(e).lines, false);
  EXPECT_TRUE(shown.lines[1].ends_with("in the column 2 and the column 7.")) << shown.lines[1];
}

TEST(ExplainXWingTest, BaseColumns) {
  const Explanation e =
      ExplainXWing(EmptyBoardWithAllMarks(),
                   FishResult(5, {3, 8, -1}, {1, 4, -1}, techniques::LineKind::Column), true);
  EXPECT_EQ(General(e).lines[0],
            "In two columns the digit @5& occurs as a candidate in exactly two cells, and in both "
            "columns those cells belong to the same two rows.");
  EXPECT_EQ(Concrete(e).lines[0],
            "In the two highlighted columns only the cells @A3&, @D3&, @A8&, @D8& can contain the "
            "digit @5&. There are two situations possible:");
  EXPECT_TRUE(Concrete(e).lines[1].ends_with("in all other cells in the row A and the row D&."));
  EXPECT_EQ(Concrete(e).lines[4],
            "You can remove the pencil marks of the digit @5& from all cells in the rows &A& and "
            "&D&, &except for the highlighted cells & @A3&, @D3&, @A8&, @D8&.");
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 5), Row('A') + Row('D') - Column(3) - Column(8));
}

TEST(ExplainSwordfishTest, BaseColumns) {
  const Explanation e =
      ExplainSwordfish(EmptyBoardWithAllMarks(),
                       FishResult(9, {1, 5, 9}, {2, 4, 8}, techniques::LineKind::Column), true);
  EXPECT_EQ(General(e).lines,
            (Lines{"There are three columns that can hold the digit @9& in exactly two or three "
                   "cells, and in all these columns all the cells belong to the same three rows.",
                   "This means that the digit @9@ can be excluded in these three rows, except for "
                   "those cells (this solving technique is called \"Swordfish\")."}));
  EXPECT_EQ(Highlighted(General(e).highlights), Column(1) + Column(5) + Column(9));

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"All the columns &1&, &5& and &9& have two or three cells that can contain the "
                   "digit @9& (highlighted).",
                   "Each of these three columns must contain the digit @9@ and the digit can be "
                   "placed only in the highlighted cells, but in each of the three common rows the "
                   "digit @9@ can occur only once, thus in each of the three rows the digit @9@ "
                   "must stand in one of the highlighted cells (only in this way all three columns "
                   "can have the digit @9@).",
                   "This means that the digit @9& may not occur in any other cell in these three "
                   "rows.",
                   "", "&Conclusion:&",
                   "You can remove all pencil marks of the digit @9& from the rows @B&, @D& and "
                   "@H&, &except for the cells that are being shared with the columns& @1&, @5& "
                   "and @9& (highlighted)."}));
  EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 0}));
  const CellSet base = Column(1) + Column(5) + Column(9);
  const CellSet cross = Row('B') + Row('D') + Row('H');
  EXPECT_EQ(Highlighted(Concrete(e).highlights), base + cross);
  EXPECT_EQ(KeptMark(Concrete(e).highlights, 9), base * cross);
  EXPECT_EQ(RemovedMark(Concrete(e).highlights, 9), cross - base);
}

TEST(ExplainSwordfishTest, BaseRowsName) {
  const Explanation e =
      ExplainSwordfish(EmptyBoardWithAllMarks(),
                       FishResult(2, {1, 2, 3}, {4, 5, 6}, techniques::LineKind::Row), true);
  EXPECT_EQ(Concrete(e).lines[5],
            "You can remove all pencil marks of the digit @2& from the columns @4&, @5& and @6&, "
            "&except for the cells that are being shared with the rows& @A&, @B& and @C& "
            "(highlighted).");
}

}  // namespace
}  // namespace zentaro::hints
