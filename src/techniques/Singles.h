#pragma once

#include <optional>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Per unit and digit, the number of empty cells carrying the digit: entry
// 9 * (unit - 1) + (digit - 1) of each table, units 1..9.
struct UnitCounts {
  core::UnitCountTable blocks{};
  core::UnitCountTable rows{};
  core::UnitCountTable columns{};
};
UnitCounts CountCandidatesPerUnit(const core::Board& board);

enum class SingleKind { Candidate, Hidden };

// A single: the cell's last candidate, or a digit with one place left in a
// unit (the unit it was found in; none for a single candidate).
struct SingleStep {
  SingleKind kind = SingleKind::Candidate;
  core::CellRef cell;
  int digit = 0;
  Unit unit;
  bool operator==(const SingleStep&) const = default;
};

// The first single candidate in reading order.
std::optional<SingleStep> FindNakedSingle(const core::Board& board);

// The single candidate of the one given cell, if it is one.
std::optional<SingleStep> NakedSingleAt(const core::Board& board, core::CellRef cell);

// The cell of a single candidate in the unit with the fewest empty cells,
// from least to most empty cells; blocks before rows before columns at equal
// size.
std::optional<core::CellRef> FindSingleInFullestUnit(const core::Board& board, int least, int most);

int CountNakedSingles(const core::Board& board);

// Blocks, then rows, then columns, each by digit 1..9: the first hidden
// single.
std::optional<SingleStep> FindHiddenSingle(const core::Board& board);

// Writes the digit and takes it out of the peers.
void Apply(const SingleStep& step, core::Board& board);

// Every hidden single's digit written into its cell, without taking it out of
// the peers: the chain search wants to see which cells became forced, not the
// knock-on effect. Returns how many there were.
int CollectHiddenSingles(core::Board& board);

// Pairs (block, digit) that are hidden singles of their block.
int CountBlockHiddenSingles(const core::Board& board);

// The single that appears first once an instance's eliminations are made:
// a single candidate before a hidden single.
std::optional<SingleStep> FindSingle(const core::Board& board);

}  // namespace zentaro::techniques
