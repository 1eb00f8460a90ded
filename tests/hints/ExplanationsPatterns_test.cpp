// The explanations of the pattern techniques on the hand-made positions of
// the finder tests: the concrete stage word for word once per technique, and
// for all of them the frame the hint window relies on.

#include "hints/ExplanationsPatterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "HintTestHelpers.h"
#include "TestData.h"
#include "hints/Markup.h"
#include "techniques/PatternWalk.h"
#include "techniques/Patterns.h"
#include "techniques/Registry.h"
#include "techniques/TestBoards.h"

namespace zentaro::hints {
namespace {

using namespace zentaro::hints::testing;
using namespace zentaro::techniques;
using core::Board;
using core::CellRef;
using Lines = std::vector<std::string>;
namespace tb = techniques::test;
using tb::C;
using tb::Only;

void Keep(Board& board, const char* name, std::initializer_list<int> digits) {
  tb::SetCandidates(board, name, digits);
}

void Drop(Board& board, const char* name, int digit) {
  tb::Eliminate(board, C(name).col, C(name).row, digit);
}

// The cell names written bold ("&A1&") in the lines.
CellSet NamedCells(const Lines& lines) {
  CellSet cells;
  for (const std::string& line : lines)
    for (std::size_t i = 0; i + 3 < line.size(); ++i)
      if (line[i] == '&' && line[i + 1] >= 'A' && line[i + 1] <= 'I' && line[i + 2] >= '1' &&
          line[i + 2] <= '9' && line[i + 3] == '&') {
        cells.insert(line.substr(i + 1, 2));
        i += 3;  // the closing mark opens nothing
      }
  return cells;
}

CellSet WithRemovedMarks(const Highlights& layer) {
  return CellsWhere(layer, [](const CellHighlight& h) {
    for (int d = 1; d <= 9; ++d)
      if (h.hasMarkInfo && h.markElim[d] != 0) return true;
    return false;
  });
}

struct Case {
  std::string name;
  bool uniqueness;
  Explanation explanation;
  Lines concrete;
};

TEST(ExplainPatternsTest, ConcreteTextsAndTheirFrame) {
  const Board sky = Only(1, {"B1", "B5", "H1", "H6", "A6", "G5"});
  const Board kite = Only(2, {"A2", "A8", "C3", "H3", "H8"});
  const Board er = Only(3, {"A2", "A3", "C1", "A5", "F5", "F1"});
  Board xy = tb::OpenBoard();
  Keep(xy, "A1", {1, 2});
  Keep(xy, "A5", {1, 3});
  Keep(xy, "C2", {2, 3});
  Board xyz = tb::OpenBoard();
  Keep(xyz, "A1", {1, 2, 3});
  Keep(xyz, "A5", {1, 3});
  Keep(xyz, "B2", {2, 3});
  Board w = tb::OpenBoard();
  Keep(w, "A1", {4, 5});
  Keep(w, "I9", {4, 5});
  for (int c = 2; c <= 8; ++c) tb::Eliminate(w, c, 5, 4);
  Board trap = tb::OpenBoard();
  for (int c = 1; c <= 9; ++c)
    if (c != 1 && c != 5) tb::Eliminate(trap, c, 1, 6);
  for (const char* n : {"B4", "B5", "B6", "C5", "C6"}) Drop(trap, n, 6);
  for (int r = 1; r <= 9; ++r)
    if (r != 3 && r != 8) tb::Eliminate(trap, 4, r, 6);
  Board wrap = tb::OpenBoard();
  for (int k = 1; k <= 9; ++k) {
    if (k != 1 && k != 5) tb::Eliminate(wrap, k, 1, 7);
    if (k != 2 && k != 5) tb::Eliminate(wrap, k, 5, 7);
    if (k != 1 && k != 5) tb::Eliminate(wrap, 5, k, 7);
    if (k != 2 && k != 5) tb::Eliminate(wrap, 2, k, 7);
  }
  Board finned = tb::OpenBoard();
  Board sashimi = tb::OpenBoard();
  for (int c = 1; c <= 9; ++c) {
    if (c != 2 && c != 7) tb::Eliminate(finned, c, 1, 8);
    if (c != 2 && c != 7 && c != 9) tb::Eliminate(finned, c, 5, 8);
    if (c != 2 && c != 7) tb::Eliminate(sashimi, c, 1, 8);
    if (c != 2 && c != 8 && c != 9) tb::Eliminate(sashimi, c, 5, 8);
  }
  const Board jelly =
      Only(5, {"A1", "A3", "C3", "C5", "E5", "E7", "G1", "G7", "B1", "D3", "F5", "H7", "I1"});
  Board ur1 = tb::OpenBoard();
  Keep(ur1, "A1", {1, 2});
  Keep(ur1, "A2", {1, 2});
  Keep(ur1, "D1", {1, 2});
  Keep(ur1, "D2", {1, 2, 3, 4});
  Board ur2 = tb::OpenBoard();
  Keep(ur2, "A1", {1, 2});
  Keep(ur2, "D1", {1, 2});
  Keep(ur2, "A2", {1, 2, 3});
  Keep(ur2, "D2", {1, 2, 3});
  Board ur4 = tb::OpenBoard();
  Keep(ur4, "A1", {1, 2});
  Keep(ur4, "A2", {1, 2});
  Keep(ur4, "D1", {1, 2, 5});
  Keep(ur4, "D2", {1, 2, 6});
  for (int c = 3; c <= 9; ++c) tb::Eliminate(ur4, c, 4, 1);
  const Board open = tb::OpenBoard();
  const BugStep bug{C("A1"), (1U << 1) | (1U << 5) | (1U << 7), 1};

  const std::vector<Case> cases{
      {"Skyscraper", false, ExplainSkyscraper(sky, *FindSkyscraper(sky)),
       Lines{"In the rows &B& and &H& the digit @1& can stand only in the cells &B1&, &B5& and "
             "&H1&, &H6&.",
             "The cells &B1& and &H1& share the column 1, so at most one of them holds the digit "
             "@1@, and the digit @1@ stands in &B5& or in &H6&.",
             "A cell that sees both &B5& and &H6& cannot hold the digit @1@.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @1& from the cells &A6& and &G5&."}},
      {"2-String Kite", false, ExplainTwoStringKite(kite, *FindTwoStringKite(kite)),
       Lines{"In the row &A& the digit @2& can stand only in &A2& and &A8&; in the column &3& only "
             "in &C3& and &H3&.",
             "The cells &A2& and &C3& stand in one block 3x3, so at most one of them holds the "
             "digit @2@; therefore &A8& or &H3& does.",
             "A cell that sees both &A8& and &H3& cannot hold the digit @2@.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @2& from the cell &H8&."}},
      {"Empty Rectangle", false, ExplainEmptyRectangle(er, *FindEmptyRectangle(er)),
       Lines{"In the highlighted block the digit @3& can stand only in the &row A& and the &column "
             "1&.",
             "In the column 5 it can stand only in &A5& and &F5&. If &A5& holds it, the block "
             "cannot hold it in the row A, so the block's digit @3@ stands in the column 1. "
             "Otherwise &F5& holds it.",
             "Either way the cell &F1& cannot hold the digit @3@: it sees &F5& and the block's "
             "cells in the column 1.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @3& from the cell &F1&."}},
      {"XY-Wing", false, ExplainWing(xy, *FindXYWing(xy)),
       Lines{"The cell &A1& has only the candidates @1& and @2&. It sees &A5& (@1& and @3&) and "
             "&C2& (@2& and @3&).",
             "If &A1& is @1@, &A5& is @3@; if it is @2@, &C2& is @3@. So the digit @3@ stands in "
             "&A5& or in &C2&.",
             "A cell that sees both &A5& and &C2& cannot hold the digit @3@.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @3& from the cells &A2&, &A3&, &C4&, "
             "&C5& and &C6&."}},
      {"XYZ-Wing", false, ExplainWing(xyz, *FindXYZWing(xyz)),
       Lines{"The cell &A1& has only the candidates @1&, @2& and @3&. It sees &A5& (@1& and @3&) "
             "and &B2& (@2& and @3&).",
             "Whatever &A1& holds, the digit @3@ stands in one of the three cells: in &A1& itself, "
             "in &A5& when &A1& is @1@, or in &B2& when it is @2@.",
             "A cell that sees all three cannot hold the digit @3@.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @3& from the cells &A2& and &A3&."}},
      {"W-Wing", false, ExplainWWing(w, *FindWWing(w)),
       Lines{"The cells &A1& and &I9& both have only the candidates @4& and @5&.",
             "In the row E the digit @4& can stand only in &E1&, which sees &A1&, and in &E9&, "
             "which sees &I9&.",
             "If both &A1& and &I9& were @4@, neither of those could hold it; so one of them is "
             "@5@, and a cell that sees both cannot hold the digit @5@.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @5& from the cells &A9& and &I1&."}},
      {"Colour trap", false, ExplainColouring(trap, *FindColourTrap(trap)),
       Lines{"Units with exactly two places for the digit @6& join these cells in turns; colour "
             "one (highlighted): &A1& and &C4&; colour two: &A5& and &H4&.",
             "Exactly one colour holds the digit @6@. &H1& sees cells of both colours, so the "
             "digit @6@ cannot stand there.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @6& from the cell &H1&."}},
      {"Colour wrap", false, ExplainColouring(wrap, *FindColourWrap(wrap)),
       Lines{
           "Units with exactly two places for the digit @7& join these cells in turns; colour one "
           "(highlighted): &A1&, &B2& and &E5&; colour two: &A5& and &E2&.",
           "The cells &A1& and &B2& both have colour one and stand in the block 3x3 of A1, which "
           "can hold the digit @7@ only once; so colour one is wrong, and colour two holds the "
           "digit.",
           "", "&Conclusion:&",
           "You can remove the pencil marks of the digit @7& from the cells &A1&, &B2& and &E5&."}},
      {"Finned X-Wing", false, ExplainFish(finned, *FindFinnedXWing(finned)),
       Lines{"In the rows &A and E& the digit @8& can stand only in the columns &2 and 7& and in "
             "the fin &E9&.",
             "If no fin cell holds the digit @8@, the other highlighted cells form an X-Wing and "
             "the digit @8@ cannot stand anywhere else in the columns 2 and 7. If a fin cell holds "
             "it, no cell of the fin's block 3x3 can.",
             "Either way the digit @8@ cannot stand in the cells of the columns 2 and 7 that lie "
             "in the fin's block 3x3 outside the rows A and E: &D7& and &F7&.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @8& from the cells &D7& and &F7&."}},
      {"Sashimi X-Wing", false, ExplainFish(sashimi, *FindSashimiXWing(sashimi)),
       Lines{"In the rows &A and E& the digit @8& can stand only in the columns &2 and 7& and in "
             "the fins &E8& and &E9&.",
             "If no fin cell holds the digit @8@, the other highlighted cells form an X-Wing and "
             "the digit @8@ cannot stand anywhere else in the columns 2 and 7. If a fin cell holds "
             "it, no cell of the fin's block 3x3 can.",
             "Either way the digit @8@ cannot stand in the cells of the columns 2 and 7 that lie "
             "in the fin's block 3x3 outside the rows A and E: &D7& and &F7&.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @8& from the cells &D7& and &F7&."}},
      {"Jellyfish", false, ExplainFish(jelly, *FindJellyfish(jelly)),
       Lines{"In the rows &A, C, E and G& the digit @5& can stand only in the columns &1, 3, 5 and "
             "7&.",
             "Each of these four rows must contain the digit @5@, and no column can hold it twice, "
             "so in each of the columns 1, 3, 5 and 7 the digit @5@ stands in one of the "
             "highlighted cells.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @5& from the cells &B1&, &D3&, &F5&, "
             "&H7& and &I1&."}},
      {"Unique Rectangle type 1", true, ExplainUniqueRectangle(ur1, *FindUniqueRectangleType1(ur1)),
       Lines{"The cells &A1&, &A2&, &D1& and &D2& stand at the corners of a rectangle in two rows, "
             "two columns and two blocks 3x3, and all hold the candidates @1& and @2&.",
             "Only &D2& has other candidates. If it were @1@ or @2@, the four cells could swap the "
             "two digits, giving a second solution; so &D2& holds neither.",
             "This relies on the puzzle having exactly one solution.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digits @1& and @2& from the cell &D2&."}},
      {"Unique Rectangle type 2", true, ExplainUniqueRectangle(ur2, *FindUniqueRectangleType2(ur2)),
       Lines{"The cells &A1&, &D1&, &A2& and &D2& stand at the corners of a rectangle in two rows, "
             "two columns and two blocks 3x3, and all hold the candidates @1& and @2&.",
             "&A1& and &D1& have no other candidates; &A2& and &D2& also have @3&.",
             "Without the digit @3@ in &A2& or &D2& the four cells could swap @1@ and @2@, giving "
             "a second solution; so @3@ stands in one of them, and a cell that sees both cannot "
             "hold it.",
             "This relies on the puzzle having exactly one solution.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @3& from the cells &B2&, &C2&, &E2&, "
             "&F2&, &G2&, &H2& and &I2&."}},
      {"Unique Rectangle type 4", true, ExplainUniqueRectangle(ur4, *FindUniqueRectangleType4(ur4)),
       Lines{"The cells &A1&, &A2&, &D1& and &D2& stand at the corners of a rectangle in two rows, "
             "two columns and two blocks 3x3, and all hold the candidates @1& and @2&.",
             "&A1& and &A2& have no other candidates.",
             "In the row D the digit @1& can stand only in &D1& and &D2&, so one of them holds it. "
             "If the other were @2@, the four cells could swap @1@ and @2@, giving a second "
             "solution; so neither holds the digit @2@.",
             "This relies on the puzzle having exactly one solution.", "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @2& from the cells &D1& and &D2&."}},
      {"BUG+1", true, ExplainBugPlusOne(open, bug),
       Lines{"Only the cell &A1& has three candidates: @1&, @5& and @7&.",
             "The digit @1& occurs three times in the row A, the column 1 and the block 3x3 of A1; "
             "every other candidate occurs twice in every unit.",
             "If &A1& were @5@ or @7@, every empty cell would have two candidates, each twice in "
             "every unit, and such a position has two solutions or none; so &A1& must be @1@.",
             "This relies on the puzzle having exactly one solution.", "",
             "&Conclusion:   A1 =& @1&"}},
  };

  ASSERT_EQ(cases.size(), 15u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Explanation& e = c.explanation;
    ASSERT_EQ(e.stages.size(), 2u);
    ASSERT_FALSE(General(e).lines.empty());
    EXPECT_EQ(General(e).lines.front(), "&" + c.name + "&");
    EXPECT_TRUE(NamedCells(General(e).lines).empty()) << "the general stage names a cell";
    EXPECT_EQ(General(e).buttonCaption, core::Text::ConcreteHintButton);
    EXPECT_EQ(Concrete(e).lines, c.concrete);
    EXPECT_EQ(Concrete(e).buttonCaption, core::Text::DoItButton);
    EXPECT_TRUE(Concrete(e).countsConcreteHint);
    EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 0}));

