// Edit mode and puzzles through the clipboard, as the user meets them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "FakeView.h"
#include "app/Game.h"
#include "core/StringTable.h"

namespace zentaro::app::test {
namespace {

namespace fs = std::filesystem;
using core::ModalResult;

class Edit : public ::testing::Test {
 protected:
  Edit() {
    // The rating of a typed puzzle is tested through the window; here it
    // only has to be cheap.
    game.SetClueRater([](const core::DigitGrid&) { return 2; });
  }

  // The puzzle with one entry (A1) and pencil marks in B1.
  void StartPlayed() {
    StartWith(game, GridFromLine(kPuzzle));
    Place(game, 1, 1, PuzzleOf(game).solution[0]);
    Mark(game, 2, 1, {2, 6});
  }

  void TypeLine(std::string_view line) {
    for (char ch : line) game.KeyDown(ch == '.' ? Key::Clear : DigitKey(ch - '0'));
  }

  FakeView view;
  Game game{view};
};

TEST_F(Edit, StartOnAnEmptyBoardAsksNothingAndSelectsA1) {
  game.StartEditing();
  EXPECT_TRUE(view.questionTexts.empty());
  EXPECT_TRUE(PuzzleOf(game).editMode);
  EXPECT_FALSE(PuzzleOf(game).active);
  EXPECT_EQ(PuzzleOf(game).selected, (core::CellRef{1, 1}));
  EXPECT_FALSE(view.commands[Command::EditMode]);
  EXPECT_TRUE(view.commands[Command::StopEditMode]);
  EXPECT_TRUE(view.commands[Command::ClearClues]);
  EXPECT_FALSE(view.commands[Command::Hint]);
  EXPECT_FALSE(view.commands[Command::FillCandidates]);

  game.BoardMouseMove(false);
  EXPECT_EQ(view.statusText[2], core::LoadText(core::Text::EditingStatus));
  game.ToolPanelMouseMove();
  EXPECT_EQ(view.statusText[2], core::LoadText(core::Text::EditingStatus));

  // Typing runs on to I9 and stays there; nothing is recorded meanwhile.
  TypeLine(std::string(80, '.') + "59");
  EXPECT_EQ(PuzzleOf(game).board.at(9, 9)[core::kDigit], 9);
  EXPECT_EQ(PuzzleOf(game).selected, (core::CellRef{9, 9}));
  EXPECT_EQ(game.History().Count(), 0);
  game.BoardMouseDown({3, 3}, MouseButton::Right);
  EXPECT_TRUE(view.marksPopups.empty());
}

TEST_F(Edit, TheQuestionsAnswersOnAPlayedPuzzle) {
  struct Case {
    const char* name;
    ModalResult question;              // "C&urrent", "New", Cancel
    std::optional<ModalResult> save;   // the answer to the save question, if asked
    std::optional<ModalResult> clear;  // to "Do you really want all cells to be cleared?"
    bool editing;
    int digitsLeft;  // -1: as before
    bool captionEmptied;
  };
  const Case cases[] = {
      {"current", ModalResult::Yes, {}, {}, true, -1, false},
      {"new, clear", ModalResult::No, ModalResult::No, ModalResult::Yes, true, 0, true},
      {"new, keep digits", ModalResult::No, ModalResult::No, ModalResult::No, true, -1, true},
      // "New" replaces an unsaved game: Cancel at the save question keeps it.
      {"new, cancel the save question", ModalResult::No, ModalResult::Cancel, {}, false, -1, false},
      {"cancel", ModalResult::Cancel, {}, {}, false, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView v;
    Game g(v);
    g.SetClueRater([](const core::DigitGrid&) { return 0; });
    StartWith(g, GridFromLine(kPuzzle));
    Place(g, 1, 1, PuzzleOf(g).solution[0]);
    Mark(g, 2, 1, {2, 6});
    FileOf(g).name = "/x/easy1.sdk";
    const core::Board before = PuzzleOf(g).board;
    const int digits = core::CountDigits(before);
    v.AnswerThreeButtonQuestion(c.question);
    if (c.save) v.AnswerBox(*c.save);
    if (c.clear) v.AnswerBox(*c.clear);

    g.StartEditing();
    ASSERT_EQ(v.questionTexts.size(), 1u);
    if (c.save) {
      EXPECT_EQ(v.boxes.at(0).text, core::LoadText(core::Text::SaveFirstQuestion));
    }
    EXPECT_EQ(v.questionTexts[0], "Zentaro|" + core::LoadText(core::Text::AboutToEditClues) + "\r" +
                                      core::LoadText(core::Text::EditCurrentOrNewQuestion) +
                                      "|C&urrent|New|Cancel");
    EXPECT_EQ(PuzzleOf(g).editMode, c.editing);
    EXPECT_EQ(v.commands[Command::EditMode], !c.editing);
    EXPECT_EQ(v.commands[Command::Hint], !c.editing);
    if (!c.editing) {
      EXPECT_EQ(PuzzleOf(g).board, before);
      EXPECT_TRUE(PuzzleOf(g).active);
      EXPECT_EQ(g.History().Count(), 3);
      continue;
    }
    EXPECT_EQ(core::CountDigits(PuzzleOf(g).board), c.digitsLeft < 0 ? digits : c.digitsLeft);
    EXPECT_EQ(PuzzleOf(g).board.at(2, 1).Candidates(), 0) << "marks are gone";
    EXPECT_EQ(core::CountFilled(PuzzleOf(g).clues), 0) << "every digit is editable";
    EXPECT_EQ(g.History().Count(), 0);
    EXPECT_EQ(FileOf(g).name.empty(), c.captionEmptied);
    if (c.captionEmptied) {
      EXPECT_EQ(v.captions.back(), "Zentaro");
      EXPECT_EQ(PuzzleOf(g).selected, (core::CellRef{1, 1}));
    }
  }
}

TEST_F(Edit, StoppingMakesEveryDigitAClueWithoutResettingTheClock) {
  StartPlayed();
  CountersOf(game).elapsedSeconds = 75;
  PrefsOf(game).warnMultipleSolutions = false;  // the last puzzle's warning was given
  const int resets = view.clockResets;
  view.AnswerThreeButtonQuestion(ModalResult::Yes);
  game.StartEditing();
  game.BoardMouseDown({3, 1}, MouseButton::Left);  // a clue until now
  ASSERT_EQ(view.digitPopups.size(), 1u);
  EXPECT_TRUE(view.digitPopups[0].clearEnabled);
  game.StopEditing();

  EXPECT_FALSE(PuzzleOf(game).editMode);
  EXPECT_TRUE(PuzzleOf(game).active);
  EXPECT_EQ(PuzzleOf(game).clues, core::ExtractDigits(PuzzleOf(game).board));
  EXPECT_EQ(PuzzleOf(game).clues[0], PuzzleOf(game).solution[0]) << "the entry became a clue";
  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_EQ(game.History().CurrentStep(), 0);
  EXPECT_EQ(PuzzleOf(game).solutionCount, 1);
  EXPECT_TRUE(PuzzleOf(game).solutionUnique);
  EXPECT_EQ(view.clockResets, resets);
  EXPECT_EQ(CountersOf(game).elapsedSeconds, 75);
  EXPECT_TRUE(PrefsOf(game).warnMultipleSolutions);
  EXPECT_FALSE(FileOf(game).stored) << "a typed-in puzzle is unsaved";
  EXPECT_EQ(CountersOf(game).level, 2);
  EXPECT_TRUE(view.commands[Command::EditMode]);
  EXPECT_FALSE(view.commands[Command::StopEditMode]);
  EXPECT_TRUE(view.commands[Command::Hint]);
}

// They also start a clock that was standing still, so the typed puzzle is
// timed.
TEST_F(Edit, BoardsWithoutOneSolutionAreAcceptedSilently) {
  const struct {
    const char* line;
    int solutions;
  } cases[] = {
      {"11", 0},  // two 1s in row A
      {"1", 2},   // counting stops at two
  };
  for (const auto& c : cases) {
    FakeView v;
    Game g(v);
    g.SetClueRater([](const core::DigitGrid&) { return 0; });
    g.StartEditing();
    for (const char* p = c.line; *p; ++p) g.KeyDown(DigitKey(*p - '0'));
    EXPECT_TRUE(g.EditConflicts()[0] == (c.solutions == 0));
    g.StopEditing();
    EXPECT_EQ(PuzzleOf(g).solutionCount, c.solutions) << c.line;
    EXPECT_FALSE(PuzzleOf(g).solutionUnique);
    EXPECT_TRUE(v.boxes.empty());
    EXPECT_TRUE(v.clockRunning);
  }
}

TEST_F(Edit, StoppingOnAnEmptyBoardLeavesNothingToSave) {
  game.StartEditing();
  game.StopEditing();
  EXPECT_FALSE(view.clockRunning) << "nothing to time";
  EXPECT_TRUE(FileOf(game).stored);
  EXPECT_TRUE(game.ConfirmSaveFirst());
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_FALSE(view.commands[Command::Hint]);
}

TEST_F(Edit, ClearAllCellsOutcomes) {
  const struct {
    ModalResult answer;
    int digitsLeft;
    int cluesLeft;
  } cases[] = {{ModalResult::Yes, 0, 0}, {ModalResult::No, 2, 0}, {ModalResult::Cancel, 2, 1}};
  for (const auto& c : cases) {
    FakeView v;
    Game g(v);
    PuzzleOf(g).editMode = true;
    PuzzleOf(g).board.at(1, 1)[core::kDigit] = 4;
    PuzzleOf(g).board.at(2, 2)[core::kDigit] = 5;
    PuzzleOf(g).clues[0] = 4;
    v.AnswerBox(c.answer);
    g.ClearAllCells();
    EXPECT_EQ(core::CountDigits(PuzzleOf(g).board), c.digitsLeft);
    EXPECT_EQ(core::CountFilled(PuzzleOf(g).clues), c.cluesLeft);
  }
}

class EditFiles : public Edit {
 protected:
  EditFiles() {
    dir = fs::temp_directory_path() / ("zentaro-edit-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    view.documents = dir.string();
  }
  ~EditFiles() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::string Write(const std::string& name, const std::string& content) {
    std::ofstream((dir / name), std::ios::binary) << content;
    return (dir / name).string();
  }
  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir;
};

TEST_F(EditFiles, SavingWhileEditingAsksToStopAndNoChangesNothing) {
  const std::string path = Write("p.txt", std::string(kPuzzle) + "\r\n");
  ASSERT_TRUE(game.ReadPuzzleFile(path));
  const std::string onDisk = ReadAll(path);
  view.AnswerThreeButtonQuestion(ModalResult::Yes);
  game.StartEditing();
  game.BoardMouseDown({1, 1}, MouseButton::Left);
  game.PlaceDigit(7);
  const core::Board typed = PuzzleOf(game).board;

  view.AnswerBox(ModalResult::No);
  EXPECT_FALSE(game.SavePuzzle(false));
  EXPECT_EQ(view.boxes.back().text, core::LoadText(core::Text::StopEditingQuestion));
  EXPECT_TRUE(PuzzleOf(game).editMode);
  EXPECT_EQ(PuzzleOf(game).board, typed);
  EXPECT_EQ(ReadAll(path), onDisk);
}

TEST_F(EditFiles, OpeningWhileEditingStopsEditingOnYes) {
  const std::string path = Write("q.txt", std::string(kPuzzle) + "\r\n");
  game.StartEditing();
  game.KeyDown(Key::Digit3);
  view.AnswerBox(ModalResult::Yes);  // stop editing
  view.AnswerBox(ModalResult::No);   // do not save the typed puzzle
  view.AnswerOpen(path);
  game.OpenPuzzle();
  EXPECT_FALSE(PuzzleOf(game).editMode);
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(kPuzzle));
  EXPECT_EQ(FileOf(game).name, path);
}

// The shapes themselves are the file reader's; here what a paste adds.
TEST_F(Edit, PasteStartsAnUnsavedPuzzleAndKeepsABlankFirstRow) {
  std::string text = "\n" + std::string(9, ' ') + "\n";
  for (int r = 1; r < 9; ++r) text += std::string(kPuzzle.substr(9 * r, 9)) + "\n";
  view.clipboard = text;
  game.PastePuzzle();
  EXPECT_EQ(PuzzleOf(game).clues,
            GridFromLine(std::string(9, '.') + std::string(kPuzzle.substr(9))));
  EXPECT_FALSE(FileOf(game).stored);
  EXPECT_EQ(view.captions.back(), "Zentaro");

  // Replacing it offers to save it first; garbage is refused before that.
  view.clipboard = "no puzzle";
  view.AnswerBox(ModalResult::Ok);
  game.PastePuzzle();
  view.clipboard = std::string(kPuzzle);
  view.AnswerBox(ModalResult::Cancel);
  game.PastePuzzle();
  ASSERT_EQ(view.boxes.size(), 2u);
  EXPECT_EQ(view.boxes[0].text, core::LoadText(core::Text::UnknownFileFormat));
  EXPECT_EQ(view.boxes[1].text, core::LoadText(core::Text::SaveFirstQuestion));
  EXPECT_EQ(PuzzleOf(game).clues[2], 0) << "board untouched";
}

TEST_F(Edit, CopyGivesTheCluesAsOneLine) {
  StartPlayed();
  game.CopyPuzzle();
  EXPECT_EQ(view.clipboard, kPuzzle) << "entries are not clues";
  view.AnswerThreeButtonQuestion(ModalResult::Yes);
  game.StartEditing();
  game.CopyPuzzle();
  EXPECT_EQ(view.clipboard[0], static_cast<char>('0' + PuzzleOf(game).solution[0]))
      << "while editing, what is typed";
}

}  // namespace
}  // namespace zentaro::app::test
