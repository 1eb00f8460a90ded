#include "hints/ExplanationsPatterns.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/StringTable.h"
#include "hints/Highlights.h"
#include "hints/Markup.h"
#include "techniques/Registry.h"

namespace zentaro::hints {

using core::Board;
using core::CellName;
using core::CellRef;
using namespace techniques;

namespace {

constexpr const char* kPlainConclusion = "&Conclusion:&";
constexpr const char* kUniquenessNote =
    "&Note&: This technique may only be used when you know for sure that the puzzle has exactly "
    "one possible solution.";

std::string Num(int value) {
  return std::to_string(value);
}

// One short token between two markers. Appended piece by piece: building
// `"@" + text` keeps GCC 12 from a false -Wrestrict report.
std::string Wrap(char open, const std::string& text, char close) {
  std::string out;
  out.reserve(text.size() + 2);
  out += open;
  out += text;
  out += close;
  return out;
}

// "@5&": the digit bold and coloured.
std::string D(int digit) {
  return Wrap('@', Num(digit), '&');
}

// "@5@": the digit coloured, inside running text.
std::string Dc(int digit) {
  return Wrap('@', Num(digit), '@');
}

// "&A1&".
std::string B(CellRef cell) {
  return Wrap('&', CellName(cell), '&');
}

// "a", "a and b", "a, b and c".
std::string JoinAnd(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
    out += items[i];
  }
  return out;
}

std::string CellList(const std::vector<CellRef>& cells) {
  std::vector<std::string> names;
  for (CellRef c : cells) names.push_back(B(c));
  return JoinAnd(names);
}

std::string LineId(LineKind kind, int line) {
  return kind == LineKind::Row ? core::RowLetter(line) : Num(line);
}

std::string LineWord(LineKind kind) {
  return kind == LineKind::Row ? "row" : "column";
}

LineKind Other(LineKind kind) {
  return kind == LineKind::Row ? LineKind::Column : LineKind::Row;
}

// "row B", "column 5", or for a block "block 3x3 of D4" with a cell it holds;
// the texts name blocks by a cell, as the classic ones do.
std::string UnitName(const PatternUnit& unit, CellRef inside) {
  switch (unit.kind) {
    case PatternUnitKind::Row:
      return "row " + core::RowLetter(unit.number);
    case PatternUnitKind::Column:
      return "column " + Num(unit.number);
    case PatternUnitKind::Block:
      break;
  }
  return "block 3x3 of " + CellName(inside);
}

// As the classic explanations record it: the units and everything for the
// stage, and only the cell operations for the board once the window closes.
class Marks {
 public:
  void Line(LineKind kind, int line) {
    if (kind == LineKind::Row) {
      HighlightRow(shown_, line, true);
    } else {
      HighlightColumn(shown_, line, true);
    }
  }
  void Unit(const PatternUnit& unit) {
    if (unit.kind == PatternUnitKind::Block) {
      HighlightBlock(shown_, unit.number, true);
    } else {
      Line(unit.kind == PatternUnitKind::Row ? LineKind::Row : LineKind::Column, unit.number);
    }
  }
  void Cell(CellRef cell, bool highlight, const DigitFlags* elimination,
            const DigitFlags* emphasis) {
    HighlightCell(shown_, cell.col, cell.row, highlight, false, elimination, emphasis);
    HighlightCell(after_, cell.col, cell.row, highlight, false, elimination, emphasis);
  }
  // The digits' marks emphasised in the pattern's cells.
  void Keep(const std::vector<CellRef>& cells, DigitSet digits, bool highlight = false) {
    const DigitFlags flags = DigitFlagsOfSet(digits);
    for (CellRef c : cells) Cell(c, highlight, nullptr, &flags);
  }
  void Keep(const std::vector<CellRef>& cells, int digit, bool highlight = false) {
    Keep(cells, static_cast<DigitSet>(1U << digit), highlight);
  }
  // The eliminated marks shown as removed, every digit of a cell together.
  void Remove(const std::vector<Elimination>& eliminations) {
    std::map<int, std::pair<CellRef, DigitSet>> byCell;
    for (const Elimination& e : eliminations) {
      auto& entry = byCell[core::GridIndex(e.cell)];
      entry.first = e.cell;
      entry.second = static_cast<DigitSet>(entry.second | 1U << e.digit);
    }
    for (const auto& [index, entry] : byCell) {
      const DigitFlags flags = DigitFlagsOfSet(entry.second);
      Cell(entry.first, false, &flags, &flags);
    }
  }

  const Highlights& shown() const { return shown_; }
  const Highlights& after() const { return after_; }

