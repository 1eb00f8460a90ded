#pragma once

#include <array>
#include <string_view>

#include "core/Random.h"
#include "solver/Generator.h"

namespace zentaro::app {

// What the level dialog offers: "&Random level", or only the checked levels.
struct LevelChoice {
  bool anyLevel = true;
  std::array<bool, 5> levels{true, true, true, true, true};  // levels 1..5

  bool operator==(const LevelChoice&) const = default;
};

// The dialog may close with OK only when some level can be made.
bool LevelChoiceAcceptable(const LevelChoice& choice);

// The levels a generation accepts and the clue target it aims at.
struct GenerationAim {
  solver::WantedLevels wanted{};
  int aimedLevel = 0;
  int targetClues = 0;
};

// Draws the level to aim at among the chosen ones. Easy puzzles need more
// clues, so an aim of level 1 keeps 30 to 32 of them and takes level 1 only;
// any other aim takes every chosen level at 27 clues at most. A choice with no
// level checked counts as "&Random level".
GenerationAim DrawGenerationAim(const LevelChoice& choice, core::Random& random);

// While a generation runs, the window keeps each top-level menu item's state
// in its Tag (1 when visible, plus 200 when enabled) and each speed button's
// (1 when enabled); leaving busy mode reads them back.
constexpr int BusyMenuTag(bool visible, bool enabled) {
  return (visible ? 1 : 0) + (enabled ? 200 : 0);
}
constexpr bool BusyMenuVisible(int tag) {
  return tag == 1 || tag == 201;
}
constexpr bool BusyMenuEnabled(int tag) {
  return tag >= 200;
}
constexpr int BusyButtonTag(bool enabled) {
  return enabled ? 1 : 0;
}
constexpr bool BusyButtonEnabled(int tag) {
  return tag == 1;
}

// The Tag a digit button gets back after busy mode: the number its caption
// starts with (0 when it starts with no digit).
int DigitButtonTag(std::string_view caption);

}  // namespace zentaro::app
