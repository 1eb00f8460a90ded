#pragma once

#include <array>
#include <cstdint>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Tried tables: instances a caller has already looked at and does not want
// again. A non-zero entry excludes its combination; the finders only read
// them. An all-zero table (or the overloads without one) excludes nothing.

// Entry 9 * block + (digit - 1), block 0..8.
using PointingTried = std::array<std::uint8_t, 81>;
// Entry 9 * (line - 1) + (digit - 1), line 1..9: rows on the board as given,
// columns when the board has been transposed.
using ClaimingTried = std::array<std::uint8_t, 81>;
// Entry 81 * block1 + 9 * block2 + (digit - 1), blocks 0..8. An entry for
// (block1, block2) also excludes (block2, block1).
using TwoBlockTried = std::array<std::uint8_t, 729>;

constexpr int PointingTriedIndex(int block, int digit) {
  return 9 * block + (digit - 1);
}
constexpr int ClaimingTriedIndex(int line, int digit) {
  return 9 * (line - 1) + (digit - 1);
}
constexpr int TwoBlockTriedIndex(int block1, int block2, int digit) {
  return 81 * block1 + 9 * block2 + (digit - 1);
}

// A digit confined within a block to one column or one row of it, removed from
// the rest of that line. Blocks 0..8; in each block the column direction for
// digits 1..9 before the row direction for digits 1..9. The first instance
// that removes something is taken (removed unless checkOnly).
// Fills digit, block (1..9), columnLine or rowLine (the other -1) and, in
// check-only mode only, cellColumn/cellRow of the first cell that would lose
// the candidate (top to bottom along a column, left to right along a row).
// Returns 1 for an instance, 0 when there is none.
int FindPointing(core::Board& board, const PointingTried& tried, bool checkOnly,
                 TechniqueResult& result);
int FindPointing(core::Board& board, bool checkOnly, TechniqueResult& result);

// A digit confined within a row to one block, removed from the block's other
// two rows. Rows 1..9, digits 1..9; rows only (see FindClaimingInColumns).
// Fills digit, rowLine, columnLine = -1 and block (1..9, as pointing).
// Returns the number of candidates removed, 1 in check-only mode, 0 when none.
int FindClaiming(core::Board& board, bool checkOnly, const ClaimingTried& tried,
                 TechniqueResult& result);
int FindClaiming(core::Board& board, bool checkOnly, TechniqueResult& result);

// FindClaiming on the transposed board, with the board transposed back and the
// results describing the board as given: columnLine set, rowLine -1, block
// converted with TransposedBlock. The tried table is indexed by column.
int FindClaimingInColumns(core::Board& board, bool checkOnly, const ClaimingTried& tried,
                          TechniqueResult& result);
int FindClaimingInColumns(core::Board& board, bool checkOnly, TechniqueResult& result);

// Rows first; columns only when no row yields an instance. A check-only call
// followed by an applying call on the same board therefore names the same
// instance.
int FindClaimingInRowsOrColumns(core::Board& board, bool checkOnly, TechniqueResult& result);

// Two blocks of one band (stack) whose candidates of a digit occupy the same
// two rows (columns): the digit leaves those lines in the band's third block.
// Digits 1..9, then block pairs block1 < block2 in ascending order.
// Fills block and secondBlock (1..9), digit, lines[0] < lines[1], orientation
// (Rows for a band, Columns for a stack) and cellColumn/cellRow of a cell
// losing the candidate: check-only the first, applying the last one removed.
// Returns: check-only, 1 at the first removable candidate; stopAfterFirst, 1
// once the first productive pair has been applied; otherwise the number of
// candidates removed over repeated passes until a pass removes nothing.
// 0 when nothing is removable.
int FindTwoBlockLock(core::Board& board, bool stopAfterFirst, const TwoBlockTried& tried,
                     bool checkOnly, TechniqueResult& result);
int FindTwoBlockLock(core::Board& board, bool stopAfterFirst, bool checkOnly,
                     TechniqueResult& result);

}  // namespace zentaro::techniques
