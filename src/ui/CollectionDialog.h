#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "files/Collection.h"

class QTableView;

namespace zentaro::ui {

// The puzzles of a collection file, one row each: number, clue count, the
// first cells of the line and the level once it has been played. A double
// click or OK starts the selected one.
class CollectionDialog : public QDialog {
  Q_OBJECT

 public:
  CollectionDialog(const QString& fileName, const std::vector<files::CollectionEntry>& entries,
                   const std::vector<int>& levels, std::size_t current, QWidget* parent = nullptr);

  // The selected row.
  std::size_t Chosen() const;
  void Choose(std::size_t row);

 private:
  QTableView* table_ = nullptr;  // "CollectionTable"
};

}  // namespace zentaro::ui
