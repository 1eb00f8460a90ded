#include "solver/FastCount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "solver/Dlx.h"
#include "solver/SolveAndCount.h"
#include "solver/SolverTestData.h"

namespace zentaro::solver {
namespace {

using testing::GridFromLine;
using testing::IsSolutionOf;
using testing::ReadDataLines;

constexpr char kFullGrid[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The exact-cover solver is the reference: its count up to two and its first
// solution.
struct DlxAnswer {
  int count = 0;
  core::DigitGrid first{};
};

DlxAnswer SolveWithDlx(DlxSolver& dlx, const core::DigitGrid& grid) {
  dlx.DLXInit(2, 2);
  dlx.DLXAddSudokuRows(grid);
  DlxAnswer answer;
  answer.count = static_cast<int>(dlx.DLXSolve(2));
  if (answer.count > 0) answer.first = dlx.DLXSolutions()[0];
  dlx.DLXFree();
  return answer;
}

// Compares count and, for a unique grid, the solution with the reference.
// Returns the count so that callers can check the mix they were given.
int ExpectAgreesWithDlx(DlxSolver& dlx, const std::string& line) {
  const core::DigitGrid grid = GridFromLine(line);
  const DlxAnswer expected = SolveWithDlx(dlx, grid);
  core::DigitGrid solution{};
  const int count = CountSolutionsUpTo2(grid, &solution);
  EXPECT_EQ(count, expected.count) << line;
  if (count == 1 && expected.count == 1) {
    EXPECT_EQ(solution, expected.first) << line;
    EXPECT_TRUE(IsSolutionOf(solution, grid)) << line;
  }
  return count;
}

TEST(FastCount, AgreesWithIndependentCountsOnMixedPuzzles) {
  const auto lines = ReadDataLines("count_check.txt");
  ASSERT_GE(lines.size(), 1000u);
  DlxSolver dlx;
  int seen[3] = {};
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 83u) << line;
    const int count = ExpectAgreesWithDlx(dlx, line);
    EXPECT_EQ(count, line[82] - '0') << line;
    if (count >= 0 && count <= 2) ++seen[count];
  }
  EXPECT_GE(seen[0], 100);
  EXPECT_GE(seen[1], 100);
  EXPECT_GE(seen[2], 100);
}

// The sanitizer build, many times slower, reads only the first puzzles of
// each collection: ZENTARO_TEST_SLICE says how many.
std::size_t SliceSize() {
  const char* slice = std::getenv("ZENTARO_TEST_SLICE");
  return slice != nullptr ? std::stoul(slice) : std::numeric_limits<std::size_t>::max();
}

class EveryCollection : public ::testing::TestWithParam<const char*> {};

// What count and solve print must not depend on the counter: the same count,
// and for solve the same solution the exact-cover solver finds first, also
// when there are several.
TEST_P(EveryCollection, CountAndSolveAgreeWithTheExactCoverSolver) {
  const auto puzzles = testdata::Puzzles(GetParam(), SliceSize());
  DlxSolver dlx, kept;
  for (const std::string& line : puzzles) {
    const core::DigitGrid grid = GridFromLine(line);
    const DlxAnswer expected = SolveWithDlx(dlx, grid);
    EXPECT_EQ(CountSolutionsUpTo2(grid, nullptr), expected.count) << line;
    core::DigitGrid solution{};
    bool unique = false;
    EXPECT_EQ(SolveAndCount(kept, grid, solution, unique), expected.count) << line;
    if (expected.count > 0) {
      EXPECT_EQ(solution, expected.first) << line;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Collections, EveryCollection,
                         ::testing::Values("count_check.txt", "hint_walk.txt", "norvig_top95.txt",
                                           "puzzles2_17_clue.txt", "puzzles3_magictour_top1465.txt",
                                           "puzzles6_forum_hardest_1106.txt",
                                           "puzzles7_serg_benchmark.txt"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name.resize(name.find('.'));
                           return name;
                         });

// The generator draws from the first 500 solutions, so a count to a limit
// must be exact below it and stop at it.
TEST(FastCount, CountsToALimitLikeTheSergCounts) {
  const auto puzzles = ReadDataLines("puzzles7_serg_benchmark.txt");
  const auto counts = ReadDataLines("puzzles7_serg_benchmark.counts.txt");
  const std::size_t n = std::min<std::size_t>(SliceSize(), 1000);
  for (std::size_t i = 0; i < n; ++i) {
    const int total = std::stoi(counts[i]);
    for (const int limit : {1, 2, 50, 500})
      EXPECT_EQ(CountSolutionsUpTo(GridFromLine(puzzles[i]), limit, nullptr),
                std::min(total, limit))
          << puzzles[i] << " limit " << limit;
  }
}

struct HandCase {
  const char* name;
  core::DigitGrid grid;
  int expected;
};

HandCase WithCell(const char* name, const char* line, int cell, int value, int expected) {
  core::DigitGrid grid = GridFromLine(line);
  grid[cell] = static_cast<std::uint8_t>(value);
  return {name, grid, expected};
}

class FastCountHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(FastCountHand, CountsTheHandMadeGrid) {
  EXPECT_EQ(CountSolutionsUpTo2(GetParam().grid, nullptr), GetParam().expected);
}

const char kEmpty[] = "";
// The full grid with its first two cells emptied: 5 and 3 can only go back
// where they were.
const char kTwoHoles[] =
    "..4678912672195348198342567859761423426853791713924856961537284287419635345286179";

INSTANTIATE_TEST_SUITE_P(
    Cases, FastCountHand,
    ::testing::Values(HandCase{"EmptyGrid", GridFromLine(kEmpty), 2},
                      HandCase{"FullValidGrid", GridFromLine(kFullGrid), 1},
                      HandCase{"FullGridWithHoles", GridFromLine(kTwoHoles), 1},
                      // The first row then holds 3 twice.
                      WithCell("FullGridWithClash", kFullGrid, 0, 3, 0),
                      WithCell("SameDigitTwiceInARow", "4.......4", 40, 0, 0),
                      WithCell("SingleGiven", kEmpty, 0, 6, 2),
                      WithCell("SameDigitTwiceInABlock", "7", 10, 7, 0),
                      WithCell("ValueAboveNine", kEmpty, 40, 10, 0),
                      WithCell("ValueAboveNineInAFullGrid", kFullGrid, 80, 10, 0),
                      // Millions of positions deep for the singles search: the
                      // exact-cover fallback has to give the same answer.
                      HandCase{"ContradictionHiddenDeep",
                               GridFromLine(".....5.8....6.1.43..........1.5........1.6...3......."
                                            "553.....61........4........."),
                               0}),
    [](const ::testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

TEST(FastCount, SameDigitTwiceInAColumnHasNoSolution) {
  core::DigitGrid grid{};
  grid[4] = grid[4 + 9 * 7] = 2;
  EXPECT_EQ(CountSolutionsUpTo2(grid, nullptr), 0);
}

TEST(FastCount, FillsTheSolutionOfAGridWithHoles) {
  core::DigitGrid solution{};
  ASSERT_EQ(CountSolutionsUpTo2(GridFromLine(kTwoHoles), &solution), 1);
  EXPECT_EQ(solution, GridFromLine(kFullGrid));
}

}  // namespace
}  // namespace zentaro::solver
