// The printed board: its picture read back pixel by pixel, its place on
// pages of several sizes, the page printed to a PDF file, the picture
// exported to files, and the window's print and export commands.

#include "ui/Printing.h"

#include <QImageReader>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/PrintPuzzlesDialog.h"

using namespace zentaro;
using app::Command;
using ui::PrintedBoard;
using ui::test::ScriptedWindow;

namespace {

constexpr int kOrigins[9] = {3, 53, 103, 156, 206, 256, 309, 359, 409};
const QColor kGrey{128, 128, 128};
const QColor kCream{255, 255, 237};

// D4 holds the clue 5, E5 the entry 5, A1 the pencil marks 1 and 9.
PrintedBoard SampleBoard() {
  PrintedBoard what;
  what.board.at(4, 4)[core::kDigit] = 5;
  what.clues[core::GridIndex(4, 4)] = 5;
  what.board.at(5, 5)[core::kDigit] = 5;
  for (int d : {1, 9}) what.board.at(1, 1).AddCandidate(d);
  what.colors.MarkColor = QColor(200, 0, 0);
  what.title = "Zentaro";
  return what;
}

// Text is smoothed, so its pixels count when they are near the colour.
int CountColour(const QImage& image, QRect area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
               qAbs(c.blue() - colour.blue()) <
           40;
    }
  return n;
}

// Pixels of a thin smoothed mark drawn in MarkColor (200, 0, 0) on white.
int CountReddish(const QImage& image, QRect area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += c.red() - c.green() > 60 && c.green() == c.blue();
    }
  return n;
}

