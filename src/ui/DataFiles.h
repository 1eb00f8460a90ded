#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/View.h"

namespace zentaro::ui {

// The files the program keeps for itself, in the user's data folder
// (QStandardPaths::AppDataLocation) unless a folder is given.
QString DataFilePath(const QString& folder, app::DataFile file);
QString DefaultDataFolder();

// The content, or nothing when the file is missing, unreadable or far
// larger than the program ever writes.
std::optional<std::string> ReadDataFile(const QString& path);
// Written to a temporary file beside it, flushed to the disk, then renamed
// over it: a write cut short by a crash leaves the old content whole.
bool WriteDataFile(const QString& path, const std::string& text);
void RemoveDataFile(const QString& path);

}  // namespace zentaro::ui
