#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Naked subsets: whether rows and columns count only cells holding exactly
// the subset's digits (blocks never ask).
enum class Cells { Any, Exact };

// A naked pair, triple or quad: as many cells of a unit as digits, holding
// no other digit; the digits go from the unit's other cells.
struct NakedSubsetStep {
  DigitSet digits = 0;
  Unit unit;
  core::CellRef firstCell;  // blocks are walked column by column, top to bottom
  bool exact = false;       // every cell holds exactly the subset's digits
  int removed = 0;          // candidates taken away (or, looking, that would be)
  bool operator==(const NakedSubsetStep&) const = default;
};

// Naked pairs, triples and quads (size 2..4), searched in rows 1..9, then
// columns 1..9, then blocks 1..9; the first unit with eliminations is the
// step.
//
// Every candidate the finder could remove is numbered 1, 2, 3, ... across all
// units in search order; only those numbered above skipCount count (and go,
// when applied), so raising skipCount by one walks from one elimination, and
// eventually one instance, to the next.
std::optional<NakedSubsetStep> FindNakedSubset(const core::Board& board, int size, Cells cells,
                                               int skipCount = 0);
std::optional<NakedSubsetStep> ApplyNakedSubset(core::Board& board, int size, Cells cells,
                                                int skipCount = 0);

// Digit sets of the hidden-subset exclusion list, bit d for digit d.
using SkipSets = std::vector<std::uint16_t>;

// Hidden subsets not to be reported: entry i names a unit (its kind and its
// number 1..9) and a digit set. A subset of that unit whose digits all lie in
// the set is passed over. The three lists run in parallel; an empty exclusion
// list excludes nothing.
struct HiddenSubsetSkips {
  std::vector<UnitKind> unitKinds;
  std::vector<int> unitNumbers;
  SkipSets digitSets;
};

// A hidden pair, triple or quad: `size` digits, none placed in the unit,
// whose candidates lie in exactly `size` empty cells; every other candidate
// leaves those cells.
struct HiddenSubsetStep {
  DigitSet digits = 0;
  Unit unit;
  int removed = 0;  // candidates taken away (looking: 1)
  // Carried out in a row or column: the cell that last lost a candidate.
  std::optional<core::CellRef> lastChanged;
  bool operator==(const HiddenSubsetStep&) const = default;
};

// Rows 1..9, then columns 1..9, then blocks 1..9; each unit's first subset
// (digits in ascending lexicographic order) with something to remove. The
// first unit's is the step.
std::optional<HiddenSubsetStep> FindHiddenSubset(const core::Board& board, int size,
                                                 const HiddenSubsetSkips& skips = {});
std::optional<HiddenSubsetStep> ApplyHiddenSubset(core::Board& board, int size,
                                                  const HiddenSubsetSkips& skips = {});

// Every unit's first subset carried out at once. The step names the first
// unit's digits and unit, and all that was removed.
std::optional<HiddenSubsetStep> ApplyHiddenSubsetsInEveryUnit(core::Board& board, int size,
                                                              const HiddenSubsetSkips& skips = {});

}  // namespace zentaro::techniques
