#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/Board.h"

namespace zentaro::solver {

// Exact cover by dancing links (Knuth's Algorithm X) over the 324 constraint
// columns of a Sudoku position. One instance is one matrix and one solution
// store; a caller runs DLXInit, DLXAddSudokuRows (or DLXAddRow), DLXSolve,
// reads DLXSolutions() and ends with DLXFree. Reusing the same instance for
// the next position costs no allocation: the node pool keeps its memory.
//
// The order of the solutions is part of the contract (the generator picks a
// stored solution by its index): rows are searched in the order they were
// added, and the column searched next is the first one of smallest size in
// column order.
class DlxSolver {
 public:
  static constexpr int kColumnCount = 324;

  // Column numbers of the four constraints of a placement; r, c and digit
  // index d are 0-based.
  static constexpr int RowDigitColumn(int r, int d) { return 9 * r + d; }
  static constexpr int ColumnDigitColumn(int c, int d) { return 81 + 9 * c + d; }
  static constexpr int BlockDigitColumn(int b, int d) { return 162 + 9 * b + d; }
  static constexpr int CellColumn(int r, int c) { return 243 + 9 * r + c; }

  DlxSolver();

  // Sets the growth step, sizes the store to capacity when capacity is above
  // 0 (entries beyond the old length are zero), and starts an empty matrix of
  // 324 columns.
  void DLXInit(int capacity, int growBy);

  // Appends one matrix row with a node in each of the given columns, linked in
  // the order given; returns the number of nodes added. Throws
  // std::out_of_range for a column number outside 0..323 and
  // std::invalid_argument for a column named twice; the row is then not added.
  int DLXAddRow(int count, const int* columns);
  int DLXAddRow(std::span<const int> columns);

  // Adds the rows of a position: for every cell in row-major order, the given
  // digit, or for an empty cell every digit not already given to its left in
  // the same board row. Not validated: equal givens in a unit simply leave no
  // solution, and so does a cell holding a value above 9.
  void DLXAddSudokuRows(const core::DigitGrid& grid);

  // Searches for exact covers; limit 0 means all of them, otherwise the search
  // stops after `limit` solutions. Unless count-only is set, solution i is
  // decoded into DLXSolutions()[i]; the store grows by DLXGrowBy() entries
  // (at least one) when it is full. A count-only solve neither writes nor
  // grows the store. Returns the number found, also kept as DLXSolutionTotal.
  // The matrix is left as it was, so a second solve gives the same answer.
  std::uint32_t DLXSolve(std::uint32_t limit);

  // Finds the solution DLXSolve would store at that index and writes it into
  // solution, leaving the store alone: the generator draws one of many
  // solutions and needs none of the others. On a matrix made by one
  // DLXAddSudokuRows call, the subtrees before the one wanted are counted by
  // the fast counter and passed over whole; otherwise the search walks them.
  // Returns false, with solution untouched, when there are not that many.
  bool DLXSolveAt(std::uint32_t index, core::DigitGrid& solution);

  // Drops every row, empties the solution store and sets DLXSolutionTotal to
  // 0; the memory is kept for the next position.
  void DLXFree();

  const std::vector<core::DigitGrid>& DLXSolutions() const { return solutions_; }
  std::uint32_t DLXSolutionTotal() const { return solutionTotal_; }
  int DLXGrowBy() const { return growBy_; }
  // While set, solutions are counted but neither decoded nor stored.
  bool DLXCountOnly() const { return countOnly_; }
  void SetDLXCountOnly(bool countOnly) { countOnly_ = countOnly; }

  std::uint32_t DLXRowCount() const { return rowCount_; }

 private:
  // Nodes 0..323 are the column headers, kRoot closes the header ring, and the
  // rows' nodes follow in the order they were added. Links are indices, so a
  // solver can be copied and the pool can grow without fixing pointers.
  static constexpr std::int32_t kRoot = kColumnCount;
  static constexpr std::int32_t kFirstRowNode = kColumnCount + 1;
  // Added to the size of a covered column: above any real size, still positive.
  static constexpr std::int32_t kCoveredFlag = 0x40000000;

  struct Node {
    std::int32_t left, right, up, down, column;
  };

  void ResetMatrix();
  void AppendRow(int count, const int* columns);
  void Cover(std::int32_t column);
  void Uncover(std::int32_t column);
  std::int32_t ChooseColumn() const;
  void RecordSolution(int depth);
  void Decode(int depth, core::DigitGrid& grid) const;
  void PlacementOf(std::int32_t rowNode, int& cell, int& digit) const;
  bool SolveAtSkipping(std::uint32_t index, core::DigitGrid& solution);

  std::vector<Node> nodes_;  // the pool; only the first nodeCount_ are in use
  std::int32_t nodeCount_ = kFirstRowNode;
  // Nodes linked in each column, plus kCoveredFlag while it is covered.
  std::array<std::int32_t, kColumnCount> size_{};
  std::vector<std::int32_t> partial_;  // the row node taken at each depth
  std::vector<std::int32_t> chosen_;   // the column covered at each depth
  std::vector<core::DigitGrid> solutions_;
  // While set, only the solution of that index is decoded, into *wanted_.
  core::DigitGrid* wanted_ = nullptr;
  std::uint32_t wantedIndex_ = 0;
  // Set while the matrix holds the rows of one grid alone, kept here:
  // DLXSolveAt then counts whole subtrees with the fast counter instead of
  // walking their solutions.
  bool sudokuGrid_ = false;
  core::DigitGrid givens_{};
  std::uint32_t rowCount_ = 0;
  std::uint32_t solutionTotal_ = 0;
  int growBy_ = 0;
  bool countOnly_ = false;
};

}  // namespace zentaro::solver
