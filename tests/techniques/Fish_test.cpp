#include "techniques/Fish.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
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

constexpr FishTried Skip(int digit) {
  return static_cast<FishTried>(1U << digit);
}

// ---------------------------------------------------------------- X-Wing

BasicFishStep XWing(int digit, LineKind o, int base1, int base2, int cover1, int cover2) {
  return {digit, 2, o, {base1, base2, 0}, {cover1, cover2, 0}};
}

TEST(FindXWing, ReportsTheRowPatternAndApplyRemovesTheDigitFromTheCoverColumnsOnly) {
  Board board = RowXWingOn4();
  Board expected = board;
  for (int r = 1; r <= 9; ++r) {
    if (r == 2 || r == 6) continue;
    Eliminate(expected, 2, r, 4);
    Eliminate(expected, 7, r, 4);
  }
  const BasicFishStep step = XWing(4, LineKind::Row, 2, 6, 2, 7);

  EXPECT_EQ(FindXWing(board), step);
  EXPECT_EQ(ApplyXWing(board), step);
  EXPECT_EQ(board, expected);
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
  const BasicFishStep step = XWing(4, LineKind::Column, 3, 8, 4, 8);

  EXPECT_EQ(FindXWing(board), step);
  EXPECT_EQ(ApplyXWing(board), step);
  EXPECT_EQ(board, expected);
}

