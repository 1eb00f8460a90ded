#include "techniques/PatternSteps.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

#include "PatternWalk.h"
#include "TestBoards.h"
#include "TestData.h"

namespace zentaro::techniques {
namespace {

// The rungs are the registry's rows in the ladder's written order, and only
// the uniqueness patterns wait for a puzzle with a single solution.
TEST(PatternSteps, TheRungsFollowTheLadderAndOnlyUniquenessWaitsForOneSolution) {
  const auto rungs = PatternLadder();
  ASSERT_EQ(rungs.size(), kPatternLadder.size());
  for (std::size_t i = 0; i < rungs.size(); ++i) {
    const PatternRung& rung = rungs[i];
    EXPECT_EQ(TechniqueOf(rung.id).name, kPatternLadder[i]);
    const bool uniqueness =
        rung.id == TechniqueId::UniqueRectangle1 || rung.id == TechniqueId::UniqueRectangle2 ||
        rung.id == TechniqueId::UniqueRectangle4 || rung.id == TechniqueId::BugPlusOne;
    EXPECT_EQ(rung.needsUniqueSolution, uniqueness) << kPatternLadder[i];
  }
}

// Along pattern walks, every step a rung finds belongs to that rung, is
// named as its family names it, leaves the board alone while found, and
// carried out by its registry row does what its family's Apply does.
TEST(PatternSteps, AFoundStepIsItsRungsAndAppliesAsItsFamilyDoes) {
  std::map<TechniqueId, int> met;
  for (const std::string& line : testdata::Puzzles("puzzles3_magictour_top1465.txt", 80)) {
    core::Board board = test::BoardFromLine(line.c_str());
    for (int round = 0; round < 60 && core::CountDigits(board) < 81; ++round) {
      test::Basics(board);
      bool stepped = false;
      for (const PatternRung& rung : PatternLadder()) {
        const core::Board before = board;
        const std::optional<Step> step = rung.find(board);
        ASSERT_TRUE(core::BoardsEqual(board, before));
        if (!step) continue;
        ++met[rung.id];
        EXPECT_EQ(IdOf(*step), rung.id);
        const std::string name = TechniqueName(rung.id, *step);
        const std::string_view family = std::visit(
            [](const auto& s) -> std::string_view {
              if constexpr (requires { techniques::NameOf(s); })
                return techniques::NameOf(s);
              else
                return "not a pattern step";
            },
            *step);
        EXPECT_EQ(name, family);
        core::Board viaVariant = board, direct = board;
        TechniqueOf(rung.id).carryOut(viaVariant, {}, *step);
        std::visit(
            [&direct](const auto& s) {
              if constexpr (requires { Apply(s, direct); }) Apply(s, direct);
            },
            *step);
        EXPECT_TRUE(core::BoardsEqual(viaVariant, direct));
        EXPECT_FALSE(core::BoardsEqual(viaVariant, board)) << name;
        EXPECT_EQ(Places(*step), core::CountDigits(viaVariant) > core::CountDigits(board));
        board = viaVariant;
        stepped = true;
        break;
      }
      if (!stepped) break;
    }
  }
  EXPECT_GE(met.size(), 8u);
}

}  // namespace
}  // namespace zentaro::techniques
