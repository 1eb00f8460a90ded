#include "techniques/Registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestBoards.h"
#include "core/Board.h"

namespace zentaro::techniques {
namespace {

using core::Board;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every row is where TechniqueOf looks for it, and the help has a section
// under its anchor that uses its name.
TEST(Registry, EveryTechniqueHasItsRowAndItsHelpSection) {
  const std::string help =
      ReadFile(std::string(ZENTARO_TEST_DATA_DIR) + "/../../resources/help/techniques.html");
  ASSERT_FALSE(help.empty());
  std::string lowerHelp = help;
  for (char& ch : lowerHelp) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  for (int i = int(TechniqueId::None); i <= int(TechniqueId::NoHint); ++i) {
    const auto id = TechniqueId(i);
    const Technique& row = TechniqueOf(id);
    EXPECT_EQ(row.id, id) << i;
    if (id == TechniqueId::None) continue;
    EXPECT_NE(help.find("name=\"" + std::string(row.helpAnchor) + "\""), std::string::npos)
        << row.name;
    std::string lowerName(row.name);
    for (char& ch : lowerName) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_NE(lowerHelp.find(lowerName), std::string::npos) << row.name;
  }
}

TEST(Registry, SubsetNamesTakeTheirSizeFromTheStep) {
  struct Case {
    TechniqueId id;
    Step step;
    const char* name;
  };
  const auto naked = [](DigitSet digits) {
    NakedSubsetStep step;
    step.digits = digits;
    return step;
  };
  const auto hidden = [](DigitSet digits) {
    HiddenSubsetStep step;
    step.digits = digits;
    return step;
  };
  const Case cases[] = {
      {TechniqueId::NakedSubset, naked(0b0000'0110), "naked pair"},
      {TechniqueId::NakedSubset, naked(0b0010'0110), "naked triple"},
      {TechniqueId::NakedSubset, naked(0b1010'0110), "naked quad"},
      {TechniqueId::NakedSubset, naked(0), "naked subset"},
      {TechniqueId::HiddenSubset, hidden(0b0000'1000'1000), "hidden pair"},
      {TechniqueId::HiddenSubset, hidden(0b10'1000'1010), "hidden quad"},
      {TechniqueId::HiddenSubset, hidden(0), "hidden subset"},
      {TechniqueId::Pointing, PointingStep{2, 1, LineKind::Row, 1}, "pointing"},
      {TechniqueId::ContradictingChain, ChainStep{}, "contradicting chain"},
  };
  for (const Case& c : cases) EXPECT_EQ(TechniqueName(c.id, c.step), c.name);
}

// What a hint explains is what "Do it" carries out: find leaves the board
// alone, and carrying out the step it found changes the board exactly as
// applying the technique does; both find something or neither does.
TEST(Registry, CarryingOutAFoundStepIsApplyingTheTechnique) {
  using enum TechniqueId;
  const Ask leading{Reach::ToSingle, 0, Cells::Any, {}};
  const Ask plain{Reach::AnyInstance, 0, Cells::Any, {}};
  const auto sized = [](Reach reach, int size, Cells cells) { return Ask{reach, size, cells, {}}; };
  const auto chain = [](int depth, HiddenSingles hs, Contradictions c) {
    return Ask{Reach::AnyInstance, 0, Cells::Any, {depth, hs, c}};
  };
  const std::vector<std::pair<TechniqueId, Ask>> asks = {
      {NakedSubset, sized(Reach::ToSingle, 2, Cells::Exact)},
      {NakedSubset, sized(Reach::AnyInstance, 2, Cells::Exact)},
      {NakedSubset, sized(Reach::ToSingle, 3, Cells::Any)},
      {NakedSubset, sized(Reach::AnyInstance, 4, Cells::Any)},
      {HiddenSubset, sized(Reach::AnyInstance, 2, Cells::Any)},
      {HiddenSubset, sized(Reach::EveryUnit, 3, Cells::Any)},
      {Pointing, leading},
      {Pointing, plain},
      {TwoBlocks, leading},
      {TwoBlocks, plain},
      {Claiming, leading},
      {Claiming, plain},
      {XWing, leading},
      {XWing, plain},
      {Swordfish, leading},
      {Swordfish, plain},
      {ForcingChain, chain(2, HiddenSingles::No, Contradictions::No)},
      {ForcingChain, chain(2, HiddenSingles::Yes, Contradictions::Yes)},
  };

  std::ifstream in(std::string(ZENTARO_TEST_DATA_DIR) + "/puzzles3_magictour_top1465.txt");
  std::string line;
  int puzzles = 0;
  int found = 0;
  while (puzzles < 12 && std::getline(in, line)) {
    if (line.size() < 81 || line[0] == '#') continue;
    ++puzzles;
    const Board board = test::BoardFromLine(line.c_str());
    for (const auto& [id, ask] : asks) {
      const Technique& t = TechniqueOf(id);
      const Board before = board;
      const Outcome look = t.find(board, ask);
      ASSERT_TRUE(core::BoardsEqual(board, before));
      Board applied = board;
      const Outcome done = t.apply(applied, ask);
      ASSERT_EQ(look.step.has_value(), done.step.has_value()) << t.name << " " << line;
      EXPECT_EQ(look.metAny, done.metAny) << t.name << " " << line;
      if (!look.step) continue;
      ++found;
      EXPECT_EQ(look.id, done.id) << t.name << " " << line;
      Board carried = board;
      t.carryOut(carried, ask, *look.step);
      EXPECT_TRUE(core::BoardsEqual(carried, applied)) << t.name << " " << line;
      EXPECT_FALSE(core::BoardsEqual(carried, board)) << t.name << " " << line;
    }
  }
  EXPECT_EQ(puzzles, 12);
  EXPECT_GT(found, 20);
}

}  // namespace
}  // namespace zentaro::techniques
