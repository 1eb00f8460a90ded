#include "techniques/Subsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <random>
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
using test::SetCandidates;

constexpr std::uint16_t Set(std::initializer_list<int> digits) {
  std::uint16_t set = 0;
  for (int d : digits) set |= static_cast<std::uint16_t>(1u << d);
  return set;
}

// An empty board with the given digits placed ("C5" style names).
Board BoardWithDigits(std::initializer_list<std::pair<const char*, char>> digits) {
  std::string line(81, '.');
  for (const auto& [name, digit] : digits) line[9 * (name[0] - 'A') + (name[1] - '1')] = digit;
  return BoardFromLine(line.c_str());
}

struct NakedOutcome {
  int count = 0;
  bool strict = false;
  std::uint16_t digitSet = 0;
  UnitKind unitKind = UnitKind::None;
  int row = -1;
  int col = -1;
};

// Looks (checkOnly) or carries out; the strict flag stays as given when
// nothing is found.
NakedOutcome RunNaked(Board& board, int size, bool strictIn, int skip, bool checkOnly) {
  NakedOutcome out;
  out.strict = strictIn;
  const Cells cells = strictIn ? Cells::Exact : Cells::Any;
  Board applied = board;
  const std::optional<NakedSubsetStep> step = ApplyNakedSubset(applied, size, cells, skip);
  EXPECT_EQ(FindNakedSubset(board, size, cells, skip), step)
      << "looking finds what carrying out does";
  if (!step) return out;
  if (!checkOnly) board = applied;
  out.count = step->removed;
  out.strict = step->exact;
  out.digitSet = step->digits;
  out.unitKind = step->unit.kind;
  out.row = step->firstCell.row;
  out.col = step->firstCell.col;
  return out;
}

// Row A: 1, 4, 6, 8, 9 placed; A1 {2,7}, A2 {2,7}, A5 {2,5,7}, A6 {3,7}, so
// the pair {2,7} of row A can take 2 and 7 from A5 and 7 from A6. Row E holds
// a second pair {3,5} in E1 and E2 with both digits in the seven other cells.
// Blocks 0 and 3 hold the same two pairs again.
Board TwoPairBoard() {
  Board board = BoardFromLine(
      "..14..689"
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      "........."
      ".........");
  SetCandidates(board, 1, 1, {2, 7});
  SetCandidates(board, 2, 1, {2, 7});
  SetCandidates(board, 5, 1, {2, 5, 7});
  SetCandidates(board, 6, 1, {3, 7});
  SetCandidates(board, 1, 5, {3, 5});
  SetCandidates(board, 2, 5, {3, 5});
  return board;
}

TEST(FindNakedSubset, PairInRowRemovesItsDigitsFromTheRestOfTheRow) {
  Board board = BoardWithDigits(
      {{"A3", '1'}, {"A4", '4'}, {"A6", '3'}, {"A7", '6'}, {"A8", '8'}, {"A9", '9'}});
  SetCandidates(board, 1, 1, {2, 7});
  SetCandidates(board, 2, 1, {2, 7});
  SetCandidates(board, 5, 1, {2, 5, 7});
  Board expected = board;
  Eliminate(expected, 5, 1, 2);
  Eliminate(expected, 5, 1, 7);

  const NakedOutcome out = RunNaked(board, 2, false, 0, false);

  EXPECT_EQ(out.count, 2);
  EXPECT_EQ(out.unitKind, UnitKind::Row);
  EXPECT_EQ(out.digitSet, Set({2, 7}));
  EXPECT_EQ(out.row, 1);
  EXPECT_EQ(out.col, 1);
  EXPECT_TRUE(out.strict);
  EXPECT_EQ(board, expected);
}

