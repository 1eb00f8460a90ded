#pragma once

// Tests set up positions by writing the game's state directly, which the
// window may not do. Found by argument-dependent lookup: PuzzleOf(game).board.

#include "app/Game.h"

namespace zentaro::app {

struct GameTestAccess {
  static PuzzleState& Puzzle(Game& g) { return g.puzzle_; }
  static PuzzleCounters& Counters(Game& g) { return g.counters_; }
  static Preferences& Prefs(Game& g) { return g.prefs_; }
  static PuzzleFile& File(Game& g) { return g.file_; }
  static HintState& Hint(Game& g) { return g.hint_; }
};

inline PuzzleState& PuzzleOf(Game& g) {
  return GameTestAccess::Puzzle(g);
}
inline PuzzleCounters& CountersOf(Game& g) {
  return GameTestAccess::Counters(g);
}
inline Preferences& PrefsOf(Game& g) {
  return GameTestAccess::Prefs(g);
}
inline PuzzleFile& FileOf(Game& g) {
  return GameTestAccess::File(g);
}
inline HintState& HintOf(Game& g) {
  return GameTestAccess::Hint(g);
}

inline const PuzzleState& PuzzleOf(const Game& g) {
  return g.Puzzle();
}
inline const PuzzleCounters& CountersOf(const Game& g) {
  return g.Counters();
}
inline const Preferences& PrefsOf(const Game& g) {
  return g.Prefs();
}
inline const PuzzleFile& FileOf(const Game& g) {
  return g.File();
}
inline const HintState& HintOf(const Game& g) {
  return g.Hint();
}

}  // namespace zentaro::app
