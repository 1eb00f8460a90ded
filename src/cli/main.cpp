#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return zentaro::cli::RunCli(args, stdout, stderr);
}
