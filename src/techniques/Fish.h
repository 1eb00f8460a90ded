#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// Digits left out of a fish search: bit d for digit d. The search for an
// instance leading to a single grows it with every digit whose instance did
// not lead to one.
using FishSkipSet = std::uint16_t;

// One fish: a digit confined, in `size` base lines, to as many cover lines;
// it goes from the rest of the cover lines. Lines are numbered 1..9 like the
// rows and columns of a board; an X-Wing leaves its third entries 0.
struct FishStep {
  int digit = 0;
  int size = 2;                                 // 2: X-Wing, 3: Swordfish
  Orientation orientation = Orientation::Rows;  // what the base lines are
  std::array<int, 3> baseLines{};
  std::array<int, 3> coverLines{};  // ascending
  bool operator==(const FishStep&) const = default;
};

// X-Wing: a digit with exactly two candidates in each of two base lines, in
// the same two cover lines. Rows are tried as base lines first, columns only
// when rows give nothing; within an orientation, base line by base line,
// digit 1..9 inside each. The first instance with something to remove is
// reported with baseLines[0] < baseLines[1].
std::optional<FishStep> FindXWing(const core::Board& board, FishSkipSet skipSet = 0);

// Carries out the first X-Wing FindXWing reports: every second base line
// sharing the first one's cover lines removes the digit from them. Returns
// the instance as carried out (its second base line the last that removed
// anything), nothing when the board holds none.
std::optional<FishStep> ApplyXWing(core::Board& board, FishSkipSet skipSet = 0);

// Swordfish: a digit with two or three candidates in each of three base
// lines, all within three cover lines each covered by at least two of the
// base lines. Columns are tried as base lines first, rows only when columns
// give nothing. Every ordering of a base-line triple is visited, and the
// first digit with something to remove is reported with the base lines of
// its last ordering (descending for a single Swordfish).
std::optional<FishStep> FindSwordfish(const core::Board& board, FishSkipSet skipSet = 0);

// Carries out every Swordfish of the digit FindSwordfish reports. Returns it
// with the base lines as the last removal met them: the first ordering of a
// triple removes all, so a single Swordfish comes back ascending. Nothing
// when the board holds none.
std::optional<FishStep> ApplySwordfish(core::Board& board, FishSkipSet skipSet = 0);

}  // namespace zentaro::techniques
