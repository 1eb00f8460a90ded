#pragma once

// The words every technique's step is written in, so that a step of one
// family reads like a step of any other.
//
// Numbering, the same in every step: cells are core::CellRef (column, row,
// both 1..9); rows, columns, blocks and units are numbered 1..9 (blocks left
// to right, top to bottom, so block 1 is the top left one); a digit set holds
// bit d for digit d.

#include <cstdint>
#include <optional>

#include "core/Board.h"

namespace zentaro::techniques {

using DigitSet = std::uint16_t;  // bit d for digit d

// A candidate a step takes away.
struct Elimination {
  core::CellRef cell;
  int digit = 0;
  bool operator==(const Elimination&) const = default;
};

// Rows or columns: the lines of a step (the base lines of a fish, the two
// lines of a lock, the line a pointing digit is confined to).
enum class LineKind { Row, Column };

// The kinds of unit; the values are those the subset searches combine.
enum class UnitKind : int { None = -1, Row = 1, Column = 2, Block = 4 };

struct Unit {
  UnitKind kind = UnitKind::None;
  int number = 0;  // 1..9
  bool operator==(const Unit&) const = default;
};

// How an order (the hint ladder, the rating) asks a technique for a step.
enum class Reach {
  AnyInstance,  // the first instance that eliminates something
  ToSingle,     // the first instance after whose eliminations a single appears
  EveryUnit,    // hidden subsets: every unit's first subset at once
};

}  // namespace zentaro::techniques
