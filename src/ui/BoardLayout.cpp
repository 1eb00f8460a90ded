#include "ui/BoardLayout.h"

#include <QWidget>
#include <QEvent>
#include <algorithm>

#include "ui/BoardRenderer.h"
#include "ui/BoardWidget.h"
#include "ui/ToolPanel.h"

namespace zentaro::ui {

namespace {

// Below this the panel's captions could no longer be read.
constexpr double kLeastPanelScale = 0.75;
// Around a board that fills its window: the room the board widget asks for
// around the grid size's board.
const QSize kFillMargins{66, 88};

double PanelScaleFor(int cell, int baseCell) {
  return cell == baseCell ? 1.0 : std::max(kLeastPanelScale, double(cell) / baseCell);
}

// The room the coordinates need around the board.
QSize LabelMargins(const BoardGeometry& g) {
  return {2 * g.LabelRoomLeft(), 2 * g.LabelRoomTop()};
}

int PanelHeightAt(int boardSize, int height, const BoardGeometry& g, int content, double scale) {
  const int top = std::max(g.LabelRoomTop(), (height - boardSize) / 2);
  return top + static_cast<int>(content * scale + 0.5);
}

}  // namespace

BoardPlan PlanBoard(const BoardSpace& space) {
  const QSize kept = space.margins.value_or(kFillMargins);
  const int w = space.area.width(), h = space.area.height();
  BoardGeometry g;
  int cell = BoardGeometry::kMaxCell;
  for (; cell > BoardGeometry::kMinCell; --cell) {
    g.SetCellSize(cell);
    const int board = g.BoardSize();
    // Growing keeps the margins; at the grid size's cell and below, the
    // coordinates' room is enough.
    const QSize margins =
        cell > space.baseCell ? LabelMargins(g).expandedTo(kept) : LabelMargins(g);
    const double scale = PanelScaleFor(cell, space.baseCell);
    const bool panelFits =
        cell == space.baseCell || PanelHeightAt(board, h, g, space.panelContent, scale) <= h;
    if (board + margins.width() + ToolPanel::WidthAt(scale) <= w &&
        board + margins.height() <= h && panelFits)
      break;
  }
  g.SetCellSize(cell);

  BoardPlan plan;
  plan.cell = g.CellSize();
  plan.panelScale = PanelScaleFor(plan.cell, space.baseCell);
  const int panelWidth = ToolPanel::WidthAt(plan.panelScale);
  const int room = std::max(0, w - panelWidth);
  // Whatever the margins leave over stands on both sides of the pair.
  const int boardWidth = std::min(room, g.BoardSize() + LabelMargins(g).expandedTo(kept).width());
  const int left = (room - boardWidth) / 2;
  plan.board = QRect(left, 0, boardWidth, h);
  plan.panel = QRect(left + boardWidth, 0, panelWidth, h);
  return plan;
}

QSize LeastBoardArea(int baseCell, int panelContent) {
  BoardGeometry g;
  g.SetCellSize(BoardGeometry::kMinCell);
  const int board = g.BoardSize();
  const double scale = PanelScaleFor(BoardGeometry::kMinCell, baseCell);
  const QSize margins = LabelMargins(g);
  int height = board + margins.height();
  while (PanelHeightAt(board, height, g, panelContent, scale) > height) ++height;
  return {board + margins.width() + ToolPanel::WidthAt(scale), height};
}

BoardLayout::BoardLayout(QWidget* parent, BoardWidget* board, ToolPanel* panel)
    : QLayout(parent), board_(board), panel_(panel) {
  setContentsMargins(0, 0, 0, 0);
  addChildWidget(board);
  addChildWidget(panel);
  boardItem_ = new QWidgetItem(board);
  panelItem_ = new QWidgetItem(panel);
  if (parent) parent->window()->installEventFilter(this);
}

bool BoardLayout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && !geometry().isEmpty()) setGeometry(geometry());
  return QLayout::eventFilter(watched, event);
}

BoardLayout::~BoardLayout() {
  delete boardItem_;
  delete panelItem_;
}

void BoardLayout::addItem(QLayoutItem* item) {
  // The layout holds the board and the panel only.
  delete item;
}

QLayoutItem* BoardLayout::itemAt(int index) const {
  const std::array<QLayoutItem*, 2> items{boardItem_, panelItem_};
  int seen = 0;
  for (QLayoutItem* item : items)
    if (item && seen++ == index) return item;
  return nullptr;
}

QLayoutItem* BoardLayout::takeAt(int index) {
  QLayoutItem* item = itemAt(index);
  if (item == boardItem_) boardItem_ = nullptr;
  if (item == panelItem_) panelItem_ = nullptr;
  return item;
}

int BoardLayout::count() const {
  return (boardItem_ ? 1 : 0) + (panelItem_ ? 1 : 0);
}

QSize BoardLayout::sizeHint() const {
  const QSize board = board_->sizeHint();
  return {board.width() + ToolPanel::kPanelWidth, board.height()};
}

QSize BoardLayout::minimumSize() const {
  return LeastBoardArea(board_->BaseCellSize(), panel_->ContentHeight());
}

void BoardLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
  const bool fills = window && (window->isMaximized() || window->isFullScreen());
  // A minimised window's size says nothing about the user's choice.
  if (!fills && !margins_ && !(window && window->isMinimized()))
    margins_ = (rect.size() - QSize(ToolPanel::kPanelWidth + board_->BaseBoardSize(),
                                    board_->BaseBoardSize()))
                   .expandedTo(QSize(0, 0));
  const BoardPlan plan = PlanBoard({rect.size(), board_->BaseCellSize(),
                                    fills ? std::nullopt : margins_, panel_->ContentHeight()});
  panel_->SetScale(plan.panelScale);
  board_->SetCellSize(plan.cell);
  if (boardItem_) boardItem_->setGeometry(plan.board.translated(rect.topLeft()));
  if (panelItem_) panelItem_->setGeometry(plan.panel.translated(rect.topLeft()));
}

}  // namespace zentaro::ui
