#include "files/SdkFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace zentaro::files {
namespace {

namespace fs = std::filesystem;
using core::Board;
using core::DigitGrid;

DigitGrid GridFromLine(std::string_view line) {
  DigitGrid grid{};
  for (int i = 0; i < 81; ++i) grid[i] = DigitOfChar(line[i]);
  return grid;
}

void SetMarks(Board& board, int col, int row, std::initializer_list<int> digits) {
  core::Cell& cell = board.at(col, row);
  for (int d : digits) {
    cell[d] = 1;
    ++cell[core::kCount];
  }
}

// Clues A1=5, A2=3, A5=7, B1=6; entries A3=4 and C9=9; marks 1,2 in A4,
// 6,8 in A6 and 1,2,7 in B2. A stale mark on the filled A1 must not be written.
struct SampleGame {
  Board board;
  DigitGrid clues{};
  SampleGame() {
    const std::string digits =
        "534.7...."
        "6........"
        "........9" +
        std::string(54, '.');
    clues = GridFromLine(
        "53..7...."
        "6........" +
        std::string(63, '.'));
    core::LoadDigits(GridFromLine(digits), board);
    SetMarks(board, 4, 1, {1, 2});
    SetMarks(board, 6, 1, {8, 6});
    SetMarks(board, 2, 2, {7, 1, 2});
    board.at(1, 1)[3] = 1;
  }
};

TEST(SdkWrite, BoardWithCluesEntriesAndMarksGivesExactText) {
  const SampleGame game;
  const std::string expected =
      "[Software]\r\n"
      "Program: Zentaro\r\n"
      "Web site: https://zentaro.example.org\r\n"
      "\r\n"
      "\r\n"
      "[Puzzle]\r\n"
      "53..7....\r\n"
      "6........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      "[State]\r\n"
      "534.7....\r\n"
      "6........\r\n"
      "........9\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      ".........\r\n"
      "[PencilMarks]\r\n"
      ",,,12,,68,,,\r\n"
      ",127,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n"
      ",,,,,,,,\r\n";
  EXPECT_EQ(FormatSdk(game.board, game.clues, true, true), expected);
}

struct SectionCase {
  const char* name;
  bool withEntry;
  bool withMark;
  bool includeState;
  bool includeMarks;
  bool expectState;
  bool expectMarks;
};

class SdkWriteSections : public testing::TestWithParam<SectionCase> {};

TEST_P(SdkWriteSections, SectionsAppearOnlyWhenDueAndAsked) {
  const SectionCase& c = GetParam();
  Board board;
  DigitGrid clues{};
  clues[0] = 8;
  board.at(1, 1)[core::kDigit] = 8;
  if (c.withEntry) board.at(9, 9)[core::kDigit] = 3;
  if (c.withMark) SetMarks(board, 5, 5, {4});
  const std::string text = FormatSdk(board, clues, c.includeState, c.includeMarks);
  EXPECT_EQ(text.find("[State]\r\n") != std::string::npos, c.expectState);
  EXPECT_EQ(text.find("[PencilMarks]\r\n") != std::string::npos, c.expectMarks);
  const std::size_t lines = (c.expectState ? 10 : 0) + (c.expectMarks ? 10 : 0) + 15;
  EXPECT_EQ(SplitLines(text).size(), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SdkWriteSections,
    testing::Values(SectionCase{"CluesOnly", false, false, true, true, false, false},
                    SectionCase{"EntryGivesState", true, false, true, true, true, false},
                    SectionCase{"MarkGivesMarks", false, true, true, true, false, true},
                    SectionCase{"BothPresent", true, true, true, true, true, true},
                    SectionCase{"StateNotAsked", true, true, false, true, false, true},
                    SectionCase{"MarksNotAsked", true, true, true, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SdkWrite, MarksOnAFilledCellDoNotCountAsMarks) {
  Board board;
  DigitGrid clues{};
  clues[0] = 8;
  board.at(1, 1)[core::kDigit] = 8;
  SetMarks(board, 1, 1, {2, 3});
  EXPECT_EQ(FormatSdk(board, clues, true, true).find("[PencilMarks]"), std::string::npos);
}

TEST(SdkWrite, PuzzleSectionShowsOnlyClueCells) {
  Board board;
  DigitGrid clues{};
  core::LoadDigits(GridFromLine("123456789" + std::string(72, '.')), board);
  clues[1] = 2;
  clues[8] = 9;
  const std::string text = FormatSdk(board, clues, false, false);  // the lines point into it
  const auto lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[6], ".2......9");
}

TEST(SdkWrite, MarksLineFields) {
  Board board;
  core::LoadDigits(GridFromLine("..3456789" + std::string(63, '.') + "123456789"), board);
  SetMarks(board, 1, 1, {1, 2});
  SetMarks(board, 2, 1, {9, 3, 4});
  EXPECT_EQ(FormatMarksLine(board, 1), "12,349,,,,,,,");
  EXPECT_EQ(FormatMarksLine(board, 9), ",,,,,,,,");
  EXPECT_EQ(FormatMarksLine(board, 5), ",,,,,,,,");
  board.at(5, 5)[7] = 2;  // any flag above 0 counts as set
  EXPECT_EQ(FormatMarksLine(board, 5), ",,,,7,,,,");
}

// -- Reading -----------------------------------------------------------------

const std::string kGridRows[9] = {"53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
                                  "7...2...6", ".6....28.", "...419..5", "....8..79"};

std::string GridText(std::string_view eol) {
  std::string text;
  for (const auto& row : kGridRows) text.append(row).append(eol);
  return text;
}

DigitGrid ExpectedGrid() {
  std::string line;
  for (const auto& row : kGridRows) line += row;
  return GridFromLine(line);
}

TEST(SdkRead, PuzzleHeaderInATextFileIsReadByTheNineLineScan) {
  const std::string text = "[Puzzle]\r\n" + GridText("\r\n") + "[PencilMarks]\r\n";
  const PuzzleRead read = ReadPuzzle("puzzle.txt", text);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.shape, FileShape::NineLines);
  EXPECT_EQ(read.clues, ExpectedGrid());
  EXPECT_FALSE(read.marksLinePresent);
}

TEST(SdkRead, HeadersAndExtensionMatchWithoutRegardToCase) {
  const std::string text = "[Software]\r\n[PUZZLE]\r\n" + GridText("\r\n") + "[pencilmarks]\r\n";
  for (const char* name : {"a.sdk", "B.SDK", "dir.x/c.Sdk", "dir\\d.sDK"}) {
    const PuzzleRead read = ReadPuzzle(name, text);
    ASSERT_TRUE(read.ok()) << name;
    EXPECT_EQ(read.shape, FileShape::Sdk) << name;
    EXPECT_EQ(read.clues, ExpectedGrid()) << name;
    EXPECT_TRUE(read.marksLinePresent) << name;
  }
}

TEST(SdkRead, PuzzleHeaderMustBeTheWholeLine) {
  // With " [Puzzle]" not a header the nine-line scan takes over and finds the
  // same rows, but the file no longer counts as .sdk.
  const PuzzleRead read = ReadPuzzle("a.sdk", "[Puzzle] \n" + GridText("\n"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.shape, FileShape::NineLines);
}

TEST(SdkRead, GridStartsAfterTheFirstPuzzleHeader) {
  const std::string text =
      "[Puzzle]\n" + GridText("\n") + "[Puzzle]\n" + std::string(9, '1') + "\n" + GridText("\n");
  EXPECT_EQ(ReadPuzzle("a.sdk", text).clues, ExpectedGrid());
}

TEST(SdkRead, EveryLineEndStyleReadsTheSameGrid) {
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    const PuzzleRead read = ReadPuzzle("x.sdk", "[Puzzle]" + std::string(eol) + GridText(eol));
    ASSERT_TRUE(read.ok()) << "eol " << int(eol[0]);
    EXPECT_EQ(read.clues, ExpectedGrid());
  }
}

TEST(SdkRead, SdkWithStateAndMarksRestoresThemAndKeepsPuzzleDigitsAsClues) {
  const SampleGame game;
  const PuzzleRead read = ReadPuzzle("game.sdk", FormatSdk(game.board, game.clues, true, true));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.shape, FileShape::Sdk);
  EXPECT_EQ(read.clues, game.clues);
  EXPECT_TRUE(read.marksLinePresent);
  ASSERT_TRUE(read.state.has_value());
  EXPECT_EQ(*read.state, core::ExtractDigits(game.board));
  ASSERT_TRUE(read.marks.has_value());
  EXPECT_EQ((*read.marks)[core::GridIndex(4, 1)], (1 << 1) | (1 << 2));
  EXPECT_EQ((*read.marks)[core::GridIndex(2, 2)], (1 << 1) | (1 << 2) | (1 << 7));
  EXPECT_TRUE(core::BoardsEqual(RestoredBoard(read), game.board));
}

TEST(SdkRead, WithoutStateTheRestoredBoardHoldsTheClues) {
  const std::string text = "[Puzzle]\n" + GridText("\n");
  const PuzzleRead read = ReadPuzzle("a.sdk", text);
  ASSERT_TRUE(read.ok());
  EXPECT_FALSE(read.state.has_value());
  EXPECT_FALSE(read.marks.has_value());
  EXPECT_FALSE(read.marksLinePresent);
  const Board board = RestoredBoard(read);
  EXPECT_EQ(core::ExtractDigits(board), ExpectedGrid());
  bool anyMark = true;
  core::CheckMarks(board, anyMark);
  EXPECT_FALSE(anyMark);
}

struct BadSectionCase {
  const char* name;
  std::string stateRow1;  // replaces "534.7...." of the sample
  std::string marksRow1;  // replaces ",,,12,,68,,,"
  bool stateKept;
  bool marksKept;
};

class SdkReadDamagedSections : public testing::TestWithParam<BadSectionCase> {};

TEST_P(SdkReadDamagedSections, DamagedSectionIsDroppedButCluesStay) {
  const BadSectionCase& c = GetParam();
  const SampleGame game;
  std::string text = FormatSdk(game.board, game.clues, true, true);
  text.replace(text.find("534.7...."), 9, c.stateRow1);
  text.replace(text.find(",,,12,,68,,,"), 12, c.marksRow1);
  const PuzzleRead read = ReadPuzzle("game.sdk", text);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.clues, game.clues);
  EXPECT_TRUE(read.marksLinePresent);
  EXPECT_EQ(read.state.has_value(), c.stateKept);
  EXPECT_EQ(read.marks.has_value(), c.marksKept);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SdkReadDamagedSections,
    testing::Values(BadSectionCase{"Intact", "534.7....", ",,,12,,68,,,", true, true},
                    BadSectionCase{"StateContradictsClue", "634.7....", ",,,12,,68,,,", false,
                                   true},
                    BadSectionCase{"StateLosesClue", "5.4.7....", ",,,12,,68,,,", false, true},
                    BadSectionCase{"StateRowTooShort", "534.7...", ",,,12,,68,,,", false, true},
                    BadSectionCase{"StateBadCharacter", "534x7....", ",,,12,,68,,,", false, true},
                    BadSectionCase{"MarksTooFewFields", "534.7....", ",,,12,,68,,", true, false},
                    BadSectionCase{"MarksTooManyFields", "534.7....", ",,,12,,68,,,,", true, false},
                    BadSectionCase{"MarksZero", "534.7....", ",,,10,,68,,,", true, false},
                    BadSectionCase{"MarksLetter", "534.7....", ",,,1a,,68,,,", true, false},
                    BadSectionCase{"MarksRepeatedDigit", "534.7....", ",,,11,,68,,,", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SdkRead, SectionCutShortIsDropped) {
  const SampleGame game;
  std::string text = FormatSdk(game.board, game.clues, true, true);
  text.resize(text.size() - 3 * std::string(",,,,,,,,\r\n").size());
  const PuzzleRead read = ReadPuzzle("game.sdk", text);
  ASSERT_TRUE(read.ok());
  EXPECT_TRUE(read.state.has_value());
  EXPECT_FALSE(read.marks.has_value());
  EXPECT_TRUE(read.marksLinePresent);
}

TEST(SdkRead, MarksInFilledCellsAreIgnored) {
  std::string text = "[Puzzle]\n1........\n";
  for (int r = 0; r < 8; ++r) text += ".........\n";
  text += "[PencilMarks]\n5,6,,,,,,,\n";
  for (int r = 0; r < 8; ++r) text += ",,,,,,,,\n";
  const PuzzleRead read = ReadPuzzle("m.sdk", text);
  ASSERT_TRUE(read.marks.has_value());
  EXPECT_EQ((*read.marks)[0], 0);
  EXPECT_EQ((*read.marks)[1], 1 << 6);
}

TEST(SdkRead, NineLineScanSkipsShortLinesAndMeasuresOnlyThreeLines) {
  // Lines i + 2 .. i + 7 may have any length: short ones leave the rest of
  // the row empty, long ones are cut after nine characters.
  const std::string text =
      "header\n"
      "123456789\n"  // nine long, but the next line is not
      "x\n"
      "1........\n"
      ".2.......\n"
      "..3\n"
      "...4.....extra\n"
      "\n"
      ".....6...\n"
      "......7..\n"
      ".......8.\n"
      "........9\n";
  const PuzzleRead read = ReadPuzzle("grid.msk", text);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.shape, FileShape::NineLines);
  EXPECT_EQ(read.clues, GridFromLine("1........"
                                     ".2......."
                                     "..3......"
                                     "...4....."
                                     "........."
                                     ".....6..."
                                     "......7.."
                                     ".......8."
                                     "........9"));
}

TEST(SdkRead, NineLineScanNeedsAllNineLines) {
  std::string text;
  for (int r = 0; r < 8; ++r) text += kGridRows[r] + "\n";
  EXPECT_EQ(ReadPuzzle("grid.txt", text).failure, ReadFailure::UnknownFormat);
}

TEST(SdkRead, EightyOneCharacterLineReadsDotsAndZerosAlike) {
  const std::string dots =
      "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
  std::string zeros = dots;
  std::replace(zeros.begin(), zeros.end(), '.', '0');
  std::string others = dots;
  std::replace(others.begin(), others.end(), '.', 'x');
  const PuzzleRead a = ReadPuzzle("top.txt", dots + "\nsecond line ignored\n");
  const PuzzleRead b = ReadPuzzle("top.txt", zeros);
  const PuzzleRead c = ReadPuzzle("top.txt", others);
  ASSERT_TRUE(a.ok() && b.ok() && c.ok());
  EXPECT_EQ(a.shape, FileShape::Line81);
  EXPECT_EQ(a.clues, GridFromLine(dots));
  EXPECT_EQ(b.clues, a.clues);
  EXPECT_EQ(c.clues, a.clues);
  EXPECT_EQ(a.clues[0], 4);
  EXPECT_EQ(a.clues[1], 0);
}

TEST(SdkRead, UnreadableShapesAreUnknownFormat) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"only line ends", "\r\n\r\n"},
      {"binary", binary},
      {"eighty-two first line", std::string(82, '1')},
      {"eighty-one on second line", "\n" + std::string(81, '1')},
  };
  for (const auto& [label, content] : cases) {
    const PuzzleRead read = ReadPuzzle("f.txt", content);
    EXPECT_EQ(read.failure, ReadFailure::UnknownFormat) << label;
    EXPECT_EQ(read.fileName, "f.txt") << label;
  }
}

