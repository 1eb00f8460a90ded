#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  // A reader that goes away (a closed pipe) is an output failure to report
  // with its exit status, not a silent death by signal.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return zentaro::cli::RunCli(args, stdout, stderr);
}
