#pragma once

// Small helpers for building technique positions by hand: lay the digits of an
// 81-character line, then take candidates away until the wanted pattern stands.

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "core/Board.h"

namespace zentaro::techniques::test {

// Digits '1'..'9' are placed; any other character ('.', '0', '-') is an empty
// cell. The empty cells carry every candidate the digits allow.
inline core::DigitGrid GridFromLine(const char* line) {
  if (std::strlen(line) < 81) throw std::invalid_argument("a board line needs 81 characters");
  core::DigitGrid grid{};
  for (int i = 0; i < 81; ++i) {
    const char ch = line[i];
    grid[i] = (ch >= '1' && ch <= '9') ? static_cast<std::uint8_t>(ch - '0') : 0;
  }
  return grid;
}

inline core::Board BoardFromLine(const char* line) {
  core::Board board{};
  core::BuildFromDigitsPlain(GridFromLine(line), board);
  return board;
}

// No digits, every candidate in every cell.
inline core::Board OpenBoard() {
  return BoardFromLine(std::string(81, '.').c_str());
}

// 1-based column and row; does nothing when the candidate is already gone.
inline void Eliminate(core::Board& board, int col, int row, int digit) {
  core::Cell& cell = board.at(col, row);
  if (cell[core::kDigit] == 0 && cell[digit] > 0) {
    cell[digit] = 0;
    --cell[core::kCount];
  }
}

// Removes every candidate of the cell except the given digits.
inline void KeepOnly(core::Board& board, int col, int row, std::initializer_list<int> digits) {
  for (int d = 1; d <= 9; ++d) {
    bool keep = false;
    for (int k : digits) keep = keep || k == d;
    if (!keep) Eliminate(board, col, row, d);
  }
}

inline bool HasCandidate(const core::Board& board, int col, int row, int digit) {
  const core::Cell& cell = board.at(col, row);
  return cell[core::kDigit] == 0 && cell[digit] > 0;
}

// Makes the cell empty with exactly the given candidates.
inline void SetCandidates(core::Board& board, int col, int row, std::initializer_list<int> digits) {
  core::Cell& cell = board.at(col, row);
  cell.fill(0);
  for (int d : digits) {
    if (cell[d] == 0) ++cell[core::kCount];
    cell[d] = 1;
  }
}

// A cell by its name: "A1" is row A, column 1.
inline core::CellRef C(const char* name) {
  return {name[1] - '0', name[0] - 'A' + 1};
}

// Makes the named cell empty with exactly the given candidates.
inline void SetCandidates(core::Board& board, const char* name, std::initializer_list<int> digits) {
  SetCandidates(board, C(name).col, C(name).row, digits);
}

// An open board where the digit stays only in the named cells.
inline core::Board Only(int digit, std::initializer_list<const char*> names) {
  core::Board board = OpenBoard();
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      bool keep = false;
      for (const char* n : names) keep = keep || C(n) == core::CellRef{c, r};
      if (!keep) Eliminate(board, c, r, digit);
    }
  return board;
}

// A valid complete grid to cut positions from.
inline constexpr const char* kSolvedLine =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The line with the named cells ("A1".."I9") emptied.
inline std::string WithBlanks(const char* line, std::initializer_list<const char*> cells) {
  std::string out(line, 81);
  for (const char* name : cells) out[9 * (name[0] - 'A') + (name[1] - '1')] = '.';
  return out;
}

// Number of candidates on the board's empty cells.
inline int CandidateTotal(const core::Board& board) {
  int total = 0;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (board.at(c, r)[core::kDigit] == 0) total += board.at(c, r)[core::kCount];
  return total;
}

}  // namespace zentaro::techniques::test
