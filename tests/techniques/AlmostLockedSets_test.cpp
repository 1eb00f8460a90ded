// ALS-XZ on hand-made positions: where two almost locked sets are joined by
// a restricted digit, the exact step; and a near miss where the shared
// digits are not restricted. The positions start from an open board, where
// no cell with nine candidates can belong to a set of the sizes searched.

#include "techniques/AlmostLockedSets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "TestBoards.h"
#include "core/Board.h"
#include "techniques/Registry.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using core::CellRef;
using test::C;

// An open board with the named cells narrowed to the given candidates.
Board Narrowed(std::initializer_list<std::pair<const char*, std::initializer_list<int>>> cells) {
  Board board = test::OpenBoard();
  for (const auto& [name, digits] : cells)
    test::SetCandidates(board, name, digits);
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

std::vector<Elimination> Elims(int digit, std::initializer_list<const char*> names) {
  std::vector<Elimination> out;
  for (const char* n : names) out.push_back({C(n), digit});
  return out;
}

// Reading order, the digits of a cell ascending.
std::vector<Elimination> Sorted(std::vector<Elimination> eliminations) {
  std::sort(eliminations.begin(), eliminations.end(),
            [](const Elimination& l, const Elimination& r) {
              const int a = core::GridIndex(l.cell), b = core::GridIndex(r.cell);
              return a != b ? a < b : l.digit < r.digit;
            });
  return eliminations;
}

TEST(AlsXz, TheRestrictedDigitLeavesTheOtherSharedDigitToOneOfTheSets) {
  // Row A: A1 12, A2 23 (digits 1 2 3); row E: E1 14, E3 34 (1 3 4). The 1s
  // see each other in column 1, so one set is locked without 1 and holds 3:
  // A2 or E3 is 3, and the cells that see both lose it.
  AlsXzStep singly;
  singly.a = Set(PatternUnitKind::Row, 1, {"A1", "A2"}, {1, 2, 3});
  singly.b = Set(PatternUnitKind::Row, 5, {"E1", "E3"}, {1, 3, 4});
  singly.x = 1;
  singly.z = 3;
  singly.eliminations = Elims(3, {"A3", "B3", "C3", "D2", "E2", "F2"});

  // With E2 34 in place of E3 the 3s see each other in column 2 as well:
  // doubly linked, one set lacks 1 and the other 3, so 2 is locked in row A,
  // 4 in row E, and 1 and 3 each in one of the sets.
  AlsXzStep doubly;
  doubly.a = singly.a;
  doubly.b = Set(PatternUnitKind::Row, 5, {"E1", "E2"}, {1, 3, 4});
  doubly.x = 1;
  doubly.x2 = 3;
  std::vector<Elimination> all = Elims(1, {"B1", "C1", "D1", "F1", "G1", "H1", "I1"});
  for (const auto& more :
       {Elims(3, {"B2", "C2", "D2", "F2", "G2", "H2", "I2"}),
        Elims(2, {"A3", "A4", "A5", "A6", "A7", "A8", "A9", "B1", "B2", "B3", "C1", "C2", "C3"}),
        Elims(4, {"E3", "E4", "E5", "E6", "E7", "E8", "E9", "D1", "D2", "D3", "F1", "F2", "F3"})})
    all.insert(all.end(), more.begin(), more.end());
  doubly.eliminations = Sorted(all);

  struct Case {
    std::string label;
    Board board;
    std::optional<AlsXzStep> expected;
  };
  const std::vector<Case> cases{
      {"1 restricted by column 1",
       Narrowed({{"A1", {1, 2}}, {"A2", {2, 3}}, {"E1", {1, 4}}, {"E3", {3, 4}}}), singly},
      {"1 and 3 restricted: doubly linked",
       Narrowed({{"A1", {1, 2}}, {"A2", {2, 3}}, {"E1", {1, 4}}, {"E2", {3, 4}}}), doubly},
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
