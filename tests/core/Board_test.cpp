#include "core/Board.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace zentaro::core {
namespace {

// A published 27-clue puzzle (magictour top1465).
constexpr std::string_view kPuzzle =
    "..75...311......4.9..4..68....7.8....9.14..53..4.5......58...2..8.2.51..7........";

DigitGrid GridFromLine(std::string_view line) {
  DigitGrid grid{};
  for (int i = 0; i < 81; ++i)
    grid[i] = line[i] >= '1' && line[i] <= '9' ? static_cast<std::uint8_t>(line[i] - '0') : 0;
  return grid;
}

Board Built(const DigitGrid& grid) {
  Board board{};
  BuildFromDigitsPlain(grid, board);
  return board;
}

// Candidates worked out from the rules alone: d is a candidate of an empty
// cell unless a cell of its row, column or block holds d.
bool RuleAllows(const DigitGrid& g, int col, int row, int d) {
  for (int i = 1; i <= 9; ++i)
    if (g[GridIndex(i, row)] == d || g[GridIndex(col, i)] == d) return false;
  const int c0 = (col - 1) / 3 * 3 + 1, r0 = (row - 1) / 3 * 3 + 1;
  for (int c = c0; c < c0 + 3; ++c)
    for (int r = r0; r < r0 + 3; ++r)
      if (g[GridIndex(c, r)] == d) return false;
  return true;
}

TEST(BuildFromDigits, EmptyGridGivesEveryCandidateEverywhere) {
  Board board{};
  UnitCountTable blocks{}, rows{}, cols{};
  EXPECT_EQ(BuildFromDigits(DigitGrid{}, board, blocks, rows, cols), 729);
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      EXPECT_EQ(board.at(c, r), (Cell{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 9})) << CellName(c, r);
  for (int i = 0; i < 81; ++i) {
    EXPECT_EQ(blocks[i], 9);
    EXPECT_EQ(rows[i], 9);
    EXPECT_EQ(cols[i], 9);
  }
}

TEST(BuildFromDigits, CandidatesAndUnitCountsFollowTheRules) {
  const DigitGrid grid = GridFromLine(kPuzzle);
  Board board{};
  UnitCountTable blocks{}, rows{}, cols{};
  const int total = BuildFromDigits(grid, board, blocks, rows, cols);

  int expectedTotal = 0;
  UnitCountTable expRows{}, expCols{}, expBlocks{};
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const Cell& cell = board.at(c, r);
      ASSERT_EQ(cell[kDigit], grid[GridIndex(c, r)]);
      if (cell[kDigit] != 0) continue;
      int n = 0;
      for (int d = 1; d <= 9; ++d) {
        const bool allowed = RuleAllows(grid, c, r, d);
        EXPECT_EQ(cell[d], allowed ? 1 : 0) << CellName(c, r) << " digit " << d;
        if (!allowed) continue;
        ++n;
        ++expRows[9 * (r - 1) + d - 1];
        ++expCols[9 * (c - 1) + d - 1];
        ++expBlocks[9 * (3 * ((r - 1) / 3) + (c - 1) / 3) + d - 1];
      }
      EXPECT_EQ(cell[kCount], n) << CellName(c, r);
      expectedTotal += n;
    }
  }
  EXPECT_EQ(total, expectedTotal);
  EXPECT_EQ(rows, expRows);
  EXPECT_EQ(cols, expCols);
  EXPECT_EQ(blocks, expBlocks);
}

