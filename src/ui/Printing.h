#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/Board.h"
#include "ui/BoardRenderer.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zentaro::ui {

// The board as it goes to paper: a 464-pixel square picture drawn in the
// print style, stretched onto the page by a whole-number factor.
inline constexpr int kPrintBitmapSize = 464;
// The board drawing inside the picture: nine 50-pixel cells and their lines.
inline constexpr int kPrintBoardSize = 462;

// Where things go on a page of the given size in device pixels.
struct PrintLayout {
  // Each picture pixel becomes factor × factor page pixels; 0 when the
  // page's shorter side is under 800 pixels.
  int factor = 0;
  // The picture's place on the page. A page too small for factor 1 gets
  // the picture scaled to fit rather than nothing.
  QRect picture;
  // Top-left corner of the title, centred 30 pixels above the page's foot.
  QPoint title;
};

// titleSize: the title's width and height in the page's pixels.
PrintLayout LayoutPrintedPage(QSize page, QSize titleSize);

// What is printed: the position and the colours of the screen (only the
// pencil-mark colour carries over to paper).
struct PrintedBoard {
  core::Board board{};
  core::DigitGrid clues{};
  BoardColors colors;
  QString title;
};

// The 464-pixel picture: every cell, then the grid, in the print style;
// scale 2 or 4 draws it at that multiple of the size.
QImage DrawPrintBitmap(const PrintedBoard& what, int scale = 1);
// The same drawing as vectors onto any painter, the picture's corner at (0, 0).
void DrawPrintBoard(QPainter& p, const PrintedBoard& what);

// One page: the board centred, drawn as vectors at the layout's factor
// (as the picture enlarged would be), the title at the foot. The painter is
// already open on a page of the given size in device pixels.
void PaintPrintedPage(QPainter& p, QSize page, const PrintedBoard& what);

// Prints one page on the printer. Gives the reason when the printer could
// not take the job, nothing when it did.
std::optional<QString> PrintBoard(QPrinter& printer, const PrintedBoard& what);

// Writes the board, as printed, to a picture file whose kind follows its
// extension: .png (the 464-pixel picture, or pngScale times that), .pdf (the
// printed page) and, when built with Qt SVG, .svg (the board as vectors).
// The file is replaced whole or not at all. Gives the reason on failure,
// nothing on success.
std::optional<QString> ExportPicture(const QString& fileName, const PrintedBoard& what,
                                     int pngScale = 1);
// Replaces the file with the bytes, whole or not at all; the reason on
// failure, nothing on success.
std::optional<QString> SaveWhole(const QString& fileName, const QByteArray& bytes);
// The sizes a PNG picture can be drawn at, as multiples of 464 pixels.
QList<int> PngScales();
// The extensions ExportPicture understands, without the dot.
QStringList ExportPictureKinds();

}  // namespace zentaro::ui
