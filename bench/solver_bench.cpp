// Time of the exact cover solver per puzzle, one puzzle per iteration.
//
// The puzzles come from ZENTARO_BENCH_PUZZLES when it is set (one puzzle a
// line, 81 characters, '.' or '0' empty, '#' lines skipped, anything after the
// 81st character ignored), else from the count check list beside the tests,
// else from the magictour top1465 collection.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "core/Board.h"
#include "solver/Dlx.h"
#include "solver/FastCount.h"
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

// The fast counter alone, as the generator's uniqueness test uses it.
void BM_FastCount(benchmark::State& state) {
  const auto& puzzles = Puzzles();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zentaro::solver::CountSolutionsUpTo2(puzzles[i], nullptr));
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FastCount);

// Positions with no solution whose contradiction only a deep search meets:
// a puzzle with one solution and a wrong digit planted in an empty cell of
// the bottom band, where no given rules it out directly. The count runs after
// every digit the user places, so the slowest of these is what matters.
const std::vector<DigitGrid>& HiddenContradictions() {
  static const std::vector<DigitGrid> positions = [] {
    std::vector<DigitGrid> result;
    result.push_back(DigitGrid{});
    const std::string crafted =
        ".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4.........";
    for (int i = 0; i < 81; ++i)
      result[0][i] = crafted[i] == '.' ? 0 : static_cast<std::uint8_t>(crafted[i] - '0');

    std::mt19937 rng(20240611);
    DlxSolver solver;
    const auto& puzzles = Puzzles();
    for (int tries = 0; result.size() < 1001 && tries < 100000; ++tries) {
      DigitGrid grid = puzzles[rng() % puzzles.size()];
      DigitGrid solution{};
      bool unique = false;
      if (zentaro::solver::SolveAndCount(solver, grid, solution, unique) != 1) continue;
      const int cell = 54 + static_cast<int>(rng() % 27);
      if (grid[cell] != 0) continue;
      const int row = cell / 9, col = cell % 9;
      std::vector<int> allowed;
      for (int d = 1; d <= 9; ++d) {
        bool seen = d == solution[cell];
        for (int k = 0; k < 9 && !seen; ++k) {
          const int box = 27 * (row / 3) + 3 * (col / 3) + 9 * (k / 3) + k % 3;
          seen = grid[9 * row + k] == d || grid[9 * k + col] == d || grid[box] == d;
        }
        if (!seen) allowed.push_back(d);
      }
      if (allowed.empty()) continue;
      grid[cell] = static_cast<std::uint8_t>(allowed[rng() % allowed.size()]);
      result.push_back(grid);
    }
    return result;
  }();
  return positions;
}

// One iteration counts every hidden-contradiction position; max_ms is the
// slowest single count seen, the figure that must stay small.
void BM_HiddenContradictionWorstCase(benchmark::State& state) {
  const auto& positions = HiddenContradictions();
  DlxSolver solver;
  DigitGrid solution{};
  bool unique = false;
  double worst = 0;
  for (auto _ : state) {
    for (const DigitGrid& grid : positions) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(zentaro::solver::SolveAndCount(solver, grid, solution, unique));
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      worst = std::max(worst, took.count());
    }
  }
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["max_ms"] = worst;
  std::cerr << "hidden contradictions: " << positions.size() << " positions, slowest count "
            << worst << " ms\n";
}
BENCHMARK(BM_HiddenContradictionWorstCase)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
