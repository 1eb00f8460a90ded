// Time of the exact cover solver per puzzle, one puzzle per iteration.
//
// The puzzles come from ZENTARO_BENCH_PUZZLES when it is set (one puzzle a
// line, 81 characters, '.' or '0' empty, '#' lines skipped, anything after the
// 81st character ignored), else from the count check list beside the tests,
// else from the magictour top1465 collection.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/Board.h"
#include "solver/Dlx.h"
#include "solver/SolveAndCount.h"

namespace {

using zentaro::core::DigitGrid;
using zentaro::solver::DlxSolver;

std::string PuzzlePath() {
  if (const char* path = std::getenv("ZENTARO_BENCH_PUZZLES")) return path;
  return ZENTARO_TEST_DATA_DIR "/count_check.txt";
}

const std::vector<DigitGrid>& Puzzles() {
  static const std::vector<DigitGrid> puzzles = [] {
    const std::string path = PuzzlePath();
    std::ifstream in(path);
    std::vector<DigitGrid> result;
    for (std::string line; std::getline(in, line);) {
      if (line.size() < 81 || line[0] == '#') continue;
      DigitGrid grid{};
      for (int i = 0; i < 81; ++i)
        grid[i] = (line[i] >= '1' && line[i] <= '9') ? static_cast<std::uint8_t>(line[i] - '0') : 0;
      result.push_back(grid);
    }
    std::cerr << result.size() << " puzzles from " << path << "\n";
    if (result.empty()) std::exit(1);
    return result;
  }();
  return puzzles;
}

// What every position costs the program: count to two, keep the first solution.
void BM_SolveAndCount(benchmark::State& state) {
  const auto& puzzles = Puzzles();
  DlxSolver solver;
  DigitGrid solution{};
  bool unique = false;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zentaro::solver::SolveAndCount(solver, puzzles[i], solution, unique));
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolveAndCount);

// The same without a kept solver: the node pool is allocated for every puzzle.
void BM_SolveAndCountFreshSolver(benchmark::State& state) {
  const auto& puzzles = Puzzles();
  DigitGrid solution{};
  bool unique = false;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zentaro::solver::SolveAndCount(puzzles[i], solution, unique));
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolveAndCountFreshSolver);

// The generator's uniqueness test: count-only, up to 500 solutions.
void BM_CountOnlyTo500(benchmark::State& state) {
  const auto& puzzles = Puzzles();
  DlxSolver solver;
  std::size_t i = 0;
  for (auto _ : state) {
    solver.DLXInit(500, 2);
    solver.SetDLXCountOnly(true);
    solver.DLXAddSudokuRows(puzzles[i]);
    benchmark::DoNotOptimize(solver.DLXSolve(500));
    solver.SetDLXCountOnly(false);
    solver.DLXFree();
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CountOnlyTo500);

// Building the matrix alone, the fixed part of every solve.
void BM_AddSudokuRows(benchmark::State& state) {
  const auto& puzzles = Puzzles();
  DlxSolver solver;
  std::size_t i = 0;
  for (auto _ : state) {
    solver.DLXInit(2, 2);
    solver.DLXAddSudokuRows(puzzles[i]);
    benchmark::DoNotOptimize(solver.DLXRowCount());
    solver.DLXFree();
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddSudokuRows);

}  // namespace

BENCHMARK_MAIN();
