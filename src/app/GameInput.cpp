// Mouse, keyboard and pop-up input on the board, the three cell edits behind
// it, the two whole-board pencil-mark commands and the highlight buttons.

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::Board;
using core::kButtonsYesNo;
using core::kCount;
using core::kDigit;
using core::LoadText;
using core::ModalResult;
using core::MsgKind;
using core::Text;

namespace {

constexpr int kHelpPanel = 2;

}  // namespace

// ---------------------------------------------------------------------------
// Selection and what the painter reads

bool Game::HasSelection() const {
  return puzzle_.selected.OnBoard();
}

// While editing every digit on the board can be changed, clue or not.
bool Game::IsClue(core::CellRef cell) const {
  return !puzzle_.editMode && cell.OnBoard() && puzzle_.clues[core::GridIndex(cell)] != 0;
}

bool Game::IsConflictCell(core::CellRef cell) const {
  return cell.OnBoard() && cell == conflict_ && cell == puzzle_.selected;
}

std::array<bool, 9> Game::MarkChecks() const {
  std::array<bool, 9> checked{};
  if (!HasSelection()) return checked;
  const core::Cell& cell = puzzle_.board.at(puzzle_.selected);
  for (int k = 1; k <= 9; ++k) checked[k - 1] = cell[kDigit] == 0 && cell.HasCandidate(k);
  return checked;
}

// The red of a conflict lasts until its cell is drawn again for any other
// reason.
void Game::RedrawCellAt(core::CellRef cell) {
  if (!cell.OnBoard()) return;
  if (cell == conflict_) conflict_ = {};
  view_.RedrawCell(cell);
}

void Game::RedrawAllCells() {
  conflict_ = {};
  view_.RedrawBoard();
}

void Game::MoveSelection(core::CellRef cell) {
  const core::CellRef old = puzzle_.selected;
  puzzle_.selected = cell;
  RedrawCellAt(old);
  if (cell != old) RedrawCellAt(cell);
}

void Game::Deselect() {
  MoveSelection({0, 0});
}

void Game::StepLabelMouseDown() {
  MoveSelection({-1, -1});
}

void Game::ToolPanelMouseDown(MouseButton button) {
  if (button != MouseButton::Other) MoveSelection({-1, -1});
}

// ---------------------------------------------------------------------------
// Mouse and keyboard

void Game::BoardMouseDown(core::CellRef cell, MouseButton button) {
  if (puzzle_.generating) return;
  // The click that ends a pause only brings the board back.
  if (Paused()) {
    Resume();
    return;
  }
  const bool inside = cell.OnBoard();
  if (!inside) cell = {-1, -1};
  // A clue cannot be touched outside edit mode, not even selected.
  if (IsClue(cell) && !puzzle_.editMode) return;
  MoveSelection(cell);
  if (!inside || IsClue(cell)) return;

  const bool filled = puzzle_.board.at(cell)[kDigit] != 0;
  if (button == MouseButton::Left && (puzzle_.active || puzzle_.editMode))
    view_.OpenDigitPopup(cell, filled);
  else if (button == MouseButton::Right && puzzle_.active && !puzzle_.editMode && !filled)
    view_.OpenMarksPopup(cell, MarkChecks());
}

void Game::BoardMouseMove(bool overCells) {
  std::string text;
  if (puzzle_.editMode)
    text = LoadText(Text::EditingStatus);
  else if (puzzle_.active && overCells)
    text = LoadText(Text::PlayingStatus);
  view_.SetStatusText(kHelpPanel, text);
}

// The editing reminder stays wherever the pointer is in the window.
void Game::ToolPanelMouseMove() {
  view_.SetStatusText(kHelpPanel, puzzle_.editMode ? LoadText(Text::EditingStatus) : std::string());
}

void Game::MoveByArrow(Key key) {
  if (puzzle_.selected.col <= 0 || puzzle_.selected.row <= 0) {
    MoveSelection({1, 1});
    return;
  }
  int col = puzzle_.selected.col, row = puzzle_.selected.row;
  switch (key) {
    case Key::Up:
      if (row > 1) --row;
      break;
    case Key::Down:
      if (row < 9) ++row;
      break;
    case Key::Left:
      if (col > 1) {
        --col;
      } else if (row > 1) {
        col = 9;
        --row;
      }
      break;
    case Key::Right:
      if (col < 9) {
        ++col;
      } else if (row < 9) {
        col = 1;
        ++row;
      }
      break;
    default:
      return;
  }
  if (col != puzzle_.selected.col || row != puzzle_.selected.row) MoveSelection({col, row});
}

