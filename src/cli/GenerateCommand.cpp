#include <unistd.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "app/NewPuzzle.h"
#include "cli/Cli.h"
#include "cli/Seed.h"
#include "core/Random.h"
#include "rating/Rating.h"
#include "solver/Generator.h"

namespace zentaro::cli {
namespace {

constexpr int kBarWidth = 30;

// "any", or levels 1..5 separated by commas.
std::optional<app::LevelChoice> ParseLevels(std::string_view text, std::FILE* err) {
  app::LevelChoice choice;
  if (text == "any") return choice;
  choice.anyLevel = false;
  choice.levels.fill(false);
  bool expectDigit = true;
  for (const char ch : text) {
    if (expectDigit && ch >= '1' && ch <= '5') {
      choice.levels[static_cast<std::size_t>(ch - '1')] = true;
      expectDigit = false;
    } else if (!expectDigit && ch == ',') {
      expectDigit = true;
    } else {
      expectDigit = true;
      break;
    }
  }
  if (expectDigit) {
    Complain(err, "generate: '--levels' takes 'any' or levels 1 to 5 separated by commas, not '" +
                      std::string(text) + "'");
    return std::nullopt;
  }
  return choice;
}

std::optional<int> ParseCount(std::string_view text, std::FILE* err) {
  int count = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || count < 1) {
    Complain(err, "generate: '--count' needs a positive number, not '" + std::string(text) + "'");
    return std::nullopt;
  }
  return count;
}

void ShowBar(std::FILE* err, int done, int total) {
  const int filled = kBarWidth * done / total;
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), '.');
  line += "] " + std::to_string(done) + "/" + std::to_string(total);
  if (done == total) line += '\n';
  std::fputs(line.c_str(), err);
  std::fflush(err);
}

}  // namespace

int RunGenerate(std::span<const std::string_view> args, CommandContext& ctx) {
  static constexpr std::array<std::string_view, 3> kValueOptions = {"--levels", "--count",
                                                                    "--seed"};
  const ParsedArgs parsed = ParseArgs("generate", args, kValueOptions, ctx.err);
  if (!parsed.ok) return kExitUsage;
  if (!parsed.operands.empty()) {
    Complain(ctx.err, "generate: takes no FILE (try 'zentaro-cli generate --help')");
    return kExitUsage;
  }

  std::optional<app::LevelChoice> choice;
  std::optional<int> count;
  core::Random random = core::Random::FromClock();
  for (const auto& [name, value] : parsed.options) {
    if (name == "--levels") {
      choice = ParseLevels(value, ctx.err);
      if (!choice) return kExitUsage;
    } else if (name == "--count") {
      count = ParseCount(value, ctx.err);
      if (!count) return kExitUsage;
    } else {
      const std::optional<std::uint32_t> seed = ParseSeed("generate", value, ctx.err);
      if (!seed) return kExitUsage;
      random.Seed(*seed);
    }
  }
  if (!choice || !count) {
    Complain(ctx.err, "generate: '--levels' and '--count' are required");
    return kExitUsage;
  }

  const bool bar = isatty(fileno(ctx.err)) != 0;
  if (bar) ShowBar(ctx.err, 0, *count);
  for (int made = 1; made <= *count; ++made) {
    const auto start = std::chrono::steady_clock::now();
    // Each puzzle aims anew, as the "New puzzle..." command does.
    const app::GenerationAim aim = app::DrawGenerationAim(*choice, random);
    int candidates = 0;
    const auto rate = [&](const core::DigitGrid& grid) {
      ++candidates;
      return rating::RatePuzzle(grid, {.forGenerator = true}, random).level;
    };
    core::Board board{};
    core::DigitGrid clues{}, digits{}, solution{};
    solver::GenerationState state{board, clues, digits, solution};
    solver::GenerationProgress noWindow;
    int level = 0;
    solver::GeneratePuzzle(aim.wanted, aim.targetClues, level, state, rate, random, noWindow);

    ctx.out.Append(core::GridToLine(clues, '.'));
    ctx.out.Append('\t');
    ctx.out.Append(std::to_string(level));
    ctx.out.Append('\n');
    // Long runs show their puzzles as they come.
    ctx.out.Flush();

    if (bar) {
      ShowBar(ctx.err, made, *count);
    } else {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      char line[160];
      std::snprintf(line, sizeof line,
                    "generate: puzzle %d of %d: level %d, %d clues, %d candidates, %.3f s\n", made,
                    *count, level, core::CountFilled(clues), candidates, seconds);
      std::fputs(line, ctx.err);
    }
  }
  return kExitOk;
}

}  // namespace zentaro::cli
