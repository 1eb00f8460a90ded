#include "techniques/Fish.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "techniques/TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using test::BoardFromLine;
using test::Eliminate;
using test::HasCandidate;

bool Contains(std::initializer_list<int> values, int v) {
  for (int x : values)
    if (x == v) return true;
  return false;
}

// Leaves the digit only in the listed columns of the row.
void ConfineToColumns(Board& board, int row, int digit, std::initializer_list<int> cols) {
  for (int c = 1; c <= 9; ++c)
    if (!Contains(cols, c)) Eliminate(board, c, row, digit);
}

// Leaves the digit only in the listed rows of the column.
void ConfineToRows(Board& board, int col, int digit, std::initializer_list<int> rows) {
  for (int r = 1; r <= 9; ++r)
    if (!Contains(rows, r)) Eliminate(board, col, r, digit);
}

Board EmptyBoard() {
  return BoardFromLine(std::string(81, '.').c_str());
}

// Digit 4 only in columns 2 and 7 of rows B and F.
Board RowXWingOn4() {
  Board board = EmptyBoard();
  ConfineToColumns(board, 2, 4, {2, 7});
  ConfineToColumns(board, 6, 4, {2, 7});
  return board;
}

constexpr FishSkipSet Skip(int digit) {
  return static_cast<FishSkipSet>(1U << digit);
}

// ---------------------------------------------------------------- X-Wing

TEST(FindXWing, CheckOnlyReportsRowPatternAndLeavesBoardUntouched) {
  Board board = RowXWingOn4();
  const Board before = board;
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, 0, result), 1);

  EXPECT_EQ(board, before);
  EXPECT_EQ(result.orientation, Orientation::Rows);
  EXPECT_EQ(result.digit, 4);
  EXPECT_EQ(result.lines[0], 2);
  EXPECT_EQ(result.lines[1], 6);
  EXPECT_EQ(result.positions[0], 2);
  EXPECT_EQ(result.positions[1], 7);
  EXPECT_EQ(result.orientation, Orientation::Rows);
  EXPECT_EQ(result.lines[2], -1);
  EXPECT_EQ(result.positions[2], -1);
}

TEST(FindXWing, ApplyRemovesTheDigitFromTheCrossColumnsOnly) {
  Board board = RowXWingOn4();
  Board expected = board;
  for (int r = 1; r <= 9; ++r) {
    if (r == 2 || r == 6) continue;
    Eliminate(expected, 2, r, 4);
    Eliminate(expected, 7, r, 4);
  }
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, false, 0, result), 14);

  EXPECT_EQ(board, expected);
  EXPECT_EQ(result.orientation, Orientation::Rows);
  EXPECT_EQ(result.digit, 4);
  EXPECT_EQ(result.lines[0], 2);
  EXPECT_EQ(result.lines[1], 6);
}

TEST(FindXWing, ThirdCandidateInSecondRowSpoilsThePattern) {
  Board board = EmptyBoard();
  ConfineToColumns(board, 2, 4, {2, 7});
  ConfineToColumns(board, 6, 4, {2, 5, 7});
  const Board before = board;
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, false, 0, result), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.orientation, Orientation::None);  // untouched
  EXPECT_EQ(result.digit, -1);
}

TEST(FindXWing, SkippedDigitIsNeverReported) {
  Board board = RowXWingOn4();
  const Board before = board;
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, false, Skip(4), result), 0);
  EXPECT_EQ(board, before);
}

TEST(FindXWing, SkipSetStepsToTheNextDigit) {
  // A second X-Wing on digit 7 in rows A and H, columns 1 and 9.
  Board board = RowXWingOn4();
  ConfineToColumns(board, 1, 7, {1, 9});
  ConfineToColumns(board, 8, 7, {1, 9});
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, Skip(4) | Skip(2), result), 1);
  EXPECT_EQ(result.digit, 7);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 8);
  EXPECT_EQ(result.positions[0], 1);
  EXPECT_EQ(result.positions[1], 9);
}

TEST(FindXWing, ColumnPatternFoundWithBaseColumns) {
  // Digit 4 only in rows D and H of columns 3 and 8.
  Board board = EmptyBoard();
  ConfineToRows(board, 3, 4, {4, 8});
  ConfineToRows(board, 8, 4, {4, 8});
  Board expected = board;
  for (int c = 1; c <= 9; ++c) {
    if (c == 3 || c == 8) continue;
    Eliminate(expected, c, 4, 4);
    Eliminate(expected, c, 8, 4);
  }
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, false, 0, result), 14);
  EXPECT_EQ(board, expected);
  EXPECT_EQ(result.orientation, Orientation::Columns);
  EXPECT_EQ(result.digit, 4);
  EXPECT_EQ(result.lines[0], 3);
  EXPECT_EQ(result.lines[1], 8);
  EXPECT_EQ(result.positions[0], 4);
  EXPECT_EQ(result.positions[1], 8);
}

