#include "techniques/Fish.h"

#include <array>
#include <bit>
#include <type_traits>

namespace zentaro::techniques {

using core::Board;
using core::Cell;
using core::kDigit;

namespace {

// Both fish are searched once with rows and once with columns as base lines.
// Rather than transposing the board for the second search, cells are reached
// through the base line and the cross line, which visits them in exactly the
// order a search on the transposed board would.
template <typename B>
class LineView {
 public:
  LineView(B& board, LineKind baseLines) : board_(board), baseRows_(baseLines == LineKind::Row) {}

  auto& cell(int base, int cross) {
    return baseRows_ ? board_.at(cross, base) : board_.at(base, cross);
  }

  bool has(int base, int cross, int digit) {
    const Cell& c = cell(base, cross);
    return c[kDigit] == 0 && c.HasCandidate(digit);
  }

  void remove(int base, int cross, int digit) { cell(base, cross).RemoveCandidate(digit); }

 private:
  B& board_;
  bool baseRows_;
};

bool Skipped(FishTried skipSet, int digit) {
  return (skipSet >> digit) & 1U;
}

// Finding (a const board) stops at the first candidate the instance would
// remove; carrying out (a board to change) removes them all.
template <typename B>
std::optional<BasicFishStep> SearchXWing(B& board, const FishTried& skipSet, LineKind baseLines) {
  constexpr bool kRemove = !std::is_const_v<B>;
  LineView<B> view(board, baseLines);
  std::optional<BasicFishStep> step;
  for (int line1 = 1; line1 <= 9; ++line1) {
    for (int d = 1; d <= 9; ++d) {
      if (Skipped(skipSet, d)) continue;
      int pos[2] = {0, 0};
      int found = 0;
      for (int x = 1; x <= 9 && found <= 2; ++x) {
        if (!view.has(line1, x, d)) continue;
        if (found < 2) pos[found] = x;
        ++found;
      }
      if (found != 2) continue;

      for (int line2 = 1; line2 <= 9; ++line2) {
        if (line2 == line1) continue;
        if (!view.has(line2, pos[0], d) || !view.has(line2, pos[1], d)) continue;
        bool onlyTwo = true;
        for (int x = 1; x <= 9 && onlyTwo; ++x)
          if (x != pos[0] && x != pos[1] && view.has(line2, x, d)) onlyTwo = false;
        if (!onlyTwo) continue;

        for (int other = 1; other <= 9; ++other) {
          if (other == line1 || other == line2) continue;
          for (int x : pos) {
            if (!view.has(other, x, d)) continue;
            step = BasicFishStep{d, 2, baseLines, {line1, line2, 0}, {pos[0], pos[1], 0}};
            if constexpr (!kRemove) {
              return step;
            } else {
              view.remove(other, x, d);
            }
          }
        }
      }
      if (step) return step;
    }
  }
  return step;
}

struct SwordfishLine {
  int line;
  unsigned crossMask;  // bit x for cross line x
};

template <typename B>
std::optional<BasicFishStep> SearchSwordfish(B& board, const FishTried& skipSet,
                                             LineKind baseLines) {
  constexpr bool kRemove = !std::is_const_v<B>;
  LineView<B> view(board, baseLines);
  std::optional<BasicFishStep> step;
  for (int d = 1; d <= 9; ++d) {
    if (Skipped(skipSet, d)) continue;

    std::array<SwordfishLine, 9> lines{};
    int lineCount = 0;
    for (int line = 1; line <= 9; ++line) {
      unsigned mask = 0;
      int cells = 0;
      for (int x = 1; x <= 9; ++x) {
        if (view.has(line, x, d)) {
          mask |= 1U << x;
          ++cells;
        }
      }
      if (cells == 2 || cells == 3) lines[lineCount++] = {line, mask};
    }
    if (lineCount < 3) continue;

    for (int a = 0; a < lineCount; ++a) {
      for (int b = 0; b < lineCount; ++b) {
        if (b == a) continue;
        for (int c = 0; c < lineCount; ++c) {
          if (c == a || c == b) continue;
          const std::array<const SwordfishLine*, 3> triple{&lines[a], &lines[b], &lines[c]};

          const unsigned cover = triple[0]->crossMask | triple[1]->crossMask | triple[2]->crossMask;
          if (std::popcount(cover) != 3) continue;

          // Only a tight pattern is offered, every cover line shared by two
          // base lines; a looser set, such as an X-Wing with a third line
          // hanging on one of its cover lines, is passed over.
          std::array<int, 3> cross{};
          int crossCount = 0;
          for (int x = 1; x <= 9; ++x) {
            if (((cover >> x) & 1U) == 0) continue;
            int covered = 0;
            for (const SwordfishLine* l : triple)
              covered += static_cast<int>((l->crossMask >> x) & 1U);
            if (covered >= 2) cross[crossCount++] = x;
          }
          if (crossCount != 3) continue;

          for (int x : cross) {
            for (int line = 1; line <= 9; ++line) {
              if (line == triple[0]->line || line == triple[1]->line || line == triple[2]->line)
                continue;
              if (!view.has(line, x, d)) continue;
              step = BasicFishStep{
                  d, 3, baseLines, {triple[0]->line, triple[1]->line, triple[2]->line}, cross};
              if constexpr (kRemove) view.remove(line, x, d);
            }
          }
        }
      }
    }
    if (step) return step;
  }
  return step;
}

}  // namespace

std::optional<BasicFishStep> FindXWing(const Board& board, const FishTried& skipSet) {
  for (const LineKind o : {LineKind::Row, LineKind::Column})
    if (auto step = SearchXWing(board, skipSet, o)) return step;
  return std::nullopt;
}

std::optional<BasicFishStep> ApplyXWing(Board& board, const FishTried& skipSet) {
  for (const LineKind o : {LineKind::Row, LineKind::Column})
    if (auto step = SearchXWing(board, skipSet, o)) return step;
  return std::nullopt;
}

std::optional<BasicFishStep> FindSwordfish(const Board& board, const FishTried& skipSet) {
  for (const LineKind o : {LineKind::Column, LineKind::Row})
    if (auto step = SearchSwordfish(board, skipSet, o)) return step;
  return std::nullopt;
}

std::optional<BasicFishStep> ApplySwordfish(Board& board, const FishTried& skipSet) {
  for (const LineKind o : {LineKind::Column, LineKind::Row})
    if (auto step = SearchSwordfish(board, skipSet, o)) return step;
  return std::nullopt;
}

void MarkTried(FishTried& tried, const BasicFishStep& step) {
  tried = static_cast<FishTried>(tried | (1u << step.digit));
}

}  // namespace zentaro::techniques
