#include "techniques/Chains.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "techniques/Singles.h"

namespace zentaro::techniques {

using core::Board;
using core::Cell;
using core::kCount;
using core::kDigit;

namespace {

bool IsEmpty(const Cell& cell) {
  return cell[kDigit] == 0;
}

bool SameUnit(int col1, int row1, int col2, int row2) {
  return col1 == col2 || row1 == row2 || core::BlockOf(col1, row1) == core::BlockOf(col2, row2);
}

int LowestCandidateExcept(const Cell& cell, int except) {
  for (int d = 1; d <= 9; ++d)
    if (d != except && cell.HasCandidate(d)) return d;
  return 0;
}

int HighestCandidate(const Cell& cell) {
  for (int d = 9; d >= 1; --d)
    if (cell.HasCandidate(d)) return d;
  return 0;
}

// The peers of (col, row) in the order the two-candidate steps visit them:
// the block column by column, then the rest of the row, then the rest of the
// column.
template <typename Visit>
void ForEachPeerInChainOrder(int col, int row, Visit visit) {
  const core::BlockBounds b = core::BoundsOfBlock(core::BlockOf(col, row));
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (c != col || r != row) visit(c, r);
  for (int c = 1; c <= 9; ++c)
    if (c < b.firstCol || c > b.lastCol) visit(c, row);
  for (int r = 1; r <= 9; ++r)
    if (r < b.firstRow || r > b.lastRow) visit(col, r);
}

// Key of a placement: 81 cells times nine digits.
int PlacementKey(int col, int row, int digit) {
  return 81 * (digit - 1) + 9 * (row - 1) + col - 1;
}
int CellKey(int col, int row) {
  return 9 * (row - 1) + col - 1;
}

struct ChainConclusion {
  const ChainNode* first = nullptr;
  const ChainNode* second = nullptr;
};

// The first node after the start, in list order, whose cell and digit reappear
// in `other` (after its start); its partner is the earliest such node there.
ChainConclusion FindForcing(const TabCellArray& chainA, const TabCellArray& chainB, int startCol,
                            int startRow, const ChainTarget& target) {
  constexpr int kNone = -1;
  std::array<int, 729> firstInB;
  firstInB.fill(kNone);
  for (std::size_t i = chainB.size(); i-- > 1;) {
    const ChainNode& b = *chainB[i];
    firstInB[PlacementKey(b.column, b.row, b.digit)] = static_cast<int>(i);
  }
  for (std::size_t i = 1; i < chainA.size(); ++i) {
    const ChainNode& a = *chainA[i];
    if (a.column == startCol && a.row == startRow) continue;
    if (target.IsSet() &&
        (a.column != target.column || a.row != target.row || a.digit != target.digit))
      continue;
    const int partner = firstInB[PlacementKey(a.column, a.row, a.digit)];
    if (partner != kNone) return {&a, chainB[partner].get()};
  }
  return {};
}

// The first pair of nodes after the start, in list order of the earlier one,
// that put two different digits into the same cell.
ChainConclusion FindContradiction(const TabCellArray& chain, int startCol, int startRow,
                                  const ChainTarget& target) {
  std::array<std::vector<const ChainNode*>, 81> byCell;
  for (std::size_t i = 1; i < chain.size(); ++i) {
    const ChainNode& n = *chain[i];
    byCell[CellKey(n.column, n.row)].push_back(&n);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) {
    const ChainNode& a = *chain[i];
    if (a.column == startCol && a.row == startRow) continue;
    if (target.IsSet() && (a.column != target.column || a.row != target.row)) continue;
    for (const ChainNode* later : byCell[CellKey(a.column, a.row)])
      if (later->index > a.index && later->digit != a.digit) return {&a, later};
  }
  return {};
}

// Adds a node for `digit` at (col, row) below `parent` (nullptr for the
// start) and, depth first, every consequence (see GrowChain). `depth` is the
// level of the last node added, shared by the whole recursion.
void ExtendChain(const Board& board, int& depth, TabCellArray& nodes, ChainNode* parent, int digit,
                 int col, int row, bool useHiddenSingles, int maxDepth, bool& hiddenSingleUsed) {
  const int level = depth + 1;

  // A digit may not follow from a step that already put it into one of its
  // units: that path is discarded rather than extended.
  for (const ChainNode* n = parent; n != nullptr; n = n->parent)
    if (n->digit == digit && SameUnit(n->column, n->row, col, row)) return;

  auto owned = std::make_unique<ChainNode>();
  ChainNode* node = owned.get();
  node->column = col;
  node->row = row;
  node->digit = digit;
  node->index = static_cast<int>(nodes.size());
  node->parent = parent;
  if (parent != nullptr) parent->child = node;
  nodes.push_back(std::move(owned));
  depth = level;

  if (level > maxDepth) return;

  if (useHiddenSingles && level == 1) {
    Board placed = board;
    core::FillCell(placed, {col, row}, digit);
    Board collected = placed;
    const int found = CollectHiddenSingles(collected);
    if (found > 0) {
      for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
          if (c == col && r == row) continue;
          const int newDigit = collected.at(c, r)[kDigit];
          if (newDigit == 0 || !IsEmpty(board.at(c, r))) continue;
          hiddenSingleUsed = true;
          depth = level;
          ExtendChain(placed, depth, nodes, node, newDigit, c, r, useHiddenSingles, maxDepth,
                      hiddenSingleUsed);
        }
      }
      return;
    }
  }