    // The conclusion names exactly the cells shown losing a mark, and they
    // keep that mark on the board after the window closes.
    const auto conclusion =
        std::find(Concrete(e).lines.begin(), Concrete(e).lines.end(), "&Conclusion:&");
    if (conclusion != Concrete(e).lines.end()) {
      const Lines tail(conclusion, Concrete(e).lines.end());
      EXPECT_EQ(WithRemovedMarks(Concrete(e).highlights), NamedCells(tail));
      EXPECT_EQ(WithRemovedMarks(Concrete(e).highlightsAfter), NamedCells(tail));
    }

    const auto says = [](const Lines& lines, const std::string& text) {
      for (const std::string& line : lines)
        if (line.find(text) != std::string::npos) return true;
      return false;
    };
    EXPECT_EQ(says(General(e).lines, "exactly one possible solution"), c.uniqueness);
    EXPECT_EQ(says(Concrete(e).lines, "relies on the puzzle having exactly one solution"),
              c.uniqueness);
  }

  // BUG+1 places a digit: its cell becomes the hint cell.
  const Explanation bugHint = ExplainBugPlusOne(open, bug);
  EXPECT_EQ(Concrete(bugHint).hintCell, C("A1"));
  EXPECT_EQ(Highlighted(Concrete(bugHint).highlights), CellSet{"A1"});
}

