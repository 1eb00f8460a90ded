#include "files/Paths.h"

#include <filesystem>
#include <system_error>

namespace zentaro::files {

namespace fs = std::filesystem;

bool FolderExists(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  return fs::is_directory(fs::path(folder), ec);
}

bool CreateFolders(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  fs::create_directories(fs::path(folder), ec);
  return FolderExists(folder);
}

std::string FolderOf(const std::string& path) {
  fs::path p(path);
  std::string folder = p.parent_path().string();
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

std::string FileNameOf(const std::string& path) {
  return fs::path(path).filename().string();
}

std::string WithoutExtension(const std::string& path) {
  fs::path p(path);
  return p.replace_extension().string();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return (fs::path(folder) / name).string();
}

}  // namespace zentaro::files
