// Hints never build on a wrong digit or a wrongly removed pencil mark: on
// such boards the request says what is wrong instead of giving a hint, and on
// right boards it gives the hint it always gave.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "FakeView.h"
#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app::test {
namespace {

using core::ModalResult;

// Text between two mark-up characters.
std::string Marked(char opener, const std::string& text) {
  std::string marked(1, opener);
  marked += text;
  marked += '&';
  return marked;
}

const std::string kWrongMarkHeading =
    Marked('&', core::LoadText(core::AddedText::WrongMarkHeading));

// The first `count` puzzles of a committed collection.
std::vector<std::string> Puzzles(const std::string& file, int count) {
  std::ifstream in(std::string(ZENTARO_TEST_DATA_DIR) + "/" + file);
  std::vector<std::string> lines;
  for (std::string line; static_cast<int>(lines.size()) < count && std::getline(in, line);)
    if (line.size() >= 81 && line[0] != '#') lines.push_back(line.substr(0, 81));
  return lines;
}

// 150 puzzles of each of two collections, fewer in the sanitizer build.
std::vector<std::string> Positions() {
  int each = 150;
  if (const char* slice = std::getenv("ZENTARO_TEST_SLICE"))
    each = std::min(each, std::atoi(slice) / 4);
  std::vector<std::string> all = Puzzles("puzzles3_magictour_top1465.txt", each);
  for (const std::string& p : Puzzles("puzzles2_17_clue.txt", each)) all.push_back(p);
  return all;
}

// The first empty cell with two candidates or more.
core::CellRef TwoCandidateCell(const core::Board& board) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (board.at(c, r)[core::kDigit] == 0 && board.at(c, r)[core::kCount] >= 2) return {c, r};
  return {};
}

TEST(HintTruth, WrongMarksAndDigitsGetNoHintAndRightBoardsTheirUsualOne) {
  const std::vector<std::string> positions = Positions();
  ASSERT_GE(positions.size(), 20u);
  int wrongMarkCases = 0;
  for (const std::string& line : positions) {
    SCOPED_TRACE(line);
    // The usual hint on the full candidates, and what "Do it !" makes of it.
    FakeView right;
    Game usual(right);
    StartWith(usual, GridFromLine(line));
    ASSERT_TRUE(usual.FillCandidates());
    const core::DigitGrid solution = PuzzleOf(usual).solution;
    right.onStage = [&right](const hints::HintStage&) { right.AnswerStage(ModalResult::Ok); };
    usual.RequestHint();
    ASSERT_FALSE(right.stages.empty());
    EXPECT_NE(right.stages[0].lines.at(0), kWrongMarkHeading);
    EXPECT_FALSE(FindMistakes(PuzzleOf(usual).board, solution).Any()) << "the hint was sound";

    // The same board with the solution's digit taken out of one cell's marks.
    FakeView v;
    Game g(v);
    StartWith(g, GridFromLine(line));
    ASSERT_TRUE(g.FillCandidates());
    const core::CellRef cell = TwoCandidateCell(PuzzleOf(g).board);
    ASSERT_TRUE(cell.OnBoard());
    g.BoardMouseDown(cell, MouseButton::Right);
    g.ToggleMark(solution[core::GridIndex(cell)]);
    const core::Board wrong = PuzzleOf(g).board;
    const int steps = g.History().Count();
    v.AnswerThreeButtonQuestion(ModalResult::Yes);  // the current marks
    v.AnswerStage(ModalResult::Ok);
    v.AnswerStage(ModalResult::Ok);  // "Do it !": the computed marks instead
    g.RequestHint();
    ASSERT_EQ(v.stages.size(), 2u);
    EXPECT_EQ(v.stages[0].lines.at(0), kWrongMarkHeading);
    EXPECT_NE(v.stages[1].lines.at(0).find(Marked('@', core::CellName(cell))), std::string::npos);
    EXPECT_EQ(g.History().Count(), steps + 1) << "the marks put in place are one step";
    EXPECT_FALSE(FindMistakes(PuzzleOf(g).board, solution).Any());
    g.Undo();
    EXPECT_EQ(PuzzleOf(g).board, wrong) << "undo brings the player's marks back";
    ++wrongMarkCases;

    // A wrong digit: the puzzle has no solution any more, and the check is offered.
    g.Redo();
    g.BoardMouseDown(cell, MouseButton::Left);
    v.digitPopups.clear();
    g.PlaceDigit(solution[core::GridIndex(cell)] % 9 + 1);
    const core::Board withWrongDigit = PuzzleOf(g).board;
    v.AnswerBox(ModalResult::Ok);  // "  The puzzle has no solution!  "
    v.AnswerBox(ModalResult::No);  // no check
    g.RequestHint();
    ASSERT_EQ(v.boxes.size(), 2u);
    EXPECT_EQ(v.boxes[0].text, core::LoadText(core::Text::NoSolution));
    EXPECT_EQ(v.boxes[1].text, core::LoadText(core::AddedText::OfferMistakeCheck));
    EXPECT_EQ(PuzzleOf(g).board, withWrongDigit);
  }
  EXPECT_EQ(wrongMarkCases, static_cast<int>(positions.size()));
}

TEST(HintTruth, TheOfferedCheckRunsOnYes) {
  FakeView v;
  Game g(v);
  StartWith(g, GridFromLine(kPuzzle));
  g.BoardMouseDown({1, 1}, MouseButton::Left);
  g.PlaceDigit(PuzzleOf(g).solution[0] % 9 + 1);
  v.AnswerBox(ModalResult::Ok);
  v.AnswerBox(ModalResult::Yes);  // check
  v.AnswerBox(ModalResult::No);   // do not go back
  g.RequestHint();
  ASSERT_EQ(v.boxes.size(), 3u);
  EXPECT_TRUE(v.mistakeMarks.wrongDigit[0]);
}

}  // namespace
}  // namespace zentaro::app::test
