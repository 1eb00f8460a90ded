#include "app/Game.h"

#include "core/StringTable.h"
#include "files/Paths.h"
#include "files/SdkFile.h"
#include "solver/SolveAndCount.h"

namespace zentaro::app {

core::ModalResult ShowExplanation(View& view, HintState& hint, const hints::Explanation& explanation,
                                  int& concreteHints,
                                  const std::function<void(const hints::HintStage&)>& onStage) {
  const auto showStage = [&](const hints::HintStage& stage) {
    if (onStage) onStage(stage);
    hint.highlights = stage.highlights;
    hint.highlightOn = true;
    view.SetHintHighlights(hint.highlights, true);
    const core::ModalResult result = view.ShowHintStage(stage);
    hint.highlights = stage.highlightsAfter;
    view.SetHintHighlights(hint.highlights, hint.highlightOn);
    return result;
  };
  const auto showMessage = [&](const std::string& text) {
    view.ShowMessageBox(text, core::MsgKind::Information, core::kButtonsOk);
  };
  return hints::DriveExplanation(explanation, showStage, showMessage, concreteHints);
}

using core::kButtonsCancel;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kLineBreak;
using core::LoadText;
using core::ModalResult;
using core::MsgKind;
using core::Text;

Game::Game(View& view) : view_(view) {
  enabled_.fill(true);
  visible_.fill(true);
  // Never shown in this program.
  visible_[Index(Command::GenerateNew)] = false;
  visible_[Index(Command::NormalMode)] = false;
  visible_[Index(Command::CompetitionMode)] = false;
  // Only a puzzle picked from a collection has a next one.
  enabled_[Index(Command::NextInCollection)] = false;
  // A puzzle read from a file gets its level from a silent interactive rating.
  rateClues_ = [this](const core::DigitGrid& clues) { return RateFileClues(clues); };
}

void Game::ResetForFirstShow() {
  puzzle_.solutionUnique = false;
  puzzle_.askMarksSource = true;
  puzzle_.active = false;
  puzzle_.editMode = false;
  puzzle_.marksReduced = false;
  prefs_.warnMultipleSolutions = true;
  rng_ = core::Random::FromClock();
}

bool Game::LayOverClues(const core::Board& state) {
  const core::Board before = puzzle_.board;
  puzzle_.board = state;
  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  puzzle_.computed = puzzle_.board;
  core::BuildFromDigits(puzzle_.digits, puzzle_.computed, puzzle_.blockCounts, puzzle_.rowCounts,
                        puzzle_.colCounts);
  if (core::BoardsEqual(before, puzzle_.board)) return false;
  AddStep();
  UpdateCountsDisplay(puzzle_.board);
  return true;
}

bool Game::StartFromClues(const core::DigitGrid& clues, bool marksReduced,
                          const core::Board* state) {
  core::Board board{};
  core::LoadDigits(clues, board);
  puzzle_.board = board;
  UpdateCommands(true, true);
  puzzle_.clues = clues;
  counters_.level = rateClues_ ? rateClues_(clues) : 0;
  puzzle_.askMarksSource = true;
  puzzle_.marksReduced = marksReduced;
  StartPuzzle(true, true);
  // A game in progress comes back as it was left: its entries and pencil
  // marks go on top of the clues as one more step, so undo returns to the
  // bare puzzle.
  return state != nullptr && LayOverClues(*state);
}

void Game::LoadPosition(const core::DigitGrid& clues, const core::Board* state, bool marksReduced) {
  StartFromClues(clues, marksReduced, state);
  if (state == nullptr) return;
  puzzle_.saved = puzzle_.board;
  CheckRestoredGame();
}

void Game::SetEnabled(Command c, bool enabled) {
  enabled_[Index(c)] = enabled;
  view_.SetCommandEnabled(c, enabled);
}

// ---------------------------------------------------------------------------
// Board model

void Game::ShowLevelStatus() {
  const bool known =
      puzzle_.active && !puzzle_.editMode && counters_.level >= 1 && counters_.level <= 5;
  view_.SetStatusText(0, known ? rating::LevelName(counters_.level) : std::string());
}

int Game::UpdateCountsDisplay(const core::Board& board) {
  puzzle_.emptyCount = 81 - core::CountDigits(board);
  view_.SetStatusText(1, LoadText(Text::CluesLabel) + " " + std::to_string(puzzle_.clueCount) +
                             "    " + LoadText(Text::EmptyLabel) + " " +
                             std::to_string(puzzle_.emptyCount));
  return puzzle_.emptyCount;
}

int Game::AddStep() {
  ClearMistakeMarks();
  const int step = history_.AddStep(puzzle_.board, puzzle_.askMarksSource, puzzle_.marksReduced,
                                    puzzle_.computed);
  UpdateStepButtons();
  return step;
}

void Game::StartPuzzle(bool takeClues, bool startClock) {
  Resume();
  LeaveCollection();
  prefs_.warnMultipleSolutions = startClock;
  if (IsVisible(Command::Rate)) {
    SetEnabled(Command::Rate, true);
    SetEnabled(Command::RateButton, IsVisible(Command::RateButton));
  }
  SetEnabled(Command::ViewSolution, true);

  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  if (takeClues) puzzle_.clues = puzzle_.digits;
  puzzle_.clueCount = core::CountFilled(puzzle_.clues);
  UpdateCountsDisplay(puzzle_.board);

  history_.Clear();
  UpdateStepButtons();
  puzzle_.selected = {};

  puzzle_.computed = puzzle_.board;
  core::BuildFromDigits(puzzle_.digits, puzzle_.computed, puzzle_.blockCounts, puzzle_.rowCounts,
                        puzzle_.colCounts);
  AddStep();

  puzzle_.active = true;
  ShowLevelStatus();
  puzzle_.solutionUnique = false;
  puzzle_.solutionCount = SolveAndCount(puzzle_.board, true);
  puzzle_.clueSolutionKnown = puzzle_.solutionUnique;
  puzzle_.clueSolution = puzzle_.solution;
  SetEnabled(Command::CheckMistakes, puzzle_.clueSolutionKnown);
  view_.RedrawBoard();
  puzzle_.saved = puzzle_.board;
  if (startClock) {
    view_.SetClockText(std::string());
    ResetPuzzleClock();
  }
}

// ---------------------------------------------------------------------------
// Solving

int Game::SolveAndCount(const core::Board& board, bool silent) {
  const int n = solver::SolveAndCount(board, puzzle_.solution, puzzle_.solutionUnique);
  if (silent) return n;

  if (n == 0) {
    view_.ShowMessageBox(LoadText(Text::NoSolution), MsgKind::Error, kButtonsOk);
    return n;
  }
  puzzle_.selected = {};
  puzzle_.digits = puzzle_.solution;
  core::LoadDigits(puzzle_.digits, puzzle_.board);
  // The computed board follows the digits before the step is recorded, so
  // that going back to this step later restores a consistent pair.
  puzzle_.computed = puzzle_.board;
  AddStep();
  view_.RedrawBoard();
  UpdateCountsDisplay(puzzle_.board);

  std::string text;
  if (n >= 2)
    text = LoadText(Text::MultipleSolutions) + kLineBreak + LoadText(Text::OneOfTheSolutions) +
           kLineBreak;
  else
    text = LoadText(Text::OnlySolution) + kLineBreak;
  text += LoadText(Text::StepBackToRestore);
  view_.ShowMessageBox(text, MsgKind::Information, kButtonsOk);
  return n;
}

void Game::ViewSolution() {
  if (core::CountDigits(puzzle_.board) < 81 &&
      view_.ShowMessageBox(LoadText(Text::ViewSolutionQuestion), MsgKind::Confirmation,
                           kButtonsYesNo) != ModalResult::Yes)
    return;
  prefs_.warnMultipleSolutions = false;
  ++counters_.solutionViewed;
  const core::Board board = puzzle_.board;
  SolveAndCount(board, false);
}

// ---------------------------------------------------------------------------
// Step history

void Game::UpdateStepButtons() {
  view_.SetStepControls(history_.Controls());
}

void Game::RefreshRemoveCandidates() {
  bool any = false;
  core::CheckMarks(puzzle_.board, any);
  SetEnabled(Command::RemoveCandidates, any);
}

void Game::GoToStep(int n) {
  ClearMistakeMarks();
  core::StepState state;
  if (history_.GoToStep(n, state)) {
    puzzle_.board = state.board;
    puzzle_.askMarksSource = state.askMarksSource;
    puzzle_.marksReduced = state.marksReduced;
    puzzle_.computed = state.computed;
    core::ExtractDigits(puzzle_.board, puzzle_.digits);
    RedrawAllCells();
    RefreshRemoveCandidates();
  }
  UpdateStepButtons();
  UpdateCountsDisplay(puzzle_.board);
}

bool Game::SolvedNow() const {
  return puzzle_.solutionUnique && core::MatchesSolution(puzzle_.board, puzzle_.solution);
}

// The step commands do nothing where their button is disabled, so the menu
// items and keys, which are always there, behave like the buttons.
void Game::Undo() {
  if (history_.Controls().undo) GoToStep(history_.CurrentStep() - 1);
}

void Game::Redo() {
  if (!history_.Controls().redo) return;
  GoToStep(history_.CurrentStep() + 1);
  if (SolvedNow()) PuzzleSolved();
}

void Game::GoToFirstStep() {
  if (history_.Controls().undo) GoToStep(0);
}

void Game::GoToLastStep() {
  if (!history_.Controls().redo) return;
  GoToStep(history_.Count() - 1);
  if (SolvedNow()) PuzzleSolved();
}

void Game::SetBookmark() {
  if (history_.BookmarkMoveNeedsConsent() &&
      view_.ShowMessageBox(LoadText(Text::MoveBookmarkQuestion), MsgKind::Confirmation,
                           kButtonsYesNo | kButtonsCancel) != ModalResult::Yes)
    return;
  history_.SetBookmarkHere();
  UpdateStepButtons();
  view_.BlinkBookmarkButton();
}

void Game::GoToBookmark() {
  if (history_.Controls().goBookmark) GoToStep(history_.Bookmark());
}

// ---------------------------------------------------------------------------
// Commands

void Game::UpdateCommands(bool playing, bool hasBoard) {
  const bool some = playing || hasBoard;
  SetEnabled(Command::SaveFile, some);
  SetEnabled(Command::SaveFileAs, some);
  SetEnabled(Command::SaveButton, some);
  SetEnabled(Command::Print, IsVisible(Command::Print) && some);
  SetEnabled(Command::PrintButton, IsEnabled(Command::Print) && IsVisible(Command::PrintButton));
  SetEnabled(Command::EditMenu, IsVisible(Command::EditMenu));
  SetEnabled(Command::EditMode, IsEnabled(Command::EditMenu) && !puzzle_.editMode);
  SetEnabled(Command::StopEditMode, IsEnabled(Command::EditMenu) && !IsEnabled(Command::EditMode));
  SetEnabled(Command::ClearClues, IsEnabled(Command::EditMenu) && puzzle_.editMode);
  SetEnabled(Command::FillCandidates, playing);
  bool anyMarks = false;
  core::CheckMarks(puzzle_.board, anyMarks);
  SetEnabled(Command::RemoveCandidates, playing && anyMarks);
  SetEnabled(Command::CompetitionMode, playing && !prefs_.competitionMode && !puzzle_.editMode);
  SetEnabled(Command::NormalMode, playing && prefs_.competitionMode && !puzzle_.editMode);
  SetEnabled(Command::Rate, playing && IsVisible(Command::Rate));
  SetEnabled(Command::RateButton, IsEnabled(Command::Rate) && IsVisible(Command::RateButton));
  SetEnabled(Command::ViewSolution, playing);
  if (playing) {
    SetEnabled(Command::NewPuzzle, true);
    SetEnabled(Command::GenerateNew, true);
    SetEnabled(Command::OpenFile, true);
    SetEnabled(Command::OpenButton, IsEnabled(Command::OpenFile));
  }
  SetEnabled(Command::Hint, playing);
}

// ---------------------------------------------------------------------------
// Files

std::string Game::DefaultPuzzleFolder() {
  return files::JoinPath(view_.DocumentsFolder(), core::kAppTitle);
}

bool Game::LeaveEditModeFirst() {
  if (!puzzle_.editMode) return true;
  if (AskStopEditing() != ModalResult::Yes) return false;
  StopEditing();
  return !puzzle_.editMode;
}

core::ModalResult Game::AskStopEditing() {
  return view_.ShowMessageBox(LoadText(Text::StopEditingQuestion), MsgKind::Confirmation,
                              kButtonsYesNo | kButtonsCancel);
}

void Game::SetCaptionFileName(const std::string& fileName) {
  file_.name = fileName;
  std::string caption = core::kAppTitle;
  if (!fileName.empty()) caption += " - " + files::FileNameOf(fileName);
  view_.SetCaption(caption);
}

bool Game::ReadyToReplacePuzzle() {
  return LeaveEditModeFirst() && ConfirmSaveFirst();
}

void Game::OpenPuzzle() {
  const std::string remembered = file_.openFolder;
  if (!ReadyToReplacePuzzle()) return;
  if (!files::FolderExists(file_.openFolder)) file_.openFolder = DefaultPuzzleFolder();
  const auto chosen = view_.AskOpenFileName(file_.openFolder);
  if (!chosen) {
    file_.openFolder = remembered;
    return;
  }
  OpenPuzzleFile(*chosen);
}

bool Game::OpenRecentFile(const std::string& fileName) {
  return ReadyToReplacePuzzle() && OpenPuzzleFile(fileName);
}

bool Game::OpenPuzzleFile(const std::string& fileName) {
  if (const std::optional<bool> opened = OpenCollection(fileName)) return *opened;
  const bool read = ReadPuzzleFile(fileName);
  RefreshRemoveCandidates();
  return read;
}

bool Game::ReadPuzzleFile(const std::string& fileName) {
  view_.HideHintWindow();
  const files::PuzzleRead read = files::ReadPuzzle(std::filesystem::path(fileName));
  if (!read.ok()) {
    view_.ShowMessageBox(LoadText(static_cast<int>(read.failure)) + ":" + kLineBreak + fileName,
                         MsgKind::Error, kButtonsOk);
    return false;
  }

  StartReadPuzzle(read);
  file_.stored = true;
  puzzle_.saved = puzzle_.board;
  SetCaptionFileName(fileName);
  file_.openFolder = files::FolderOf(fileName);
  file_.saveFolder = file_.openFolder;
  file_.saveName = fileName;
  if (read.state) CheckRestoredGame();
  view_.FileUsed(fileName);
  return true;
}

void Game::StartReadPuzzle(const files::PuzzleRead& read) {
  const core::Board restored = files::RestoredBoard(read);
  const bool inProgress = read.state || read.marks;
  if (StartFromClues(read.clues, read.marksLinePresent, inProgress ? &restored : nullptr))
    view_.RedrawBoard();
}

// Restored entries get the checks a placed digit gets, so that a game saved
// when finished opens as finished, with the clock stopped and the report.
void Game::CheckRestoredGame() {
  if (!puzzle_.solutionUnique) puzzle_.solutionCount = SolveAndCount(puzzle_.board, true);
  if (!SolvedNow()) return;
  openingSolved_ = true;
  PuzzleSolved();
  openingSolved_ = false;
}

bool Game::WritePuzzleFile(const std::string& fileName, const core::Board& board, bool includeState,
                           bool includeMarks) {
  if (files::WritePuzzleFile(std::filesystem::path(fileName), board, puzzle_.clues, includeState,
                             includeMarks))
    return true;
  view_.ShowMessageBox(LoadText(Text::FileWriteError), MsgKind::Error, kButtonsOk);
  return false;
}

bool Game::SavePuzzle(bool saveAs) {
  if (!LeaveEditModeFirst()) return false;
  const std::string candidate =
      files::FolderExists(file_.openFolder) ? file_.openFolder : DefaultPuzzleFolder();

  std::string target = file_.saveName;
  // A puzzle read from a plain text file (a collection, say) is never
  // overwritten with .sdk text unasked: the dialog proposes an .sdk name.
  if (file_.name.empty() || saveAs || target.empty() || !files::HasSdkExtension(target)) {
    const std::string proposed = file_.name.empty()
                                     ? LoadText(Text::GenerationCaption)
                                     : files::FileNameOf(files::WithoutExtension(file_.name));
    std::string folder;
    if (file_.name.empty()) {
      if (files::FolderExists(candidate) || (!candidate.empty() && files::CreateFolders(candidate)))
        folder = candidate;
    } else if (files::FolderExists(files::FolderOf(file_.name))) {
      folder = files::FolderOf(file_.name);
    } else if (files::FolderExists(candidate)) {
      folder = candidate;
    }
    const auto chosen = view_.AskSaveFileName(folder, proposed);
    if (!chosen) return false;
    target = *chosen;
  }

  // A failed write keeps the puzzle marked as unsaved, so that closing the
  // program still offers to save it.
  if (!WritePuzzleFile(target, puzzle_.board, true, true)) return false;

  SetCaptionFileName(target);
  file_.saveName = target;
  file_.saveFolder = files::FolderOf(target);
  file_.openFolder = file_.saveFolder;
  file_.stored = true;
  puzzle_.saved = puzzle_.board;
  view_.FileUsed(target);
  return true;
}

bool Game::HasUnsavedChanges() const {
  return IsEnabled(Command::FileMenu) && !core::MatchesSolution(puzzle_.board, puzzle_.solution) &&
         core::CountDigits(puzzle_.board) != 0 &&
         !(core::BoardsEqual(puzzle_.saved, puzzle_.board) && file_.stored && !puzzle_.editMode);
}

bool Game::ConfirmSaveFirst() {
  if (!IsEnabled(Command::FileMenu)) return false;
  if (!HasUnsavedChanges()) return true;
  const ModalResult answer = view_.ShowMessageBox(
      LoadText(Text::SaveFirstQuestion), MsgKind::Confirmation, kButtonsYesNo | kButtonsCancel);
  if (answer == ModalResult::No) return true;
  if (answer != ModalResult::Yes) return false;
  return SavePuzzle(false);
}

// ---------------------------------------------------------------------------
// Clipboard

namespace {

// Nine blanks are an empty row of the nine-line shape, not padding.
bool IsPadding(std::string_view line) {
  return line.size() != 9 && line.find_first_not_of(" \t") == std::string_view::npos;
}

// Text copied from a web page or a mail often comes with blank lines around
// it and blanks around a one-line puzzle; the file shapes allow neither.
std::string TidyClipboardText(std::string_view text) {
  if (text.size() > files::kMaxPuzzleFileSize) text = text.substr(0, files::kMaxPuzzleFileSize);
  std::vector<std::string_view> lines = files::SplitLines(text);
  while (!lines.empty() && IsPadding(lines.front())) lines.erase(lines.begin());
  while (!lines.empty() && IsPadding(lines.back())) lines.pop_back();
  std::string tidy;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (i == 0 && line.size() != 81) {
      const auto first = line.find_first_not_of(" \t");
      const auto last = line.find_last_not_of(" \t");
      if (last - first + 1 == 81) line = line.substr(first, 81);
    }
    tidy.append(line);
    tidy += "\r\n";
  }
  return tidy;
}

}  // namespace

