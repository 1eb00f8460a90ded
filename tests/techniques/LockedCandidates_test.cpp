#include "techniques/LockedCandidates.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using test::HasCandidate;

// An empty grid: every cell carries all nine candidates, so no digit is
// confined anywhere until a test shapes it.
Board OpenBoard() {
  return test::BoardFromLine(std::string(81, '.').c_str());
}

// Shapes one digit's candidates from nine row patterns ('x' keeps the digit,
// anything else takes it away), rows A to I.
void ShapeDigit(Board& board, int digit, const char* rows) {
  ASSERT_EQ(std::strlen(rows), 81u);
  for (int i = 0; i < 81; ++i)
    if (rows[i] != 'x') test::Eliminate(board, i % 9 + 1, i / 9 + 1, digit);
}

using Candidate = std::tuple<int, int, int>;  // column, row, digit

// The candidates present in `before` and gone in `after`.
std::set<Candidate> Removed(const Board& before, const Board& after) {
  std::set<Candidate> gone;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      for (int d = 1; d <= 9; ++d)
        if (HasCandidate(before, c, r, d) && !HasCandidate(after, c, r, d)) gone.insert({c, r, d});
  return gone;
}

// Every empty cell's count still matches its flags.
bool CountsConsistent(const Board& board) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const core::Cell& cell = board.at(c, r);
      if (cell[core::kDigit] != 0) continue;
      int n = 0;
      for (int d = 1; d <= 9; ++d) n += cell[d] > 0 ? 1 : 0;
      if (n != cell[core::kCount]) return false;
    }
  return true;
}

// ---------------------------------------------------------------- the steps as numbers

// A step as the numbers the tests below compare: lines and blocks 1..9, -1
// where a field does not apply, and the cell a search names: looking, the
// first candidate it would remove; carrying out a two-block lock, the last
// one it removed.
struct Reported {
  int digit = -1;
  int block = -1;
  int secondBlock = -1;
  int rowLine = -1;
  int columnLine = -1;
  std::array<int, 2> lines{-1, -1};
  std::optional<LineKind> orientation;
  int cellColumn = -1;
  int cellRow = -1;
};

void SetLine(LineKind kind, int number, Reported& r) {
  (kind == LineKind::Row ? r.rowLine : r.columnLine) = number;
}

// The cells of the lines in walking order, whose candidate of the digit
// went from `before` to `after`.
std::vector<core::CellRef> LostAlong(const Board& before, const Board& after, LineKind kind,
                                     std::initializer_list<int> lines, int digit) {
  std::vector<core::CellRef> lost;
  for (const int line : lines)
    for (int pos = 1; pos <= 9; ++pos) {
      const core::CellRef cell =
          kind == LineKind::Row ? core::CellRef{pos, line} : core::CellRef{line, pos};
      if (HasCandidate(before, cell.col, cell.row, digit) &&
          !HasCandidate(after, cell.col, cell.row, digit))
        lost.push_back(cell);
    }
  return lost;
}

int FindPointing(Board& board, const PointingTried& tried, bool checkOnly, Reported& result) {
  Board applied = board;
  const std::optional<PointingStep> step = ApplyPointing(applied, tried);
  if (!step) return 0;
  EXPECT_EQ(techniques::FindPointing(board, tried), step) << "looking finds what carrying out does";
  result.digit = step->digit;
  result.block = step->block;
  SetLine(step->line, step->lineNumber, result);
  if (checkOnly) {
    const core::CellRef first =
        LostAlong(board, applied, step->line, {step->lineNumber}, step->digit).front();
    result.cellColumn = first.col;
    result.cellRow = first.row;
  } else {
    board = applied;
  }
  return 1;
}

int FindPointing(Board& board, bool checkOnly, Reported& result) {
  return FindPointing(board, PointingTried{}, checkOnly, result);
}

// Returns the number of candidates removed, 1 when only looking.
int Claimed(Board& board, const std::optional<ClaimingStep>& step, const Board& applied,
            bool checkOnly, Reported& result) {
  if (!step) return 0;
  result.digit = step->digit;
  result.block = step->block;
  SetLine(step->line, step->lineNumber, result);
  const int removed = static_cast<int>(Removed(board, applied).size());
  if (checkOnly) return 1;
  board = applied;
  return removed;
}