// A forcing net: its links in the fixed-pitch block, one per line, then the
// break and the conclusion; the window widens as for the chains.
TEST(ExplainPatternsTest, AForcingNetListsItsLinksAndSaysWhereTheBoardBreaks) {
  Board board = tb::OpenBoard();
  Keep(board, "A1", {1, 2});
  Keep(board, "A2", {2, 3});
  Keep(board, "A3", {1, 3});
  Keep(board, "C3", {1, 3});
  const std::optional<ForcingNetStep> step = FindForcingNet(board);
  ASSERT_TRUE(step);
  const Explanation e = ExplainForcingNet(board, *step);
  ASSERT_EQ(e.stages.size(), 2u);
  EXPECT_EQ(General(e).lines.front(), "&Forcing net&");
  EXPECT_TRUE(NamedCells(General(e).lines).empty());
  EXPECT_EQ(Concrete(e).lines,
            (Lines{"Assume that the cell &A1& holds the digit @1&, and follow what this forces, "
                   "one link per line (=: the digit goes in, <>: the digit leaves the cell):",
                   "$", "  A1=1    assumed", "  A3=3    the cell's last candidate", "%",
                   "Now the cell &C3& has no candidate left.",
                   "So the assumption was wrong: the cell &A1& cannot hold the digit @1@.", "",
                   "&Conclusion:&",
                   "You can remove the pencil marks of the digit @1& from the cell &A1&."}));
  EXPECT_TRUE(Concrete(e).fixedPitchBlock);
  EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 240}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), (CellSet{"A1", "C3"}));

  // A nested net: a refuted link is followed, two spaces further in, by the
  // inner net's links and where its board broke.
  Board stuck = BoardWithMarks(
      "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3");
  techniques::test::Basics(stuck);
  const std::optional<ForcingNetStep> nested = FindForcingNet(stuck);
  ASSERT_TRUE(nested && nested->nested);
  const Lines shown = Concrete(ExplainForcingNet(stuck, *nested)).lines;
  const Lines inner{"  I5<>8   assuming I5=8 breaks the board in turn", "    I5=8    assumed",
                    "    F7=8    the digit's last place in the row F",
                    "    the digit 8 has no place left in the row H",
                    "  I8<>1   assuming I8=1 breaks the board in turn"};
  EXPECT_NE(std::search(shown.begin(), shown.end(), inner.begin(), inner.end()), shown.end());
}