  ForEachPeerInChainOrder(col, row, [&](int c, int r) {
    const Cell& cell = board.at(c, r);
    if (!IsEmpty(cell) || cell[kCount] != 2 || !cell.HasCandidate(digit)) return;
    depth = level;
    ExtendChain(board, depth, nodes, node, LowestCandidateExcept(cell, digit), c, r,
                useHiddenSingles, maxDepth, hiddenSingleUsed);
  });
}

}  // namespace

ChainTree GrowChain(const Board& board, core::CellRef start, int digit, HiddenSingles hiddenSingles,
                    int maxDepth) {
  ChainTree tree;
  int depth = 0;
  ExtendChain(board, depth, tree.nodes, nullptr, digit, start.col, start.row,
              hiddenSingles == HiddenSingles::Yes, maxDepth, tree.hiddenSingleUsed);
  return tree;
}

ChainPath DescribeChain(const ChainNode& last, bool hiddenSingleUsed) {
  ChainPath reversed;
  for (const ChainNode* n = &last; n != nullptr; n = n->parent)
    reversed.push_back({{n->column, n->row}, n->digit, false});
  ChainPath path(reversed.rbegin(), reversed.rend());
  if (hiddenSingleUsed && path.size() > 1) path[1].hiddenSingle = true;
  return path;
}

ChainPair BuildChainPair(const Board& board, const ChainPairAsk& ask) {
  const int startCol = ask.start.col, startRow = ask.start.row;
  const Cell& start = board.at(startCol, startRow);
  ChainPair pair;
  pair.fixedDigit = ask.fixedDigit;
  pair.target = ask.target;
  int& fixedDigit = pair.fixedDigit;
  ChainTarget& target = pair.target;
  const bool withChainB = fixedDigit == 0;
  const int digitA = withChainB ? LowestCandidateExcept(start, 0) : fixedDigit;
  const int digitB = withChainB ? HighestCandidate(start) : 0;

  // Both trees are locals: every node goes with them on every return.
  const ChainTree treeA = GrowChain(board, ask.start, digitA, ask.hiddenSinglesA, ask.maxDepth);
  ChainTree treeB;
  if (withChainB) treeB = GrowChain(board, ask.start, digitB, ask.hiddenSinglesB, ask.maxDepth);
  const TabCellArray& chainA = treeA.nodes;
  const TabCellArray& chainB = treeB.nodes;
  const bool hiddenUsedA = treeA.hiddenSingleUsed;
  const bool hiddenUsedB = treeB.hiddenSingleUsed;
  if (chainA.empty() || chainB.empty()) {
    fixedDigit = 0;
    return pair;
  }

  bool pathHiddenA = hiddenUsedA;
  bool pathHiddenB = hiddenUsedB;
  ChainConclusion conclusion = FindForcing(chainA, chainB, startCol, startRow, target);
  if (conclusion.first != nullptr) {
    pair.forcing = true;
  } else {
    if (fixedDigit == 0 || fixedDigit == digitA) {
      conclusion = FindContradiction(chainA, startCol, startRow, target);
      if (conclusion.first != nullptr) {
        fixedDigit = digitA;
        pathHiddenB = hiddenUsedA;
      }
    }
    if (conclusion.first == nullptr && fixedDigit == 0) {
      conclusion = FindContradiction(chainB, startCol, startRow, target);
      if (conclusion.first != nullptr) {
        fixedDigit = digitB;
        pathHiddenA = hiddenUsedB;
      }
    }
  }
  if (conclusion.first == nullptr) return pair;

  if (!target.IsSet()) {
    target.column = conclusion.first->column;
    target.row = conclusion.first->row;
    target.digit = pair.forcing ? conclusion.first->digit : 0;
  }
  pair.pathA = DescribeChain(*conclusion.first, pathHiddenA);
  pair.pathB = DescribeChain(*conclusion.second, pathHiddenB);
  return pair;
}

