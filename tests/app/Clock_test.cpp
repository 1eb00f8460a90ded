// The puzzle clock, its counters and the solved report.

#include "app/Clock.h"

#include <gtest/gtest.h>

#include <string>

#include "FakeView.h"
#include "app/Game.h"

namespace zentaro::app::test {
namespace {

struct ClockCase {
  int seconds;
  const char* text;
};

class FormatClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(FormatClockTest, ShowsTwoDigitHoursMinutesAndSeconds) {
  EXPECT_EQ(FormatClock(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Readings, FormatClockTest,
                         ::testing::Values(ClockCase{0, "00:00:00"}, ClockCase{59, "00:00:59"},
                                           ClockCase{60, "00:01:00"}, ClockCase{3599, "00:59:59"},
                                           ClockCase{3600, "01:00:00"}, ClockCase{3909, "01:05:09"},
                                           ClockCase{359999, "99:59:59"}));

TEST(Clock, NextTickAfterTheLargestReadingShowsZero) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  CountersOf(game).elapsedSeconds = kClockMaxSeconds;
  game.ClockTick();
  EXPECT_EQ(CountersOf(game).elapsedSeconds, 0);
  EXPECT_EQ(view.clockTexts.back(), "00:00:00");
}

TEST(Clock, StoppedClockIgnoresTicks) {
  FakeView view;
  Game game(view);
  game.ClockTick();  // never started
  StartWith(game, GridFromLine(kPuzzle));
  game.ClockTick();
  game.SetClockRunning(false);
  game.ClockTick();
  EXPECT_EQ(CountersOf(game).elapsedSeconds, 1);
  EXPECT_FALSE(view.clockRunning);
}

TEST(Clock, NewPuzzleResetsTheCountersButNotTheLevel) {
  FakeView view;
  Game game(view);
  CountersOf(game).generalHints = CountersOf(game).concreteHints = CountersOf(game).solutionViewed =
      3;
  CountersOf(game).candidatesCalculated = CountersOf(game).elapsedSeconds = 3;
  CountersOf(game).level = 4;
  StartWith(game, GridFromLine(kPuzzle));
  EXPECT_EQ(game.CountsForReport().clockText, "00:00:00");
  EXPECT_EQ(CountersOf(game).generalHints + CountersOf(game).concreteHints +
                CountersOf(game).solutionViewed + CountersOf(game).candidatesCalculated,
            0);
  EXPECT_EQ(CountersOf(game).level, 4);
  EXPECT_TRUE(CountersOf(game).clockStarted);
  EXPECT_TRUE(view.clockRunning);

  // Ending clue editing starts the puzzle without touching the clock.
  game.ClockTick();
  CountersOf(game).generalHints = 2;
  game.StartPuzzle(false, false);
  EXPECT_EQ(CountersOf(game).elapsedSeconds, 1);
  EXPECT_EQ(CountersOf(game).generalHints, 2);
}

TEST(SolvedReport, ShowsCountsAsNumbersAndFlagsAsYesOrNo) {
  const SolvedReport r = MakeSolvedReport({3, "00:12:34", 4, 2, 0, 5});
  EXPECT_EQ(r.caption, "Zentaro");
  EXPECT_EQ(r.title, "Puzzle solved");
  EXPECT_EQ(r.levelLabel + r.level, "Level :3");
  EXPECT_EQ(r.timeLabel + r.time, "Time :00:12:34");
  EXPECT_EQ(r.tipsLabel + r.tips, "General hints :4");
  EXPECT_EQ(r.tips2Label + r.tips2, "Concrete hints :2");
  EXPECT_EQ(r.candidatesLabel + r.candidates, "Candidates calculated :Yes");
  EXPECT_EQ(r.solutionLabel + r.solutionViewed, "Solution viewed :No");
  EXPECT_FALSE(r.solutionViewedInRed);
  EXPECT_EQ(r.okCaption, "&New puzzle");
  EXPECT_EQ(r.cancelCaption, "&Close");

  // Only a rated level 1..5 is shown as a number.
  EXPECT_EQ(MakeSolvedReport({0, "", 0, 0, 0, 0}).level, "?");
  EXPECT_EQ(MakeSolvedReport({6, "", 0, 0, 0, 0}).level, "?");
  const SolvedReport viewed = MakeSolvedReport({5, "", 0, 0, 1, 0});
  EXPECT_EQ(viewed.level, "5");
  EXPECT_EQ(viewed.candidates, "No");
}

TEST(SolvedReport, ViewedSolutionIsPointedOutAndCloseKeepsTheBoard) {
  FakeView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  for (int i = 0; i < 7; ++i) game.ClockTick();
  view.AnswerBox(core::ModalResult::Yes);
  view.AnswerBox(core::ModalResult::Ok);
  game.ViewSolution();
  ASSERT_EQ(view.solvedReports, 0);

  bool newPuzzle = false;
  game.SetNewPuzzleHandler([&] { newPuzzle = true; });
  game.Undo();
  game.Redo();  // into the solved position
  ASSERT_EQ(view.solvedReports, 1);
  EXPECT_EQ(view.reports[0].solutionViewed, "Yes");
  EXPECT_TRUE(view.reports[0].solutionViewedInRed);
  EXPECT_EQ(view.reports[0].time, "00:00:07");
  EXPECT_FALSE(newPuzzle);
  EXPECT_FALSE(view.clockRunning);
  EXPECT_EQ(PuzzleOf(game).digits, PuzzleOf(game).solution);
}

}  // namespace
}  // namespace zentaro::app::test
