// Runs the built zentaro-cli on files in a temporary folder and checks what a
// script would see: standard output, standard error and the exit status.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "TestData.h"

namespace {

namespace fs = std::filesystem;
using zentaro::test::CliTest;
using zentaro::test::Lines;
using zentaro::test::RunResult;

// True when the 81 digits form a complete grid that keeps every clue.
bool IsSolutionOf(const std::string& solution, const std::string& puzzle) {
  if (solution.size() != 81) return false;
  for (int i = 0; i < 81; ++i) {
    if (solution[i] < '1' || solution[i] > '9') return false;
    if (puzzle[i] >= '1' && puzzle[i] <= '9' && puzzle[i] != solution[i]) return false;
  }
  for (int unit = 0; unit < 9; ++unit) {
    std::array<int, 3> seen{};
    for (int k = 0; k < 9; ++k) {
      const int row = solution[9 * unit + k] - '0';
      const int col = solution[9 * k + unit] - '0';
      const int block = solution[9 * (3 * (unit / 3) + k / 3) + 3 * (unit % 3) + k % 3] - '0';
      seen[0] |= 1 << row;
      seen[1] |= 1 << col;
      seen[2] |= 1 << block;
    }
    for (int s : seen)
      if (s != 0x3FE) return false;
  }
  return true;
}

std::string FirstLineOf(const std::string& name) {
  return zentaro::testdata::Lines(name, 1).front();
}

const std::string kEmptyGrid(81, '.');
// Two 5s in the first row: no solution.
const std::string kContradiction = "55" + std::string(79, '.');

TEST_F(CliTest, CountPrintsOneLinePerPuzzleSkippingCommentsAndBlankLines) {
  const std::string unique = FirstLineOf("norvig_top95.txt");
  ASSERT_EQ(unique.size(), 81u);
  const std::string file =
      Write("mixed.txt", "# a comment\n" + unique + "\r\n\n" + std::string(81, '0') + "\n" +
                             kContradiction + "\n   \n");
  const RunResult r = Run("count " + file);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1\n2\n0\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, SolvePrintsCountAndAValidSolutionOrDash) {
  const std::string unique = FirstLineOf("norvig_top95.txt");
  const std::string file =
      Write("p.txt", unique + "\n" + kEmptyGrid + "\n" + kContradiction + "\n");
  const RunResult r = Run("solve " + file);
  EXPECT_EQ(r.status, 0);
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  ASSERT_EQ(lines[0].substr(0, 2), "1\t");
  EXPECT_TRUE(IsSolutionOf(lines[0].substr(2), unique)) << lines[0];
  ASSERT_EQ(lines[1].substr(0, 2), "2\t");
  EXPECT_TRUE(IsSolutionOf(lines[1].substr(2), kEmptyGrid)) << lines[1];
  EXPECT_EQ(lines[2], "0\t-");
}

TEST_F(CliTest, BadLinesAreReportedWithFileAndLineAndTheRestIsStillSolved) {
  const std::string file =
      Write("bad.txt", kEmptyGrid + "\n" + std::string(80, '.') + "\n" + kContradiction + "\n" +
                           "x" + std::string(80, '.') + "\n" + kEmptyGrid + "\n");
  const RunResult r = Run("count " + file);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2\n0\n2\n");
  EXPECT_NE(r.err.find(file + ":2:"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(file + ":4:"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(":1:"), std::string::npos) << r.err;
}

TEST_F(CliTest, FilesAndStandardInputAreReadInOrder) {
  const std::string a = Write("a.txt", kEmptyGrid + "\n");
  const std::string b = Write("b.txt", kContradiction + "\n" + kEmptyGrid + "\n");
  const std::string in = Write("in.txt", kContradiction + "\n");
  const RunResult r = Run("count " + a + " - " + b + " < " + in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "2\n0\n0\n2\n");
}

TEST_F(CliTest, MissingFileIsReportedAndTheOthersStillCounted) {
  const std::string a = Write("a.txt", kEmptyGrid + "\n");
  const RunResult r = Run("count " + (dir_ / "nope.txt").string() + " " + a);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2\n");
  EXPECT_NE(r.err.find("nope.txt"), std::string::npos);
}

TEST_F(CliTest, SdkAndNineLineFilesAreOnePuzzleEach) {
  // The [State] digits are not clues: with only the clue row the puzzle has
  // many solutions, with the entries too it would have none (two 9s).
  const std::string sdk = Write("g.sdk",
                                "[Software]\r\nProgram: Zentaro\r\n\r\n\r\n[Puzzle]\r\n"
                                "123456789\r\n.........\r\n.........\r\n.........\r\n"
                                ".........\r\n.........\r\n.........\r\n.........\r\n"
                                ".........\r\n[State]\r\n123456789\r\n9.......9\r\n"
                                ".........\r\n.........\r\n.........\r\n.........\r\n"
                                ".........\r\n.........\r\n.........\r\n");
  const std::string grid = Write("g.msk",
                                 "title\n123......\n456......\n789......\n.........\n"
                                 "...5.....\n.........\n.........\n.........\n.5.......\n");
  const RunResult r = Run("count " + sdk + " " + grid);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2\n0\n");
}

TEST_F(CliTest, ConvertLineToSdkAndBack) {
  const std::string unique = FirstLineOf("norvig_top95.txt");
  const std::string line = Write("p.txt", unique + "\n");
  const RunResult toSdk = Run("convert --to sdk " + line);
  ASSERT_EQ(toSdk.status, 0) << toSdk.err;
  const std::string expectedHead =
      "[Software]\r\nProgram: Zentaro\r\nWeb site: https://zentaro.example.org\r\n\r\n\r\n"
      "[Puzzle]\r\n" +
      unique.substr(0, 9) + "\r\n" + unique.substr(9, 9) + "\r\n";
  EXPECT_EQ(toSdk.out.substr(0, expectedHead.size()), expectedHead);
  EXPECT_EQ(Lines(toSdk.out).size(), 15u);  // no [State], no [PencilMarks]

  const std::string sdk = Write("p.sdk", toSdk.out);
  const RunResult back = Run("convert --to=line " + sdk);
  EXPECT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(back.out, unique + "\n");
}

TEST_F(CliTest, ConvertToLineTakesTheCluesOfAnSdkWithState) {
  const std::string sdk = Write("s.sdk",
                                "[Puzzle]\n1........\n.........\n.........\n.........\n"
                                ".........\n.........\n.........\n.........\n........2\n"
                                "[State]\n13.......\n.........\n.........\n.........\n"
                                ".........\n.........\n.........\n.........\n........2\n");
  const RunResult r = Run("convert --to line " + sdk);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1" + std::string(79, '.') + "2\n");
}

TEST_F(CliTest, ConvertToLineNormalisesZerosToDots) {
  const std::string file = Write("z.txt", "1" + std::string(80, '0') + "\n");
  const RunResult r = Run("convert --to line " + file);
  EXPECT_EQ(r.out, "1" + std::string(80, '.') + "\n");
}

TEST_F(CliTest, ConvertToSdkRefusesAFileOfSeveralPuzzles) {
  const std::string file = Write("two.txt", kEmptyGrid + "\n" + kEmptyGrid + "\n");
  const RunResult r = Run("convert --to sdk " + file);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("two.txt"), std::string::npos);
}

TEST_F(CliTest, HelpIsOnStandardOutputWithStatusZero) {
  for (const char* args : {"--help", "help", "count --help", "solve -h", "convert --help",
                           "rate --help", "generate --help", "hint --help"}) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 0) << args;
    EXPECT_EQ(r.out.rfind("Usage: zentaro-cli", 0), 0u) << args;
    EXPECT_EQ(r.err, "") << args;
  }
  EXPECT_NE(Run("--help").out.find("convert"), std::string::npos);
}

