#include "techniques/Chains.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "techniques/TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using test::BoardFromLine;
using test::CandidateTotal;
using test::Eliminate;
using test::HasCandidate;
using test::KeepOnly;
using Lines = std::vector<std::string>;

// A chain written as the hints write it, to compare with the expected lines.
Lines Text(const ChainPath& path) {
  Lines lines;
  for (const ChainLink& link : path)
    lines.push_back(core::CellName(link.cell.col, link.cell.row) + "=" +
                    std::to_string(link.digit) + (link.hiddenSingle ? "*" : ""));
  return lines;
}

// Columns and rows are 1-based; names below read "row letter, column".
constexpr int A = 1, C = 3, D = 4, I = 9;

// On an empty board every untouched cell keeps nine candidates, so only the
// cells narrowed by hand take part in two-candidate steps.
Board EmptyBoard() {
  return BoardFromLine(
      ".................................................................................");
}

// A1 {3,8} in a four-cell loop: 3 goes A1 -> A5=7 -> C5=6, 8 goes A1 -> C2=7 -> C5=6.
Board ForcingLoopBoard() {
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 8});
  KeepOnly(board, 5, A, {3, 7});
  KeepOnly(board, 2, C, {7, 8});
  KeepOnly(board, 5, C, {6, 7});
  return board;
}

// A1 {3,8}: 3 reaches E1=6 only in four steps (A5=7, E5=2, E1=6), 8 in three
// (D1=2, E1=6).
Board LongArmBoard() {
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 8});
  KeepOnly(board, 5, A, {3, 7});
  KeepOnly(board, 5, 5, {2, 7});
  KeepOnly(board, 1, 5, {2, 6});
  KeepOnly(board, 1, D, {2, 8});
  return board;
}

// A1 {3,8}: 3 forces D4 both ways (A4=5 -> D4=6, D1=6 -> D4=5), so A1 is 8.
Board ContradictionBoard() {
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 8});
  KeepOnly(board, 4, A, {3, 5});
  KeepOnly(board, 1, D, {3, 6});
  KeepOnly(board, 4, D, {5, 6});
  return board;
}

// A1 {3,4}; 4 in row I only at I1 and I5. A1=4 leaves I5 the only place for 4
// in row I; A1=3 gets there only through A5=9 and I5 {4,9}.
Board HiddenSingleBoard() {
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 4});
  KeepOnly(board, 5, A, {3, 9});
  KeepOnly(board, 5, I, {4, 9});
  for (int col = 2; col <= 9; ++col)
    if (col != 5) Eliminate(board, col, I, 4);
  return board;
}

// A1 {3,4}, I5 {3,4}; 4 in row I only at I1 and I5; 3 in column 2 only at B2
// and I2. A1=3 reaches I5=4 only through the hidden single I2=3; A1=4 through
// the hidden single I5=4, and also along two-candidate cells (see callers).
Board HiddenSinglesBothWaysBoard() {
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 4});
  KeepOnly(board, 5, I, {3, 4});
  for (int col = 2; col <= 9; ++col)
    if (col != 5) Eliminate(board, col, I, 4);
  for (int row = 1; row <= 8; ++row)
    if (row != 2) Eliminate(board, 2, row, 3);
  return board;
}

// A chain step as the numbers the tests below compare: -1 where nothing was
// found; a forcing chain's excluded digit is 0.
struct Reported {
  int digit = -1;
  int cellColumn = -1;
  int cellRow = -1;
  int excludedDigit = 0;
  ChainPath chainA;
  ChainPath chainB;
};

ChainPass Pass(bool allowContradiction, bool hiddenSingles, int maxDepth) {
  return {maxDepth, hiddenSingles ? HiddenSingles::Yes : HiddenSingles::No,
          allowContradiction ? Contradictions::Yes : Contradictions::No};
}

