// The registry: one row per technique. The finders keep their working tables
// to themselves; a row only says how an order reaches them.

#include "techniques/Registry.h"

#include <algorithm>
#include <array>
#include <bit>
#include <variant>

#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Patterns.h"
#include "techniques/Subsets.h"
#include "techniques/ToSingle.h"

namespace zentaro::techniques {

using core::Board;

namespace {

// A technique whose instances can be passed over one by one: Find and Apply
// take the instances to leave out, MarkTried adds one to them. The search for
// an instance leading to a single walks them with that (ToSingle.h).
template <typename StepT, typename Tried, std::optional<StepT> (*Find)(const Board&, const Tried&),
          std::optional<StepT> (*ApplyFirst)(Board&, const Tried&),
          void (*Mark)(Tried&, const StepT&)>
struct Walked {
  static ToSingleSearch<StepT> Leading(const Board& board) {
    return SearchToSingle<StepT>(board, Tried{}, ApplyFirst, Mark);
  }

  // metAny is only asked of the search for a step leading to a single.
  static Outcome Found(std::optional<StepT> step, TechniqueId id, bool metAny,
                       std::optional<SingleStep> single = std::nullopt) {
    Outcome out;
    out.metAny = metAny;
    if (step) {
      out.step = *step;
      out.id = id;
      out.single = single;
    }
    return out;
  }

  template <TechniqueId Id>
  static Outcome FindOn(const Board& board, const Ask& ask) {
    if (ask.reach != Reach::ToSingle) {
      std::optional<StepT> step = Find(board, Tried{});
      return Found(step, Id, false);
    }
    const ToSingleSearch<StepT> search = Leading(board);
    if (!search.found) return Found(std::nullopt, Id, search.metAny);
    return Found(search.found->step, Id, true, search.found->single);
  }

  template <TechniqueId Id>
  static Outcome ApplyOn(Board& board, const Ask& ask) {
    if (ask.reach != Reach::ToSingle) {
      std::optional<StepT> step = ApplyFirst(board, Tried{});
      return Found(step, Id, false);
    }
    const ToSingleSearch<StepT> search = Leading(board);
    if (!search.found) return Found(std::nullopt, Id, search.metAny);
    board = search.found->after;
    return Found(search.found->step, Id, true, search.found->single);
  }

  template <TechniqueId Id>
  static void CarryOut(Board& board, const Ask& ask, const Step& /*step*/) {
    // The search meets the step it reported first again.
    ApplyOn<Id>(board, ask);
  }

  template <TechniqueId Id>
  static constexpr Technique Row(std::string_view name, std::string_view anchor) {
    return {Id, name, anchor, FindOn<Id>, ApplyOn<Id>, CarryOut<Id>};
  }
};

using PointingWalk = Walked<PointingStep, PointingTried, FindPointing, ApplyPointing, MarkTried>;
using ClaimingWalk =
    Walked<ClaimingStep, ClaimingTriedBoth, FindClaiming, ApplyClaiming, MarkTried>;
using TwoBlockWalk =
    Walked<TwoBlockStep, TwoBlockTried, FindTwoBlockLock, ApplyTwoBlockLock, MarkTried>;
// The subsets take their size, and the naked ones the exactness of their
// cells, from the ask. A naked subset is passed over an elimination at a
// time: the skip count walks past the candidates an instance took.
struct NakedSubsets {
  static Outcome Found(std::optional<NakedSubsetStep> step, bool metAny,
                       std::optional<SingleStep> single = std::nullopt) {
    Outcome out;
    out.metAny = metAny;
    if (step) {
      out.step = *step;
      out.id = TechniqueId::NakedSubset;
      out.single = single;
    }
    return out;
  }

  static ToSingleSearch<NakedSubsetStep> Leading(const Board& board, const Ask& ask) {
    return SearchToSingle<NakedSubsetStep>(
        board, 0,
        [&ask](Board& work, int skipCount) {
          return ApplyNakedSubset(work, ask.size, ask.cells, skipCount);
        },
        [](int& skipCount, const NakedSubsetStep&) { ++skipCount; });
  }

