#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/Board.h"
#include "techniques/Chains.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Codes the pipeline entries return; 0 when nothing led to a single or when
// a result comes straight from a finder.
enum class TechniqueCode : int {
  None = 0,
  Pointing = 1,
  TwoBlockLock = 2,
  NakedSubset = 3,
  XWing = 5,
  Swordfish = 6,
  Claiming = 11,
};

// What the lines of a result (TechniqueResult::lines) are: the two rows of a
// band or the two columns of a stack for the two-block lock, the base lines
// of a fish.
enum class Orientation { None, Rows, Columns };

// One technique instance, handed to the explanations and counted by the
// rating. A finder fills only the fields its technique uses; the others keep
// what the caller put there, which is -1 (or empty) after construction.
// Rows, columns and lines are 1-based.
struct TechniqueResult {
  TechniqueCode techniqueCode = TechniqueCode::None;
  bool metAny = false;

  int digit = -1;
  std::uint16_t digitSet = 0;  // bit d for digit d
  std::array<int, 4> subsetDigits{0, 0, 0, 0};
  UnitKind unitKind = UnitKind::None;
  int unitNumber = -1;
  int block = -1;
  int secondBlock = -1;
  int rowLine = -1;
  int columnLine = -1;
  std::array<int, 3> lines{-1, -1, -1};      // base lines (fish) or the two lines of a lock
  std::array<int, 3> positions{-1, -1, -1};  // cross lines (fish)
  Orientation orientation = Orientation::None;
  int cellColumn = -1;
  int cellRow = -1;
  bool strict = false;

  // Chains: the impossible candidate (0 for a forcing chain) and the two
  // chains that lead to the conclusion.
  int excludedDigit = 0;
  ChainPath chainA;
  ChainPath chainB;

  // The single that followed (pipeline entries), or the single itself.
  bool singleKind = false;  // true: single candidate; false: hidden single
  int singleDigit = -1;
  int singleColumn = -1;
  int singleRow = -1;
  int singleBlockUnit = -1;
  int singleRowUnit = -1;
  int singleColumnUnit = -1;
};

}  // namespace zentaro::techniques
