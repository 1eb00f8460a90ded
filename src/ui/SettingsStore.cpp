#include "ui/SettingsStore.h"

namespace zentaro::ui {

namespace {

QString KeyPath(const std::string& group, const std::string& key) {
  return QString::fromStdString(group + "/" + key);
}

}  // namespace

// The names are given here rather than taken from the application, so that
// every program and test reading the settings finds the same file.
QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "LomerinSoftware", "Sudoku") {}

QSettingsStore::QSettingsStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat) {}

bool QSettingsStore::Flush() {
  settings_.sync();
  return settings_.status() != QSettings::AccessError;
}

app::StoredValue QSettingsStore::Read(const std::string& group, const std::string& key) const {
  using Kind = app::StoredValue::Kind;
  const QVariant v = settings_.value(KeyPath(group, key));
  if (!v.isValid()) return {};
  switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
      return {Kind::Integer, v.toLongLong(), {}};
    case QMetaType::QString:
      return {Kind::Text, 0, v.toString().toStdString()};
    default:
      // Lists, byte arrays and the like are never written by the program.
      return {Kind::Other, 0, {}};
  }
}

void QSettingsStore::WriteInteger(const std::string& group, const std::string& key,
                                  std::int32_t value) {
  settings_.setValue(KeyPath(group, key), static_cast<int>(value));
}

void QSettingsStore::WriteText(const std::string& group, const std::string& key,
                               const std::string& value) {
  settings_.setValue(KeyPath(group, key), QString::fromStdString(value));
}

app::Settings LoadSettings() {
  const QSettingsStore store;
  const app::Settings settings = app::ReadSettings(store);
  // What parsed of a damaged file is still used, each value checked as
  // always; a file that cannot be opened at all gives every default.
  return store.Status() == QSettings::AccessError ? app::Settings{} : settings;
}

bool SaveSettings(const app::Settings& settings, const app::WindowStateAtClose& window) {
  QSettingsStore store;
  // A file that cannot be opened keeps what it holds. One that could not be
  // parsed is written again with what could be read of it.
  if (store.Status() == QSettings::AccessError) return false;
  app::WriteSettings(settings, window, store);
  return store.Flush();
}

}  // namespace zentaro::ui