// Typing in edit mode runs on like a typewriter and stops at I9.
void Game::AdvanceEditSelection() {
  if (!HasSelection()) return;
  if (puzzle_.selected.col < 9)
    MoveSelection({puzzle_.selected.col + 1, puzzle_.selected.row});
  else if (puzzle_.selected.row < 9)
    MoveSelection({1, puzzle_.selected.row + 1});
}

void Game::KeyDown(Key key) {
  if (key == Key::Escape) {
    puzzle_.cancelRequested = true;
    return;
  }
  if (puzzle_.generating || (!puzzle_.active && !puzzle_.editMode)) return;
  if (Paused()) {
    Resume();
    return;
  }

  switch (key) {
    case Key::Up:
    case Key::Down:
    case Key::Left:
    case Key::Right:
      MoveByArrow(key);
      return;
    case Key::Shift:
      if (HasSelection() && puzzle_.active && !puzzle_.editMode &&
          puzzle_.board.at(puzzle_.selected)[kDigit] == 0)
        view_.OpenMarksPopup(puzzle_.selected, MarkChecks());
      return;
    case Key::Clear:
      if (!HasSelection() || (!puzzle_.editMode && IsClue(puzzle_.selected))) return;
      if (puzzle_.board.at(puzzle_.selected)[kDigit] != 0) ClearCell();
      if (puzzle_.editMode) AdvanceEditSelection();
      return;
    default:
      break;
  }
  const int digit = KeyDigit(key);
  if (digit == 0 || !HasSelection() || (!puzzle_.editMode && IsClue(puzzle_.selected))) return;
  PlaceDigit(digit);
  if (puzzle_.editMode) AdvanceEditSelection();
}

// ---------------------------------------------------------------------------
// The three cell edits

void Game::PlaceDigit(int digit) {
  if (digit < 1 || digit > 9 || puzzle_.generating || !HasSelection()) return;
  if (!puzzle_.editMode && (!puzzle_.active || IsClue(puzzle_.selected))) return;
  view_.HideHintWindow();
  const core::CellRef cell = puzzle_.selected;

  // Clue editing only lays digits down; candidates, steps and solving wait
  // until the puzzle is started from what was typed.
  // The whole board is drawn again because a typed digit can start or end a
  // clash in any cell of its units.
  if (puzzle_.editMode) {
    puzzle_.board.at(cell) = core::Cell{};
    puzzle_.board.at(cell)[kDigit] = digit;
    RedrawAllCells();
    return;
  }

  const Board oldBoard = puzzle_.board;
  const int previous = puzzle_.board.at(cell)[kDigit];
  if (digit != previous) puzzle_.askMarksSource = true;

  puzzle_.board.at(cell) = core::Cell{};
  puzzle_.board.at(cell)[kDigit] = digit;
  puzzle_.computed.at(cell)[kDigit] = digit;
  UpdateCountsDisplay(puzzle_.board);

  const bool conflict = core::DigitRepeatsInUnits(puzzle_.board, cell);
  if (previous != 0 && previous != digit)
    core::RestoreCandidateInPeers(puzzle_.computed, previous, cell);
  if (prefs_.removeMarksOnFill) core::RemoveFromPeers(puzzle_.board, cell);
  core::ExtractDigits(puzzle_.board, puzzle_.digits);

  conflict_ = conflict ? cell : core::CellRef{};
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (core::CellRef{c, r} == cell || puzzle_.board.at(c, r) != oldBoard.at(c, r))
        view_.RedrawCell({c, r});
  RefreshRemoveCandidates();

  core::RemoveFromPeers(puzzle_.computed, cell);
  AddStep();
  if (!puzzle_.solutionUnique) puzzle_.solutionCount = SolveAndCount(puzzle_.board, true);
  if (SolvedNow()) PuzzleSolved();
}

void Game::ClearCell() {
  if (puzzle_.generating || !HasSelection()) return;
  const core::CellRef cell = puzzle_.selected;
  if (puzzle_.editMode) {
    puzzle_.board.at(cell) = core::Cell{};
    RedrawAllCells();
    return;
  }
  const int previous = puzzle_.board.at(cell)[kDigit];
  if (!puzzle_.active || IsClue(cell) || previous == 0) return;
  view_.HideHintWindow();

  // The emptied cell starts without pencil marks, and the peers' marks do not
  // get the digit back: both are the player's to set.
  puzzle_.board.at(cell) = core::Cell{};
  puzzle_.computed.at(cell)[kDigit] = 0;
  core::RestoreCandidateInPeers(puzzle_.computed, previous, cell);
  core::RecomputeCellCandidates(puzzle_.computed, cell);

  UpdateCountsDisplay(puzzle_.board);
  RedrawCellAt(cell);
  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  AddStep();
  puzzle_.solutionCount = SolveAndCount(puzzle_.board, true);
}

