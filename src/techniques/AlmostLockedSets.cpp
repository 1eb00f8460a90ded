#include "techniques/AlmostLockedSets.h"

#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <set>
#include <utility>

#include "techniques/PatternGrid.h"

namespace zentaro::techniques {

using namespace patterns;

namespace {

using CellMask = std::bitset<81>;

const std::array<CellMask, 81>& PeerMasks() {
  static const std::array<CellMask, 81> peers = [] {
    std::array<CellMask, 81> p{};
    for (int a = 0; a < 81; ++a)
      for (int b = 0; b < 81; ++b)
        if (Sees(a, b)) p[a].set(b);
    return p;
  }();
  return peers;
}

// One almost locked set with what the pair search asks of it: per digit,
// its cells holding the digit and the cells that see all of those.
struct Als {
  int unit = 0;
  std::vector<int> cells;
  CellMask mask;
  DigitSet digits = 0;
  std::array<CellMask, 10> holders{};
  std::array<CellMask, 10> seenByAll{};
};

Als MakeAls(const Grid& grid, int unit, const std::vector<int>& cells, DigitSet digits) {
  Als als;
  als.unit = unit;
  als.cells = cells;
  als.digits = digits;
  for (int c : cells) als.mask.set(static_cast<std::size_t>(c));
  for (int d = 1; d <= 9; ++d) {
    if (((digits >> d) & 1U) == 0) continue;
    als.seenByAll[d].set();
    for (int c : cells) {
      if (!grid.Has(c, d)) continue;
      als.holders[d].set(static_cast<std::size_t>(c));
      als.seenByAll[d] &= PeerMasks()[c];
    }
  }
  return als;
}

// The unit's subsets of `size` empty cells, in lexicographic order, that
// hold size+1 candidates; a cell set met before (in an earlier unit) is left
// out.
void CollectInUnit(const Grid& grid, int unit, const std::vector<int>& empty, int size,
                   std::set<std::pair<std::uint64_t, std::uint64_t>>& seen, std::vector<Als>& out) {
  std::vector<int> pick;
  const auto walk = [&](auto&& self, std::size_t from, DigitSet digits) -> void {
    // More than size+1 digits already: no superset of the pick is an ALS.
    if (std::popcount(digits) > size + 1) return;
    if (static_cast<int>(pick.size()) == size) {
      if (std::popcount(digits) != size + 1) return;
      std::uint64_t lo = 0, hi = 0;
      for (int c : pick) {
        if (c < 64)
          lo |= std::uint64_t{1} << c;
        else
          hi |= std::uint64_t{1} << (c - 64);
      }
      if (seen.insert({lo, hi}).second) out.push_back(MakeAls(grid, unit, pick, digits));
      return;
    }
    for (std::size_t k = from; k < empty.size(); ++k) {
      pick.push_back(empty[k]);
      self(self, k + 1, static_cast<DigitSet>(digits | grid.cand[empty[k]]));
      pick.pop_back();
    }
  };
  walk(walk, 0, 0);
}

AlsSet ToSet(const Als& als) {
  AlsSet set;
  set.unit = UnitRef(als.unit);
  for (int c : als.cells) set.cells.push_back(CellOf(c));
  set.digits = als.digits;
  return set;
}

// Both sets locked but for one of x and x2: a set's other digits go from
// the cells outside it that see all its cells holding them; x and x2 from
// the cells that see all their cells in both sets.
std::optional<AlsXzStep> DoublyLinked(const Als& a, const Als& b, int x, int x2,
                                      const std::array<CellMask, 10>& withDigit) {
  std::array<CellMask, 10> targets{};
  for (int d = 1; d <= 9; ++d) {
    if (d == x || d == x2) {
      targets[d] = a.seenByAll[d] & b.seenByAll[d];
    } else {
      if ((a.digits >> d) & 1U) targets[d] |= a.seenByAll[d] & ~a.mask;
      if ((b.digits >> d) & 1U) targets[d] |= b.seenByAll[d] & ~b.mask;
    }
    targets[d] &= withDigit[d];
  }
  AlsXzStep step;
  for (int c = 0; c < 81; ++c)
    for (int d = 1; d <= 9; ++d)
      if (targets[d].test(static_cast<std::size_t>(c))) step.eliminations.push_back({CellOf(c), d});
  if (step.eliminations.empty()) return std::nullopt;
  step.a = ToSet(a);
  step.b = ToSet(b);
  step.x = x;
  step.x2 = x2;
  return step;
}

}  // namespace

std::optional<AlsXzStep> FindAlsXz(const core::Board& board) {
  const Grid grid(board);
  std::array<CellMask, 10> withDigit{};
  for (int i = 0; i < 81; ++i)
    for (int d = 1; d <= 9; ++d)
      if (grid.Has(i, d)) withDigit[d].set(static_cast<std::size_t>(i));

  std::array<std::vector<int>, 27> empty;
  for (int u = 0; u < 27; ++u)
    for (int c : Units()[u])
      if (grid.cand[c] != 0) empty[u].push_back(c);

  std::array<std::vector<Als>, kMaxAlsCells + 1> bySize;
  std::set<std::pair<std::uint64_t, std::uint64_t>> seen;
  for (int size = 1; size <= kMaxAlsCells; ++size)
    for (int u = 0; u < 27; ++u) CollectInUnit(grid, u, empty[u], size, seen, bySize[size]);

  for (int total = 2; total <= 2 * kMaxAlsCells; ++total) {
    for (int sizeA = 1; 2 * sizeA <= total; ++sizeA) {
      const int sizeB = total - sizeA;
      if (sizeB > kMaxAlsCells) continue;
      const std::vector<Als>& setsA = bySize[sizeA];
      const std::vector<Als>& setsB = bySize[sizeB];
      for (std::size_t i = 0; i < setsA.size(); ++i) {
        const Als& a = setsA[i];
        for (std::size_t j = sizeA == sizeB ? i + 1 : 0; j < setsB.size(); ++j) {
          const Als& b = setsB[j];
          const DigitSet common = static_cast<DigitSet>(a.digits & b.digits);
          if (std::popcount(common) < 2 || (a.mask & b.mask).any()) continue;
          // Restricted: every x of B sees every x of A.
          std::vector<int> restricted;
          for (int x = 1; x <= 9; ++x)
            if (((common >> x) & 1U) != 0 && (b.holders[x] & ~a.seenByAll[x]).none())
              restricted.push_back(x);
          if (restricted.size() >= 2) {
            if (auto step = DoublyLinked(a, b, restricted[0], restricted[1], withDigit))
              return step;
            continue;
          }
          for (int x : restricted) {
            for (int z = 1; z <= 9; ++z) {
              if (z == x || ((common >> z) & 1U) == 0) continue;
              const CellMask targets = a.seenByAll[z] & b.seenByAll[z] & withDigit[z];
              if (targets.none()) continue;
              AlsXzStep step;
              step.a = ToSet(a);
              step.b = ToSet(b);
              step.x = x;
              step.z = z;
              for (int c = 0; c < 81; ++c)
                if (targets.test(static_cast<std::size_t>(c)))
                  step.eliminations.push_back({CellOf(c), z});
              return step;
            }
          }
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const AlsXzStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
