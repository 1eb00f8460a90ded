#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zentaro::core {

// Index 0 is the digit (0 = empty), 1..9 the candidate flags, 10 the number of
// flags set. Readers treat any flag above 0 as set and look at flags and count
// only while the digit is 0.
using Cell = std::array<std::int32_t, 11>;

inline constexpr int kDigit = 0;
inline constexpr int kCount = 10;

// 81 cells indexed [column 1..9][row 1..9]: the nine cells of a column lie one
// after another, which is also the order of a history step's encoding.
struct Board {
  std::array<std::array<Cell, 9>, 9> cells{};

  // 1-based column and row.
  Cell& at(int col, int row) { return cells[col - 1][row - 1]; }
  const Cell& at(int col, int row) const { return cells[col - 1][row - 1]; }

  bool operator==(const Board&) const = default;
};

// 81 digits, row-major: column c and row r (1-based) at 9 * (r - 1) + (c - 1).
using DigitGrid = std::array<std::uint8_t, 81>;

inline constexpr int GridIndex(int col, int row) {
  return 9 * (row - 1) + (col - 1);
}

// For each unit and digit, how many empty cells of the unit carry the digit.
// Indexed 9 * (unit - 1) + (digit - 1) with 1-based rows and columns, and
// 9 * block + digit - 1 with blocks 0..8.
using UnitCountTable = std::array<std::uint8_t, 81>;

struct BlockBounds {
  int firstCol, lastCol, firstRow, lastRow;  // 0-based, inclusive
};

// Block 0..8 of the cell in column c, row r (1-based).
inline constexpr int BlockOf(int col, int row) {
  return 3 * ((row - 1) / 3) + (col - 1) / 3;
}

BlockBounds BoundsOfBlock(int block);

// The number a block has after TransposeBoard; -100 for anything but 0..8.
int TransposedBlock(int block);

// Exchanges cell [c][r] with cell [r][c], all eleven values.
void TransposeBoard(Board& board);

// True when the digit stands nowhere in the row, column or block of the cell
// (the cell included). 1-based column and row.
bool CanPlace(const Board& board, int digit, int col, int row);

// 0-based column and row. Removes the cell's digit from the candidates of
// every empty peer; an empty cell changes nothing.
void RemoveFromPeers(Board& board, int col0, int row0);

// Lays the digits on the board with every candidate they allow, fills the
// three unit-count tables and returns the number of candidates on the board.
int BuildFromDigits(const DigitGrid& digits, Board& board, UnitCountTable& blockCounts,
                    UnitCountTable& rowCounts, UnitCountTable& colCounts);

// Writes the digit into the cell (1-based), clears the cell's marks, which
// mean nothing once it is filled, and takes the digit out of its peers.
void FillCell(Board& board, int col, int row, int digit);

// BuildFromDigits without the count tables.
void BuildFromDigitsPlain(const DigitGrid& digits, Board& board);

// After a digit has left the cell (1-based row and column), gives it back as a
// candidate to the empty cells of the cell's units that can take it again.
void RestoreCandidateInPeers(Board& board, int digit, int row, int col);

// Recomputes one cell's candidates from the digits of its peers (1-based).
void RecomputeCellCandidates(Board& board, int col, int row);

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

// 81 characters, '.' for an empty cell.
std::string GridToLine(const DigitGrid& grid, char empty = '.');

}  // namespace zentaro::core
