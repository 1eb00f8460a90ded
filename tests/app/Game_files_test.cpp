// Reading and saving puzzle files through Game, and the question whether to
// save first.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include "FakeView.h"
#include "app/Game.h"
#include "files/SdkFile.h"

namespace zentaro::app::test {
namespace {

namespace fs = std::filesystem;
using core::kButtonsCancel;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::ModalResult;
using core::MsgKind;

// The puzzle as a bare .sdk file holding only its "[Puzzle]" section.
std::string SdkPuzzleText() {
  std::string text = "[Puzzle]\r\n";
  for (int r = 0; r < 9; ++r) text += std::string(kPuzzle.substr(9 * r, 9)) + "\r\n";
  return text;
}

class GameFiles : public ::testing::Test {
 protected:
  GameFiles() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold a slash
    dir = fs::temp_directory_path() /
          ("zentaro-game-" + std::to_string(std::random_device{}()) + "-" + name);
    fs::create_directories(dir);
    view.documents = (dir / "docs").string();
  }
  ~GameFiles() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  std::string WriteFile(const std::string& name, const std::string& content) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  // A started puzzle with two entries and marks in two empty cells.
  void PlayAFewMoves() {
    StartWith(game, GridFromLine(kPuzzle));
    Place(game, 1, 1, PuzzleOf(game).solution[0]);
    Place(game, 9, 9, PuzzleOf(game).solution[80]);
    Mark(game, 2, 1, {2, 6});
    Mark(game, 1, 9, {4});
  }

  fs::path dir;
  FakeView view;
  Game game{view};
};

TEST_F(GameFiles, EightyOneCharacterTextFileStartsThePuzzle) {
  const std::string path = WriteFile("name.txt", std::string(kPuzzle) + "\r\n");
  ASSERT_TRUE(game.ReadPuzzleFile(path));

  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(kPuzzle));
  EXPECT_EQ(PuzzleOf(game).board, BoardOfDigits(GridFromLine(kPuzzle)));
  EXPECT_EQ(game.History().Count(), 1);
  EXPECT_TRUE(PuzzleOf(game).askMarksSource);
  EXPECT_FALSE(PuzzleOf(game).marksReduced);
  EXPECT_EQ(view.captions.back(), "Zentaro - name.txt");
  EXPECT_EQ(FileOf(game).name, path);
  EXPECT_EQ(view.statusText[1], "Clues: 27    Empty: 54");
  EXPECT_EQ(view.clockResets, 1);
  EXPECT_GE(view.hintWindowHides, 1);
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_TRUE(FileOf(game).stored);
  EXPECT_TRUE(game.ConfirmSaveFirst());  // untouched: nothing to ask
}

struct BadFileCase {
  const char* name;
  const char* fileName;
  const char* content;  // nullptr: the file does not exist
  const char* message;
  friend void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }
};

class ReadFailure : public GameFiles, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(ReadFailure, TellsTheUserAndKeepsTheBoard) {
  const BadFileCase& p = GetParam();
  StartWith(game, GridFromLine(kPuzzle));
  Place(game, 1, 1, PuzzleOf(game).solution[0]);
  const core::Board board = PuzzleOf(game).board;
  const std::string path =
      p.content ? WriteFile(p.fileName, p.content) : (dir / p.fileName).string();

