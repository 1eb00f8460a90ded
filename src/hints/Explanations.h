#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/HelpContexts.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "hints/Highlights.h"
#include "techniques/Registry.h"
#include "techniques/Singles.h"
#include "techniques/Step.h"

namespace zentaro::hints {

enum class StageKind { General, Concrete, Only };

// Make the window `width` wide before the stage, or as wide as the space to
// the screen's right edge allows, but not below `minimum` (see
// WidenHintWindow). A stage with a fixed-pitch block is made wider still,
// within the same edge, when its longest block line needs it, so that a
// diagram of one link per line keeps its lines whole; only the first design's
// chain diagram keeps the plain width, as its hints always had.
struct WindowWidening {
  int width = 400;
  int minimum = 0;
  bool fitFixedPitchLines = true;
  bool operator==(const WindowWidening&) const = default;
};

// One showing of the hint window.
struct HintStage {
  StageKind kind = StageKind::General;
  // The text, one entry per line, "" for an empty line, with the mark-up
  // still in (render with RenderHintText(lines, fixedPitchBlock)).
  std::vector<std::string> lines;
  core::Text buttonCaption = core::Text::ConcreteHintButton;  // the action button's
  int helpContext = core::kMainWindowHelpContext;
  // The whole highlight layer while the stage is shown; it replaces whatever
  // the layer held (the concrete stage starts from a cleared layer).
  Highlights highlights;
  // The layer once the window has closed, whatever the result: the concrete
  // stage takes its unit highlights away and leaves the single cells.
  Highlights highlightsAfter;
  bool fixedPitchBlock = false;           // run the block pass after the mark-up pass
  std::optional<WindowWidening> widen;    // applied before showing
  std::optional<core::CellRef> hintCell;  // becomes the main window's hint cell before showing
  bool countsConcreteHint = false;        // one more concrete hint once it has been shown
};

// An explanation is its stages in order. The caller drives them:
//
//   if (!e.internalError.empty()) { plain message box with it; outcome Cancel; done }
//   for each stage s, in order:
//     set the hint window's help context to s.helpContext;
//     if s.hintCell: remember it as the hint cell;
//     layer := s.highlights; HintHighlightOn := true; repaint the highlighted cells;
//     if s.widen: window rect := WidenHintWindow(rect, screen width, s.widen->width,
//                                                s.widen->minimum, the width the
//                                                block's lines need when fitted);
//     fill the box with RenderHintText(s.lines, s.fixedPitchBlock), ActionBut's caption
//       := LoadText(s.buttonCaption), show modally (the growth rule runs on show) and
//       read the modal result r;
//     if s.countsConcreteHint: ++concrete-hints counter (also when r is Cancel);
//     layer := s.highlightsAfter; repaint;
//     if r != OK: the outcome is Cancel; stop.
//   the outcome is OK: for a General+Concrete explanation that means "&Do it !";
//   for ExplainNoHint (one stage, kind Only) it only acknowledges the advice, after
//   which HintHighlightOn is cleared (its highlightsAfter is empty).
//
// Before the first stage the caller also redraws the previous hint cell
// without highlight and switches off a digit highlight of the tool panel.
// DriveExplanation below is exactly this loop around a stage-showing callback.
struct Explanation {
  std::vector<HintStage> stages;
  std::string internalError;  // "Internal error." for an inconsistent chain result
};

// Runs the loop above: showStage does everything for one stage from setting
// the layer to returning the modal result (Ok goes on, anything else is
// Cancel); showMessage shows a plain message. Returns Ok or Cancel.
core::ModalResult DriveExplanation(
    const Explanation& explanation,
    const std::function<core::ModalResult(const HintStage&)>& showStage,
    const std::function<void(const std::string&)>& showMessage, int& concreteHints);

// Every explanation takes:
// - board: for the singles, the main window's Board as it stands when the
//   explanation starts (without pencil marks when the hint computed them);
//   for all others, the working board the finder ran on, before the step is
//   applied;
// - step: what the finder found;
// - userMarks: true when the user's own complete pencil marks are in use.
// None of them changes anything; they only build the text and highlights.

Explanation ExplainSingleCandidate(const core::Board& board, const techniques::SingleStep& single,
                                   bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainHiddenSingle(const core::Board& board, const techniques::SingleStep& single,
                                bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainPointing(const core::Board& board, const techniques::PointingStep& step,
                            bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainClaiming(const core::Board& board, const techniques::ClaimingStep& step,
                            bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainTwoBlocks(const core::Board& board, const techniques::TwoBlockStep& step,
                             bool userMarks, int helpContext = core::kMainWindowHelpContext);
// The subset's cells are read from the board (empty cells of the unit whose
// candidates lie in the set); whether they all hold exactly the set decides
// the wording.
Explanation ExplainNakedSubset(const core::Board& board, const techniques::NakedSubsetStep& step,
                               bool userMarks, int helpContext = core::kMainWindowHelpContext);
// The subset's cells are the unit's empty cells holding any of its digits.
Explanation ExplainHiddenSubset(const core::Board& board, const techniques::HiddenSubsetStep& step,
                                bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainXWing(const core::Board& board, const techniques::BasicFishStep& step,
                         bool userMarks, int helpContext = core::kMainWindowHelpContext);
Explanation ExplainSwordfish(const core::Board& board, const techniques::BasicFishStep& step,
                             bool userMarks, int helpContext = core::kMainWindowHelpContext);
// An inconsistent step gives internalError and no stages.
Explanation ExplainChains(const core::Board& board, const techniques::ChainStep& step,
                          bool userMarks, int helpContext = core::kMainWindowHelpContext);
// The explanation of any step the hint search offers after the singles (and
// of a single, on the board the singles are explained on).
Explanation ExplainStep(const core::Board& board, const techniques::Step& step, bool userMarks,
                        int helpContext = core::kMainWindowHelpContext);

// The trial-and-error advice; solutionCount above 1 adds the sentence on a
// puzzle that is not good.
Explanation ExplainNoHint(int solutionCount, int helpContext = core::kMainWindowHelpContext);

// A chain as the explanation writes it, one line per link: "B7=4", and
// "C2=5*" for a link taken as a hidden single.
std::vector<std::string> ChainLines(const techniques::ChainPath& path);

// The chain diagram between the "$" and "%" lines, mark-up included: the left
// column for chain A, the right for chain B.
std::vector<std::string> ChainDiagram(const std::vector<std::string>& chainA,
                                      const std::vector<std::string>& chainB);

}  // namespace zentaro::hints
