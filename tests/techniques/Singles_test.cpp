#include "techniques/Singles.h"

#include <gtest/gtest.h>

#include "techniques/TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using core::kCount;
using core::kDigit;
using core::UnitCountTable;
using test::BoardFromLine;
using test::Eliminate;
using test::HasCandidate;
using test::KeepOnly;
using test::SetCandidates;

Board EmptyBoard() {
  return BoardFromLine(std::string(81, '.').c_str());
}

// Leaves the digit in exactly one cell of the block (0..8).
void HideInBlock(Board& board, int block, int col, int row, int digit) {
  const core::BlockBounds b = core::BoundsOfBlock(block);
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (c != col || r != row) Eliminate(board, c, r, digit);
}

void HideInRow(Board& board, int row, int col, int digit) {
  for (int c = 1; c <= 9; ++c)
    if (c != col) Eliminate(board, c, row, digit);
}

void HideInColumn(Board& board, int col, int row, int digit) {
  for (int r = 1; r <= 9; ++r)
    if (r != row) Eliminate(board, col, r, digit);
}

struct HiddenOut {
  int blockUnit = -7, rowUnit = -7, colUnit = -7, digit = -7, row = -7, col = -7;
  UnitCountTable blockCounts{}, rowCounts{}, colCounts{};
};

enum class HiddenRun { ReportOnly, PlaceFirst, CollectAll };

// The unit fields of a hidden single as numbers, -1 for the units it was
// not found in.
int UnitNumber(const SingleStep& single, UnitKind kind) {
  return single.unit.kind == kind ? single.unit.number : -1;
}

// Runs one hidden-single search and copies what it found into `out`, with
// the unit tables of the board as it is afterwards; the fields keep their -7
// when nothing was found. Placing lowers emptyCount; with none left there is
// nothing to look for. Returns how many it found.
int RunHidden(Board& board, int& emptyCount, HiddenRun mode, HiddenOut& out) {
  if (emptyCount == 0) return 0;
  const auto tables = [&] {
    const UnitCounts counts = CountCandidatesPerUnit(board);
    out.blockCounts = counts.blocks;
    out.rowCounts = counts.rows;
    out.colCounts = counts.columns;
  };
  if (mode == HiddenRun::CollectAll) {
    const int n = CollectHiddenSingles(board);
    tables();
    return n;
  }
  const std::optional<SingleStep> single = FindHiddenSingle(board);
  if (single && mode == HiddenRun::PlaceFirst) {
    Apply(*single, board);
    --emptyCount;
  }
  tables();
  if (!single) return 0;
  EXPECT_EQ(single->kind, SingleKind::Hidden);
  out.blockUnit = UnitNumber(*single, UnitKind::Block);
  out.rowUnit = UnitNumber(*single, UnitKind::Row);
  out.colUnit = UnitNumber(*single, UnitKind::Column);
  out.digit = single->digit;
  out.row = single->cell.row;
  out.col = single->cell.col;
  return 1;
}

// A naked single as (found, digit, row, col), placed unless reportOnly.
int Naked(Board& board, const std::optional<SingleStep>& single, int& empty, bool reportOnly,
          int& digit, int& row, int& col) {
  if (!single || empty == 0) return 0;
  EXPECT_EQ(single->kind, SingleKind::Candidate);
  if (!reportOnly) {
    Apply(*single, board);
    --empty;
  }
  digit = single->digit;
  row = single->cell.row;
  col = single->cell.col;
  return 1;
}

int NakedSingle(Board& board, int& empty, bool reportOnly, int& digit, int& row, int& col) {
  return Naked(board, FindNakedSingle(board), empty, reportOnly, digit, row, col);
}

int NakedSingleAt(Board& board, int c, int r, int& empty, bool reportOnly, int& digit, int& row,
                  int& col) {
  return Naked(board, techniques::NakedSingleAt(board, {c, r}), empty, reportOnly, digit, row, col);
}

TEST(CountCandidatesPerUnit, FilledCellsCountNothingWhateverTheirFlags) {
  Board board = EmptyBoard();
  board.at(1, 1)[kDigit] = 5;  // flags left at 1, as a digit typed over marks would
  const UnitCounts counts = CountCandidatesPerUnit(board);
  const UnitCountTable& blocks = counts.blocks;
  const UnitCountTable& rows = counts.rows;
  const UnitCountTable& cols = counts.columns;
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(rows[d - 1], 8) << d;
    EXPECT_EQ(cols[d - 1], 8) << d;
    EXPECT_EQ(blocks[d - 1], 8) << d;
    EXPECT_EQ(rows[9 + d - 1], 9) << d;
    EXPECT_EQ(cols[9 * 8 + d - 1], 9) << d;
    EXPECT_EQ(blocks[9 * 4 + d - 1], 9) << d;
  }
}

