#include "app/Settings.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace zentaro::app {

namespace {

using Kind = StoredValue::Kind;

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A number held either as a number or as its decimal text.
std::optional<std::int64_t> ReadNumber(const SettingsStore& store, const char* group,
                                       const char* key) {
  const StoredValue v = store.Read(group, key);
  if (v.kind == Kind::Integer) return v.integer;
  if (v.kind == Kind::Text) return ParseDecimal(v.text);
  return std::nullopt;
}

bool ReadBool(const SettingsStore& store, const char* group, const char* key, bool fallback) {
  const auto n = ReadNumber(store, group, key);
  return n ? *n != 0 : fallback;
}

int ReadInt(const SettingsStore& store, const char* group, const char* key, int fallback) {
  const auto n = ReadNumber(store, group, key);
  if (!n || *n < std::numeric_limits<std::int32_t>::min() ||
      *n > std::numeric_limits<std::int32_t>::max())
    return fallback;
  return static_cast<int>(*n);
}

// Values with the high byte set are not plain colours (the registry's
// convention uses it for system colours), so they are not taken.
ColorValue ReadColor(const SettingsStore& store, const char* key, ColorValue fallback) {
  const auto n = ReadNumber(store, kSettingsGroup, key);
  return n && *n >= 0 && *n <= 0xFFFFFF ? static_cast<ColorValue>(*n) : fallback;
}

std::string ReadText(const SettingsStore& store, const char* group, const char* key,
                     const std::string& fallback) {
  const StoredValue v = store.Read(group, key);
  return v.kind == Kind::Text ? v.text : fallback;
}

void WriteBool(SettingsStore& store, const char* group, const char* key, bool value) {
  store.WriteText(group, key, value ? "1" : "0");
}

void WriteInt(SettingsStore& store, const char* group, const char* key, std::int64_t value) {
  const auto v = static_cast<std::int32_t>(value);
  if (store.Read(group, key).kind == Kind::Text)
    store.WriteText(group, key, std::to_string(v));
  else
    store.WriteInteger(group, key, v);
}

constexpr const char* kLevelKeys[5] = {"GenerateLevel1", "GenerateLevel2", "GenerateLevel3",
                                       "GenerateLevel4", "GenerateLevel5"};

}  // namespace

Settings ReadSettings(const SettingsStore& store) {
  const Settings d;
  Settings s;
  s.levels.anyLevel = ReadBool(store, kSettingsGroup, "GenerateAnyLevel", d.levels.anyLevel);
  for (int i = 0; i < 5; ++i)
    s.levels.levels[i] = ReadBool(store, kSettingsGroup, kLevelKeys[i], d.levels.levels[i]);
  s.initialDir = ReadText(store, kStringsGroup, "InitialDir", d.initialDir);
  s.markColor = ReadColor(store, "MarkColor", d.markColor);
  s.hiColor = ReadColor(store, "HiColor", d.hiColor);
  s.coordinatesColor = ReadColor(store, "CoordinatesColor", d.coordinatesColor);
  s.backgroundColor = ReadColor(store, "BackgroundColor", d.backgroundColor);
  s.loadOnStartup = ReadBool(store, kSettingsGroup, "LoadOnStartup", d.loadOnStartup);
  s.infoOnStartup = ReadBool(store, kSettingsGroup, "InfoOnStartup", d.infoOnStartup);
  s.skipSolved = ReadBool(store, kSettingsGroup, "SkipSolved", d.skipSolved);
  s.removePencilMarks = ReadBool(store, kSettingsGroup, "RemovePencilMarks", d.removePencilMarks);
  s.gridSize = ReadInt(store, kSettingsGroup, "GridSize", d.gridSize);
  if (s.gridSize < 0 || s.gridSize > 3) s.gridSize = 0;
  for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
    const std::string key = "File" + std::to_string(i);
    const std::string file = ReadText(store, kRecentGroup, key.c_str(), "");
    if (!file.empty()) s.recentFiles.push_back(file);
  }
  s.recentFiles = RecentFilesWith({}, s.recentFiles);
  s.maximized = ReadBool(store, kWindowGroup, "Maximized", d.maximized);
  if (!s.maximized) {
    s.left = ReadInt(store, kWindowGroup, "Left", d.left);
    s.top = ReadInt(store, kWindowGroup, "Top", d.top);
    s.width = ReadInt(store, kWindowGroup, "Width", d.width);
    s.height = ReadInt(store, kWindowGroup, "Height", d.height);
  }
  return s;
}

