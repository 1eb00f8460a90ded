#include "files/Statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::files {
namespace {

SolvedRecord Solved(int level, int seconds, int hints = 0, int concrete = 0, int viewed = 0) {
  return {"2026-12-10", level, seconds, hints, concrete, viewed};
}

TEST(Statistics, SumsPerLevel) {
  const std::vector<SolvedRecord> records = {
      Solved(1, 300), Solved(1, 200, 1),    Solved(1, 100, 0, 0, 1),  // shown: untimed
      Solved(3, 901), Solved(3, 600, 0, 2), Solved(0, 50),
  };
  const LevelSummaries sums = SummariseByLevel(records);
  const struct {
    int level, solved, withoutHelp, best, average;
  } expected[] = {
      {0, 1, 1, 50, 50}, {1, 3, 1, 200, 250}, {2, 0, 0, 0, 0}, {3, 2, 1, 600, 751}, {5, 0, 0, 0, 0},
  };
  for (const auto& e : expected) {
    const LevelSummary& s = sums[e.level];
    EXPECT_EQ(s.solved, e.solved) << "level " << e.level;
    EXPECT_EQ(s.withoutHelp, e.withoutHelp) << "level " << e.level;
    EXPECT_EQ(s.bestSeconds, e.best) << "level " << e.level;
    EXPECT_EQ(s.averageSeconds, e.average) << "level " << e.level;
  }
}

TEST(Statistics, NewBestOnlyWhenAnEarlierTimeIsBeaten) {
  const struct {
    SolvedRecord record;
    bool best;
  } games[] = {
      {Solved(2, 500), false},           // the first of its level
      {Solved(2, 400), true},            //
      {Solved(2, 400), false},           // equal is no better
      {Solved(3, 100), false},           // another level
      {Solved(2, 100, 0, 0, 1), false},  // the solution was shown
      {Solved(2, 399, 3), true},         // hints still count as a solve
  };
  std::vector<SolvedRecord> records;
  for (const auto& g : games) {
    EXPECT_EQ(IsNewBest(records, g.record), g.best) << records.size();
    records.push_back(g.record);
  }
}

TEST(Statistics, FileReadsBackAndADamagedOneIsRefused) {
  const std::vector<SolvedRecord> records = {Solved(1, 300, 2, 1, 0), Solved(5, 359999)};
  EXPECT_EQ(ParseStatistics(FormatStatistics(records)), records);
  EXPECT_EQ(ParseStatistics(""), std::vector<SolvedRecord>{});

  for (const char* damaged :
       {"2026-12-10 1 300 0 0\n", "2026-12-10 6 300 0 0 0\n", "2026-12-10 1 -3 0 0 0\n",
        "yesterday 1 300 0 0 0\n", "2026-12-10 1 300 0 0 0 7\n", "2026-12-10  1 300 0 0 0\n"})
    EXPECT_FALSE(ParseStatistics(std::string("2026-12-09 2 10 0 0 0\n") + damaged).has_value())
        << damaged;
}

}  // namespace
}  // namespace zentaro::files
