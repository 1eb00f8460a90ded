#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>

#include "core/Board.h"
#include "hints/Highlights.h"

class QPainter;

namespace zentaro::ui {

// Grid sizes as the GridSize setting stores them.
enum class GridSize { Small = 1, Medium = 2, Large = 3 };

// The settings' rule (app::GridSizeForScreen) as a GridSize.
GridSize DefaultGridSize(int screenWidth, int screenHeight);

// Pixel geometry of the board: where the outer frame sits and where each
// cell begins. Cells are CellSize apart; a block boundary adds ThickLine.
// Every size is a whole number of pixels, so that lines and cells stay
// sharp at any cell size and on screens of any pixel density.
class BoardGeometry {
 public:
  static constexpr int ThinLine = 1;
  static constexpr int ThickLine = 3 * ThinLine;
  static constexpr int DigitFontHeight = -32;
  // A cell of any size from kMinCell to kMaxCell, fonts grown to match.
  static constexpr int kMinCell = 30, kMaxCell = 120;

  BoardGeometry() { ComputeCellOrigins(); }

  void SetGridSize(GridSize size);
  void SetCellSize(int cell);
  // Puts the board's outer corner at the point; the cells follow.
  void MoveTo(int left, int top);

  // The board a cell size gives, frame and separators included.
  static constexpr int BoardSizeFor(int cell) {
    return 9 * cell + 6 * ThinLine + 2 * ThickLine;
  }
  int BoardSize() const { return BoardSizeFor(cellSize_); }
  int CellSize() const { return cellSize_; }
  int MarkFontHeight() const { return markFontHeight_; }
  int DigitPixels() const { return digitPixels_; }
  int LabelPixels() const { return labelPixels_; }
  int MarkPad() const { return markPad_; }
  int MarkWidth() const { return markWidth_; }
  int BoardLeft() const { return boardLeft_; }
  int BoardTop() const { return boardTop_; }
  // Where column or row i (0..8) begins.
  int ColX(int i) const { return colX_[i]; }
  int RowY(int i) const { return rowY_[i]; }

  // The square of the cell.
  QRect CellRect(core::CellRef cell) const {
    return {colX_[cell.col - 1], rowY_[cell.row - 1], cellSize_, cellSize_};
  }
  QRect BoardRect() const { return {boardLeft_, boardTop_, BoardSize(), BoardSize()}; }
  // The cell's lower-right corner beyond its line, where the cell popups open.
  QPoint PopupPoint(core::CellRef cell) const {
    return {colX_[cell.col - 1] + cellSize_ + ThickLine,
            rowY_[cell.row - 1] + cellSize_ + ThickLine};
  }
  // Strictly inside the area the cells cover.
  bool InsideCells(QPoint p) const;
  // The cell under the point, or {-1, -1} outside the board. A point on a
  // block separator belongs to the cell left of or above it.
  core::CellRef CellAtPoint(QPoint p) const;

  // Where the row letter "A".."I" of row 1..9 and the digit of column 1..9 are placed.
  QPoint RowLabelPos(int row) const {
    return {boardLeft_ - labelPixels_ - 1, rowY_[row - 1] + cellSize_ / 2 - labelPixels_ / 2};
  }
  QPoint ColLabelPos(int col) const {
    return {colX_[col - 1] + cellSize_ / 2 - labelPixels_ / 2, boardTop_ - labelPixels_ - 3};
  }
  // The least room the coordinates need left of and above the board.
  int LabelRoomLeft() const { return labelPixels_ + 3; }
  int LabelRoomTop() const { return labelPixels_ + 5; }

 private:
  void ComputeCellOrigins();

