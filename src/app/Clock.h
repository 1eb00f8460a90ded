#pragma once

#include <string>

namespace zentaro::app {

// The clock has two digits for the hours, so after 99:59:59 it starts again
// at zero rather than growing a third digit.
inline constexpr int kClockMaxSeconds = 359999;

// "hh:mm:ss", each part at least two digits.
std::string FormatClock(int seconds);

// The reading one second later.
constexpr int NextClockSeconds(int seconds) {
  return seconds >= kClockMaxSeconds ? 0 : seconds + 1;
}

// The per-puzzle figures the solved report is made from.
struct ReportCounts {
  int level = 0;  // 1..5 when rated, else 0
  std::string clockText;
  int generalHints = 0;
  int concreteHints = 0;
  int solutionViewed = 0;
  int candidatesCalculated = 0;
  int mistakeChecks = 0;
};

// Every text of the report window, ready to be shown as it stands. The
// window's "&New puzzle" button closes it with OK (1), "&Close" with Cancel.
struct SolvedReport {
  std::string caption;  // the program title
  std::string title;    // the first line, in bold
  std::string levelLabel, level;
  std::string timeLabel, time;
  std::string candidatesLabel, candidates;
  std::string tipsLabel, tips;
  std::string tips2Label, tips2;
  std::string solutionLabel, solutionViewed;
  // Shown only when the player checked for mistakes (both empty otherwise).
  std::string checksLabel, checks;
  // A viewed solution is pointed out: its caption and value are drawn in red.
  bool solutionViewedInRed = false;
  // The time beats every earlier one of the level; the time says so.
  bool newBest = false;
  std::string okCaption, cancelCaption;
};

SolvedReport MakeSolvedReport(const ReportCounts& counts);

}  // namespace zentaro::app
