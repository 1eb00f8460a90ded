#include "ui/Booklet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <functional>
#include <memory>

#include "hints/Markup.h"
#include "rating/Rating.h"
#include "ui/Printing.h"

namespace zentaro::ui {

namespace {

constexpr int kPdfResolution = 600;
// On paper the @-spans cannot keep the hint window's pale colour, which
// stands on its grey box: they take a dark blue that reads on white.
const QColor kPaperHighlight{0, 70, 170};

QFont SansPixels(int pixels, bool bold = false) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixels));
  font.setBold(bold);
  return font;
}

QFont FixedPixels(int pixels) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(std::max(1, pixels));
  return font;
}

// Points at the device's resolution, as pixels.
int Points(const QPaintDevice& device, double points) {
  return static_cast<int>(points * device.logicalDpiY() / 72.0 + 0.5);
}

// Writes what paint draws on a fresh A4 PDF to the file, whole or not at all.
std::optional<QString> WritePdf(const QString& fileName, const QString& title,
                                const std::function<bool(QPdfWriter&, QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  bool drawn = false;
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(title);
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (p.begin(&pdf)) {
      drawn = paint(pdf, p);
      drawn = p.end() && drawn;
    }
  }
  buffer.close();
  if (!drawn || bytes.isEmpty()) return QString("The pages could not be drawn.");
  return SaveWhole(fileName, bytes);
}

void DrawFooter(QPainter& p, QSize page, const QString& title, int pageNumber) {
  const QFont font = SansPixels(Points(*p.device(), 9));
  p.setFont(font);
  p.setPen(Qt::black);
  const int height = p.fontMetrics().height();
  const QRect line(0, page.height() - Points(*p.device(), 24) - height, page.width(), height);
  p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
             QString("%1 \u2014 %2").arg(title).arg(pageNumber));
}

// The board of the printed page, its corner at (x, y), side pixels wide.
void DrawBoardAt(QPainter& p, QPointF corner, double side, const std::function<void()>& draw) {
  p.save();
  p.translate(corner);
  p.scale(side / kPrintBitmapSize, side / kPrintBitmapSize);
  p.setClipRect(QRect(0, 0, kPrintBitmapSize, kPrintBitmapSize));
  p.fillRect(QRect(0, 0, kPrintBitmapSize, kPrintBitmapSize), Qt::white);
  draw();
  p.restore();
}

core::Board BoardOfDigits(const core::DigitGrid& digits) {
  core::Board board{};
  core::LoadDigits(digits, board);
  return board;
}

QString LevelText(int level) {
  const std::string name = rating::LevelName(level);
  return name.empty() ? QString("not rated") : QString::fromStdString(name);
}

bool PaintSheets(QPagedPaintDevice& device, QPainter& p, QSize page,
                 const std::vector<app::SheetPuzzle>& puzzles, const SheetOptions& options) {
  const int perPage = app::SheetPerPageAllowed(options.perPage) ? options.perPage : 1;
  const int margin = page.width() / 16;
  const QFont captionFont = SansPixels(Points(device, 10));
  const int caption = QFontMetrics(captionFont).height() * 2;
  const int footer = Points(device, 24) + QFontMetrics(SansPixels(Points(device, 9))).height();
  const QSize body(page.width() - 2 * margin, page.height() - 2 * margin - footer);
  const std::vector<app::SheetPlace> places = app::SheetPlaces(
      body.width(), body.height(), perPage, margin / 2.0, caption, kPrintBitmapSize);

  int pageNumber = 0;
  const auto pass = [&](bool solutions) {
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
      const std::size_t slot = i % static_cast<std::size_t>(perPage);
      if (slot == 0) {
        if (pageNumber > 0) {
          DrawFooter(p, page, options.title, pageNumber);
          if (!device.newPage()) return false;
        }
        ++pageNumber;
      }
      const app::SheetPuzzle& puzzle = puzzles[i];
      const app::SheetPlace& place = places[slot];
      PrintedBoard what;
      what.clues = puzzle.clues;
      what.board = BoardOfDigits(solutions ? puzzle.solution : puzzle.clues);
      what.colors = options.colors;
      DrawBoardAt(p, QPointF(margin + place.left, margin + place.top), place.side,
                  [&] { DrawPrintBoard(p, what); });
      p.setFont(captionFont);
      p.setPen(Qt::black);
      const QString text =
          solutions ? QString("Solution of puzzle %1").arg(i + 1)
                    : QString("Puzzle %1 \u2014 %2").arg(i + 1).arg(LevelText(puzzle.level));
      p.drawText(QRectF(margin + place.left, margin + place.captionTop, place.side, caption),
                 Qt::AlignHCenter | Qt::AlignVCenter, text);
    }
    return true;
  };
  if (!pass(false)) return false;
  if (options.solutions && !pass(true)) return false;
  if (pageNumber > 0) DrawFooter(p, page, options.title, pageNumber);
  return true;
}

