#include "ui/BatchCommands.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "app/Game.h"
#include "app/PuzzleSheets.h"
#include "app/WorkedSolution.h"
#include "files/SdkFile.h"
#include "ui/Booklet.h"
#include "ui/Printing.h"
#include "ui/UiText.h"

namespace zentaro::ui {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutput = 3;

const QString kExportPicture = "export-picture";
const QString kPrintPuzzles = "print-puzzles";
const QString kWorkedSolution = "worked-solution";

int Fail(int status, const QString& message) {
  std::fprintf(stderr, "zentaro: %s\n", qPrintable(message));
  return status;
}

struct ReadPosition {
  files::PuzzleRead read;
  core::Board board{};
};

// The puzzle file as the window would open it, or a message.
std::optional<ReadPosition> ReadPuzzleFile(const QString& name, int& status) {
  ReadPosition position;
  position.read = files::ReadPuzzle(std::filesystem::path(name.toStdString()));
  if (!position.read.ok()) {
    const QString why = position.read.failure == files::ReadFailure::ReadError
                            ? QString("cannot be read")
                            : QString("holds no puzzle of a known shape");
    status = Fail(kExitBadInput, QString("'%1' %2").arg(name, why));
    return std::nullopt;
  }
  position.board = files::RestoredBoard(position.read);
  return position;
}

// A whole number within [least, most], or nothing after a message.
std::optional<int> NumberOption(const QCommandLineParser& parser, const QString& name, int least,
                                int most) {
  bool ok = false;
  const int value = parser.value(name).toInt(&ok);
  if (!ok || value < least || value > most) {
    Fail(kExitUsage, QString("'--%1' takes a number from %2 to %3, not '%4'")
                         .arg(name)
                         .arg(least)
                         .arg(most)
                         .arg(parser.value(name)));
    return std::nullopt;
  }
  return value;
}

// "any" (the random level) or levels 1 to 5 separated by commas.
std::optional<app::LevelChoice> LevelsOption(const QString& text) {
  app::LevelChoice choice;
  if (text == "any") return choice;
  choice.anyLevel = false;
  choice.levels.fill(false);
  const QStringList parts = text.split(',');
  for (const QString& part : parts) {
    bool ok = false;
    const int level = part.toInt(&ok);
    if (!ok || level < 1 || level > 5) {
      Fail(kExitUsage,
           QString("'--levels' takes 'any' or levels 1 to 5 separated by commas, not '%1'")
               .arg(text));
      return std::nullopt;
    }
    choice.levels[static_cast<std::size_t>(level - 1)] = true;
  }
  return choice;
}

// The one file a command writes, named after its options.
std::optional<QString> OneOperand(const QCommandLineParser& parser, const QString& command,
                                  const QString& what) {
  const QStringList rest = parser.positionalArguments();
  if (rest.size() != 1) {
    Fail(kExitUsage, QString("'--%1' needs %2 after the puzzle file").arg(command, what));
    return std::nullopt;
  }
  return rest.first();
}

int ExportPictureCommand(const QCommandLineParser& parser) {
  const std::optional<QString> out = OneOperand(parser, kExportPicture, "the picture file (OUT)");
  if (!out) return kExitUsage;
  int scale = 1;
  if (parser.isSet("scale")) {
    const std::optional<int> asked = NumberOption(parser, "scale", 1, 4);
    if (!asked) return kExitUsage;
    if (!PngScales().contains(*asked) || QFileInfo(*out).suffix().toLower() != "png")
      return Fail(kExitUsage, "'--scale' takes 2 or 4, and only for a .png picture");
    scale = *asked;
  }
  if (!ExportPictureKinds().contains(QFileInfo(*out).suffix().toLower()))
    return Fail(
        kExitUsage,
        QString("'%1': pictures are written as .%2").arg(*out, ExportPictureKinds().join(", .")));
  int status = kExitOk;
  const auto position = ReadPuzzleFile(parser.value(kExportPicture), status);
  if (!position) return status;
  PrintedBoard what;
  what.board = position->board;
  what.clues = position->read.clues;
  what.title = AppTitle();
  if (const auto failure = ExportPicture(*out, what, scale))
    return Fail(kExitOutput, QString("'%1' could not be written: %2").arg(*out, *failure));
  return kExitOk;
}

int PrintPuzzlesCommand(const QCommandLineParser& parser) {
  const QString out = parser.value(kPrintPuzzles);
  if (!parser.positionalArguments().isEmpty())
    return Fail(kExitUsage, "'--print-puzzles' takes no other file");
  if (!parser.isSet("count") || !parser.isSet("per-page") || !parser.isSet("levels"))
    return Fail(kExitUsage, "'--print-puzzles' needs '--count', '--per-page' and '--levels'");
  const std::optional<int> count = NumberOption(parser, "count", 1, app::kMostSheetPuzzles);
  if (!count) return kExitUsage;
  const std::optional<int> perPage = NumberOption(parser, "per-page", 1, 6);
  if (!perPage) return kExitUsage;
  if (!app::SheetPerPageAllowed(*perPage))
    return Fail(kExitUsage, "'--per-page' takes 1, 2, 4 or 6");
  const std::optional<app::LevelChoice> levels = LevelsOption(parser.value("levels"));
  if (!levels) return kExitUsage;
  core::Random random = core::Random::FromClock();
  if (parser.isSet("seed")) {
    bool ok = false;
    const uint seed = parser.value("seed").toUInt(&ok);
    if (!ok)
      return Fail(kExitUsage, QString("'--seed' needs a number from 0 to 4294967295, not '%1'")
                                  .arg(parser.value("seed")));
    random.Seed(seed);
  }
  app::SheetProgress quiet;
  const auto puzzles = app::GenerateSheetPuzzles(*levels, *count, random, quiet);
  if (!puzzles) return Fail(kExitBadInput, "the generation was stopped");
  SheetOptions options;
  options.perPage = *perPage;
  options.solutions = parser.isSet("solutions");
  options.title = AppTitle();
  if (const auto failure = WriteSheetsPdf(out, *puzzles, options))
    return Fail(kExitOutput, QString("'%1' could not be written: %2").arg(out, *failure));
  return kExitOk;
}

int WorkedSolutionCommand(const QCommandLineParser& parser) {
  const std::optional<QString> out = OneOperand(parser, kWorkedSolution, "the PDF file (OUT.pdf)");
  if (!out) return kExitUsage;
  int status = kExitOk;
  const auto position = ReadPuzzleFile(parser.value(kWorkedSolution), status);
  if (!position) return status;
  const bool beyondClues = position->read.state || position->read.marks;
  const app::WorkedSolution worked =
      app::WorkSolution(position->read.clues, beyondClues ? &position->board : nullptr,
                        position->read.marksLinePresent);
  BookletOptions options;
  options.title = AppTitle();
  options.puzzleLine =
      QString::fromStdString(core::GridToLine(core::ExtractDigits(position->board)));
  if (const auto failure = WriteWorkedSolutionPdf(*out, worked, options))
    return Fail(kExitOutput, QString("'%1' could not be written: %2").arg(*out, *failure));
  return kExitOk;
}

}  // namespace

