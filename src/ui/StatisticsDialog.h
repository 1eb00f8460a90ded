#pragma once

#include <QDialog>
#include <vector>

#include "app/View.h"

class QTableWidget;

namespace zentaro::ui {

// The solved puzzles per level: how many, the best and the average time,
// and how many without a hint or the solution.
class StatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit StatisticsDialog(const std::vector<app::StatisticsRow>& rows, QWidget* parent = nullptr);

 private:
  QTableWidget* table_ = nullptr;  // "StatisticsTable"
};

}  // namespace zentaro::ui