void Game::PastePuzzle() {
  if (puzzle_.generating) return;
  // An .sdk name lets pasted .sdk text be read by its sections; the plain
  // shapes are found either way.
  const files::PuzzleRead read =
      files::ReadPuzzle("clipboard.sdk", TidyClipboardText(view_.ClipboardText()));
  if (!read.ok()) {
    view_.ShowMessageBox(LoadText(Text::UnknownFileFormat), MsgKind::Error, kButtonsOk);
    return;
  }
  if (!LeaveEditModeFirst() || !ConfirmSaveFirst()) return;
  view_.HideHintWindow();
  StartReadPuzzle(read);
  // Nothing of it is in a file yet: closing or replacing it offers to save.
  file_.stored = false;
  file_.saveName.clear();
  SetCaptionFileName(std::string());
  if (read.state) CheckRestoredGame();
  RefreshRemoveCandidates();
}

void Game::CopyPuzzle() {
  const core::DigitGrid grid =
      puzzle_.editMode ? core::ExtractDigits(puzzle_.board) : puzzle_.clues;
  std::string line(81, '.');
  for (int i = 0; i < 81; ++i)
    if (grid[i] != 0) line[i] = static_cast<char>('0' + grid[i]);
  view_.SetClipboardText(line);
}

}  // namespace zentaro::app
