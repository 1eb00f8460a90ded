
#include "cli/Cli.h"
#include "cli/PuzzleInput.h"
#include "solver/Dlx.h"
#include "solver/FastCount.h"
#include "solver/SolveAndCount.h"

namespace zentaro::cli {
namespace {

enum class Report { CountOnly, CountAndSolution };

int SolveAll(std::string_view command, std::span<const std::string_view> args, CommandContext& ctx,
             Report report) {
  const ParsedArgs parsed = ParseArgs(command, args, {}, ctx.err);
  if (!parsed.ok) return kExitUsage;
  if (parsed.operands.empty()) {
    Complain(ctx.err, std::string(command) + ": no FILE given (try '" + std::string(kProgramName) +
                          " " + std::string(command) + " --help')");
    return kExitUsage;
  }

  // One solver for the whole run: its node pool is sized by the first puzzle
  // and reused by every other one.
  solver::DlxSolver solver;
  core::DigitGrid solution{};
  bool unique = false;
  const bool clean = ForEachPuzzle(parsed.operands, ctx.err, [&](const core::DigitGrid& puzzle) {
    // count prints no solution, so the order-free counter answers alone.
    const int count = report == Report::CountOnly
                          ? solver::CountSolutionsUpTo2(puzzle, nullptr)
                          : solver::SolveAndCount(solver, puzzle, solution, unique);
    ctx.out.Append(static_cast<char>('0' + count));
    if (report == Report::CountAndSolution) {
      ctx.out.Append('\t');
      if (count > 0) {
        char digits[81];
        for (int i = 0; i < 81; ++i) digits[i] = static_cast<char>('0' + solution[i]);
        ctx.out.Append(std::string_view(digits, 81));
      } else {
        ctx.out.Append('-');
      }
    }
    ctx.out.Append('\n');
  });
  return clean ? kExitOk : kExitBadInput;
}

}  // namespace

int RunCount(std::span<const std::string_view> args, CommandContext& ctx) {
  return SolveAll("count", args, ctx, Report::CountOnly);
}

int RunSolve(std::span<const std::string_view> args, CommandContext& ctx) {
  return SolveAll("solve", args, ctx, Report::CountAndSolution);
}

}  // namespace zentaro::cli
