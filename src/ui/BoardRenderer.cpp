#include "ui/BoardRenderer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "app/Settings.h"

namespace zentaro::ui {

GridSize DefaultGridSize(int screenWidth, int screenHeight) {
  return static_cast<GridSize>(app::GridSizeForScreen(screenWidth, screenHeight));
}

void BoardGeometry::SetGridSize(GridSize size) {
  switch (size) {
    case GridSize::Small:
      cellSize_ = 42;
      markFontHeight_ = -10;
      break;
    case GridSize::Medium:
      cellSize_ = 50;
      markFontHeight_ = -11;
      break;
    case GridSize::Large:
      cellSize_ = 64;
      markFontHeight_ = -13;
      break;
  }
  digitPixels_ = -DigitFontHeight;
  labelPixels_ = 11;
  markPad_ = 5;
  markWidth_ = 7;
  ComputeCellOrigins();
}

namespace {

// A size that is v[0], v[1] and v[2] at the cells of the three grid sizes,
// in proportion between them and beyond, so that the board's look changes
// smoothly as its cells grow and shrink.
int AlongGridSizes(int cell, std::array<int, 3> v) {
  constexpr std::array<int, 3> cells{42, 50, 64};
  if (cell <= cells[0]) return v[0] * cell / cells[0];
  if (cell >= cells[2]) return v[2] * cell / cells[2];
  const int i = cell <= cells[1] ? 0 : 1;
  return v[i] + (v[i + 1] - v[i]) * (cell - cells[i]) / (cells[i + 1] - cells[i]);
}

}  // namespace

void BoardGeometry::SetCellSize(int cell) {
  cell = std::clamp(cell, kMinCell, kMaxCell);
  // The three grid sizes keep their own, long-standing proportions.
  for (GridSize size : {GridSize::Small, GridSize::Medium, GridSize::Large}) {
    BoardGeometry fixed;
    fixed.SetGridSize(size);
    if (fixed.cellSize_ == cell) {
      SetGridSize(size);
      return;
    }
  }
  cellSize_ = cell;
  markFontHeight_ = -std::max(8, AlongGridSizes(cell, {10, 11, 13}));
  digitPixels_ = std::max(18, AlongGridSizes(cell, {32, 32, 32}));
  labelPixels_ = std::max(9, AlongGridSizes(cell, {11, 11, 11}));
  markPad_ = std::max(3, AlongGridSizes(cell, {5, 5, 5}));
  markWidth_ = std::max(5, AlongGridSizes(cell, {7, 7, 7}));
  ComputeCellOrigins();
}

void BoardGeometry::MoveTo(int left, int top) {
  boardLeft_ = left;
  boardTop_ = top;
  ComputeCellOrigins();
}

void BoardGeometry::ComputeCellOrigins() {
  for (int i = 0; i < 9; ++i) {
    const int separators = (i > 2 ? 1 : 0) + (i > 5 ? 1 : 0);
    colX_[i] = boardLeft_ + ThickLine + i * cellSize_ + separators * ThickLine;
    rowY_[i] = boardTop_ + ThickLine + i * cellSize_ + separators * ThickLine;
  }
}

bool BoardGeometry::InsideCells(QPoint p) const {
  return p.x() > colX_[0] && p.y() > rowY_[0] && p.x() < colX_[8] + cellSize_ &&
         p.y() < rowY_[8] + cellSize_;
}

core::CellRef BoardGeometry::CellAtPoint(QPoint p) const {
  if (!InsideCells(p)) return {-1, -1};
  // Taking the separators out first leaves a plain grid of CellSize squares;
  // a point on a separator then falls into the cell before it.
  auto index = [this](int v, int origin, const std::array<int, 9>& starts) {
    if (v >= starts[3] - ThickLine) v -= ThickLine;
    if (v >= starts[6] - 2 * ThickLine) v -= ThickLine;
    const int i = (v - origin - ThickLine) / cellSize_ + 1;
    return std::clamp(i, 1, 9);
  };
  return {index(p.x(), boardLeft_, colX_), index(p.y(), boardTop_, rowY_)};
}

namespace {

const QColor kPrintDigitBack{255, 255, 237};

QFont SansFont(int pixelHeight, bool bold) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  // Windows font heights are negative for a character height in pixels.
  font.setPixelSize(pixelHeight < 0 ? -pixelHeight : pixelHeight);
  font.setBold(bold);
  return font;
}

// Text drawn with an opaque box behind it, its top-left corner at pos.
void OpaqueText(QPainter& p, QPoint pos, const QString& text, const QColor& back,
                const QColor& fore) {
  const QFontMetrics fm(p.font());
  p.fillRect(QRect(pos, QSize(fm.horizontalAdvance(text), fm.height())), back);
  p.setPen(fore);
  p.drawText(QPoint(pos.x(), pos.y() + fm.ascent()), text);
}

}  // namespace

