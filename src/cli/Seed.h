#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Cli.h"

namespace zentaro::cli {

// The value of a "--seed" option, or nothing after a message on err.
inline std::optional<std::uint32_t> ParseSeed(std::string_view command, std::string_view text,
                                              std::FILE* err) {
  std::uint32_t seed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
    Complain(err, std::string(command) + ": '--seed' needs a number from 0 to 4294967295, not '" +
                      std::string(text) + "'");
    return std::nullopt;
  }
  return seed;
}

}  // namespace zentaro::cli
