// zentaro-cli hint: the hint the program gives for a position, and the walk
// through a puzzle by hints alone.

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/HintWalk.h"
#include "cli/Cli.h"
#include "cli/PuzzleInput.h"
#include "core/Random.h"
#include "files/SdkFile.h"
#include "hints/Markup.h"
#include "rating/Rating.h"

namespace zentaro::cli {

namespace {

constexpr std::string_view kBold = "\x1b[1m";
constexpr std::string_view kColour = "\x1b[94m";
constexpr std::string_view kReset = "\x1b[0m";

struct Position {
  core::DigitGrid clues{};
  std::optional<core::Board> state;  // digits and pencil marks beyond the clues
  bool marksReduced = false;
};

// An .sdk file (or a nine-line grid) is one position, its entries and marks
// included; anything else is a file of 81-character puzzles.
std::vector<Position> CollectPositions(std::string_view operand, std::string_view content,
                                       std::FILE* err, bool& clean) {
  std::vector<Position> positions;
  const files::PuzzleRead read = files::ReadPuzzle(DisplayName(operand), content);
  if (read.ok() && read.shape != files::FileShape::Line81) {
    Position p;
    p.clues = read.clues;
    if (read.state || read.marks) p.state = files::RestoredBoard(read);
    p.marksReduced = read.marksLinePresent;
    positions.push_back(p);
    return positions;
  }
  const PuzzleList list = CollectPuzzles(operand, content, err);
  clean = list.clean;
  for (const core::DigitGrid& grid : list.puzzles) positions.push_back({grid, std::nullopt, false});
  return positions;
}

int RateInteractively(const core::DigitGrid& grid) {
  core::Random random;
  return rating::RatePuzzle(grid, {.forGenerator = false}, random).level;
}

void Load(app::Game& game, const Position& p) {
  game.SetClueRater(RateInteractively);
  game.LoadPosition(p.clues, p.state ? &*p.state : nullptr, p.marksReduced);
}

std::string PositionLine(const core::Board& board) {
  return core::GridToLine(core::ExtractDigits(board));
}

// The mark-up as a terminal shows it: bold and colour as escape sequences,
// or only the text when the output goes elsewhere.
std::vector<std::string> RenderLines(const hints::HintStage& stage, bool ansi) {
  const hints::RenderedHint rendered = hints::RenderHintText(stage.lines, stage.fixedPitchBlock);
  if (!ansi) return rendered.lines;
  std::vector<std::string> lines = rendered.lines;
  // Spans come in text order; inserting from the last keeps the earlier
  // columns valid.
  for (auto it = rendered.spans.rbegin(); it != rendered.spans.rend(); ++it) {
    if (it->line < 0 || it->line >= static_cast<int>(lines.size())) continue;
    std::string& line = lines[static_cast<std::size_t>(it->line)];
    const auto start = static_cast<std::size_t>(it->column);
    const auto end = start + static_cast<std::size_t>(it->length);
    if (end > line.size()) continue;
    std::string open;
    if (it->bold) open += kBold;
    if (it->coloured) open += kColour;
    line.insert(end, kReset);
    line.insert(start, open);
  }
  return lines;
}

// Appends one item of a blank-separated list. Appending piece by piece rather
// than building `"" + name` keeps GCC 12 from a false -Wrestrict report.
void AppendItem(std::string& list, const std::string& item) {
  if (!list.empty()) list += ' ';
  list += item;
}

std::string CellList(const hints::Highlights& layer, bool (*pick)(const hints::CellHighlight&)) {
  std::string text;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (pick(layer.at(c, r))) AppendItem(text, core::CellName(c, r));
  return text;
}

// The marks a stage picks out among those the board shows.
std::string MarkList(const hints::Highlights& layer, const core::Board& board, bool eliminated) {
  std::string text;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const hints::CellHighlight& h = layer.at(c, r);
      if (!h.hasMarkInfo || board.at(c, r)[core::kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!board.at(c, r).HasCandidate(d)) continue;
        const bool elim = h.markElim[static_cast<std::size_t>(d)] != 0;
        const bool hi = h.markHi[static_cast<std::size_t>(d)] != 0;
        if (eliminated ? elim : (hi && !elim))
          AppendItem(text, core::CellName(c, r) + '-' + static_cast<char>('0' + d));
      }
    }
  return text;
}

void PrintStage(OutputBuffer& out, const hints::HintStage& stage, const core::Board& board,
                bool ansi) {
  switch (stage.kind) {
    case hints::StageKind::General:
      out.Append("General hint:\n");
      break;
    case hints::StageKind::Concrete:
      out.Append("Concrete hint:\n");
      break;
    case hints::StageKind::Only:
      out.Append("Advice:\n");
      break;
  }
  for (const std::string& line : RenderLines(stage, ansi)) {
    out.Append(line.empty() ? "" : "  ");
    out.Append(line);
    out.Append('\n');
  }
  const auto item = [&](std::string_view label, const std::string& list) {
    if (list.empty()) return;
    out.Append("  ");
    out.Append(label);
    out.Append(list);
    out.Append('\n');
  };
  item("Highlighted cells: ",
       CellList(stage.highlights, [](const hints::CellHighlight& h) { return h.highlight; }));
  item("Selected cell: ",
       CellList(stage.highlights, [](const hints::CellHighlight& h) { return h.selected; }));
  item("Marks to keep: ", MarkList(stage.highlights, board, false));
  item("Marks to remove: ", MarkList(stage.highlights, board, true));
}

void PrintMessage(OutputBuffer& out, const std::string& message) {
  out.Append("Message:\n");
  std::size_t begin = 0;
  while (begin <= message.size()) {
    std::size_t end = message.find(core::kLineBreak, begin);
    if (end == std::string::npos) end = message.size();
    out.Append("  ");
    out.Append(message.substr(begin, end - begin));
    out.Append('\n');
    begin = end + 1;
  }
}

void ShowHint(app::Game& game, app::GoOnView& view, OutputBuffer& out, bool ansi) {
  game.HintSearch();
  const app::HintReport& hint = game.Hint().last;
  for (const std::string& message : view.messages) PrintMessage(out, message);
  if (hint.technique == app::HintTechnique::None) {
    out.Append("Position: ");
    out.Append(PositionLine(game.Puzzle().board));
    out.Append('\n');
    return;
  }
  out.Append("Technique: ");
  out.Append(app::HintTechniqueName(hint.technique, hint.found));
  out.Append('\n');
  // The board as it stood while the stages were shown.
  const core::Board& shown = hint.applied ? hint.beforeApply : game.Puzzle().board;
  for (const hints::HintStage& stage : view.stages) PrintStage(out, stage, shown, ansi);
  if (hint.applied) {
    out.Append("Do it: ");
    out.Append(app::DiffBoards(hint.beforeApply, game.Puzzle().board).Text());
    out.Append('\n');
  }
  out.Append("Position: ");
  out.Append(PositionLine(game.Puzzle().board));
  out.Append('\n');
}

void Walk(app::Game& game, app::GoOnView& view, OutputBuffer& out) {
  const app::WalkResult walk = app::WalkHints(game, view, [&](const app::WalkStep& step) {
    out.Append(step.name);
    out.Append('\t');
    out.Append(step.change.Text());
    out.Append('\n');
  });
  out.Append(walk.solved ? "solved\t" : "stuck\t");
  out.Append(PositionLine(game.Puzzle().board));
  out.Append('\n');
}

}  // namespace

