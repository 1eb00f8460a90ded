#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>

#include "core/Board.h"
#include "hints/Explanations.h"
#include "hints/Highlights.h"

namespace zentaro::hints::testing {

using CellSet = std::set<std::string>;

// 81 characters row-major, '.' for an empty cell; every empty cell gets the
// candidates its peers allow.
inline core::Board BoardWithMarks(std::string_view digits) {
  core::DigitGrid grid{};
  for (int i = 0; i < 81; ++i)
    grid[i] = digits[i] == '.' ? 0 : static_cast<uint8_t>(digits[i] - '0');
  core::Board board;
  core::BuildFromDigitsPlain(grid, board);
  return board;
}

inline core::Board EmptyBoardWithAllMarks() {
  return BoardWithMarks(std::string(81, '.'));
}

inline void SetMarks(core::Board& board, int col, int row, std::initializer_list<int> digits) {
  core::Cell& cell = board.at(col, row);
  for (int d = 1; d <= 10; ++d) cell[d] = 0;
  for (int d : digits) cell[d] = 1;
  cell[core::kCount] = static_cast<int>(digits.size());
}

// "A1" from the row letter and the column 1..9.
inline std::string CellAt(char row, int col) {
  return {row, static_cast<char>('0' + col)};
}

inline CellSet Row(char letter) {
  CellSet cells;
  for (int c = 1; c <= 9; ++c) cells.insert(CellAt(letter, c));
  return cells;
}

inline CellSet Column(int col) {
  CellSet cells;
  for (char r = 'A'; r <= 'I'; ++r) cells.insert(CellAt(r, col));
  return cells;
}

// Blocks 1..9, left to right and top to bottom.
inline CellSet Block(int block) {
  CellSet cells;
  const int firstRow = 3 * ((block - 1) / 3);
  const int firstCol = 3 * ((block - 1) % 3) + 1;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      cells.insert(CellAt(static_cast<char>('A' + firstRow + r), firstCol + c));
    }
  }
  return cells;
}

inline CellSet operator+(CellSet a, const CellSet& b) {
  a.insert(b.begin(), b.end());
  return a;
}

inline CellSet operator-(CellSet a, const CellSet& b) {
  for (const std::string& name : b) a.erase(name);
  return a;
}

inline CellSet operator*(const CellSet& a, const CellSet& b) {
  CellSet both;
  for (const std::string& name : a) {
    if (b.count(name)) both.insert(name);
  }
  return both;
}

template <typename Pred>
CellSet CellsWhere(const Highlights& layer, Pred pred) {
  CellSet cells;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      if (pred(layer.at(col, row))) cells.insert(core::CellName(col, row));
    }
  }
  return cells;
}

inline CellSet Highlighted(const Highlights& layer) {
  return CellsWhere(layer, [](const CellHighlight& h) { return h.highlight; });
}

inline CellSet Selected(const Highlights& layer) {
  return CellsWhere(layer, [](const CellHighlight& h) { return h.selected; });
}

inline CellSet WithMarkInfo(const Highlights& layer) {
  return CellsWhere(layer, [](const CellHighlight& h) { return h.hasMarkInfo; });
}

// Cells whose mark of the digit is emphasised as kept / shown as eliminated.
inline CellSet KeptMark(const Highlights& layer, int digit) {
  return CellsWhere(layer, [digit](const CellHighlight& h) {
    return h.hasMarkInfo && h.markHi[digit] != 0 && h.markElim[digit] == 0;
  });
}

inline CellSet RemovedMark(const Highlights& layer, int digit) {
  return CellsWhere(layer, [digit](const CellHighlight& h) {
    return h.hasMarkInfo && h.markHi[digit] != 0 && h.markElim[digit] != 0;
  });
}

inline const HintStage& General(const Explanation& e) {
  return e.stages.at(0);
}
inline const HintStage& Concrete(const Explanation& e) {
  return e.stages.at(1);
}

}  // namespace zentaro::hints::testing
