#pragma once

#include <array>
#include <functional>
#include <string>

#include "app/Commands.h"
#include "app/View.h"
#include "core/Board.h"
#include "core/StepHistory.h"

namespace zentaro::app {

inline constexpr const char* kAppTitle = "Zentaro";

// The program-wide state of the main window and every command on it. All
// screen effects go through the View given at construction.
class Game {
 public:
  explicit Game(View& view);

  // --- puzzle state ---------------------------------------------------------
  core::TBoard Board{};
  core::TBoard ComputedBoard{};
  core::TBoard SavedBoard{};
  core::TDigitGrid Clues{};
  core::TDigitGrid Digits{};
  core::TDigitGrid Solution{};
  core::TUnitCountTable BlockCounts{}, RowCounts{}, ColCounts{};
  int CurCol = 0;
  int CurRow = 0;
  int ClueCount = 0;
  int EmptyCount = 81;
  bool SolutionUnique = false;
  int SolutionCount = 0;
  bool AskMarksSource = true;
  bool MarksReduced = false;
  bool PuzzleActive = false;
  bool EditMode = false;
  bool Generating = false;
  bool RemoveMarksOnFill = true;
  bool WarnMultipleSolutions = true;
  bool CompetitionMode = false;

  // --- per-puzzle counters --------------------------------------------------
  int SolutionViewedCount = 0;
  int PuzzleLevel = 0;

  // --- files ----------------------------------------------------------------
  std::string PuzzleFileName;
  bool PuzzleStored = true;
  std::string OpenDialogFolder;
  std::string SaveDialogFolder;
  std::string SaveDialogFileName;

  // Rates the clues of a puzzle read from a file (level 1..5). Set by the
  // program once the rating is available; until then the level stays 0.
  std::function<int(const core::TDigitGrid&)> RateClues;

  const core::StepHistory& History() const { return history_; }

  // --- board model ----------------------------------------------------------
  // Makes what stands on Board the start of a new puzzle.
  void StartPuzzle(bool takeClues, bool startClock);
  // Counts the empty cells and shows the clue and empty counts.
  int UpdateCountsDisplay(const core::TBoard& board);
  // Records Board, ComputedBoard and the two mark flags as a new step.
  int AddStep(const core::TBoard& oldBoard, bool oldAsk, bool oldReduced);

  // --- solving --------------------------------------------------------------
  // Counts up to two solutions; unless silent, shows the first one on the
  // board as a new step and tells the user what was found.
  int SolveAndCount(const core::TBoard& board, bool silent);
  void Solve1Click();

  // --- step history ---------------------------------------------------------
  void GoToStep(int n);
  void UndoStep();
  void RedoStep();
  void UpdateStepButtons();
  void UndoButClick() { UndoStep(); }
  void Undoonestep1Click();
  void RedoButClick();
  void Redostep1Click() { RedoStep(); }
  void MoveFirstButClick() { GoToStep(0); }
  void Gotofirststep1Click();
  void MoveLastButClick();
  void Gotolaststep1Click();
  void SetBookmarkButClick();
  void Setbookmark1Click() { SetBookmarkButClick(); }
  void GoBookmarkButClick() { GoToStep(history_.Bookmark()); }
  void Gotobookmark1Click();

  // --- commands -------------------------------------------------------------
  void UpdateCommands(bool playing, bool hasBoard);
  bool IsEnabled(Command c) const { return enabled_[Index(c)]; }
  bool IsVisible(Command c) const { return visible_[Index(c)]; }
  void SetEnabled(Command c, bool enabled);
  void SetVisible(Command c, bool visible) { visible_[Index(c)] = visible; }

  // --- files ----------------------------------------------------------------
  void OpenFileButClick();
  bool ReadPuzzleFile(const std::string& fileName);
  // False when the file could not be written (the user has been told).
  bool WritePuzzleFile(const std::string& fileName, const core::TBoard& board, bool includeState,
                       bool includeMarks);
  bool SavePuzzle(bool saveAs);
  void Savepuzzle1Click() { SavePuzzle(false); }
  void Savepuzzleas1Click() { SavePuzzle(true); }
  bool ConfirmSaveFirst();
  void SetCaptionFileName(const std::string& fileName);
  // The documents folder followed by the program title.
  std::string DefaultPuzzleFolder();
  int AskStopEditing();

 private:
  static constexpr std::size_t Index(Command c) { return static_cast<std::size_t>(c); }
  bool SolvedNow() const;
  void RefreshShowmarks();
  // Leaves clue editing; the full edit mode comes with its own command set.
  void EndEditMode() { EditMode = false; }

  View& view_;
  core::StepHistory history_;
  std::array<bool, kCommandCount> enabled_{};
  std::array<bool, kCommandCount> visible_{};
};

}  // namespace zentaro::app
