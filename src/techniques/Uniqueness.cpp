#include <bit>

#include "techniques/PatternGrid.h"
#include "techniques/Patterns.h"

namespace zentaro::techniques {

using namespace patterns;

namespace {

DigitSet Bit(int d) {
  return static_cast<DigitSet>(1U << d);
}

// The rectangles of empty cells in two rows, two columns and two blocks,
// with every pair their corners share; `visit` returns true to stop.
template <typename Visit>
std::optional<UniqueRectangleStep> EachRectangle(const Grid& grid, Visit visit) {
  for (int r1 = 0; r1 < 9; ++r1) {
    for (int r2 = r1 + 1; r2 < 9; ++r2) {
      for (int c1 = 0; c1 < 9; ++c1) {
        for (int c2 = c1 + 1; c2 < 9; ++c2) {
          if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // one block or four
          const std::array<int, 4> corners{9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1, 9 * r2 + c2};
          DigitSet common = 0x3FE;
          for (int i : corners) common &= grid.cand[i];
          for (int a = 1; a <= 9; ++a) {
            for (int b = a + 1; b <= 9; ++b) {
              if ((common & Bit(a)) == 0 || (common & Bit(b)) == 0) continue;
              if (auto step = visit(corners, a, b)) return step;
            }
          }
        }
      }
    }
  }
  return std::nullopt;
}

bool SameLine(int i, int j) {
  return RowOf(i) == RowOf(j) || ColOf(i) == ColOf(j);
}

// Splits the corners into those holding only a b and the others; false
// unless there are `pure` of the first and, for two, they share a line.
bool Split(const Grid& grid, const std::array<int, 4>& corners, DigitSet pair, std::size_t pure,
           std::vector<int>& floor, std::vector<int>& roof) {
  for (int i : corners) (grid.cand[i] == pair ? floor : roof).push_back(i);
  return floor.size() == pure && (pure != 2 || SameLine(floor[0], floor[1]));
}

UniqueRectangleStep Rectangle(int type, const std::vector<int>& floor, const std::vector<int>& roof,
                              DigitSet pair) {
  UniqueRectangleStep step;
  step.type = type;
  std::size_t k = 0;
  for (int i : floor) step.cells[k++] = CellOf(i);
  for (int i : roof) step.cells[k++] = CellOf(i);
  step.pair = pair;
  return step;
}

}  // namespace

std::optional<UniqueRectangleStep> FindUniqueRectangleType1(const core::Board& board) {
  const Grid grid(board);
  return EachRectangle(
      grid,
      [&](const std::array<int, 4>& corners, int a, int b) -> std::optional<UniqueRectangleStep> {
        const DigitSet pair = Bit(a) | Bit(b);
        std::vector<int> floor, roof;
        if (!Split(grid, corners, pair, 3, floor, roof)) return std::nullopt;
        UniqueRectangleStep step = Rectangle(1, floor, roof, pair);
        step.eliminations = {{CellOf(roof[0]), a}, {CellOf(roof[0]), b}};
        return step;
      });
}

std::optional<UniqueRectangleStep> FindUniqueRectangleType2(const core::Board& board) {
  const Grid grid(board);
  return EachRectangle(
      grid,
      [&](const std::array<int, 4>& corners, int a, int b) -> std::optional<UniqueRectangleStep> {
        const DigitSet pair = Bit(a) | Bit(b);
        std::vector<int> floor, roof;
        if (!Split(grid, corners, pair, 2, floor, roof)) return std::nullopt;
        const DigitSet extra = grid.cand[roof[0]] & ~pair;
        if (std::popcount(extra) != 1 || grid.cand[roof[1]] != grid.cand[roof[0]])
          return std::nullopt;
        const int c = std::countr_zero(extra);
        UniqueRectangleStep step = Rectangle(2, floor, roof, pair);
        step.extraDigit = c;
        step.eliminations = SeeingAll(grid, c, {roof[0], roof[1]});
        if (step.eliminations.empty()) return std::nullopt;
        return step;
      });
}

std::optional<UniqueRectangleStep> FindUniqueRectangleType4(const core::Board& board) {
  const Grid grid(board);
  return EachRectangle(
      grid,
      [&](const std::array<int, 4>& corners, int a, int b) -> std::optional<UniqueRectangleStep> {
        const DigitSet pair = Bit(a) | Bit(b);
        std::vector<int> floor, roof;
        if (!Split(grid, corners, pair, 2, floor, roof)) return std::nullopt;
        // The units the two other corners share: their line, and their block
        // when they stand in one.
        std::vector<int> units;
        units.push_back(RowOf(roof[0]) == RowOf(roof[1]) ? RowOf(roof[0]) : 9 + ColOf(roof[0]));
        if (BlockOfIndex(roof[0]) == BlockOfIndex(roof[1]))
          units.push_back(18 + BlockOfIndex(roof[0]));
        for (int locked : {a, b}) {
          const int other = locked == a ? b : a;
          for (int u : units) {
            const std::vector<int> places = PlacesInUnit(grid, u, locked);
            if (places.size() != 2) continue;
            UniqueRectangleStep step = Rectangle(4, floor, roof, pair);
            step.lockedDigit = locked;
            step.unit = UnitRef(u);
            step.eliminations = {{CellOf(roof[0]), other}, {CellOf(roof[1]), other}};
            return step;
          }
        }
        return std::nullopt;
      });
}

void Apply(const UniqueRectangleStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

std::optional<BugStep> FindBugPlusOne(const core::Board& board) {
  const Grid grid(board);
  int plus = -1;
  for (int i = 0; i < 81; ++i) {
    const int n = grid.Count(i);
    if (n == 0 && board.at(CellOf(i)).Digit() == 0) return std::nullopt;  // a broken board
    if (n == 0 || n == 2) continue;
    if (n != 3 || plus >= 0) return std::nullopt;
    plus = i;
  }
  if (plus < 0) return std::nullopt;
  int digit = 0;
  for (int u = 0; u < 27; ++u) {
    bool holdsPlus = false;
    for (int i : Units()[u]) holdsPlus = holdsPlus || i == plus;
    for (int d = 1; d <= 9; ++d) {
      const std::size_t n = PlacesInUnit(grid, u, d).size();
      if (n == 0 || n == 2) continue;
      if (n != 3 || !holdsPlus || (digit != 0 && digit != d)) return std::nullopt;
      digit = d;
    }
  }
  if (digit == 0) return std::nullopt;
  // The digit has three places in each of the cell's units.
  for (int u = 0; u < 27; ++u) {
    bool holdsPlus = false;
    for (int i : Units()[u]) holdsPlus = holdsPlus || i == plus;
    if (holdsPlus && PlacesInUnit(grid, u, digit).size() != 3) return std::nullopt;
  }
  return BugStep{CellOf(plus), grid.cand[plus], digit};
}

void Apply(const BugStep& step, core::Board& board) {
  core::FillCell(board, step.cell, step.digit);
}

}  // namespace zentaro::techniques
