// Each pattern finder on hand-made positions: where the pattern stands, the
// exact step (cells, digits, eliminations); and a near miss where it must
// not be found. The positions start from an open board, on which every cell
// holds every candidate and no pattern can stand, and narrow only what the
// pattern needs.

#include "techniques/Patterns.h"

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
using test::Eliminate;
using test::OpenBoard;
using test::C;
using test::Only;
using test::SetCandidates;

std::vector<CellRef> Cells(std::initializer_list<const char*> names) {
  std::vector<CellRef> cells;
  for (const char* n : names) cells.push_back(C(n));
  return cells;
}

std::vector<Elimination> Elims(int digit, std::initializer_list<const char*> names) {
  std::vector<Elimination> out;
  for (const char* n : names) out.push_back({C(n), digit});
  return out;
}

DigitSet Digits(std::initializer_list<int> digits) {
  DigitSet set = 0;
  for (int d : digits) set |= static_cast<DigitSet>(1U << d);
  return set;
}

// Applying takes away exactly the step's eliminations.
template <typename Step>
void ExpectApplyRemovesExactly(const Board& board, const Step& step) {
  Board after = board;
  Apply(step, after);
  Board expected = board;
  for (const Elimination& e : step.eliminations) {
    ASSERT_TRUE(test::HasCandidate(board, e.cell.col, e.cell.row, e.digit))
        << core::CellName(e.cell) << " " << e.digit;
    expected.at(e.cell).RemoveCandidate(e.digit);
  }
  EXPECT_EQ(after, expected);
}

template <typename Step>
struct Case {
  std::string label;
  Board board;
  std::optional<Step> expected;
};

template <typename Step, typename Find>
void Check(const std::vector<Case<Step>>& cases, Find find) {
  for (const Case<Step>& c : cases) {
    SCOPED_TRACE(c.label);
    const std::optional<Step> found = find(c.board);
    EXPECT_EQ(found, c.expected);
    if (found) ExpectApplyRemovesExactly(c.board, *found);
  }
}

// ---------------------------------------------------------------------------

TEST(Skyscraper, TopsSeeTheEliminations) {
  SkyscraperStep step;
  step.digit = 1;
  step.lines = LineKind::Row;
  step.base = {C("B1"), C("H1")};
  step.tops = {C("B5"), C("H6")};
  step.eliminations = Elims(1, {"A6", "G5"});
  Check<SkyscraperStep>(
      {
          {"rows B and H on column 1", Only(1, {"B1", "B5", "H1", "H6", "A6", "G5"}), step},
          {"tops in one column: an X-Wing", Only(1, {"B1", "B5", "H1", "H5", "A6", "G5"}),
           std::nullopt},
      },
      FindSkyscraper);
}

TEST(TwoStringKite, FarEndsMeetInOneCell) {
  KiteStep step;
  step.digit = 2;
  step.block = 1;
  step.rowLink = {C("A2"), C("A8")};
  step.columnLink = {C("C3"), C("H3")};
  step.eliminations = Elims(2, {"H8"});
  Check<KiteStep>(
      {
          {"row A and column 3 joined in block 1", Only(2, {"A2", "A8", "C3", "H3", "H8"}), step},
          {"ends in different blocks", Only(2, {"A2", "A8", "E3", "H3", "H8"}), std::nullopt},
      },
      FindTwoStringKite);
}

TEST(EmptyRectangle, BlockCrossAndAColumnLink) {
  EmptyRectangleStep step;
  step.digit = 3;
  step.block = 1;
  step.row = 1;
  step.column = 1;
  step.linkLine = LineKind::Column;
  step.link = {C("A5"), C("F5")};
  step.eliminations = Elims(3, {"F1"});
  Check<EmptyRectangleStep>(
      {
          {"block 1 on row A and column 1", Only(3, {"A2", "A3", "C1", "A5", "F5", "F1"}), step},
          {"far end inside the block's band", Only(3, {"A2", "A3", "C1", "A5", "C5", "F1"}),
           std::nullopt},
      },
      FindEmptyRectangle);
}