// ALS-XZ: both sets with their units, cells and candidates, why the shared
// digit is restricted, and where the other shared digit must stand; doubly
// linked, why both sets are locked but for one of the two restricted digits.
TEST(ExplainPatternsTest, AnAlsXzNamesBothSetsAndTheRestrictedDigit) {
  Board board = tb::OpenBoard();
  Keep(board, "A1", {1, 2});
  Keep(board, "A2", {2, 3});
  Keep(board, "E1", {1, 4});
  Keep(board, "E3", {3, 4});
  const std::optional<AlsXzStep> step = FindAlsXz(board);
  ASSERT_TRUE(step);
  const Explanation e = ExplainAlsXz(board, *step);
  ASSERT_EQ(e.stages.size(), 2u);
  EXPECT_EQ(General(e).lines.front(), "&ALS-XZ&");
  EXPECT_TRUE(NamedCells(General(e).lines).empty());
  const std::string setA =
      "Set A: the cells &A1& and &A2& of the row A hold together only the candidates @1&, @2& "
      "and @3& (two cells, three digits).";
  const std::string restricted1 =
      "In set A the digit @1& can stand only in &A1&, in set B only in &E1&; these two cells see "
      "each other, so at most one of the two sets holds the digit @1@.";
  EXPECT_EQ(Concrete(e).lines,
            (Lines{setA,
                   "Set B: the cells &E1& and &E3& of the row E hold together only the candidates "
                   "@1&, @3& and @4& (two cells, three digits).",
                   restricted1,
                   "The set without @1@ holds all its other digits, so the digit @3& stands in "
                   "one of the cells &A2& and &E3&.",
                   "A cell that sees both &A2& and &E3& cannot hold the digit @3@.", "",
                   "&Conclusion:&",
                   "You can remove the pencil marks of the digit @3& from the cells &A3&, &B3&, "
                   "&C3&, &D2&, &E2& and &F2&."}));
  EXPECT_EQ(Highlighted(Concrete(e).highlights), (CellSet{"A1", "A2", "E1", "E3"}));

  Keep(board, "E3", {1, 2, 3, 4, 5, 6, 7, 8, 9});
  Keep(board, "E2", {3, 4});
  const std::optional<AlsXzStep> doubly = FindAlsXz(board);
  ASSERT_TRUE(doubly && doubly->x2 == 3);
  const Explanation d = ExplainAlsXz(board, *doubly);
  EXPECT_TRUE(NamedCells(General(d).lines).empty());
  const Lines shown = Concrete(d).lines;
  ASSERT_GE(shown.size(), 6u);
  EXPECT_EQ(Lines(shown.begin(), shown.begin() + 6),
            (Lines{setA,
                   "Set B: the cells &E1& and &E2& of the row E hold together only the candidates "
                   "@1&, @3& and @4& (two cells, three digits).",
                   restricted1,
                   "In set A the digit @3& can stand only in &A2&, in set B only in &E2&; these "
                   "two cells see each other, so at most one of the two sets holds the digit @3@.",
                   "Each set lacks exactly one of its candidates, and both @1@ and @3@ are "
                   "lacking from one set at least: so one set lacks @1@ and the other @3@, each "
                   "set holds all its other candidates, and @1@ and @3@ each stand in one of the "
                   "two sets.",
                   "A cell that sees all the cells of a set holding one of its other candidates "
                   "cannot hold that digit; a cell that sees all the cells of both sets holding "
                   "@1@ or @3@ cannot hold that digit."}));
}

