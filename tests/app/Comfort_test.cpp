// Pause, the clock of a minimised window and the level in the status bar.

#include <gtest/gtest.h>

#include "FakeView.h"
#include "app/Game.h"
#include "rating/Rating.h"

namespace zentaro::app::test {
namespace {

class Comfort : public ::testing::Test {
 protected:
  Comfort() {
    CountersOf(game).level = 4;  // as the clue rater or the generator would set it
    StartWith(game, GridFromLine(kPuzzle));
  }
  int Seconds() const { return CountersOf(game).elapsedSeconds; }

  FakeView view;
  Game game{view};
};

TEST_F(Comfort, PauseHidesTheBoardHoldsTheClockAndTheNextKeyOnlyResumes) {
  game.ClockTick();
  ASSERT_EQ(Seconds(), 1);
  game.BoardMouseDown({1, 1}, MouseButton::Left);  // A1 is empty in this puzzle
  view.digitPopups.clear();

  game.Pause();
  EXPECT_TRUE(game.Paused());
  EXPECT_TRUE(view.boardPaused);
  EXPECT_FALSE(view.clockRunning);
  game.ClockTick();  // a tick already queued
  EXPECT_EQ(Seconds(), 1);

  const int steps = game.History().Count();
  game.KeyDown(DigitKey(PuzzleOf(game).solution[0]));
  EXPECT_FALSE(game.Paused());
  EXPECT_FALSE(view.boardPaused);
  EXPECT_TRUE(view.clockRunning);
  EXPECT_EQ(game.History().Count(), steps) << "the key that resumes places nothing";
  game.ClockTick();
  EXPECT_EQ(Seconds(), 2);

  game.Pause();
  game.BoardMouseDown({2, 1}, MouseButton::Left);
  EXPECT_FALSE(game.Paused());
  EXPECT_TRUE(view.digitPopups.empty()) << "the click that resumes opens nothing";
}

TEST_F(Comfort, OnlyAPuzzleInPlayCanBePaused) {
  FakeView v;
  Game idle(v);
  idle.Pause();
  EXPECT_FALSE(idle.Paused());

  game.Pause();
  StartWith(game, GridFromLine(kPuzzle));  // a new puzzle ends the pause
  EXPECT_FALSE(game.Paused());
  EXPECT_FALSE(view.boardPaused);
}

TEST_F(Comfort, MinimisedWindowHoldsTheClockUntilShownAndUntilThePauseEnds) {
  game.SetWindowMinimised(true);
  EXPECT_FALSE(view.clockRunning);
  for (int i = 0; i < 10; ++i) game.ClockTick();
  EXPECT_EQ(Seconds(), 0);

  game.Pause();
  game.SetWindowMinimised(false);
  EXPECT_FALSE(view.clockRunning) << "still paused";
  game.Resume();
  EXPECT_TRUE(view.clockRunning);
  game.ClockTick();
  EXPECT_EQ(Seconds(), 1);

  // A clock the game stopped (a solved puzzle) stays stopped when shown again.
  game.SetClockRunning(false);
  game.SetWindowMinimised(true);
  game.SetWindowMinimised(false);
  EXPECT_FALSE(view.clockRunning);
}

TEST_F(Comfort, TheStatusBarShowsThePuzzlesLevelWhilePlaying) {
  EXPECT_EQ(view.statusText[0], rating::LevelName(4));
  EXPECT_EQ(view.statusText[0], "Hard (level 4)");

  view.AnswerThreeButtonQuestion(core::ModalResult::Yes);  // edit the current puzzle
  game.StartEditing();
  EXPECT_EQ(view.statusText[0], "");

  FakeView v;
  Game unrated(v);
  StartWith(unrated, GridFromLine(kPuzzle));
  EXPECT_EQ(v.statusText[0], "");
}

}  // namespace
}  // namespace zentaro::app::test
