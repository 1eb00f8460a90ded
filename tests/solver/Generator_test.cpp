#include "solver/Generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "solver/Dlx.h"
#include "solver/SolverTestData.h"

namespace zentaro::solver {
namespace {

using core::DigitGrid;
using testing::GridFromLine;

std::uint32_t CountSolutions(const DigitGrid& grid, std::uint32_t limit) {
  DlxSolver dlx;
  dlx.DLXInit(0, 2);
  dlx.DLXAddSudokuRows(grid);
  dlx.SetDLXCountOnly(true);
  return dlx.DLXSolve(limit);
}

// --- CanPlaceInGrid -------------------------------------------------------------------

struct PlaceCase {
  const char* name;
  int digit;
  core::CellRef cell;
  bool expected;
};

// A4 holds 5, I8 holds 9 and E6, in the middle block, holds 4.
const char* const kPlaceGrid =
    "...5....."
    "........."
    "........."
    "........."
    ".....4..."
    "........."
    "........."
    "........."
    ".......9.";

const PlaceCase kPlaceCases[] = {
    {"SameRow", 5, {9, 1}, false},           {"SameColumn", 9, {8, 3}, false},
    {"SameBlock", 4, {4, 4}, false},         {"FreeEverywhere", 4, {1, 1}, true},
    {"OtherBlockSameBand", 4, {9, 4}, true}, {"TheCellItself", 5, {4, 1}, false},
};

class CanPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(CanPlace, LooksAtRowColumnAndBlock) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(CanPlaceInGrid(GridFromLine(kPlaceGrid), c.digit, c.cell), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cells, CanPlace, ::testing::ValuesIn(kPlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- MakePuzzle ------------------------------------------------------------------------

struct Made {
  int clues;
  DigitGrid puzzle{};
  DigitGrid digits{};
};

Made Make(int target, std::uint32_t seed) {
  core::Random random(seed);
  Made m;
  m.clues = MakePuzzle(target, random, m.puzzle, m.digits);
  return m;
}

int Filled(const DigitGrid& grid) {
  int n = 0;
  for (const auto d : grid) n += d != 0 ? 1 : 0;
  return n;
}

TEST(MakePuzzle, BelowThirtyCluesThePuzzleIsUniqueAndMinimal) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    const Made m = Make(27, seed);
    ASSERT_LE(m.clues, 27) << "seed " << seed;
    EXPECT_EQ(Filled(m.puzzle), m.clues);
    EXPECT_EQ(m.digits, m.puzzle);
    EXPECT_EQ(CountSolutions(m.puzzle, 0), 1u);
    // Sweeping goes on until no clue can go (ten sweeps are never needed
    // from 49 clues down).
    for (int cell = 0; cell < 81; ++cell) {
      if (m.puzzle[cell] == 0) continue;
      DigitGrid fewer = m.puzzle;
      fewer[cell] = 0;
      EXPECT_GE(CountSolutions(fewer, 2), 2u) << "seed " << seed << ", cell " << cell;
    }
  }
}

TEST(MakePuzzle, FromThirtyCluesRemovalStopsNearTheTarget) {
  for (const int target : {30, 31, 32}) {
    for (std::uint32_t seed = 10; seed <= 12; ++seed) {
      const Made m = Make(target, seed);
      EXPECT_LE(m.clues, target) << "target " << target << ", seed " << seed;
      // At most one more clue per column of the sweep that reached the target.
      EXPECT_GE(m.clues, target - 8) << "target " << target << ", seed " << seed;
      EXPECT_EQ(Filled(m.puzzle), m.clues);
      EXPECT_EQ(CountSolutions(m.puzzle, 0), 1u);
    }
  }
}

TEST(MakePuzzle, TheSameSeedGivesTheSamePuzzle) {
  const Made a = Make(27, 99);
  const Made b = Make(27, 99);
  const Made c = Make(27, 100);
  EXPECT_EQ(a.puzzle, b.puzzle);
  EXPECT_NE(a.puzzle, c.puzzle);
}

// --- GeneratePuzzle ------------------------------------------------------------------

// Records what the generation shows and cancels at a chosen callback.
class RecordingProgress : public GenerationProgress {
 public:
  int cancelAtCallback = 0;  // 0: never
  int callbacks = 0;
  int begins = 0, ends = 0;
  std::vector<int> positions;

  void Begin() override {
    ++begins;
    cancelled_ = false;
  }
  void ShowPosition(int position, int maximum) override {
    EXPECT_EQ(maximum, 100);
    positions.push_back(position);
  }
  void ProcessEvents() override {
    ++callbacks;
    if (callbacks == cancelAtCallback) cancelled_ = true;
  }
  bool CancelRequested() override { return cancelled_; }
  void End() override { ++ends; }

 private:
  bool cancelled_ = false;
};

// A position in play: digits, a few pencil marks, clues and a solution.
struct Position {
  core::Board board{};
  DigitGrid clues{};
  DigitGrid digits{};
  DigitGrid solution{};