TEST(FindNakedSubset, CheckOnlyReportsTheSameInstanceAndLeavesTheBoardAlone) {
  Board board = TwoPairBoard();
  const Board before = board;

  const NakedOutcome check = RunNaked(board, 2, false, 0, true);
  EXPECT_EQ(board, before);

  const NakedOutcome apply = RunNaked(board, 2, false, 0, false);
  EXPECT_EQ(check.count, apply.count);
  EXPECT_EQ(check.digitSet, apply.digitSet);
  EXPECT_EQ(check.unitKind, apply.unitKind);
  EXPECT_EQ(check.row, apply.row);
  EXPECT_EQ(check.col, apply.col);
  EXPECT_NE(board, before);
}

// A2 holds only 7: the pair cells are not both exact.
struct StrictCase {
  const char* name;
  bool strictIn;
  int count;
  UnitKind unitKind;
};

class NakedStrictTest : public testing::TestWithParam<StrictCase> {};

TEST_P(NakedStrictTest, StrictInputRejectsInexactLineSubsetsButNotBlockOnes) {
  const StrictCase& c = GetParam();
  Board board = BoardWithDigits(
      {{"A3", '1'}, {"A4", '4'}, {"A6", '3'}, {"A7", '6'}, {"A8", '8'}, {"A9", '9'}});
  SetCandidates(board, 1, 1, {2, 7});
  SetCandidates(board, 2, 1, {7});
  SetCandidates(board, 5, 1, {2, 5, 7});
  const int before = CandidateTotal(board);

  const NakedOutcome out = RunNaked(board, 2, c.strictIn, 0, false);

  EXPECT_EQ(out.count, c.count);
  EXPECT_EQ(out.unitKind, c.unitKind);
  EXPECT_EQ(out.digitSet, Set({2, 7}));
  EXPECT_EQ(out.row, 1);
  EXPECT_EQ(out.col, 1);
  EXPECT_FALSE(out.strict);
  EXPECT_EQ(before - CandidateTotal(board), c.count);
  if (c.unitKind == UnitKind::Block) {
    // The row is left alone; the six free cells of block 0 lose 2 and 7.
    EXPECT_TRUE(HasCandidate(board, 5, 1, 2));
    EXPECT_FALSE(HasCandidate(board, 3, 3, 7));
  }
}

INSTANTIATE_TEST_SUITE_P(
    FindNakedSubset, NakedStrictTest,
    testing::Values(StrictCase{"Loose", false, 2, UnitKind::Row},
                    StrictCase{"StrictFallsThroughToBlock", true, 12, UnitKind::Block}),
    [](const testing::TestParamInfo<StrictCase>& info) { return std::string(info.param.name); });

TEST(FindNakedSubset, TripletOfPairwiseCellsIsFoundButNotStrict) {
  Board board = BoardWithDigits({{"A5", '2'}, {"A6", '3'}, {"A7", '6'}, {"A8", '7'}, {"A9", '8'}});
  SetCandidates(board, 1, 1, {1, 4});
  SetCandidates(board, 2, 1, {4, 9});
  SetCandidates(board, 3, 1, {1, 9});
  SetCandidates(board, 4, 1, {1, 4, 5, 9});

  const NakedOutcome out = RunNaked(board, 3, false, 0, false);

  EXPECT_EQ(out.count, 3);
  EXPECT_EQ(out.unitKind, UnitKind::Row);
  EXPECT_EQ(out.digitSet, Set({1, 4, 9}));
  EXPECT_FALSE(out.strict);
  EXPECT_EQ(board.at(4, 1)[core::kCount], 1);
  EXPECT_TRUE(HasCandidate(board, 4, 1, 5));
}

