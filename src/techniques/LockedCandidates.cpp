#include "techniques/LockedCandidates.h"

#include <bit>

namespace zentaro::techniques {

namespace {

using core::Board;
using core::kCount;
using core::kDigit;

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

// Whether a search only looks or also takes the candidates away.
enum class Mode { Look, Remove };

// One direction of the pointing search for one block (0..8): the first digit
// confined to one line of the block with a candidate on that line outside
// it, removed there in Remove mode.
std::optional<PointingStep> PointInBlock(Board& work, int block, Axis axis,
                                         const PointingTried& tried, Mode mode) {
  const int outsideFrom = FirstPosition(block, axis);
  for (int d = 1; d <= 9; ++d) {
    if (tried[PointingTriedIndex(block + 1, d)] != 0) continue;
    const unsigned mask = LinesHoldingDigit(work, block, d, axis);
    if (std::popcount(mask) != 1) continue;
    const int line = FirstLine(block, axis) + std::countr_zero(mask);

    bool any = false;
    for (int pos = 1; pos <= 9; ++pos) {
      if (pos >= outsideFrom && pos < outsideFrom + 3) continue;
      const int col = ColOf(axis, line, pos);
      const int row = RowOf(axis, line, pos);
      if (!HasCandidate(work, col, row, d)) continue;
      any = true;
      if (mode == Mode::Look) break;
      work.at(col, row).RemoveCandidate(d);
    }
    if (!any) continue;
    return PointingStep{d, block + 1, axis == Axis::Column ? LineKind::Column : LineKind::Row,
                        line};
  }
  return std::nullopt;
}

std::optional<PointingStep> Point(Board& work, const PointingTried& tried, Mode mode) {
  for (int block = 0; block < 9; ++block) {
    if (auto step = PointInBlock(work, block, Axis::Column, tried, mode)) return step;
    if (auto step = PointInBlock(work, block, Axis::Row, tried, mode)) return step;
  }
  return std::nullopt;
}

// The claim search along rows; columns are the rows of the transposed board.
std::optional<ClaimingStep> ClaimInRows(Board& work, const ClaimingTried& tried, Mode mode) {
  for (int row = 1; row <= 9; ++row) {
    for (int d = 1; d <= 9; ++d) {
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

      bool any = false;
      const core::BlockBounds bounds = core::BoundsOfBlock(block);
      for (int r = bounds.firstRow; r <= bounds.lastRow && !(mode == Mode::Look && any); ++r) {
        if (r == row) continue;
        for (int c = bounds.firstCol; c <= bounds.lastCol; ++c) {
          if (!HasCandidate(work, c, r, d)) continue;
          any = true;
          if (mode == Mode::Look) break;
          work.at(c, r).RemoveCandidate(d);
        }
      }
      if (any) return ClaimingStep{d, LineKind::Row, row, block + 1};
    }
  }
  return std::nullopt;
}

std::optional<ClaimingStep> Claim(LineKind lines, Board& work, const ClaimingTried& tried,
                                  Mode mode) {
  if (lines == LineKind::Row) return ClaimInRows(work, tried, mode);
  core::TransposeBoard(work);
  std::optional<ClaimingStep> step = ClaimInRows(work, tried, mode);
  core::TransposeBoard(work);
  if (step) {
    step->line = LineKind::Column;
    step->block = core::TransposedBlock(step->block - 1) + 1;
  }
  return step;
}

std::optional<ClaimingStep> ClaimEither(Board& work, const ClaimingTriedBoth& tried, Mode mode) {
  if (auto step = Claim(LineKind::Row, work, tried.rows, mode)) return step;
  return Claim(LineKind::Column, work, tried.columns, mode);
}

// The first pair (with Remove: carried out), or with Sweep every pair of
// every pass; `removed` counts what went.
std::optional<TwoBlockStep> Lock(Board& work, const TwoBlockTried& tried, Mode mode, bool sweep,
                                 int& removed) {
  std::optional<TwoBlockStep> last;
  for (;;) {
    int passRemoved = 0;
    for (int d = 1; d <= 9; ++d) {
      // Pairs already looked at in this pass for this digit, seeded from the
      // caller's table in both orders so that a pair is met only once, with
      // the lower block first.
      std::array<bool, 81> done{};
      for (int b1 = 0; b1 < 9; ++b1)
        for (int b2 = 0; b2 < 9; ++b2)
          done[9 * b1 + b2] = tried[TwoBlockTriedIndex(b1 + 1, b2 + 1, d)] != 0 ||
                              tried[TwoBlockTriedIndex(b2 + 1, b1 + 1, d)] != 0;

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
          std::array<int, 2> lines{};
          int n = 0;
          for (int k = 0; k < 3; ++k)
            if (mask & (1u << k)) lines[static_cast<std::size_t>(n++)] = firstLine + k;
          const TwoBlockStep step{
              d, {b1 + 1, b2 + 1}, axis == Axis::Row ? LineKind::Row : LineKind::Column, lines};

          int pairRemoved = 0;
          for (const int line : lines) {
            for (int pos = 1; pos <= 9; ++pos) {
              if ((pos >= from1 && pos < from1 + 3) || (pos >= from2 && pos < from2 + 3)) continue;
              const int col = ColOf(axis, line, pos);
              const int row = RowOf(axis, line, pos);
              if (!HasCandidate(work, col, row, d)) continue;
              if (mode == Mode::Look) return step;
              work.at(col, row).RemoveCandidate(d);
              ++pairRemoved;
            }
          }
          if (pairRemoved == 0) continue;
          passRemoved += pairRemoved;
          last = step;
          if (!sweep) {
            removed += pairRemoved;
            return step;
          }
        }
      }
    }
    removed += passRemoved;
    if (passRemoved == 0) break;
  }
  return last;
}

}  // namespace

