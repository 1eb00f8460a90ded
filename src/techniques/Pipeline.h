#pragma once

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Entries that look for an instance of an elimination technique whose
// eliminations at once leave a single candidate or a hidden single, stepping
// past instances that do not.
//
// Each instance is applied to a fresh copy of the board; the first one after
// which a single appears is reported with the single (singleKind true for a
// single candidate, which is preferred, false for a hidden single) and, unless
// keepBoard, its eliminations (not the single) are written into the board.
// An instance that left no single is marked as tried and the search goes on.
//
// Returns the technique code, or 0 when no instance led to a single; then the
// board is unchanged and the result keeps the caller's values apart from
// techniqueCode (0) and metAny, which tells whether any instance with
// eliminations was met at all.

// Instances are walked by raising the naked-subset skip count, so the same
// subset may come back with fewer eliminations. strict on input is the
// finder's strict flag; on output it is true when any instance met during the
// call had every cell holding exactly `size` candidates. result.strict tells
// the same of the reported instance alone.
TechniqueCode NakedSubsetToSingle(core::Board& board, int size, bool& strict, bool keepBoard,
                                  TechniqueResult& result);

}  // namespace zentaro::techniques
