#pragma once

// Puzzle files: writing the sectioned .sdk text and reading it back, together
// with the two plain grid shapes (nine lines of nine characters anywhere in a
// text file, or a first line of 81 characters). Everything here works on
// strings; the two path functions are thin wrappers that do the file I/O.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Board.h"

namespace zentaro::files {

inline constexpr std::string_view kWebAddress = "https://zentaro.example.org";

// A puzzle file is a few hundred bytes; a text of more than this is not one
// of ours, and only this much of a file on disk is read (a collection with a
// puzzle a line opens with its first one), so a stray multi-gigabyte file is
// never loaded into memory.
inline constexpr std::size_t kMaxPuzzleFileSize = 1024 * 1024;

// Pencil marks of the 81 cells, row-major like DigitGrid; bit d (1..9) set
// when digit d is marked.
using MarkGrid = std::array<std::uint16_t, 81>;

// ---------------------------------------------------------------------------
// Writing

// The complete .sdk text, CRLF after every line. "[Puzzle]" shows the board's
// digit of every cell with a non-zero clue; "[State]" follows when
// includeState is set and some non-clue cell holds a digit; "[PencilMarks]"
// follows when includeMarks is set and some empty cell carries a mark.
std::string FormatSdk(const core::Board& board, const core::DigitGrid& clues, bool includeState,
                      bool includeMarks);

// One "[PencilMarks]" line for row 1..9: nine comma-separated fields, each the
// marked digits of an empty cell in ascending order, empty for a filled cell.
std::string FormatMarksLine(const core::Board& board, int row);

// Writes the text as the whole new content of the file, keeping the file's
// identity: a symbolic link is followed and the file it names is replaced,
// the old permission bits (and owner, where allowed) carry over, and a file the
// user may not write is refused untouched. The text normally goes to a
// temporary file in the same folder that then replaces the target, so a
// failed write leaves the old file as it was; a file with several hard links,
// or in a folder that takes no new files, is rewritten in place instead.
// Returns false when anything failed.
[[nodiscard]] bool WriteTextFile(const std::filesystem::path& path, std::string_view text);

// FormatSdk + WriteTextFile.
[[nodiscard]] bool WritePuzzleFile(const std::filesystem::path& path, const core::Board& board,
                                   const core::DigitGrid& clues, bool includeState,
                                   bool includeMarks);

// ---------------------------------------------------------------------------
// Reading

// The numeric values are the string-table ids of the messages the program
// shows: "Error reading file" and "Unknown file format".
enum class ReadFailure { None = 0, ReadError = 2231, UnknownFormat = 2232 };

enum class FileShape { Sdk, NineLines, Line81 };

struct PuzzleRead {
  ReadFailure failure = ReadFailure::None;
  std::string fileName;              // as passed in, for the failure message
  FileShape shape = FileShape::Sdk;  // which shape was read; meaningless on failure

  // The digits of the "[Puzzle]" section or of the plain grid: the clues.
  core::DigitGrid clues{};

  // The file was read as .sdk and holds a "[PencilMarks]" line (whether or
  // not its content could be used).
  bool marksLinePresent = false;

  // Only from .sdk files, and only when the section is well-formed. state
  // holds every digit, clues included, and agrees with clues; marks is zero in
  // every cell that holds a digit (in state, or in clues when there is none).
  std::optional<core::DigitGrid> state;
  std::optional<MarkGrid> marks;

  bool ok() const { return failure == ReadFailure::None; }
};

// Reads a puzzle from the file's content. fileName decides the .sdk case by
// its extension and is not opened.
PuzzleRead ReadPuzzle(std::string_view fileName, std::string_view content);

// Loads the file's first kMaxPuzzleFileSize bytes, cut after their last
// whole line (with no line break in them the format is unknown), and reads
// them as above. A file that cannot be opened or read gives
// ReadFailure::ReadError.
PuzzleRead ReadPuzzle(const std::filesystem::path& path);

// The board the read describes: the state's digits (or the clues), and the
// restored marks as candidate flags with their counts in the empty cells.
core::Board RestoredBoard(const PuzzleRead& read);

// ---------------------------------------------------------------------------
// Helpers shared with the command-line tool

// Splits text into lines the way a text-file loader does: CRLF, LF and a lone
// CR each end a line, and a line end at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// True when the last path component ends in ".sdk" in any letter case.
bool HasSdkExtension(std::string_view fileName);

// '1'..'9' give their digit; anything else ('.', ' ', '0', letters) is empty.
inline constexpr std::uint8_t DigitOfChar(char ch) {
  return ch >= '1' && ch <= '9' ? static_cast<std::uint8_t>(ch - '0') : 0;
}

}  // namespace zentaro::files
