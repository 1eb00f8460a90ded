#pragma once

// Forcing nets, the last rung of the second ladder: assume a candidate and
// follow what it forces, on a copy, by singles and by pointing and claiming,
// until the board breaks (a cell with no candidate left, or a digit with no
// place left in a unit). Then the assumption was false and the candidate
// goes. When no single assumption breaks the board, each assumption is
// followed a second level deep: a candidate whose own assumption breaks the
// assumed board is taken out there, and the walk goes on.
//
// Numbering as in Patterns.h: cells are core::CellRef, units PatternUnit.

#include <optional>
#include <vector>

#include "core/Board.h"
#include "techniques/Patterns.h"
#include "techniques/Steps.h"

namespace zentaro::techniques {

// Why a link of the net holds.
enum class NetReason {
  Assumed,        // the assumption the net starts from
  OnlyCandidate,  // the digit is the cell's last candidate
  OnlyPlace,      // the cell is the digit's last place in `unit`
  Locked,         // the digit's places in `unit` all lie in the cell's other unit
  Refuted,        // assuming the digit here broke the board one level deeper
};

struct NetImplication {
  core::CellRef cell;
  int digit = 0;
  bool placed = false;  // the digit goes in; else it leaves the cell
  NetReason why = NetReason::Assumed;
  PatternUnit unit{};  // OnlyPlace and Locked
  bool operator==(const NetImplication&) const = default;
};

enum class NetBreak { EmptyCell, NoPlace };

// The net one level deeper behind a Refuted link: its own links that lead to
// its break (the first is its assumption) and where the assumed board broke.
struct NetRefutation {
  std::vector<NetImplication> implications;
  NetBreak broken = NetBreak::EmptyCell;
  core::CellRef brokenCell;
  PatternUnit brokenUnit{};
  int brokenDigit = 0;
  bool operator==(const NetRefutation&) const = default;
};

struct ForcingNetStep {
  core::CellRef cell;  // the assumption that failed
  int digit = 0;
  // The links that lead to the break, in the order they were found; the
  // first is the assumption itself.
  std::vector<NetImplication> implications;
  NetBreak broken = NetBreak::EmptyCell;
  core::CellRef brokenCell;                // EmptyCell: the cell left without candidates
  PatternUnit brokenUnit{};                // NoPlace: the unit left without a place
  int brokenDigit = 0;                     // NoPlace: the digit
  bool nested = false;                     // some link needed a second-level assumption
  std::vector<NetRefutation> refutations;  // one per Refuted link, in the same order
  std::vector<Elimination> eliminations;   // the assumed candidate
  bool operator==(const ForcingNetStep&) const = default;
};

// Order: empty cells with fewest candidates first, then reading order, then
// digit ascending; every single assumption before any nested one.
std::optional<ForcingNetStep> FindForcingNet(const core::Board& board);
void Apply(const ForcingNetStep& step, core::Board& board);

}  // namespace zentaro::techniques
