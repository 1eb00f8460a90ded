// Playing in the window: the mistake check, pause and the minimised clock,
// the keys for clearing and marking, the selection that stays, the cursor
// under dialogs, and where the help and the level dialog open.

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "core/StringTable.h"
#include "ui/HelpWindow.h"

using namespace zentaro;
using app::Command;
using core::kDigit;
using ui::test::ScriptedWindow;

namespace {

// A1 of the test puzzle is empty; its solution is 4, and 5 breaks no rule there.
constexpr core::CellRef kA1{1, 1};
constexpr int kWrongForA1 = 5;

int CursorShape() {
  const QCursor* c = QApplication::overrideCursor();
  return c ? c->shape() : -1;
}

// How many pixels of the colour the cell's square holds.
int PixelsOf(ScriptedWindow& frm, core::CellRef cell, const QColor& colour) {
  const QImage image = frm.Board()->grab().toImage();
  const QRect r = frm.Board()->CellRect(cell);
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

}  // namespace

class PlayComfortTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  std::unique_ptr<ScriptedWindow> Playing(const QString& line = ui::test::kPuzzleLine) {
    auto frm = ui::test::StartWindow();
    frm->fileAnswers.push_back(ui::test::WriteFile(dir_, "puzzle.sdk", ui::test::SdkFile(line)));
    frm->Action(Command::OpenFile)->trigger();
    return frm;
  }

  // Leaves the window free to close without the save question.
  static void Forget(ScriptedWindow& frm) {
    FileOf(frm.Game()).stored = true;
    PuzzleOf(frm.Game()).saved = PuzzleOf(frm.Game()).board;
  }

  static void SelectA1(ScriptedWindow& frm) {
    QTest::keyClick(frm.Board(), Qt::Key_Down);  // no selection yet: A1
    QCOMPARE(frm.Game().Puzzle().selected, kA1);
  }

 private slots:
  void initTestCase() { ui::test::KeepSettingsIn(dir_); }

  void TheMistakeCheckMarksAWrongDigitInItsOwnColour() {
    auto frm = Playing();
    QVERIFY(frm->Action(Command::CheckMistakes)->isEnabled());
    QCOMPARE(frm->Action(Command::CheckMistakes)->shortcut(), QKeySequence("Ctrl+K"));
    QVERIFY(frm->findChild<QWidget*>("CheckMistakesButton"));
    SelectA1(*frm);
    QTest::keyClick(frm->Board(), Qt::Key(Qt::Key_0 + kWrongForA1));
    QTest::keyClick(frm->Board(), Qt::Key_Right);  // the selection colour off A1
    const QColor mistake = frm->Board()->Renderer().Colors().MistakeColor;
    QCOMPARE(PixelsOf(*frm, kA1, mistake), 0);
    frm->boxAnswers.push_back(core::MsgButton::No);  // not back to the last right step
    frm->Action(Command::CheckMistakes)->trigger();
    QVERIFY(PixelsOf(*frm, kA1, mistake) > 100);
    QVERIFY(mistake != frm->Board()->Renderer().Colors().ConflictColor);
    // The next change takes the marks away.
    QTest::keyClick(frm->Board(), Qt::Key_Left);
    QTest::keyClick(frm->Board(), Qt::Key_Delete);
    QTest::keyClick(frm->Board(), Qt::Key_Right);
    QCOMPARE(PixelsOf(*frm, kA1, mistake), 0);
    QVERIFY(frm->AllAnswered());
    Forget(*frm);
  }

  void AMissingMarkShowsAtItsPlaceInTheMistakeColour() {
    auto frm = Playing();
    SelectA1(*frm);
    QTest::keyClick(frm->Board(), Qt::Key(Qt::Key_0 + kWrongForA1), Qt::AltModifier);
    QTest::keyClick(frm->Board(), Qt::Key_Right);
    frm->boxAnswers.push_back(core::MsgButton::No);
    frm->Action(Command::CheckMistakes)->trigger();
    QVERIFY(PixelsOf(*frm, kA1, frm->Board()->Renderer().Colors().MistakeColor) > 20);
    Forget(*frm);
  }

