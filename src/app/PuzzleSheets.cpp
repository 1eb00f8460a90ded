#include "app/PuzzleSheets.h"

#include <algorithm>
#include <cmath>

#include "rating/Rating.h"
#include "solver/SolveAndCount.h"

namespace zentaro::app {

namespace {

// One puzzle's generation inside the batch: the batch's progress sees the
// bar and answers the cancel, but the frame (Begin, End) is the batch's.
class InsideBatch final : public solver::GenerationProgress {
 public:
  explicit InsideBatch(SheetProgress& batch) : batch_(batch) {}
  void ShowPosition(int position, int maximum) override { batch_.ShowPosition(position, maximum); }
  void ProcessEvents() override { batch_.ProcessEvents(); }
  bool CancelRequested() override { return batch_.CancelRequested(); }

 private:
  SheetProgress& batch_;
};

class EndsBatch {
 public:
  explicit EndsBatch(SheetProgress& batch) : batch_(batch) { batch_.Begin(); }
  ~EndsBatch() { batch_.End(); }
  EndsBatch(const EndsBatch&) = delete;
  EndsBatch& operator=(const EndsBatch&) = delete;

 private:
  SheetProgress& batch_;
};

}  // namespace

bool SheetPerPageAllowed(int perPage) {
  return perPage == 1 || perPage == 2 || perPage == 4 || perPage == 6;
}

std::optional<std::vector<SheetPuzzle>> GenerateSheetPuzzles(const LevelChoice& choice, int count,
                                                             core::Random& random,
                                                             SheetProgress& progress) {
  std::vector<SheetPuzzle> made;
  EndsBatch frame(progress);
  InsideBatch inside(progress);
  for (int n = 1; n <= count; ++n) {
    const GenerationAim aim = DrawGenerationAim(choice, random);
    std::optional<core::DigitGrid> solution;
    const auto rate = [&](const core::DigitGrid& grid) {
      rating::Rating rated = rating::RatePuzzle(grid, {.forGenerator = true}, random);
      solution = rated.solution;
      return rated.level;
    };
    core::Board board{};
    core::DigitGrid clues{}, digits{}, kept{};
    solver::GenerationState state{board, clues, digits, kept};
    SheetPuzzle puzzle;
    if (!solver::GeneratePuzzle(aim.wanted, aim.targetClues, puzzle.level, state, rate, random,
                                inside))
      return std::nullopt;
    puzzle.clues = clues;
    if (solution) {
      puzzle.solution = *solution;
    } else {
      // The rating gives the solution its counts found; should it have kept
      // none, the solver finds the one there is.
      bool unique = false;
      solver::SolveAndCount(clues, puzzle.solution, unique);
    }
    made.push_back(puzzle);
    progress.PuzzleMade(n, count);
  }
  return made;
}

SheetGrid SheetGridFor(int perPage) {
  switch (perPage) {
    case 2:
      return {1, 2};
    case 4:
      return {2, 2};
    case 6:
      return {2, 3};
    default:
      return {1, 1};
  }
}

std::vector<SheetPlace> SheetPlaces(double width, double height, int perPage, double margin,
                                    double captionHeight, int quantum) {
  const SheetGrid grid = SheetGridFor(perPage);
  const double placeWidth = width / grid.columns;
  const double placeHeight = height / grid.rows;
  double side =
      std::max(0.0, std::min(placeWidth - 2 * margin, placeHeight - 2 * margin - captionHeight));
  if (quantum > 0 && side >= quantum) side = std::floor(side / quantum) * quantum;
  std::vector<SheetPlace> places;
  for (int r = 0; r < grid.rows; ++r)
    for (int c = 0; c < grid.columns; ++c) {
      SheetPlace place;
      place.side = side;
      place.left = std::floor(c * placeWidth + (placeWidth - side) / 2);
      place.top = std::floor(r * placeHeight + (placeHeight - side - captionHeight) / 2);
      place.captionTop = place.top + side;
      places.push_back(place);
    }
  return places;
}

int SheetPages(int count, int perPage) {
  if (count <= 0 || perPage <= 0) return 0;
  return (count + perPage - 1) / perPage;
}

}  // namespace zentaro::app
