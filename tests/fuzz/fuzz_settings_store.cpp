// The settings file on any bytes, read the way the program reads it: Qt's
// INI parser through the program's store, then every value checked.
// Whatever the file holds, the settings that come out are in range.

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "app/Settings.h"
#include "ui/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro;
  static QTemporaryDir dir;
  const QString path = dir.filePath("Sudoku.conf");
  std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const app::Settings s = app::ReadSettings(ui::QSettingsStore(path));
  if (s.gridSize < 0 || s.gridSize > 3 || s.recentFiles.size() > app::kRecentFileCount ||
      s.markColor > 0xFFFFFF || s.hiColor > 0xFFFFFF || s.backgroundColor > 0xFFFFFF ||
      s.coordinatesColor > 0xFFFFFF)
    std::abort();
  return 0;
}
