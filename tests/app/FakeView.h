#pragma once

// A View that records what the game shows and answers its questions from
// queues the test fills beforehand. A box or a dialog nobody scripted fails
// the test, and so does a scripted answer left unused at the end.

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameAccess.h"
#include "app/View.h"

namespace zentaro::app::test {

struct ShownBox {
  std::string text;
  core::MsgKind kind;
  unsigned buttons;
};

struct PopupCall {
  int col, row;
  bool clearEnabled;              // digit pop-up
  std::array<bool, 9> checked{};  // pencil-mark pop-up
};

struct SaveDialogCall {
  std::string folder;
  std::string proposedName;
};

class FakeView : public View {
 public:
  ~FakeView() override {
    if (!boxAnswers_.empty())
      ADD_FAILURE() << boxAnswers_.size() << " scripted message box answer(s) never used";
    if (!openAnswers_.empty() || !saveAnswers_.empty())
      ADD_FAILURE() << "scripted file dialog answer(s) never used";
    if (!questionAnswers_.empty() || !stageAnswers_.empty())
      ADD_FAILURE() << "scripted hint answer(s) never used";
  }

  // --- scripting -------------------------------------------------------------
  void AnswerBox(core::ModalResult result) { boxAnswers_.push_back(result); }
  void AnswerOpen(std::optional<std::string> file) { openAnswers_.push_back(std::move(file)); }
  void AnswerSave(std::optional<std::string> file) { saveAnswers_.push_back(std::move(file)); }
  std::string documents;
  std::string clipboard;
  // The three-button question and the hint window's stages, answered in order.
  void AnswerThreeButtonQuestion(core::ModalResult result) { questionAnswers_.push_back(result); }
  void AnswerStage(core::ModalResult result) { stageAnswers_.push_back(result); }
  // Runs while each hint stage is shown, before its answer is given.
  std::function<void(const hints::HintStage&)> onStage;

  // --- what was shown ----------------------------------------------------------
  std::vector<ShownBox> boxes;
  int boardRedraws = 0;
  std::vector<std::pair<int, int>> cellRedraws;
  std::map<int, std::string> statusText;  // last text of each panel
  std::vector<std::string> captions;
  std::map<Command, bool> commands;  // last state set for each command
  std::vector<core::StepControls> stepControls;
  int blinks = 0;
  int hintWindowHides = 0;
  int solvedReports = 0;
  std::vector<SolvedReport> reports;
  core::ModalResult reportAnswer = core::ModalResult::Cancel;  // how each solved report is left
  int clockResets = 0;                                         // times the clock label was cleared
  std::vector<std::string> clockTexts;
  bool clockRunning = false;
  bool boardPaused = false;
  MistakeMarks mistakeMarks;
  std::vector<PopupCall> digitPopups;
  std::vector<PopupCall> marksPopups;
  std::vector<int> highlightButtons;
  std::vector<std::string> openDialogFolders;
  std::vector<SaveDialogCall> saveDialogs;
  // Hint requests: each question, each stage with the layer shown during it,
  // and the state of the cursor, the hint window and the progress window.
  std::vector<std::string> questionTexts;
  std::vector<hints::HintStage> stages;
  std::vector<hints::Highlights> stageLayers;
  hints::Highlights layer{};
  bool layerOn = false;
  int hintWindowPlacements = 0;
  int busyCursorDepth = 0;
  std::vector<WaitWindow> waitWindows;
  bool waitWindowOpen = false;
  // Messages and hint stages shown while a visible progress box stood over them.
  int answersUnderProgress = 0;
  bool ProgressShowing() const {
    return waitWindowOpen && !waitWindows.empty() && waitWindows.back().visible;
  }

  core::StepControls LastControls() const {
    return stepControls.empty() ? core::StepControls{} : stepControls.back();
  }

