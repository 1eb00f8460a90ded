#pragma once

#include <QDialog>
#include <QTableWidget>
#include <vector>

#include "app/View.h"

namespace zentaro::ui {

// The solved puzzles per level: how many, the best and the average time,
// and how many without a hint or the solution.
class StatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit StatisticsDialog(const std::vector<app::StatisticsRow>& rows, QWidget* parent = nullptr);

  QTableWidget* Table = nullptr;
};

}  // namespace zentaro::ui
