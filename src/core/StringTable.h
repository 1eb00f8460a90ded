#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zentaro::core {

// One numbered user-visible text. Identifiers run from 2000 to 2641; not every
// number in that range has a text.
struct TextEntry {
  int id;
  std::string_view text;
};

// The text with this identifier, blanks and accelerator marks included; the
// empty string for an identifier without a text, so a missing text shows as
// nothing rather than failing.
std::string LoadText(int id);

// The whole table in ascending identifier order.
std::span<const TextEntry> AllTexts();

}  // namespace zentaro::core
