// Mouse, keyboard and pop-up input on the board, the three cell edits behind
// it, the two whole-board pencil-mark commands and the highlight buttons.

#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app {

using core::kButtonsYesNo;
using core::kCount;
using core::kDigit;
using core::kResultYes;
using core::LoadText;
using core::MsgKind;
using core::TBoard;

namespace {

constexpr int kHelpPanel = 2;

bool InBoard(int col, int row) {
  return col >= 1 && col <= 9 && row >= 1 && row <= 9;
}

// Looks for the digit of the cell elsewhere in its row, then its column, then
// its block.
bool HasConflict(const TBoard& board, int col, int row) {
  const int digit = board.at(col, row)[kDigit];
  for (int c = 1; c <= 9; ++c)
    if (c != col && board.at(c, row)[kDigit] == digit) return true;
  for (int r = 1; r <= 9; ++r)
    if (r != row && board.at(col, r)[kDigit] == digit) return true;
  const core::TBlockBounds b = core::BlockBounds(core::BlockOf(col, row));
  for (int c = b.firstCol + 1; c <= b.lastCol + 1; ++c)
    for (int r = b.firstRow + 1; r <= b.lastRow + 1; ++r)
      if ((c != col || r != row) && board.at(c, r)[kDigit] == digit) return true;
  return false;
}

}  // namespace

// ---------------------------------------------------------------------------
// Selection and what the painter reads

bool Game::HasSelection() const {
  return InBoard(CurCol, CurRow);
}

bool Game::IsClue(int col, int row) const {
  return InBoard(col, row) && Clues[core::GridIndex(col, row)] != 0;
}

bool Game::IsConflictCell(int col, int row) const {
  return InBoard(col, row) && col == conflictCol_ && row == conflictRow_ && col == CurCol &&
         row == CurRow;
}

std::array<bool, 9> Game::MarkChecks() const {
  std::array<bool, 9> checked{};
  if (!HasSelection()) return checked;
  const core::TCell& cell = Board.at(CurCol, CurRow);
  for (int k = 1; k <= 9; ++k) checked[k - 1] = cell[kDigit] == 0 && cell[k] > 0;
  return checked;
}

// The red of a conflict lasts until its cell is drawn again for any other
// reason.
void Game::RedrawCellAt(int col, int row) {
  if (!InBoard(col, row)) return;
  if (col == conflictCol_ && row == conflictRow_) conflictCol_ = conflictRow_ = 0;
  view_.RedrawCell(col, row);
}

void Game::RedrawAllCells() {
  conflictCol_ = conflictRow_ = 0;
  view_.RedrawBoard();
}

void Game::MoveSelection(int col, int row) {
  const int oldCol = CurCol, oldRow = CurRow;
  CurCol = col;
  CurRow = row;
  RedrawCellAt(oldCol, oldRow);
  if (col != oldCol || row != oldRow) RedrawCellAt(col, row);
}

void Game::Deselect() {
  MoveSelection(0, 0);
}

void Game::StepLabMouseDown() {
  MoveSelection(-1, -1);
}

void Game::Panel1MouseDown(MouseButton button) {
  if (button != MouseButton::Other) MoveSelection(-1, -1);
}

// ---------------------------------------------------------------------------
// Mouse and keyboard

void Game::FormMouseDown(int col, int row, MouseButton button) {
  if (Generating) return;
  const bool inside = InBoard(col, row);
  if (!inside) col = row = -1;
  // A clue cannot be touched outside edit mode, not even selected.
  if (IsClue(col, row) && !EditMode) return;
  MoveSelection(col, row);
  if (!inside || IsClue(col, row)) return;

  const bool filled = Board.at(col, row)[kDigit] != 0;
  if (button == MouseButton::Left && (PuzzleActive || EditMode))
    view_.OpenDigitPopup(col, row, filled);
  else if (button == MouseButton::Right && PuzzleActive && !EditMode && !filled)
    view_.OpenMarksPopup(col, row, MarkChecks());
}

void Game::FormMouseMove(bool overCells) {
  std::string text;
  if (EditMode)
    text = LoadText(2505);
  else if (PuzzleActive && overCells)
    text = LoadText(2040);
  view_.SetStatusText(kHelpPanel, text);
}

void Game::Panel1MouseMove() {
  view_.SetStatusText(kHelpPanel, std::string());
}

