#include "core/Board.h"

namespace zentaro::core {

bool Cell::AddCandidate(int digit) {
  assert(digit >= 1 && digit <= 9);
  if (values[digit] > 0) return false;
  values[digit] = 1;
  ++values[kCount];
  return true;
}

bool Cell::RemoveCandidate(int digit) {
  assert(digit >= 1 && digit <= 9);
  if (values[digit] <= 0) return false;
  values[digit] = 0;
  --values[kCount];
  return true;
}

void Cell::ClearMarks() {
  for (int i = 1; i <= kCount; ++i) values[i] = 0;
}

int TransposedBlock(int block) {
  if (block < 0 || block > 8) return -100;
  return 3 * (block % 3) + block / 3;
}

void TransposeBoard(Board& board) {
  for (int c = 1; c <= 9; ++c)
    for (int r = c + 1; r <= 9; ++r) std::swap(board.at(c, r), board.at(r, c));
}

bool CanPlace(const Board& board, int digit, CellRef cell) {
  assert(cell.OnBoard());
  for (int i = 1; i <= 9; ++i) {
    if (board.at(cell.col, i)[kDigit] == digit) return false;
    if (board.at(i, cell.row)[kDigit] == digit) return false;
  }
  const BlockBounds b = BoundsOfBlock(BlockOf(cell));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (board.at(c, r)[kDigit] == digit) return false;
  return true;
}

namespace {

void TakeCandidate(Cell& cell, int digit) {
  if (cell[kDigit] == 0) cell.RemoveCandidate(digit);
}

}  // namespace

bool DigitRepeatsInUnits(const Board& board, CellRef cell) {
  const auto [col, row] = cell;
  const int digit = board.at(cell)[kDigit];
  if (digit == 0) return false;
  for (int c = 1; c <= 9; ++c)
    if (c != col && board.at(c, row)[kDigit] == digit) return true;
  for (int r = 1; r <= 9; ++r)
    if (r != row && board.at(col, r)[kDigit] == digit) return true;
  const BlockBounds b = BoundsOfBlock(BlockOf(col, row));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if ((c != col || r != row) && board.at(c, r)[kDigit] == digit) return true;
  return false;
}

void RemoveFromPeers(Board& board, CellRef cell) {
  const int d = board.at(cell)[kDigit];
  if (d <= 0 || d > 9) return;
  for (int r = 1; r <= 9; ++r) TakeCandidate(board.at(cell.col, r), d);
  for (int c = 1; c <= 9; ++c) TakeCandidate(board.at(c, cell.row), d);
  const BlockBounds b = BoundsOfBlock(BlockOf(cell));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r) TakeCandidate(board.at(c, r), d);
}

void FillCell(Board& board, CellRef cell, int digit) {
  assert(digit >= 1 && digit <= 9);
  Cell& target = board.at(cell);
  target.fill(0);
  target[kDigit] = digit;
  RemoveFromPeers(board, cell);
}

void BuildFromDigitsPlain(const DigitGrid& digits, Board& board) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      Cell& cell = board.cells[c][r];
      const int g = digits[9 * r + c];
      if (g != 0) {
        cell[kDigit] = g;
      } else {
        cell[kDigit] = 0;
        for (int d = 1; d <= 9; ++d) cell[d] = 1;
        cell[kCount] = 9;
      }
    }
  }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (board.at(c, r)[kDigit] != 0) RemoveFromPeers(board, {c, r});
}

int BuildFromDigits(const DigitGrid& digits, Board& board, UnitCountTable& blockCounts,
                    UnitCountTable& rowCounts, UnitCountTable& colCounts) {
  BuildFromDigitsPlain(digits, board);
  blockCounts.fill(0);
  rowCounts.fill(0);
  colCounts.fill(0);
  int total = 0;
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const Cell& cell = board.at(c, r);
      if (cell[kDigit] != 0) continue;
      total += cell[kCount];
      const int b = BlockOf(c, r);
      for (int d = 1; d <= 9; ++d) {
        if (!cell.HasCandidate(d)) continue;
        ++rowCounts[9 * (r - 1) + d - 1];
        ++colCounts[9 * (c - 1) + d - 1];
        ++blockCounts[9 * b + d - 1];
      }
    }
  }
  return total;
}

