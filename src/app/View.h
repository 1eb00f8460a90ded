#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Clock.h"
#include "app/Commands.h"
#include "app/NewPuzzle.h"
#include "core/MessageBox.h"
#include "core/StepHistory.h"
#include "files/Collection.h"
#include "hints/Explanations.h"
#include "hints/Highlights.h"

namespace zentaro::app {

// The files the program keeps for itself in the user's data folder.
enum class DataFile { KeptGame, Statistics };

// One line of the statistics window, every value ready to be shown.
struct StatisticsRow {
  std::string level, solved, bestTime, averageTime, withoutHelp;
};

// The small progress window (the generator's, reused) that a hint search shows
// while it tries the slower techniques.
struct WaitWindow {
  std::string caption;
  std::string line1, line2;
  bool visible = false;
  bool cancelVisible = false;  // the hint search hides and disables it
  int position = 0;
  int maximum = 100;
};

// What the mistake check marks on the board: digits that differ from the
// solution, and in cells with pencil marks the solution's digit the marks
// leave out (0 where none is missing).
struct MistakeMarks {
  std::array<bool, 81> wrongDigit{};
  std::array<std::uint8_t, 81> missingMark{};
  int wrongDigits = 0;
  int missingMarks = 0;
  bool Any() const { return wrongDigits + missingMarks > 0; }
  bool operator==(const MistakeMarks&) const = default;
};

// The mistakes of a board measured against a solution, indexed as
// core::GridIndex numbers the cells.
MistakeMarks FindMistakes(const core::Board& board, const core::DigitGrid& solution);

// Everything a command does on screen goes through this interface. The
// window implements it; tests replace it with a scripted fake. A modal step
// is one call that returns the modal result.
class View {
 public:
  virtual ~View() = default;

  // Returns Ok, Yes, No, or Cancel for Cancel and for closing the box.
  virtual core::ModalResult ShowMessageBox(const std::string& text, core::MsgKind kind,
                                           unsigned buttons) = 0;

  virtual void RedrawBoard() = 0;
  // 1-based column and row; the game never passes a cell outside the board.
  virtual void RedrawCell(core::CellRef cell) = 0;
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  virtual void SetCommandEnabled(Command command, bool enabled) = 0;
  virtual void SetStepControls(const core::StepControls& controls) = 0;
  // Disables the go-to-bookmark button for a moment so that it blinks once.
  virtual void BlinkBookmarkButton() = 0;

  virtual void HideHintWindow() = 0;

  // --- hint requests -----------------------------------------------------------
  // The three-button question (QuestionDialog): caption, text and the captions of
  // its buttons. Returns Yes for the first, No for the second and Cancel
  // for the third or for closing the dialog.
  virtual core::ModalResult AskThreeButtonQuestion(const std::string& caption,
                                                   const std::string& text,
                                                   const std::string& yesCaption,
                                                   const std::string& noCaption,
                                                   const std::string& cancelCaption) = 0;
  // Places the hint window beside the board before the first stage of a request.
  virtual void PlaceHintWindow() = 0;
  // Shows one stage in the hint window modally: its text, its button caption
  // and widening. Returns Ok when "Concrete &hint", "&Do it !" or "OK" closed
  // it, Cancel for "&Close", Escape or closing. The highlights come separately.
  virtual core::ModalResult ShowHintStage(const hints::HintStage& stage) = 0;
  // The hint highlight layer to paint over the board while `on`; the window
  // repaints the cells it changes.
  virtual void SetHintHighlights(const hints::Highlights& layer, bool on) = 0;
  // The hourglass while busy; false puts back the cursor it replaced.
  virtual void SetBusyCursor(bool busy) = 0;
  // Creates or updates the progress window, repaints it and lets the window
  // handle pending events; CloseWaitWindow frees it.
  virtual void ShowWaitWindow(const WaitWindow& window) = 0;
  virtual void CloseWaitWindow() = 0;

  // --- new puzzles -------------------------------------------------------------
  // The level dialog (LevelDialog), opened with the choice last made: the
  // choice it was closed with by OK, or nothing. It keeps itself open while
  // LevelChoiceAcceptable is false, with message 2323.
  virtual std::optional<LevelChoice> AskLevels(const LevelChoice& /*current*/) {
    return std::nullopt;
  }
  // Busy mode: the Cancel menu item is there only while a puzzle is
  // generated, and the top-level menu items are hidden meanwhile.
  virtual void SetCancelMenuShown(bool /*shown*/) {}
  // While a generation works on the position, the board keeps showing it
  // as it was; the half-made puzzles are never painted.
  virtual void SetBoardFrozen(bool /*frozen*/) {}
  // A puzzle file was read or written; it heads the recent files.
  virtual void FileUsed(const std::string& /*fileName*/) {}
  virtual void SetCommandVisible(Command /*command*/, bool /*visible*/) {}

  // The mistake check's marks, drawn until the next change; an empty set
  // takes them away.
  virtual void SetMistakeMarks(const MistakeMarks& /*marks*/) {}
  // While paused the board shows "Paused" instead of its digits and marks.
  virtual void SetBoardPaused(bool /*paused*/) {}
  // The clock label's text; the game keeps the time and sends each new one.
  virtual void SetClockText(const std::string& text) = 0;
  // Starts or stops the one-second timer that calls Game::ClockTick.
  virtual void SetClockRunning(bool running) = 0;
  // The modal report; Ok for "&New puzzle", Cancel for "&Close" or Escape.
  virtual core::ModalResult ShowSolvedReport(const SolvedReport& report) = 0;

  // The board's two pop-ups, opened at the lower-right corner of the cell
  // (1-based column and row); their items call back into Game.
  virtual void OpenDigitPopup(core::CellRef cell, bool clearEnabled) = 0;
  virtual void OpenMarksPopup(core::CellRef cell, const std::array<bool, 9>& checked) = 0;
  // Shows the highlight button of the digit pressed (bold) and the others
  // released; 0 releases them all.
  virtual void SetHighlightButtons(int digit) = 0;

  // The open and save dialogs: the chosen file, or nothing when cancelled.
  virtual std::optional<std::string> AskOpenFileName(const std::string& folder) = 0;
  virtual std::optional<std::string> AskSaveFileName(const std::string& folder,
                                                     const std::string& proposedName) = 0;
  // The user's documents folder, or empty when the system has none.
  virtual std::string DocumentsFolder() = 0;

  // The system clipboard's plain text (empty when it holds none), and
  // replacing it.
  virtual std::string ClipboardText() { return {}; }
  virtual void SetClipboardText(const std::string& /*text*/) {}

  // --- what the program keeps between runs -----------------------------------
  // The whole content of the file, or nothing when there is none or it
  // cannot be read.
  virtual std::optional<std::string> ReadDataFile(DataFile /*file*/) { return std::nullopt; }
  // Replaces the content whole: a write cut short leaves the old content.
  virtual void WriteDataFile(DataFile /*file*/, const std::string& /*text*/) {}
  virtual void RemoveDataFile(DataFile /*file*/) {}
  // The list of a collection file's puzzles (levels: 1..5 once rated, else
  // 0), opened at `current`: the chosen index, or nothing when cancelled.
  virtual std::optional<std::size_t> ChooseCollectionEntry(
      const std::string& /*fileName*/, const std::vector<files::CollectionEntry>& /*entries*/,
      const std::vector<int>& /*levels*/, std::size_t /*current*/) {
    return std::nullopt;
  }
  virtual void ShowStatistics(const std::vector<StatisticsRow>& /*rows*/) {}
};

}  // namespace zentaro::app
