// "Estimate difficulty" and "New puzzle...": the rating's messages, the level
// and clue draw, the generation behind the progress window, and cancelling.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeView.h"
#include "app/Game.h"
#include "app/NewPuzzle.h"
#include "solver/Dlx.h"

namespace zentaro::app::test {
namespace {

using core::kButtonsOk;
using core::ModalResult;
using core::MsgKind;

// A valid full grid; A1 A8 B1 B8 hold 9 5 5 9, so emptying them leaves two
// solutions.
constexpr std::string_view kFullGrid =
    "986473152571826493423951786658734921217689534349512867165297348834165279792348615";
// Needs two exact naked pairs besides singles (from the 17-clue collection).
constexpr std::string_view kTwoPairs =
    "................12..3.45.........3.6.7....4..52.7........1.8......2.....6.......4";

core::DigitGrid FullGridWithout(std::initializer_list<int> cells) {
  core::DigitGrid grid = GridFromLine(kFullGrid);
  for (const int cell : cells) grid[static_cast<std::size_t>(cell)] = 0;
  return grid;
}

// Answers the level dialog, records the busy-mode calls and presses Cancel
// (through the game, as the window's Cancel button does) at a chosen update
// of the progress window.
class GenerateView : public FakeView {
 public:
  std::optional<LevelChoice> levelAnswer;
  std::vector<LevelChoice> levelsAsked;
  std::vector<bool> cancelMenu;
  std::map<Command, bool> visible;
  Game* game = nullptr;
  int cancelAtUpdate = 0;  // 0: never
  int maxCursorDepth = 0;