void WriteSettings(const Settings& s, const WindowStateAtClose& window, SettingsStore& store) {
  WriteBool(store, kSettingsGroup, "GenerateAnyLevel", s.levels.anyLevel);
  for (int i = 0; i < 5; ++i) WriteBool(store, kSettingsGroup, kLevelKeys[i], s.levels.levels[i]);
  store.WriteText(kStringsGroup, "InitialDir", s.initialDir);
  WriteBool(store, kSettingsGroup, "RemovePencilMarks", s.removePencilMarks);
  WriteBool(store, kSettingsGroup, "SkipSolved", s.skipSolved);
  WriteInt(store, kSettingsGroup, "MarkColor", s.markColor);
  WriteInt(store, kSettingsGroup, "HiColor", s.hiColor);
  WriteInt(store, kSettingsGroup, "CoordinatesColor", s.coordinatesColor);
  WriteInt(store, kSettingsGroup, "BackgroundColor", s.backgroundColor);
  WriteBool(store, kSettingsGroup, "LoadOnStartup", s.loadOnStartup);
  WriteBool(store, kSettingsGroup, "InfoOnStartup", s.infoOnStartup);
  WriteInt(store, kSettingsGroup, "GridSize", s.gridSize);
  // Every slot is written, so that a shorter list leaves no old names behind.
  for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
    const std::size_t index = i - 1;
    store.WriteText(kRecentGroup, "File" + std::to_string(i),
                    index < s.recentFiles.size() ? s.recentFiles[index] : std::string());
  }
  if (!window.maximized && !window.minimized) {
    WriteInt(store, kWindowGroup, "Left", window.left);
    WriteInt(store, kWindowGroup, "Top", window.top);
    WriteInt(store, kWindowGroup, "Width", window.width);
    WriteInt(store, kWindowGroup, "Height", window.height);
  }
  WriteBool(store, kWindowGroup, "Maximized", window.maximized);
}

std::vector<std::string> RecentFilesWith(const std::string& newest,
                                         const std::vector<std::string>& list) {
  std::vector<std::string> result;
  if (!newest.empty()) result.push_back(newest);
  for (const std::string& file : list) {
    if (result.size() == kRecentFileCount) break;
    if (!file.empty() && std::find(result.begin(), result.end(), file) == result.end())
      result.push_back(file);
  }
  return result;
}

int GridSizeForScreen(int screenWidth, int screenHeight) {
  if (screenHeight <= 500) return 1;
  return screenWidth <= 1200 ? 2 : 3;
}

int EffectiveGridSize(int setting, int screenWidth, int screenHeight) {
  return setting >= 1 && setting <= 3 ? setting : GridSizeForScreen(screenWidth, screenHeight);
}

WindowPlacement PlaceWindow(const Settings& s, const std::vector<ScreenRect>& screens) {
  const bool saved = s.top >= -89 && s.left >= -89 && s.height >= -89 && s.width > -90;
  // A window of no size could not be reached either.
  if (!saved || s.maximized || s.width <= 0 || s.height <= 0) return {};
  const ScreenRect bounds{s.left, s.top, s.width, s.height};
  if (!screens.empty()) {
    auto overlaps = [&bounds](const ScreenRect& r) {
      const long long left = std::max(bounds.left, r.left);
      const long long right =
          std::min<long long>(static_cast<long long>(bounds.left) + bounds.width,
                              static_cast<long long>(r.left) + r.width);
      const long long top = std::max(bounds.top, r.top);
      const long long bottom =
          std::min<long long>(static_cast<long long>(bounds.top) + bounds.height,
                              static_cast<long long>(r.top) + r.height);
      return left < right && top < bottom;
    };
    bool seen = false;
    for (const ScreenRect& r : screens) seen = seen || overlaps(r);
    if (!seen) return {};
  }
  return {false, bounds};
}

}  // namespace zentaro::app
