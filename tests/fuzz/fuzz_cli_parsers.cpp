// The command line's text parsers on any bytes: the puzzle line, a whole
// input as a list of puzzles, the option parser and the seed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"
#include "cli/PuzzleInput.h"
#include "cli/Seed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro::cli;
  static std::FILE* const sink = std::fopen("/dev/null", "w");
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::string problem;
  if (const auto grid = ParsePuzzleLine(text, problem)) {
    for (const std::uint8_t d : *grid)
      if (d > 9) std::abort();
  } else if (problem.empty()) {
    std::abort();
  }
  for (const std::string_view name : {"in.txt", "in.sdk"}) {
    const PuzzleList list = CollectPuzzles(name, text, sink);
    if (list.puzzles.empty() && list.clean) std::abort();
  }

  // NUL-separated words as a command line.
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= size;) {
    const std::size_t end = std::min(text.find('\0', start), size);
    args.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  const std::string_view valueOptions[] = {"--to", "--levels", "--count", "--seed"};
  const ParsedArgs parsed = ParseArgs("fuzz", args, valueOptions, sink);
  for (const auto& [name, value] : parsed.options)
    if (name == "--seed") (void)ParseSeed("fuzz", value, sink);
  return 0;
}
