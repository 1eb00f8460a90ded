#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Board.h"

namespace zentaro::core {

// Enabled state of the step controls (buttons and their menu items).
struct StepControls {
  bool undo = false;         // UndoBut, undoItem_, MoveFirstBut, firstStepItem_
  bool redo = false;         // RedoBut, redoItem_, MoveLastBut, lastStepItem_
  bool setBookmark = false;  // SetBookmarkBut, setBookmarkItem_
  bool goBookmark = false;   // GoBookmarkBut, goBookmarkItem_
  bool operator==(const StepControls&) const = default;
};

// What a step holds: the board with the two pencil-mark flags, and the
// candidates computed from the digits.
struct StepState {
  Board board{};
  bool askMarksSource = true;
  bool marksReduced = false;
  Board computed{};
};

// Every change of the board is kept as a full snapshot, so moving to any step
// just restores it. Each step is an 893-character string for the board and
// its two flags and an 891-character string for the computed board: one
// character per integer, 49 + value.
class StepHistory {
 public:
  static constexpr std::size_t kBoardChars = 891;
  static constexpr std::size_t kStepChars = 893;

  static std::string EncodeBoard(const Board& board);
  // Reads the first 891 characters; false (board untouched) when fewer are given.
  static bool DecodeBoard(std::string_view text, Board& board);

  // Records the new state. When it equals the next recorded step the history
  // just moves onto it. Returns the index of the current step.
  int AddStep(const Board& board, bool askMarksSource, bool marksReduced, const Board& computed);

  // Makes step n current and gives back its state; false (nothing changed)
  // for an index outside the history.
  bool GoToStep(int n, StepState& state);

  // Drops every step from index on; a bookmark among them goes too.
  void TruncateSteps(int index);

  void Clear();

  int CurrentStep() const { return current_; }
  int Bookmark() const { return bookmark_; }
  int Count() const { return static_cast<int>(boards_.size()); }

  // Setting the bookmark on a step while another step holds it needs the
  // user's consent first.
  bool BookmarkMoveNeedsConsent() const { return bookmark_ >= 0 && bookmark_ != current_; }
  void SetBookmarkHere() { bookmark_ = current_; }

  StepControls Controls() const;

  const std::string& BoardStep(int n) const { return boards_.at(n); }
  const std::string& ComputedStep(int n) const { return computed_.at(n); }

 private:
  // Appends one step; the whole history is dropped when memory runs out.
  void Append(std::string boardStep, std::string computedStep);

  std::vector<std::string> boards_;
  std::vector<std::string> computed_;
  int current_ = -1;
  int bookmark_ = -1;
};

}  // namespace zentaro::core
