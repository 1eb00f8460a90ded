#include "solver/Generator.h"

#include "solver/Dlx.h"
#include "solver/FastCount.h"

namespace zentaro::solver {

using core::DigitGrid;

namespace {

// Seeding the full grid.
constexpr int kFirstRowDigits = 5;
constexpr int kSeededCells = 16;
constexpr int kSeedCellAttempts = 3000;
constexpr int kSeedDigitDrawLimit = 1000;  // this many draws for one cell abandon the seed
constexpr int kSeedTries = 2001;
constexpr int kFirstColumnRows[] = {1, 2, 3, 8};

// The full grid is drawn from the solutions of the seed, up to this many.
constexpr int kSolutionLimit = 500;
constexpr int kFullGridGrowBy = 200;

// Clue removal.
constexpr int kFirstRemovalBelow = 50;  // empty cells until fewer clues than this remain
constexpr int kFirstRemovalDraws = 2001;
constexpr int kFirstRemovalTries = 2001;
constexpr int kSecondRemovalProbes = 101;
constexpr int kSecondRemovalMax = 69;
constexpr int kThirdRemovalSweeps = 10;
constexpr int kStopAtTargetFrom = 30;  // from this target on, removal stops once it is reached
constexpr int kRemovalPasses = 1001;
constexpr int kNoFullGrid = 80;

constexpr int kBarMaximum = 100;
constexpr int kBarStep = kBarMaximum / 20;

int Index(int row, int col) {
  return 9 * row + col;
}

class PuzzleMaker {
 public:
  PuzzleMaker(core::Random& random, GenerationProgress* progress)
      : random_(random), progress_(progress) {}

  int Make(int targetClues, DigitGrid& puzzle, DigitGrid& digits);

 private:
  bool MakeFullGrid(DigitGrid& puzzle, DigitGrid& digits);
  bool SeedGrid(DigitGrid& puzzle);
  int DrawUnusedDigit(const std::array<bool, 10>& used) {
    int digit = 0;
    do digit = random_.Below(9) + 1;
    while (used[digit]);
    return digit;
  }
  // Only "exactly one" matters, so the count may stop at two.
  bool IsUnique(const DigitGrid& puzzle) { return CountSolutionsUpTo2(puzzle, nullptr) == 1; }

  core::Random& random_;
  GenerationProgress* progress_;
  DlxSolver dlx_;
  DigitGrid full_{};
  // Removal marks, [column][row]: cells emptied, or found to be needed, in
  // the current pass.
  std::array<std::array<bool, 9>, 9> marked_{};
};

bool PuzzleMaker::SeedGrid(DigitGrid& puzzle) {
  std::array<bool, 10> used{};

  // Five digits in the first row, the top-left corner first.
  puzzle[Index(0, 0)] = static_cast<std::uint8_t>(random_.Below(9) + 1);
  used[puzzle[Index(0, 0)]] = true;
  for (int placed = 1; placed < kFirstRowDigits; ++placed) {
    int col = 0;
    do col = random_.Below(9);
    while (puzzle[Index(0, col)] != 0);
    const int digit = DrawUnusedDigit(used);
    puzzle[Index(0, col)] = static_cast<std::uint8_t>(digit);
    used[digit] = true;
  }

  // A few digits down the first column. Nothing checks them against the
  // first row's digits in the corner block: such a seed has no solution and
  // is simply tried again.
  used.fill(false);
  used[puzzle[Index(0, 0)]] = true;
  if (!used[1]) {
    puzzle[Index(random_.Below(8) + 1, 0)] = 1;
    used[1] = true;
  }
  for (const int row : kFirstColumnRows) {
    if (puzzle[Index(row, 0)] != 0) continue;
    const int digit = DrawUnusedDigit(used);
    puzzle[Index(row, 0)] = static_cast<std::uint8_t>(digit);
    used[digit] = true;
  }

  // The rest at random, away from the first row and column.
  int filled = 0;
  for (const auto d : puzzle) filled += d != 0 ? 1 : 0;
  for (int attempt = 0; filled < kSeededCells && attempt < kSeedCellAttempts; ++attempt) {
    if (progress_) progress_->ProcessEvents();
    int col = 0, row = 0;
    do {
      col = random_.Below(8) + 1;
      row = random_.Below(8) + 1;
    } while (puzzle[Index(row, col)] != 0);
    int draws = 0, digit = 0;
    for (;;) {
      digit = random_.Below(9) + 1;
      ++draws;
      if (CanPlaceInGrid(puzzle, digit, {col + 1, row + 1}) || draws > kSeedDigitDrawLimit) break;
    }
    if (draws >= kSeedDigitDrawLimit) return false;
    puzzle[Index(row, col)] = static_cast<std::uint8_t>(digit);
    ++filled;
  }
  return true;
}

bool PuzzleMaker::MakeFullGrid(DigitGrid& puzzle, DigitGrid& digits) {
  for (int seed = 0; seed < kSeedTries; ++seed) {
    puzzle.fill(0);
    digits.fill(0);
    full_.fill(0);
    if (!SeedGrid(puzzle)) continue;

    // The grid is drawn from the first solutions in the exact-cover order.
    // Counting them is order-free, so the fast counter does it; only the
    // one drawn is then looked for in that order.
    const int found = CountSolutionsUpTo(puzzle, kSolutionLimit, nullptr);
    if (found == 0) continue;
    const auto index = static_cast<std::uint32_t>(random_.Below(found));
    dlx_.DLXInit(0, kFullGridGrowBy);
    dlx_.DLXAddSudokuRows(puzzle);
    const bool drawn = dlx_.DLXSolveAt(index, full_);
    dlx_.DLXFree();
    if (drawn) return true;
  }
  return false;
}

int PuzzleMaker::Make(int targetClues, DigitGrid& puzzle, DigitGrid& digits) {
  if (!MakeFullGrid(puzzle, digits)) return kNoFullGrid;

  const bool stopAtTarget = targetClues >= kStopAtTargetFrom;
  int clues = 81;
  for (int pass = 0; pass < kRemovalPasses && clues > targetClues; ++pass) {
    // First removal: a random half of the grid, drawn again until the rest
    // still has one solution.
    for (int attempt = 0; attempt < kFirstRemovalTries; ++attempt) {
      puzzle = full_;
      for (auto& column : marked_) column.fill(false);
      clues = 81;
      for (int draw = 0; draw < kFirstRemovalDraws && clues >= kFirstRemovalBelow; ++draw) {
        const int col = random_.Below(9);
        const int row = random_.Below(9);
        if (marked_[col][row]) continue;
        puzzle[Index(row, col)] = 0;
        marked_[col][row] = true;
        --clues;
      }
      if (IsUnique(puzzle)) break;
    }

    // Second removal: random probes, each kept only when the solution stays
    // unique. A cell that had to stay is not probed again in this pass.
    int removed = 0;
    for (int probe = 0;
         probe < kSecondRemovalProbes && removed < kSecondRemovalMax && clues > targetClues;
         ++probe) {
      const int col = random_.Below(9);
      const int row = random_.Below(9);
      if (marked_[col][row]) continue;
      const std::uint8_t digit = puzzle[Index(row, col)];
      puzzle[Index(row, col)] = 0;
      marked_[col][row] = true;
      if (IsUnique(puzzle)) {
        --clues;
        ++removed;
      } else {
        puzzle[Index(row, col)] = digit;
      }
    }

    // Third removal: sweeps over every clue left. Below the stop-at-target
    // range it goes on until no clue can go, so the puzzle ends up minimal;
    // within it, each column stops at its first removal once the target is
    // reached.
    if (stopAtTarget && clues <= targetClues) continue;
    for (int sweep = 0; sweep < kThirdRemovalSweeps; ++sweep) {
      int sweepRemoved = 0;
      for (int col = 0; col < 9; ++col) {
        for (int row = 0; row < 9; ++row) {
          if (marked_[col][row]) continue;
          const std::uint8_t digit = puzzle[Index(row, col)];
          puzzle[Index(row, col)] = 0;
          if (IsUnique(puzzle)) {
            marked_[col][row] = true;
            --clues;
            ++sweepRemoved;
            if (stopAtTarget && clues <= targetClues) break;
          } else {
            puzzle[Index(row, col)] = digit;
          }
        }
      }
      if (sweepRemoved == 0 || (stopAtTarget && clues <= targetClues)) break;
    }
  }

  digits = puzzle;
  return clues;
}

// Ends the generation's screen state on every way out of GeneratePuzzle.
class ProgressSession {
 public:
  explicit ProgressSession(GenerationProgress& progress) : progress_(progress) {
    progress_.Begin();
  }
  ~ProgressSession() { progress_.End(); }
  ProgressSession(const ProgressSession&) = delete;
  ProgressSession& operator=(const ProgressSession&) = delete;

