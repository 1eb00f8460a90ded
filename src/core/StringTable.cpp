#include "core/StringTable.h"

#include <algorithm>
#include <array>

namespace zentaro::core {
namespace {

// Kept sorted by identifier for the binary search in LoadText. Several messages
// carry leading and trailing blanks on purpose: they widen the message box.
constexpr auto kTexts = std::to_array<TextEntry>({
    {2001, "Highlight"},
    {2002, "Step"},
    {2003, "Bookmark"},
    {2004, "Hint"},
    {2005, "Clues:"},
    {2006, "Empty:"},
    {2007, "&Explain"},
    {2008, "&Close"},
    {2009, "&Do it !"},
    {2010, "Move to the first step"},
    {2011, "Move to the last step"},
    {2012, "Undo one step"},
    {2013, "Redo one step"},
    {2014, "Set the bookmark here"},
    {2015, "Go to the bookmark"},
    {2016, "&File"},
    {2017, "&Action"},
    {2018, "&Edit"},
    {2019, "&Help"},
    {2020, "New puzzle..."},
    {2021, "Generate new puzzle..."},
    {2022, "&Best results..."},
    {2023, "&Open from file..."},
    {2024, "&Save to file"},
    {2025, "&Save &as..."},
    {2026, "Print..."},
    {2027, "Settings..."},
    {2028, "&Close"},
    {2029, "&Fill in candidates"},
    {2030, "&Remove candidates"},
    {2031, "Estimate difficulty (in current state)"},
    {2032, "View solution (from current state)"},
    {2035, "Hint..."},
    {2036, "&Help"},
    {2037, "Clear"},
    {2038, "Sudoku file (*.sdk)|*.sdk"},
    {2040, "  Left mouse button = digits     Right mouse button = candidates (pencil marks)"},
    {2078, "About..."},
    {2079, "OK"},
    {2080, "Cancel"},
    {2081, " (candidate)"},
    {2084, "  Do you really want to view the solution?  "},
    {2085, "Current pencil marks differ from the ones computed from the filled in digits."},
    {2086, "Which set of pencil marks do you want to be used for the hint?"},
    {2089, "C&urrent"},
    {2090, "C&omputed"},
    {2091, "You are about to edit the clue cells."},
    {2092, "Do you want to edit the current puzzle or create a new one from scratch?"},
    {2093, "New"},
    {2100, "Pencil marks"},
    {2101, "Highlight"},
    {2102, "Display"},
    {2103, "General"},
    {2104, "Display \"New puzzle\" window on startup"},
    {2106, "&Remove relevant pencil marks when filling in a digit"},
    {2107, " Colours "},
    {2108, " Puzzle size "},
    {2109, "Small"},
    {2110, "Medium"},
    {2111, "Large"},
    {2112, "Background"},
    {2113, "Coordinates/Clock"},
    {2114, " Program startup "},
    {2115, " Pencil marks "},
    {2116, " "},
    {2117, "Settings"},
    {2118, "Restore default"},
    {2200, "Puzzle solved"},
    {2202, "Level :"},
    {2203, "Time :"},
    {2204, "General hints :"},
    {2205, "Concrete hints :"},
    {2206, "Candidates calculated :"},
    {2207, "&New puzzle"},
    {2208, "&Close"},
    {2209, "Solution viewed :"},
    {2210, "Yes"},
    {2211, "No"},
    {2230, "Do you want to stop editing?"},
    {2231, "Error reading file"},
    {2232, "Unknown file format"},
    {2235, "  File write error.  "},
    {2236, "There are multiple solutions possible for the puzzle!"},
    {2237, "This is one of the possible solutions."},
    {2238, "This is the only solution."},
    {2239, "You can use the \"Step back\" button to restore the puzzle."},
    {2240, "  The puzzle has no solution!  "},
    {2241,
     "In order to give you the tip the program needs all candidates (pencil marks) to be filled "
     "in."},
    {2242, "Do you want the candidates to be calculated now and the hint to be displayed?"},
    {2243, "   The puzzle is solved.   "},
    {2244, "This puzzle is not good."},
    {2245,
     "There are multiple solutions possible, which means that in some cells multiple digits are "
     "allowed!"},
    {2246,
     "The program can give you hints but such puzzles can never be solved only by means of logic."},
    {2247, "It is not possible to evaluate the difficulty level of such puzzles."},
    {2248, "The puzzle has exactly one solution."},
    {2249, "Estimated difficulty:"},
    {2250, "The program cannot rate this puzzle (unknown level)."},
    {2251, "Do you want all pencil marks to be removed?"},
    {2252, "Error reading data file."},
    {2260, "This will remove current pencil marks and fill in all candidates from scratch."},
    {2261, "Do you want to continue?"},
    {2262, "Do you want to move the bookmark to this point?"},
    {2263, "Do you want to save this puzzle first?"},
    {2300, "Concrete &hint"},
    {2301, "&Conclusion:   "},
    {2310,
     " (or they have been eliminated as candidates for this cell by means of other solving "
     "techniques)."},
    {2311, "(or the pencil marks of the digit"},
    {2312, "have been removed manually)."},
    {2319, "Difficulty"},
    {2320, "Generate a new puzzle"},
    {2321, "Only &selected level(s):"},
    {2322, "&Random level"},
    {2323, "  At least one level box must be checked.  "},
    {2325,
     "Sudoku files (*.sdk;*.msk;*.sol)|*.sdk;*.msk;*.sol|Text files (*.txt)|*.txt|Any file "
     "(*.*)|*.*"},
    {2326, "New puzzle"},
    {2327, "Generating a new puzzle."},
    {2328, "This can take a while..."},
    {2502, "Start editing"},
    {2503, "Stop editing"},
    {2504, "Clear all cells"},
    {2505, "You are now editing the puzzle. Select \"Stop editing\" from menu \"Edit\" when done."},
    {2506, "Do you really want all cells to be cleared?"},
    {2631, "Easy (level 1)"},
    {2632, "Mild (level 2)"},
    {2633, "Medium (level 3)"},
    {2634, "Hard (level 4)"},
    {2635, "Very hard (level 5)"},
    {2636, "Read puzzle from file"},
    {2637, "Save puzzle to file"},
    {2638, "Print puzzle"},
    {2639, "Estimate difficulty"},
    {2640, "Program settings"},
    {2641, "Help"},
});

// The native resource buffer holds 256 characters including the terminator.
constexpr std::size_t kMaxTextLength = 255;

constexpr bool IdsStrictlyAscending() {
  return std::adjacent_find(kTexts.begin(), kTexts.end(),
                            [](const TextEntry& a, const TextEntry& b) { return a.id >= b.id; }) ==
         kTexts.end();
}

constexpr bool AllTextsFit() {
  return std::all_of(kTexts.begin(), kTexts.end(),
                     [](const TextEntry& e) { return e.text.size() <= kMaxTextLength; });
}

static_assert(IdsStrictlyAscending(), "string table must be sorted with unique identifiers");
static_assert(AllTextsFit(), "string table text longer than 255 characters");

}  // namespace

std::string LoadText(int id) {
  const auto it = std::lower_bound(kTexts.begin(), kTexts.end(), id,
                                   [](const TextEntry& e, int key) { return e.id < key; });
  if (it == kTexts.end() || it->id != id) return {};
  return std::string(it->text);
}

std::string LoadText(AddedText id) {
  static constexpr std::array<TextEntry, 18> kAdded{{
      {3001, "Check for &mistakes"},
      {3002, "Check the board against the solution"},
      {3003,
       "No mistake found: every digit belongs to the solution, and no pencil mark "
       "leaves out the digit that belongs in its cell."},
      {3004, "Wrong digits (marked on the board):"},
      {3005, "Cells whose pencil marks leave out the digit that belongs there:"},
      {3006, "Go back to the last step at which the board had no mistake?"},
      {3007, "Mistake checks:"},
      {3008, "A digit on the board may be wrong. Check the board for mistakes?"},
      {3009, "Pencil marks that rule out the solution"},
      {3010,
       "A pencil mark has been taken out of a cell although its digit belongs there. "
       "Hints worked out from such marks would lead to a wrong digit, so none is given "
       "on them."},
      {3011, "Press \"Concrete hint\" to see the cell."},
      {3012,
       "\"Do it !\" puts the computed candidates in place of your pencil marks, as one "
       "step that undo takes back. \"Check for mistakes\" in the Action menu marks every "
       "such cell."},
      {3013, "&Why not here?"},
      {3014, "Why not here?"},
      {3015, "Select an empty cell first: \"Why not here?\" tells why digits cannot go into it."},
      {3016,
       "The candidates are worked out from the digits on the board, as \"Fill in candidates\" "
       "does."},
      {3017, "The candidates are your pencil marks."},
      {3018, "No digit can go here: a digit or a pencil mark on the board must be wrong."},
  }};
  for (const TextEntry& e : kAdded)
    if (e.id == static_cast<int>(id)) return std::string(e.text);
  return {};
}

std::span<const TextEntry> AllTexts() {
  return kTexts;
}

}  // namespace zentaro::core