std::optional<PointingStep> FindPointing(const Board& board, const PointingTried& tried) {
  Board work = board;
  return Point(work, tried, Mode::Look);
}

std::optional<PointingStep> ApplyPointing(Board& board, const PointingTried& tried) {
  return Point(board, tried, Mode::Remove);
}

void MarkTried(PointingTried& tried, const PointingStep& step) {
  tried[PointingTriedIndex(step.block, step.digit)] = 1;
}

std::optional<ClaimingStep> FindClaimingIn(LineKind lines, const Board& board,
                                           const ClaimingTried& tried) {
  Board work = board;
  return Claim(lines, work, tried, Mode::Look);
}

std::optional<ClaimingStep> ApplyClaimingIn(LineKind lines, Board& board,
                                            const ClaimingTried& tried) {
  return Claim(lines, board, tried, Mode::Remove);
}

std::optional<ClaimingStep> FindClaiming(const Board& board, const ClaimingTriedBoth& tried) {
  Board work = board;
  return ClaimEither(work, tried, Mode::Look);
}

std::optional<ClaimingStep> ApplyClaiming(Board& board, const ClaimingTriedBoth& tried) {
  return ClaimEither(board, tried, Mode::Remove);
}

void MarkTried(ClaimingTriedBoth& tried, const ClaimingStep& step) {
  ClaimingTried& table = step.line == LineKind::Row ? tried.rows : tried.columns;
  table[ClaimingTriedIndex(step.lineNumber, step.digit)] = 1;
}

std::optional<TwoBlockStep> FindTwoBlockLock(const Board& board, const TwoBlockTried& tried) {
  Board work = board;
  int removed = 0;
  return Lock(work, tried, Mode::Look, false, removed);
}

std::optional<TwoBlockStep> ApplyTwoBlockLock(Board& board, const TwoBlockTried& tried) {
  int removed = 0;
  return Lock(board, tried, Mode::Remove, false, removed);
}

void MarkTried(TwoBlockTried& tried, const TwoBlockStep& step) {
  const auto [b1, b2] = step.blocks;
  tried[TwoBlockTriedIndex(b1, b2, step.digit)] = 1;
  tried[TwoBlockTriedIndex(b2, b1, step.digit)] = 1;
}

int ApplyEveryTwoBlockLock(Board& board, const TwoBlockTried& tried) {
  int removed = 0;
  Lock(board, tried, Mode::Remove, true, removed);
  return removed;
}

}  // namespace zentaro::techniques