// The longest run of pixels from..to that are neither white (or the
// digits' cream), the grid's grey nor black: the smudge an edge leaves when
// it is not sharp.
int LongestBlur(const QImage& image, bool across, int fixed, int from, int to) {
  int longest = 0, run = 0;
  for (int v = from; v <= to; ++v) {
    const QColor c = across ? image.pixelColor(v, fixed) : image.pixelColor(fixed, v);
    const bool white = c.red() > 245 && c.green() > 245 && c.blue() > 230;
    const bool grey =
        qAbs(c.red() - 128) < 10 && qAbs(c.green() - 128) < 10 && qAbs(c.blue() - 128) < 10;
    const bool black = c.red() < 10 && c.green() < 10 && c.blue() < 10;
    run = white || grey || black ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest;
}

int PdfPages(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  auto it =
      QRegularExpression("/Type\\s*/Page\\b(?!s)").globalMatch(QString::fromLatin1(file.readAll()));
  int n = 0;
  for (; it.hasNext(); it.next()) ++n;
  return n;
}

QRect Cell(int col, int row) {
  return {kOrigins[col - 1], kOrigins[row - 1], 50, 50};
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutOnPages_data() {
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("side");  // the picture's side on the page
    QTest::newRow("A4 at 600 dpi") << QSize(4960, 7016) << 6 << 464 * 6;
    QTest::newRow("A4 landscape") << QSize(7016, 4960) << 6 << 464 * 6;
    QTest::newRow("Letter at 300 dpi") << QSize(2550, 3300) << 3 << 464 * 3;
    QTest::newRow("smallest for factor 1") << QSize(800, 900) << 1 << 464;
    QTest::newRow("too small, scaled to fit") << QSize(400, 600) << 0 << 232;
    QTest::newRow("no page at all") << QSize(0, 0) << 0 << 0;
  }

  void layoutOnPages() {
    QFETCH(QSize, page);
    QFETCH(int, factor);
    QFETCH(int, side);
    const QSize title(70, 20);
    const ui::PrintLayout layout = ui::LayoutPrintedPage(page, title);
    QCOMPARE(layout.factor, factor);
    QCOMPARE(layout.picture.width(), side);
    QCOMPARE(layout.picture.height(), side);
    // The board drawing (462 of the picture's 464 pixels) sits in the middle.
    const int board = side * 462 / 464;
    QVERIFY(qAbs(layout.picture.left() + board / 2 - page.width() / 2) <= 1);
    QVERIFY(qAbs(layout.picture.top() + board / 2 - page.height() / 2) <= 1);
    QCOMPARE(layout.title, QPoint(page.width() / 2 - 35, page.height() - 20 - 30));
  }

  void printedCellsAreTheFactorTimesFifty() {
    const ui::PrintLayout a4 = ui::LayoutPrintedPage({4960, 7016}, {});
    // Every cell is 300 printer pixels, half an inch at 600 dpi.
    const double perPixel = double(a4.picture.width()) / ui::kPrintBitmapSize;
    QCOMPARE(perPixel * 50, 300.0);
  }

  void cellsBeginAtTheirOrigins() {
    const QImage image = ui::DrawPrintBitmap(SampleBoard());
    QCOMPARE(image.size(), QSize(464, 464));
    // Along the middle of the first row and of the first column: each cell's
    // outline, then white, then its far outline.
    for (int o : kOrigins) {
      for (bool across : {true, false}) {
        auto at = [&](int v) { return across ? image.pixelColor(v, 78) : image.pixelColor(78, v); };
        QCOMPARE(at(o), kGrey);
        QCOMPARE(at(o + 1), QColor(Qt::white));
        QCOMPARE(at(o + 47), QColor(Qt::white));
        QCOMPARE(at(o + 49), kGrey);
      }
    }
  }

  void gridLinesWhereTheBlocksMeet() {
    const QImage image = ui::DrawPrintBitmap(PrintedBoard{});
    // Frame 0..3 and 458..461 with the inner line at 457, block lines
    // ending at the fourth and seventh cells; beyond 461 the picture is bare.
    for (int v : {0, 1, 2, 3, 153, 154, 155, 156, 306, 307, 308, 309, 457, 458, 459, 460, 461}) {
      QCOMPARE(image.pixelColor(v, 230), kGrey);
      QCOMPARE(image.pixelColor(230, v), kGrey);
    }
    for (int v : {462, 463}) QCOMPARE(image.pixelColor(v, 230), QColor(Qt::white));
    for (int v : {4, 151, 304, 456}) QCOMPARE(image.pixelColor(v, 230), QColor(Qt::white));
  }

  void digitsAndMarksInPrintColours() {
    const QImage image = ui::DrawPrintBitmap(SampleBoard());
    const QRect clue = Cell(4, 4);
    const QRect entry = Cell(5, 5);
    // The digit, black on its cream box, inside a white cell.
    QCOMPARE(image.pixelColor(clue.topLeft() + QPoint(2, 2)), QColor(Qt::white));
    QVERIFY(CountColour(image, clue.adjusted(1, 1, -1, -1), Qt::black) > 20);
    QVERIFY(CountColour(image, clue.adjusted(1, 1, -1, -1), kCream) > 20);
    // Clues and entries print alike.
    QCOMPARE(image.copy(clue), image.copy(entry));
    // Marks 1 and 9 in their corners, in the pencil-mark colour; none between.
    const QRect a1 = Cell(1, 1);
    QVERIFY(CountReddish(image, QRect(a1.left() + 5, a1.top() + 2, 8, 14)) > 3);
    QVERIFY(CountReddish(image, QRect(a1.left() + 38, a1.top() + 34, 8, 14)) > 3);
    QCOMPARE(CountReddish(image, QRect(a1.left() + 14, a1.top() + 2, 22, 46)), 0);
  }

  void printsOnePageToPdf() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("board.pdf"));
    QCOMPARE(ui::PrintBoard(printer, SampleBoard()), std::nullopt);
    QFile pdf(dir.filePath("board.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > 2000);
    QVERIFY(pdf.read(5) == "%PDF-");
  }

  // The page read back as a 600-dpi raster: every cell edge where the
  // layout puts it, and no grey smudge along it as wide as a picture pixel.
  void printedPageIsSharpWhereTheLayoutSaysAt600Dpi() {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));  // the whole 4960-pixel side: factor 6
    printer.setOutputFileName(dir.filePath("board.pdf"));
    QCOMPARE(ui::PrintBoard(printer, SampleBoard()), std::nullopt);
    QFile pdf(dir.filePath("board.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(!pdf.readAll().contains("DCTDecode"));

    QCOMPARE(QProcess::execute(pdftoppm, {"-r", "600", "-gray", "-png", "-singlefile",
                                          dir.filePath("board.pdf"), dir.filePath("page")}),
             0);
    // A whole A4 page at 600 dpi is larger than Qt reads by default.
    QImageReader::setAllocationLimit(512);
    const QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    const ui::PrintLayout layout =
        ui::LayoutPrintedPage(QSize(printer.width(), printer.height()), {});
    const int f = layout.factor;
    QCOMPARE(f, 6);
    const QPoint corner =
        printer.pageLayout().paintRectPixels(600).topLeft() + layout.picture.topLeft();
    for (bool across : {true, false}) {
      // Along the middle of row B (or column 2), whose cells are empty.
      const int fixed = (across ? corner.y() : corner.x()) + 78 * f;
      const int start = across ? corner.x() : corner.y();
      auto at = [&](int v) {
        return across ? page.pixelColor(start + v, fixed) : page.pixelColor(fixed, start + v);
      };
      QVERIFY(LongestBlur(page, across, fixed, start - 20, start + 464 * f + 20) < f);
      // And through the middle of the digit in D4.
      const int throughDigit = (across ? corner.y() : corner.x()) + 181 * f;
      QVERIFY(LongestBlur(page, across, throughDigit, start - 20, start + 464 * f + 20) < f);
      for (int o : kOrigins) {
        QVERIFY2(qAbs(at(o * f + f / 2).red() - 128) < 10, qPrintable(QString::number(o)));
        QVERIFY2(at((o + 1) * f + f / 2).red() > 245, qPrintable(QString::number(o)));
      }
      QVERIFY(at(-2).red() > 245);
      QVERIFY(qAbs(at(1).red() - 128) < 10);
    }
  }

  void printerThatCannotWriteSaysWhy() {
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("missing/board.pdf"));
    const auto failure = ui::PrintBoard(printer, SampleBoard());
    QVERIFY(failure && failure->contains("board.pdf"));
  }

  void exportsEachKind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png") << "board.png" << QByteArray("\x89PNG");
    QTest::newRow("pdf") << "board.PDF" << QByteArray("%PDF-");
    if (ui::ExportPictureKinds().contains("svg"))
      QTest::newRow("svg") << "board.svg" << QByteArray("<?xml");
  }

  void exportsEachKind() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    QCOMPARE(ui::ExportPicture(dir.filePath(name), SampleBoard()), std::nullopt);
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(start.size()) == start);
    QVERIFY(file.size() > 500);
  }

  void exportedPngIsThePrintedPicture_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("464 pixels") << 1;
    QTest::newRow("twice") << 2;
    QTest::newRow("four times") << 4;
  }

  // Larger pictures are drawn at their size: edges stay one scale wide and
  // sharp, the digit keeps its place.
  void exportedPngIsThePrintedPicture() {
    QFETCH(int, scale);
    QTemporaryDir dir;
    QVERIFY(!ui::ExportPicture(dir.filePath("board.png"), SampleBoard(), scale));
    const QImage image(dir.filePath("board.png"));
    QCOMPARE(image.size(), QSize(464, 464) * scale);
    const auto scaled = [scale](QRect r) {
      return QRect(r.topLeft() * scale, r.size() * scale).adjusted(scale, scale, -scale, -scale);
    };
    QVERIFY(CountColour(image, scaled(Cell(4, 4)), Qt::black) > 20 * scale * scale);
    QCOMPARE(CountColour(image, scaled(Cell(4, 5)), Qt::black), 0);
    QVERIFY(LongestBlur(image, true, 78 * scale, 0, 464 * scale - 1) == 0);
    for (int o : kOrigins) {
      QCOMPARE(image.pixelColor(o * scale + scale - 1, 78 * scale), kGrey);
      QCOMPARE(image.pixelColor((o + 1) * scale, 78 * scale), QColor(Qt::white));
    }
  }

  void pngScaleOtherThanOneTwoOrFourIsRefused() {
    QTemporaryDir dir;
    QVERIFY(ui::ExportPicture(dir.filePath("board.png"), SampleBoard(), 3));
    QVERIFY(QDir(dir.path()).isEmpty());
  }

  // Written where no file can go (these run as root, too, where permissions
  // do not stop a write), or with a name of no known kind.
  void failedExportLeavesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("folder missing") << "missing/board.png";
    QTest::newRow("parent is a file") << "plain/board.pdf";
    QTest::newRow("unknown kind") << "board.bmpx";
  }

  void failedExportLeavesNothing() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const auto failure = ui::ExportPicture(dir.filePath(name), SampleBoard());
    QVERIFY(failure && !failure->isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"plain"});
  }

  // --- the window's commands ---------------------------------------------------

  void commandsWaitForAPuzzle() {
    ScriptedWindow frm;
    frm.ShowWindow();
    QAction* exportItem = frm.findChild<QAction*>("ExportPicture");
    for (QAction* a : {frm.Action(Command::Print), frm.Action(Command::PrintButton), exportItem})
      QVERIFY(!a->isEnabled());
    // The speed button acts only while the menu item does.
    frm.Action(Command::PrintButton)->trigger();
    OpenPuzzle(frm);
    for (QAction* a : {frm.Action(Command::Print), frm.Action(Command::PrintButton), exportItem})
      QVERIFY(a->isEnabled());
    QVERIFY(frm.AllAnswered());
  }

  // The dialog's answer: print to this file (empty: cancel the dialog).
  void printCommandEndsEveryWay_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("error");
    QTest::newRow("printed") << "page.pdf" << true << false;
    QTest::newRow("cancelled") << "" << false << false;
    QTest::newRow("printer fails") << "missing/page.pdf" << false << true;
  }

  void printCommandEndsEveryWay() {
    QFETCH(QString, file);
    QFETCH(bool, printed);
    QFETCH(bool, error);
    QTemporaryDir dir;
    ScriptedWindow frm;
    frm.ShowWindow();
    OpenPuzzle(frm);
    const QString path = dir.filePath(file);
    frm.printAnswers.push_back([&](QPrintDialog& dialog) {
      if (file.isEmpty()) return;
      dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
      dialog.printer()->setOutputFileName(path);
      dialog.setResult(QDialog::Accepted);
    });
    if (error) frm.boxAnswers.push_back(core::MsgButton::Ok);
    frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTest::keyClick(&frm, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(frm.AllAnswered());
    QVERIFY(!frm.Printing());
    QCOMPARE(QFileInfo(path).isFile() && QFileInfo(path).size() > 2000, printed);
    if (!printed) QVERIFY(QDir(dir.path()).isEmpty());
    QCOMPARE(frm.boxes.size(), std::size_t(error));
    if (error) {
      QCOMPARE(frm.boxes[0].title, QString("Error"));
      QVERIFY(frm.boxes[0].text.contains("page.pdf"));
    }
  }

  void exportCommandWritesOrExplains() {
    QTemporaryDir dir;
    ScriptedWindow frm;
    frm.ShowWindow();
    OpenPuzzle(frm);
    QAction* exportItem = frm.findChild<QAction*>("ExportPicture");
    frm.fileAnswers.push_back(dir.filePath("board.png"));
    exportItem->trigger();
    QCOMPARE(QImage(dir.filePath("board.png")).size(), QSize(464, 464));
    QCOMPARE(frm.fileDialogs.back().defaultSuffix, QString("png"));
    // The larger PNG sizes are kinds of their own in the list.
    for (int side : {928, 1856})
      QVERIFY(frm.fileDialogs.back().filters.contains(
          QString("PNG picture, %1 \u00d7 %1 pixels (*.png)").arg(side)));
    // The next export starts in the folder of the last one.
    frm.fileAnswers.push_back(dir.filePath("missing/board.png"));
    frm.boxAnswers.push_back(core::MsgButton::Ok);
    exportItem->trigger();
    QCOMPARE(frm.fileDialogs.back().directory, QDir(dir.path()).absolutePath());
    QCOMPARE(frm.boxes.size(), std::size_t(1));
    QCOMPARE(frm.boxes[0].title, QString("Error"));
    QVERIFY(frm.boxes[0].text.contains("board.png"));
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    QVERIFY(frm.AllAnswered());
  }

  // Six easy puzzles to a page with their solutions: two pages; a choice
  // without a level stays in the dialog with the reason.
  void printPuzzlesCommandWritesTheSheets() {
    QTemporaryDir dir;
    ScriptedWindow frm;
    frm.ShowWindow();
    QAction* item = frm.findChild<QAction*>("PrintPuzzles");
    QVERIFY(item && item->isEnabled());
    const QString path = dir.filePath("sheets.pdf");
    frm.otherAnswers.push_back([&](QDialog& d) {
      auto& dialog = dynamic_cast<ui::PrintPuzzlesDialog&>(d);
      using ui::test::Named;
      Named<QSpinBox>(dialog, "Count")->setValue(6);
      auto* perPage = Named<QComboBox>(dialog, "PerPage");
      perPage->setCurrentIndex(perPage->findData(6));
      Named<QRadioButton>(dialog, "ChosenLevels")->setChecked(true);
      for (int level = 1; level <= 5; ++level)
        Named<QCheckBox>(dialog, QString("Level%1").arg(level).toUtf8().constData())
            ->setChecked(false);
      dialog.done(QDialog::Accepted);  // refused: no level
      if (dialog.result() == QDialog::Accepted) return int(QDialog::Rejected);
      Named<QCheckBox>(dialog, "Level1")->setChecked(true);
      Named<QCheckBox>(dialog, "Solutions")->setChecked(true);
      Named<QLineEdit>(dialog, "Seed")->setText("3");
      return int(QDialog::Accepted);
    });
    frm.boxAnswers.push_back(core::MsgButton::Ok);
    frm.printAnswers.push_back([&](QPrintDialog& dialog) {
      dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
      dialog.printer()->setOutputFileName(path);
      dialog.setResult(QDialog::Accepted);
    });
    item->trigger();
    QVERIFY(frm.AllAnswered());
    QCOMPARE(frm.boxes.size(), std::size_t(1));
    QCOMPARE(frm.boxes[0].title, QString("Information"));
    QCOMPARE(PdfPages(path), 2);
    QVERIFY(!frm.Printing());
  }

  void workedSolutionCommandWritesTheBooklet() {
    QTemporaryDir dir;
    ScriptedWindow frm;
    frm.ShowWindow();
    QAction* item = frm.findChild<QAction*>("ExportWorkedSolution");
    QVERIFY(item && !item->isEnabled());
    OpenPuzzle(frm);
    QVERIFY(item->isEnabled());
    frm.fileAnswers.push_back(dir.filePath("worked.pdf"));
    item->trigger();
    QVERIFY(frm.AllAnswered());
    QCOMPARE(frm.fileDialogs.back().defaultSuffix, QString("pdf"));
    QVERIFY(PdfPages(dir.filePath("worked.pdf")) >= 1);
    // The walk ran on a copy: the puzzle in play is as it was.
    QCOMPARE(core::CountDigits(frm.Game().Puzzle().board),
             81 - std::count(ui::test::kPuzzleLine, ui::test::kPuzzleLine + 81, '0'));
  }

 private:
  QTemporaryDir puzzles_;

  void OpenPuzzle(ScriptedWindow& frm) {
    frm.fileAnswers.push_back(
        ui::test::WriteFile(puzzles_, "puzzle.sdk", ui::test::SdkFile(ui::test::kPuzzleLine)));
    frm.Action(Command::OpenFile)->trigger();
  }
};

QTEST_MAIN(PrintingTest)
#include "Printing_test.moc"
