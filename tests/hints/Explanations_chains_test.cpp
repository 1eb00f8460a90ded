#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HintTestHelpers.h"
#include "hints/Explanations.h"
#include "hints/Markup.h"

namespace zentaro::hints {
namespace {

using namespace zentaro::hints::testing;
using Lines = std::vector<std::string>;
using techniques::ChainStep;

// "B7=4" or "C2=5*"; anything else becomes a link the board has no place for.
techniques::ChainPath Path(const Lines& lines) {
  techniques::ChainPath path;
  for (const std::string& line : lines) {
    const bool readable = line.size() >= 4 && line.size() <= 5 && line[0] >= 'A' &&
                          line[0] <= 'I' && line[1] >= '1' && line[1] <= '9' && line[2] == '=' &&
                          line[3] >= '1' && line[3] <= '9' && (line.size() == 4 || line[4] == '*');
    if (!readable) {
      path.push_back({{0, 0}, 0, false});
      continue;
    }
    path.push_back({{line[1] - '0', line[0] - 'A' + 1}, line[3] - '0', line.size() == 5});
  }
  return path;
}

ChainStep Chain(Lines a, Lines b, int col, int row, int digit, int excluded) {
  return {{col, row}, digit, excluded, Path(a), Path(b)};
}

TEST(ExplainChainsTest, ForcingChainsOfDifferentLengths) {
  const Explanation e =
      ExplainChains(EmptyBoardWithAllMarks(),
                    Chain({"A1=3", "B2=5", "C5=6"}, {"A1=8", "C5=6"}, 5, 3, 6, 0), true);
  ASSERT_TRUE(e.internalError.empty());
  EXPECT_EQ(General(e).lines,
            (Lines{"Look for the &forcing chains&:",
                   "Start in the cell @A1& and observe which digits are being forced in the cell "
                   "&C5&."}));
  EXPECT_EQ(Highlighted(General(e).highlights), (CellSet{"A1", "C5"}));

  EXPECT_EQ(Concrete(e).lines,
            (Lines{"The cell &A1& has only two candidates: @3& and @8&.",
                   "If you put the digit @3@ in this cell and then the digit @8@, then you can "
                   "find the following &forcing chains&.",
                   "Both chains are based on @the only possible candidate for a cell@.", "$",
                   "  if            if", "  & A1=3  @       & A1=8@", "  then          then",
                   "   B2=5         & C5=6@", "  then", "  & C5=6@", "%",
                   "No matter which one of the two candidates stands in the cell A1, the digit @6@ "
                   "is being forced in the cell C5, thus the digit @6@ &must& stand in that cell.",
                   "", "&Conclusion:   C5 =& @6"}));
  EXPECT_TRUE(Concrete(e).fixedPitchBlock);
  EXPECT_EQ(Concrete(e).widen, (WindowWidening{400, 240, false}));
  EXPECT_EQ(Concrete(e).buttonCaption, core::Text::DoItButton);
}

TEST(ExplainChainsTest, DiagramColumnsLineUpOnceTheMarkersAreGone) {
  const Explanation e =
      ExplainChains(EmptyBoardWithAllMarks(),
                    Chain({"A1=3", "B2=5", "C5=6"}, {"A1=8", "C5=6"}, 5, 3, 6, 0), true);
  const RenderedHint shown = RenderHintText(Concrete(e).lines, true);
  const Lines diagram(shown.lines.begin() + 3, shown.lines.begin() + 11);
  EXPECT_EQ(diagram,
            (Lines{"", "  if            if", "   A1=3          A1=8", "  then          then",
                   "   B2=5          C5=6", "  then", "   C5=6", ""}));
  // The first and last entries of both chains are bold and coloured.
  std::vector<std::string> marked;
  for (const MarkupSpan& span : shown.spans) {
    if (span.line >= 3 && span.line <= 10 && span.bold && span.coloured) {
      marked.push_back(shown.lines[span.line].substr(span.column, span.length));
    }
  }
  EXPECT_EQ(marked, (Lines{" A1=3  ", " A1=8", " C5=6", " C5=6"}));
  // The block runs from the emptied "$" line up to the emptied "%" line.
  ASSERT_TRUE(shown.fixedPitch.has_value());
  EXPECT_EQ(shown.fixedFirstLine, 3);
  EXPECT_EQ(shown.fixedLastLine, 9);
}

TEST(ExplainChainsTest, ContradictingChainsWithHiddenSingleOfEqualLength) {
  const Explanation e =
      ExplainChains(EmptyBoardWithAllMarks(),
                    Chain({"A1=3", "C2=5*", "D4=7"}, {"A1=3", "B5=2", "D4=9"}, 1, 1, 8, 3), true);
  ASSERT_TRUE(e.internalError.empty());
  EXPECT_EQ(General(e).lines,
            (Lines{"Look for the &contradicting chains&:",
                   "Start in the cell @A1& and observe which digits are being forced in the cell "
                   "&D4&.",
                   "&Note&: The contradicting chains may only be used when you know for sure that "
                   "the puzzel has exactly one possible solution."}));
  EXPECT_EQ(Highlighted(General(e).highlights), (CellSet{"A1", "D4"}));

  EXPECT_EQ(
      Concrete(e).lines,
      (Lines{"The cell &A1& has only two candidates: @3& and @8&.",
             "If you put the digit @3& in this cell, then you can find the following "
             "&forcing chains&.",
             "The @*& means @the only possible location for the digit in a column, row, or "
             "block@.",
             "No @*& means @the only possible candidate for a cell@.", "$", "  if            if",
             "  & A1=3  @       & A1=3@", "  then          then", "   C2=5*         B5=2",
             "  then          then", "  & D4=7  @     &   D4=9@", "%",
             "The digit @3@ cannot stand in the cell A1, since this would force two "
             "different digits in the cell D4, so you can exclude the digit @3@ as candidate "
             "for the cell A1.Then the digit @8@ becomes the only candidate for the cell A1.",
             "", "&Conclusion:   A1& = @8"}));

  const RenderedHint shown = RenderHintText(Concrete(e).lines, true);
  EXPECT_EQ(shown.lines[10], "   D4=7          D4=9");
  EXPECT_EQ(shown.lines[14], "Conclusion:   A1 = 8");
}

TEST(ExplainChainsTest, LongerRightChainGetsItsThenLinesAlone) {
  EXPECT_EQ(ChainDiagram({"E5=1", "E6=2"}, {"E5=4", "F5=7", "E6=2"}),
            (Lines{"  if            if", "  & E5=1  @       & E5=4@", "  then          then",
                   "  & E6=2  @        F5=7", "                then", "                & E6=2@"}));
}

struct BrokenChain {
  const char* name;
  ChainStep result;
};

class ExplainChainsBrokenTest : public ::testing::TestWithParam<BrokenChain> {};

TEST_P(ExplainChainsBrokenTest, InconsistentResultIsAnInternalErrorWithoutStages) {
  const Explanation e = ExplainChains(EmptyBoardWithAllMarks(), GetParam().result, true);
  EXPECT_EQ(e.internalError, "Internal error.");
  EXPECT_TRUE(e.stages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Results, ExplainChainsBrokenTest,
    ::testing::Values(
        BrokenChain{"NoTexts", Chain({}, {}, 5, 3, 6, 0)},
        BrokenChain{"StartOnly", Chain({"A1=3"}, {"A1=8", "C5=6"}, 5, 3, 6, 0)},
        BrokenChain{"UnreadableEntry", Chain({"A1=3", "C5-6"}, {"A1=8", "C5=6"}, 5, 3, 6, 0)},
        BrokenChain{"ForcingEndsDiffer", Chain({"A1=3", "C5=6"}, {"A1=8", "C5=7"}, 5, 3, 6, 0)},
        BrokenChain{"ForcingCellIsNotTheResult",
                    Chain({"A1=3", "C5=6"}, {"A1=8", "C5=6"}, 6, 3, 6, 0)},
        BrokenChain{"ContradictionWithSameDigits",
                    Chain({"A1=3", "D4=7"}, {"A1=3", "D4=7"}, 1, 1, 8, 3)},
        BrokenChain{"ContradictionFromTheOtherCandidate",
                    Chain({"A1=8", "D4=7"}, {"A1=8", "D4=9"}, 1, 1, 8, 3)}),
    [](const ::testing::TestParamInfo<BrokenChain>& info) { return info.param.name; });

}  // namespace
}  // namespace zentaro::hints
