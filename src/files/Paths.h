#pragma once

#include <string>

namespace zentaro::files {

// Small path helpers for the open and save flow; they take and give the
// native path text the dialogs use.
bool FolderExists(const std::string& folder);
// Creates the folder with all missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& folder);
// The folder part without a trailing separator; empty for a bare name.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
// The path without the extension of its file name.
std::string WithoutExtension(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace zentaro::files