TEST(FindXWing, RowsAreSearchedBeforeColumnsWhateverTheDigit) {
  Board board = EmptyBoard();
  ConfineToRows(board, 3, 2, {4, 8});  // column X-Wing on the lower digit 2
  ConfineToRows(board, 8, 2, {4, 8});
  ConfineToColumns(board, 5, 9, {1, 6});  // row X-Wing on digit 9
  ConfineToColumns(board, 7, 9, {1, 6});
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, 0, result), 1);
  EXPECT_EQ(result.orientation, Orientation::Rows);
  EXPECT_EQ(result.digit, 9);
  EXPECT_EQ(result.lines[0], 5);
  EXPECT_EQ(result.lines[1], 7);
}

TEST(FindXWing, UpperBaseRowComesBeforeLowerDigit) {
  // Digit 8 pattern starts in row A, digit 3 pattern only in row B: the row
  // is the outer loop, so digit 8 wins.
  Board board = EmptyBoard();
  ConfineToColumns(board, 1, 8, {4, 5});
  ConfineToColumns(board, 9, 8, {4, 5});
  ConfineToColumns(board, 2, 3, {1, 2});
  ConfineToColumns(board, 3, 3, {1, 2});
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, 0, result), 1);
  EXPECT_EQ(result.digit, 8);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 9);
}

TEST(FindXWing, PatternWithNothingToRemoveIsPassedOver) {
  // Digit 4 in rows B and F, columns 2 and 7, and nowhere else in those
  // columns: true, but useless. Digit 6 then gives the instance.
  Board board = RowXWingOn4();
  ConfineToRows(board, 2, 4, {2, 6});
  ConfineToRows(board, 7, 4, {2, 6});
  ConfineToColumns(board, 3, 6, {5, 9});
  ConfineToColumns(board, 4, 6, {5, 9});
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, 0, result), 1);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.lines[0], 3);
  EXPECT_EQ(result.lines[1], 4);
}

TEST(FindXWing, FilledCellsDoNotCountAsCandidates) {
  // Row A holds 1..7 in columns 1..7; digits 8 and 9 are left for columns 8
  // and 9 there. A stray flag on a filled cell must not break the pair.
  Board board = BoardFromLine(
      "1234567.."
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      ".........");
  board.at(1, 1)[8] = 1;
  ConfineToColumns(board, 5, 8, {8, 9});
  TechniqueResult result;

  EXPECT_EQ(FindXWing(board, true, 0, result), 1);
  EXPECT_EQ(result.digit, 8);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 5);
}

// ------------------------------------------------------------- Swordfish

struct SwordfishCase {
  std::string name;
  std::vector<std::vector<int>> rowSets;  // for columns 2, 5 and 8
  bool instance;
};

void PrintTo(const SwordfishCase& c, std::ostream* os) {
  *os << c.name;
}

class SwordfishShapes : public ::testing::TestWithParam<SwordfishCase> {};