  std::optional<LevelChoice> AskLevels(const LevelChoice& current) override {
    levelsAsked.push_back(current);
    return levelAnswer;
  }
  void SetCancelMenuShown(bool shown) override { cancelMenu.push_back(shown); }
  void SetCommandVisible(Command command, bool shown) override { visible[command] = shown; }
  void ShowWaitWindow(const WaitWindow& window) override {
    FakeView::ShowWaitWindow(window);
    if (static_cast<int>(waitWindows.size()) == cancelAtUpdate && game) game->RequestCancel();
  }
  void SetBusyCursor(bool busy) override {
    FakeView::SetBusyCursor(busy);
    maxCursorDepth = std::max(maxCursorDepth, busyCursorDepth);
  }
};

LevelChoice Only(std::initializer_list<int> levels) {
  LevelChoice choice;
  choice.anyLevel = false;
  choice.levels.fill(false);
  for (const int level : levels) choice.levels[static_cast<std::size_t>(level - 1)] = true;
  return choice;
}

int CountSolutions(const core::DigitGrid& grid) {
  solver::DlxSolver dlx;
  dlx.DLXInit(0, 2);
  dlx.DLXAddSudokuRows(grid);
  dlx.SetDLXCountOnly(true);
  return static_cast<int>(dlx.DLXSolve(2));
}

// --- Estimate difficulty ---------------------------------------------------------

struct RateCase {
  const char* name;
  core::DigitGrid grid;
  std::vector<std::string> texts;
  std::vector<MsgKind> kinds;
};

std::vector<RateCase> RateCases() {
  std::string twoDigits(81, '.');
  twoDigits[0] = twoDigits[5] = '9';
  return {
      {"EasyPuzzle",
       FullGridWithout({0, 13, 26, 28, 40, 52, 56, 68, 80}),
       {"The puzzle has exactly one solution.\r\rEstimated difficulty: Easy (level 1)."},
       {MsgKind::Information}},
      {"NakedPairsPuzzle",
       GridFromLine(kTwoPairs),
       {"The puzzle has exactly one solution.\r\rEstimated difficulty: Hard (level 4)."},
       {MsgKind::Information}},
      {"TwoSolutions",
       FullGridWithout({0, 7, 9, 16, 40}),
       {"This puzzle is not good. There are multiple solutions possible, which means that in "
        "some cells multiple digits are allowed!\rIt is not possible to evaluate the difficulty "
        "level of such puzzles."},
       {MsgKind::Information}},
      {"FullGrid",
       GridFromLine(kFullGrid),
       {"   The puzzle is solved.   "},
       {MsgKind::Information}},
      {"NoSolution",
       GridFromLine(twoDigits),
       {"  The puzzle has no solution!  "},
       {MsgKind::Error}},
  };
}

class Rate1 : public ::testing::TestWithParam<RateCase> {};

TEST_P(Rate1, ShowsTheVerdictUnderTheHourglass) {
  const RateCase& c = GetParam();
  GenerateView view;
  Game game(view);
  PuzzleOf(game).board = BoardOfDigits(c.grid);
  for (std::size_t i = 0; i < c.texts.size(); ++i) view.AnswerBox(ModalResult::Ok);

  game.Rate();

  ASSERT_EQ(view.boxes.size(), c.texts.size());
  for (std::size_t i = 0; i < c.texts.size(); ++i) {
    EXPECT_EQ(view.boxes[i].text, c.texts[i]);
    EXPECT_EQ(view.boxes[i].kind, c.kinds[i]);
    EXPECT_EQ(view.boxes[i].buttons, kButtonsOk);
  }
  EXPECT_EQ(view.maxCursorDepth, 1);
  EXPECT_EQ(view.busyCursorDepth, 0) << "the cursor comes back on every path";
  EXPECT_EQ(PuzzleOf(game).digits, c.grid);
}

INSTANTIATE_TEST_SUITE_P(Positions, Rate1, ::testing::ValuesIn(RateCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rate1, TheButtonActsOnlyWhileTheCommandIsEnabled) {
  GenerateView view;
  Game game(view);
  PuzzleOf(game).board = BoardOfDigits(GridFromLine(kFullGrid));
  game.SetEnabled(Command::Rate, false);
  game.RateButtonClick();
  EXPECT_TRUE(view.boxes.empty());
  game.SetEnabled(Command::Rate, true);
  view.AnswerBox(ModalResult::Ok);
  game.RateButtonClick();
  EXPECT_EQ(view.boxes.size(), 1u);
}

TEST(Rate1, RatingAFileGivesItsLevelOrZero) {
  GenerateView view;
  Game game(view);
  EXPECT_EQ(game.RateFileClues(GridFromLine(kTwoPairs)), 4);
  EXPECT_EQ(game.RateFileClues(FullGridWithout({0, 7, 9, 16, 40})), 0);
  EXPECT_TRUE(view.boxes.empty()) << "a file is rated silently";
}

// --- the level and clue draw -------------------------------------------------------

TEST(DrawGenerationAim, AimsOnlyAtChosenLevels) {
  core::Random random(4);
  std::set<int> aimed;
  for (int i = 0; i < 200; ++i) {
    const GenerationAim aim = DrawGenerationAim(Only({2, 4}), random);
    aimed.insert(aim.aimedLevel);
    EXPECT_EQ(aim.targetClues, 27);
    EXPECT_EQ(aim.wanted, (solver::WantedLevels{false, false, true, false, true, false}));
  }
  EXPECT_EQ(aimed, (std::set<int>{2, 4}));
}

TEST(DrawGenerationAim, AnAimAtLevelOneWantsItAloneWithMoreClues) {
  core::Random random(5);
  std::set<int> aimed, targets;
  for (int i = 0; i < 300; ++i) {
    const GenerationAim aim = DrawGenerationAim(LevelChoice{}, random);
    aimed.insert(aim.aimedLevel);
    if (aim.aimedLevel == 1) {
      targets.insert(aim.targetClues);
      EXPECT_EQ(aim.wanted, (solver::WantedLevels{false, true, false, false, false, false}));
    } else {
      EXPECT_EQ(aim.targetClues, 27);
      EXPECT_EQ(aim.wanted, (solver::WantedLevels{false, true, true, true, true, true}));
    }
  }
  EXPECT_EQ(aimed, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(targets, (std::set<int>{30, 31, 32}));
}

TEST(DrawGenerationAim, NoLevelCheckedCountsAsAnyLevel) {
  core::Random random(6);
  const LevelChoice none = Only({});
  EXPECT_FALSE(LevelChoiceAcceptable(none));
  EXPECT_TRUE(LevelChoiceAcceptable(Only({5})));
  EXPECT_TRUE(LevelChoiceAcceptable(LevelChoice{}));
  const GenerationAim aim = DrawGenerationAim(none, random);
  EXPECT_GE(aim.aimedLevel, 1);
  EXPECT_LE(aim.aimedLevel, 5);
}

TEST(BusyTags, GiveBackWhatWasSaved) {
  for (const bool shown : {false, true}) {
    for (const bool enabled : {false, true}) {
      const int tag = BusyMenuTag(shown, enabled);
      EXPECT_EQ(BusyMenuVisible(tag), shown);
      EXPECT_EQ(BusyMenuEnabled(tag), enabled);
    }
    EXPECT_EQ(BusyButtonEnabled(BusyButtonTag(shown)), shown);
  }
  EXPECT_EQ(DigitButtonTag("7"), 7);
  EXPECT_EQ(DigitButtonTag("3 (candidate)"), 3);
  EXPECT_EQ(DigitButtonTag(""), 0);
}

// --- New puzzle... -----------------------------------------------------------------

TEST(NewPuzzle, ClosingTheLevelDialogChangesNothing) {
  GenerateView view;
  Game game(view);
  StartWith(game, GridFromLine(kPuzzle));
  const core::Board board = PuzzleOf(game).board;
  const LevelChoice before = Only({3});
  PrefsOf(game).levels = before;

  game.NewPuzzle();

  ASSERT_EQ(view.levelsAsked.size(), 1u);
  EXPECT_EQ(view.levelsAsked[0], before);
  EXPECT_EQ(PrefsOf(game).levels, before);
  EXPECT_EQ(PuzzleOf(game).board, board);
  EXPECT_TRUE(view.waitWindows.empty());
  EXPECT_TRUE(view.clockRunning);
}

TEST(NewPuzzle, StartsAPuzzleOfTheChosenLevel) {
  GenerateView view;
  Game game(view);
  game.Rng().Seed(17);
  view.levelAnswer = Only({3});
  game.SetEnabled(Command::SaveButton, false);

  game.NewPuzzle();

  EXPECT_EQ(PrefsOf(game).levels, Only({3}));
  EXPECT_EQ(CountersOf(game).level, 3);
  EXPECT_EQ(CountSolutions(PuzzleOf(game).clues), 1);
  EXPECT_LE(core::CountFilled(PuzzleOf(game).clues), 27);
  EXPECT_EQ(core::ExtractDigits(PuzzleOf(game).board), PuzzleOf(game).clues);
  EXPECT_EQ(PuzzleOf(game).digits, PuzzleOf(game).clues);
  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_TRUE(PuzzleOf(game).solutionUnique);
  EXPECT_TRUE(IsCompletionOf(PuzzleOf(game).solution, PuzzleOf(game).clues));
  EXPECT_FALSE(FileOf(game).stored);
  EXPECT_TRUE(FileOf(game).name.empty());
  EXPECT_EQ(view.captions.back(), "Zentaro - New puzzle");
  EXPECT_TRUE(view.clockRunning);

  // The progress window and the locked window.
  ASSERT_FALSE(view.waitWindows.empty());
  EXPECT_EQ(view.waitWindows[0].caption, "New puzzle");
  EXPECT_EQ(view.waitWindows[0].line1, "Generating a new puzzle.");
  EXPECT_EQ(view.waitWindows[0].line2, "This can take a while...");
  EXPECT_TRUE(view.waitWindows[0].cancelVisible);
  EXPECT_FALSE(view.waitWindowOpen);
  EXPECT_EQ(view.cancelMenu, (std::vector<bool>{true, false}));
  EXPECT_FALSE(PuzzleOf(game).generating);
  EXPECT_TRUE(game.IsVisible(Command::FileMenu));
  EXPECT_TRUE(game.IsEnabled(Command::FileMenu));
  EXPECT_TRUE(view.visible[Command::FileMenu]);
  EXPECT_TRUE(game.IsEnabled(Command::Rate)) << "the new puzzle can be rated";
}

TEST(NewPuzzle, LevelOnePuzzlesKeepMoreClues) {
  GenerateView view;
  Game game(view);
  game.Rng().Seed(23);
  view.levelAnswer = Only({1});
  game.NewPuzzle();
  EXPECT_EQ(CountersOf(game).level, 1);
  EXPECT_LE(core::CountFilled(PuzzleOf(game).clues), 32);
  EXPECT_EQ(CountSolutions(PuzzleOf(game).clues), 1);
}

TEST(NewPuzzle, CancelPutsThePuzzleInPlayBack) {
  for (const int cancelAt : {1, 2, 5}) {
    GenerateView view;
    Game game(view);
    game.Rng().Seed(29);
    StartWith(game, GridFromLine(kPuzzle));
    // An entry of the user's that differs from the solution.
    PuzzleOf(game).board.at(1, 1)[core::kDigit] = PuzzleOf(game).solution[0] == 9 ? 8 : 9;
    core::ExtractDigits(PuzzleOf(game).board, PuzzleOf(game).digits);
    const core::Board board = PuzzleOf(game).board;
    const core::DigitGrid clues = PuzzleOf(game).clues, solution = PuzzleOf(game).solution;
    game.SetEnabled(Command::Print, false);
    game.SetVisible(Command::EditMenu, false);

    view.levelAnswer = Only({5});
    view.game = &game;
    view.cancelAtUpdate = cancelAt;
    view.AnswerBox(ModalResult::No);  // do not save the changes first
    game.NewPuzzle();

    EXPECT_EQ(PuzzleOf(game).board, board) << "cancelled at update " << cancelAt;
    EXPECT_EQ(PuzzleOf(game).clues, clues);
    EXPECT_EQ(PuzzleOf(game).solution, solution);
    EXPECT_TRUE(PuzzleOf(game).solutionUnique);
    EXPECT_EQ(PuzzleOf(game).digits, core::ExtractDigits(board));
    EXPECT_FALSE(FileOf(game).stored);
    EXPECT_TRUE(view.clockRunning) << "the clock goes on";
    EXPECT_FALSE(PuzzleOf(game).generating);
    EXPECT_FALSE(view.waitWindowOpen);
    EXPECT_TRUE(game.IsEnabled(Command::FileMenu));
    EXPECT_FALSE(game.IsVisible(Command::EditMenu)) << "hidden before, hidden after";
    EXPECT_FALSE(game.IsEnabled(Command::Print));
    EXPECT_EQ(game.History().Count(), 1);
  }
}

TEST(NewPuzzle, StaysInEditModeWhenTheUserSaysSo) {
  GenerateView view;
  Game game(view);
  PuzzleOf(game).editMode = true;
  view.AnswerBox(ModalResult::No);
  game.NewPuzzle();
  EXPECT_TRUE(PuzzleOf(game).editMode);
  EXPECT_TRUE(view.levelsAsked.empty());
}

}  // namespace
}  // namespace zentaro::app::test
