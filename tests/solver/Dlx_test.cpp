#include "solver/Dlx.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "solver/SolverTestData.h"

namespace zentaro::solver {
namespace {

using testing::GridFromLine;
using testing::IsSolutionOf;
using testing::ReadDataLines;

// A second exact cover search written the plain textbook way: one heap record
// per node, raw pointers, column names as decimal text decoded with atoi, a
// recursive search. The solver under test must find the same solutions in the
// same order.
class ReferenceDlx {
 public:
  ReferenceDlx() {
    root_.left = &headers_[323];
    root_.right = &headers_[0];
    for (int i = 0; i < 324; ++i) {
      Node& h = headers_[i];
      h.up = h.down = &h;
      h.left = i == 0 ? &root_ : &headers_[i - 1];
      h.right = i == 323 ? &root_ : &headers_[i + 1];
      const std::string text = std::to_string(i);
      h.name = new char[text.size() + 1];
      std::strcpy(h.name, text.c_str());
    }
  }
  ~ReferenceDlx() {
    for (Node& h : headers_) {
      for (Node* n = h.down; n != &h;) {
        Node* next = n->down;
        delete n;
        n = next;
      }
      delete[] h.name;
    }
  }
  ReferenceDlx(const ReferenceDlx&) = delete;
  ReferenceDlx& operator=(const ReferenceDlx&) = delete;

  void AddRow(const std::vector<int>& columns) {
    Node* first = nullptr;
    for (int c : columns) {
      Node* n = new Node;
      Node* h = &headers_[c];
      n->column = h;
      n->down = h;
      n->up = h->up;
      h->up->down = n;
      h->up = n;
      if (first == nullptr) {
        first = n->left = n->right = n;
      } else {
        n->left = first->left;
        n->right = first;
        first->left->right = n;
        first->left = n;
      }
      ++h->size;
    }
    ++rows_;
  }

  void AddSudokuRows(const core::DigitGrid& grid) {
    for (int r = 0; r < 9; ++r) {
      bool seen[10] = {};
      for (int c = 0; c < 9; ++c) {
        const int b = 3 * (r / 3) + c / 3;
        auto add = [&](int d) {
          AddRow({9 * r + d, 81 + 9 * c + d, 162 + 9 * b + d, 243 + 9 * r + c});
        };
        if (int g = grid[9 * r + c]; g != 0) {
          add(g - 1);
          seen[g] = true;
        } else {
          for (int d = 0; d < 9; ++d)
            if (!seen[d + 1]) add(d);
        }
      }
    }
  }

  std::vector<core::DigitGrid> Solve(unsigned limit) {
    limit_ = limit;
    Search(0);
    return solutions_;
  }

 private:
  struct Node {
    Node *up = nullptr, *down = nullptr, *left = nullptr, *right = nullptr, *column = nullptr;
    unsigned size = 0;
    char* name = nullptr;
  };

  static void Cover(Node* c) {
    c->right->left = c->left;
    c->left->right = c->right;
    for (Node* i = c->down; i != c; i = i->down)
      for (Node* j = i->right; j != i; j = j->right) {
        j->down->up = j->up;
        j->up->down = j->down;
        --j->column->size;
      }
  }
  static void Uncover(Node* c) {
    for (Node* i = c->up; i != c; i = i->up)
      for (Node* j = i->left; j != i; j = j->left) {
        ++j->column->size;
        j->down->up = j;
        j->up->down = j;
      }
    c->right->left = c;
    c->left->right = c;
  }

  void Search(int k) {
    if (stop_) return;
    if (root_.right == &root_) {
      core::DigitGrid grid{};
      for (int i = 0; i < k; ++i) {
        int row = 0, col = 0, digit = 0;
        for (Node* n : {o_[i]->left, o_[i], o_[i]->right, o_[i]->right->right}) {
          const int x = std::atoi(n->column->name);
          if (x < 81) {
            row = x / 9;
            digit = x % 9 + 1;
          } else if (x < 162) {
            col = (x - 81) / 9;
          }
        }
        grid[9 * row + col] = static_cast<std::uint8_t>(digit);
      }
      solutions_.push_back(grid);
      if (limit_ > 0 && solutions_.size() >= limit_) stop_ = true;
      return;
    }
    Node* c = nullptr;
    unsigned best = rows_ + 1;
    for (Node* h = root_.right; h != &root_; h = h->right) {
      if (h->size < best) {
        c = h;
        best = h->size;
        if (best <= 1) break;
      }
    }
    Cover(c);
    for (Node* r = c->down; r != c; r = r->down) {
      o_[k] = r;
      for (Node* j = r->right; j != r; j = j->right) Cover(j->column);
      Search(k + 1);
      for (Node* j = r->left; j != r; j = j->left) Uncover(j->column);
    }
    Uncover(c);
  }

