#pragma once

// The game in progress as the program keeps it between runs: the .sdk text
// the save command would write, and what the .sdk format has no room for
// (the clock, the solved report's counters, the file it came from). The
// record ends in a line of its own, so a copy cut short is never taken for
// a game.

#include <optional>
#include <string>
#include <string_view>

namespace zentaro::files {

struct KeptGame {
  std::string fileName;     // where the puzzle was read from or saved to; may be empty
  int collectionEntry = 0;  // 1-based entry of a collection file; 0 when none
  int elapsedSeconds = 0;
  int level = 0;  // 0..5
  int generalHints = 0;
  int concreteHints = 0;
  int solutionViewed = 0;
  int candidatesCalculated = 0;
  std::string sdk;  // CRLF line ends, as FormatSdk writes it

  bool operator==(const KeptGame&) const = default;
};

std::string FormatKeptGame(const KeptGame& game);

// Nothing when the text is not a whole record with values in range and an
// .sdk part that reads as a puzzle.
std::optional<KeptGame> ParseKeptGame(std::string_view text);

}  // namespace zentaro::files