BoardRenderer BoardRenderer::ForPrint(const BoardColors& screenColors) {
  BoardRenderer r;
  r.style_ = RenderStyle::Print;
  r.geometry_.SetGridSize(GridSize::Medium);
  r.geometry_.MoveTo(0, 0);
  r.colors_.MarkColor = screenColors.MarkColor;
  return r;
}

QFont BoardRenderer::DigitFont() const {
  return SansFont(-geometry_.DigitPixels(), true);
}

QFont BoardRenderer::MarkFont() const {
  return SansFont(geometry_.MarkFontHeight(), false);
}

QFont BoardRenderer::LabelFont() const {
  return SansFont(-geometry_.LabelPixels(), true);
}

void BoardRenderer::DrawCell(QPainter& p, const BoardState& s, core::CellRef at,
                             const CellLook& look) const {
  if (!at.OnBoard() || !s.board) return;
  const QRect square = geometry_.CellRect(at);
  const int x = square.x();
  const int y = square.y();
  const int size = geometry_.CellSize();
  const core::Cell& cell = s.board->at(at);
  const int digit = cell[core::kDigit];
  // Paper shows the position only: clues and entries alike, nothing picked
  // out, every cell white.
  const bool print = style_ == RenderStyle::Print;
  const bool current = !print && at == s.selected;
  const bool selected = !print && (look.selected || current);
  const bool highlight = !print && look.highlight;
  const bool clue = !print && s.clues && (*s.clues)[core::GridIndex(at)] != 0;
  const int highlightDigit = print ? 0 : s.highlightDigit;

  const int index = core::GridIndex(at);
  const bool red = !print && (look.red || (current && s.selectedInConflict) || s.conflicts[index]);
  const bool wrong = !print && digit != 0 && s.wrongDigit[index];
  QColor back = print ? QColor(Qt::white) : colors_.CellColor;
  if (red)
    back = colors_.ConflictColor;
  else if (wrong)
    back = colors_.MistakeColor;
  else if (selected)
    back = colors_.SelectedColor;
  else if (highlight)
    back = colors_.HintCellColor;
  else if (clue)
    back = colors_.ClueCellColor;
  p.fillRect(QRect(x, y, size, size), colors_.GridColor);
  p.fillRect(QRect(x + 1, y + 1, size - 2, size - 2), back);
  if (!print && s.paused) return;

  if (digit == 0) {
    p.setFont(MarkFont());
    const int lead = 5 - geometry_.MarkFontHeight();
    const int pad = geometry_.MarkPad(), wide = geometry_.MarkWidth();
    const std::array<int, 3> markX{x + pad, (2 * x + size - wide) / 2, x + size - pad - wide};
    const std::array<int, 3> markY{y + 2, (2 * y + size + 2 - lead) / 2, y + size - lead};
    for (int k = 1; k <= 9; ++k) {
      if (!cell.HasCandidate(k)) continue;
      const bool emphasised =
          !print && (k == highlightDigit || (look.emph && (*look.emph)[k] != 0));
      QColor markBack, markText;
      if (!emphasised) {
        markBack = selected    ? colors_.SelectedColor
                   : highlight ? colors_.HintCellColor
                   : print     ? QColor(Qt::white)
                               : colors_.CellColor;
        markText = colors_.MarkColor;
      } else if (look.elim && (*look.elim)[k] != 0) {
        markBack = colors_.ElimMarkColor;
        markText = colors_.ElimMarkTextColor;
      } else {
        markBack = highlight ? colors_.HintMarkColor : colors_.HiColor;
        markText = Qt::black;
      }
      OpaqueText(p, QPoint(markX[(k - 1) % 3], markY[(k - 1) / 3]), QString::number(k), markBack,
                 markText);
    }
    if (const int missing = print ? 0 : s.missingMark[index]; missing >= 1 && missing <= 9) {
      // The digit the marks leave out, circled at its own place.
      const QPoint at(markX[(missing - 1) % 3], markY[(missing - 1) / 3]);
      OpaqueText(p, at, QString::number(missing), colors_.MistakeColor, Qt::black);
      const QFontMetrics fm(p.font());
      const QRect box(at, QSize(fm.horizontalAdvance(QString::number(missing)), fm.height()));
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(colors_.MistakeColor.darker(150), 1.5));
      p.setBrush(Qt::NoBrush);
      const int r = std::max(box.width(), box.height()) / 2 + 2;
      p.drawEllipse(QRectF(box).center(), r, r);
      p.restore();
    }
    return;
  }

  if (digit == highlightDigit) {
    back = red         ? colors_.ConflictColor
           : selected  ? colors_.SelectedColor
           : highlight ? colors_.HintCellColor
                       : colors_.HiColor;
    p.fillRect(QRect(x + 1, y + 1, size - 2, size - 2), back);
  }
  // On paper the digit stands on a cream box inside the white cell.
  if (print) back = kPrintDigitBack;
  p.setFont(DigitFont());
  const QFontMetrics fm(p.font());
  const QString text = QString::number(digit);
  const QPoint pos(x + size / 2 - fm.horizontalAdvance(text) / 2, y + size / 2 - fm.height() / 2);
  OpaqueText(p, pos, text, back, colors_.DigitColor);
}

