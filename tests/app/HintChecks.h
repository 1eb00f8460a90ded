#pragma once

// What the hint tests compare a step against: the marks the concrete stage
// showed as removed.

#include <vector>

#include "app/HintWalk.h"
#include "core/Board.h"
#include "hints/Highlights.h"

namespace zentaro::app::test {

// The marks shown as eliminated (emphasised and marked to remove) in the
// empty cells of `board` that carry them, in reading order.
inline std::vector<CellDigit> ShownEliminations(const hints::Highlights& layer,
                                                const core::Board& board) {
  std::vector<CellDigit> shown;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const hints::CellHighlight& h = layer.at(c, r);
      if (!h.hasMarkInfo || board.at(c, r)[core::kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d)
        if (h.markHi[d] != 0 && h.markElim[d] != 0 && board.at(c, r)[d] > 0)
          shown.push_back({c, r, d});
    }
  return shown;
}

}  // namespace zentaro::app::test