  int cellSize_ = 50;
  int markFontHeight_ = -11;
  // The digits', the coordinates' and the marks' sizes: fixed at the three
  // grid sizes, grown with the cell on a board that fills its window.
  int digitPixels_ = -DigitFontHeight;
  int labelPixels_ = 11;
  int markPad_ = 5;    // between a mark of the outer columns and the cell's side
  int markWidth_ = 7;  // the width the marks' columns are laid out for
  int boardLeft_ = 33;
  int boardTop_ = 44;
  std::array<int, 9> colX_{};
  std::array<int, 9> rowY_{};
};

// The colours of the board. The first four are user settings.
struct BoardColors {
  QColor BackgroundColor{0, 80, 100};
  QColor CoordinatesColor{0, 190, 205};
  QColor MarkColor{128, 128, 128};
  QColor HiColor{128, 255, 255};
  QColor CellColor{255, 255, 237};
  QColor ClueCellColor{212, 208, 200};  // replaced by the system button face
  QColor SelectedColor{164, 235, 212};
  QColor HintCellColor{166, 202, 240};
  QColor ConflictColor{255, 0, 0};
  QColor GridColor{128, 128, 128};
  QColor DigitColor{0, 0, 0};
  QColor ElimMarkColor{255, 136, 136};
  QColor ElimMarkTextColor{0, 0, 0};
  QColor HintMarkColor{34, 255, 255};
  // Apart from the conflict red, so that the two can be told apart.
  QColor MistakeColor{255, 150, 30};
};

// What the painter reads of the game.
struct BoardState {
  const core::Board* board = nullptr;
  const core::DigitGrid* clues = nullptr;
  core::CellRef selected{};  // none when off the board
  int highlightDigit = 0;
  // The selected cell just received a digit that clashes with a peer.
  bool selectedInConflict = false;
  // While a puzzle is typed in: every cell whose digit repeats in a unit,
  // row-major like DigitGrid.
  std::array<bool, 81> conflicts{};
  // What the last mistake check found, indexed alike: wrong digits, and in
  // cells with pencil marks the solution's digit the marks leave out.
  std::array<bool, 81> wrongDigit{};
  std::array<std::uint8_t, 81> missingMark{};
  // A paused game shows an empty board.
  bool paused = false;
};

// How one cell is to be drawn beyond what the board says.
struct CellLook {
  const hints::DigitFlags* elim = nullptr;  // indexed by digit 1..9
  const hints::DigitFlags* emph = nullptr;
  bool highlight = false;
  bool red = false;
  bool selected = false;

  // What a hint picked out in the cell; it points into the highlight.
  static CellLook Of(const hints::CellHighlight& h) {
    CellLook look;
    look.highlight = h.highlight;
    look.red = h.red;
    look.selected = h.selected;
    if (h.hasMarkInfo) {
      look.elim = &h.markElim;
      look.emph = &h.markHi;
    }
    return look;
  }
};

// Screen: everything the game shows. Print: the position alone, on paper
// colours (white cells, grey lines, no selection, highlight or clue shading).
enum class RenderStyle { Screen, Print };

// The only painter of the board: every cell, the grid lines and the
// coordinate labels, onto any QPainter (screen, printer, picture file).
class BoardRenderer {
 public:
  // The printed board's renderer: 50-pixel cells with the board's corner at
  // (0, 0), so the cells begin at 3, 53, 103, 156, 206, 256, 309, 359, 409;
  // only the pencil-mark colour is taken from the colours given.
  static BoardRenderer ForPrint(const BoardColors& screenColors);

  const BoardGeometry& Geometry() const { return geometry_; }
  const BoardColors& Colors() const { return colors_; }
  void SetColors(const BoardColors& colors) { colors_ = colors; }
  void SetGridSize(GridSize size) { geometry_.SetGridSize(size); }
  void SetCellSize(int cell) { geometry_.SetCellSize(cell); }
  // Puts the board's outer corner at the point; the cells follow.
  void MoveBoardTo(int left, int top) { geometry_.MoveTo(left, top); }

  QFont DigitFont() const;
  QFont MarkFont() const;
  QFont LabelFont() const;

  // A cell off the board draws nothing.
  void DrawCell(QPainter& p, const BoardState& s, core::CellRef cell, const CellLook& look) const;
  void DrawGridLines(QPainter& p) const;
  void DrawLabels(QPainter& p) const;

 private:
  BoardGeometry geometry_;
  BoardColors colors_;
  RenderStyle style_ = RenderStyle::Screen;
};

}  // namespace zentaro::ui
