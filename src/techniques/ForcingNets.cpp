#include "techniques/ForcingNets.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>

#include "techniques/PatternGrid.h"

namespace zentaro::techniques {

namespace {

using namespace patterns;

// One link as the walk records it: what it says and the earlier links it
// rests on (indices into the same trace).
struct Link {
  NetImplication what;
  std::vector<int> rests;
};

struct Break {
  NetBreak kind = NetBreak::EmptyCell;
  int cell = 0;
  int unit = 0;
  int digit = 0;
  std::vector<int> rests;
};

// A board under assumptions: candidates, placed digits, and for every
// candidate taken away the link that took it.
struct State {
  std::array<DigitSet, 81> cand{};
  std::array<std::uint8_t, 81> digit{};
  std::array<std::array<std::int16_t, 10>, 81> cause{};

  explicit State(const core::Board& board) {
    const Grid grid(board);
    cand = grid.cand;
    for (int i = 0; i < 81; ++i) {
      digit[i] = static_cast<std::uint8_t>(board.at(CellOf(i)).Digit());
      cause[i].fill(-1);
    }
  }
  bool Has(int i, int d) const { return digit[i] == 0 && ((cand[i] >> d) & 1U) != 0; }
  void Take(int i, int d, int link) {
    cand[i] = static_cast<DigitSet>(cand[i] & ~(1U << d));
    cause[i][d] = static_cast<std::int16_t>(link);
  }
  void AddCause(int i, int d, std::vector<int>& rests) const {
    if (cause[i][d] >= 0) rests.push_back(cause[i][d]);
  }
};

const std::array<std::array<int, 20>, 81>& Peers() {
  static const std::array<std::array<int, 20>, 81> peers = [] {
    std::array<std::array<int, 20>, 81> p{};
    for (int i = 0; i < 81; ++i) {
      int n = 0;
      for (int j = 0; j < 81; ++j)
        if (Sees(i, j)) p[i][n++] = j;
    }
    return p;
  }();
  return peers;
}

void Place(State& s, std::vector<Link>& trace, int i, int d, NetReason why, int unit,
           std::vector<int> rests) {
  const int k = static_cast<int>(trace.size());
  trace.push_back(
      {{CellOf(i), d, true, why, unit >= 0 ? UnitRef(unit) : PatternUnit{}}, std::move(rests)});
  for (int e = 1; e <= 9; ++e)
    if (e != d && ((s.cand[i] >> e) & 1U) != 0) s.Take(i, e, k);
  s.cand[i] = 0;
  s.digit[i] = static_cast<std::uint8_t>(d);
  for (int p : Peers()[i])
    if (s.Has(p, d)) s.Take(p, d, k);
}

int UnitOfLine(bool row, int index) {
  return row ? RowOf(index) : 9 + ColOf(index);
}

// One round: the first break, or else the first single, or else the first
// pointing or claiming. Returns false when nothing is left to do.
bool Round(State& s, std::vector<Link>& trace, std::optional<Break>& broken) {
  for (int i = 0; i < 81; ++i) {
    if (s.digit[i] != 0 || s.cand[i] != 0) continue;
    Break b{NetBreak::EmptyCell, i, 0, 0, {}};
    for (int d = 1; d <= 9; ++d) s.AddCause(i, d, b.rests);
    broken = std::move(b);
    return false;
  }
  int hiddenCell = -1, hiddenDigit = 0, hiddenUnit = 0;
  for (int u = 0; u < 27; ++u) {
    const auto& cells = Units()[u];
    DigitSet placed = 0;
    std::array<int, 10> count{}, where{};
    for (int j : cells) {
      if (s.digit[j] != 0) {
        placed = static_cast<DigitSet>(placed | 1U << s.digit[j]);
        continue;
      }
      for (DigitSet m = s.cand[j]; m != 0; m = static_cast<DigitSet>(m & (m - 1))) {
        const int d = std::countr_zero(m);
        ++count[d];
        where[d] = j;
      }
    }
    for (int d = 1; d <= 9; ++d) {
      if (((placed >> d) & 1U) != 0) continue;
      if (count[d] == 0) {
        Break b{NetBreak::NoPlace, 0, u, d, {}};
        for (int j : cells) s.AddCause(j, d, b.rests);
        broken = std::move(b);
        return false;
      }
      if (count[d] == 1 && hiddenCell < 0) hiddenCell = where[d], hiddenDigit = d, hiddenUnit = u;
    }
  }
  for (int i = 0; i < 81; ++i) {
    if (s.digit[i] != 0 || std::popcount(s.cand[i]) != 1) continue;
    const int d = std::countr_zero(s.cand[i]);
    std::vector<int> rests;
    for (int e = 1; e <= 9; ++e)
      if (e != d) s.AddCause(i, e, rests);
    Place(s, trace, i, d, NetReason::OnlyCandidate, -1, std::move(rests));
    return true;
  }
  if (hiddenCell >= 0) {
    std::vector<int> rests;
    for (int j : Units()[hiddenUnit])
      if (j != hiddenCell) s.AddCause(j, hiddenDigit, rests);
    Place(s, trace, hiddenCell, hiddenDigit, NetReason::OnlyPlace, hiddenUnit, std::move(rests));
    return true;
  }
  // Pointing (places of a block in one line) and claiming (places of a line
  // in one block): the digit leaves the rest of the other unit.
  for (int u = 0; u < 27; ++u) {
    for (int d = 1; d <= 9; ++d) {
      int first = -1, rowsSame = 1, colsSame = 1, blocksSame = 1, n = 0;
      for (int j : Units()[u]) {
        if (!s.Has(j, d)) continue;
        if (first < 0) {
          first = j;
        } else {
          rowsSame &= static_cast<int>(RowOf(j) == RowOf(first));
          colsSame &= static_cast<int>(ColOf(j) == ColOf(first));
          blocksSame &= static_cast<int>(BlockOfIndex(j) == BlockOfIndex(first));
        }
        ++n;
      }
      if (n < 2) continue;
      int other = -1;
      if (u >= 18 && rowsSame) other = UnitOfLine(true, first);
      if (u >= 18 && colsSame) other = UnitOfLine(false, first);
      if (u < 18 && blocksSame) other = 18 + BlockOfIndex(first);
      if (other < 0) continue;
      const auto& base = Units()[u];
      const auto inBase = [&base](int j) { return std::ranges::find(base, j) != base.end(); };
      bool any = false;
      for (int j : Units()[other]) {
        if (inBase(j) || !s.Has(j, d)) continue;
        if (!any) {
          any = true;
        }
        std::vector<int> rests;
        for (int b : base)
          if (std::ranges::find(Units()[other], b) == Units()[other].end()) s.AddCause(b, d, rests);
        const int k = static_cast<int>(trace.size());
        trace.push_back({{CellOf(j), d, false, NetReason::Locked, UnitRef(u)}, std::move(rests)});
        s.Take(j, d, k);
      }
      if (any) return true;
    }
  }
  return false;
}

// The empty cells' candidates in the net's order: fewest candidates first,
// then reading order, then digit.
std::vector<std::pair<int, int>> Assumptions(const State& s) {
  std::vector<std::pair<int, int>> out;
  for (int n = 2; n <= 9; ++n)
    for (int i = 0; i < 81; ++i) {
      if (s.digit[i] != 0 || std::popcount(s.cand[i]) != n) continue;
      for (int d = 1; d <= 9; ++d)
        if (((s.cand[i] >> d) & 1U) != 0) out.emplace_back(i, d);
    }
  return out;
}

// The links a break rests on, followed back to the assumption.
std::vector<bool> Needed(const std::vector<Link>& trace, const std::vector<int>& rests) {
  std::vector<bool> needed(trace.size(), false);
  std::vector<int> todo = rests;
  while (!todo.empty()) {
    const int k = todo.back();
    todo.pop_back();
    if (needed[k]) continue;
    needed[k] = true;
    for (int r : trace[k].rests) todo.push_back(r);
  }
  return needed;
}

// Writes where a board broke into a step or a refutation.
template <typename Out>
void DescribeBreak(const Break& b, Out& out) {
  out.broken = b.kind;
  if (b.kind == NetBreak::EmptyCell) {
    out.brokenCell = CellOf(b.cell);
  } else {
    out.brokenUnit = UnitRef(b.unit);
    out.brokenDigit = b.digit;
    out.brokenCell = CellOf(Units()[b.unit][0]);
  }
}

// A Refuted link's inner net, by the index of the link in the trace.
using Refutations = std::vector<std::pair<int, NetRefutation>>;

// Follows the board to a break or to a standstill. At depth 1, a standstill
// tries each candidate left one level deeper, and one whose assumption
// breaks the board leaves it; its inner net goes to `refutations`, only for
// the one kept, so the tries that fail cost nothing more. `budget` bounds the
// deeper walks.
std::optional<Break> Walk(State& s, std::vector<Link>& trace, int depth, int& budget,
                          Refutations* refutations) {
  for (;;) {
    std::optional<Break> broken;
    while (Round(s, trace, broken)) {
    }
    if (broken || depth == 0) return broken;
    bool refuted = false;
    for (const auto& [i, d] : Assumptions(s)) {
      if (--budget < 0) return std::nullopt;
      State inner = s;
      std::vector<Link> innerTrace = trace;
      const int start = static_cast<int>(innerTrace.size());
      Place(inner, innerTrace, i, d, NetReason::Assumed, -1, {});
      int none = 0;
      const std::optional<Break> b = Walk(inner, innerTrace, 0, none, nullptr);
      if (!b) continue;
      const std::vector<bool> needed = Needed(innerTrace, b->rests);
      std::vector<int> rests;
      for (int k = 0; k < start; ++k)
        if (needed[k]) rests.push_back(k);
      const int k = static_cast<int>(trace.size());
      if (refutations != nullptr) {
        NetRefutation r;
        for (std::size_t j = static_cast<std::size_t>(start); j < innerTrace.size(); ++j)
          if (needed[j] || j == static_cast<std::size_t>(start))
            r.implications.push_back(innerTrace[j].what);
        DescribeBreak(*b, r);
        refutations->emplace_back(k, std::move(r));
      }
      trace.push_back({{CellOf(i), d, false, NetReason::Refuted, {}}, std::move(rests)});
      s.Take(i, d, k);
      refuted = true;
      break;
    }
    if (!refuted) return std::nullopt;
  }
}

std::optional<ForcingNetStep> Net(const State& start, int i, int d, int depth, int& budget) {
  State s = start;
  std::vector<Link> trace;
  Place(s, trace, i, d, NetReason::Assumed, -1, {});
  Refutations refutations;
  const std::optional<Break> b = Walk(s, trace, depth, budget, &refutations);
  if (!b) return std::nullopt;
  ForcingNetStep step;
  step.cell = CellOf(i);
  step.digit = d;
  const std::vector<bool> needed = Needed(trace, b->rests);
  for (std::size_t k = 0; k < trace.size(); ++k) {
    if (k != 0 && !needed[k]) continue;
    step.implications.push_back(trace[k].what);
    if (trace[k].what.why != NetReason::Refuted) continue;
    step.nested = true;
    for (auto& [at, r] : refutations)
      if (at == static_cast<int>(k)) step.refutations.push_back(std::move(r));
  }
  DescribeBreak(*b, step);
  step.eliminations = {{step.cell, d}};
  return step;
}

// The deeper walks stop after this many second-level assumptions in all, so
// that one request stays short on the hardest boards.
constexpr int kNestedBudget = 20000;

}  // namespace

std::optional<ForcingNetStep> FindForcingNet(const core::Board& board) {
  const State start(board);
  const std::vector<std::pair<int, int>> order = Assumptions(start);
  int none = 0;
  for (const auto& [i, d] : order)
    if (auto step = Net(start, i, d, 0, none)) return step;
  int budget = kNestedBudget;
  for (const auto& [i, d] : order) {
    if (budget <= 0) break;
    if (auto step = Net(start, i, d, 1, budget)) return step;
  }
  return std::nullopt;
}

void Apply(const ForcingNetStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
