#pragma once

// The pattern techniques that come after the chains: fish with fins and the
// Jellyfish, the single-digit patterns, the wings, simple colouring and the
// uniqueness patterns.
//
// Every finder reads a const board and returns the first instance that takes
// at least one candidate away (or, for BUG+1, places a digit); Apply carries
// the step out. A finder trusts the candidate marks it is given, like the
// other finders, and looks only at empty cells.
//
// Numbering, the same in every step: cells are core::CellRef (column, row,
// both 1..9); lines and blocks are 1..9 (blocks left to right, top to
// bottom); a digit set holds bit d for digit d. Lists of cells and of
// eliminations are in reading order (row A first, left to right) unless a
// step says otherwise.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Board.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// The second ladder, simplest first: the hint search tries these after the
// chains, in this order. The uniqueness rows (the four from Unique
// Rectangle type 1 to BUG+1) are only for a puzzle known to have exactly one
// solution; the chains of candidates (Aic.h) and ALS-XZ (AlmostLockedSets.h)
// follow them, and the forcing nets (ForcingNets.h) come last, since they
// always find a step.
inline constexpr std::array<std::string_view, 22> kPatternLadder{
    "Skyscraper",
    "2-String Kite",
    "XY-Wing",
    "Finned X-Wing",
    "Sashimi X-Wing",
    "Colour trap",
    "Colour wrap",
    "W-Wing",
    "XYZ-Wing",
    "Empty Rectangle",
    "Finned Swordfish",
    "Sashimi Swordfish",
    "Jellyfish",
    "Unique Rectangle type 1",
    "Unique Rectangle type 2",
    "Unique Rectangle type 4",
    "BUG+1",
    "X-Chain",
    "XY-Chain",
    "Alternating Inference Chain",
    "ALS-XZ",
    "Forcing net",
};

enum class PatternUnitKind { Row, Column, Block };

struct PatternUnit {
  PatternUnitKind kind = PatternUnitKind::Row;
  int number = 0;  // 1..9
  bool operator==(const PatternUnit&) const = default;
};

// ---------------------------------------------------------------------------
// Fish: n base lines whose candidates of the digit lie in n cover lines
// (apart from the fins). Without fins the digit goes from the rest of the
// cover lines; with fins, all in one block, only from the cover-line cells of
// that block, since either a fin holds the digit or the plain fish does.
// Sashimi: some base line keeps a single cell in the cover lines.

enum class FishKind { Jellyfish, FinnedXWing, SashimiXWing, FinnedSwordfish, SashimiSwordfish };

struct FishStep {
  FishKind kind = FishKind::Jellyfish;
  int digit = 0;
  LineKind baseLines = LineKind::Row;  // the cover lines are the other kind
  std::vector<int> base;               // ascending
  std::vector<int> cover;              // ascending
  std::vector<core::CellRef> body;     // candidates where base and cover lines meet
  std::vector<core::CellRef> fins;     // empty for the Jellyfish
  int finBlock = 0;                    // 1..9, 0 without fins
  std::vector<Elimination> eliminations;
  bool operator==(const FishStep&) const = default;
};

// Search order of every fish finder: digit 1..9; rows as base lines, then
// columns; base-line sets in lexicographic order, then cover-line sets the
// same way.
std::optional<FishStep> FindJellyfish(const core::Board& board);
std::optional<FishStep> FindFinnedXWing(const core::Board& board);
std::optional<FishStep> FindSashimiXWing(const core::Board& board);
std::optional<FishStep> FindFinnedSwordfish(const core::Board& board);
std::optional<FishStep> FindSashimiSwordfish(const core::Board& board);
void Apply(const FishStep& step, core::Board& board);

// ---------------------------------------------------------------------------
// Single-digit patterns.

// Two parallel lines each holding the digit in exactly two cells, one end of
// each in the same cross line (the base); one of the other two ends (the
// tops) holds the digit, so it goes from every cell that sees both tops.
// Order: digit 1..9; rows, then columns; line pairs lexicographic.
struct SkyscraperStep {
  int digit = 0;
  LineKind lines = LineKind::Row;
  std::array<core::CellRef, 2> base{};  // base[i] in the i-th line
  std::array<core::CellRef, 2> tops{};  // tops[i] in the i-th line
  std::vector<Elimination> eliminations;
  bool operator==(const SkyscraperStep&) const = default;
};
std::optional<SkyscraperStep> FindSkyscraper(const core::Board& board);
void Apply(const SkyscraperStep& step, core::Board& board);

// A row and a column each holding the digit in exactly two cells, one end of
// each in the same block; one of the far ends holds the digit, so it goes
// from the cell that sees both. Order: digit 1..9, row 1..9, column 1..9.
struct KiteStep {
  int digit = 0;
  int block = 0;                           // the block joining the two links
  std::array<core::CellRef, 2> rowLink{};  // [0] in the block, [1] the far end
  std::array<core::CellRef, 2> columnLink{};
  std::vector<Elimination> eliminations;
  bool operator==(const KiteStep&) const = default;
};
std::optional<KiteStep> FindTwoStringKite(const core::Board& board);
void Apply(const KiteStep& step, core::Board& board);