int ClaimIn(LineKind lines, Board& board, bool checkOnly, const ClaimingTried& tried,
            Reported& result) {
  Board applied = board;
  const std::optional<ClaimingStep> step = ApplyClaimingIn(lines, applied, tried);
  EXPECT_EQ(FindClaimingIn(lines, board, tried), step) << "looking finds what carrying out does";
  return Claimed(board, step, applied, checkOnly, result);
}

int FindClaiming(Board& board, bool checkOnly, const ClaimingTried& tried, Reported& result) {
  return ClaimIn(LineKind::Row, board, checkOnly, tried, result);
}
int FindClaiming(Board& board, bool checkOnly, Reported& result) {
  return FindClaiming(board, checkOnly, ClaimingTried{}, result);
}
int FindClaimingInColumns(Board& board, bool checkOnly, const ClaimingTried& tried,
                          Reported& result) {
  return ClaimIn(LineKind::Column, board, checkOnly, tried, result);
}
int FindClaimingInColumns(Board& board, bool checkOnly, Reported& result) {
  return FindClaimingInColumns(board, checkOnly, ClaimingTried{}, result);
}
int FindClaimingInRowsOrColumns(Board& board, bool checkOnly, Reported& result) {
  Board applied = board;
  const std::optional<ClaimingStep> step = ApplyClaiming(applied);
  EXPECT_EQ(techniques::FindClaiming(board), step) << "looking finds what carrying out does";
  return Claimed(board, step, applied, checkOnly, result);
}

// stopAfterFirst: the first productive pair carried out (1); otherwise, unless
// only looking, every pair pass after pass (the number of candidates removed).
int FindTwoBlockLock(Board& board, bool stopAfterFirst, const TwoBlockTried& tried, bool checkOnly,
                     Reported& result) {
  Board applied = board;
  const std::optional<TwoBlockStep> first = ApplyTwoBlockLock(applied, tried);
  if (!first) return 0;
  EXPECT_EQ(techniques::FindTwoBlockLock(board, tried), first)
      << "looking finds what carrying out does";
  std::optional<TwoBlockStep> step = first;
  int count = 1;
  if (!checkOnly && !stopAfterFirst) {
    applied = board;
    count = ApplyEveryTwoBlockLock(applied, tried);
    // The last pair that removed anything names the fields.
    Board again = board;
    while (const std::optional<TwoBlockStep> next = ApplyTwoBlockLock(again, tried)) step = next;
  }
  result.digit = step->digit;
  result.block = step->blocks[0];
  result.secondBlock = step->blocks[1];
  result.lines = step->lineNumbers;
  result.orientation = step->lines;
  const std::vector<core::CellRef> lost = LostAlong(
      board, applied, step->lines, {step->lineNumbers[0], step->lineNumbers[1]}, step->digit);
  if (!lost.empty()) {
    const core::CellRef cell = checkOnly ? lost.front() : lost.back();
    result.cellColumn = cell.col;
    result.cellRow = cell.row;
  }
  if (!checkOnly) board = applied;
  return count;
}

int FindTwoBlockLock(Board& board, bool stopAfterFirst, bool checkOnly, Reported& result) {
  return FindTwoBlockLock(board, stopAfterFirst, TwoBlockTried{}, checkOnly, result);
}

// ---------------------------------------------------------------- pointing