TEST(FindNakedSubset, PairFoundOnlyInAColumnComesBackUntransposed) {
  Board board = BoardWithDigits(
      {{"A5", '1'}, {"B5", '2'}, {"D5", '3'}, {"E5", '5'}, {"F5", '7'}, {"H5", '8'}});
  SetCandidates(board, 5, 3, {4, 6});
  SetCandidates(board, 5, 7, {4, 6});
  SetCandidates(board, 5, 9, {4, 6, 9});
  Board expected = board;
  Eliminate(expected, 5, 9, 4);
  Eliminate(expected, 5, 9, 6);

  Board checked = board;
  const NakedOutcome check = RunNaked(checked, 2, false, 0, true);
  EXPECT_EQ(checked, board);
  EXPECT_EQ(check.count, 2);

  const NakedOutcome out = RunNaked(board, 2, false, 0, false);
  EXPECT_EQ(out.count, 2);
  EXPECT_EQ(out.unitKind, UnitKind::Column);
  EXPECT_EQ(out.col, 5);
  EXPECT_EQ(out.row, 3);
  EXPECT_EQ(out.digitSet, Set({4, 6}));
  EXPECT_EQ(board, expected);
}

TEST(FindNakedSubset, BlockSubsetNamesItsFirstCellColumnByColumn) {
  // A2 and B1 share only block 0; walking the block column by column meets
  // B1 before A2.
  Board board = BoardFromLine(std::string(81, '.').c_str());
  SetCandidates(board, 2, 1, {4, 9});
  SetCandidates(board, 1, 2, {4, 9});

  const NakedOutcome out = RunNaked(board, 2, true, 0, false);

  EXPECT_EQ(out.count, 14);
  EXPECT_EQ(out.unitKind, UnitKind::Block);
  EXPECT_EQ(out.row, 2);
  EXPECT_EQ(out.col, 1);
  EXPECT_TRUE(out.strict);
  EXPECT_TRUE(HasCandidate(board, 4, 1, 4));
}

// Removable candidates of TwoPairBoard in search order: row A 1..3, row E
// 4..17 (E3..E9 lose 3 and 5), block 0 18..29 (B1..C3 lose 2 and 7), block 3
// 30..43 (seven cells lose 3 and 5).
struct SkipCase {
  const char* name;
  int skip;
  int count;
  UnitKind unitKind;
  int row;
  std::uint16_t digitSet;
};

class NakedSkipTest : public testing::TestWithParam<SkipCase> {};

TEST_P(NakedSkipTest, SkipCountWalksThroughTheRemovableCandidates) {
  const SkipCase& c = GetParam();
  Board board = TwoPairBoard();
  const Board before = board;

  const NakedOutcome out = RunNaked(board, 2, false, c.skip, false);

  EXPECT_EQ(out.count, c.count);
  EXPECT_EQ(CandidateTotal(before) - CandidateTotal(board), c.count);
  if (c.count == 0) {
    EXPECT_EQ(board, before);
    EXPECT_EQ(out.unitKind, UnitKind::None);
    return;
  }
  EXPECT_EQ(out.unitKind, c.unitKind);
  EXPECT_EQ(out.row, c.row);
  EXPECT_EQ(out.col, 1);
  EXPECT_EQ(out.digitSet, c.digitSet);
}

INSTANTIATE_TEST_SUITE_P(
    FindNakedSubset, NakedSkipTest,
    testing::Values(SkipCase{"NoSkip", 0, 3, UnitKind::Row, 1, Set({2, 7})},
                    SkipCase{"SkipOne", 1, 2, UnitKind::Row, 1, Set({2, 7})},
                    SkipCase{"SkipTwo", 2, 1, UnitKind::Row, 1, Set({2, 7})},
                    SkipCase{"SkipWholeFirstPair", 3, 14, UnitKind::Row, 5, Set({3, 5})},
                    SkipCase{"SkipIntoSecondPair", 4, 13, UnitKind::Row, 5, Set({3, 5})},
                    SkipCase{"SkipAllRows", 17, 12, UnitKind::Block, 1, Set({2, 7})},
                    SkipCase{"SkipToLastBlock", 29, 14, UnitKind::Block, 5, Set({3, 5})},
                    SkipCase{"SkipEverything", 43, 0, UnitKind::None, -1, 0}),
    [](const testing::TestParamInfo<SkipCase>& info) { return std::string(info.param.name); });

