#pragma once

#include "core/Board.h"
#include "solver/Dlx.h"

namespace zentaro::solver {

// Counts the solutions of a position up to two: 0 = none, 1 = exactly one,
// 2 = two or more. Only the digits of the board are used. solutionUnique is
// cleared first and set when the count is 1; solution receives the first
// solution found and is left untouched when there is none.
int SolveAndCount(const core::Board& board, core::DigitGrid& solution, bool& solutionUnique);
int SolveAndCount(const core::DigitGrid& grid, core::DigitGrid& solution, bool& solutionUnique);

// The same on a solver the caller keeps, so that a batch of positions reuses
// one node pool. The solver's count-only setting is put back afterwards.
int SolveAndCount(DlxSolver& solver, const core::Board& board, core::DigitGrid& solution,
                  bool& solutionUnique);
int SolveAndCount(DlxSolver& solver, const core::DigitGrid& grid, core::DigitGrid& solution,
                  bool& solutionUnique);

// Counts up to the limit with the exact-cover solver alone, the fast
// counter's fallback; solution receives the solution when there is exactly
// one.
int CountWithExactCover(const core::DigitGrid& grid, int limit, core::DigitGrid* solution);

}  // namespace zentaro::solver
