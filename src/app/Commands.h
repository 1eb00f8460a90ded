#pragma once

#include <cstddef>

namespace zentaro::app {

// The commands whose enabled state the program decides; the window maps
// each to its menu item, speed button or tool image.
enum class Command : std::size_t {
  FileMenu,
  NewPuzzle,
  GenerateNew,
  OpenFile,
  SaveFile,
  SaveFileAs,
  Print,
  Exit,
  EditMenu,
  EditMode,
  StopEditMode,
  ClearClues,
  FillCandidates,
  RemoveCandidates,
  CompetitionMode,
  NormalMode,
  Rate,
  ViewSolution,
  Hint,
  OpenButton,
  SaveButton,
  PrintButton,
  RateButton,
  // File menu: the puzzle after the current one of a collection file.
  NextInCollection,
  Count
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

}  // namespace zentaro::app
