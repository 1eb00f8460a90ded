// The registry: one row per technique. The finders keep their working tables
// to themselves; a row only says how an order reaches them.

#include "techniques/Registry.h"

#include <algorithm>
#include <array>
#include <bit>

#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Pipeline.h"
#include "techniques/Subsets.h"
#include "techniques/ToSingle.h"

namespace zentaro::techniques {

using core::Board;

namespace {

Outcome Found(bool found, TechniqueId id, const TechniqueResult& r) {
  Outcome out;
  out.metAny = r.metAny;
  if (found) {
    out.step = r;
    out.id = id;
  }
  return out;
}

// Every elimination technique is found and applied by the same search: on a
// copy that is dropped (find) or on the board itself (apply). keep tells the
// search to leave `board` as it was.
template <TechniqueId Id,
          bool (*Search)(Board& board, const Ask& ask, bool keep, TechniqueResult& r)>
Outcome FindOn(const Board& board, const Ask& ask) {
  Board copy = board;
  TechniqueResult r;
  const bool found = Search(copy, ask, true, r);
  return Found(found, Id, r);
}

template <TechniqueId Id,
          bool (*Search)(Board& board, const Ask& ask, bool keep, TechniqueResult& r)>
Outcome ApplyOn(Board& board, const Ask& ask) {
  TechniqueResult r;
  const bool found = Search(board, ask, false, r);
  return Found(found, Id, r);
}

// A step found earlier on the same board: its finder meets it first again.
template <Outcome (*Apply)(Board& board, const Ask& ask)>
void ApplyAgain(Board& board, const Ask& ask, const Step& /*step*/) {
  Apply(board, ask);
}

bool NakedSubsets(Board& b, const Ask& ask, bool keep, TechniqueResult& r) {
  const bool exact = ask.cells == Cells::Exact;
  if (ask.reach == Reach::ToSingle) {
    bool strict = exact;
    return NakedSubsetToSingle(b, ask.size, strict, keep, r) == TechniqueCode::NakedSubset;
  }
  r.strict = exact;
  return FindNakedSubset(b, ask.size, 0, keep, r) > 0;
}

bool HiddenSubsets(Board& b, const Ask& ask, bool keep, TechniqueResult& r) {
  const HiddenSubsetSkips none;
  return FindHiddenSubset(b, ask.size, none, ask.reach != Reach::EveryUnit, keep, r) > 0;
}

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

using PointingWalk =
    Walked<PointingStep, PointingTried, FindPointing, ApplyPointing, MarkTried>;
using ClaimingWalk =
    Walked<ClaimingStep, ClaimingTriedBoth, FindClaiming, ApplyClaiming, MarkTried>;
using TwoBlockWalk =
    Walked<TwoBlockStep, TwoBlockTried, FindTwoBlockLock, ApplyTwoBlockLock, MarkTried>;
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

template <TechniqueId Id, bool (*Search)(Board&, const Ask&, bool, TechniqueResult&)>
constexpr Technique Eliminating(std::string_view name, std::string_view anchor) {
  return {
      Id, name, anchor, FindOn<Id, Search>, ApplyOn<Id, Search>, ApplyAgain<ApplyOn<Id, Search>>};
}

constexpr Technique NoSearch(TechniqueId id, std::string_view name, std::string_view anchor) {
  return {id, name, anchor, nullptr, nullptr, nullptr};
}

// The singles have a stage of their own in each order (their counting and
// their choice of cell differ), so their rows carry no search. Nor do the
// pattern techniques: their steps are typed values of their own, found and
// carried out through PatternLadder() (PatternSteps.h).
constexpr std::array<Technique, 30> kTechniques{{
    NoSearch(None, "none", ""),
    NoSearch(SingleCandidate, "single candidate", "single"),
    NoSearch(HiddenSingle, "hidden single", "hidden-single"),
    Eliminating<NakedSubset, NakedSubsets>("naked subset", "naked-subset"),
    PointingWalk::Row<Pointing>("pointing", "pointing"),
    TwoBlockWalk::Row<TwoBlocks>("two blocks", "two-blocks"),
    ClaimingWalk::Row<Claiming>("claiming", "claiming"),
    XWingWalk::Row<XWing>("X-Wing", "x-wing"),
    Eliminating<HiddenSubset, HiddenSubsets>("hidden subset", "hidden-subset"),
    SwordfishWalk::Row<Swordfish>("Swordfish", "swordfish"),
    {ForcingChain, "forcing chain", "forcing-chain", FindChains, ApplyChains, PlaceChainConclusion},
    {ContradictingChain, "contradicting chain", "contradicting-chain", FindChains, ApplyChains,
     PlaceChainConclusion},
    NoSearch(Skyscraper, "Skyscraper", "skyscraper"),
    NoSearch(TwoStringKite, "2-String Kite", "two-string-kite"),
    NoSearch(XYWing, "XY-Wing", "xy-wing"),
    NoSearch(FinnedXWing, "Finned X-Wing", "finned-x-wing"),
    NoSearch(SashimiXWing, "Sashimi X-Wing", "sashimi-x-wing"),
    NoSearch(ColourTrap, "Colour trap", "colour-trap"),
    NoSearch(ColourWrap, "Colour wrap", "colour-wrap"),
    NoSearch(WWing, "W-Wing", "w-wing"),
    NoSearch(XYZWing, "XYZ-Wing", "xyz-wing"),
    NoSearch(EmptyRectangle, "Empty Rectangle", "empty-rectangle"),
    NoSearch(FinnedSwordfish, "Finned Swordfish", "finned-swordfish"),
    NoSearch(SashimiSwordfish, "Sashimi Swordfish", "sashimi-swordfish"),
    NoSearch(Jellyfish, "Jellyfish", "jellyfish"),
    NoSearch(UniqueRectangle1, "Unique Rectangle type 1", "unique-rectangle-1"),
    NoSearch(UniqueRectangle2, "Unique Rectangle type 2", "unique-rectangle-2"),
    NoSearch(UniqueRectangle4, "Unique Rectangle type 4", "unique-rectangle-4"),
    NoSearch(BugPlusOne, "BUG+1", "bug-plus-one"),
    NoSearch(NoHint, "no hint", "no-hint"),
}};

int SubsetSize(TechniqueId id, const Step& step) {
  const TechniqueResult* found = std::get_if<TechniqueResult>(&step);
  if (found == nullptr) return 0;
  const TechniqueResult& r = *found;
  if (id == NakedSubset) return std::popcount(r.digitSet);
  return static_cast<int>(
      std::count_if(r.subsetDigits.begin(), r.subsetDigits.end(), [](int d) { return d > 0; }));
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

std::string TechniqueName(TechniqueId id, const Step& step) {
  const std::string_view name = TechniqueOf(id).name;
  if (id != NakedSubset && id != HiddenSubset) return std::string(name);
  static constexpr std::array<const char*, 5> kSizes{"subset", "subset", "pair", "triple", "quad"};
  const int size = SubsetSize(id, step);
  const char* word = size >= 0 && size <= 4 ? kSizes[static_cast<std::size_t>(size)] : "subset";
  return std::string(name.substr(0, name.find(' ') + 1)) + word;
}

}  // namespace zentaro::techniques
