#include "techniques/Aic.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "techniques/PatternGrid.h"

namespace zentaro::techniques {

namespace {

using namespace patterns;
using Mask = std::bitset<81>;

struct Tables {
  std::array<Mask, 27> unit{};
  std::array<Mask, 81> peers{};
  std::array<std::array<int, 3>, 81> unitsOf{};  // row, column, block
};

const Tables& Table() {
  static const Tables t = [] {
    Tables out;
    for (int u = 0; u < 27; ++u)
      for (int i : Units()[u]) out.unit[u].set(static_cast<std::size_t>(i));
    for (int i = 0; i < 81; ++i) {
      for (int j = 0; j < 81; ++j)
        if (Sees(i, j)) out.peers[i].set(static_cast<std::size_t>(j));
      out.unitsOf[i] = {RowOf(i), 9 + ColOf(i), 18 + BlockOfIndex(i)};
    }
    return out;
  }();
  return t;
}

struct Node {
  int digit = 0;
  std::vector<int> cells;  // reading order
  Mask mask;
  Mask seesAll;  // cells that see every cell of the node
};

struct Edge {
  int to = 0;
  bool strong = false;
  bool inCell = false;
  int unit = -1;
};

// The nodes and links of one board, made as the search reaches them.
class Graph {
 public:
  Graph(const core::Board& board, AicKind kind) : grid_(board), kind_(kind) {
    for (int i = 0; i < 81; ++i)
      for (int d = 1; d <= 9; ++d)
        if (grid_.Has(i, d)) places_[d].set(static_cast<std::size_t>(i));
  }

  AicKind kind() const { return kind_; }
  const Grid& grid() const { return grid_; }
  const Node& node(int id) const { return nodes_[static_cast<std::size_t>(id)]; }
  int size() const { return static_cast<int>(nodes_.size()); }
  const Mask& places(int digit) const { return places_[static_cast<std::size_t>(digit)]; }
  bool Bivalue(int i) const { return grid_.Count(i) == 2; }

  int Intern(int digit, const std::vector<int>& cells) {
    std::uint64_t key = static_cast<std::uint64_t>(digit);
    for (int c : cells) key = key * 128 + static_cast<std::uint64_t>(c + 1);
    const auto [it, added] = ids_.try_emplace(key, size());
    if (added) {
      Node n;
      n.digit = digit;
      n.cells = cells;
      n.seesAll.set();
      for (int c : cells) {
        n.mask.set(static_cast<std::size_t>(c));
        n.seesAll &= Table().peers[c];
      }
      nodes_.push_back(std::move(n));
      strong_.emplace_back();
      weak_.emplace_back();
      done_.push_back(0);
    }
    return it->second;
  }

  // The links out of a node, strong or weak, in the search order.
  // The reference holds until the next node is made.
  const std::vector<Edge>& Links(int id, bool strong) {
    const std::size_t k = static_cast<std::size_t>(id);
    const std::uint8_t bit = strong ? 1 : 2;
    if ((done_[k] & bit) == 0) {
      std::vector<Edge> edges = strong ? MakeStrong(id) : MakeWeak(id);
      (strong ? strong_ : weak_)[k] = std::move(edges);
      done_[k] = static_cast<std::uint8_t>(done_[k] | bit);
    }
    return (strong ? strong_ : weak_)[k];
  }

  // The units that hold every cell of the node: rows, columns, blocks.
  std::vector<int> UnitsHolding(int id) const {
    const Node& n = node(id);
    std::vector<int> out;
    for (int u : Table().unitsOf[n.cells.front()])
      if ((n.mask & ~Table().unit[u]).none()) out.push_back(u);
    return out;
  }

 private:
  static std::vector<int> CellsOf(const Mask& m) {
    std::vector<int> out;
    for (int i = 0; i < 81; ++i)
      if (m.test(static_cast<std::size_t>(i))) out.push_back(i);
    return out;
  }

  // Two or three cells of one block in one line.
  static bool Groupable(const std::vector<int>& cells) {
    if (cells.size() < 2 || cells.size() > 3) return false;
    bool row = true, col = true, block = true;
    for (int c : cells) {
      row = row && RowOf(c) == RowOf(cells[0]);
      col = col && ColOf(c) == ColOf(cells[0]);
      block = block && BlockOfIndex(c) == BlockOfIndex(cells[0]);
    }
    return block && (row || col);
  }

  // The other candidate of a cell with two; the units where the node's
  // digit has one other place (a cell, or for the inference chains a group).
  std::vector<Edge> MakeStrong(int id) {
    std::vector<Edge> out;
    const Node n = node(id);
    if (n.cells.size() == 1 && kind_ != AicKind::XChain && Bivalue(n.cells[0])) {
      const int other =
          std::countr_zero(static_cast<DigitSet>(grid_.cand[n.cells[0]] & ~(1U << n.digit)));
      out.push_back({Intern(other, n.cells), true, true, -1});
    }
    if (kind_ == AicKind::XYChain) return out;
    for (int u : UnitsHolding(id)) {
      const Mask rest = places_[n.digit] & Table().unit[u] & ~n.mask;
      const std::vector<int> cells = CellsOf(rest);
      if (cells.size() == 1 || (kind_ == AicKind::Aic && Groupable(cells)))
        out.push_back({Intern(n.digit, cells), true, false, u});
    }
    return out;
  }

