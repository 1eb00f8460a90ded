#pragma once

// The second ladder as data: one typed value for any pattern step, and the
// rungs the hint search climbs after the chains, each a registry id with its
// finder.

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/Board.h"
#include "techniques/ForcingNets.h"
#include "techniques/Patterns.h"
#include "techniques/Registry.h"

namespace zentaro::techniques {

// A step of any pattern technique. A plain value: the hint report keeps a
// copy, and std::visit makes every use name each family.
using PatternStep =
    std::variant<FishStep, SkyscraperStep, KiteStep, EmptyRectangleStep, ColouringStep, WingStep,
                 WWingStep, UniqueRectangleStep, BugStep, ForcingNetStep>;

struct PatternRung {
  TechniqueId id;
  // Sound only for a puzzle known to have exactly one solution.
  bool needsUniqueSolution;
  std::optional<PatternStep> (*find)(const core::Board& board);
};

// In the order of kPatternLadder, simplest first.
std::span<const PatternRung> PatternLadder();

// The technique a step belongs to, and its name as the registry gives it.
TechniqueId IdOf(const PatternStep& step);
std::string_view NameOf(const PatternStep& step);

// Carries the step out: its eliminations, or for BUG+1 its placement.
void Apply(const PatternStep& step, core::Board& board);

// Whether a step places a digit rather than taking candidates away.
bool Places(const PatternStep& step);

}  // namespace zentaro::techniques