TEST(FindNakedSubset, SkipOneKeepsTheFirstRemovableCandidate) {
  Board board = TwoPairBoard();
  RunNaked(board, 2, false, 1, false);
  EXPECT_TRUE(HasCandidate(board, 5, 1, 2));
  EXPECT_FALSE(HasCandidate(board, 5, 1, 7));
  EXPECT_FALSE(HasCandidate(board, 6, 1, 7));
  EXPECT_TRUE(HasCandidate(board, 6, 1, 3));
}

TEST(FindNakedSubset, TheStepNamesItsUnitDigitsAndFirstCell) {
  const Board board = TwoPairBoard();
  const std::optional<NakedSubsetStep> step = FindNakedSubset(board, 2, Cells::Exact);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->removed, 3);
  EXPECT_EQ(step->digits, Set({2, 7}));
  EXPECT_EQ(step->unit, (Unit{UnitKind::Row, 1}));
  EXPECT_EQ(step->firstCell, (core::CellRef{1, 1}));
  EXPECT_TRUE(step->exact);
}

// Every combination of a unit's free digits tried in ascending order, units
// in the finder's order: rows, columns, blocks (cells column by column). The
// finder prunes the combinations; it must answer what this plain search does.
NakedOutcome ReferenceNaked(Board& board, int size, bool strictIn, int skip) {
  using Unit = std::array<std::pair<int, int>, 9>;  // (col, row)
  std::vector<std::pair<UnitKind, Unit>> units;
  for (UnitKind kind : {UnitKind::Row, UnitKind::Column})
    for (int line = 1; line <= 9; ++line) {
      Unit unit{};
      for (int i = 0; i < 9; ++i)
        unit[i] = kind == UnitKind::Row ? std::pair{i + 1, line} : std::pair{line, i + 1};
      units.push_back({kind, unit});
    }
  for (int b = 0; b < 9; ++b) {
    Unit block{};
    for (int i = 0; i < 9; ++i) block[i] = {3 * (b % 3) + i / 3 + 1, 3 * (b / 3) + i % 3 + 1};
    units.push_back({UnitKind::Block, block});
  }
  const auto setOf = [&](int c, int r) {
    std::uint16_t set = 0;
    if (board.at(c, r)[core::kDigit] != 0) return set;
    for (int d = 1; d <= 9; ++d)
      if (board.at(c, r)[d] > 0) set = static_cast<std::uint16_t>(set | (1u << d));
    return set;
  };
  // The digit sets of this size in ascending lexicographic order.
  std::vector<unsigned> combinations;
  const auto choose = [&](auto& self, int from, int left, unsigned set) -> void {
    if (left == 0) return combinations.push_back(set);
    for (int d = from; d <= 9; ++d) self(self, d + 1, left - 1, set | (1u << d));
  };
  choose(choose, 1, size, 0);
  NakedOutcome out;
  int counter = 0;
  for (const auto& [kind, cells] : units) {
    std::uint16_t placed = 0;
    for (auto [c, r] : cells)
      placed |= static_cast<std::uint16_t>(1u << board.at(c, r)[core::kDigit]);
    for (unsigned set : combinations) {
      if ((set & placed) != 0) continue;
      std::vector<int> members;
      for (int i = 0; i < 9; ++i)
        if (setOf(cells[i].first, cells[i].second) != 0 &&
            (setOf(cells[i].first, cells[i].second) & ~set) == 0)
          members.push_back(i);
      if (static_cast<int>(members.size()) != size) continue;
      bool exact = true;
      for (int m : members)
        exact = exact && std::popcount(setOf(cells[m].first, cells[m].second)) == size;
      if (strictIn && kind != UnitKind::Block && !exact) continue;
      for (int i = 0; i < 9; ++i) {
        if (std::find(members.begin(), members.end(), i) != members.end()) continue;
        for (int d = 1; d <= 9; ++d)
          if ((setOf(cells[i].first, cells[i].second) & set & (1u << d)) && ++counter > skip) {
            Eliminate(board, cells[i].first, cells[i].second, d);
            ++out.count;
          }
      }
      if (out.count == 0) continue;
      out = {out.count,
             exact,
             static_cast<std::uint16_t>(set),
             kind,
             cells[members[0]].second,
             cells[members[0]].first};
      return out;
    }
  }
  out.strict = strictIn;
  return out;
}

