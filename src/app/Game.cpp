#include "app/Game.h"

#include "core/StringTable.h"
#include "files/Paths.h"
#include "files/SdkFile.h"
#include "solver/SolveAndCount.h"

namespace zentaro::app {

using core::kButtonsCancel;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kResultNo;
using core::kResultYes;
using core::LoadText;
using core::MsgKind;

namespace {
constexpr char kCR = '\r';
}

Game::Game(View& view) : view_(view) {
  enabled_.fill(true);
  visible_.fill(true);
  // Never shown in this program.
  visible_[Index(Command::Generatenew1)] = false;
  visible_[Index(Command::Normalmode1)] = false;
  visible_[Index(Command::Competitionmode1)] = false;
  // A puzzle read from a file gets its level from a silent interactive rating.
  RateClues = [this](const core::TDigitGrid& clues) { return RateFileClues(clues); };
}

void Game::SetEnabled(Command c, bool enabled) {
  enabled_[Index(c)] = enabled;
  view_.SetCommandEnabled(c, enabled);
}

// ---------------------------------------------------------------------------
// Board model

int Game::UpdateCountsDisplay(const core::TBoard& board) {
  EmptyCount = 81 - core::CountDigits(board);
  view_.SetStatusText(1, LoadText(2005) + " " + std::to_string(ClueCount) + "    " +
                             LoadText(2006) + " " + std::to_string(EmptyCount));
  return EmptyCount;
}

int Game::AddStep(const core::TBoard& oldBoard, bool oldAsk, bool oldReduced) {
  const int step = history_.AddStep(oldBoard, Board, oldAsk, AskMarksSource, oldReduced,
                                    MarksReduced, ComputedBoard);
  UpdateStepButtons();
  return step;
}

void Game::StartPuzzle(bool takeClues, bool startClock) {
  WarnMultipleSolutions = startClock;
  if (IsVisible(Command::Rate1)) {
    SetEnabled(Command::Rate1, true);
    SetEnabled(Command::RateSpeedBut, IsVisible(Command::RateSpeedBut));
  }
  SetEnabled(Command::Solve1, true);

  core::ExtractDigits(Board, Digits);
  if (takeClues) Clues = Digits;
  ClueCount = core::CountFilled(Clues);
  UpdateCountsDisplay(Board);

  history_.Clear();
  UpdateStepButtons();
  CurCol = 0;
  CurRow = 0;

  ComputedBoard = Board;
  core::BuildFromDigits(Digits, ComputedBoard, BlockCounts, RowCounts, ColCounts);
  AddStep(Board, AskMarksSource, MarksReduced);

  PuzzleActive = true;
  SolutionUnique = false;
  SolutionCount = SolveAndCount(Board, true);
  view_.RedrawBoard();
  SavedBoard = Board;
  if (startClock) {
    view_.SetClockText(std::string());
    ResetPuzzleClock();
  }
}

// ---------------------------------------------------------------------------
// Solving

int Game::SolveAndCount(const core::TBoard& board, bool silent) {
  const core::TBoard before = board;
  const int n = solver::SolveAndCount(board, Solution, SolutionUnique);
  if (silent) return n;

  if (n == 0) {
    view_.ShowMessageBox(LoadText(2240), MsgKind::Error, kButtonsOk);
    return n;
  }
  CurCol = 0;
  CurRow = 0;
  Digits = Solution;
  core::LoadDigits(Digits, Board);
  // The computed board follows the digits before the step is recorded, so
  // that going back to this step later restores a consistent pair.
  ComputedBoard = Board;
  AddStep(before, AskMarksSource, MarksReduced);
  view_.RedrawBoard();
  UpdateCountsDisplay(Board);

  std::string text;
  if (n >= 2)
    text = LoadText(2236) + kCR + LoadText(2237) + kCR;
  else
    text = LoadText(2238) + kCR;
  text += LoadText(2239);
  view_.ShowMessageBox(text, MsgKind::Information, kButtonsOk);
  return n;
}

void Game::Solve1Click() {
  if (core::CountDigits(Board) < 81 &&
      view_.ShowMessageBox(LoadText(2084), MsgKind::Confirmation, kButtonsYesNo) != kResultYes)
    return;
  WarnMultipleSolutions = false;
  ++SolutionViewedCount;
  const core::TBoard board = Board;
  SolveAndCount(board, false);
}

// ---------------------------------------------------------------------------
// Step history

void Game::UpdateStepButtons() {
  view_.SetStepControls(history_.Controls());
}

void Game::RefreshShowmarks() {
  bool any = false;
  core::CheckMarks(Board, any);
  SetEnabled(Command::Showmarks1, any);
}

void Game::GoToStep(int n) {
  core::TStepState state;
  if (history_.GoToStep(n, state)) {
    Board = state.board;
    AskMarksSource = state.askMarksSource;
    MarksReduced = state.marksReduced;
    ComputedBoard = state.computed;
    core::ExtractDigits(Board, Digits);
    RedrawAllCells();
    RefreshShowmarks();
  }
  UpdateStepButtons();
  UpdateCountsDisplay(Board);
}

bool Game::SolvedNow() const {
  return SolutionUnique && core::MatchesSolution(Board, Solution);
}

void Game::UndoStep() {
  if (history_.CurrentStep() > 0) GoToStep(history_.CurrentStep() - 1);
}

void Game::RedoStep() {
  GoToStep(history_.CurrentStep() + 1);
  if (SolvedNow()) PuzzleSolved();
}

void Game::Undoonestep1Click() {
  if (history_.Controls().undo) UndoStep();
}

void Game::RedoButClick() {
  if (history_.Controls().redo) RedoStep();
}

void Game::Gotofirststep1Click() {
  if (history_.Controls().undo) MoveFirstButClick();
}

void Game::MoveLastButClick() {
  GoToStep(history_.Count() - 1);
  if (SolvedNow()) PuzzleSolved();
}

void Game::Gotolaststep1Click() {
  if (history_.Controls().redo) MoveLastButClick();
}

void Game::SetBookmarkButClick() {
  if (history_.BookmarkMoveNeedsConsent() &&
      view_.ShowMessageBox(LoadText(2262), MsgKind::Confirmation, kButtonsYesNo | kButtonsCancel) !=
          kResultYes)
    return;
  history_.SetBookmarkHere();
  UpdateStepButtons();
  view_.BlinkBookmarkButton();
}

void Game::Gotobookmark1Click() {
  if (history_.Controls().goBookmark) GoBookmarkButClick();
}

// ---------------------------------------------------------------------------
// Commands

void Game::UpdateCommands(bool playing, bool hasBoard) {
  const bool some = playing || hasBoard;
  SetEnabled(Command::Savepuzzle1, some);
  SetEnabled(Command::Savepuzzleas1, some);
  SetEnabled(Command::SaveSpeedBut, some);
  SetEnabled(Command::Print1, IsVisible(Command::Print1) && some);
  SetEnabled(Command::PrintSpeedBut,
             IsEnabled(Command::Print1) && IsVisible(Command::PrintSpeedBut));
  SetEnabled(Command::Edit1, IsVisible(Command::Edit1));
  SetEnabled(Command::Editmode1, IsEnabled(Command::Edit1) && !EditMode);
  SetEnabled(Command::Stopeditmode1, IsEnabled(Command::Edit1) && !IsEnabled(Command::Editmode1));
  SetEnabled(Command::ClearFixed1, IsEnabled(Command::Edit1) && EditMode);
  SetEnabled(Command::Calculate1, playing);
  bool anyMarks = false;
  core::CheckMarks(Board, anyMarks);
  SetEnabled(Command::Showmarks1, playing && anyMarks);
  SetEnabled(Command::Competitionmode1, playing && !CompetitionMode && !EditMode);
  SetEnabled(Command::Normalmode1, playing && CompetitionMode && !EditMode);
  SetEnabled(Command::Rate1, playing && IsVisible(Command::Rate1));
  SetEnabled(Command::RateSpeedBut, IsEnabled(Command::Rate1) && IsVisible(Command::RateSpeedBut));
  SetEnabled(Command::Solve1, playing);
  if (playing) {
    SetEnabled(Command::LoadFromDB1, true);
    SetEnabled(Command::Generatenew1, true);
    SetEnabled(Command::Loadpuzzle1, true);
    SetEnabled(Command::OpenSpeedBut, IsEnabled(Command::Loadpuzzle1));
  }
  SetEnabled(Command::HintMenu1, playing);
}

// ---------------------------------------------------------------------------
// Files

std::string Game::DefaultPuzzleFolder() {
  return files::JoinPath(view_.DocumentsFolder(), kAppTitle);
}

int Game::AskStopEditing() {
  return view_.ShowMessageBox(LoadText(2230), MsgKind::Confirmation,
                              kButtonsYesNo | kButtonsCancel);
}

void Game::SetCaptionFileName(const std::string& fileName) {
  PuzzleFileName = fileName;
  std::string caption = kAppTitle;
  if (!fileName.empty()) caption += " - " + files::FileNameOf(fileName);
  view_.SetCaption(caption);
}

void Game::OpenFileButClick() {
  if (EditMode) {
    if (AskStopEditing() != kResultYes) return;
    EndEditMode();
  }
  const std::string remembered = OpenDialogFolder;
  if (!ConfirmSaveFirst()) return;
  if (!files::FolderExists(OpenDialogFolder)) OpenDialogFolder = DefaultPuzzleFolder();
  const auto chosen = view_.AskOpenFileName(OpenDialogFolder);
  if (!chosen) {
    OpenDialogFolder = remembered;
    return;
  }
  ReadPuzzleFile(*chosen);
  RefreshShowmarks();
}

bool Game::ReadPuzzleFile(const std::string& fileName) {
  view_.HideHintWindow();
  const files::TPuzzleRead read = files::ReadPuzzle(std::filesystem::path(fileName));
  if (!read.ok()) {
    view_.ShowMessageBox(LoadText(static_cast<int>(read.failure)) + ":" + kCR + fileName,
                         MsgKind::Error, kButtonsOk);
    return false;
  }

  core::TBoard board{};
  core::LoadDigits(read.clues, board);
  Board = board;
  UpdateCommands(true, true);

  core::ExtractDigits(Board, Clues);
  PuzzleLevel = RateClues ? RateClues(Clues) : 0;
  AskMarksSource = true;
  MarksReduced = read.marksLinePresent;
  StartPuzzle(true, true);

  // A saved game comes back as it was left: its entries and pencil marks go
  // on top of the clues as one more step, so undo returns to the bare puzzle.
  if (read.state || read.marks) {
    const core::TBoard before = Board;
    Board = files::RestoredBoard(read);
    core::ExtractDigits(Board, Digits);
    ComputedBoard = Board;
    core::BuildFromDigits(Digits, ComputedBoard, BlockCounts, RowCounts, ColCounts);
    if (!core::BoardsEqual(before, Board)) {
      AddStep(before, AskMarksSource, MarksReduced);
      view_.RedrawBoard();
      UpdateCountsDisplay(Board);
    }
  }

  PuzzleStored = true;
  SavedBoard = Board;
  SetCaptionFileName(fileName);
  OpenDialogFolder = files::FolderOf(fileName);
  SaveDialogFolder = OpenDialogFolder;
  SaveDialogFileName = fileName;
  return true;
}

bool Game::WritePuzzleFile(const std::string& fileName, const core::TBoard& board,
                           bool includeState, bool includeMarks) {
  if (files::WritePuzzleFile(std::filesystem::path(fileName), board, Clues, includeState,
                             includeMarks))
    return true;
  view_.ShowMessageBox(LoadText(2235), MsgKind::Error, kButtonsOk);
  return false;
}

bool Game::SavePuzzle(bool saveAs) {
  if (EditMode) {
    if (AskStopEditing() != kResultYes) return false;
    EndEditMode();
  }
  const std::string candidate =
      files::FolderExists(OpenDialogFolder) ? OpenDialogFolder : DefaultPuzzleFolder();

  std::string target = SaveDialogFileName;
  // A puzzle read from a plain text file (a collection, say) is never
  // overwritten with .sdk text unasked: the dialog proposes an .sdk name.
  if (PuzzleFileName.empty() || saveAs || target.empty() || !files::HasSdkExtension(target)) {
    const std::string proposed = PuzzleFileName.empty()
                                     ? LoadText(2326)
                                     : files::FileNameOf(files::WithoutExtension(PuzzleFileName));
    std::string folder;
    if (PuzzleFileName.empty()) {
      if (files::FolderExists(candidate) || (!candidate.empty() && files::CreateFolders(candidate)))
        folder = candidate;
    } else if (files::FolderExists(files::FolderOf(PuzzleFileName))) {
      folder = files::FolderOf(PuzzleFileName);
    } else if (files::FolderExists(candidate)) {
      folder = candidate;
    }
    const auto chosen = view_.AskSaveFileName(folder, proposed);
    if (!chosen) return false;
    target = *chosen;
  }

  // A failed write keeps the puzzle marked as unsaved, so that closing the
  // program still offers to save it.
  if (!WritePuzzleFile(target, Board, true, true)) return false;

  SetCaptionFileName(target);
  SaveDialogFileName = target;
  SaveDialogFolder = files::FolderOf(target);
  OpenDialogFolder = SaveDialogFolder;
  PuzzleStored = true;
  SavedBoard = Board;
  return true;
}

bool Game::ConfirmSaveFirst() {
  if (!IsEnabled(Command::File1)) return false;
  if (core::MatchesSolution(Board, Solution) || core::CountDigits(Board) == 0 ||
      (core::BoardsEqual(SavedBoard, Board) && PuzzleStored && !EditMode))
    return true;
  const int answer =
      view_.ShowMessageBox(LoadText(2263), MsgKind::Confirmation, kButtonsYesNo | kButtonsCancel);
  if (answer == kResultNo) return true;
  if (answer != kResultYes) return false;
  return SavePuzzle(false);
}

}  // namespace zentaro::app
