// The generator driven by the real rating, as the "New puzzle..." command
// drives it.

#include <gtest/gtest.h>

#include <string>

#include "rating/Rating.h"
#include "solver/Dlx.h"
#include "solver/Generator.h"

namespace zentaro::rating {
namespace {

using core::DigitGrid;

struct Generated {
  bool made = false;
  int level = 0;
  int target = 0;
  DigitGrid clues{};
};

// One generation for the given wanted levels with the clue target the
// command uses for the aimed level.
Generated Generate(const solver::WantedLevels& wanted, int aimed, std::uint32_t seed) {
  core::Random random(seed);
  core::Board board{};
  DigitGrid digits{}, solution{};
  Generated g;
  g.target = aimed == 1 ? 30 + random.Below(3) : 27;
  solver::GenerationState state{board, g.clues, digits, solution};
  const auto rate = [&](const DigitGrid& grid) {
    const Rating rated = RatePuzzle(grid, {.forGenerator = true}, random);
    if (rated.solution) solution = *rated.solution;
    return rated.level;
  };
  solver::GenerationProgress quiet;
  g.made = solver::GeneratePuzzle(wanted, g.target, g.level, state, rate, random, quiet);
  return g;
}

solver::WantedLevels Only(int level) {
  solver::WantedLevels wanted{};
  wanted[static_cast<std::size_t>(level)] = true;
  return wanted;
}

std::uint32_t CountSolutions(const DigitGrid& grid) {
  solver::DlxSolver dlx;
  dlx.DLXInit(0, 2);
  dlx.DLXAddSudokuRows(grid);
  dlx.SetDLXCountOnly(true);
  return dlx.DLXSolve(0);
}

int Filled(const DigitGrid& grid) {
  int n = 0;
  for (const auto d : grid) n += d != 0 ? 1 : 0;
  return n;
}

class GenerateLevel : public ::testing::TestWithParam<int> {};

TEST_P(GenerateLevel, GivesAUniquePuzzleThatRatesAtThatLevel) {
  const int wantedLevel = GetParam();
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    const Generated g = Generate(Only(wantedLevel), wantedLevel, 100 * wantedLevel + seed);
    ASSERT_TRUE(g.made);
    EXPECT_EQ(g.level, wantedLevel);
    EXPECT_EQ(CountSolutions(g.clues), 1u) << core::GridToLine(g.clues);
    EXPECT_LE(Filled(g.clues), g.target);

    // Rated again with other draws: the same level, or, where the logic needs
    // the chain step, that level for at least one draw in ten.
    int same = 0;
    bool chainNeeded = false;
    for (std::uint32_t draw = 1; draw <= 10; ++draw) {
      core::Random random(draw);
      const Rating rated = RatePuzzle(g.clues, {.forGenerator = true}, random);
      same += rated.level == wantedLevel ? 1 : 0;
      chainNeeded = chainNeeded || rated.details.counters.ChainStepsUsed > 0;
    }
    if (chainNeeded)
      EXPECT_GE(same, 1) << core::GridToLine(g.clues);
    else
      EXPECT_EQ(same, 10) << core::GridToLine(g.clues);
  }
}

INSTANTIATE_TEST_SUITE_P(Levels, GenerateLevel, ::testing::Values(1, 2, 3, 4, 5),
                         [](const auto& info) { return "Level" + std::to_string(info.param); });

TEST(GenerateWithRating, LevelOnePuzzlesKeepThirtyToThirtyTwoCluesAtMost) {
  for (std::uint32_t seed = 7; seed <= 9; ++seed) {
    const Generated g = Generate(Only(1), 1, seed);
    ASSERT_TRUE(g.made);
    EXPECT_GE(g.target, 30);
    EXPECT_LE(g.target, 32);
    EXPECT_LE(Filled(g.clues), g.target);
  }
}

TEST(GenerateWithRating, TheSameSeedGivesTheSamePuzzleAndLevel) {
  solver::WantedLevels wanted{};
  wanted[3] = wanted[4] = true;
  const Generated a = Generate(wanted, 3, 2024);
  const Generated b = Generate(wanted, 3, 2024);
  ASSERT_TRUE(a.made);
  EXPECT_EQ(a.clues, b.clues);
  EXPECT_EQ(a.level, b.level);
}

}  // namespace
}  // namespace zentaro::rating
