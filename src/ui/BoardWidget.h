#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "app/Settings.h"
#include "hints/Highlights.h"
#include "ui/BoardRenderer.h"

namespace zentaro::ui {

// The board area of the main window: the board centred in it, the
// coordinate labels beside it, and the hint highlight layer over it. It
// only paints what the game holds and reports the mouse and the keys; the
// window decides what they mean.
class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  explicit BoardWidget(QWidget* parent = nullptr);

  const BoardRenderer& Renderer() const { return renderer_; }
  const BoardGeometry& Geometry() const { return renderer_.Geometry(); }
  // The four colours of the settings over the board's fixed ones; clue
  // cells take the system's button face.
  void SetColors(const app::Settings& settings);

  void SetStateSource(std::function<BoardState()> source) { state_ = std::move(source); }
  void SetGridSize(GridSize size);
  // The cell the window's space gives the board; the grid size's cell
  // until the window says otherwise.
  void SetCellSize(int cell);
  // The board of the grid size alone, as the window opens with it.
  int BaseBoardSize() const { return base_.BoardSize(); }
  int BaseCellSize() const { return base_.CellSize(); }

  // A cell off the board is ignored.
  void RedrawCell(core::CellRef cell);
  void RedrawBoard() { update(); }
  // While frozen the widget shows the board as it was when frozen, whatever
  // the position underneath does (a generation works on it).
  void SetFrozen(bool frozen);
  bool Frozen() const { return !frozen_.isNull(); }

  // The hint highlight layer, painted over the board while it is on. Only
  // the cells whose record changed are repainted.
  void SetHighlights(const hints::Highlights& layer, bool on);
  const hints::Highlights& Highlights() const { return highlights_; }
  bool HintHighlightOn() const { return hintHighlightOn_; }

  // The cell under the point, or {-1, -1}.
  core::CellRef CellAtPoint(QPoint p) const { return Geometry().CellAtPoint(p); }
  // In this widget's coordinates.
  QRect CellRect(core::CellRef cell) const { return Geometry().CellRect(cell); }
  QPoint PopupPoint(core::CellRef cell) const { return Geometry().PopupPoint(cell); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void mouseDown(Qt::MouseButton button, QPoint pos);
  void mouseMoved(QPoint pos);
  void keyDown(QKeyEvent* event);
  // The board moved; top is the board's new top edge.
  void boardMoved(int top);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void Recenter();
  CellLook LookOf(core::CellRef cell) const;

  BoardRenderer renderer_;
  std::function<BoardState()> state_;
  hints::Highlights highlights_{};
  bool hintHighlightOn_ = false;
  QPixmap frozen_;
  BoardGeometry base_;
};

}  // namespace zentaro::ui
