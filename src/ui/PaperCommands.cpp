// The window's paper commands beyond the one-page print: sheets of new
// puzzles and the worked solution of the position in play.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

#include "app/WorkedSolution.h"
#include "ui/Booklet.h"
#include "ui/SudokuWindow.h"

namespace zentaro::ui {

void SudokuWindow::PrintPuzzles() {
  if (printing_) return;
  PrintPuzzlesDialog dialog(printPuzzlesChoice_, this);
  dialog.Refuse = [this](const QString& why) {
    ShowMessageBox(why.toStdString(), core::MsgKind::Information, core::kButtonsOk);
  };
  if (ShowModal(dialog) != QDialog::Accepted) return;
  printPuzzlesChoice_ = dialog.Choice();
  const auto puzzles = GenerateWithProgress(this, printPuzzlesChoice_);
  if (!puzzles) return;

  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(app::kAppTitle));
  // Without a printer the pages go to a PDF file, named in advance.
  if (QPrinterInfo::availablePrinters().isEmpty())
    printer.setOutputFileName(
        QDir(QString::fromStdString(DocumentsFolder()))
            .filePath(QString::fromStdString(app::kAppTitle) + " puzzles.pdf"));
  QPrintDialog printDialog(&printer, this);
  printDialog.setObjectName("PrintPuzzlesPrintDialog");
  if (ShowModal(printDialog) != QDialog::Accepted) return;

  SheetOptions options;
  options.perPage = printPuzzlesChoice_.perPage;
  options.solutions = printPuzzlesChoice_.solutions;
  options.title = QString::fromStdString(app::kAppTitle);
  options.colors = board_->Renderer().colors;
  std::optional<QString> failure;
  {
    printing_ = true;
    const auto printed = qScopeGuard([this] { printing_ = false; });
    failure = PrintSheets(printer, *puzzles, options);
  }
  if (failure) ShowMessageBox(failure->toStdString(), core::MsgKind::Error, core::kButtonsOk);
}

void SudokuWindow::ExportWorkedSolution() {
  QFileDialog dialog(this);
  dialog.setObjectName("WorkedSolutionDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({"PDF document (*.pdf)"});
  dialog.setDefaultSuffix("pdf");
  QString folder = exportFolder_;
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(game_.File().saveFolder);
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(DocumentsFolder());
  dialog.setDirectory(folder);
  const QString puzzle = QFileInfo(QString::fromStdString(game_.File().name)).completeBaseName();
  dialog.selectFile((puzzle.isEmpty() ? QString::fromStdString(app::kAppTitle) : puzzle) +
                    " worked solution.pdf");
  if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString name = dialog.selectedFiles().first();
  exportFolder_ = QFileInfo(name).absolutePath();

  const app::PuzzleState& position = game_.Puzzle();
  SetBusyCursor(true);
  const app::WorkedSolution worked =
      app::WorkSolution(position.clues, &position.board, position.marksReduced);
  SetBusyCursor(false);
  BookletOptions options;
  options.title = QString::fromStdString(app::kAppTitle);
  options.puzzleLine =
      QString::fromStdString(core::GridToLine(core::ExtractDigits(position.board)));
  options.colors = board_->Renderer().colors;
  if (const auto failure = WriteWorkedSolutionPdf(name, worked, options))
    ShowMessageBox(QString("The worked solution could not be saved:\n%1\n%2")
                       .arg(QDir::toNativeSeparators(name), *failure)
                       .toStdString(),
                   core::MsgKind::Error, core::kButtonsOk);
}

}  // namespace zentaro::ui