  view.AnswerBox(ModalResult::Ok);
  EXPECT_FALSE(game.ReadPuzzleFile(path));
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, std::string(p.message) + ":\r" + path);
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Error);
  EXPECT_EQ(view.boxes[0].buttons, kButtonsOk);
  EXPECT_EQ(PuzzleOf(game).board, board);
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(kPuzzle));
  EXPECT_EQ(game.History().Count(), 2);
  EXPECT_TRUE(FileOf(game).name.empty());
  EXPECT_TRUE(view.captions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Game, ReadFailure,
    ::testing::Values(BadFileCase{"MissingFile", "missing.sdk", nullptr, "Error reading file"},
                      BadFileCase{"NoKnownShape", "notes.txt", "hello\r\nworld\r\n",
                                  "Unknown file format"},
                      BadFileCase{"EmptyFile", "empty.sdk", "", "Unknown file format"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameFiles, SavedGameReadsBackAsOneStepOverThePuzzle) {
  PlayAFewMoves();
  const core::Board played = PuzzleOf(game).board;
  const std::string path = (dir / "game.sdk").string();
  view.AnswerSave(path);
  ASSERT_TRUE(game.SavePuzzle(false));
  EXPECT_EQ(view.captions.back(), "Zentaro - game.sdk");
  EXPECT_TRUE(FileOf(game).stored);
  EXPECT_EQ(PuzzleOf(game).saved, PuzzleOf(game).board);

  FakeView view2;
  Game loaded(view2);
  ASSERT_TRUE(loaded.ReadPuzzleFile(path));
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(loaded).board, played));
  EXPECT_EQ(PuzzleOf(loaded).clues, GridFromLine(kPuzzle));
  EXPECT_EQ(PuzzleOf(loaded).clueCount, 27);
  EXPECT_EQ(PuzzleOf(loaded).digits, core::ExtractDigits(played));
  core::Board computed{};
  core::BuildFromDigitsPlain(PuzzleOf(loaded).digits, computed);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(loaded).computed, computed));
  EXPECT_TRUE(PuzzleOf(loaded).marksReduced);
  EXPECT_EQ(view2.statusText[1], "Clues: 27    Empty: 52");
  EXPECT_EQ(loaded.History().Count(), 2);
  EXPECT_EQ(loaded.History().CurrentStep(), 1);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(loaded).saved, PuzzleOf(loaded).board));
  EXPECT_TRUE(loaded.ConfirmSaveFirst());
  EXPECT_TRUE(view2.boxes.empty());

  loaded.Undo();
  EXPECT_EQ(PuzzleOf(loaded).board, BoardOfDigits(GridFromLine(kPuzzle)));
  EXPECT_EQ(view2.LastControls(), (core::StepControls{false, true, true, false}));
}

// Opening a saved game must leave the checks of the previous puzzle behind:
// the solution is the new one's, and a finished game opens as finished.
TEST_F(GameFiles, RestoredStateIsCheckedLikeAPlayedOne) {
  StartWith(game, GridFromLine(kPuzzle));
  const core::DigitGrid oldSolution = PuzzleOf(game).solution;
  // Another puzzle: the same one with every digit renamed d -> d % 9 + 1.
  auto renamed = [](core::DigitGrid g) {
    for (auto& d : g) d = d == 0 ? 0 : static_cast<std::uint8_t>(d % 9 + 1);
    return g;
  };
  const core::DigitGrid clues = renamed(GridFromLine(kPuzzle));
  const core::DigitGrid solution = renamed(oldSolution);
  auto line = [](const core::DigitGrid& g, int r) {
    std::string text;
    for (int c = 0; c < 9; ++c) text += g[9 * r + c] ? static_cast<char>('0' + g[9 * r + c]) : '.';
    return text + "\r\n";
  };
  core::DigitGrid oneEntry = clues;
  const auto firstEmpty = std::find(clues.begin(), clues.end(), 0) - clues.begin();
  oneEntry[firstEmpty] = solution[firstEmpty];

  for (const bool finished : {false, true}) {
    SCOPED_TRACE(finished ? "finished" : "one entry");
    std::string text = "[Puzzle]\r\n";
    for (int r = 0; r < 9; ++r) text += line(clues, r);
    text += "[State]\r\n";
    for (int r = 0; r < 9; ++r) text += line(finished ? solution : oneEntry, r);
    FakeView fresh;
    Game opened(fresh);
    StartWith(opened, GridFromLine(kPuzzle));
    ASSERT_TRUE(opened.ReadPuzzleFile(WriteFile("saved.sdk", text)));
    EXPECT_EQ(PuzzleOf(opened).solution, solution);
    EXPECT_TRUE(PuzzleOf(opened).solutionUnique);
    EXPECT_EQ(PuzzleOf(opened).emptyCount, finished ? 0 : 81 - 28);
    EXPECT_EQ(fresh.solvedReports, finished ? 1 : 0);
    EXPECT_EQ(fresh.clockRunning, !finished);
  }
}