TEST(BuildFromDigits, SameDigitTwiceInARowIsRemovedOnceAndFilledCellsStay) {
  DigitGrid grid{};
  grid[GridIndex(1, 1)] = 5;
  grid[GridIndex(5, 1)] = 5;
  Board board{};
  board.at(5, 1)[3] = 1;  // a stale mark under a digit is left alone
  BuildFromDigitsPlain(grid, board);

  EXPECT_EQ(board.at(1, 1), (Cell{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(board.at(5, 1), (Cell{5, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
  // B2 sees A1 through its block only, A2 sees both fives through the row.
  for (const auto& [c, r] : std::array<std::pair<int, int>, 4>{{{2, 1}, {9, 1}, {2, 2}, {1, 9}}}) {
    EXPECT_EQ(board.at(c, r)[5], 0) << CellName(c, r);
    EXPECT_EQ(board.at(c, r)[kCount], 8) << CellName(c, r);
  }
  EXPECT_EQ(board.at(9, 9)[kCount], 9);
}

TEST(RemoveFromPeers, EmptyCellChangesNothing) {
  const Board before = Built(GridFromLine(kPuzzle));
  Board board = before;
  RemoveFromPeers(board, {1, 1});  // A1 is empty in the puzzle
  EXPECT_EQ(board, before);
}

TEST(RemoveFromPeers, DigitLeavesEveryPeerOnceAndNoOtherCell) {
  Board board = Built(DigitGrid{});
  board.at(5, 4)[kDigit] = 4;  // D5
  RemoveFromPeers(board, {5, 4});
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      if (c == 5 && r == 4) continue;
      const bool peer = c == 5 || r == 4 || BlockOf(c, r) == BlockOf(5, 4);
      EXPECT_EQ(board.at(c, r)[4], peer ? 0 : 1) << CellName(c, r);
      EXPECT_EQ(board.at(c, r)[kCount], peer ? 8 : 9) << CellName(c, r);
    }
  }
}

// Clearing a digit on the computed board: give it back to the peers, then
// recompute the cleared cell. The result must be what a fresh build of the
// remaining digits gives, for every clue of the puzzle.
TEST(RestoreCandidateInPeers, ClearingAnyDigitMatchesAFreshBuild) {
  const DigitGrid grid = GridFromLine(kPuzzle);
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const int e = grid[GridIndex(c, r)];
      if (e == 0) continue;
      DigitGrid cleared = grid;
      cleared[GridIndex(c, r)] = 0;
      const Board fresh = Built(cleared);

      Board board = Built(grid);
      board.at(c, r)[kDigit] = 0;
      RestoreCandidateInPeers(board, e, {c, r});
      Board peersOnly = board;
      peersOnly.at(c, r) = fresh.at(c, r);
      EXPECT_TRUE(BoardsEqual(peersOnly, fresh)) << "peers after clearing " << CellName(c, r);

      RecomputeCellCandidates(board, {c, r});
      EXPECT_TRUE(BoardsEqual(board, fresh)) << "after clearing " << CellName(c, r);
    }
  }
}

TEST(RestoreCandidateInPeers, ReplacingADigitMatchesAFreshBuild) {
  const DigitGrid grid = GridFromLine(kPuzzle);
  for (int i = 0; i < 81; ++i) {
    const int e = grid[i];
    if (e == 0) continue;
    const int c = i % 9 + 1, r = i / 9 + 1, d = e % 9 + 1;
    DigitGrid replaced = grid;
    replaced[i] = static_cast<std::uint8_t>(d);

    Board board = Built(grid);
    board.at(c, r)[kDigit] = d;
    RestoreCandidateInPeers(board, e, {c, r});
    RemoveFromPeers(board, {c, r});
    EXPECT_TRUE(BoardsEqual(board, Built(replaced))) << CellName(c, r) << " " << e << "->" << d;
  }
}

TEST(RecomputeCellCandidates, RepairsACellWhateverItHeld) {
  const Board fresh = Built(GridFromLine(kPuzzle));
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      if (fresh.at(c, r)[kDigit] != 0) continue;
      Board board = fresh;
      board.at(c, r) = Cell{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 7};
      RecomputeCellCandidates(board, {c, r});
      EXPECT_EQ(board.at(c, r), fresh.at(c, r)) << CellName(c, r);
    }
  }
}

