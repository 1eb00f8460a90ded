#include "hints/Explanations.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/StringTable.h"
#include "hints/ExplanationsPatterns.h"
#include "hints/Markup.h"

namespace zentaro::hints {

using core::Board;
using core::CellName;
using core::CellRef;
using core::RowLetter;

namespace {

constexpr const char* kPlainConclusion = "&Conclusion:&";

std::string Num(int value) {
  return std::to_string(value);
}

const char* SizeWord(int size) {
  switch (size) {
    case 2:
      return "two";
    case 3:
      return "three";
    default:
      return "four";
  }
}

const char* AllWord(int size) {
  switch (size) {
    case 2:
      return "both";
    case 3:
      return "all three";
    default:
      return "all four";
  }
}

// A result with a field left at -1 must not lead outside the board.
bool OnBoard(int col, int row) {
  return col >= 1 && col <= 9 && row >= 1 && row <= 9;
}

bool IsEmpty(const Board& board, int col, int row) {
  return OnBoard(col, row) && board.at(col, row)[core::kDigit] == 0;
}

bool HasMark(const Board& board, int col, int row, int digit) {
  return digit >= 1 && digit <= 9 && IsEmpty(board, col, row) &&
         board.at(col, row).HasCandidate(digit);
}

std::uint16_t Candidates(const Board& board, int col, int row) {
  return IsEmpty(board, col, row) ? board.at(col, row).Candidates() : 0;
}

// The unit's cells in the order the subset finders walk them: a row left to
// right, a column top to bottom, a block column by column.
std::vector<CellRef> UnitCells(techniques::UnitKind unitKind, int unitNumber) {
  std::vector<CellRef> cells;
  if (unitNumber < 1 || unitNumber > 9) return cells;
  if (unitKind == techniques::UnitKind::Row) {
    for (int c = 1; c <= 9; ++c) cells.push_back({c, unitNumber});
  } else if (unitKind == techniques::UnitKind::Column) {
    for (int r = 1; r <= 9; ++r) cells.push_back({unitNumber, r});
  } else {
    const core::BlockBounds b = core::BoundsOfBlock(unitNumber - 1);
    for (int c = b.firstCol; c <= b.lastCol; ++c) {
      for (int r = b.firstRow; r <= b.lastRow; ++r) cells.push_back({c, r});
    }
  }
  return cells;
}

void HighlightUnit(Highlights& layer, techniques::UnitKind unitKind, int unitNumber) {
  if (unitKind == techniques::UnitKind::Row) {
    HighlightRow(layer, unitNumber, true);
  } else if (unitKind == techniques::UnitKind::Column) {
    HighlightColumn(layer, unitNumber, true);
  } else {
    HighlightBlock(layer, unitNumber, true);
  }
}

// Candidates the digits alone allow, for telling the user's own removals
// apart from what the board forces.
Board ComputedFromDigits(const Board& board) {
  Board computed;
  core::BuildFromDigitsPlain(core::ExtractDigits(board), computed);
  return computed;
}

// Records the layer twice: everything for the stage, and only the cell
// operations for the board once the window has closed.
class StageHighlights {
 public:
  void Unit(techniques::UnitKind unitKind, int unitNumber) {
    HighlightUnit(shown_, unitKind, unitNumber);
  }
  void Row(int row, const DigitFlags* emphasis = nullptr) {
    HighlightRow(shown_, row, true, emphasis);
  }
  void Column(int col, const DigitFlags* emphasis = nullptr) {
    HighlightColumn(shown_, col, true, emphasis);
  }
  void Block(int block, const DigitFlags* elimination = nullptr,
             const DigitFlags* emphasis = nullptr) {
    HighlightBlock(shown_, block, true, elimination, emphasis);
  }
  void Cell(int col, int row, bool highlight, bool selected = false,
            const DigitFlags* elimination = nullptr, const DigitFlags* emphasis = nullptr) {
    HighlightCell(shown_, col, row, highlight, selected, elimination, emphasis);
    HighlightCell(after_, col, row, highlight, selected, elimination, emphasis);
  }
  // The digit's mark emphasised, and shown as eliminated when `remove`.
  void Mark(int col, int row, const DigitFlags& digits, bool remove) {
    Cell(col, row, false, false, remove ? &digits : nullptr, &digits);
  }

  void FillGeneral(HintStage& stage) const {
    stage.highlights = shown_;
    stage.highlightsAfter = shown_;
  }
  void FillConcrete(HintStage& stage) const {
    stage.highlights = shown_;
    stage.highlightsAfter = after_;
  }