TEST(FindNakedSubset, AnswersAsTryingEveryCombinationOnRandomMarks) {
  std::mt19937 random(2026);
  for (int trial = 0; trial < 400; ++trial) {
    Board board = test::OpenBoard();
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        if (random() % 5 == 0) {  // a digit, not always one the marks allow
          board.at(c, r).fill(0);
          board.at(c, r)[core::kDigit] = static_cast<int>(1 + random() % 9);
          continue;
        }
        // Mostly small sets, sometimes none at all: broken positions too.
        const int keep = static_cast<int>(random() % 6);
        std::vector<int> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::shuffle(digits.begin(), digits.end(), random);
        core::Cell& cell = board.at(c, r);
        cell.fill(0);
        for (int i = 0; i < keep; ++i) cell[digits[i]] = 1;
        cell[core::kCount] = keep;
      }
    const int size = 2 + trial % 3;
    const bool strict = trial % 2 == 1;
    const int skip = trial % 4;
    Board expected = board;
    const NakedOutcome want = ReferenceNaked(expected, size, strict, skip);
    const NakedOutcome got = RunNaked(board, size, strict, skip, false);
    SCOPED_TRACE(testing::Message() << "trial " << trial);
    EXPECT_EQ(got.count, want.count);
    EXPECT_EQ(got.digitSet, want.digitSet);
    EXPECT_EQ(got.unitKind, want.unitKind);
    EXPECT_EQ(got.row, want.row);
    EXPECT_EQ(got.col, want.col);
    if (want.count > 0) {
      EXPECT_EQ(got.strict, want.strict);
    }
    EXPECT_TRUE(board == expected);
  }
}

TEST(SubsetFinders, SizesOutsideTwoToFourFindNothing) {
  for (int size : {0, 1, 5}) {
    Board board = TwoPairBoard();
    const Board before = board;
    EXPECT_EQ(RunNaked(board, size, false, 0, false).count, 0) << size;
    EXPECT_FALSE(FindHiddenSubset(board, size));
    EXPECT_FALSE(ApplyHiddenSubset(board, size));
    EXPECT_FALSE(ApplyHiddenSubsetsInEveryUnit(board, size));
    EXPECT_EQ(board, before);
  }
}

struct HiddenOutcome {
  int count = 0;
  std::array<int, 4> digits{0, 0, 0, 0};
  int position = -1;
  UnitKind unitKind = UnitKind::None;
  int unitNumber = -1;
};

// Looks (checkOnly: count 1), carries out the first unit's subset, or every
// unit's (without naming a unit).
HiddenOutcome RunHidden(Board& board, int size, bool stopAtFirstUnit, bool checkOnly,
                        const HiddenSubsetSkips& skips = {}) {
  HiddenOutcome out;
  std::optional<HiddenSubsetStep> step;
  if (checkOnly) {
    step = FindHiddenSubset(board, size, skips);
    Board applied = board;
    const std::optional<HiddenSubsetStep> carried = ApplyHiddenSubset(applied, size, skips);
    EXPECT_EQ(step.has_value(), carried.has_value());
    if (step && carried) {
      EXPECT_EQ(step->digits, carried->digits);
      EXPECT_EQ(step->unit, carried->unit);
    }
  } else if (stopAtFirstUnit) {
    step = ApplyHiddenSubset(board, size, skips);
  } else {
    step = ApplyHiddenSubsetsInEveryUnit(board, size, skips);
  }
  if (!step) return out;
  out.count = step->removed;
  int i = 0;
  for (int d = 1; d <= 9; ++d)
    if ((step->digits >> d) & 1U) out.digits[static_cast<std::size_t>(i++)] = d;
  if (checkOnly || stopAtFirstUnit) {
    out.unitKind = step->unit.kind;
    out.unitNumber = step->unit.number;
  }
  if (step->lastChanged)
    out.position =
        step->unit.kind == UnitKind::Row ? step->lastChanged->col : step->lastChanged->row;
  return out;
}

