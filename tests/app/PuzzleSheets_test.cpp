// Puzzles made to be printed several to a page: what the generation hands
// over, and where each board goes on a page.

#include "app/PuzzleSheets.h"

#include <gtest/gtest.h>

#include <string>

#include "rating/Rating.h"
#include "solver/SolveAndCount.h"

namespace zentaro::app::test {
namespace {

LevelChoice Only(std::initializer_list<int> levels) {
  LevelChoice choice;
  choice.anyLevel = false;
  choice.levels.fill(false);
  for (int l : levels) choice.levels[static_cast<std::size_t>(l - 1)] = true;
  return choice;
}

class CountingProgress : public SheetProgress {
 public:
  int begun = 0, ended = 0, reported = 0;
  int cancelAfter = -1;  // puzzles made before the user cancels; -1 never
  void Begin() override { ++begun; }
  void End() override { ++ended; }
  void PuzzleMade(int made, int count) override {
    reported = made;
    EXPECT_LE(made, count);
  }
  bool CancelRequested() override { return cancelAfter >= 0 && reported >= cancelAfter; }
};

// Every puzzle of the batch has exactly one solution, the one handed over,
// and rates (again, from scratch) at the level recorded, which the choice
// allows.
TEST(PuzzleSheets, EveryPuzzleHasOneSolutionAndALevelAsked) {
  struct Case {
    const char* name;
    LevelChoice choice;
    std::uint32_t seed;
  };
  const Case cases[] = {{"easy and mild", Only({1, 2}), 7},
                        {"hard only", Only({3}), 11},
                        {"random level", LevelChoice{}, 2024}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::Random random(c.seed);
    CountingProgress progress;
    const auto puzzles = GenerateSheetPuzzles(c.choice, 12, random, progress);
    ASSERT_TRUE(puzzles.has_value());
    ASSERT_EQ(puzzles->size(), 12u);
    EXPECT_EQ(progress.begun, 1);
    EXPECT_EQ(progress.ended, 1);
    EXPECT_EQ(progress.reported, 12);
    for (const SheetPuzzle& p : *puzzles) {
      core::DigitGrid solution{};
      bool unique = false;
      EXPECT_EQ(solver::SolveAndCount(p.clues, solution, unique), 1);
      EXPECT_EQ(solution, p.solution);
      core::Random rater;
      EXPECT_EQ(rating::RatePuzzle(p.clues, {.forGenerator = true}, rater).level, p.level);
      ASSERT_TRUE(p.level >= 1 && p.level <= 5);
      EXPECT_TRUE(c.choice.anyLevel || c.choice.levels[static_cast<std::size_t>(p.level - 1)]);
    }
  }
}

TEST(PuzzleSheets, SameSeedSamePuzzlesAndCancelGivesNone) {
  CountingProgress quiet;
  core::Random a(5), b(5);
  const auto first = GenerateSheetPuzzles(Only({1}), 3, a, quiet);
  const auto second = GenerateSheetPuzzles(Only({1}), 3, b, quiet);
  ASSERT_TRUE(first && second);
  for (int i = 0; i < 3; ++i) EXPECT_EQ((*first)[i].clues, (*second)[i].clues);

  CountingProgress cancelling;
  cancelling.cancelAfter = 1;
  core::Random random(5);
  EXPECT_FALSE(GenerateSheetPuzzles(Only({1}), 3, random, cancelling).has_value());
  EXPECT_EQ(cancelling.begun, 1);
  EXPECT_EQ(cancelling.ended, 1);
}

// On an A4 page at 600 dpi: as many places as asked, inside the page,
// apart from each other, each board a whole multiple of 464 units.
TEST(PuzzleSheets, PlacesFillThePageWithoutOverlap) {
  struct Case {
    int perPage, columns, rows, pagesFor12;
  };
  const Case cases[] = {{1, 1, 1, 12}, {2, 1, 2, 6}, {4, 2, 2, 3}, {6, 2, 3, 2}};
  const double width = 4340, height = 6100, margin = 150, caption = 160;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.perPage);
    EXPECT_TRUE(SheetPerPageAllowed(c.perPage));
    EXPECT_EQ(SheetGridFor(c.perPage).columns, c.columns);
    EXPECT_EQ(SheetGridFor(c.perPage).rows, c.rows);
    EXPECT_EQ(SheetPages(12, c.perPage), c.pagesFor12);
    const auto places = SheetPlaces(width, height, c.perPage, margin, caption, 464);
    ASSERT_EQ(places.size(), static_cast<std::size_t>(c.perPage));
    for (std::size_t i = 0; i < places.size(); ++i) {
      const SheetPlace& p = places[i];
      EXPECT_GE(p.side, 464);
      EXPECT_EQ(static_cast<int>(p.side) % 464, 0);
      EXPECT_GE(p.left, 0);
      EXPECT_GE(p.top, 0);
      EXPECT_LE(p.left + p.side, width);
      EXPECT_LE(p.captionTop + caption, height);
      for (std::size_t j = 0; j < i; ++j) {
        const SheetPlace& q = places[j];
        const bool apart = q.left + q.side <= p.left || p.left + p.side <= q.left ||
                           q.captionTop + caption <= p.top || p.captionTop + caption <= q.top;
        EXPECT_TRUE(apart) << i << " meets " << j;
      }
    }
  }
  for (int bad : {0, 3, 5, 7}) EXPECT_FALSE(SheetPerPageAllowed(bad));
  EXPECT_EQ(SheetPages(13, 4), 4);
  EXPECT_EQ(SheetPages(0, 4), 0);
}

}  // namespace
}  // namespace zentaro::app::test