// Block 0 holds 5 only in B2 and C2; column 2 keeps its 5s further down.
Board FiveConfinedToColumnTwo() {
  Board board = OpenBoard();
  ShapeDigit(board, 5,
             "........."
             ".x......."
             ".x......."
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  return board;
}

TEST(Pointing, CheckOnlyReportsColumnAndFirstCellWithoutChangingBoard) {
  Board board = FiveConfinedToColumnTwo();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindPointing(board, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.digit, 5);
  EXPECT_EQ(result.block, 1);
  EXPECT_EQ(result.columnLine, 2);
  EXPECT_EQ(result.rowLine, -1);
  EXPECT_EQ(result.cellColumn, 2);  // D2: top to bottom below the block
  EXPECT_EQ(result.cellRow, 4);
}

TEST(Pointing, ApplyRemovesTheDigitFromTheColumnOutsideTheBlockOnly) {
  Board board = FiveConfinedToColumnTwo();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindPointing(board, false, result), 1);
  std::set<Candidate> expected;
  for (int row = 4; row <= 9; ++row) expected.insert({2, row, 5});
  EXPECT_EQ(Removed(before, board), expected);
  EXPECT_TRUE(CountsConsistent(board));
  EXPECT_EQ(result.columnLine, 2);
  EXPECT_EQ(result.block, 1);
  // Once applied the line has nothing left to name.
  EXPECT_EQ(result.cellColumn, -1);
  EXPECT_EQ(result.cellRow, -1);
}

