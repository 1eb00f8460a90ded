#include <bit>

#include "techniques/PatternGrid.h"
#include "techniques/Patterns.h"

namespace zentaro::techniques {

using namespace patterns;

namespace {

DigitSet Bit(int d) {
  return static_cast<DigitSet>(1U << d);
}

int OnlyDigit(DigitSet set) {
  return std::countr_zero(set);
}

}  // namespace

std::optional<WingStep> FindXYWing(const core::Board& board) {
  const Grid grid(board);
  for (int pivot = 0; pivot < 81; ++pivot) {
    if (grid.Count(pivot) != 2) continue;
    const DigitSet xy = grid.cand[pivot];
    const int x = OnlyDigit(xy);
    const int y = OnlyDigit(static_cast<DigitSet>(xy & ~Bit(x)));
    for (int p1 = 0; p1 < 81; ++p1) {
      const DigitSet s1 = grid.cand[p1];
      if (grid.Count(p1) != 2 || !Sees(p1, pivot) || (s1 & xy) != Bit(x)) continue;
      const int z = OnlyDigit(static_cast<DigitSet>(s1 & ~Bit(x)));
      for (int p2 = 0; p2 < 81; ++p2) {
        if (grid.cand[p2] != (Bit(y) | Bit(z)) || !Sees(p2, pivot) || p2 == p1) continue;
        WingStep step;
        step.eliminations = SeeingAll(grid, z, {p1, p2});
        if (step.eliminations.empty()) continue;
        step.kind = WingKind::XYWing;
        step.pivot = CellOf(pivot);
        step.pincers = {CellOf(p1), CellOf(p2)};
        step.pivotDigits = xy;
        step.z = z;
        return step;
      }
    }
  }
  return std::nullopt;
}

std::optional<WingStep> FindXYZWing(const core::Board& board) {
  const Grid grid(board);
  for (int pivot = 0; pivot < 81; ++pivot) {
    if (grid.Count(pivot) != 3) continue;
    const DigitSet xyz = grid.cand[pivot];
    for (int p1 = 0; p1 < 81; ++p1) {
      const DigitSet s1 = grid.cand[p1];
      if (grid.Count(p1) != 2 || (s1 & ~xyz) != 0 || !Sees(p1, pivot)) continue;
      for (int p2 = p1 + 1; p2 < 81; ++p2) {
        const DigitSet s2 = grid.cand[p2];
        if (grid.Count(p2) != 2 || (s2 & ~xyz) != 0 || s2 == s1 || !Sees(p2, pivot)) continue;
        const int z = OnlyDigit(static_cast<DigitSet>(s1 & s2));
        WingStep step;
        step.eliminations = SeeingAll(grid, z, {pivot, p1, p2});
        if (step.eliminations.empty()) continue;
        step.kind = WingKind::XYZWing;
        step.pivot = CellOf(pivot);
        // pincers[0] holds the smaller of the pivot's other two digits.
        const bool swap = OnlyDigit(static_cast<DigitSet>(s1 & ~Bit(z))) >
                          OnlyDigit(static_cast<DigitSet>(s2 & ~Bit(z)));
        step.pincers =
            swap ? std::array{CellOf(p2), CellOf(p1)} : std::array{CellOf(p1), CellOf(p2)};
        step.pivotDigits = xyz;
        step.z = z;
        return step;
      }
    }
  }
  return std::nullopt;
}

void Apply(const WingStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

std::optional<WWingStep> FindWWing(const core::Board& board) {
  const Grid grid(board);
  for (int a = 0; a < 81; ++a) {
    if (grid.Count(a) != 2) continue;
    for (int b = a + 1; b < 81; ++b) {
      if (grid.cand[b] != grid.cand[a] || Sees(a, b)) continue;
      const DigitSet pair = grid.cand[a];
      const int small = OnlyDigit(pair);
      const int large = OnlyDigit(static_cast<DigitSet>(pair & ~Bit(small)));
      for (int x : {small, large}) {
        const int y = x == small ? large : small;
        const std::vector<Elimination> eliminations = SeeingAll(grid, y, {a, b});
        if (eliminations.empty()) continue;
        for (int u = 0; u < 27; ++u) {
          const std::vector<int> p = PlacesInUnit(grid, u, x);
          if (p.size() != 2 || p[0] == a || p[1] == a || p[0] == b || p[1] == b) continue;
          std::array<int, 2> link{};
          if (Sees(p[0], a) && Sees(p[1], b)) {
            link = {p[0], p[1]};
          } else if (Sees(p[1], a) && Sees(p[0], b)) {
            link = {p[1], p[0]};
          } else {
            continue;
          }
          WWingStep step;
          step.cells = {CellOf(a), CellOf(b)};
          step.pair = pair;
          step.linkDigit = x;
          step.removed = y;
          step.linkUnit = UnitRef(u);
          step.link = {CellOf(link[0]), CellOf(link[1])};
          step.eliminations = eliminations;
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const WWingStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
