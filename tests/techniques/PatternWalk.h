#pragma once

// What the pattern walks do between the pattern steps: singles, then
// pointing and claiming, until none is left. Written here so that the walks
// do not lean on the finders of the classic ladder.

#include <bit>
#include <vector>

#include "core/Board.h"

namespace zentaro::techniques::test {

// The 27 units as cell lists: rows, columns, blocks.
inline std::vector<std::vector<core::CellRef>> AllUnits() {
  std::vector<std::vector<core::CellRef>> units(27);
  for (int k = 1; k <= 9; ++k) {
    for (int j = 1; j <= 9; ++j) {
      units[k - 1].push_back({j, k});
      units[8 + k].push_back({k, j});
    }
    const core::BlockBounds b = core::BoundsOfBlock(k - 1);
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      for (int c = b.firstCol; c <= b.lastCol; ++c) units[17 + k].push_back({c, r});
  }
  return units;
}

inline bool Has(const core::Board& board, core::CellRef cell, int d) {
  return board.at(cell).Digit() == 0 && board.at(cell).HasCandidate(d);
}

// Singles, then pointing and claiming, until none is left; written here so
// the walk does not lean on the finders of the classic ladder.
inline void Basics(core::Board& board) {
  static const std::vector<std::vector<core::CellRef>> units = AllUnits();
  for (bool changed = true; changed;) {
    changed = false;
    for (int c = 1; c <= 9; ++c) {
      for (int r = 1; r <= 9; ++r) {
        const core::Cell& cell = board.at(c, r);
        if (cell.Digit() == 0 && cell.CandidateCount() == 1) {
          core::FillCell(board, {c, r}, std::countr_zero(cell.Candidates()));
          changed = true;
        }
      }
    }
    for (const auto& unit : units) {
      for (int d = 1; d <= 9; ++d) {
        std::vector<core::CellRef> places;
        for (core::CellRef cell : unit)
          if (Has(board, cell, d)) places.push_back(cell);
        if (places.size() == 1) {
          core::FillCell(board, places[0], d);
          changed = true;
          continue;
        }
        // Two or three places all in one other unit: the digit leaves the rest of it.
        if (places.empty() || places.size() > 3) continue;
        for (const auto& other : units) {
          if (&other == &unit) continue;
          bool inside = true;
          for (core::CellRef p : places) {
            bool found = false;
            for (core::CellRef o : other) found = found || o == p;
            inside = inside && found;
          }
          if (!inside) continue;
          for (core::CellRef o : other) {
            bool inUnit = false;
            for (core::CellRef u : unit) inUnit = inUnit || u == o;
            if (!inUnit && Has(board, o, d)) {
              board.at(o).RemoveCandidate(d);
              changed = true;
            }
          }
        }
      }
    }
  }
}

}  // namespace zentaro::techniques::test
