#pragma once

#include <QDialog>
#include <QList>

class QAction;
class QTableWidget;

namespace zentaro::ui {

// "Keyboard shortcuts": every key of the main window. The commands' keys
// come from the actions themselves, so the list follows any change to
// them; the board's own keys, which are no actions, follow.
class ShortcutsDialog : public QDialog {
  Q_OBJECT

 public:
  ShortcutsDialog(const QList<QAction*>& actions, QWidget* parent = nullptr);

 private:
  QTableWidget* table_;
};

}  // namespace zentaro::ui
