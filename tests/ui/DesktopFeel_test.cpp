// What a user of desktop programs expects of the main window beyond the
// game: its title, its dialogs' frames and places, a calm board while a
// puzzle is generated, the recent files, bars that cannot be lost, and keys
// that reach the board again once a dialog or tool window has gone.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "ui/HelpWindow.h"
#include "ui/ShortcutsDialog.h"

using namespace zentaro;
using app::Command;
using core::MsgButton;
using ui::test::ScriptedWindow;
using ui::test::ShownTitle;
using ui::test::StoredSettings;

class DesktopFeelTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static std::unique_ptr<ScriptedWindow> Start(StoredSettings stored = StoredSettings::Ignore) {
    return ui::test::StartWindow(stored);
  }

  QString PuzzleFile(const QString& name) {
    return ui::test::WriteFile(dir_, name, ui::test::SdkFile(ui::test::kPuzzleLine));
  }

  static void Open(ScriptedWindow& frm, const QString& path) {
    frm.fileAnswers.push_back(path);
    frm.Action(Command::OpenFile)->trigger();
  }

  static QStringList RecentItems(ScriptedWindow& frm) {
    QStringList texts;
    for (QAction* a : frm.findChild<QMenu*>("RecentMenu")->actions())
      if (a->objectName().startsWith("RecentItem")) texts << a->text();
    return texts;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    ui::test::KeepSettingsIn(dir_);
  }

  void TitleCarriesTheUnsavedMarkExactlyWhileSavingIsAsked() {
    auto frm = Start();
    Open(*frm, PuzzleFile("a.sdk"));
    QCOMPARE(ShownTitle(*frm), QString("Zentaro - a.sdk"));

    PuzzleOf(frm->Game()).selected = {1, 1};  // empty in the puzzle
    QTest::keyClick(frm->Board(), Qt::Key_4);
    QTRY_COMPARE(ShownTitle(*frm), QString("Zentaro - a.sdk*"));
    QVERIFY(frm->Game().HasUnsavedChanges());

    frm->Action(Command::SaveFile)->trigger();  // an .sdk file: saved in place
    QTRY_COMPARE(ShownTitle(*frm), QString("Zentaro - a.sdk"));
    QVERIFY(frm->AllAnswered());
  }

  void DialogsHaveNoMinMaxButtonsShowTheirTitleAndCentreOnTheWindow() {
    auto frm = Start();
    frm->showNormal();
    frm->setGeometry(120, 90, 900, 700);
    QPoint offCentre(999, 999);
    int titleRoom = -1;
    frm->levelAnswers.push_back([&](ui::LevelDialog& d) {
      d.show();  // placed as the platform places it
      QVERIFY(QTest::qWaitForWindowExposed(&d));
      offCentre = d.frameGeometry().center() - frm->frameGeometry().center();
      titleRoom = d.width() - ui::TitleBarWidth(d.windowTitle());
      ui::test::Named<QPushButton>(d, "CancelButton")->click();
    });
    frm->Action(Command::NewPuzzle)->trigger();
    QVERIFY2(offCentre.manhattanLength() <= 4, "level dialog off the window's centre");
    QVERIFY(titleRoom >= 0);

    QStringList listed;
    frm->otherAnswers.push_back([&listed](QDialog& d) {
      auto* table = ui::test::Named<QTableWidget>(d, "ShortcutTable");
      for (int r = 0; r < table->rowCount(); ++r) listed << table->item(r, 0)->text();
      return int{QDialog::Rejected};
    });
    frm->findChild<QAction*>("ShortcutsItem")->trigger();
    // Every key of every action is listed, so the list cannot go stale.
    for (const QAction* a : frm->findChildren<QAction*>())
      for (const QKeySequence& key : a->shortcuts())
        QVERIFY2(listed.contains(key.toString(QKeySequence::NativeText)),
                 qPrintable(a->objectName()));

    frm->boxAnswers.push_back(MsgButton::Ok);
    frm->ShowMessageBox("A message", core::MsgKind::Information, core::kButtonsOk);
    frm->settingsAnswers.push_back([](ui::SettingsDialog& d) { d.reject(); });
    frm->findChild<QAction*>("SettingsItem")->trigger();

    QCOMPARE(frm->dialogFrames.size(), std::size_t{4});
    for (const auto& [kind, flags] : frm->dialogFrames)
      QVERIFY2(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
               qPrintable(kind));
    QVERIFY(frm->AllAnswered());
  }

  void BoardAndLockedControlsStayStillWhileAPuzzleIsGenerated() {
    auto frm = Start();
    Open(*frm, PuzzleFile("before.sdk"));
    const QImage before = frm->Board()->grab().toImage();
    int breaths = 0, boardChanged = 0, controlsLive = 0;
    frm->whileGenerating = [&] {
      ++breaths;
      if (frm->Board()->grab().toImage() != before) ++boardChanged;
      const bool panelLooksLocked =
          frm->Tools()->Picture(ui::PanelSlot::HintPicture)->ShownPicture() ==
              ui::ToolPictureState::Disabled &&
          frm->Tools()->Picture(ui::PanelSlot::CandidatesPicture)->ShownPicture() ==
              ui::ToolPictureState::Disabled;
      if (!panelLooksLocked || frm->findChild<QToolBar*>("SpeedBar")->isEnabled()) ++controlsLive;
    };
    frm->levelAnswers.push_back(
        [](ui::LevelDialog& d) { ui::test::Named<QPushButton>(d, "OkButton")->click(); });
    frm->Action(Command::NewPuzzle)->trigger();
    frm->whileGenerating = nullptr;

    QVERIFY(breaths > 0);
    QCOMPARE(boardChanged, 0);
    QCOMPARE(controlsLive, 0);
    QVERIFY(frm->Board()->grab().toImage() != before);  // the new puzzle shows
    QVERIFY(frm->Tools()->Picture(ui::PanelSlot::HintPicture)->ShownPicture() !=
            ui::ToolPictureState::Disabled);
    FileOf(frm->Game()).stored = true;
    PuzzleOf(frm->Game()).saved = PuzzleOf(frm->Game()).board;
  }

  void RecentFilesKeepEightNewestFirstAcrossARestartAndDropMissingOnes() {
    QStringList paths;
    {
      auto frm = Start();
      for (int i = 0; i < 10; ++i) {
        paths << PuzzleFile(QString("r%1.sdk").arg(i));
        Open(*frm, paths.back());
      }
      QCOMPARE(RecentItems(*frm).size(), 8);
      QCOMPARE(RecentItems(*frm).first(), QString("&1 r9.sdk"));
      QCOMPARE(RecentItems(*frm).last(), QString("&8 r2.sdk"));
      QVERIFY(frm->close());
    }
    auto frm = Start(StoredSettings::Read);
    QCOMPARE(RecentItems(*frm).size(), 8);
    QCOMPARE(frm->Settings().recentFiles.front(), paths[9].toStdString());

    QFile::remove(paths[9]);
    frm->boxAnswers.push_back(MsgButton::Ok);
    frm->findChild<QAction*>("RecentItem1")->trigger();
    QCOMPARE(frm->boxes.back().title, QString("Error"));
    QVERIFY(frm->boxes.back().text.endsWith(paths[9]));
    QCOMPARE(RecentItems(*frm).size(), 7);
    QCOMPARE(RecentItems(*frm).first(), QString("&1 r8.sdk"));

    frm->findChild<QAction*>("RecentItem3")->trigger();  // r6, through the open path
    QCOMPARE(ShownTitle(*frm), QString("Zentaro - r6.sdk"));
    QCOMPARE(RecentItems(*frm).first(), QString("&1 r6.sdk"));

    frm->findChild<QAction*>("ClearRecentItem")->trigger();
    QVERIFY(RecentItems(*frm).isEmpty());
    QVERIFY(!frm->findChild<QMenu*>("RecentMenu")->menuAction()->isEnabled());
    QVERIFY(frm->AllAnswered());
  }

  void KeysReachTheSelectedCellAgainOnceAToolWindowOrDialogCloses() {
    auto frm = Start();
    Open(*frm, PuzzleFile("keys.sdk"));
    constexpr core::CellRef kA1{1, 1};  // empty; its solution is 4
    const auto onTop = [](QWidget& w) {
      w.show();
      w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w));
    };
    // As a window system without a window manager does, the focus leaves the
    // program's windows once the window that had it goes.
    QWidget elsewhere;
    elsewhere.show();
    const auto gone = [&elsewhere] {
      elsewhere.activateWindow();
      QCoreApplication::processEvents();
    };
    const auto escape = [onTop, gone](QDialog& d) {
      onTop(d);
      QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
      gone();
    };
    const auto press = [onTop, gone](const char* button) {
      return [onTop, gone, button](ui::HintWindow& h) {
        onTop(h);
        ui::test::Named<QPushButton>(h, button)->click();
        gone();
      };
    };
    hints::HintStage stage;
    stage.lines = {"A stage."};
    stage.buttonCaption = core::Text::DoItButton;
    const auto hint = [&stage](ScriptedWindow& w, std::function<void(ui::HintWindow&)> close) {
      w.hintAnswers.push_back(std::move(close));
      w.PlaceHintWindow();
      w.ShowHintStage(stage);
    };
    const struct {
      const char* how;
      std::function<void(ScriptedWindow&)> openAndClose;
    } rows[] = {
        {"hint, Close", [&](ScriptedWindow& w) { hint(w, press("CloseButton")); }},
        {"hint, Do it", [&](ScriptedWindow& w) { hint(w, press("ActionButton")); }},
        {"hint, Escape", [&](ScriptedWindow& w) { hint(w, escape); }},
        {"help, Escape",
         [&](ScriptedWindow& w) {
           w.ShowHelpTopic(0);
           auto* help = w.findChild<ui::HelpWindow*>();
           QVERIFY(QTest::qWaitForWindowActive(help));
           QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_Escape);
           gone();
         }},
        {"level dialog, Escape",
         [&](ScriptedWindow& w) {
           w.levelAnswers.push_back(escape);
           w.AskLevels({});
         }},
        {"settings, Escape",
         [&](ScriptedWindow& w) {
           w.settingsAnswers.push_back(escape);
           w.OpenSettings();
         }},
        {"progress window",
         [&](ScriptedWindow& w) {
           app::WaitWindow shown;
           shown.visible = true;
           w.ShowWaitWindow(shown);
           auto* wait = w.findChild<ui::WaitDialog*>();
           wait->activateWindow();
           QVERIFY(QTest::qWaitForWindowActive(wait));
           w.CloseWaitWindow();
           gone();
         }},
    };
    for (const auto& row : rows) {
      PuzzleOf(frm->Game()).selected = kA1;
      frm->activateWindow();
      frm->Board()->setFocus();
      QTRY_VERIFY(frm->Board()->hasFocus());
      row.openAndClose(*frm);
      QTRY_VERIFY2(frm->Board()->hasFocus(), row.how);
      QVERIFY2(frm->Game().Puzzle().selected == kA1, row.how);
      // Typed as a user types: to whichever widget has the focus.
      QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_4);
      QVERIFY2(frm->Game().Puzzle().board.at(kA1)[core::kDigit] == 4, row.how);
      QTest::keyClick(frm->Board(), Qt::Key_Delete);
    }
    QVERIFY(frm->AllAnswered());
    FileOf(frm->Game()).stored = true;
    PuzzleOf(frm->Game()).saved = PuzzleOf(frm->Game()).board;
  }

  void NoRightClickOffersToHideABar() {
    auto frm = Start();
    auto* tools = frm->findChild<QToolBar*>("SpeedBar");
    for (QWidget* w : {static_cast<QWidget*>(frm->menuBar()), static_cast<QWidget*>(tools),
                       static_cast<QWidget*>(frm.get())}) {
      QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(w, &click);
      QVERIFY2(!QApplication::activePopupWidget(), qPrintable(w->objectName()));
    }
    QVERIFY(tools->isVisible());
    QVERIFY(!tools->toggleViewAction()->text().isEmpty());
  }
};

QTEST_MAIN(DesktopFeelTest)
#include "DesktopFeel_test.moc"
