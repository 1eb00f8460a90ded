#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zentaro::core {
namespace {

struct TextCase {
  int id;
  const char* text;
};

// Texts whose exact spelling is easy to get wrong: padding blanks, inner quotes,
// accelerators, separators and pieces joined into longer messages.
class KnownTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(KnownTextTest, ReturnsTextExactly) {
  EXPECT_EQ(LoadText(GetParam().id), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    StringTable, KnownTextTest,
    ::testing::Values(
        TextCase{2001, "Highlight"}, TextCase{2005, "Clues:"}, TextCase{2009, "&Do it !"},
        TextCase{2025, "&Save &as..."}, TextCase{2038, "Sudoku file (*.sdk)|*.sdk"},
        TextCase{2040,
                 "  Left mouse button = digits     Right mouse button = candidates (pencil marks)"},
        TextCase{2081, " (candidate)"}, TextCase{2089, "C&urrent"},
        TextCase{2104, "Display \"New puzzle\" window on startup"}, TextCase{2107, " Colours "},
        TextCase{2116, " "}, TextCase{2202, "Level :"}, TextCase{2231, "Error reading file"},
        TextCase{2235, "  File write error.  "},
        TextCase{2239, "You can use the \"Step back\" button to restore the puzzle."},
        TextCase{2240, "  The puzzle has no solution!  "},
        TextCase{2243, "   The puzzle is solved.   "},
        TextCase{2246,
                 "The program can give you hints but such puzzles can never be solved only by "
                 "means of logic."},
        TextCase{2301, "&Conclusion:   "},
        TextCase{2310,
                 " (or they have been eliminated as candidates for this cell by means of other "
                 "solving techniques)."},
        TextCase{2311, "(or the pencil marks of the digit"},
        TextCase{2321, "Only &selected level(s):"},
        TextCase{2323, "  At least one level box must be checked.  "},
        TextCase{2325,
                 "Sudoku files (*.sdk;*.msk;*.sol)|*.sdk;*.msk;*.sol|Text files (*.txt)|*.txt|"
                 "Any file (*.*)|*.*"},
        TextCase{2505,
                 "You are now editing the puzzle. Select \"Stop editing\" from menu \"Edit\" when "
                 "done."},
        TextCase{2635, "Very hard (level 5)"}, TextCase{2641, "Help"}),
    [](const ::testing::TestParamInfo<TextCase>& info) {
      return "Id" + std::to_string(info.param.id);
    });

TEST(StringTable, IdWithoutTextGivesEmptyString) {
  for (int id : {1999, 2000, 2033, 2201, 2329, 2642, 0, -1}) {
    EXPECT_EQ(LoadText(id), "") << id;
  }
}

// Walking the whole table through LoadText also catches an unsorted or
// duplicated entry, which the binary search would miss or shadow.
TEST(StringTable, EveryEntryIsFoundByItsId) {
  std::set<int> seen;
  for (const TextEntry& e : AllTexts()) {
    EXPECT_TRUE(seen.insert(e.id).second) << "duplicate " << e.id;
    EXPECT_EQ(LoadText(e.id), e.text) << e.id;
  }
  EXPECT_EQ(seen.size(), 133u);
}

TEST(StringTable, EntriesStayInsideRangeAndBufferSize) {
  for (const TextEntry& e : AllTexts()) {
    EXPECT_GE(e.id, 2000);
    EXPECT_LE(e.id, 2641);
    EXPECT_FALSE(e.text.empty()) << e.id;
    EXPECT_LE(e.text.size(), 255u) << e.id;
  }
}

}  // namespace
}  // namespace zentaro::core
