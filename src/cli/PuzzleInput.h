#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Board.h"

namespace zentaro::cli {

// The whole content of a FILE operand ("-" is standard input), or nothing
// after a message on err naming the file.
std::optional<std::string> ReadInput(std::string_view operand, std::FILE* err);

// How an operand is named in messages.
std::string DisplayName(std::string_view operand);

// The puzzles of one input, in order. A file the puzzle reader takes as .sdk
// or as a nine-line grid is one puzzle (its clues); anything else is a file of
// 81-character lines. Every line that is not a puzzle is reported on err as
// "NAME:LINE: ..." and skipped; the result then has clean == false.
struct PuzzleList {
  std::vector<core::DigitGrid> puzzles;
  bool clean = true;
};
PuzzleList CollectPuzzles(std::string_view operand, std::string_view content, std::FILE* err);

// Reads every operand in order and hands each of its puzzles to onPuzzle.
// False when an operand could not be read or held a line that is no puzzle;
// the other puzzles are still handed on.
template <typename OnPuzzle>
bool ForEachPuzzle(const std::vector<std::string_view>& operands, std::FILE* err,
                   OnPuzzle onPuzzle) {
  bool clean = true;
  for (const std::string_view operand : operands) {
    const std::optional<std::string> content = ReadInput(operand, err);
    if (!content) {
      clean = false;
      continue;
    }
    const PuzzleList list = CollectPuzzles(operand, *content, err);
    if (!list.clean) clean = false;
    for (const core::DigitGrid& puzzle : list.puzzles) onPuzzle(puzzle);
  }
  return clean;
}

// Parses one 81-character line: '1'..'9' a digit, '.' or '0' an empty cell.
// On failure returns nothing and says why in problem.
std::optional<core::DigitGrid> ParsePuzzleLine(std::string_view line, std::string& problem);

}  // namespace zentaro::cli
