// Soundness of the hints: puzzles of every level walked from their start by
// hints alone, answering every question as a player who wants to go on.
// Every placement must be the solution's digit, no elimination may remove the
// solution's digit, "&Do it !" must remove exactly the marks the concrete
// stage showed as removed, and what the rating calls levels 1 to 4 must be
// finished.

#include "app/HintWalk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "FakeView.h"
#include "HintChecks.h"
#include "TestData.h"
#include "app/Game.h"
#include "core/Random.h"
#include "rating/Rating.h"
#include "solver/SolveAndCount.h"
#include "techniques/Registry.h"
#include "techniques/Singles.h"

namespace zentaro::app::test {
namespace {

// Published hard puzzles walked besides the generated ones: they reach the
// fish, the hidden subsets and the chains.
constexpr int kPublishedPuzzles = 30;

int RateAsTheProgramDoes(const core::DigitGrid& grid) {
  core::Random random;
  return rating::RatePuzzle(grid, {.forGenerator = false}, random).level;
}

TEST(HintWalk, EveryStepIsTrueAndEasierPuzzlesAreFinished) {
  std::vector<std::string> puzzles = testdata::Puzzles("hint_walk.txt", 1000);
  const std::vector<std::string> published =
      testdata::Puzzles("puzzles3_magictour_top1465.txt", kPublishedPuzzles);
  puzzles.insert(puzzles.end(), published.begin(), published.end());

  std::map<int, int> walked, finished;
  std::map<std::string, int> techniques;
  for (const std::string& line : puzzles) {
    SCOPED_TRACE(line);
    const core::DigitGrid grid = GridFromLine(line);
    core::DigitGrid solution{};
    bool unique = false;
    ASSERT_EQ(solver::SolveAndCount(grid, solution, unique), 1);

    GoOnView view;
    Game game(view);
    game.SetClueRater(RateAsTheProgramDoes);
    game.LoadPosition(grid);
    const int level = CountersOf(game).level;

    const WalkResult walk = WalkHints(game, view, [&](const WalkStep& step) {
      ++techniques[step.name];
      ASSERT_TRUE(step.hint.applied) << step.name;
      ASSERT_FALSE(step.stages.empty());
      // Whichever ladder found it, the step names the technique offered.
      ASSERT_TRUE(step.hint.found.has_value()) << step.name;
      EXPECT_EQ(zentaro::techniques::IdOf(*step.hint.found), step.hint.technique) << step.name;
      EXPECT_EQ(zentaro::techniques::Places(*step.hint.found), !step.change.placed.empty()) << step.name;
      for (const CellDigit& p : step.change.placed)
        EXPECT_EQ(p.digit, solution[core::GridIndex(p.col, p.row)])
            << step.name << " " << step.change.Text();
      for (const CellDigit& e : step.change.eliminated)
        EXPECT_NE(e.digit, solution[core::GridIndex(e.col, e.row)])
            << step.name << " " << step.change.Text();
      if (!step.change.eliminated.empty()) {
        EXPECT_EQ(step.change.eliminated,
                  ShownEliminations(step.stages.back().highlights, step.hint.beforeApply))
            << step.name << " " << step.change.Text();
      }
    });

    ++walked[level];
    if (walk.solved) {
      ++finished[level];
      EXPECT_EQ(PuzzleOf(game).digits, solution);
    }
    if (level >= 1 && level <= 4) {
      EXPECT_TRUE(walk.solved) << "level " << level;
    }
  }

  for (int level = 1; level <= 5; ++level) EXPECT_GE(walked[level], 20) << "level " << level;
  // The walk has reached well beyond the singles.
  EXPECT_GT(techniques["forcing chain"], 0);
  EXPECT_GT(techniques["naked pair"], 0);
  EXPECT_GT(techniques["pointing"], 0);

  std::cout << "hint walk: level 5 finished " << finished[5] << " of " << walked[5] << "\n";
  RecordProperty("level5_finished", finished[5]);
  RecordProperty("level5_walked", walked[5]);
}

}  // namespace
}  // namespace zentaro::app::test

namespace zentaro::app::test {
namespace {

// Adds `count` pencil marks for digits that already stand in a peer of the
// marked cell: marks a player may leave behind, which no hint may trust.
void AddClashingMarks(core::Board& board, int count, std::mt19937& random) {
  std::uniform_int_distribution<int> pick(1, 9);
  for (int tries = 0; count > 0 && tries < 1000; ++tries) {
    const core::CellRef cell{pick(random), pick(random)};
    const int digit = pick(random);
    core::Cell& target = board.at(cell);
    if (target[core::kDigit] != 0 || target.HasCandidate(digit)) continue;
    if (core::CanPlace(board, digit, cell)) continue;
    target.AddCandidate(digit);
    --count;
  }
}

// The digits with every single placed: what is left needs eliminations.
core::DigitGrid AfterSingles(const core::DigitGrid& digits) {
  core::Board board{};
  core::BuildFromDigitsPlain(digits, board);
  while (const std::optional<techniques::SingleStep> single = techniques::FindSingle(board))
    techniques::Apply(*single, board);
  return core::ExtractDigits(board);
}

// Positions along hint walks where the singles are used up, each with its
// computed marks and a few marks that clash with a placed peer: "&Do it !"
// must never place a wrong digit nor take a solution digit out of a cell's
// marks.
TEST(HintWalk, MarksClashingWithAPlacedPeerNeverLeadToAWrongStep) {
  std::mt19937 random(2024);
  int positions = 0;
  std::vector<std::string> puzzles = testdata::Puzzles("puzzles3_magictour_top1465.txt");
  for (const std::string& line : testdata::Puzzles("hint_walk.txt")) puzzles.push_back(line);
  for (const std::string& line : puzzles) {
    const core::DigitGrid clues = GridFromLine(line);
    core::DigitGrid solution{};
    bool unique = false;
    ASSERT_EQ(solver::SolveAndCount(clues, solution, unique), 1) << line;
    core::DigitGrid digits = clues;
    for (int step = 0; step < 2; ++step) {
      digits = AfterSingles(digits);
      core::Board state{};
      core::BuildFromDigitsPlain(digits, state);
      if (core::CountDigits(state) == 81) break;
      AddClashingMarks(state, 3, random);

      GoOnView view;
      Game game(view);
      game.SetClueRater([](const core::DigitGrid&) { return 0; });
      game.LoadPosition(clues, &state);
      game.HintSearch();
      ++positions;

      const core::Board& after = game.Puzzle().board;
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          const int right = solution[core::GridIndex(c, r)];
          const int digit = after.at(c, r)[core::kDigit];
          if (digit != 0) {
            EXPECT_EQ(digit, right) << line << " " << core::CellName(c, r);
          } else if (state.at(c, r).HasCandidate(right)) {
            EXPECT_TRUE(after.at(c, r).HasCandidate(right))
                << line << ": " << core::CellName(c, r) << " lost " << right;
          }
        }
      // On from the step's digits; an elimination leaves them, and the next
      // round tries other clashing marks on the same position.
      digits = core::ExtractDigits(after);
    }
  }
  EXPECT_GE(positions, 500);
}

}  // namespace
}  // namespace zentaro::app::test
