#include "files/KeptGame.h"

#include <gtest/gtest.h>

#include <string>

#include "files/SdkFile.h"

namespace zentaro::files {
namespace {

KeptGame SampleKeptGame() {
  core::Board board{};
  core::DigitGrid clues{};
  clues[0] = 5;
  board.at(1, 1)[core::kDigit] = 5;
  board.at(2, 1)[core::kDigit] = 3;  // an entry
  board.at(3, 1).AddCandidate(4);
  board.at(3, 1).AddCandidate(7);
  KeptGame kept;
  kept.fileName = "/home/me/Puzzles/top95.txt";
  kept.collectionEntry = 37;
  kept.elapsedSeconds = 4321;
  kept.level = 3;
  kept.generalHints = 2;
  kept.concreteHints = 1;
  kept.solutionViewed = 0;
  kept.candidatesCalculated = 1;
  kept.sdk = FormatSdk(board, clues, true, true);
  return kept;
}

TEST(KeptGame, ReadsBackWhatWasWritten) {
  KeptGame nameless = SampleKeptGame();
  nameless.fileName.clear();
  nameless.collectionEntry = 0;
  for (const KeptGame& kept : {SampleKeptGame(), nameless}) {
    const auto back = ParseKeptGame(FormatKeptGame(kept));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, kept);
  }
}

// Whatever a crash leaves of a write, only the whole record is a game.
TEST(KeptGame, NoCutCopyIsTakenForAGame) {
  const std::string text = FormatKeptGame(SampleKeptGame());
  for (std::size_t size = 0; size < text.size(); ++size)
    EXPECT_FALSE(ParseKeptGame(text.substr(0, size)).has_value()) << "cut after " << size;
}

TEST(KeptGame, DamagedRecordsAreRefused) {
  const std::string good = FormatKeptGame(SampleKeptGame());
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"other header", replaced("[Zentaro kept game 1]", "[Zentaro kept game 2]")},
      {"clock beyond 99:59:59", replaced("Seconds=4321", "Seconds=360000")},
      {"negative count", replaced("GeneralHints=2", "GeneralHints=-2")},
      {"level 6", replaced("Level=3", "Level=6")},
      {"not a number", replaced("ConcreteHints=1", "ConcreteHints=one")},
      {"field missing", replaced("SolutionViewed=0\r\n", "")},
      {"no puzzle", replaced("[Puzzle]", "[Puzzel]")},
      {"text after the end", good + "x\r\n"},
      {"empty", ""},
  };
  for (const auto& c : cases) EXPECT_FALSE(ParseKeptGame(c.text).has_value()) << c.name;
}

}  // namespace
}  // namespace zentaro::files