TEST(XYWing, PincersShareZ) {
  Board wing = OpenBoard();
  SetCandidates(wing, "A1", {1, 2});
  SetCandidates(wing, "A5", {1, 3});
  SetCandidates(wing, "C2", {2, 3});
  Board miss = wing;
  SetCandidates(miss, "C2", {2, 4});
  WingStep step;
  step.kind = WingKind::XYWing;
  step.pivot = C("A1");
  step.pincers = {C("A5"), C("C2")};
  step.pivotDigits = Digits({1, 2});
  step.z = 3;
  step.eliminations = Elims(3, {"A2", "A3", "C4", "C5", "C6"});
  Check<WingStep>(
      {{"pivot A1", wing, step}, {"pincers without a common digit", miss, std::nullopt}},
      FindXYWing);
}

TEST(XYZWing, ZGoesWhereAllThreeAreSeen) {
  Board wing = OpenBoard();
  SetCandidates(wing, "A1", {1, 2, 3});
  SetCandidates(wing, "A5", {1, 3});
  SetCandidates(wing, "B2", {2, 3});
  Board miss = wing;
  SetCandidates(miss, "B2", {4, 5});
  SetCandidates(miss, "D1", {2, 3});
  WingStep step;
  step.kind = WingKind::XYZWing;
  step.pivot = C("A1");
  step.pincers = {C("A5"), C("B2")};
  step.pivotDigits = Digits({1, 2, 3});
  step.z = 3;
  step.eliminations = Elims(3, {"A2", "A3"});
  Check<WingStep>({{"pivot A1", wing, step}, {"no cell sees all three", miss, std::nullopt}},
                  FindXYZWing);
}