// The chains: their links in the fixed-pitch block, one per line with why
// it holds, then what the two ends rule out.
TEST(ExplainPatternsTest, AChainListsItsLinksAndWhyItsEndsRuleTheCandidatesOut) {
  const Board x = Only(5, {"A1", "D1", "D5", "H5", "H9", "A9", "A4", "A6"});
  const Board grouped = Only(5, {"A1", "D1", "E1", "F2", "F5", "A5", "A7", "C5"});
  Board xy = tb::OpenBoard();
  Keep(xy, "A1", {1, 2});
  Keep(xy, "A4", {2, 3});
  Keep(xy, "C4", {3, 4});
  Keep(xy, "C6", {4, 1});
  struct Case {
    std::string name;
    Explanation explanation;
    Lines concrete;
    CellSet highlighted;
  };
  const std::vector<Case> cases{
      {"X-Chain", ExplainAic(x, *FindXChain(x)),
       Lines{"Follow the digit @5& along this chain, one link per line (<>: the cell does not "
             "hold the digit, =: it does):",
             "$", "  A1<>5 => D1=5   (the only other place for 5 in the column 1)",
             "  D1=5 => D5<>5   (the row D holds 5 only once)",
             "  D5<>5 => H5=5   (the only other place for 5 in the column 5)",
             "  H5=5 => H9<>5   (the row H holds 5 only once)",
             "  H9<>5 => A9=5   (the only other place for 5 in the column 9)", "%",
             "So if &A1& does not hold the digit @5@, &A9& does: one of the two ends holds it, "
             "and a cell that sees both ends cannot hold the digit @5@.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @5& from the cells &A4& and &A6&."},
       CellSet{"A1", "A9"}},
      {"XY-Chain", ExplainAic(xy, *FindXYChain(xy)),
       Lines{"Each cell of this chain has exactly two candidates; follow it one link per line "
             "(<>: the cell does not hold the digit, =: it does):",
             "$", "  A1<>1 => A1=2   (the cell's only other candidate)",
             "  A1=2 => A4<>2   (the row A holds 2 only once)",
             "  A4<>2 => A4=3   (the cell's only other candidate)",
             "  A4=3 => C4<>3   (the column 4 holds 3 only once)",
             "  C4<>3 => C4=4   (the cell's only other candidate)",
             "  C4=4 => C6<>4   (the row C holds 4 only once)",
             "  C6<>4 => C6=1   (the cell's only other candidate)", "%",
             "So if &A1& does not hold the digit @1@, &C6& does: one of the two ends holds it, "
             "and a cell that sees both ends cannot hold the digit @1@.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @1& from the cells &A5&, &A6&, &C1&, "
             "&C2& and &C3&."},
       CellSet{"A1", "C6"}},
      {"Alternating Inference Chain", ExplainAic(grouped, *FindAic(grouped)),
       Lines{"Follow this chain one link per line (<>: the digit is not there, =: it is; a group "
             "such as B1/B2 holds the digit in one of its cells):",
             "$", "  A1<>5 => D1/E1=5   (the only other places for 5 in the column 1)",
             "  D1/E1=5 => F2<>5   (the block 3x3 of D1 holds 5 only once)",
             "  F2<>5 => F5=5      (the only other place for 5 in the row F)", "%",
             "So if &A1& does not hold the digit @5@, &F5& does: one of the two ends holds it, "
             "and a cell that sees both ends cannot hold the digit @5@.",
             "", "&Conclusion:&",
             "You can remove the pencil marks of the digit @5& from the cell &A5&."},
       CellSet{"A1", "F5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Explanation& e = c.explanation;
    ASSERT_EQ(e.stages.size(), 2u);
    EXPECT_EQ(General(e).lines.front(), "&" + c.name + "&");
    EXPECT_TRUE(NamedCells(General(e).lines).empty());
    EXPECT_EQ(Concrete(e).lines, c.concrete);
    EXPECT_TRUE(Concrete(e).fixedPitchBlock);
    EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 240}));
    EXPECT_EQ(Highlighted(Concrete(e).highlights), c.highlighted);
  }
}