 private:
  Highlights shown_;
  Highlights after_;
};

HintStage GeneralStage(std::vector<std::string> lines, const StageHighlights& highlights,
                       int helpContext) {
  HintStage stage;
  stage.kind = StageKind::General;
  stage.lines = std::move(lines);
  stage.buttonCaption = core::Text::ConcreteHintButton;
  stage.helpContext = helpContext;
  highlights.FillGeneral(stage);
  return stage;
}

// The concrete lines are followed by one empty line and the conclusion.
HintStage ConcreteStage(std::vector<std::string> lines, std::vector<std::string> conclusion,
                        const StageHighlights& highlights, int helpContext) {
  HintStage stage;
  stage.kind = StageKind::Concrete;
  stage.lines = std::move(lines);
  stage.lines.emplace_back();
  for (std::string& line : conclusion) stage.lines.push_back(std::move(line));
  stage.buttonCaption = core::Text::DoItButton;
  stage.helpContext = helpContext;
  stage.countsConcreteHint = true;
  highlights.FillConcrete(stage);
  return stage;
}

Explanation TwoStages(HintStage general, HintStage concrete) {
  Explanation explanation;
  explanation.stages.push_back(std::move(general));
  explanation.stages.push_back(std::move(concrete));
  return explanation;
}

std::string DigitConclusion(int col, int row, int digit) {
  return core::LoadText(core::Text::Conclusion) + CellName(col, row) + " =& @" + Num(digit) + "&";
}

// "row B" or "column 5".
std::string LineName(bool isRow, int line) {
  return isRow ? "row " + RowLetter(line) : "column " + Num(line);
}

// Bare identifier of a line: the row letter or the column digit.
std::string LineId(bool isRow, int line) {
  return isRow ? RowLetter(line) : Num(line);
}

CellRef LineCell(bool isRow, int line, int position) {
  return isRow ? CellRef{position, line} : CellRef{line, position};
}

const char* UnitPhrase(techniques::UnitKind unitKind) {
  switch (unitKind) {
    case techniques::UnitKind::Row:
      return "highlighted row";
    case techniques::UnitKind::Column:
      return "highlighted column";
    default:
      return "highlighted block 3x3";
  }
}

const char* SubsetUnitWord(techniques::UnitKind unitKind) {
  switch (unitKind) {
    case techniques::UnitKind::Row:
      return "row";
    case techniques::UnitKind::Column:
      return "column";
    default:
      return "block";
  }
}

std::vector<int> DigitsOfSet(std::uint16_t set) {
  std::vector<int> digits;
  for (int d = 1; d <= 9; ++d) {
    if (set & (1u << d)) digits.push_back(d);
  }
  return digits;
}

// Each digit bold and coloured: "&1@, &5@ and &8@".
std::string NakedDigitList(const std::vector<int>& digits) {
  std::string list;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i == 0) {
      list += "&";
    } else if (i + 1 == digits.size()) {
      list += " and &";
    } else {
      list += ", &";
    }
    list += Num(digits[i]) + "@";
  }
  return list;
}

// The fish explanations share their geometry: base lines, cross lines and
// the cells where they meet.
struct Fish {
  bool baseRows;
  std::vector<int> lines;
  std::vector<int> positions;
};

void HighlightFish(StageHighlights& h, const Board& board, const Fish& fish, int digit,
                   bool crossLines) {
  for (int line : fish.lines) {
    if (fish.baseRows) {
      h.Row(line);
    } else {
      h.Column(line);
    }
  }
  if (!crossLines) return;
  const DigitFlags flags = FlagsOfDigit(digit);
  for (int position : fish.positions) {
    if (fish.baseRows) {
      h.Column(position, &flags);
    } else {
      h.Row(position, &flags);
    }
  }
  for (int position : fish.positions) {
    for (int other = 1; other <= 9; ++other) {
      if (std::find(fish.lines.begin(), fish.lines.end(), other) != fish.lines.end()) continue;
      const CellRef cell = LineCell(!fish.baseRows, position, other);
      if (IsEmpty(board, cell.col, cell.row)) h.Mark(cell.col, cell.row, flags, true);
    }
  }
}

using techniques::ChainLink;
using techniques::ChainPath;

bool SameCell(const ChainLink& a, const ChainLink& b) {
  return a.cell == b.cell;
}

// A chain the explanation can show: a start and at least one step, every
// link a digit in a cell of the board.
bool Readable(const ChainPath& path) {
  return path.size() >= 2 && std::all_of(path.begin(), path.end(), [](const ChainLink& link) {
           return link.cell.OnBoard() && link.digit >= 1 && link.digit <= 9;
         });
}

// Puts the marker at 1-based column `column`, shifting the rest right; past
// the end it is appended, as the diagram's right-hand markers usually are.
void InsertMarker(std::string& line, int column, char marker) {
  const std::size_t at = static_cast<std::size_t>(column - 1);
  if (at >= line.size()) {
    line.push_back(marker);
  } else {
    line.insert(at, 1, marker);
  }
}

void PadTo(std::string& line, std::size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
}

}  // namespace

core::ModalResult DriveExplanation(
    const Explanation& explanation,
    const std::function<core::ModalResult(const HintStage&)>& showStage,
    const std::function<void(const std::string&)>& showMessage, int& concreteHints) {
  if (!explanation.internalError.empty()) {
    showMessage(explanation.internalError);
    return core::ModalResult::Cancel;
  }
  for (const HintStage& stage : explanation.stages) {
    const core::ModalResult result = showStage(stage);
    if (stage.countsConcreteHint) ++concreteHints;
    if (result != core::ModalResult::Ok) return core::ModalResult::Cancel;
  }
  return core::ModalResult::Ok;
}

