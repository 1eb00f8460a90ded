#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/NewPuzzle.h"

namespace zentaro::app {

// A colour as the settings keep it: red in the low byte, then green, then
// blue (0x00BBGGRR).
using ColorValue = std::uint32_t;

constexpr ColorValue RgbValue(int red, int green, int blue) {
  return static_cast<ColorValue>(red & 0xFF) | static_cast<ColorValue>(green & 0xFF) << 8 |
         static_cast<ColorValue>(blue & 0xFF) << 16;
}
constexpr int RedOf(ColorValue c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorValue c) {
  return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(ColorValue c) {
  return static_cast<int>(c >> 16 & 0xFF);
}

inline constexpr ColorValue kDefaultMarkColor = RgbValue(128, 128, 128);       // 8421504
inline constexpr ColorValue kDefaultHiColor = RgbValue(128, 255, 255);         // 16777088
inline constexpr ColorValue kDefaultCoordinatesColor = RgbValue(0, 190, 205);  // 13483520
inline constexpr ColorValue kDefaultBackgroundColor = RgbValue(0, 80, 100);    // 6574080

inline constexpr int kNoBound = -100;

// Everything the program keeps between runs, each with its default. The
// store's keys are in one table in Settings.cpp.
struct Settings {
  std::string initialDir;  // where the open and save dialogs start
  LevelChoice levels;      // GenerateAnyLevel, GenerateLevel1..5
  ColorValue markColor = kDefaultMarkColor;
  ColorValue hiColor = kDefaultHiColor;
  ColorValue coordinatesColor = kDefaultCoordinatesColor;
  ColorValue backgroundColor = kDefaultBackgroundColor;
  bool loadOnStartup = true;
  bool infoOnStartup = true;      // nothing reads it; kept so that it survives
  bool skipSolved = true;         // likewise; its dialog box is hidden
  bool removeMarksOnFill = true;  // remove the digit from the peers' pencil marks
  int gridSize = 0;               // 1 small, 2 medium, 3 large; 0 = by the screen
  bool maximized = true;
  int left = kNoBound, top = kNoBound, width = kNoBound, height = kNoBound;
  std::vector<std::string> recentFiles;  // newest first, at most kRecentFileCount

  bool operator==(const Settings&) const = default;
};

// What a store holds under one key. Stores that keep types (a registry)
// tell numbers from texts; a store that only keeps text reports Text.
struct StoredValue {
  enum class Kind { Missing, Integer, Text, Other };
  Kind kind = Kind::Missing;
  std::int64_t integer = 0;
  std::string text;
};

// Groups and keys as the store names them.
inline constexpr const char* kSettingsGroup = "Settings/SETTINGS";
inline constexpr const char* kStringsGroup = "Settings/STRINGS";
inline constexpr const char* kWindowGroup = "Settings/WINDOW";
// The recent files have a group of their own, File1 (newest) to File8.
inline constexpr const char* kRecentGroup = "Settings/RECENT";
inline constexpr std::size_t kRecentFileCount = 8;

// The list with newest at its head (moved there if it was in it already),
// without empty names or repeats, cut to kRecentFileCount. An empty newest
// only cleans the list.
std::vector<std::string> RecentFilesWith(const std::string& newest,
                                         const std::vector<std::string>& list);

// A key/value store in groups; the window gives QSettings, the tests a map.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual StoredValue Read(const std::string& group, const std::string& key) const = 0;
  virtual void WriteInteger(const std::string& group, const std::string& key,
                            std::int32_t value) = 0;
  virtual void WriteText(const std::string& group, const std::string& key,
                         const std::string& value) = 0;
};

// Every value the store holds in a form it can have; anything missing,
// unreadable or out of range keeps its default. The window bounds are read
// only when the window was not maximised.
Settings ReadSettings(const SettingsStore& store);

// How the window stands when it closes.
struct WindowStateAtClose {
  bool maximized = false;
  bool minimized = false;
  int left = 0, top = 0, width = 0, height = 0;
};

// Writes every value in the program's fixed order, the bounds only for a
// window neither maximised nor minimised, and "Maximized" last. Booleans go
// as "0"/"1"; a number that the store already holds as text stays text.
void WriteSettings(const Settings& settings, const WindowStateAtClose& window,
                   SettingsStore& store);

// The grid size for a screen: 1 (small) when it is at most 500 pixels high,
// else 2 (medium) up to 1200 pixels wide, else 3 (large).
int GridSizeForScreen(int screenWidth, int screenHeight);
// The stored size when it is 1..3, else the one for the screen.
int EffectiveGridSize(int setting, int screenWidth, int screenHeight);

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct WindowPlacement {
  bool maximized = true;
  ScreenRect bounds;  // when not maximised
};

// Saved bounds when there are any and the window was not maximised, else
// maximised. Bounds that no screen shows any part of (a monitor that has
// gone) also start maximised, so the window never opens out of reach.
WindowPlacement PlaceWindow(const Settings& settings, const std::vector<ScreenRect>& screens);

}  // namespace zentaro::app
