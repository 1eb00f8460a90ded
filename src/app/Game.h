#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Clock.h"
#include "app/Commands.h"
#include "app/HintHost.h"
#include "app/HintSearch.h"
#include "app/Keys.h"
#include "app/NewPuzzle.h"
#include "app/Settings.h"
#include "app/View.h"
#include "hints/Explanations.h"
#include "core/Board.h"
#include "core/Random.h"
#include "core/StepHistory.h"
#include "core/StringTable.h"
#include "files/Collection.h"
#include "files/KeptGame.h"
#include "files/SdkFile.h"
#include "hints/Highlights.h"
#include "rating/Rating.h"

namespace zentaro::app {

// The puzzle on the board and what is derived from it.
struct PuzzleState {
  core::Board board{};     // what the user sees, pencil marks included
  core::Board computed{};  // the same digits with every candidate they allow
  core::Board saved{};     // the board as it was last read or saved
  core::DigitGrid clues{};
  core::DigitGrid digits{};    // the digits of board
  core::DigitGrid solution{};  // valid while solutionUnique
  core::UnitCountTable blockCounts{}, rowCounts{}, colCounts{};
  core::CellRef selected{};  // {0, 0} when none, {-1, -1} after a click beside the board
  int clueCount = 0;
  int emptyCount = 81;
  bool solutionUnique = false;
  int solutionCount = 0;
  bool askMarksSource = true;  // the hint asks which pencil marks to use
  bool marksReduced = false;   // the user's marks are known to be a subset of computed
  bool active = false;         // a puzzle is being played
  bool editMode = false;
  bool generating = false;
  bool cancelRequested = false;  // the user asked to stop a generation
  // The solution of the clues, known when they have exactly one; unlike
  // solution it stays when a wrong digit leaves the board without any.
  bool clueSolutionKnown = false;
  core::DigitGrid clueSolution{};
  int highlightDigit = 0;  // the pressed highlight button; 0 = none
};

// What the solved report sums up, per puzzle.
struct PuzzleCounters {
  int solutionViewed = 0;
  int level = 0;
  int elapsedSeconds = 0;
  int generalHints = 0;
  int concreteHints = 0;
  int candidatesCalculated = 0;
  int mistakeChecks = 0;
  bool clockStarted = false;
};

// The user's choices that outlive a puzzle: the settings, the one copy the
// window shares, and two of the session.
struct Preferences : Settings {
  bool warnMultipleSolutions = true;
  bool competitionMode = false;
};

// The puzzle's file and the folders of the file dialogs.
struct PuzzleFile {
  std::string name;
  bool stored = true;  // nothing to save
  std::string openFolder;
  std::string saveFolder;
  std::string saveName;
};

// The collection file the current puzzle was chosen from.
struct CollectionState {
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::string fileName;
  std::vector<files::CollectionEntry> entries;
  std::vector<int> levels;      // 1..5 once an entry has been played, else 0
  std::size_t current = kNone;  // kNone once another puzzle started
};

// The hint being shown.
struct HintState {
  hints::Highlights highlights{};  // what it picks out
  bool highlightOn = false;
  // The cell last named by a single-digit hint; 0, 0 when none.
  int col = 0, row = 0;
  HintReport last;
};

// Runs an explanation through the hint window, each stage with the board
// highlights it picks out and those it leaves after it; onStage sees each
// stage first. Returns Ok, or Cancel when the player closed the window.
core::ModalResult ShowExplanation(View& view, HintState& hint, const hints::Explanation& explanation,
                                  int& concreteHints,
                                  const std::function<void(const hints::HintStage&)>& onStage = {});

// The program-wide state of the main window and every command on it. All
// screen effects go through the View given at construction. A hint request
// sees it only as its HintHost.
class Game : private HintHost {
 public:
  explicit Game(View& view);

  // What the window and the tests read; they change it only through the
  // commands below.
  const PuzzleState& Puzzle() const { return puzzle_; }
  const PuzzleCounters& Counters() const { return counters_; }
  const Preferences& Prefs() const { return prefs_; }
  // The settings as the window reads them at start-up and changes them
  // through its settings dialog.
  Settings& SettingsInUse() { return prefs_; }
  const PuzzleFile& File() const { return file_; }
  const HintState& Hint() const { return hint_; }

