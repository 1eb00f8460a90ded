#pragma once

// Paper beyond the single board: sheets of several generated puzzles with
// their solutions, and the worked solution of a position as a booklet.

#include <QString>
#include <optional>
#include <vector>

#include "app/PuzzleSheets.h"
#include "app/WorkedSolution.h"
#include "ui/BoardRenderer.h"

class QPagedPaintDevice;
class QPrinter;

namespace zentaro::ui {

struct SheetOptions {
  int perPage = 4;
  bool solutions = false;  // the solutions follow on pages of their own
  QString title;           // at the foot of every page
  BoardColors colors;      // only the pencil-mark colour is used
};

// The puzzles, perPage to a page with the number and level under each, then
// the solutions laid out alike. The painter-less forms open their own.
// Give the reason when the device could not take the pages.
std::optional<QString> PrintSheets(QPrinter& printer, const std::vector<app::SheetPuzzle>& puzzles,
                                   const SheetOptions& options);
std::optional<QString> WriteSheetsPdf(const QString& fileName,
                                      const std::vector<app::SheetPuzzle>& puzzles,
                                      const SheetOptions& options);

// The booklet of a worked solution: a summary (level, steps per technique),
// then per step the board with the step's highlights, the technique's name
// and its concrete explanation, as many steps to a page as fit, and at the
// end whether the puzzle is solved or where the hints stop.
struct BookletOptions {
  QString title;       // at the foot of every page
  QString puzzleLine;  // the position as 81 characters, for the summary
  BoardColors colors;
};
std::optional<QString> WriteWorkedSolutionPdf(const QString& fileName,
                                              const app::WorkedSolution& worked,
                                              const BookletOptions& options);

// The headings the booklet gives its entries, which a reader (or a test)
// finds them by: "Step 3: hidden single".
QString StepHeading(int number, const QString& technique);

}  // namespace zentaro::ui