bool NamesBatchCommand(const QStringList& args) {
  for (const QString& command : {kExportPicture, kPrintPuzzles, kWorkedSolution})
    for (const QString& arg : args)
      if (arg == "--" + command || arg.startsWith("--" + command + "=")) return true;
  return false;
}

void AddBatchOptions(QCommandLineParser& parser) {
  parser.addOption({kExportPicture,
                    "Write the board of PUZZLE, as printed, to the picture file OUT that "
                    "follows (.png, .svg or .pdf), without opening a window.",
                    "PUZZLE"});
  parser.addOption(
      {"scale", "With --export-picture to a .png: draw it 2 or 4 times as large.", "2|4"});
  parser.addOption({kPrintPuzzles,
                    "Generate puzzles and write them, several to a page, to the PDF file OUT.pdf "
                    "(with --count, --per-page, --levels, and --solutions and --seed if wanted).",
                    "OUT.pdf"});
  parser.addOption({"count", "With --print-puzzles: how many puzzles (1 to 60).", "N"});
  parser.addOption({"per-page", "With --print-puzzles: puzzles to a page (1, 2, 4 or 6).", "K"});
  parser.addOption(
      {"levels", "With --print-puzzles: 'any' or levels 1 to 5 separated by commas.", "L[,L...]"});
  parser.addOption({"solutions", "With --print-puzzles: add the solutions on the last pages."});
  parser.addOption({"seed",
                    "With --print-puzzles: the generator's seed, for the same puzzles "
                    "each time.",
                    "S"});
  parser.addOption({kWorkedSolution,
                    "Write the hints' way from PUZZLE to the end, step by step, to the PDF file "
                    "OUT.pdf that follows, without opening a window.",
                    "PUZZLE"});
}

std::optional<int> RunBatchCommand(const QCommandLineParser& parser) {
  const int named = static_cast<int>(parser.isSet(kExportPicture)) +
                    static_cast<int>(parser.isSet(kPrintPuzzles)) +
                    static_cast<int>(parser.isSet(kWorkedSolution));
  if (named == 0) return std::nullopt;
  if (named > 1)
    return Fail(kExitUsage, "name one of --export-picture, --print-puzzles and --worked-solution");
  if (parser.isSet(kExportPicture)) return ExportPictureCommand(parser);
  if (parser.isSet(kPrintPuzzles)) return PrintPuzzlesCommand(parser);
  return WorkedSolutionCommand(parser);
}

}  // namespace zentaro::ui