TEST(SdkRead, SdkPuzzleHeaderFollowedByEightLinesIsUnknownFormat) {
  std::string text = "[Puzzle]\n";
  for (int r = 0; r < 8; ++r) text += kGridRows[r] + "\n";
  EXPECT_EQ(ReadPuzzle("short.sdk", text).failure, ReadFailure::UnknownFormat);
  // Even when a nine-line block stands before the header.
  EXPECT_EQ(ReadPuzzle("short.sdk", GridText("\n") + text).failure, ReadFailure::UnknownFormat);
}

TEST(SdkRead, ContentAboveOneMebibyteIsRefused) {
  std::string content = std::string(81, '5') + "\n";
  content.resize(kMaxPuzzleFileSize, ' ');
  EXPECT_TRUE(ReadPuzzle("big.txt", content).ok());
  content += ' ';
  EXPECT_EQ(ReadPuzzle("big.txt", content).failure, ReadFailure::UnknownFormat);
}

TEST(SdkRead, ByteOrderMarkBeforeTheFirstLineIsSkipped) {
  const std::string line(81, '7');
  const PuzzleRead read = ReadPuzzle("bom.txt", "\xEF\xBB\xBF" + line + "\r\n");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.clues[80], 7);
}

TEST(SplitLines, LineEnds) {
  using V = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(SplitLines("\r\n"), V{""});
  EXPECT_EQ(SplitLines("a"), V{"a"});
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\nc"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
}

