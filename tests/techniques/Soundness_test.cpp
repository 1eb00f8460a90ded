// Every finder and pipeline entry, applied to positions of real puzzles with
// one solution, must keep that solution possible: no solution digit may lose
// its candidate and no other digit may be placed. The positions are taken at
// several stages of solving, and with candidate marks thinned beyond what the
// digits imply, since the finders trust whatever marks they are given.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "TestData.h"
#include "core/Board.h"
#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Registry.h"
#include "techniques/Singles.h"
#include "techniques/Subsets.h"

namespace zentaro::techniques {
namespace {

using core::Board;
using core::DigitGrid;
using core::kCount;
using core::kDigit;

// ---------------------------------------------------------------------------
// A small solver of its own, so that the solutions do not come from the code
// under test.

class BacktrackingSolver {
 public:
  // Number of solutions, counting no further than two; the first one found is
  // kept.
  int Count(const DigitGrid& puzzle, DigitGrid& solution) {
    grid_ = puzzle;
    rows_.fill(0);
    cols_.fill(0);
    boxes_.fill(0);
    found_ = 0;
    for (int i = 0; i < 81; ++i) {
      const int d = grid_[i];
      if (d == 0) continue;
      const unsigned bit = 1u << d;
      if ((rows_[i / 9] | cols_[i % 9] | boxes_[Box(i)]) & bit) return 0;
      Set(i, d);
    }
    Search();
    solution = first_;
    return found_;
  }

 private:
  static int Box(int i) { return 3 * (i / 27) + (i % 9) / 3; }

  void Set(int i, int d) {
    const unsigned bit = 1u << d;
    rows_[i / 9] |= bit;
    cols_[i % 9] |= bit;
    boxes_[Box(i)] |= bit;
    grid_[i] = static_cast<std::uint8_t>(d);
  }

  void Clear(int i, int d) {
    const unsigned bit = ~(1u << d);
    rows_[i / 9] &= bit;
    cols_[i % 9] &= bit;
    boxes_[Box(i)] &= bit;
    grid_[i] = 0;
  }

  unsigned Free(int i) const { return ~(rows_[i / 9] | cols_[i % 9] | boxes_[Box(i)]) & 0x3FEu; }

  static int UnitCell(int unit, int k) {
    if (unit < 9) return 9 * unit + k;         // row
    if (unit < 18) return 9 * k + (unit - 9);  // column
    const int b = unit - 18;                   // block
    return 27 * (b / 3) + 3 * (b % 3) + 9 * (k / 3) + k % 3;
  }

  // Branches on whichever is narrower: the cell with the fewest digits left,
  // or the digit with the fewest places left in some unit. Without the second
  // the 17-clue puzzles take far too long.
  void Search() {
    std::array<unsigned, 81> free{};
    int bestCell = -1, cellCount = 10;
    for (int i = 0; i < 81; ++i) {
      if (grid_[i] != 0) continue;
      free[i] = Free(i);
      const int n = std::popcount(free[i]);
      if (n == 0) return;
      if (n < cellCount) bestCell = i, cellCount = n;
    }
    if (bestCell < 0) {
      if (found_++ == 0) first_ = grid_;
      return;
    }
    int bestUnit = -1, bestDigit = 0, placeCount = 10;
    if (cellCount > 1) {
      for (int unit = 0; unit < 27; ++unit) {
        // How many cells of the unit could take each digit; a digit the unit
        // already holds needs no place.
        std::array<int, 10> places{};
        unsigned held = 0;
        for (int k = 0; k < 9; ++k) {
          const int i = UnitCell(unit, k);
          held |= 1u << grid_[i];
          for (unsigned m = free[i]; m != 0; m &= m - 1) ++places[std::countr_zero(m)];
        }
        for (int d = 1; d <= 9; ++d) {
          if (held & (1u << d)) continue;
          if (places[d] == 0) return;
          if (places[d] < placeCount) bestUnit = unit, bestDigit = d, placeCount = places[d];
        }
      }
    }
    if (bestUnit >= 0 && placeCount < cellCount) {
      for (int k = 0; k < 9 && found_ < 2; ++k) {
        const int i = UnitCell(bestUnit, k);
        if (grid_[i] != 0 || (free[i] & (1u << bestDigit)) == 0) continue;
        Set(i, bestDigit);
        Search();
        Clear(i, bestDigit);
      }
      return;
    }
    for (int d = 1; d <= 9 && found_ < 2; ++d) {
      if ((free[bestCell] & (1u << d)) == 0) continue;
      Set(bestCell, d);
      Search();
      Clear(bestCell, d);
    }
  }

