// The board and the tool panel in windows of every size: the cells grow and
// shrink with the window, stay equal, and the pair stays centred.

#include <QTest>

#include "UiTestSupport.h"
#include "ui/BoardLayout.h"

using namespace zentaro;
using ui::test::ScriptedWindow;

class BoardLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void CellsFitWindowsOfEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("least");  // the cell the window has room for at least
    QTest::newRow("800 x 600") << QSize(800, 600) << 30;
    QTest::newRow("1366 x 768") << QSize(1366, 768) << 64;
    QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 110;
  }
  void CellsFitWindowsOfEverySize() {
    QFETCH(QSize, size);
    QFETCH(int, least);
    QTemporaryDir dir;
    ui::test::KeepSettingsIn(dir);
    ScriptedWindow frm;
    // Opened at its own size with large cells, then resized by the user.
    app::Settings& s = frm.Settings();
    s.gridSize = 3;
    s.maximized = false;
    s.left = s.top = 0;
    s.width = 900;
    s.height = 760;
    frm.ShowWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.fileAnswers.push_back(
        ui::test::WriteFile(dir, "p.sdk", ui::test::SdkFile(ui::test::kPuzzleLine)));
    frm.Action(app::Command::OpenFile)->trigger();
    frm.resize(size);
    QTRY_COMPARE(frm.size(), size);

    const ui::BoardWidget& board = *frm.Board();
    const int cell = board.CellRect({1, 1}).width();
    QVERIFY2(cell >= least && cell <= 120, qPrintable(QString::number(cell)));
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        const QRect rect = board.CellRect({c, r});
        QCOMPARE(rect.size(), QSize(cell, cell));
        QCOMPARE(board.CellAtPoint(rect.center()), (core::CellRef{c, r}));
      }
    const QRect grid(board.mapTo(&frm, board.Geometry().BoardRect().topLeft()),
                     board.Geometry().BoardRect().size());
    const QRect panel(frm.Tools()->mapTo(&frm, QPoint(0, 0)), frm.Tools()->size());
    const QRect client(frm.centralWidget()->mapTo(&frm, QPoint(0, 0)),
                       frm.centralWidget()->size());
    // Nothing of the board, its coordinates included, reaches the panel, and
    // the panel's buttons and clock stay inside it.
    const QRect withLabels = grid.adjusted(-board.Geometry().LabelRoomLeft(),
                                           -board.Geometry().LabelRoomTop(), 0, 0);
    QVERIFY(client.contains(withLabels));
    QVERIFY(withLabels.right() < panel.left());
    QVERIFY(client.contains(panel));
    for (const QWidget* w : frm.Tools()->findChildren<QWidget*>())
      if (w->isVisible() && w->parentWidget() == frm.Tools())
        QVERIFY2(frm.Tools()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    // Centred: as much room above the board as below it, and beside the pair
    // of board and panel as between them.
    QVERIFY(qAbs((grid.top() - client.top()) - (client.bottom() - grid.bottom())) <= 1);
    const int gap = panel.left() - grid.right() - 1;
    QVERIFY(qAbs((grid.left() - client.left()) - gap - (client.right() - panel.right())) <= 1);
    // On a 1366 x 768 screen with a task bar and a title bar the window fits.
    QVERIFY(frm.minimumHeight() <= 768 - 48 - 32);
  }
};

QTEST_MAIN(BoardLayoutTest)
#include "BoardLayout_test.moc"
