// The hints past the chains: every committed collection walked by hints
// alone, each step checked against the solution, and the hint the second
// ladder offers checked for its name, its step number and its "&Do it !".
// ZENTARO_TEST_SLICE (set under the sanitizers) cuts each collection.

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "FakeView.h"
#include "GameAccess.h"
#include "HintChecks.h"
#include "TestData.h"
#include "app/Game.h"
#include "app/HintWalk.h"
#include "core/Random.h"
#include "rating/Rating.h"
#include "solver/SolveAndCount.h"
#include "techniques/PatternSteps.h"

namespace zentaro::app::test {
namespace {

using techniques::TechniqueId;

std::size_t Slice(std::size_t whole) {
  const char* text = std::getenv("ZENTARO_TEST_SLICE");
  if (text == nullptr || *text == '\0') return whole;
  return std::min(whole, static_cast<std::size_t>(std::strtoul(text, nullptr, 10)));
}

int RateAsTheProgramDoes(const core::DigitGrid& grid) {
  core::Random random;
  return rating::RatePuzzle(grid, {.forGenerator = false}, random).level;
}

bool InSecondLadder(TechniqueId id) {
  for (const techniques::PatternRung& rung : techniques::PatternLadder())
    if (rung.id == id) return true;
  return false;
}

struct Collection {
  const char* file;
  std::size_t puzzles;
};

TEST(SecondLadder, EveryStepOfEveryWalkIsTrue) {
  const Collection collections[] = {
      {"hint_walk.txt", 150},
      {"puzzles3_magictour_top1465.txt", 300},
      {"puzzles2_17_clue.txt", 2000},
      {"puzzles6_forum_hardest_1106.txt", 375},
      {"norvig_top95.txt", 95},
  };
  std::map<std::string, int> used;
  for (const Collection& c : collections) {
    const std::size_t slice = Slice(c.puzzles);
    int walked = 0, finished = 0, wrong = 0;
    for (const std::string& line : testdata::Puzzles(c.file, slice)) {
      const core::DigitGrid grid = GridFromLine(line);
      core::DigitGrid solution{};
      bool unique = false;
      if (solver::SolveAndCount(grid, solution, unique) != 1) continue;
      GoOnView view;
      Game game(view);
      game.SetClueRater(RateAsTheProgramDoes);
      game.LoadPosition(grid);
      const WalkResult walk = WalkHints(game, view, [&](const WalkStep& step) {
        bool right = true;
        for (const CellDigit& p : step.change.placed)
          right = right && p.digit == solution[core::GridIndex(p.col, p.row)];
        for (const CellDigit& e : step.change.eliminated)
          right = right && e.digit != solution[core::GridIndex(e.col, e.row)];
        if (!right) {
          ++wrong;
          ADD_FAILURE() << c.file << " " << line << ": " << step.name << " " << step.change.Text();
        }
        if (!InSecondLadder(step.hint.technique)) return;
        ++used[step.name];
        // What the concrete stage showed removed is what "&Do it !" removed.
        if (!step.change.eliminated.empty()) {
          EXPECT_EQ(step.change.eliminated,
                    ShownEliminations(step.stages.back().highlights, step.hint.beforeApply))
              << step.name << " " << line;
        }
      });
      ++walked;
      if (walk.solved) ++finished;
    }
    EXPECT_EQ(wrong, 0) << c.file;
    // The forcing net always finds a step on a puzzle with one solution, so
    // hints finish every one (before the second ladder: 178 of the top1465
    // slice, 1,975 of the 17-clue puzzles, none of the forum's hardest).
    EXPECT_EQ(finished, walked) << c.file;
    std::cout << c.file << ": hints finish " << finished << " of " << walked << "\n";
  }
  for (const auto& [name, count] : used) std::cout << "  " << name << ": " << count << "\n";
  // The walks reach every rung of the second ladder but the rarest patterns.
  for (const char* name : {"Skyscraper", "XY-Wing", "X-Chain", "XY-Chain",
                           "Alternating Inference Chain", "ALS-XZ", "Forcing net"})
    EXPECT_GT(used[name], 0) << name;
}

// One position of a walk where the design's ladder and the chains find
// nothing: the hint is the second ladder's, named by the registry, numbered
// after the chains, and "&Do it !" does what its typed step says.
TEST(SecondLadder, TheHintPastTheChainsIsATypedStepCarriedOutAsOne) {
  int met = 0;
  for (const std::string& line : testdata::Puzzles("puzzles3_magictour_top1465.txt", 60)) {
    GoOnView view;
    Game game(view);
    game.SetClueRater(RateAsTheProgramDoes);
    game.LoadPosition(GridFromLine(line));
    WalkHints(game, view, [&](const WalkStep& step) {
      if (!InSecondLadder(step.hint.technique)) return;
      ++met;
      const HintReport& hint = step.hint;
      ASSERT_TRUE(hint.found.has_value()) << step.name;
      EXPECT_EQ(techniques::IdOf(*hint.found), hint.technique);
      EXPECT_EQ(step.name, techniques::TechniqueOf(hint.technique).name);
      EXPECT_GE(hint.step, 23);
      ASSERT_EQ(step.stages.size(), 2u);
      EXPECT_EQ(step.stages.front().lines.front(), "&" + step.name + "&");
      core::Board expected = hint.beforeApply;
      techniques::TechniqueOf(hint.technique).carryOut(expected, {}, *hint.found);
      const HintChange change = DiffBoards(hint.beforeApply, expected);
      EXPECT_EQ(step.change.placed, change.placed) << step.name;
      EXPECT_EQ(step.change.eliminated, change.eliminated) << step.name;
      EXPECT_EQ(techniques::Places(*hint.found), !step.change.placed.empty());
    });
  }
  EXPECT_GT(met, 0);
}

}  // namespace
}  // namespace zentaro::app::test