TEST(Pointing, UnproductiveColumnDigitLeavesRowDirectionOfSameBlockTried) {
  Board board = OpenBoard();
  // 5 confined to column 2 in block 0, but column 2 has no other 5.
  ShapeDigit(board, 5,
             "...xxxxxx"
             ".x.xxxxxx"
             ".x.xxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx");
  // 3 confined to row A in block 0 (two columns, so no column instance).
  ShapeDigit(board, 3,
             "x.xxxxxxx"
             "...xxxxxx"
             "...xxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindPointing(board, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.digit, 3);
  EXPECT_EQ(result.block, 1);
  EXPECT_EQ(result.rowLine, 1);
  EXPECT_EQ(result.columnLine, -1);
  EXPECT_EQ(result.cellColumn, 4);  // A4: left to right beside the block
  EXPECT_EQ(result.cellRow, 1);
}

TEST(Pointing, UnproductiveDigitPassesToNextDigitOfSameDirection) {
  Board board = OpenBoard();
  // 4 confined to column 1 in block 0 with no 4 below; 6 confined to column 3
  // with 6s below.
  ShapeDigit(board, 4,
             "x..xxxxxx"
             "x..xxxxxx"
             "x..xxxxxx"
             ".xxxxxxxx"
             ".xxxxxxxx"
             ".xxxxxxxx"
             ".xxxxxxxx"
             ".xxxxxxxx"
             ".xxxxxxxx");
  ShapeDigit(board, 6,
             "..xxxxxxx"
             "..xxxxxxx"
             "...xxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  Reported result;
  EXPECT_EQ(FindPointing(board, true, result), 1);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.columnLine, 3);
  EXPECT_EQ(result.cellRow, 4);
}

TEST(Pointing, ColumnInstanceOfBlockWinsOverLowerDigitInRow) {
  Board board = OpenBoard();
  // 2 confined to row A (A1, A2) and 7 to column 3, both productive.
  ShapeDigit(board, 2,
             "xx.xxxxxx"
             "...xxxxxx"
             "...xxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  ShapeDigit(board, 7,
             "..xxxxxxx"
             "..xxxxxxx"
             "..xxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  Reported result;
  EXPECT_EQ(FindPointing(board, true, result), 1);
  EXPECT_EQ(result.digit, 7);
  EXPECT_EQ(result.columnLine, 3);
  EXPECT_EQ(result.rowLine, -1);
}

// Block 4 holds 7 only in D5 and E5 and 8 only in E4 and E6; block 8 holds 7
// only in row H.
Board CentreBlockWithTwoInstances() {
  Board board = OpenBoard();
  ShapeDigit(board, 7,
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxx.x.xxx"
             "xxx.x.xxx"
             "xxx...xxx"
             "xxxxxx..."
             "xxxxxxxx."
             "xxxxxx...");
  ShapeDigit(board, 8,
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxx...xxx"
             "xxxx.xxxx"
             "xxx...xxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  return board;
}

struct TriedCase {
  const char* name;
  std::vector<std::pair<int, int>> tried;  // (block, digit)
  int digit, block, columnLine, rowLine;
};

void PrintTo(const TriedCase& tc, std::ostream* os) {
  *os << tc.name;
}

class PointingTriedTest : public testing::TestWithParam<TriedCase> {};

TEST_P(PointingTriedTest, SkipsExactlyTheTriedCombinations) {
  const TriedCase& tc = GetParam();
  Board board = CentreBlockWithTwoInstances();
  PointingTried tried{};
  for (auto [block, digit] : tc.tried) tried[PointingTriedIndex(block + 1, digit)] = 1;
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindPointing(board, tried, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.digit, tc.digit);
  EXPECT_EQ(result.block, tc.block);
  EXPECT_EQ(result.columnLine, tc.columnLine);
  EXPECT_EQ(result.rowLine, tc.rowLine);
}

INSTANTIATE_TEST_SUITE_P(
    Pointing, PointingTriedTest,
    testing::Values(TriedCase{"NothingTried", {}, 7, 5, 5, -1},
                    TriedCase{"CentreSevenTried", {{4, 7}}, 8, 5, -1, 5},
                    TriedCase{"OtherBlockEntriesIgnored", {{3, 7}, {5, 8}}, 7, 5, 5, -1},
                    TriedCase{"BothCentreDigitsTried", {{4, 7}, {4, 8}}, 7, 9, -1, 8}),
    [](const auto& info) { return info.param.name; });

TEST(Pointing, NothingConfinedGivesZeroAndUntouchedResult) {
  Board board = OpenBoard();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindPointing(board, false, result), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.digit, -1);
  EXPECT_EQ(result.block, -1);
}

// ---------------------------------------------------------------- claiming

// All 3s of row B inside block 0; other 3s of block 0 in A2 and C3 only.
Board ThreeClaimedByBlockZero() {
  Board board = OpenBoard();
  ShapeDigit(board, 3,
             ".x.xxxxxx"
             "xx......."
             "..xxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  return board;
}

TEST(Claiming, ApplyRemovesDigitFromBlockOutsideTheRow) {
  Board board = ThreeClaimedByBlockZero();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindClaiming(board, false, result), 2);
  EXPECT_EQ(Removed(before, board), (std::set<Candidate>{{2, 1, 3}, {3, 3, 3}}));
  EXPECT_TRUE(CountsConsistent(board));
  EXPECT_EQ(result.digit, 3);
  EXPECT_EQ(result.rowLine, 2);
  EXPECT_EQ(result.columnLine, -1);
  EXPECT_EQ(result.block, 1);
}

TEST(Claiming, CheckOnlyCountsOneAndLeavesBoard) {
  Board board = ThreeClaimedByBlockZero();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindClaiming(board, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.digit, 3);
  EXPECT_EQ(result.rowLine, 2);
  EXPECT_EQ(result.block, 1);
}

TEST(Claiming, RowsComeBeforeDigitsAndTriedRowDigitIsSkipped) {
  Board board = OpenBoard();
  // Row C claims 1 for block 2; row B claims 9 for block 1 (reported 3 and 2).
  ShapeDigit(board, 1,
             "xxxxxx.xx"
             "xxxxxxxx."
             "......xxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  ShapeDigit(board, 9,
             "xxxx.xxxx"
             "...xx...."
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  Reported first;
  Board copy = board;
  EXPECT_EQ(FindClaiming(copy, true, first), 1);
  EXPECT_EQ(first.digit, 9);
  EXPECT_EQ(first.rowLine, 2);
  EXPECT_EQ(first.block, 2);

  ClaimingTried tried{};
  tried[ClaimingTriedIndex(2, 9)] = 1;
  Reported next;
  Board before = board;
  EXPECT_EQ(FindClaiming(board, false, tried, next), 4);
  EXPECT_EQ(next.digit, 1);
  EXPECT_EQ(next.rowLine, 3);
  EXPECT_EQ(next.block, 3);
  EXPECT_EQ(Removed(before, board),
            (std::set<Candidate>{{8, 1, 1}, {9, 1, 1}, {7, 2, 1}, {8, 2, 1}}));
}

// 4 of column 5 only in A5 and C5 (block 1); nothing claims in any row.
Board FourClaimedInColumnFive() {
  Board board = OpenBoard();
  ShapeDigit(board, 4,
             "xxxxxxxxx"
             "xxxx.xxxx"
             "xxxxxxxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx");
  return board;
}

TEST(Claiming, ColumnInstanceIsInvisibleToTheRowSearch) {
  Board board = FourClaimedInColumnFive();
  Reported result;
  EXPECT_EQ(FindClaiming(board, false, result), 0);
  EXPECT_EQ(board, FourClaimedInColumnFive());
}

TEST(Claiming, ColumnSearchReportsUntransposedColumnAndBlock) {
  Board board = FourClaimedInColumnFive();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindClaimingInColumns(board, false, result), 6);
  std::set<Candidate> expected;
  for (int col : {4, 6})
    for (int row = 1; row <= 3; ++row) expected.insert({col, row, 4});
  EXPECT_EQ(Removed(before, board), expected);
  EXPECT_TRUE(CountsConsistent(board));
  EXPECT_EQ(result.digit, 4);
  EXPECT_EQ(result.columnLine, 5);
  EXPECT_EQ(result.rowLine, -1);
  EXPECT_EQ(result.block, 2);  // counted 1..9; 4 on the transposed board
}

TEST(Claiming, ColumnSearchCheckOnlyLeavesBoardAndTriedIsIndexedByColumn) {
  Board board = FourClaimedInColumnFive();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindClaimingInColumns(board, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.columnLine, 5);

  ClaimingTried tried{};
  tried[ClaimingTriedIndex(5, 4)] = 1;
  Reported none;
  EXPECT_EQ(FindClaimingInColumns(board, false, tried, none), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(none.digit, -1);
}

TEST(Claiming, RowsOrColumnsPrefersRowInstance) {
  Board board = ThreeClaimedByBlockZero();
  ShapeDigit(board, 4,
             "xxxxxxxxx"
             "xxxx.xxxx"
             "xxxxxxxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx"
             "xxxx.xxxx");
  Reported result;
  EXPECT_EQ(FindClaimingInRowsOrColumns(board, false, result), 2);
  EXPECT_EQ(result.digit, 3);
  EXPECT_EQ(result.rowLine, 2);

  Board columnsOnly = FourClaimedInColumnFive();
  Reported column;
  EXPECT_EQ(FindClaimingInRowsOrColumns(columnsOnly, true, column), 1);
  EXPECT_EQ(column.columnLine, 5);
  EXPECT_EQ(column.rowLine, -1);
  EXPECT_EQ(column.block, 2);
}

// ---------------------------------------------------------------- two-block lock

// 8 in blocks 0 and 1 only in rows A and C; in block 2 at A7, C9 and row B.
Board EightLockedInRowsAandC() {
  Board board = OpenBoard();
  ShapeDigit(board, 8,
             "xxxxxxx.."
             "......xxx"
             "xxxxxx..x"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  return board;
}

TEST(TwoBlockLock, CheckOnlyReportsPairLinesAndFirstCell) {
  Board board = EightLockedInRowsAandC();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, false, true, result), 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(result.block, 1);
  EXPECT_EQ(result.secondBlock, 2);
  EXPECT_EQ(result.digit, 8);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 3);
  EXPECT_EQ(result.orientation, LineKind::Row);
  EXPECT_EQ(result.cellColumn, 7);  // A7
  EXPECT_EQ(result.cellRow, 1);
}

TEST(TwoBlockLock, StopAfterFirstRemovesBothLinesOfThePair) {
  Board board = EightLockedInRowsAandC();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, true, false, result), 1);
  EXPECT_EQ(Removed(before, board), (std::set<Candidate>{{7, 1, 8}, {9, 3, 8}}));
  EXPECT_TRUE(CountsConsistent(board));
  EXPECT_EQ(result.cellColumn, 9);  // C9, the last removed
  EXPECT_EQ(result.cellRow, 3);
}