// Every step the finders name on real positions, explained: the frame
// holds, the mark-up pairs up, and the marks shown as removed are exactly the
// step's eliminations. Marks are also thinned at random, so that the rarer
// patterns turn up.
template <typename Step>
std::vector<std::string> FrameProblems(const Explanation& e, const Step& step,
                                       std::string_view name) {
  std::vector<std::string> problems;
  if (e.stages.size() != 2) return {"not two stages"};
  std::string heading(1, '&');
  heading.append(name);
  heading.push_back('&');
  if (General(e).lines.front() != heading) problems.push_back("heading");
  if (!NamedCells(General(e).lines).empty()) problems.push_back("general stage names a cell");
  for (const HintStage& stage : e.stages) {
    for (const std::string& line : RenderHintMarkup(stage.lines).lines)
      if (line.find_first_of("&@") != std::string::npos) problems.push_back(line);
  }
  std::set<std::pair<std::string, int>> shown, wanted;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      for (int d = 1; d <= 9; ++d)
        if (Concrete(e).highlights.at(c, r).markElim[d] != 0)
          shown.insert({core::CellName(c, r), d});
  if constexpr (!std::is_same_v<Step, BugStep>) {
    for (const Elimination& el : step.eliminations)
      wanted.insert({core::CellName(el.cell), el.digit});
  }
  if (shown != wanted) problems.push_back("removed marks differ from the eliminations");
  return problems;
}