  DigitGrid grid_{};
  DigitGrid first_{};
  std::array<unsigned, 9> rows_{}, cols_{}, boxes_{};
  int found_ = 0;
};

// ---------------------------------------------------------------------------
// Positions.

struct Position {
  std::string label;  // file, puzzle number and stage, for failure messages
  Board board;
  DigitGrid solution;
};

constexpr int kPuzzlesFromTop1465 = 150;
constexpr int kPuzzlesFrom17Clue = 250;

std::vector<std::string> ReadPuzzles(const std::string& file, int count) {
  return testdata::Puzzles(file, static_cast<std::size_t>(count));
}

DigitGrid GridOf(const std::string& line) {
  DigitGrid grid{};
  for (int i = 0; i < 81; ++i)
    grid[i] = (line[i] >= '1' && line[i] <= '9') ? static_cast<std::uint8_t>(line[i] - '0') : 0;
  return grid;
}

Board FromDigits(const DigitGrid& digits) {
  Board board{};
  core::UnitCountTable blocks{}, rows{}, cols{};
  core::BuildFromDigits(digits, board, blocks, rows, cols);
  return board;
}

int SolutionDigit(const DigitGrid& solution, int col, int row) {
  return solution[core::GridIndex(col, row)];
}

void PlaceWithPeers(Board& board, int col, int row, int digit) {
  core::Cell& cell = board.at(col, row);
  cell.fill(0);
  cell[kDigit] = digit;
  core::RemoveFromPeers(board, {col, row});
}

// Naked and hidden singles until none is left, written here so that the
// stage does not depend on the finders it is used to test.
Board PlaceAllSingles(Board board) {
  bool placed = true;
  while (placed) {
    placed = false;
    for (int c = 1; c <= 9; ++c) {
      for (int r = 1; r <= 9; ++r) {
        const core::Cell& cell = board.at(c, r);
        if (cell[kDigit] != 0 || cell[kCount] != 1) continue;
        for (int d = 1; d <= 9; ++d) {
          if (cell[d] > 0) {
            PlaceWithPeers(board, c, r, d);
            placed = true;
            break;
          }
        }
      }
    }
    // Units 0..26: rows, columns, blocks.
    for (int unit = 0; unit < 27; ++unit) {
      for (int d = 1; d <= 9; ++d) {
        int hits = 0, hitCol = 0, hitRow = 0;
        for (int k = 0; k < 9; ++k) {
          int c, r;
          if (unit < 9) {
            c = k + 1, r = unit + 1;
          } else if (unit < 18) {
            c = unit - 8, r = k + 1;
          } else {
            const core::BlockBounds b = core::BoundsOfBlock(unit - 18);
            c = b.firstCol + k % 3, r = b.firstRow + k / 3;
          }
          const core::Cell& cell = board.at(c, r);
          if (cell[kDigit] == 0 && cell[d] > 0) ++hits, hitCol = c, hitRow = r;
        }
        if (hits == 1) {
          PlaceWithPeers(board, hitCol, hitRow, d);
          placed = true;
        }
      }
    }
  }
  return board;
}

// Takes away about `percent` of the candidates that the solution rules out.
Board ThinWrongCandidates(Board board, const DigitGrid& solution, std::mt19937& rng,
                          unsigned percent) {
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      core::Cell& cell = board.at(c, r);
      if (cell[kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (cell[d] > 0 && d != SolutionDigit(solution, c, r) && rng() % 100 < percent) {
          cell[d] = 0;
          --cell[kCount];
        }
      }
    }
  }
  return board;
}

// The puzzle with the solution's digit written into about `percent` of its
// empty cells.
DigitGrid WithSomeSolutionDigits(DigitGrid digits, const DigitGrid& solution, std::mt19937& rng,
                                 unsigned percent) {
  for (int i = 0; i < 81; ++i)
    if (digits[i] == 0 && rng() % 100 < percent) digits[i] = solution[i];
  return digits;
}

bool HasEmptyCell(const Board& board) {
  return core::CountDigits(board) < 81;
}

void AddPositions(const std::string& file, int count, std::vector<Position>& out,
                  std::vector<std::string>& problems) {
  const std::vector<std::string> lines = ReadPuzzles(file, count);
  if (static_cast<int>(lines.size()) < count)
    problems.push_back(file + ": only " + std::to_string(lines.size()) + " puzzles read");
  BacktrackingSolver solver;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string name = file + " #" + std::to_string(n + 1);
    const DigitGrid puzzle = GridOf(lines[n]);
    DigitGrid solution{};
    if (solver.Count(puzzle, solution) != 1) {
      problems.push_back(name + " does not have exactly one solution");
      continue;
    }
    std::mt19937 rng(static_cast<std::uint32_t>(n + 1));
    const Board fromDigits = FromDigits(puzzle);
    const Board stuck = PlaceAllSingles(fromDigits);
    const Board stages[] = {
        fromDigits,
        FromDigits(WithSomeSolutionDigits(puzzle, solution, rng, 30)),
        stuck,
        ThinWrongCandidates(stuck, solution, rng, 25),
    };
    const char* const stageNames[] = {"from its digits", "with some solution digits placed",
                                      "stuck after singles", "stuck, wrong candidates thinned"};
    for (int s = 0; s < 4; ++s) {
      if (!HasEmptyCell(stages[s])) continue;
      out.push_back({name + " " + stageNames[s] + " (" + lines[n] + ")", stages[s], solution});
    }
  }
}