TEST(TwoBlockLock, TriedEntryExcludesThePairInEitherOrder) {
  for (auto [b1, b2] : {std::pair{0, 1}, std::pair{1, 0}}) {
    Board board = EightLockedInRowsAandC();
    TwoBlockTried tried{};
    tried[TwoBlockTriedIndex(b1 + 1, b2 + 1, 8)] = 1;
    Reported result;
    EXPECT_EQ(FindTwoBlockLock(board, false, tried, false, result), 0) << b1 << "," << b2;
    EXPECT_EQ(board, EightLockedInRowsAandC());
  }
  // An entry for another digit excludes nothing here.
  Board board = EightLockedInRowsAandC();
  TwoBlockTried tried{};
  tried[TwoBlockTriedIndex(1, 2, 7)] = 1;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, false, tried, false, result), 2);
}

TEST(TwoBlockLock, SecondBlockInOnlyOneOfTheRowsIsNoInstance) {
  Board board = OpenBoard();
  ShapeDigit(board, 8,
             "xxx...xxx"
             "......xxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  // Block 0 has 8 in rows A and C, block 1 only in row C.
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, false, false, result), 0);
  EXPECT_EQ(board, before);
}

// Pass one: 8 in blocks 1 and 2 only in rows A and B clears rows A and B of
// block 0, which leaves block 0 with 8 in columns 1 and 2 only, as block 3
// already is. Pass two: that stack pair clears columns 1 and 2 of block 6.
Board EightNeedingTwoPasses() {
  Board board = OpenBoard();
  ShapeDigit(board, 8,
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xx......."
             "xx.xxxxxx"
             "xx.xxxxxx"
             "xx.xxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx");
  return board;
}

