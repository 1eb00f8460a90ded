// The chain finders on hand-made positions: the exact chain and its
// eliminations where one stands, and nothing where a near miss leaves the
// chain without an end to act on.

#include "techniques/Aic.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using core::CellRef;
using test::C;
using test::Only;

// "A1:5", "D1/E1:5"; links "S row 1", "W in cell"; eliminations "A5-5".
std::string Describe(const AicStep& step) {
  std::string out;
  for (std::size_t k = 0; k < step.nodes.size(); ++k) {
    if (k > 0) {
      const AicLink& l = step.links[k - 1];
      out += l.strong ? " S" : " W";
      if (!l.inCell) {
        const char* kinds[] = {"row", "col", "block"};
        out += '(';
        out += kinds[static_cast<int>(l.unit.kind)];
        out += std::to_string(l.unit.number);
        out += ')';
      }
      out += " ";
    }
    for (std::size_t i = 0; i < step.nodes[k].cells.size(); ++i) {
      if (i > 0) out += '/';
      out += core::CellName(step.nodes[k].cells[i]);
    }
    out += ':';
    out += std::to_string(step.nodes[k].digit);
  }
  out += " |";
  for (const Elimination& e : step.eliminations)
  {
    out += ' ';
    out += core::CellName(e.cell);
    out += '-';
    out += std::to_string(e.digit);
  }
  return out;
}

Board XChainBoard(bool withTargets) {
  if (withTargets) return Only(5, {"A1", "D1", "D5", "H5", "H9", "A9", "A4", "A6"});
  return Only(5, {"A1", "D1", "D5", "H5", "H9", "A9"});
}

Board XYChainBoard(int lastFree) {
  Board b = test::OpenBoard();
  test::SetCandidates(b, "A1", {1, 2});
  test::SetCandidates(b, "A4", {2, 3});
  test::SetCandidates(b, "C4", {3, 4});
  test::SetCandidates(b, "C6", {4, lastFree});
  return b;
}

// 5 in column 1 only in A1 and the group D1/E1, in row F only in F2 and F5.
Board GroupedBoard(bool withTarget) {
  if (withTarget) return Only(5, {"A1", "D1", "E1", "F2", "F5", "A5", "A7", "C5"});
  return Only(5, {"A1", "D1", "E1", "F2", "F5"});
}

// A1 holds 1 2; 2 in row E only in E1 and E5, 3 in column 5 only in E5 and
// A5: A1 is 1 or A5 is 3.
Board MixedEndsBoard() {
  Board b = test::OpenBoard();
  test::SetCandidates(b, "A1", {1, 2});
  for (int c = 2; c <= 9; ++c)
    if (c != 5) test::Eliminate(b, c, 5, 2);
  for (int r = 2; r <= 9; ++r)
    if (r != 5) test::Eliminate(b, 5, r, 3);
  return b;
}

TEST(Chains, EachFinderOnItsPatternAndANearMiss) {
  struct Case {
    std::string label;
    std::function<std::optional<AicStep>(const Board&)> find;
    Board board;
    std::string expected;  // empty: no chain
  };
  const std::vector<Case> cases{
      {"X-Chain of three strong links", FindXChain, XChainBoard(true),
       "A1:5 S(col1) D1:5 W(row4) D5:5 S(col5) H5:5 W(row8) H9:5 S(col9) A9:5 | A4-5 A6-5"},
      {"X-Chain whose ends see no other 5", FindXChain, XChainBoard(false), ""},
      {"XY-Chain of four cells", FindXYChain, XYChainBoard(1),
       "A1:1 S A1:2 W(row1) A4:2 S A4:3 W(col4) C4:3 S C4:4 W(row3) C6:4 S C6:1 | A5-1 A6-1 "
       "C1-1 C2-1 C3-1"},
      {"XY-Chain whose free digits differ", FindXYChain, XYChainBoard(5), ""},
      {"inference chain through a group", FindAic, GroupedBoard(true),
       "A1:5 S(col1) D1/E1:5 W(block4) F2:5 S(row6) F5:5 | A5-5"},
      {"inference chain whose ends see no other 5", FindAic, GroupedBoard(false), ""},
      {"inference chain with different digits at its ends", FindAic, MixedEndsBoard(),
       "A1:1 S A1:2 W(col1) E1:2 S(row5) E5:2 W E5:3 S(col5) A5:3 | A5-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::optional<AicStep> step = c.find(c.board);
    EXPECT_EQ(step ? Describe(*step) : "", c.expected);
    if (!step) continue;
    EXPECT_EQ(step->links.size() + 1, step->nodes.size());
    Board after = c.board;
    Apply(*step, after);
    for (const Elimination& e : step->eliminations)
      EXPECT_FALSE(test::HasCandidate(after, e.cell.col, e.cell.row, e.digit));
  }
}

}  // namespace
}  // namespace zentaro::techniques
