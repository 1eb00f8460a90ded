// "Why not here?": for the selected empty cell, why each digit cannot stand
// there, which digits remain, and whether a single decides the cell, shown
// in the hint window. The board changes only when "&Do it !" carries out
// the removal the window explained.

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "app/Game.h"
#include "core/StringTable.h"
#include "hints/Explanations.h"
#include "hints/WhyNot.h"
#include "techniques/Registry.h"

namespace zentaro::app {

using core::AddedText;
using core::Board;
using core::CellRef;
using core::kButtonsOk;
using core::kDigit;
using core::LoadText;
using core::MsgKind;
using hints::DigitWhyNot;
using hints::House;
using hints::WhyNotReason;

namespace {

// Per cell (core::GridIndex), bit d for each candidate d taken out.
using Removed = std::array<std::uint16_t, 81>;

// The first technique of the ladder found to take a digit out of the cell.
struct LadderRemoval {
  std::string technique;  // as the hints name it
  hints::Explanation explanation;
  Removed removed{};
  bool placesDigit = false;  // a chain ends in a placement, not a removal
  std::size_t rung = 0;      // its place in the ladder: lower is simpler
};

std::uint16_t Bit(int digit) {
  return static_cast<std::uint16_t>(1u << digit);
}

// The houses the cell shares with another cell, the row first.
std::optional<House> SharedHouse(CellRef a, CellRef b) {
  if (a.row == b.row) return House::Row;
  if (a.col == b.col) return House::Column;
  if (core::BlockOf(a) == core::BlockOf(b)) return House::Block;
  return std::nullopt;
}

// The nine cells of the cell's house.
std::array<CellRef, 9> HouseCells(CellRef cell, House house) {
  std::array<CellRef, 9> cells{};
  const core::BlockBounds b = core::BoundsOfBlock(core::BlockOf(cell));
  for (int k = 0; k < 9; ++k) {
    if (house == House::Row)
      cells[k] = {k + 1, cell.row};
    else if (house == House::Column)
      cells[k] = {cell.col, k + 1};
    else
      cells[k] = {b.firstCol + k % 3, b.firstRow + k / 3};
  }
  return cells;
}

constexpr std::array<House, 3> kHouses{House::Row, House::Column, House::Block};

// The cell is the only one of the house that can take the digit.
bool OnlyPlaceInHouse(const Board& board, CellRef cell, int digit, House house) {
  for (const CellRef other : HouseCells(cell, house)) {
    if (other == cell) continue;
    const core::Cell& c = board.at(other);
    if (c[kDigit] == digit || (c[kDigit] == 0 && c.HasCandidate(digit))) return false;
  }
  return true;
}

// How a single decides the cell for the digit on the board, if it does.
std::optional<hints::SingleHow> SingleFor(const Board& board, CellRef cell, int digit) {
  const core::Cell& c = board.at(cell);
  if (c[kDigit] != 0 || !c.HasCandidate(digit)) return std::nullopt;
  if (c.Candidates() == Bit(digit)) return hints::SingleHow{};
  for (const House house : kHouses)
    if (OnlyPlaceInHouse(board, cell, digit, house)) return hints::SingleHow{false, house};
  return std::nullopt;
}

bool SameDigitEverywhere(const Board& a, const Board& b, int digit) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const core::Cell &x = a.at(c, r), &y = b.at(c, r);
      if (x[kDigit] != y[kDigit]) return false;
      if (x[kDigit] == 0 && x.HasCandidate(digit) != y.HasCandidate(digit)) return false;
    }
  return true;
}

bool SameHouses(const Board& a, const Board& b, CellRef cell) {
  for (const House house : kHouses)
    for (const CellRef other : HouseCells(cell, house))
      if (a.at(other) != b.at(other)) return false;
  return true;
}

// Whether an instance met on `foundOn` (the board after the earlier
// instances of its rung were carried out) stands on `board` as well. A
// technique of one digit reads only that digit's candidates; a subset that
// takes a digit out of the cell lies in one of the cell's houses. Anything
// else (a chain reads the whole board) counts only when met on the board as
// it is.
bool StandsOn(techniques::TechniqueId id, const Board& foundOn, const Board& board, CellRef cell,
              int digit) {
  using enum techniques::TechniqueId;
  if (foundOn == board) return true;
  switch (id) {
    case Pointing:
    case Claiming:
    case TwoBlocks:
    case XWing:
    case Swordfish:
      return SameDigitEverywhere(foundOn, board, digit);
    case NakedSubset:
    case HiddenSubset:
      return SameHouses(foundOn, board, cell);
    default:
      return false;
  }
}

