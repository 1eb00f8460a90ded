// Edit mode: typing a puzzle in, or changing the clues of the current one.
// While it is on the board only holds digits; the puzzle is started from them
// when editing stops.

#include <utility>

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::kButtonsYesNo;
using core::kDigit;
using core::LoadText;
using core::ModalResult;
using core::MsgKind;
using core::Text;

namespace {

constexpr int kCountsPanel = 1;
constexpr int kHelpPanel = 2;

void RemoveAllMarks(core::Board& board) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) board.at(c, r).ClearMarks();
}

}  // namespace

void Game::ApplyEditCommandStates() {
  SetEnabled(Command::EditMode, IsEnabled(Command::EditMenu) && !puzzle_.editMode);
  SetEnabled(Command::StopEditMode, IsEnabled(Command::EditMenu) && !IsEnabled(Command::EditMode));
  SetEnabled(Command::ClearClues, IsEnabled(Command::EditMenu) && puzzle_.editMode);
}

void Game::StartEditing() {
  if (!IsEnabled(Command::EditMode) || puzzle_.generating) return;
  view_.HideHintWindow();
  // A cancelled start gives the hint command back its state.
  const bool hintWas = IsEnabled(Command::Hint);
  puzzle_.editMode = true;
  ApplyEditCommandStates();
  SetEnabled(Command::Hint, false);
  const bool checkWas = IsEnabled(Command::CheckMistakes);
  SetEnabled(Command::CheckMistakes, false);
  if (!PrepareEdit()) {
    SetEnabled(Command::CheckMistakes, checkWas);
    puzzle_.editMode = false;
    ApplyEditCommandStates();
    SetEnabled(Command::Hint, hintWas);
    return;
  }
  view_.SetStatusText(kCountsPanel, std::string());
  puzzle_.active = false;
  ShowLevelStatus();
  file_.stored = false;
}

bool Game::PrepareEdit() {
  if (core::CountDigits(puzzle_.board) == 0) {
    MoveSelection({0, 0});
    ClearAllCells();
    MoveSelection({1, 1});
  } else {
    const ModalResult answer = view_.AskThreeButtonQuestion(
        core::kAppTitle,
        LoadText(Text::AboutToEditClues) + core::kLineBreak +
            LoadText(Text::EditCurrentOrNewQuestion),
        LoadText(Text::CurrentChoice), LoadText(Text::NewChoice), LoadText(Text::Cancel));
    if (answer == ModalResult::Yes) {
      puzzle_.clues = {};
    } else if (answer == ModalResult::No) {
      if (!ConfirmSavePlayedGame()) return false;
      SetCaptionFileName(std::string());
      ClearAllCells();
      MoveSelection({1, 1});
    } else {
      return false;
    }
  }
  // Pencil marks belong to a puzzle being played; whatever path led here,
  // none is carried into the one typed in.
  RemoveAllMarks(puzzle_.board);
  RedrawAllCells();
  history_.Clear();
  UpdateStepButtons();
  puzzle_.askMarksSource = true;
  puzzle_.marksReduced = false;
  UpdateCommands(false, true);
  return true;
}

// Starting afresh throws the game in progress away, so it may be saved
// first, as before opening a file; Cancel keeps it as it was. The question
// is about the game as played: edit mode, already on, would count the board
// as unsaved however it stands, and the save would ask to stop editing.
bool Game::ConfirmSavePlayedGame() {
  const bool editing = std::exchange(puzzle_.editMode, false);
  const bool goOn = ConfirmSaveFirst();
  puzzle_.editMode = editing;
  return goOn;
}

void Game::ClearAllCells() {
  if (!puzzle_.editMode || core::CountDigits(puzzle_.board) == 0) return;
  const ModalResult answer = view_.ShowMessageBox(LoadText(Text::ClearAllCellsQuestion),
                                                  MsgKind::Confirmation, kButtonsYesNo);
  if (answer == ModalResult::Yes) {
    puzzle_.board = core::Board{};
    puzzle_.digits = {};
    puzzle_.clues = puzzle_.digits;
  } else if (answer == ModalResult::No) {
    puzzle_.clues = {};
  } else {
    return;
  }
  RedrawAllCells();
}

void Game::StopEditing() {
  if (!IsEnabled(Command::StopEditMode) || puzzle_.generating) return;
  puzzle_.editMode = false;
  ApplyEditCommandStates();
  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  const bool anyDigit = core::CountFilled(puzzle_.digits) > 0;

  // The typed puzzle gets a level the way a file's clues do, so that the
  // solved report tells the same for both.
  counters_.level = anyDigit && rateClues_ ? rateClues_(puzzle_.digits) : 0;
  StartPuzzle(true, false);
  // A typed puzzle is a new one: the first hint warns if it has several
  // solutions, even when the last puzzle's warning was already given.
  prefs_.warnMultipleSolutions = true;

  // A running clock goes on: changing the clues of the puzzle being played
  // does not start the time again. A clock standing still (no puzzle yet, or
  // the last one solved) would never time the typed puzzle, so it starts.
  if (anyDigit && !ClockRunning()) {
    view_.SetClockText(std::string());
    ResetPuzzleClock();
  }

  file_.stored = !anyDigit;
  UpdateCommands(anyDigit, true);
  view_.SetStatusText(kHelpPanel, std::string());
}

std::array<bool, 81> Game::EditConflicts() const {
  std::array<bool, 81> conflicts{};
  if (!puzzle_.editMode) return conflicts;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      conflicts[core::GridIndex({c, r})] = core::DigitRepeatsInUnits(puzzle_.board, {c, r});
  return conflicts;
}

}  // namespace zentaro::app
