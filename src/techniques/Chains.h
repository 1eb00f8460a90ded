#pragma once

#include <memory>
#include <vector>

#include "core/Board.h"
#include "techniques/TechniqueResult.h"

namespace zentaro::techniques {

// One step of a chain: the digit this step puts into the cell. Parent and
// child only point into the node list that owns both.
struct ChainNode {
  int column = 0;  // 1..9
  int row = 0;     // 1..9
  int digit = 0;
  int index = 0;                // position in the owning list
  ChainNode* parent = nullptr;  // none for the start node
  ChainNode* child = nullptr;   // the last step created from this one
};

// Every node of one chain in creation order, the start node at index 0. The
// nodes form a tree rooted at the start; the list owns them, so they go when
// the list goes.
using TabCellArray = std::vector<std::unique_ptr<ChainNode>>;

// The conclusion a pair of chains must reach. column 0 means no target yet:
// any conclusion is accepted and then becomes the target (digit 0 for a
// contradiction).
struct ChainTarget {
  int column = 0;
  int row = 0;
  int digit = 0;

  bool IsSet() const { return column != 0; }
};

// Adds a node for `digit` at (col, row) below `parent` (nullptr for the start)
// and, depth first, every consequence: peers with exactly two candidates that
// lose the digit take their other one; with useHiddenSingles and only from
// the start node, the hidden singles the placement leaves replace those
// two-candidate steps (and set hiddenSingleUsed). `depth` is the level of the
// last node added, the start being level 1; nodes above maxDepth are added but
// not expanded. No node is added when an ancestor holds the same digit in a
// unit of the cell. The board is not changed.
void ExtendChain(const core::Board& board, int& depth, TabCellArray& nodes, ChainNode* parent,
                 int digit, int col, int row, bool useHiddenSingles, int maxDepth,
                 bool& hiddenSingleUsed);

// The path from the start node down to `last`, one link per node; the second
// link carries the hidden-single mark when the chain used a hidden-single
// step.
ChainPath DescribeChain(const ChainNode& last, bool hiddenSingleUsed);

// Builds chain A from the lowest and chain B from the highest candidate of the
// start cell (1-based row and column, a two-candidate cell) and looks for a
// forcing result: the same digit in the same other cell in both chains, the
// first node of A in list order with its first partner in B. Failing that, a
// contradiction: one chain putting two different digits into the same cell,
// chain A before chain B; fixedDigit is then set to the impossible candidate.
//
// With fixedDigit above 0 only that candidate's chain is built, and the call
// never succeeds (fixedDigit comes back 0). An unset target is set to the
// conclusion found; a set one restricts the search to it. With wantText the
// two paths lead to the two nodes of the conclusion (both from the same
// chain for a contradiction). Returns 1 for a forcing result, else 0.
int BuildChainPair(const core::Board& board, int& fixedDigit, bool hiddenSinglesA,
                   bool hiddenSinglesB, ChainPath& pathA, ChainPath& pathB, ChainTarget& target,
                   int startRow, int startCol, int maxDepth, bool wantText);

// Tries the two-candidate cells column by column (rows 1..9 within a column)
// as start cells; the first that yields a forcing result, or a contradiction
// when allowContradiction, is used.
//
// Apply (!wantText): the concluded digit is placed (the forced digit in the
// forced cell, or the start cell's remaining candidate after a contradiction),
// removed from the peers, emptyCount lowered; returns 1, else 0.
//
// Check (wantText): the board is left as it was. Returns 1 for a forcing
// result, 0 for a contradiction (excludedDigit above 0) or for nothing.
//
// On a conclusion, in both modes, `result` gets digit, cellColumn, cellRow
// (the placement) and excludedDigit (0 for a forcing result); with wantText
// also chainA (the chain from the start cell's lower candidate, or for a
// contradiction the first of the two clashing paths) and chainB. With
// useHiddenSingles each path is picked among four runs that allow hidden
// singles in both, one or neither chain, favouring paths without hidden-single
// steps unless one with them is shorter. Nothing found: excludedDigit 0, the
// other fields as the caller left them (the paths emptied when wanted).
int FindChain(core::Board& board, bool wantText, bool allowContradiction, bool useHiddenSingles,
              int maxDepth, int& emptyCount, TechniqueResult& result);

}  // namespace zentaro::techniques
