#include "ui/CollectionDialog.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/StringTable.h"

namespace zentaro::ui {

namespace {

// Reads the entries where they are: a list of tens of thousands of puzzles
// costs no copy and no item per cell.
class CollectionModel : public QAbstractTableModel {
 public:
  CollectionModel(const std::vector<files::CollectionEntry>& entries,
                  const std::vector<int>& levels, QObject* parent)
      : QAbstractTableModel(parent), entries_(entries), levels_(levels) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

  QVariant data(const QModelIndex& index, int role) const override {
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= entries_.size()) return {};
    if (role == Qt::TextAlignmentRole)
      return index.column() == 2 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
      case 0:
        return static_cast<qulonglong>(row + 1);
      case 1:
        return entries_[row].clueCount;
      case 2:
        return QString::fromStdString(entries_[row].cells.substr(0, 27)) + QStringLiteral("...");
      default: {
        const int level = row < levels_.size() ? levels_[row] : 0;
        return level >= 1 && level <= 5 ? QVariant(level) : QVariant(QString());
      }
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[] = {"No.", "Clues", "Puzzle", "Level"};
    return section >= 0 && section < 4 ? QString(names[section]) : QString();
  }

 private:
  const std::vector<files::CollectionEntry>& entries_;
  const std::vector<int>& levels_;
};

}  // namespace

CollectionDialog::CollectionDialog(const QString& fileName,
                                   const std::vector<files::CollectionEntry>& entries,
                                   const std::vector<int>& levels, std::size_t current,
                                   QWidget* parent)
    : QDialog(parent) {
  setObjectName("CollectionDialog");
  setWindowTitle(
      QString("%1 - %2 puzzles").arg(QFileInfo(fileName).fileName()).arg(entries.size()));
  auto* layout = new QVBoxLayout(this);
  table_ = new QTableView(this);
  table_->setObjectName("CollectionTable");
  table_->setModel(new CollectionModel(entries, levels, table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setFont(QFont(QStringLiteral("monospace")));
  table_->setColumnWidth(0, 70);
  table_->setColumnWidth(1, 60);
  table_->setColumnWidth(2, 300);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)
      ->setText(QString::fromStdString(core::LoadText(core::Text::Ok)));
  buttons->button(QDialogButtonBox::Cancel)
      ->setText(QString::fromStdString(core::LoadText(core::Text::Cancel)));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableView::doubleClicked, this, &QDialog::accept);
  resize(560, 460);
  Choose(current < entries.size() ? current : 0);
}

void CollectionDialog::Choose(std::size_t row) {
  const QModelIndex index = table_->model()->index(static_cast<int>(row), 0);
  table_->setCurrentIndex(index);
  table_->selectRow(static_cast<int>(row));
  table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

std::size_t CollectionDialog::Chosen() const {
  const QModelIndex index = table_->currentIndex();
  return index.isValid() ? static_cast<std::size_t>(index.row()) : 0;
}

}  // namespace zentaro::ui