Explanation ExplainSingleCandidate(const Board& board, const techniques::SingleStep& single,
                                   bool userMarks, int helpContext) {
  const int col = single.cell.col;
  const int row = single.cell.row;
  const int digit = single.digit;
  const std::string cell = CellName(col, row);

  StageHighlights general;
  general.Cell(col, row, true);
  std::string generalLine =
      HasMark(board, col, row, digit)
          ? "The cell @" + cell + "& has only one candidate."
          : "Find all digits allowed for the highlighted cell @" + cell + "@.";

  // Only the user's own removals can make a single the digits alone do not
  // force; then the text owns up to them.
  std::string presentEnding = ".";
  if (userMarks && OnBoard(col, row)) {
    const Board computed = ComputedFromDigits(board);
    const core::Cell& mine = board.at(col, row);
    const core::Cell& forced = computed.at(col, row);
    const bool differ = !std::equal(mine.begin() + 1, mine.begin() + 10, forced.begin() + 1,
                                    [](int a, int b) { return (a > 0) == (b > 0); });
    if (differ && forced[core::kCount] != 1)
      presentEnding = core::LoadText(core::Text::OtherTechniquesEnding);
  }

  StageHighlights concrete;
  const DigitFlags flags = FlagsOfDigit(digit);
  concrete.Cell(col, row, true, true, nullptr, userMarks ? &flags : nullptr);
  HintStage concreteStage =
      ConcreteStage({"The only digit allowed for the cell " + cell + " is @" + Num(digit) + "&.",
                     "All other digits are already present either in the column " + Num(col) +
                         ", or in the row " + RowLetter(row) +
                         ", or in the block 3x3 containing the cell " + cell + presentEnding},
                    {DigitConclusion(col, row, digit)}, concrete, helpContext);
  concreteStage.hintCell = CellRef{col, row};
  return TwoStages(GeneralStage({generalLine}, general, helpContext), std::move(concreteStage));
}

Explanation ExplainHiddenSingle(const Board& board, const techniques::SingleStep& single,
                                bool userMarks, int helpContext) {
  const int col = single.cell.col;
  const int row = single.cell.row;
  const int digit = single.digit;
  const std::string cell = CellName(col, row);

  techniques::UnitKind unitKind = techniques::UnitKind::Block;
  const int unitNumber = single.unit.number;
  const char* unitWord = "block 3x3";
  const char* otherUnits = "columns or rows";
  if (single.unit.kind == techniques::UnitKind::Row) {
    unitKind = techniques::UnitKind::Row;
    unitWord = "row";
    otherUnits = "columns or blocks 3x3";
  } else if (single.unit.kind == techniques::UnitKind::Column) {
    unitKind = techniques::UnitKind::Column;
    unitWord = "column";
    otherUnits = "rows or blocks 3x3";
  }

  StageHighlights general;
  general.Unit(unitKind, unitNumber);

  std::vector<std::string> lines{"In the highlighted " + std::string(unitWord) +
                                 " only the cell &" + cell + "& can contain the digit @" +
                                 Num(digit) + "&."};
  int otherEmpty = 0;
  bool forcedByDigits = true;
  for (const CellRef& other : UnitCells(unitKind, unitNumber)) {
    if ((other.col == col && other.row == row) || !IsEmpty(board, other.col, other.row)) continue;
    ++otherEmpty;
    if (digit >= 1 && digit <= 9 && core::CanPlace(board, digit, {other.col, other.row})) {
      forcedByDigits = false;
    }
  }
  if (otherEmpty > 0) {
    std::string line = "All other free cells in this " + std::string(unitWord) +
                       " are excluded since their " + otherUnits + " already contain the digit @" +
                       Num(digit) + "&";
    if (userMarks && !forcedByDigits) {
      line += " " + core::LoadText(core::Text::MarksRemovedOpening) + " @" + Num(digit) + "& " +
              core::LoadText(core::Text::MarksRemovedClosing);
    } else {
      line += ".";
    }
    lines.push_back(std::move(line));
  }

  StageHighlights concrete;
  concrete.Unit(unitKind, unitNumber);
  if (userMarks) concrete.Mark(col, row, FlagsOfDigit(digit), false);
  HintStage concreteStage =
      ConcreteStage(std::move(lines), {DigitConclusion(col, row, digit)}, concrete, helpContext);
  if (userMarks) concreteStage.hintCell = CellRef{col, row};

  return TwoStages(
      GeneralStage(
          {"There is a digit that is allowed in &only one cell& within the highlighted " +
           std::string(unitWord) + ". This means that the digit &has to& stand in that cell."},
          general, helpContext),
      std::move(concreteStage));
}

Explanation ExplainPointing(const Board& board, const techniques::PointingStep& result,
                            bool /*userMarks*/, int helpContext) {
  const bool isRow = result.line == techniques::LineKind::Row;
  const int line = result.lineNumber;
  const std::string d = Num(result.digit);
  const std::string unitWord = isRow ? "row" : "column";
  const std::string unitName = LineName(isRow, line);

  StageHighlights general;
  general.Block(result.block);

  StageHighlights concrete;
  concrete.Block(result.block);
  const DigitFlags flags = FlagsOfDigit(result.digit);
  for (int position = 1; position <= 9; ++position) {
    const CellRef cell = LineCell(isRow, line, position);
    if (!IsEmpty(board, cell.col, cell.row)) continue;
    const bool insideBlock = core::BlockOf(cell.col, cell.row) + 1 == result.block;
    concrete.Mark(cell.col, cell.row, flags, !insideBlock);
  }

  return TwoStages(
      GeneralStage({"There is a candidate that occurs in only one " + unitWord +
                    " within the highlighted block." +
                    " This means that the candidate can be excluded in all cells of this " +
                    unitWord + " &outside the highlighted block&."},
                   general, helpContext),
      ConcreteStage(
          {"Within the highlighted block the digit @" + d +
               "& can stand only in one of the cells of the &" + unitName + "&.",
           "The block must contain the digit @" + d + "@ so you can tell for sure that @" + d +
               "@ will stand in one of the cells in the " + unitName + " within this block." +
               " This means that @" + d + "@ can be excluded as candidate in all cells in the " +
               unitName + " outside the highlighted block."},
          {kPlainConclusion, "You can remove the pencil marks of the digit &" + d + "@ from the &" +
                                 unitName + " " + "outside the highlighted block&."},
          concrete, helpContext));
}