TEST(WWing, StrongLinkJoinsTheTwoCells) {
  const auto board = [](const char* linkEnd) {
    Board b = OpenBoard();
    SetCandidates(b, "A1", {4, 5});
    SetCandidates(b, "I9", {4, 5});
    for (int c = 1; c <= 9; ++c) Eliminate(b, c, 5, 4);
    const CellRef end = C(linkEnd);
    SetCandidates(b, 1, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    b.at(end).AddCandidate(4);
    return b;
  };
  WWingStep step;
  step.cells = {C("A1"), C("I9")};
  step.pair = Digits({4, 5});
  step.linkDigit = 4;
  step.removed = 5;
  step.linkUnit = {PatternUnitKind::Row, 5};
  step.link = {C("E1"), C("E9")};
  step.eliminations = Elims(5, {"A9", "I1"});
  Check<WWingStep>({{"row E links the 4s", board("E9"), step},
                    {"the link's far end does not see I9", board("E5"), std::nullopt}},
                   FindWWing);
}

TEST(SimpleColouring, TrapAndWrap) {
  // 6: A1-A5 (row A), A5-C4 (block 2), C4-H4 (column 4); H1 sees A1 and H4.
  Board trap = OpenBoard();
  for (int c = 1; c <= 9; ++c)
    if (c != 1 && c != 5) Eliminate(trap, c, 1, 6);
  for (const char* n : {"B4", "B5", "B6", "C5", "C6"}) Eliminate(trap, C(n).col, C(n).row, 6);
  for (int r = 1; r <= 9; ++r)
    if (r != 3 && r != 8) Eliminate(trap, 4, r, 6);
  Board trapMiss = trap;
  trapMiss.at(C("C5")).AddCandidate(6);

  ColouringStep trapStep;
  trapStep.kind = ColouringKind::Trap;
  trapStep.digit = 6;
  trapStep.colourA = Cells({"A1", "C4"});
  trapStep.colourB = Cells({"A5", "H4"});
  trapStep.eliminations = Elims(6, {"H1"});
  Check<ColouringStep>({{"H1 sees both colours", trap, trapStep},
                        {"links of two cells only", trapMiss, std::nullopt}},
                       FindColourTrap);

  // 7: A1-A5 (row A), A5-E5 (column 5), E5-E2 (row E), E2-B2 (column 2);
  // A1 and B2 take one colour and share block 1.
  Board wrap = OpenBoard();
  for (int c = 1; c <= 9; ++c) {
    if (c != 1 && c != 5) Eliminate(wrap, c, 1, 7);
    if (c != 2 && c != 5) Eliminate(wrap, c, 5, 7);
  }
  for (int r = 1; r <= 9; ++r) {
    if (r != 1 && r != 5) Eliminate(wrap, 5, r, 7);
    if (r != 2 && r != 5) Eliminate(wrap, 2, r, 7);
  }
  Board wrapMiss = wrap;
  wrapMiss.at(C("C2")).AddCandidate(7);

  ColouringStep wrapStep;
  wrapStep.kind = ColouringKind::Wrap;
  wrapStep.digit = 7;
  wrapStep.colourA = Cells({"A1", "B2", "E5"});
  wrapStep.colourB = Cells({"A5", "E2"});
  wrapStep.clash = {C("A1"), C("B2")};
  wrapStep.clashUnit = {PatternUnitKind::Block, 1};
  wrapStep.falseIsA = true;
  wrapStep.eliminations = Elims(7, {"A1", "B2", "E5"});
  Check<ColouringStep>({{"A1 and B2 in block 1", wrap, wrapStep},
                        {"the colours never meet", wrapMiss, std::nullopt}},
                       FindColourWrap);
}

TEST(FishWithFins, XWingAndSwordfish) {
  FishStep finned;
  finned.kind = FishKind::FinnedXWing;
  finned.digit = 8;
  finned.base = {1, 5};
  finned.cover = {2, 7};
  finned.body = Cells({"A2", "A7", "E2", "E7"});
  finned.fins = Cells({"E9"});
  finned.finBlock = 6;
  finned.eliminations = Elims(8, {"D7", "F7"});
  const Board finnedBoard = [] {
    Board b = OpenBoard();
    for (int c = 1; c <= 9; ++c) {
      if (c != 2 && c != 7) Eliminate(b, c, 1, 8);
      if (c != 2 && c != 7 && c != 9) Eliminate(b, c, 5, 8);
    }
    return b;
  }();
  Board finnedMiss = finnedBoard;
  Eliminate(finnedMiss, 9, 5, 8);
  finnedMiss.at(C("E4")).AddCandidate(8);
  Check<FishStep>(
      {{"fin E9", finnedBoard, finned}, {"fin E4 sees no cover cell", finnedMiss, std::nullopt}},
      FindFinnedXWing);

  FishStep sashimi = finned;
  sashimi.kind = FishKind::SashimiXWing;
  sashimi.body = Cells({"A2", "A7", "E2"});
  sashimi.fins = Cells({"E8", "E9"});
  Board sashimiBoard = finnedBoard;
  Eliminate(sashimiBoard, 7, 5, 8);
  sashimiBoard.at(C("E8")).AddCandidate(8);
  Check<FishStep>({{"E7 missing, fins E8 E9", sashimiBoard, sashimi},
                   {"a finned X-Wing is no sashimi", finnedBoard, std::nullopt}},
                  FindSashimiXWing);

  FishStep sword;
  sword.kind = FishKind::FinnedSwordfish;
  sword.digit = 9;
  sword.base = {1, 4, 7};
  sword.cover = {1, 4, 7};
  sword.body = Cells({"A1", "A4", "D4", "D7", "G1", "G7"});
  sword.fins = Cells({"G9"});
  sword.finBlock = 9;
  sword.eliminations = Elims(9, {"H7", "I7"});
  const auto swordBoard = [](std::initializer_list<int> rowG) {
    Board b = OpenBoard();
    for (int c = 1; c <= 9; ++c) {
      if (c != 1 && c != 4) Eliminate(b, c, 1, 9);
      if (c != 4 && c != 7) Eliminate(b, c, 4, 9);
      bool keep = false;
      for (int k : rowG) keep = keep || k == c;
      if (!keep) Eliminate(b, c, 7, 9);
    }
    return b;
  };
  Check<FishStep>({{"fin G9", swordBoard({1, 7, 9}), sword},
                   {"fins in blocks 7 and 9", swordBoard({1, 3, 7, 9}), std::nullopt}},
                  FindFinnedSwordfish);

  FishStep swordSashimi = sword;
  swordSashimi.kind = FishKind::SashimiSwordfish;
  swordSashimi.body = Cells({"A1", "A4", "D4", "D7", "G1"});
  swordSashimi.fins = Cells({"G8", "G9"});
  Check<FishStep>({{"G7 missing, fins G8 G9", swordBoard({1, 8, 9}), swordSashimi},
                   {"a finned Swordfish is no sashimi", swordBoard({1, 7, 9}), std::nullopt}},
                  FindSashimiSwordfish);
}

TEST(Jellyfish, FourRowsInFourColumns) {
  const Board jelly = Only(5, {"A1", "A3", "C3", "C5", "E5", "E7", "G1", "G7"});
  // One extra candidate per other row: no fifth line joins the fish.
  Board withRest = jelly;
  for (const char* n : {"B1", "D3", "F5", "H7", "I1"}) withRest.at(C(n)).AddCandidate(5);
  FishStep step;
  step.kind = FishKind::Jellyfish;
  step.digit = 5;
  step.base = {1, 3, 5, 7};
  step.cover = {1, 3, 5, 7};
  step.body = Cells({"A1", "A3", "C3", "C5", "E5", "E7", "G1", "G7"});
  step.eliminations = Elims(5, {"B1", "D3", "F5", "H7", "I1"});
  Board miss = withRest;
  miss.at(C("G9")).AddCandidate(5);
  Check<FishStep>({{"rows A C E G", withRest, step},
                   {"row G spills into column 9", miss, std::nullopt},
                   {"nothing to remove", jelly, std::nullopt}},
                  FindJellyfish);
}

TEST(UniqueRectangle, Types1To4) {
  Board one = OpenBoard();
  SetCandidates(one, "A1", {1, 2});
  SetCandidates(one, "A2", {1, 2});
  SetCandidates(one, "D1", {1, 2});
  SetCandidates(one, "D2", {1, 2, 3, 4});
  Board oneBlock = OpenBoard();
  SetCandidates(oneBlock, "A1", {1, 2});
  SetCandidates(oneBlock, "A2", {1, 2});
  SetCandidates(oneBlock, "B1", {1, 2});
  SetCandidates(oneBlock, "B2", {1, 2, 3});
  UniqueRectangleStep type1;
  type1.type = 1;
  type1.cells = {C("A1"), C("A2"), C("D1"), C("D2")};
  type1.pair = Digits({1, 2});
  type1.eliminations = {{C("D2"), 1}, {C("D2"), 2}};
  Check<UniqueRectangleStep>(
      {{"three corners 1 2", one, type1}, {"all in one block", oneBlock, std::nullopt}},
      FindUniqueRectangleType1);

  Board two = OpenBoard();
  SetCandidates(two, "A1", {1, 2});
  SetCandidates(two, "D1", {1, 2});
  SetCandidates(two, "A2", {1, 2, 3});
  SetCandidates(two, "D2", {1, 2, 3});
  Board twoMiss = two;
  SetCandidates(twoMiss, "D2", {1, 2, 4});
  UniqueRectangleStep type2;
  type2.type = 2;
  type2.cells = {C("A1"), C("D1"), C("A2"), C("D2")};
  type2.pair = Digits({1, 2});
  type2.extraDigit = 3;
  type2.eliminations = Elims(3, {"B2", "C2", "E2", "F2", "G2", "H2", "I2"});
  Check<UniqueRectangleStep>(
      {{"3 in A2 and D2", two, type2}, {"different extras", twoMiss, std::nullopt}},
      FindUniqueRectangleType2);

  Board four = OpenBoard();
  SetCandidates(four, "A1", {1, 2});
  SetCandidates(four, "A2", {1, 2});
  SetCandidates(four, "D1", {1, 2, 5});
  SetCandidates(four, "D2", {1, 2, 6});
  for (int c = 3; c <= 9; ++c) Eliminate(four, c, 4, 1);
  Board fourMiss = four;
  fourMiss.at(C("D5")).AddCandidate(1);
  UniqueRectangleStep type4;
  type4.type = 4;
  type4.cells = {C("A1"), C("A2"), C("D1"), C("D2")};
  type4.pair = Digits({1, 2});
  type4.lockedDigit = 1;
  type4.unit = {PatternUnitKind::Row, 4};
  type4.eliminations = {{C("D1"), 2}, {C("D2"), 2}};
  Check<UniqueRectangleStep>(
      {{"1 locked in row D", four, type4}, {"1 also in D5", fourMiss, std::nullopt}},
      FindUniqueRectangleType4);
}

// Two solutions that differ where rows A B and columns 1 2 are exchanged:
// their union is a board of cells with two candidates, each digit twice in
// every unit.
Board BugBoard(int extraInA1) {
  const core::DigitGrid s = test::GridFromLine(test::kSolvedLine);
  Board board{};
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const int r2 = r == 1 ? 2 : r == 2 ? 1 : r;
      const int c2 = c == 1 ? 2 : c == 2 ? 1 : c;
      const int a = s[core::GridIndex(c, r)];
      const int b = s[core::GridIndex(c2, r2)];
      if (a == b) {
        board.at(c, r)[core::kDigit] = a;
      } else {
        SetCandidates(board, c, r, {a, b});
      }
    }
  }
  board.at(1, 1).AddCandidate(extraInA1);
  return board;
}