void BoardRenderer::DrawGridLines(QPainter& p) const {
  const int left = geometry_.BoardLeft();
  const int top = geometry_.BoardTop();
  const int size = geometry_.BoardSize();
  constexpr int thick = BoardGeometry::ThickLine;
  const QColor& c = colors_.GridColor;
  for (int i = 0; i <= thick; ++i) {
    const int side = size - 2 * i;
    p.fillRect(QRect(left + i, top + i, side, 1), c);
    p.fillRect(QRect(left + i, top + size - i - 1, side, 1), c);
    p.fillRect(QRect(left + i, top + i, 1, side), c);
    p.fillRect(QRect(left + size - i - 1, top + i, 1, side), c);
  }
  if (style_ == RenderStyle::Print) {
    // The printed board has one more frame line, inside the last row and
    // column of cells, one pixel before their outline.
    const int inner = left + 9 * geometry_.CellSize() + 8;
    p.fillRect(QRect(left, top, inner - left, 1), c);
    p.fillRect(QRect(left, top, 1, inner - top), c);
    p.fillRect(QRect(left, inner - 1, inner - left, 1), c);
    p.fillRect(QRect(inner - 1, top, 1, inner - top), c);
  }
  for (int i = 0; i <= thick; ++i) {
    for (int k : {3, 6}) {
      p.fillRect(QRect(left, geometry_.RowY(k) - i, size, 1), c);
      p.fillRect(QRect(geometry_.ColX(k) - i, top, 1, size), c);
    }
  }
}

void BoardRenderer::DrawLabels(QPainter& p) const {
  p.setFont(LabelFont());
  p.setPen(colors_.CoordinatesColor);
  const QFontMetrics fm(p.font());
  for (int i = 1; i <= 9; ++i) {
    const QPoint rowPos = geometry_.RowLabelPos(i);
    p.drawText(QPoint(rowPos.x(), rowPos.y() + fm.ascent()),
               QString::fromStdString(core::RowLetter(i)));
    const QPoint colPos = geometry_.ColLabelPos(i);
    p.drawText(QPoint(colPos.x(), colPos.y() + fm.ascent()), QString::number(i));
  }
}

}  // namespace zentaro::ui