namespace {

ChainPair RunChainPair(const Board& board, int fixedDigit, const ChainTarget& target,
                       HiddenSingles inA, HiddenSingles inB, core::CellRef start, int maxDepth) {
  return BuildChainPair(board, ChainPairAsk{start, fixedDigit, target, inA, inB, maxDepth});
}

// Prefers chains without hidden-single steps, then the shorter ones; run 1
// allows hidden singles in both chains, run 2 in chain A only, run 3 in chain B
// only, run 4 in neither. The later runs take part only when they found the
// forcing result again.
void ChooseTexts(const std::array<ChainPair, 4>& runs, ChainPath& pathA, ChainPath& pathB) {
  const auto counts = [&](int n) { return runs[n - 1].forcing; };
  const auto lenA = [&](int n) { return runs[n - 1].pathA.size(); };
  const auto lenB = [&](int n) { return runs[n - 1].pathB.size(); };

  int a = counts(4) ? 4 : counts(3) ? 3 : counts(2) ? 2 : 1;
  if (counts(3) && lenA(3) <= lenA(a)) a = 3;
  if (counts(4) && lenA(4) <= lenA(a)) a = 4;
  if (counts(2) && lenA(2) < lenA(a)) a = 2;

  int b = counts(4) ? 4 : counts(2) ? 2 : counts(3) ? 3 : 1;
  if (counts(2) && lenB(2) <= lenB(b)) b = 2;
  // Compared as signed lengths: with an empty current path the bound is -1.
  if (static_cast<long>(lenB(1)) < static_cast<long>(lenB(b)) - 1) b = 1;
  if (counts(3) && lenB(3) < lenB(b)) b = 3;

  pathA = runs[a - 1].pathA;
  pathB = runs[b - 1].pathB;
}

enum class Paths { Chosen, None };

std::optional<ChainStep> SearchChain(const Board& board, const ChainPass& pass, Paths paths) {
  const HiddenSingles hs = pass.hiddenSingles;
  const bool allowContradiction = pass.contradictions == Contradictions::Yes;
  for (int startCol = 1; startCol <= 9; ++startCol) {
    for (int startRow = 1; startRow <= 9; ++startRow) {
      const Cell& start = board.at(startCol, startRow);
      if (!IsEmpty(start) || start[kCount] != 2) continue;

      const core::CellRef startCell{startCol, startRow};
      ChainPair first = RunChainPair(board, 0, ChainTarget{}, hs, hs, startCell, pass.maxDepth);
      const bool counts = first.forcing || (allowContradiction && first.fixedDigit > 0);
      if (!counts) continue;

      ChainStep step;
      step.excludedDigit = first.fixedDigit;
      const bool contradiction = !first.forcing;
      step.digit =
          contradiction ? LowestCandidateExcept(start, first.fixedDigit) : first.target.digit;
      step.cell = contradiction ? startCell : core::CellRef{first.target.column, first.target.row};
      if (paths == Paths::None) return step;

      if (hs == HiddenSingles::No) {
        step.chainA = std::move(first.pathA);
        step.chainB = std::move(first.pathB);
      } else {
        using enum HiddenSingles;
        const std::array<ChainPair, 4> runs{
            first,
            RunChainPair(board, first.fixedDigit, first.target, Yes, No, startCell, pass.maxDepth),
            RunChainPair(board, first.fixedDigit, first.target, No, Yes, startCell, pass.maxDepth),
            RunChainPair(board, first.fixedDigit, first.target, No, No, startCell, pass.maxDepth)};
        ChooseTexts(runs, step.chainA, step.chainB);
      }
      return step;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ChainStep> FindChain(const Board& board, const ChainPass& pass) {
  return SearchChain(board, pass, Paths::Chosen);
}

std::optional<ChainStep> ApplyChain(Board& board, const ChainPass& pass) {
  std::optional<ChainStep> step = SearchChain(board, pass, Paths::None);
  if (step) Apply(*step, board);
  return step;
}

void Apply(const ChainStep& step, Board& board) {
  core::FillCell(board, step.cell, step.digit);
}

}  // namespace zentaro::techniques