Explanation ExplainClaiming(const Board& /*board*/, const techniques::ClaimingStep& result,
                            bool /*userMarks*/, int helpContext) {
  const bool isRow = result.line == techniques::LineKind::Row;
  const int line = result.lineNumber;
  const int block = result.block;
  const std::string d = Num(result.digit);
  const std::string unitWord = isRow ? "row" : "column";
  const std::string unitName = LineName(isRow, line);
  const DigitFlags flags = FlagsOfDigit(result.digit);

  StageHighlights general;
  StageHighlights concrete;
  // The block's marks are shown as eliminated first; the line then keeps its
  // own, since the row and column forms clear the eliminations they cover.
  concrete.Block(block, &flags, &flags);
  if (isRow) {
    general.Row(line);
    concrete.Row(line, &flags);
  } else {
    general.Column(line);
    concrete.Column(line, &flags);
  }

  return TwoStages(
      GeneralStage({"In the highlighted " + unitWord +
                    " you can find a candidate that occurs only in the cells belonging to one "
                    "block 3x3." +
                    " This means that this digit cannot stand &in any other " + unitWord +
                    "& within this block."},
                   general, helpContext),
      ConcreteStage(
          {"In the &" + unitName + "& the digit @" + d +
               "& can stand only in one of the cells within the higlighted block 3x3.",
           "The " + unitWord + " must contain the digit @" + d +
               "@, thus you can tell for sure that the digit @" + d +
               "@ will stand in one of the cells in the " + unitName + " within this block." +
               " This means that the digit @" + d +
               "@ can be excluded as candidate in all other cells within the highlighted block "
               "(cells &outside& this " +
               unitWord + ")."},
          {kPlainConclusion, "You can remove the pencil marks of the digit &" + d +
                                 "@ in the highlighted block" + " &except for the cells in the " +
                                 unitName + "&."},
          concrete, helpContext));
}

Explanation ExplainTwoBlocks(const Board& board, const techniques::TwoBlockStep& result,
                             bool /*userMarks*/, int helpContext) {
  const bool rows = result.lines == techniques::LineKind::Row;
  const std::string lineWord = rows ? "row" : "column";
  const std::string lineWords = lineWord + "s";
  const std::string l1 = LineId(rows, result.lineNumbers[0]);
  const std::string l2 = LineId(rows, result.lineNumbers[1]);
  const std::string d = Num(result.digit);
  const int firstBlock = result.blocks[0];
  const int secondBlock = result.blocks[1];

  StageHighlights general;
  general.Block(firstBlock);
  general.Block(secondBlock);

  StageHighlights concrete;
  concrete.Block(firstBlock);
  concrete.Block(secondBlock);
  const DigitFlags flags = FlagsOfDigit(result.digit);
  for (int line : result.lineNumbers) {
    for (int position = 1; position <= 9; ++position) {
      const CellRef cell = LineCell(rows, line, position);
      if (!IsEmpty(board, cell.col, cell.row)) continue;
      const int block = core::BlockOf(cell.col, cell.row) + 1;
      concrete.Mark(cell.col, cell.row, flags, block != firstBlock && block != secondBlock);
    }
  }

  return TwoStages(
      GeneralStage(
          {"Within the two highlighted blocks 3x3 you can find a candidate that in both blocks "
           "occurs only in two (the same) " +
           lineWords + "." +
           " This means that this digit can stand nowhere &outside these blocks& in these two " +
           lineWords + "."},
          general, helpContext),
      ConcreteStage(
          {"Within both highlighted blocks the digit &" + d + "@ occurs as candidate only in the " +
               lineWords + " &" + l1 + "& and &" + l2 + "&.",
           "Both blocks &must& contain the digit @" + d +
               "@, but it may not stand in two cells within the same " + lineWord +
               ", thus the digit @" + d + "@ &must& stand in the " + lineWord + " " + l1 +
               " within one block and in the " + lineWord + " " + l2 + " within the other block.",
           "This means that the digit @" + d +
               "@ can be excluded as candidate in all cells in the " + lineWords + " " + l1 +
               " and " + l2 + " outside these two blocks."},
          {kPlainConclusion, "You can remove all pencil marks of the digit @" + d + "& from the " +
                                 lineWords + " " + l1 + " and " + l2 +
                                 " &outside the two highlighted blocks&."},
          concrete, helpContext));
}

