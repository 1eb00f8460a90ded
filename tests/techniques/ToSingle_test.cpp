#include "techniques/ToSingle.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <variant>

#include "techniques/Registry.h"
#include "techniques/TestBoards.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using test::HasCandidate;
using test::OpenBoard;
using test::SetCandidates;

// Takes the digit out of every named cell: "D1 E1 F3".
void Drop(Board& board, int digit, const std::string& cells) {
  std::istringstream in(cells);
  std::string name;
  while (in >> name) test::Eliminate(board, name[1] - '0', name[0] - 'A' + 1, digit);
}

Board Dropped(Board board, int digit, const std::string& cells) {
  Drop(board, digit, cells);
  return board;
}

constexpr std::uint16_t Bits(std::initializer_list<int> digits) {
  std::uint16_t set = 0;
  for (int d : digits) set = static_cast<std::uint16_t>(set | (1u << d));
  return set;
}

// Block 0 has its 1s only in column 1: removing them from the rest of the
// column leaves every cell with plenty of candidates.
void AddPointingWithoutSingle(Board& board) {
  Drop(board, 1, "A2 B2 C2 A3 B3 C3");
}

// Block 4 has its 5s only in column 5.
void AddPointingInColumnFive(Board& board) {
  Drop(board, 5, "D4 E4 F4 D6 E6 F6");
}
const char* const kColumnFiveOutsideBlock = "A5 B5 C5 G5 H5 I5";

// A step found by the registry's search for one leading to a single, as the
// numbers the tests below compare: lines and blocks 1..9, -1 where a field
// does not apply.
struct Reported {
  TechniqueId technique = TechniqueId::None;
  bool metAny = false;
  int digit = -1, block = -1, secondBlock = -1, rowLine = -1, columnLine = -1;
  std::array<int, 3> lines{-1, -1, -1};      // base lines, or the two lines of a lock
  std::array<int, 3> positions{-1, -1, -1};  // cover lines
  std::optional<LineKind> orientation;
  std::uint16_t digitSet = 0;  // naked subsets
  UnitKind unitKind = UnitKind::None;
  int cellRow = -1, cellColumn = -1;  // a naked subset's first cell
  bool strict = false;                // its cells hold exactly its digits
  bool singleKind = false;            // true: single candidate
  int singleDigit = -1, singleColumn = -1, singleRow = -1;
  int singleBlockUnit = -1, singleRowUnit = -1, singleColumnUnit = -1;
};

// The single the step led to was a single candidate: digit in (col, row).
void ExpectSingleCandidate(const Reported& r, int digit, int col, int row) {
  EXPECT_TRUE(r.singleKind);
  EXPECT_EQ(r.singleDigit, digit);
  EXPECT_EQ(r.singleColumn, col);
  EXPECT_EQ(r.singleRow, row);
}

void Fill(const Step& step, Reported& r) {
  const auto line = [&](LineKind kind, int number) {
    (kind == LineKind::Row ? r.rowLine : r.columnLine) = number;
  };
  if (const auto* p = std::get_if<PointingStep>(&step)) {
    r.digit = p->digit;
    r.block = p->block;
    line(p->line, p->lineNumber);
  } else if (const auto* c = std::get_if<ClaimingStep>(&step)) {
    r.digit = c->digit;
    r.block = c->block;
    line(c->line, c->lineNumber);
  } else if (const auto* t = std::get_if<TwoBlockStep>(&step)) {
    r.digit = t->digit;
    r.block = t->blocks[0];
    r.secondBlock = t->blocks[1];
    r.lines = {t->lineNumbers[0], t->lineNumbers[1], -1};
    r.orientation = t->lines;
  } else if (const auto* n = std::get_if<NakedSubsetStep>(&step)) {
    r.digitSet = n->digits;
    r.unitKind = n->unit.kind;
    r.cellRow = n->firstCell.row;
    r.cellColumn = n->firstCell.col;
    r.strict = n->exact;
  } else if (const auto* f = std::get_if<BasicFishStep>(&step)) {
    r.digit = f->digit;
    for (std::size_t i = 0; i < static_cast<std::size_t>(f->size); ++i) {
      r.lines[i] = f->base[i];
      r.positions[i] = f->cover[i];
    }
    r.orientation = f->baseLines;
  }
}

