#include "solver/Dlx.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "solver/FastCount.h"

namespace zentaro::solver {

namespace {

// An empty grid adds 729 rows of four nodes; sizing the pool for that once
// means no position ever makes it grow.
constexpr std::size_t kSudokuRowNodes = 729 * 4;

}  // namespace

DlxSolver::DlxSolver() {
  nodes_.resize(kFirstRowNode + kSudokuRowNodes);
  // Every level of the search covers at least the column it chose, so the
  // depth never exceeds the number of columns.
  partial_.resize(kColumnCount + 1);
  chosen_.resize(kColumnCount + 1);
  DLXInit(0, 0);
}

void DlxSolver::DLXInit(int capacity, int growBy) {
  growBy_ = growBy;
  if (capacity > 0) solutions_.resize(static_cast<std::size_t>(capacity));
  ResetMatrix();
}

void DlxSolver::ResetMatrix() {
  rowCount_ = 0;
  sudokuGrid_ = false;
  nodeCount_ = kFirstRowNode;
  for (std::int32_t i = 0; i < kColumnCount; ++i) {
    nodes_[i] = Node{i == 0 ? kRoot : i - 1, i == kColumnCount - 1 ? kRoot : i + 1, i, i, i};
    size_[i] = 0;
  }
  nodes_[kRoot] = Node{kColumnCount - 1, 0, kRoot, kRoot, kRoot};
}

int DlxSolver::DLXAddRow(int count, const int* columns) {
  if (count <= 0) {
    ++rowCount_;
    return 0;
  }
  // A column named twice in one row would be unlinked from itself while it is
  // covered and leave the rings broken, so such a row is refused like a
  // column number out of range.
  for (int i = 0; i < count; ++i) {
    if (columns[i] < 0 || columns[i] >= kColumnCount)
      throw std::out_of_range("exact cover column " + std::to_string(columns[i]));
    for (int k = 0; k < i; ++k)
      if (columns[k] == columns[i])
        throw std::invalid_argument("exact cover column " + std::to_string(columns[i]) +
                                    " twice in one row");
  }
  AppendRow(count, columns);
  sudokuGrid_ = false;
  return count;
}

void DlxSolver::AppendRow(int count, const int* columns) {
  const std::int32_t first = nodeCount_;
  const std::int32_t last = first + count - 1;
  if (static_cast<std::size_t>(last) >= nodes_.size())
    nodes_.resize(std::max(2 * nodes_.size(), static_cast<std::size_t>(last) + 1));
  Node* const n = nodes_.data();
  // A row's nodes lie side by side in the pool, so its ring runs through
  // consecutive indices and closes from the last back to the first. Each node
  // goes to the bottom of its column.
  for (std::int32_t node = first; node <= last; ++node) {
    const std::int32_t column = columns[node - first];
    const std::int32_t bottom = n[column].up;
    n[node] = Node{node - 1, node + 1, bottom, column, column};
    n[bottom].down = node;
    n[column].up = node;
    ++size_[column];
  }
  n[first].left = last;
  n[last].right = first;
  nodeCount_ = last + 1;
  ++rowCount_;
}

int DlxSolver::DLXAddRow(std::span<const int> columns) {
  return DLXAddRow(static_cast<int>(columns.size()), columns.data());
}

void DlxSolver::DLXAddSudokuRows(const core::DigitGrid& grid) {
  // Only a matrix of one grid's rows can have its subtrees counted as
  // positions of that grid.
  sudokuGrid_ = rowCount_ == 0;
  givens_ = grid;
  for (int r = 0; r < 9; ++r) {
    // Only the givens met so far to the left in this board row are skipped;
    // a digit given further right still gets its (hopeless) rows.
    bool seen[10] = {};
    for (int c = 0; c < 9; ++c) {
      const int b = 3 * (r / 3) + c / 3;
      const int given = grid[9 * r + c];
      const auto addPlacement = [&](int d) {
        const int row[4] = {RowDigitColumn(r, d), ColumnDigitColumn(c, d), BlockDigitColumn(b, d),
                            CellColumn(r, c)};
        AppendRow(4, row);
      };
      if (given > 9) continue;  // no row at all: the cell cannot be filled
      if (given > 0) {
        addPlacement(given - 1);
        seen[given] = true;
      } else {
        for (int d = 0; d < 9; ++d)
          if (!seen[d + 1]) addPlacement(d);
      }
    }
  }
}

void DlxSolver::Cover(std::int32_t column) {
  Node* const n = nodes_.data();
  size_[column] += kCoveredFlag;
  n[n[column].right].left = n[column].left;
  n[n[column].left].right = n[column].right;
  for (std::int32_t i = n[column].down; i != column; i = n[i].down) {
    for (std::int32_t j = n[i].right; j != i; j = n[j].right) {
      n[n[j].down].up = n[j].up;
      n[n[j].up].down = n[j].down;
      --size_[n[j].column];
    }
  }
}

void DlxSolver::Uncover(std::int32_t column) {
  Node* const n = nodes_.data();
  for (std::int32_t i = n[column].up; i != column; i = n[i].up) {
    for (std::int32_t j = n[i].left; j != i; j = n[j].left) {
      ++size_[n[j].column];
      n[n[j].down].up = j;
      n[n[j].up].down = j;
    }
  }
  n[n[column].right].left = column;
  n[n[column].left].right = column;
  size_[column] -= kCoveredFlag;
}

std::int32_t DlxSolver::ChooseColumn() const {
  // The header ring always runs in column-number order, so reading the size
  // table in that order gives the same choice as walking the ring, without
  // chasing links. Covered columns carry a flag that puts them above every
  // real size.
  std::int32_t best = kCoveredFlag;
  std::int32_t choice = kRoot;
  for (std::int32_t c = 0; c < kColumnCount; ++c) {
    if (size_[c] < best) {
      best = size_[c];
      choice = c;
      // Nothing beats an empty column or a forced one.
      if (best <= 1) break;
    }
  }
  return choice;
}

void DlxSolver::RecordSolution(int depth) {
  if (countOnly_) return;
  if (solutionTotal_ + 1 > solutions_.size()) {
    // A growth step below one would leave no room for this solution.
    const std::size_t step = growBy_ > 0 ? static_cast<std::size_t>(growBy_) : 1;
    solutions_.resize(solutionTotal_ + step);
  }
  Decode(depth, solutions_[solutionTotal_]);
}

void DlxSolver::Decode(int depth, core::DigitGrid& grid) const {
  grid.fill(0);
  const Node* const n = nodes_.data();
  for (int i = 0; i < depth; ++i) {
    const std::int32_t self = partial_[i];
    const std::int32_t right = n[self].right;
    const std::int32_t rowNodes[4] = {n[self].left, self, right, n[right].right};
    int boardRow = -1, boardCol = -1, digit = 0;
    for (const std::int32_t node : rowNodes) {
      const std::int32_t x = n[node].column;
      if (x < 81) {
        boardRow = x / 9;
        digit = x % 9 + 1;
      } else if (x < 162) {
        boardCol = (x - 81) / 9;
      }
    }
    // Rows added by hand need not name a row and a column constraint.
    if (boardRow >= 0 && boardCol >= 0)
      grid[9 * boardRow + boardCol] = static_cast<std::uint8_t>(digit);
  }
}

std::uint32_t DlxSolver::DLXSolve(std::uint32_t limit) {
  Node* const n = nodes_.data();
  solutionTotal_ = 0;
  int k = 0;
  std::int32_t column = 0;
  std::int32_t row = 0;
  // The recursion of Algorithm X as a loop: partial_[k] is the row taken at
  // depth k and chosen_[k] the column it was taken from.
  for (;;) {
    bool descend = false;
    if (n[kRoot].right == kRoot) {
      if (wanted_ == nullptr)
        RecordSolution(k);
      else if (solutionTotal_ == wantedIndex_)
        Decode(k, *wanted_);
      ++solutionTotal_;
      if (limit > 0 && solutionTotal_ >= limit) {
        // Leave the matrix as it was found.
        while (k > 0) {
          --k;
          for (std::int32_t j = n[partial_[k]].left; j != partial_[k]; j = n[j].left)
            Uncover(n[j].column);
          Uncover(chosen_[k]);
        }
        return solutionTotal_;
      }
    } else {
      column = ChooseColumn();
      Cover(column);
      chosen_[k] = column;
      row = n[column].down;
      descend = true;
    }
    for (;;) {
      if (descend) {
        if (row != column) {
          partial_[k] = row;
          for (std::int32_t j = n[row].right; j != row; j = n[j].right) Cover(n[j].column);
          ++k;
          break;
        }
        Uncover(column);
      }
      if (k == 0) return solutionTotal_;
      --k;
      row = partial_[k];
      column = chosen_[k];
      for (std::int32_t j = n[row].left; j != row; j = n[j].left) Uncover(n[j].column);
      row = n[row].down;
      descend = true;
    }
  }
}

void DlxSolver::PlacementOf(std::int32_t rowNode, int& cell, int& digit) const {
  const Node* const n = nodes_.data();
  int boardRow = 0, boardCol = 0;
  std::int32_t node = rowNode;
  do {
    const std::int32_t x = n[node].column;
    if (x < 81) {
      boardRow = x / 9;
      digit = x % 9 + 1;
    } else if (x < 162) {
      boardCol = (x - 81) / 9;
    }
    node = n[node].right;
  } while (node != rowNode);
  cell = 9 * boardRow + boardCol;
}

bool DlxSolver::SolveAtSkipping(std::uint32_t index, core::DigitGrid& solution) {
  Node* const n = nodes_.data();
  // The position a subtree stands for: the givens and the placements taken
  // on the way down. Its completions are the subtree's exact covers.
  core::DigitGrid position = givens_;
  std::uint32_t passed = 0;  // solutions before the current subtree
  int k = 0;
  std::int32_t column = 0;
  std::int32_t row = 0;
  bool firstRow = true;
  const auto unwind = [&] {
    while (k > 0) {
      --k;
      for (std::int32_t j = n[partial_[k]].left; j != partial_[k]; j = n[j].left)
        Uncover(n[j].column);
      Uncover(chosen_[k]);
    }
  };
  for (;;) {
    bool descend = false;
    if (n[kRoot].right == kRoot) {
      if (passed == index) {
        solution = position;
        unwind();
        return true;
      }
      ++passed;
    } else {
      column = ChooseColumn();
      Cover(column);
      chosen_[k] = column;
      row = n[column].down;
      descend = true;
      firstRow = true;
    }
    for (;;) {
      if (descend) {
        // The first row leads the way down to the subtree's first solution;
        // a later one is counted first and passed over whole when the
        // solution looked for lies beyond it.
        for (; row != column && !firstRow; row = n[row].down) {
          int cell = 0, digit = 0;
          PlacementOf(row, cell, digit);
          position[cell] = static_cast<std::uint8_t>(digit);
          const std::uint32_t left = index - passed;
          const auto count = static_cast<std::uint32_t>(CountSolutionsUpTo(
              position, static_cast<int>(std::min<std::uint32_t>(left, 1u << 20) + 1), nullptr));
          position[cell] = givens_[cell];
          if (count > left) break;
          passed += count;
        }
        if (row != column) {
          partial_[k] = row;
          int cell = 0, digit = 0;
          PlacementOf(row, cell, digit);
          position[cell] = static_cast<std::uint8_t>(digit);
          for (std::int32_t j = n[row].right; j != row; j = n[j].right) Cover(n[j].column);
          ++k;
          break;
        }
        Uncover(column);
      }
      if (k == 0) return false;
      --k;
      row = partial_[k];
      column = chosen_[k];
      int cell = 0, digit = 0;
      PlacementOf(row, cell, digit);
      position[cell] = givens_[cell];
      for (std::int32_t j = n[row].left; j != row; j = n[j].left) Uncover(n[j].column);
      row = n[row].down;
      descend = true;
      firstRow = false;
    }
  }
}

bool DlxSolver::DLXSolveAt(std::uint32_t index, core::DigitGrid& solution) {
  if (sudokuGrid_) return SolveAtSkipping(index, solution);
  core::DigitGrid found{};
  wanted_ = &found;
  wantedIndex_ = index;
  const std::uint32_t total = DLXSolve(index + 1);
  wanted_ = nullptr;
  if (total <= index) return false;
  solution = found;
  return true;
}

void DlxSolver::DLXFree() {
  ResetMatrix();
  solutions_.clear();
  // The store is empty now, so no entry may be claimed readable.
  solutionTotal_ = 0;
}

}  // namespace zentaro::solver
