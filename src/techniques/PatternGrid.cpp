#include "techniques/PatternGrid.h"

namespace zentaro::techniques::patterns {

const std::array<std::array<int, 9>, 27>& Units() {
  static const std::array<std::array<int, 9>, 27> units = [] {
    std::array<std::array<int, 9>, 27> u{};
    for (int k = 0; k < 9; ++k) {
      for (int j = 0; j < 9; ++j) {
        u[k][j] = 9 * k + j;
        u[9 + k][j] = 9 * j + k;
        u[18 + k][j] = 27 * (k / 3) + 3 * (k % 3) + 9 * (j / 3) + j % 3;
      }
    }
    return u;
  }();
  return units;
}

PatternUnit UnitRef(int unit) {
  if (unit < 9) return {PatternUnitKind::Row, unit + 1};
  if (unit < 18) return {PatternUnitKind::Column, unit - 8};
  return {PatternUnitKind::Block, unit - 17};
}

bool Sees(int a, int b) {
  return a != b &&
         (RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) || BlockOfIndex(a) == BlockOfIndex(b));
}

std::vector<int> PlacesInUnit(const Grid& grid, int unit, int digit) {
  std::vector<int> places;
  for (int i : Units()[unit])
    if (grid.Has(i, digit)) places.push_back(i);
  return places;
}

std::vector<Elimination> SeeingAll(const Grid& grid, int digit, std::initializer_list<int> cells) {
  std::vector<Elimination> out;
  for (int i = 0; i < 81; ++i) {
    if (!grid.Has(i, digit)) continue;
    bool all = true;
    for (int c : cells) all = all && Sees(i, c);
    if (all) out.push_back({CellOf(i), digit});
  }
  return out;
}

void RemoveAll(const std::vector<Elimination>& eliminations, core::Board& board) {
  for (const Elimination& e : eliminations) {
    core::Cell& cell = board.at(e.cell);
    if (cell.Digit() == 0) cell.RemoveCandidate(e.digit);
  }
}

}  // namespace zentaro::techniques::patterns
