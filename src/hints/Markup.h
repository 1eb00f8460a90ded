#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentaro::hints {

// Mark-up characters of the explanation texts.
inline constexpr char kBoldMarker = '&';
inline constexpr char kColourMarker = '@';
inline constexpr char kFixedPitchOpener = '$';
inline constexpr char kFixedPitchCloser = '%';

struct Rgb {
  int red, green, blue;
  bool operator==(const Rgb&) const = default;
};

// The colour every explanation gives to its @-spans: pale blue-white, standing
// out against the grey box and its aqua text.
inline constexpr Rgb kHintHighlightColour{238, 238, 255};

// A formatted run of the stripped text. `start` is the offset in the whole
// text where each line break counts as two characters (the rich-text box's
// own counting); `line` and `column` (0-based) locate the same run for a
// consumer that counts differently. A span never crosses a line end and never
// has length 0 (an empty pair formats nothing and is not reported).
struct MarkupSpan {
  int start = 0;
  int length = 0;
  int line = 0;
  int column = 0;
  bool bold = false;
  bool coloured = false;

  bool operator==(const MarkupSpan&) const = default;
};

struct MarkupResult {
  std::vector<std::string> lines;  // marker characters removed
  std::vector<MarkupSpan> spans;   // in text order
};

// The mark-up pass: each line is scanned for pairs of markers (& or @) that
// form a span, the markers of every span are removed, and the spans are
// reported against the stripped lines. A marker that opens nothing is removed;
// a marker in the last position that closes nothing stays in the text.
MarkupResult RenderHintMarkup(const std::vector<std::string>& lines);

// A character range of the text, counted as in MarkupSpan::start.
struct TextRange {
  int start = 0;
  int length = 0;
  bool operator==(const TextRange&) const = default;
};

struct FixedPitchResult {
  std::vector<std::string> lines;     // the "$" and "%" lines replaced by empty lines
  std::optional<TextRange> range;     // shown in the fixed-pitch font; none without a "$" line
  int firstLine = -1, lastLine = -1;  // the lines of the range (0-based, inclusive), -1 without
};

// The fixed-pitch block pass: from the first line that is exactly "$" up to
// (not including) the first "%" character after it. Both marker lines become
// empty, which keeps every later line at the same line index.
FixedPitchResult SetFixedPitchBlock(const std::vector<std::string>& lines);

// What the hint window shows for one stage: the mark-up pass and, when asked,
// the block pass, with every offset valid for the final lines.
struct RenderedHint {
  std::vector<std::string> lines;
  std::vector<MarkupSpan> spans;
  std::optional<TextRange> fixedPitch;
  int fixedFirstLine = -1, fixedLastLine = -1;
};
RenderedHint RenderHintText(const std::vector<std::string>& lines, bool fixedPitchBlock);

}  // namespace zentaro::hints