void Game::MoveByArrow(Key key) {
  if (CurCol <= 0 || CurRow <= 0) {
    MoveSelection(1, 1);
    return;
  }
  int col = CurCol, row = CurRow;
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
  if (col != CurCol || row != CurRow) MoveSelection(col, row);
}

// Typing in edit mode runs on like a typewriter and stops at I9.
void Game::AdvanceEditSelection() {
  if (!HasSelection()) return;
  if (CurCol < 9)
    MoveSelection(CurCol + 1, CurRow);
  else if (CurRow < 9)
    MoveSelection(1, CurRow + 1);
}

void Game::FormKeyDown(Key key) {
  if (key == Key::Escape) {
    CancelRequested = true;
    return;
  }
  if (Generating || (!PuzzleActive && !EditMode)) return;

  switch (key) {
    case Key::Up:
    case Key::Down:
    case Key::Left:
    case Key::Right:
      MoveByArrow(key);
      return;
    case Key::Shift:
      if (HasSelection() && PuzzleActive && !EditMode && Board.at(CurCol, CurRow)[kDigit] == 0)
        view_.OpenMarksPopup(CurCol, CurRow, MarkChecks());
      return;
    case Key::Clear:
      if (!HasSelection() || (!EditMode && IsClue(CurCol, CurRow))) return;
      if (Board.at(CurCol, CurRow)[kDigit] != 0) Clear2Click();
      if (EditMode) AdvanceEditSelection();
      return;
    default:
      break;
  }
  const int digit = KeyDigit(key);
  if (digit == 0 || !HasSelection() || (!EditMode && IsClue(CurCol, CurRow))) return;
  PlaceDigit(digit);
  if (EditMode) AdvanceEditSelection();
}

// ---------------------------------------------------------------------------
// The three cell edits

void Game::PlaceDigit(int digit) {
  if (digit < 1 || digit > 9 || Generating || !HasSelection()) return;
  if (!EditMode && (!PuzzleActive || IsClue(CurCol, CurRow))) return;
  view_.HideHintWindow();
  const int col = CurCol, row = CurRow;

  // Clue editing only lays digits down; candidates, steps and solving wait
  // until the puzzle is started from what was typed.
  if (EditMode) {
    Board.at(col, row)[kDigit] = digit;
    RedrawCellAt(col, row);
    return;
  }

  const TBoard oldBoard = Board;
  const bool oldAsk = AskMarksSource, oldReduced = MarksReduced;
  const int previous = Board.at(col, row)[kDigit];
  if (digit != previous) AskMarksSource = true;

  Board.at(col, row) = core::TCell{};
  Board.at(col, row)[kDigit] = digit;
  ComputedBoard.at(col, row)[kDigit] = digit;
  UpdateCountsDisplay(Board);

  const bool conflict = HasConflict(Board, col, row);
  if (previous != 0 && previous != digit)
    core::RestoreCandidateInPeers(ComputedBoard, previous, row, col);
  if (RemoveMarksOnFill) core::RemoveFromPeers(Board, col - 1, row - 1);
  core::ExtractDigits(Board, Digits);

  conflictCol_ = conflict ? col : 0;
  conflictRow_ = conflict ? row : 0;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if ((c == col && r == row) || Board.at(c, r) != oldBoard.at(c, r)) view_.RedrawCell(c, r);
  RefreshShowmarks();

  core::RemoveFromPeers(ComputedBoard, col - 1, row - 1);
  AddStep(oldBoard, oldAsk, oldReduced);
  if (!SolutionUnique) SolutionCount = SolveAndCount(Board, true);
  if (SolvedNow()) PuzzleSolved();
}

void Game::Clear2Click() {
  if (Generating || !HasSelection()) return;
  const int col = CurCol, row = CurRow;
  if (EditMode) {
    Board.at(col, row)[kDigit] = 0;
    RedrawCellAt(col, row);
    return;
  }
  const int previous = Board.at(col, row)[kDigit];
  if (!PuzzleActive || IsClue(col, row) || previous == 0) return;
  view_.HideHintWindow();

  const TBoard oldBoard = Board;
  // The emptied cell starts without pencil marks, and the peers' marks do not
  // get the digit back: both are the player's to set.
  Board.at(col, row) = core::TCell{};
  ComputedBoard.at(col, row)[kDigit] = 0;
  core::RestoreCandidateInPeers(ComputedBoard, previous, row, col);
  core::RecomputeCellCandidates(ComputedBoard, col, row);

  UpdateCountsDisplay(Board);
  RedrawCellAt(col, row);
  core::ExtractDigits(Board, Digits);
  AddStep(oldBoard, AskMarksSource, MarksReduced);
  SolutionCount = SolveAndCount(Board, true);
}

