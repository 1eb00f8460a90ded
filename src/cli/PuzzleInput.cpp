#include "cli/PuzzleInput.h"

#include <cerrno>
#include <cstring>

#include "cli/Cli.h"
#include "files/SdkFile.h"

namespace zentaro::cli {
namespace {

// Lines the way files::SplitLines cuts them (CRLF, LF or a lone CR ends a
// line; a line end at the very end adds no empty line), one at a time.
class LineReader {
 public:
  enum class Result { Line, End, TooLong, Error };

  explicit LineReader(std::FILE* file) : file_(file) {}

  Result Next(std::string& line) {
    line.clear();
    int ch = std::getc(file_);
    if (afterCr_ && ch == '\n') ch = std::getc(file_);
    afterCr_ = false;
    if (ch == EOF) return std::ferror(file_) ? Result::Error : Result::End;
    ++number_;
    while (ch != EOF && ch != '\n' && ch != '\r') {
      if (line.size() == kMaxLineLength) return Result::TooLong;
      line.push_back(static_cast<char>(ch));
      ch = std::getc(file_);
    }
    afterCr_ = ch == '\r';
    if (ch == EOF && std::ferror(file_)) return Result::Error;
    return Result::Line;
  }

  // The number of the line last returned (or refused), from 1.
  std::size_t Number() const { return number_; }

 private:
  std::FILE* file_;
  std::size_t number_ = 0;
  bool afterCr_ = false;
};

// An open operand, closed again unless it is standard input.
class Input {
 public:
  Input(std::string_view operand, std::FILE* err) {
    if (operand == "-") {
      file_ = stdin;
      return;
    }
    const std::string name(operand);
    file_ = std::fopen(name.c_str(), "rb");
    if (file_ == nullptr) Complain(err, name + ": cannot open: " + std::strerror(errno));
    owned_ = file_ != nullptr;
  }
  ~Input() {
    if (owned_) std::fclose(file_);
  }
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  std::FILE* file() const { return file_; }

 private:
  std::FILE* file_ = nullptr;
  bool owned_ = false;
};

// Says what stopped the reading; true when it was the end of the input.
bool ReportEnd(LineReader::Result result, const LineReader& reader, const std::string& name,
               std::FILE* err) {
  if (result == LineReader::Result::TooLong) {
    Complain(err, name + ":" + std::to_string(reader.Number()) + ": line longer than " +
                      std::to_string(kMaxLineLength) + " characters");
    return false;
  }
  if (result == LineReader::Result::Error) {
    Complain(err, name + ": read error: " + std::strerror(errno));
    return false;
  }
  return true;
}

// One line of a file of 81-character lines: blank and '#' lines are skipped,
// anything else is a puzzle or reported as the line it is.
bool TakePuzzleLine(std::string_view line, std::size_t number, const std::string& name,
                    std::FILE* err, std::vector<core::DigitGrid>& puzzles) {
  if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return true;
  std::string problem;
  if (auto grid = ParsePuzzleLine(line, problem)) {
    puzzles.push_back(*grid);
    return true;
  }
  Complain(err, name + ":" + std::to_string(number) + ": " + problem);
  return false;
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
  const Input input(operand, err);
  if (input.file() == nullptr) return std::nullopt;
  const std::string name = DisplayName(operand);
  LineReader reader(input.file());
  std::string content, line;
  LineReader::Result result;
  while ((result = reader.Next(line)) == LineReader::Result::Line) {
    if (content.size() + line.size() >= kMaxHeadSize) {
      Complain(err, name + ": too large; this command reads files of up to " +
                        std::to_string(kMaxHeadSize / (1024 * 1024)) + " MiB");
      return std::nullopt;
    }
    content.append(line).push_back('\n');
  }
  if (!ReportEnd(result, reader, name, err)) return std::nullopt;
  return content;
}

bool ForEachPuzzle(const std::vector<std::string_view>& operands, std::FILE* err,
                   const std::function<void(const core::DigitGrid&)>& onPuzzle) {
  bool clean = true;
  for (const std::string_view operand : operands) {
    const Input input(operand, err);
    if (input.file() == nullptr) {
      clean = false;
      continue;
    }
    const std::string name = DisplayName(operand);
    LineReader reader(input.file());

    // A file small enough to be one puzzle (an .sdk file, a grid of nine
    // lines) is read whole first; anything longer is a file of lines, and
    // goes on a line at a time.
    std::vector<std::string> head;
    std::size_t headSize = 0;
    std::string line;
    LineReader::Result result;
    while ((result = reader.Next(line)) == LineReader::Result::Line) {
      headSize += line.size() + 1;
      head.push_back(line);
      if (headSize > files::kMaxPuzzleFileSize) break;
    }
    if (result == LineReader::Result::End) {
      std::string content;
      content.reserve(headSize);
      for (const std::string& l : head) content.append(l).push_back('\n');
      const PuzzleList list = CollectPuzzles(operand, content, err);
      if (!list.clean) clean = false;
      for (const core::DigitGrid& puzzle : list.puzzles) onPuzzle(puzzle);
      continue;
    }

    bool linesClean = true;
    bool any = false;
    std::vector<core::DigitGrid> puzzles;
    auto take = [&](std::string_view text, std::size_t number) {
      if (!TakePuzzleLine(text, number, name, err, puzzles)) linesClean = false;
      for (const core::DigitGrid& puzzle : puzzles) onPuzzle(puzzle);
      any = any || !puzzles.empty();
      puzzles.clear();
    };
    for (std::size_t i = 0; i < head.size(); ++i) take(head[i], i + 1);
    head.clear();
    head.shrink_to_fit();
    if (result == LineReader::Result::Line)
      while ((result = reader.Next(line)) == LineReader::Result::Line) take(line, reader.Number());
    if (!ReportEnd(result, reader, name, err)) linesClean = false;
    if (!any && linesClean) Complain(err, name + ": Unknown file format");
    if (!any || !linesClean) clean = false;
  }
  return clean;
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

  const std::vector<std::string_view> lines = files::SplitLines(content);
  list.puzzles.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!TakePuzzleLine(lines[i], i + 1, name, err, list.puzzles)) list.clean = false;
  if (list.puzzles.empty() && list.clean) {
    Complain(err, name + ": Unknown file format");
    list.clean = false;
  }
  return list;
}

}  // namespace zentaro::cli