// The stage's text as the hint window shows it, for paper: bold, the
// highlight colour and the fixed-pitch block.
std::unique_ptr<QTextDocument> StageDocument(const std::vector<std::string>& lines, bool fixedBlock,
                                             int pixels, double width) {
  auto doc = std::make_unique<QTextDocument>();
  doc->setDocumentMargin(0);
  doc->setDefaultFont(SansPixels(pixels));
  doc->setTextWidth(width);
  const hints::RenderedHint text = hints::RenderHintText(lines, fixedBlock);
  QStringList plain;
  for (const std::string& line : text.lines) plain << QString::fromStdString(line);
  doc->setPlainText(plain.join('\n'));
  const auto position = [&](int line, int column) {
    int pos = 0;
    for (int i = 0; i < line && i < plain.size(); ++i) pos += static_cast<int>(plain[i].size()) + 1;
    return pos + column;
  };
  QTextCursor cursor(doc.get());
  if (text.fixedFirstLine >= 0) {
    cursor.setPosition(position(text.fixedFirstLine, 0));
    cursor.setPosition(std::min(position(text.fixedLastLine + 1, 0), doc->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFont(FixedPixels(pixels));
    cursor.mergeCharFormat(format);
  }
  for (const hints::MarkupSpan& span : text.spans) {
    const int start = position(span.line, span.column);
    cursor.setPosition(start);
    cursor.setPosition(start + span.length, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (span.bold) format.setFontWeight(QFont::Bold);
    if (span.coloured) format.setForeground(kPaperHighlight);
    cursor.mergeCharFormat(format);
  }
  return doc;
}

std::unique_ptr<QTextDocument> SummaryDocument(const app::WorkedSolution& worked,
                                               const BookletOptions& options, int pixels,
                                               double width) {
  auto doc = std::make_unique<QTextDocument>();
  doc->setDocumentMargin(0);
  doc->setDefaultFont(SansPixels(pixels));
  doc->setTextWidth(width);
  QString html = QString("<p style=\"font-size:%1px\"><b>Worked solution</b></p>").arg(pixels * 2);
  if (!options.puzzleLine.isEmpty())
    html += QString("<p><tt>%1</tt></p>").arg(options.puzzleLine.toHtmlEscaped());
  html +=
      QString("<p>Level: <b>%1</b><br>Steps: <b>%2</b>, %3</p>")
          .arg(LevelText(worked.level).toHtmlEscaped())
          .arg(worked.steps.size())
          .arg(worked.solved ? QString("the hints solve the puzzle")
                             : QString("the hints stop after step %1").arg(worked.steps.size()));
  html += "<table cellspacing=\"0\" cellpadding=\"4\">";
  html += "<tr><td><b>Technique</b></td><td align=\"right\"><b>Steps</b></td></tr>";
  for (const auto& [technique, count] : worked.techniqueCounts)
    html += QString("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                .arg(QString::fromStdString(technique).toHtmlEscaped())
                .arg(count);
  html += "</table>";
  doc->setHtml(html);
  return doc;
}

bool PaintWorkedSolution(QPagedPaintDevice& device, QPainter& p, QSize page,
                         const app::WorkedSolution& worked, const BookletOptions& options) {
  const int margin = Points(device, 42);
  const int gap = Points(device, 14);
  const int textPixels = Points(device, 9.5);
  const int headingPixels = Points(device, 12);
  const int footer = Points(device, 24) + QFontMetrics(SansPixels(Points(device, 9))).height();
  const int bottom = page.height() - margin - footer;
  const int bodyWidth = page.width() - 2 * margin;
  // Boards at a whole multiple of the print picture stay sharp.
  const int side = std::max(1, Points(device, 165) / kPrintBitmapSize) * kPrintBitmapSize;
  const int textLeft = margin + side + gap;
  const double textWidth = bodyWidth - side - gap;

  // The printed board's size and place, in the screen's style and colours.
  BoardRenderer renderer;
  renderer.SetGridSize(GridSize::Medium);
  renderer.MoveBoardTo(0, 0);
  renderer.SetColors(options.colors);

  int pageNumber = 1;
  int y = margin;
  bool ok = true;
  const auto room = [&](int height) {
    if (y + height <= bottom || y == margin) return;
    DrawFooter(p, page, options.title, pageNumber);
    ok = ok && device.newPage();
    ++pageNumber;
    y = margin;
  };
  const auto drawDocument = [&](QTextDocument& doc, int left, int top, double most) {
    const double height = doc.size().height();
    p.save();
    p.translate(left, top);
    // A text longer than a page is made smaller rather than cut.
    if (height > most && height > 0) p.scale(most / height, most / height);
    doc.drawContents(&p);
    p.restore();
    return static_cast<int>(std::min(height, most));
  };
  const QFont headingFont = SansPixels(headingPixels, true);
  const int headingHeight = QFontMetrics(headingFont).height() * 3 / 2;
  const auto heading = [&](const QString& text, int left) {
    p.setFont(headingFont);
    p.setPen(Qt::black);
    p.drawText(QPoint(left, y + QFontMetrics(headingFont).ascent()), text);
  };

  {
    auto summary = SummaryDocument(worked, options, textPixels, bodyWidth);
    y += drawDocument(*summary, margin, y, bottom - margin) + 2 * gap;
  }

  for (std::size_t i = 0; i < worked.steps.size(); ++i) {
    const app::WorkedStep& step = worked.steps[i];
    auto doc = StageDocument(step.stage.lines, step.stage.fixedPitchBlock, textPixels, textWidth);
    const int textHeight = static_cast<int>(doc->size().height());
    const int most = bottom - margin - headingHeight;
    const int height = headingHeight + std::max(side, std::min(textHeight, most));
    room(height);
    heading(StepHeading(static_cast<int>(i) + 1, QString::fromStdString(step.technique)), margin);
    const int top = y + headingHeight;
    DrawBoardAt(p, QPointF(margin, top), side, [&] {
      BoardState state;
      state.board = &step.board;
      state.selected = {-1, -1};
      for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
          renderer.DrawCell(p, state, {c, r}, CellLook::Of(step.stage.highlights.at(c, r)));
        }
      renderer.DrawGridLines(p);
    });
    drawDocument(*doc, textLeft, top, most);
    y += height + gap;
  }

  // The end: the board as the hints leave it, and either that it is solved
  // or what the program says where the hints stop.
  std::vector<std::string> endLines = worked.stopLines;
  if (worked.solved) endLines = {"Every cell is filled: the puzzle is solved."};
  auto end = StageDocument(endLines, false, textPixels, textWidth);
  room(headingHeight + std::max(side, static_cast<int>(end->size().height())));
  heading(worked.solved ? QString("Solved")
                        : QString("Where the hints stop (after step %1)").arg(worked.steps.size()),
          margin);
  DrawBoardAt(p, QPointF(margin, y + headingHeight), side, [&] {
    BoardState state;
    state.board = &worked.end;
    state.selected = {-1, -1};
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) renderer.DrawCell(p, state, {c, r}, CellLook{});
    renderer.DrawGridLines(p);
  });
  drawDocument(*end, textLeft, y + headingHeight, bottom - y - headingHeight);
  DrawFooter(p, page, options.title, pageNumber);
  return ok;
}

}  // namespace

QString StepHeading(int number, const QString& technique) {
  return QString("Step %1: %2").arg(number).arg(technique);
}

std::optional<QString> PrintSheets(QPrinter& printer, const std::vector<app::SheetPuzzle>& puzzles,
                                   const SheetOptions& options) {
  const bool toFile =
      printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
  const QString failure =
      toFile ? QString("The PDF file could not be written:\n%1")
                   .arg(QFileInfo(printer.outputFileName()).absoluteFilePath())
             : QString("The printer \"%1\" did not accept the pages.").arg(printer.printerName());
  QPainter p;
  if (!p.begin(&printer)) return failure;
  const bool drawn =
      PaintSheets(printer, p, QSize(printer.width(), printer.height()), puzzles, options);
  if (!p.end() || !drawn || printer.printerState() == QPrinter::Error) return failure;
  return std::nullopt;
}

std::optional<QString> WriteSheetsPdf(const QString& fileName,
                                      const std::vector<app::SheetPuzzle>& puzzles,
                                      const SheetOptions& options) {
  return WritePdf(fileName, options.title, [&](QPdfWriter& pdf, QPainter& p) {
    return PaintSheets(pdf, p, QSize(pdf.width(), pdf.height()), puzzles, options);
  });
}

std::optional<QString> WriteWorkedSolutionPdf(const QString& fileName,
                                              const app::WorkedSolution& worked,
                                              const BookletOptions& options) {
  return WritePdf(fileName, options.title, [&](QPdfWriter& pdf, QPainter& p) {
    return PaintWorkedSolution(pdf, p, QSize(pdf.width(), pdf.height()), worked, options);
  });
}

}  // namespace zentaro::ui