 private:
  GenerationProgress& progress_;
};

}  // namespace

bool CanPlaceInGrid(const DigitGrid& grid, int digit, core::CellRef cell) {
  for (int i = 1; i <= 9; ++i)
    if (grid[core::GridIndex(i, cell.row)] == digit || grid[core::GridIndex(cell.col, i)] == digit)
      return false;
  const core::BlockBounds b = core::BoundsOfBlock(core::BlockOf(cell));
  for (int r = b.firstRow; r <= b.lastRow; ++r)
    for (int c = b.firstCol; c <= b.lastCol; ++c)
      if (grid[core::GridIndex(c, r)] == digit) return false;
  return true;
}

int MakePuzzle(int targetClues, core::Random& random, DigitGrid& clues, DigitGrid& digits,
               GenerationProgress* progress) {
  PuzzleMaker maker(random, progress);
  return maker.Make(targetClues, clues, digits);
}

bool GeneratePuzzle(const WantedLevels& wanted, int targetClues, int& level, GenerationState& state,
                    const RateFunction& rate, core::Random& random, GenerationProgress& progress) {
  level = 0;
  const core::Board savedBoard = state.board;
  const DigitGrid savedClues = state.clues;
  const DigitGrid savedSolution = state.solution;
  const auto accepted = [&](int l) { return l >= 1 && l <= 5 && wanted[static_cast<size_t>(l)]; };

  bool made = false;
  {
    ProgressSession session(progress);
    int barPosition = 0;
    // One maker for the whole run keeps the solver's memory between puzzles.
    PuzzleMaker maker(random, &progress);
    for (;;) {
      if (progress.CancelRequested()) break;
      if (barPosition >= kBarMaximum) barPosition = 0;
      barPosition += kBarStep;
      progress.ShowPosition(barPosition, kBarMaximum);
      progress.ProcessEvents();
      if (progress.CancelRequested()) break;

      const int clueCount = maker.Make(targetClues, state.clues, state.digits);
      level = 0;
      if (clueCount > 0 && clueCount <= targetClues) {
        progress.ProcessEvents();
        if (progress.CancelRequested()) break;
        level = rate(state.digits);
        if (level < 0) level = 0;
      }
      if (accepted(level)) {
        state.clues = state.digits;
        core::LoadDigits(state.digits, state.board);
        made = true;
        break;
      }
    }
  }

  if (made) return true;
  state.board = savedBoard;
  state.clues = savedClues;
  state.solution = savedSolution;
  core::ExtractDigits(state.board, state.digits);
  level = 0;
  return false;
}

}  // namespace zentaro::solver
