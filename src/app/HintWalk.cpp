#include "app/HintWalk.h"

#include <algorithm>

namespace zentaro::app {

using core::Board;
using core::kDigit;

namespace {

// A sound hint fills a cell or removes a candidate each time, so no walk can
// take more requests than there are candidates; the cap only stops a walk
// whose hints go round in circles.
constexpr int kMaxWalkSteps = 81 + 729;

bool ReadingOrder(const CellDigit& a, const CellDigit& b) {
  if (a.row != b.row) return a.row < b.row;
  if (a.col != b.col) return a.col < b.col;
  return a.digit < b.digit;
}

std::string CellDigitText(const CellDigit& cd, char sign) {
  return core::CellName(cd.col, cd.row) + sign + static_cast<char>('0' + cd.digit);
}

}  // namespace

std::string HintChange::Text() const {
  std::string text;
  const auto add = [&](const std::vector<CellDigit>& list, char sign) {
    for (const CellDigit& cd : list) {
      if (!text.empty()) text += ' ';
      text += CellDigitText(cd, sign);
    }
  };
  add(placed, '=');
  if (placed.empty()) add(eliminated, '-');
  return text;
}

HintChange DiffBoards(const Board& before, const Board& after) {
  HintChange change;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const core::Cell& was = before.at(c, r);
      const core::Cell& now = after.at(c, r);
      if (now[kDigit] != was[kDigit]) {
        if (now[kDigit] != 0) change.placed.push_back({c, r, now[kDigit]});
        continue;
      }
      if (now[kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d)
        if (was.HasCandidate(d) && !now.HasCandidate(d)) change.eliminated.push_back({c, r, d});
    }
  std::sort(change.placed.begin(), change.placed.end(), ReadingOrder);
  std::sort(change.eliminated.begin(), change.eliminated.end(), ReadingOrder);
  // The candidates a placed digit takes from its peers belong to the
  // placement, not to the change the hint explained.
  if (!change.placed.empty()) change.eliminated.clear();
  return change;
}

core::ModalResult GoOnView::ShowMessageBox(const std::string& text, core::MsgKind,
                                           unsigned buttons) {
  messages.push_back(text);
  return (buttons & core::kButtonsYesNo) != 0 ? core::ModalResult::Yes : core::ModalResult::Ok;
}

WalkResult WalkHints(Game& game, GoOnView& view,
                     const std::function<void(const WalkStep&)>& onStep) {
  WalkResult walk;
  for (int n = 0; n < kMaxWalkSteps && core::CountDigits(game.Puzzle().board) < 81; ++n) {
    WalkStep step;
    step.before = game.Puzzle().board;
    view.stages.clear();
    game.HintSearch();
    step.hint = game.Hint().last;
    step.name = HintTechniqueName(step.hint.technique, step.hint.found);
    step.change =
        DiffBoards(step.hint.applied ? step.hint.beforeApply : step.before, game.Puzzle().board);
    step.stages = std::move(view.stages);
    view.stages.clear();
    if (step.hint.technique == HintTechnique::NoHint || step.hint.technique == HintTechnique::None)
      break;
    const bool changed = !step.change.Empty();
    walk.steps.push_back(std::move(step));
    if (onStep) onStep(walk.steps.back());
    if (!changed) break;
  }
  walk.solved = core::CountDigits(game.Puzzle().board) == 81;
  return walk;
}

}  // namespace zentaro::app
