// The window on a screen of device pixel ratio 2: everything is drawn at
// the screen's own resolution, not enlarged from a picture of half the size,
// and the layout keeps its sizes in device-independent pixels.

#include <QApplication>
#include <QTest>

#include "UiTestSupport.h"
#include "app/GameAccess.h"

using namespace zentaro;
using ui::test::ScriptedWindow;

namespace {

// A picture enlarged from half its resolution is made of uniform 2 × 2
// blocks; a drawing at full resolution has blocks that mix colours at every
// slanted or rounded edge.
int MixedBlocks(const QImage& image, QRect area) {
  int mixed = 0;
  for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
    for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
          image.pixel(x + 1, y + 1) != c)
        ++mixed;
    }
  return mixed;
}

}  // namespace

class HighDensityTest : public QObject {
  Q_OBJECT

 private slots:
  void BoardAndPanelAreDrawnAtFullResolution() {
    QTemporaryDir dir;
    ui::test::KeepSettingsIn(dir);
    ScriptedWindow frm;
    // Of its own size, so that the cells are the grid size's: maximised on
    // the small test screen they would shrink to fit.
    frm.Settings().maximized = false;
    frm.Settings().left = frm.Settings().top = 0;
    frm.Settings().width = 900;
    frm.Settings().height = 760;
    frm.ShowWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QCOMPARE(frm.devicePixelRatio(), 2.0);
    frm.fileAnswers.push_back(
        ui::test::WriteFile(dir, "hd.sdk", ui::test::SdkFile(ui::test::kPuzzleLine)));
    frm.Action(app::Command::OpenFile)->trigger();

    const int cell = frm.Board()->CellRect({1, 1}).width();
    QVERIFY2(cell == 42 || cell == 50 || cell == 64, "cells keep their sizes in logical pixels");

    const QImage board = frm.Board()->grab().toImage();
    QCOMPARE(board.size(), frm.Board()->size() * 2);
    // The clue 3 in A3, in the picture's own pixels.
    const QRect clue = frm.Board()->CellRect({3, 1});
    const QRect inPixels(clue.topLeft() * 2, clue.size() * 2);
    QVERIFY(MixedBlocks(board, inPixels.adjusted(8, 8, -8, -8)) > 10);

    const QImage hint = frm.Tools()->Picture(ui::PanelSlot::HintPicture)->grab().toImage();
    QCOMPARE(hint.size(), frm.Tools()->Picture(ui::PanelSlot::HintPicture)->size() * 2);
    QVERIFY(MixedBlocks(hint, hint.rect()) > 10);
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  HighDensityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HighDensity_test.moc"