TEST(BugPlusOne, TheThirdCandidateIsPlaced) {
  // A1 holds 5 7; 1 has two other places in row A, column 1 and block 1.
  const Board bug = BugBoard(1);
  const std::optional<BugStep> step = FindBugPlusOne(bug);
  ASSERT_TRUE(step);
  EXPECT_EQ(*step, (BugStep{C("A1"), Digits({1, 5, 7}), 1}));
  Board after = bug;
  Apply(*step, after);
  EXPECT_EQ(after.at(1, 1).Digit(), 1);
  EXPECT_FALSE(after.at(C("A8")).HasCandidate(1));  // a peer loses it

  // 8 stands filled in block 1 (C3): one place only there, no BUG+1.
  EXPECT_FALSE(FindBugPlusOne(BugBoard(8)));
  Board twoPlus = bug;
  twoPlus.at(C("B5")).AddCandidate(1);
  EXPECT_FALSE(FindBugPlusOne(twoPlus));
}

TEST(PatternLadder, NamesMatchTheSteps) {
  FishStep jelly, sashimi;
  sashimi.kind = FishKind::SashimiSwordfish;
  WingStep xyz;
  xyz.kind = WingKind::XYZWing;
  ColouringStep wrap;
  wrap.kind = ColouringKind::Wrap;
  UniqueRectangleStep ur;
  ur.type = 4;
  const std::vector<std::pair<std::string_view, std::string_view>> names{
      {NameOf(jelly), "Jellyfish"},
      {NameOf(sashimi), "Sashimi Swordfish"},
      {NameOf(xyz), "XYZ-Wing"},
      {NameOf(wrap), "Colour wrap"},
      {NameOf(ur), "Unique Rectangle type 4"},
  };
  for (const auto& [name, expected] : names) {
    EXPECT_EQ(name, expected);
    EXPECT_NE(std::find(kPatternLadder.begin(), kPatternLadder.end(), name), kPatternLadder.end());
  }
}

}  // namespace
}  // namespace zentaro::techniques