// keepBoard: only looked for; otherwise carried out on the board.
TechniqueId Leading(TechniqueId id, Board& board, bool keepBoard, Reported& r,
                    const Ask& ask = Ask{Reach::ToSingle}) {
  const Technique& technique = TechniqueOf(id);
  const Outcome out = keepBoard ? technique.find(board, ask) : technique.apply(board, ask);
  r.metAny = out.metAny;
  r.technique = out.step ? id : TechniqueId::None;
  if (!out.step) return TechniqueId::None;
  Fill(*out.step, r);
  if (out.single) {
    const SingleStep& single = *out.single;
    r.singleKind = single.kind == SingleKind::Candidate;
    r.singleDigit = single.digit;
    r.singleColumn = single.cell.col;
    r.singleRow = single.cell.row;
    if (!r.singleKind) {
      r.singleBlockUnit = single.unit.kind == UnitKind::Block ? single.unit.number : -1;
      r.singleRowUnit = single.unit.kind == UnitKind::Row ? single.unit.number : -1;
      r.singleColumnUnit = single.unit.kind == UnitKind::Column ? single.unit.number : -1;
    }
  }
  return id;
}

TechniqueId PointingToSingle(Board& board, bool keepBoard, Reported& r) {
  return Leading(TechniqueId::Pointing, board, keepBoard, r);
}
TechniqueId ClaimingToSingle(Board& board, bool keepBoard, Reported& r) {
  return Leading(TechniqueId::Claiming, board, keepBoard, r);
}
TechniqueId TwoBlockLockToSingle(Board& board, bool keepBoard, Reported& r) {
  return Leading(TechniqueId::TwoBlocks, board, keepBoard, r);
}
// strict: rows and columns ask for exact cells; it comes back as the
// reported subset's exactness (false when none).
TechniqueId NakedSubsetToSingle(Board& board, int size, bool& strict, bool keepBoard, Reported& r) {
  const TechniqueId id =
      Leading(TechniqueId::NakedSubset, board, keepBoard, r,
              Ask{Reach::ToSingle, size, strict ? Cells::Exact : Cells::Any, {}});
  strict = id == TechniqueId::NakedSubset && r.strict;
  return id;
}
TechniqueId XWingToSingle(Board& board, bool keepBoard, Reported& r) {
  return Leading(TechniqueId::XWing, board, keepBoard, r);
}
TechniqueId SwordfishToSingle(Board& board, bool keepBoard, Reported& r) {
  return Leading(TechniqueId::Swordfish, board, keepBoard, r);
}

TEST(PointingToSingle, StepsPastAnInstanceWithoutSingleToOneWithASingle) {
  Board board = OpenBoard();
  AddPointingWithoutSingle(board);
  AddPointingInColumnFive(board);
  SetCandidates(board, 5, 1, {5, 6});  // A5 keeps only 6 once its 5 goes
  const Board expected = Dropped(board, 5, kColumnFiveOutsideBlock);

  Reported result;
  EXPECT_EQ(PointingToSingle(board, false, result), TechniqueId::Pointing);
  EXPECT_EQ(result.technique, TechniqueId::Pointing);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(result.digit, 5);
  EXPECT_EQ(result.block, 5);
  EXPECT_EQ(result.columnLine, 5);
  EXPECT_EQ(result.rowLine, -1);
  ExpectSingleCandidate(result, 6, 5, 1);
  // The eliminations of the reported instance only; the single is not placed
  // and the first instance's 1s are still there.
  EXPECT_EQ(board, expected);
  EXPECT_EQ(board.at(5, 1)[core::kDigit], 0);
  EXPECT_TRUE(HasCandidate(board, 1, 4, 1));
}

TEST(PointingToSingle, KeepBoardReportsTheSameButLeavesTheBoard) {
  Board board = OpenBoard();
  AddPointingWithoutSingle(board);
  AddPointingInColumnFive(board);
  SetCandidates(board, 5, 1, {5, 6});
  const Board before = board;

  Reported kept;
  EXPECT_EQ(PointingToSingle(board, true, kept), TechniqueId::Pointing);
  EXPECT_EQ(board, before);

  Reported applied;
  EXPECT_EQ(PointingToSingle(board, false, applied), TechniqueId::Pointing);
  EXPECT_EQ(kept.digit, applied.digit);
  EXPECT_EQ(kept.block, applied.block);
  EXPECT_EQ(kept.columnLine, applied.columnLine);
  EXPECT_EQ(kept.singleDigit, applied.singleDigit);
  EXPECT_EQ(kept.singleColumn, applied.singleColumn);
  EXPECT_EQ(kept.singleRow, applied.singleRow);
  EXPECT_NE(board, before);
}

