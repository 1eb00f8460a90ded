#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// One step of a chain: the digit it puts into the cell, and whether it was
// taken as a hidden single of the start's placement rather than as a cell's
// last candidate. The hints write it as "B7=4", "C2=5*".
struct ChainLink {
  core::CellRef cell;
  int digit = 0;
  bool hiddenSingle = false;
  bool operator==(const ChainLink&) const = default;
};

// A chain from its start cell to its conclusion, one link per step.
using ChainPath = std::vector<ChainLink>;

// How far a chain search looks: the depth of its chains, whether the start's
// placement may go on through hidden singles, and whether a contradiction
// counts (sound only for a puzzle with one solution).
enum class HiddenSingles { No, Yes };
enum class Contradictions { No, Yes };

struct ChainPass {
  int maxDepth = 2;
  HiddenSingles hiddenSingles = HiddenSingles::No;
  Contradictions contradictions = Contradictions::No;
  bool operator==(const ChainPass&) const = default;
};

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

// A chain tree grown from its start node (creation order, the start at index
// 0), and whether it took hidden-single steps from the start.
struct ChainTree {
  TabCellArray nodes;
  bool hiddenSingleUsed = false;
};

// Grows the tree of the placement `digit` at `start`: depth first, every
// consequence: peers with exactly two candidates that lose the digit take
// their other one; with hidden singles, and only from the start node, the
// hidden singles the placement leaves replace those two-candidate steps.
// Nodes below maxDepth levels (the start being level 1) are added but not
// expanded. No node is added when an ancestor holds the same digit in a unit
// of the cell. The board is not changed.
ChainTree GrowChain(const core::Board& board, core::CellRef start, int digit,
                    HiddenSingles hiddenSingles, int maxDepth);

// The path from the start node down to `last`, one link per node; the second
// link carries the hidden-single mark when the chain used a hidden-single
// step.
ChainPath DescribeChain(const ChainNode& last, bool hiddenSingleUsed);

// What to build from a two-candidate start cell: with fixedDigit 0 chain A
// from its lower and chain B from its higher candidate; with a fixed digit
// only that candidate's chain. A set target restricts the search to it.
struct ChainPairAsk {
  core::CellRef start;
  int fixedDigit = 0;
  ChainTarget target;
  HiddenSingles hiddenSinglesA = HiddenSingles::No;
  HiddenSingles hiddenSinglesB = HiddenSingles::No;
  int maxDepth = 2;
};

// forcing: the same digit in the same other cell in both chains (the first
// node of A in list order with its first partner in B). Failing that, a
// contradiction: one chain putting two different digits into the same cell,
// chain A before chain B; fixedDigit then names the impossible candidate. A
// fixed digit asked for never gives a forcing result and comes back 0. The
// target is the conclusion found (digit 0 for a contradiction); the paths
// lead to its two nodes (both from the same chain for a contradiction).
struct ChainPair {
  bool forcing = false;
  int fixedDigit = 0;
  ChainTarget target;
  ChainPath pathA;
  ChainPath pathB;
};
ChainPair BuildChainPair(const core::Board& board, const ChainPairAsk& ask);

// A chain's conclusion and the two chains that lead to it.
struct ChainStep {
  core::CellRef cell;  // the placement
  int digit = 0;
  // A contradicting chain: the start cell's candidate whose chain clashes
  // (the cell takes its other one); 0 for a forcing chain.
  int excludedDigit = 0;
  ChainPath chainA;  // from the start's lower candidate, or the first clashing path
  ChainPath chainB;
  bool operator==(const ChainStep&) const = default;
};

// Tries the two-candidate cells column by column (rows 1..9 within a column)
// as start cells; the first that yields a forcing result, or a contradiction
// when the pass allows it, is the step. With hidden singles each path is
// picked among four runs that allow hidden singles in both, one or neither
// chain, favouring paths without hidden-single steps unless one with them is
// shorter.
std::optional<ChainStep> FindChain(const core::Board& board, const ChainPass& pass);

// Places the conclusion of the step FindChain would report, and returns it
// without its paths.
std::optional<ChainStep> ApplyChain(core::Board& board, const ChainPass& pass);

// Places the step's digit and takes it out of the peers.
void Apply(const ChainStep& step, core::Board& board);

}  // namespace zentaro::techniques