Explanation ExplainNakedSubset(const Board& board, const techniques::NakedSubsetStep& result,
                               bool /*userMarks*/, int helpContext) {
  const techniques::UnitKind unitKind = result.unit.kind;
  const int unitNumber = result.unit.number;
  const std::vector<int> digits = DigitsOfSet(result.digits);
  const int size = static_cast<int>(digits.size());
  const std::string sizeWord = SizeWord(size);
  const std::string phrase = UnitPhrase(unitKind);
  const std::string unitWord = SubsetUnitWord(unitKind);
  const std::string list = NakedDigitList(digits);
  const DigitFlags flags = DigitFlagsOfSet(result.digits);

  // The wording follows the cells as they stand rather than the finder's
  // strict flag, which a pipeline entry may carry over from another instance.
  bool same = true;
  StageHighlights general;
  general.Unit(unitKind, unitNumber);
  StageHighlights concrete;
  concrete.Unit(unitKind, unitNumber);
  for (const CellRef& cell : UnitCells(unitKind, unitNumber)) {
    if (!IsEmpty(board, cell.col, cell.row)) continue;
    const std::uint16_t cands = Candidates(board, cell.col, cell.row);
    const bool member = cands != 0 && (cands & ~result.digits) == 0;
    if (member && cands != result.digits) same = false;
    concrete.Mark(cell.col, cell.row, flags, !member);
  }

  std::string generalLine;
  std::string cellsLine;
  if (same) {
    generalLine = "In the " + phrase + " there are " + sizeWord + " cells having the same " +
                  sizeWord + " digits as the only candidates." + " This means that each of these " +
                  sizeWord +
                  " digits &must& stand in one of these cells, thus the digits can be excluded "
                  "from all other cells in this " +
                  unitWord + ".";
    cellsLine = "In this " + unitWord + " there are " + sizeWord +
                " cells having exactly the same " + sizeWord + " candidates: " + list + ".";
  } else {
    generalLine = "In the " + phrase + " there are " + sizeWord +
                  " cells for which exclusively candidates from a set of " + sizeWord +
                  " digits are allowed." +
                  " This means that each of the digits from this set &must& stand in one of "
                  "these " +
                  sizeWord +
                  " cells, thus all digits from the set can be excluded in all other cells in "
                  "this " +
                  unitWord + ".";
    cellsLine = "In this " + unitWord + " there are " + sizeWord +
                " cells for which exclusively candidates from a set of " + sizeWord +
                " digits are allowed: " + list + ".";
  }
  std::string onlyLine =
      size == 2 ? "These " + sizeWord + " digits are &the only& candidates for these " + sizeWord +
                      " cells,"
                : std::string(
                      "The digits from this set are the only candidates for these cells and the "
                      "number of the cells is the same as the number of the digits in the set,");
  onlyLine += " thus each of the " + sizeWord + " digits &must& stand in one of these " + sizeWord +
              " cells.";

  return TwoStages(
      GeneralStage({generalLine}, general, helpContext),
      ConcreteStage(
          {"Look at the " + phrase + ":", cellsLine, onlyLine,
           "This means that none of these digits can stand in any other cell in the " + phrase +
               ", thus " + AllWord(size) +
               " digits can be excluded as candidates in all other cells in this " + unitWord +
               "."},
          {kPlainConclusion, "You can remove the pencil marks of the digits " + list +
                                 " in all cells in the " + phrase + " " + "&except for the " +
                                 sizeWord + " highlighted cells& that have no other candidates."},
          concrete, helpContext));
}

Explanation ExplainHiddenSubset(const Board& board, const techniques::HiddenSubsetStep& result,
                                bool /*userMarks*/, int helpContext) {
  const std::vector<int> digits = DigitsOfSet(result.digits);
  const std::uint16_t set = result.digits;
  const int size = static_cast<int>(digits.size());
  const std::string sizeWord = SizeWord(size);
  const techniques::UnitKind unitKind = result.unit.kind;
  const int unitNumber = result.unit.number;
  const std::string phrase = UnitPhrase(unitKind);
  const std::string unitWord = SubsetUnitWord(unitKind);
  const std::string unitName =
      unitWord + " " +
      (unitKind == techniques::UnitKind::Row ? RowLetter(unitNumber) : Num(unitNumber));

  std::string digitList;
  for (int i = 0; i < size; ++i) {
    digitList.append(1, kColourMarker).append(Num(digits[i])).append(1, kBoldMarker);
    if (i + 2 < size) digitList += ", ";
    if (i + 2 == size) digitList += " and ";
  }

  // Everything in a subset cell is emphasised so that the foreign candidates
  // can be shown as eliminated.
  DigitFlags keepAll{};
  for (int d = 1; d <= 9; ++d) keepAll[d] = 1;
  DigitFlags foreign{};
  for (int d = 1; d <= 9; ++d) foreign[d] = (set & (1u << d)) ? 0 : 1;

  StageHighlights general;
  general.Unit(unitKind, unitNumber);
  StageHighlights concrete;
  concrete.Unit(unitKind, unitNumber);
  std::string cellList;
  std::vector<CellRef> members;
  for (const CellRef& cell : UnitCells(unitKind, unitNumber)) {
    if ((Candidates(board, cell.col, cell.row) & set) == 0) continue;
    members.push_back(cell);
    concrete.Cell(cell.col, cell.row, false, false, &foreign, &keepAll);
  }
  for (std::size_t i = 0; i < members.size(); ++i) {
    cellList.append(1, kBoldMarker)
        .append(CellName(members[i].col, members[i].row))
        .append(1, kBoldMarker);
    if (i + 1 < members.size()) cellList += ", ";
  }

  return TwoStages(
      GeneralStage({"From the candidates in the " + phrase + " a set of " + sizeWord +
                    " digits can be chosen, so that the digits from this set can be put in "
                    "exactly " +
                    sizeWord + " cells (within the " + unitWord + ")." +
                    " This means that each of these cells &must& contain a digit from this set, "
                    "thus all other candidates in these " +
                    sizeWord + " cells can be excluded."},
                   general, helpContext),
      ConcreteStage(
          {"In the " + unitName + " the set of " + sizeWord + " candidates (" + digitList +
           ") can be placed in exactly " + sizeWord + " cells: " + cellList + "." +
           " This means that each of these cells &must& contain a digit from this set, thus all "
           "other candidates (not belonging to the set) can be excluded from these " +
           sizeWord + " cells."},
          {kPlainConclusion, "You can remove all pencil marks from the " + sizeWord +
                                 " highlighted cells" + " &except for the pencil marks of& " +
                                 digitList + "."},
          concrete, helpContext));
}