TEST(PointingToSingle, NoInstanceGivesZeroWithNothingMet) {
  Board board = OpenBoard();
  const Board before = board;
  Reported result;
  result.metAny = true;  // must be cleared
  EXPECT_EQ(PointingToSingle(board, false, result), TechniqueId::None);
  EXPECT_FALSE(result.metAny);
  EXPECT_EQ(result.technique, TechniqueId::None);
  EXPECT_EQ(result.digit, -1);
  EXPECT_EQ(board, before);
}

TEST(PointingToSingle, InstancesWithoutSingleGiveZeroButCountAsMet) {
  Board board = OpenBoard();
  AddPointingWithoutSingle(board);
  AddPointingInColumnFive(board);
  const Board before = board;
  Reported result;
  EXPECT_EQ(PointingToSingle(board, false, result), TechniqueId::None);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(board, before);
  // The caller's fields are not overwritten by instances that were dropped.
  EXPECT_EQ(result.digit, -1);
  EXPECT_EQ(result.block, -1);
  EXPECT_EQ(result.singleDigit, -1);
}

// Block 7 keeps its 5s at G5, H4 and I5; once G5 and I5 lose theirs, H4 is a
// hidden single of the block.
void AddHiddenSingleInBlockSeven(Board& board) {
  Drop(board, 5, "G4 G6 H5 H6 I4 I6");
}

TEST(PointingToSingle, SingleCandidateIsPreferredToAHiddenSingle) {
  Board board = OpenBoard();
  AddPointingInColumnFive(board);
  AddHiddenSingleInBlockSeven(board);
  SetCandidates(board, 5, 9, {5, 6});  // I5: a single candidate later in every order
  Reported result;
  ASSERT_EQ(PointingToSingle(board, false, result), TechniqueId::Pointing);
  ExpectSingleCandidate(result, 6, 5, 9);
}

TEST(PointingToSingle, HiddenSingleIsReportedWithItsUnit) {
  Board board = OpenBoard();
  AddPointingInColumnFive(board);
  AddHiddenSingleInBlockSeven(board);
  Reported result;
  ASSERT_EQ(PointingToSingle(board, false, result), TechniqueId::Pointing);
  EXPECT_FALSE(result.singleKind);
  EXPECT_EQ(result.singleDigit, 5);
  EXPECT_EQ(result.singleColumn, 4);
  EXPECT_EQ(result.singleRow, 8);
  EXPECT_EQ(result.singleBlockUnit, 8);
  EXPECT_EQ(result.singleRowUnit, -1);
  EXPECT_EQ(result.singleColumnUnit, -1);
}

struct ClaimingCase {
  const char* name;
  void (*build)(Board&);
  int removedDigit;
  const char* removedFrom;
  int digit, rowLine, columnLine, block;
  bool singleKind;
  int singleDigit, singleColumn, singleRow;
  int singleBlockUnit, singleRowUnit, singleColumnUnit;
};

// Row E has its 3s only in block 4; D6 then keeps only 8.
void RowClaimWithNakedSingle(Board& board) {
  Drop(board, 3, "E1 E2 E3 E7 E8 E9");
  SetCandidates(board, 6, 4, {3, 8});
}

// Column 2 has its 7s only in block 3 (D2 E2 F2); no row has a claim.
void ColumnClaim(Board& board) {
  Drop(board, 7, "A2 B2 C2 G2 H2 I2");
}

void ColumnClaimWithNakedSingle(Board& board) {
  ColumnClaim(board);
  SetCandidates(board, 3, 6, {7, 9});  // F3
}

// Column 3 keeps its 7s at D3 E3 F3 and I3: after the claim only I3.
void ColumnClaimWithHiddenColumnSingle(Board& board) {
  ColumnClaim(board);
  Drop(board, 7, "A3 B3 C3 G3 H3");
}