// An empty board on which 3 and 8 of row C stand only in C2 and C6.
Board HiddenPairRowC() {
  Board board = BoardFromLine(std::string(81, '.').c_str());
  for (int c = 1; c <= 9; ++c) {
    if (c == 2 || c == 6) continue;
    Eliminate(board, c, 3, 3);
    Eliminate(board, c, 3, 8);
  }
  return board;
}

// Adds 1 and 5 of column 9 standing only in B9 and H9.
void AddHiddenPairColumn9(Board& board) {
  for (int r = 1; r <= 9; ++r) {
    if (r == 2 || r == 8) continue;
    Eliminate(board, 9, r, 1);
    Eliminate(board, 9, r, 5);
  }
}

TEST(FindHiddenSubset, PairInRowStripsItsTwoCells) {
  Board board = HiddenPairRowC();
  Board expected = board;
  for (int d : {1, 2, 4, 5, 6, 7, 9}) {
    Eliminate(expected, 2, 3, d);
    Eliminate(expected, 6, 3, d);
  }

  const HiddenOutcome out = RunHidden(board, 2, true, false);

  EXPECT_EQ(out.count, 14);
  EXPECT_EQ(out.digits, (std::array<int, 4>{3, 8, 0, 0}));
  EXPECT_EQ(out.unitKind, UnitKind::Row);
  EXPECT_EQ(out.unitNumber, 3);
  EXPECT_EQ(out.position, 6);
  EXPECT_EQ(board, expected);
}

TEST(FindHiddenSubset, CheckOnlyReportsTheSubsetWithoutTouchingTheBoard) {
  Board board = HiddenPairRowC();
  const Board before = board;

  const HiddenOutcome out = RunHidden(board, 2, false, true);

  EXPECT_GT(out.count, 0);
  EXPECT_EQ(out.digits, (std::array<int, 4>{3, 8, 0, 0}));
  EXPECT_EQ(out.unitKind, UnitKind::Row);
  EXPECT_EQ(out.unitNumber, 3);
  EXPECT_EQ(out.position, -1);
  EXPECT_EQ(board, before);
}

TEST(FindHiddenSubset, PairInColumnReportsTheRowOfTheLastStrippedCell) {
  Board board = BoardFromLine(std::string(81, '.').c_str());
  AddHiddenPairColumn9(board);

  const HiddenOutcome out = RunHidden(board, 2, true, false);

  EXPECT_EQ(out.count, 14);
  EXPECT_EQ(out.digits, (std::array<int, 4>{1, 5, 0, 0}));
  EXPECT_EQ(out.unitKind, UnitKind::Column);
  EXPECT_EQ(out.unitNumber, 9);
  EXPECT_EQ(out.position, 8);
}

TEST(FindHiddenSubset, TripleInBlockLeavesPositionAndSpareDigitPlacesAlone) {
  Board board = BoardFromLine(std::string(81, '.').c_str());
  // Block 4 (rows D-F, columns 4-6): 2, 4 and 6 only in E4, D5 and F6.
  for (int c = 4; c <= 6; ++c) {
    for (int r = 4; r <= 6; ++r) {
      if ((c == 4 && r == 5) || (c == 5 && r == 4) || (c == 6 && r == 6)) continue;
      for (int d : {2, 4, 6}) Eliminate(board, c, r, d);
    }
  }
  const HiddenOutcome out = RunHidden(board, 3, true, false);

  EXPECT_EQ(out.count, 18);
  EXPECT_EQ(out.digits, (std::array<int, 4>{2, 4, 6, 0}));
  EXPECT_EQ(out.unitKind, UnitKind::Block);
  EXPECT_EQ(out.unitNumber, 5);
  EXPECT_EQ(out.position, -1);
  EXPECT_EQ(board.at(5, 4)[core::kCount], 3);
}

