#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>
#include <optional>

namespace zentaro::ui {

class BoardWidget;
class ToolPanel;

// What the window has room for, as the board's layout sees it.
struct BoardSpace {
  QSize area;        // between the tool bar and the status bar
  int baseCell = 50;  // the grid size's cell
  // Around the board at the grid size's cell, beside the tool panel: a
  // window of the user's own size keeps them while the board grows. None
  // when the window fills the screen; the board then takes all the room
  // its coordinates leave.
  std::optional<QSize> margins;
  int panelContent = 0;  // the tool panel's pictures and buttons at scale 1
};

// Where the board and the tool panel go, and how large the cells are.
struct BoardPlan {
  int cell = 50;
  double panelScale = 1.0;
  QRect board;  // the board with its coordinates
  QRect panel;

  bool operator==(const BoardPlan&) const = default;
};

// The largest cell from BoardGeometry::kMinCell to kMaxCell the space has
// room for, never more than the grid size's cell beyond the margins; the
// tool panel grows and shrinks with the cell. The board and the panel
// stand side by side, centred together in the area.
BoardPlan PlanBoard(const BoardSpace& space);

// The menus, the tool bar's buttons and the status bar's counts need about
// this much, whatever the board could do with less.
inline constexpr int kLeastWindowWidth = 600;

// The least area in which the board has its smallest cells.
QSize LeastBoardArea(int baseCell, int panelContent);

// Lays out the window's board and tool panel by PlanBoard.
class BoardLayout : public QLayout {
 public:
  BoardLayout(QWidget* parent, BoardWidget* board, ToolPanel* panel);
  ~BoardLayout() override;

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 protected:
  // Maximising or restoring the window changes the plan even when the
  // window manager reports the new state after the new size.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BoardWidget* board_;
  ToolPanel* panel_;
  QLayoutItem* boardItem_;
  QLayoutItem* panelItem_;
  // Taken from the first layout at the window's own size: the window opens
  // with the grid size's cells, whatever its size.
  std::optional<QSize> margins_;
};

}  // namespace zentaro::ui
