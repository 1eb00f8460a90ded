#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Board.h"

namespace zentaro::cli {

// Inputs are read a line at a time and no line may be longer than this, so
// that a file without line ends (a device, a binary file) is refused at once
// instead of filling the memory.
inline constexpr std::size_t kMaxLineLength = 64 * 1024;

// The whole content of a FILE operand ("-" is standard input), or nothing
// after a message on err naming the file (and the line, for one too long).
// Meant for inputs that hold one puzzle or a few: at most kMaxHeadSize bytes
// are taken, and a longer input is refused.
std::optional<std::string> ReadInput(std::string_view operand, std::FILE* err);
inline constexpr std::size_t kMaxHeadSize = 64 * 1024 * 1024;

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

// Reads every operand in order and hands each of its puzzles to onPuzzle,
// streaming a file of lines in constant memory. False when an operand could
// not be read, held a line that is no puzzle, or held no puzzle at all
// ("Unknown file format"); the other puzzles are still handed on.
bool ForEachPuzzle(const std::vector<std::string_view>& operands, std::FILE* err,
                   const std::function<void(const core::DigitGrid&)>& onPuzzle);

// Parses one 81-character line: '1'..'9' a digit, '.' or '0' an empty cell.
// On failure returns nothing and says why in problem.
std::optional<core::DigitGrid> ParsePuzzleLine(std::string_view line, std::string& problem);

}  // namespace zentaro::cli
