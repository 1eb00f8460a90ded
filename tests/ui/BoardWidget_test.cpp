// The board's geometry, its hit test and what it paints, read back from the
// pixels of the widget.

#include "ui/BoardWidget.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include "hints/Highlights.h"
#include "ui/ToolPanel.h"

using namespace zentaro;
using ui::BoardGeometry;
using ui::GridSize;

class BoardWidgetTest : public QObject {
  Q_OBJECT

 private:
  core::Board board_{};
  core::DigitGrid clues_{};
  ui::BoardState state_{};

  // A widget showing board_ with clues_; D4 holds the clue 5, D5 the entry 5,
  // D6 the entry 7, E1 the marks 1, 5 and 9.
  std::unique_ptr<ui::BoardWidget> MakeBoard() {
    board_ = {};
    clues_ = {};
    board_.at(4, 4)[core::kDigit] = 5;
    clues_[core::GridIndex(4, 4)] = 5;
    board_.at(5, 4)[core::kDigit] = 5;
    board_.at(6, 4)[core::kDigit] = 7;
    for (int d : {1, 5, 9}) board_.at(1, 5)[d] = 1;
    board_.at(1, 5)[core::kCount] = 3;
    state_ = {&board_, &clues_, 0, 0, 0, false};
    auto w = std::make_unique<ui::BoardWidget>();
    w->SetStateSource([this] { return state_; });
    w->SetGridSize(GridSize::Medium);
    w->resize(600, 600);
    return w;
  }

  // A pixel of the cell's background, clear of its outline and its text.
  static QColor Background(const QImage& image, const ui::BoardWidget& w, int col, int row) {
    const QRect r = w.CellRect({col, row});
    return image.pixelColor(r.left() + 3, r.top() + 3);
  }

  // The pixel just inside the opaque box of pencil mark k.
  static QColor MarkBox(const QImage& image, const ui::BoardWidget& w, int col, int row, int k) {
    const BoardGeometry& g = w.Geometry();
    const int x = g.ColX(col - 1), y = g.RowY(row - 1), s = g.CellSize();
    const int lead = 5 - g.MarkFontHeight();
    const int xs[3] = {x + 5, (2 * x + s - 7) / 2, x + s - 12};
    const int ys[3] = {y + 2, (2 * y + s + 2 - lead) / 2, y + s - lead};
    return image.pixelColor(xs[(k - 1) % 3], ys[(k - 1) / 3]);
  }