// wantText: looks, with both paths; returns 1 for a forcing chain, 0 for a
// contradiction (its excluded digit set) or nothing. Otherwise places the
// conclusion, lowers emptyCount and returns 1.
int FindChain(Board& board, bool wantText, bool allowContradiction, bool hiddenSingles,
              int maxDepth, int& emptyCount, Reported& result) {
  const ChainPass pass = Pass(allowContradiction, hiddenSingles, maxDepth);
  result.excludedDigit = 0;
  if (wantText) {
    result.chainA.clear();
    result.chainB.clear();
  }
  Board applied = board;
  const std::optional<ChainStep> placed = ApplyChain(applied, pass);
  const std::optional<ChainStep> found = techniques::FindChain(board, pass);
  EXPECT_EQ(placed.has_value(), found.has_value());
  if (!found) return 0;
  EXPECT_EQ(placed->cell, found->cell);
  EXPECT_EQ(placed->digit, found->digit);
  result.digit = found->digit;
  result.cellColumn = found->cell.col;
  result.cellRow = found->cell.row;
  result.excludedDigit = found->excludedDigit;
  if (!wantText) {
    board = applied;
    --emptyCount;
    return 1;
  }
  result.chainA = found->chainA;
  result.chainB = found->chainB;
  return found->excludedDigit == 0 ? 1 : 0;
}

struct Found {
  int returned = 0;
  Reported result;
};

Found Check(Board& board, bool allowContradiction, bool hiddenSingles, int maxDepth) {
  Found found;
  int emptyCount = 81;
  found.returned =
      FindChain(board, true, allowContradiction, hiddenSingles, maxDepth, emptyCount, found.result);
  return found;
}

// The tree of one chain from (col, row), as GrowChain leaves it.
void ExtendChain(const Board& board, int& depth, TabCellArray& nodes, ChainNode* /*parent*/,
                 int digit, int col, int row, bool hiddenSingles, int maxDepth, bool& hidden) {
  ChainTree tree = GrowChain(board, {col, row}, digit,
                             hiddenSingles ? HiddenSingles::Yes : HiddenSingles::No, maxDepth);
  depth = 0;
  nodes = std::move(tree.nodes);
  hidden = tree.hiddenSingleUsed;
}

// A chain pair from the start cell, its outcome copied back into the
// arguments; the paths only when wanted.
int BuildChainPair(const Board& board, int& fixedDigit, bool hiddenSinglesA, bool hiddenSinglesB,
                   ChainPath& pathA, ChainPath& pathB, ChainTarget& target, int startRow,
                   int startCol, int maxDepth, bool wantText) {
  const auto hs = [](bool yes) { return yes ? HiddenSingles::Yes : HiddenSingles::No; };
  ChainPair pair = techniques::BuildChainPair(board, ChainPairAsk{{startCol, startRow},
                                                                  fixedDigit,
                                                                  target,
                                                                  hs(hiddenSinglesA),
                                                                  hs(hiddenSinglesB),
                                                                  maxDepth});
  fixedDigit = pair.fixedDigit;
  if (pair.forcing || pair.fixedDigit > 0) target = pair.target;
  if (wantText && (pair.forcing || pair.fixedDigit > 0)) {
    pathA = std::move(pair.pathA);
    pathB = std::move(pair.pathB);
  }
  return pair.forcing ? 1 : 0;
}

TEST(ChainText, ReadsFromStartToConclusionWithRowLetterFirst) {
  TabCellArray nodes;
  int depth = 0;
  bool hidden = false;
  Board board = ForcingLoopBoard();
  ExtendChain(board, depth, nodes, nullptr, 3, 1, A, false, 2, hidden);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(Text(DescribeChain(*nodes[2], false)), (Lines{"A1=3", "A5=7", "C5=6"}));
  EXPECT_EQ(Text(DescribeChain(*nodes[2], true)), (Lines{"A1=3", "A5=7*", "C5=6"}));
  // A one-line text has no second line to mark.
  EXPECT_EQ(Text(DescribeChain(*nodes[0], true)), (Lines{"A1=3"}));
}

TEST(ExtendChain, MaximumDepthOneKeepsOnlyTheDirectPeers) {
  TabCellArray nodes;
  int depth = 0;
  bool hidden = false;
  ExtendChain(ForcingLoopBoard(), depth, nodes, nullptr, 3, 1, A, false, 1, hidden);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[1]->column, 5);
  EXPECT_EQ(nodes[1]->row, A);
  EXPECT_EQ(nodes[1]->digit, 7);
  EXPECT_EQ(nodes[1]->parent, nodes[0].get());
  EXPECT_FALSE(hidden);
}

