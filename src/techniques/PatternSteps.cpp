#include "techniques/PatternSteps.h"

#include <array>
#include <type_traits>

namespace zentaro::techniques {

namespace {

// Every finder as one signature, so that a rung is a plain row.
template <auto Find>
std::optional<PatternStep> Look(const core::Board& board) {
  if (auto step = Find(board)) return PatternStep{std::move(*step)};
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
    {ForcingNet, false, Look<FindForcingNet>},
}};

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
TechniqueId IdOfStep(const ForcingNetStep& /*step*/) {
  return ForcingNet;
}

}  // namespace

std::span<const PatternRung> PatternLadder() {
  return kRungs;
}

TechniqueId IdOf(const PatternStep& step) {
  return std::visit([](const auto& s) { return IdOfStep(s); }, step);
}

std::string_view NameOf(const PatternStep& step) {
  return TechniqueOf(IdOf(step)).name;
}

void Apply(const PatternStep& step, core::Board& board) {
  std::visit([&board](const auto& s) { Apply(s, board); }, step);
}

bool Places(const PatternStep& step) {
  return std::holds_alternative<BugStep>(step);
}

}  // namespace zentaro::techniques
