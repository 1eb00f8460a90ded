#include "techniques/PatternSteps.h"

#include <array>
#include <utility>

namespace zentaro::techniques {

namespace {

// Every finder as one signature, so that a rung is a plain row.
template <auto Find>
std::optional<Step> Look(const core::Board& board) {
  if (auto step = Find(board)) return Step{std::move(*step)};
  return std::nullopt;
}

using enum TechniqueId;

constexpr std::array<PatternRung, kPatternLadder.size()> kRungs{{
    {Skyscraper, false, Look<FindSkyscraper>},
    {TwoStringKite, false, Look<FindTwoStringKite>},
    {XYWing, false, Look<FindXYWing>},
    {FinnedXWing, false, Look<FindFinnedXWing>},
    {SashimiXWing, false, Look<FindSashimiXWing>},
    {ColourTrap, false, Look<FindColourTrap>},
    {ColourWrap, false, Look<FindColourWrap>},
    {WWing, false, Look<FindWWing>},
    {XYZWing, false, Look<FindXYZWing>},
    {EmptyRectangle, false, Look<FindEmptyRectangle>},
    {FinnedSwordfish, false, Look<FindFinnedSwordfish>},
    {SashimiSwordfish, false, Look<FindSashimiSwordfish>},
    {Jellyfish, false, Look<FindJellyfish>},
    {UniqueRectangle1, true, Look<FindUniqueRectangleType1>},
    {UniqueRectangle2, true, Look<FindUniqueRectangleType2>},
    {UniqueRectangle4, true, Look<FindUniqueRectangleType4>},
    {BugPlusOne, true, Look<FindBugPlusOne>},
    {XChain, false, Look<FindXChain>},
    {XYChain, false, Look<FindXYChain>},
    {Aic, false, Look<FindAic>},
    {AlsXz, false, Look<FindAlsXz>},
    {ForcingNet, false, Look<FindForcingNet>},
}};

}  // namespace

std::span<const PatternRung> PatternLadder() {
  return kRungs;
}

}  // namespace zentaro::techniques