void RestoreCandidateInPeers(Board& board, int digit, CellRef cell) {
  assert(digit >= 1 && digit <= 9 && cell.OnBoard());
  auto give = [&](int c, int r) {
    Cell& peer = board.at(c, r);
    if (peer[kDigit] == 0 && CanPlace(board, digit, {c, r})) peer.AddCandidate(digit);
  };
  for (int c = 1; c <= 9; ++c) give(c, cell.row);
  for (int r = 1; r <= 9; ++r) give(cell.col, r);
  const BlockBounds b = BoundsOfBlock(BlockOf(cell));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r) give(c, r);
}

void RecomputeCellCandidates(Board& board, CellRef cell) {
  Cell& target = board.at(cell);
  for (int d = 1; d <= 9; ++d) target[d] = 1;
  auto drop = [&](int c, int r) {
    if (CellRef{c, r} == cell) return;
    const int g = board.at(c, r)[kDigit];
    if (g >= 1 && g <= 9) target[g] = 0;
  };
  for (int r = 1; r <= 9; ++r) drop(cell.col, r);
  for (int c = 1; c <= 9; ++c) drop(c, cell.row);
  const BlockBounds b = BoundsOfBlock(BlockOf(cell));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r) drop(c, r);
  int n = 0;
  for (int d = 1; d <= 9; ++d)
    if (target.HasCandidate(d)) ++n;
  target[kCount] = n;
}

void ExtractDigits(const Board& board, DigitGrid& digits) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      digits[GridIndex(c, r)] = static_cast<std::uint8_t>(board.at(c, r)[kDigit]);
}

DigitGrid ExtractDigits(const Board& board) {
  DigitGrid g{};
  ExtractDigits(board, g);
  return g;
}

void LoadDigits(const DigitGrid& digits, Board& board) {
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      Cell& cell = board.at(c, r);
      cell.fill(0);
      cell[kDigit] = digits[GridIndex(c, r)];
    }
  }
}

void ClearEmptyCellMarks(Board& board) {
  for (auto& column : board.cells)
    for (Cell& cell : column)
      if (cell[kDigit] == 0) cell.ClearMarks();
}

bool CheckMarks(const Board& board, bool& any) {
  bool complete = true;
  any = false;
  for (const auto& column : board.cells) {
    for (const Cell& cell : column) {
      if (cell[kDigit] != 0) continue;
      if (cell[kCount] > 0)
        any = true;
      else
        complete = false;
    }
  }
  return complete;
}

bool BoardsEqual(const Board& a, const Board& b) {
  for (int c = 0; c < 9; ++c) {
    for (int r = 0; r < 9; ++r) {
      const Cell& x = a.cells[c][r];
      const Cell& y = b.cells[c][r];
      if (x[kDigit] != y[kDigit]) return false;
      if (x[kDigit] != 0) continue;
      for (int i = 1; i <= kCount; ++i)
        if (x[i] != y[i]) return false;
    }
  }
  return true;
}

bool MatchesSolution(const Board& board, const DigitGrid& solution) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (board.at(c, r)[kDigit] != solution[GridIndex(c, r)]) return false;
  return true;
}

int CountFilled(const DigitGrid& digits) {
  int n = 0;
  for (auto d : digits)
    if (d != 0) ++n;
  return n;
}

int CountDigits(const Board& board) {
  int n = 0;
  for (const auto& column : board.cells)
    for (const Cell& cell : column)
      if (cell[kDigit] > 0) ++n;
  return n;
}

std::string RowLetter(int row) {
  if (row < 1 || row > 9) return {};
  return std::string(1, static_cast<char>(64 + row));
}

std::string CellName(int col, int row) {
  std::string name = RowLetter(row);
  name.append(std::to_string(col));
  return name;
}

std::string GridToLine(const DigitGrid& grid, char empty) {
  std::string s(81, empty);
  for (int i = 0; i < 81; ++i)
    if (grid[i] != 0) s[i] = static_cast<char>('0' + grid[i]);
  return s;
}

}  // namespace zentaro::core
