#include "files/SdkFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "core/StringTable.h"

namespace zentaro::files {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEol = "\r\n";

char AsciiLower(char ch) {
  return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// Index of the first line that is the header, compared as a whole line
// without regard to case; -1 when there is none.
int FindHeader(const std::vector<std::string_view>& lines, std::string_view header) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (EqualsNoCase(lines[i], header)) return static_cast<int>(i);
  return -1;
}

core::DigitGrid GridFromLines(const std::vector<std::string_view>& lines, std::size_t first) {
  core::DigitGrid grid{};
  for (int r = 0; r < 9; ++r) {
    const std::string_view line = lines[first + r];
    const std::size_t width = line.size() < 9 ? line.size() : 9;
    for (std::size_t c = 0; c < width; ++c) grid[9 * r + c] = DigitOfChar(line[c]);
  }
  return grid;
}

// First line i of length nine where lines i + 1 and i + 8 are nine long too;
// the lines between are deliberately not measured.
int FindNineLineBlock(const std::vector<std::string_view>& lines) {
  for (std::size_t i = 0; i + 8 < lines.size(); ++i)
    if (lines[i].size() == 9 && lines[i + 1].size() == 9 && lines[i + 8].size() == 9)
      return static_cast<int>(i);
  return -1;
}

// The state section is only trusted when it is exactly what the writer
// produces and keeps every clue; anything else is dropped so that a damaged
// file still opens as the bare puzzle.
std::optional<core::DigitGrid> ParseState(const std::vector<std::string_view>& lines,
                                          const core::DigitGrid& clues) {
  const int header = FindHeader(lines, "[State]");
  if (header < 0 || lines.size() - static_cast<std::size_t>(header) - 1 < 9) return std::nullopt;
  core::DigitGrid state{};
  for (int r = 0; r < 9; ++r) {
    const std::string_view line = lines[header + 1 + r];
    if (line.size() != 9) return std::nullopt;
    for (int c = 0; c < 9; ++c) {
      const char ch = line[c];
      if (ch != '.' && ch != ' ' && (ch < '0' || ch > '9')) return std::nullopt;
      state[9 * r + c] = DigitOfChar(ch);
    }
  }
  for (int i = 0; i < 81; ++i)
    if (clues[i] != 0 && state[i] != clues[i]) return std::nullopt;
  return state;
}

std::optional<std::uint16_t> ParseMarkField(std::string_view field) {
  std::uint16_t bits = 0;
  for (char ch : field) {
    const std::uint8_t d = DigitOfChar(ch);
    if (d == 0) return std::nullopt;
    const auto bit = static_cast<std::uint16_t>(1u << d);
    if (bits & bit) return std::nullopt;
    bits |= bit;
  }
  return bits;
}

std::optional<MarkGrid> ParseMarks(const std::vector<std::string_view>& lines,
                                   const core::DigitGrid& digits) {
  const int header = FindHeader(lines, "[PencilMarks]");
  if (header < 0 || lines.size() - static_cast<std::size_t>(header) - 1 < 9) return std::nullopt;
  MarkGrid marks{};
  for (int r = 0; r < 9; ++r) {
    std::string_view rest = lines[header + 1 + r];
    for (int c = 0; c < 9; ++c) {
      const std::size_t comma = rest.find(',');
      const bool last = c == 8;
      if (last != (comma == std::string_view::npos)) return std::nullopt;
      const auto bits = ParseMarkField(last ? rest : rest.substr(0, comma));
      if (!bits) return std::nullopt;
      // A filled cell has no marks, whatever the file says.
      marks[9 * r + c] = digits[9 * r + c] == 0 ? *bits : 0;
      if (!last) rest.remove_prefix(comma + 1);
    }
  }
  return marks;
}

PuzzleRead Failed(std::string_view fileName, ReadFailure failure) {
  PuzzleRead read;
  read.fileName = std::string(fileName);
  read.failure = failure;
  return read;
}

std::string TempNameSuffix() {
  std::uint64_t value = 0;
  try {
    std::random_device device;
    value = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  } catch (const std::exception&) {
    // No random device on this system: the clock below still makes the name.
  }
  value ^= static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  char buf[32];
  std::snprintf(buf, sizeof buf, ".%016llx.tmp", static_cast<unsigned long long>(value));
  return buf;
}

// Follows a chain of symbolic links to the file they end at, which need not
// exist yet (a dangling link names the file a save creates). Gives up after
// as many hops as the system allows and keeps the last name reached.
fs::path ResolveLinks(fs::path path) {
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The fallback when no temporary file can stand beside the target: the text
// goes over the old bytes and the file is cut to its new length. The file's
// identity, links and permissions stay; a failure halfway cannot be undone.
bool WriteInPlace(const fs::path& target, std::string_view text) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 &&
            ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  return ok;
}

}  // namespace

