#include "rating/Rating.h"

#include <cstdint>

#include "core/StringTable.h"
#include "solver/Dlx.h"
#include "solver/SolveAndCount.h"
#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Pipeline.h"
#include "techniques/Singles.h"
#include "techniques/Subsets.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::rating {

using core::Board;
using core::DigitGrid;
using core::MsgKind;
using core::Text;
using core::UnitCountTable;
using techniques::TechniqueResult;

namespace {

constexpr char kCR = '\r';

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

bool TrySingles(Working& w) {
  Board& board = w.board;
  RatingCounters& c = w.c;
  UnitCountTable blockCounts{}, rowCounts{}, colCounts{};
  const int ns = techniques::CountNakedSingles(board);
  const int hs = techniques::CountBlockHiddenSingles(board, blockCounts, rowCounts, colCounts);
  if (ns > 0) {
    const std::optional<core::CellRef> full = techniques::FindSingleInFullestUnit(board, 1, 3);
    if (full && techniques::PlaceNakedSingleAt(board, *full, w.emptyCount, false)) {
      ++c.EasySingleSteps;
      return true;
    }
  }

  if (hs > 0) {
    if (const auto single = techniques::FindHiddenSingle(board, w.emptyCount,
                                                         techniques::HiddenSingleMode::PlaceFirst,
                                                         blockCounts, rowCounts, colCounts)) {
      const bool inBlock = single->blockUnit != -1;
      if ((inBlock && ns > 0) || hs + ns > 2)
        ++c.EasySingleSteps;
      else if (inBlock)
        ++c.SingleSteps;
      return true;
    }
  }

  if (ns > 0 && techniques::FindNakedSingle(board, w.emptyCount, false)) {
    if ((hs > 0 && ns > 0) || hs + ns > 2)
      ++c.EasySingleSteps;
    else
      ++c.SingleSteps;
    return true;
  }

  if (const auto single = techniques::FindHiddenSingle(board, w.emptyCount,
                                                       techniques::HiddenSingleMode::PlaceFirst,
                                                       blockCounts, rowCounts, colCounts)) {
    const bool inBlock = single->blockUnit != -1;
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

// Exact naked subsets and pointing; the steps that lead straight to a single
// come before those applied for their eliminations alone.
bool TryBasic(Working& w) {
  Board& board = w.board;
  RatingCounters& c = w.c;

  TechniqueResult pairResult;
  bool strict = true;
  if (techniques::NakedSubsetToSingle(board, 2, strict, false, pairResult) !=
      techniques::TechniqueCode::None) {
    CountBasic(c, c.NakedSubsetCount);
    return true;
  }
  const bool pairMet = pairResult.metAny;

  TechniqueResult pointingResult;
  if (techniques::PointingToSingle(board, false, pointingResult) !=
      techniques::TechniqueCode::None) {
    CountBasic(c, c.PointingCount);
    return true;
  }
  const bool pointingMet = pointingResult.metAny;

  for (int size = 3; size <= 4; ++size) {
    TechniqueResult result;
    strict = true;
    if (techniques::NakedSubsetToSingle(board, size, strict, false, result) !=
        techniques::TechniqueCode::None) {
      CountBasic(c, c.NakedSubsetCount);
      return true;
    }
  }

  if (pairMet) {
    strict = true;
    std::uint16_t digitSet = 0;
    techniques::UnitKind unitKind = techniques::UnitKind::None;
    int row = 0, col = 0;
    if (techniques::FindNakedSubset(board, 2, strict, digitSet, 0, unitKind, row, col, false) > 0) {
      // A block pair qualifies on its cell count alone; only an exact one
      // counts, though its eliminations stand either way.
      if (strict) CountBasic(c, c.NakedSubsetCount);
      return true;
    }
  }

  if (pointingMet) {
    TechniqueResult result;
    if (techniques::FindPointing(board, false, result) > 0) {
      CountBasic(c, c.PointingCount);
      return true;
    }
  }

  // Exact triples and quads without a following single count with pointing,
  // the other step of similar weight.
  for (int size = 3; size <= 4; ++size) {
    bool exact = true;
    std::uint16_t digitSet = 0;
    techniques::UnitKind unitKind = techniques::UnitKind::None;
    int row = 0, col = 0;
    if (techniques::FindNakedSubset(board, size, exact, digitSet, 0, unitKind, row, col, false) >
        0) {
      CountBasic(c, c.PointingCount);
      return true;
    }
  }
  return false;
}

bool TryAdvanced(Working& w, core::Random& random) {
  Board& board = w.board;
  RatingCounters& c = w.c;

  TechniqueResult lockResult;
  if (techniques::TwoBlockLockToSingle(board, false, lockResult) !=
      techniques::TechniqueCode::None) {
    ++c.AdvancedSteps;
    return true;
  }
  const bool lockMet = lockResult.metAny;

  TechniqueResult tripleResult;
  bool strict = false;
  if (techniques::NakedSubsetToSingle(board, 3, strict, false, tripleResult) !=
      techniques::TechniqueCode::None) {
    ++c.AdvancedSteps;
    return true;
  }

  if (lockMet) {
    TechniqueResult result;
    if (techniques::FindTwoBlockLock(board, true, false, result) > 0) {
      ++c.AdvancedSteps;
      return true;
    }
  }

  // General triples then quads: leading to a single if they can, otherwise
  // for their eliminations alone. The triple's way to a single was tried
  // just above on the same board and would fail the same way again.
  for (int size = 3; size <= 4; ++size) {
    bool metAny = tripleResult.metAny;
    if (size == 4) {
      TechniqueResult result;
      strict = false;
      if (techniques::NakedSubsetToSingle(board, 4, strict, false, result) !=
          techniques::TechniqueCode::None) {
        ++c.AdvancedSteps;
        return true;
      }
      metAny = result.metAny;
    }
    if (metAny) {
      bool loose = false;
      std::uint16_t digitSet = 0;
      techniques::UnitKind unitKind = techniques::UnitKind::None;
      int row = 0, col = 0;
      if (techniques::FindNakedSubset(board, size, loose, digitSet, 0, unitKind, row, col, false) >
          0) {
        ++c.AdvancedSteps;
        return true;
      }
    }
  }

  TechniqueResult xWingResult;
  if (techniques::XWingToSingle(board, false, xWingResult) != techniques::TechniqueCode::None) {
    ++c.AdvancedSteps;
    return true;
  }
  const bool xWingMet = xWingResult.metAny;

  // Hidden subsets are applied in every unit at once: one step clears all
  // hidden pairs (triples) the position holds.
  const techniques::HiddenSubsetSkips noSkips;
  for (int size = 2; size <= 3; ++size) {
    TechniqueResult result;
    if (techniques::FindHiddenSubset(board, size, noSkips, false, false, result) > 0) {
      ++c.AdvancedSteps;
      return true;
    }
  }
  if (xWingMet) {
    TechniqueResult result;
    if (techniques::FindXWing(board, false, 0, result) > 0) {
      ++c.AdvancedSteps;
      return true;
    }
  }

  if (c.ChainStepsUsed == 0 && random.Below(10) > 2) {
    TechniqueResult result;
    if (techniques::FindChain(board, false, false, false, kChainDepth, w.emptyCount, result) > 0) {
      ++c.ChainStepsUsed;
      ++c.AdvancedSteps;
      return true;
    }
  }
  return false;
}

bool RunCycle(Working& w, bool forGenerator, core::Random& random) {
  if (TrySingles(w) || TryBasic(w)) return true;
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
             core::LoadText(Text::MultipleSolutionsMeaning) + kCR +
             core::LoadText(Text::CannotRateSuchPuzzles),
         MsgKind::Information);
    return finish(kLevelNotRateable);
  }

  techniqueFlags |= CounterFlags(w.c);
  return finish(options.forGenerator ? ClassifyForGenerator(w.c, w.emptyCount)
                                     : ClassifyInteractive(w.c, w.emptyCount));
}

}  // namespace zentaro::rating