struct PositionSet {
  std::vector<Position> positions;
  std::vector<std::string> problems;
};

const PositionSet& Positions() {
  static const PositionSet set = [] {
    PositionSet s;
    AddPositions("puzzles3_magictour_top1465.txt", kPuzzlesFromTop1465, s.positions, s.problems);
    AddPositions("puzzles2_17_clue.txt", kPuzzlesFrom17Clue, s.positions, s.problems);
    return s;
  }();
  return set;
}

// ---------------------------------------------------------------------------
// Checking one application.

std::string CellText(int col, int row) {
  return core::CellName(col, row);
}

// Every way the board after a step may break the solution, one line each.
std::vector<std::string> Violations(const Board& before, const Board& after,
                                    const DigitGrid& solution) {
  std::vector<std::string> found;
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const core::Cell& was = before.at(c, r);
      const core::Cell& now = after.at(c, r);
      const int want = SolutionDigit(solution, c, r);
      if (was[kDigit] != 0) {
        if (now[kDigit] != was[kDigit])
          found.push_back("changed the given digit of " + CellText(c, r));
        continue;
      }
      if (now[kDigit] != 0) {
        if (now[kDigit] != want)
          found.push_back("placed " + std::to_string(now[kDigit]) + " in " + CellText(c, r) +
                          ", solution " + std::to_string(want));
        continue;
      }
      if (was[want] > 0 && now[want] <= 0)
        found.push_back("removed the solution's candidate " + std::to_string(want) + " from " +
                        CellText(c, r));
      int flags = 0;
      for (int d = 1; d <= 9; ++d) flags += now[d] > 0 ? 1 : 0;
      if (flags != now[kCount])
        found.push_back("left " + CellText(c, r) + " with count " + std::to_string(now[kCount]) +
                        " but " + std::to_string(flags) + " candidates");
    }
  }
  return found;
}

// A placement a finder names without making it (a pipeline entry's single, a
// chain's conclusion in check-only mode).
struct Claim {
  int col, row, digit;
};

using ApplyStep = std::function<int(Board&, std::vector<Claim>&)>;

struct FinderCase {
  std::string name;
  ApplyStep apply;
  // The slower finders see every n-th position only.
  int positionStride = 1;
  // Chains of depth 1 without hidden singles cannot conclude anything: the two
  // chains of a start cell never put the same digit into the same peer.
  bool mayFindNothing = false;
};

void PrintTo(const FinderCase& c, std::ostream* os) {
  *os << c.name;
}

// How often a finder is applied again to the board it has just changed.
constexpr int kStepsPerPosition = 2;

class Soundness : public ::testing::TestWithParam<FinderCase> {};

