#include <algorithm>

#include "techniques/PatternGrid.h"
#include "techniques/Patterns.h"

namespace zentaro::techniques {

using namespace patterns;

std::optional<SkyscraperStep> FindSkyscraper(const core::Board& board) {
  const Grid grid(board);
  for (int d = 1; d <= 9; ++d) {
    for (bool rows : {true, false}) {
      const int first = rows ? 0 : 9;
      for (int a = first; a < first + 9; ++a) {
        const std::vector<int> pa = PlacesInUnit(grid, a, d);
        if (pa.size() != 2) continue;
        for (int b = a + 1; b < first + 9; ++b) {
          const std::vector<int> pb = PlacesInUnit(grid, b, d);
          if (pb.size() != 2) continue;
          // The cross position of a cell: its column for rows, its row for columns.
          const auto cross = [rows](int i) { return rows ? ColOf(i) : RowOf(i); };
          for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
              if (cross(pa[i]) != cross(pb[j])) continue;
              const int topA = pa[1 - i];
              const int topB = pb[1 - j];
              if (cross(topA) == cross(topB)) continue;  // an X-Wing
              SkyscraperStep step;
              step.eliminations = SeeingAll(grid, d, {topA, topB});
              if (step.eliminations.empty()) continue;
              step.digit = d;
              step.lines = rows ? LineKind::Row : LineKind::Column;
              step.base = {CellOf(pa[i]), CellOf(pb[j])};
              step.tops = {CellOf(topA), CellOf(topB)};
              return step;
            }
          }
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const SkyscraperStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

std::optional<KiteStep> FindTwoStringKite(const core::Board& board) {
  const Grid grid(board);
  for (int d = 1; d <= 9; ++d) {
    for (int r = 0; r < 9; ++r) {
      const std::vector<int> pr = PlacesInUnit(grid, r, d);
      if (pr.size() != 2) continue;
      for (int c = 0; c < 9; ++c) {
        const std::vector<int> pc = PlacesInUnit(grid, 9 + c, d);
        if (pc.size() != 2) continue;
        for (int i = 0; i < 2; ++i) {
          for (int j = 0; j < 2; ++j) {
            const int block = BlockOfIndex(pr[i]);
            if (pr[i] == pc[j] || BlockOfIndex(pc[j]) != block) continue;
            const int farRow = pr[1 - i];
            const int farCol = pc[1 - j];
            if (BlockOfIndex(farRow) == block || BlockOfIndex(farCol) == block) continue;
            KiteStep step;
            step.eliminations = SeeingAll(grid, d, {farRow, farCol});
            if (step.eliminations.empty()) continue;
            step.digit = d;
            step.block = block + 1;
            step.rowLink = {CellOf(pr[i]), CellOf(farRow)};
            step.columnLink = {CellOf(pc[j]), CellOf(farCol)};
            return step;
          }
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const KiteStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

std::optional<EmptyRectangleStep> FindEmptyRectangle(const core::Board& board) {
  const Grid grid(board);
  for (int d = 1; d <= 9; ++d) {
    for (int b = 0; b < 9; ++b) {
      const std::vector<int> places = PlacesInUnit(grid, 18 + b, d);
      if (places.size() < 2) continue;
      const int row0 = 3 * (b / 3);
      const int col0 = 3 * (b % 3);
      for (int row = row0; row < row0 + 3; ++row) {
        for (int col = col0; col < col0 + 3; ++col) {
          bool cross = true, allInRow = true, allInCol = true;
          for (int i : places) {
            cross = cross && (RowOf(i) == row || ColOf(i) == col);
            allInRow = allInRow && RowOf(i) == row;
            allInCol = allInCol && ColOf(i) == col;
          }
          if (!cross || allInRow || allInCol) continue;

          EmptyRectangleStep step;
          step.digit = d;
          step.block = b + 1;
          step.row = row + 1;
          step.column = col + 1;
          // A column outside the block's stack with one end on the block's
          // row: the digit goes where the far end's row meets the block's
          // column.
          for (int x = 0; x < 9; ++x) {
            if (x / 3 == b % 3) continue;
            const std::vector<int> link = PlacesInUnit(grid, 9 + x, d);
            if (link.size() != 2) continue;
            for (int k = 0; k < 2; ++k) {
              const int far = link[1 - k];
              if (RowOf(link[k]) != row || RowOf(far) / 3 == b / 3) continue;
              const int target = 9 * RowOf(far) + col;
              if (!grid.Has(target, d)) continue;
              step.linkLine = LineKind::Column;
              step.link = {CellOf(link[k]), CellOf(far)};
              step.eliminations = {{CellOf(target), d}};
              return step;
            }
          }
          // The same with a row outside the block's band.
          for (int y = 0; y < 9; ++y) {
            if (y / 3 == b / 3) continue;
            const std::vector<int> link = PlacesInUnit(grid, y, d);
            if (link.size() != 2) continue;
            for (int k = 0; k < 2; ++k) {
              const int far = link[1 - k];
              if (ColOf(link[k]) != col || ColOf(far) / 3 == b % 3) continue;
              const int target = 9 * row + ColOf(far);
              if (!grid.Has(target, d)) continue;
              step.linkLine = LineKind::Row;
              step.link = {CellOf(link[k]), CellOf(far)};
              step.eliminations = {{CellOf(target), d}};
              return step;
            }
          }
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const EmptyRectangleStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

namespace {

struct Cluster {
  std::vector<int> cells[2];     // by colour, reading order
  std::array<int, 81> colour{};  // -1 outside the cluster
};

// The clusters of the digit's conjugate pairs, by their first cell; a
// cluster whose colours clash along its links (impossible on sound marks)
// is left out.
std::vector<Cluster> Clusters(const Grid& grid, int d) {
  std::array<std::vector<int>, 81> links;
  for (int u = 0; u < 27; ++u) {
    const std::vector<int> p = PlacesInUnit(grid, u, d);
    if (p.size() != 2) continue;
    links[p[0]].push_back(p[1]);
    links[p[1]].push_back(p[0]);
  }
  std::vector<Cluster> clusters;
  std::array<bool, 81> seen{};
  for (int start = 0; start < 81; ++start) {
    if (seen[start] || links[start].empty()) continue;
    Cluster cluster;
    cluster.colour.fill(-1);
    cluster.colour[start] = 0;
    std::vector<int> queue{start};
    seen[start] = true;
    bool consistent = true;
    for (std::size_t q = 0; q < queue.size(); ++q) {
      const int cell = queue[q];
      for (int next : links[cell]) {
        if (cluster.colour[next] < 0) {
          cluster.colour[next] = 1 - cluster.colour[cell];
          seen[next] = true;
          queue.push_back(next);
        } else if (cluster.colour[next] == cluster.colour[cell]) {
          consistent = false;
        }
      }
    }
    if (!consistent || queue.size() < 3) continue;
    for (int i = 0; i < 81; ++i)
      if (cluster.colour[i] >= 0) cluster.cells[cluster.colour[i]].push_back(i);
    clusters.push_back(std::move(cluster));
  }
  return clusters;
}

void FillColours(ColouringStep& step, const Cluster& cluster, int d) {
  step.digit = d;
  for (int i : cluster.cells[0]) step.colourA.push_back(CellOf(i));
  for (int i : cluster.cells[1]) step.colourB.push_back(CellOf(i));
}

}  // namespace

std::optional<ColouringStep> FindColourTrap(const core::Board& board) {
  const Grid grid(board);
  for (int d = 1; d <= 9; ++d) {
    for (const Cluster& cluster : Clusters(grid, d)) {
      ColouringStep step;
      for (int i = 0; i < 81; ++i) {
        if (!grid.Has(i, d) || cluster.colour[i] >= 0) continue;
        const auto seesColour = [&](int c) {
          return std::any_of(cluster.cells[c].begin(), cluster.cells[c].end(),
                             [i](int j) { return Sees(i, j); });
        };
        if (seesColour(0) && seesColour(1)) step.eliminations.push_back({CellOf(i), d});
      }
      if (step.eliminations.empty()) continue;
      step.kind = ColouringKind::Trap;
      FillColours(step, cluster, d);
      return step;
    }
  }
  return std::nullopt;
}

std::optional<ColouringStep> FindColourWrap(const core::Board& board) {
  const Grid grid(board);
  for (int d = 1; d <= 9; ++d) {
    for (const Cluster& cluster : Clusters(grid, d)) {
      for (int c = 0; c < 2; ++c) {
        for (int u = 0; u < 27; ++u) {
          std::vector<int> same;
          for (int i : Units()[u])
            if (cluster.colour[i] == c) same.push_back(i);
          if (same.size() < 2) continue;
          ColouringStep step;
          step.kind = ColouringKind::Wrap;
          FillColours(step, cluster, d);
          step.clash = {CellOf(same[0]), CellOf(same[1])};
          step.clashUnit = UnitRef(u);
          step.falseIsA = c == 0;
          for (int i : cluster.cells[c]) step.eliminations.push_back({CellOf(i), d});
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

void Apply(const ColouringStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