  // The cell's other candidates (inference chains only); the digit's other
  // places in each unit holding the node, cells then groups.
  std::vector<Edge> MakeWeak(int id) {
    std::vector<Edge> out;
    const Node n = node(id);
    if (n.cells.size() == 1 && kind_ == AicKind::Aic) {
      for (int e = 1; e <= 9; ++e)
        if (e != n.digit && grid_.Has(n.cells[0], e))
          out.push_back({Intern(e, n.cells), false, true, -1});
    }
    for (int u : UnitsHolding(id)) {
      const Mask rest = places_[n.digit] & Table().unit[u] & ~n.mask;
      for (int i : Units()[u]) {
        if (!rest.test(static_cast<std::size_t>(i))) continue;
        if (kind_ == AicKind::XYChain && !Bivalue(i)) continue;
        out.push_back({Intern(n.digit, {i}), false, false, u});
      }
      if (kind_ != AicKind::Aic) continue;
      // The groups: the blocks along a line, or the lines through a block.
      std::vector<Mask> parts;
      if (u < 18) {
        for (int b = 18; b < 27; ++b) parts.push_back(Table().unit[b]);
      } else {
        for (int l = 0; l < 18; ++l) parts.push_back(Table().unit[l]);
      }
      for (const Mask& part : parts) {
        const std::vector<int> cells = CellsOf(rest & part);
        if (cells.size() >= 2 && Groupable(cells))
          out.push_back({Intern(n.digit, cells), false, false, u});
      }
    }
    return out;
  }

