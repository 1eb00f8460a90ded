#include "solver/FastCount.h"

#include <array>
#include <bit>
#include <cstdint>

#include "solver/SolveAndCount.h"

namespace zentaro::solver {

namespace {

using Mask = std::uint16_t;
constexpr Mask kAllDigits = 0x1FF;

// Units 0-8 are the rows, 9-17 the columns, 18-26 the blocks; every cell
// lies in one of each and sees 20 other cells through them.
struct UnitTables {
  std::array<std::array<std::uint8_t, 3>, 81> unitsOf{};
  std::array<std::array<std::uint8_t, 9>, 27> cellsOf{};
  std::array<std::array<std::uint8_t, 20>, 81> peersOf{};
};

constexpr UnitTables MakeUnitTables() {
  UnitTables t;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      const int b = 3 * (r / 3) + c / 3;
      const int k = 3 * (r % 3) + c % 3;
      t.unitsOf[cell] = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(9 + c),
                         static_cast<std::uint8_t>(18 + b)};
      t.cellsOf[r][c] = static_cast<std::uint8_t>(cell);
      t.cellsOf[9 + c][r] = static_cast<std::uint8_t>(cell);
      t.cellsOf[18 + b][k] = static_cast<std::uint8_t>(cell);
    }
  for (int cell = 0; cell < 81; ++cell) {
    int n = 0;
    for (int other = 0; other < 81; ++other) {
      if (other == cell) continue;
      const auto& a = t.unitsOf[cell];
      const auto& o = t.unitsOf[other];
      if (a[0] == o[0] || a[1] == o[1] || a[2] == o[2])
        t.peersOf[cell][n++] = static_cast<std::uint8_t>(other);
    }
  }
  return t;
}

constexpr UnitTables kUnits = MakeUnitTables();

// Small enough to copy whole at every branch, which is cheaper than undoing.
// Candidates are kept up to date on every placement so that a cell left
// with one is queued at once instead of being found by a later scan.
struct Position {
  core::DigitGrid digits{};
  std::array<Mask, 81> candidates = MakeFull();
  std::array<Mask, 27> used{};  // digits placed in each unit
  int empty = 81;

  static std::array<Mask, 81> MakeFull() {
    std::array<Mask, 81> full;
    full.fill(kAllDigits);
    return full;
  }
};

// Cells found with a single candidate, waiting to be filled.
struct Singles {
  std::array<std::uint8_t, 81 * 20> cells{};
  int size = 0;
};

int LowestDigit(Mask mask) {
  return std::countr_zero(static_cast<unsigned>(mask)) + 1;
}

// False when the digit is no longer possible in the cell or a peer loses its
// last candidate.
bool Place(Position& p, Singles& singles, int cell, int digit) {
  const Mask bit = static_cast<Mask>(1u << (digit - 1));
  if (!(p.candidates[cell] & bit)) return false;
  p.candidates[cell] = 0;
  p.digits[cell] = static_cast<std::uint8_t>(digit);
  --p.empty;
  const auto& u = kUnits.unitsOf[cell];
  p.used[u[0]] |= bit;
  p.used[u[1]] |= bit;
  p.used[u[2]] |= bit;
  for (const int peer : kUnits.peersOf[cell]) {
    const Mask before = p.candidates[peer];
    if (!(before & bit)) continue;
    const Mask after = before & ~bit;
    p.candidates[peer] = after;
    if (after == 0) return false;
    if ((after & (after - 1)) == 0) singles.cells[singles.size++] = static_cast<std::uint8_t>(peer);
  }
  return true;
}

bool PlaceSingles(Position& p, Singles& singles) {
  while (singles.size > 0) {
    const int cell = singles.cells[--singles.size];
    if (p.digits[cell] != 0) continue;
    if (!Place(p, singles, cell, LowestDigit(p.candidates[cell]))) return false;
  }
  return true;
}

// Places a digit wherever a unit leaves it a single cell.
enum class HiddenResult { kNone, kPlaced, kContradiction };

HiddenResult PlaceHiddenSingles(Position& p, Singles& singles) {
  bool placed = false;
  for (int unit = 0; unit < 27; ++unit) {
    if (p.used[unit] == kAllDigits) continue;
    Mask once = 0, twice = 0;
    for (const int cell : kUnits.cellsOf[unit]) {
      const Mask c = p.candidates[cell];
      twice |= once & c;
      once |= c;
    }
    // A digit neither placed nor possible anywhere in the unit.
    if ((once | p.used[unit]) != kAllDigits) return HiddenResult::kContradiction;
    for (Mask only = once & ~twice; only != 0; only &= only - 1) {
      const Mask bit = only & static_cast<Mask>(-only);
      // Filling earlier singles may already have put the digit in its cell.
      if (p.used[unit] & bit) continue;
      int target = -1;
      for (const int cell : kUnits.cellsOf[unit])
        if (p.candidates[cell] & bit) target = cell;
      // Otherwise losing the digit's only cell means a dead end.
      if (target < 0 || !Place(p, singles, target, LowestDigit(bit)))
        return HiddenResult::kContradiction;
      if (!PlaceSingles(p, singles)) return HiddenResult::kContradiction;
      placed = true;
    }
  }
  return placed ? HiddenResult::kPlaced : HiddenResult::kNone;
}

// Fills every forced cell; false on a contradiction.
bool Propagate(Position& p, Singles& singles) {
  if (!PlaceSingles(p, singles)) return false;
  for (;;) {
    if (p.empty == 0) return true;
    switch (PlaceHiddenSingles(p, singles)) {
      case HiddenResult::kContradiction:
        return false;
      case HiddenResult::kPlaced:
        continue;
      case HiddenResult::kNone:
        return true;
    }
  }
}

int FewestCandidatesCell(const Position& p) {
  int best = -1;
  int fewest = 10;
  for (int cell = 0; cell < 81; ++cell) {
    const Mask c = p.candidates[cell];
    if (c == 0) continue;
    const int n = std::popcount(static_cast<unsigned>(c));
    if (n < fewest) {
      fewest = n;
      best = cell;
      if (n == 2) break;
    }
  }
  return best;
}

void Search(Position p, Singles& singles, int& count, core::DigitGrid* solution, long& budget) {
  if (budget <= 0 || --budget == 0) return;
  if (!Propagate(p, singles)) return;
  if (p.empty == 0) {
    if (++count == 1 && solution != nullptr) *solution = p.digits;
    return;
  }
  const int branchCell = FewestCandidatesCell(p);
  for (Mask c = p.candidates[branchCell]; c != 0 && count < 2 && budget > 0; c &= c - 1) {
    Position next = p;
    singles.size = 0;
    if (Place(next, singles, branchCell, LowestDigit(c)))
      Search(next, singles, count, solution, budget);
  }
}

}  // namespace

int CountSolutionsUpTo2(const core::DigitGrid& grid, core::DigitGrid* solution) {
  Position start;
  Singles singles;
  for (int cell = 0; cell < 81; ++cell) {
    const int given = grid[cell];
    if (given == 0) continue;
    if (given > 9 || !Place(start, singles, cell, given)) return 0;
  }
  int count = 0;
  long budget = kFastCountNodeBudget;
  Search(start, singles, count, solution, budget);
  if (budget > 0) return count;
  return CountWithExactCover(grid, solution);
}

}  // namespace zentaro::solver
