#include "app/Clock.h"

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::LoadText;

namespace {

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return text;
}

}  // namespace

std::string FormatClock(int seconds) {
  const int hours = seconds / 3600;
  const int minutes = (seconds - hours * 3600) / 60;
  const int rest = seconds - hours * 3600 - minutes * 60;
  return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(rest);
}

SolvedReport MakeSolvedReport(const ReportCounts& counts) {
  const std::string yes = LoadText(2210);
  const std::string no = LoadText(2211);
  SolvedReport report;
  report.caption = kAppTitle;
  report.title = LoadText(2200);
  report.levelLabel = LoadText(2202);
  report.level =
      counts.level >= 1 && counts.level <= 5 ? std::to_string(counts.level) : std::string("?");
  report.timeLabel = LoadText(2203);
  report.time = counts.clockText;
  report.tipsLabel = LoadText(2204);
  report.tips = std::to_string(counts.generalHints);
  report.tips2Label = LoadText(2205);
  report.tips2 = std::to_string(counts.concreteHints);
  report.candidatesLabel = LoadText(2206);
  report.candidates = counts.candidatesCalculated == 0 ? no : yes;
  report.solutionLabel = LoadText(2209);
  report.solutionViewed = counts.solutionViewed == 0 ? no : yes;
  report.solutionViewedInRed = counts.solutionViewed != 0;
  report.okCaption = LoadText(2207);
  report.cancelCaption = LoadText(2208);
  return report;
}

}  // namespace zentaro::app
