// The window's paper commands beyond the one-page print: sheets of new
// puzzles and the worked solution of the position in play.

#include <QDir>
#include <QPrinter>

#include "app/WorkedSolution.h"
#include "ui/Booklet.h"
#include "ui/SudokuWindow.h"
#include "ui/UiText.h"

namespace zentaro::ui {

void SudokuWindow::PrintPuzzles() {
  if (printing_) return;
  PrintPuzzlesDialog dialog(printPuzzlesChoice_, this);
  dialog.SetRefusal([this](const QString& why) {
    ShowMessageBox(why.toStdString(), core::MsgKind::Information, core::kButtonsOk);
  });
  if (ShowModal(dialog) != QDialog::Accepted) return;
  printPuzzlesChoice_ = dialog.Choice();
  const auto puzzles = GenerateWithProgress(this, printPuzzlesChoice_);
  if (!puzzles) return;

  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinter(printer, "PrintPuzzlesPrintDialog", AppTitle() + " puzzles.pdf")) return;

  SheetOptions options;
  options.perPage = printPuzzlesChoice_.perPage;
  options.solutions = printPuzzlesChoice_.solutions;
  options.title = AppTitle();
  options.colors = board_->Renderer().Colors();
  PrintAndTell([&] { return PrintSheets(printer, *puzzles, options); });
}

void SudokuWindow::ExportWorkedSolution() {
  const auto chosen = AskExportName({.objectName = "WorkedSolutionDialog",
                                     .filters = {tr("PDF document") + " (*.pdf)"},
                                     .suffix = "pdf",
                                     .suffixFollowsFilter = false,
                                     .folder = {},
                                     .proposedName = {}},
                                    tr(" worked solution.pdf"));
  if (!chosen) return;
  const QString name = *chosen;

  const app::PuzzleState& position = game_.Puzzle();
  SetBusyCursor(true);
  const app::WorkedSolution worked =
      app::WorkSolution(position.clues, &position.board, position.marksReduced);
  SetBusyCursor(false);
  BookletOptions options;
  options.title = AppTitle();
  options.puzzleLine =
      QString::fromStdString(core::GridToLine(core::ExtractDigits(position.board)));
  options.colors = board_->Renderer().Colors();
  if (const auto failure = WriteWorkedSolutionPdf(name, worked, options))
    ShowMessageBox(tr("The worked solution could not be saved:\n%1\n%2")
                       .arg(QDir::toNativeSeparators(name), *failure)
                       .toStdString(),
                   core::MsgKind::Error, core::kButtonsOk);
}

}  // namespace zentaro::ui