  Grid grid_;
  AicKind kind_;
  std::array<Mask, 10> places_{};
  std::vector<Node> nodes_;
  std::unordered_map<std::uint64_t, int> ids_;
  std::vector<std::vector<Edge>> strong_, weak_;
  std::vector<std::uint8_t> done_;
};

// The nodes a chain may start from, in the search order.
std::vector<int> Starts(Graph& g) {
  std::vector<int> out;
  for (int d = 1; d <= 9; ++d) {
    for (int i = 0; i < 81; ++i) {
      if (!g.grid().Has(i, d)) continue;
      if (g.kind() == AicKind::XYChain && !g.Bivalue(i)) continue;
      out.push_back(g.Intern(d, {i}));
    }
    if (g.kind() != AicKind::Aic) continue;
    for (int b = 0; b < 9; ++b) {
      const auto& cells = Units()[18 + b];
      // Rows of the block, then its columns.
      for (int k = 0; k < 6; ++k) {
        std::vector<int> group;
        for (int j = 0; j < 3; ++j) {
          const int c = k < 3 ? cells[static_cast<std::size_t>(3 * k + j)]
                              : cells[static_cast<std::size_t>(3 * j + k - 3)];
          if (g.grid().Has(c, d)) group.push_back(c);
        }
        std::sort(group.begin(), group.end());
        if (group.size() >= 2) out.push_back(g.Intern(d, group));
      }
    }
  }
  return out;
}

struct State {
  int node = 0;
  int parent = -1;
  int depth = 1;  // nodes so far
  Edge via;
};

int MinStrong(AicKind kind) {
  return kind == AicKind::Aic ? 2 : 3;
}

std::vector<int> PathOf(const std::vector<State>& states, int at) {
  std::vector<int> path;
  for (int k = at; k >= 0; k = states[static_cast<std::size_t>(k)].parent) path.push_back(k);
  std::reverse(path.begin(), path.end());
  return path;
}

// Whether the two ends rule out anything at all, the chain's own nodes
// still counted: the quick test before the chain is followed back.
bool MayEliminate(const Graph& g, int from, int to) {
  const Node& first = g.node(from);
  const Node& last = g.node(to);
  if (first.digit == last.digit) {
    return (first.seesAll & last.seesAll & g.places(first.digit)).any();
  }
  return g.kind() == AicKind::Aic && first.cells.size() == 1 && last.cells.size() == 1 &&
         (first.cells[0] == last.cells[0] || Sees(first.cells[0], last.cells[0]));
}

// What the two ends of a chain rule out, without the chain's own nodes.
std::vector<Elimination> Eliminations(Graph& g, const std::vector<State>& states,
                                      const std::vector<int>& path) {
  const Node& first = g.node(states[static_cast<std::size_t>(path.front())].node);
  const Node& last = g.node(states[static_cast<std::size_t>(path.back())].node);
  std::vector<std::pair<int, int>> out;  // cell, digit
  if (first.digit == last.digit) {
    const Mask seen = first.seesAll & last.seesAll;
    for (int i = 0; i < 81; ++i)
      if (seen.test(static_cast<std::size_t>(i)) && g.grid().Has(i, first.digit))
        out.emplace_back(i, first.digit);
  } else if (g.kind() == AicKind::Aic && first.cells.size() == 1 && last.cells.size() == 1) {
    const int a = first.cells[0], b = last.cells[0];
    if (a == b) {
      for (int d = 1; d <= 9; ++d)
        if (d != first.digit && d != last.digit && g.grid().Has(a, d)) out.emplace_back(a, d);
    } else if (Sees(a, b)) {
      if (g.grid().Has(a, last.digit)) out.emplace_back(a, last.digit);
      if (g.grid().Has(b, first.digit)) out.emplace_back(b, first.digit);
    }
  }
  std::erase_if(out, [&](const std::pair<int, int>& e) {
    for (int k : path) {
      const Node& n = g.node(states[static_cast<std::size_t>(k)].node);
      if (n.digit == e.second && n.mask.test(static_cast<std::size_t>(e.first))) return true;
    }
    return false;
  });
  std::sort(out.begin(), out.end());
  std::vector<Elimination> elims;
  for (const auto& [i, d] : out) elims.push_back({CellOf(i), d});
  return elims;
}

AicStep MakeStep(Graph& g, const std::vector<State>& states, const std::vector<int>& path,
                 std::vector<Elimination> eliminations) {
  AicStep step;
  step.kind = g.kind();
  for (std::size_t k = 0; k < path.size(); ++k) {
    const State& s = states[static_cast<std::size_t>(path[k])];
    AicNode node;
    for (int c : g.node(s.node).cells) node.cells.push_back(CellOf(c));
    node.digit = g.node(s.node).digit;
    step.nodes.push_back(std::move(node));
    if (k == 0) continue;
    AicLink link;
    link.strong = s.via.strong;
    link.inCell = s.via.inCell;
    if (!s.via.inCell) link.unit = UnitRef(s.via.unit);
    step.links.push_back(link);
  }
  step.eliminations = std::move(eliminations);
  return step;
}

std::optional<AicStep> Search(const core::Board& board, AicKind kind) {
  Graph g(board, kind);
  const int cap = MinStrong(kind);
  const int slots = 2 * (cap + 1);
  const std::vector<int> starts = Starts(g);
  std::vector<int> stamp;
  std::vector<State> states;
  std::optional<AicStep> best;
  int limit = kMaxChainNodes;  // the longest chain still worth looking for
  for (std::size_t s = 0; s < starts.size(); ++s) {
    const int mark = static_cast<int>(s) + 1;
    states.assign(1, State{starts[s], -1, 1, {}});
    const auto keyOf = [&](int node, int depth) {
      const std::size_t key = static_cast<std::size_t>(node * slots + 2 * std::min(depth / 2, cap) +
                                                        depth % 2);
      if (stamp.size() <= key) stamp.resize(static_cast<std::size_t>(g.size() * slots) + 64, 0);
      return key;
    };
    stamp[keyOf(starts[s], 1)] = mark;
    bool found = false;
    for (std::size_t at = 0; at < states.size() && !found; ++at) {
      const State from = states[at];
      if (from.depth + 1 > limit) break;
      const int depth = from.depth + 1;
      for (const Edge& e : g.Links(from.node, from.depth % 2 == 1)) {
        const std::size_t key = keyOf(e.to, depth);
        if (stamp[key] == mark) continue;
        bool onPath = false;
        for (int k = static_cast<int>(at); k >= 0 && !onPath;
             k = states[static_cast<std::size_t>(k)].parent)
          onPath = states[static_cast<std::size_t>(k)].node == e.to;
        if (onPath) continue;
        stamp[key] = mark;
        states.push_back({e.to, static_cast<int>(at), depth, e});
        if (depth % 2 != 0 || depth / 2 < cap || !MayEliminate(g, starts[s], e.to)) continue;
        const std::vector<int> path = PathOf(states, static_cast<int>(states.size()) - 1);
        std::vector<Elimination> elims = Eliminations(g, states, path);
        if (elims.empty()) continue;
        best = MakeStep(g, states, path, std::move(elims));
        limit = depth - 1;  // a later start must be shorter
        found = true;
        break;
      }
    }
    if (limit < 2 * cap) break;
  }
  return best;
}

}  // namespace

std::optional<AicStep> FindXChain(const core::Board& board) {
  return Search(board, AicKind::XChain);
}

std::optional<AicStep> FindXYChain(const core::Board& board) {
  return Search(board, AicKind::XYChain);
}

std::optional<AicStep> FindAic(const core::Board& board) {
  return Search(board, AicKind::Aic);
}

void Apply(const AicStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
