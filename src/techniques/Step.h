#pragma once

// A step of any technique the hint ladder and the rating reach through the
// registry: one plain value type per family. Until a family has its own, its
// step is the shared record.

#include <variant>

#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Singles.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

using Step = std::variant<TechniqueResult, SingleStep, PointingStep, ClaimingStep, TwoBlockStep,
                          BasicFishStep, ChainStep>;

}  // namespace zentaro::techniques
