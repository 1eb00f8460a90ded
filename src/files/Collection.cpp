#include "files/Collection.h"

#include <fstream>

#include "files/SdkFile.h"

namespace zentaro::files {
namespace {

constexpr bool IsCellChar(char ch) {
  return ch == '.' || (ch >= '0' && ch <= '9');
}

}  // namespace

std::vector<CollectionEntry> ListCollection(std::string_view content) {
  std::vector<CollectionEntry> entries;
  std::size_t lineNumber = 0;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    const std::string_view line = content.substr(pos, end - pos);
    ++lineNumber;
    // CRLF is one line end.
    pos = end +
          (end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n' ? 2 : 1);

    if (line.size() < 81 || line.front() == '#') continue;
    if (line.size() > 81 && line[81] != ' ' && line[81] != '\t') continue;
    CollectionEntry entry;
    bool cells = true;
    for (std::size_t i = 0; i < 81 && cells; ++i) {
      cells = IsCellChar(line[i]);
      if (DigitOfChar(line[i]) != 0) ++entry.clueCount;
    }
    if (!cells) continue;
    entry.line = lineNumber;
    entry.cells = std::string(line.substr(0, 81));
    entries.push_back(std::move(entry));
  }
  return entries;
}

core::DigitGrid CollectionClues(const CollectionEntry& entry) {
  core::DigitGrid grid{};
  for (std::size_t i = 0; i < 81 && i < entry.cells.size(); ++i)
    grid[i] = DigitOfChar(entry.cells[i]);
  return grid;
}

std::optional<std::vector<CollectionEntry>> ReadCollection(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0 || !in.seekg(0)) return std::nullopt;
  const bool cut = static_cast<std::size_t>(size) > kMaxCollectionFileSize;
  std::string content(cut ? kMaxCollectionFileSize : static_cast<std::size_t>(size), '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (in.bad()) return std::nullopt;
  content.resize(static_cast<std::size_t>(in.gcount()));
  // A file longer than the limit is listed up to its last whole line.
  if (cut) {
    const std::size_t last = content.find_last_of("\r\n");
    content.resize(last == std::string::npos ? 0 : last);
  }
  return ListCollection(content);
}

}  // namespace zentaro::files
