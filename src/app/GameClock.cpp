// The clock of the current puzzle and the report shown when it is solved.

#include "app/Clock.h"
#include "app/Game.h"

namespace zentaro::app {

void Game::SetClockRunning(bool running) {
  clockRunning_ = running;
  view_.SetClockRunning(running && clockHolds_ == 0);
}

void Game::HoldClock(unsigned reason, bool held) {
  const unsigned before = clockHolds_;
  clockHolds_ = held ? clockHolds_ | reason : clockHolds_ & ~reason;
  if ((before == 0) != (clockHolds_ == 0)) view_.SetClockRunning(clockRunning_ && clockHolds_ == 0);
}

void Game::Pause() {
  if (Paused() || !puzzle_.active || puzzle_.editMode || puzzle_.generating) return;
  view_.HideHintWindow();
  HoldClock(kHeldByPause, true);
  view_.SetBoardPaused(true);
}

void Game::Resume() {
  if (!Paused()) return;
  HoldClock(kHeldByPause, false);
  view_.SetBoardPaused(false);
}

void Game::SetWindowMinimised(bool minimised) {
  HoldClock(kHeldByMinimise, minimised);
}

void Game::ResetPuzzleClock() {
  counters_.clockStarted = true;
  counters_.elapsedSeconds = 0;
  counters_.generalHints = 0;
  counters_.concreteHints = 0;
  counters_.solutionViewed = 0;
  counters_.candidatesCalculated = 0;
  counters_.mistakeChecks = 0;
  solveRecorded_ = false;
  SetClockRunning(false);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
  SetClockRunning(true);
  prefs_.warnMultipleSolutions = true;
}

void Game::ClockTick() {
  // A tick already queued when the clock was stopped or held must not count.
  if (!clockRunning_ || clockHolds_ != 0) return;
  counters_.elapsedSeconds = NextClockSeconds(counters_.elapsedSeconds);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
}

ReportCounts Game::CountsForReport() const {
  return {counters_.level,          FormatClock(counters_.elapsedSeconds),
          counters_.generalHints,   counters_.concreteHints,
          counters_.solutionViewed, counters_.candidatesCalculated,
          counters_.mistakeChecks};
}

void Game::PuzzleSolved() {
  Resume();
  // The last digit may have come from a hint, whose request redraws the
  // counts only once it is over: the report must not stand over a stale one.
  UpdateCountsDisplay(puzzle_.board);
  SetClockRunning(false);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
  SolvedReport report = MakeSolvedReport(CountsForReport());
  if (RecordSolvedPuzzle()) {
    report.newBest = true;
    report.time += "  (new best)";
  }
  const core::ModalResult result = view_.ShowSolvedReport(report);
  if (result == core::ModalResult::Ok && startNewPuzzle_) startNewPuzzle_();
}

}  // namespace zentaro::app
