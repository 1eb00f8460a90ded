// The clock of the current puzzle and the report shown when it is solved.

#include "app/Clock.h"
#include "app/Game.h"

namespace zentaro::app {

void Game::SetClockRunning(bool running) {
  clockRunning_ = running;
  view_.SetClockRunning(running);
}

void Game::ResetPuzzleClock() {
  ClockStarted = true;
  ElapsedSeconds = 0;
  GeneralHints = 0;
  ConcreteHints = 0;
  SolutionViewedCount = 0;
  CandidatesCalculated = 0;
  SetClockRunning(false);
  view_.SetClockText(FormatClock(ElapsedSeconds));
  SetClockRunning(true);
  WarnMultipleSolutions = true;
}

void Game::Timer1Timer() {
  // A tick already queued when the clock was stopped must not count.
  if (!clockRunning_) return;
  ElapsedSeconds = NextClockSeconds(ElapsedSeconds);
  view_.SetClockText(FormatClock(ElapsedSeconds));
}

TReportCounts Game::ReportCounts() const {
  return {PuzzleLevel,   FormatClock(ElapsedSeconds), GeneralHints,
          ConcreteHints, SolutionViewedCount,         CandidatesCalculated};
}

void Game::PuzzleSolved() {
  SetClockRunning(false);
  view_.SetClockText(FormatClock(ElapsedSeconds));
  const int result = view_.ShowSolvedReport(MakeSolvedReport(ReportCounts()));
  if (result == core::kResultOk && StartNewPuzzle) StartNewPuzzle();
}

}  // namespace zentaro::app
