#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "TestData.h"
#include "core/Board.h"

namespace zentaro::solver::testing {

inline core::DigitGrid GridFromLine(const std::string& line) {
  core::DigitGrid grid{};
  for (std::size_t i = 0; i < 81 && i < line.size(); ++i)
    grid[i] = (line[i] >= '1' && line[i] <= '9') ? static_cast<std::uint8_t>(line[i] - '0') : 0;
  return grid;
}

// The non-comment lines of a file in tests/data, as they stand.
inline std::vector<std::string> ReadDataLines(std::string_view name) {
  return testdata::Lines(name);
}

// A complete grid obeying every row, column and block, agreeing with the givens.
inline bool IsSolutionOf(const core::DigitGrid& solution, const core::DigitGrid& givens) {
  for (int i = 0; i < 81; ++i) {
    if (solution[i] < 1 || solution[i] > 9) return false;
    if (givens[i] != 0 && givens[i] != solution[i]) return false;
  }
  for (int unit = 0; unit < 9; ++unit) {
    unsigned rowSeen = 0, colSeen = 0, blockSeen = 0;
    for (int k = 0; k < 9; ++k) {
      const int blockCell = 9 * (3 * (unit / 3) + k / 3) + 3 * (unit % 3) + k % 3;
      rowSeen |= 1u << solution[9 * unit + k];
      colSeen |= 1u << solution[9 * k + unit];
      blockSeen |= 1u << solution[blockCell];
    }
    if (rowSeen != 0x3FE || colSeen != 0x3FE || blockSeen != 0x3FE) return false;
  }
  return true;
}

}  // namespace zentaro::solver::testing
