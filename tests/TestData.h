#pragma once

// The puzzle collections the tests read live in tests/data. A missing or
// unreadable file throws, so the test that wanted it stops at once with the
// file's name instead of running on an empty grid.

#include <cstddef>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zentaro::testdata {

inline std::string Path(std::string_view name) {
  return std::string(ZENTARO_TEST_DATA_DIR) + "/" + std::string(name);
}

// The first `limit` lines that are neither empty nor '#' comments, as they stand.
inline std::vector<std::string> Lines(std::string_view name,
                                      std::size_t limit = std::numeric_limits<std::size_t>::max()) {
  const std::string path = Path(name);
  std::ifstream in(path);
  if (!in) throw std::runtime_error("test data file missing or unreadable: " + path);
  std::vector<std::string> lines;
  for (std::string line; lines.size() < limit && std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  if (lines.empty()) throw std::runtime_error("test data file holds no lines: " + path);
  return lines;
}

// The same, only the lines that start with an 81-character puzzle, cut to it.
inline std::vector<std::string> Puzzles(
    std::string_view name, std::size_t limit = std::numeric_limits<std::size_t>::max()) {
  std::vector<std::string> puzzles;
  for (std::string& line : Lines(name)) {
    if (puzzles.size() == limit) break;
    if (line.size() >= 81) puzzles.push_back(line.substr(0, 81));
  }
  return puzzles;
}

}  // namespace zentaro::testdata