  // --- View ------------------------------------------------------------------
  core::ModalResult ShowMessageBox(const std::string& text, core::MsgKind kind,
                                   unsigned buttons) override {
    modals.push_back("box");
    boxes.push_back({text, kind, buttons});
    if (ProgressShowing()) ++answersUnderProgress;
    if (boxAnswers_.empty()) {
      ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
      return core::ModalResult::Cancel;
    }
    const core::ModalResult answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
  }
  void RedrawBoard() override { ++boardRedraws; }
  void RedrawCell(core::CellRef cell) override { cellRedraws.emplace_back(cell.col, cell.row); }
  void SetStatusText(int panel, const std::string& text) override { statusText[panel] = text; }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void SetCommandEnabled(Command command, bool enabled) override { commands[command] = enabled; }
  void SetStepControls(const core::StepControls& controls) override {
    stepControls.push_back(controls);
  }
  void BlinkBookmarkButton() override { ++blinks; }
  void HideHintWindow() override { ++hintWindowHides; }
  core::ModalResult ShowSolvedReport(const SolvedReport& report) override {
    ++solvedReports;
    reports.push_back(report);
    return reportAnswer;
  }
  // A new puzzle's clock starts from an empty label.
  void SetClockText(const std::string& text) override {
    if (text.empty()) ++clockResets;
    clockTexts.push_back(text);
  }
  void SetClockRunning(bool running) override { clockRunning = running; }
  void SetBoardPaused(bool paused) override { boardPaused = paused; }
  void SetMistakeMarks(const MistakeMarks& marks) override { mistakeMarks = marks; }
  void OpenDigitPopup(core::CellRef cell, bool clearEnabled) override {
    digitPopups.push_back({cell.col, cell.row, clearEnabled, {}});
  }
  void OpenMarksPopup(core::CellRef cell, const std::array<bool, 9>& checked) override {
    marksPopups.push_back({cell.col, cell.row, false, checked});
  }
  void SetHighlightButtons(int digit) override { highlightButtons.push_back(digit); }

  core::ModalResult AskThreeButtonQuestion(const std::string& caption, const std::string& text,
                                           const std::string& yes, const std::string& no,
                                           const std::string& cancel) override {
    questionTexts.push_back(caption + "|" + text + "|" + yes + "|" + no + "|" + cancel);
    if (questionAnswers_.empty()) {
      ADD_FAILURE() << "unexpected three-button question: \"" << text << "\"";
      return core::ModalResult::Cancel;
    }
    const core::ModalResult answer = questionAnswers_.front();
    questionAnswers_.pop_front();
    return answer;
  }
  void PlaceHintWindow() override { ++hintWindowPlacements; }
  core::ModalResult ShowHintStage(const hints::HintStage& stage) override {
    stages.push_back(stage);
    if (ProgressShowing()) ++answersUnderProgress;
    stageLayers.push_back(layerOn ? layer : hints::Highlights{});
    if (onStage) onStage(stage);
    if (stageAnswers_.empty()) {
      ADD_FAILURE() << "unexpected hint stage: \"" << (stage.lines.empty() ? "" : stage.lines[0])
                    << "\"";
      return core::ModalResult::Cancel;
    }
    const core::ModalResult answer = stageAnswers_.front();
    stageAnswers_.pop_front();
    return answer;
  }
  void SetHintHighlights(const hints::Highlights& shown, bool on) override {
    layer = shown;
    layerOn = on;
  }
  void SetBusyCursor(bool busy) override { busyCursorDepth += busy ? 1 : -1; }
  void ShowWaitWindow(const WaitWindow& window) override {
    waitWindowOpen = true;
    waitWindows.push_back(window);
  }
  void CloseWaitWindow() override { waitWindowOpen = false; }

  std::optional<std::string> AskOpenFileName(const std::string& folder) override {
    openDialogFolders.push_back(folder);
    if (openAnswers_.empty()) {
      ADD_FAILURE() << "unexpected open dialog";
      return std::nullopt;
    }
    auto answer = openAnswers_.front();
    openAnswers_.pop_front();
    return answer;
  }
  std::optional<std::string> AskSaveFileName(const std::string& folder,
                                             const std::string& proposedName) override {
    saveDialogs.push_back({folder, proposedName});
    if (saveAnswers_.empty()) {
      ADD_FAILURE() << "unexpected save dialog";
      return std::nullopt;
    }
    auto answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    return answer;
  }
  std::string DocumentsFolder() override { return documents; }
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }

  // --- between runs ------------------------------------------------------------
  // The data files as they stand, and every write made to them.
  std::map<DataFile, std::string> dataFiles;
  std::vector<std::pair<DataFile, std::string>> dataWrites;
  // "box", "levels", "collection": the modal steps in the order they came.
  std::vector<std::string> modals;
  // Each collection list's entry count, and the answers to give it.
  std::vector<std::size_t> collectionLists;
  std::deque<std::optional<std::size_t>> collectionAnswers;
  std::vector<StatisticsRow> statistics;

