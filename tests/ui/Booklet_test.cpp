// Paper from the command line, run as a script would run the program: the
// board picture, sheets of generated puzzles and the worked solution, each
// read back from the PDF it wrote, and the mistakes that stop them.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "TestData.h"
#include "app/PuzzleSheets.h"
#include "rating/Rating.h"

namespace {

struct Ran {
  int status = -1;
  QString out, err;
};

Ran Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished(120000);
  Ran ran;
  ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  ran.out = QString::fromUtf8(process.readAllStandardOutput());
  ran.err = QString::fromUtf8(process.readAllStandardError());
  return ran;
}

Ran Zentaro(const QStringList& args) {
  return Run(ZENTARO_PROGRAM, args);
}

int PageCount(const QString& pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  auto it =
      QRegularExpression("/Type\\s*/Page\\b(?!s)").globalMatch(QString::fromLatin1(file.readAll()));
  int n = 0;
  for (; it.hasNext(); it.next()) ++n;
  return n;
}

// The PDF's text in the order it was drawn (so that a board's digits do not
// mix with the text beside it), or nothing without pdftotext.
QString PdfText(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable("pdftotext");
  if (tool.isEmpty()) return {};
  // Pages are parted by form feeds, which would hide a line's start.
  return Run(tool, {"-raw", pdf, "-"}).out.replace('\f', '\n');
}

QString Squeezed(QString text) {
  return text.replace(QRegularExpression("\\s+"), " ").trimmed();
}

}  // namespace

class BookletTest : public QObject {
  Q_OBJECT

 private slots:
  void helpListsThePaperCommands() {
    const Ran ran = Zentaro({"--help"});
    QCOMPARE(ran.status, 0);
    for (const char* option :
         {"--export-picture", "--print-puzzles", "--worked-solution", "--scale", "--count",
          "--per-page", "--levels", "--solutions", "--seed"})
      QVERIFY2(ran.out.contains(option), option);
  }

