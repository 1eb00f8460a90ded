#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Pointing: a digit confined within a block to one line of it goes from the
// rest of that line.
struct PointingStep {
  int digit = 0;
  int block = 0;
  LineKind line = LineKind::Column;
  int lineNumber = 0;
  bool operator==(const PointingStep&) const = default;
};

// Claiming: a digit confined within a line to one block goes from the
// block's other two lines.
struct ClaimingStep {
  int digit = 0;
  LineKind line = LineKind::Row;
  int lineNumber = 0;
  int block = 0;
  bool operator==(const ClaimingStep&) const = default;
};

// Two-block lock: two blocks of a band (stack) whose candidates of a digit
// occupy the same two rows (columns); the digit goes from those lines in the
// band's third block.
struct TwoBlockStep {
  int digit = 0;
  std::array<int, 2> blocks{};  // ascending
  LineKind lines = LineKind::Row;
  std::array<int, 2> lineNumbers{};  // ascending
  bool operator==(const TwoBlockStep&) const = default;
};

// Tried tables: instances a caller has already looked at and does not want
// again. A non-zero entry excludes its combination; the finders only read
// them. An all-zero table (the default) excludes nothing.

// Entry 9 * (block - 1) + (digit - 1).
using PointingTried = std::array<std::uint8_t, 81>;
// Entry 9 * (line - 1) + (digit - 1), for the lines of one kind.
using ClaimingTried = std::array<std::uint8_t, 81>;
// Entry 81 * (block1 - 1) + 9 * (block2 - 1) + (digit - 1). An entry for
// (block1, block2) also excludes (block2, block1).
using TwoBlockTried = std::array<std::uint8_t, 729>;

constexpr int PointingTriedIndex(int block, int digit) {
  return 9 * (block - 1) + (digit - 1);
}
constexpr int ClaimingTriedIndex(int line, int digit) {
  return 9 * (line - 1) + (digit - 1);
}
constexpr int TwoBlockTriedIndex(int block1, int block2, int digit) {
  return 81 * (block1 - 1) + 9 * (block2 - 1) + (digit - 1);
}

// Blocks 1..9; in each block the column direction for digits 1..9 before the
// row direction for digits 1..9. The first instance that removes something.
std::optional<PointingStep> FindPointing(const core::Board& board, const PointingTried& tried = {});
// Carries out the instance FindPointing reports and returns it.
std::optional<PointingStep> ApplyPointing(core::Board& board, const PointingTried& tried = {});
void MarkTried(PointingTried& tried, const PointingStep& step);

// Rows (columns) 1..9, digits 1..9: the first claim that removes something,
// in the lines of one kind.
std::optional<ClaimingStep> FindClaimingIn(LineKind lines, const core::Board& board,
                                           const ClaimingTried& tried = {});
std::optional<ClaimingStep> ApplyClaimingIn(LineKind lines, core::Board& board,
                                            const ClaimingTried& tried = {});

// Rows first; columns only when no row yields an instance.
struct ClaimingTriedBoth {
  ClaimingTried rows{};
  ClaimingTried columns{};
};
std::optional<ClaimingStep> FindClaiming(const core::Board& board,
                                         const ClaimingTriedBoth& tried = {});
std::optional<ClaimingStep> ApplyClaiming(core::Board& board, const ClaimingTriedBoth& tried = {});
void MarkTried(ClaimingTriedBoth& tried, const ClaimingStep& step);

// Digits 1..9, then block pairs block1 < block2 in ascending order: the first
// pair with something to remove.
std::optional<TwoBlockStep> FindTwoBlockLock(const core::Board& board,
                                             const TwoBlockTried& tried = {});
std::optional<TwoBlockStep> ApplyTwoBlockLock(core::Board& board, const TwoBlockTried& tried = {});
void MarkTried(TwoBlockTried& tried, const TwoBlockStep& step);

// Every two-block lock, pass after pass until a pass removes nothing.
// Returns the number of candidates removed.
int ApplyEveryTwoBlockLock(core::Board& board, const TwoBlockTried& tried = {});

}  // namespace zentaro::techniques