  Node root_;
  Node headers_[324];
  Node* o_[324] = {};
  unsigned rows_ = 0;
  unsigned limit_ = 0;
  bool stop_ = false;
  std::vector<core::DigitGrid> solutions_;
};

std::vector<core::DigitGrid> ReferenceSolutions(const core::DigitGrid& grid, unsigned limit) {
  ReferenceDlx reference;
  reference.AddSudokuRows(grid);
  return reference.Solve(limit);
}

// Solves with a reused solver and returns the stored solutions in order.
std::vector<core::DigitGrid> SolutionsOf(DlxSolver& solver, const core::DigitGrid& grid,
                                         unsigned limit, int capacity = 2, int growBy = 2) {
  solver.DLXInit(capacity, growBy);
  solver.DLXAddSudokuRows(grid);
  const std::uint32_t found = solver.DLXSolve(limit);
  std::vector<core::DigitGrid> result(solver.DLXSolutions().begin(),
                                      solver.DLXSolutions().begin() + found);
  solver.DLXFree();
  return result;
}

const std::string kSolvedGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(DlxSolver, EmptyGridWithLimitTwoStoresTwoDifferentValidGrids) {
  DlxSolver solver;
  solver.DLXInit(2, 2);
  solver.DLXAddSudokuRows(core::DigitGrid{});
  ASSERT_EQ(solver.DLXSolve(2), 2u);
  EXPECT_EQ(solver.DLXSolutionTotal(), 2u);
  const auto& store = solver.DLXSolutions();
  EXPECT_TRUE(IsSolutionOf(store[0], {}));
  EXPECT_TRUE(IsSolutionOf(store[1], {}));
  EXPECT_NE(store[0], store[1]);
}

TEST(DlxSolver, FullValidGridIsItsOwnOnlySolution) {
  DlxSolver solver;
  const core::DigitGrid full = GridFromLine(kSolvedGrid);
  const auto solutions = SolutionsOf(solver, full, 2);
  ASSERT_EQ(solutions.size(), 1u);
  EXPECT_EQ(solutions[0], full);
}

// The store is filled by one solve and, without freeing, reused by the next, so
// a solve that writes where it should not is caught.
class DlxStoreUntouched : public ::testing::TestWithParam<bool> {};

TEST_P(DlxStoreUntouched, WhenNoSolutionOrCountOnly) {
  const bool countOnly = GetParam();
  DlxSolver solver;
  solver.DLXInit(2, 2);
  solver.DLXAddSudokuRows(core::DigitGrid{});
  ASSERT_EQ(solver.DLXSolve(2), 2u);
  const std::vector<core::DigitGrid> before = solver.DLXSolutions();

  // Count-only must give the result of a normal solve: the empty grid again;
  // otherwise a 1 given twice in the first row, which has no solution.
  core::DigitGrid grid{};
  if (!countOnly) grid[0] = grid[5] = 1;
  solver.DLXInit(2, 2);
  solver.SetDLXCountOnly(countOnly);
  solver.DLXAddSudokuRows(grid);
  EXPECT_EQ(solver.DLXSolve(2), countOnly ? 2u : 0u);
  EXPECT_EQ(solver.DLXSolutions(), before);
}

INSTANTIATE_TEST_SUITE_P(DlxSolver, DlxStoreUntouched, ::testing::Bool(), [](const auto& info) {
  return info.param ? "CountOnly" : "DuplicateGiven";
});

// The counts of this collection come from another solver; take the first
// puzzle it credits with exactly three solutions.
core::DigitGrid SergPuzzleWithThreeSolutions() {
  const auto puzzles = ReadDataLines("puzzles7_serg_benchmark.txt");
  const auto counts = ReadDataLines("puzzles7_serg_benchmark.counts.txt");
  for (std::size_t i = 0; i < counts.size(); ++i)
    if (std::stoi(counts[i]) == 3) return GridFromLine(puzzles[i]);
  // Never hand back an empty grid: an unlimited solve of it would not end.
  throw std::runtime_error("no puzzle with three solutions in the serg collection");
}

TEST(DlxSolver, UnlimitedSolveGrowsTheStoreByTheGrowthStep) {
  const core::DigitGrid grid = SergPuzzleWithThreeSolutions();
  for (int growBy : {1, 2, 5}) {
    DlxSolver solver;
    solver.DLXInit(2, growBy);
    solver.DLXAddSudokuRows(grid);
    ASSERT_EQ(solver.DLXSolve(0), 3u);
    EXPECT_EQ(solver.DLXSolutions().size(), 2u + growBy);
    const std::set<core::DigitGrid> distinct(solver.DLXSolutions().begin(),
                                             solver.DLXSolutions().begin() + 3);
    EXPECT_EQ(distinct.size(), 3u);
    for (const auto& s : distinct) EXPECT_TRUE(IsSolutionOf(s, grid));
  }
}

TEST(DlxSolver, GrowthStepOfZeroStillStoresEverySolution) {
  DlxSolver solver;
  const auto solutions = SolutionsOf(solver, SergPuzzleWithThreeSolutions(), 0, 1, 0);
  EXPECT_EQ(solutions.size(), 3u);
}

TEST(DlxSolver, LimitCapsTheCountOnAnAlmostEmptyGrid) {
  core::DigitGrid grid{};
  grid[40] = 5;
  DlxSolver solver;
  const auto solutions = SolutionsOf(solver, grid, 500, 500, 200);
  ASSERT_EQ(solutions.size(), 500u);
  EXPECT_EQ(std::set<core::DigitGrid>(solutions.begin(), solutions.end()).size(), 500u);
  for (const auto& s : solutions) ASSERT_TRUE(IsSolutionOf(s, grid));
}

TEST(DlxSolver, SecondSolveAfterStoppingAtTheLimitFindsTheSame) {
  DlxSolver solver;
  solver.DLXInit(10, 10);
  solver.DLXAddSudokuRows(GridFromLine(ReadDataLines("puzzles7_serg_benchmark.txt")[0]));
  ASSERT_EQ(solver.DLXSolve(7), 7u);
  const std::vector<core::DigitGrid> first = solver.DLXSolutions();
  EXPECT_EQ(solver.DLXSolve(7), 7u);
  EXPECT_EQ(solver.DLXSolutions(), first);
  EXPECT_EQ(solver.DLXSolve(0), 872u);  // the count listed for this puzzle
}

// Rows are skipped only for digits given to the left in the same board row.
TEST(DlxSolver, SudokuRowsSkipOnlyDigitsGivenToTheLeft) {
  struct Case {
    const char* firstRow;
    std::uint32_t rows;
  };
  // The other eight board rows are empty: 72 cells of 9 rows each.
  for (const Case& c : {Case{".........", 729}, Case{"1........", 1 + 8 * 8 + 648},
                        Case{"........1", 8 * 9 + 1 + 648}, Case{"1.......1", 1 + 7 * 8 + 1 + 648},
                        Case{"123456789", 9 + 648}}) {
    DlxSolver solver;
    solver.DLXInit(2, 2);
    solver.DLXAddSudokuRows(GridFromLine(std::string(c.firstRow) + std::string(72, '.')));
    EXPECT_EQ(solver.DLXRowCount(), c.rows) << c.firstRow;
  }
}

TEST(DlxSolver, CellHoldingMoreThanNineHasNoSolution) {
  core::DigitGrid grid = GridFromLine(kSolvedGrid);
  grid[80] = 10;
  DlxSolver solver;
  EXPECT_TRUE(SolutionsOf(solver, grid, 0).empty());
}

TEST(DlxSolver, RowsAddedByHandAreSolvedLikeSudokuRows) {
  const core::DigitGrid full = GridFromLine(kSolvedGrid);
  DlxSolver solver;
  solver.DLXInit(2, 2);
  // The placements of the solution, last cell first.
  for (int i = 80; i >= 0; --i) {
    const int r = i / 9, c = i % 9, d = full[i] - 1;
    const int row[] = {DlxSolver::CellColumn(r, c),
                       DlxSolver::BlockDigitColumn(3 * (r / 3) + c / 3, d),
                       DlxSolver::ColumnDigitColumn(c, d), DlxSolver::RowDigitColumn(r, d)};
    EXPECT_EQ(solver.DLXAddRow(row), 4);
  }
  ASSERT_EQ(solver.DLXSolve(0), 1u);
  EXPECT_EQ(solver.DLXSolutions()[0], full);
}

TEST(DlxSolver, AddRowRefusesBadColumns) {
  DlxSolver solver;
  solver.DLXInit(2, 2);
  EXPECT_THROW(solver.DLXAddRow(std::vector<int>{0, 324}), std::out_of_range);
  EXPECT_THROW(solver.DLXAddRow(std::vector<int>{-1}), std::out_of_range);
  EXPECT_THROW(solver.DLXAddRow(std::vector<int>{5, 90, 5}), std::invalid_argument);
  EXPECT_EQ(solver.DLXRowCount(), 0u);
}

TEST(DlxSolver, FreeEmptiesTheStoreAndTheMatrix) {
  DlxSolver solver;
  solver.DLXInit(2, 2);
  solver.DLXAddSudokuRows(core::DigitGrid{});
  solver.DLXSolve(2);
  solver.DLXFree();
  EXPECT_TRUE(solver.DLXSolutions().empty());
  EXPECT_EQ(solver.DLXSolutionTotal(), 0u);
  EXPECT_EQ(solver.DLXRowCount(), 0u);
  // An empty matrix has uncovered columns and so no solution.
  EXPECT_EQ(solver.DLXSolve(0), 0u);
}

void ExpectSameOrderAsReference(DlxSolver& solver, const std::string& line, unsigned limit) {
  const core::DigitGrid grid = GridFromLine(line);
  const auto expected = ReferenceSolutions(grid, limit);
  const auto actual = SolutionsOf(solver, grid, limit);
  ASSERT_EQ(actual.size(), expected.size()) << line;
  for (std::size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(actual[i], expected[i]) << line << " solution " << i;
}

TEST(DlxSolver, SolutionOrderMatchesReferenceOnSergPuzzles) {
  const auto puzzles = ReadDataLines("puzzles7_serg_benchmark.txt");
  const auto counts = ReadDataLines("puzzles7_serg_benchmark.counts.txt");
  ASSERT_EQ(puzzles.size(), counts.size());
  DlxSolver solver;
  // Every other puzzle: all solutions where they are few, the first 500 else.
  for (std::size_t i = 0; i < puzzles.size(); i += 2) {
    const unsigned limit = std::stoi(counts[i]) <= 500 ? 0 : 500;
    ExpectSameOrderAsReference(solver, puzzles[i], limit);
  }
}

TEST(DlxSolver, SolutionOrderMatchesReferenceOnSparseAndBrokenGrids) {
  const std::vector<std::string> lines = {
      std::string(81, '.'),
      "1" + std::string(80, '.'),
      std::string(80, '.') + "9",
      "12345678" + std::string(73, '.'),
      "1.......1" + std::string(72, '.'),  // no solution, rows to the right kept
      std::string(40, '.') + "5" + std::string(40, '.'),
      kSolvedGrid.substr(0, 27) + std::string(54, '.'),
      std::string(27, '.') + kSolvedGrid.substr(27, 27) + std::string(27, '.'),
  };
  DlxSolver solver;
  for (const std::string& line : lines) ExpectSameOrderAsReference(solver, line, 500);
}

TEST(DlxSolver, SolutionOrderMatchesReferenceOnCountCheckPuzzles) {
  const auto lines = ReadDataLines("count_check.txt");
  ASSERT_GE(lines.size(), 1000u);
  DlxSolver solver;
  for (std::size_t i = 0; i < lines.size(); i += 3)
    ExpectSameOrderAsReference(solver, lines[i], 500);
}

// Drawing one solution by its index must give what the full list holds there.
TEST(DlxSolver, SolveAtGivesTheListedSolutionOfThatIndex) {
  const std::vector<std::string> lines = {
      std::string(81, '.'),
      "1.......1" + std::string(72, '.'),
      kSolvedGrid.substr(0, 27) + std::string(54, '.'),
      ReadDataLines("puzzles7_serg_benchmark.txt")[0],
      ReadDataLines("count_check.txt")[2].substr(0, 81),
  };
  DlxSolver solver;
  for (const std::string& line : lines) {
    const core::DigitGrid grid = GridFromLine(line);
    // Below the limit the list is complete, and an index past it has none.
    constexpr unsigned kLimit = 600;
    const auto listed = SolutionsOf(solver, grid, kLimit);
    const auto n = static_cast<std::uint32_t>(listed.size());
    std::vector<std::uint32_t> indices = {0, 1, n / 2, n - 1};
    if (n < kLimit) indices = {0, n / 2, n, n + 7};
    for (const std::uint32_t index : indices) {
      core::DigitGrid drawn = GridFromLine(kSolvedGrid);
      const core::DigitGrid before = drawn;
      solver.DLXInit(0, 2);
      solver.DLXAddSudokuRows(grid);
      const bool found = solver.DLXSolveAt(index, drawn);
      EXPECT_TRUE(solver.DLXSolutions().empty()) << line;
      solver.DLXFree();
      EXPECT_EQ(found, index < n) << line << " index " << index;
      EXPECT_EQ(drawn, index < n ? listed[index] : before) << line << " index " << index;
    }
  }
}

}  // namespace
}  // namespace zentaro::solver
