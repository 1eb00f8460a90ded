#include "techniques/Singles.h"

#include <vector>

namespace zentaro::techniques {

using core::Board;
using core::Cell;
using core::kCount;
using core::kDigit;

namespace {

bool IsCandidate(const Cell& cell, int digit) {
  return cell[kDigit] == 0 && cell.HasCandidate(digit);
}

// The digit of an empty cell with exactly one candidate, else 0. A count of 1
// without any flag set (a board that contradicts itself) is no single.
int SingleDigitOf(const Cell& cell) {
  if (cell[kDigit] != 0 || cell[kCount] != 1) return 0;
  for (int d = 1; d <= 9; ++d)
    if (cell.HasCandidate(d)) return d;
  return 0;
}

// A single that clashes with a digit already placed among the cell's peers
// only appears on marks the user set by hand; it is no single, since placing
// it would break the puzzle.
int SingleAt(const Board& board, int col, int row) {
  const int d = SingleDigitOf(board.at(col, row));
  return d != 0 && core::CanPlace(board, d, {col, row}) ? d : 0;
}

int EmptyInBlock(const Board& board, int block) {
  const core::BlockBounds b = core::BoundsOfBlock(block);
  int n = 0;
  for (int r = b.firstRow; r <= b.lastRow; ++r)
    for (int c = b.firstCol; c <= b.lastCol; ++c)
      if (board.at(c, r)[kDigit] == 0) ++n;
  return n;
}

int EmptyInRow(const Board& board, int row) {
  int n = 0;
  for (int c = 1; c <= 9; ++c)
    if (board.at(c, row)[kDigit] == 0) ++n;
  return n;
}

int EmptyInColumn(const Board& board, int col) {
  int n = 0;
  for (int r = 1; r <= 9; ++r)
    if (board.at(col, r)[kDigit] == 0) ++n;
  return n;
}

// A unit that already holds the digit has no hidden single of it, whatever
// stray marks the user left in it.
bool BlockHolds(const Board& board, int block, int digit) {
  const core::BlockBounds b = core::BoundsOfBlock(block);
  for (int r = b.firstRow; r <= b.lastRow; ++r)
    for (int c = b.firstCol; c <= b.lastCol; ++c)
      if (board.at(c, r)[kDigit] == digit) return true;
  return false;
}

bool RowHolds(const Board& board, int row, int digit) {
  for (int c = 1; c <= 9; ++c)
    if (board.at(c, row)[kDigit] == digit) return true;
  return false;
}

bool ColumnHolds(const Board& board, int col, int digit) {
  for (int r = 1; r <= 9; ++r)
    if (board.at(col, r)[kDigit] == digit) return true;
  return false;
}

struct HiddenHit {
  int col, row, digit;
  Unit unit;
};

// Walks blocks, then rows, then columns, each by digit; calls onHit for every
// hidden single until it returns false.
template <typename OnHit>
void WalkHiddenSingles(const Board& board, const UnitCounts& counts, OnHit onHit) {
  for (int b = 0; b < 9; ++b) {
    const core::BlockBounds bb = core::BoundsOfBlock(b);
    for (int d = 1; d <= 9; ++d) {
      const std::uint8_t entry = counts.blocks[9 * b + d - 1];
      if (entry != 1 || BlockHolds(board, b, d)) continue;
      for (int r = bb.firstRow; r <= bb.lastRow; ++r)
        for (int c = bb.firstCol; c <= bb.lastCol; ++c)
          if (IsCandidate(board.at(c, r), d) &&
              !onHit(HiddenHit{c, r, d, {UnitKind::Block, b + 1}}))
            return;
    }
  }
  for (int r = 1; r <= 9; ++r) {
    for (int d = 1; d <= 9; ++d) {
      const std::uint8_t entry = counts.rows[9 * (r - 1) + d - 1];
      if (entry != 1 || RowHolds(board, r, d)) continue;
      for (int c = 1; c <= 9; ++c)
        if (IsCandidate(board.at(c, r), d) && !onHit(HiddenHit{c, r, d, {UnitKind::Row, r}}))
          return;
    }
  }
  for (int c = 1; c <= 9; ++c) {
    for (int d = 1; d <= 9; ++d) {
      const std::uint8_t entry = counts.columns[9 * (c - 1) + d - 1];
      if (entry != 1 || ColumnHolds(board, c, d)) continue;
      for (int r = 1; r <= 9; ++r)
        if (IsCandidate(board.at(c, r), d) && !onHit(HiddenHit{c, r, d, {UnitKind::Column, c}}))
          return;
    }
  }
}

}  // namespace

UnitCounts CountCandidatesPerUnit(const Board& board) {
  UnitCounts counts;
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const Cell& cell = board.at(c, r);
      if (cell[kDigit] != 0) continue;
      const int b = core::BlockOf(c, r);
      for (int d = 1; d <= 9; ++d) {
        if (!cell.HasCandidate(d)) continue;
        ++counts.rows[9 * (r - 1) + d - 1];
        ++counts.columns[9 * (c - 1) + d - 1];
        ++counts.blocks[9 * b + d - 1];
      }
    }
  }
  return counts;
}

