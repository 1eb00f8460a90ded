#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Board.h"
#include "techniques/Step.h"

namespace zentaro::techniques {

// Every technique the program knows, in the order the help presents them.
// None and NoHint are no techniques: they name the two ways a hint request can
// end without one (before any search, and with the trial-and-error advice).
enum class TechniqueId {
  None,
  SingleCandidate,
  HiddenSingle,
  NakedSubset,
  Pointing,
  TwoBlocks,
  Claiming,
  XWing,
  HiddenSubset,
  Swordfish,
  ForcingChain,
  ContradictingChain,
  // The second ladder, after the chains (see kPatternLadder).
  Skyscraper,
  TwoStringKite,
  XYWing,
  FinnedXWing,
  SashimiXWing,
  ColourTrap,
  ColourWrap,
  WWing,
  XYZWing,
  EmptyRectangle,
  FinnedSwordfish,
  SashimiSwordfish,
  Jellyfish,
  UniqueRectangle1,
  UniqueRectangle2,
  UniqueRectangle4,
  BugPlusOne,
  XChain,
  XYChain,
  Aic,
  AlsXz,
  ForcingNet,
  NoHint,
};

struct Ask {
  Reach reach = Reach::AnyInstance;
  int size = 0;  // subsets: 2..4
  Cells cells = Cells::Any;
  ChainPass chain{};
};

// What a technique found. metAny tells, for Reach::ToSingle, whether any
// instance with eliminations was met at all, leading to a single or not; the
// orders use it to decide whether the plain search is worth running.
struct Outcome {
  std::optional<Step> step;
  std::optional<SingleStep> single;    // Reach::ToSingle: the single the step leads to
  TechniqueId id = TechniqueId::None;  // a chain step says which of the two it is
  bool metAny = false;
};

// One row of the registry. find looks on a board it leaves as it is; apply
// carries the first instance out on the board (what find would have
// reported); carryOut puts a step found earlier on the same board into
// effect. The techniques after the chains have only carryOut: the second
// ladder (PatternSteps.h) finds their steps.
struct Technique {
  TechniqueId id;
  std::string_view name;        // as the hints and the help name it
  std::string_view helpAnchor;  // its section in the help's techniques page
  Outcome (*find)(const core::Board& board, const Ask& ask);
  Outcome (*apply)(core::Board& board, const Ask& ask);
  void (*carryOut)(core::Board& board, const Ask& ask, const Step& step);
};

std::span<const Technique> Techniques();
const Technique& TechniqueOf(TechniqueId id);

// The technique a step belongs to, whichever ladder found it.
TechniqueId IdOf(const Step& step);
// The same for a step of one family.
TechniqueId IdOfStep(const SingleStep& step);
TechniqueId IdOfStep(const NakedSubsetStep& step);
TechniqueId IdOfStep(const PointingStep& step);
TechniqueId IdOfStep(const ClaimingStep& step);
TechniqueId IdOfStep(const TwoBlockStep& step);
TechniqueId IdOfStep(const BasicFishStep& step);
TechniqueId IdOfStep(const HiddenSubsetStep& step);
TechniqueId IdOfStep(const ChainStep& step);
TechniqueId IdOfStep(const FishStep& step);
TechniqueId IdOfStep(const SkyscraperStep& step);
TechniqueId IdOfStep(const KiteStep& step);
TechniqueId IdOfStep(const EmptyRectangleStep& step);
TechniqueId IdOfStep(const ColouringStep& step);
TechniqueId IdOfStep(const WingStep& step);
TechniqueId IdOfStep(const WWingStep& step);
TechniqueId IdOfStep(const UniqueRectangleStep& step);
TechniqueId IdOfStep(const BugStep& step);
TechniqueId IdOfStep(const AicStep& step);
TechniqueId IdOfStep(const AlsXzStep& step);
TechniqueId IdOfStep(const ForcingNetStep& step);

// The name the hints and the help show for a step after the chains: its
// technique's row name, so that each name is written once, in the registry.
template <typename StepT>
std::string_view NameOf(const StepT& step) {
  return TechniqueOf(IdOfStep(step)).name;
}
// Whether a step places a digit rather than taking candidates away.
bool Places(const Step& step);

// The name of a step as the hints show it: subsets take their size from the
// step ("naked pair", "hidden triple"), the others their row's name.
std::string TechniqueName(TechniqueId id, const Step& step);

}  // namespace zentaro::techniques
