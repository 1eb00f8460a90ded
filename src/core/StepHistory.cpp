#include "core/StepHistory.h"

#include <new>

namespace zentaro::core {

std::string StepHistory::EncodeBoard(const Board& board) {
  std::string s;
  s.reserve(kStepChars);
  for (const auto& column : board.cells)
    for (const Cell& cell : column)
      for (std::int32_t v : cell) s.push_back(static_cast<char>(49 + v));
  return s;
}

bool StepHistory::DecodeBoard(std::string_view text, Board& board) {
  if (text.size() < kBoardChars) return false;
  std::size_t i = 0;
  for (auto& column : board.cells)
    for (Cell& cell : column)
      for (std::int32_t& v : cell) v = static_cast<unsigned char>(text[i++]) - 49;
  return true;
}

int StepHistory::AddStep(const Board& board, bool askMarksSource, bool marksReduced,
                         const Board& computed) {
  std::string a = EncodeBoard(board);
  a.push_back(askMarksSource ? '1' : '0');
  a.push_back(marksReduced ? '1' : '0');

  if (Count() - 1 > current_) {
    if (boards_[current_ + 1] == a) {
      // The action repeated the next recorded step: keep the redo branch.
      ++current_;
      return current_;
    }
    TruncateSteps(current_ + 1);
  }
  Append(std::move(a), EncodeBoard(computed));
  return current_;
}

void StepHistory::Append(std::string boardStep, std::string computedStep) {
  try {
    boards_.push_back(std::move(boardStep));
    try {
      computed_.push_back(std::move(computedStep));
    } catch (...) {
      boards_.pop_back();
      throw;
    }
    current_ = Count() - 1;
  } catch (const std::bad_alloc&) {
    Clear();
  }
}

bool StepHistory::GoToStep(int n, StepState& state) {
  if (n < 0 || n >= Count()) return false;
  const std::string& a = boards_[n];
  if (!DecodeBoard(a, state.board) || !DecodeBoard(computed_[n], state.computed)) return false;
  current_ = n;
  state.askMarksSource = a.size() > 891 && a[891] == '1';
  state.marksReduced = a.size() > 892 && a[892] == '1';
  return true;
}

void StepHistory::TruncateSteps(int index) {
  if (index < 0) index = 0;
  if (index < Count()) {
    boards_.resize(index);
    computed_.resize(index);
  }
  if (bookmark_ >= index) bookmark_ = -1;
  if (current_ >= Count()) current_ = Count() - 1;
}

void StepHistory::Clear() {
  boards_.clear();
  computed_.clear();
  current_ = -1;
  bookmark_ = -1;
}

StepControls StepHistory::Controls() const {
  const int count = Count();
  StepControls c;
  c.undo = count > 0 && current_ >= 1;
  c.redo = count > 0 && count - 1 > current_;
  c.setBookmark = count > 0;
  c.goBookmark = bookmark_ >= 0 && count > bookmark_;
  return c;
}

}  // namespace zentaro::core
