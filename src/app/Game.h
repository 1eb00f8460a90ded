#pragma once

#include <array>
#include <functional>
#include <string>

#include "app/Clock.h"
#include "app/Commands.h"
#include "app/HintSearch.h"
#include "app/Keys.h"
#include "app/NewPuzzle.h"
#include "app/View.h"
#include "core/Board.h"
#include "core/Random.h"
#include "core/StepHistory.h"
#include "hints/Highlights.h"

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
  int ElapsedSeconds = 0;
  int GeneralHints = 0;
  int ConcreteHints = 0;
  int CandidatesCalculated = 0;
  bool ClockStarted = false;

  // --- files ----------------------------------------------------------------
  std::string PuzzleFileName;
  bool PuzzleStored = true;
  std::string OpenDialogFolder;
  std::string SaveDialogFolder;
  std::string SaveDialogFileName;

  // Rates the clues of a puzzle read from a file (level 1..5, else 0). The
  // constructor sets it to RateFileClues; tests may put their own.
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

  // --- input (the window translates its events into these calls) -----------
  int HighlightDigit = 0;  // 0 = none
  bool CancelRequested = false;
  // Runs the new-puzzle command when the solved report is left with
  // "&New puzzle"; unset, the report just closes.
  std::function<void()> StartNewPuzzle;

  bool HasSelection() const;
  bool IsClue(int col, int row) const;
  // The selected cell just received a digit that stands in one of its units;
  // it stays red until it is drawn again.
  bool IsConflictCell(int col, int row) const;
  // The check marks of the pencil-mark pop-up for the selected cell.
  std::array<bool, 9> MarkChecks() const;

  // col and row as CellAtPoint gives them (1-based, -1 beside the board).
  void FormMouseDown(int col, int row, MouseButton button);
  // overCells: the pointer lies inside the board's cells.
  void FormMouseMove(bool overCells);
  void FormKeyDown(Key key);
  void N12Click(int digit) { PlaceDigit(digit); }
  void N11Click(int digit);
  void Clear2Click();
  void Cancel1Click() { Deselect(); }
  void Cancel2Click() { Deselect(); }
  void CancelMenuClick() { CancelRequested = true; }
  void PlaceDigit(int digit);
  void Deselect();
  // Clicks on the tool panel and the step panel, and on their labels.
  void Panel1MouseDown(MouseButton button);
  void Panel4MouseDown(MouseButton button) { Panel1MouseDown(button); }
  void StepLabMouseDown();
  void Panel1MouseMove();
  // down: the button's state after the click.
  void SpeedButton1Click(int digit, bool down);
  // The Highlight menu items (Ctrl+1 ... Ctrl+9) toggle their button.
  void HighlightMenuClick(int digit);
  // True when the marks were filled in (not refused at the question).
  bool Calculate1Click();
  void Showmarks1Click();

  // --- hints -----------------------------------------------------------------
  hints::Highlights Highlights{};  // what the hint being shown picks out
  bool HintHighlightOn = false;
  // The cell last named by a single-digit hint; 0, 0 when none.
  int HintCol = 0, HintRow = 0;
  THintReport LastHint;
  void HintMenu1Click() { HintButClick(); }
  void HintButClick();
  void Hintonusermarks1Click() { HintSearch(); }
  // One hint request from the checks to the end steps (HintSearch.cpp).
  void HintSearch();

  // --- rating and new puzzles ---------------------------------------------------
  // The program's random numbers (the generator, the rating's chain draw),
  // seeded from the clock; tests seed it themselves.
  core::Random Rng = core::Random::FromClock();
  // The level dialog's choice; the settings GenerateAnyLevel and
  // GenerateLevel1 to GenerateLevel5.
  TLevelChoice LevelChoice;
  void Rate1Click();
  void RateSpeedButClick();
  // The level of a puzzle read from a file: 1..5, or 0 when it cannot be rated.
  int RateFileClues(const core::TDigitGrid& clues);
  // "New puzzle..." (LoadFromDB1, the tool image, the solved report's button).
  void LoadFromFileButClick();
  // Makes puzzles until one of a wanted level stands on the board (true), or
  // until the user cancels (false, with the board, clues and solution back).
  bool GeneratePuzzle(const solver::TWantedLevels& wanted, int targetClues, int& level);
  void EnterBusyMode();
  void LeaveBusyMode();

  // --- clock and solved report ----------------------------------------------
  void ResetPuzzleClock();
  void Timer1Timer();
  // The generator pauses the clock and puts its state back afterwards.
  void SetClockRunning(bool running);
  bool ClockRunning() const { return clockRunning_; }
  TReportCounts ReportCounts() const;
  void PuzzleSolved();

 private:
  friend class HintRequest;
  static constexpr std::size_t Index(Command c) { return static_cast<std::size_t>(c); }
  bool SolvedNow() const;
  void RefreshShowmarks();
  // Leaves clue editing; the full edit mode comes with its own command set.
  void EndEditMode() { EditMode = false; }
  void RedrawCellAt(int col, int row);
  void RedrawAllCells();
  void MoveSelection(int col, int row);
  void MoveByArrow(Key key);
  void AdvanceEditSelection();

  View& view_;
  core::StepHistory history_;
  std::array<bool, kCommandCount> enabled_{};
  std::array<bool, kCommandCount> visible_{};
  int conflictCol_ = 0, conflictRow_ = 0;
  bool clockRunning_ = false;
  // Menu and button states saved by EnterBusyMode, as BusyMenuTag and
  // BusyButtonTag encode them.
  std::array<int, kCommandCount> busyTags_{};
};

}  // namespace zentaro::app
