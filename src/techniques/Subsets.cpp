#include "techniques/Subsets.h"

#include <algorithm>
#include <bit>

namespace zentaro::techniques {

using core::Board;
using core::Cell;
using core::CellRef;
using core::kCount;
using core::kDigit;

namespace {

using UnitCells = std::array<CellRef, 9>;

UnitCells RowCells(int row) {
  UnitCells cells{};
  for (int c = 1; c <= 9; ++c) cells[c - 1] = {c, row};
  return cells;
}

UnitCells ColumnCells(int col) {
  UnitCells cells{};
  for (int r = 1; r <= 9; ++r) cells[r - 1] = {col, r};
  return cells;
}

// Column by column, top to bottom within a column: the order in which the
// block cells are named and the first subset cell is chosen.
UnitCells BlockCells(int block) {
  const core::BlockBounds bounds = core::BoundsOfBlock(block);
  UnitCells cells{};
  int i = 0;
  for (int c = bounds.firstCol; c <= bounds.lastCol; ++c) {
    for (int r = bounds.firstRow; r <= bounds.lastRow; ++r) cells[i++] = {c, r};
  }
  return cells;
}

// Candidates of an empty cell as a digit set; filled cells have none.
std::uint16_t CandidateSet(const Cell& cell) {
  return cell[kDigit] != 0 ? 0 : cell.Candidates();
}

std::uint16_t PlacedDigits(const Board& board, const UnitCells& cells) {
  std::uint16_t placed = 0;
  for (const CellRef& ref : cells) {
    const int digit = board.at(ref.col, ref.row)[kDigit];
    if (digit >= 1 && digit <= 9) placed |= static_cast<std::uint16_t>(1u << digit);
  }
  return placed;
}

// Calls visit(idx) for every combination of `size` of the indices 0..n-1
// (idx ascending), in ascending lexicographic order, until visit returns true.
template <typename Visit>
bool ForEachIndexCombination(int n, int size, Visit visit) {
  if (size < 1 || size > n || size > 4) return false;
  std::array<int, 4> idx{};
  for (int i = 0; i < size; ++i) idx[i] = i;
  while (true) {
    if (visit(idx)) return true;
    int i = size - 1;
    while (i >= 0 && idx[i] == n - size + i) --i;
    if (i < 0) return false;
    ++idx[i];
    for (int j = i + 1; j < size; ++j) idx[j] = idx[j - 1] + 1;
  }
}

// Calls visit(set) for every combination of `size` digits taken from `pool`
// (ascending), in ascending lexicographic order, until visit returns true.
template <typename Visit>
bool ForEachCombination(const std::vector<int>& pool, int size, Visit visit) {
  return ForEachIndexCombination(static_cast<int>(pool.size()), size,
                                 [&](const std::array<int, 4>& idx) {
                                   std::uint16_t set = 0;
                                   for (int i = 0; i < size; ++i)
                                     set |= static_cast<std::uint16_t>(1u << pool[idx[i]]);
                                   return visit(set);
                                 });
}

// Whether digit set a comes before b (both of one size) in the order of the
// combinations above: the lowest digit in which they differ is a's.
bool ComesFirst(std::uint16_t a, std::uint16_t b) {
  const std::uint16_t differ = static_cast<std::uint16_t>(a ^ b);
  return (a & differ & -differ) != 0;
}

struct NakedSearch {
  int size;
  int skipCount;
  bool checkOnly;
  int counter = 0;  // numbers every removable candidate across the whole call

