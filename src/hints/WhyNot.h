#pragma once

// "Why not here?": the words and highlights for one empty cell, telling
// for each digit why it cannot stand there, which digits remain, and when
// a single decides the cell. What is found comes in as plain data; the
// reasoning that finds it lives in the game.

#include <array>
#include <optional>
#include <string>

#include "core/Board.h"
#include "hints/Explanations.h"

namespace zentaro::hints {

enum class House { Row, Column, Block };

// Why one digit cannot stand in the cell, or that it can.
enum class WhyNotReason {
  Remains,     // nothing found rules it out
  Peer,        // it stands in the same house, in `where`
  PeerSingle,  // a single puts it into `where`, a cell of the same house
  CellSingle,  // another digit must go into this cell
  LeftOut,     // the player's pencil marks of this cell leave it out
  Technique,   // a technique of the hints takes it out (`technique`)
};

// How a single decides a cell: its only candidate, or the only place for
// the digit in one of its houses.
struct SingleHow {
  bool onlyCandidate = true;
  House house = House::Row;  // when not the only candidate
};

struct DigitWhyNot {
  WhyNotReason reason = WhyNotReason::Remains;
  core::CellRef where{};       // Peer, PeerSingle
  House house = House::Row;    // Peer, PeerSingle: the house it shares with the cell
  SingleHow single;            // PeerSingle: how `where` is decided
  std::string technique;       // Technique: its name as the hints give it
  bool explainedNext = false;  // Technique: its explanation follows
};

struct WhyNotFindings {
  core::CellRef cell{};
  std::array<DigitWhyNot, 10> digits{};  // indexed by the digit 1..9
  // The digit a single puts into this cell, 0 when none.
  int mustGo = 0;
  SingleHow mustGoHow;
  // The candidates were worked out from the digits, not the player's marks.
  bool fromDigits = false;
};

// The overview stage, and after it the stages of the technique explained
// (its concrete stage's action button: "&Do it !" when doIt, else "OK").
// Nothing on the board changes: the caller carries a removal out.
Explanation ExplainWhyNot(const WhyNotFindings& findings,
                          const std::optional<Explanation>& technique, bool doIt,
                          int helpContext = core::kMainWindowHelpContext);

}  // namespace zentaro::hints
