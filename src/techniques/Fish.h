#pragma once

#include <cstdint>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Digits left out of a fish search: bit d for digit d. The pipeline entries
// grow it with every digit whose instance did not lead to a single.
using FishSkipSet = std::uint16_t;

// X-Wing: a digit with exactly two candidates in each of two base lines, in
// the same two cross lines; it goes from the rest of those cross lines.
// Rows are tried as base lines first, columns only when rows give nothing;
// within an orientation, base line by base line, digit 1..9 inside each.
//
// Returns the number of candidates removed (apply), 1 (checkOnly) or 0.
// On success `result` gets digit, lines[0] < lines[1] (base lines),
// positions[0] < positions[1] (cross lines) and the orientation (of the base lines); with nothing
// found it is left as it was. The board only changes in apply mode.
int FindXWing(core::Board& board, bool checkOnly, FishSkipSet skipSet, TechniqueResult& result);

// Swordfish: a digit with two or three candidates in each of three base lines,
// all within three cross lines each covered by at least two of the base
// lines; it goes from the rest of those cross lines. Columns are tried as base
// lines first, rows only when columns give nothing.
//
// Every ordering of a base-line triple is visited. Applying, all Swordfish of
// the first digit that removes anything are applied and the reported lines
// are those of the first ordering (ascending); checking, every ordering counts
// the same cells again, so the return value is a multiple of the removable
// cells and the lines reported are those of the last ordering (descending for
// a single Swordfish).
//
// Returns the number removed (apply), a positive count (checkOnly) or 0.
// On success `result` gets digit, lines[0..2] (base lines in the order of the
// reported ordering), positions[0] < positions[1] < positions[2] (cross
// lines) and the orientation (of the base lines); with nothing
// found it is left as it was. The board only changes in apply mode.
int FindSwordfish(core::Board& board, bool checkOnly, FishSkipSet skipSet, TechniqueResult& result);

}  // namespace zentaro::techniques
