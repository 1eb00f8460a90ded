// "Check for mistakes": the board against the solution of its clues, with a
// way back to the last step that was still right.

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::AddedText;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kDigit;
using core::kLineBreak;
using core::LoadText;
using core::ModalResult;
using core::MsgKind;

MistakeMarks FindMistakes(const core::Board& board, const core::DigitGrid& solution) {
  MistakeMarks marks;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const core::Cell& cell = board.at(c, r);
      const int index = core::GridIndex({c, r});
      const int right = solution[index];
      if (cell[kDigit] != 0) {
        if (cell[kDigit] != right) {
          marks.wrongDigit[index] = true;
          ++marks.wrongDigits;
        }
      } else if (cell.Candidates() != 0 && !cell.HasCandidate(right)) {
        // An empty cell without marks says nothing yet; one with marks that
        // leave the right digit out will mislead every later step.
        marks.missingMark[index] = static_cast<std::uint8_t>(right);
        ++marks.missingMarks;
      }
    }
  return marks;
}

void Game::ClearMistakeMarks() {
  if (!mistakesShown_) return;
  mistakesShown_ = false;
  view_.SetMistakeMarks({});
}

void Game::CheckForMistakes() {
  if (!IsEnabled(Command::CheckMistakes) || !puzzle_.clueSolutionKnown || !puzzle_.active ||
      puzzle_.editMode || puzzle_.generating)
    return;
  view_.HideHintWindow();
  ++counters_.mistakeChecks;
  const MistakeMarks found = FindMistakes(puzzle_.board, puzzle_.clueSolution);
  if (!found.Any()) {
    view_.ShowMessageBox(LoadText(AddedText::NoMistakeFound), MsgKind::Information, kButtonsOk);
    return;
  }
  mistakesShown_ = true;
  view_.SetMistakeMarks(found);

  std::string text;
  if (found.wrongDigits > 0)
    text += LoadText(AddedText::WrongDigitsFound) + " " + std::to_string(found.wrongDigits) +
            kLineBreak;
  if (found.missingMarks > 0)
    text += LoadText(AddedText::MissingMarksFound) + " " + std::to_string(found.missingMarks) +
            kLineBreak;

  // The latest step up to the current one whose board was still right; the
  // clues of step 0 always are, so there is one whenever the history holds
  // the puzzle.
  int lastRight = -1;
  for (int n = history_.CurrentStep() - 1; n >= 0 && lastRight < 0; --n) {
    core::Board step{};
    if (core::StepHistory::DecodeBoard(history_.BoardStep(n), step) &&
        !FindMistakes(step, puzzle_.clueSolution).Any())
      lastRight = n;
  }
  if (lastRight < 0) {
    view_.ShowMessageBox(text, MsgKind::Warning, kButtonsOk);
    return;
  }
  text += kLineBreak + LoadText(AddedText::GoBackToNoMistakeQuestion);
  // Going back is one jump on the history: the later steps stay for redo.
  if (view_.ShowMessageBox(text, MsgKind::Confirmation, kButtonsYesNo) == ModalResult::Yes)
    GoToStep(lastRight);
}

}  // namespace zentaro::app
