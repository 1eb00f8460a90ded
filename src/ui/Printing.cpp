#include "ui/Printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#ifdef ZENTARO_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace zentaro::ui {

namespace {

// A page's shorter side is cut into sixteen units, and the board takes as
// many whole 50-pixel cells per unit as fit: the board is 9/16 of the side.
constexpr int kUnitsPerSide = 16;
constexpr int kPrintCellSize = 50;
constexpr int kSmallestFactorSide = kUnitsPerSide * kPrintCellSize;
constexpr int kTitleLift = 30;

QFont TitleFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(10);
  font.setBold(false);
  return font;
}

void DrawCellsAndGrid(QPainter& p, const PrintedBoard& what) {
  const BoardRenderer renderer = BoardRenderer::ForPrint(what.colors);
  BoardState state;
  state.board = &what.board;
  state.clues = &what.clues;
  state.selected = {-1, -1};
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) renderer.DrawCell(p, state, {col, row}, CellLook{});
  renderer.DrawGridLines(p);
}

}  // namespace

PrintLayout LayoutPrintedPage(QSize page, QSize titleSize) {
  const int w = page.width();
  const int h = page.height();
  const int shorter = std::max(0, std::min(w, h));
  PrintLayout layout;
  layout.factor = shorter / kUnitsPerSide / kPrintCellSize;
  // Centre the board drawing itself; its lines scale with the cells.
  if (layout.factor > 0) {
    const int f = layout.factor;
    layout.picture = QRect(w / 2 - kPrintBoardSize * f / 2, h / 2 - kPrintBoardSize * f / 2,
                           kPrintBitmapSize * f, kPrintBitmapSize * f);
  } else {
    const double scale = static_cast<double>(shorter) / kSmallestFactorSide;
    const int board = static_cast<int>(std::lround(kPrintBoardSize * scale));
    const int side = static_cast<int>(std::lround(kPrintBitmapSize * scale));
    layout.picture = QRect(w / 2 - board / 2, h / 2 - board / 2, side, side);
  }
  layout.title = QPoint(w / 2 - titleSize.width() / 2, h - titleSize.height() - kTitleLift);
  return layout;
}

QImage DrawPrintBitmap(const PrintedBoard& what, int scale) {
  scale = std::max(1, scale);
  QImage bitmap(kPrintBitmapSize * scale, kPrintBitmapSize * scale, QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  QPainter p(&bitmap);
  // Drawn at the size asked rather than enlarged afterwards, so the digits
  // keep their shape.
  p.scale(scale, scale);
  DrawCellsAndGrid(p, what);
  return bitmap;
}

void DrawPrintBoard(QPainter& p, const PrintedBoard& what) {
  p.fillRect(QRect(0, 0, kPrintBitmapSize, kPrintBitmapSize), Qt::white);
  DrawCellsAndGrid(p, what);
}

void PaintPrintedPage(QPainter& p, QSize page, const PrintedBoard& what) {
  const QFont font = TitleFont();
  const QFontMetrics fm(font, p.device());
  const QSize titleSize(fm.horizontalAdvance(what.title), fm.height());
  const PrintLayout layout = LayoutPrintedPage(page, titleSize);

  // The board is drawn on the page itself, every length times the factor:
  // the same squares as the picture enlarged pixel by pixel, but with edges
  // and digits as sharp as the page can hold, and no picture to compress.
  p.save();
  p.translate(layout.picture.topLeft());
  const double scale = layout.factor > 0
                           ? layout.factor
                           : static_cast<double>(layout.picture.width()) / kPrintBitmapSize;
  p.scale(scale, scale);
  p.setClipRect(QRect(0, 0, kPrintBitmapSize, kPrintBitmapSize));
  DrawPrintBoard(p, what);
  p.restore();

  p.setFont(font);
  p.setPen(Qt::black);
  p.setBackground(Qt::white);
  p.setBackgroundMode(Qt::OpaqueMode);
  p.drawText(layout.title + QPoint(0, fm.ascent()), what.title);
  p.setBackgroundMode(Qt::TransparentMode);
}

std::optional<QString> PrintBoard(QPrinter& printer, const PrintedBoard& what) {
  const bool toFile =
      printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
  const QString failure =
      toFile ? QCoreApplication::translate("zentaro::ui::Printing",
                                           "The PDF file could not be written:\n%1")
                   .arg(QFileInfo(printer.outputFileName()).absoluteFilePath())
             : QCoreApplication::translate("zentaro::ui::Printing",
                                           "The printer \"%1\" did not accept the page.")
                   .arg(printer.printerName());
  QPainter p;
  if (!p.begin(&printer)) return failure;
  PaintPrintedPage(p, QSize(printer.width(), printer.height()), what);
  if (!p.end() || printer.printerState() == QPrinter::Error) return failure;
  return std::nullopt;
}

QList<int> PngScales() {
  return {1, 2, 4};
}

QStringList ExportPictureKinds() {
#ifdef ZENTARO_HAVE_SVG
  return {"png", "svg", "pdf"};
#else
  return {"png", "pdf"};
#endif
}

std::optional<QString> ExportPicture(const QString& fileName, const PrintedBoard& what,
                                     int pngScale) {
  const QString kind = QFileInfo(fileName).suffix().toLower();
  if (!ExportPictureKinds().contains(kind))
    return QCoreApplication::translate(
               "zentaro::ui::Printing",
               "Pictures are written as %1; the name must end in one of them.")
        .arg("." + ExportPictureKinds().join(", ."));
  if (!PngScales().contains(pngScale))
    return QString("A PNG picture can be drawn at 1, 2 or 4 times its size, not %1.").arg(pngScale);

  // The picture is made in memory first, so a file is touched only when
  // there is something whole to put in it.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  bool drawn = true;
  if (kind == "png") {
    drawn = DrawPrintBitmap(what, pngScale).save(&buffer, "PNG");
  } else if (kind == "pdf") {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(what.title);
    pdf.setCreator(what.title);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter p;
    drawn = p.begin(&pdf);
    if (drawn) {
      PaintPrintedPage(p, QSize(pdf.width(), pdf.height()), what);
      drawn = p.end();
    }
  }
#ifdef ZENTARO_HAVE_SVG
  else if (kind == "svg") {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kPrintBitmapSize, kPrintBitmapSize));
    svg.setViewBox(QRect(0, 0, kPrintBitmapSize, kPrintBitmapSize));
    svg.setResolution(96);
    svg.setTitle(what.title);
    QPainter p;
    drawn = p.begin(&svg);
    if (drawn) {
      DrawPrintBoard(p, what);
      drawn = p.end();
    }
  }
#endif
  buffer.close();
  if (!drawn || bytes.isEmpty())
    return QCoreApplication::translate("zentaro::ui::Printing", "The picture could not be drawn.");

  return SaveWhole(fileName, bytes);
}

std::optional<QString> SaveWhole(const QString& fileName, const QByteArray& bytes) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace zentaro::ui
