#pragma once

// Chains of candidates, after BUG+1 and before the forcing nets: X-Chain,
// XY-Chain and alternating inference chains with grouped nodes. The three
// share one search and one step.
//
// A node is a digit in one cell, or in a group of two or three cells of one
// block 3x3 in one line (the group holds the digit when one of its cells
// does). Links alternate:
//   strong: if one node is false, the other is true: the two candidates of a
//     cell with exactly two, or a digit's only two places (cells or groups)
//     in a row, column or block;
//   weak: if one node is true, the other is false: one digit in nodes whose
//     cells all see each other (in one unit), or two digits of one cell.
// A chain starts and ends with a strong link, so if its first node is false
// its last is true: one of the two ends is true.
//
//   X-Chain: one digit, single cells, strong links by units only; at least
//     three strong links (shorter ones are the Skyscraper, the Kite and their
//     kin). Every cell that sees both ends loses the digit.
//   XY-Chain: cells with exactly two candidates, each seeing the next and
//     sharing the digit that links them; the free digit z of the first cell
//     is the free digit of the last; at least three cells. Every cell that
//     sees both ends loses z.
//   Alternating inference chain: every kind of node and link; at least two
//     strong links. Both ends the same digit: cells that see every cell of
//     both ends lose it. Single-cell ends with different digits in cells
//     that see each other: each loses the other end's digit. Both ends in
//     one cell: it keeps only the two digits.
// A candidate that is itself a node of the chain is never eliminated by it.
//
// Search order, the same for the three: the shortest chain (fewest nodes, at
// most kMaxChainNodes) first; among chains of one length, by the first node:
// digit 1..9, then single cells in reading order, then groups by block 1..9,
// the block's rows before its columns, top to bottom and left to right; then
// in breadth-first order of the links, each node's links tried as: the
// cell's other candidates (digits ascending), then the units holding the
// node (rows, columns, blocks), in each unit single cells in reading order
// before groups. A chain never visits a node twice.
//
// Numbering as in Patterns.h.

#include <optional>
#include <string_view>
#include <vector>

#include "core/Board.h"
#include "techniques/Patterns.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

enum class AicKind { XChain, XYChain, Aic };

inline constexpr int kMaxChainNodes = 16;

struct AicNode {
  std::vector<core::CellRef> cells;  // one, or a group of two or three, reading order
  int digit = 0;
  bool operator==(const AicNode&) const = default;
};

// The link from nodes[i] to nodes[i + 1].
struct AicLink {
  bool strong = false;
  bool inCell = false;  // the two digits of one cell; else one digit in `unit`
  PatternUnit unit{};   // not inCell: the unit both nodes lie in
  bool operator==(const AicLink&) const = default;
};

struct AicStep {
  AicKind kind = AicKind::Aic;
  std::vector<AicNode> nodes;  // at least four, even in number
  std::vector<AicLink> links;  // nodes.size() - 1; strong at even positions
  std::vector<Elimination> eliminations;  // reading order, then digit
  bool operator==(const AicStep&) const = default;
};

std::optional<AicStep> FindXChain(const core::Board& board);
std::optional<AicStep> FindXYChain(const core::Board& board);
std::optional<AicStep> FindAic(const core::Board& board);
void Apply(const AicStep& step, core::Board& board);

}  // namespace zentaro::techniques