 private:
  Highlights shown_;
  Highlights after_;
};

HintStage General(std::string name, std::vector<std::string> lines, const Marks& marks,
                  int helpContext) {
  HintStage stage;
  stage.kind = StageKind::General;
  stage.lines.push_back("&" + name + "&");
  for (std::string& line : lines) stage.lines.push_back(std::move(line));
  stage.buttonCaption = core::Text::ConcreteHintButton;
  stage.helpContext = helpContext;
  stage.highlights = marks.shown();
  stage.highlightsAfter = marks.shown();
  return stage;
}

// The concrete lines, an empty line and the conclusion; the texts are long,
// so the window is widened as for the fish and the chains.
HintStage Concrete(std::vector<std::string> lines, std::vector<std::string> conclusion,
                   const Marks& marks, int helpContext) {
  HintStage stage;
  stage.kind = StageKind::Concrete;
  stage.lines = std::move(lines);
  stage.lines.emplace_back();
  for (std::string& line : conclusion) stage.lines.push_back(std::move(line));
  stage.buttonCaption = core::Text::DoItButton;
  stage.helpContext = helpContext;
  stage.countsConcreteHint = true;
  stage.highlights = marks.shown();
  stage.highlightsAfter = marks.after();
  stage.widen = WindowWidening{400, 0};
  return stage;
}

Explanation TwoStages(HintStage general, HintStage concrete) {
  Explanation explanation;
  explanation.stages.push_back(std::move(general));
  explanation.stages.push_back(std::move(concrete));
  return explanation;
}

// "&Conclusion:&" and one sentence per set of cells, digits ascending; digits
// removed from the same cells share a sentence.
std::vector<std::string> RemovalConclusion(const std::vector<Elimination>& eliminations) {
  std::map<int, std::vector<CellRef>> byDigit;
  for (const Elimination& e : eliminations) byDigit[e.digit].push_back(e.cell);
  std::vector<std::pair<std::vector<int>, std::vector<CellRef>>> groups;
  for (const auto& [digit, cells] : byDigit) {
    bool merged = false;
    for (auto& group : groups) {
      if (group.second == cells) {
        group.first.push_back(digit);
        merged = true;
      }
    }
    if (!merged) groups.push_back({{digit}, cells});
  }
  std::vector<std::string> lines{kPlainConclusion};
  for (const auto& [digits, cells] : groups) {
    std::vector<std::string> names;
    for (int d : digits) names.push_back(D(d));
    lines.push_back("You can remove the pencil marks of the " +
                    std::string(digits.size() == 1 ? "digit " : "digits ") + JoinAnd(names) +
                    " from the " + (cells.size() == 1 ? "cell " : "cells ") + CellList(cells) +
                    ".");
  }
  return lines;
}

std::vector<CellRef> ElimCells(const std::vector<Elimination>& eliminations) {
  std::vector<CellRef> cells;
  for (const Elimination& e : eliminations) cells.push_back(e.cell);
  return cells;
}

}  // namespace

// ---------------------------------------------------------------------------