Explanation ExplainXWing(const Board& board, const techniques::BasicFishStep& result,
                         bool /*userMarks*/, int helpContext) {
  const Fish fish{result.baseLines == techniques::LineKind::Row,
                  {result.base[0], result.base[1]},
                  {result.cover[0], result.cover[1]}};
  const std::string linePlural = fish.baseRows ? "rows" : "columns";
  const std::string crossWord = fish.baseRows ? "column" : "row";
  const std::string crossPlural = crossWord + "s";
  const std::string x1 = LineId(!fish.baseRows, fish.positions[0]);
  const std::string x2 = LineId(!fish.baseRows, fish.positions[1]);
  const std::string d = Num(result.digit);
  std::vector<std::string> cells;
  for (int line : fish.lines) {
    for (int position : fish.positions) {
      const CellRef cell = LineCell(fish.baseRows, line, position);
      cells.push_back(CellName(cell.col, cell.row));
    }
  }

  StageHighlights general;
  HighlightFish(general, board, fish, result.digit, false);
  StageHighlights concrete;
  HighlightFish(concrete, board, fish, result.digit, true);

  HintStage concreteStage = ConcreteStage(
      {"In the two highlighted " + linePlural + " only the cells " + "@" + cells[0] + "&, @" +
           cells[1] + "&, @" + cells[2] + "&, @" + cells[3] + "&" + " can contain the digit @" + d +
           "&. There are two situations possible:",
       "The digit @" + d +
           "@ stands either in the top-left and the bottom-right of the four cells, or in the "
           "top-right and bottom-left ones (the digit may not occur twice in any row or column)." +
           " In both situations the digit @" + d + "@ can be excluded in all other cells in the " +
           crossWord + " " + x1 + " and the " + crossWord + " " + x2 + "&."},
      {kPlainConclusion, "You can remove the pencil marks of the digit @" + d +
                             "& from all cells in the " + crossPlural + " &" + x1 + "& and &" + x2 +
                             "&, &except for the highlighted cells &" + " @" + cells[0] + "&, " +
                             "@" + cells[1] + "&, " + "@" + cells[2] + "&, " + "@" + cells[3] +
                             "&."},
      concrete, helpContext);
  concreteStage.widen = WindowWidening{400, 0};

  return TwoStages(
      GeneralStage(
          {"In two " + linePlural + " the digit @" + d +
               "& occurs as a candidate in exactly two cells, and in both " + linePlural +
               " those cells belong to the same two " + crossPlural + ".",
           "This means that the digit @" + d + "@ can be excluded in those two " + crossPlural +
               ", except for the four cells (this solving technique is called "
               "\"X-Wing\")."},
          general, helpContext),
      std::move(concreteStage));
}

Explanation ExplainSwordfish(const Board& board, const techniques::BasicFishStep& result,
                             bool /*userMarks*/, int helpContext) {
  const Fish fish{result.baseLines == techniques::LineKind::Row,
                  {result.base[0], result.base[1], result.base[2]},
                  {result.cover[0], result.cover[1], result.cover[2]}};
  const std::string linePlural = fish.baseRows ? "rows" : "columns";
  const std::string crossPlural = fish.baseRows ? "columns" : "rows";
  std::array<std::string, 3> line{};
  std::array<std::string, 3> cross{};
  for (int i = 0; i < 3; ++i) {
    line[i] = LineId(fish.baseRows, fish.lines[i]);
    cross[i] = LineId(!fish.baseRows, fish.positions[i]);
  }
  const std::string d = Num(result.digit);

  StageHighlights general;
  HighlightFish(general, board, fish, result.digit, false);
  StageHighlights concrete;
  HighlightFish(concrete, board, fish, result.digit, true);

  HintStage concreteStage = ConcreteStage(
      {"All the " + linePlural + " &" + line[0] + "&, &" + line[1] + "& and &" + line[2] + "&" +
           " have two or three cells that can contain the digit @" + d + "& (highlighted).",
       "Each of these three " + linePlural + " must contain the digit @" + d +
           "@ and the digit can be placed only in the highlighted cells," +
           " but in each of the three common " + crossPlural + " the digit @" + d +
           "@ can occur only once, thus in each of the three " + crossPlural + " the digit @" + d +
           "@ must stand in one of the highlighted cells (only in this way all three " +
           linePlural + " can have the digit @" + d + "@).",
       "This means that the digit @" + d + "& may not occur in any other cell in these three " +
           crossPlural + "."},
      {kPlainConclusion, "You can remove all pencil marks of the digit @" + d + "& from the " +
                             crossPlural + " @" + cross[0] + "&, @" + cross[1] + "& and @" +
                             cross[2] + "&" +
                             ", &except for the cells that are being shared "
                             "with the " +
                             linePlural + "& @" + line[0] + "&, @" + line[1] + "& and @" + line[2] +
                             "&" + " (highlighted)."},
      concrete, helpContext);
  concreteStage.widen = WindowWidening{400, 0};

  return TwoStages(
      GeneralStage(
          {"There are three " + linePlural + " that can hold the digit @" + d +
               "& in exactly two or three cells, and in all these " + linePlural +
               " all the cells belong to the same three " + crossPlural + ".",
           "This means that the digit @" + d + "@ can be excluded in these three " + crossPlural +
               ", except for those cells (this solving technique is called "
               "\"Swordfish\")."},
          general, helpContext),
      std::move(concreteStage));
}