  std::optional<std::string> ReadDataFile(DataFile file) override {
    const auto it = dataFiles.find(file);
    if (it == dataFiles.end()) return std::nullopt;
    return it->second;
  }
  void WriteDataFile(DataFile file, const std::string& text) override {
    dataFiles[file] = text;
    dataWrites.emplace_back(file, text);
  }
  void RemoveDataFile(DataFile file) override { dataFiles.erase(file); }
  std::optional<LevelChoice> AskLevels(const LevelChoice&) override {
    modals.push_back("levels");
    return std::nullopt;
  }
  std::optional<std::size_t> ChooseCollectionEntry(
      const std::string&, const std::vector<files::CollectionEntry>& entries,
      const std::vector<int>&, std::size_t) override {
    modals.push_back("collection");
    collectionLists.push_back(entries.size());
    if (collectionAnswers.empty()) {
      ADD_FAILURE() << "unexpected collection list";
      return std::nullopt;
    }
    const auto answer = collectionAnswers.front();
    collectionAnswers.pop_front();
    return answer;
  }
  void ShowStatistics(const std::vector<StatisticsRow>& rows) override { statistics = rows; }

 private:
  std::deque<core::ModalResult> boxAnswers_;
  std::deque<std::optional<std::string>> openAnswers_;
  std::deque<std::optional<std::string>> saveAnswers_;
  std::deque<core::ModalResult> questionAnswers_;
  std::deque<core::ModalResult> stageAnswers_;
};

// --- puzzles and moves shared by the game tests --------------------------------

// A published 27-clue puzzle with one solution (magictour top1465).
inline constexpr std::string_view kPuzzle =
    "..75...311......4.9..4..68....7.8....9.14..53..4.5......58...2..8.2.51..7........";

inline core::DigitGrid GridFromLine(std::string_view line) {
  core::DigitGrid grid{};
  for (int i = 0; i < 81; ++i)
    grid[i] = line[i] >= '1' && line[i] <= '9' ? static_cast<std::uint8_t>(line[i] - '0') : 0;
  return grid;
}

// A complete valid grid made by shifting 1..9 along the rows.
inline core::DigitGrid PatternGrid() {
  core::DigitGrid grid{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c)
      grid[9 * r + c] = static_cast<std::uint8_t>((3 * r + r / 3 + c) % 9 + 1);
  return grid;
}

// Every row, column and block holds 1..9, and every clue is kept.
inline bool IsCompletionOf(const core::DigitGrid& full, const core::DigitGrid& clues) {
  for (int i = 0; i < 81; ++i)
    if (clues[i] != 0 && clues[i] != full[i]) return false;
  for (int u = 0; u < 9; ++u) {
    std::set<int> row, col, block;
    for (int k = 0; k < 9; ++k) {
      row.insert(full[9 * u + k]);
      col.insert(full[9 * k + u]);
      block.insert(full[9 * (3 * (u / 3) + k / 3) + 3 * (u % 3) + k % 3]);
    }
    const std::set<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
    if (row != all || col != all || block != all) return false;
  }
  return true;
}

inline core::Board BoardOfDigits(const core::DigitGrid& grid) {
  core::Board board{};
  core::LoadDigits(grid, board);
  return board;
}

// The grid on the board, started as a new puzzle the way a file read does.
inline void StartWith(Game& game, const core::DigitGrid& grid) {
  PuzzleOf(game).board = BoardOfDigits(grid);
  game.StartPuzzle(true, true);
}

// What the user's digit key does to the boards, ending in one step.
inline void Place(Game& game, int col, int row, int digit) {
  PuzzleOf(game).board.at(col, row) = core::Cell{digit, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  PuzzleOf(game).computed.at(col, row)[core::kDigit] = digit;
  core::RemoveFromPeers(PuzzleOf(game).computed, {col, row});
  core::ExtractDigits(PuzzleOf(game).board, PuzzleOf(game).digits);
  PuzzleOf(game).askMarksSource = true;
  game.AddStep();
}

// Pencil marks set in an empty cell, as one step.
inline void Mark(Game& game, int col, int row, std::initializer_list<int> digits) {
  for (int d : digits) PuzzleOf(game).board.at(col, row).AddCandidate(d);
  game.AddStep();
}

}  // namespace zentaro::app::test
