#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zentaro::core {

// The program's numbered texts, by what they are for; the value is the text's
// number in the table.
enum class Text : int {
  HighlightCaption = 2001,      // "Highlight"
  StepCaption = 2002,           // "Step"
  BookmarkCaption = 2003,       // "Bookmark"
  HintCaption = 2004,           // "Hint"
  CluesLabel = 2005,            // "Clues:"
  EmptyLabel = 2006,            // "Empty:"
  ExplainButton = 2007,         // "&Explain"
  HintCloseButton = 2008,       // "&Close"
  DoItButton = 2009,            // "&Do it !"
  FirstStepTip = 2010,          // "Move to the first step"
  LastStepTip = 2011,           // "Move to the last step"
  UndoTip = 2012,               // "Undo one step"
  RedoTip = 2013,               // "Redo one step"
  SetBookmarkTip = 2014,        // "Set the bookmark here"
  GoBookmarkTip = 2015,         // "Go to the bookmark"
  FileMenu = 2016,              // "&File"
  ActionMenu = 2017,            // "&Action"
  EditMenu = 2018,              // "&Edit"
  HelpMenu = 2019,              // "&Help"
  NewPuzzleItem = 2020,         // "New puzzle..."
  GenerateNewItem = 2021,       // "Generate new puzzle..."
  BestResultsItem = 2022,       // "&Best results..."
  OpenFileItem = 2023,          // "&Open from file..."
  SaveFileItem = 2024,          // "&Save to file"
  SaveFileAsItem = 2025,        // "&Save &as..."
  PrintItem = 2026,             // "Print..."
  SettingsItem = 2027,          // "Settings..."
  ExitItem = 2028,              // "&Close"
  FillCandidatesItem = 2029,    // "&Fill in candidates"
  RemoveCandidatesItem = 2030,  // "&Remove candidates"
  RateItem = 2031,              // "Estimate difficulty (in current state)"
  ViewSolutionItem = 2032,      // "View solution (from current state)"
  HintItem = 2035,              // "Hint..."
  HelpItem = 2036,              // "&Help"
  ClearItem = 2037,             // "Clear"
  SdkFileFilter = 2038,         // "Sudoku file (*.sdk)|*.sdk"
  PlayingStatus = 2040,         // "  Left mouse button = digits     Right mouse button = can..."
  AboutItem = 2078,             // "About..."
  Ok = 2079,                    // "OK"
  Cancel = 2080,                // "Cancel"
  CandidateSuffix = 2081,       // " (candidate)"
  ViewSolutionQuestion = 2084,  // "  Do you really want to view the solution?  "
  MarksDiffer = 2085,           // "Current pencil marks differ from the ones computed from t..."
  WhichMarksQuestion = 2086,    // "Which set of pencil marks do you want to be used for the ..."
  CurrentChoice = 2089,         // "C&urrent"
  ComputedChoice = 2090,        // "C&omputed"
  AboutToEditClues = 2091,      // "You are about to edit the clue cells."
  EditCurrentOrNewQuestion =
      2092,                       // "Do you want to edit the current puzzle or create a new on..."
  NewChoice = 2093,               // "New"
  PencilMarksColour = 2100,       // "Pencil marks"
  HighlightColour = 2101,         // "Highlight"
  DisplayTab = 2102,              // "Display"
  GeneralTab = 2103,              // "General"
  ShowNewPuzzleOnStartup = 2104,  // "Display \"New puzzle\" window on startup"
  RemoveMarksOnFill = 2106,       // "&Remove relevant pencil marks when filling in a digit"
  ColoursGroup = 2107,            // " Colours "
  PuzzleSizeGroup = 2108,         // " Puzzle size "
  SmallSize = 2109,               // "Small"
  MediumSize = 2110,              // "Medium"
  LargeSize = 2111,               // "Large"
  BackgroundColour = 2112,        // "Background"
  CoordinatesColour = 2113,       // "Coordinates/Clock"
  StartupGroup = 2114,            // " Program startup "
  PencilMarksGroup = 2115,        // " Pencil marks "
  Blank = 2116,                   // " "
  SettingsCaption = 2117,         // "Settings"
  RestoreDefault = 2118,          // "Restore default"
  PuzzleSolvedCaption = 2200,     // "Puzzle solved"
  LevelLabel = 2202,              // "Level :"
  TimeLabel = 2203,               // "Time :"
  GeneralHintsLabel = 2204,       // "General hints :"
  ConcreteHintsLabel = 2205,      // "Concrete hints :"
  CandidatesCalculatedLabel = 2206,  // "Candidates calculated :"
  NewPuzzleButton = 2207,            // "&New puzzle"
  ReportCloseButton = 2208,          // "&Close"
  SolutionViewedLabel = 2209,        // "Solution viewed :"
  Yes = 2210,                        // "Yes"
  No = 2211,                         // "No"
  StopEditingQuestion = 2230,        // "Do you want to stop editing?"
  FileReadError = 2231,              // "Error reading file"
  UnknownFileFormat = 2232,          // "Unknown file format"
  FileWriteError = 2235,             // "  File write error.  "
  MultipleSolutions = 2236,          // "There are multiple solutions possible for the puzzle!"
  OneOfTheSolutions = 2237,          // "This is one of the possible solutions."
  OnlySolution = 2238,               // "This is the only solution."
  StepBackToRestore = 2239,    // "You can use the \"Step back\" button to restore the puzzle."
  NoSolution = 2240,           // "  The puzzle has no solution!  "
  HintNeedsCandidates = 2241,  // "In order to give you the tip the program needs all candid..."
  FillCandidatesForHintQuestion =
      2242,               // "Do you want the candidates to be calculated now and the h..."
  PuzzleIsSolved = 2243,  // "   The puzzle is solved.   "
  PuzzleNotGood = 2244,   // "This puzzle is not good."
  MultipleSolutionsMeaning =
      2245,                       // "There are multiple solutions possible, which means that i..."
  NotSolvableByLogic = 2246,      // "The program can give you hints but such puzzles can never..."
  CannotRateSuchPuzzles = 2247,   // "It is not possible to evaluate the difficulty level of su..."
  ExactlyOneSolution = 2248,      // "The puzzle has exactly one solution."
  EstimatedDifficulty = 2249,     // "Estimated difficulty:"
  UnknownLevel = 2250,            // "The program cannot rate this puzzle (unknown level)."
  RemoveAllMarksQuestion = 2251,  // "Do you want all pencil marks to be removed?"
  DataFileReadError = 2252,       // "Error reading data file."
  FillCandidatesWarning = 2260,   // "This will remove current pencil marks and fill in all can..."
  ContinueQuestion = 2261,        // "Do you want to continue?"
  MoveBookmarkQuestion = 2262,    // "Do you want to move the bookmark to this point?"
  SaveFirstQuestion = 2263,       // "Do you want to save this puzzle first?"
  ConcreteHintButton = 2300,      // "Concrete &hint"
  Conclusion = 2301,              // "&Conclusion:   "
  OtherTechniquesEnding = 2310,   // " (or they have been eliminated as candidates for this cel..."
  MarksRemovedOpening = 2311,     // "(or the pencil marks of the digit"
  MarksRemovedClosing = 2312,     // "have been removed manually)."
  DifficultyGroup = 2319,         // "Difficulty"
  LevelDialogCaption = 2320,      // "Generate a new puzzle"
  SelectedLevels = 2321,          // "Only &selected level(s):"
  RandomLevel = 2322,             // "&Random level"
  CheckOneLevel = 2323,           // "  At least one level box must be checked.  "
  OpenFileFilter = 2325,          // "Sudoku files (*.sdk;*.msk;*.sol)|*.sdk;*.msk;*.sol|Text f..."
  GenerationCaption = 2326,       // "New puzzle"
  GeneratingPuzzle = 2327,        // "Generating a new puzzle."
  MayTakeAWhile = 2328,           // "This can take a while..."
  StartEditingItem = 2502,        // "Start editing"
  StopEditingItem = 2503,         // "Stop editing"
  ClearAllCellsItem = 2504,       // "Clear all cells"
  EditingStatus = 2505,           // "You are now editing the puzzle. Select \"Stop editing\" f..."
  ClearAllCellsQuestion = 2506,   // "Do you really want all cells to be cleared?"
  LevelEasy = 2631,               // "Easy (level 1)"
  LevelMild = 2632,               // "Mild (level 2)"
  LevelMedium = 2633,             // "Medium (level 3)"
  LevelHard = 2634,               // "Hard (level 4)"
  LevelVeryHard = 2635,           // "Very hard (level 5)"
  OpenFileTip = 2636,             // "Read puzzle from file"
  SaveFileTip = 2637,             // "Save puzzle to file"
  PrintTip = 2638,                // "Print puzzle"
  RateTip = 2639,                 // "Estimate difficulty"
  SettingsTip = 2640,             // "Program settings"
  HelpTip = 2641,                 // "Help"
};

