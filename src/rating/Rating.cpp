#include "rating/Rating.h"

#include <array>
#include <cstdint>

#include "core/StringTable.h"
#include "solver/Dlx.h"
#include "solver/SolveAndCount.h"
#include "techniques/Registry.h"
#include "techniques/Singles.h"

namespace zentaro::rating {

using core::Board;
using core::DigitGrid;
using core::MsgKind;
using core::Text;
using core::UnitCountTable;

namespace {

// Every cycle that applies something either fills a cell or removes a
// candidate, so a sound finder can never keep the loop going longer than this.
// The cap only guards against a finder that reports work it did not do.
constexpr int kMaxCycles = 81 + 729;

// The chain step of the generator mode: maximum depth 2, no hidden-single
// steps, no contradictions.
constexpr int kChainDepth = 2;

struct Working {
  Board board{};
  int emptyCount = 0;
  RatingCounters c;
};

void CountBasic(RatingCounters& c, int& kindCounter) {
  ++kindCounter;
  ++c.BasicSteps;
}

// Places the single and counts the cell off.
void Place(Working& w, const techniques::SingleStep& single) {
  techniques::Apply(single, w.board);
  --w.emptyCount;
}

bool TrySingles(Working& w) {
  Board& board = w.board;
  RatingCounters& c = w.c;
  const int ns = techniques::CountNakedSingles(board);
  const int hs = techniques::CountBlockHiddenSingles(board);
  if (ns > 0) {
    const std::optional<core::CellRef> full = techniques::FindSingleInFullestUnit(board, 1, 3);
    if (const auto single = full ? techniques::NakedSingleAt(board, *full) : std::nullopt) {
      Place(w, *single);
      ++c.EasySingleSteps;
      return true;
    }
  }

  if (hs > 0) {
    if (const auto single = techniques::FindHiddenSingle(board)) {
      Place(w, *single);
      const bool inBlock = single->unit.kind == techniques::UnitKind::Block;
      if ((inBlock && ns > 0) || hs + ns > 2)
        ++c.EasySingleSteps;
      else if (inBlock)
        ++c.SingleSteps;
      return true;
    }
  }

  if (const auto single = ns > 0 ? techniques::FindNakedSingle(board) : std::nullopt) {
    Place(w, *single);
    if ((hs > 0 && ns > 0) || hs + ns > 2)
      ++c.EasySingleSteps;
    else
      ++c.SingleSteps;
    return true;
  }

  if (const auto single = techniques::FindHiddenSingle(board)) {
    Place(w, *single);
    const bool inBlock = single->unit.kind == techniques::UnitKind::Block;
    if (inBlock && hs > 2)
      ++c.EasySingleSteps;
    else if (inBlock)
      ++c.SingleSteps;
    else
      ++c.LineHiddenSingleSteps;
    return true;
  }
  return false;
}

// --- The orders after the singles -------------------------------------------
//
// Each cycle walks an order from its top and applies the first step found.
// A row may wait for a flag an earlier row of the same cycle set (its search
// met an instance that led to no single) and may leave one for later rows.

enum Flag : unsigned {
  kAlways = 0,
  kPairMet = 1u << 0,
  kPointingMet = 1u << 1,
  kLockMet = 1u << 2,
  kTripleMet = 1u << 3,
  kQuadMet = 1u << 4,
  kXWingMet = 1u << 5,
};

// Which counter a step raises.
enum class Counts {
  NakedSubset,         // a basic step, of the naked-subset kind
  Pointing,            // a basic step, of the pointing kind
  ExactNakedSubset,    // as NakedSubset, but only when every cell holds exactly the subset
  Advanced,            // an advanced step
  ChainOncePerRating,  // an advanced step, at most one per rating and drawn by chance
};

struct OrderRow {
  techniques::TechniqueId technique;
  techniques::Ask ask;
  unsigned needs;
  Flag sets;
  Counts counts;
};

using enum techniques::TechniqueId;
using techniques::Ask;
using techniques::Cells;
using techniques::Reach;

constexpr Ask Leading(int size = 0, Cells cells = Cells::Any) {
  return {Reach::ToSingle, size, cells, {}};
}
constexpr Ask Plain(int size = 0, Cells cells = Cells::Any) {
  return {Reach::AnyInstance, size, cells, {}};
}
constexpr Cells kExact = Cells::Exact;

// Exact naked subsets and pointing; the steps that lead straight to a single
// come before those applied for their eliminations alone. Exact triples and
// quads without a following single count with pointing, the other step of
// similar weight. A block pair qualifies on its cell count alone; only an
// exact one counts, though its eliminations stand either way.
constexpr std::array<OrderRow, 8> kBasicOrder{{
    {NakedSubset, Leading(2, kExact), kAlways, kPairMet, Counts::NakedSubset},
    {Pointing, Leading(), kAlways, kPointingMet, Counts::Pointing},
    {NakedSubset, Leading(3, kExact), kAlways, kAlways, Counts::NakedSubset},
    {NakedSubset, Leading(4, kExact), kAlways, kAlways, Counts::NakedSubset},
    {NakedSubset, Plain(2, kExact), kPairMet, kAlways, Counts::ExactNakedSubset},
    {Pointing, Plain(), kPointingMet, kAlways, Counts::Pointing},
    {NakedSubset, Plain(3, kExact), kAlways, kAlways, Counts::Pointing},
    {NakedSubset, Plain(4, kExact), kAlways, kAlways, Counts::Pointing},
}};

// The generator mode goes on with these. General triples then quads lead to
// a single if they can, otherwise they count for their eliminations alone.
// Hidden subsets are applied in every unit at once: one step clears all
// hidden pairs (triples) the position holds. The chain: maximum depth 2, no
// hidden-single steps, no contradictions.
constexpr std::array<OrderRow, 11> kAdvancedOrder{{
    {TwoBlocks, Leading(), kAlways, kLockMet, Counts::Advanced},
    {NakedSubset, Leading(3), kAlways, kTripleMet, Counts::Advanced},
    {TwoBlocks, Plain(), kLockMet, kAlways, Counts::Advanced},
    {NakedSubset, Plain(3), kTripleMet, kAlways, Counts::Advanced},
    {NakedSubset, Leading(4), kAlways, kQuadMet, Counts::Advanced},
    {NakedSubset, Plain(4), kQuadMet, kAlways, Counts::Advanced},
    {XWing, Leading(), kAlways, kXWingMet, Counts::Advanced},
    {HiddenSubset, {Reach::EveryUnit, 2, Cells::Any, {}}, kAlways, kAlways, Counts::Advanced},
    {HiddenSubset, {Reach::EveryUnit, 3, Cells::Any, {}}, kAlways, kAlways, Counts::Advanced},
    {XWing, Plain(), kXWingMet, kAlways, Counts::Advanced},
    {ForcingChain,
     {Reach::AnyInstance, 0, Cells::Any, {kChainDepth}},
     kAlways,
     kAlways,
     Counts::ChainOncePerRating},
}};

template <std::size_t N>
bool TryOrder(Working& w, const std::array<OrderRow, N>& order, core::Random& random) {
  RatingCounters& c = w.c;
  unsigned flags = kAlways;
  for (const OrderRow& row : order) {
    if ((flags & row.needs) != row.needs) continue;
    // The chance is drawn only while no chain has been used.
    if (row.counts == Counts::ChainOncePerRating && (c.ChainStepsUsed > 0 || random.Below(10) <= 2))
      continue;
    const techniques::Outcome out = techniques::TechniqueOf(row.technique).apply(w.board, row.ask);
    if (row.sets != kAlways && out.metAny) flags |= row.sets;
    if (!out.step) continue;
    switch (row.counts) {
      case Counts::NakedSubset:
        CountBasic(c, c.NakedSubsetCount);
        break;
      case Counts::Pointing:
        CountBasic(c, c.PointingCount);
        break;
      case Counts::ExactNakedSubset:
        if (std::get<techniques::NakedSubsetStep>(*out.step).exact)
          CountBasic(c, c.NakedSubsetCount);
        break;
      case Counts::Advanced:
        ++c.AdvancedSteps;
        break;
      case Counts::ChainOncePerRating:
        // The chain placed a digit.
        w.emptyCount = 81 - core::CountDigits(w.board);
        ++c.ChainStepsUsed;
        ++c.AdvancedSteps;
        break;
    }
    return true;
  }
  return false;
}

bool TryBasic(Working& w, core::Random& random) {
  return TryOrder(w, kBasicOrder, random);
}

bool TryAdvanced(Working& w, core::Random& random) {
  return TryOrder(w, kAdvancedOrder, random);
}

bool RunCycle(Working& w, bool forGenerator, core::Random& random) {
  if (TrySingles(w) || TryBasic(w, random)) return true;
  return forGenerator && TryAdvanced(w, random);
}

std::uint16_t CounterFlags(const RatingCounters& c) {
  std::uint16_t flags = 0;
  const auto set = [&](int count, int bit) {
    if (count > 0) flags = static_cast<std::uint16_t>(flags | (1u << bit));
  };
  set(c.EasySingleSteps, 1);
  set(c.SingleSteps, 2);
  set(c.LineHiddenSingleSteps, 3);
  set(c.BasicSteps, 4);
  set(c.AdvancedSteps, 5);
  set(c.NakedSubsetCount, 11);
  return flags;
}

int CountEmpty(const DigitGrid& grid) {
  int empty = 0;
  for (const auto digit : grid) empty += digit == 0 ? 1 : 0;
  return empty;
}

}  // namespace

int ClassifyInteractive(const RatingCounters& c, int emptyCount) {
  if (emptyCount > 0) return 5;
  int level = 1;
  if (c.SingleSteps > 0) level = 2;
  if (c.LineHiddenSingleSteps > 0) level = 3;
  if (c.BasicSteps > 0)
    level = (c.PointingCount > 0 && c.NakedSubsetCount + c.PointingCount > 3) ? 5 : 4;
  return level;
}

int ClassifyForGenerator(const RatingCounters& c, int emptyCount) {
  if (emptyCount > 0) return kLevelUnknown;
  const int basicKinds = c.NakedSubsetCount + c.PointingCount;
  int level = kLevelUnknown;
  if (c.EasySingleSteps > 0) level = 1;
  if (c.SingleSteps > 0) level = 2;
  // A single line hidden single may be luck; only a second one makes level 3.
  if (c.LineHiddenSingleSteps > 0) level = c.LineHiddenSingleSteps > 1 ? 3 : kLevelUnknown;
  if (c.BasicSteps > 0) {
    if (basicKinds >= 2 || c.PointingCount > 0)
      level = (c.PointingCount > 0 && basicKinds > 3) ? 5 : 4;
    else
      level = kLevelUnknown;
  }
  if (c.AdvancedSteps > 0) level = (c.AdvancedSteps > 1 || basicKinds > 0) ? 5 : kLevelUnknown;
  return level;
}

std::string LevelName(int level) {
  if (level < 1 || level > 5) return {};
  // The five names follow one another in the string table.
  return core::LoadText(static_cast<int>(Text::LevelEasy) + level - 1);
}

Rating RatePuzzle(const DigitGrid& grid, const RateOptions& options, core::Random& random) {
  Rating rating;
  RatingDetails& details = rating.details;
  std::uint16_t& techniqueFlags = rating.techniqueFlags;
  const auto tell = [&](std::string text, MsgKind kind) {
    if (!options.silent) details.messages.push_back({std::move(text), kind});
  };
  const auto finish = [&](int level) {
    rating.level = level;
    return rating;
  };
  // One solver for both counts spares a second node pool.
  solver::DlxSolver dlx;
  const auto count = [&](const auto& position) {
    DigitGrid first{};
    const int n = solver::SolveAndCount(dlx, position, first, rating.solutionUnique);
    if (n >= 1) rating.solution = first;
    return n;
  };

  if (count(grid) == 0) {
    tell(core::LoadText(Text::NoSolution), MsgKind::Error);
    return finish(kLevelNotRateable);
  }

  Working w;
  UnitCountTable blockCounts{}, rowCounts{}, colCounts{};
  core::BuildFromDigits(grid, w.board, blockCounts, rowCounts, colCounts);
  w.emptyCount = CountEmpty(grid);
  details.emptyCount = w.emptyCount;
  if (w.emptyCount == 0) {
    tell(core::LoadText(Text::PuzzleIsSolved), MsgKind::Information);
    return finish(kLevelNotRateable);
  }

  for (int cycle = 0; cycle < kMaxCycles && w.emptyCount > 0; ++cycle)
    if (!RunCycle(w, options.forGenerator, random)) break;

  details.counters = w.c;
  details.emptyCount = w.emptyCount;
  if (w.emptyCount == 0) techniqueFlags |= kFlagFilledByLogic;
  const int left = count(w.board);
  if (left == 1) techniqueFlags |= kFlagLeftUnique;
  if (left == 0) {
    techniqueFlags |= kFlagLeftUnsolvable;
    tell(core::LoadText(Text::NoSolution), MsgKind::Error);
  }
  if ((techniqueFlags & kFlagLeftUnique) == 0) {
    tell(core::LoadText(Text::PuzzleNotGood) + " " +
             core::LoadText(Text::MultipleSolutionsMeaning) + core::kLineBreak +
             core::LoadText(Text::CannotRateSuchPuzzles),
         MsgKind::Information);
    return finish(kLevelNotRateable);
  }

  techniqueFlags |= CounterFlags(w.c);
  return finish(options.forGenerator ? ClassifyForGenerator(w.c, w.emptyCount)
                                     : ClassifyInteractive(w.c, w.emptyCount));
}

}  // namespace zentaro::rating
