#include "app/Clock.h"

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::LoadText;
using core::Text;

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
  const std::string yes = LoadText(Text::Yes);
  const std::string no = LoadText(Text::No);
  SolvedReport report;
  report.caption = core::kAppTitle;
  report.title = LoadText(Text::PuzzleSolvedCaption);
  report.levelLabel = LoadText(Text::LevelLabel);
  report.level =
      counts.level >= 1 && counts.level <= 5 ? std::to_string(counts.level) : std::string("?");
  report.timeLabel = LoadText(Text::TimeLabel);
  report.time = counts.clockText;
  report.tipsLabel = LoadText(Text::GeneralHintsLabel);
  report.tips = std::to_string(counts.generalHints);
  report.tips2Label = LoadText(Text::ConcreteHintsLabel);
  report.tips2 = std::to_string(counts.concreteHints);
  report.candidatesLabel = LoadText(Text::CandidatesCalculatedLabel);
  report.candidates = counts.candidatesCalculated == 0 ? no : yes;
  report.solutionLabel = LoadText(Text::SolutionViewedLabel);
  report.solutionViewed = counts.solutionViewed == 0 ? no : yes;
  report.solutionViewedInRed = counts.solutionViewed != 0;
  if (counts.mistakeChecks > 0) {
    report.checksLabel = core::LoadText(core::AddedText::MistakeChecksLabel);
    report.checks = std::to_string(counts.mistakeChecks);
  }
  report.okCaption = LoadText(Text::NewPuzzleButton);
  report.cancelCaption = LoadText(Text::ReportCloseButton);
  return report;
}

}  // namespace zentaro::app
