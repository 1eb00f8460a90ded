#include "ui/ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentaro::ui {

namespace {

// The board's keys, as the board handles them.
constexpr const char* kBoardKeys[][2] = {
    {"Arrow keys", "Move the selection (left and right go on to the next row)"},
    {"1 ... 9", "Fill in the digit (main keys or keypad)"},
    {"Space or 0", "Clear the selected cell"},
    {"Shift", "Pencil marks of the selected cell"},
    {"Esc", "Cancel a running generation"},
};

QString CommandName(const QAction& action) {
  QString text = action.text();
  text.replace("&&", QChar(0xE000)).remove('&').replace(QChar(0xE000), "&");
  if (text.endsWith("...")) text.chop(3);
  return text.trimmed();
}

}  // namespace

ShortcutsDialog::ShortcutsDialog(const QList<QAction*>& actions, QWidget* parent)
    : QDialog(parent) {
  setObjectName("ShortcutsDialog");
  setWindowTitle(tr("Keyboard shortcuts"));

  QList<QPair<QString, QString>> rows;
  QSet<QString> seen;
  for (const QAction* action : actions) {
    const QString name = CommandName(*action);
    for (const QKeySequence& key : action->shortcuts()) {
      const QString keyText = key.toString(QKeySequence::NativeText);
      // Speed buttons share their menu item's key: one row for both.
      if (name.isEmpty() || keyText.isEmpty() || seen.contains(keyText + '\n' + name)) continue;
      seen.insert(keyText + '\n' + name);
      rows.append(qMakePair(keyText, name));
    }
  }
  for (const auto& [key, what] : kBoardKeys) rows.append(qMakePair(QString(key), QString(what)));

  table_ = new QTableWidget(static_cast<int>(rows.size()), 2, this);
  table_->setObjectName("ShortcutTable");
  table_->setHorizontalHeaderLabels({tr("Key"), tr("Command")});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setShowGrid(false);
  for (int r = 0; r < rows.size(); ++r) {
    table_->setItem(r, 0, new QTableWidgetItem(rows[r].first));
    table_->setItem(r, 1, new QTableWidgetItem(rows[r].second));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setMinimumSize(table_->horizontalHeader()->length() + 24,
                         qMin(table_->verticalHeader()->length() + 40, 480));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
}

}  // namespace zentaro::ui
