#include <array>

#include "cli/Cli.h"
#include "cli/PuzzleInput.h"
#include "files/SdkFile.h"

namespace zentaro::cli {

int RunConvert(std::span<const std::string_view> args, CommandContext& ctx) {
  static constexpr std::array<std::string_view, 1> kValueOptions = {"--to"};
  const ParsedArgs parsed = ParseArgs("convert", args, kValueOptions, ctx.err);
  if (!parsed.ok) return kExitUsage;

  std::string_view target;
  for (const auto& [name, value] : parsed.options) target = value;
  if (target != "sdk" && target != "line") {
    Complain(ctx.err, target.empty() ? "convert: '--to sdk' or '--to line' is required"
                                     : "convert: unknown target '" + std::string(target) +
                                           "' (use sdk or line)");
    return kExitUsage;
  }
  if (parsed.operands.size() != 1) {
    Complain(ctx.err, "convert: exactly one FILE expected (try 'zentaro-cli convert --help')");
    return kExitUsage;
  }

  const std::string_view operand = parsed.operands.front();
  const std::optional<std::string> content = ReadInput(operand, ctx.err);
  if (!content) return kExitBadInput;
  const PuzzleList list = CollectPuzzles(operand, *content, ctx.err);

  if (target == "line") {
    for (const core::DigitGrid& puzzle : list.puzzles) {
      ctx.out.Append(core::GridToLine(puzzle, '.'));
      ctx.out.Append('\n');
    }
    return list.clean ? kExitOk : kExitBadInput;
  }

  // One .sdk text holds one puzzle; picking one of several silently would
  // lose the others.
  if (list.puzzles.size() != 1) {
    if (list.clean || !list.puzzles.empty())
      Complain(ctx.err, DisplayName(operand) + ": holds " + std::to_string(list.puzzles.size()) +
                            " puzzles; --to sdk needs exactly one");
    return kExitBadInput;
  }
  const core::DigitGrid& clues = list.puzzles.front();
  core::Board board;
  core::LoadDigits(clues, board);
  ctx.out.Append(files::FormatSdk(board, clues, true, true));
  return list.clean ? kExitOk : kExitBadInput;
}

}  // namespace zentaro::cli