using Check = std::function<std::vector<std::string>(const Board&, std::string& name)>;

template <typename Find, typename Explain>
Check Checker(Find find, Explain explain) {
  return [find, explain](const Board& board, std::string& name) -> std::vector<std::string> {
    const auto step = find(board);
    if (!step) return {};
    name = std::string(NameOf(*step));
    std::vector<std::string> problems = FrameProblems(explain(board, *step), *step, name);
    if (problems.empty()) problems.push_back("");  // found, and fine
    return problems;
  };
}

TEST(ExplainPatternsTest, EveryStepOnTheWalksIsExplained) {
  const std::vector<std::pair<std::string, Check>> checks{
      {"Skyscraper",
       Checker(FindSkyscraper,
               [](const Board& b, const SkyscraperStep& s) { return ExplainSkyscraper(b, s); })},
      {"2-String Kite",
       Checker(FindTwoStringKite,
               [](const Board& b, const KiteStep& s) { return ExplainTwoStringKite(b, s); })},
      {"Empty Rectangle", Checker(FindEmptyRectangle,
                                  [](const Board& b, const EmptyRectangleStep& s) {
                                    return ExplainEmptyRectangle(b, s);
                                  })},
      {"XY-Wing",
       Checker(FindXYWing, [](const Board& b, const WingStep& s) { return ExplainWing(b, s); })},
      {"XYZ-Wing",
       Checker(FindXYZWing, [](const Board& b, const WingStep& s) { return ExplainWing(b, s); })},
      {"W-Wing",
       Checker(FindWWing, [](const Board& b, const WWingStep& s) { return ExplainWWing(b, s); })},
      {"Colour trap",
       Checker(FindColourTrap,
               [](const Board& b, const ColouringStep& s) { return ExplainColouring(b, s); })},
      {"Colour wrap",
       Checker(FindColourWrap,
               [](const Board& b, const ColouringStep& s) { return ExplainColouring(b, s); })},
      {"Finned X-Wing",
       Checker(FindFinnedXWing,
               [](const Board& b, const FishStep& s) { return ExplainFish(b, s); })},
      {"Sashimi X-Wing",
       Checker(FindSashimiXWing,
               [](const Board& b, const FishStep& s) { return ExplainFish(b, s); })},
      {"Finned Swordfish",
       Checker(FindFinnedSwordfish,
               [](const Board& b, const FishStep& s) { return ExplainFish(b, s); })},
      {"Sashimi Swordfish",
       Checker(FindSashimiSwordfish,
               [](const Board& b, const FishStep& s) { return ExplainFish(b, s); })},
      {"Jellyfish",
       Checker(FindJellyfish, [](const Board& b, const FishStep& s) { return ExplainFish(b, s); })},
      {"Unique Rectangle type 1", Checker(FindUniqueRectangleType1,
                                          [](const Board& b, const UniqueRectangleStep& s) {
                                            return ExplainUniqueRectangle(b, s);
                                          })},
      {"Unique Rectangle type 2", Checker(FindUniqueRectangleType2,
                                          [](const Board& b, const UniqueRectangleStep& s) {
                                            return ExplainUniqueRectangle(b, s);
                                          })},
      {"Unique Rectangle type 4", Checker(FindUniqueRectangleType4,
                                          [](const Board& b, const UniqueRectangleStep& s) {
                                            return ExplainUniqueRectangle(b, s);
                                          })},
      {"BUG+1", Checker(FindBugPlusOne,
                        [](const Board& b, const BugStep& s) { return ExplainBugPlusOne(b, s); })},
      {"X-Chain",
       Checker(FindXChain, [](const Board& b, const AicStep& s) { return ExplainAic(b, s); })},
      {"XY-Chain",
       Checker(FindXYChain, [](const Board& b, const AicStep& s) { return ExplainAic(b, s); })},
      {"Alternating Inference Chain",
       Checker(FindAic, [](const Board& b, const AicStep& s) { return ExplainAic(b, s); })},
      {"ALS-XZ",
       Checker(FindAlsXz, [](const Board& b, const AlsXzStep& s) { return ExplainAlsXz(b, s); })},
      {"Forcing net",
       Checker(FindForcingNet,
               [](const Board& b, const ForcingNetStep& s) { return ExplainForcingNet(b, s); })},
  };

  std::map<std::string, int> explained;
  int failures = 0;
  std::mt19937 rng(7);
  for (const char* file : {"puzzles3_magictour_top1465.txt", "puzzles6_forum_hardest_1106.txt"}) {
    for (const std::string& line : testdata::Puzzles(file, 60)) {
      Board board = BoardWithMarks(line);
      techniques::test::Basics(board);
      // The stuck position, and the same with about a third of its marks gone.
      Board thinned = board;
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
          for (int d = 1; d <= 9; ++d)
            if (thinned.at(c, r).Digit() == 0 && thinned.at(c, r).CandidateCount() > 2 &&
                rng() % 3 == 0)
              thinned.at(c, r).RemoveCandidate(d);
      for (const Board* position : {&board, &thinned}) {
        for (const auto& [label, check] : checks) {
          std::string name;
          const std::vector<std::string> problems = check(*position, name);
          if (problems.empty()) continue;
          EXPECT_EQ(name, label);
          ++explained[label];
          for (const std::string& p : problems) {
            if (p.empty() || failures >= 10) continue;
            ++failures;
            ADD_FAILURE() << label << " on " << line << ": " << p;
          }
        }
      }
    }
  }
  for (const auto& [label, check] : checks) {
    std::cout << "  " << label << ": explained " << explained[label] << "\n";
  }
  EXPECT_GT(explained.size(), 10u);
}

}  // namespace
}  // namespace zentaro::hints
