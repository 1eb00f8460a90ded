#pragma once

// zentaro-cli: the batch tool. Each command is one entry of the table in
// Cli.cpp with its help text; adding a command means writing its Run function
// and adding one row there.

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentaro::cli {

inline constexpr std::string_view kProgramName = "zentaro-cli";

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // some line, file or puzzle could not be used
inline constexpr int kExitUsage = 2;     // the command line itself was wrong
inline constexpr int kExitOutput = 3;    // the results could not be written

// Standard output collected in one buffer and written in large blocks: a
// batch of thousands of puzzles would otherwise spend its time in write calls.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* file) : file_(file) { buffer_.reserve(kFlushSize); }
  ~OutputBuffer() { Flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void Append(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushSize) Flush();
  }
  void Append(char ch) {
    buffer_.push_back(ch);
    if (buffer_.size() >= kFlushSize) Flush();
  }
  void Flush();
  // Some block could not be written whole (disk full, closed pipe); errno
  // of the failure is kept for the message.
  bool Failed() const { return failedErrno_ != 0; }
  int FailureErrno() const { return failedErrno_; }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  std::FILE* file_;
  std::string buffer_;
  int failedErrno_ = 0;
};

struct CommandContext {
  OutputBuffer& out;  // results, for scripts
  std::FILE* err;     // messages, for people
};

struct Command {
  std::string_view name;
  std::string_view summary;  // one line in the top-level usage
  std::string_view help;     // usage and description for `zentaro-cli NAME --help`
  bool readsPuzzles;         // the help then adds how puzzle files are read
  // args excludes the command name; "--help" has been handled already.
  int (*run)(std::span<const std::string_view> args, CommandContext& ctx);
};

std::span<const Command> Commands();

// Runs the program on the given arguments (without the program name).
int RunCli(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);

// Writes "zentaro-cli: " and the message with a line end to err.
void Complain(std::FILE* err, std::string_view message);

// The operands and "--name value" / "--name=value" options of a command line.
// "-" alone is an operand (standard input), "--" ends the options.
struct ParsedArgs {
  std::vector<std::string_view> operands;
  std::vector<std::pair<std::string_view, std::string_view>> options;
  bool ok = true;
};

// Options named in valueOptions take a value; any other option is an error,
// reported on err with the command's name.
ParsedArgs ParseArgs(std::string_view command, std::span<const std::string_view> args,
                     std::span<const std::string_view> valueOptions, std::FILE* err);

// Takes a switch that has no value (ParseArgs knows only options with one)
// out of the arguments before "--"; `present` tells whether it was there.
std::vector<std::string_view> TakeSwitch(std::span<const std::string_view> args,
                                         std::string_view name, bool& present);

// The command functions of the table.
int RunCount(std::span<const std::string_view> args, CommandContext& ctx);
int RunSolve(std::span<const std::string_view> args, CommandContext& ctx);
int RunConvert(std::span<const std::string_view> args, CommandContext& ctx);
int RunHint(std::span<const std::string_view> args, CommandContext& ctx);
int RunRate(std::span<const std::string_view> args, CommandContext& ctx);
int RunGenerate(std::span<const std::string_view> args, CommandContext& ctx);

}  // namespace zentaro::cli
