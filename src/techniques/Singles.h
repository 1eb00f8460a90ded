#pragma once

#include <optional>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Per unit and digit, the number of empty cells carrying the digit. The board
// is not changed.
void CountCandidatesPerUnit(const core::Board& board, core::UnitCountTable& blockCounts,
                            core::UnitCountTable& rowCounts, core::UnitCountTable& colCounts);

// A single: its digit and cell and, for a hidden single, the one unit in
// which the digit has a single place: the block (1..9), the row or the
// column; the other two are -1.
struct Single {
  int digit = -1;
  core::CellRef cell{-1, -1};
  int blockUnit = -1;
  int rowUnit = -1;
  int colUnit = -1;
};

// Puts the single into the result the explanations and the rating read.
void ReportSingle(const Single& single, bool singleCandidate, TechniqueResult& result);

// The first single candidate in reading order: reported (reportOnly) or
// placed (digit written, removed from the peers, emptyCount lowered).
// Nothing when there is none, and always nothing when emptyCount is 0.
std::optional<Single> FindNakedSingle(core::Board& board, int& emptyCount, bool reportOnly);

// The same for the one given cell.
std::optional<Single> PlaceNakedSingleAt(core::Board& board, core::CellRef cell, int& emptyCount,
                                         bool reportOnly);

// The cell of a single candidate in the unit with the fewest empty cells,
// from least to most empty cells; blocks before rows before columns at equal
// size.
std::optional<core::CellRef> FindSingleInFullestUnit(const core::Board& board, int least, int most);

int CountNakedSingles(const core::Board& board);

enum class HiddenSingleMode { ReportOnly, PlaceFirst };

// Blocks 0..8, then rows, then columns, each by digit 1..9: the first hidden
// single, reported or placed. The tables are refreshed for the board as it
// is afterwards.
std::optional<Single> FindHiddenSingle(core::Board& board, int& emptyCount, HiddenSingleMode mode,
                                       core::UnitCountTable& blockCounts,
                                       core::UnitCountTable& rowCounts,
                                       core::UnitCountTable& colCounts);

// Every hidden single's digit written into its cell, without taking it out of
// the peers: the chain search wants to see which cells became forced, not the
// knock-on effect. Returns how many there were.
int CollectHiddenSingles(core::Board& board, int& emptyCount, core::UnitCountTable& blockCounts,
                         core::UnitCountTable& rowCounts, core::UnitCountTable& colCounts);

// Pairs (block, digit) that are hidden singles of their block.
int CountBlockHiddenSingles(const core::Board& board, core::UnitCountTable& blockCounts,
                            core::UnitCountTable& rowCounts, core::UnitCountTable& colCounts);

}  // namespace zentaro::techniques
