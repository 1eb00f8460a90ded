#pragma once

#include <array>
#include <cstdint>

#include "core/Board.h"

namespace zentaro::hints {

// Per-digit flags of one cell, indexed by the digit 1..9; index 0 is unused so
// that flags[d] reads as "the flag of digit d". Any non-zero value is set.
using DigitFlags = std::array<std::int32_t, 10>;

// What a hint explanation has picked out in one cell. The window paints the
// board from this record, so a repaint while the hint is shown restores it.
struct CellHighlight {
  bool hasMarkInfo = false;  // markHi and markElim are to be used
  bool red = false;          // painted in the conflict colour
  bool highlight = false;    // painted in the hint-cell colour
  bool selected = false;     // painted as the selected cell
  DigitFlags markHi{};       // emphasised pencil marks (to keep)
  DigitFlags markElim{};     // emphasised marks shown as eliminated (to remove)

  bool AnyFlag() const { return hasMarkInfo || red || highlight || selected; }
  bool operator==(const CellHighlight&) const = default;
};

// The hint highlight layer: one record per cell, indexed [column][row] like
// the board.
struct Highlights {
  std::array<std::array<CellHighlight, 9>, 9> cells{};

  // 1-based column and row.
  CellHighlight& at(int col, int row) { return cells[col - 1][row - 1]; }
  const CellHighlight& at(int col, int row) const { return cells[col - 1][row - 1]; }
  CellHighlight& at(core::CellRef cell) { return at(cell.col, cell.row); }
  const CellHighlight& at(core::CellRef cell) const { return at(cell.col, cell.row); }

  // True when no cell has any flag set.
  bool Empty() const;

  bool operator==(const Highlights&) const = default;
};

// Flags with only digit d set, or the digits of a set held as bit d for digit d.
DigitFlags FlagsOfDigit(int digit);
DigitFlags DigitFlagsOfSet(std::uint16_t digitSet);

// The unit operations record what the window draws for the nine cells of the
// unit. A null flags pointer means "none given". Given emphasis flags replace
// markHi (the row and column forms also clear markElim); given elimination
// flags (block form only) replace markElim; either sets hasMarkInfo. A true
// highlight sets the highlight flag; false leaves it as it was.
void HighlightRow(Highlights& layer, int row, bool highlight, const DigitFlags* emphasis = nullptr);
void HighlightColumn(Highlights& layer, int col, bool highlight,
                     const DigitFlags* emphasis = nullptr);
// block 1..9, left to right, top to bottom.
void HighlightBlock(Highlights& layer, int block, bool highlight,
                    const DigitFlags* elimination = nullptr, const DigitFlags* emphasis = nullptr);

// One cell as the explanations draw it on its own (1-based column and row).
// As with the unit forms, true flags are set and false ones leave the record
// alone, so a cell of a highlighted unit keeps its highlight when it is given
// its own marks; flags given replace the mark arrays.
void HighlightCell(Highlights& layer, int col, int row, bool highlight, bool selected = false,
                   const DigitFlags* elimination = nullptr, const DigitFlags* emphasis = nullptr);

void ClearHighlights(Highlights& layer);

}  // namespace zentaro::hints
