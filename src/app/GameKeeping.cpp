// What outlives a run of the program: the game in progress, kept after every
// change so that a crash loses nothing; the record of solved puzzles; and
// the collection file the current puzzle was picked from.

#include <ctime>

#include "app/Game.h"
#include "core/StringTable.h"
#include "files/Collection.h"
#include "files/KeptGame.h"
#include "files/Paths.h"
#include "files/SdkFile.h"
#include "files/Statistics.h"

namespace zentaro::app {

namespace {

std::string LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------
// Start-up

void Game::StartUp(const std::string& startFile, bool newPuzzleOnStart) {
  if (OfferKeptGame()) return;
  if (!startFile.empty())
    OpenPuzzleFile(startFile);
  else if (newPuzzleOnStart)
    NewPuzzle();
}

bool Game::OfferKeptGame() {
  // Once a game of this run is under way, the copy on disk is its own.
  if (puzzle_.active || !lastKept_.empty()) return false;
  const std::optional<std::string> text = view_.ReadDataFile(DataFile::KeptGame);
  if (!text) return false;
  const std::optional<files::KeptGame> kept = files::ParseKeptGame(*text);
  const files::PuzzleRead read =
      kept ? files::ReadPuzzle("kept.sdk", kept->sdk) : files::PuzzleRead{};
  // A damaged copy says nothing the user could act on: it just goes.
  if (!kept || !read.ok()) {
    view_.RemoveDataFile(DataFile::KeptGame);
    return false;
  }
  std::string where = kept->fileName.empty() ? std::string() : files::FileNameOf(kept->fileName);
  if (kept->collectionEntry > 0) where += " #" + std::to_string(kept->collectionEntry);
  const std::string question =
      std::string("The game you were playing when ") + core::kAppTitle + " last closed was kept (" +
      (where.empty() ? std::string() : where + ", ") + "time " + FormatClock(kept->elapsedSeconds) +
      ")." + core::kLineBreak + "Do you want to continue it?";
  if (view_.ShowMessageBox(question, core::MsgKind::Confirmation, core::kButtonsYesNo) !=
      core::ModalResult::Yes) {
    view_.RemoveDataFile(DataFile::KeptGame);
    return false;
  }
  RestoreKeptGame(*kept, read);
  return true;
}

void Game::RestoreKeptGame(const files::KeptGame& kept, const files::PuzzleRead& read) {
  view_.HideHintWindow();
  // The level was known when the game was kept; no need to rate it again.
  auto rater = std::move(rateClues_);
  rateClues_ = [level = kept.level](const core::DigitGrid&) { return level; };
  StartReadPuzzle(read);
  rateClues_ = std::move(rater);

  counters_.elapsedSeconds = kept.elapsedSeconds;
  counters_.generalHints = kept.generalHints;
  counters_.concreteHints = kept.concreteHints;
  counters_.solutionViewed = kept.solutionViewed;
  counters_.candidatesCalculated = kept.candidatesCalculated;
  view_.SetClockText(FormatClock(counters_.elapsedSeconds));

  // Unsaved, as it was: closing or replacing it offers to save.
  SetCaptionFileName(kept.fileName);
  file_.stored = false;
  file_.saveName = kept.fileName;
  if (!kept.fileName.empty()) {
    file_.openFolder = files::FolderOf(kept.fileName);
    file_.saveFolder = file_.openFolder;
  }
  // Back in its collection when the file still holds the same puzzle there.
  if (kept.collectionEntry > 0 && !kept.fileName.empty()) {
    auto entries = files::ReadCollection(kept.fileName);
    const auto index = static_cast<std::size_t>(kept.collectionEntry - 1);
    if (entries && index < entries->size() &&
        files::CollectionClues((*entries)[index]) == puzzle_.clues) {
      collection_.levels.assign(entries->size(), 0);
      collection_.levels[index] = counters_.level;
      collection_.entries = std::move(*entries);
      collection_.fileName = kept.fileName;
      collection_.current = index;
      SetEnabled(Command::NextInCollection, index + 1 < collection_.entries.size());
    }
  }
  if (read.state) CheckRestoredGame();
  RefreshRemoveCandidates();
}

// ---------------------------------------------------------------------------
// Keeping the game in progress

std::string Game::KeptGameText() const {
  const bool unsaved = !core::MatchesSolution(puzzle_.board, puzzle_.solution) &&
                       core::CountDigits(puzzle_.board) != 0 &&
                       !(core::BoardsEqual(puzzle_.saved, puzzle_.board) && file_.stored);
  if (!puzzle_.active || puzzle_.editMode || SolvedNow() || !unsaved) return {};
  files::KeptGame kept;
  kept.fileName = file_.name;
  if (collection_.current != CollectionState::kNone)
    kept.collectionEntry = static_cast<int>(collection_.current + 1);
  kept.elapsedSeconds = counters_.elapsedSeconds;
  kept.level = counters_.level >= 1 && counters_.level <= 5 ? counters_.level : 0;
  kept.generalHints = counters_.generalHints;
  kept.concreteHints = counters_.concreteHints;
  kept.solutionViewed = counters_.solutionViewed;
  kept.candidatesCalculated = counters_.candidatesCalculated;
  kept.sdk = files::FormatSdk(puzzle_.board, puzzle_.clues, true, true);
  return files::FormatKeptGame(kept);
}

void Game::KeepGame() {
  // A generation shows half-made puzzles and editing has no puzzle yet; the
  // last copy stands for them. So does a busy command, which has the board
  // in the middle of a change.
  if (puzzle_.generating || puzzle_.editMode || !IsEnabled(Command::FileMenu)) return;
  std::string text = KeptGameText();
  if (text == lastKept_) return;
  if (text.empty())
    view_.RemoveDataFile(DataFile::KeptGame);
  else
    view_.WriteDataFile(DataFile::KeptGame, text);
  lastKept_ = std::move(text);
}

// ---------------------------------------------------------------------------
// Statistics

bool Game::RecordSolvedPuzzle() {
  if (solveRecorded_ || openingSolved_) return false;
  solveRecorded_ = true;
  std::vector<files::SolvedRecord> records =
      files::ParseStatistics(view_.ReadDataFile(DataFile::Statistics).value_or(std::string()))
          .value_or(std::vector<files::SolvedRecord>{});
  files::SolvedRecord record;
  record.date = today_ ? today_() : LocalToday();
  record.level = counters_.level >= 1 && counters_.level <= 5 ? counters_.level : 0;
  record.seconds = counters_.elapsedSeconds;
  record.generalHints = counters_.generalHints;
  record.concreteHints = counters_.concreteHints;
  record.solutionViewed = counters_.solutionViewed;
  const bool best = files::IsNewBest(records, record);
  records.push_back(std::move(record));
  view_.WriteDataFile(DataFile::Statistics, files::FormatStatistics(records));
  return best;
}

void Game::ShowStatistics() {
  const std::vector<files::SolvedRecord> records =
      files::ParseStatistics(view_.ReadDataFile(DataFile::Statistics).value_or(std::string()))
          .value_or(std::vector<files::SolvedRecord>{});
  const files::LevelSummaries sums = files::SummariseByLevel(records);
  std::vector<StatisticsRow> rows;
  const auto row = [&](std::string level, const files::LevelSummary& s) {
    const bool timed = s.timed > 0;
    rows.push_back({std::move(level), std::to_string(s.solved),
                    timed ? FormatClock(s.bestSeconds) : "-",
                    timed ? FormatClock(s.averageSeconds) : "-", std::to_string(s.withoutHelp)});
  };
  for (int level = 1; level <= 5; ++level)
    row(core::LoadText(static_cast<int>(core::Text::LevelEasy) + level - 1), sums[level]);
  if (sums[0].solved > 0) row("Not rated", sums[0]);
  view_.ShowStatistics(rows);
}

// ---------------------------------------------------------------------------
// Collections

void Game::LeaveCollection() {
  if (collection_.current == CollectionState::kNone) return;
  collection_.current = CollectionState::kNone;
  SetEnabled(Command::NextInCollection, false);
}

std::optional<bool> Game::OpenCollection(const std::string& fileName) {
  if (files::HasSdkExtension(fileName)) return std::nullopt;
  std::optional<std::vector<files::CollectionEntry>> entries = files::ReadCollection(fileName);
  if (!entries || entries->size() < 2) return std::nullopt;
  view_.HideHintWindow();
  // The same file again keeps the levels found so far and opens at the
  // puzzle last played.
  const bool same =
      fileName == collection_.fileName && entries->size() == collection_.entries.size();
  std::vector<int> levels = same ? collection_.levels : std::vector<int>(entries->size(), 0);
  const std::size_t at =
      same && collection_.current != CollectionState::kNone ? collection_.current : 0;
  const std::optional<std::size_t> chosen =
      view_.ChooseCollectionEntry(fileName, *entries, levels, at);
  if (!chosen || *chosen >= entries->size()) return false;
  collection_.fileName = fileName;
  collection_.entries = std::move(*entries);
  collection_.levels = std::move(levels);
  return StartCollectionEntry(*chosen);
}

bool Game::StartCollectionEntry(std::size_t index) {
  if (index >= collection_.entries.size()) return false;
  const files::PuzzleRead read =
      files::ReadPuzzle("entry.txt", collection_.entries[index].cells + "\r\n");
  if (!read.ok()) return false;
  view_.HideHintWindow();
  StartReadPuzzle(read);
  const std::string& fileName = collection_.fileName;
  collection_.current = index;
  collection_.levels[index] = counters_.level;
  file_.stored = true;
  puzzle_.saved = puzzle_.board;
  SetCaptionFileName(fileName);
  view_.SetCaption(std::string(core::kAppTitle) + " - " + files::FileNameOf(fileName) + " #" +
                   std::to_string(index + 1) + "/" + std::to_string(collection_.entries.size()));
  file_.openFolder = files::FolderOf(fileName);
  file_.saveFolder = file_.openFolder;
  file_.saveName = fileName;
  view_.FileUsed(fileName);
  SetEnabled(Command::NextInCollection, index + 1 < collection_.entries.size());
  RefreshRemoveCandidates();
  return true;
}

void Game::NextInCollection() {
  if (puzzle_.generating || collection_.current == CollectionState::kNone) return;
  const std::size_t next = collection_.current + 1;
  if (next >= collection_.entries.size()) return;
  if (ReadyToReplacePuzzle()) StartCollectionEntry(next);
}

}  // namespace zentaro::app