int RunHint(std::span<const std::string_view> args, CommandContext& ctx) {
  bool walk = false;
  const std::vector<std::string_view> rest = TakeSwitch(args, "--walk", walk);
  const ParsedArgs parsed = ParseArgs("hint", rest, {}, ctx.err);
  if (!parsed.ok) return kExitUsage;
  if (parsed.operands.empty()) {
    Complain(ctx.err, "hint: no FILE given (try 'zentaro-cli hint --help')");
    return kExitUsage;
  }
  const bool ansi = !walk && isatty(STDOUT_FILENO) != 0;

  int status = kExitOk;
  bool first = true;
  for (const std::string_view operand : parsed.operands) {
    const std::optional<std::string> content = ReadInput(operand, ctx.err);
    if (!content) {
      status = kExitBadInput;
      continue;
    }
    bool clean = true;
    const std::vector<Position> positions = CollectPositions(operand, *content, ctx.err, clean);
    if (!clean) status = kExitBadInput;
    for (const Position& p : positions) {
      app::GoOnView view;
      app::Game game(view);
      Load(game, p);
      if (walk) {
        Walk(game, view, ctx.out);
        continue;
      }
      if (!first) ctx.out.Append('\n');
      first = false;
      ShowHint(game, view, ctx.out, ansi);
    }
  }
  return status;
}

}  // namespace zentaro::cli
