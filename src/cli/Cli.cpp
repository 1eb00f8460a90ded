#include "cli/Cli.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace zentaro::cli {
namespace {

constexpr std::string_view kInputHelp =
    "Input: a file of 81-character lines holds one puzzle per line ('.' or '0'\n"
    "for an empty cell; blank lines and lines starting with '#' are skipped).\n"
    "An .sdk file, or a text file with a grid of nine lines of nine\n"
    "characters, holds one puzzle (of an .sdk file, its clues). A FILE of '-'\n"
    "reads standard input.\n";

constexpr std::string_view kExitHelp =
    "Exit status: 0 when every puzzle was read, 1 when a line or a file could\n"
    "not be read or held no puzzle (reported on standard error; the other\n"
    "puzzles are still processed), 2 for a wrong command line, 3 when the\n"
    "output could not be written (disk full, closed pipe).\n";

constexpr std::string_view kCountHelp =
    "Usage: zentaro-cli count FILE...\n"
    "\n"
    "Prints one line per puzzle, in input order: its number of solutions,\n"
    "0 (none), 1 (unique) or 2 (two or more).\n";

constexpr std::string_view kSolveHelp =
    "Usage: zentaro-cli solve FILE...\n"
    "\n"
    "Prints one line per puzzle, in input order: its number of solutions\n"
    "(0, 1, or 2 for two or more), a tab, and the first solution found as\n"
    "81 digits, or '-' when there is none.\n";

constexpr std::string_view kConvertHelp =
    "Usage: zentaro-cli convert --to sdk|line FILE\n"
    "\n"
    "Writes the puzzles of FILE to standard output in another shape.\n"
    "  --to sdk    as an .sdk file, the puzzle's digits as its clues; FILE\n"
    "              must hold exactly one puzzle\n"
    "  --to line   every puzzle of FILE as an 81-character line, '.' for an\n"
    "              empty cell (of an .sdk file: its clues)\n";

constexpr std::string_view kRateHelp =
    "Usage: zentaro-cli rate [--generator] [--seed N] FILE...\n"
    "\n"
    "Rates every puzzle by solving it with logic. Prints one line per puzzle, in\n"
    "input order: the level (1 to 5; 0 unknown; -1 not rateable: no solution,\n"
    "nothing to solve, or several solutions), a tab, its name, a tab, and the\n"
    "techniques used as 0x and four hex digits.\n"
    "  --generator  rate as the puzzle generator does: advanced techniques too,\n"
    "               and level 0 for a puzzle that fits no level cleanly\n"
    "  --seed N     the seed for the generator mode's chance of a chain step\n"
    "               (otherwise taken from the clock)\n";

constexpr std::string_view kGenerateHelp =
    "Usage: zentaro-cli generate --levels 1,3,5|any --count N [--seed N]\n"
    "\n"
    "Writes N new puzzles with exactly one solution, one line each: the 81\n"
    "characters ('.' for an empty cell), a tab, and the level.\n"
    "  --levels L  the acceptable levels, 1 to 5 separated by commas, or 'any'\n"
    "  --count N   how many puzzles to make\n"
    "  --seed N    the seed of the random numbers (otherwise taken from the\n"
    "              clock); the same seed gives the same puzzles\n"
    "Progress goes to standard error: a line per puzzle, or a bar on a terminal.\n";

constexpr std::string_view kHintHelp =
    "Usage: zentaro-cli hint [--walk] FILE...\n"
    "\n"
    "Asks the program for a hint on every position, answering as a player who\n"
    "wants to go on: \"Concrete hint\", \"Do it !\", Yes to calculating the\n"
    "candidates and \"Current\" for the pencil marks. An .sdk file may hold\n"
    "entries and pencil marks; without marks the search runs as on a board\n"
    "without them.\n"
    "\n"
    "Without --walk, prints for each position the technique, the general and\n"
    "the concrete hint (bold and colour shown on a terminal), the cells they\n"
    "highlight, what \"Do it !\" did (C5=6, or A7-8 C9-8 for eliminations) and\n"
    "the 81-character position after it.\n"
    "  --walk  asks for one hint after another from the start position until\n"
    "          the puzzle is solved or no hint is found; prints one line per\n"
    "          hint, the technique, a tab and what it did, then 'solved' or\n"
    "          'stuck', a tab and the position reached\n";

constexpr std::array<Command, 6> kCommands = {{
    {"count", "print the number of solutions (0, 1, 2 = two or more) of every puzzle", kCountHelp,
     true, RunCount},
    {"solve", "print the number of solutions and the first solution of every puzzle", kSolveHelp,
     true, RunSolve},
    {"convert", "convert between the .sdk file and the 81-character line", kConvertHelp, true,
     RunConvert},
    {"rate", "print the difficulty level of every puzzle", kRateHelp, true, RunRate},
    {"generate", "make new puzzles at the chosen levels", kGenerateHelp, false, RunGenerate},
    {"hint", "print the hint the program gives, or walk a puzzle by hints alone", kHintHelp, true,
     RunHint},
}};

std::string TopUsage() {
  std::string text =
      "Usage: zentaro-cli COMMAND [OPTION]... FILE...\n"
      "\n"
      "Batch tool for Sudoku puzzle files.\n"
      "\n"
      "Commands:\n";
  for (const Command& c : kCommands) {
    std::string name(c.name);
    name.resize(10, ' ');
    text += "  " + name + std::string(c.summary) + "\n";
  }
  text +=
      "\n"
      "Run 'zentaro-cli COMMAND --help' for the details of a command.\n";
  return text;
}

bool IsHelp(std::string_view arg) {
  return arg == "--help" || arg == "-h";
}

void Write(std::FILE* file, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), file);
}

}  // namespace