  Position() {
    clues = GridFromLine("1.......2" + std::string(72, '.'));
    core::BuildFromDigitsPlain(clues, board);
    board.at(5, 5)[core::kDigit] = 7;
    board.at(9, 9)[3] = 0;
    board.at(9, 9)[core::kCount] -= 1;
    core::ExtractDigits(board, digits);
    solution.fill(4);
  }
  GenerationState State() { return {board, clues, digits, solution}; }
};

// Rates the n-th candidate puzzle levels[n] (the last one for every later
// one) and, as the real rating does, overwrites the solution on the way.
struct ScriptedRating {
  std::vector<int> levels;
  DigitGrid* solution = nullptr;
  std::vector<DigitGrid> seen;

  int operator()(const DigitGrid& grid) {
    seen.push_back(grid);
    if (solution) solution->fill(9);
    return levels[std::min(seen.size(), levels.size()) - 1];
  }
};

TEST(GeneratePuzzle, KeepsTheFirstPuzzleOfAWantedLevel) {
  Position p;
  GenerationState state = p.State();
  ScriptedRating rating{{0, -1, 4, 2, 3}, &p.solution, {}};
  RecordingProgress progress;
  core::Random random(5);
  int level = -7;
  WantedLevels wanted{};
  wanted[2] = wanted[3] = true;

  ASSERT_TRUE(GeneratePuzzle(wanted, 30, level, state, std::ref(rating), random, progress));
  EXPECT_EQ(level, 2);
  ASSERT_EQ(rating.seen.size(), 4u);
  EXPECT_EQ(p.digits, rating.seen.back());
  EXPECT_EQ(p.clues, p.digits);
  EXPECT_EQ(core::ExtractDigits(p.board), p.digits);
  EXPECT_EQ(p.board.at(9, 9)[core::kCount], 0) << "the new board carries no pencil marks";
  EXPECT_EQ(progress.positions, (std::vector<int>{5, 10, 15, 20}));
  EXPECT_EQ(progress.begins, 1);
  EXPECT_EQ(progress.ends, 1);
}

TEST(GeneratePuzzle, TheBarStartsAgainWhenFull) {
  Position p;
  GenerationState state = p.State();
  ScriptedRating rating{std::vector<int>(21, 0), nullptr, {}};
  rating.levels.push_back(5);
  RecordingProgress progress;
  core::Random random(7);
  int level = 0;
  WantedLevels wanted{};
  wanted[5] = true;
  ASSERT_TRUE(GeneratePuzzle(wanted, 32, level, state, std::ref(rating), random, progress));
  ASSERT_EQ(progress.positions.size(), 22u);
  EXPECT_EQ(progress.positions[19], 100);
  EXPECT_EQ(progress.positions[20], 5);
  EXPECT_EQ(progress.positions[21], 10);
}

TEST(GeneratePuzzle, TheSameSeedGivesTheSamePuzzle) {
  std::vector<DigitGrid> made;
  for (int run = 0; run < 2; ++run) {
    Position p;
    GenerationState state = p.State();
    ScriptedRating rating{{0, 3}, nullptr, {}};
    RecordingProgress progress;
    core::Random random(42);
    int level = 0;
    WantedLevels wanted{};
    wanted[3] = true;
    ASSERT_TRUE(GeneratePuzzle(wanted, 27, level, state, std::ref(rating), random, progress));
    made.push_back(p.clues);
  }
  EXPECT_EQ(made[0], made[1]);
}

TEST(GeneratePuzzle, CancelAtAnyCallbackRestoresThePosition) {
  // A full run first, to learn how many callbacks it makes.
  int total = 0;
  {
    Position p;
    GenerationState state = p.State();
    ScriptedRating rating{{0, 0, 1}, &p.solution, {}};
    RecordingProgress progress;
    core::Random random(11);
    int level = 0;
    WantedLevels wanted{};
    wanted[1] = true;
    ASSERT_TRUE(GeneratePuzzle(wanted, 31, level, state, std::ref(rating), random, progress));
    total = progress.callbacks;
  }
  ASSERT_GT(total, 3);

  const Position before;
  for (int at = 1; at <= total; ++at) {
    Position p;
    GenerationState state = p.State();
    ScriptedRating rating{{0, 0, 1}, &p.solution, {}};
    RecordingProgress progress;
    progress.cancelAtCallback = at;
    core::Random random(11);
    int level = 0;
    WantedLevels wanted{};
    wanted[1] = true;
    EXPECT_FALSE(GeneratePuzzle(wanted, 31, level, state, std::ref(rating), random, progress))
        << "cancelled at callback " << at;
    EXPECT_EQ(p.board, before.board) << "callback " << at;
    EXPECT_EQ(p.clues, before.clues) << "callback " << at;
    EXPECT_EQ(p.solution, before.solution) << "callback " << at;
    EXPECT_EQ(p.digits, core::ExtractDigits(before.board)) << "callback " << at;
    EXPECT_EQ(progress.ends, 1);
  }
}

TEST(GeneratePuzzle, CancelBeforeTheFirstPuzzleRatesNothing) {
  Position p;
  GenerationState state = p.State();
  ScriptedRating rating{{2}, nullptr, {}};
  RecordingProgress progress;
  progress.cancelAtCallback = 1;
  core::Random random(3);
  int level = 0;
  WantedLevels wanted{};
  wanted[2] = true;
  EXPECT_FALSE(GeneratePuzzle(wanted, 30, level, state, std::ref(rating), random, progress));
  EXPECT_TRUE(rating.seen.empty());
  EXPECT_EQ(progress.positions, std::vector<int>{5});
}

}  // namespace
}  // namespace zentaro::solver
