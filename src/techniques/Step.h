#pragma once

// A step of any technique, of either hint ladder: one plain value type per
// family (why one flat variant: docs/HACKING.md).

#include <variant>

#include "techniques/Aic.h"
#include "techniques/AlmostLockedSets.h"
#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/ForcingNets.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Patterns.h"
#include "techniques/Singles.h"
#include "techniques/Subsets.h"

namespace zentaro::techniques {

using Step = std::variant<SingleStep, NakedSubsetStep, PointingStep, ClaimingStep, TwoBlockStep,
                          BasicFishStep, HiddenSubsetStep, ChainStep,
                          // After the chains.
                          FishStep, SkyscraperStep, KiteStep, EmptyRectangleStep, ColouringStep,
                          WingStep, WWingStep, UniqueRectangleStep, BugStep, AicStep, AlsXzStep,
                          ForcingNetStep>;

}  // namespace zentaro::techniques