// The extension is what follows the last dot of the last path component, so
// both separators count: the name may come from either platform's dialog.
bool HasSdkExtension(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of("/\\");
  const std::string_view base =
      slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = base.rfind('.');
  return dot != std::string_view::npos && EqualsNoCase(base.substr(dot), ".sdk");
}

std::string FormatMarksLine(const core::Board& board, int row) {
  std::string line;
  for (int col = 1; col <= 9; ++col) {
    if (col > 1) line += ',';
    const core::Cell& cell = board.at(col, row);
    if (cell[core::kDigit] != 0) continue;
    for (int d = 1; d <= 9; ++d)
      if (cell.HasCandidate(d)) line += static_cast<char>('0' + d);
  }
  return line;
}

std::string FormatSdk(const core::Board& board, const core::DigitGrid& clues, bool includeState,
                      bool includeMarks) {
  auto digitChar = [&](int col, int row) {
    const int d = board.at(col, row)[core::kDigit];
    return d >= 1 && d <= 9 ? static_cast<char>('0' + d) : '.';
  };

  std::string text;
  text.reserve(512);
  auto addLine = [&](std::string_view line) {
    text += line;
    text += kEol;
  };

  addLine("[Software]");
  addLine(std::string("Program: ").append(core::kAppTitle));
  addLine(std::string("Web site: ").append(kWebAddress));
  addLine("");
  addLine("");
  addLine("[Puzzle]");
  for (int row = 1; row <= 9; ++row) {
    std::string line(9, '.');
    for (int col = 1; col <= 9; ++col)
      if (clues[core::GridIndex(col, row)] != 0) line[col - 1] = digitChar(col, row);
    addLine(line);
  }

  bool hasEntry = false;
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col)
      if (clues[core::GridIndex(col, row)] == 0 && board.at(col, row)[core::kDigit] != 0)
        hasEntry = true;
  if (includeState && hasEntry) {
    addLine("[State]");
    for (int row = 1; row <= 9; ++row) {
      std::string line(9, '.');
      for (int col = 1; col <= 9; ++col) line[col - 1] = digitChar(col, row);
      addLine(line);
    }
  }

  bool anyMark = false;
  core::CheckMarks(board, anyMark);
  if (includeMarks && anyMark) {
    addLine("[PencilMarks]");
    for (int row = 1; row <= 9; ++row) addLine(FormatMarksLine(board, row));
  }
  return text;
}

bool WriteTextFile(const fs::path& path, std::string_view text) {
  if (path.filename().empty()) return false;
  // Saving replaces what the file holds, not the file: through a symbolic
  // link the file it points at gets the new text and the link stays a link.
  const fs::path target = ResolveLinks(path);

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode)) return false;
    // A file the user may not write stays as it is, even though the folder
    // would let a rename put a new one in its place.
    if (::access(target.c_str(), W_OK) != 0) return false;
    // Renaming over a file with several names would split them apart.
    if (old.st_nlink > 1) return WriteInPlace(target, text);
  } else if (errno != ENOENT) {
    return false;
  }

  const fs::path temp = target.parent_path() / (target.filename().string() + TempNameSuffix());
  const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) {
    // A folder that takes no new files may still hold a file that can be
    // written: then the file is rewritten where it is.
    const int err = errno;
    if (exists && (err == EACCES || err == EPERM || err == EROFS || err == ENOSPC))
      return WriteInPlace(target, text);
    return false;
  }
  if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Someone else's file that this user may write: a new file would change
    // its owner, so the old one is rewritten instead.
    ::close(fd);
    ::unlink(temp.c_str());
    return WriteInPlace(target, text);
  }
  // The umask must neither narrow nor widen what the old file allowed.
  bool ok = (!exists || ::fchmod(fd, mode) == 0) && WriteAll(fd, text);
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool WritePuzzleFile(const fs::path& path, const core::Board& board, const core::DigitGrid& clues,
                     bool includeState, bool includeMarks) {
  return WriteTextFile(path, FormatSdk(board, clues, includeState, includeMarks));
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  return lines;
}

