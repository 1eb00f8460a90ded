#include "ui/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zentaro::ui {

namespace {

// A kept game is well under a kilobyte and a year of daily solves some
// fifteen; anything this large is not ours.
constexpr qint64 kMaxDataFileSize = 16 * 1024 * 1024;

}  // namespace

QString DefaultDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DataFilePath(const QString& folder, app::DataFile file) {
  const char* name = file == app::DataFile::KeptGame ? "kept-game.txt" : "solved-puzzles.txt";
  return QDir(folder).filePath(name);
}

std::optional<std::string> ReadDataFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxDataFileSize) return std::nullopt;
  const QByteArray bytes = f.read(kMaxDataFileSize);
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

bool WriteDataFile(const QString& path, const std::string& text) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    f.cancelWriting();
    return false;
  }
  // commit() flushes the temporary file to the disk before the rename.
  return f.commit();
}

void RemoveDataFile(const QString& path) {
  QFile::remove(path);
}

}  // namespace zentaro::ui
