// zentaro-cli rate and generate, run as a script would run them.

#include <gtest/gtest.h>

#include "CliRun.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using zentaro::test::CliTest;
using zentaro::test::Lines;
using zentaro::test::RunResult;

// A valid full grid; A1 A8 B1 B8 hold 9 5 5 9, so emptying them leaves two
// solutions.
const std::string kFullGrid =
    "986473152571826493423951786658734921217689534349512867165297348834165279792348615";

std::string Without(std::initializer_list<int> cells) {
  std::string line = kFullGrid;
  for (const int cell : cells) line[static_cast<std::size_t>(cell)] = '.';
  return line;
}

// Needs a forcing chain to be finished: the generator mode draws for it.
const std::string kChainPuzzle =
    ".................1..2..3.4.............15...6..3.7..2......473..5.......16...8...";
// Needs one hidden single found only in its row or column.
const std::string kLineHiddenSingle =
    ".................1.....2.3.....4.2.5..6..7.....8.9...4...8.3.6..4.....9..5.......";

// 81 characters of '1'..'9' and '.'.
bool IsPuzzleLine(const std::string& text) {
  return text.size() == 81 && std::all_of(text.begin(), text.end(), [](char ch) {
           return ch == '.' || (ch >= '1' && ch <= '9');
         });
}

// "0x" and four upper-case hex digits.
bool IsFlagsText(const std::string& text) {
  return text.size() == 6 && text.starts_with("0x") &&
         std::all_of(text.begin() + 2, text.end(),
                     [](char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'); });
}

class RateGenerateTest : public CliTest {};

TEST_F(RateGenerateTest, RatePrintsLevelNameAndFlagsInInputOrder) {
  const std::string file =
      Write("p.txt", Without({0, 13, 26, 28, 40, 52, 56, 68, 80}) + "\n" + kFullGrid + "\n" + "55" +
                         std::string(79, '.') + "\n" + Without({0, 7, 9, 16, 40}) + "\n" +
                         kLineHiddenSingle + "\n");
  const RunResult r = Run("rate " + file);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  // Filled by logic with easy singles alone, and unique.
  EXPECT_EQ(lines[0], "1\tEasy (level 1)\t0x1003");
  EXPECT_EQ(lines[1], "-1\tnot rateable\t0x0000");
  EXPECT_EQ(lines[2], "-1\tnot rateable\t0x0000");
  EXPECT_EQ(lines[3], "-1\tnot rateable\t0x0000");
  EXPECT_EQ(lines[4].substr(0, 19), "3\tMedium (level 3)\t");
  EXPECT_TRUE(IsFlagsText(lines[4].substr(19))) << lines[4];
}

TEST_F(RateGenerateTest, GeneratorModeRatesStrictly) {
  const std::string file = Write("p.txt", kLineHiddenSingle + "\n");
  const RunResult r = Run("rate --generator --seed 1 " + file);
  EXPECT_EQ(r.status, 0);
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].substr(0, 10), "0\tunknown\t");
  EXPECT_TRUE(IsFlagsText(lines[0].substr(10))) << lines[0];
  EXPECT_EQ(lines[0][12], '1') << "unique once the logic is done";
}

TEST_F(RateGenerateTest, TheSeedDecidesTheChainDraws) {
  std::string content;
  for (int i = 0; i < 10; ++i) content += kChainPuzzle + "\n";
  const std::string file = Write("chain.txt", content);
  const RunResult a = Run("rate --generator --seed 8 " + file);
  const RunResult b = Run("rate --seed=8 --generator " + file);
  ASSERT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  std::set<std::string> levels;
  for (const std::string& line : Lines(a.out)) levels.insert(line.substr(0, line.find('\t')));
  EXPECT_EQ(levels, (std::set<std::string>{"0", "5"})) << a.out;
  // The interactive mode stops before any chain.
  EXPECT_EQ(Lines(Run("rate " + file).out)[0].substr(0, 2), "5\t");
}

TEST_F(RateGenerateTest, GenerateWritesUniquePuzzlesOfTheWantedLevels) {
  const RunResult r = Run("generate --levels 2,4 --count 3 --seed 5");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  std::string puzzles;
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 83u) << line;
    EXPECT_TRUE(IsPuzzleLine(line.substr(0, 81))) << line;
    EXPECT_TRUE(line.substr(81) == "\t2" || line.substr(81) == "\t4") << line;
    puzzles += line.substr(0, 81) + "\n";
  }
  EXPECT_EQ(Lines(r.err).size(), 3u) << "a progress line per puzzle";
  EXPECT_EQ(Run("count " + Write("made.txt", puzzles)).out, "1\n1\n1\n");
  EXPECT_EQ(Run("generate --count 3 --seed 5 --levels 2,4").out, r.out);
}

TEST_F(RateGenerateTest, EasyPuzzlesKeepAtMostThirtyTwoClues) {
  const RunResult r = Run("generate --levels 1 --count 2 --seed 12");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const std::string& line : Lines(r.out)) {
    ASSERT_EQ(line.size(), 83u);
    EXPECT_EQ(line.substr(81), "\t1");
    const auto clues = 81 - std::count(line.begin(), line.begin() + 81, '.');
    EXPECT_LE(clues, 32) << line;
  }
}

TEST_F(RateGenerateTest, WrongCommandLinesAreRefused) {
  const std::string file = Write("p.txt", kChainPuzzle + "\n");
  for (const std::string& args : std::vector<std::string>{
           "generate --levels 0 --count 1", "generate --levels 1,,2 --count 1",
           "generate --levels 1, --count 1", "generate --levels any", "generate --count 1",
           "generate --levels any --count 0", "generate --levels any --count 1 " + file,
           "generate --levels any --count 1 --seed x", "rate --seed -3 " + file, "rate",
           "rate --fast " + file}) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err, "") << args;
  }
}

}  // namespace