std::vector<std::string> ChainLines(const ChainPath& path) {
  std::vector<std::string> lines;
  for (const ChainLink& link : path)
    lines.push_back(CellName(link.cell.col, link.cell.row) + "=" + Num(link.digit) +
                    (link.hiddenSingle ? "*" : ""));
  return lines;
}

std::vector<std::string> ChainDiagram(const std::vector<std::string>& chainA,
                                      const std::vector<std::string>& chainB) {
  std::vector<std::string> diagram{"  if            if"};
  const std::size_t longer = std::max(chainA.size(), chainB.size());
  for (std::size_t i = 0; i < longer; ++i) {
    std::string entry;
    if (i < chainA.size()) entry = "   " + chainA[i];
    if (i < chainB.size()) {
      PadTo(entry, std::max<std::size_t>(17, entry.size() + 1));
      entry += chainB[i];
    }
    // The markers go into blank columns, so the columns line up again once
    // the mark-up pass has taken them out. Right to left on the first line,
    // so each column still means the unmarked one.
    if (i == 0) {
      InsertMarker(entry, 24, kColourMarker);
      InsertMarker(entry, 17, kBoldMarker);
      InsertMarker(entry, 10, kColourMarker);
      InsertMarker(entry, 3, kBoldMarker);
    } else {
      const bool leftLast = i + 1 == chainA.size();
      if (leftLast) {
        InsertMarker(entry, 10, kColourMarker);
        InsertMarker(entry, 3, kBoldMarker);
      }
      if (i + 1 == chainB.size()) {
        InsertMarker(entry, chainA.size() == chainB.size() ? 26 : 24, kColourMarker);
        InsertMarker(entry, 17, kBoldMarker);
      }
    }
    diagram.push_back(std::move(entry));

    if (i + 1 == longer) break;
    std::string then;
    if (i + 1 < chainA.size()) then = "  then";
    if (i + 1 < chainB.size()) {
      PadTo(then, std::max<std::size_t>(16, then.size() + 1));
      then += "then";
    }
    diagram.push_back(std::move(then));
  }
  return diagram;
}

Explanation ExplainChains(const Board& /*board*/, const techniques::ChainStep& result,
                          bool /*userMarks*/, int helpContext) {
  const bool contradicting = result.excludedDigit > 0;
  const ChainPath& a = result.chainA;
  const ChainPath& b = result.chainB;

  // Both chains leave the same start cell and end in the same cell: with the
  // same digit and the result's cell for forcing chains; with two digits for
  // a contradiction, where both come from the excluded candidate.
  bool consistent =
      Readable(a) && Readable(b) && SameCell(a.front(), b.front()) && SameCell(a.back(), b.back());
  if (consistent) {
    const ChainLink& start = a.front();
    const ChainLink& endA = a.back();
    const ChainLink& endB = b.back();
    if (contradicting) {
      consistent = start.digit == result.excludedDigit && b.front().digit == start.digit &&
                   endA.digit != endB.digit && !SameCell(start, endA) &&
                   result.cell.col == start.cell.col && result.cell.row == start.cell.row &&
                   result.digit != result.excludedDigit && result.digit >= 1 && result.digit <= 9;
    } else {
      consistent = start.digit != b.front().digit && endA.digit == endB.digit &&
                   !SameCell(start, endA) && result.cell.col == endA.cell.col &&
                   result.cell.row == endA.cell.row && result.digit == endA.digit;
    }
  }
  if (!consistent) {
    Explanation failed;
    failed.internalError = "Internal error.";
    return failed;
  }

  const ChainLink& start = a.front();
  const ChainLink& target = a.back();
  const std::string startName = CellName(start.cell.col, start.cell.row);
  const std::string targetName = CellName(target.cell.col, target.cell.row);
  const std::string d = Num(result.digit);
  const int first = contradicting ? std::min(result.excludedDigit, result.digit) : start.digit;
  const int second = contradicting ? std::max(result.excludedDigit, result.digit) : b.front().digit;

  StageHighlights general;
  general.Cell(start.cell.col, start.cell.row, true);
  general.Cell(target.cell.col, target.cell.row, true);
  std::vector<std::string> generalLines{
      contradicting ? "Look for the &contradicting chains&:" : "Look for the &forcing chains&:",
      "Start in the cell @" + startName +
          "& and observe which digits are being forced in the "
          "cell &" +
          targetName + "&."};
  if (contradicting) {
    generalLines.push_back(
        "&Note&: The contradicting chains may only be used when you know for sure that the "
        "puzzel has exactly one possible solution.");
  }

  std::vector<std::string> lines{"The cell &" + startName + "& has only two candidates" + ": @" +
                                 Num(first) + "& and @" + Num(second) + "&."};
  lines.push_back((contradicting
                       ? "If you put the digit @" + Num(result.excludedDigit) + "& in this cell,"
                       : "If you put the digit @" + Num(first) +
                             "@ in this cell and then the digit @" + Num(second) + "@,") +
                  " then you can find the following &forcing chains&" + ".");
  const auto usesHiddenSingle = [](const std::vector<ChainLink>& chain) {
    return std::any_of(chain.begin(), chain.end(),
                       [](const ChainLink& e) { return e.hiddenSingle; });
  };
  if (usesHiddenSingle(a) || usesHiddenSingle(b)) {
    lines.push_back(
        "The @*& means @the only possible location for the digit in a column, row, or block@.");
    lines.push_back("No @*& means @the only possible candidate for a cell@.");
  } else {
    lines.push_back("Both chains are based on @the only possible candidate for a cell@.");
  }
  lines.emplace_back(1, kFixedPitchOpener);
  for (std::string& line : ChainDiagram(ChainLines(result.chainA), ChainLines(result.chainB))) {
    lines.push_back(std::move(line));
  }
  lines.emplace_back(1, kFixedPitchCloser);

  std::string conclusion =
      core::LoadText(core::Text::Conclusion) + CellName(result.cell.col, result.cell.row);
  if (contradicting) {
    const std::string excluded = Num(result.excludedDigit);
    lines.push_back("The digit @" + excluded + "@ cannot stand in the cell " + startName +
                    ", since this would force two different digits in the cell " + targetName +
                    "," + " so you can exclude the digit @" + excluded +
                    "@ as candidate for the cell " + startName + "." + "Then the digit @" + d +
                    "@ becomes the only candidate for the cell " + startName + ".");
    conclusion += "& = @" + d;
  } else {
    lines.push_back("No matter which one of the two candidates stands in the cell " + startName +
                    ", the digit @" + d + "@ is being forced in the cell " + targetName + ", " +
                    "thus the digit @" + d + "@ &must& stand in that cell.");
    conclusion += " =& @" + d;
  }

  StageHighlights concrete;
  concrete.Cell(start.cell.col, start.cell.row, true);
  concrete.Cell(target.cell.col, target.cell.row, true);
  HintStage concreteStage = ConcreteStage(std::move(lines), {conclusion}, concrete, helpContext);
  concreteStage.fixedPitchBlock = true;
  concreteStage.widen = WindowWidening{400, 240, false};

  return TwoStages(GeneralStage(std::move(generalLines), general, helpContext),
                   std::move(concreteStage));
}

