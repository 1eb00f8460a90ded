#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/MessageBox.h"
#include "core/Random.h"

namespace zentaro::rating {

// Levels besides 1..5.
inline constexpr int kLevelUnknown = 0;
inline constexpr int kLevelNotRateable = -1;

// TechniqueFlags: bit 0 when the logic filled every cell, bit n for each
// counter n (1..5 and 11) that was used, and the verdict of the exact cover
// count on what the logic left.
inline constexpr std::uint16_t kFlagFilledByLogic = 0x0001;
inline constexpr std::uint16_t kFlagLeftUnique = 0x1000;
inline constexpr std::uint16_t kFlagLeftUnsolvable = 0x2000;

// How often each kind of step was needed. The numbers in the comments are the
// counters' numbers, which are also their bits in TechniqueFlags.
struct RatingCounters {
  int EasySingleSteps = 0;        // 1: singles while several are available
  int SingleSteps = 0;            // 2: singles while few are available
  int LineHiddenSingleSteps = 0;  // 3: hidden singles found only in a row or column
  int BasicSteps = 0;             // 4: NakedSubsetCount + PointingCount
  int AdvancedSteps = 0;          // 5: two-block locks, general subsets, X-Wing, chains
  int NakedSubsetCount = 0;       // 11
  int PointingCount = 0;          // 12
  int ChainStepsUsed = 0;         // at most one per rating

  bool operator==(const RatingCounters&) const = default;
};

// A message box the rating wants shown, in the order it is to be shown.
struct RatingMessage {
  std::string text;
  core::MsgKind kind;
};

// Everything a rating finds out besides its level.
struct RatingDetails {
  RatingCounters counters;
  int emptyCount = 0;                   // cells the logic could not fill
  std::vector<RatingMessage> messages;  // none when silent
};

// Solves the puzzle by logic, one step per cycle and always the simplest step
// that applies, and classifies it by the steps it needed. The interactive
// mode tries singles, exact naked subsets and pointing only; the generator
// mode (forGenerator) goes on with two-block locks, general naked subsets,
// X-Wing, hidden pairs and triples and, seven times in ten (drawn from
// random), one forcing chain.
//
// Returns 1..5, kLevelUnknown (generator mode: the steps fit no level) or
// kLevelNotRateable (no solution, nothing to solve, or several solutions).
// The grid itself is never changed.
struct RateOptions {
  bool forGenerator = false;
  // Unless silent, the details hold the message boxes that explain a -1.
  bool silent = true;
};

struct Rating {
  int level = kLevelUnknown;
  std::uint16_t techniqueFlags = 0;
  // What the exact cover counts found, as the program keeps its solution: the
  // first solution of the last count that found one (none when neither did),
  // and whether that count found exactly one.
  std::optional<core::DigitGrid> solution;
  bool solutionUnique = false;
  RatingDetails details;
};

Rating RatePuzzle(const core::DigitGrid& grid, const RateOptions& options, core::Random& random);

// The two verdicts on a finished logical solve.
int ClassifyInteractive(const RatingCounters& counters, int emptyCount);
int ClassifyForGenerator(const RatingCounters& counters, int emptyCount);

// "Easy (level 1)" .. "Very hard (level 5)"; empty for any other level.
std::string LevelName(int level);

}  // namespace zentaro::rating
