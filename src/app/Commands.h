#pragma once

#include <cstddef>

namespace zentaro::app {

// Every command of the main window. The game decides the enabled state of
// those up to RateButton; the window keeps the state of the rest itself.
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
  // The speed buttons' states as the game keeps them; the tool bar shows the
  // menu command's own action, whose state they always equal.
  OpenButton,
  SaveButton,
  PrintButton,
  RateButton,
  // The window's own commands.
  ActionMenu,
  HelpMenu,
  ExportPicture,
  Settings,
  Undo,
  Redo,
  FirstStep,
  LastStep,
  SetBookmark,
  GoBookmark,
  Stop,
  Congratulations,
  BestResults,
  PastePuzzle,
  CopyPuzzle,
  Help,
  Shortcuts,
  About,
  CancelGeneration,
  // Commands added beyond the first design.
  CheckMistakes,
  PrintPuzzles,
  ExportWorkedSolution,
  // The puzzle after the current one of a collection file; the game
  // decides its state.
  NextInCollection,
  Statistics,
  Pause,
  // The selected cell's "why not here?"; it follows the hint command.
  WhyNotHere,
  Count
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

}  // namespace zentaro::app