TEST_F(GameFiles, FirstSaveProposesNewPuzzleInTheCreatedDefaultFolder) {
  fs::create_directories(view.documents);
  StartWith(game, GridFromLine(kPuzzle));
  view.AnswerSave(std::nullopt);
  EXPECT_FALSE(game.SavePuzzle(false));
  ASSERT_EQ(view.saveDialogs.size(), 1u);
  EXPECT_EQ(view.saveDialogs[0].proposedName, "New puzzle");
  EXPECT_EQ(fs::path(view.saveDialogs[0].folder), dir / "docs" / "Zentaro");
  EXPECT_TRUE(fs::is_directory(dir / "docs" / "Zentaro"));
  EXPECT_TRUE(view.captions.empty());
}

TEST_F(GameFiles, SecondSaveWritesTheSameFileWithoutADialog) {
  PlayAFewMoves();
  const std::string path = (dir / "game.sdk").string();
  view.AnswerSave(path);
  ASSERT_TRUE(game.SavePuzzle(false));

  Place(game, 2, 2, PuzzleOf(game).solution[10]);
  game.SavePuzzle(false);
  EXPECT_EQ(view.saveDialogs.size(), 1u);
  const files::PuzzleRead read = files::ReadPuzzle(fs::path(path));
  ASSERT_TRUE(read.ok());
  ASSERT_TRUE(read.state.has_value());
  EXPECT_EQ(read.state->at(10), PuzzleOf(game).solution[10]);
  EXPECT_TRUE(core::BoardsEqual(PuzzleOf(game).saved, PuzzleOf(game).board));
}

// A collection of puzzle lines must never be overwritten by the .sdk text of
// the one puzzle taken from it.
TEST_F(GameFiles, SavingAPuzzleReadFromATextFileAsksForAnSdkName) {
  const std::string collection = std::string(kPuzzle) + "\n" + std::string(81, '.') + "\n";
  const std::string path = WriteFile("many.txt", collection);
  ASSERT_TRUE(game.ReadPuzzleFile(path));
  Place(game, 1, 1, PuzzleOf(game).solution[0]);

  view.AnswerSave(std::nullopt);
  EXPECT_FALSE(game.SavePuzzle(false));
  ASSERT_EQ(view.saveDialogs.size(), 1u);
  EXPECT_EQ(view.saveDialogs[0].proposedName, "many");
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), collection);
}

TEST_F(GameFiles, SaveAsAlwaysAsksProposingTheCurrentNameWithoutExtension) {
  const std::string path = WriteFile("easy1.sdk", SdkPuzzleText());
  ASSERT_TRUE(game.ReadPuzzleFile(path));

  view.AnswerSave(std::nullopt);
  EXPECT_FALSE(game.SavePuzzle(true));
  ASSERT_EQ(view.saveDialogs.size(), 1u);
  EXPECT_EQ(view.saveDialogs[0].proposedName, "easy1");
  EXPECT_EQ(fs::path(view.saveDialogs[0].folder), dir);
  EXPECT_EQ(FileOf(game).name, path);

  const std::string copy = (dir / "copy.sdk").string();
  view.AnswerSave(copy);
  game.SavePuzzle(true);
  EXPECT_EQ(view.saveDialogs.size(), 2u);
  EXPECT_TRUE(fs::exists(copy));
  EXPECT_EQ(FileOf(game).name, copy);
  EXPECT_EQ(view.captions.back(), "Zentaro - copy.sdk");
}

// A failed write must not count as saved, or closing the program afterwards
// would drop the user's work without asking.
TEST_F(GameFiles, FailedWriteReportsAndKeepsThePuzzleUnsaved) {
  StartWith(game, GridFromLine(kPuzzle));
  FileOf(game).stored = false;  // as for a generated puzzle
  Place(game, 1, 1, PuzzleOf(game).solution[0]);
  const core::Board saved = PuzzleOf(game).saved;
  WriteFile("plain", "not a folder");
  const std::string target = (dir / "plain" / "x.sdk").string();

  view.AnswerSave(target);
  view.AnswerBox(ModalResult::Ok);
  EXPECT_FALSE(game.SavePuzzle(false));
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "  File write error.  ");
  EXPECT_EQ(view.boxes[0].kind, MsgKind::Error);
  EXPECT_EQ(view.boxes[0].buttons, kButtonsOk);
  EXPECT_FALSE(FileOf(game).stored);
  EXPECT_EQ(PuzzleOf(game).saved, saved);
  EXPECT_TRUE(FileOf(game).name.empty());
  EXPECT_TRUE(view.captions.empty());

  // Asked again whether to save, Yes with the same failure keeps the caller
  // from going on.
  view.AnswerBox(ModalResult::Yes);
  view.AnswerSave(target);
  view.AnswerBox(ModalResult::Ok);
  EXPECT_FALSE(game.ConfirmSaveFirst());
}