void OutputBuffer::Flush() {
  if (buffer_.empty()) return;
  errno = 0;
  if (failedErrno_ == 0 &&
      (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size() ||
       std::fflush(file_) != 0))
    failedErrno_ = errno != 0 ? errno : EIO;
  buffer_.clear();
}

std::span<const Command> Commands() {
  return kCommands;
}

void Complain(std::FILE* err, std::string_view message) {
  std::string line(kProgramName);
  line.append(": ").append(message).append("\n");
  Write(err, line);
}

std::vector<std::string_view> TakeSwitch(std::span<const std::string_view> args,
                                         std::string_view name, bool& present) {
  present = false;
  std::vector<std::string_view> rest;
  bool optionsEnded = false;
  for (const std::string_view arg : args) {
    if (!optionsEnded && arg == name) {
      present = true;
      continue;
    }
    if (arg == "--") optionsEnded = true;
    rest.push_back(arg);
  }
  return rest;
}

ParsedArgs ParseArgs(std::string_view command, std::span<const std::string_view> args,
                     std::span<const std::string_view> valueOptions, std::FILE* err) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
      parsed.operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string_view name = arg.substr(0, eq);
    bool known = false;
    for (std::string_view v : valueOptions) known = known || v == name;
    if (!known) {
      Complain(err, std::string(command) + ": unknown option '" + std::string(arg) + "'");
      parsed.ok = false;
      continue;
    }
    if (eq != std::string_view::npos) {
      parsed.options.emplace_back(name, arg.substr(eq + 1));
    } else if (i + 1 < args.size()) {
      parsed.options.emplace_back(name, args[++i]);
    } else {
      Complain(err, std::string(command) + ": option '" + std::string(name) + "' needs a value");
      parsed.ok = false;
    }
  }
  return parsed;
}

namespace {

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);

}  // namespace

// Whatever the command did, results that did not reach their file make the
// run a failure: a script must not take a truncated output for a whole one.
int RunCli(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  const int status = RunCommandLine(args, out, err);
  if (status == kExitOutput) return status;  // already reported
  errno = 0;
  const bool flushed = std::fflush(out) == 0;
  if (flushed && std::ferror(out) == 0) return status;
  Complain(err, std::string("cannot write the output: ") + std::strerror(errno != 0 ? errno : EIO));
  return kExitOutput;
}

namespace {

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  if (args.empty()) {
    Write(err, TopUsage());
    return kExitUsage;
  }
  if (IsHelp(args[0]) || args[0] == "help") {
    Write(out, TopUsage());
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (command.name != args[0]) continue;
    const auto rest = args.subspan(1);
    for (std::string_view arg : rest) {
      if (arg == "--") break;
      if (IsHelp(arg)) {
        std::string help(command.help);
        if (command.readsPuzzles) help.append("\n").append(kInputHelp);
        help.append("\n").append(kExitHelp);
        Write(out, help);
        return kExitOk;
      }
    }
    OutputBuffer buffer(out);
    CommandContext ctx{buffer, err};
    const int status = command.run(rest, ctx);
    buffer.Flush();
    if (!buffer.Failed()) return status;
    Complain(err, std::string("cannot write the output: ") + std::strerror(buffer.FailureErrno()));
    return kExitOutput;
  }
  Complain(err, "unknown command '" + std::string(args[0]) + "'");
  Write(err, TopUsage());
  return kExitUsage;
}

}  // namespace

}  // namespace zentaro::cli
