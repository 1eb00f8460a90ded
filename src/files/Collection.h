#pragma once

// Collections: text files with one puzzle a line, 81 cells each ('.' or
// '0' for an empty cell), '#' lines being comments, as the common puzzle
// collections are published. Anything after the 81 cells (a rating, a
// source) is left alone.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Board.h"

namespace zentaro::files {

// A collection of a hundred thousand puzzles is some eight megabytes; only
// this much of a file is read.
inline constexpr std::size_t kMaxCollectionFileSize = 64 * 1024 * 1024;

struct CollectionEntry {
  std::size_t line = 0;  // 1-based line of the file
  std::string cells;     // the 81 cells as written
  int clueCount = 0;
};

// The puzzle lines in the order of the file.
std::vector<CollectionEntry> ListCollection(std::string_view content);

// The entry's clues.
core::DigitGrid CollectionClues(const CollectionEntry& entry);

// The file's first kMaxCollectionFileSize bytes listed; nothing when it
// cannot be read.
std::optional<std::vector<CollectionEntry>> ReadCollection(const std::filesystem::path& path);

}  // namespace zentaro::files