TEST(FindHiddenSubset, WithoutFlagsEveryUnitIsAppliedAndSummed) {
  Board board = HiddenPairRowC();
  AddHiddenPairColumn9(board);

  Board firstOnly = board;
  const HiddenOutcome first = RunHidden(firstOnly, 2, true, false);
  EXPECT_EQ(first.count, 14);
  EXPECT_EQ(first.unitKind, UnitKind::Row);
  EXPECT_EQ(first.unitNumber, 3);
  EXPECT_EQ(firstOnly.at(9, 2)[core::kCount], 9);

  const HiddenOutcome out = RunHidden(board, 2, false, false);
  EXPECT_EQ(out.count, 28);
  EXPECT_EQ(out.unitKind, UnitKind::None);
  EXPECT_EQ(out.unitNumber, -1);
  EXPECT_EQ(board.at(2, 3)[core::kCount], 2);
  EXPECT_EQ(board.at(9, 2)[core::kCount], 2);
  EXPECT_EQ(board.at(9, 8)[core::kCount], 2);
}

TEST(FindHiddenSubset, DigitPlacedInTheUnitIsNeverPartOfASubset) {
  // 3 stands in C1; a stale mark 3 in C5 and 8 left only in C2 would make
  // {3,8} look confined to two cells.
  Board board = BoardWithDigits({{"C1", '3'}});
  for (int c = 3; c <= 9; ++c) Eliminate(board, c, 3, 8);
  board.at(5, 3)[3] = 1;
  ++board.at(5, 3)[core::kCount];
  const Board before = board;

  const HiddenOutcome out = RunHidden(board, 2, true, false);

  EXPECT_EQ(out.count, 0);
  EXPECT_EQ(board, before);
}

struct SkipListCase {
  const char* name;
  HiddenSubsetSkips skips;
  int count;
};

class HiddenSkipListTest : public testing::TestWithParam<SkipListCase> {};

TEST_P(HiddenSkipListTest, ExcludedSubsetIsPassedOver) {
  const SkipListCase& c = GetParam();
  Board board = HiddenPairRowC();
  EXPECT_EQ(RunHidden(board, 2, true, false, c.skips).count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    FindHiddenSubset, HiddenSkipListTest,
    testing::Values(SkipListCase{"Empty", {}, 14},
                    SkipListCase{"CoveringSet", {{UnitKind::Row}, {3}, {Set({3, 8, 9})}}, 0},
                    SkipListCase{"SetMissingADigit", {{UnitKind::Row}, {3}, {Set({3, 9})}}, 14},
                    SkipListCase{"OtherRow", {{UnitKind::Row}, {4}, {Set({3, 8})}}, 14},
                    SkipListCase{"ColumnThree", {{UnitKind::Column}, {3}, {Set({3, 8})}}, 14}),
    [](const testing::TestParamInfo<SkipListCase>& info) { return std::string(info.param.name); });

TEST(FindHiddenSubset, TheStepNamesTheLastStrippedCell) {
  Board board = BoardFromLine(std::string(81, '.').c_str());
  AddHiddenPairColumn9(board);
  const std::optional<HiddenSubsetStep> step = ApplyHiddenSubset(board, 2);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->removed, 14);
  EXPECT_EQ(step->digits, Set({1, 5}));
  EXPECT_EQ(step->unit, (Unit{UnitKind::Column, 9}));
  EXPECT_EQ(step->lastChanged, (core::CellRef{9, 8}));
}

}  // namespace
}  // namespace zentaro::techniques
