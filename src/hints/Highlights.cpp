#include "hints/Highlights.h"

#include "core/Board.h"

namespace zentaro::hints {

namespace {

void Record(CellHighlight& cell, bool highlight, const DigitFlags* elimination,
            const DigitFlags* emphasis, bool clearElimination) {
  if (emphasis != nullptr) {
    cell.markHi = *emphasis;
    if (clearElimination) cell.markElim = {};
    cell.hasMarkInfo = true;
  }
  if (elimination != nullptr) {
    cell.markElim = *elimination;
    cell.hasMarkInfo = true;
  }
  if (highlight) cell.highlight = true;
}

}  // namespace

bool Highlights::Empty() const {
  for (const auto& column : cells) {
    for (const CellHighlight& cell : column) {
      if (cell.AnyFlag()) return false;
    }
  }
  return true;
}

DigitFlags FlagsOfDigit(int digit) {
  DigitFlags flags{};
  if (digit >= 1 && digit <= 9) flags[digit] = 1;
  return flags;
}

DigitFlags DigitFlagsOfSet(std::uint16_t digitSet) {
  DigitFlags flags{};
  for (int d = 1; d <= 9; ++d) {
    if (digitSet & (1u << d)) flags[d] = 1;
  }
  return flags;
}

void HighlightRow(Highlights& layer, int row, bool highlight, const DigitFlags* emphasis) {
  if (row < 1 || row > 9) return;
  for (int c = 1; c <= 9; ++c) Record(layer.at(c, row), highlight, nullptr, emphasis, true);
}

void HighlightColumn(Highlights& layer, int col, bool highlight, const DigitFlags* emphasis) {
  if (col < 1 || col > 9) return;
  for (int r = 1; r <= 9; ++r) Record(layer.at(col, r), highlight, nullptr, emphasis, true);
}

void HighlightBlock(Highlights& layer, int block, bool highlight, const DigitFlags* elimination,
                    const DigitFlags* emphasis) {
  if (block < 1 || block > 9) return;
  const core::BlockBounds bounds = core::BoundsOfBlock(block - 1);
  for (int c = bounds.firstCol; c <= bounds.lastCol; ++c) {
    for (int r = bounds.firstRow; r <= bounds.lastRow; ++r) {
      Record(layer.at(c, r), highlight, elimination, emphasis, false);
    }
  }
}

void HighlightCell(Highlights& layer, int col, int row, bool highlight, bool selected,
                   const DigitFlags* elimination, const DigitFlags* emphasis) {
  if (col < 1 || col > 9 || row < 1 || row > 9) return;
  CellHighlight& cell = layer.at(col, row);
  Record(cell, highlight, elimination, emphasis, false);
  if (selected) cell.selected = true;
}

void ClearHighlights(Highlights& layer) {
  layer = Highlights{};
}

}  // namespace zentaro::hints