Explanation ExplainStep(const Board& board, const techniques::Step& step, bool userMarks,
                        int helpContext) {
  // One call per family: a new family in the variant does not compile until
  // it has its explanation here.
  struct Visitor {
    const Board& board;
    bool userMarks;
    int helpContext;
    Explanation operator()(const techniques::NakedSubsetStep& s) const {
      return ExplainNakedSubset(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::HiddenSubsetStep& s) const {
      return ExplainHiddenSubset(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::SingleStep& s) const {
      return s.kind == techniques::SingleKind::Candidate
                 ? ExplainSingleCandidate(board, s, userMarks, helpContext)
                 : ExplainHiddenSingle(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::PointingStep& s) const {
      return ExplainPointing(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::ClaimingStep& s) const {
      return ExplainClaiming(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::TwoBlockStep& s) const {
      return ExplainTwoBlocks(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::ChainStep& s) const {
      return ExplainChains(board, s, userMarks, helpContext);
    }
    Explanation operator()(const techniques::BasicFishStep& s) const {
      return s.size == 2 ? ExplainXWing(board, s, userMarks, helpContext)
                         : ExplainSwordfish(board, s, userMarks, helpContext);
    }
    // After the chains the marks are always complete, the user's or not.
    Explanation operator()(const techniques::FishStep& s) const {
      return ExplainFish(board, s, helpContext);
    }
    Explanation operator()(const techniques::SkyscraperStep& s) const {
      return ExplainSkyscraper(board, s, helpContext);
    }
    Explanation operator()(const techniques::KiteStep& s) const {
      return ExplainTwoStringKite(board, s, helpContext);
    }
    Explanation operator()(const techniques::EmptyRectangleStep& s) const {
      return ExplainEmptyRectangle(board, s, helpContext);
    }
    Explanation operator()(const techniques::ColouringStep& s) const {
      return ExplainColouring(board, s, helpContext);
    }
    Explanation operator()(const techniques::WingStep& s) const {
      return ExplainWing(board, s, helpContext);
    }
    Explanation operator()(const techniques::WWingStep& s) const {
      return ExplainWWing(board, s, helpContext);
    }
    Explanation operator()(const techniques::UniqueRectangleStep& s) const {
      return ExplainUniqueRectangle(board, s, helpContext);
    }
    Explanation operator()(const techniques::BugStep& s) const {
      return ExplainBugPlusOne(board, s, helpContext);
    }
    Explanation operator()(const techniques::AicStep& s) const {
      return ExplainAic(board, s, helpContext);
    }
    Explanation operator()(const techniques::AlsXzStep& s) const {
      return ExplainAlsXz(board, s, helpContext);
    }
    Explanation operator()(const techniques::ForcingNetStep& s) const {
      return ExplainForcingNet(board, s, helpContext);
    }
  };
  return std::visit(Visitor{board, userMarks, helpContext}, step);
}

Explanation ExplainNoHint(int solutionCount, int helpContext) {
  HintStage stage;
  stage.kind = StageKind::Only;
  stage.buttonCaption = core::Text::Ok;
  stage.helpContext = helpContext;
  if (solutionCount > 1) {
    stage.lines.push_back(
        "Cannot find a hint because &the puzzle is not good:& there are multiple solutions "
        "possible, which means that for some cells multiple digits are allowed.");
    stage.lines.emplace_back();
  }
  stage.lines.push_back("You can only use the &\"trial-and-error\"& technique at this point.");
  stage.lines.push_back(
      "Put a digit into one of the cells having the smallest number of candidates (preferably "
      "two) and see whether this leads to a \"dead-end\" (a cell having no candidates, for "
      "example).");
  stage.lines.emplace_back();
  stage.lines.push_back(
      "You can use the @Bookmark@ button to easily return to the current position if the digit "
      "you've chosen turns out to be invalid.");
  Explanation explanation;
  explanation.stages.push_back(std::move(stage));
  return explanation;
}

}  // namespace zentaro::hints