  std::uint16_t digitSet = 0;
  CellRef first{};
  bool strictOut = false;
};

// One unit of the naked search; returns the number of candidates removed
// (or counted) beyond the skip count, stopping at the first combination with
// any.
int NakedSearchUnit(Board& board, const UnitCells& cells, bool requireExact, NakedSearch& s) {
  // Each cell's candidates are read once for the unit: the search below only
  // compares sets, and the unit changes only when a subset is applied, which
  // ends the search.
  std::array<std::uint16_t, 9> sets{};
  std::array<int, 9> possible{};  // cells with 1..size candidates
  int possibleCount = 0;
  for (int i = 0; i < 9; ++i) {
    sets[i] = CandidateSet(board.at(cells[i].col, cells[i].row));
    const int n = std::popcount(sets[i]);
    if (n >= 1 && n <= s.size) possible[possibleCount++] = i;
  }
  // A subset needs as many cells as digits, each holding only its digits.
  if (possibleCount < s.size) return 0;
  const std::uint16_t placed = PlacedDigits(board, cells);

  int removed = 0;
  // Applies the subset of these digits if exactly `size` cells hold only
  // them; true when it removed something.
  const auto trySet = [&](std::uint16_t set) {
    std::uint16_t inSubset = 0;  // bit i: cell i of the unit
    int firstMember = -1;
    int memberCount = 0;
    bool exact = true;
    for (int i = 0; i < 9 && memberCount <= s.size; ++i) {
      if (sets[i] != 0 && (sets[i] & ~set) == 0) {
        if (firstMember < 0) firstMember = i;
        if (memberCount < s.size && std::popcount(sets[i]) != s.size) exact = false;
        inSubset = static_cast<std::uint16_t>(inSubset | (1u << i));
        ++memberCount;
      }
    }
    if (memberCount != s.size) return false;
    if (requireExact && !exact) return false;

    for (int i = 0; i < 9; ++i) {
      if ((inSubset & (1u << i)) != 0) continue;
      const std::uint16_t hit = static_cast<std::uint16_t>(sets[i] & set);
      if (hit == 0) continue;
      Cell& cell = board.at(cells[i].col, cells[i].row);
      for (int d = 1; d <= 9; ++d) {
        if ((hit & (1u << d)) == 0) continue;
        if (++s.counter <= s.skipCount) continue;
        s.digitSet = set;
        s.first = cells[firstMember];
        if (!s.checkOnly) cell.RemoveCandidate(d);
        ++removed;
      }
    }
    if (removed == 0) return false;
    s.strictOut = exact;
    return true;
  };

  // The digit sets worth trying are the unions of `size` possible cells that
  // have exactly `size` digits, none placed in the unit. Tried in the order
  // of the digit combinations, they give what trying every combination of
  // the unit's free digits would. Only when some cells share fewer digits
  // than they are (a broken position) could a combination hold further
  // digits; then every combination is tried.
  std::array<std::uint16_t, 126> unions{};
  int unionCount = 0;
  bool tooFewDigits = false;
  ForEachIndexCombination(possibleCount, s.size, [&](const std::array<int, 4>& idx) {
    std::uint16_t u = 0;
    for (int k = 0; k < s.size; ++k) u = static_cast<std::uint16_t>(u | sets[possible[idx[k]]]);
    const int n = std::popcount(u);
    if (n < s.size) return tooFewDigits = true;
    if (n == s.size && (u & placed) == 0 &&
        std::find(unions.begin(), unions.begin() + unionCount, u) == unions.begin() + unionCount)
      unions[unionCount++] = u;
    return false;
  });

  if (tooFewDigits) {
    std::vector<int> freeDigits;
    for (int d = 1; d <= 9; ++d) {
      if ((placed & (1u << d)) == 0) freeDigits.push_back(d);
    }
    ForEachCombination(freeDigits, s.size, trySet);
    return removed;
  }
  std::sort(unions.begin(), unions.begin() + unionCount, ComesFirst);
  for (int i = 0; i < unionCount; ++i)
    if (trySet(unions[i])) break;
  return removed;
}

bool IsExcluded(const HiddenSubsetSkips& skips, UnitKind unitKind, int unitNumber,
                std::uint16_t set) {
  const std::size_t entries =
      std::min({skips.unitKinds.size(), skips.unitNumbers.size(), skips.digitSets.size()});
  for (std::size_t i = 0; i < entries; ++i) {
    if (skips.unitKinds[i] == unitKind && skips.unitNumbers[i] == unitNumber &&
        (set & ~skips.digitSets[i]) == 0) {
      return true;
    }
  }
  return false;
}

struct HiddenSearch {
  int size;
  bool checkOnly;
  const HiddenSubsetSkips& skips;
  std::array<int, 4>& digits;
  int& position;
};

void RecordDigits(std::uint16_t set, std::array<int, 4>& digits) {
  int i = 0;
  for (int d = 1; d <= 9; ++d) {
    if (set & (1u << d)) digits[i++] = d;
  }
}

// One unit of the hidden search: the first subset of the unit that removes
// something is applied (or, check-only, reported with 1).
int HiddenSearchUnit(Board& board, const UnitCells& cells, UnitKind unitKind, int unitNumber,
                     HiddenSearch& s) {
  static const std::vector<int> kAllDigits{1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::uint16_t placed = PlacedDigits(board, cells);

  // Only ascending choices are tried: any order of the same digits names the
  // same cells and the same removals, so the ascending one always comes first.
  int removed = 0;
  ForEachCombination(kAllDigits, s.size, [&](std::uint16_t set) {
    if (IsExcluded(s.skips, unitKind, unitNumber, set)) return false;
    if ((set & placed) != 0) return false;

    std::array<bool, 9> holds{};
    int holding = 0;
    for (int i = 0; i < 9; ++i) {
      if (CandidateSet(board.at(cells[i].col, cells[i].row)) & set) {
        holds[i] = true;
        ++holding;
      }
    }
    if (holding != s.size) return false;

    for (int i = 0; i < 9; ++i) {
      if (!holds[i]) continue;
      Cell& cell = board.at(cells[i].col, cells[i].row);
      for (int d = 1; d <= 9; ++d) {
        if ((set & (1u << d)) != 0 || !cell.HasCandidate(d)) continue;
        RecordDigits(set, s.digits);
        if (s.checkOnly) {
          removed = 1;
          return true;
        }
        cell.RemoveCandidate(d);
        ++removed;
        if (unitKind == UnitKind::Row) s.position = cells[i].col;
        if (unitKind == UnitKind::Column) s.position = cells[i].row;
      }
    }
    return removed > 0;
  });
  return removed;
}

// The naked search over rows, columns and blocks, on `work`.
std::optional<NakedSubsetStep> NakedSearchAll(Board& work, int size, Cells cells, int skipCount,
                                              bool checkOnly) {
  if (size < 2 || size > 4) return std::nullopt;
  const bool strict = cells == Cells::Exact;
  NakedSearch s{size, skipCount, checkOnly};
  int found = 0;
  UnitKind kind = UnitKind::None;
  int number = 0;

  for (int r = 1; r <= 9 && found == 0; ++r) {
    found = NakedSearchUnit(work, RowCells(r), strict, s);
    if (found > 0) kind = UnitKind::Row, number = r;
  }
  if (found == 0) {
    // Columns run through the row search of the transposed board, so the
    // first cell comes back as (line, position) and is turned round below.
    core::TransposeBoard(work);
    for (int r = 1; r <= 9 && found == 0; ++r) {
      found = NakedSearchUnit(work, RowCells(r), strict, s);
      if (found > 0) kind = UnitKind::Column, number = r;
    }
    core::TransposeBoard(work);
  }
  for (int b = 0; b <= 8 && found == 0; ++b) {
    found = NakedSearchUnit(work, BlockCells(b), false, s);
    if (found > 0) kind = UnitKind::Block, number = b + 1;
  }

  if (found == 0) return std::nullopt;
  const CellRef first = kind == UnitKind::Column ? CellRef{s.first.row, s.first.col} : s.first;
  return NakedSubsetStep{s.digitSet, {kind, number}, first, s.strictOut, found};
}

enum class HiddenReach { FirstUnit, EveryUnit };

std::optional<HiddenSubsetStep> HiddenSearchAll(Board& work, int size,
                                                const HiddenSubsetSkips& skips, HiddenReach reach,
                                                bool checkOnly) {
  if (size < 2 || size > 4) return std::nullopt;
  std::array<int, 4> digits{};
  int position = -1;
  HiddenSearch s{size, checkOnly, skips, digits, position};
  std::optional<HiddenSubsetStep> step;
  int total = 0;

  for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Block}) {
    for (int unit = 1; unit <= 9; ++unit) {
      const UnitCells cells = kind == UnitKind::Row      ? RowCells(unit)
                              : kind == UnitKind::Column ? ColumnCells(unit)
                                                         : BlockCells(unit - 1);
      position = -1;
      const int removed = HiddenSearchUnit(work, cells, kind, unit, s);
      if (removed == 0) continue;
      total += removed;
      if (!step) {
        DigitSet set = 0;
        for (int i = 0; i < size; ++i)
          set = static_cast<DigitSet>(set | (1u << digits[static_cast<std::size_t>(i)]));
        step = HiddenSubsetStep{set, {kind, unit}, 0, std::nullopt};
        if (position != -1)
          step->lastChanged =
              kind == UnitKind::Row ? CellRef{position, unit} : CellRef{unit, position};
      }
      if (checkOnly || reach == HiddenReach::FirstUnit) {
        step->removed = total;
        return step;
      }
    }
  }
  if (step) step->removed = total;
  return step;
}

}  // namespace

std::optional<NakedSubsetStep> FindNakedSubset(const Board& board, int size, Cells cells,
                                               int skipCount) {
  Board work = board;
  return NakedSearchAll(work, size, cells, skipCount, true);
}

std::optional<NakedSubsetStep> ApplyNakedSubset(Board& board, int size, Cells cells,
                                                int skipCount) {
  return NakedSearchAll(board, size, cells, skipCount, false);
}

std::optional<HiddenSubsetStep> FindHiddenSubset(const Board& board, int size,
                                                 const HiddenSubsetSkips& skips) {
  Board work = board;
  return HiddenSearchAll(work, size, skips, HiddenReach::FirstUnit, true);
}

std::optional<HiddenSubsetStep> ApplyHiddenSubset(Board& board, int size,
                                                  const HiddenSubsetSkips& skips) {
  return HiddenSearchAll(board, size, skips, HiddenReach::FirstUnit, false);
}

std::optional<HiddenSubsetStep> ApplyHiddenSubsetsInEveryUnit(Board& board, int size,
                                                              const HiddenSubsetSkips& skips) {
  return HiddenSearchAll(board, size, skips, HiddenReach::EveryUnit, false);
}

}  // namespace zentaro::techniques