TEST(CanPlace, LooksAtRowColumnBlockAndTheCellItself) {
  // Cell E5 (column 5, row 5) with 1 in its row, 2 in its column, 3 in its
  // block only, 4 in the cell, 5 far away.
  Board board{};
  board.at(9, 5)[kDigit] = 1;
  board.at(5, 1)[kDigit] = 2;
  board.at(4, 6)[kDigit] = 3;
  board.at(5, 5)[kDigit] = 4;
  board.at(1, 1)[kDigit] = 5;
  EXPECT_FALSE(CanPlace(board, 1, {5, 5}));
  EXPECT_FALSE(CanPlace(board, 2, {5, 5}));
  EXPECT_FALSE(CanPlace(board, 3, {5, 5}));
  EXPECT_FALSE(CanPlace(board, 4, {5, 5}));
  EXPECT_TRUE(CanPlace(board, 5, {5, 5}));
  EXPECT_TRUE(CanPlace(board, 3, {7, 5}));  // same row, other block
}

struct MarksCase {
  const char* name;
  int emptyCellCount;  // cells 0.. left empty (column-major order)
  int emptyWithoutMark;
  bool complete, any;
  friend void PrintTo(const MarksCase& c, std::ostream* os) { *os << c.name; }
};

class CheckMarksTest : public ::testing::TestWithParam<MarksCase> {};