// A block whose candidates of the digit all lie in one row and one column
// of it (and not in one line alone), and a line outside the block with the
// digit in exactly two cells, one of them in the block's row (or column).
// Order: digit 1..9, block 1..9, the block's row then column top left
// first; links in columns before links in rows, lines 1..9.
struct EmptyRectangleStep {
  int digit = 0;
  int block = 0;
  int row = 0;     // the block's row and column that hold every candidate
  int column = 0;  // of the digit in it
  LineKind linkLine = LineKind::Column;
  std::array<core::CellRef, 2> link{};  // [0] on the block's row (or column), [1] the far end
  std::vector<Elimination> eliminations;
  bool operator==(const EmptyRectangleStep&) const = default;
};
std::optional<EmptyRectangleStep> FindEmptyRectangle(const core::Board& board);
void Apply(const EmptyRectangleStep& step, core::Board& board);

// Simple colouring of one digit: the cells joined by units that hold the
// digit exactly twice take two colours, and exactly one colour is true.
// Trap: a cell outside the cluster sees both colours and loses the digit.
// Wrap: two cells of one colour share a unit, so that colour is false and
// the digit goes from all its cells. Order: digit 1..9, clusters by their
// first cell; clusters of fewer than three cells are passed over.
enum class ColouringKind { Trap, Wrap };

struct ColouringStep {
  ColouringKind kind = ColouringKind::Trap;
  int digit = 0;
  std::vector<core::CellRef> colourA;  // holds the cluster's first cell
  std::vector<core::CellRef> colourB;
  // Wrap only: the two cells of one colour that share a unit, and whether
  // that colour is A.
  std::array<core::CellRef, 2> clash{};
  PatternUnit clashUnit{};
  bool falseIsA = false;
  std::vector<Elimination> eliminations;
  bool operator==(const ColouringStep&) const = default;
};
std::optional<ColouringStep> FindColourTrap(const core::Board& board);
std::optional<ColouringStep> FindColourWrap(const core::Board& board);
void Apply(const ColouringStep& step, core::Board& board);

// ---------------------------------------------------------------------------
// Wings.

// XY-Wing: a pivot with two candidates x y sees two cells x z and y z; one
// of them is z, so z goes from the cells that see both. XYZ-Wing: the pivot
// holds x y z and sees x z and y z; z goes from the cells that see all three.
// Order: pivot, then the pincers, in reading order.
enum class WingKind { XYWing, XYZWing };

struct WingStep {
  WingKind kind = WingKind::XYWing;
  core::CellRef pivot;
  // pincers[0] holds z and the smaller of the pivot's other digits.
  std::array<core::CellRef, 2> pincers{};
  DigitSet pivotDigits = 0;
  int z = 0;
  std::vector<Elimination> eliminations;
  bool operator==(const WingStep&) const = default;
};
std::optional<WingStep> FindXYWing(const core::Board& board);
std::optional<WingStep> FindXYZWing(const core::Board& board);
void Apply(const WingStep& step, core::Board& board);

// W-Wing: two cells with the same two candidates x y that do not see each
// other, and a unit where x has exactly two places, one seen by each cell;
// one of the cells is y, so y goes from the cells that see both. Order:
// cell pairs in reading order, the link digit smaller first, units rows,
// columns, blocks.
struct WWingStep {
  std::array<core::CellRef, 2> cells{};
  DigitSet pair = 0;
  int linkDigit = 0;  // x
  int removed = 0;    // y
  PatternUnit linkUnit{};
  std::array<core::CellRef, 2> link{};  // link[i] sees cells[i]
  std::vector<Elimination> eliminations;
  bool operator==(const WWingStep&) const = default;
};
std::optional<WWingStep> FindWWing(const core::Board& board);
void Apply(const WWingStep& step, core::Board& board);

// ---------------------------------------------------------------------------
// Uniqueness: only sound when the puzzle has exactly one solution; the
// caller runs them only when that is known.

// Four empty cells at the corners of a rectangle in two rows, two columns
// and two blocks, all holding the pair a b. Were they all a or b, the a and
// b could be swapped for a second solution.
// Type 1: three corners hold only a b; a and b go from the fourth.
// Type 2: two corners in one line hold only a b, the other two a b c; c
// goes from the cells that see both of those.
// Type 4: two corners in one line hold only a b; in a unit of the other two
// corners a has no other place, so b goes from both.
// Order: rows, then columns, lexicographic; pairs ascending.
struct UniqueRectangleStep {
  int type = 1;                          // 1, 2 or 4
  std::array<core::CellRef, 4> cells{};  // [0..1] the corners holding only a b, [2..3] the others
  DigitSet pair = 0;
  int extraDigit = 0;   // type 2: c
  int lockedDigit = 0;  // type 4: a
  PatternUnit unit{};   // type 4: where a is locked
  std::vector<Elimination> eliminations;
  bool operator==(const UniqueRectangleStep&) const = default;
};
std::optional<UniqueRectangleStep> FindUniqueRectangleType1(const core::Board& board);
std::optional<UniqueRectangleStep> FindUniqueRectangleType2(const core::Board& board);
std::optional<UniqueRectangleStep> FindUniqueRectangleType4(const core::Board& board);
void Apply(const UniqueRectangleStep& step, core::Board& board);

// BUG+1: every empty cell holds two candidates but one, which holds three,
// and every digit has two places in every unit but the one digit of that
// cell that has three in each of its units. Without it the board would have
// no single solution, so the cell takes that digit.
struct BugStep {
  core::CellRef cell;
  DigitSet candidates = 0;
  int digit = 0;
  bool operator==(const BugStep&) const = default;
};
std::optional<BugStep> FindBugPlusOne(const core::Board& board);
// Places the digit and takes it out of the cell's peers.
void Apply(const BugStep& step, core::Board& board);

}  // namespace zentaro::techniques
