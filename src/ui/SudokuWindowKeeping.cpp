// The window's side of what outlives a run: the data files on disk, the
// collection list, the statistics window and their menu items.

#include <QFileInfo>

#include "ui/CollectionDialog.h"
#include "ui/DataFiles.h"
#include "ui/StatisticsDialog.h"
#include "ui/SudokuWindow.h"

namespace zentaro::ui {

void SudokuWindow::CreateKeepingCommands() {
  dataFolder_ = DefaultDataFolder();
  QAction* next = NewAction("NextInCollection", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
  next->setText("Ne&xt puzzle in collection");
  next->setEnabled(false);
  commandActions_[app::Command::NextInCollection] = next;
  fileMenu_->insertAction(Action(app::Command::SaveFile), next);
  statisticsItem_ = NewAction("StatisticsItem");
  statisticsItem_->setText("&Statistics...");
  helpMenu_->insertAction(shortcutsItem_, statisticsItem_);

  connect(next, &QAction::triggered, this, [this] {
    if (!game_.Puzzle().generating) game_.NextInCollection();
  });
  connect(statisticsItem_, &QAction::triggered, this, [this] {
    if (!game_.Puzzle().generating) game_.ShowStatistics();
  });
}

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
