#pragma once

// The program's paper output from the command line, for scripts: a board
// picture, sheets of generated puzzles and the worked solution of a puzzle,
// written without opening a window.

#include <QStringList>
#include <optional>

class QCommandLineParser;

namespace zentaro::ui {

// True when the arguments name one of the commands below; the program then
// needs no display and chooses the offscreen platform before Qt starts.
bool NamesBatchCommand(const QStringList& args);

// Adds the commands and their options, so that --help lists them.
void AddBatchOptions(QCommandLineParser& parser);

// Runs the command the parsed line names and gives the exit status (0 done,
// 1 the puzzle could not be used, 2 a wrong command line, 3 the file could
// not be written), after a message on standard error for every failure.
// Nothing when the line names none of them.
std::optional<int> RunBatchCommand(const QCommandLineParser& parser);

}  // namespace zentaro::ui
