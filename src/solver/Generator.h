#pragma once

#include <array>
#include <functional>

#include "core/Board.h"
#include "core/Random.h"

namespace zentaro::solver {

// How a generation shows itself on screen and hears about a cancel. The
// window implements it with its progress dialog; every call has a do-nothing
// default, so a batch caller overrides only what it needs.
class GenerationProgress {
 public:
  virtual ~GenerationProgress() = default;

  // The progress dialog appears and the window is locked; the stop request
  // of an earlier generation is forgotten.
  virtual void Begin() {}
  // The bar stands at position of maximum.
  virtual void ShowPosition(int /*position*/, int /*maximum*/) {}
  // Lets the window handle what the user did meanwhile (the Cancel button,
  // Esc, closing the window).
  virtual void ProcessEvents() {}
  // True once the user asked to stop.
  virtual bool CancelRequested() { return false; }
  // The dialog goes and the window is unlocked; called on every way out.
  virtual void End() {}
};

// The generator-mode rating of a candidate puzzle: 1..5, 0 or -1.
using RateFunction = std::function<int(const core::DigitGrid&)>;

// The puzzle state a generation writes to and, when cancelled, puts back.
struct GenerationState {
  core::Board& board;
  core::DigitGrid& clues;
  core::DigitGrid& digits;
  core::DigitGrid& solution;
};

// Levels a generation accepts: entries 1..5; entry 0 is ignored (a puzzle of
// unknown level is never accepted).
using WantedLevels = std::array<bool, 6>;

// True when the digit stands nowhere in the row, the column or the block of
// the cell.
bool CanPlaceInGrid(const core::DigitGrid& grid, int digit, core::CellRef cell);

// One candidate puzzle: a random full grid from the exact cover solver, then
// clues removed as long as exactly one solution remains, until at most
// targetClues are left or the removal gives up. The puzzle is left in clues
// and digits; returns its number of clues (above targetClues when the target
// was missed, 80 when no full grid could be made). progress, when given, is
// only asked to process events while the grid is seeded.
int MakePuzzle(int targetClues, core::Random& random, core::DigitGrid& clues,
               core::DigitGrid& digits, GenerationProgress* progress = nullptr);

// Makes candidate puzzles until one rates at a wanted level (level receives
// it) and returns true, with the puzzle in clues and digits and on the board
// as digits without candidates. Returns false when cancelled, with board,
// clues and solution as they were and digits taken from the board again.
// The loop has no bound of its own: it ends on a wanted level or a cancel.
bool GeneratePuzzle(const WantedLevels& wanted, int targetClues, int& level, GenerationState& state,
                    const RateFunction& rate, core::Random& random, GenerationProgress& progress);

}  // namespace zentaro::solver