struct ConfirmCase {
  const char* name;
  std::function<void(Game&, const std::string& puzzleFile)> setUp;
  std::optional<ModalResult> answer;  // none: no question expected
  bool result;
  friend void PrintTo(const ConfirmCase& c, std::ostream* os) { *os << c.name; }
};

class ConfirmSaveFirst : public GameFiles, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmSaveFirst, AsksOnlyAboutUnsavedWork) {
  const ConfirmCase& p = GetParam();
  const std::string path = WriteFile("p.sdk", SdkPuzzleText());
  p.setUp(game, path);
  if (p.answer) view.AnswerBox(*p.answer);

  EXPECT_EQ(game.ConfirmSaveFirst(), p.result);
  if (p.answer == ModalResult::Yes) {
    EXPECT_TRUE(view.saveDialogs.empty());
    EXPECT_EQ(files::ReadPuzzle(fs::path(path)).state.value_or(core::DigitGrid{}),
              PuzzleOf(game).digits);
  }
  if (!p.answer) {
    EXPECT_TRUE(view.boxes.empty());
  } else {
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Do you want to save this puzzle first?");
    EXPECT_EQ(view.boxes[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(view.boxes[0].buttons, kButtonsYesNo | kButtonsCancel);
  }
}

void ReadAndPlay(Game& g, const std::string& path) {
  ASSERT_TRUE(g.ReadPuzzleFile(path));
  Place(g, 1, 1, PuzzleOf(g).solution[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Game, ConfirmSaveFirst,
    ::testing::Values(
        ConfirmCase{"UntouchedLoadedPuzzle",
                    [](Game& g, const std::string& path) { ASSERT_TRUE(g.ReadPuzzleFile(path)); },
                    std::nullopt, true},
        ConfirmCase{"ChangedBoardCancel", ReadAndPlay, ModalResult::Cancel, false},
        ConfirmCase{"ChangedBoardNo", ReadAndPlay, ModalResult::No, true},
        ConfirmCase{"ChangedBoardYesSavesToItsFile", ReadAndPlay, ModalResult::Yes, true},
        ConfirmCase{"UntouchedUnstoredPuzzle",
                    [](Game& g, const std::string&) {
                      StartWith(g, GridFromLine(kPuzzle));
                      FileOf(g).stored = false;
                    },
                    ModalResult::No, true},
        ConfirmCase{"BoardWithoutDigits",
                    [](Game& g, const std::string& path) {
                      ReadAndPlay(g, path);
                      PuzzleOf(g).board = core::Board{};
                      PuzzleOf(g).board.at(5, 5) = core::Cell{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
                    },
                    std::nullopt, true},
        ConfirmCase{"SolvedBoard",
                    [](Game& g, const std::string& path) {
                      ReadAndPlay(g, path);
                      PuzzleOf(g).board = BoardOfDigits(PuzzleOf(g).solution);
                    },
                    std::nullopt, true},
        ConfirmCase{"FileMenuDisabled",
                    [](Game& g, const std::string& path) {
                      ReadAndPlay(g, path);
                      g.SetEnabled(Command::FileMenu, false);
                    },
                    std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameFiles, OpeningReadsTheChosenFileAndCancelKeepsTheFolder) {
  fs::create_directories(view.documents);
  view.AnswerOpen(std::nullopt);
  game.OpenPuzzle();
  EXPECT_EQ(fs::path(view.openDialogFolders.at(0)), dir / "docs" / "Zentaro");
  EXPECT_TRUE(FileOf(game).openFolder.empty());
  EXPECT_FALSE(PuzzleOf(game).active);

  const std::string path = WriteFile("open.txt", std::string(kPuzzle) + "\n");
  view.AnswerOpen(path);
  game.OpenPuzzle();
  EXPECT_EQ(PuzzleOf(game).clues, GridFromLine(kPuzzle));
  EXPECT_EQ(fs::path(FileOf(game).openFolder), dir);
}

}  // namespace
}  // namespace zentaro::app::test
