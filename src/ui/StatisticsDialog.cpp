#include "ui/StatisticsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
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
  Table = new QTableWidget(static_cast<int>(rows.size()), 5, this);
  Table->setObjectName("StatisticsTable");
  Table->setHorizontalHeaderLabels(
      {"Level", "Solved", "Best time", "Average time", "Without help"});
  Table->verticalHeader()->hide();
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionMode(QAbstractItemView::NoSelection);
  Table->setFocusPolicy(Qt::NoFocus);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const app::StatisticsRow& row = rows[static_cast<std::size_t>(r)];
    const std::string cells[] = {row.level, row.solved, row.bestTime, row.averageTime,
                                 row.withoutHelp};
    for (int c = 0; c < 5; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
      Table->setItem(r, c, item);
    }
  }
  Table->resizeColumnsToContents();
  Table->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(Table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)
      ->setText(QString::fromStdString(core::LoadText(core::Text::ReportCloseButton)));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, 260);
}

}  // namespace zentaro::ui