 private slots:
  void DefaultGridSizeFollowsTheScreen_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::newRow("1024x768 medium") << 1024 << 768 << 2;
    QTest::newRow("1600x1200 large") << 1600 << 1200 << 3;
    QTest::newRow("800x480 small") << 800 << 480 << 1;
    QTest::newRow("1280x500 small") << 1280 << 500 << 1;
    QTest::newRow("1200x900 medium") << 1200 << 900 << 2;
  }
  void DefaultGridSizeFollowsTheScreen() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, size);
    QCOMPARE(static_cast<int>(ui::DefaultGridSize(width, height)), size);
  }

  void GridSizesGiveTheirBoardAndFontSizes_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("markPixels");
    QTest::newRow("small") << 1 << 42 << 390 << 10;
    QTest::newRow("medium") << 2 << 50 << 462 << 11;
    QTest::newRow("large") << 3 << 64 << 588 << 13;
  }
  void GridSizesGiveTheirBoardAndFontSizes() {
    QFETCH(int, size);
    QFETCH(int, cell);
    QFETCH(int, board);
    QFETCH(int, markPixels);
    ui::BoardRenderer r;
    r.SetGridSize(static_cast<GridSize>(size));
    QCOMPARE(r.Geometry().CellSize(), cell);
    QCOMPARE(r.Geometry().BoardSize(), board);
    // The last cell ends where the three-pixel frame begins.
    QCOMPARE(r.Geometry().ColX(8) + cell, r.Geometry().BoardLeft() + board - 3);
    QCOMPARE(r.Geometry().RowY(3) - r.Geometry().RowY(2), cell + 3);
    QCOMPARE(r.MarkFont().pixelSize(), markPixels);
    QCOMPARE(r.DigitFont().pixelSize(), 32);
    QVERIFY(r.DigitFont().bold());
  }

  // Points near the block separators: the separator belongs to the cell
  // before it; one pixel into the next cell belongs to that cell.
  void CellAtPointKeepsSeparatorsWithTheCellBefore_data() {
    QTest::addColumn<int>("size");
    for (int size = 1; size <= 3; ++size) {
      QTest::addRow("size %d", size) << size;
    }
  }
  void CellAtPointKeepsSeparatorsWithTheCellBefore() {
    QFETCH(int, size);
    BoardGeometry g;
    g.SetGridSize(static_cast<GridSize>(size));
    const int mid = g.RowY(0) + 5;  // a row clearly inside row A
    for (int first : {3, 6}) {
      const int edge = g.ColX(first - 1);  // left edge of the column
      QCOMPARE(g.CellAtPoint({edge + 1, mid}), (core::CellRef{first, 1}));
      for (int onSeparator = g.ColX(first - 1) + g.CellSize(); onSeparator < g.ColX(first);
           ++onSeparator)
        QCOMPARE(g.CellAtPoint({onSeparator, mid}), (core::CellRef{first, 1}));
      QCOMPARE(g.CellAtPoint({g.ColX(first) + 1, mid}), (core::CellRef{first + 1, 1}));
      // The same across the rows C/D and F/G.
      const int x = g.ColX(0) + 5;
      QCOMPARE(g.CellAtPoint({x, g.RowY(first - 1) + 1}), (core::CellRef{1, first}));
      QCOMPARE(g.CellAtPoint({x, g.RowY(first) - 1}), (core::CellRef{1, first}));
      QCOMPARE(g.CellAtPoint({x, g.RowY(first) + 1}), (core::CellRef{1, first + 1}));
    }
    QCOMPARE(g.CellAtPoint({g.ColX(8) + g.CellSize() - 1, g.RowY(8) + g.CellSize() - 1}),
             (core::CellRef{9, 9}));
  }

  void CellAtPointIsOutsideOnAndBeyondTheOuterEdges() {
    BoardGeometry g;
    const core::CellRef none{-1, -1};
    QCOMPARE(g.CellAtPoint({g.ColX(0), g.RowY(0) + 5}), none);
    QCOMPARE(g.CellAtPoint({g.ColX(0) + 5, g.RowY(0)}), none);
    QCOMPARE(g.CellAtPoint({g.ColX(8) + g.CellSize(), g.RowY(0) + 5}), none);
    QCOMPARE(g.CellAtPoint({g.ColX(0) + 5, g.RowY(8) + g.CellSize()}), none);
    QCOMPARE(g.CellAtPoint({g.BoardLeft() - 20, g.BoardTop() - 20}), none);
  }

  void ResizingRecentresTheBoard() {
    auto w = MakeBoard();
    w->show();
    w->resize(800, 700);
    const int size = w->Geometry().BoardSize();
    QCOMPARE(w->Geometry().BoardLeft(), (800 - size) / 2);
    QCOMPARE(w->Geometry().BoardTop(), (700 - size) / 2);
    QCOMPARE(w->Geometry().ColX(0), (800 - size) / 2 + 3);
  }

  void CluesEntriesAndSelectionShowTheirColours() {
    auto w = MakeBoard();
    const ui::BoardColors& c = w->Renderer().Colors();
    state_.selected.col = 6;
    state_.selected.row = 4;
    const QImage image = w->grab().toImage();
    QCOMPARE(Background(image, *w, 4, 4), c.ClueCellColor);
    QCOMPARE(Background(image, *w, 5, 4), c.CellColor);
    QCOMPARE(Background(image, *w, 6, 4), c.SelectedColor);
    QCOMPARE(Background(image, *w, 9, 9), QColor(255, 255, 237));
    QCOMPARE(c.SelectedColor, QColor(164, 235, 212));
    // The digits themselves are black on every background.
    const QRect digit = w->CellRect({5, 4});
    bool black = false;
    for (int x = digit.left(); x < digit.right(); ++x)
      black = black || image.pixelColor(x, digit.center().y()) == QColor(Qt::black);
    QVERIFY(black);
    // Outline, block separator and the window around the board.
    const QRect d4 = w->CellRect({4, 4});
    QCOMPARE(image.pixelColor(d4.left(), d4.top() + 10), c.GridColor);
    QCOMPARE(image.pixelColor(d4.left() - 2, d4.top() + 10), c.GridColor);
    QCOMPARE(image.pixelColor(2, 2), QColor(0, 80, 100));
  }

  void HighlightedDigitFillsItsCellsAndMarks() {
    auto w = MakeBoard();
    const ui::BoardColors& c = w->Renderer().Colors();
    state_.highlightDigit = 5;
    state_.selected.col = 5;
    state_.selected.row = 4;
    const QImage image = w->grab().toImage();
    // A clue and an entry holding the digit take the highlight colour...
    QCOMPARE(Background(image, *w, 4, 4), QColor(128, 255, 255));
    // ...unless selected, which wins inside the square too.
    QCOMPARE(Background(image, *w, 5, 4), c.SelectedColor);
    QCOMPARE(Background(image, *w, 6, 4), c.CellColor);
    // The mark 5 stands on the highlight colour, the marks 1 and 9 do not.
    QCOMPARE(MarkBox(image, *w, 1, 5, 5), c.HiColor);
    QCOMPARE(MarkBox(image, *w, 1, 5, 1), c.CellColor);
    QCOMPARE(MarkBox(image, *w, 1, 5, 9), c.CellColor);
  }

  void ConflictPaintsOnlyTheSelectedCellRed() {
    auto w = MakeBoard();
    state_.selected.col = 5;
    state_.selected.row = 4;
    state_.selectedInConflict = true;
    QImage image = w->grab().toImage();
    QCOMPARE(Background(image, *w, 5, 4), QColor(255, 0, 0));
    QCOMPARE(Background(image, *w, 4, 4), w->Renderer().Colors().ClueCellColor);
    // Once the selection moves on the red is gone.
    state_.selected.col = 9;
    image = w->grab().toImage();
    QCOMPARE(Background(image, *w, 5, 4), w->Renderer().Colors().CellColor);
  }

  void HintLayerHighlightsCellsAndMarks() {
    auto w = MakeBoard();
    const ui::BoardColors& c = w->Renderer().Colors();
    hints::Highlights layer;
    hints::HighlightCell(layer, 9, 9, true);
    const hints::DigitFlags keep = hints::FlagsOfDigit(1);
    const hints::DigitFlags drop = hints::FlagsOfDigit(9);
    hints::DigitFlags both = keep;
    both[9] = 1;
    hints::HighlightCell(layer, 1, 5, true, false, &drop, &both);
    hints::HighlightCell(layer, 2, 2, false, true);
    w->SetHighlights(layer, true);
    QImage image = w->grab().toImage();
    QCOMPARE(Background(image, *w, 9, 9), QColor(166, 202, 240));
    QCOMPARE(Background(image, *w, 2, 2), c.SelectedColor);
    QCOMPARE(MarkBox(image, *w, 1, 5, 1), QColor(34, 255, 255));   // kept, in a hint cell
    QCOMPARE(MarkBox(image, *w, 1, 5, 9), QColor(255, 136, 136));  // eliminated
    QCOMPARE(MarkBox(image, *w, 1, 5, 5), c.HintCellColor);        // ordinary mark
    // Switched off, the layer paints nothing.
    w->SetHighlights(layer, false);
    image = w->grab().toImage();
    QCOMPARE(Background(image, *w, 9, 9), c.CellColor);
  }

  // At twice the pixel density the lines stay whole device pixels of the
  // grid colour, with nothing blended.
  void HighDensityKeepsLinesSharp() {
    auto w = MakeBoard();
    const ui::BoardRenderer& r = w->Renderer();
    QImage image(w->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) r.DrawCell(p, state_, {col + 1, row + 1}, {});
      r.DrawGridLines(p);
    }
    const QRect cell = w->CellRect({2, 2});
    const int y = 2 * (cell.top() + 10);
    QCOMPARE(image.pixelColor(2 * cell.left(), y), r.Colors().GridColor);
    QCOMPARE(image.pixelColor(2 * cell.left() + 1, y), r.Colors().GridColor);
    QCOMPARE(image.pixelColor(2 * cell.left() + 2, y), r.Colors().CellColor);
    QCOMPARE(image.pixelColor(2 * cell.left() - 1, y), r.Colors().GridColor);
  }

  void CellsOutsideTheBoardDrawNothing() {
    auto w = MakeBoard();
    QImage image(w->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      for (int bad : {-1, -2, 9}) {
        w->Renderer().DrawCell(p, state_, {bad + 1, 1}, {});
        w->Renderer().DrawCell(p, state_, {1, bad + 1}, {});
      }
    }
    QImage blank(w->size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(image, blank);
  }

  void ToolPicturesHaveThreeDistinctForms() {
    for (const char* base : {"NEW", "HINT", "CANDIDATES", "NO-CAND"}) {
      const QImage norm = ui::ToolPicture(QString(base) + "-NORM");
      const QImage hot = ui::ToolPicture(QString(base) + "-HI");
      const QImage dis = ui::ToolPicture(QString(base) + "-DIS", 2.0);
      QCOMPARE(norm.size(), QSize(190, 50));
      QCOMPARE(dis.size(), QSize(380, 100));
      QVERIFY(norm != hot);
      QVERIFY(norm != dis.scaled(190, 50));
      // The picture file is drawn, not only the caption: its frame and its
      // icon (left of the caption) are opaque.
      for (const QImage& picture : {norm, hot, dis.scaled(190, 50)}) {
        QCOMPARE(qAlpha(picture.pixel(95, 1)), 255);
        QCOMPARE(qAlpha(picture.pixel(25, 25)), 255);
      }
    }
    QVERIFY(ui::ToolPicture("NEW-OTHER").isNull());
    QVERIFY(ui::ToolPicture("HELP-NORM").isNull());
  }

  void PictureButtonActsOnlyWhileItsCommandIsEnabled() {
    ui::ToolImageButton button(ui::ToolButtonKind::Hint);
    int clicks = 0;
    connect(&button, &ui::ToolImageButton::clicked, [&] { ++clicks; });
    button.SetCommandEnabled(false);
    QCOMPARE(button.ShownPicture(), ui::ToolPictureState::Disabled);
    button.SetHot(true);
    QVERIFY(!button.Hot());
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 0);
    button.SetCommandEnabled(true);
    QCOMPARE(button.ShownPicture(), ui::ToolPictureState::Normal);
    button.SetHot(true);
    QCOMPARE(button.ShownPicture(), ui::ToolPictureState::Hot);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.ShownPicture(), ui::ToolPictureState::Disabled);  // the pressed picture
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QCOMPARE(button.Caption(), QString("Hint"));
  }
};

QTEST_MAIN(BoardWidgetTest)
#include "BoardWidget_test.moc"
