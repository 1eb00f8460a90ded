// ALS-XZ on hand-made positions: where two almost locked sets are joined by
// a restricted digit, the exact step; and a near miss where the shared
// digits are not restricted. The positions start from an open board, where
// no cell with nine candidates can belong to a set of the sizes searched.

#include "techniques/AlmostLockedSets.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "TestBoards.h"
#include "core/Board.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using core::CellRef;

// "A1" is row A, column 1.
CellRef C(const char* name) {
  return {name[1] - '0', name[0] - 'A' + 1};
}

// An open board with the named cells narrowed to the given candidates.
Board Narrowed(std::initializer_list<std::pair<const char*, std::initializer_list<int>>> cells) {
  Board board = test::OpenBoard();
  for (const auto& [name, digits] : cells)
    test::SetCandidates(board, C(name).col, C(name).row, digits);
  return board;
}

AlsSet Set(PatternUnitKind kind, int number, std::initializer_list<const char*> names,
           std::initializer_list<int> digits) {
  AlsSet set;
  set.unit = {kind, number};
  for (const char* n : names) set.cells.push_back(C(n));
  for (int d : digits) set.digits = static_cast<DigitSet>(set.digits | 1U << d);
  return set;
}

TEST(AlsXz, TheRestrictedDigitLeavesTheOtherSharedDigitToOneOfTheSets) {
  // Row A: A1 12, A2 23 (digits 1 2 3); row E: E1 14, E2 34 (1 3 4). The 1s
  // see each other in column 1, so one set is locked without 1 and holds 3:
  // A2 or E2 is 3, and the rest of column 2 loses it.
  AlsXzStep step;
  step.a = Set(PatternUnitKind::Row, 1, {"A1", "A2"}, {1, 2, 3});
  step.b = Set(PatternUnitKind::Row, 5, {"E1", "E2"}, {1, 3, 4});
  step.x = 1;
  step.z = 3;
  for (const char* n : {"B2", "C2", "D2", "F2", "G2", "H2", "I2"})
    step.eliminations.push_back({C(n), 3});

  struct Case {
    std::string label;
    Board board;
    std::optional<AlsXzStep> expected;
  };
  const std::vector<Case> cases{
      {"1 restricted by column 1",
       Narrowed({{"A1", {1, 2}}, {"A2", {2, 3}}, {"E1", {1, 4}}, {"E2", {3, 4}}}), step},
      // The second set in columns 4 and 5: neither its 1 nor its 3 sees the
      // first set's.
      {"no shared digit restricted",
       Narrowed({{"A1", {1, 2}}, {"A2", {2, 3}}, {"E4", {1, 4}}, {"E5", {3, 4}}}), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::optional<AlsXzStep> found = FindAlsXz(c.board);
    EXPECT_EQ(found, c.expected);
    if (!found) continue;
    Board after = c.board;
    Apply(*found, after);
    Board expected = c.board;
    for (const Elimination& e : found->eliminations) expected.at(e.cell).RemoveCandidate(e.digit);
    EXPECT_EQ(after, expected);
    EXPECT_EQ(NameOf(*found), "ALS-XZ");
  }
}

}  // namespace
}  // namespace zentaro::techniques
