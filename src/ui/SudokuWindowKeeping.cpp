// The window's side of what outlives a run: the data files on disk, the
// collection list and the statistics window.

#include <QFileInfo>

#include "ui/CollectionDialog.h"
#include "ui/DataFiles.h"
#include "ui/StatisticsDialog.h"
#include "ui/SudokuWindow.h"

namespace zentaro::ui {

std::optional<std::string> SudokuWindow::ReadDataFile(app::DataFile file) {
  return ui::ReadDataFile(DataFilePath(dataFolder_, file));
}

void SudokuWindow::WriteDataFile(app::DataFile file, const std::string& text) {
  // Losing a copy costs nothing until the next change writes it again.
  const QString path = DataFilePath(dataFolder_, file);
  if (!ui::WriteDataFile(path, text)) qWarning("Could not write %s", qPrintable(path));
}

void SudokuWindow::RemoveDataFile(app::DataFile file) {
  ui::RemoveDataFile(DataFilePath(dataFolder_, file));
}

std::optional<std::size_t> SudokuWindow::ChooseCollectionEntry(
    const std::string& fileName, const std::vector<files::CollectionEntry>& entries,
    const std::vector<int>& levels, std::size_t current) {
  CollectionDialog dialog(QString::fromStdString(fileName), entries, levels, current, this);
  if (ShowModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

void SudokuWindow::ShowStatistics(const std::vector<app::StatisticsRow>& rows) {
  StatisticsDialog dialog(rows, this);
  ShowModal(dialog);
}

}  // namespace zentaro::ui
