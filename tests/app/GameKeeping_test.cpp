// The game kept between runs, the statistics of solved puzzles and the
// collection files, through Game and the fake View.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "FakeView.h"
#include "TestData.h"
#include "app/Game.h"
#include "files/KeptGame.h"
#include "files/SdkFile.h"
#include "files/Statistics.h"

namespace zentaro::app::test {
namespace {

namespace fs = std::filesystem;
using core::ModalResult;

// Every empty cell but the last filled from the solution, then the last one
// typed, which solves the puzzle.
void SolveByHand(Game& game) {
  const core::DigitGrid solution = PuzzleOf(game).solution;
  int last = -1;
  for (int i = 0; i < 81; ++i)
    if (PuzzleOf(game).board.at(i % 9 + 1, i / 9 + 1)[core::kDigit] == 0) last = i;
  for (int i = 0; i < last; ++i)
    if (PuzzleOf(game).board.at(i % 9 + 1, i / 9 + 1)[core::kDigit] == 0)
      Place(game, i % 9 + 1, i / 9 + 1, solution[i]);
  PuzzleOf(game).selected = {last % 9 + 1, last / 9 + 1};
  game.PlaceDigit(solution[last]);
}

class Keeping : public ::testing::Test {
 protected:
  Keeping() {
    dir = fs::temp_directory_path() / ("zentaro-keeping-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    game.SetClueRater([](const core::DigitGrid&) { return 2; });
    game.SetToday([] { return std::string("2026-12-10"); });
  }
  ~Keeping() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  // Two entries, marks in two cells, a running clock and some help asked.
  void PlayAFewMoves() {
    StartWith(game, GridFromLine(kPuzzle));
    Place(game, 1, 1, PuzzleOf(game).solution[0]);
    Mark(game, 2, 1, {2, 6});
    Place(game, 9, 9, PuzzleOf(game).solution[80]);
    Mark(game, 2, 9, {4});
    CountersOf(game) = {1, 4, 754, 3, 2, 1, true};
  }

  bool KeptGameOnDisk() const { return view.dataFiles.count(DataFile::KeptGame) != 0; }

  fs::path dir;
  FakeView view;
  Game game{view};
};

TEST_F(Keeping, GameKeptAfterAStepComesBackWhole) {
  PlayAFewMoves();
  game.KeepGame();
  ASSERT_TRUE(KeptGameOnDisk());

  FakeView nextView;
  nextView.dataFiles = view.dataFiles;
  Game next(nextView);
  next.SetClueRater([](const core::DigitGrid&) -> int {
    ADD_FAILURE() << "rated again";
    return 0;
  });
  nextView.AnswerBox(ModalResult::Yes);
  next.StartUp("", true);

  ASSERT_EQ(nextView.boxes.size(), 1u);
  EXPECT_NE(nextView.boxes[0].text.find("00:12:34"), std::string::npos);
  EXPECT_EQ(PuzzleOf(next).board, PuzzleOf(game).board);  // digits and marks
  EXPECT_EQ(PuzzleOf(next).clues, PuzzleOf(game).clues);
  const PuzzleCounters& c = CountersOf(next);
  EXPECT_EQ(std::make_tuple(c.level, c.elapsedSeconds, c.generalHints, c.concreteHints,
                            c.solutionViewed, c.candidatesCalculated),
            std::make_tuple(4, 754, 3, 2, 1, 1));
  EXPECT_EQ(nextView.clockTexts.back(), "00:12:34");
  EXPECT_TRUE(nextView.clockRunning);
  EXPECT_TRUE(next.HasUnsavedChanges());
  // Step 0 is the bare puzzle.
  next.GoToFirstStep();
  EXPECT_EQ(PuzzleOf(next).board, BoardOfDigits(GridFromLine(kPuzzle)));
}

TEST_F(Keeping, OnlyAChangedCopyIsWritten) {
  PlayAFewMoves();
  game.KeepGame();
  game.KeepGame();
  EXPECT_EQ(view.dataWrites.size(), 1u);
  Mark(game, 3, 9, {1});
  game.KeepGame();
  EXPECT_EQ(view.dataWrites.size(), 2u);
}

TEST_F(Keeping, NothingIsOfferedForAGameThatNeedsNoKeeping) {
  const struct {
    const char* name;
    std::function<void(Game&, FakeView&, const fs::path&)> play;
  } cases[] = {
      {"solved", [](Game& g, FakeView&, const fs::path&) { SolveByHand(g); }},
      {"saved and unchanged",
       [](Game& g, FakeView& v, const fs::path& dir) {
         v.AnswerSave((dir / "saved.sdk").string());
         ASSERT_TRUE(g.SavePuzzle(false));
       }},
      {"opened and untouched",
       [](Game& g, FakeView&, const fs::path& dir) {
         const std::string path = (dir / "plain.txt").string();
         std::ofstream(path) << kPuzzle << "\n";
         ASSERT_TRUE(g.OpenPuzzleFile(path));
       }},
  };
  for (const auto& c : cases) {
    FakeView v;
    Game g(v);
    g.SetClueRater([](const core::DigitGrid&) { return 2; });
    g.SetToday([] { return std::string("2026-12-10"); });
    StartWith(g, GridFromLine(kPuzzle));
    Place(g, 1, 1, PuzzleOf(g).solution[0]);
    g.KeepGame();
    ASSERT_EQ(v.dataFiles.count(DataFile::KeptGame), 1u) << c.name;
    c.play(g, v, dir);
    g.KeepGame();
    EXPECT_EQ(v.dataFiles.count(DataFile::KeptGame), 0u) << c.name;
    EXPECT_EQ(g.KeptGameText(), "") << c.name;
  }
}

TEST_F(Keeping, DamagedCopyIsRemovedWithoutAWord) {
  PlayAFewMoves();
  const std::string good = game.KeptGameText();
  for (const std::string& damaged :
       {std::string("\x01\x02garbage"), good.substr(0, good.size() / 2), std::string()}) {
    FakeView v;
    v.dataFiles[DataFile::KeptGame] = damaged;
    Game g(v);
    g.StartUp("", false);
    EXPECT_TRUE(v.boxes.empty());
    EXPECT_EQ(v.dataFiles.count(DataFile::KeptGame), 0u);
    EXPECT_FALSE(PuzzleOf(g).active);
  }
}

TEST_F(Keeping, QuestionComesBeforeTheLevelDialogAndNoDiscardsTheCopy) {
  PlayAFewMoves();
  game.KeepGame();
  FakeView v;
  v.dataFiles = view.dataFiles;
  Game g(v);
  v.AnswerBox(ModalResult::No);
  g.StartUp("", true);
  EXPECT_EQ(v.modals, (std::vector<std::string>{"box", "levels"}));
  EXPECT_EQ(v.dataFiles.count(DataFile::KeptGame), 0u);
}

// The start-up question can come late (the window waits to be on screen);
// a game begun by then keeps the copy for itself.
TEST_F(Keeping, CopyIsNotOfferedOverAGameAlreadyBegun) {
  PlayAFewMoves();
  game.KeepGame();
  FakeView v;
  v.dataFiles = view.dataFiles;
  Game g(v);
  StartWith(g, GridFromLine(kPuzzle));
  EXPECT_FALSE(g.OfferKeptGame());
  EXPECT_TRUE(v.boxes.empty());
  EXPECT_EQ(v.dataFiles.count(DataFile::KeptGame), 1u);
}

TEST_F(Keeping, SolvesAreRecordedOnceAndANewBestIsSaidOnce) {
  const struct {
    int seconds;
    bool best;
  } games[] = {{500, false}, {400, true}, {450, false}};
  for (const auto& g : games) {
    StartWith(game, GridFromLine(kPuzzle));
    CountersOf(game).level = 3;
    CountersOf(game).elapsedSeconds = g.seconds;
    SolveByHand(game);
    ASSERT_FALSE(view.reports.empty());
    EXPECT_EQ(view.reports.back().newBest, g.best) << g.seconds;
    EXPECT_EQ(view.reports.back().time.find("new best") != std::string::npos, g.best);
    // Back and forward into the solved position again: no second record.
    game.Undo();
    game.Redo();
    EXPECT_FALSE(view.reports.back().newBest);
  }
  const auto records = files::ParseStatistics(view.dataFiles.at(DataFile::Statistics));
  ASSERT_TRUE(records.has_value());
  ASSERT_EQ(records->size(), 3u);
  EXPECT_EQ(records->back(), (files::SolvedRecord{"2026-12-10", 3, 450, 0, 0, 0}));

  game.ShowStatistics();
  ASSERT_EQ(view.statistics.size(), 5u);
  const StatisticsRow& medium = view.statistics[2];
  EXPECT_EQ(medium.level, "Medium (level 3)");
  EXPECT_EQ(
      medium.solved + " " + medium.bestTime + " " + medium.averageTime + " " + medium.withoutHelp,
      "3 00:06:40 00:07:30 3");
}

TEST_F(Keeping, OnlySolvesMadeInPlayAreRecorded) {
  // Reached again by redo after the solution was shown: recorded as viewed.
  StartWith(game, GridFromLine(kPuzzle));
  view.AnswerBox(ModalResult::Yes);
  view.AnswerBox(core::ModalResult::Ok);
  game.ViewSolution();
  game.Undo();
  game.Redo();
  ASSERT_EQ(view.solvedReports, 1);
  const auto records = files::ParseStatistics(view.dataFiles.at(DataFile::Statistics));
  ASSERT_EQ(records->size(), 1u);
  EXPECT_EQ(records->front().solutionViewed, 1);

  // A saved game that was already finished opens solved, but is no solve.
  const std::string path = (dir / "finished.sdk").string();
  std::ofstream(path, std::ios::binary) << files::FormatSdk(BoardOfDigits(PuzzleOf(game).solution),
                                                            GridFromLine(kPuzzle), true, true);
  ASSERT_TRUE(game.OpenPuzzleFile(path));
  EXPECT_EQ(view.solvedReports, 2);
  EXPECT_EQ(files::ParseStatistics(view.dataFiles.at(DataFile::Statistics))->size(), 1u);
}

TEST_F(Keeping, DamagedStatisticsStartEmpty) {
  view.dataFiles[DataFile::Statistics] = "2026-12-10 3 oops\n";
  game.ShowStatistics();
  EXPECT_EQ(view.statistics[2].solved, "0");
  StartWith(game, GridFromLine(kPuzzle));
  SolveByHand(game);
  EXPECT_EQ(files::ParseStatistics(view.dataFiles.at(DataFile::Statistics))->size(), 1u);
}

TEST_F(Keeping, CollectionListsItsPuzzlesAndNextOpensTheFollowingOne) {
  const std::string path = testdata::Path("norvig_top95.txt");
  const std::vector<std::string> lines = testdata::Lines("norvig_top95.txt");
  view.collectionAnswers.push_back(36);
  ASSERT_TRUE(game.OpenPuzzleFile(path));
  EXPECT_EQ(view.collectionLists, std::vector<std::size_t>{95});
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(lines[36]));
  EXPECT_EQ(view.captions.back(), "Zentaro - norvig_top95.txt #37/95");
  EXPECT_TRUE(view.commands[Command::NextInCollection]);
  EXPECT_FALSE(game.HasUnsavedChanges());

  game.NextInCollection();
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(lines[37]));
  EXPECT_EQ(game.Collection().current, 37u);
  EXPECT_EQ(game.Collection().levels[36], 2);  // rated when played

  // Kept and restored, the game is back in its collection.
  Place(game, 2, 1, 1);
  game.KeepGame();
  FakeView v;
  v.dataFiles = view.dataFiles;
  Game g(v);
  v.AnswerBox(ModalResult::Yes);
  g.StartUp("", false);
  EXPECT_EQ(g.Collection().current, 37u);
  EXPECT_TRUE(v.commands[Command::NextInCollection]);
}

TEST_F(Keeping, FileWithOnePuzzleLineOpensAtOnce) {
  std::ofstream(dir / "first.txt") << kPuzzle << "\n";
  ASSERT_TRUE(game.OpenPuzzleFile((dir / "first.txt").string()));
  EXPECT_TRUE(view.collectionLists.empty());
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(kPuzzle));
  EXPECT_FALSE(view.commands[Command::NextInCollection]);
}

}  // namespace
}  // namespace zentaro::app::test
