// Reading and writing the settings, the grid size by screen and the window
// placement.

#include "app/Settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zentaro::app::test {
namespace {

using Kind = StoredValue::Kind;

// A typed store, like a registry: numbers and texts are told apart, and the
// order of writing is kept.
class MapStore : public SettingsStore {
 public:
  std::map<std::string, StoredValue> values;
  std::vector<std::string> written;

  StoredValue Read(const std::string& group, const std::string& key) const override {
    const auto it = values.find(group + "/" + key);
    return it == values.end() ? StoredValue{} : it->second;
  }
  void WriteInteger(const std::string& group, const std::string& key, std::int32_t v) override {
    values[group + "/" + key] = {Kind::Integer, v, {}};
    written.push_back(key);
  }
  void WriteText(const std::string& group, const std::string& key, const std::string& v) override {
    values[group + "/" + key] = {Kind::Text, 0, v};
    written.push_back(key);
  }
  void Put(const std::string& path, StoredValue v) { values["Settings/" + path] = std::move(v); }
};

StoredValue Int(std::int64_t v) {
  return {Kind::Integer, v, {}};
}
StoredValue Text(const std::string& v) {
  return {Kind::Text, 0, v};
}

TEST(Settings, EmptyStoreGivesTheDefaultsOfTheTable) {
  const Settings s = ReadSettings(MapStore{});
  EXPECT_EQ(s, Settings{});
  EXPECT_EQ(s.markColor, 8421504u);
  EXPECT_EQ(s.hiColor, 16777088u);
  EXPECT_EQ(s.coordinatesColor, 13483520u);
  EXPECT_EQ(s.backgroundColor, 6574080u);
  EXPECT_EQ(s.left, -100);
}

struct ReadCase {
  const char* name;
  const char* path;
  StoredValue stored;
  int expected;  // of the field the case reads, as an int
};

int FieldOf(const Settings& s, const std::string& path) {
  if (path == "SETTINGS/GridSize") return s.gridSize;
  if (path == "SETTINGS/LoadOnStartup") return s.loadOnStartup;
  if (path == "SETTINGS/GenerateLevel3") return s.levels.levels[2];
  if (path == "SETTINGS/MarkColor") return static_cast<int>(s.markColor);
  if (path == "WINDOW/Left") return s.left;
  return -1;
}

class ReadRules : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRules, AcceptNumbersAndDecimalTextAndFallBackOnAnythingElse) {
  MapStore store;
  store.Put("WINDOW/Maximized", Text("0"));
  store.Put(GetParam().path, GetParam().stored);
  EXPECT_EQ(FieldOf(ReadSettings(store), std::string(GetParam().path)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadRules,
    ::testing::Values(ReadCase{"GridSizeNumber", "SETTINGS/GridSize", Int(3), 3},
                      ReadCase{"GridSizeText", "SETTINGS/GridSize", Text("3"), 3},
                      ReadCase{"GridSizeTooLarge", "SETTINGS/GridSize", Int(4), 0},
                      ReadCase{"GridSizeNegative", "SETTINGS/GridSize", Text("-1"), 0},
                      ReadCase{"GridSizeGarbage", "SETTINGS/GridSize", Text("big"), 0},
                      ReadCase{"GridSizeWrongType", "SETTINGS/GridSize", {Kind::Other, 0, {}}, 0},
                      ReadCase{"BoolZeroText", "SETTINGS/LoadOnStartup", Text("0"), 0},
                      ReadCase{"BoolAnyNonZero", "SETTINGS/LoadOnStartup", Int(7), 1},
                      ReadCase{"BoolGarbage", "SETTINGS/LoadOnStartup", Text("yes"), 1},
                      ReadCase{"BoolOverflow", "SETTINGS/LoadOnStartup",
                               Text("99999999999999999999"), 1},
                      ReadCase{"LevelOff", "SETTINGS/GenerateLevel3", Text("0"), 0},
                      ReadCase{"ColorText", "SETTINGS/MarkColor", Text("255"), 255},
                      ReadCase{"ColorSystemValue", "SETTINGS/MarkColor", Int(0x80000005), 8421504},
                      ReadCase{"BoundsText", "WINDOW/Left", Text(" 120 "), 120},
                      ReadCase{"BoundsTooBig", "WINDOW/Left", Int(1LL << 40), -100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, BoundsAreReadOnlyWhenTheWindowWasNotMaximised) {
  MapStore store;
  store.Put("WINDOW/Left", Int(10));
  store.Put("WINDOW/Maximized", Text("1"));
  EXPECT_EQ(ReadSettings(store).left, -100);
  store.Put("WINDOW/Maximized", Text("0"));
  EXPECT_EQ(ReadSettings(store).left, 10);
  EXPECT_EQ(ReadSettings(store).top, -100);
}

TEST(Settings, WritesEveryValueInOrderWithBoundsOnlyForANormalWindow) {
  Settings s;
  s.initialDir = "/home/u/puzzles";
  s.levels.levels[1] = false;
  s.gridSize = 2;
  MapStore store;
  WriteSettings(s, {false, false, 5, 6, 700, 500}, store);
  const std::vector<std::string> order = {"GenerateAnyLevel",
                                          "GenerateLevel1",
                                          "GenerateLevel2",
                                          "GenerateLevel3",
                                          "GenerateLevel4",
                                          "GenerateLevel5",
                                          "InitialDir",
                                          "RemovePencilMarks",
                                          "SkipSolved",
                                          "MarkColor",
                                          "HiColor",
                                          "CoordinatesColor",
                                          "BackgroundColor",
                                          "LoadOnStartup",
                                          "InfoOnStartup",
                                          "GridSize",
                                          "Left",
                                          "Top",
                                          "Width",
                                          "Height",
                                          "Maximized"};
  std::vector<std::string> ownKeys = store.written;  // the recent files have their own group
  std::erase_if(ownKeys, [](const std::string& key) { return key.starts_with("File"); });
  EXPECT_EQ(ownKeys, order);
  EXPECT_EQ(store.Read(kSettingsGroup, "GenerateLevel2").text, "0");
  EXPECT_EQ(store.Read(kSettingsGroup, "GenerateLevel1").text, "1");
  EXPECT_EQ(store.Read(kSettingsGroup, "MarkColor").kind, Kind::Integer);
  EXPECT_EQ(store.Read(kStringsGroup, "InitialDir").text, s.initialDir);
  EXPECT_EQ(store.Read(kWindowGroup, "Maximized").text, "0");

  // Read back, it is the same record, bounds included.
  Settings expected = s;
  expected.maximized = false;
  expected.left = 5, expected.top = 6, expected.width = 700, expected.height = 500;
  EXPECT_EQ(ReadSettings(store), expected);

  for (const WindowStateAtClose state :
       {WindowStateAtClose{true, false, 1, 2, 3, 4}, WindowStateAtClose{false, true, 1, 2, 3, 4}}) {
    MapStore other;
    WriteSettings(s, state, other);
    EXPECT_EQ(other.Read(kWindowGroup, "Left").kind, Kind::Missing);
    EXPECT_EQ(other.written.back(), "Maximized");
    EXPECT_EQ(other.Read(kWindowGroup, "Maximized").text, state.maximized ? "1" : "0");
  }
}

TEST(Settings, ANumberStoredAsTextIsRewrittenAsText) {
  MapStore store;
  store.Put("SETTINGS/GridSize", Text("3"));
  const Settings s = ReadSettings(store);
  EXPECT_EQ(s.gridSize, 3);
  WriteSettings(s, {true, false}, store);
  const StoredValue v = store.Read(kSettingsGroup, "GridSize");
  EXPECT_EQ(v.kind, Kind::Text);
  EXPECT_EQ(v.text, "3");
  EXPECT_EQ(store.Read(kSettingsGroup, "HiColor").kind, Kind::Integer);
}

struct ScreenCase {
  int width, height, size;
};

TEST(Settings, GridSizeFollowsTheScreenWhenNotSet) {
  for (const ScreenCase c : {ScreenCase{1024, 768, 2},
                             {1600, 1200, 3},
                             {800, 480, 1},
                             {1280, 500, 1},
                             {1200, 900, 2},
                             {1201, 501, 3}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    EXPECT_EQ(GridSizeForScreen(c.width, c.height), c.size);
    EXPECT_EQ(EffectiveGridSize(0, c.width, c.height), c.size);
    EXPECT_EQ(EffectiveGridSize(1, c.width, c.height), 1);
  }
}

struct PlacementCase {
  const char* name;
  bool maximizedFlag;
  ScreenRect saved;
  bool maximized;
};

TEST(Settings, WindowStartsAtSavedBoundsOnlyWhenAScreenShowsThem) {
  const std::vector<ScreenRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  const PlacementCase cases[] = {
      {"nothing saved", false, {-100, -100, -100, -100}, true},
      {"saved", false, {100, 50, 800, 600}, false},
      {"saved but maximised", true, {100, 50, 800, 600}, true},
      {"on the second screen", false, {2500, 100, 600, 400}, false},
      {"partly off the left edge", false, {-50, 10, 600, 400}, false},
      {"monitor gone", false, {3500, 100, 600, 400}, true},
      {"below every screen", false, {100, 1100, 600, 400}, true},
      {"no size", false, {100, 100, 0, 400}, true},
      {"one bound missing", false, {100, -100, 600, 400}, true},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings s;
    s.maximized = c.maximizedFlag;
    s.left = c.saved.left, s.top = c.saved.top, s.width = c.saved.width, s.height = c.saved.height;
    const WindowPlacement p = PlaceWindow(s, screens);
    EXPECT_EQ(p.maximized, c.maximized);
    if (!p.maximized) {
      EXPECT_EQ(p.bounds.left, c.saved.left);
    }
  }
}

TEST(Settings, ColourValuesKeepRedInTheLowByte) {
  EXPECT_EQ(RgbValue(0, 190, 205), 13483520u);
  EXPECT_EQ(RedOf(16777088), 128);
  EXPECT_EQ(GreenOf(16777088), 255);
  EXPECT_EQ(BlueOf(6574080), 100);
}

TEST(Settings, RecentFilesKeepEightNewestFirstWithoutRepeats) {
  const std::vector<std::string> eight = {"a", "b", "c", "d", "e", "f", "g", "h"};
  struct Case {
    std::string newest;
    std::vector<std::string> list, expected;
  };
  for (const Case& c : std::vector<Case>{
           {"x", eight, {"x", "a", "b", "c", "d", "e", "f", "g"}},  // the oldest drops out
           {"d", eight, {"d", "a", "b", "c", "e", "f", "g", "h"}},  // moved up, not repeated
           {"", {"a", "", "b", "a"}, {"a", "b"}},                 // cleaned only
       })
    EXPECT_EQ(RecentFilesWith(c.newest, c.list), c.expected) << c.newest;

  // Stored in a group of their own; a shorter list clears the slots it left.
  Settings s;
  s.recentFiles = eight;
  MapStore store;
  WriteSettings(s, {}, store);
  EXPECT_EQ(store.Read(kRecentGroup, "File8").text, "h");
  s.recentFiles = {"/p/one.sdk"};
  WriteSettings(s, {}, store);
  EXPECT_EQ(ReadSettings(store).recentFiles, s.recentFiles);
  EXPECT_EQ(store.Read(kRecentGroup, "File2").text, "");
}

}  // namespace
}  // namespace zentaro::app::test
