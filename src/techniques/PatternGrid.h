#pragma once

// Working tables shared by the pattern finders; only their .cpp files
// include this.

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/Board.h"
#include "techniques/Patterns.h"

namespace zentaro::techniques::patterns {

// Cells by their reading-order index 0..80 (core::GridIndex).
inline core::CellRef CellOf(int i) {
  return {i % 9 + 1, i / 9 + 1};
}
inline int IndexOf(core::CellRef cell) {
  return core::GridIndex(cell);
}
inline int RowOf(int i) {
  return i / 9;
}
inline int ColOf(int i) {
  return i % 9;
}
inline int BlockOfIndex(int i) {
  return 3 * (i / 27) + (i % 9) / 3;
}

// The candidates of every cell as a digit set, 0 for a filled cell.
struct Grid {
  std::array<DigitSet, 81> cand{};

  explicit Grid(const core::Board& board) {
    for (int i = 0; i < 81; ++i) {
      const core::Cell& cell = board.at(CellOf(i));
      cand[i] = cell.Digit() == 0 ? cell.Candidates() : 0;
    }
  }
  bool Has(int i, int digit) const { return (cand[i] >> digit) & 1U; }
  int Count(int i) const { return std::popcount(cand[i]); }
};

// Units 0..8 rows, 9..17 columns, 18..26 blocks; cells in reading order.
const std::array<std::array<int, 9>, 27>& Units();

PatternUnit UnitRef(int unit);

bool Sees(int a, int b);

// The cells (in reading order) of the unit that hold the digit.
std::vector<int> PlacesInUnit(const Grid& grid, int unit, int digit);

// The digit's candidates in cells that see every one of `cells`, the cells
// themselves left out.
std::vector<Elimination> SeeingAll(const Grid& grid, int digit, std::initializer_list<int> cells);

void RemoveAll(const std::vector<Elimination>& eliminations, core::Board& board);

}  // namespace zentaro::techniques::patterns