  void exportsAPictureWithoutADisplay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png") << "board.png" << QStringList{} << QByteArray("\x89PNG");
    QTest::newRow("png at 4") << "board.png" << QStringList{"--scale", "4"}
                              << QByteArray("\x89PNG");
    QTest::newRow("pdf") << "board.pdf" << QStringList{} << QByteArray("%PDF-");
  }

  void exportsAPictureWithoutADisplay() {
    QFETCH(QString, name);
    QFETCH(QStringList, extra);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    const QString out = dir.filePath(name);
    const Ran ran = Zentaro(QStringList{"--export-picture", PuzzleFile(dir), out} + extra);
    QCOMPARE(ran.status, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(start.size()) == start);
    if (name.endsWith(".png"))
      QCOMPARE(QImage(out).width(), 464 * (extra.isEmpty() ? 1 : extra.last().toInt()));
  }

  // Each mistake a script can make: a message naming it and the status
  // zentaro-cli gives the same kind of mistake; no file is left behind.
  void mistakesAreReportedWithTheirStatus_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("unreadable puzzle")
        << QStringList{"--export-picture", "@missing.txt", "@out.png"} << 1 << "missing.txt";
    QTest::newRow("no puzzle in file")
        << QStringList{"--worked-solution", "@junk.txt", "@out.pdf"} << 1 << "junk.txt";
    QTest::newRow("unwritable picture")
        << QStringList{"--export-picture", "@puzzle.txt", "@gone/out.png"} << 3 << "out.png";
    QTest::newRow("unwritable booklet")
        << QStringList{"--worked-solution", "@puzzle.txt", "@gone/out.pdf"} << 3 << "out.pdf";
    QTest::newRow("scale of a pdf")
        << QStringList{"--export-picture", "@puzzle.txt", "@out.pdf", "--scale", "2"} << 2
        << "--scale";
    QTest::newRow("scale 3") << QStringList{"--export-picture", "@puzzle.txt", "@out.png",
                                            "--scale", "3"}
                             << 2 << "--scale";
    QTest::newRow("no output named")
        << QStringList{"--worked-solution", "@puzzle.txt"} << 2 << "OUT";
    QTest::newRow("too many puzzles")
        << QStringList{"--print-puzzles", "@out.pdf", "--count",  "61",
                       "--per-page",      "4",        "--levels", "1"}
        << 2 << "--count";
    QTest::newRow("three per page") << QStringList{"--print-puzzles", "@out.pdf", "--count",  "6",
                                                   "--per-page",      "3",        "--levels", "1"}
                                    << 2 << "--per-page";
    QTest::newRow("level 6") << QStringList{"--print-puzzles", "@out.pdf", "--count",  "6",
                                            "--per-page",      "2",        "--levels", "1,6"}
                             << 2 << "--levels";
    QTest::newRow("levels missing")
        << QStringList{"--print-puzzles", "@out.pdf", "--count", "6", "--per-page", "2"} << 2
        << "--levels";
    QTest::newRow("unwritable sheets") << QStringList{"--print-puzzles", "@gone/out.pdf",
                                                      "--count",         "1",
                                                      "--per-page",      "1",
                                                      "--levels",        "1"}
                                       << 3 << "out.pdf";
  }

  void mistakesAreReportedWithTheirStatus() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir dir;
    PuzzleFile(dir);
    QFile junk(dir.filePath("junk.txt"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("no puzzle here\n");
    junk.close();
    for (QString& a : args)
      if (a.startsWith('@')) a = dir.filePath(a.mid(1));
    const Ran ran = Zentaro(args);
    QCOMPARE(ran.status, status);
    QVERIFY2(ran.err.contains("zentaro: ") && ran.err.contains(says), qPrintable(ran.err));
    QVERIFY(!QFile::exists(dir.filePath("out.png")) && !QFile::exists(dir.filePath("out.pdf")));
  }

  // 12 puzzles at 4 to a page: three pages of puzzles, three of solutions,
  // each puzzle numbered and given the level the generator made it at (the
  // same batch as the program's generator gives for the seed).
  void sheetsOfPuzzlesWithTheirSolutions() {
    QTemporaryDir dir;
    const QString out = dir.filePath("sheets.pdf");
    const Ran ran = Zentaro({"--print-puzzles", out, "--count", "12", "--per-page", "4", "--levels",
                             "1,2", "--solutions", "--seed", "7"});
    QCOMPARE(ran.status, 0);
    QCOMPARE(PageCount(out), 6);
    const QString text = PdfText(out);
    if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    zentaro::core::Random random(7);
    zentaro::app::LevelChoice choice;
    choice.anyLevel = false;
    choice.levels = {true, true, false, false, false};
    zentaro::app::SheetProgress quiet;
    const auto puzzles = zentaro::app::GenerateSheetPuzzles(choice, 12, random, quiet);
    QVERIFY(puzzles.has_value());
    for (int i = 0; i < 12; ++i) {
      const QString caption =
          QString("Puzzle %1 \u2014 %2")
              .arg(i + 1)
              .arg(QString::fromStdString(zentaro::rating::LevelName((*puzzles)[i].level)));
      QVERIFY2(text.contains(caption), qPrintable(caption));
      QVERIFY(text.contains(QString("Solution of puzzle %1").arg(i + 1)));
    }
    QCOMPARE(text.count("Zentaro \u2014 "), 6);
  }

  // The booklet of a published hard puzzle holds one entry per line of
  // `zentaro-cli hint --walk`, in its order, and its first step reads as the
  // concrete stage of the first hint.
  void workedSolutionFollowsTheHintWalk_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("top1465 #5, solved by hints") << 4;
    QTest::newRow("top1465 #1") << 0;
  }

  void workedSolutionFollowsTheHintWalk() {
    QFETCH(int, index);
    QTemporaryDir dir;
    const std::string line =
        zentaro::testdata::Lines("puzzles3_magictour_top1465.txt", index + 1).at(index);
    const QString puzzle = dir.filePath("puzzle.txt");
    QFile file(puzzle);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(line + "\n"));
    file.close();

    const Ran walk = Run(ZENTARO_CLI, {"hint", "--walk", puzzle});
    QCOMPARE(walk.status, 0);
    QStringList walkLines = walk.out.split('\n', Qt::SkipEmptyParts);
    const QString end = walkLines.takeLast();

    const QString out = dir.filePath("worked.pdf");
    QCOMPARE(Zentaro({"--worked-solution", puzzle, out}).status, 0);
    const QString text = PdfText(out);
    if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QStringList headings;
    auto it = QRegularExpression("^Step (\\d+): (.+)$", QRegularExpression::MultilineOption)
                  .globalMatch(text);
    while (it.hasNext()) headings << it.next().captured(2).trimmed();
    QCOMPARE(headings.size(), walkLines.size());
    for (int i = 0; i < headings.size(); ++i)
      QCOMPARE(headings[i], walkLines[i].section('\t', 0, 0));
    QCOMPARE(text.contains("Where the hints stop"), end.startsWith("stuck"));
    QCOMPARE(text.contains("Solved"), end.startsWith("solved"));

    // The first hint's concrete stage as zentaro-cli shows it, up to the
    // lists that follow the text.
    const Ran hint = Run(ZENTARO_CLI, {"hint", puzzle});
    const QString shown = hint.out.section("Concrete hint:\n", 1);
    QStringList concrete;
    for (const QString& l : shown.split('\n')) {
      if (!l.startsWith("  ") && !l.isEmpty()) break;
      if (l.startsWith("  Highlighted cells: ") || l.startsWith("  Selected cell: ") ||
          l.startsWith("  Marks to "))
        break;
      concrete << l;
    }
    QVERIFY(!concrete.isEmpty());
    const QString firstStep = text.section(QRegularExpression("Step 1: [^\n]*\n"), 1)
                                  .section(QRegularExpression("Step 2: "), 0, 0);
    QVERIFY2(Squeezed(firstStep).contains(Squeezed(concrete.join(' '))), qPrintable(firstStep));
  }

 private:
  QString PuzzleFile(QTemporaryDir& dir) {
    const QString path = dir.filePath("puzzle.txt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
      file.write(QByteArray::fromStdString(
          zentaro::testdata::Lines("puzzles3_magictour_top1465.txt", 1).at(0) + "\n"));
    return path;
  }
};

QTEST_GUILESS_MAIN(BookletTest)
#include "Booklet_test.moc"
