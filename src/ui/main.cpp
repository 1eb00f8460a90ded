#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "app/Game.h"
#include "ui/BatchCommands.h"
#include "ui/SudokuWindow.h"

namespace {

// Reads the command line; gives the exit code when the program is to stop
// here (after --help, --version or a mistake), else the file to open, if any.
std::optional<int> ReadCommandLine(const QStringList& args, QString& file) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("%1: play, solve and learn to solve Sudoku puzzles by logic.")
          .arg(zentaro::core::kAppTitle));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument("file",
                               "A puzzle file to open (.sdk, .msk, .sol or .txt); after "
                               "--export-picture or --worked-solution, the file to write (OUT).",
                               "[file]");
  zentaro::ui::AddBatchOptions(parser);

  const bool parsed = parser.parse(args);
  const QString usage = parser.helpText().replace("<executable_name>", "zentaro");
  if (parsed && parser.isSet(version)) {
    std::printf("%s %s\n", zentaro::core::kAppTitle, ZENTARO_VERSION);
    return 0;
  }
  if (parsed && (parser.isSet(help) || parser.isSet("help-all"))) {
    std::fputs(qPrintable(usage), stdout);
    return 0;
  }
  if (parsed)
    if (const auto exitCode = zentaro::ui::RunBatchCommand(parser)) return exitCode;
  const QStringList files = parser.positionalArguments();
  if (!parsed || files.size() > 1) {
    const QString error =
        parsed ? QStringLiteral("Name one puzzle file at most.") : parser.errorText();
    std::fprintf(stderr, "zentaro: %s\n\n%s", qPrintable(error), qPrintable(usage));
    return 2;
  }
  if (!files.isEmpty()) file = QFileInfo(files.first()).absoluteFilePath();
  return std::nullopt;
}

// --help and --version answer before the application object exists, so
// they work on a terminal with no display.
bool AsksOnlyForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
        arg == "--version")
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QString file;
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (AsksOnlyForText(argc, argv)) return ReadCommandLine(args, file).value_or(0);
  // Paper written from the command line opens no window, so it needs no display.
  if (zentaro::ui::NamesBatchCommand(args)) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setOrganizationName("LomerinSoftware");
  QApplication::setApplicationName("Sudoku");
  // No display name: the platform would append it to every window title,
  // which already reads as the program wants it.
  QApplication::setApplicationVersion(ZENTARO_VERSION);
  QGuiApplication::setDesktopFileName("org.example.zentaro.Zentaro");
  // Qt has taken its own options (-platform, -style, ...) out by now.
  if (const auto exitCode = ReadCommandLine(QApplication::arguments(), file)) return *exitCode;

  zentaro::ui::SudokuWindow window;
  window.ShowWindow(file);
  return QApplication::exec();
}
