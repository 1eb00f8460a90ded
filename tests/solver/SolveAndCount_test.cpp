#include "solver/SolveAndCount.h"

#include <gtest/gtest.h>

#include <string>

#include "solver/SolverTestData.h"

namespace zentaro::solver {
namespace {

using testing::GridFromLine;
using testing::IsSolutionOf;
using testing::ReadDataLines;

const core::DigitGrid kSentinel = [] {
  core::DigitGrid grid;
  grid.fill(7);
  return grid;
}();

// Checks one count and what comes with it: the flag, and a solution written
// only when there is one.
void ExpectCount(DlxSolver& solver, const std::string& line, int expected) {
  const core::DigitGrid grid = GridFromLine(line);
  core::DigitGrid solution = kSentinel;
  bool unique = true;
  ASSERT_EQ(SolveAndCount(solver, grid, solution, unique), expected) << line;
  EXPECT_EQ(unique, expected == 1) << line;
  if (expected == 0)
    EXPECT_EQ(solution, kSentinel) << line;
  else
    EXPECT_TRUE(IsSolutionOf(solution, grid)) << line;
}

TEST(SolveAndCount, AgreesWithQqwingOnUniqueSeveralAndNoSolutions) {
  const auto lines = ReadDataLines("count_check.txt");
  ASSERT_GE(lines.size(), 1000u);
  int seen[3] = {};
  DlxSolver solver;
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 83u) << line;
    const int expected = line[82] - '0';
    ASSERT_TRUE(expected >= 0 && expected <= 2) << line;
    ++seen[expected];
    ExpectCount(solver, line, expected);
  }
  // The file must exercise all three answers.
  EXPECT_GE(seen[0], 100);
  EXPECT_GE(seen[1], 100);
  EXPECT_GE(seen[2], 100);
}

TEST(SolveAndCount, FindsSeveralSolutionsInEverySergPuzzle) {
  const auto puzzles = ReadDataLines("puzzles7_serg_benchmark.txt");
  ASSERT_EQ(puzzles.size(), 2000u);
  DlxSolver solver;
  for (const std::string& line : puzzles) ExpectCount(solver, line, 2);
}

TEST(SolveAndCount, UnlimitedCountsMatchTheSergCounts) {
  const auto puzzles = ReadDataLines("puzzles7_serg_benchmark.txt");
  const auto counts = ReadDataLines("puzzles7_serg_benchmark.counts.txt");
  ASSERT_GE(counts.size(), 1000u);
  DlxSolver solver;
  for (std::size_t i = 0; i < 1000; ++i) {
    solver.DLXInit(2, 2);
    solver.SetDLXCountOnly(true);
    solver.DLXAddSudokuRows(GridFromLine(puzzles[i]));
    EXPECT_EQ(solver.DLXSolve(0), static_cast<std::uint32_t>(std::stoul(counts[i]))) << puzzles[i];
    solver.DLXFree();
  }
}

TEST(SolveAndCount, BoardUsesOnlyItsDigits) {
  const std::string line =
      "8.........95.......76.........426798...571243...893165......916....3.487....1.532";
  const core::DigitGrid grid = GridFromLine(line);
  core::Board board;
  core::BuildFromDigitsPlain(grid, board);
  // Pencil marks that would rule out the solution must not matter.
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) board.at(c, r)[1] = 0;
  core::DigitGrid fromGrid{}, fromBoard{};
  bool uniqueGrid = true, uniqueBoard = true;
  EXPECT_EQ(SolveAndCount(grid, fromGrid, uniqueGrid), 2);
  EXPECT_EQ(SolveAndCount(board, fromBoard, uniqueBoard), 2);
  EXPECT_EQ(fromBoard, fromGrid);
  EXPECT_FALSE(uniqueBoard);
}

TEST(SolveAndCount, UniqueFlagIsClearedWhenThereIsNoSolution) {
  core::DigitGrid grid{};
  grid[0] = grid[9] = 4;  // twice in the first column
  core::DigitGrid solution = kSentinel;
  bool unique = true;
  EXPECT_EQ(SolveAndCount(grid, solution, unique), 0);
  EXPECT_FALSE(unique);
  EXPECT_EQ(solution, kSentinel);
}

TEST(SolveAndCount, ReusedSolverIsFreedAndKeepsItsCountOnlySetting) {
  DlxSolver solver;
  solver.SetDLXCountOnly(true);
  const core::DigitGrid full = GridFromLine(
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
  core::DigitGrid solution{};
  bool unique = false;
  EXPECT_EQ(SolveAndCount(solver, full, solution, unique), 1);
  EXPECT_TRUE(unique);
  EXPECT_EQ(solution, full);
  EXPECT_TRUE(solver.DLXCountOnly());
  EXPECT_TRUE(solver.DLXSolutions().empty());
  EXPECT_EQ(solver.DLXRowCount(), 0u);
}

}  // namespace
}  // namespace zentaro::solver
