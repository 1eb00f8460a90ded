// The mistake check: what it finds, the way back and what it leaves behind.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app::test {
namespace {

using core::AddedText;
using core::ModalResult;

class Mistakes : public ::testing::Test {
 protected:
  Mistakes() { StartWith(game, GridFromLine(kPuzzle)); }
  int Right(int col, int row) { return PuzzleOf(game).solution[core::GridIndex({col, row})]; }
  int Wrong(int col, int row) { return Right(col, row) % 9 + 1; }

  FakeView view;
  Game game{view};
};

TEST_F(Mistakes, FindsWrongDigitsAndMarksThatLeaveOutTheSolution) {
  struct Case {
    const char* name;
    int wrongDigits;   // placed in A1, B1, ...
    bool removeRight;  // C2 gets every mark but its solution digit
    bool rightMarks;   // D2 gets its solution digit among other marks
  };
  const Case cases[] = {
      {"correct board", 0, false, true},
      {"one wrong digit", 1, false, false},
      {"a removed candidate", 0, true, true},
      {"both", 2, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView v;
    Game g(v);
    StartWith(g, GridFromLine(kPuzzle));
    const auto& sol = PuzzleOf(g).solution;
    Place(g, 5, 1, sol[4]);  // a right digit never counts
    for (int i = 0; i < c.wrongDigits; ++i) Place(g, i + 1, 1, sol[i] % 9 + 1);
    if (c.removeRight) {
      std::initializer_list<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
      Mark(g, 3, 2, all);
      PuzzleOf(g).board.at(3, 2).RemoveCandidate(sol[core::GridIndex({3, 2})]);
    }
    if (c.rightMarks) Mark(g, 4, 2, {sol[core::GridIndex({4, 2})]});
    const int found = c.wrongDigits + (c.removeRight ? 1 : 0);
    if (found == 0) {
      v.AnswerBox(ModalResult::Ok);
    } else {
      v.AnswerBox(ModalResult::No);  // stay here
    }
    g.CheckForMistakes();
    ASSERT_EQ(v.boxes.size(), 1u);
    const MistakeMarks marks = FindMistakes(PuzzleOf(g).board, sol);
    EXPECT_EQ(marks.wrongDigits, c.wrongDigits);
    EXPECT_EQ(marks.missingMarks, c.removeRight ? 1 : 0);
    if (c.removeRight) {
      EXPECT_EQ(marks.missingMark[core::GridIndex({3, 2})], sol[core::GridIndex({3, 2})]);
    }
    if (found == 0) {
      EXPECT_EQ(v.boxes[0].text, core::LoadText(AddedText::NoMistakeFound));
    } else {
      if (c.wrongDigits > 0) {
        EXPECT_NE(v.boxes[0].text.find(core::LoadText(AddedText::WrongDigitsFound) + " " +
                                       std::to_string(c.wrongDigits)),
                  std::string::npos);
      }
      EXPECT_NE(v.boxes[0].text.find(core::LoadText(AddedText::GoBackToNoMistakeQuestion)),
                std::string::npos);
    }
    EXPECT_EQ(CountersOf(g).mistakeChecks, 1);
  }
}

TEST_F(Mistakes, GoingBackLandsOnTheLastRightStepAndKeepsRedo) {
  Place(game, 1, 1, Right(1, 1));  // step 1: right
  Place(game, 2, 1, Right(2, 1));  // step 2: right
  Place(game, 5, 1, Wrong(5, 1));  // step 3: the mistake
  Place(game, 6, 1, Right(6, 1));  // step 4: right, on top of it
  view.AnswerBox(ModalResult::Yes);
  game.CheckForMistakes();
  EXPECT_EQ(game.History().CurrentStep(), 2);
  EXPECT_EQ(game.History().Count(), 5) << "nothing is deleted";
  EXPECT_EQ(PuzzleOf(game).board.at(5, 1)[core::kDigit], 0);
  EXPECT_EQ(PuzzleOf(game).board.at(2, 1)[core::kDigit], Right(2, 1));

  game.Redo();
  EXPECT_EQ(PuzzleOf(game).board.at(5, 1)[core::kDigit], Wrong(5, 1));
  game.Undo();
  game.Undo();
  EXPECT_EQ(game.History().CurrentStep(), 1);
}

TEST_F(Mistakes, TheMarksLastUntilTheNextChange) {
  Place(game, 1, 1, Wrong(1, 1));
  view.AnswerBox(ModalResult::No);
  game.CheckForMistakes();
  EXPECT_TRUE(view.mistakeMarks.Any());
  EXPECT_TRUE(view.mistakeMarks.wrongDigit[0]);

  game.BoardMouseDown({2, 1}, MouseButton::Right);  // selecting changes nothing
  EXPECT_TRUE(view.mistakeMarks.Any());
  game.ToggleMark(3);
  EXPECT_FALSE(view.mistakeMarks.Any());
}

TEST_F(Mistakes, OnlyAPuzzleWithOneSolutionCanBeChecked) {
  EXPECT_TRUE(view.commands[Command::CheckMistakes]);
  FakeView v;
  Game g(v);
  std::string open(kPuzzle);
  open[2] = '.';
  open[3] = '.';
  open[4] = '.';
  StartWith(g, GridFromLine(open));
  ASSERT_FALSE(PuzzleOf(g).solutionUnique);
  EXPECT_FALSE(v.commands[Command::CheckMistakes]);
  g.CheckForMistakes();  // from its key while disabled: nothing
  EXPECT_TRUE(v.boxes.empty());
}

}  // namespace
}  // namespace zentaro::app::test
