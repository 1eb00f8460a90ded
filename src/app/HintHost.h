#pragma once

#include "app/Commands.h"
#include "core/Board.h"

namespace zentaro::app {

struct PuzzleState;
struct PuzzleCounters;
struct Preferences;
struct HintState;
class View;

// What a hint request needs from the game it serves, and nothing more: the
// position with its computed marks and the marks flags, the hint's own
// display state, the counters a hint raises, the two preferences it lends
// and restores, and the few commands it runs on the game's behalf. The
// request reaches the game through this alone.
class HintHost {
 public:
  virtual PuzzleState& HintPosition() = 0;
  virtual HintState& HintDisplay() = 0;
  virtual PuzzleCounters& HintCounters() = 0;
  virtual Preferences& HintPreferences() = 0;
  virtual View& HintView() = 0;

  // Records the board as one more step of the history.
  virtual int AddStep() = 0;
  virtual int SolveAndCount(const core::Board& board, bool silent) = 0;
  virtual bool FillCandidates() = 0;
  virtual void HighlightButtonClick(int digit, bool down) = 0;
  virtual void SetEnabled(Command c, bool enabled) = 0;
  virtual int UpdateCountsDisplay(const core::Board& board) = 0;
  virtual void PuzzleSolved() = 0;

 protected:
  ~HintHost() = default;
};

}  // namespace zentaro::app