  // Rates the clues of a puzzle read from a file (level 1..5, else 0). The
  // constructor sets it to RateFileClues; tests and the command-line tool
  // may put their own.
  void SetClueRater(std::function<int(const core::DigitGrid&)> rater) {
    rateClues_ = std::move(rater);
  }
  // Runs the new-puzzle command when the solved report is left with
  // "&New puzzle"; unset, the report just closes.
  void SetNewPuzzleHandler(std::function<void()> handler) { startNewPuzzle_ = std::move(handler); }
  // The program's random numbers (the generator, the rating's chain draw),
  // seeded from the clock; tests seed it themselves.
  core::Random& Rng() { return rng_; }

  const core::StepHistory& History() const { return history_; }

  // The state of a window just shown: no puzzle, no edit mode, fresh random
  // numbers.
  void ResetForFirstShow();
  // Where the open and save dialogs start.
  void SetStartFolder(const std::string& folder) { file_.openFolder = file_.saveFolder = folder; }

  // --- board model ----------------------------------------------------------
  // Makes what stands on Board the start of a new puzzle.
  void StartPuzzle(bool takeClues, bool startClock);
  // Makes the position the current puzzle the way reading a puzzle file does:
  // the clues start the puzzle (rated by the clue rater when set), and a
  // board holding further digits or pencil marks follows as one more step.
  void LoadPosition(const core::DigitGrid& clues, const core::Board* state = nullptr,
                    bool marksReduced = false);
  // Counts the empty cells and shows the clue and empty counts.
  int UpdateCountsDisplay(const core::Board& board) override;
  // Records the board, the computed board and the two mark flags as a new step.
  int AddStep() override;

  // --- solving --------------------------------------------------------------
  // Counts up to two solutions; unless silent, shows the first one on the
  // board as a new step and tells the user what was found.
  int SolveAndCount(const core::Board& board, bool silent) override;
  void ViewSolution();

  // --- step history ---------------------------------------------------------
  void GoToStep(int n);
  void UpdateStepButtons();
  void Undo();
  void Redo();
  void GoToFirstStep();
  void GoToLastStep();
  void SetBookmark();
  void GoToBookmark();

  // --- commands -------------------------------------------------------------
  void UpdateCommands(bool playing, bool hasBoard);
  bool IsEnabled(Command c) const { return enabled_[Index(c)]; }
  bool IsVisible(Command c) const { return visible_[Index(c)]; }
  void SetEnabled(Command c, bool enabled) override;
  void SetVisible(Command c, bool visible) { visible_[Index(c)] = visible; }

  // --- files ----------------------------------------------------------------
  void OpenPuzzle();
  // What the open command does once the file is chosen; also the start-up
  // path for a file named on the command line. False when it was not read
  // (the user has been told).
  bool OpenPuzzleFile(const std::string& fileName);
  // A file of the recent list: the questions of the open command (stop
  // editing, save first), then the file. False when it was not opened.
  bool OpenRecentFile(const std::string& fileName);
  // Asks what must be asked before the puzzle is replaced; false when the
  // user chose to keep it.
  bool ReadyToReplacePuzzle();
  bool ReadPuzzleFile(const std::string& fileName);
  // False when the file could not be written (the user has been told).
  bool WritePuzzleFile(const std::string& fileName, const core::Board& board, bool includeState,
                       bool includeMarks);
  bool SavePuzzle(bool saveAs);
  bool ConfirmSaveFirst();
  // True exactly while ConfirmSaveFirst would ask its question.
  bool HasUnsavedChanges() const;
  void SetCaptionFileName(const std::string& fileName);
  // The documents folder followed by the program title.
  std::string DefaultPuzzleFolder();
  core::ModalResult AskStopEditing();
  // The clipboard's text read as a puzzle file would be, and started like one
  // (unsaved, no file name); text of no known shape leaves the board alone.
  void PastePuzzle();
  // The clues (while editing: the digits typed so far) as one 81-character
  // line, '.' for an empty cell.
  void CopyPuzzle();

