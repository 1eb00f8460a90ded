#include "solver/SolveAndCount.h"

#include "solver/FastCount.h"

namespace zentaro::solver {

namespace {

// Frees the matrix however the solve ends and gives the caller's solver its
// count-only setting back; the first solution has to be decoded here.
class SolveSession {
 public:
  explicit SolveSession(DlxSolver& solver) : solver_(solver), countOnly_(solver.DLXCountOnly()) {
    solver_.SetDLXCountOnly(false);
  }
  ~SolveSession() {
    solver_.DLXFree();
    solver_.SetDLXCountOnly(countOnly_);
  }
  SolveSession(const SolveSession&) = delete;
  SolveSession& operator=(const SolveSession&) = delete;

 private:
  DlxSolver& solver_;
  bool countOnly_;
};

}  // namespace

int CountWithExactCover(const core::DigitGrid& grid, int limit, core::DigitGrid* solution) {
  DlxSolver dlx;
  SolveSession session(dlx);
  dlx.DLXInit(2, 2);
  dlx.SetDLXCountOnly(solution == nullptr);
  dlx.DLXAddSudokuRows(grid);
  const auto found = static_cast<int>(dlx.DLXSolve(static_cast<std::uint32_t>(limit)));
  if (found == 1 && solution != nullptr) *solution = dlx.DLXSolutions()[0];
  return found;
}

int SolveAndCount(DlxSolver& solver, const core::DigitGrid& grid, core::DigitGrid& solution,
                  bool& solutionUnique) {
  solutionUnique = false;
  // A unique solution, or none, is the same whatever the search order, so the
  // fast counter settles those; only several solutions need the exact-cover
  // order, which decides which one is shown first.
  core::DigitGrid unique{};
  const int fastCount = CountSolutionsUpTo2(grid, &unique);
  if (fastCount == 0) return 0;
  if (fastCount == 1) {
    solution = unique;
    solutionUnique = true;
    return 1;
  }
  // The count is known, so the exact-cover search may stop at its first
  // solution.
  SolveSession session(solver);
  solver.DLXInit(0, 2);
  solver.DLXAddSudokuRows(grid);
  solver.DLXSolveAt(0, solution);
  return 2;
}

int SolveAndCount(DlxSolver& solver, const core::Board& board, core::DigitGrid& solution,
                  bool& solutionUnique) {
  return SolveAndCount(solver, core::ExtractDigits(board), solution, solutionUnique);
}

int SolveAndCount(const core::DigitGrid& grid, core::DigitGrid& solution, bool& solutionUnique) {
  DlxSolver solver;
  return SolveAndCount(solver, grid, solution, solutionUnique);
}

int SolveAndCount(const core::Board& board, core::DigitGrid& solution, bool& solutionUnique) {
  DlxSolver solver;
  return SolveAndCount(solver, board, solution, solutionUnique);
}

}  // namespace zentaro::solver
