// The mark-up and fixed-pitch passes on any text: every span and the block
// must stay inside the lines they describe.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "hints/Markup.h"

namespace {

void Check(const zentaro::hints::RenderedHint& hint) {
  int total = 0;
  for (const std::string& line : hint.lines) total += static_cast<int>(line.size()) + 2;
  for (const auto& span : hint.spans) {
    if (span.length <= 0 || span.line < 0 || span.line >= static_cast<int>(hint.lines.size()) ||
        span.column < 0 ||
        span.column + span.length > static_cast<int>(hint.lines[span.line].size()))
      std::abort();
  }
  if (hint.fixedPitch && (hint.fixedPitch->start < 0 || hint.fixedPitch->length < 0 ||
                          hint.fixedPitch->start + hint.fixedPitch->length > total))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n')
      lines.emplace_back();
    else
      lines.back().push_back(static_cast<char>(data[i]));
  }
  Check(zentaro::hints::RenderHintText(lines, false));
  Check(zentaro::hints::RenderHintText(lines, true));
  return 0;
}
