#include <bit>

#include "techniques/PatternGrid.h"
#include "techniques/Patterns.h"

namespace zentaro::techniques {

using namespace patterns;

namespace {

// The n-line sets as bit masks over lines 0..8, in lexicographic order of
// their sorted lines.
std::vector<unsigned> LineSets(int n) {
  std::vector<unsigned> sets;
  const auto add = [&](auto& self, int from, int left, unsigned mask) -> void {
    if (left == 0) {
      sets.push_back(mask);
      return;
    }
    for (int line = from; line <= 9 - left; ++line)
      self(self, line + 1, left - 1, mask | 1U << line);
  };
  add(add, 0, n, 0U);
  return sets;
}

std::vector<int> LinesOf(unsigned mask) {
  std::vector<int> lines;
  for (int k = 0; k < 9; ++k)
    if ((mask >> k) & 1U) lines.push_back(k + 1);
  return lines;
}

// Cell index of base line `line` and cross position `pos` (both 0..8).
int At(bool baseRows, int line, int pos) {
  return baseRows ? 9 * line + pos : 9 * pos + line;
}

enum class Fins { None, Finned, Sashimi };

std::optional<FishStep> SearchFish(const Grid& grid, int n, Fins wanted, FishKind kind) {
  const std::vector<unsigned> sets = LineSets(n);
  for (int d = 1; d <= 9; ++d) {
    for (bool baseRows : {true, false}) {
      std::array<unsigned, 9> mask{};
      for (int line = 0; line < 9; ++line)
        for (int pos = 0; pos < 9; ++pos)
          if (grid.Has(At(baseRows, line, pos), d)) mask[line] |= 1U << pos;

      for (unsigned base : sets) {
        unsigned all = 0;
        bool usable = true;
        for (int line = 0; line < 9 && usable; ++line) {
          if (((base >> line) & 1U) == 0) continue;
          usable = mask[line] != 0;
          all |= mask[line];
        }
        if (!usable) continue;
        // Fins lie in one block, which spans at most three cross lines.
        const int spread = std::popcount(all);
        if (wanted == Fins::None ? spread != n : spread <= n || spread > n + 3) continue;

        for (unsigned cover : sets) {
          if ((cover & ~all) != 0) continue;
          if (wanted == Fins::None && cover != all) continue;
          if (wanted != Fins::None && cover == all) continue;

          bool ok = true;
          bool lonely = false;  // a base line keeps one cell in the cover lines
          unsigned bodies = 0;
          int finBlock = -1;
          std::vector<int> fins;
          for (int line = 0; line < 9 && ok; ++line) {
            if (((base >> line) & 1U) == 0) continue;
            const unsigned body = mask[line] & cover;
            const int size = std::popcount(body);
            if (size == 0 || (wanted == Fins::None && std::popcount(mask[line]) < 2)) ok = false;
            lonely = lonely || size == 1;
            bodies |= body;
            for (int pos = 0; pos < 9 && ok; ++pos) {
              if (((mask[line] & ~cover) >> pos & 1U) == 0) continue;
              const int cell = At(baseRows, line, pos);
              if (finBlock >= 0 && BlockOfIndex(cell) != finBlock) ok = false;
              finBlock = BlockOfIndex(cell);
              fins.push_back(cell);
            }
          }
          if (!ok || bodies != cover) continue;
          if (wanted == Fins::Finned && lonely) continue;
          if (wanted == Fins::Sashimi && !lonely) continue;

          FishStep step;
          for (int line = 0; line < 9; ++line) {
            if ((base >> line) & 1U) continue;
            for (int pos = 0; pos < 9; ++pos) {
              if (((cover >> pos) & 1U) == 0) continue;
              const int cell = At(baseRows, line, pos);
              if (!grid.Has(cell, d)) continue;
              if (finBlock >= 0 && BlockOfIndex(cell) != finBlock) continue;
              step.eliminations.push_back({CellOf(cell), d});
            }
          }
          if (step.eliminations.empty()) continue;

          step.kind = kind;
          step.digit = d;
          step.baseLines = baseRows ? LineKind::Row : LineKind::Column;
          step.base = LinesOf(base);
          step.cover = LinesOf(cover);
          for (int i = 0; i < 81; ++i) {
            const int line = baseRows ? RowOf(i) : ColOf(i);
            const int pos = baseRows ? ColOf(i) : RowOf(i);
            if (grid.Has(i, d) && ((base >> line) & 1U) && ((cover >> pos) & 1U))
              step.body.push_back(CellOf(i));
          }
          // Reading order for the fins too.
          for (int i = 0; i < 81; ++i)
            for (int f : fins)
              if (f == i) step.fins.push_back(CellOf(i));
          step.finBlock = finBlock + 1;
          // Eliminations were collected line by line of the base kind; put
          // them in reading order.
          if (!baseRows) {
            std::vector<Elimination> sorted;
            for (int i = 0; i < 81; ++i)
              for (const Elimination& e : step.eliminations)
                if (IndexOf(e.cell) == i) sorted.push_back(e);
            step.eliminations = std::move(sorted);
          }
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<FishStep> FindJellyfish(const core::Board& board) {
  return SearchFish(Grid(board), 4, Fins::None, FishKind::Jellyfish);
}
std::optional<FishStep> FindFinnedXWing(const core::Board& board) {
  return SearchFish(Grid(board), 2, Fins::Finned, FishKind::FinnedXWing);
}
std::optional<FishStep> FindSashimiXWing(const core::Board& board) {
  return SearchFish(Grid(board), 2, Fins::Sashimi, FishKind::SashimiXWing);
}
std::optional<FishStep> FindFinnedSwordfish(const core::Board& board) {
  return SearchFish(Grid(board), 3, Fins::Finned, FishKind::FinnedSwordfish);
}
std::optional<FishStep> FindSashimiSwordfish(const core::Board& board) {
  return SearchFish(Grid(board), 3, Fins::Sashimi, FishKind::SashimiSwordfish);
}

void Apply(const FishStep& step, core::Board& board) {
  RemoveAll(step.eliminations, board);
}

}  // namespace zentaro::techniques
