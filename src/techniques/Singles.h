#pragma once

#include "core/Board.h"

namespace zentaro::techniques {

using core::Board;
using core::UnitCountTable;

// Per unit and digit, the number of empty cells carrying the digit. The board
// is not changed.
void CountCandidatesPerUnit(const Board& board, UnitCountTable& blockCounts,
                            UnitCountTable& rowCounts, UnitCountTable& colCounts);

// The first single candidate in reading order: reported (reportOnly) or
// placed (digit written, removed from the peers, emptyCount lowered).
// Returns 1 when found, 0 otherwise (always 0 when emptyCount is 0).
int FindNakedSingle(Board& board, int& emptyCount, bool reportOnly, int& digit, int& row,
                    int& col);

// The same for the one given cell (1-based).
int PlaceNakedSingleAt(Board& board, int col, int row, int& emptyCount, bool reportOnly,
                       int& digit, int& outRow, int& outCol);

// A single candidate in the unit with the fewest empty cells, from least to
// most empty cells; blocks before rows before columns at equal size.
bool FindSingleInFullestUnit(const Board& board, int least, int most, int& col, int& row);

int CountNakedSingles(const Board& board);

enum class HiddenSingleMode { ReportOnly, PlaceFirst, CollectAll };

// Blocks 0..8, then rows, then columns, each by digit 1..9. blockUnit is the
// block number plus one; exactly one of the three unit fields is set when a
// single is reported, the others are -1.
int FindHiddenSingle(Board& board, int& emptyCount, HiddenSingleMode mode, int& blockUnit,
                     int& rowUnit, int& colUnit, int& digit, int& row, int& col,
                     UnitCountTable& blockCounts, UnitCountTable& rowCounts,
                     UnitCountTable& colCounts);

// Pairs (block, digit) that are hidden singles of their block.
int CountBlockHiddenSingles(const Board& board, UnitCountTable& blockCounts,
                            UnitCountTable& rowCounts, UnitCountTable& colCounts);

}  // namespace zentaro::techniques