Explanation ExplainFish(const Board& /*board*/, const FishStep& step, int helpContext) {
  const std::string name(NameOf(step));
  const bool jelly = step.kind == FishKind::Jellyfish;
  const bool sashimi =
      step.kind == FishKind::SashimiXWing || step.kind == FishKind::SashimiSwordfish;
  const bool xwing = step.kind == FishKind::FinnedXWing || step.kind == FishKind::SashimiXWing;
  const std::string size = jelly ? "four" : xwing ? "two" : "three";
  const std::string plainFish = xwing ? "an X-Wing" : "a Swordfish";
  const std::string lines = LineWord(step.baseLines) + "s";
  const std::string crosses = LineWord(Other(step.baseLines)) + "s";
  std::vector<std::string> baseIds, coverIds;
  for (int l : step.base) baseIds.push_back(LineId(step.baseLines, l));
  for (int l : step.cover) coverIds.push_back(LineId(Other(step.baseLines), l));
  const std::string d = D(step.digit);
  const std::string dc = Dc(step.digit);

  Marks general;
  for (int l : step.base) general.Line(step.baseLines, l);
  std::vector<std::string> generalLines;
  if (jelly) {
    generalLines = {
        "In four " + lines + " the digit " + d +
            " occurs as a candidate only in cells that belong to the same four " + crosses + ".",
        "Each of these " + lines + " must hold the digit once, so each of the four " + crosses +
            " gets the digit from one of these cells, and the digit can be "
            "excluded in all other cells of those " +
            crosses + "."};
  } else {
    generalLines = {"In " + size + " " + lines + " the digit " + d + " occurs only in the same " +
                        size + " " + crosses +
                        ", apart from one or more extra cells (the &fin&) that all stand in one "
                        "block 3x3.",
                    "Either the fin holds the digit, or the cells without the fin form " +
                        plainFish +
                        "; in both cases the digit can be excluded in the cells of those " +
                        crosses + " that stand in the fin's block 3x3."};
    if (sashimi) {
      generalLines.push_back("In this &sashimi& form one of the " + lines +
                             " keeps only one cell besides the fin.");
    }
  }

  Marks concrete;
  for (int l : step.base) concrete.Line(step.baseLines, l);
  concrete.Keep(step.body, step.digit);
  concrete.Keep(step.fins, step.digit, true);
  concrete.Remove(step.eliminations);

  std::vector<std::string> body{
      "In the " + lines + " &" + JoinAnd(baseIds) + "& the digit " + d + " can stand only in the " +
      crosses + " &" + JoinAnd(coverIds) + "&" +
      (jelly ? ""
             : (step.fins.size() == 1 ? " and in the fin " : " and in the fins ") +
                   CellList(step.fins)) +
      "."};
  if (jelly) {
    body.push_back("Each of these four " + lines + " must contain the digit " + dc + ", and no " +
                   LineWord(Other(step.baseLines)) + " can hold it twice, so in each of the " +
                   crosses + " " + JoinAnd(coverIds) + " the digit " + dc +
                   " stands in one of the highlighted cells.");
  } else {
    body.push_back("If no fin cell holds the digit " + dc + ", the other highlighted cells form " +
                   plainFish + " and the digit " + dc + " cannot stand anywhere else in the " +
                   crosses + " " + JoinAnd(coverIds) +
                   ". If a fin cell holds it, no cell of the "
                   "fin's block 3x3 can.");
    body.push_back("Either way the digit " + dc + " cannot stand in the cells of the " + crosses +
                   " " + JoinAnd(coverIds) + " that lie in the fin's block 3x3 outside the " +
                   lines + " " + JoinAnd(baseIds) + ": " + CellList(ElimCells(step.eliminations)) +
                   ".");
  }
  return TwoStages(
      General(name, std::move(generalLines), general, helpContext),
      Concrete(std::move(body), RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainSkyscraper(const Board& /*board*/, const SkyscraperStep& step, int helpContext) {
  const std::string lines = LineWord(step.lines) + "s";
  const std::string cross = LineWord(Other(step.lines));
  const LineKind crossKind = Other(step.lines);
  const auto lineOf = [&](CellRef c) { return step.lines == LineKind::Row ? c.row : c.col; };
  const auto crossOf = [&](CellRef c) { return step.lines == LineKind::Row ? c.col : c.row; };
  const std::string d = D(step.digit);
  const std::string dc = Dc(step.digit);

  Marks general;
  for (CellRef c : step.base) general.Line(step.lines, lineOf(c));

  Marks concrete;
  for (CellRef c : step.base) concrete.Line(step.lines, lineOf(c));
  concrete.Keep({step.base[0], step.base[1]}, step.digit);
  concrete.Keep({step.tops[0], step.tops[1]}, step.digit, true);
  concrete.Remove(step.eliminations);

  return TwoStages(
      General(
          std::string(NameOf(step)),
          {"Two " + lines + " hold the digit " + d +
               " in exactly two cells each, and one cell of each stands in the same " + cross + ".",
           "Those two cells cannot both hold the digit, so one of the two other cells (the "
           "tops) must: every cell that sees both tops loses the digit."},
          general, helpContext),
      Concrete({"In the " + lines + " &" + LineId(step.lines, lineOf(step.base[0])) + "& and &" +
                    LineId(step.lines, lineOf(step.base[1])) + "& the digit " + d +
                    " can stand only in the cells " + B(step.base[0]) + ", " + B(step.tops[0]) +
                    " and " + B(step.base[1]) + ", " + B(step.tops[1]) + ".",
                "The cells " + B(step.base[0]) + " and " + B(step.base[1]) + " share the " + cross +
                    " " + LineId(crossKind, crossOf(step.base[0])) +
                    ", so at most one of them holds the digit " + dc + ", and the digit " + dc +
                    " stands in " + B(step.tops[0]) + " or in " + B(step.tops[1]) + ".",
                "A cell that sees both " + B(step.tops[0]) + " and " + B(step.tops[1]) +
                    " cannot hold the digit " + dc + "."},
               RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainTwoStringKite(const Board& /*board*/, const KiteStep& step, int helpContext) {
  const std::string d = D(step.digit);
  const std::string dc = Dc(step.digit);
  const int row = step.rowLink[0].row;
  const int col = step.columnLink[0].col;

  Marks general;
  general.Line(LineKind::Row, row);
  general.Line(LineKind::Column, col);

  Marks concrete;
  concrete.Line(LineKind::Row, row);
  concrete.Line(LineKind::Column, col);
  concrete.Keep({step.rowLink[0], step.columnLink[0]}, step.digit);
  concrete.Keep({step.rowLink[1], step.columnLink[1]}, step.digit, true);
  concrete.Remove(step.eliminations);

  return TwoStages(
      General(std::string(NameOf(step)),
              {"A row and a column each hold the digit " + d +
                   " in exactly two cells, and one cell of the row and one of the column stand "
                   "in the same block 3x3.",
               "Those two cannot both hold the digit, so one of the two far ends does: a cell "
               "that sees both far ends loses the digit."},
              general, helpContext),
      Concrete(
          {"In the row &" + core::RowLetter(row) + "& the digit " + d + " can stand only in " +
               B(step.rowLink[0]) + " and " + B(step.rowLink[1]) + "; in the column &" + Num(col) +
               "& only in " + B(step.columnLink[0]) + " and " + B(step.columnLink[1]) + ".",
           "The cells " + B(step.rowLink[0]) + " and " + B(step.columnLink[0]) +
               " stand in one block 3x3, so at most one of them holds the digit " + dc +
               "; therefore " + B(step.rowLink[1]) + " or " + B(step.columnLink[1]) + " does.",
           "A cell that sees both " + B(step.rowLink[1]) + " and " + B(step.columnLink[1]) +
               " cannot hold the digit " + dc + "."},
          RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainEmptyRectangle(const Board& /*board*/, const EmptyRectangleStep& step,
                                  int helpContext) {
  const std::string d = D(step.digit);
  const std::string dc = Dc(step.digit);
  const bool columnLink = step.linkLine == LineKind::Column;
  const std::string rowName = "row " + core::RowLetter(step.row);
  const std::string colName = "column " + Num(step.column);
  const std::string linkName =
      columnLink ? "column " + Num(step.link[0].col) : "row " + core::RowLetter(step.link[0].row);
  // The block line the near end of the link meets, and the one left for the
  // block's digit when the near end holds it.
  const std::string met = columnLink ? rowName : colName;
  const std::string left = columnLink ? colName : rowName;
  const CellRef target = step.eliminations.front().cell;

  Marks general;
  general.Unit({PatternUnitKind::Block, step.block});

  Marks concrete;
  concrete.Unit({PatternUnitKind::Block, step.block});
  concrete.Keep({step.link[0], step.link[1]}, step.digit, true);
  concrete.Remove(step.eliminations);

  return TwoStages(
      General(std::string(NameOf(step)),
              {"In the highlighted block 3x3 the digit " + d +
                   " can stand only in the cells of one row and one column of the block, so it "
                   "stands in that row or in that column.",
               "Together with a row or column outside the block that holds the digit in exactly "
               "two cells, this takes the digit from one cell."},
              general, helpContext),
      Concrete({"In the highlighted block the digit " + d + " can stand only in the &" + rowName +
                    "& and the &" + colName + "&.",
                "In the " + linkName + " it can stand only in " + B(step.link[0]) + " and " +
                    B(step.link[1]) + ". If " + B(step.link[0]) + " holds it, the block cannot " +
                    "hold it in the " + met + ", so the block's digit " + dc + " stands in the " +
                    left + ". Otherwise " + B(step.link[1]) + " holds it.",
                "Either way the cell " + B(target) + " cannot hold the digit " + dc + ": it sees " +
                    B(step.link[1]) + " and the block's cells in the " + left + "."},
               RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainWing(const Board& /*board*/, const WingStep& step, int helpContext) {
  const bool xyz = step.kind == WingKind::XYZWing;
  const std::string z = D(step.z);
  const std::string zc = Dc(step.z);
  // x and y: the pivot's digits other than z, the smaller one shared with
  // pincers[0].
  const DigitSet xy = static_cast<DigitSet>(step.pivotDigits & ~(1U << step.z));
  const int x = std::countr_zero(xy);
  const int y = std::countr_zero(static_cast<DigitSet>(xy & ~(1U << x)));
  const std::string p = B(step.pivot);
  const std::string p1 = B(step.pincers[0]);
  const std::string p2 = B(step.pincers[1]);

  Marks general;
  general.Cell(step.pivot, true, nullptr, nullptr);

  Marks concrete;
  concrete.Keep({step.pivot}, step.pivotDigits, true);
  concrete.Keep({step.pincers[0], step.pincers[1]},
                static_cast<DigitSet>(1U << step.z | 1U << x | 1U << y), true);
  concrete.Remove(step.eliminations);

  std::vector<std::string> generalLines, lines;
  if (xyz) {
    generalLines = {
        "The highlighted cell has only three candidates, and it sees two cells with two "
        "candidates each, both taken from its three and sharing one digit.",
        "One of the three cells must hold that shared digit, so a cell that sees all three "
        "cannot hold it."};
    lines = {"The cell " + p + " has only the candidates " + D(x) + ", " + D(y) + " and " + z +
                 ". It sees " + p1 + " (" + D(x) + " and " + z + ") and " + p2 + " (" + D(y) +
                 " and " + z + ").",
             "Whatever " + p + " holds, the digit " + zc +
                 " stands in one of the three cells: in " + p + " itself, in " + p1 + " when " + p +
                 " is " + Dc(x) + ", or in " + p2 + " when it is " + Dc(y) + ".",
             "A cell that sees all three cannot hold the digit " + zc + "."};
  } else {
    generalLines = {
        "The highlighted cell has only two candidates, and it sees two cells with two candidates "
        "each: each of them shares one candidate with it, and the two share a third digit.",
        "Whichever digit the highlighted cell takes, one of the two others must take the third "
        "digit, so a cell that sees both of them cannot hold it."};
    lines = {"The cell " + p + " has only the candidates " + D(x) + " and " + D(y) + ". It sees " +
                 p1 + " (" + D(x) + " and " + z + ") and " + p2 + " (" + D(y) + " and " + z + ").",
             "If " + p + " is " + Dc(x) + ", " + p1 + " is " + zc + "; if it is " + Dc(y) + ", " +
                 p2 + " is " + zc + ". So the digit " + zc + " stands in " + p1 + " or in " + p2 +
                 ".",
             "A cell that sees both " + p1 + " and " + p2 + " cannot hold the digit " + zc + "."};
  }
  return TwoStages(
      General(std::string(NameOf(step)), std::move(generalLines), general, helpContext),
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainWWing(const Board& /*board*/, const WWingStep& step, int helpContext) {
  const std::string x = D(step.linkDigit);
  const std::string y = D(step.removed);
  const std::string a = B(step.cells[0]);
  const std::string b = B(step.cells[1]);

  Marks general;
  general.Unit(step.linkUnit);

  Marks concrete;
  concrete.Unit(step.linkUnit);
  concrete.Keep({step.cells[0], step.cells[1]}, step.pair, true);
  concrete.Keep({step.link[0], step.link[1]}, step.linkDigit);
  concrete.Remove(step.eliminations);

  return TwoStages(
      General(std::string(NameOf(step)),
              {"Two cells that do not see each other have the same two candidates, and the "
               "highlighted unit holds one of those digits in exactly two cells, one seen by each "
               "of the two cells.",
               "The two cells cannot both hold that digit, so one of them holds the other digit: "
               "a cell that sees both loses it."},
              general, helpContext),
      Concrete({"The cells " + a + " and " + b + " both have only the candidates " +
                    (step.linkDigit < step.removed ? x + " and " + y : y + " and " + x) + ".",
                "In the " + UnitName(step.linkUnit, step.link[0]) + " the digit " + x +
                    " can stand only in " + B(step.link[0]) + ", which sees " + a + ", and in " +
                    B(step.link[1]) + ", which sees " + b + ".",
                "If both " + a + " and " + b + " were " + Dc(step.linkDigit) +
                    ", neither of those could hold it; so one of them is " + Dc(step.removed) +
                    ", and a cell that sees both cannot hold the digit " + Dc(step.removed) + "."},
               RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainColouring(const Board& /*board*/, const ColouringStep& step, int helpContext) {
  const bool trap = step.kind == ColouringKind::Trap;
  const std::string d = D(step.digit);
  const std::string dc = Dc(step.digit);

  Marks general;

  // Colour one in the hint colour, colour two with its marks only.
  Marks concrete;
  concrete.Keep(step.colourA, step.digit, true);
  concrete.Keep(step.colourB, step.digit);
  concrete.Remove(step.eliminations);

  std::vector<std::string> generalLines{
      "Follow the digit " + d +
      " through the units where it has exactly two places, and colour those cells in turns "
      "with two colours: one colour holds the digit, the other does not."};
  generalLines.push_back(trap ? "A cell that sees cells of both colours cannot hold the digit."
                              : "When two cells of one colour share a unit, that colour is the "
                                "wrong one, and the digit goes from all its cells.");

  std::vector<std::string> lines{
      "Units with exactly two places for the digit " + d +
      " join these cells in turns; colour one (highlighted): " + CellList(step.colourA) +
      "; colour two: " + CellList(step.colourB) + "."};
  if (trap) {
    lines.push_back("Exactly one colour holds the digit " + dc + ". " +
                    CellList(ElimCells(step.eliminations)) +
                    (step.eliminations.size() == 1 ? " sees" : " see") +
                    " cells of both colours, so the digit " + dc + " cannot stand there.");
  } else {
    const std::string colour = step.falseIsA ? "one" : "two";
    const std::string otherColour = step.falseIsA ? "two" : "one";
    lines.push_back("The cells " + B(step.clash[0]) + " and " + B(step.clash[1]) +
                    " both have colour " + colour + " and stand in the " +
                    UnitName(step.clashUnit, step.clash[0]) + ", which can hold the digit " + dc +
                    " only once; so colour " + colour + " is wrong, and colour " + otherColour +
                    " holds the digit.");
  }
  return TwoStages(
      General(std::string(NameOf(step)), std::move(generalLines), general, helpContext),
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainUniqueRectangle(const Board& /*board*/, const UniqueRectangleStep& step,
                                   int helpContext) {
  const int a = std::countr_zero(step.pair);
  const int b = std::countr_zero(static_cast<DigitSet>(step.pair & ~(1U << a)));
  const std::string pair = D(a) + " and " + D(b);
  const std::string pairc = Dc(a) + " and " + Dc(b);
  const std::vector<CellRef> corners(step.cells.begin(), step.cells.end());

  Marks general;

  Marks concrete;
  concrete.Keep(corners, step.pair, true);
  if (step.type == 4) concrete.Unit(step.unit);
  concrete.Remove(step.eliminations);

  std::string why;
  std::vector<std::string> lines{"The cells " + CellList(corners) +
                                 " stand at the corners of a rectangle in two rows, two columns "
                                 "and two blocks 3x3, and all hold the candidates " +
                                 pair + "."};
  if (step.type == 1) {
    why = "so the one corner with other candidates must hold one of those.";
    lines.push_back("Only " + B(step.cells[3]) + " has other candidates. If it were " + Dc(a) +
                    " or " + Dc(b) +
                    ", the four cells could swap the two digits, giving a second solution; "
                    "so " +
                    B(step.cells[3]) + " holds neither.");
  } else if (step.type == 2) {
    why = "so the extra digit that two of the corners share must stand in one of them.";
    lines.push_back(B(step.cells[0]) + " and " + B(step.cells[1]) + " have no other candidates; " +
                    B(step.cells[2]) + " and " + B(step.cells[3]) + " also have " +
                    D(step.extraDigit) + ".");
    lines.push_back("Without the digit " + Dc(step.extraDigit) + " in " + B(step.cells[2]) +
                    " or " + B(step.cells[3]) + " the four cells could swap " + pairc +
                    ", giving a second solution; so " + Dc(step.extraDigit) +
                    " stands in one of them, and a cell that sees both cannot hold it.");
  } else {
    const int other = step.lockedDigit == a ? b : a;
    why =
        "so where one of the two digits is locked in the other two corners, the other digit "
        "can stand in neither.";
    lines.push_back(B(step.cells[0]) + " and " + B(step.cells[1]) + " have no other candidates.");
    lines.push_back("In the " + UnitName(step.unit, step.cells[2]) + " the digit " +
                    D(step.lockedDigit) + " can stand only in " + B(step.cells[2]) + " and " +
                    B(step.cells[3]) + ", so one of them holds it. If the other were " + Dc(other) +
                    ", the four cells could swap " + pairc +
                    ", giving a second solution; so neither holds the digit " + Dc(other) + ".");
  }
  lines.push_back("This relies on the puzzle having exactly one solution.");

  return TwoStages(
      General(std::string(NameOf(step)),
              {"Four cells at the corners of a rectangle in two rows, two columns and two blocks "
               "3x3 share the same two candidates.",
               "If all four held only these two digits, they could be swapped and the puzzle "
               "would have two solutions, " +
                   why,
               kUniquenessNote},
              general, helpContext),
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext));
}

Explanation ExplainBugPlusOne(const Board& /*board*/, const BugStep& step, int helpContext) {
  std::vector<std::string> others;
  std::vector<std::string> all;
  for (int d = 1; d <= 9; ++d) {
    if (((step.candidates >> d) & 1U) == 0) continue;
    all.push_back(D(d));
    if (d != step.digit) others.push_back(Dc(d));
  }
  const std::string cell = B(step.cell);

  Marks general;

  Marks concrete;
  concrete.Keep({step.cell}, step.candidates, true);

  const std::string name = CellName(step.cell);
  HintStage concreteStage = Concrete(
      {"Only the cell " + cell + " has three candidates: " + JoinAnd(all) + ".",
       "The digit " + D(step.digit) + " occurs three times in the row " +
           core::RowLetter(step.cell.row) + ", the column " + Num(step.cell.col) +
           " and the block 3x3 of " + name + "; every other candidate occurs twice in every unit.",
       "If " + cell + " were " + others.front() + " or " + others.back() +
           ", every empty cell would have two candidates, each twice in every unit, and such a "
           "position has two solutions or none; so " +
           cell + " must be " + Dc(step.digit) + ".",
       "This relies on the puzzle having exactly one solution."},
      {core::LoadText(core::Text::Conclusion) + name + " =& @" + Num(step.digit) + "&"}, concrete,
      helpContext);
  concreteStage.hintCell = step.cell;

  return TwoStages(
      General(std::string(NameOf(step)),
              {"Every empty cell but one has exactly two candidates, and every candidate occurs "
               "exactly twice in each row, column and block 3x3, except in the one cell with "
               "three candidates.",
               "Without its extra candidate such a position would have two solutions or none, so "
               "the cell must take the candidate that occurs three times in its units.",
               kUniquenessNote},
              general, helpContext),
      std::move(concreteStage));
}

namespace {

std::string CountWord(std::size_t n) {
  static constexpr std::array<const char*, 11> kWords{
      "no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
  return n < kWords.size() ? kWords[n] : Num(static_cast<int>(n));
}

std::string DigitList(DigitSet digits) {
  std::vector<std::string> names;
  for (int d = 1; d <= 9; ++d)
    if ((digits >> d) & 1U) names.push_back(D(d));
  return JoinAnd(names);
}

// The cells of the set that hold the digit.
std::vector<CellRef> Holding(const Board& board, const AlsSet& set, int digit) {
  std::vector<CellRef> cells;
  for (CellRef c : set.cells)
    if (board.at(c).HasCandidate(digit)) cells.push_back(c);
  return cells;
}

// "Set A: the cells &A1& and &A2& of the row A hold together only the
// candidates ... (two cells, three digits)."
std::string AlsLine(const std::string& label, const AlsSet& set) {
  const std::size_t n = set.cells.size();
  const std::string where = " of the " + UnitName(set.unit, set.cells.front());
  return "Set " + label + ": " +
         (n == 1 ? "the cell " + B(set.cells.front()) + where + " holds only the candidates "
                 : "the cells " + CellList(set.cells) + where +
                       " hold together only the candidates ") +
         DigitList(set.digits) + " (" + CountWord(n) + (n == 1 ? " cell, " : " cells, ") +
         CountWord(n + 1) + " digits).";
}

// "In set A the digit @1& can stand only in &A1&, in set B only in &E1&;
// these two cells see each other, so ..."
std::string RestrictedLine(const Board& board, const AlsXzStep& step, int x) {
  const std::vector<CellRef> xa = Holding(board, step.a, x);
  const std::vector<CellRef> xb = Holding(board, step.b, x);
  const bool pairOnly = xa.size() == 1 && xb.size() == 1;
  return "In set A the digit " + D(x) + " can stand only in " + CellList(xa) +
         ", in set B only in " + CellList(xb) + "; " +
         (pairOnly ? "these two cells see each other"
                   : "each of those in set A sees each of those in set B") +
         ", so at most one of the two sets holds the digit " + Dc(x) + ".";
}

}  // namespace

Explanation ExplainAlsXz(const Board& board, const AlsXzStep& step, int helpContext) {
  const bool doubly = step.x2 != 0;
  const std::string xc = Dc(step.x);

  Marks general;
  general.Unit(step.a.unit);
  general.Unit(step.b.unit);

  Marks concrete;
  concrete.Keep(step.a.cells, step.a.digits, true);
  concrete.Keep(step.b.cells, step.b.digits, true);
  concrete.Remove(step.eliminations);

  std::vector<std::string> generalLines{
      "An &almost locked set& is a group of cells of one row, column or block 3x3 that hold "
      "together exactly one candidate more than they are cells (a cell with two candidates is "
      "one). Take one of its digits away, and the others fill its cells.",
      "Two such sets with no cell in common both hold the digit " + D(step.x) +
          ", and every cell of one set that holds it sees every cell of the other that holds "
          "it: the digit can stand in at most one of the two sets."};
  std::vector<std::string> lines{AlsLine("A", step.a), AlsLine("B", step.b),
                                 RestrictedLine(board, step, step.x)};
  if (doubly) {
    const std::string x2c = Dc(step.x2);
    generalLines.push_back(
        "Here the same holds for a second shared digit " + D(step.x2) +
        ": each set lacks exactly one of its candidates, so one set lacks the one digit and the "
        "other set the other, and every other candidate of a set stands in it for sure.");
    generalLines.push_back(
        "A cell that sees every cell of a set holding one of its other digits cannot hold that "
        "digit, and a cell that sees every cell of both sets holding one of the two shared digits "
        "cannot hold it.");
    lines.push_back(RestrictedLine(board, step, step.x2));
    lines.push_back("Each set lacks exactly one of its candidates, and both " + xc + " and " +
                    x2c + " are lacking from one set at least: so one set lacks " + xc +
                    " and the other " + x2c + ", each set holds all its other candidates, and " +
                    xc + " and " + x2c + " each stand in one of the two sets.");
    lines.push_back(
        "A cell that sees all the cells of a set holding one of its other candidates cannot "
        "hold that digit; a cell that sees all the cells of both sets holding " +
        xc + " or " + x2c + " cannot hold that digit.");
  } else {
    std::vector<CellRef> zCells = Holding(board, step.a, step.z);
    const std::vector<CellRef> zb = Holding(board, step.b, step.z);
    zCells.insert(zCells.end(), zb.begin(), zb.end());
    generalLines.push_back("The set without it has all its other digits, so the digit " +
                           D(step.z) +
                           ", which both sets hold too, stands in one of the two sets for sure: "
                           "a cell that sees every cell of both sets holding it cannot hold it.");
    lines.push_back("The set without " + xc + " holds all its other digits, so the digit " +
                    D(step.z) + " stands in one of the cells " + CellList(zCells) + ".");
    lines.push_back("A cell that sees " + std::string(zCells.size() == 2 ? "both " : "all of ") +
                    CellList(zCells) + " cannot hold the digit " + Dc(step.z) + ".");
  }
  return TwoStages(
      General(std::string(NameOf(step)), std::move(generalLines), general, helpContext),
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext));
}

namespace {

// A unit's name; a block is named by its top left cell.
std::string UnitName(const PatternUnit& unit) {
  const core::BlockBounds b = core::BoundsOfBlock(unit.number - 1);
  return UnitName(unit, CellRef{b.firstCol, b.firstRow});
}

// One link of a net as a line of the fixed-pitch block: "B3=5" or "B3<>5",
// padded, and why it holds.
std::string NetLine(const NetImplication& link) {
  std::string line = "  " + CellName(link.cell) + (link.placed ? "=" : "<>") + Num(link.digit);
  line.resize(std::max<std::size_t>(line.size() + 1, 10), ' ');
  switch (link.why) {
    case NetReason::Assumed:
      return line + "assumed";
    case NetReason::OnlyCandidate:
      return line + "the cell's last candidate";
    case NetReason::OnlyPlace:
      return line + "the digit's last place in the " + UnitName(link.unit);
    case NetReason::Locked: {
      // The other unit: for places in a block, the line through it that
      // holds the cell; for places in a line, the cell's block.
      std::string other = "block";
      if (link.unit.kind == PatternUnitKind::Block) {
        const core::BlockBounds b = core::BoundsOfBlock(link.unit.number - 1);
        other = link.cell.row >= b.firstRow && link.cell.row <= b.lastRow ? "row" : "column";
      }
      return line + "the digit's places in the " + UnitName(link.unit) + " lie in this cell's " +
             other;
    }
    case NetReason::Refuted:
      return line + "assuming " + CellName(link.cell) + "=" + Num(link.digit) +
             " breaks the board in turn";
  }
  return line;
}

// Where a net's board broke, as the last line of an inner net in the
// fixed-pitch block.
std::string NetBreakLine(const NetRefutation& r) {
  if (r.broken == NetBreak::EmptyCell)
    return "    the cell " + CellName(r.brokenCell) + " has no candidate left";
  return "    the digit " + Num(r.brokenDigit) + " has no place left in the " +
         UnitName(r.brokenUnit);
}

}  // namespace

Explanation ExplainForcingNet(const Board& /*board*/, const ForcingNetStep& step, int helpContext) {
  Marks general;

  Marks concrete;
  concrete.Keep({step.cell}, step.digit, true);
  if (step.broken == NetBreak::EmptyCell)
    concrete.Cell(step.brokenCell, true, nullptr, nullptr);
  else
    concrete.Unit(step.brokenUnit);
  concrete.Remove(step.eliminations);

  const std::string cell = B(step.cell);
  std::vector<std::string> lines{
      "Assume that the cell " + cell + " holds the digit " + D(step.digit) +
          ", and follow what this forces, one link per line (=: the digit goes in, <>: the "
          "digit leaves the cell):",
      std::string(1, kFixedPitchOpener)};
  // A refuted link is followed by its inner net, two spaces further in.
  std::size_t refuted = 0;
  for (const NetImplication& link : step.implications) {
    lines.push_back(NetLine(link));
    if (link.why != NetReason::Refuted || refuted >= step.refutations.size()) continue;
    const NetRefutation& inner = step.refutations[refuted++];
    for (const NetImplication& innerLink : inner.implications)
      lines.push_back("  " + NetLine(innerLink));
    lines.push_back(NetBreakLine(inner));
  }
  lines.emplace_back(1, kFixedPitchCloser);
  if (step.nested)
    lines.push_back(
        "A link \"breaks the board in turn\" was itself tried as an assumption on the board "
        "reached so far, and led to a contradiction the same way.");
  if (step.broken == NetBreak::EmptyCell)
    lines.push_back("Now the cell " + B(step.brokenCell) + " has no candidate left.");
  else
    lines.push_back("Now the digit " + Dc(step.brokenDigit) + " has no place left in the " +
                    UnitName(step.brokenUnit) + ".");
  lines.push_back("So the assumption was wrong: the cell " + cell + " cannot hold the digit " +
                  Dc(step.digit) + ".");

  HintStage concreteStage =
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext);
  concreteStage.fixedPitchBlock = true;
  concreteStage.widen = WindowWidening{400, 240};

  return TwoStages(
      General(std::string(NameOf(step)),
              {"Assume that one candidate is the digit of its cell, and follow what that "
               "forces: single candidates, digits with one place left in a row, column or block "
               "3x3, and digits locked in a line or a block.",
               "If this ends in a cell with no candidate left, or in a digit with no place left "
               "in a row, column or block, the assumption was wrong, and the candidate can be "
               "removed.",
               "Where that is not enough, a candidate on the assumed board may be tried the same "
               "way: if it breaks that board, it leaves it, and the net goes on."},
              general, helpContext),
      std::move(concreteStage));
}

namespace {

// A node of a chain as plain text, "B3" or for a group "B1/B2/B3", and the
// same with the cells bold.
std::string NodeText(const AicNode& node, bool bold) {
  std::string out;
  for (CellRef c : node.cells) {
    if (!out.empty()) out += "/";
    out += bold ? B(c) : CellName(c);
  }
  return out;
}

// One link of a chain as a line of the fixed-pitch block: what the link
// says, padded to `width`, and why it holds.
std::string ChainLinkLine(const AicNode& from, const AicLink& link, const AicNode& to,
                          std::size_t width) {
  std::string line = "  " + NodeText(from, false) + (link.strong ? "<>" : "=") + Num(from.digit) +
                     " => " + NodeText(to, false) + (link.strong ? "=" : "<>") + Num(to.digit);
  line.resize(std::max(line.size() + 2, width), ' ');
  const std::string d = Num(to.digit);
  if (link.inCell)
    return line + (link.strong ? "(the cell's only other candidate)"
                               : "(the cell holds one digit only)");
  if (link.strong)
    return line + "(the only other place" + (to.cells.size() > 1 ? "s" : "") + " for " + d +
           " in the " + UnitName(link.unit) + ")";
  return line + "(the " + UnitName(link.unit) + " holds " + d + " only once)";
}

}  // namespace

Explanation ExplainAic(const Board& /*board*/, const AicStep& step, int helpContext) {
  const AicNode& first = step.nodes.front();
  const AicNode& last = step.nodes.back();

  Marks general;

  // Every cell of the chain with its digits emphasised, the two ends
  // highlighted.
  Marks concrete;
  std::map<int, std::pair<CellRef, DigitSet>> byCell;
  std::map<int, bool> isEnd;
  for (std::size_t k = 0; k < step.nodes.size(); ++k) {
    for (CellRef c : step.nodes[k].cells) {
      auto& entry = byCell[core::GridIndex(c)];
      entry.first = c;
      entry.second = static_cast<DigitSet>(entry.second | 1U << step.nodes[k].digit);
      if (k == 0 || k + 1 == step.nodes.size()) isEnd[core::GridIndex(c)] = true;
    }
  }
  for (const auto& [index, entry] : byCell)
    concrete.Keep({entry.first}, entry.second, isEnd.contains(index));
  concrete.Remove(step.eliminations);

  bool grouped = false;
  for (const AicNode& n : step.nodes) grouped = grouped || n.cells.size() > 1;
  std::vector<std::string> lines;
  switch (step.kind) {
    case AicKind::XChain:
      lines.push_back("Follow the digit " + D(first.digit) +
                      " along this chain, one link per line (<>: the cell does not hold the "
                      "digit, =: it does):");
      break;
    case AicKind::XYChain:
      lines.push_back(
          "Each cell of this chain has exactly two candidates; follow it one link per line "
          "(<>: the cell does not hold the digit, =: it does):");
      break;
    case AicKind::Aic:
      lines.push_back(std::string("Follow this chain one link per line (<>: the digit is not "
                                  "there, =: it is") +
                      (grouped ? "; a group such as B1/B2 holds the digit in one of its cells"
                               : "") +
                      "):");
      break;
  }
  lines.emplace_back(1, kFixedPitchOpener);
  std::size_t width = 0;
  for (std::size_t k = 0; k < step.links.size(); ++k) {
    const std::string bare = "  " + NodeText(step.nodes[k], false) + "<>" +
                             Num(step.nodes[k].digit) + " => " +
                             NodeText(step.nodes[k + 1], false) + "<>" +
                             Num(step.nodes[k + 1].digit);
    width = std::max(width, bare.size() + 2);
  }
  for (std::size_t k = 0; k < step.links.size(); ++k)
    lines.push_back(ChainLinkLine(step.nodes[k], step.links[k], step.nodes[k + 1], width));
  lines.emplace_back(1, kFixedPitchCloser);

  const std::string a = NodeText(first, true);
  const std::string b = NodeText(last, true);
  if (first.digit == last.digit) {
    const std::string dc = Dc(first.digit);
    lines.push_back("So if " + a + " does not hold the digit " + dc + ", " + b +
                    " does: one of the two ends holds it, and a cell that sees both ends cannot "
                    "hold the digit " + dc + ".");
  } else if (first.cells == last.cells) {
    lines.push_back("So if " + a + " is not " + Dc(first.digit) + ", it is " + Dc(last.digit) +
                    ": the cell holds one of the two, and none of its other candidates.");
  } else {
    lines.push_back("So if " + a + " is not " + Dc(first.digit) + ", " + b + " is " +
                    Dc(last.digit) + ". The two cells see each other, so " + a +
                    " cannot hold " + Dc(last.digit) + " and " + b + " cannot hold " +
                    Dc(first.digit) + ".");
  }

  HintStage concreteStage =
      Concrete(std::move(lines), RemovalConclusion(step.eliminations), concrete, helpContext);
  concreteStage.fixedPitchBlock = true;
  concreteStage.widen = WindowWidening{400, 240};

  std::vector<std::string> generalLines;
  switch (step.kind) {
    case AicKind::XChain:
      generalLines = {
          "Follow one digit along a chain whose links alternate: a unit where the digit has "
          "exactly two places (if one of them is not the digit, the other is), and two cells "
          "that see each other (if one of them is the digit, the other is not).",
          "The chain starts and ends with a unit of two places, so if its first cell is not the "
          "digit, its last cell is: one of the two ends holds the digit, and every cell that "
          "sees both ends loses it."};
      break;
    case AicKind::XYChain:
      generalLines = {
          "A chain of cells with exactly two candidates each, where every cell sees the next "
          "and shares one digit with it.",
          "If the first cell is not its free digit (the one it does not share with the next "
          "cell), it is the shared one, so the next cell is not that digit and holds its other "
          "one, and so on along the chain.",
          "When the last cell's free digit is the same as the first's, one of the two ends "
          "holds it, and every cell that sees both ends loses it."};
      break;
    case AicKind::Aic:
      generalLines = {
          "A chain of candidates whose links alternate. A strong link: if one candidate is "
          "false, the other is true (the two candidates of a cell that has only two, or a "
          "digit's only two places in a row, column or block 3x3). A weak link: if one is "
          "true, the other is false (two digits of one cell, or one digit in cells that see "
          "each other).",
          "A place may be a group of two or three cells of one block 3x3 in one line, which "
          "holds the digit when one of its cells does.",
          "The chain starts and ends with a strong link, so if its first candidate is false, "
          "its last is true: one of the two ends is true.",
          "Ends with the same digit: every cell that sees both loses it. Ends with different "
          "digits in cells that see each other: each cell loses the other's digit. Both ends in "
          "one cell: it keeps only those two digits."};
      break;
  }

  return TwoStages(General(std::string(NameOf(step)), std::move(generalLines), general,
                           helpContext),
                   std::move(concreteStage));
}

}  // namespace zentaro::hints