// Texts of the features added beyond the first design's table, numbered from
// 3001 so that the two never meet.
enum class AddedText : int {
  CheckMistakesItem = 3001,          // "Check for &mistakes"
  CheckMistakesTip = 3002,           // "Check the board against the solution"
  NoMistakeFound = 3003,             // "No mistake found: ..."
  WrongDigitsFound = 3004,           // "Wrong digits (marked on the board):"
  MissingMarksFound = 3005,          // "Cells whose pencil marks leave out ..."
  GoBackToNoMistakeQuestion = 3006,  // "Go back to the last step ..."
  MistakeChecksLabel = 3007,         // "Mistake checks:"
  OfferMistakeCheck = 3008,          // "A digit on the board may be wrong. Check ..."
  WrongMarkHeading = 3009,           // "Pencil marks that rule out the solution"
  WrongMarkGeneral = 3010,           // "A pencil mark has been taken out of a cell ..."
  WrongMarkConcreteHint = 3011,      // "Press \"Concrete hint\" to see the cell."
  WrongMarkRemedy = 3012,            // "\"Do it !\" puts the computed candidates ..."
  WhyNotHereItem = 3013,             // "&Why not here?"
  WhyNotHereHeading = 3014,          // "Why not here?"
  WhyNotNeedsEmptyCell = 3015,       // "Select an empty cell first: ..."
  WhyNotFromDigits = 3016,           // "The candidates are worked out from the digits ..."
  WhyNotFromMarks = 3017,            // "The candidates are your pencil marks."
  WhyNotNoneRemains = 3018,          // "No digit can go here: ..."
};

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
inline std::string LoadText(Text id) {
  return LoadText(static_cast<int>(id));
}

std::string LoadText(AddedText id);

// The whole table in ascending identifier order.
std::span<const TextEntry> AllTexts();

// The program's name: the window's caption and the captions of its
// messages, the about box, the pages it prints and the files it writes.
inline constexpr const char* kAppTitle = "Zentaro";

// Texts joined into one message are parted by a carriage return, as the
// table's own texts break their lines; the message box shows a new line.
inline constexpr char kLineBreak = '\r';

}  // namespace zentaro::core
