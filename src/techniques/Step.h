#pragma once

// A step of any technique the hint ladder and the rating reach through the
// registry: one plain value type per family (why a variant: docs/HACKING.md).

#include <variant>

#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Singles.h"
#include "techniques/Subsets.h"

namespace zentaro::techniques {

using Step = std::variant<SingleStep, NakedSubsetStep, PointingStep, ClaimingStep, TwoBlockStep,
                          BasicFishStep, HiddenSubsetStep, ChainStep>;

}  // namespace zentaro::techniques