  // --- edit mode (GameEdit.cpp) ----------------------------------------------
  // "Start editing": asks whether to edit the current puzzle or start from
  // scratch, unless the board is empty.
  void StartEditing();
  // "Stop editing": the digits on the board become the clues of a new puzzle.
  void StopEditing();
  // "Clear all cells" while editing.
  void ClearAllCells();
  // While editing, the cells whose digit stands again in one of their units.
  std::array<bool, 81> EditConflicts() const;

  // --- input (the window translates its events into these calls) -----------

  bool HasSelection() const;
  bool IsClue(core::CellRef cell) const;
  // The selected cell just received a digit that stands in one of its units;
  // it stays red until it is drawn again.
  bool IsConflictCell(core::CellRef cell) const;
  // The check marks of the pencil-mark pop-up for the selected cell.
  std::array<bool, 9> MarkChecks() const;

  // The cell as CellAtPoint gives it; {-1, -1} beside the board.
  void BoardMouseDown(core::CellRef cell, MouseButton button);
  // overCells: the pointer lies inside the board's cells.
  void BoardMouseMove(bool overCells);
  void KeyDown(Key key);
  void ToggleMark(int digit);
  void ClearCell();
  void RequestCancel() { puzzle_.cancelRequested = true; }
  void PlaceDigit(int digit);
  void Deselect();
  // Clicks on the tool panel and the step panel, and on their labels.
  void ToolPanelMouseDown(MouseButton button);
  void StepLabelMouseDown();
  void ToolPanelMouseMove();
  // down: the button's state after the click.
  void HighlightButtonClick(int digit, bool down) override;
  // The Highlight menu items (Ctrl+1 ... Ctrl+9) toggle their button.
  void ToggleHighlight(int digit);
  // True when the marks were filled in (not refused at the question).
  bool FillCandidates() override;
  void RemoveCandidates();

  // --- mistakes (GameMistakes.cpp) --------------------------------------------
  // "Check for mistakes": marks wrong digits and pencil marks that leave out
  // the solution's digit, says how many, and offers to go back to the last
  // step without a mistake.
  void CheckForMistakes();

  // --- hints -----------------------------------------------------------------
  void RequestHint();
  // "Why not here?" for the selected empty cell, in the hint window
  // (GameWhyNot.cpp).
  void WhyNotHere();
  // One hint request from the checks to the end steps (HintSearch.cpp).
  void HintSearch();

  // --- rating and new puzzles ---------------------------------------------------
  void Rate();
  void RateButtonClick();
  // The level of a puzzle read from a file: 1..5, or 0 when it cannot be rated.
  int RateFileClues(const core::DigitGrid& clues);
  // Rates the grid; the exact cover counts of the rating refresh the solution.
  int RateKeepingSolution(const core::DigitGrid& grid, const rating::RateOptions& options,
                          rating::RatingDetails* details = nullptr);
  // "New puzzle..." (LoadFromDB1, the tool image, the solved report's button).
  void NewPuzzle();
  // Makes puzzles until one of a wanted level stands on the board (true), or
  // until the user cancels (false, with the board, clues and solution back).
  bool GeneratePuzzle(const solver::WantedLevels& wanted, int targetClues, int& level);
  void EnterBusyMode();
  void LeaveBusyMode();

  // --- clock and solved report ----------------------------------------------
  void ResetPuzzleClock();
  void ClockTick();
  // The generator pauses the clock and puts its state back afterwards.
  void SetClockRunning(bool running);
  bool ClockRunning() const { return clockRunning_; }
  // Pause hides the board and holds the clock; any key, click or command
  // resumes. Only a puzzle being played can be paused.
  void Pause();
  void Resume();
  bool Paused() const { return (clockHolds_ & kHeldByPause) != 0; }
  // A minimised window holds the clock too: time nobody could play is not
  // counted.
  void SetWindowMinimised(bool minimised);
  ReportCounts CountsForReport() const;
  void PuzzleSolved() override;