TEST_P(SwordfishShapes, RecognisedOnlyWhenEveryCoverRowIsShared) {
  Board board = EmptyBoard();
  const int cols[3] = {2, 5, 8};
  for (int i = 0; i < 3; ++i)
    for (int r = 1; r <= 9; ++r) {
      bool keep = false;
      for (int k : GetParam().rowSets[i]) keep = keep || k == r;
      if (!keep) Eliminate(board, cols[i], r, 6);
    }
  const Board before = board;
  TechniqueResult result;

  const int found = FindSwordfish(board, false, 0, result);

  if (GetParam().instance) {
    EXPECT_EQ(found, 18);  // rows 1, 4 and 9 in the six other columns
    EXPECT_EQ(result.orientation, Orientation::Columns);
  } else {
    EXPECT_EQ(found, 0);
    EXPECT_EQ(result.orientation, Orientation::None);  // untouched
    EXPECT_EQ(board, before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FindSwordfish, SwordfishShapes,
    ::testing::Values(SwordfishCase{"PairsInACycle", {{1, 4}, {4, 9}, {1, 9}}, true},
                      SwordfishCase{"TripleAndTwoPairs", {{1, 4, 9}, {1, 4}, {4, 9}}, true},
                      SwordfishCase{"RowCoveredOnceIsDropped", {{1, 4}, {1, 4}, {4, 9}}, false},
                      SwordfishCase{"FourCoverRows", {{1, 4}, {4, 9}, {1, 5}}, false}),
    [](const ::testing::TestParamInfo<SwordfishCase>& info) { return info.param.name; });

// Digit 6 in columns 2, 5, 8 only in rows {1,4}, {4,9}, {1,9}.
Board ColumnSwordfishOn6() {
  Board board = EmptyBoard();
  ConfineToRows(board, 2, 6, {1, 4});
  ConfineToRows(board, 5, 6, {4, 9});
  ConfineToRows(board, 8, 6, {1, 9});
  return board;
}

TEST(FindSwordfish, ApplyReportsAscendingLinesAndRemovesExactlyTheCrossRows) {
  Board board = ColumnSwordfishOn6();
  Board expected = board;
  for (int r : {1, 4, 9})
    for (int c = 1; c <= 9; ++c)
      if (c != 2 && c != 5 && c != 8) Eliminate(expected, c, r, 6);
  TechniqueResult result;

  EXPECT_EQ(FindSwordfish(board, false, 0, result), 18);

  EXPECT_EQ(board, expected);
  EXPECT_EQ(result.orientation, Orientation::Columns);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.lines, (std::array<int, 3>{2, 5, 8}));
  EXPECT_EQ(result.positions, (std::array<int, 3>{1, 4, 9}));
}

TEST(FindSwordfish, CheckOnlyCountsEveryOrderingAndReportsTheLastOne) {
  Board board = ColumnSwordfishOn6();
  const Board before = board;
  TechniqueResult result;

  // Six orderings of the one triple, each seeing the same 18 cells.
  EXPECT_EQ(FindSwordfish(board, true, 0, result), 6 * 18);

  EXPECT_EQ(board, before);
  EXPECT_EQ(result.orientation, Orientation::Columns);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.lines, (std::array<int, 3>{8, 5, 2}));
  EXPECT_EQ(result.positions, (std::array<int, 3>{1, 4, 9}));
}

TEST(FindSwordfish, RowPatternComesBackUntransposedWithOrientationOne) {
  // Digit 6 in rows B, E, H only in columns {1,4}, {4,9}, {1,9}.
  Board board = EmptyBoard();
  ConfineToColumns(board, 2, 6, {1, 4});
  ConfineToColumns(board, 5, 6, {4, 9});
  ConfineToColumns(board, 8, 6, {1, 9});
  // A mark that tells a transposed board from the real one.
  Eliminate(board, 3, 7, 1);
  Board expected = board;
  for (int c : {1, 4, 9})
    for (int r = 1; r <= 9; ++r)
      if (r != 2 && r != 5 && r != 8) Eliminate(expected, c, r, 6);

  const Board before = board;
  TechniqueResult checked;
  EXPECT_GT(FindSwordfish(board, true, 0, checked), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(checked.orientation, Orientation::Rows);

  TechniqueResult applied;
  EXPECT_EQ(FindSwordfish(board, false, 0, applied), 18);
  EXPECT_EQ(board, expected);
  EXPECT_EQ(applied.orientation, Orientation::Rows);
  EXPECT_EQ(applied.digit, 6);
  EXPECT_EQ(applied.lines, (std::array<int, 3>{2, 5, 8}));
  EXPECT_EQ(applied.positions, (std::array<int, 3>{1, 4, 9}));
}

TEST(FindSwordfish, ColumnsAreSearchedBeforeRowsWhateverTheDigit) {
  Board board = ColumnSwordfishOn6();
  ConfineToColumns(board, 2, 3, {1, 4});  // row Swordfish on the lower digit 3
  ConfineToColumns(board, 5, 3, {4, 9});
  ConfineToColumns(board, 8, 3, {1, 9});
  TechniqueResult result;

  EXPECT_GT(FindSwordfish(board, false, 0, result), 0);
  EXPECT_EQ(result.orientation, Orientation::Columns);
  EXPECT_EQ(result.digit, 6);
}

TEST(FindSwordfish, SkippedDigitGivesWayToTheNextOne) {
  Board board = ColumnSwordfishOn6();
  ConfineToRows(board, 1, 9, {2, 3});
  ConfineToRows(board, 3, 9, {3, 7});
  ConfineToRows(board, 4, 9, {2, 7});
  TechniqueResult result;

  EXPECT_EQ(FindSwordfish(board, false, Skip(6), result), 18);
  EXPECT_EQ(result.digit, 9);
  EXPECT_EQ(result.lines, (std::array<int, 3>{1, 3, 4}));
  EXPECT_EQ(result.positions, (std::array<int, 3>{2, 3, 7}));
  EXPECT_TRUE(HasCandidate(board, 1, 1, 6));  // the skipped pattern's targets stay
  EXPECT_FALSE(HasCandidate(board, 5, 2, 9));
}

}  // namespace
}  // namespace zentaro::techniques