TEST(CountCandidatesPerUnit, TablesMatchBuildFromDigits) {
  const auto grid = test::GridFromLine(
      "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......");
  Board board{};
  UnitCountTable b1{}, r1{}, c1{};
  core::BuildFromDigits(grid, board, b1, r1, c1);
  const UnitCounts counts = CountCandidatesPerUnit(board);
  EXPECT_EQ(b1, counts.blocks);
  EXPECT_EQ(r1, counts.rows);
  EXPECT_EQ(c1, counts.columns);
}

TEST(FindNakedSingle, ZeroEmptyCountFindsNothingOnABoardWithSingles) {
  Board board = EmptyBoard();
  KeepOnly(board, 3, 3, {4});
  const Board before = board;
  int empty = 0, digit = -1, row = -1, col = -1;
  EXPECT_EQ(NakedSingle(board, empty, false, digit, row, col), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(empty, 0);
  EXPECT_EQ(digit, -1);
}

TEST(FindNakedSingle, ReportsTheFirstInReadingOrderAndLeavesTheBoard) {
  Board board = EmptyBoard();
  KeepOnly(board, 1, 2, {6});  // B1
  KeepOnly(board, 9, 1, {4});  // A9: earlier in reading order, later in column order
  const Board before = board;
  int empty = 81, digit = 0, row = 0, col = 0;
  ASSERT_EQ(NakedSingle(board, empty, true, digit, row, col), 1);
  EXPECT_EQ(digit, 4);
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 9);
  EXPECT_EQ(empty, 81);
  EXPECT_EQ(board, before);
}

TEST(FindNakedSingle, PlacingWritesTheDigitAndClearsItFromThePeers) {
  Board board = EmptyBoard();
  KeepOnly(board, 5, 5, {7});
  int empty = 81, digit = 0, row = 0, col = 0;
  ASSERT_EQ(NakedSingle(board, empty, false, digit, row, col), 1);
  EXPECT_EQ(board.at(5, 5)[kDigit], 7);
  EXPECT_EQ(empty, 80);
  EXPECT_EQ(digit, 7);
  EXPECT_EQ(row, 5);
  EXPECT_EQ(col, 5);
  // Peers by row, column and block lose the 7 and nothing else; others keep it.
  for (auto [c, r] : {std::pair{1, 5}, {5, 9}, {4, 6}}) {
    EXPECT_FALSE(HasCandidate(board, c, r, 7)) << c << "," << r;
    EXPECT_EQ(board.at(c, r)[kCount], 8) << c << "," << r;
  }
  EXPECT_TRUE(HasCandidate(board, 1, 1, 7));
  EXPECT_EQ(board.at(1, 1)[kCount], 9);
}

TEST(FindNakedSingle, EmptyCellWithoutCandidatesIsNoSingle) {
  Board board = EmptyBoard();
  KeepOnly(board, 2, 2, {});
  int empty = 81, digit = -1, row = -1, col = -1;
  EXPECT_EQ(NakedSingle(board, empty, true, digit, row, col), 0);
  EXPECT_EQ(CountNakedSingles(board), 0);
}