TEST(TwoBlockLock, RepeatedPassesReturnTheSumOverAllPasses) {
  Board board = EightNeedingTwoPasses();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, false, false, result), 12);
  std::set<Candidate> expected;
  for (int col = 1; col <= 3; ++col)
    for (int row : {1, 2}) expected.insert({col, row, 8});
  for (int col : {1, 2})
    for (int row = 7; row <= 9; ++row) expected.insert({col, row, 8});
  EXPECT_EQ(Removed(before, board), expected);
  EXPECT_TRUE(CountsConsistent(board));
  // The result describes the last removal: the stack pair of pass two.
  EXPECT_EQ(result.block, 1);
  EXPECT_EQ(result.secondBlock, 4);
  EXPECT_EQ(result.orientation, LineKind::Column);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 2);
  EXPECT_EQ(result.cellColumn, 2);  // I2
  EXPECT_EQ(result.cellRow, 9);
}

TEST(TwoBlockLock, StopAfterFirstAppliesOnlyTheFirstPair) {
  Board board = EightNeedingTwoPasses();
  const Board before = board;
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, true, false, result), 1);
  EXPECT_EQ(Removed(before, board).size(), 6u);
  EXPECT_EQ(result.block, 2);
  EXPECT_EQ(result.secondBlock, 3);
  EXPECT_EQ(result.orientation, LineKind::Row);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 2);

  // The stack pair is now the first instance, and check-only names it.
  Reported next;
  const Board afterFirst = board;
  EXPECT_EQ(FindTwoBlockLock(board, true, true, next), 1);
  EXPECT_EQ(board, afterFirst);
  EXPECT_EQ(next.block, 1);
  EXPECT_EQ(next.secondBlock, 4);
  EXPECT_EQ(next.orientation, LineKind::Column);
  EXPECT_EQ(next.cellColumn, 1);  // G1: column 1 first, top to bottom
  EXPECT_EQ(next.cellRow, 7);
}

TEST(TwoBlockLock, QualifyingPairWithNothingToRemoveIsPassedOver) {
  Board board = EightLockedInRowsAandC();
  test::Eliminate(board, 7, 1, 8);
  test::Eliminate(board, 9, 3, 8);
  // Blocks 0 and 1 still share rows A and C, but block 2 has no 8 there; the
  // search goes on to the stack pair of blocks 3 and 6 with digit 9.
  ShapeDigit(board, 9,
             "xxxxxxxxx"
             "xxxxxxxxx"
             "xxxxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx"
             "x.xxxxxxx");
  Reported result;
  EXPECT_EQ(FindTwoBlockLock(board, false, true, result), 1);
  EXPECT_EQ(result.digit, 9);
  EXPECT_EQ(result.block, 4);
  EXPECT_EQ(result.secondBlock, 7);
  EXPECT_EQ(result.orientation, LineKind::Column);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 3);
  EXPECT_EQ(result.cellColumn, 1);  // A1
  EXPECT_EQ(result.cellRow, 1);
}

}  // namespace
}  // namespace zentaro::techniques
