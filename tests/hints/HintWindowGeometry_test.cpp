#include "hints/HintWindowGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentaro::hints {
namespace {

struct PlaceCase {
  const char* name;
  WindowRect board;
  int screenWidth;
  WindowRect expected;
};

class PlaceHintWindowTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceHintWindowTest, StandsRightOfTheBoardWithinTheScreen) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(PlaceHintWindow(c.board, c.screenWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceHintWindowTest,
    ::testing::Values(
        PlaceCase{"WideScreenGives400", {100, 150, 462, 462}, 1920, {564, 150, 400, 270}},
        PlaceCase{"Exactly900IsWide", {10, 40, 390, 390}, 900, {402, 40, 400, 270}},
        PlaceCase{"NarrowScreenGives300", {10, 40, 390, 390}, 899, {402, 40, 300, 270}},
        PlaceCase{"ClippedAtTheRightEdge", {100, 40, 588, 588}, 1000, {690, 40, 310, 270}},
        PlaceCase{"ClippedTo205StaysPut", {205, 40, 588, 588}, 1000, {795, 40, 205, 270}},
        PlaceCase{"BelowMinimumMovesLeft", {260, 40, 588, 588}, 1000, {795, 40, 205, 270}},
        PlaceCase{"Screen300Wide", {5, 10, 200, 200}, 300, {95, 10, 205, 270}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(KeepHintWindowOffBoardTest, MovesLeftOfTheBoardOnlyWhenTheRuleCoversItAndThereIsRoom) {
  struct Case {
    WindowRect board;
    int screenWidth;
    WindowRect expected;
  };
  for (const Case& c : std::vector<Case>{
           {{100, 150, 462, 462}, 1920, {564, 150, 400, 270}},  // beside the board: kept
           {{600, 40, 588, 588}, 1280, {198, 40, 400, 270}},    // over it: to the left
           {{300, 40, 588, 588}, 1000, {0, 40, 298, 270}},      // as wide as the room
           {{206, 40, 588, 588}, 1000, {795, 40, 205, 270}},    // no room: the rule's place
       }) {
    const WindowRect placed = PlaceHintWindow(c.board, c.screenWidth);
    EXPECT_EQ(KeepHintWindowOffBoard(placed, c.board, 0, c.screenWidth), c.expected)
        << c.board.left;
  }
}

// The box is 128 pixels shorter than the window; 13-pixel font, 15 per line.
constexpr int kChrome = 128;
constexpr int kFont = -13;
constexpr MainWindowFrame kMain{50, 80, 1000};

TEST(GrowHintWindowTest, ShortTextKeepsTheWindow) {
  const WindowRect start{500, 100, 400, 270};
  // 6 lines need (6 + 2) * 15 + 4 = 124 <= 142.
  const HintWindowFit fit = GrowHintWindow(start, kChrome, 6, kFont, kMain, 1050);
  EXPECT_EQ(fit.rect, start);
  EXPECT_FALSE(fit.scrollBars);
}

TEST(GrowHintWindowTest, GrowsByWholeLinesUntilTheTextFits) {
  // 10 lines need 184; the box has 142, 157, 172, then 187.
  const HintWindowFit fit = GrowHintWindow({500, 100, 400, 270}, kChrome, 10, kFont, kMain, 1050);
  EXPECT_EQ(fit.rect, (WindowRect{500, 100, 400, 315}));
  EXPECT_FALSE(fit.scrollBars);
}

TEST(GrowHintWindowTest, StopsAtTheFirstHeightAbove1200) {
  const MainWindowFrame tall{0, 20, 2000};
  const HintWindowFit fit = GrowHintWindow({500, 100, 400, 270}, kChrome, 200, kFont, tall, 2100);
  // 270 + 63 * 15 = 1215 is the first height above 1200.
  EXPECT_EQ(fit.rect.height, 1215);
  EXPECT_EQ(fit.rect.top, 100);
  EXPECT_FALSE(fit.scrollBars);
}

struct MoveCase {
  const char* name;
  int height;
  int expectedTop;
};

class GrowHintWindowMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(GrowHintWindowMoveTest, MovesUpUntilTheBottomIsInsideTheMainWindow) {
  const MoveCase& c = GetParam();
  // Two lines never make the window grow, so only the moving rule acts.
  const HintWindowFit fit = GrowHintWindow({500, 500, 400, c.height}, kChrome, 2, kFont,
                                           MainWindowFrame{50, 80, 700}, 1050);
  EXPECT_EQ(fit.rect.top, c.expectedTop);
  EXPECT_EQ(fit.rect.height, c.height);
  EXPECT_FALSE(fit.scrollBars);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, GrowHintWindowMoveTest,
    ::testing::Values(MoveCase{"FitsWhereItIs", 200, 500}, MoveCase{"ToTheClientTop", 315, 80},
                      MoveCase{"ToTheWindowTop", 640, 50}, MoveCase{"ToTheScreenTop", 680, 1}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(GrowHintWindowTest, TooTallForTheMainWindowBecomesDesktopHighAndScrolls) {
  const HintWindowFit fit = GrowHintWindow({500, 100, 400, 270}, kChrome, 200, kFont, kMain, 1050);
  EXPECT_EQ(fit.rect, (WindowRect{500, 1, 400, 1045}));
  EXPECT_TRUE(fit.scrollBars);
}

TEST(GrowToShowAllTextTest, GrowsOnOnlyWhenTheLaidOutTextIsTallerThanTheBox) {
  struct Case {
    const char* name;
    HintWindowFit grown;
    int textHeight;
    HintWindowFit expected;
  };
  // The main window's client area starts at 80, its bottom edge is at 1000.
  for (const Case& c : std::vector<Case>{
           {"TextFitsTheRulesWindow",
            {{500, 100, 400, 315}, false},
            187,
            {{500, 100, 400, 315}, false}},
           {"GrowsInPlace", {{500, 100, 400, 315}, false}, 400, {{500, 100, 400, 528}, false}},
           {"MovesUpToTheClientTop",
            {{500, 300, 400, 315}, false},
            790,
            {{500, 80, 400, 918}, false}},
           {"MovesUpToTheScreenTop",
            {{500, 300, 400, 315}, false},
            870,
            {{500, 1, 400, 998}, false}},
           {"NoRoomScrolls", {{500, 300, 400, 315}, false}, 1200, {{500, 300, 400, 700}, true}},
           {"TheRuleAlreadyScrolls",
            {{500, 1, 400, 1045}, true},
            3000,
            {{500, 1, 400, 1045}, true}},
       }) {
    const HintWindowFit fit = GrowToShowAllText(c.grown, kChrome, c.textHeight, kMain, 1050);
    EXPECT_EQ(fit.rect, c.expected.rect) << c.name;
    EXPECT_EQ(fit.scrollBars, c.expected.scrollBars) << c.name;
  }
}

TEST(WidenHintWindowTest, WidensToTheWantedWidthWithinTheScreen) {
  const WindowRect window{1500, 100, 300, 270};
  EXPECT_EQ(WidenHintWindow(window, 1920, 400, 0), (WindowRect{1500, 100, 400, 270}));
  EXPECT_EQ(WidenHintWindow({1700, 100, 205, 270}, 1920, 400, 0).width, 220);
  EXPECT_EQ(WidenHintWindow({1750, 100, 205, 270}, 1920, 400, 240).width, 240);
  EXPECT_EQ(WidenHintWindow({1600, 100, 205, 270}, 1920, 400, 240).width, 320);
  // Lines that must not wrap widen it further, as far as the screen's edge.
  EXPECT_EQ(WidenHintWindow(window, 1920, 400, 0, 380).width, 400);
  EXPECT_EQ(WidenHintWindow(window, 2400, 400, 0, 620).width, 620);
  EXPECT_EQ(WidenHintWindow(window, 1920, 400, 240, 620).width, 420);
}

}  // namespace
}  // namespace zentaro::hints