TEST(ExtendChain, DropsAStepRepeatingADigitOfItsPathInTheSameUnit) {
  // A1=3 makes A4 {3,5} and A7 {3,5} both 5; from either, the other would be
  // 3 again in row A, which the path already holds.
  Board board = EmptyBoard();
  KeepOnly(board, 1, A, {3, 8});
  KeepOnly(board, 4, A, {3, 5});
  KeepOnly(board, 7, A, {3, 5});
  TabCellArray nodes;
  int depth = 0;
  bool hidden = false;
  ExtendChain(board, depth, nodes, nullptr, 3, 1, A, false, 4, hidden);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(Text(DescribeChain(*nodes[1], false)), (Lines{"A1=3", "A4=5"}));
  EXPECT_EQ(Text(DescribeChain(*nodes[2], false)), (Lines{"A1=3", "A7=5"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(nodes[i]->index, i);
  EXPECT_EQ(nodes[0]->child, nodes[2].get());
}

TEST(ExtendChain, HiddenSinglesReplaceTheTwoCandidateStepsOfTheStart) {
  // A1=4 empties row I of 4 but for I5; A5 {3,9} would be no step for 4 anyway,
  // so add a two-candidate peer with 4 that the hidden single must replace.
  Board board = HiddenSingleBoard();
  KeepOnly(board, 2, 2, {4, 6});
  TabCellArray nodes;
  int depth = 0;
  bool hidden = false;
  ExtendChain(board, depth, nodes, nullptr, 4, 1, A, true, 2, hidden);
  EXPECT_TRUE(hidden);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(Text(DescribeChain(*nodes[1], hidden)), (Lines{"A1=4", "I5=4*"}));

  TabCellArray plain;
  depth = 0;
  hidden = false;
  ExtendChain(board, depth, plain, nullptr, 4, 1, A, false, 2, hidden);
  EXPECT_FALSE(hidden);
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(Text(DescribeChain(*plain[1], hidden)), (Lines{"A1=4", "B2=6"}));
}

TEST(BuildChainPair, AFixedDigitNeverSucceedsAndComesBackZero) {
  const Board board = ContradictionBoard();
  int fixed = 3;
  ChainPath textA, textB;
  ChainTarget target;
  EXPECT_EQ(BuildChainPair(board, fixed, false, false, textA, textB, target, A, 1, 4, true), 0);
  EXPECT_EQ(fixed, 0);
  EXPECT_TRUE(textA.empty());
  EXPECT_FALSE(target.IsSet());
}

TEST(BuildChainPair, SetsAnUnsetTargetToTheForcedPlacement) {
  const Board board = ForcingLoopBoard();
  int fixed = 0;
  ChainPath textA, textB;
  ChainTarget target;
  EXPECT_EQ(BuildChainPair(board, fixed, false, false, textA, textB, target, A, 1, 2, false), 1);
  EXPECT_EQ(fixed, 0);
  EXPECT_EQ(target.column, 5);
  EXPECT_EQ(target.row, C);
  EXPECT_EQ(target.digit, 6);
  EXPECT_TRUE(textA.empty()) << "no texts unless asked";

  // A target elsewhere is not reached by these chains.
  ChainTarget other{9, 9, 6};
  EXPECT_EQ(BuildChainPair(board, fixed, false, false, textA, textB, other, A, 1, 2, true), 0);
}

TEST(BuildChainPair, AContradictionReportsTheImpossibleCandidateAndACellOnlyTarget) {
  const Board board = ContradictionBoard();
  int fixed = 0;
  ChainPath textA, textB;
  ChainTarget target;
  EXPECT_EQ(BuildChainPair(board, fixed, false, false, textA, textB, target, A, 1, 2, true), 0);
  EXPECT_EQ(fixed, 3);
  EXPECT_EQ(target.column, 4);
  EXPECT_EQ(target.row, D);
  EXPECT_EQ(target.digit, 0);
}

TEST(FindChain, NoTwoCandidateCellFindsNothing) {
  Board board = EmptyBoard();
  KeepOnly(board, 3, 3, {1, 2, 3});
  const Board before = board;
  Reported result;
  result.chainA = {ChainLink{{5, 5}, 4, false}};
  int emptyCount = 81;
  EXPECT_EQ(FindChain(board, true, true, true, 4, emptyCount, result), 0);
  EXPECT_EQ(FindChain(board, false, true, true, 4, emptyCount, result), 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(emptyCount, 81);
  EXPECT_EQ(result.excludedDigit, 0);
  EXPECT_TRUE(result.chainA.empty());
  EXPECT_EQ(result.digit, -1);
}

TEST(FindChain, BothCandidatesForcingTheSameDigitGiveAForcingChain) {
  Board board = ForcingLoopBoard();
  const Board before = board;
  const Found found = Check(board, false, false, 2);
  EXPECT_EQ(found.returned, 1);
  EXPECT_EQ(board, before);
  EXPECT_EQ(found.result.digit, 6);
  EXPECT_EQ(found.result.cellColumn, 5);
  EXPECT_EQ(found.result.cellRow, C);
  EXPECT_EQ(found.result.excludedDigit, 0);
  EXPECT_EQ(Text(found.result.chainA), (Lines{"A1=3", "A5=7", "C5=6"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"A1=8", "C2=7", "C5=6"}));
}

TEST(FindChain, ApplyingAForcingChainPlacesTheDigitAndClearsItsPeers) {
  Board board = ForcingLoopBoard();
  const int candidatesBefore = CandidateTotal(board);
  Reported result;
  int emptyCount = 81;
  ASSERT_EQ(FindChain(board, false, false, false, 2, emptyCount, result), 1);
  EXPECT_EQ(emptyCount, 80);
  EXPECT_EQ(board.at(5, C)[core::kDigit], 6);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.cellColumn, 5);
  EXPECT_EQ(result.cellRow, C);
  // C5's own two candidates go, and 6 from its 20 peers but C2 and A5, which
  // never had it.
  EXPECT_EQ(CandidateTotal(board), candidatesBefore - 2 - 18);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_FALSE(HasCandidate(board, 5, i, 6));
    EXPECT_FALSE(HasCandidate(board, i, C, 6));
  }
  EXPECT_TRUE(HasCandidate(board, 6, 4, 6)) << "outside C5's units";
}

TEST(FindChain, AChainNeedingDepthThreeIsNotFoundAtDepthTwo) {
  Board board = LongArmBoard();
  EXPECT_EQ(Check(board, true, false, 2).returned, 0);
  EXPECT_EQ(Check(board, true, false, 2).result.excludedDigit, 0);

  const Found found = Check(board, false, false, 3);
  EXPECT_EQ(found.returned, 1);
  EXPECT_EQ(Text(found.result.chainA), (Lines{"A1=3", "A5=7", "E5=2", "E1=6"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"A1=8", "D1=2", "E1=6"}));
}

TEST(FindChain, ContradictionExcludesTheCandidateWhenAllowed) {
  Board board = ContradictionBoard();
  const Board before = board;
  const Found found = Check(board, true, false, 2);
  EXPECT_EQ(found.returned, 0);
  EXPECT_EQ(board, before);
  EXPECT_EQ(found.result.excludedDigit, 3);
  EXPECT_EQ(found.result.digit, 8);
  EXPECT_EQ(found.result.cellColumn, 1);
  EXPECT_EQ(found.result.cellRow, A);
  // Both paths start from the impossible candidate and end in the cell that
  // would need two digits.
  EXPECT_EQ(Text(found.result.chainA), (Lines{"A1=3", "A4=5", "D4=6"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"A1=3", "D1=6", "D4=5"}));

  Reported applied;
  int emptyCount = 81;
  ASSERT_EQ(FindChain(board, false, true, false, 2, emptyCount, applied), 1);
  EXPECT_EQ(board.at(1, A)[core::kDigit], 8);
  EXPECT_EQ(applied.excludedDigit, 3);
  EXPECT_EQ(emptyCount, 80);
  EXPECT_FALSE(HasCandidate(board, 1, 2, 8)) << "peers lose the placed digit";
  EXPECT_FALSE(HasCandidate(board, 9, A, 8));
  EXPECT_TRUE(HasCandidate(board, 5, 5, 8));
}

TEST(FindChain, WithoutContradictionsTheNextStartCellIsTried) {
  // Column by column the start cells are A1, D1, A4, D4; D4 {5,6} forces A1=8
  // both ways (D4=5 -> A4=3 -> A1=8, D4=6 -> D1=3 -> A1=8).
  Board board = ContradictionBoard();
  const Found found = Check(board, false, false, 2);
  EXPECT_EQ(found.returned, 1);
  EXPECT_EQ(found.result.excludedDigit, 0);
  EXPECT_EQ(found.result.digit, 8);
  EXPECT_EQ(found.result.cellColumn, 1);
  EXPECT_EQ(found.result.cellRow, A);
  EXPECT_EQ(Text(found.result.chainA), (Lines{"D4=5", "A4=3", "A1=8"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"D4=6", "D1=3", "A1=8"}));

  // One level deeper D1 comes first: D1=3 -> A1=8, D1=6 -> D4=5 -> A4=3 -> A1=8.
  const Found deeper = Check(board, false, false, 3);
  EXPECT_EQ(Text(deeper.result.chainA), (Lines{"D1=3", "A1=8"}));
  EXPECT_EQ(Text(deeper.result.chainB), (Lines{"D1=6", "D4=5", "A4=3", "A1=8"}));

  EXPECT_EQ(Check(board, true, false, 1).result.excludedDigit, 0) << "D4 lies two steps away";
}

TEST(FindChain, HiddenSingleStepsAreFollowedOnlyWhenAsked) {
  Board board = HiddenSingleBoard();
  EXPECT_EQ(Check(board, true, false, 2).returned, 0);
  EXPECT_EQ(Check(board, true, true, 1).returned, 0);

  const Found found = Check(board, false, true, 2);
  EXPECT_EQ(found.returned, 1);
  EXPECT_EQ(found.result.digit, 4);
  EXPECT_EQ(found.result.cellColumn, 5);
  EXPECT_EQ(found.result.cellRow, I);
  EXPECT_EQ(Text(found.result.chainA), (Lines{"A1=3", "A5=9", "I5=4"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"A1=4", "I5=4*"}));

  Reported applied;
  int emptyCount = 81;
  ASSERT_EQ(FindChain(board, false, false, true, 2, emptyCount, applied), 1);
  EXPECT_EQ(board.at(5, I)[core::kDigit], 4);
}

TEST(FindChain, HiddenSingleTextWinsOverALongerPlainOne) {
  // I1 {4,9} adds a plain route for 4, A1=4 -> I1=9 -> I5=4, one line longer
  // than the hidden-single text. The run with hidden singles in chain B only
  // finds the same conclusion with the shorter text, and that one is shown.
  Board board = HiddenSingleBoard();
  KeepOnly(board, 1, I, {4, 9});
  const Found found = Check(board, false, true, 2);
  EXPECT_EQ(found.returned, 1);
  EXPECT_EQ(Text(found.result.chainA), (Lines{"A1=3", "A5=9", "I5=4"}));
  EXPECT_EQ(Text(found.result.chainB), (Lines{"A1=4", "I5=4*"}));
  // Without hidden singles the plain route is the one shown.
  EXPECT_EQ(Text(Check(board, false, false, 2).result.chainB), (Lines{"A1=4", "I1=9", "I5=4"}));
}

TEST(FindChain, PlainTextBKeptUnlessTheHiddenSingleOneIsTwoLinesShorter) {
  // Chain A needs the hidden single I2=3 (the only 3 of column 2 once B2 loses
  // it); chain B reaches I5=4 through a hidden single in two lines, or plainly.
  // Plain route one line longer: A1=4 -> I1=3 -> I5=4 is kept.
  Board oneLonger = HiddenSinglesBothWaysBoard();
  KeepOnly(oneLonger, 1, I, {3, 4});
  const Found kept = Check(oneLonger, false, true, 2);
  EXPECT_EQ(kept.returned, 1);
  EXPECT_EQ(Text(kept.result.chainA), (Lines{"A1=3", "I2=3*", "I5=4"}));
  EXPECT_EQ(Text(kept.result.chainB), (Lines{"A1=4", "I1=3", "I5=4"}));

  // Plain route two lines longer: A1=4 -> I1=8 -> I9=3 -> I5=4 gives way.
  Board twoLonger = HiddenSinglesBothWaysBoard();
  KeepOnly(twoLonger, 1, I, {4, 8});
  KeepOnly(twoLonger, 9, I, {3, 8});
  const Found replaced = Check(twoLonger, false, true, 3);
  EXPECT_EQ(replaced.returned, 1);
  EXPECT_EQ(Text(replaced.result.chainA), (Lines{"A1=3", "I2=3*", "I5=4"}));
  EXPECT_EQ(Text(replaced.result.chainB), (Lines{"A1=4", "I5=4*"}));
}

}  // namespace
}  // namespace zentaro::techniques
