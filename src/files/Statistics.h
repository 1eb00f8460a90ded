#pragma once

// The record of solved puzzles: one line per puzzle, summed per level for
// the statistics window and for telling a new best time.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentaro::files {

struct SolvedRecord {
  std::string date;  // YYYY-MM-DD
  int level = 0;     // 1..5, 0 when the puzzle was not rated
  int seconds = 0;
  int generalHints = 0;
  int concreteHints = 0;
  int solutionViewed = 0;

  bool operator==(const SolvedRecord&) const = default;
  // No hint asked and the solution never shown.
  bool WithoutHelp() const {
    return generalHints == 0 && concreteHints == 0 && solutionViewed == 0;
  }
};

std::string FormatStatistics(const std::vector<SolvedRecord>& records);

// Nothing when any line is damaged: a file that cannot be trusted whole
// starts the record afresh rather than showing sums of half of it.
std::optional<std::vector<SolvedRecord>> ParseStatistics(std::string_view text);

struct LevelSummary {
  int solved = 0;
  int withoutHelp = 0;
  // Over the games whose solution was never shown; 0 while there is none.
  int bestSeconds = 0;
  int averageSeconds = 0;
  int timed = 0;  // how many games bestSeconds and averageSeconds are taken over
};

// Index 0 holds the unrated puzzles, 1..5 the levels.
using LevelSummaries = std::array<LevelSummary, 6>;
LevelSummaries SummariseByLevel(const std::vector<SolvedRecord>& records);

// True when the record beats every earlier time of its level; the first
// time of a level has nothing to beat, and a game whose solution was shown
// is never a best.
bool IsNewBest(const std::vector<SolvedRecord>& earlier, const SolvedRecord& record);

}  // namespace zentaro::files
