// "Why not here?": what it says about one cell, and that only "Do it !"
// changes the board.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeView.h"
#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app::test {
namespace {

using core::ModalResult;
constexpr ModalResult kModalOk = ModalResult::Ok;
constexpr ModalResult kModalCancel = ModalResult::Cancel;

bool HasLine(const hints::HintStage& stage, const std::string& line) {
  return std::ranges::find(stage.lines, line) != stage.lines.end();
}

TEST(WhyNot, SaysWhyEachDigitCannotStandAndChangesOnlyOnDoIt) {
  // In kPuzzle the digit 2 of block A1-C3 can stand in row C and in rows
  // A or B; the player's marks that keep it to row C make a pointing that
  // takes it out of C5.
  constexpr core::CellRef kC5{5, 3}, kC4{4, 3};
  enum class Marks { None, Pointing, OneCandidate };
  struct Case {
    const char* name;
    Marks marks;
    std::vector<ModalResult> answers;  // one per stage shown
    std::string line;          // a line of the first stage
    core::CellRef peer;        // highlighted in the first stage, when on the board
    bool removed;              // 2 leaves C5 and row C outside the block
  };
  const Case cases[] = {
      {"a digit in the same row names its cell",
       Marks::None,
       {kModalCancel},
       "&4&  stands in the same row, in @C4&.",
       kC4,
       false},
      {"a pointing names the technique; Close keeps the board",
       Marks::Pointing,
       {kModalOk, kModalOk, kModalCancel},
       "&2&  is taken out by the technique &pointing&, explained next.",
       {},
       false},
      {"Do it takes out what the pointing explained",
       Marks::Pointing,
       {kModalOk, kModalOk, kModalOk},
       "&2&  is taken out by the technique &pointing&, explained next.",
       {},
       true},
      {"a cell with one candidate says so",
       Marks::OneCandidate,
       {kModalOk},
       "The digit @3& must go here: it is the only candidate of this cell.",
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView v;
    Game g(v);
    StartWith(g, GridFromLine(kPuzzle));
    PuzzleState& p = PuzzleOf(g);
    ASSERT_EQ(p.solution[core::GridIndex(kC5)], 3);
    if (c.marks != Marks::None) {
      p.board = p.computed;
      if (c.marks == Marks::Pointing)
        for (int col = 1; col <= 3; ++col)
          for (int row = 1; row <= 2; ++row) p.board.at(col, row).RemoveCandidate(2);
      if (c.marks == Marks::OneCandidate)
        for (int d = 1; d <= 9; ++d)
          if (d != 3) p.board.at(kC5).RemoveCandidate(d);
      g.AddStep();
    }
    const core::Board before = p.board;
    const int steps = g.History().Count();
    p.selected = kC5;
    for (const ModalResult answer : c.answers) v.AnswerStage(answer);
    g.WhyNotHere();

    ASSERT_EQ(v.stages.size(), c.answers.size());
    EXPECT_TRUE(HasLine(v.stages[0], c.line));
    if (c.peer.OnBoard()) {
      EXPECT_TRUE(v.stageLayers[0].at(c.peer).highlight);
    }
    if (c.answers.size() == 3) {
      EXPECT_EQ(v.stages[2].buttonCaption, core::Text::DoItButton);
    }
    EXPECT_FALSE(HintOf(g).highlightOn);
    if (!c.removed) {
      EXPECT_EQ(p.board, before);
      EXPECT_EQ(g.History().Count(), steps);
      continue;
    }
    EXPECT_EQ(g.History().Count(), steps + 1);
    for (int col = 4; col <= 9; ++col)
      if (p.board.at(col, 3)[core::kDigit] == 0) {
        EXPECT_FALSE(p.board.at(col, 3).HasCandidate(2));
      }
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row)
        if (row != 3 || col <= 3) {
          EXPECT_EQ(p.board.at(col, row), before.at(col, row));
        }
  }
}

}  // namespace
}  // namespace zentaro::app::test
