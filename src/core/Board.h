#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zentaro::core {

inline constexpr int kDigit = 0;
inline constexpr int kCount = 10;

// The place of a cell, and the one way cells are named across the program:
// column first, then row, both 1..9. "A1" (row A, column 1, top left) is
// CellRef{1, 1}; "I9" is CellRef{9, 9}. Board::at takes the same two numbers
// in the same order.
struct CellRef {
  int col = 0;
  int row = 0;

  constexpr bool OnBoard() const { return col >= 1 && col <= 9 && row >= 1 && row <= 9; }
  bool operator==(const CellRef&) const = default;
};

// Eleven values: index 0 the digit (0 = empty), 1..9 the candidate flags, 10
// the number of flags set. The history encoding and the puzzle files store
// them as they are. Readers treat any flag above 0 as set and look at flags
// and count only while the digit is 0; the member functions keep the count in
// step with the flags.
struct Cell {
  std::array<std::int32_t, 11> values{};

  std::int32_t& operator[](std::size_t i) { return values[i]; }
  const std::int32_t& operator[](std::size_t i) const { return values[i]; }
  void fill(std::int32_t v) { values.fill(v); }
  auto begin() { return values.begin(); }
  auto end() { return values.end(); }
  auto begin() const { return values.begin(); }
  auto end() const { return values.end(); }

  int Digit() const { return values[kDigit]; }
  bool HasCandidate(int digit) const {
    assert(digit >= 1 && digit <= 9);
    return values[digit] > 0;
  }
  int CandidateCount() const { return values[kCount]; }
  // Bit d set for each candidate d. Inline: the finders ask it in their
  // innermost loops.
  std::uint16_t Candidates() const {
    std::uint16_t set = 0;
    for (int d = 1; d <= 9; ++d)
      if (values[d] > 0) set = static_cast<std::uint16_t>(set | (1u << d));
    return set;
  }
  // Both return whether the flag changed.
  bool AddCandidate(int digit);
  bool RemoveCandidate(int digit);
  // Flags and count to 0; the digit stays.
  void ClearMarks();

  bool operator==(const Cell&) const = default;
};

// 81 cells indexed [column 1..9][row 1..9]: the nine cells of a column lie one
// after another, which is also the order of a history step's encoding.
struct Board {
  std::array<std::array<Cell, 9>, 9> cells{};

  // Callers in every layer name cells; a cell off the board is their bug, and
  // debug builds stop at it instead of reading or writing past the array.
  Cell& at(int col, int row) {
    assert((CellRef{col, row}.OnBoard()));
    return cells[col - 1][row - 1];
  }
  const Cell& at(int col, int row) const {
    assert((CellRef{col, row}.OnBoard()));
    return cells[col - 1][row - 1];
  }
  Cell& at(CellRef cell) { return at(cell.col, cell.row); }
  const Cell& at(CellRef cell) const { return at(cell.col, cell.row); }

  bool operator==(const Board&) const = default;
};

// 81 digits, row-major: column c and row r (1-based) at 9 * (r - 1) + (c - 1).
using DigitGrid = std::array<std::uint8_t, 81>;

inline constexpr int GridIndex(int col, int row) {
  assert((CellRef{col, row}.OnBoard()));
  return 9 * (row - 1) + (col - 1);
}
inline constexpr int GridIndex(CellRef cell) {
  return GridIndex(cell.col, cell.row);
}

// For each unit and digit, how many empty cells of the unit carry the digit.
// Indexed 9 * (unit - 1) + (digit - 1) with 1-based rows and columns, and
// 9 * block + digit - 1 with blocks 0..8.
using UnitCountTable = std::array<std::uint8_t, 81>;

// The columns and rows a block spans, 1-based and inclusive.
struct BlockBounds {
  int firstCol, lastCol, firstRow, lastRow;
};

// Block 0..8 of the cell in column c, row r (1-based).
inline constexpr int BlockOf(int col, int row) {
  return 3 * ((row - 1) / 3) + (col - 1) / 3;
}
inline constexpr int BlockOf(CellRef cell) {
  return BlockOf(cell.col, cell.row);
}

inline BlockBounds BoundsOfBlock(int block) {
  assert(block >= 0 && block <= 8);
  const int col = 3 * (block % 3) + 1;
  const int row = 3 * (block / 3) + 1;
  return {col, col + 2, row, row + 2};
}

// The number a block has after TransposeBoard; -100 for anything but 0..8.
int TransposedBlock(int block);

// Exchanges cell [c][r] with cell [r][c], all eleven values.
void TransposeBoard(Board& board);

// True when the digit stands nowhere in the row, column or block of the cell
// (the cell included).
bool CanPlace(const Board& board, int digit, CellRef cell);

// Removes the cell's digit from the candidates of every empty peer; an empty
// cell changes nothing.
void RemoveFromPeers(Board& board, CellRef cell);

// True when the cell's digit stands again in its row, column or block; an
// empty cell repeats nothing.
bool DigitRepeatsInUnits(const Board& board, CellRef cell);

// Lays the digits on the board with every candidate they allow, fills the
// three unit-count tables and returns the number of candidates on the board.
int BuildFromDigits(const DigitGrid& digits, Board& board, UnitCountTable& blockCounts,
                    UnitCountTable& rowCounts, UnitCountTable& colCounts);

// Writes the digit into the cell, clears the cell's marks, which mean nothing
// once it is filled, and takes the digit out of its peers.
void FillCell(Board& board, CellRef cell, int digit);

// BuildFromDigits without the count tables.
void BuildFromDigitsPlain(const DigitGrid& digits, Board& board);

// After a digit has left the cell, gives it back as a candidate to the empty
// cells of the cell's units that can take it again.
void RestoreCandidateInPeers(Board& board, int digit, CellRef cell);

// Recomputes one cell's candidates from the digits of its peers.
void RecomputeCellCandidates(Board& board, CellRef cell);

void ExtractDigits(const Board& board, DigitGrid& digits);
DigitGrid ExtractDigits(const Board& board);

// Every cell's digit from the grid; all flags and counts to 0.
void LoadDigits(const DigitGrid& digits, Board& board);

void ClearEmptyCellMarks(Board& board);

// complete: every empty cell has a candidate (so also a full board).
// any: some empty cell has a candidate.
bool CheckMarks(const Board& board, bool& any);

// Same digits, and the same flags and count in every empty cell.
bool BoardsEqual(const Board& a, const Board& b);

bool MatchesSolution(const Board& board, const DigitGrid& solution);

int CountFilled(const DigitGrid& digits);

// Cells whose digit is above 0.
int CountDigits(const Board& board);

// "A".."I" for rows 1..9, empty otherwise.
std::string RowLetter(int row);

// "A1".."I9".
std::string CellName(int col, int row);
inline std::string CellName(CellRef cell) {
  return CellName(cell.col, cell.row);
}

// 81 characters, '.' for an empty cell.
std::string GridToLine(const DigitGrid& grid, char empty = '.');

}  // namespace zentaro::core