std::optional<SingleStep> FindNakedSingle(const Board& board) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (const int d = SingleAt(board, c, r); d != 0)
        return SingleStep{.kind = SingleKind::Candidate, .cell = {c, r}, .digit = d, .unit = {}};
  return std::nullopt;
}

std::optional<SingleStep> NakedSingleAt(const Board& board, core::CellRef cell) {
  if (!cell.OnBoard()) return std::nullopt;
  const int d = SingleAt(board, cell.col, cell.row);
  if (d == 0) return std::nullopt;
  return SingleStep{.kind = SingleKind::Candidate, .cell = cell, .digit = d, .unit = {}};
}

std::optional<core::CellRef> FindSingleInFullestUnit(const Board& board, int least, int most) {
  for (int k = least; k <= most; ++k) {
    for (int b = 0; b < 9; ++b) {
      if (EmptyInBlock(board, b) != k) continue;
      const core::BlockBounds bb = core::BoundsOfBlock(b);
      for (int r = bb.firstRow; r <= bb.lastRow; ++r)
        for (int c = bb.firstCol; c <= bb.lastCol; ++c)
          if (SingleAt(board, c, r) != 0) return core::CellRef{c, r};
    }
    for (int r = 1; r <= 9; ++r) {
      if (EmptyInRow(board, r) != k) continue;
      for (int c = 1; c <= 9; ++c)
        if (SingleAt(board, c, r) != 0) return core::CellRef{c, r};
    }
    for (int c = 1; c <= 9; ++c) {
      if (EmptyInColumn(board, c) != k) continue;
      for (int r = 1; r <= 9; ++r)
        if (SingleAt(board, c, r) != 0) return core::CellRef{c, r};
    }
  }
  return std::nullopt;
}

int CountNakedSingles(const Board& board) {
  int n = 0;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (SingleAt(board, c, r) != 0) ++n;
  return n;
}

std::optional<SingleStep> FindHiddenSingle(const Board& board) {
  std::optional<SingleStep> first;
  WalkHiddenSingles(board, CountCandidatesPerUnit(board), [&](const HiddenHit& hit) {
    first = SingleStep{.kind = SingleKind::Hidden,
                       .cell = {hit.col, hit.row},
                       .digit = hit.digit,
                       .unit = hit.unit};
    return false;
  });
  return first;
}

void Apply(const SingleStep& step, Board& board) {
  core::FillCell(board, step.cell, step.digit);
}

int CollectHiddenSingles(Board& board) {
  std::vector<HiddenHit> hits;
  WalkHiddenSingles(board, CountCandidatesPerUnit(board), [&](const HiddenHit& hit) {
    hits.push_back(hit);
    return true;
  });
  for (const HiddenHit& hit : hits) board.at(hit.col, hit.row)[kDigit] = hit.digit;
  return static_cast<int>(hits.size());
}

int CountBlockHiddenSingles(const Board& board) {
  const UnitCounts counts = CountCandidatesPerUnit(board);
  int n = 0;
  for (int b = 0; b < 9; ++b) {
    const core::BlockBounds bb = core::BoundsOfBlock(b);
    for (int d = 1; d <= 9; ++d) {
      if (counts.blocks[9 * b + d - 1] != 1) continue;
      bool present = false;
      for (int r = bb.firstRow; r <= bb.lastRow; ++r)
        for (int c = bb.firstCol; c <= bb.lastCol; ++c)
          present = present || IsCandidate(board.at(c, r), d);
      if (present) ++n;
    }
  }
  return n;
}

std::optional<SingleStep> FindSingle(const Board& board) {
  if (std::optional<SingleStep> single = FindNakedSingle(board)) return single;
  return FindHiddenSingle(board);
}

}  // namespace zentaro::techniques