// The one place that asks the registry. Each rung of the ladder is carried
// out again and again on a copy of the board, and the cell's candidates
// are compared before and after; an instance counts for a digit only when
// it stands on the board as it is (StandsOn), since one that appears only
// after other eliminations would explain something the player cannot see.
// Every digit of `open` gets the first such instance, the simplest rung first.
std::array<std::optional<LadderRemoval>, 10> LadderRemovals(const Board& board, CellRef cell,
                                                            std::uint16_t open, bool userMarks) {
  std::array<std::optional<LadderRemoval>, 10> found{};
  const std::vector<LadderAsk> ladder = LadderForAnyInstance();
  for (std::size_t rung = 0; rung < ladder.size() && open != 0; ++rung) {
    const techniques::Technique& technique = techniques::TechniqueOf(ladder[rung].technique);
    if (technique.apply == nullptr) continue;
    Board copy = board;
    // Each pass takes at least one candidate out, so the passes end.
    while (open != 0) {
      const Board before = copy;
      const techniques::Outcome out = technique.apply(copy, ladder[rung].ask);
      if (!out.step || before == copy) break;
      const core::Cell& was = before.at(cell);
      const core::Cell& now = copy.at(cell);
      for (int d = 1; d <= 9; ++d) {
        if ((open & Bit(d)) == 0 || !was.HasCandidate(d)) continue;
        const bool lost = now[kDigit] != 0 ? now[kDigit] != d : !now.HasCandidate(d);
        if (!lost || !StandsOn(out.id, before, board, cell, d)) continue;
        LadderRemoval removal;
        removal.technique = techniques::TechniqueName(out.id, *out.step);
        removal.explanation = hints::ExplainStep(board, *out.step, userMarks);
        if (!removal.explanation.internalError.empty()) continue;
        removal.rung = rung;
        for (int c = 1; c <= 9; ++c)
          for (int r = 1; r <= 9; ++r) {
            const core::Cell &a = before.at(c, r), &b = copy.at(c, r);
            if (a[kDigit] != b[kDigit]) removal.placesDigit = true;
            if (a[kDigit] == 0 && b[kDigit] == 0)
              removal.removed[core::GridIndex(c, r)] =
                  static_cast<std::uint16_t>(a.Candidates() & ~b.Candidates());
          }
        found[d] = std::move(removal);
        open = static_cast<std::uint16_t>(open & ~Bit(d));
      }
      // A chain stands only on the board as it is: its later passes would
      // build on the first.
      if (out.id == techniques::TechniqueId::ForcingChain ||
          out.id == techniques::TechniqueId::ContradictingChain)
        break;
    }
  }
  return found;
}

}  // namespace

