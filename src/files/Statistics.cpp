#include "files/Statistics.h"

#include <charconv>
#include <limits>

#include "files/SdkFile.h"

namespace zentaro::files {
namespace {

constexpr std::string_view kHeader =
    "# Zentaro solved puzzles 1: date level seconds hints concrete solution";
constexpr int kMaxSeconds = 359999;
constexpr int kMaxCount = std::numeric_limits<int>::max();

bool ParseInt(std::string_view text, int maximum, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty() && value >= 0 && value <= maximum;
}

bool IsDate(std::string_view d) {
  if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (d[i] < '0' || d[i] > '9') return false;
  return true;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t space = line.find(' ', start);
    const std::size_t end = space == std::string_view::npos ? line.size() : space;
    fields.push_back(line.substr(start, end - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return fields;
}

}  // namespace

std::string FormatStatistics(const std::vector<SolvedRecord>& records) {
  std::string text(kHeader);
  text += '\n';
  for (const SolvedRecord& r : records) {
    text += (IsDate(r.date) ? r.date : std::string("0000-00-00")) + ' ' + std::to_string(r.level) +
            ' ' + std::to_string(r.seconds) + ' ' + std::to_string(r.generalHints) + ' ' +
            std::to_string(r.concreteHints) + ' ' + std::to_string(r.solutionViewed) + '\n';
  }
  return text;
}

std::optional<std::vector<SolvedRecord>> ParseStatistics(std::string_view text) {
  std::vector<SolvedRecord> records;
  for (const std::string_view line : SplitLines(text)) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> f = Fields(line);
    if (f.size() != 6 || !IsDate(f[0])) return std::nullopt;
    SolvedRecord r;
    r.date = std::string(f[0]);
    if (!ParseInt(f[1], 5, r.level) || !ParseInt(f[2], kMaxSeconds, r.seconds) ||
        !ParseInt(f[3], kMaxCount, r.generalHints) || !ParseInt(f[4], kMaxCount, r.concreteHints) ||
        !ParseInt(f[5], kMaxCount, r.solutionViewed))
      return std::nullopt;
    records.push_back(std::move(r));
  }
  return records;
}

LevelSummaries SummariseByLevel(const std::vector<SolvedRecord>& records) {
  LevelSummaries sums{};
  std::array<long long, 6> totals{};
  for (const SolvedRecord& r : records) {
    LevelSummary& s = sums[static_cast<std::size_t>(r.level)];
    ++s.solved;
    if (r.WithoutHelp()) ++s.withoutHelp;
    if (r.solutionViewed != 0) continue;
    if (s.timed == 0 || r.seconds < s.bestSeconds) s.bestSeconds = r.seconds;
    ++s.timed;
    totals[static_cast<std::size_t>(r.level)] += r.seconds;
  }
  for (std::size_t level = 0; level < sums.size(); ++level)
    if (sums[level].timed > 0)
      sums[level].averageSeconds =
          static_cast<int>((totals[level] + sums[level].timed / 2) / sums[level].timed);
  return sums;
}

bool IsNewBest(const std::vector<SolvedRecord>& earlier, const SolvedRecord& record) {
  if (record.solutionViewed != 0 || record.level < 0 || record.level > 5) return false;
  const LevelSummary before = SummariseByLevel(earlier)[static_cast<std::size_t>(record.level)];
  return before.timed > 0 && record.seconds < before.bestSeconds;
}

}  // namespace zentaro::files
