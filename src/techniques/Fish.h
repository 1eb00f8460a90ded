#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Digits left out of a fish search. The search for an instance leading to a
// single grows it with every digit whose instance did not lead to one.
using FishTried = DigitSet;

// One fish: a digit confined, in `size` base lines, to as many cover lines;
// it goes from the rest of the cover lines. Lines are numbered 1..9 like the
// rows and columns of a board; an X-Wing leaves its third entries 0.
struct BasicFishStep {
  int digit = 0;
  int size = 2;                        // 2: X-Wing, 3: Swordfish
  LineKind baseLines = LineKind::Row;  // the cover lines are the other kind
  std::array<int, 3> base{};
  std::array<int, 3> cover{};  // ascending
  bool operator==(const BasicFishStep&) const = default;
};

// X-Wing: a digit with exactly two candidates in each of two base lines, in
// the same two cover lines. Rows are tried as base lines first, columns only
// when rows give nothing; within an orientation, base line by base line,
// digit 1..9 inside each. The first instance with something to remove is
// reported with base[0] < base[1].
std::optional<BasicFishStep> FindXWing(const core::Board& board, const FishTried& tried = {});

// Carries out the first X-Wing FindXWing reports: every second base line
// sharing the first one's cover lines removes the digit from them. Returns
// the instance as carried out (its second base line the last that removed
// anything), nothing when the board holds none.
std::optional<BasicFishStep> ApplyXWing(core::Board& board, const FishTried& tried = {});

// Swordfish: a digit with two or three candidates in each of three base
// lines, all within three cover lines each covered by at least two of the
// base lines. Columns are tried as base lines first, rows only when columns
// give nothing. Every ordering of a base-line triple is visited, and the
// first digit with something to remove is reported with the base lines of
// its last ordering (descending for a single Swordfish).
std::optional<BasicFishStep> FindSwordfish(const core::Board& board, const FishTried& tried = {});

// Carries out every Swordfish of the digit FindSwordfish reports. Returns it
// with the base lines as the last removal met them: the first ordering of a
// triple removes all, so a single Swordfish comes back ascending. Nothing
// when the board holds none.
std::optional<BasicFishStep> ApplySwordfish(core::Board& board, const FishTried& tried = {});

void MarkTried(FishTried& tried, const BasicFishStep& step);

}  // namespace zentaro::techniques
