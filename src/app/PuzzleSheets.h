#pragma once

// Puzzles to print several to a page: a batch made by the program's own
// generator, and where each of them goes on the pages.

#include <optional>
#include <vector>

#include "app/NewPuzzle.h"
#include "core/Board.h"
#include "core/Random.h"
#include "solver/Generator.h"

namespace zentaro::app {

inline constexpr int kMostSheetPuzzles = 60;

// 1, 2, 4 or 6 puzzles to a page.
bool SheetPerPageAllowed(int perPage);

struct SheetPuzzle {
  core::DigitGrid clues{};
  core::DigitGrid solution{};
  int level = 0;  // the generator-mode rating it was accepted at
};

// A generation of several puzzles reports after each one besides what a
// single generation reports.
class SheetProgress : public solver::GenerationProgress {
 public:
  virtual void PuzzleMade(int /*made*/, int /*count*/) {}
};

// Makes count puzzles, each aimed anew at a level of the choice as "New
// puzzle..." does, so a seed gives the puzzles `zentaro-cli generate` gives
// for the same levels and seed. Begin and End of the progress frame the
// whole batch. Nothing when cancelled.
std::optional<std::vector<SheetPuzzle>> GenerateSheetPuzzles(const LevelChoice& choice, int count,
                                                             core::Random& random,
                                                             SheetProgress& progress);

// Where the boards of one page go, in page units: the page is cut into
// columns × rows equal places, each holding a board and its caption below.
struct SheetPlace {
  double left = 0, top = 0;  // the board's corner
  double side = 0;           // the board's side
  double captionTop = 0;     // the caption's line, under the board
};

struct SheetGrid {
  int columns = 1;
  int rows = 1;
};
SheetGrid SheetGridFor(int perPage);

// The places of a page width × height for perPage boards, in reading order.
// The boards are squares as large as their place allows after the caption
// line and a margin (page units too), cut down to a whole multiple of
// quantum when they are at least that large, so that a picture of quantum
// units scales by a whole factor; corners fall on whole units.
std::vector<SheetPlace> SheetPlaces(double width, double height, int perPage, double margin,
                                    double captionHeight, int quantum = 1);

// Pages needed for count puzzles (and as many again for their solutions).
int SheetPages(int count, int perPage);

}  // namespace zentaro::app
