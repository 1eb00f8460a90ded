#include "app/WorkedSolution.h"

#include <algorithm>

#include "core/Random.h"
#include "rating/Rating.h"

namespace zentaro::app {

namespace {

int RateInteractively(const core::DigitGrid& grid) {
  core::Random random;
  return rating::RatePuzzle(grid, {.forGenerator = false, .silent = true}, random).level;
}

const hints::HintStage* ConcreteStage(const std::vector<hints::HintStage>& stages) {
  for (const hints::HintStage& s : stages)
    if (s.kind == hints::StageKind::Concrete) return &s;
  return stages.empty() ? nullptr : &stages.back();
}

}  // namespace

WorkedSolution WorkSolution(const core::DigitGrid& clues, const core::Board* state,
                            bool marksReduced) {
  GoOnView view;
  Game game(view);
  game.SetClueRater(RateInteractively);
  game.LoadPosition(clues, state, marksReduced);

  WorkedSolution worked;
  worked.level = RateInteractively(core::ExtractDigits(game.Puzzle().board));
  const WalkResult walk = WalkHints(game, view);
  worked.solved = walk.solved;
  worked.end = game.Puzzle().board;
  for (const WalkStep& step : walk.steps) {
    WorkedStep entry;
    entry.technique = step.name;
    entry.change = step.change.Text();
    entry.board = step.hint.applied ? step.hint.beforeApply : step.before;
    if (const hints::HintStage* stage = ConcreteStage(step.stages)) entry.stage = *stage;
    worked.steps.push_back(std::move(entry));
    auto counted = std::find_if(worked.techniqueCounts.begin(), worked.techniqueCounts.end(),
                                [&](const auto& tc) { return tc.first == step.name; });
    if (counted == worked.techniqueCounts.end())
      worked.techniqueCounts.emplace_back(step.name, 1);
    else
      ++counted->second;
  }
  if (worked.solved) return worked;

  // The walk stops where a request finds nothing (or changes nothing); the
  // same request once more gives what the program says there.
  view.stages.clear();
  view.messages.clear();
  if (walk.steps.empty() || !walk.steps.back().change.Empty()) {
    game.HintSearch();
    // Message texts break their lines with carriage returns.
    for (const std::string& message : view.messages) {
      std::size_t begin = 0;
      for (std::size_t end; (end = message.find(core::kLineBreak, begin)) != std::string::npos;
           begin = end + 1)
        worked.stopLines.push_back(message.substr(begin, end - begin));
      worked.stopLines.push_back(message.substr(begin));
    }
    for (const hints::HintStage& s : view.stages)
      worked.stopLines.insert(worked.stopLines.end(), s.lines.begin(), s.lines.end());
  }
  if (worked.stopLines.empty())
    worked.stopLines.push_back("The last hint changes nothing on the board.");
  return worked;
}

}  // namespace zentaro::app
