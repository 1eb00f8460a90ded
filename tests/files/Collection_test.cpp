#include "files/Collection.h"

#include <gtest/gtest.h>

#include <string>

#include "TestData.h"

namespace zentaro::files {
namespace {

const std::string kLine =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

TEST(Collection, ListsEveryPuzzleLineOfAPublishedCollection) {
  const auto entries = ReadCollection(testdata::Path("norvig_top95.txt"));
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 95u);
  EXPECT_EQ((*entries)[0].cells, kLine);
  EXPECT_EQ((*entries)[0].clueCount, 17);
  EXPECT_EQ((*entries)[36].line, 37u);
}

std::string StartingWith(char first) {
  std::string line = kLine;
  line[0] = first;
  return line;
}

TEST(Collection, TakesOnlyLinesOfEightyOneCells) {
  const struct {
    const char* name;
    std::string line;
    bool listed;
  } cases[] = {
      {"dots", kLine, true},
      {"zeros", std::string(81, '0'), true},
      {"rating after a blank", kLine + " 9.2 ER", true},
      {"comment", StartingWith('#'), false},
      {"too short", kLine.substr(0, 80), false},
      {"too long", kLine + "1", false},
      {"letter", StartingWith('x'), false},
      {"empty", "", false},
  };
  for (const auto& c : cases) {
    const auto entries = ListCollection("# header\r\n" + c.line + "\r\n");
    ASSERT_EQ(entries.size(), c.listed ? 1u : 0u) << c.name;
    if (c.listed) {
      EXPECT_EQ(entries[0].line, 2u) << c.name;
    }
  }
  // Line ends of any kind, and no end on the last line.
  EXPECT_EQ(ListCollection(kLine + "\n" + kLine + "\r" + kLine).size(), 3u);
}

}  // namespace
}  // namespace zentaro::files