void Game::N11Click(int digit) {
  if (digit < 1 || digit > 9 || Generating || !HasSelection() || !PuzzleActive || EditMode) return;
  core::TCell& cell = Board.at(CurCol, CurRow);
  if (cell[kDigit] != 0) return;

  const TBoard oldBoard = Board;
  const bool oldReduced = MarksReduced;
  view_.HideHintWindow();
  if (cell[digit] <= 0) {
    cell[digit] = 1;
    ++cell[kCount];
  } else {
    cell[digit] = 0;
    --cell[kCount];
    MarksReduced = true;
  }
  RedrawCellAt(CurCol, CurRow);
  RefreshShowmarks();
  AddStep(oldBoard, AskMarksSource, oldReduced);
}

// ---------------------------------------------------------------------------
// Whole-board pencil marks

void Game::Showmarks1Click() {
  if (!IsEnabled(Command::Showmarks1)) return;
  bool any = false;
  core::CheckMarks(Board, any);
  if (!any) return;
  if (view_.ShowMessageBox(LoadText(2251), MsgKind::Confirmation, kButtonsYesNo) != kResultYes)
    return;
  view_.HideHintWindow();

  const TBoard oldBoard = Board;
  const bool oldAsk = AskMarksSource, oldReduced = MarksReduced;
  core::ClearEmptyCellMarks(Board);
  const bool cleared = !core::BoardsEqual(oldBoard, Board);
  SetEnabled(Command::Showmarks1, false);

  ComputedBoard = Board;
  core::BuildFromDigits(Digits, ComputedBoard, BlockCounts, RowCounts, ColCounts);
  MarksReduced = false;
  AskMarksSource = true;

  RedrawAllCells();
  if (cleared) AddStep(oldBoard, oldAsk, oldReduced);
}

bool Game::Calculate1Click() {
  if (!IsEnabled(Command::Calculate1)) return false;
  bool any = false;
  core::CheckMarks(Board, any);
  TBoard fresh{};
  core::BuildFromDigitsPlain(core::ExtractDigits(Board), fresh);

  // Marks that are already the full candidates can be refilled without
  // asking; any other marks are the player's work.
  bool goOn = true;
  if (any && !core::BoardsEqual(Board, fresh))
    goOn = view_.ShowMessageBox(LoadText(2260) + '\r' + LoadText(2261), MsgKind::Confirmation,
                                kButtonsYesNo) == kResultYes;

  const TBoard oldBoard = Board, oldComputed = ComputedBoard;
  const bool oldAsk = AskMarksSource, oldReduced = MarksReduced;
  if (goOn) {
    core::ExtractDigits(Board, Digits);
    core::BuildFromDigits(Digits, Board, BlockCounts, RowCounts, ColCounts);
    ++CandidatesCalculated;
    AskMarksSource = true;
    // The marks are now the complete candidates: nothing is reduced any more,
    // and the flag must agree with the step recorded below.
    MarksReduced = false;
    WarnMultipleSolutions = false;
    SetEnabled(Command::Showmarks1, true);
    ComputedBoard = Board;
  }
  RedrawAllCells();
  // Hints may have thinned ComputedBoard out, so the marks can change even when
  // they matched it; a step is recorded whenever either board changed.
  if (goOn &&
      (!core::BoardsEqual(oldBoard, Board) || !core::BoardsEqual(oldComputed, ComputedBoard)))
    AddStep(oldBoard, oldAsk, oldReduced);
  return goOn;
}

// ---------------------------------------------------------------------------
// Highlight buttons

void Game::SpeedButton1Click(int digit, bool down) {
  if (digit < 1 || digit > 9) return;
  const int shown = down ? digit : 0;
  // The highlight speaks for itself; a selected cell would hide it.
  if (shown > 0) CurCol = CurRow = 0;
  HighlightDigit = shown;
  view_.SetHighlightButtons(shown);
  RedrawAllCells();
}

void Game::HighlightMenuClick(int digit) {
  SpeedButton1Click(digit, HighlightDigit != digit);
}

}  // namespace zentaro::app