  static Outcome FindOn(const Board& board, const Ask& ask) {
    if (ask.reach != Reach::ToSingle)
      return Found(FindNakedSubset(board, ask.size, ask.cells), false);
    const ToSingleSearch<NakedSubsetStep> search = Leading(board, ask);
    if (!search.found) return Found(std::nullopt, search.metAny);
    return Found(search.found->step, true, search.found->single);
  }

  static Outcome ApplyOn(Board& board, const Ask& ask) {
    if (ask.reach != Reach::ToSingle)
      return Found(ApplyNakedSubset(board, ask.size, ask.cells), false);
    const ToSingleSearch<NakedSubsetStep> search = Leading(board, ask);
    if (!search.found) return Found(std::nullopt, search.metAny);
    board = search.found->after;
    return Found(search.found->step, true, search.found->single);
  }

  static void CarryOut(Board& board, const Ask& ask, const Step& /*step*/) { ApplyOn(board, ask); }
};

struct HiddenSubsets {
  static Outcome Found(std::optional<HiddenSubsetStep> step) {
    Outcome out;
    if (step) {
      out.step = *step;
      out.id = TechniqueId::HiddenSubset;
    }
    return out;
  }

  static Outcome FindOn(const Board& board, const Ask& ask) {
    return Found(FindHiddenSubset(board, ask.size));
  }

  static Outcome ApplyOn(Board& board, const Ask& ask) {
    return Found(ask.reach == Reach::EveryUnit ? ApplyHiddenSubsetsInEveryUnit(board, ask.size)
                                               : ApplyHiddenSubset(board, ask.size));
  }