  // --- between runs: the kept game, statistics, collections (GameKeeping.cpp)
  // The window once on screen: the kept game is offered first; without one
  // (or refused) the file named opens, else "New puzzle..." runs when asked.
  void StartUp(const std::string& startFile, bool newPuzzleOnStart);
  // Asks whether to continue the kept game; true when it was restored. A
  // damaged copy, or one refused, is removed.
  bool OfferKeptGame();
  // Writes the game in progress to the kept-game file when it changed, or
  // removes the file when there is nothing worth offering; called after
  // every change and on close.
  void KeepGame();
  // The kept-game record of the position; empty when a solved, untouched,
  // saved or edited game leaves nothing to offer.
  std::string KeptGameText() const;
  // The statistics window, per level.
  void ShowStatistics();
  // Today as YYYY-MM-DD, for the statistics; tests put a fixed day.
  void SetToday(std::function<std::string()> today) { today_ = std::move(today); }
  const CollectionState& Collection() const { return collection_; }
  // Starts entry `index` of the listed collection as an opened file would.
  bool StartCollectionEntry(std::size_t index);
  // "Next puzzle in collection".
  void NextInCollection();

 private:
  PuzzleState& HintPosition() override { return puzzle_; }
  HintState& HintDisplay() override { return hint_; }
  PuzzleCounters& HintCounters() override { return counters_; }
  Preferences& HintPreferences() override { return prefs_; }
  View& HintView() override { return view_; }
  static constexpr std::size_t Index(Command c) { return static_cast<std::size_t>(c); }
  bool SolvedNow() const;
  // Lays a saved game's entries and pencil marks over the clues just started,
  // as one more step, so undo returns to the bare puzzle. False when they add
  // nothing.
  bool LayOverClues(const core::Board& state);
  void CheckRestoredGame();
  void RefreshRemoveCandidates();
  // Asks to stop editing before a file is opened or saved or a new puzzle
  // made; true when the caller may go on (editing off).
  bool LeaveEditModeFirst();
  bool PrepareEdit();
  bool ConfirmSavePlayedGame();
  void ApplyEditCommandStates();
  // The one way a puzzle starts from its clues, for a file, a paste and
  // LoadPosition: the clues start it (rated by the clue rater when set) and
  // a board with further digits or marks follows; true when that added a step.
  bool StartFromClues(const core::DigitGrid& clues, bool marksReduced, const core::Board* state);
  // What a file read and a paste share once the text is known to hold a puzzle.
  void StartReadPuzzle(const files::PuzzleRead& read);
  void RedrawCellAt(core::CellRef cell);
  void RedrawAllCells();
  void MoveSelection(core::CellRef cell);
  void MoveByArrow(Key key);
  void AdvanceEditSelection();

  friend struct GameTestAccess;

  // GameKeeping.cpp
  // nullopt when the file is not a collection (it opens as one puzzle).
  std::optional<bool> OpenCollection(const std::string& fileName);
  void RestoreKeptGame(const files::KeptGame& kept, const files::PuzzleRead& read);
  // Records a solve once per puzzle; true when its time is a new best.
  bool RecordSolvedPuzzle();
  void LeaveCollection();
  CollectionState collection_;
  std::string lastKept_;
  bool solveRecorded_ = false;
  bool openingSolved_ = false;  // a file read already solved is no solve of the user's
  std::function<std::string()> today_;

  View& view_;
  PuzzleState puzzle_;
  PuzzleCounters counters_;
  Preferences prefs_;
  PuzzleFile file_;
  HintState hint_;
  std::function<int(const core::DigitGrid&)> rateClues_;
  std::function<void()> startNewPuzzle_;
  core::Random rng_ = core::Random::FromClock();
  core::StepHistory history_;
  std::array<bool, kCommandCount> enabled_{};
  std::array<bool, kCommandCount> visible_{};
  core::CellRef conflict_{};   // the cell shown red; none when off the board
  bool clockRunning_ = false;  // what the game asked of the clock
  // Why the clock stands although the game wants it running.
  static constexpr unsigned kHeldByPause = 1, kHeldByMinimise = 2;
  unsigned clockHolds_ = 0;
  void HoldClock(unsigned reason, bool held);
  bool mistakesShown_ = false;
  void ClearMistakeMarks();
  // The puzzle's level in the status bar's first section while it is played.
  void ShowLevelStatus();
  // Menu and button states saved by EnterBusyMode, as BusyMenuTag and
  // BusyButtonTag encode them.
  std::array<int, kCommandCount> busyTags_{};
};

}  // namespace zentaro::app
