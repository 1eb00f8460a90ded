// The statistics reader on any bytes: an accepted file sums without
// overflow and is written back as it was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/Statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto records = files::ParseStatistics(text);
  if (!records) return 0;
  for (const files::LevelSummary& s : files::SummariseByLevel(*records))
    if (s.solved < 0 || s.withoutHelp > s.solved || s.bestSeconds > s.averageSeconds ||
        s.averageSeconds > 359999)
      std::abort();
  if (files::ParseStatistics(files::FormatStatistics(*records)) != records) std::abort();
  return 0;
}
