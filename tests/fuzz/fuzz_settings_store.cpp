// The settings file on any bytes, read the way the program reads it: Qt's
// INI parser, then every value checked. Whatever the file holds, the
// settings that come out are in range.

#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "app/Settings.h"

namespace {

// The program's store maps the value types the same way.
class IniStore : public zentaro::app::SettingsStore {
 public:
  explicit IniStore(const QString& path) : settings_(path, QSettings::IniFormat) {}
  zentaro::app::StoredValue Read(const std::string& group, const std::string& key) const override {
    using Kind = zentaro::app::StoredValue::Kind;
    const QVariant v = settings_.value(QString::fromStdString(group + "/" + key));
    if (!v.isValid()) return {};
    switch (v.typeId()) {
      case QMetaType::Int:
      case QMetaType::UInt:
      case QMetaType::LongLong:
        return {Kind::Integer, v.toLongLong(), {}};
      case QMetaType::QString:
        return {Kind::Text, 0, v.toString().toStdString()};
      default:
        return {Kind::Other, 0, {}};
    }
  }
  void WriteInteger(const std::string&, const std::string&, std::int32_t) override {}
  void WriteText(const std::string&, const std::string&, const std::string&) override {}

 private:
  QSettings settings_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro;
  static QTemporaryDir dir;
  const QString path = dir.filePath("Sudoku.conf");
  std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const app::Settings s = app::ReadSettings(IniStore(path));
  if (s.gridSize < 0 || s.gridSize > 3 || s.recentFiles.size() > app::kRecentFileCount ||
      s.markColor > 0xFFFFFF || s.hiColor > 0xFFFFFF || s.backgroundColor > 0xFFFFFF ||
      s.coordinatesColor > 0xFFFFFF)
    std::abort();
  return 0;
}
