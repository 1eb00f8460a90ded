#include "hints/WhyNot.h"

#include <string>
#include <utility>
#include <vector>

#include "core/StringTable.h"

namespace zentaro::hints {

using core::AddedText;
using core::CellName;
using core::LoadText;

namespace {

std::string Num(int value) {
  return std::to_string(value);
}

std::string HouseWord(House house) {
  switch (house) {
    case House::Row:
      return "row";
    case House::Column:
      return "column";
    case House::Block:
      return "block";
  }
  return {};
}

std::string HowDecided(const SingleHow& how, int digit) {
  if (how.onlyCandidate) return "its only candidate";
  const std::string d = Num(digit), house = HouseWord(how.house);
  return "the only place for " + d + " in its " + house;
}

// One line for a digit that cannot stand in the cell; the digit leads in bold.
std::string ReasonLine(int digit, const DigitWhyNot& why, int mustGo) {
  const std::string d = Num(digit), house = HouseWord(why.house), where = CellName(why.where);
  const std::string lead = "&" + d + "&  ";
  switch (why.reason) {
    case WhyNotReason::Peer:
      return lead + "stands in the same " + house + ", in @" + where + "&.";
    case WhyNotReason::PeerSingle: {
      const std::string how = HowDecided(why.single, digit);
      return lead + "must go into @" + where + "& (" + how + "), which is in the same " + house +
             ".";
    }
    case WhyNotReason::CellSingle: {
      const std::string other = Num(mustGo);
      return lead + "cannot stand here: @" + other + "& must go here.";
    }
    case WhyNotReason::LeftOut:
      return lead + "is not among your pencil marks of this cell.";
    case WhyNotReason::Technique:
      return lead + "is taken out by the technique &" + why.technique + "&" +
             (why.explainedNext ? ", explained next." : ".");
    case WhyNotReason::Remains:
      break;
  }
  return {};
}

}  // namespace

Explanation ExplainWhyNot(const WhyNotFindings& f, const std::optional<Explanation>& technique,
                          bool doIt, int helpContext) {
  HintStage overview;
  overview.kind = technique ? StageKind::General : StageKind::Only;
  overview.buttonCaption = technique ? core::Text::ConcreteHintButton : core::Text::Ok;
  overview.helpContext = helpContext;

  const core::CellRef cell = f.cell;
  std::vector<std::string>& lines = overview.lines;
  const std::string heading = LoadText(AddedText::WhyNotHereHeading), name = CellName(cell);
  lines.push_back("&" + heading + "&  The cell @" + name + "&");
  lines.emplace_back();

  DigitFlags emphasis{}, elimination{};
  std::vector<int> remaining;
  for (int d = 1; d <= 9; ++d) {
    const DigitWhyNot& why = f.digits[d];
    if (why.reason == WhyNotReason::Remains) {
      if (d != f.mustGo) remaining.push_back(d);
      continue;
    }
    lines.push_back(ReasonLine(d, why, f.mustGo));
    if (why.reason == WhyNotReason::Peer || why.reason == WhyNotReason::PeerSingle) {
      const DigitFlags mark = FlagsOfDigit(d);
      HighlightCell(overview.highlights, why.where.col, why.where.row, true, false, nullptr,
                    why.reason == WhyNotReason::PeerSingle ? &mark : nullptr);
    }
    if (why.reason == WhyNotReason::Technique || why.reason == WhyNotReason::CellSingle) {
      emphasis[d] = 1;
      elimination[d] = 1;
    }
  }
  lines.emplace_back();
  lines.push_back("&Conclusion:&");
  if (f.mustGo != 0) {
    emphasis[f.mustGo] = 1;
    const std::string digit = Num(f.mustGo), house = HouseWord(f.mustGoHow.house);
    const std::string why = f.mustGoHow.onlyCandidate
                                ? std::string("it is the only candidate of this cell.")
                                : "this cell is the only place for it in its " + house + ".";
    lines.push_back("The digit @" + digit + "& must go here: " + why);
  } else if (remaining.empty()) {
    lines.push_back(LoadText(AddedText::WhyNotNoneRemains));
  } else {
    std::string list;
    for (const int d : remaining) {
      emphasis[d] = 1;
      list += list.empty() ? "@" : ", @";
      list += Num(d);
      list += "&";
    }
    lines.push_back("The digits that can still go here: " + list + ".");
  }
  lines.emplace_back();
  lines.push_back(
      LoadText(f.fromDigits ? AddedText::WhyNotFromDigits : AddedText::WhyNotFromMarks));
  HighlightCell(overview.highlights, cell.col, cell.row, true, false, &elimination, &emphasis);

  Explanation explanation;
  explanation.stages.push_back(std::move(overview));
  if (technique) {
    for (HintStage stage : technique->stages) explanation.stages.push_back(std::move(stage));
    explanation.stages.back().buttonCaption = doIt ? core::Text::DoItButton : core::Text::Ok;
  }
  return explanation;
}

}  // namespace zentaro::hints
