#pragma once

// Running the hint search without a window: a View that answers every
// question as a player who wants to go on, and a walk that asks for one hint
// after another. The batch tool, the soundness test and the benchmark share
// them, so all three see exactly what the program would do.

#include <functional>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/HintSearch.h"
#include "app/View.h"
#include "core/Board.h"
#include "hints/Explanations.h"

namespace zentaro::app {

struct CellDigit {
  int col = 0;  // 1..9
  int row = 0;  // 1..9
  int digit = 0;
  bool operator==(const CellDigit&) const = default;
};

// What one hint did to the board: digits placed, and candidates taken out of
// cells that stayed empty (the peers of a placed digit are not listed).
struct HintChange {
  std::vector<CellDigit> placed;
  std::vector<CellDigit> eliminated;

  bool Empty() const { return placed.empty() && eliminated.empty(); }
  // "C5=6" for a placement; "A7-8 C9-8" for eliminations, in reading order.
  std::string Text() const;
};

HintChange DiffBoards(const core::Board& before, const core::Board& after);

// Answers "Concrete &hint" and "&Do it !" to every stage, "C&urrent" to the
// question which marks to use, Yes to every Yes/No box (the calculation of
// the candidates), OK to the others and "&Close" to the solved report.
// Everything shown is dropped except the hint stages and message texts.
class GoOnView : public View {
 public:
  std::vector<hints::HintStage> stages;
  std::vector<std::string> messages;

  core::ModalResult ShowMessageBox(const std::string& text, core::MsgKind kind,
                                   unsigned buttons) override;
  void RedrawBoard() override {}
  void RedrawCell(core::CellRef) override {}
  void SetStatusText(int, const std::string&) override {}
  void SetCaption(const std::string&) override {}
  void SetCommandEnabled(Command, bool) override {}
  void SetStepControls(const core::StepControls&) override {}
  void BlinkBookmarkButton() override {}
  void HideHintWindow() override {}
  core::ModalResult AskThreeButtonQuestion(const std::string&, const std::string&,
                                           const std::string&, const std::string&,
                                           const std::string&) override {
    return core::ModalResult::Yes;
  }
  void PlaceHintWindow() override {}
  core::ModalResult ShowHintStage(const hints::HintStage& stage) override {
    stages.push_back(stage);
    return core::ModalResult::Ok;
  }
  void SetHintHighlights(const hints::Highlights&, bool) override {}
  void SetBusyCursor(bool) override {}
  void ShowWaitWindow(const WaitWindow&) override {}
  void CloseWaitWindow() override {}
  void SetClockText(const std::string&) override {}
  void SetClockRunning(bool) override {}
  core::ModalResult ShowSolvedReport(const SolvedReport&) override {
    return core::ModalResult::Cancel;
  }
  void OpenDigitPopup(core::CellRef, bool) override {}
  void OpenMarksPopup(core::CellRef, const std::array<bool, 9>&) override {}
  void SetHighlightButtons(int) override {}
  std::optional<std::string> AskOpenFileName(const std::string&) override { return std::nullopt; }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string DocumentsFolder() override { return {}; }
};

struct WalkStep {
  HintReport hint;
  std::string name;  // HintTechniqueName
  HintChange change;
  core::Board before{};
  std::vector<hints::HintStage> stages;
};

struct WalkResult {
  std::vector<WalkStep> steps;
  bool solved = false;  // every cell filled; otherwise a hint found nothing or changed nothing
};

// Asks for one hint after another, as GoOnView answers, until the board is
// full, no hint is found, or a hint leaves the board as it was (which ends
// the walk rather than asking for the same hint for ever). onStep sees each
// step as it is made.
WalkResult WalkHints(Game& game, GoOnView& view,
                     const std::function<void(const WalkStep&)>& onStep = {});

}  // namespace zentaro::app