PuzzleRead ReadPuzzle(std::string_view fileName, std::string_view content) {
  if (content.size() > kMaxPuzzleFileSize) return Failed(fileName, ReadFailure::UnknownFormat);
  // Editors that save "UTF-8 with signature" put three bytes before the first
  // line; without stripping them an 81-character first line would measure 84.
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);

  const std::vector<std::string_view> lines = SplitLines(content);
  if (lines.empty()) return Failed(fileName, ReadFailure::UnknownFormat);

  PuzzleRead read;
  read.fileName = std::string(fileName);

  const int puzzleHeader = HasSdkExtension(fileName) ? FindHeader(lines, "[Puzzle]") : -1;
  if (puzzleHeader >= 0) {
    const std::size_t first = static_cast<std::size_t>(puzzleHeader) + 1;
    if (lines.size() - first < 9) return Failed(fileName, ReadFailure::UnknownFormat);
    read.shape = FileShape::Sdk;
    read.clues = GridFromLines(lines, first);
    read.marksLinePresent = FindHeader(lines, "[PencilMarks]") >= 0;
    read.state = ParseState(lines, read.clues);
    read.marks = ParseMarks(lines, read.state ? *read.state : read.clues);
    return read;
  }

  if (const int block = FindNineLineBlock(lines); block >= 0) {
    read.shape = FileShape::NineLines;
    read.clues = GridFromLines(lines, static_cast<std::size_t>(block));
    return read;
  }

  if (lines.front().size() == 81) {
    read.shape = FileShape::Line81;
    for (int i = 0; i < 81; ++i) read.clues[i] = DigitOfChar(lines.front()[i]);
    return read;
  }

  return Failed(fileName, ReadFailure::UnknownFormat);
}

PuzzleRead ReadPuzzle(const fs::path& path) {
  const std::string name = path.string();
  std::error_code ec;
  if (fs::is_directory(path, ec)) return Failed(name, ReadFailure::ReadError);
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failed(name, ReadFailure::ReadError);

  // Read at most one byte past the limit: enough to know the file is too big
  // without pulling all of it in (and it also works for pipes and devices,
  // whose size the file system cannot tell).
  std::string content(kMaxPuzzleFileSize + 1, '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (in.bad()) return Failed(name, ReadFailure::ReadError);
  content.resize(static_cast<std::size_t>(in.gcount()));
  if (content.size() > kMaxPuzzleFileSize) {
    // Every shape sits near the top (the first line, the first nine-line
    // block, the sections of a saved game), so a large collection is read
    // from its first megabyte, cut after its last whole line. Without a line
    // break in it the file is no text this program reads.
    content.resize(kMaxPuzzleFileSize);
    const std::size_t lastBreak = content.find_last_of("\r\n");
    if (lastBreak == std::string::npos) return Failed(name, ReadFailure::UnknownFormat);
    content.resize(lastBreak + 1);
  }
  return ReadPuzzle(name, content);
}

core::Board RestoredBoard(const PuzzleRead& read) {
  const core::DigitGrid& digits = read.state ? *read.state : read.clues;
  core::Board board;
  core::LoadDigits(digits, board);
  if (!read.marks) return board;
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      core::Cell& cell = board.at(col, row);
      const std::uint16_t bits = (*read.marks)[core::GridIndex(col, row)];
      if (cell[core::kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d)
        if ((bits >> d) & 1) cell.AddCandidate(d);
    }
  return board;
}

}  // namespace zentaro::files
