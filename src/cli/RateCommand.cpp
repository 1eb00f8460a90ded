#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/PuzzleInput.h"
#include "cli/Seed.h"
#include "core/Random.h"
#include "rating/Rating.h"

namespace zentaro::cli {

namespace {

std::string LevelText(int level) {
  if (level == rating::kLevelUnknown) return "unknown";
  if (level < 1 || level > 5) return "not rateable";
  return rating::LevelName(level);
}

}  // namespace

int RunRate(std::span<const std::string_view> args, CommandContext& ctx) {
  bool forGenerator = false;
  const std::vector<std::string_view> rest = TakeSwitch(args, "--generator", forGenerator);

  static constexpr std::array<std::string_view, 1> kValueOptions = {"--seed"};
  const ParsedArgs parsed = ParseArgs("rate", rest, kValueOptions, ctx.err);
  if (!parsed.ok) return kExitUsage;
  core::Random random = core::Random::FromClock();
  for (const auto& [name, value] : parsed.options) {
    const std::optional<std::uint32_t> seed = ParseSeed("rate", value, ctx.err);
    if (!seed) return kExitUsage;
    random.Seed(*seed);
  }
  if (parsed.operands.empty()) {
    Complain(ctx.err, "rate: no FILE given (try 'zentaro-cli rate --help')");
    return kExitUsage;
  }

  const bool clean = ForEachPuzzle(parsed.operands, ctx.err, [&](const core::DigitGrid& puzzle) {
    const rating::Rating rated = rating::RatePuzzle(puzzle, {.forGenerator = forGenerator}, random);
    const int level = rated.level;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(rated.techniqueFlags));
    ctx.out.Append(std::to_string(level));
    ctx.out.Append('\t');
    ctx.out.Append(LevelText(level));
    ctx.out.Append('\t');
    ctx.out.Append(hex);
    ctx.out.Append('\n');
  });
  return clean ? kExitOk : kExitBadInput;
}

}  // namespace zentaro::cli