TEST_P(CheckMarksTest, ReportsCompleteAndAny) {
  const MarksCase& p = GetParam();
  Board board{};
  for (int i = 0; i < 81; ++i) {
    Cell& cell = board.cells[i / 9][i % 9];
    if (i >= p.emptyCellCount) {
      cell = Cell{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    } else if (i >= p.emptyWithoutMark) {
      cell[2] = 1;
      cell[kCount] = 1;
    }
  }
  bool any = !p.any;
  EXPECT_EQ(CheckMarks(board, any), p.complete);
  EXPECT_EQ(any, p.any);
}

INSTANTIATE_TEST_SUITE_P(Board, CheckMarksTest,
                         ::testing::Values(MarksCase{"FullBoard", 0, 0, true, false},
                                           MarksCase{"AllEmptyMarked", 81, 0, true, true},
                                           MarksCase{"OneEmptyCellWithoutMark", 81, 1, false, true},
                                           MarksCase{"NoMarksAtAll", 10, 10, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoardsEqual, IgnoresFlagsOfFilledCellsOnly) {
  const Board a = Built(GridFromLine(kPuzzle));
  Board b = a;
  b.at(3, 1)[1] = 1;  // A3 holds the clue 7
  b.at(3, 1)[kCount] = 4;
  EXPECT_TRUE(BoardsEqual(a, b));

  Board flag = a;
  flag.at(1, 1)[2] = flag.at(1, 1)[2] > 0 ? 0 : 1;
  EXPECT_FALSE(BoardsEqual(a, flag));
  Board count = a;
  ++count.at(1, 1)[kCount];
  EXPECT_FALSE(BoardsEqual(a, count));
  Board digit = a;
  digit.at(3, 1)[kDigit] = 6;
  EXPECT_FALSE(BoardsEqual(a, digit));
}

TEST(MatchesSolution, ComparesEveryDigit) {
  const DigitGrid none{};
  Board board{};
  EXPECT_TRUE(MatchesSolution(board, none));
  board.at(9, 9)[kDigit] = 1;
  EXPECT_FALSE(MatchesSolution(board, none));

  DigitGrid solution{};
  for (int i = 0; i < 81; ++i) solution[i] = static_cast<std::uint8_t>(i % 9 + 1);
  LoadDigits(solution, board);
  EXPECT_TRUE(MatchesSolution(board, solution));
  board.at(2, 1)[kDigit] = 3;
  EXPECT_FALSE(MatchesSolution(board, solution));
}

TEST(Coordinates, RowLettersAndCellNames) {
  EXPECT_EQ(RowLetter(0), "");
  EXPECT_EQ(RowLetter(10), "");
  EXPECT_EQ(RowLetter(1), "A");
  EXPECT_EQ(RowLetter(9), "I");
  EXPECT_EQ(CellName(1, 1), "A1");
  EXPECT_EQ(CellName(7, 2), "B7");
  EXPECT_EQ(CellName(9, 9), "I9");
}

TEST(Blocks, TransposedBlockMapping) {
  const int expected[9] = {0, 3, 6, 1, 4, 7, 2, 5, 8};
  for (int b = 0; b < 9; ++b) EXPECT_EQ(TransposedBlock(b), expected[b]) << b;
  EXPECT_EQ(TransposedBlock(9), -100);
  EXPECT_EQ(TransposedBlock(-1), -100);
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(TransposedBlock(BlockOf(c, r)), BlockOf(r, c));
}

TEST(Blocks, BoundsCoverExactlyTheBlocksCells) {
  const BlockBounds b1 = BoundsOfBlock(1);
  EXPECT_EQ((std::array{b1.firstCol, b1.lastCol, b1.firstRow, b1.lastRow}),
            (std::array{4, 6, 1, 3}));
  for (int block = 0; block < 9; ++block) {
    const BlockBounds b = BoundsOfBlock(block);
    for (int c = 1; c <= 9; ++c) {
      for (int r = 1; r <= 9; ++r) {
        const bool inside = c >= b.firstCol && c <= b.lastCol && r >= b.firstRow && r <= b.lastRow;
        EXPECT_EQ(inside, BlockOf(c, r) == block) << CellName(c, r) << " block " << block;
      }
    }
  }
}

TEST(TransposeBoard, SwapsColumnsAndRowsAndTwiceIsIdentity) {
  Board board{};
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      for (int i = 0; i < 11; ++i) board.at(c, r)[i] = 100 * c + 10 * r + i;
  Board t = board;
  TransposeBoard(t);
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(t.at(r, c), board.at(c, r)) << CellName(c, r);
  TransposeBoard(t);
  EXPECT_EQ(t, board);
}

TEST(DigitGrids, ExtractAndLoadUseRowMajorOrder) {
  Board board{};
  for (auto& column : board.cells)
    for (Cell& cell : column) cell.fill(1);  // stale flags everywhere
  DigitGrid grid{};
  grid[1] = 5;  // A2
  grid[9] = 7;  // B1
  LoadDigits(grid, board);
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      Cell expected{};
      expected[kDigit] = grid[GridIndex(c, r)];
      EXPECT_EQ(board.at(c, r), expected) << CellName(c, r);
    }
  }
  EXPECT_EQ(board.at(2, 1)[kDigit], 5);
  EXPECT_EQ(board.at(1, 2)[kDigit], 7);
  EXPECT_EQ(ExtractDigits(board), grid);
  EXPECT_EQ(CountFilled(grid), 2);
  EXPECT_EQ(CountDigits(board), 2);
}

TEST(ClearEmptyCellMarks, RemovesMarksButKeepsDigits) {
  const DigitGrid grid = GridFromLine(kPuzzle);
  Board board = Built(grid);
  ClearEmptyCellMarks(board);
  EXPECT_EQ(ExtractDigits(board), grid);
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (grid[GridIndex(c, r)] == 0) {
        EXPECT_EQ(board.at(c, r), Cell{}) << CellName(c, r);
      }
  bool any = true;
  EXPECT_FALSE(CheckMarks(board, any));
  EXPECT_FALSE(any);
}

#ifndef NDEBUG
// A digit or cell from outside the board is the caller's bug; debug builds
// stop at it rather than write past a cell's values.
TEST(BoardDeathTest, EntriesRefuseDigitsAndCellsOffTheBoard) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Board board;
  EXPECT_DEATH(RestoreCandidateInPeers(board, 10, {1, 1}), "");
  EXPECT_DEATH(RestoreCandidateInPeers(board, 0, {1, 1}), "");
  EXPECT_DEATH(RestoreCandidateInPeers(board, 5, {0, 3}), "");
  EXPECT_DEATH(FillCell(board, {10, 1}, 5), "");
  EXPECT_DEATH(board.at(1, 10).AddCandidate(1), "");
  EXPECT_DEATH(board.at(1, 1).RemoveCandidate(11), "");
  EXPECT_DEATH((void)CanPlace(board, 3, {4, 0}), "");
}
#endif

}  // namespace
}  // namespace zentaro::core
