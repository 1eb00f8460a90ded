#pragma once

// The way from a position to the end by hints alone, as the steps a booklet
// prints: each hint's technique, the board it was shown on with its
// highlights, and its concrete explanation.

#include <string>
#include <utility>
#include <vector>

#include "app/HintWalk.h"
#include "core/Board.h"
#include "hints/Explanations.h"

namespace zentaro::app {

struct WorkedStep {
  std::string technique;   // HintTechniqueName
  std::string change;      // HintChange::Text: "C5=6", "A7-8 C9-8"
  core::Board board{};     // as it stood while the hint was shown
  hints::HintStage stage;  // the concrete stage, or the only one given
};

struct WorkedSolution {
  std::vector<WorkedStep> steps;
  bool solved = false;
  core::Board end{};  // the board where the walk ended, with its marks
  // The interactive rating of the position's digits (1..5; 0 or -1 when it
  // has none).
  int level = 0;
  // Each technique with its number of steps, in the order first used.
  std::vector<std::pair<std::string, int>> techniqueCounts;
  // Where the hints stop short of the end: what the program says there
  // (the trial-and-error advice with its mark-up, or its message texts).
  std::vector<std::string> stopLines;
};

// Walks the position by hints (as WalkHints does for `zentaro-cli hint
// --walk`) without touching any game in play. state, when given, holds the
// digits and pencil marks beyond the clues.
WorkedSolution WorkSolution(const core::DigitGrid& clues, const core::Board* state,
                            bool marksReduced);

}  // namespace zentaro::app
