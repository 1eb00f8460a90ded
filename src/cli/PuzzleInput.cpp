#include "cli/PuzzleInput.h"

#include <cerrno>
#include <cstring>

#include "cli/Cli.h"
#include "files/SdkFile.h"

namespace zentaro::cli {
namespace {

std::string ReadAll(std::FILE* file, bool& failed) {
  std::string content;
  char chunk[1 << 16];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, n);
  failed = std::ferror(file) != 0;
  return content;
}

std::string Printable(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  if (byte >= 0x20 && byte < 0x7F) return std::string("'") + ch + "'";
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", byte);
  return buf;
}

}  // namespace

std::string DisplayName(std::string_view operand) {
  return operand == "-" ? "<stdin>" : std::string(operand);
}

std::optional<std::string> ReadInput(std::string_view operand, std::FILE* err) {
  bool failed = false;
  std::string content;
  if (operand == "-") {
    content = ReadAll(stdin, failed);
  } else {
    const std::string name(operand);
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
      Complain(err, name + ": cannot open: " + std::strerror(errno));
      return std::nullopt;
    }
    content = ReadAll(file, failed);
    std::fclose(file);
  }
  if (failed) {
    Complain(err, DisplayName(operand) + ": read error");
    return std::nullopt;
  }
  return content;
}

std::optional<core::DigitGrid> ParsePuzzleLine(std::string_view line, std::string& problem) {
  if (line.size() != 81) {
    problem = "expected 81 characters, found " + std::to_string(line.size());
    return std::nullopt;
  }
  core::DigitGrid grid{};
  for (std::size_t i = 0; i < 81; ++i) {
    const char ch = line[i];
    if (ch >= '1' && ch <= '9') {
      grid[i] = static_cast<std::uint8_t>(ch - '0');
    } else if (ch != '.' && ch != '0') {
      problem = "bad character " + Printable(ch) + " at column " + std::to_string(i + 1);
      return std::nullopt;
    }
  }
  return grid;
}

PuzzleList CollectPuzzles(std::string_view operand, std::string_view content, std::FILE* err) {
  PuzzleList list;
  const std::string name = DisplayName(operand);

  const files::PuzzleRead read = files::ReadPuzzle(name, content);
  if (read.ok() && read.shape != files::FileShape::Line81) {
    list.puzzles.push_back(read.clues);
    return list;
  }
  // An .sdk file whose grid is cut short is not a file of lines either;
  // reporting each of its lines would only hide the real problem.
  if (!read.ok() && files::HasSdkExtension(name) && content.size() <= files::kMaxPuzzleFileSize) {
    Complain(err, name + ": Unknown file format");
    list.clean = false;
    return list;
  }

  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  const std::vector<std::string_view> lines = files::SplitLines(content);
  list.puzzles.reserve(lines.size());
  std::string problem;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (auto grid = ParsePuzzleLine(line, problem)) {
      list.puzzles.push_back(*grid);
    } else {
      Complain(err, name + ":" + std::to_string(i + 1) + ": " + problem);
      list.clean = false;
    }
  }
  return list;
}

}  // namespace zentaro::cli