// Every way a run can fall short ends with a message and a status that is
// not zero, and never leaves a script with a truncated or empty result.
TEST_F(CliTest, FailuresOfInputAndOutputAreReportedWithTheirStatus) {
  const std::string empty = Write("empty.txt", "");
  const std::string comments = Write("comments.txt", "# nothing here\n\n");
  const std::string one = Write("one.txt", kEmptyGrid + "\n");
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"count /dev/zero", 1, "/dev/zero:1: line longer than 65536 characters"},
      {"convert --to line /dev/zero", 1, "/dev/zero:1: line longer than 65536 characters"},
      {"count " + empty, 1, "empty.txt: Unknown file format"},
      {"count " + comments, 1, "comments.txt: Unknown file format"},
      {"count - < /dev/null", 1, "<stdin>: Unknown file format"},
      {"count " + one + " > /dev/full", 3, "cannot write the output"},
      {"generate --levels any --count 3 --seed 1 > /dev/full", 3, "cannot write the output"},
      {"count --help > /dev/full", 3, "cannot write the output"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
}

// A collection too long to be one puzzle file is counted line by line, to
// its last line, with the line numbers of its bad lines.
TEST_F(CliTest, LongCollectionIsCountedLineByLine) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += kEmptyGrid + "\r\n";
  text += "not a puzzle\r\n" + kEmptyGrid + "\r\n";
  const RunResult r = Run("count " + Write("long.txt", text));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Lines(r.out).size(), 20001u);
  EXPECT_NE(r.err.find("long.txt:20001: expected 81 characters"), std::string::npos) << r.err;
}

TEST_F(CliTest, WrongCommandLinesGiveUsageOnStandardErrorAndStatusTwo) {
  const std::string file = Write("a.txt", kEmptyGrid + "\n");
  const std::vector<std::string> commandLines = {"",
                                                 "frobnicate",
                                                 "count",
                                                 "count --fast " + file,
                                                 "convert " + file,
                                                 "convert --to xml " + file};
  for (const std::string& args : commandLines) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err, "") << args;
  }
  EXPECT_NE(Run("frobnicate").err.find("Usage: zentaro-cli"), std::string::npos);
}

}  // namespace
