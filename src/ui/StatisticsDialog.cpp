#include "ui/StatisticsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Game.h"
#include "core/StringTable.h"
#include "ui/UiText.h"

namespace zentaro::ui {

StatisticsDialog::StatisticsDialog(const std::vector<app::StatisticsRow>& rows, QWidget* parent)
    : QDialog(parent) {
  setObjectName("StatisticsDialog");
  setWindowTitle(QString("%1 - Statistics").arg(AppTitle()));
  auto* layout = new QVBoxLayout(this);
  table_ = new QTableWidget(static_cast<int>(rows.size()), 5, this);
  table_->setObjectName("StatisticsTable");
  table_->setHorizontalHeaderLabels(
      {"Level", "Solved", "Best time", "Average time", "Without help"});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const app::StatisticsRow& row = rows[static_cast<std::size_t>(r)];
    const std::string cells[] = {row.level, row.solved, row.bestTime, row.averageTime,
                                 row.withoutHelp};
    for (int c = 0; c < 5; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)
      ->setText(QString::fromStdString(core::LoadText(core::Text::ReportCloseButton)));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, 260);
}

}  // namespace zentaro::ui
