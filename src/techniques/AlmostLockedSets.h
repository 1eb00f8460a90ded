#pragma once

// ALS-XZ, the rung of the second ladder before the forcing nets.
//
// An almost locked set (ALS) is N empty cells of one unit that hold, all
// together, exactly N+1 candidates (a cell with two candidates is one).
// Take out any one of its digits and the rest is locked: its N cells then
// hold exactly those N digits.
//
// ALS-XZ: two almost locked sets A and B with no cell in common, a digit x
// of both that is restricted (every cell of A holding x sees every cell of B
// holding x, so at most one of the two sets holds x), and another digit z of
// both. One of the sets holds no x and is locked without it; it holds z,
// so z goes from every cell outside both sets that sees every cell of A and
// of B holding z.
//
// Doubly linked: when a second shared digit x2 is restricted too, each set
// lacks exactly one of x and x2 (each set lacks exactly one of its digits,
// and each of x and x2 is lacking from one set at least). So every other
// digit of a set stands in it, and goes from every cell outside the set that
// sees all its cells holding the digit; and x and x2 each stand in one of
// the sets, and go from every cell that sees all their cells in both.
//
// Numbering as in Patterns.h: cells are core::CellRef, units PatternUnit.

#include <optional>
#include <string_view>
#include <vector>

#include "core/Board.h"
#include "techniques/Patterns.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

struct AlsSet {
  PatternUnit unit{};                // the first unit, rows, columns, blocks, holding the cells
  std::vector<core::CellRef> cells;  // in the unit's order (reading order)
  DigitSet digits = 0;               // their candidates, one more than cells
  bool operator==(const AlsSet&) const = default;
};

struct AlsXzStep {
  AlsSet a;
  AlsSet b;
  int x = 0;   // the restricted common digit
  int x2 = 0;  // doubly linked: the second restricted digit (above x), else 0
  int z = 0;   // singly linked: the digit that goes, else 0
  // In reading order, the digits of a cell ascending.
  std::vector<Elimination> eliminations;
  bool operator==(const AlsXzStep&) const = default;
};

// The largest set the search tries, in cells; larger sets are rare in real
// positions and multiply the pairs to try.
inline constexpr int kMaxAlsCells = 5;

// Order: the sets of one size come unit by unit (rows 1..9, columns 1..9,
// blocks 1..9), each unit's subsets in lexicographic order of its cells; a
// set met again in a later unit is the same set. Pairs by total size (cells
// of A and B) smallest first, then by the size of A (the smaller set, A
// before B in that order when both have the same size), then A, then B in
// that order. A pair with two restricted digits (the two smallest) is taken
// doubly linked, with all its eliminations; otherwise x ascending, then z
// ascending. The first pair and digits that remove a candidate is the step.
std::optional<AlsXzStep> FindAlsXz(const core::Board& board);
void Apply(const AlsXzStep& step, core::Board& board);

}  // namespace zentaro::techniques