  static void CarryOut(Board& board, const Ask& ask, const Step& /*step*/) { ApplyOn(board, ask); }
};

using XWingWalk = Walked<BasicFishStep, FishTried, FindXWing, ApplyXWing, MarkTried>;
using SwordfishWalk = Walked<BasicFishStep, FishTried, FindSwordfish, ApplySwordfish, MarkTried>;

// A chain is forcing (its digit placed) or, when the pass allows it,
// contradicting (the start cell's other candidate placed).
Outcome ChainOutcome(const std::optional<ChainStep>& step) {
  Outcome out;
  if (step) {
    out.step = *step;
    out.id = step->excludedDigit > 0 ? TechniqueId::ContradictingChain : TechniqueId::ForcingChain;
  }
  return out;
}

Outcome FindChains(const Board& board, const Ask& ask) {
  return ChainOutcome(FindChain(board, ask.chain));
}

Outcome ApplyChains(Board& board, const Ask& ask) {
  return ChainOutcome(ApplyChain(board, ask.chain));
}

// Either way a chain ends in one placement, which the step names.
void PlaceChainConclusion(Board& board, const Ask& /*ask*/, const Step& step) {
  Apply(std::get<ChainStep>(step), board);
}

using enum TechniqueId;

constexpr Technique NoSearch(TechniqueId id, std::string_view name, std::string_view anchor) {
  return {id, name, anchor, nullptr, nullptr, nullptr};
}

// A technique after the chains: the second ladder finds its steps
// (PatternSteps.h), and a step found carries itself out.
template <typename S>
void ApplyFound(Board& board, const Ask& /*ask*/, const Step& step) {
  Apply(std::get<S>(step), board);
}
template <typename S>
constexpr Technique Pattern(TechniqueId id, std::string_view name, std::string_view anchor) {
  return {id, name, anchor, nullptr, nullptr, ApplyFound<S>};
}

// The singles have a stage of their own in each order (their counting and
// their choice of cell differ), so their rows carry no search.
constexpr std::array<Technique, 35> kTechniques{{
    NoSearch(None, "none", ""),
    NoSearch(SingleCandidate, "single candidate", "single"),
    NoSearch(HiddenSingle, "hidden single", "hidden-single"),
    {NakedSubset, "naked subset", "naked-subset", NakedSubsets::FindOn, NakedSubsets::ApplyOn,
     NakedSubsets::CarryOut},
    PointingWalk::Row<Pointing>("pointing", "pointing"),
    TwoBlockWalk::Row<TwoBlocks>("two blocks", "two-blocks"),
    ClaimingWalk::Row<Claiming>("claiming", "claiming"),
    XWingWalk::Row<XWing>("X-Wing", "x-wing"),
    {HiddenSubset, "hidden subset", "hidden-subset", HiddenSubsets::FindOn, HiddenSubsets::ApplyOn,
     HiddenSubsets::CarryOut},
    SwordfishWalk::Row<Swordfish>("Swordfish", "swordfish"),
    {ForcingChain, "forcing chain", "forcing-chain", FindChains, ApplyChains, PlaceChainConclusion},
    {ContradictingChain, "contradicting chain", "contradicting-chain", FindChains, ApplyChains,
     PlaceChainConclusion},
    Pattern<SkyscraperStep>(Skyscraper, "Skyscraper", "skyscraper"),
    Pattern<KiteStep>(TwoStringKite, "2-String Kite", "two-string-kite"),
    Pattern<WingStep>(XYWing, "XY-Wing", "xy-wing"),
    Pattern<FishStep>(FinnedXWing, "Finned X-Wing", "finned-x-wing"),
    Pattern<FishStep>(SashimiXWing, "Sashimi X-Wing", "sashimi-x-wing"),
    Pattern<ColouringStep>(ColourTrap, "Colour trap", "colour-trap"),
    Pattern<ColouringStep>(ColourWrap, "Colour wrap", "colour-wrap"),
    Pattern<WWingStep>(WWing, "W-Wing", "w-wing"),
    Pattern<WingStep>(XYZWing, "XYZ-Wing", "xyz-wing"),
    Pattern<EmptyRectangleStep>(EmptyRectangle, "Empty Rectangle", "empty-rectangle"),
    Pattern<FishStep>(FinnedSwordfish, "Finned Swordfish", "finned-swordfish"),
    Pattern<FishStep>(SashimiSwordfish, "Sashimi Swordfish", "sashimi-swordfish"),
    Pattern<FishStep>(Jellyfish, "Jellyfish", "jellyfish"),
    Pattern<UniqueRectangleStep>(UniqueRectangle1, "Unique Rectangle type 1", "unique-rectangle-1"),
    Pattern<UniqueRectangleStep>(UniqueRectangle2, "Unique Rectangle type 2", "unique-rectangle-2"),
    Pattern<UniqueRectangleStep>(UniqueRectangle4, "Unique Rectangle type 4", "unique-rectangle-4"),
    Pattern<BugStep>(BugPlusOne, "BUG+1", "bug-plus-one"),
    Pattern<AicStep>(XChain, "X-Chain", "x-chain"),
    Pattern<AicStep>(XYChain, "XY-Chain", "xy-chain"),
    Pattern<AicStep>(Aic, "Alternating Inference Chain", "aic"),
    Pattern<AlsXzStep>(AlsXz, "ALS-XZ", "als-xz"),
    Pattern<ForcingNetStep>(ForcingNet, "Forcing net", "forcing-net"),
    NoSearch(NoHint, "no hint", "no-hint"),
}};

}  // namespace

TechniqueId IdOfStep(const SingleStep& step) {
  return step.kind == SingleKind::Candidate ? SingleCandidate : HiddenSingle;
}
TechniqueId IdOfStep(const NakedSubsetStep& /*step*/) {
  return NakedSubset;
}
TechniqueId IdOfStep(const PointingStep& /*step*/) {
  return Pointing;
}
TechniqueId IdOfStep(const ClaimingStep& /*step*/) {
  return Claiming;
}
TechniqueId IdOfStep(const TwoBlockStep& /*step*/) {
  return TwoBlocks;
}
TechniqueId IdOfStep(const BasicFishStep& step) {
  return step.size == 2 ? XWing : Swordfish;
}
TechniqueId IdOfStep(const HiddenSubsetStep& /*step*/) {
  return HiddenSubset;
}
TechniqueId IdOfStep(const ChainStep& step) {
  return step.excludedDigit > 0 ? ContradictingChain : ForcingChain;
}
TechniqueId IdOfStep(const FishStep& step) {
  switch (step.kind) {
    case FishKind::Jellyfish:
      return Jellyfish;
    case FishKind::FinnedXWing:
      return FinnedXWing;
    case FishKind::SashimiXWing:
      return SashimiXWing;
    case FishKind::FinnedSwordfish:
      return FinnedSwordfish;
    case FishKind::SashimiSwordfish:
      return SashimiSwordfish;
  }
  return None;
}
TechniqueId IdOfStep(const SkyscraperStep& /*step*/) {
  return Skyscraper;
}
TechniqueId IdOfStep(const KiteStep& /*step*/) {
  return TwoStringKite;
}
TechniqueId IdOfStep(const EmptyRectangleStep& /*step*/) {
  return EmptyRectangle;
}
TechniqueId IdOfStep(const ColouringStep& step) {
  return step.kind == ColouringKind::Trap ? ColourTrap : ColourWrap;
}
TechniqueId IdOfStep(const WingStep& step) {
  return step.kind == WingKind::XYWing ? XYWing : XYZWing;
}
TechniqueId IdOfStep(const WWingStep& /*step*/) {
  return WWing;
}
TechniqueId IdOfStep(const UniqueRectangleStep& step) {
  switch (step.type) {
    case 1:
      return UniqueRectangle1;
    case 2:
      return UniqueRectangle2;
    default:
      return UniqueRectangle4;
  }
}
TechniqueId IdOfStep(const BugStep& /*step*/) {
  return BugPlusOne;
}
TechniqueId IdOfStep(const AicStep& step) {
  switch (step.kind) {
    case AicKind::XChain:
      return XChain;
    case AicKind::XYChain:
      return XYChain;
    case AicKind::Aic:
      break;
  }
  return Aic;
}
TechniqueId IdOfStep(const AlsXzStep& /*step*/) {
  return AlsXz;
}
TechniqueId IdOfStep(const ForcingNetStep& /*step*/) {
  return ForcingNet;
}

namespace {

// The size of a subset step, 0 for any other.
int SubsetSize(const Step& step) {
  if (const auto* naked = std::get_if<NakedSubsetStep>(&step)) return std::popcount(naked->digits);
  if (const auto* hidden = std::get_if<HiddenSubsetStep>(&step))
    return std::popcount(hidden->digits);
  return 0;
}

}  // namespace

std::span<const Technique> Techniques() {
  return kTechniques;
}

const Technique& TechniqueOf(TechniqueId id) {
  for (const Technique& t : kTechniques)
    if (t.id == id) return t;
  return kTechniques.front();
}

TechniqueId IdOf(const Step& step) {
  return std::visit([](const auto& s) { return IdOfStep(s); }, step);
}

bool Places(const Step& step) {
  return std::holds_alternative<SingleStep>(step) || std::holds_alternative<ChainStep>(step) ||
         std::holds_alternative<BugStep>(step);
}

std::string TechniqueName(TechniqueId id, const Step& step) {
  const std::string_view name = TechniqueOf(id).name;
  if (id != NakedSubset && id != HiddenSubset) return std::string(name);
  static constexpr std::array<const char*, 5> kSizes{"subset", "subset", "pair", "triple", "quad"};
  const int size = SubsetSize(step);
  const char* word = size >= 0 && size <= 4 ? kSizes[static_cast<std::size_t>(size)] : "subset";
  return std::string(name.substr(0, name.find(' ') + 1)) + word;
}

}  // namespace zentaro::techniques
