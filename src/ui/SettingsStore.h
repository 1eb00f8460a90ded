#pragma once

#include <QSettings>

#include "app/Settings.h"

namespace zentaro::ui {

// The settings' home: QSettings under organisation "LomerinSoftware" and
// application "Sudoku" (on Linux ~/.config/LomerinSoftware/Sudoku.conf).
class QSettingsStore : public app::SettingsStore {
 public:
  QSettingsStore();
  // The same keys in an INI file of the caller's.
  explicit QSettingsStore(const QString& iniFile);

  // AccessError when the file cannot be opened; FormatError once parts of it
  // could not be parsed (those parts are dropped when it is written again).
  QSettings::Status Status() const { return settings_.status(); }
  // Writes the file out; false when it could not be written.
  bool Flush();
  QString FileName() const { return settings_.fileName(); }

  app::StoredValue Read(const std::string& group, const std::string& key) const override;
  void WriteInteger(const std::string& group, const std::string& key, std::int32_t value) override;
  void WriteText(const std::string& group, const std::string& key,
                 const std::string& value) override;

 private:
  QSettings settings_;
};

// The settings of the last run; the defaults where there are none or the
// file cannot be read. Never fails.
app::Settings LoadSettings();

// False when they could not be written; nothing else depends on it.
bool SaveSettings(const app::Settings& settings, const app::WindowStateAtClose& window);

}  // namespace zentaro::ui
