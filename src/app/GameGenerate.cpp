// Rating the position, and the "New puzzle..." command with the generation
// behind it.

#include <cstdint>
#include <exception>
#include <optional>

#include "app/Game.h"
#include "core/StringTable.h"
#include "rating/Rating.h"

namespace zentaro::app {

using core::kButtonsOk;
using core::kLineBreak;
using core::LoadText;
using core::MsgKind;
using core::Text;

namespace {

// What a generation locks, of the menu items and speed buttons the game
// keeps the state of; the window locks its own controls besides.
constexpr Command kBusyMenus[] = {Command::FileMenu, Command::EditMenu, Command::Hint};
constexpr Command kBusyButtons[] = {Command::OpenButton, Command::SaveButton, Command::PrintButton,
                                    Command::RateButton};

// The hourglass for as long as the rating runs, however it ends.
class BusyCursor {
 public:
  explicit BusyCursor(View& view) : view_(view) { view_.SetBusyCursor(true); }
  ~BusyCursor() { view_.SetBusyCursor(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  View& view_;
};

}  // namespace

// The rating's exact cover counts refresh the program's solution.
int Game::RateKeepingSolution(const core::DigitGrid& grid, const rating::RateOptions& options,
                              rating::RatingDetails* details) {
  rating::Rating rated = rating::RatePuzzle(grid, options, rng_);
  if (rated.solution) puzzle_.solution = *rated.solution;
  puzzle_.solutionUnique = rated.solutionUnique;
  if (details != nullptr) *details = std::move(rated.details);
  return rated.level;
}

int Game::RateFileClues(const core::DigitGrid& clues) {
  BusyCursor hourglass(view_);
  const int level = RateKeepingSolution(clues, {.forGenerator = false, .silent = true});
  // A puzzle that cannot be rated has no level to report.
  return level > 0 ? level : 0;
}

void Game::Rate() {
  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  rating::RatingDetails details;
  int level = 0;
  {
    BusyCursor hourglass(view_);
    level = RateKeepingSolution(puzzle_.digits, {.forGenerator = false, .silent = false}, &details);
  }
  // Why a puzzle cannot be rated (-1) comes with the rating.
  for (const rating::RatingMessage& message : details.messages)
    view_.ShowMessageBox(message.text, message.kind, kButtonsOk);
  if (level >= 1 && level <= 5) {
    view_.ShowMessageBox(LoadText(Text::ExactlyOneSolution) + kLineBreak + kLineBreak +
                             LoadText(Text::EstimatedDifficulty) + " " + rating::LevelName(level) +
                             ".",
                         MsgKind::Information, kButtonsOk);
  } else if (level == rating::kLevelUnknown) {
    view_.ShowMessageBox(LoadText(Text::UnknownLevel), MsgKind::Information, kButtonsOk);
  }
}

void Game::RateButtonClick() {
  if (IsEnabled(Command::Rate)) Rate();
}

void Game::NewPuzzle() {
  try {
    if (!LeaveEditModeFirst()) return;
    if (!ConfirmSaveFirst()) return;
    const std::optional<LevelChoice> choice = view_.AskLevels(prefs_.levels);
    if (!choice) return;
    const bool clockWasRunning = ClockRunning();
    SetClockRunning(false);
    prefs_.levels = *choice;

    const GenerationAim aim = DrawGenerationAim(prefs_.levels, rng_);
    int level = 0;
    if (!GeneratePuzzle(aim.wanted, aim.targetClues, level)) {
      if (clockWasRunning) SetClockRunning(true);
      // A puzzle in play that the generation had to put back counts as unsaved.
      if (core::CountDigits(puzzle_.board) > 0 &&
          !core::MatchesSolution(puzzle_.board, puzzle_.solution))
        file_.stored = false;
      return;
    }

    file_.stored = false;
    core::ClearEmptyCellMarks(puzzle_.board);
    puzzle_.marksReduced = false;
    puzzle_.askMarksSource = true;
    StartPuzzle(true, true);
    UpdateCommands(true, true);
    counters_.level = level;
    file_.name.clear();
    view_.SetCaption(std::string(core::kAppTitle) + " - New puzzle");
  } catch (const std::exception&) {
    view_.ShowMessageBox(LoadText(Text::DataFileReadError), MsgKind::Error, kButtonsOk);
  }
}

bool Game::GeneratePuzzle(const solver::WantedLevels& wanted, int targetClues, int& level) {
  // The progress window of the generation. Its Cancel button, like the
  // Cancel menu item, Esc and closing the main window, sets cancelRequested.
  class WindowProgress final : public solver::GenerationProgress {
   public:
    explicit WindowProgress(Game& game) : game_(game) {
      window_.caption = LoadText(Text::GenerationCaption);
      window_.line1 = LoadText(Text::GeneratingPuzzle);
      window_.line2 = LoadText(Text::MayTakeAWhile);
      window_.visible = true;
      window_.cancelVisible = true;
    }
    void Begin() override {
      game_.EnterBusyMode();
      game_.view_.SetBoardFrozen(true);
      game_.puzzle_.cancelRequested = false;
      game_.view_.ShowWaitWindow(window_);
    }
    void ShowPosition(int position, int maximum) override {
      window_.position = position;
      window_.maximum = maximum;
    }
    void ProcessEvents() override { game_.view_.ShowWaitWindow(window_); }
    bool CancelRequested() override { return game_.puzzle_.cancelRequested; }
    void End() override {
      game_.view_.CloseWaitWindow();
      game_.view_.SetBoardFrozen(false);
      game_.LeaveBusyMode();
    }

   private:
    Game& game_;
    WaitWindow window_;
  };

  // Every candidate's rating overwrites the solution and its flag; a cancel
  // puts back the flag with the solution it describes.
  const bool uniqueBefore = puzzle_.solutionUnique;
  const auto rate = [this](const core::DigitGrid& grid) {
    return RateKeepingSolution(grid, {.forGenerator = true, .silent = true});
  };
  solver::GenerationState state{puzzle_.board, puzzle_.clues, puzzle_.digits, puzzle_.solution};
  WindowProgress progress(*this);
  const bool made = solver::GeneratePuzzle(wanted, targetClues, level, state, rate, rng_, progress);
  if (made)
    counters_.level = level;
  else
    puzzle_.solutionUnique = uniqueBefore;
  return made;
}

void Game::EnterBusyMode() {
  puzzle_.generating = true;
  view_.SetCancelMenuShown(true);
  for (const Command c : kBusyMenus) {
    busyTags_[Index(c)] = BusyMenuTag(IsVisible(c), IsEnabled(c));
    SetVisible(c, false);
    view_.SetCommandVisible(c, false);
    SetEnabled(c, false);
  }
  for (const Command c : kBusyButtons) {
    busyTags_[Index(c)] = BusyButtonTag(IsEnabled(c));
    SetEnabled(c, false);
  }
}

void Game::LeaveBusyMode() {
  for (const Command c : kBusyMenus) {
    const int tag = busyTags_[Index(c)];
    SetEnabled(c, BusyMenuEnabled(tag));
    SetVisible(c, BusyMenuVisible(tag));
    view_.SetCommandVisible(c, BusyMenuVisible(tag));
  }
  view_.SetCancelMenuShown(false);
  for (const Command c : kBusyButtons) SetEnabled(c, BusyButtonEnabled(busyTags_[Index(c)]));
  puzzle_.generating = false;
}

}  // namespace zentaro::app
