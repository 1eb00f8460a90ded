#pragma once

#include "core/Board.h"

namespace zentaro::solver {

// Counts the solutions of a grid up to a limit with candidate bitboards per
// digit, band-wise pruning (singles and locked candidates for every unit at
// once) and a guess in a two-candidate cell where there is one. Much faster
// than the exact-cover solver, but its search order differs, so it only
// serves where the order of the solutions does not matter. A given above 9,
// or a digit given twice in a row, column or block, makes the grid
// unsolvable. solution, when not null, holds the solution after a return of
// 1; otherwise its content is unspecified.
// The search visits at most this many positions; a grid that needs more is
// counted again by the exact-cover solver, which bounds the time of every
// count (the count runs after each digit the user places).
inline constexpr long kFastCountNodeBudget = 20000;

// Returns min(number of solutions, limit); a limit below 1 counts as 1.
int CountSolutionsUpTo(const core::DigitGrid& grid, int limit, core::DigitGrid* solution);

// 0 = none, 1 = exactly one, 2 = two or more.
int CountSolutionsUpTo2(const core::DigitGrid& grid, core::DigitGrid* solution);

}  // namespace zentaro::solver
