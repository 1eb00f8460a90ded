// zentaro-cli hint and hint --walk, run as a script would run them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using zentaro::test::CliTest;
using zentaro::test::Lines;
using zentaro::test::RunResult;

// Rows 1..9 shifted along: a valid full grid.
const std::string kPatternGrid =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

// Without A1 (1), E5 (9) and I9 (8), each alone in its row, column and block.
std::string ThreeSingles() {
  std::string line = kPatternGrid;
  line[0] = line[40] = line[80] = '.';
  return line;
}

class HintCommandTest : public CliTest {};

TEST_F(HintCommandTest, WalkPrintsEveryStepThenTheEnd) {
  // The block with a single empty cell comes first: block 0, then 4, then 8.
  const RunResult r = Run("hint --walk " + Write("p.txt", ThreeSingles() + "\n"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "single candidate\tA1=1\nsingle candidate\tE5=9\nsingle candidate\tI9=8\n"
            "solved\t" +
                kPatternGrid + "\n");
}

TEST_F(HintCommandTest, WalkListsEliminationsAndStopsWhereNoHintIsLeft) {
  // The first of the magictour top1465 needs the second ladder to its very
  // end; a solution with a two-way rectangle emptied has two solutions and
  // gets no hint at all.
  const std::string hardest =
      "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
  const std::string twoWays =
      "4689.15.77516.48.9392578461134756298289413675675289314846192753513867942927345186";
  const RunResult r =
      Run("hint --walk " + Write("p.txt", ThreeSingles() + "\n" + hardest + "\n" + twoWays + "\n"));
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[3], "solved\t" + kPatternGrid);
  EXPECT_EQ(lines.back(), "stuck\t" + twoWays);
  lines.pop_back();
  const std::string& last = lines.back();
  ASSERT_EQ(last.substr(0, 7), "solved\t");
  const std::string reached = last.substr(7);
  ASSERT_EQ(reached.size(), 81u);
  for (std::size_t i = 0; i < 81; ++i)
    if (hardest[i] != '.') {
      EXPECT_EQ(reached[i], hardest[i]) << i;
    }
  // Every step between names its technique and what it did, in the cell=digit
  // or cell-digit form; some of them only eliminate.
  int eliminations = 0;
  for (std::size_t i = 4; i + 1 < lines.size(); ++i) {
    const std::size_t tab = lines[i].find('\t');
    ASSERT_NE(tab, std::string::npos) << lines[i];
    const std::string change = lines[i].substr(tab + 1);
    EXPECT_TRUE(change.size() >= 4 && (change[2] == '=' || change[2] == '-')) << lines[i];
    if (change[2] == '-') ++eliminations;
  }
  EXPECT_GT(eliminations, 0) << r.out;
}

// Past the chains the walk goes on by the pattern techniques, each step
// named as the registry names it.
TEST_F(HintCommandTest, WalkNamesThePatternStepsPastTheChains) {
  const std::string puzzle =
      "7.8...3.....6.1...4.........6.....253...8.......1...9..9.5....2....7.4...........";
  const RunResult r = Run("hint --walk " + Write("p.txt", puzzle + "\n"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  for (const char* step :
       {"Skyscraper\tD3-4 F6-4", "Unique Rectangle type 4\tE8-6 E9-6", "XY-Wing\tG1-1"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), step), lines.end()) << step << "\n" << r.out;
  EXPECT_EQ(lines.back().substr(0, 7), "solved\t");
}

TEST_F(HintCommandTest, HintOnAnSdkFileUsesItsPencilMarks) {
  // A1 carries a 5 the digits do not allow: the marks differ from the
  // computed ones and the player's own are used, so A1 is no single and E5,
  // whose mark is its only candidate, is the hint.
  std::string sdk = "[Puzzle]\r\n";
  const std::string puzzle = ThreeSingles();
  for (int r = 0; r < 9; ++r) sdk += puzzle.substr(static_cast<std::size_t>(9 * r), 9) + "\r\n";
  sdk +=
      "[PencilMarks]\r\n15,,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,9,,,,\r\n,,,,,,,,"
      "\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,8\r\n";
  const RunResult r = Run("hint " + Write("marks.sdk", sdk));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  const auto has = [&](const std::string& line) {
    for (const std::string& l : lines)
      if (l == line) return true;
    return false;
  };
  EXPECT_TRUE(has("Technique: single candidate")) << r.out;
  // Not a terminal: the mark-up characters are gone and nothing else is added.
  EXPECT_TRUE(has("  The cell E5 has only one candidate.")) << r.out;
  EXPECT_TRUE(has("  Conclusion:   E5 = 9")) << r.out;
  EXPECT_TRUE(has("  Highlighted cells: E5")) << r.out;
  EXPECT_TRUE(has("Do it: E5=9")) << r.out;
  std::string after = puzzle;
  after[40] = '9';
  EXPECT_EQ(lines.back(), "Position: " + after);
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

TEST_F(HintCommandTest, HintWithoutFileIsAUsageError) {
  const RunResult r = Run("hint --walk");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no FILE"), std::string::npos) << r.err;
}

}  // namespace
