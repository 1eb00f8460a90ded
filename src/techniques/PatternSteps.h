#pragma once

// The second ladder as data: the rungs the hint search climbs after the
// chains, each a registry id with its finder.

#include <optional>
#include <span>

#include "core/Board.h"
#include "techniques/AlmostLockedSets.h"
#include "techniques/ForcingNets.h"
#include "techniques/Patterns.h"
#include "techniques/Registry.h"
#include "techniques/Step.h"

namespace zentaro::techniques {

struct PatternRung {
  TechniqueId id;
  // Sound only for a puzzle known to have exactly one solution.
  bool needsUniqueSolution;
  std::optional<Step> (*find)(const core::Board& board);
};

// In the order of kPatternLadder, simplest first.
std::span<const PatternRung> PatternLadder();

}  // namespace zentaro::techniques