TEST(PlaceNakedSingleAt, OnlyTheGivenCellIsConsidered) {
  Board board = EmptyBoard();
  KeepOnly(board, 1, 1, {3});
  KeepOnly(board, 4, 6, {2, 8});
  const Board before = board;
  int empty = 81, digit = -1, row = -1, col = -1;
  EXPECT_EQ(NakedSingleAt(board, 4, 6, empty, false, digit, row, col), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(empty, 81);

  EXPECT_EQ(NakedSingleAt(board, 1, 1, empty, true, digit, row, col), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(digit, 3);
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 1);

  EXPECT_EQ(NakedSingleAt(board, 1, 1, empty, false, digit, row, col), 1);
  EXPECT_EQ(board.at(1, 1)[kDigit], 3);
  EXPECT_FALSE(HasCandidate(board, 1, 9, 3));
  EXPECT_EQ(empty, 80);
}

TEST(PlaceNakedSingleAt, FilledOrOutsideCellsAreNoSingles) {
  Board board = BoardFromLine(test::kSolvedLine);
  board.at(2, 2)[kCount] = 1;  // stale marks of a filled cell
  board.at(2, 2)[4] = 1;
  int empty = 5, digit = -1, row = -1, col = -1;
  EXPECT_EQ(NakedSingleAt(board, 2, 2, empty, true, digit, row, col), 0);
  EXPECT_EQ(NakedSingleAt(board, 0, 2, empty, true, digit, row, col), 0);
  EXPECT_EQ(NakedSingleAt(board, 2, 10, empty, true, digit, row, col), 0);
  EXPECT_EQ(CountNakedSingles(board), 0);
}

TEST(CountNakedSingles, CountsEveryEmptyCellWithOneCandidate) {
  Board board = EmptyBoard();
  KeepOnly(board, 1, 1, {1});
  KeepOnly(board, 9, 9, {9});
  KeepOnly(board, 5, 2, {1});  // same digit as A1 elsewhere: still its own single
  KeepOnly(board, 6, 6, {2, 3});
  EXPECT_EQ(CountNakedSingles(board), 3);
}

// The only single stands at E5, in a block with 4, a row with 5 and a column
// with 6 empty cells; every other empty cell holds two candidates.
Board SingleInBlockOfFour() {
  Board board =
      BoardFromLine(test::WithBlanks(test::kSolvedLine, {"E5", "D4", "D6", "F4", "E1", "E2", "E8",
                                                         "E9", "A5", "B5", "C5", "G5", "H5"})
                        .c_str());
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (board.at(c, r)[kDigit] == 0) SetCandidates(board, c, r, {8, 9});
  SetCandidates(board, 5, 5, {5});
  return board;
}

TEST(FindSingleInFullestUnit, UnitsFullerThanMostAreNotSearched) {
  const Board board = SingleInBlockOfFour();
  EXPECT_FALSE(FindSingleInFullestUnit(board, 1, 3));
}

TEST(FindSingleInFullestUnit, FindsTheSingleThroughItsEmptiestUnit) {
  const Board board = SingleInBlockOfFour();
  // Four empty cells: only the block qualifies, the row has 5, the column 6.
  EXPECT_EQ(FindSingleInFullestUnit(board, 1, 4), (core::CellRef{5, 5}));
  EXPECT_EQ(FindSingleInFullestUnit(board, 1, 6), (core::CellRef{5, 5}));
}

TEST(FindSingleInFullestUnit, BlocksComeBeforeRowsAtEqualSize) {
  // A9 is a single in row A (2 empty cells), I1 a single in block 6 (2 empty
  // cells); A9 comes first in reading order, but the block wins.
  Board board =
      BoardFromLine(test::WithBlanks(test::kSolvedLine, {"A9", "A8", "B7", "C7", "D9", "G9", "I1",
                                                         "H1", "I4", "I5", "D1"})
                        .c_str());
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (board.at(c, r)[kDigit] == 0) SetCandidates(board, c, r, {8, 9});
  SetCandidates(board, 9, 1, {2});
  SetCandidates(board, 1, 9, {3});
  EXPECT_EQ(FindSingleInFullestUnit(board, 1, 3), (core::CellRef{1, 9}));
  // Without the block single, the row one is next.
  SetCandidates(board, 1, 9, {3, 4});
  EXPECT_EQ(FindSingleInFullestUnit(board, 1, 3), (core::CellRef{9, 1}));
}

TEST(FindHiddenSingle, ZeroEmptyCountFindsNothingAndLeavesTheTables) {
  Board board = EmptyBoard();
  HideInBlock(board, 0, 2, 2, 3);
  const Board before = board;
  int empty = 0;
  HiddenOut out;
  out.rowCounts.fill(42);
  for (auto mode : {HiddenRun::ReportOnly, HiddenRun::PlaceFirst, HiddenRun::CollectAll}) {
    EXPECT_EQ(RunHidden(board, empty, mode, out), 0);
    EXPECT_EQ(board, before);
    EXPECT_EQ(out.rowCounts[0], 42);
    EXPECT_EQ(out.digit, -7);
  }
}

TEST(FindHiddenSingle, HiddenInBlockAndRowIsReportedAsBlock) {
  Board board = EmptyBoard();
  HideInBlock(board, 0, 2, 1, 5);  // A2
  HideInRow(board, 1, 2, 5);
  const Board before = board;
  int empty = 81;
  HiddenOut out;
  ASSERT_EQ(RunHidden(board, empty, HiddenRun::ReportOnly, out), 1);
  EXPECT_EQ(out.blockUnit, 1);
  EXPECT_EQ(out.rowUnit, -1);
  EXPECT_EQ(out.colUnit, -1);
  EXPECT_EQ(out.digit, 5);
  EXPECT_EQ(out.row, 1);
  EXPECT_EQ(out.col, 2);
  EXPECT_EQ(board, before);
  EXPECT_EQ(empty, 81);
  EXPECT_EQ(out.rowCounts[4], 1);            // row A, digit 5: the tables describe the board
  EXPECT_EQ(out.blockCounts[9 * 1 + 4], 6);  // A4..A6 lost their 5
  EXPECT_EQ(out.blockCounts[9 * 3 + 4], 9);
}

TEST(FindHiddenSingle, EveryBlockIsSearchedBeforeAnyRow) {
  Board board = EmptyBoard();
  HideInRow(board, 3, 5, 7);       // C5, row C
  HideInBlock(board, 4, 5, 5, 2);  // E5, block 4
  int empty = 81;
  HiddenOut out;
  ASSERT_EQ(RunHidden(board, empty, HiddenRun::ReportOnly, out), 1);
  EXPECT_EQ(out.digit, 2);
  EXPECT_EQ(out.blockUnit, 5);
  EXPECT_EQ(out.row, 5);
  EXPECT_EQ(out.col, 5);
}

struct UnitCase {
  const char* name;
  void (*hide)(Board&);
  int blockUnit, rowUnit, colUnit, digit, col, row;
};

void PrintTo(const UnitCase& c, std::ostream* os) {
  *os << c.name;
}

class FindHiddenSingleUnit : public ::testing::TestWithParam<UnitCase> {};

TEST_P(FindHiddenSingleUnit, ReportsExactlyTheUnitItWasFoundIn) {
  const UnitCase& c = GetParam();
  Board board = EmptyBoard();
  c.hide(board);
  int empty = 81;
  HiddenOut out;
  ASSERT_EQ(RunHidden(board, empty, HiddenRun::ReportOnly, out), 1);
  EXPECT_EQ(out.blockUnit, c.blockUnit);
  EXPECT_EQ(out.rowUnit, c.rowUnit);
  EXPECT_EQ(out.colUnit, c.colUnit);
  EXPECT_EQ(out.digit, c.digit);
  EXPECT_EQ(out.col, c.col);
  EXPECT_EQ(out.row, c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FindHiddenSingleUnit,
    ::testing::Values(
        UnitCase{"Block8", [](Board& b) { HideInBlock(b, 8, 9, 7, 6); }, 9, -1, -1, 6, 9, 7},
        UnitCase{"RowI", [](Board& b) { HideInRow(b, 9, 4, 1); }, -1, 9, -1, 1, 4, 9},
        UnitCase{"Column3", [](Board& b) { HideInColumn(b, 3, 8, 9); }, -1, -1, 3, 9, 3, 8},
        // Two row singles: the lower row number wins, whatever the digits.
        UnitCase{"LowerRowFirst",
                 [](Board& b) {
                   HideInRow(b, 6, 2, 1);
                   HideInRow(b, 4, 7, 8);
                 },
                 -1, 4, -1, 8, 7, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindHiddenSingle, PlaceFirstFillsTheCellAndClearsThePeers) {
  Board board = EmptyBoard();
  HideInBlock(board, 0, 2, 2, 3);  // B2
  int empty = 81;
  HiddenOut out;
  ASSERT_EQ(RunHidden(board, empty, HiddenRun::PlaceFirst, out), 1);
  EXPECT_EQ(board.at(2, 2)[kDigit], 3);
  EXPECT_EQ(empty, 80);
  EXPECT_EQ(out.digit, 3);
  EXPECT_EQ(out.blockUnit, 1);
  EXPECT_FALSE(HasCandidate(board, 2, 9, 3));
  EXPECT_FALSE(HasCandidate(board, 9, 2, 3));
  EXPECT_TRUE(HasCandidate(board, 9, 9, 3));
  // The tables describe the board after the placement.
  EXPECT_EQ(out.rowCounts[9 * 1 + 2], 0);
  EXPECT_EQ(out.colCounts[9 * 1 + 2], 0);
  EXPECT_EQ(out.rowCounts[9 * 1 + 3], 8);
  EXPECT_EQ(out.rowCounts[9 * 8 + 2], 8);  // row I: I2 lost its 3
}

TEST(FindHiddenSingle, PlaceFirstInARowLeavesTheBlockFieldAlone) {
  Board board = EmptyBoard();
  HideInRow(board, 4, 6, 9);  // D6
  int empty = 81;
  HiddenOut out;
  ASSERT_EQ(RunHidden(board, empty, HiddenRun::PlaceFirst, out), 1);
  EXPECT_EQ(board.at(6, 4)[kDigit], 9);
  EXPECT_EQ(out.digit, 9);
  EXPECT_EQ(out.blockUnit, -1);  // found in its row, not its block
  EXPECT_EQ(out.rowUnit, 4);
}

TEST(FindHiddenSingle, CollectAllListsACellOncePerUnitAndTouchesOnlyDigits) {
  Board board = EmptyBoard();
  HideInBlock(board, 0, 2, 2, 3);  // B2, hidden in block 0 ...
  HideInColumn(board, 2, 2, 3);    // ... and in column 2
  Board expected = board;
  expected.at(2, 2)[kDigit] = 3;
  int empty = 81;
  HiddenOut out;
  EXPECT_EQ(RunHidden(board, empty, HiddenRun::CollectAll, out), 2);
  EXPECT_EQ(empty, 81);
  EXPECT_EQ(board, expected);  // flags of B2 and of every peer untouched
  EXPECT_TRUE(HasCandidate(board, 5, 2, 3));
}

TEST(FindHiddenSingle, CollectAllFillsEverySingleOfThePass) {
  Board board = EmptyBoard();
  HideInBlock(board, 8, 9, 9, 4);
  HideInRow(board, 1, 5, 6);
  HideInColumn(board, 7, 3, 2);
  int empty = 81;
  HiddenOut out;
  EXPECT_EQ(RunHidden(board, empty, HiddenRun::CollectAll, out), 3);
  EXPECT_EQ(board.at(9, 9)[kDigit], 4);
  EXPECT_EQ(board.at(5, 1)[kDigit], 6);
  EXPECT_EQ(board.at(7, 3)[kDigit], 2);
  EXPECT_EQ(core::CountDigits(board), 3);
}

TEST(FindHiddenSingle, DigitWithoutAnyCandidateInAUnitIsSkipped) {
  Board board = EmptyBoard();
  for (int c = 1; c <= 9; ++c) Eliminate(board, c, 5, 4);  // row E has no 4 at all
  int empty = 81;
  HiddenOut out;
  EXPECT_EQ(RunHidden(board, empty, HiddenRun::ReportOnly, out), 0);
}

// Marks set by hand can keep a digit that already stands in the unit; a hint
// built on it would place a clashing digit.
TEST(FindHiddenSingle, AUnitThatHoldsTheDigitHasNoHiddenSingleOfIt) {
  Board board = EmptyBoard();
  board.at(9, 9) = core::Cell{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // I9 = 5, marks left as they were
  HideInColumn(board, 9, 3, 5);                                  // only C9 keeps 5 in column 9
  int empty = 80;
  HiddenOut out;
  EXPECT_EQ(RunHidden(board, empty, HiddenRun::ReportOnly, out), 0);
  EXPECT_EQ(RunHidden(board, empty, HiddenRun::CollectAll, out), 0);
}

TEST(FindNakedSingle, AHandSetMarkThatClashesWithAPeerIsNoSingle) {
  Board board = EmptyBoard();
  board.at(9, 9) = core::Cell{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // I9 = 5
  KeepOnly(board, 9, 3, {5});                                    // C9 marked 5 alone
  KeepOnly(board, 4, 6, {7});                                    // F4 a true single
  int empty = 80, digit = -7, row = -7, col = -7;
  ASSERT_EQ(NakedSingle(board, empty, true, digit, row, col), 1);
  EXPECT_EQ(col, 4);
  EXPECT_EQ(row, 6);
  EXPECT_EQ(CountNakedSingles(board), 1);
}

TEST(CountBlockHiddenSingles, CountsABlockDigitPairOnceEvenWhenHiddenInItsRowToo) {
  Board board = EmptyBoard();
  HideInBlock(board, 0, 2, 1, 5);
  HideInRow(board, 1, 2, 5);
  HideInBlock(board, 4, 6, 5, 6);
  HideInColumn(board, 8, 8, 1);  // a column single does not count
  const Board before = board;
  EXPECT_EQ(CountBlockHiddenSingles(board), 2);
  EXPECT_EQ(board, before);
  EXPECT_EQ(CountCandidatesPerUnit(board).blocks[4], 1);
  EXPECT_EQ(CountCandidatesPerUnit(board).rows[4], 1);
}

}  // namespace
}  // namespace zentaro::techniques