// -- Files on disk -------------------------------------------------------------

class SdkFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("zentaro_files_" + std::string(info->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
};

TEST_F(SdkFileOnDisk, WriteThenReadGivesBackTheGame) {
  const SampleGame game;
  const fs::path file = dir_ / "game.sdk";
  ASSERT_TRUE(WritePuzzleFile(file, game.board, game.clues, true, true));
  EXPECT_EQ(Slurp(file), FormatSdk(game.board, game.clues, true, true));
  const PuzzleRead read = ReadPuzzle(file);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.clues, game.clues);
  EXPECT_TRUE(core::BoardsEqual(RestoredBoard(read), game.board));
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SdkFileOnDisk, OverwritingReplacesTheWholeContent) {
  const fs::path file = dir_ / "a.sdk";
  ASSERT_TRUE(WriteTextFile(file, std::string(5000, 'x')));
  ASSERT_TRUE(WriteTextFile(file, "short"));
  EXPECT_EQ(Slurp(file), "short");
}

TEST_F(SdkFileOnDisk, FailedWriteIsReportedAndLeavesNoTrace) {
  EXPECT_FALSE(WriteTextFile(dir_ / "missing" / "a.sdk", "text"));
  // A folder in the way of the target: the write fails and the folder with
  // its content survives.
  fs::create_directories(dir_ / "taken.sdk");
  std::ofstream(dir_ / "taken.sdk" / "inside") << "keep";
  EXPECT_FALSE(WriteTextFile(dir_ / "taken.sdk", "text"));
  EXPECT_EQ(Slurp(dir_ / "taken.sdk" / "inside"), "keep");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SdkFileOnDisk, SavingKeepsTheFileItsLinksAndItsPermissions) {
  const fs::path file = dir_ / "game.sdk";
  std::ofstream(file) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("game.sdk", dir_ / "link.sdk");
  fs::create_hard_link(file, dir_ / "other-name.sdk");

  ASSERT_TRUE(WriteTextFile(dir_ / "link.sdk", "through the link"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.sdk"));
  EXPECT_EQ(Slurp(file), "through the link");
  // The second name of the file sees the new text: the links were not split.
  EXPECT_EQ(Slurp(dir_ / "other-name.sdk"), "through the link");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  fs::remove(dir_ / "other-name.sdk");
  ASSERT_TRUE(WriteTextFile(file, "renamed over"));
  EXPECT_EQ(Slurp(file), "renamed over");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A link to a file not there yet creates the file it names.
  fs::create_symlink("new.sdk", dir_ / "dangling.sdk");
  ASSERT_TRUE(WriteTextFile(dir_ / "dangling.sdk", "created"));
  EXPECT_EQ(Slurp(dir_ / "new.sdk"), "created");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);
}

TEST_F(SdkFileOnDisk, PermissionsOfFileAndFolderAreRespected) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root from writing";
  const fs::path file = dir_ / "locked.sdk";
  std::ofstream(file) << "keep me";
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_FALSE(WriteTextFile(file, "new"));
  EXPECT_EQ(Slurp(file), "keep me");

  // A writable file in a folder that takes no new files is still saved.
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  const bool saved = WriteTextFile(file, "new");
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_TRUE(saved);
  EXPECT_EQ(Slurp(file), "new");
}

