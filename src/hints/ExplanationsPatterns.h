#pragma once

// The explanations of the pattern techniques: a general stage headed by the
// technique's name that teaches the pattern without naming its cells, then
// the concrete stage with the cells, the digits and the conclusion. They
// take the board the finder ran on (before the step) and the step, and
// change nothing.

#include "core/Board.h"
#include "hints/Explanations.h"
#include "techniques/Aic.h"
#include "techniques/AlmostLockedSets.h"
#include "techniques/Patterns.h"

namespace zentaro::hints {

Explanation ExplainFish(const core::Board& board, const techniques::FishStep& step,
                        int helpContext = core::kMainWindowHelpContext);
Explanation ExplainSkyscraper(const core::Board& board, const techniques::SkyscraperStep& step,
                              int helpContext = core::kMainWindowHelpContext);
Explanation ExplainTwoStringKite(const core::Board& board, const techniques::KiteStep& step,
                                 int helpContext = core::kMainWindowHelpContext);
Explanation ExplainEmptyRectangle(const core::Board& board,
                                  const techniques::EmptyRectangleStep& step,
                                  int helpContext = core::kMainWindowHelpContext);
// XY-Wing and XYZ-Wing.
Explanation ExplainWing(const core::Board& board, const techniques::WingStep& step,
                        int helpContext = core::kMainWindowHelpContext);
Explanation ExplainWWing(const core::Board& board, const techniques::WWingStep& step,
                         int helpContext = core::kMainWindowHelpContext);
// Colour trap and colour wrap.
Explanation ExplainColouring(const core::Board& board, const techniques::ColouringStep& step,
                             int helpContext = core::kMainWindowHelpContext);
// Both uniqueness explanations say that the step holds only for a puzzle
// with exactly one solution.
Explanation ExplainUniqueRectangle(const core::Board& board,
                                   const techniques::UniqueRectangleStep& step,
                                   int helpContext = core::kMainWindowHelpContext);
Explanation ExplainBugPlusOne(const core::Board& board, const techniques::BugStep& step,
                              int helpContext = core::kMainWindowHelpContext);

// X-Chain, XY-Chain and the alternating inference chains: the chain's links
// in a fixed-pitch block, one per line, then why its ends rule the
// candidates out.
Explanation ExplainAic(const core::Board& board, const techniques::AicStep& step,
                       int helpContext = core::kMainWindowHelpContext);
// The two almost locked sets, the restricted digit that joins them and the
// digit that goes.
Explanation ExplainAlsXz(const core::Board& board, const techniques::AlsXzStep& step,
                         int helpContext = core::kMainWindowHelpContext);

// The net's links in a fixed-pitch block, one per line, then the break and
// the candidate it rules out.
Explanation ExplainForcingNet(const core::Board& board, const techniques::ForcingNetStep& step,
                              int helpContext = core::kMainWindowHelpContext);

}  // namespace zentaro::hints
