#include "hints/Markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::hints {
namespace {

struct LineCase {
  const char* name;
  std::string line;
  std::string shown;
  std::vector<MarkupSpan> spans;
};

class MarkupLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(MarkupLineTest, StripsMarkersAndFormatsTheEnclosedText) {
  const LineCase& c = GetParam();
  const MarkupResult result = RenderHintMarkup({c.line});
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0], c.shown);
  EXPECT_EQ(result.spans, c.spans);
}

// Spans are written {start, length, line, column, bold, coloured}.
INSTANTIATE_TEST_SUITE_P(
    Lines, MarkupLineTest,
    ::testing::Values(
        LineCase{"AdjacentMarkersFormatNothing", "ab&&cd@@e", "abcde", {}},
        LineCase{"ClosingColourMarkerOpensNothing", "x &a@b", "x ab", {{2, 1, 0, 2, true, true}}},
        LineCase{"LastCharacterMarkerStays", "end&", "end&", {}},
        LineCase{
            "LastCharacterAfterCompletePairsStays", "a&b&c@", "abc@", {{1, 1, 0, 1, true, false}}},
        LineCase{"LoneOpenerIsRemoved", "a &b c", "a b c", {}},
        LineCase{"BoldBeforeFullStopAfterPairsIsRemoved",
                 "@5@ and 7&.",
                 "5 and 7.",
                 {{0, 1, 0, 0, false, true}}},
        LineCase{
            "MixedPairInEitherOrderIsBoldAndColoured",
            "The cell @B4& and @C5&; &D6@",
            "The cell B4 and C5; D6",
            {{9, 2, 0, 9, true, true}, {16, 2, 0, 16, true, true}, {20, 2, 0, 20, true, true}}},
        LineCase{"ConclusionLineIsBoldThenPlainThenBoth",
                 "&Conclusion:   B4 =& @5&",
                 "Conclusion:   B4 = 5",
                 {{0, 18, 0, 0, true, false}, {19, 1, 0, 19, true, true}}},
        LineCase{"ChainConclusionWithoutClosingMarkerLeavesDigitPlain",
                 "&Conclusion:   C5 =& @6",
                 "Conclusion:   C5 = 6",
                 {{0, 18, 0, 0, true, false}}},
        LineCase{"LineWithoutMarkersIsUnchanged", "plain text.", "plain text.", {}},
        LineCase{"EmptyLine", "", "", {}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(MarkupTest, OffsetsCountTwoCharactersPerLineBreak) {
  const MarkupResult result = RenderHintMarkup({"&ab&", "x @cd@", "", "&e@f"});
  EXPECT_EQ(result.lines, (std::vector<std::string>{"ab", "x cd", "", "ef"}));
  // Stripped lengths 2, 4, 0: the lines start at 0, 4, 10 and 12.
  EXPECT_EQ(result.spans,
            (std::vector<MarkupSpan>{
                {0, 2, 0, 0, true, false}, {6, 2, 1, 2, false, true}, {12, 1, 3, 0, true, true}}));
}

TEST(MarkupTest, SpansOfLaterLinesEncloseExactlyTheirWords) {
  const std::vector<std::string> lines{"The cell @B4& has only one candidate.",
                                       "Only the &digit& @5@ fits.", "&Conclusion:   B4 =& @5&"};
  const MarkupResult result = RenderHintMarkup(lines);
  std::string text;
  for (const std::string& line : result.lines) text += line + "\r\n";
  std::vector<std::string> enclosed;
  for (const MarkupSpan& span : result.spans)
    enclosed.push_back(text.substr(span.start, span.length));
  EXPECT_EQ(enclosed, (std::vector<std::string>{"B4", "digit", "5", "Conclusion:   B4 =", "5"}));
}

TEST(FixedPitchBlockTest, CoversFromTheOpenerLineToTheCloserAndEmptiesBoth) {
  const FixedPitchResult result =
      SetFixedPitchBlock({"intro", "$", "  if", "   A1=3", "%", "after"});
  EXPECT_EQ(result.lines, (std::vector<std::string>{"intro", "", "  if", "   A1=3", "", "after"}));
  // The opener line starts at 7; the closer stood at 7 + 0 + 2 + 4 + 2 + 7 + 2 = 24.
  ASSERT_TRUE(result.range.has_value());
  EXPECT_EQ(*result.range, (TextRange{7, 17}));
  EXPECT_EQ(result.firstLine, 1);
  EXPECT_EQ(result.lastLine, 3);
}

TEST(FixedPitchBlockTest, TextWithoutOpenerLineStaysProportional) {
  const std::vector<std::string> lines{"a $ inside", "%", "$x"};
  const FixedPitchResult result = SetFixedPitchBlock(lines);
  EXPECT_EQ(result.lines, lines);
  EXPECT_FALSE(result.range.has_value());
}

TEST(FixedPitchBlockTest, MissingCloserKeepsTheRestFixedPitch) {
  const FixedPitchResult result = SetFixedPitchBlock({"x", "$", "ab"});
  EXPECT_EQ(result.lines, (std::vector<std::string>{"x", "", "ab"}));
  // From the emptied opener at 3 to the end of "ab" at 5 + 2.
  EXPECT_EQ(*result.range, (TextRange{3, 4}));
  EXPECT_EQ(result.lastLine, 2);
}

TEST(RenderHintTextTest, SpansAfterTheBlockFollowTheEmptiedMarkerLines) {
  const RenderedHint hint = RenderHintText({"$", "&ab&", "%", "&cd&"}, true);
  EXPECT_EQ(hint.lines, (std::vector<std::string>{"", "ab", "", "cd"}));
  EXPECT_EQ(hint.spans,
            (std::vector<MarkupSpan>{{2, 2, 1, 0, true, false}, {8, 2, 3, 0, true, false}}));
  EXPECT_EQ(hint.fixedPitch, (TextRange{0, 6}));
  EXPECT_EQ(hint.fixedFirstLine, 0);
  EXPECT_EQ(hint.fixedLastLine, 1);
}

// Every span must stay inside its line once the marker lines are emptied.
TEST(RenderHintTextTest, SpansOnEmptiedMarkerLinesAreDropped) {
  for (const std::vector<std::string>& text :
       {std::vector<std::string>{"&$&"}, {"&$&", "x", "@%@", "&ab&"}, {"$", "@%@"}}) {
    const RenderedHint hint = RenderHintText(text, true);
    for (const MarkupSpan& span : hint.spans) {
      ASSERT_LT(span.line, static_cast<int>(hint.lines.size()));
      EXPECT_LE(span.column + span.length, static_cast<int>(hint.lines[span.line].size()))
          << text.front();
    }
  }
  EXPECT_EQ(RenderHintText({"&$&", "x", "@%@", "&ab&"}, true).spans,
            (std::vector<MarkupSpan>{{7, 2, 3, 0, true, false}}));
}

TEST(RenderHintTextTest, WithoutBlockPassMarkerLinesStay) {
  const RenderedHint hint = RenderHintText({"$", "&ab&", "%"}, false);
  EXPECT_EQ(hint.lines, (std::vector<std::string>{"$", "ab", "%"}));
  EXPECT_EQ(hint.spans, (std::vector<MarkupSpan>{{3, 2, 1, 0, true, false}}));
  EXPECT_FALSE(hint.fixedPitch.has_value());
}

}  // namespace
}  // namespace zentaro::hints