TEST_F(SdkFileOnDisk, ReadFailuresNameTheFile) {
  const PuzzleRead missing = ReadPuzzle(dir_ / "nope.sdk");
  EXPECT_EQ(missing.failure, ReadFailure::ReadError);
  EXPECT_EQ(missing.fileName, (dir_ / "nope.sdk").string());
  EXPECT_EQ(ReadPuzzle(dir_).failure, ReadFailure::ReadError);

  std::ofstream(dir_ / "empty.sdk").close();
  EXPECT_EQ(ReadPuzzle(dir_ / "empty.sdk").failure, ReadFailure::UnknownFormat);

  // Over a megabyte without a single line break is no text file of ours.
  std::ofstream(dir_ / "big.txt", std::ios::binary) << std::string(kMaxPuzzleFileSize + 1, ' ');
  EXPECT_EQ(ReadPuzzle(dir_ / "big.txt").failure, ReadFailure::UnknownFormat);
}

TEST_F(SdkFileOnDisk, LargeCollectionOpensItsFirstPuzzleAndBinaryStaysUnknown) {
  const std::string first = kGridRows[0] + kGridRows[1] + kGridRows[2] + kGridRows[3] +
                            kGridRows[4] + kGridRows[5] + kGridRows[6] + kGridRows[7] +
                            kGridRows[8];
  {
    std::ofstream out(dir_ / "collection.txt", std::ios::binary);
    out << first << "\r\n";
    const std::string other = std::string(81, '.') + "\r\n";
    for (std::size_t written = 0; written < 50'000'000; written += other.size()) out << other;
  }
  const PuzzleRead read = ReadPuzzle(dir_ / "collection.txt");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.shape, FileShape::Line81);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(read.clues[i], DigitOfChar(first[i])) << i;

  // Every byte value in turn: line breaks come, but never a line of a shape.
  {
    std::ofstream out(dir_ / "picture.sdk", std::ios::binary);
    for (int i = 0; i < 3 * 1024 * 1024; ++i) out.put(static_cast<char>(i % 256));
  }
  EXPECT_EQ(ReadPuzzle(dir_ / "picture.sdk").failure, ReadFailure::UnknownFormat);
}

TEST_F(SdkFileOnDisk, ExtensionOfThePathDecidesTheSdkCase) {
  const std::string text = "[Puzzle]\r\n" + GridText("\r\n");
  std::ofstream(dir_ / "p.SDK", std::ios::binary) << text;
  std::ofstream(dir_ / "p.txt", std::ios::binary) << text;
  EXPECT_EQ(ReadPuzzle(dir_ / "p.SDK").shape, FileShape::Sdk);
  EXPECT_EQ(ReadPuzzle(dir_ / "p.txt").shape, FileShape::NineLines);
}

}  // namespace
}  // namespace zentaro::files
