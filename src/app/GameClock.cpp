// The clock of the current puzzle and the report shown when it is solved.

#include "app/Clock.h"
#include "app/Game.h"

namespace zentaro::app {

void Game::SetClockRunning(bool running) {
  clockRunning_ = running;
  view_.SetClockRunning(running);
}

void Game::ResetPuzzleClock() {
  counters_.clockStarted = true;
  counters_.elapsedSeconds = 0;
  counters_.generalHints = 0;
  counters_.concreteHints = 0;
  counters_.solutionViewed = 0;
  counters_.candidatesCalculated = 0;
  solveRecorded_ = false;
  SetClockRunning(false);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
  SetClockRunning(true);
  prefs_.warnMultipleSolutions = true;
}

void Game::ClockTick() {
  // A tick already queued when the clock was stopped must not count.
  if (!clockRunning_) return;
  counters_.elapsedSeconds = NextClockSeconds(counters_.elapsedSeconds);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
}

ReportCounts Game::CountsForReport() const {
  return {counters_.level,          FormatClock(counters_.elapsedSeconds),
          counters_.generalHints,   counters_.concreteHints,
          counters_.solutionViewed, counters_.candidatesCalculated};
}

void Game::PuzzleSolved() {
  SetClockRunning(false);
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));
  SolvedReport report = MakeSolvedReport(CountsForReport());
  if (RecordSolvedPuzzle()) {
    report.newBest = true;
    report.time += "  (new best)";
  }
  const int result = view_.ShowSolvedReport(report);
  if (result == core::kResultOk && startNewPuzzle_) startNewPuzzle_();
}

}  // namespace zentaro::app