void Game::ToggleMark(int digit) {
  if (digit < 1 || digit > 9 || puzzle_.generating || !HasSelection() || !puzzle_.active ||
      puzzle_.editMode)
    return;
  core::Cell& cell = puzzle_.board.at(puzzle_.selected);
  if (cell[kDigit] != 0) return;

  view_.HideHintWindow();
  if (cell.HasCandidate(digit)) {
    cell.RemoveCandidate(digit);
    puzzle_.marksReduced = true;
  } else {
    cell.AddCandidate(digit);
  }
  RedrawCellAt(puzzle_.selected);
  RefreshRemoveCandidates();
  AddStep();
}

// ---------------------------------------------------------------------------
// Whole-board pencil marks

void Game::RemoveCandidates() {
  if (!IsEnabled(Command::RemoveCandidates)) return;
  bool any = false;
  core::CheckMarks(puzzle_.board, any);
  if (!any) return;
  if (view_.ShowMessageBox(LoadText(Text::RemoveAllMarksQuestion), MsgKind::Confirmation,
                           kButtonsYesNo) != ModalResult::Yes)
    return;
  view_.HideHintWindow();

  const Board oldBoard = puzzle_.board;
  core::ClearEmptyCellMarks(puzzle_.board);
  const bool cleared = !core::BoardsEqual(oldBoard, puzzle_.board);
  SetEnabled(Command::RemoveCandidates, false);

  puzzle_.computed = puzzle_.board;
  core::BuildFromDigits(puzzle_.digits, puzzle_.computed, puzzle_.blockCounts, puzzle_.rowCounts,
                        puzzle_.colCounts);
  puzzle_.marksReduced = false;
  puzzle_.askMarksSource = true;

  RedrawAllCells();
  if (cleared) AddStep();
}

bool Game::FillCandidates() {
  if (!IsEnabled(Command::FillCandidates)) return false;
  bool any = false;
  core::CheckMarks(puzzle_.board, any);
  Board fresh{};
  core::BuildFromDigitsPlain(core::ExtractDigits(puzzle_.board), fresh);

  // Marks that are already the full candidates can be refilled without
  // asking; any other marks are the player's work.
  bool goOn = true;
  if (any && !core::BoardsEqual(puzzle_.board, fresh))
    goOn = view_.ShowMessageBox(LoadText(Text::FillCandidatesWarning) + core::kLineBreak +
                                    LoadText(Text::ContinueQuestion),
                                MsgKind::Confirmation, kButtonsYesNo) == ModalResult::Yes;

  const Board oldBoard = puzzle_.board, oldComputed = puzzle_.computed;
  if (goOn) {
    core::ExtractDigits(puzzle_.board, puzzle_.digits);
    core::BuildFromDigits(puzzle_.digits, puzzle_.board, puzzle_.blockCounts, puzzle_.rowCounts,
                          puzzle_.colCounts);
    ++counters_.candidatesCalculated;
    puzzle_.askMarksSource = true;
    // The marks are now the complete candidates: nothing is reduced any more,
    // and the flag must agree with the step recorded below.
    puzzle_.marksReduced = false;
    prefs_.warnMultipleSolutions = false;
    SetEnabled(Command::RemoveCandidates, true);
    puzzle_.computed = puzzle_.board;
  }
  RedrawAllCells();
  // Hints may have thinned the computed marks out, so the marks can change even when
  // they matched it; a step is recorded whenever either board changed.
  if (goOn && (!core::BoardsEqual(oldBoard, puzzle_.board) ||
               !core::BoardsEqual(oldComputed, puzzle_.computed)))
    AddStep();
  return goOn;
}

// ---------------------------------------------------------------------------
// Highlight buttons

void Game::HighlightButtonClick(int digit, bool down) {
  if (digit < 1 || digit > 9) return;
  const int shown = down ? digit : 0;
  // The selection stays: the next arrow key goes on from where the player was.
  puzzle_.highlightDigit = shown;
  view_.SetHighlightButtons(shown);
  RedrawAllCells();
}

void Game::ToggleHighlight(int digit) {
  HighlightButtonClick(digit, puzzle_.highlightDigit != digit);
}

}  // namespace zentaro::app
