#include "techniques/LockedCandidates.h"

#include <bit>

namespace zentaro::techniques {

namespace {

using core::Board;
using core::kCount;
using core::kDigit;

const PointingTried kNoPointingTried{};
const ClaimingTried kNoClaimingTried{};
const TwoBlockTried kNoTwoBlockTried{};

bool HasCandidate(const Board& board, int col, int row, int digit) {
  const core::Cell& cell = board.at(col, row);
  return cell[kDigit] == 0 && cell.HasCandidate(digit);
}

// Orientation of a line search: along a column (the line is a column, the
// position runs over rows) or along a row.
enum class Axis { Column, Row };

// (line, position) -> (column, row), both 1-based.
int ColOf(Axis axis, int line, int pos) {
  return axis == Axis::Column ? line : pos;
}
int RowOf(Axis axis, int line, int pos) {
  return axis == Axis::Column ? pos : line;
}

// The block's three lines of the given axis that hold the digit, as bits 0..2
// (offsets from the block's first line).
unsigned LinesHoldingDigit(const Board& board, int block, int digit, Axis axis) {
  const core::BlockBounds b = core::BoundsOfBlock(block);
  unsigned mask = 0;
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (HasCandidate(board, c, r, digit))
        mask |= 1u << (axis == Axis::Column ? c - b.firstCol : r - b.firstRow);
  return mask;
}

// First line (1-based) of the block along the axis: its first column for
// column lines, its first row for row lines.
int FirstLine(int block, Axis axis) {
  const core::BlockBounds b = core::BoundsOfBlock(block);
  return axis == Axis::Column ? b.firstCol : b.firstRow;
}

// First position (1-based) of the block across the axis: the first row a
// column line passes through inside the block, or the first column of a row.
int FirstPosition(int block, Axis axis) {
  return FirstLine(block, axis == Axis::Column ? Axis::Row : Axis::Column);
}

// One direction of the pointing search for one block. Returns true when a
// digit confined to one line of the block has (or, check-only, would have)
// a candidate removed from that line outside the block.
bool PointInBlock(Board& work, int block, Axis axis, const PointingTried& tried, bool checkOnly,
                  TechniqueResult& result) {
  const int outsideFrom = FirstPosition(block, axis);
  for (int d = 1; d <= 9; ++d) {
    if (tried[PointingTriedIndex(block, d)] != 0) continue;
    const unsigned mask = LinesHoldingDigit(work, block, d, axis);
    if (std::popcount(mask) != 1) continue;
    const int line = FirstLine(block, axis) + std::countr_zero(mask);

    int firstPos = 0;
    for (int pos = 1; pos <= 9; ++pos) {
      if (pos >= outsideFrom && pos < outsideFrom + 3) continue;
      const int col = ColOf(axis, line, pos);
      const int row = RowOf(axis, line, pos);
      if (!HasCandidate(work, col, row, d)) continue;
      if (firstPos == 0) firstPos = pos;
      if (checkOnly) break;
      work.at(col, row).RemoveCandidate(d);
    }
    if (firstPos == 0) continue;

    result.digit = d;
    result.block = block + 1;
    result.columnLine = axis == Axis::Column ? line : -1;
    result.rowLine = axis == Axis::Row ? line : -1;
    // After applying, the line holds no candidate outside the block any more,
    // so only a check-only call has a cell to name.
    if (checkOnly) {
      result.cellColumn = ColOf(axis, line, firstPos);
      result.cellRow = RowOf(axis, line, firstPos);
    }
    return true;
  }
  return false;
}

}  // namespace

int FindPointing(Board& board, const PointingTried& tried, bool checkOnly,
                 TechniqueResult& result) {
  Board work = board;
  int found = 0;
  for (int block = 0; block < 9 && found == 0; ++block) {
    if (PointInBlock(work, block, Axis::Column, tried, checkOnly, result) ||
        PointInBlock(work, block, Axis::Row, tried, checkOnly, result))
      found = 1;
  }
  board = work;
  return found;
}

int FindPointing(Board& board, bool checkOnly, TechniqueResult& result) {
  return FindPointing(board, kNoPointingTried, checkOnly, result);
}

int FindClaiming(Board& board, bool checkOnly, const ClaimingTried& tried,
                 TechniqueResult& result) {
  Board work = board;
  int removed = 0;
  for (int row = 1; row <= 9 && removed == 0; ++row) {
    for (int d = 1; d <= 9 && removed == 0; ++d) {
      if (tried[ClaimingTriedIndex(row, d)] != 0) continue;

      int block = -1;
      bool spread = false;
      for (int col = 1; col <= 9; ++col) {
        if (!HasCandidate(work, col, row, d)) continue;
        const int b = core::BlockOf(col, row);
        if (block < 0) {
          block = b;
        } else if (b != block) {
          spread = true;
        }
      }
      if (block < 0 || spread) continue;

      const core::BlockBounds bounds = core::BoundsOfBlock(block);
      for (int r = bounds.firstRow; r <= bounds.lastRow && !(checkOnly && removed); ++r) {
        if (r == row) continue;
        for (int c = bounds.firstCol; c <= bounds.lastCol; ++c) {
          if (!HasCandidate(work, c, r, d)) continue;
          ++removed;
          if (checkOnly) break;
          work.at(c, r).RemoveCandidate(d);
        }
      }
      if (removed > 0) {
        result.digit = d;
        result.rowLine = row;
        result.columnLine = -1;
        result.block = block + 1;
      }
    }
  }
  board = work;
  return removed;
}

int FindClaiming(Board& board, bool checkOnly, TechniqueResult& result) {
  return FindClaiming(board, checkOnly, kNoClaimingTried, result);
}

int FindClaimingInColumns(Board& board, bool checkOnly, const ClaimingTried& tried,
                          TechniqueResult& result) {
  Board work = board;
  core::TransposeBoard(work);
  const int removed = FindClaiming(work, checkOnly, tried, result);
  core::TransposeBoard(work);
  board = work;
  if (removed > 0) {
    result.columnLine = result.rowLine;
    result.rowLine = -1;
    result.block = core::TransposedBlock(result.block - 1) + 1;
  }
  return removed;
}

int FindClaimingInColumns(Board& board, bool checkOnly, TechniqueResult& result) {
  return FindClaimingInColumns(board, checkOnly, kNoClaimingTried, result);
}

int FindClaimingInRowsOrColumns(Board& board, bool checkOnly, TechniqueResult& result) {
  const int removed = FindClaiming(board, checkOnly, result);
  if (removed > 0) return removed;
  return FindClaimingInColumns(board, checkOnly, result);
}

int FindTwoBlockLock(Board& board, bool stopAfterFirst, const TwoBlockTried& tried, bool checkOnly,
                     TechniqueResult& result) {
  Board work = board;
  int total = 0;
  for (;;) {
    int passRemoved = 0;
    for (int d = 1; d <= 9; ++d) {
      // Pairs already looked at in this pass for this digit, seeded from the
      // caller's table in both orders so that a pair is met only once, with
      // the lower block first.
      std::array<bool, 81> done{};
      for (int b1 = 0; b1 < 9; ++b1)
        for (int b2 = 0; b2 < 9; ++b2)
          done[9 * b1 + b2] = tried[TwoBlockTriedIndex(b1, b2, d)] != 0 ||
                              tried[TwoBlockTriedIndex(b2, b1, d)] != 0;

      for (int b1 = 0; b1 < 9; ++b1) {
        for (int b2 = 0; b2 < 9; ++b2) {
          if (b1 == b2 || done[9 * b1 + b2]) continue;
          const core::BlockBounds bounds1 = core::BoundsOfBlock(b1);
          const core::BlockBounds bounds2 = core::BoundsOfBlock(b2);
          Axis axis;
          if (bounds1.firstRow == bounds2.firstRow) {
            axis = Axis::Row;
          } else if (bounds1.firstCol == bounds2.firstCol) {
            axis = Axis::Column;
          } else {
            continue;
          }
          done[9 * b1 + b2] = done[9 * b2 + b1] = true;

          const unsigned mask = LinesHoldingDigit(work, b1, d, axis);
          if (std::popcount(mask) != 2 || LinesHoldingDigit(work, b2, d, axis) != mask) continue;

          const int firstLine = FirstLine(b1, axis);
          const int from1 = FirstPosition(b1, axis);
          const int from2 = FirstPosition(b2, axis);
          int lines[2];
          int n = 0;
          for (int k = 0; k < 3; ++k)
            if (mask & (1u << k)) lines[n++] = firstLine + k;

          int pairRemoved = 0;
          for (const int line : lines) {
            for (int pos = 1; pos <= 9; ++pos) {
              if ((pos >= from1 && pos < from1 + 3) || (pos >= from2 && pos < from2 + 3)) continue;
              const int col = ColOf(axis, line, pos);
              const int row = RowOf(axis, line, pos);
              if (!HasCandidate(work, col, row, d)) continue;
              result.block = b1 + 1;
              result.secondBlock = b2 + 1;
              result.digit = d;
              result.lines[0] = lines[0];
              result.lines[1] = lines[1];
              result.orientation = axis == Axis::Row ? Orientation::Rows : Orientation::Columns;
              result.cellColumn = col;
              result.cellRow = row;
              if (checkOnly) {
                board = work;
                return 1;
              }
              work.at(col, row).RemoveCandidate(d);
              ++pairRemoved;
            }
          }
          passRemoved += pairRemoved;
          if (stopAfterFirst && pairRemoved > 0) {
            board = work;
            return 1;
          }
        }
      }
    }
    total += passRemoved;
    if (passRemoved == 0 || checkOnly || stopAfterFirst) break;
  }
  board = work;
  return total;
}

int FindTwoBlockLock(Board& board, bool stopAfterFirst, bool checkOnly, TechniqueResult& result) {
  return FindTwoBlockLock(board, stopAfterFirst, kNoTwoBlockTried, checkOnly, result);
}

}  // namespace zentaro::techniques