// Block 1 already has 4 only at B5; found while searching the transposed
// board, where the block carries another number.
void ColumnClaimWithHiddenBlockSingle(Board& board) {
  ColumnClaim(board);
  Drop(board, 4, "A4 A5 A6 B4 B6 C4 C5 C6");
}

// A row claim that leaves no single comes first and is passed over.
void RowClaimWithoutSingleThenColumnClaim(Board& board) {
  Drop(board, 3, "E1 E2 E3 E7 E8 E9");
  ColumnClaimWithNakedSingle(board);
}

const char* const kColumnClaimRemovals = "D1 E1 F1 D3 E3 F3";

void PrintTo(const ClaimingCase& c, std::ostream* os) {
  *os << c.name;
}

class ClaimingToSingleCase : public ::testing::TestWithParam<ClaimingCase> {};

TEST_P(ClaimingToSingleCase, ReportsTheClaimAndItsSingleOnTheBoardAsGiven) {
  const ClaimingCase& c = GetParam();
  Board board = OpenBoard();
  c.build(board);
  const Board before = board;

  Reported kept;
  ASSERT_EQ(ClaimingToSingle(board, true, kept), TechniqueId::Claiming);
  EXPECT_EQ(board, before);

  Reported result;
  ASSERT_EQ(ClaimingToSingle(board, false, result), TechniqueId::Claiming);
  EXPECT_EQ(board, Dropped(before, c.removedDigit, c.removedFrom));
  for (const Reported* r : {&kept, &result}) {
    EXPECT_EQ(r->technique, TechniqueId::Claiming);
    EXPECT_TRUE(r->metAny);
    EXPECT_EQ(r->digit, c.digit);
    EXPECT_EQ(r->rowLine, c.rowLine);
    EXPECT_EQ(r->columnLine, c.columnLine);
    EXPECT_EQ(r->block, c.block);
    EXPECT_EQ(r->singleKind, c.singleKind);
    EXPECT_EQ(r->singleDigit, c.singleDigit);
    EXPECT_EQ(r->singleColumn, c.singleColumn);
    EXPECT_EQ(r->singleRow, c.singleRow);
    EXPECT_EQ(r->singleBlockUnit, c.singleBlockUnit);
    EXPECT_EQ(r->singleRowUnit, c.singleRowUnit);
    EXPECT_EQ(r->singleColumnUnit, c.singleColumnUnit);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Claims, ClaimingToSingleCase,
    ::testing::Values(
        ClaimingCase{"RowWithSingleCandidate", RowClaimWithNakedSingle, 3, "D4 D5 D6 F4 F5 F6", 3,
                     5, -1, 5, true, 8, 6, 4, -1, -1, -1},
        ClaimingCase{"ColumnWithSingleCandidate", ColumnClaimWithNakedSingle, 7,
                     kColumnClaimRemovals, 7, -1, 2, 4, true, 9, 3, 6, -1, -1, -1},
        ClaimingCase{"ColumnWithHiddenSingleInColumn", ColumnClaimWithHiddenColumnSingle, 7,
                     kColumnClaimRemovals, 7, -1, 2, 4, false, 7, 3, 9, -1, -1, 3},
        ClaimingCase{"ColumnWithHiddenSingleInBlock", ColumnClaimWithHiddenBlockSingle, 7,
                     kColumnClaimRemovals, 7, -1, 2, 4, false, 4, 5, 2, 2, -1, -1},
        ClaimingCase{"RowWithoutSingleThenColumn", RowClaimWithoutSingleThenColumnClaim, 7,
                     kColumnClaimRemovals, 7, -1, 2, 4, true, 9, 3, 6, -1, -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClaimingToSingle, NoClaimAnywhereGivesZero) {
  Board board = OpenBoard();
  AddPointingInColumnFive(board);  // a pointing pattern is no claim
  const Board before = board;
  Reported result;
  EXPECT_EQ(ClaimingToSingle(board, false, result), TechniqueId::None);
  EXPECT_FALSE(result.metAny);
  EXPECT_EQ(board, before);
}

TEST(TwoBlockLockToSingle, StepsPastAPairWithoutSingle) {
  Board board = OpenBoard();
  Drop(board, 1, "C1 C2 C3 C4 C5 C6");  // 1s of blocks 0 and 1 in rows A and B
  Drop(board, 8, "B1 B2 B3 B4 B5 B6");  // 8s of blocks 0 and 1 in rows A and C
  SetCandidates(board, 9, 1, {3, 8});   // A9
  const Board expected = Dropped(board, 8, "A7 A8 A9 C7 C8 C9");

  Reported result;
  ASSERT_EQ(TwoBlockLockToSingle(board, false, result), TechniqueId::TwoBlocks);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(result.digit, 8);
  EXPECT_EQ(result.block, 1);
  EXPECT_EQ(result.secondBlock, 2);
  EXPECT_EQ(result.lines[0], 1);
  EXPECT_EQ(result.lines[1], 3);
  EXPECT_EQ(result.orientation, LineKind::Row);
  ExpectSingleCandidate(result, 3, 9, 1);
  EXPECT_EQ(board, expected);
}

TEST(NakedSubsetToSingle, SkipCountWalksPastAPairToTheNextInstance) {
  Board board = OpenBoard();
  SetCandidates(board, 1, 1, {2, 7});  // A1 A2: a pair leading nowhere
  SetCandidates(board, 2, 1, {2, 7});
  SetCandidates(board, 1, 2, {4, 5});  // B1 B2: a pair that leaves B9 with 6
  SetCandidates(board, 2, 2, {4, 5});
  SetCandidates(board, 9, 2, {4, 5, 6});
  Board expected = board;
  Drop(expected, 4, "B3 B4 B5 B6 B7 B8 B9");
  Drop(expected, 5, "B3 B4 B5 B6 B7 B8 B9");

  bool strict = false;
  Reported result;
  ASSERT_EQ(NakedSubsetToSingle(board, 2, strict, false, result), TechniqueId::NakedSubset);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(result.digitSet, Bits({4, 5}));
  EXPECT_EQ(result.unitKind, UnitKind::Row);
  EXPECT_EQ(result.cellRow, 2);
  EXPECT_EQ(result.cellColumn, 1);
  ExpectSingleCandidate(result, 6, 9, 2);
  EXPECT_EQ(board, expected);  // row A untouched
}

TEST(NakedSubsetToSingle, SkipCountRisesOneEliminationAtATime) {
  // The 2 of column 3 stands only in A3, which the pair {2,7} of A1 and A2
  // would take away. With the first elimination skipped A3 keeps its 2 and is
  // a hidden single of the column: the same pair is reported once more, with
  // all its eliminations but the first.
  Board board = OpenBoard();
  SetCandidates(board, 1, 1, {2, 7});
  SetCandidates(board, 2, 1, {2, 7});
  Drop(board, 2, "B3 C3 D3 E3 F3 G3 H3 I3");
  Board expected = board;
  Drop(expected, 7, "A3 A4 A5 A6 A7 A8 A9");
  Drop(expected, 2, "A4 A5 A6 A7 A8 A9");

  bool strict = false;
  Reported result;
  ASSERT_EQ(NakedSubsetToSingle(board, 2, strict, false, result), TechniqueId::NakedSubset);
  EXPECT_EQ(result.digitSet, Bits({2, 7}));
  EXPECT_EQ(result.unitKind, UnitKind::Row);
  EXPECT_EQ(result.cellRow, 1);
  EXPECT_EQ(result.cellColumn, 1);
  EXPECT_FALSE(result.singleKind);
  EXPECT_EQ(result.singleDigit, 2);
  EXPECT_EQ(result.singleColumn, 3);
  EXPECT_EQ(result.singleRow, 1);
  EXPECT_EQ(result.singleColumnUnit, 3);
  EXPECT_EQ(result.singleRowUnit, -1);
  EXPECT_EQ(result.singleBlockUnit, -1);
  EXPECT_EQ(board, expected);
}

TEST(NakedSubsetToSingle, TheReportedSubsetTellsWhetherItsCellsAreExact) {
  Board board = OpenBoard();
  // Row A: an exact triple {1,4,9} whose eliminations lead nowhere.
  for (int col = 1; col <= 3; ++col) SetCandidates(board, col, 1, {1, 4, 9});
  // Block 8: the triple {2,5},{5,8},{2,8} (not exact) that leaves G8 with 6.
  SetCandidates(board, 7, 7, {2, 5});
  SetCandidates(board, 8, 8, {5, 8});
  SetCandidates(board, 9, 9, {2, 8});
  SetCandidates(board, 8, 7, {2, 5, 6});

  bool strict = true;
  Reported result;
  ASSERT_EQ(NakedSubsetToSingle(board, 3, strict, true, result), TechniqueId::NakedSubset);
  EXPECT_TRUE(result.metAny);   // the exact row triple met on the way led nowhere
  EXPECT_FALSE(result.strict);  // the reported block triple is not exact
  EXPECT_FALSE(strict);
  EXPECT_EQ(result.unitKind, UnitKind::Block);
  EXPECT_EQ(result.digitSet, Bits({2, 5, 8}));
  EXPECT_EQ(result.cellRow, 7);
  EXPECT_EQ(result.cellColumn, 7);
  EXPECT_EQ(result.singleDigit, 6);
  EXPECT_EQ(result.singleColumn, 8);
  EXPECT_EQ(result.singleRow, 7);
}

TEST(NakedSubsetToSingle, NothingFoundClearsTheStrictOutput) {
  Board board = OpenBoard();
  const Board before = board;
  bool strict = true;
  Reported result;
  EXPECT_EQ(NakedSubsetToSingle(board, 2, strict, false, result), TechniqueId::None);
  EXPECT_FALSE(strict);
  EXPECT_FALSE(result.metAny);
  EXPECT_EQ(board, before);
}

TEST(XWingToSingle, LeavesOutADigitWhoseInstanceLedNowhere) {
  Board board = OpenBoard();
  // 4 only in columns 2 and 7 of rows B and F: no single follows.
  Drop(board, 4, "B1 B3 B4 B5 B6 B8 B9 F1 F3 F4 F5 F6 F8 F9");
  // 6 only in columns 3 and 8 of rows C and H: A3 keeps only 9.
  Drop(board, 6, "C1 C2 C4 C5 C6 C7 C9 H1 H2 H4 H5 H6 H7 H9");
  SetCandidates(board, 3, 1, {6, 9});
  Board expected = board;
  Drop(expected, 6, "A3 B3 D3 E3 F3 G3 I3 A8 B8 D8 E8 F8 G8 I8");

  Reported result;
  ASSERT_EQ(XWingToSingle(board, false, result), TechniqueId::XWing);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(result.digit, 6);
  EXPECT_EQ(result.lines[0], 3);
  EXPECT_EQ(result.lines[1], 8);
  EXPECT_EQ(result.positions[0], 3);
  EXPECT_EQ(result.positions[1], 8);
  EXPECT_EQ(result.orientation, LineKind::Row);
  ExpectSingleCandidate(result, 9, 3, 1);
  EXPECT_EQ(board, expected);
}

TEST(SwordfishToSingle, ReportsTheFishAndItsSingle) {
  Board board = OpenBoard();
  // 5 in columns 1, 4 and 7 only in rows {1,4}, {4,9} and {1,9}.
  Drop(board, 5, "B1 C1 E1 F1 G1 H1 I1 A4 B4 C4 E4 F4 G4 H4 B7 C7 D7 E7 F7 G7 H7");
  SetCandidates(board, 2, 1, {5, 7});  // A2
  Board expected = board;
  Drop(expected, 5, "A2 A3 A5 A6 A8 A9 D2 D3 D5 D6 D8 D9 I2 I3 I5 I6 I8 I9");

  Reported result;
  ASSERT_EQ(SwordfishToSingle(board, false, result), TechniqueId::Swordfish);
  EXPECT_EQ(result.digit, 5);
  EXPECT_EQ(result.positions, (std::array<int, 3>{1, 4, 9}));
  EXPECT_EQ(result.orientation, LineKind::Column);
  ExpectSingleCandidate(result, 7, 2, 1);
  EXPECT_EQ(board, expected);
}

TEST(SwordfishToSingle, FishWithoutSingleGivesZeroButCountsAsMet) {
  Board board = OpenBoard();
  Drop(board, 5, "B1 C1 E1 F1 G1 H1 I1 A4 B4 C4 E4 F4 G4 H4 B7 C7 D7 E7 F7 G7 H7");
  const Board before = board;
  Reported result;
  EXPECT_EQ(SwordfishToSingle(board, false, result), TechniqueId::None);
  EXPECT_TRUE(result.metAny);
  EXPECT_EQ(board, before);
}

}  // namespace
}  // namespace zentaro::techniques