void Game::WhyNotHere() {
  if (!IsEnabled(Command::Hint) || !puzzle_.active || puzzle_.editMode || puzzle_.generating)
    return;
  const CellRef cell = puzzle_.selected;
  if (!cell.OnBoard() || puzzle_.board.at(cell)[kDigit] != 0) {
    view_.ShowMessageBox(LoadText(AddedText::WhyNotNeedsEmptyCell), MsgKind::Information,
                         kButtonsOk);
    return;
  }
  view_.HideHintWindow();
  if (puzzle_.highlightDigit != 0) HighlightButtonClick(puzzle_.highlightDigit, false);

  // The player's own marks when every empty cell has some and none leaves
  // out the solution's digit; else the candidates of the digits alone.
  hints::WhyNotFindings f;
  f.cell = cell;
  bool anyMarks = false;
  Board work = puzzle_.board;
  f.fromDigits = !core::CheckMarks(work, anyMarks);
  if (!f.fromDigits) {
    // A mark for a digit that stands in a peer is no candidate.
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r)
        for (int d = 1; d <= 9; ++d)
          if (work.at(c, r)[kDigit] == 0 && work.at(c, r).HasCandidate(d) &&
              !core::CanPlace(work, d, {c, r}))
            work.at(c, r).RemoveCandidate(d);
    f.fromDigits =
        puzzle_.clueSolutionKnown && FindMistakes(work, puzzle_.clueSolution).missingMarks > 0;
  }
  if (f.fromDigits) core::BuildFromDigitsPlain(puzzle_.digits, work);

  std::uint16_t open = 0;
  for (int d = 1; d <= 9; ++d) {
    DigitWhyNot& why = f.digits[d];
    for (const House house : kHouses) {
      for (const CellRef other : HouseCells(cell, house))
        if (puzzle_.board.at(other)[kDigit] == d) {
          why.reason = WhyNotReason::Peer;
          why.where = other;
          why.house = house;
          break;
        }
      if (why.reason == WhyNotReason::Peer) break;
    }
    if (why.reason != WhyNotReason::Remains) continue;
    if (work.at(cell).HasCandidate(d))
      open = static_cast<std::uint16_t>(open | Bit(d));
    else
      why.reason = WhyNotReason::LeftOut;
  }

  // A single that decides the cell answers for every other digit.
  for (int d = 1; d <= 9 && f.mustGo == 0; ++d)
    if ((open & Bit(d)) != 0)
      if (const auto how = SingleFor(work, cell, d)) {
        f.mustGo = d;
        f.mustGoHow = *how;
      }
  for (int d = 1; d <= 9 && f.mustGo != 0; ++d)
    if ((open & Bit(d)) != 0 && d != f.mustGo) f.digits[d].reason = WhyNotReason::CellSingle;
  if (f.mustGo != 0) open = 0;

  // A single in a cell of the same house puts the digit there.
  for (int d = 1; d <= 9; ++d) {
    if ((open & Bit(d)) == 0) continue;
    for (int c = 1; c <= 9 && (open & Bit(d)) != 0; ++c)
      for (int r = 1; r <= 9 && (open & Bit(d)) != 0; ++r) {
        const CellRef other{c, r};
        const std::optional<House> shared = SharedHouse(cell, other);
        if (other == cell || !shared) continue;
        if (const auto how = SingleFor(work, other, d)) {
          DigitWhyNot& why = f.digits[d];
          why.reason = WhyNotReason::PeerSingle;
          why.where = other;
          why.house = *shared;
          why.single = *how;
          open = static_cast<std::uint16_t>(open & ~Bit(d));
        }
      }
  }

  const auto removals = LadderRemovals(work, cell, open, !f.fromDigits);
  const LadderRemoval* shown = nullptr;
  for (int d = 1; d <= 9; ++d) {
    if (!removals[d]) continue;
    f.digits[d].reason = WhyNotReason::Technique;
    f.digits[d].technique = removals[d]->technique;
    if (shown == nullptr || removals[d]->rung < shown->rung) shown = &*removals[d];
  }
  for (int d = 1; d <= 9; ++d)
    if (removals[d] && &*removals[d] == shown) f.digits[d].explainedNext = true;

  // "&Do it !" only where it takes out one of the player's own marks.
  bool doIt = false;
  if (shown != nullptr && !shown->placesDigit)
    for (int i = 0; i < 81; ++i) {
      const core::Cell& c = puzzle_.board.at(CellRef{i % 9 + 1, i / 9 + 1});
      if (c[kDigit] == 0 && (c.Candidates() & shown->removed[i]) != 0) doIt = true;
    }

  const hints::Explanation explanation =
      hints::ExplainWhyNot(f, shown ? std::optional(shown->explanation) : std::nullopt, doIt);
  hints::ClearHighlights(hint_.highlights);
  hint_.highlightOn = true;
  view_.PlaceHintWindow();
  const core::ModalResult result =
      ShowExplanation(view_, hint_, explanation, counters_.concreteHints);

  hint_.highlightOn = false;
  hints::ClearHighlights(hint_.highlights);
  view_.SetHintHighlights(hint_.highlights, false);
  if (result != core::ModalResult::Ok || !doIt) return;

  // The removal explained, from the player's marks and the computed ones
  // alike, as one step.
  const Board before = puzzle_.board;
  for (int i = 0; i < 81; ++i) {
    const CellRef at{i % 9 + 1, i / 9 + 1};
    for (int d = 1; d <= 9; ++d) {
      if ((shown->removed[i] & Bit(d)) == 0) continue;
      if (puzzle_.board.at(at)[kDigit] == 0) puzzle_.board.at(at).RemoveCandidate(d);
      if (puzzle_.computed.at(at)[kDigit] == 0) puzzle_.computed.at(at).RemoveCandidate(d);
    }
  }
  puzzle_.marksReduced = true;
  AddStep();
  for (int i = 0; i < 81; ++i) {
    const CellRef at{i % 9 + 1, i / 9 + 1};
    if (before.at(at) != puzzle_.board.at(at)) RedrawCellAt(at);
  }
  RefreshRemoveCandidates();
}

}  // namespace zentaro::app
