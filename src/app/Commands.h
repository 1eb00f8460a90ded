#pragma once

#include <cstddef>

namespace zentaro::app {

// The commands whose enabled state the program decides; the window maps
// each to its menu item, speed button or tool image.
enum class Command : std::size_t {
  File1,
  LoadFromDB1,
  Generatenew1,
  Loadpuzzle1,
  Savepuzzle1,
  Savepuzzleas1,
  Print1,
  Exit1,
  Edit1,
  Editmode1,
  Stopeditmode1,
  ClearFixed1,
  Calculate1,
  Showmarks1,
  Competitionmode1,
  Normalmode1,
  Rate1,
  Solve1,
  HintMenu1,
  OpenSpeedBut,
  SaveSpeedBut,
  PrintSpeedBut,
  RateSpeedBut,
  Count
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

}  // namespace zentaro::app
