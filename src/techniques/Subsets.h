#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Digit sets of the hidden-subset exclusion list, bit d for digit d.
using SkipSets = std::vector<std::uint16_t>;

// Hidden subsets not to be reported: entry i names a unit (its kind and its
// number 1..9, blocks numbered block + 1) and a digit set.
// A subset of that unit whose digits all lie in the set is passed over. The
// three lists run in parallel; an empty exclusion list excludes nothing.
struct HiddenSubsetSkips {
  std::vector<UnitKind> unitKinds;
  std::vector<int> unitNumbers;
  SkipSets digitSets;
};

// Naked pairs, triples and quads (size 2..4), searched in rows 1..9, then
// columns 1..9, then blocks 0..8; the first unit with eliminations is the
// result.
//
// Every candidate the finder could remove is numbered 1, 2, 3, ... across all
// units in search order; only those numbered above skipCount are removed (or,
// with checkOnly, counted), so raising skipCount by one walks from one
// elimination, and eventually one instance, to the next.
//
// strict on input: in rows and columns a subset counts only when each of its
// cells holds exactly `size` candidates (blocks ignore it). On output, after
// a find: whether each cell of the subset holds exactly `size` candidates.
//
// On a find: digitSet (bit d for digit d), unitKind and the 1-based row and column of the subset's
// first cell (blocks are walked column by column, top to bottom within a column). Nothing is
// written when nothing is found. Returns the number of candidates removed
// (checkOnly: that would be removed), 0 when nothing qualifies or the size is
// not 2..4.
int FindNakedSubset(core::Board& board, int size, bool& strict, std::uint16_t& digitSet,
                    int skipCount, UnitKind& unitKind, int& row, int& col, bool checkOnly);

// The same, reporting into the shared result: digitSet, unitKind, cellRow,
// cellColumn and strict (the strict flag is taken from result.strict).
int FindNakedSubset(core::Board& board, int size, int skipCount, bool checkOnly,
                    TechniqueResult& result);

// Hidden pairs, triples and quads (size 2..4): `size` digits, none placed in
// the unit, whose candidates lie in exactly `size` empty cells; every other
// candidate leaves those cells. Rows 1..9, then columns 1..9, then blocks;
// each unit applies at most its first such subset (digits in ascending
// lexicographic order).
//
// With stopAtFirstUnit or checkOnly the search ends at the first unit with a
// subset: unitKind and unitNumber are set and the subset's digits written
// ascending into digits[0..size-1] (the other places are left alone). With
// neither flag every unit is searched, the removals are summed, and unit kind
// and number are not set.
//
// position: after removals in a row or column, the column (of a row) or row
// (of a column) of the last cell that lost a candidate; left alone for blocks
// and in check-only mode.
//
// Returns the number of candidates removed; with checkOnly, 1 when a subset
// would remove something; 0 when none (or the size is not 2..4).
int FindHiddenSubset(core::Board& board, int size, const HiddenSubsetSkips& skips,
                     std::array<int, 4>& digits, int& position, bool stopAtFirstUnit,
                     bool checkOnly, UnitKind& unitKind, int& unitNumber);

// The same, reporting into the shared result: subsetDigits, unitKind and
// unitNumber; after removals in a row or column also the cell that last lost
// a candidate (cellRow, cellColumn), e.g. row 3 position 7 gives C7.
int FindHiddenSubset(core::Board& board, int size, const HiddenSubsetSkips& skips,
                     bool stopAtFirstUnit, bool checkOnly, TechniqueResult& result);

}  // namespace zentaro::techniques
