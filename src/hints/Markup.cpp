#include "hints/Markup.h"

#include <cstddef>
#include <vector>

namespace zentaro::hints {

namespace {

bool IsMarker(char ch) {
  return ch == kBoldMarker || ch == kColourMarker;
}

struct LineSpan {
  std::size_t open;   // position of the opening marker in the raw line
  std::size_t close;  // position of the closing marker
  bool bold;
  bool coloured;
};

// Start offsets of every line, the line break counting as two characters.
std::vector<int> LineOffsets(const std::vector<std::string>& lines) {
  std::vector<int> offsets;
  offsets.reserve(lines.size());
  int offset = 0;
  for (const std::string& line : lines) {
    offsets.push_back(offset);
    offset += static_cast<int>(line.size()) + 2;
  }
  return offsets;
}

}  // namespace

MarkupResult RenderHintMarkup(const std::vector<std::string>& lines) {
  MarkupResult result;
  result.lines.reserve(lines.size());
  int lineStart = 0;
  for (std::size_t lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
    const std::string& raw = lines[lineIndex];
    std::vector<LineSpan> spans;
    std::size_t loneOpener = std::string::npos;
    // The last character can close a span but never opens one.
    std::size_t p = 0;
    while (p + 1 < raw.size()) {
      if (!IsMarker(raw[p])) {
        ++p;
        continue;
      }
      std::size_t q = p + 1;
      while (q < raw.size() && !IsMarker(raw[q])) ++q;
      if (q == raw.size()) {
        // No marker follows, so no later position can open anything either.
        loneOpener = p;
        break;
      }
      spans.push_back({p, q, raw[p] == kBoldMarker || raw[q] == kBoldMarker,
                       raw[p] == kColourMarker || raw[q] == kColourMarker});
      p = q + 1;
    }

    std::string stripped;
    stripped.reserve(raw.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      const bool isSpanMarker =
          next < spans.size() && (i == spans[next].open || i == spans[next].close);
      if (isSpanMarker) {
        if (i == spans[next].close) ++next;
        continue;
      }
      if (i == loneOpener) continue;
      stripped.push_back(raw[i]);
    }

    for (std::size_t k = 0; k < spans.size(); ++k) {
      const int length = static_cast<int>(spans[k].close - spans[k].open) - 1;
      if (length == 0) continue;
      const int column = static_cast<int>(spans[k].open) - 2 * static_cast<int>(k);
      result.spans.push_back({lineStart + column, length, static_cast<int>(lineIndex), column,
                              spans[k].bold, spans[k].coloured});
    }
    lineStart += static_cast<int>(stripped.size()) + 2;
    result.lines.push_back(std::move(stripped));
  }
  return result;
}

FixedPitchResult SetFixedPitchBlock(const std::vector<std::string>& lines) {
  FixedPitchResult result;
  result.lines = lines;
  std::size_t opener = 0;
  while (opener < lines.size() && lines[opener] != std::string(1, kFixedPitchOpener)) ++opener;
  if (opener == lines.size()) return result;

  result.lines[opener].clear();
  const std::vector<int> offsets = LineOffsets(result.lines);
  const int start = offsets[opener];

  // The block reaches to the first closer character after the opener line;
  // a text that lacks one stays fixed-pitch to its end.
  int end = offsets.back() + static_cast<int>(result.lines.back().size());
  int lastLine = static_cast<int>(result.lines.size()) - 1;
  for (std::size_t i = opener; i < result.lines.size(); ++i) {
    const std::size_t column = result.lines[i].find(kFixedPitchCloser);
    if (column == std::string::npos) continue;
    end = offsets[i] + static_cast<int>(column);
    lastLine = column > 0 ? static_cast<int>(i) : static_cast<int>(i) - 1;
    break;
  }
  for (std::size_t i = opener + 1; i < result.lines.size(); ++i) {
    if (result.lines[i] == std::string(1, kFixedPitchCloser)) {
      result.lines[i].clear();
      break;
    }
  }
  result.range = TextRange{start, end - start};
  result.firstLine = static_cast<int>(opener);
  result.lastLine = lastLine;
  return result;
}

RenderedHint RenderHintText(const std::vector<std::string>& lines, bool fixedPitchBlock) {
  MarkupResult markup = RenderHintMarkup(lines);
  RenderedHint rendered;
  rendered.spans = std::move(markup.spans);
  if (!fixedPitchBlock) {
    rendered.lines = std::move(markup.lines);
    return rendered;
  }
  FixedPitchResult block = SetFixedPitchBlock(markup.lines);
  rendered.lines = std::move(block.lines);
  rendered.fixedPitch = block.range;
  rendered.fixedFirstLine = block.firstLine;
  rendered.fixedLastLine = block.lastLine;
  // A span that formatted a marker itself ("&$&") lost its text with the
  // emptied line and goes too.
  std::erase_if(rendered.spans, [&](const MarkupSpan& span) {
    return span.column + span.length > static_cast<int>(rendered.lines[span.line].size());
  });
  // The emptied marker lines are one character shorter, so the spans after
  // them move; their line and column did not.
  const std::vector<int> offsets = LineOffsets(rendered.lines);
  for (MarkupSpan& span : rendered.spans) span.start = offsets[span.line] + span.column;
  return rendered;
}

}  // namespace zentaro::hints
