#include "files/KeptGame.h"

#include <charconv>
#include <limits>
#include <vector>

#include "files/SdkFile.h"

namespace zentaro::files {
namespace {

constexpr std::string_view kHeader = "[Zentaro kept game 1]";
constexpr std::string_view kGameLine = "[Game]";
constexpr std::string_view kEndLine = "[End]";
constexpr std::string_view kEol = "\r\n";

// The clock wraps after 99:59:59.
constexpr int kMaxSeconds = 359999;
constexpr int kMaxCount = std::numeric_limits<int>::max();

struct Field {
  std::string_view key;
  int KeptGame::*member;
  int maximum;
};

constexpr Field kFields[] = {
    {"Entry", &KeptGame::collectionEntry, kMaxCount},
    {"Seconds", &KeptGame::elapsedSeconds, kMaxSeconds},
    {"Level", &KeptGame::level, 5},
    {"GeneralHints", &KeptGame::generalHints, kMaxCount},
    {"ConcreteHints", &KeptGame::concreteHints, kMaxCount},
    {"SolutionViewed", &KeptGame::solutionViewed, kMaxCount},
    {"CandidatesCalculated", &KeptGame::candidatesCalculated, kMaxCount},
};

std::optional<int> ParseCount(std::string_view text, int maximum) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty() || value < 0 || value > maximum)
    return std::nullopt;
  return value;
}

// A line break inside the name would end its line early.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::erase_if(line, [](char ch) { return ch == '\r' || ch == '\n'; });
  return line;
}

}  // namespace

std::string FormatKeptGame(const KeptGame& game) {
  std::string text(kHeader);
  text += kEol;
  text += "File=" + OneLine(game.fileName);
  text += kEol;
  for (const Field& f : kFields) {
    text += std::string(f.key) + "=" + std::to_string(game.*f.member);
    text += kEol;
  }
  text += kGameLine;
  text += kEol;
  text += game.sdk;
  if (!game.sdk.empty() && game.sdk.back() != '\n') text += kEol;
  text += kEndLine;
  text += kEol;
  return text;
}

std::optional<KeptGame> ParseKeptGame(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  // Header, file, the fields, "[Game]", at least the .sdk text's puzzle, "[End]".
  const std::size_t fieldCount = std::size(kFields);
  if (lines.size() < fieldCount + 4 || lines.front() != kHeader || lines.back() != kEndLine)
    return std::nullopt;
  // The end line must be the last thing written, its line break included.
  if (!text.ends_with(kEol)) return std::nullopt;

  KeptGame game;
  if (!lines[1].starts_with("File=")) return std::nullopt;
  game.fileName = std::string(lines[1].substr(5));
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const Field& f = kFields[i];
    const std::string_view line = lines[2 + i];
    if (line.size() <= f.key.size() || !line.starts_with(f.key) || line[f.key.size()] != '=')
      return std::nullopt;
    const auto value = ParseCount(line.substr(f.key.size() + 1), f.maximum);
    if (!value) return std::nullopt;
    game.*f.member = *value;
  }
  if (lines[2 + fieldCount] != kGameLine) return std::nullopt;
  for (std::size_t i = 3 + fieldCount; i + 1 < lines.size(); ++i) {
    game.sdk.append(lines[i]);
    game.sdk += kEol;
  }
  const PuzzleRead read = ReadPuzzle("kept.sdk", game.sdk);
  if (!read.ok() || read.shape != FileShape::Sdk) return std::nullopt;
  return game;
}

}  // namespace zentaro::files