  void DeleteAndBackspaceClearTheSelectedCell() {
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
      auto frm = Playing();
      SelectA1(*frm);
      QTest::keyClick(frm->Board(), Qt::Key_4);
      QCOMPARE(frm->Game().Puzzle().board.at(kA1)[kDigit], 4);
      QTest::keyClick(frm->Board(), key);
      QCOMPARE(frm->Game().Puzzle().board.at(kA1)[kDigit], 0);
      Forget(*frm);
    }
  }

  void AltDigitTogglesAMarkAsOneStep() {
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::KeypadModifier}) {
      auto frm = Playing();
      SelectA1(*frm);
      QTest::keyClick(frm->Board(), Qt::Key_5, mods);
      QVERIFY(frm->Game().Puzzle().board.at(kA1).HasCandidate(5));
      QCOMPARE(frm->Game().Puzzle().board.at(kA1)[kDigit], 0);  // no digit placed
      frm->Action(Command::Undo)->trigger();
      QVERIFY(!frm->Game().Puzzle().board.at(kA1).HasCandidate(5));
      frm->Action(Command::Redo)->trigger();
      QTest::keyClick(frm->Board(), Qt::Key_5, mods);
      QVERIFY(!frm->Game().Puzzle().board.at(kA1).HasCandidate(5));
      Forget(*frm);
    }
  }

  void ADigitTypedInACellPopupChoosesIt() {
    auto frm = Playing();
    SelectA1(*frm);
    frm->OpenDigitPopup(kA1, false);
    QTest::keyClick(frm->DigitPopup(), Qt::Key_4);
    QVERIFY(!frm->DigitPopup()->isVisible());
    QCOMPARE(frm->Game().Puzzle().board.at(kA1)[kDigit], 4);
    QTest::keyClick(frm->Board(), Qt::Key_Delete);
    frm->OpenMarksPopup(kA1, {});
    QTest::keyClick(frm->MarksPopup(), Qt::Key_7);
    QVERIFY(frm->Game().Puzzle().board.at(kA1).HasCandidate(7));
    Forget(*frm);
  }

  // Both pop-ups of a cell hold "Why not here?", which asks about that cell
  // in the hint window and leaves the board as it was when closed.
  void WhyNotHereStandsInTheCellPopupsAndAsksAboutTheCell() {
    auto frm = Playing();
    SelectA1(*frm);
    QAction* whyNot = frm->Action(Command::WhyNotHere);
    QVERIFY(whyNot->isEnabled());
    QVERIFY(frm->DigitPopup()->actions().contains(whyNot));
    QVERIFY(frm->MarksPopup()->actions().contains(whyNot));
    const core::Board before = frm->Game().Puzzle().board;
    QString shown;
    frm->hintAnswers.push_back([&shown](ui::HintWindow& h) {
      shown = h.BoxText();
      h.reject();
    });
    whyNot->trigger();
    QVERIFY2(shown.startsWith("Why not here?  The cell A1"), qPrintable(shown));
    QCOMPARE(frm->Game().Puzzle().board, before);
    Forget(*frm);
  }

  void TheSelectionSurvivesFillInUndoRedoAndHighlight() {
    auto frm = Playing();
    SelectA1(*frm);
    QTest::keyClick(frm->Board(), Qt::Key_Right);
    QTest::keyClick(frm->Board(), Qt::Key_Right);
    QTest::keyClick(frm->Board(), Qt::Key_Right);  // D1
    const core::CellRef d1{4, 1};
    QCOMPARE(frm->Game().Puzzle().selected, d1);
    for (const char* item : {"FillCandidates", "UndoItem", "RedoItem", "RemoveCandidates",
                             "HighlightItem3", "HighlightItem3"}) {
      frm->findChild<QAction*>(item)->trigger();
      QVERIFY2(frm->Game().Puzzle().selected == d1, item);
    }
    QTest::keyClick(frm->Board(), Qt::Key_Down);
    QCOMPARE(frm->Game().Puzzle().selected, (core::CellRef{4, 2}));
    Forget(*frm);
  }

  void PauseHidesTheBoardAndHoldsTheClock() {
    auto frm = Playing();
    const QColor ink = frm->Board()->Renderer().Colors().DigitColor;
    const core::CellRef clue{3, 1};
    QVERIFY(frm->ClockTicking());
    QVERIFY(PixelsOf(*frm, clue, ink) > 0);
    frm->Action(Command::Pause)->trigger();
    QVERIFY(frm->Game().Paused());
    QVERIFY(!frm->ClockTicking());
    QCOMPARE(PixelsOf(*frm, clue, ink), 0);
    // Any key brings it back, and only that.
    QTest::keyClick(frm->Board(), Qt::Key_4);
    QVERIFY(!frm->Game().Paused());
    QVERIFY(frm->ClockTicking());
    QVERIFY(PixelsOf(*frm, clue, ink) > 0);
    // A command ends the pause before it acts.
    frm->Action(Command::Pause)->trigger();
    frm->Action(Command::FillCandidates)->trigger();
    QVERIFY(!frm->Game().Paused());
    QVERIFY(frm->Game().Puzzle().board.at(kA1).Candidates() != 0);
    Forget(*frm);
  }

  void AMinimisedWindowHoldsTheClock() {
    auto frm = Playing();
    QVERIFY(frm->ClockTicking());
    frm->setWindowState(Qt::WindowMinimized);
    QVERIFY(!frm->ClockTicking());
    frm->setWindowState(Qt::WindowNoState);
    QVERIFY(frm->ClockTicking());
    Forget(*frm);
  }

  void TheLevelStandsInTheStatusBarOnceRated() {
    auto frm = Playing();
    frm->boxAnswers.push_back(core::MsgButton::Ok);  // the rating's answer
    frm->Action(Command::Rate)->trigger();
    const int level = frm->Game().CountsForReport().level;
    QVERIFY(level >= 1 && level <= 5);
    QCOMPARE(frm->StatusPanel(0)->text().toStdString(), rating::LevelName(level));
    Forget(*frm);
  }

  void ADialogOverABusyCursorShowsTheArrow() {
    auto frm = ui::test::StartWindow();
    frm->SetBusyCursor(true);
    QCOMPARE(CursorShape(), int(Qt::WaitCursor));
    int underBox = -1;
    frm->otherAnswers.push_back([&underBox](QDialog&) {
      underBox = CursorShape();
      return int(QDialog::Rejected);
    });
    frm->ShowAbout();
    QCOMPARE(underBox, int(Qt::ArrowCursor));
    QCOMPARE(CursorShape(), int(Qt::WaitCursor));  // the search goes on busy
    frm->SetBusyCursor(false);
    QCOMPARE(CursorShape(), -1);
  }

  void TheLastDoItLeavesNoEmptyCellAndShowsTheArrow() {
    auto frm = Playing(ui::test::SolutionWithHoles({{1, 1}}));
    std::vector<int> shapes;
    for (int i = 0; i < 4; ++i)
      frm->hintAnswers.push_back([&shapes](ui::HintWindow& h) {
        shapes.push_back(CursorShape());
        h.accept();
      });
    frm->reportAnswers.push_back(false);
    frm->Action(Command::Hint)->trigger();
    QCOMPARE(frm->Game().Puzzle().board.at(kA1)[kDigit], 4);
    QVERIFY(!shapes.empty());
    for (int shape : shapes) QCOMPARE(shape, int(Qt::ArrowCursor));
    QCOMPARE(CursorShape(), -1);
    QVERIFY2(frm->StatusPanel(1)->text().endsWith(" 0"), qPrintable(frm->StatusPanel(1)->text()));
    QCOMPARE(frm->reports.size(), std::size_t(1));
    frm->hintAnswers.clear();
    Forget(*frm);
  }

  void TheSolvedReportCountsTheChecks() {
    auto frm = Playing(ui::test::SolutionWithHoles({{1, 1}}));
    frm->boxAnswers.push_back(core::MsgButton::Ok);  // no mistake
    frm->Action(Command::CheckMistakes)->trigger();
    frm->reportAnswers.push_back(false);
    SelectA1(*frm);
    QTest::keyClick(frm->Board(), Qt::Key_4);
    QCOMPARE(frm->reports.size(), std::size_t(1));
    QVERIFY2(frm->reports[0].captions.last().endsWith(" 1"),
             qPrintable(frm->reports[0].captions.join('|')));
    QVERIFY(frm->AllAnswered());
    Forget(*frm);
  }

  void StartEditingNewAsksToSaveFirstAndCancelKeepsTheGame() {
    auto frm = Playing();
    SelectA1(*frm);
    QTest::keyClick(frm->Board(), Qt::Key_4);
    const core::Board before = frm->Game().Puzzle().board;
    frm->otherAnswers.push_back([](QDialog& d) {
      QTimer::singleShot(0, &d, [&d] {
        QTest::mouseClick(d.findChild<QPushButton*>("NoButton"), Qt::LeftButton);  // "New"
      });
      return d.exec();
    });
    frm->boxAnswers.push_back(core::MsgButton::Cancel);  // the save question
    frm->Action(Command::EditMode)->trigger();
    QVERIFY(frm->AllAnswered());
    QCOMPARE(frm->boxes.size(), std::size_t(1));
    QVERIFY(!frm->Game().Puzzle().editMode);
    QVERIFY(core::BoardsEqual(frm->Game().Puzzle().board, before));
    Forget(*frm);
  }

  void TheLevelDialogStandsCentredOnTheWindow() {
    auto frm = ui::test::StartWindow();
    QPoint centre;
    frm->levelAnswers.push_back([&centre](ui::LevelDialog& d) {
      centre = d.frameGeometry().center();
      d.reject();
    });
    frm->Action(Command::NewPuzzle)->trigger();
    QVERIFY(frm->AllAnswered());
    QVERIFY((centre - frm->frameGeometry().center()).manhattanLength() <= 2);
  }

  void TheHelpFrameStaysOnTheScreenWhenMaximised() {
    auto frm = ui::test::StartWindow();
    frm->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    frm->ShowHelp();
    auto* help = frm->findChild<ui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    const QRect screen = frm->screen()->availableGeometry();
    QVERIFY2(screen.contains(help->frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(help->frameGeometry().x())
                            .arg(help->frameGeometry().y())
                            .arg(help->frameGeometry().width())
                            .arg(help->frameGeometry().height())));
    help->close();
  }
};

QTEST_MAIN(PlayComfortTest)
#include "PlayComfort_test.moc"