TEST(FindXWing, NothingFoundLeavesTheBoardAsItWas) {
  // A third candidate in the second row spoils the pattern; a skipped digit
  // is never reported.
  Board spoilt = EmptyBoard();
  ConfineToColumns(spoilt, 2, 4, {2, 7});
  ConfineToColumns(spoilt, 6, 4, {2, 5, 7});
  const struct {
    const char* name;
    Board board;
    FishTried skip;
  } cases[] = {{"third candidate", spoilt, 0}, {"skipped digit", RowXWingOn4(), Skip(4)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Board board = c.board;
    EXPECT_EQ(FindXWing(board, c.skip), std::nullopt);
    EXPECT_EQ(ApplyXWing(board, c.skip), std::nullopt);
    EXPECT_EQ(board, c.board);
  }
}

// Which of several patterns comes first.
TEST(FindXWing, TheSearchOrderPicksTheInstance) {
  // A second X-Wing on digit 7 in rows A and H, columns 1 and 9.
  Board skipping = RowXWingOn4();
  ConfineToColumns(skipping, 1, 7, {1, 9});
  ConfineToColumns(skipping, 8, 7, {1, 9});

  Board rowsFirst = EmptyBoard();
  ConfineToRows(rowsFirst, 3, 2, {4, 8});  // column X-Wing on the lower digit 2
  ConfineToRows(rowsFirst, 8, 2, {4, 8});
  ConfineToColumns(rowsFirst, 5, 9, {1, 6});  // row X-Wing on digit 9
  ConfineToColumns(rowsFirst, 7, 9, {1, 6});

  // Digit 8 pattern starts in row A, digit 3 pattern only in row B: the row
  // is the outer loop, so digit 8 wins.
  Board upperRow = EmptyBoard();
  ConfineToColumns(upperRow, 1, 8, {4, 5});
  ConfineToColumns(upperRow, 9, 8, {4, 5});
  ConfineToColumns(upperRow, 2, 3, {1, 2});
  ConfineToColumns(upperRow, 3, 3, {1, 2});

  // Digit 4 in rows B and F, columns 2 and 7, and nowhere else in those
  // columns: true, but useless. Digit 6 then gives the instance.
  Board useless = RowXWingOn4();
  ConfineToRows(useless, 2, 4, {2, 6});
  ConfineToRows(useless, 7, 4, {2, 6});
  ConfineToColumns(useless, 3, 6, {5, 9});
  ConfineToColumns(useless, 4, 6, {5, 9});

  // Row A holds 1..7 in columns 1..7; digits 8 and 9 are left for columns 8
  // and 9 there. A stray flag on a filled cell must not break the pair.
  Board filled = BoardFromLine(
      "1234567.."
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      ".........");
  filled.at(1, 1)[8] = 1;
  ConfineToColumns(filled, 5, 8, {8, 9});

  const struct {
    const char* name;
    Board board;
    FishTried skip;
    BasicFishStep step;
  } cases[] = {
      {"skip set steps to the next digit", skipping, static_cast<FishTried>(Skip(4) | Skip(2)),
       XWing(7, LineKind::Row, 1, 8, 1, 9)},
      {"rows before columns whatever the digit", rowsFirst, 0, XWing(9, LineKind::Row, 5, 7, 1, 6)},
      {"upper base row before lower digit", upperRow, 0, XWing(8, LineKind::Row, 1, 9, 4, 5)},
      {"nothing to remove is passed over", useless, 0, XWing(6, LineKind::Row, 3, 4, 5, 9)},
      {"filled cells are no candidates", filled, 0, XWing(8, LineKind::Row, 1, 5, 8, 9)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindXWing(c.board, c.skip), c.step);
  }
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

  const std::optional<BasicFishStep> found = FindSwordfish(board);
  const std::optional<BasicFishStep> applied = ApplySwordfish(board);

  ASSERT_EQ(found.has_value(), GetParam().instance);
  ASSERT_EQ(applied.has_value(), GetParam().instance);
  if (GetParam().instance) {
    EXPECT_EQ(found->baseLines, LineKind::Column);
    EXPECT_EQ(found->cover, (std::array<int, 3>{1, 4, 9}));
    int removed = 0;  // rows 1, 4 and 9 in the six other columns
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r)
        removed += HasCandidate(before, c, r, 6) && !HasCandidate(board, c, r, 6) ? 1 : 0;
    EXPECT_EQ(removed, 18);
  } else {
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

BasicFishStep Swordfish(int digit, LineKind o, std::array<int, 3> base, std::array<int, 3> cover) {
  return {digit, 3, o, base, cover};
}

// Finding visits every ordering of the triple and names the last one;
// carrying out removes everything at the first, which it names.
TEST(FindSwordfish, FindNamesTheLastOrderingApplyTheFirstAndRemovesExactlyTheCoverRows) {
  Board board = ColumnSwordfishOn6();
  Board expected = board;
  for (int r : {1, 4, 9})
    for (int c = 1; c <= 9; ++c)
      if (c != 2 && c != 5 && c != 8) Eliminate(expected, c, r, 6);

  EXPECT_EQ(FindSwordfish(board), Swordfish(6, LineKind::Column, {8, 5, 2}, {1, 4, 9}));
  EXPECT_EQ(ApplySwordfish(board), Swordfish(6, LineKind::Column, {2, 5, 8}, {1, 4, 9}));
  EXPECT_EQ(board, expected);
}

TEST(FindSwordfish, RowPatternComesBackUntransposedWithBaseRows) {
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

  EXPECT_EQ(FindSwordfish(board), Swordfish(6, LineKind::Row, {8, 5, 2}, {1, 4, 9}));
  EXPECT_EQ(ApplySwordfish(board), Swordfish(6, LineKind::Row, {2, 5, 8}, {1, 4, 9}));
  EXPECT_EQ(board, expected);
}

TEST(FindSwordfish, ColumnsAreSearchedBeforeRowsWhateverTheDigit) {
  Board board = ColumnSwordfishOn6();
  ConfineToColumns(board, 2, 3, {1, 4});  // row Swordfish on the lower digit 3
  ConfineToColumns(board, 5, 3, {4, 9});
  ConfineToColumns(board, 8, 3, {1, 9});

  const std::optional<BasicFishStep> step = ApplySwordfish(board);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->baseLines, LineKind::Column);
  EXPECT_EQ(step->digit, 6);
}

TEST(FindSwordfish, SkippedDigitGivesWayToTheNextOne) {
  Board board = ColumnSwordfishOn6();
  ConfineToRows(board, 1, 9, {2, 3});
  ConfineToRows(board, 3, 9, {3, 7});
  ConfineToRows(board, 4, 9, {2, 7});

  EXPECT_EQ(ApplySwordfish(board, Skip(6)), Swordfish(9, LineKind::Column, {1, 3, 4}, {2, 3, 7}));
  EXPECT_TRUE(HasCandidate(board, 1, 1, 6));  // the skipped pattern's targets stay
  EXPECT_FALSE(HasCandidate(board, 5, 2, 9));
}

}  // namespace
}  // namespace zentaro::techniques