TEST_P(Soundness, NeverRemovesOrMisplacesASolutionDigit) {
  const PositionSet& set = Positions();
  for (const std::string& problem : set.problems) ADD_FAILURE() << problem;
  ASSERT_GT(set.positions.size(), 600u);

  const FinderCase& finder = GetParam();
  int failures = 0;
  int applied = 0;
  for (std::size_t p = 0; p < set.positions.size() && failures < 5;
       p += static_cast<std::size_t>(finder.positionStride)) {
    const Position& pos = set.positions[p];
    Board board = pos.board;
    for (int step = 0; step < kStepsPerPosition; ++step) {
      const Board before = board;
      std::vector<Claim> claims;
      if (finder.apply(board, claims) <= 0) {
        if (board != before) {
          ADD_FAILURE() << finder.name << " found nothing but changed the board of " << pos.label;
          ++failures;
        }
        break;
      }
      ++applied;
      std::vector<std::string> problems = Violations(before, board, pos.solution);
      for (const Claim& claim : claims) {
        const int want = SolutionDigit(pos.solution, claim.col, claim.row);
        if (claim.digit != want)
          problems.push_back("named " + std::to_string(claim.digit) + " for " +
                             CellText(claim.col, claim.row) + ", solution " + std::to_string(want));
      }
      if (!problems.empty()) {
        std::string text;
        for (const std::string& line : problems) text += "\n  " + line;
        ADD_FAILURE() << finder.name << " on " << pos.label << ", step " << step + 1 << ":" << text;
        ++failures;
        break;
      }
      if (board == before) break;  // a check-only style result: nothing more to see
    }
  }
  // A finder that never acts would pass without having been tested.
  if (!finder.mayFindNothing) {
    EXPECT_GT(applied, 0) << finder.name << " found nothing anywhere";
  }
}

// Carries out the registry's step leading to a single, and claims that single.
int ApplyLeading(TechniqueId id, Board& b, std::vector<Claim>& claims,
                 const Ask& ask = Ask{Reach::ToSingle}) {
  const Outcome out = TechniqueOf(id).apply(b, ask);
  if (!out.step) return 0;
  if (out.single) claims.push_back({out.single->cell.col, out.single->cell.row, out.single->digit});
  return 1;
}

