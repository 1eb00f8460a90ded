#include "app/Settings.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>

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
ColorValue ReadColor(const SettingsStore& store, const char* group, const char* key,
                     ColorValue fallback) {
  const auto n = ReadNumber(store, group, key);
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

// How a value is kept: Booleans as "0"/"1", numbers as numbers (or as text
// where the store already holds text), colours as numbers in 0..0xFFFFFF.
template <class T>
using FieldOf = T& (*)(Settings&);
using Field = std::variant<FieldOf<bool>, FieldOf<int>, FieldOf<ColorValue>, FieldOf<std::string>>;

struct SettingRow {
  const char* group;
  const char* key;
  Field field;  // the member; its default is the one Settings{} has
};

// In the order they are written; the recent files and the window follow.
// clang-format off
const SettingRow kSettingRows[] = {
    {kSettingsGroup, "GenerateAnyLevel", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.anyLevel; })},
    {kSettingsGroup, "GenerateLevel1", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.levels[0]; })},
    {kSettingsGroup, "GenerateLevel2", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.levels[1]; })},
    {kSettingsGroup, "GenerateLevel3", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.levels[2]; })},
    {kSettingsGroup, "GenerateLevel4", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.levels[3]; })},
    {kSettingsGroup, "GenerateLevel5", FieldOf<bool>([](Settings& s) -> bool& { return s.levels.levels[4]; })},
    {kStringsGroup, "InitialDir", FieldOf<std::string>([](Settings& s) -> std::string& { return s.initialDir; })},
    {kSettingsGroup, "RemovePencilMarks", FieldOf<bool>([](Settings& s) -> bool& { return s.removeMarksOnFill; })},
    {kSettingsGroup, "SkipSolved", FieldOf<bool>([](Settings& s) -> bool& { return s.skipSolved; })},
    {kSettingsGroup, "MarkColor", FieldOf<ColorValue>([](Settings& s) -> ColorValue& { return s.markColor; })},
    {kSettingsGroup, "HiColor", FieldOf<ColorValue>([](Settings& s) -> ColorValue& { return s.hiColor; })},
    {kSettingsGroup, "CoordinatesColor", FieldOf<ColorValue>([](Settings& s) -> ColorValue& { return s.coordinatesColor; })},
    {kSettingsGroup, "BackgroundColor", FieldOf<ColorValue>([](Settings& s) -> ColorValue& { return s.backgroundColor; })},
    {kSettingsGroup, "LoadOnStartup", FieldOf<bool>([](Settings& s) -> bool& { return s.loadOnStartup; })},
    {kSettingsGroup, "InfoOnStartup", FieldOf<bool>([](Settings& s) -> bool& { return s.infoOnStartup; })},
    {kSettingsGroup, "GridSize", FieldOf<int>([](Settings& s) -> int& { return s.gridSize; })},
};

// Saved only for a window neither maximised nor minimised, read only for one
// that was not maximised.
const SettingRow kBoundRows[] = {
    {kWindowGroup, "Left", FieldOf<int>([](Settings& s) -> int& { return s.left; })},
    {kWindowGroup, "Top", FieldOf<int>([](Settings& s) -> int& { return s.top; })},
    {kWindowGroup, "Width", FieldOf<int>([](Settings& s) -> int& { return s.width; })},
    {kWindowGroup, "Height", FieldOf<int>([](Settings& s) -> int& { return s.height; })},
};
const SettingRow kMaximizedRow{kWindowGroup, "Maximized", FieldOf<bool>([](Settings& s) -> bool& { return s.maximized; })};
// clang-format on

void ReadRow(const SettingsStore& store, const SettingRow& row, Settings& s) {
  Settings defaults;
  std::visit(
      [&](auto field) {
        auto& value = field(s);
        const auto fallback = field(defaults);
        using T = std::remove_reference_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
          value = ReadBool(store, row.group, row.key, fallback);
        else if constexpr (std::is_same_v<T, int>)
          value = ReadInt(store, row.group, row.key, fallback);
        else if constexpr (std::is_same_v<T, ColorValue>)
          value = ReadColor(store, row.group, row.key, fallback);
        else
          value = ReadText(store, row.group, row.key, fallback);
      },
      row.field);
}

void WriteRow(SettingsStore& store, const SettingRow& row, Settings& s) {
  std::visit(
      [&](auto field) {
        const auto& value = field(s);
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
          WriteBool(store, row.group, row.key, value);
        else if constexpr (std::is_same_v<T, std::string>)
          store.WriteText(row.group, row.key, value);
        else
          WriteInt(store, row.group, row.key, value);
      },
      row.field);
}

}  // namespace

Settings ReadSettings(const SettingsStore& store) {
  Settings s;
  for (const SettingRow& row : kSettingRows) ReadRow(store, row, s);
  if (s.gridSize < 0 || s.gridSize > 3) s.gridSize = 0;
  for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
    const std::string key = "File" + std::to_string(i);
    const std::string file = ReadText(store, kRecentGroup, key.c_str(), "");
    if (!file.empty()) s.recentFiles.push_back(file);
  }
  s.recentFiles = RecentFilesWith({}, s.recentFiles);
  ReadRow(store, kMaximizedRow, s);
  if (!s.maximized)
    for (const SettingRow& row : kBoundRows) ReadRow(store, row, s);
  return s;
}

void WriteSettings(const Settings& settings, const WindowStateAtClose& window,
                   SettingsStore& store) {
  Settings s = settings;
  s.maximized = window.maximized;
  s.left = window.left;
  s.top = window.top;
  s.width = window.width;
  s.height = window.height;
  for (const SettingRow& row : kSettingRows) WriteRow(store, row, s);
  // Every slot is written, so that a shorter list leaves no old names behind.
  for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
    const std::size_t index = i - 1;
    store.WriteText(kRecentGroup, "File" + std::to_string(i),
                    index < s.recentFiles.size() ? s.recentFiles[index] : std::string());
  }
  if (!window.maximized && !window.minimized)
    for (const SettingRow& row : kBoundRows) WriteRow(store, row, s);
  WriteRow(store, kMaximizedRow, s);
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
