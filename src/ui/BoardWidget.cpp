#include "ui/BoardWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/UiText.h"

namespace zentaro::ui {

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("Board");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::SetGridSize(GridSize size) {
  base_.SetGridSize(size);
  renderer_.SetGridSize(size);
  updateGeometry();
  Recenter();
  update();
}

void BoardWidget::SetCellSize(int cell) {
  if (cell == Geometry().CellSize()) return;
  renderer_.SetCellSize(cell);
  Recenter();
  update();
}

void BoardWidget::Recenter() {
  // Centred, with room for the coordinates even when the widget is short of it.
  const BoardGeometry& g = Geometry();
  const int size = g.BoardSize();
  renderer_.MoveBoardTo(std::max(g.LabelRoomLeft(), (width() - size) / 2),
                        std::max(g.LabelRoomTop(), (height() - size) / 2));
  emit boardMoved(Geometry().BoardTop());
}

void BoardWidget::SetColors(const app::Settings& settings) {
  BoardColors colors = renderer_.Colors();
  colors.BackgroundColor = ToQColor(settings.backgroundColor);
  colors.CoordinatesColor = ToQColor(settings.coordinatesColor);
  colors.MarkColor = ToQColor(settings.markColor);
  colors.HiColor = ToQColor(settings.hiColor);
  colors.ClueCellColor = QApplication::palette().color(QPalette::Button);
  renderer_.SetColors(colors);
  update();
}

QSize BoardWidget::sizeHint() const {
  const int size = base_.BoardSize();
  return {size + 66, size + 88};
}

QSize BoardWidget::minimumSizeHint() const {
  const int size = base_.BoardSize();
  return {size + 28, size + 32};
}

void BoardWidget::RedrawCell(core::CellRef cell) {
  if (cell.OnBoard()) update(CellRect(cell));
}

void BoardWidget::SetHighlights(const hints::Highlights& layer, bool on) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const hints::CellHighlight& before = highlights_.at(c, r);
      const hints::CellHighlight& after = layer.at(c, r);
      const bool shownBefore = hintHighlightOn_ && before.AnyFlag();
      const bool shownAfter = on && after.AnyFlag();
      if (shownBefore != shownAfter || (shownAfter && !(before == after))) RedrawCell({c, r});
    }
  highlights_ = layer;
  hintHighlightOn_ = on;
}

CellLook BoardWidget::LookOf(core::CellRef cell) const {
  // A repaint brings back what the hint explanation picked out.
  const hints::CellHighlight& h = highlights_.at(cell);
  return hintHighlightOn_ && h.AnyFlag() ? CellLook::Of(h) : CellLook{};
}

void BoardWidget::SetFrozen(bool frozen) {
  if (frozen == Frozen()) return;
  frozen_ = frozen ? grab() : QPixmap();
  update();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (Frozen()) {
    p.fillRect(event->rect(), renderer_.Colors().BackgroundColor);
    p.drawPixmap(0, 0, frozen_);
    return;
  }
  p.fillRect(event->rect(), renderer_.Colors().BackgroundColor);
  renderer_.DrawLabels(p);
  const BoardState state = state_ ? state_() : BoardState{};
  if (state.board) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        if (!event->region().intersects(Geometry().CellRect({c, r}))) continue;
        renderer_.DrawCell(p, state, {c, r}, LookOf({c, r}));
      }
  }
  renderer_.DrawGridLines(p);
  if (state.paused) {
    // Nothing of the position shows while the clock stands.
    QFont f = renderer_.DigitFont();
    p.setFont(f);
    p.setPen(renderer_.Colors().CoordinatesColor.darker(200));
    p.drawText(Geometry().BoardRect(), Qt::AlignCenter, tr("Paused"));
  }
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Recenter();
  update();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  emit mouseDown(event->button(), event->position().toPoint());
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->position().toPoint());
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  emit keyDown(event);
}

// Tab is an ordinary key on the board, not a way to leave it.
bool BoardWidget::focusNextPrevChild(bool) {
  return false;
}

}  // namespace zentaro::ui