std::vector<FinderCase> AllFinders() {
  std::vector<FinderCase> cases;
  auto add = [&](std::string name, ApplyStep apply, int stride = 1) {
    cases.push_back({std::move(name), std::move(apply), stride, false});
  };

  // Singles.
  const auto place = [](Board& b, const std::optional<SingleStep>& single) {
    if (single) Apply(*single, b);
    return single ? 1 : 0;
  };
  add("FindNakedSingle",
      [place](Board& b, std::vector<Claim>&) { return place(b, FindNakedSingle(b)); });
  add("FindSingleInFullestUnitThenPlace", [place](Board& b, std::vector<Claim>&) {
    const std::optional<core::CellRef> cell = FindSingleInFullestUnit(b, 1, 9);
    return cell ? place(b, NakedSingleAt(b, *cell)) : 0;
  });
  add("FindHiddenSinglePlaceFirst",
      [place](Board& b, std::vector<Claim>&) { return place(b, FindHiddenSingle(b)); });
  add("FindHiddenSingleReportOnly", [](Board& b, std::vector<Claim>& claims) {
    const auto single = FindHiddenSingle(b);
    if (single) claims.push_back({single->cell.col, single->cell.row, single->digit});
    return single ? 1 : 0;
  });
  add("FindHiddenSingleCollectAll", [](Board& b, std::vector<Claim>&) {
    const int n = CollectHiddenSingles(b);
    // The digits go in without their peers losing candidates; finish the
    // placements so the next step sees a consistent board.
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r)
        if (b.at(c, r)[kDigit] != 0) core::RemoveFromPeers(b, {c, r});
    return n;
  });

  // Locked candidates.
  add("ApplyPointing", [](Board& b, std::vector<Claim>&) { return ApplyPointing(b) ? 1 : 0; });
  add("ApplyClaimingRows",
      [](Board& b, std::vector<Claim>&) { return ApplyClaimingIn(LineKind::Row, b) ? 1 : 0; });
  add("ApplyClaimingInColumns",
      [](Board& b, std::vector<Claim>&) { return ApplyClaimingIn(LineKind::Column, b) ? 1 : 0; });
  add("ApplyTwoBlockLockFirstPair",
      [](Board& b, std::vector<Claim>&) { return ApplyTwoBlockLock(b) ? 1 : 0; });
  add("ApplyEveryTwoBlockLock",
      [](Board& b, std::vector<Claim>&) { return ApplyEveryTwoBlockLock(b); });

  // Subsets: each search goes through hundreds of digit combinations.
  const int subsetStride = 3;
  for (int size = 2; size <= 4; ++size) {
    for (bool strict : {false, true}) {
      add(
          "FindNakedSubsetSize" + std::to_string(size) + (strict ? "Strict" : "Loose"),
          [size, strict](Board& b, std::vector<Claim>&) {
            return ApplyNakedSubset(b, size, strict ? Cells::Exact : Cells::Any) ? 1 : 0;
          },
          subsetStride);
    }
    add(
        "FindNakedSubsetSize" + std::to_string(size) + "SkippingTwo",
        [size](Board& b, std::vector<Claim>&) {
          return ApplyNakedSubset(b, size, Cells::Any, 2) ? 1 : 0;
        },
        subsetStride);
    add(
        "FindHiddenSubsetSize" + std::to_string(size) + "FirstUnit",
        [size](Board& b, std::vector<Claim>&) { return ApplyHiddenSubset(b, size) ? 1 : 0; },
        subsetStride);
    add(
        "FindHiddenSubsetSize" + std::to_string(size) + "AllUnits",
        [size](Board& b, std::vector<Claim>&) {
          return ApplyHiddenSubsetsInEveryUnit(b, size) ? 1 : 0;
        },
        subsetStride * 2);
  }

  // Fish.
  add("ApplyXWing", [](Board& b, std::vector<Claim>&) { return ApplyXWing(b) ? 1 : 0; });
  add("ApplySwordfish", [](Board& b, std::vector<Claim>&) { return ApplySwordfish(b) ? 1 : 0; });

  // Steps leading to a single: the eliminations, and the single they report.
  const int pipelineStride = 1;
  add(
      "PointingToSingle",
      [](Board& b, std::vector<Claim>& claims) {
        return ApplyLeading(TechniqueId::Pointing, b, claims);
      },
      pipelineStride);
  add(
      "ClaimingToSingle",
      [](Board& b, std::vector<Claim>& claims) {
        return ApplyLeading(TechniqueId::Claiming, b, claims);
      },
      pipelineStride);
  add(
      "TwoBlockLockToSingle",
      [](Board& b, std::vector<Claim>& claims) {
        return ApplyLeading(TechniqueId::TwoBlocks, b, claims);
      },
      pipelineStride);
  for (int size = 2; size <= 4; ++size) {
    for (bool strictIn : {false, true}) {
      add(
          "NakedSubsetToSingleSize" + std::to_string(size) + (strictIn ? "Strict" : "Loose"),
          [size, strictIn](Board& b, std::vector<Claim>& claims) {
            return ApplyLeading(TechniqueId::NakedSubset, b, claims,
                                {Reach::ToSingle, size, strictIn ? Cells::Exact : Cells::Any, {}});
          },
          subsetStride);
    }
  }
  add(
      "XWingToSingle",
      [](Board& b, std::vector<Claim>& claims) {
        return ApplyLeading(TechniqueId::XWing, b, claims);
      },
      pipelineStride);
  add(
      "SwordfishToSingle",
      [](Board& b, std::vector<Claim>& claims) {
        return ApplyLeading(TechniqueId::Swordfish, b, claims);
      },
      pipelineStride);

  // Chains, placing, and in check-only mode naming their conclusion.
  for (int depth = 1; depth <= 4; ++depth) {
    for (bool hidden : {false, true}) {
      for (bool contradiction : {false, true}) {
        const std::string flags =
            std::string(hidden ? "HiddenSingles" : "") + (contradiction ? "Contradictions" : "");
        const int stride = depth <= 2 ? 1 : 2;
        const ChainPass pass{depth, hidden ? HiddenSingles::Yes : HiddenSingles::No,
                             contradiction ? Contradictions::Yes : Contradictions::No};
        add(
            "FindChainDepth" + std::to_string(depth) + flags,
            [=](Board& b, std::vector<Claim>&) { return ApplyChain(b, pass) ? 1 : 0; }, stride);
        add(
            "FindChainWithTextDepth" + std::to_string(depth) + flags,
            [=](Board& b, std::vector<Claim>& claims) {
              const std::optional<ChainStep> step = FindChain(b, pass);
              if (step) claims.push_back({step->cell.col, step->cell.row, step->digit});
              return step ? 1 : 0;
            },
            stride * 2);
        if (depth == 1 && !hidden) {
          cases[cases.size() - 1].mayFindNothing = true;
          cases[cases.size() - 2].mayFindNothing = true;
        }
      }
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Finders, Soundness, ::testing::ValuesIn(AllFinders()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace zentaro::techniques
