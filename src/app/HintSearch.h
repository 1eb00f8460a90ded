#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "techniques/Registry.h"
#include "techniques/Step.h"

namespace zentaro::app {

// What a hint request ended up offering: a technique of the registry, or
// None (the request ended before a technique was looked for) or NoHint
// (nothing applies: the trial-and-error advice was shown).
using HintTechnique = techniques::TechniqueId;

// The outcome of the last hint request, kept for whoever drives the game
// without a window (the batch tool, the tests) and for nothing else.
struct HintReport {
  HintTechnique technique = HintTechnique::None;
  // The search step that found it: 1..4 singles, 5..22 the design's ladder
  // and the chains, from 23 on the second ladder (one step per technique).
  int step = 0;
  std::optional<techniques::Step> found;  // none for None and NoHint
  bool explained = false;                 // the explanation ran to its end with OK
  bool applied = false;                   // "&Do it !" changed the board
  // Board just before "&Do it !" changed it (with the marks the step worked on).
  core::Board beforeApply{};
};

// "single candidate", "naked pair", "hidden triple", "X-Wing", "forcing
// chain", ...; the subset techniques take their size from the step.
std::string HintTechniqueName(HintTechnique technique, const std::optional<techniques::Step>& step);

// A technique of the hint ladder and how it is asked.
struct LadderAsk {
  HintTechnique technique;
  techniques::Ask ask;
};
// The rungs of the hint ladder after the singles, up to the chains, from the
// simplest: each way of asking once, and every one for any instance rather
// than only one that leads to a single.
std::vector<LadderAsk> LadderForAnyInstance();

// The second line of the progress window while a hint is searched.
inline constexpr const char* kSearchingForHintText = "Searching for the hint...";

}  // namespace zentaro::app
