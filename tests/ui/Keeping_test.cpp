// The window's side of what outlives a run: the kept game on disk after a
// step, offered first at the next start; the atomic write; the collection
// list and its next puzzle.

#include <QSaveFile>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "ui/CollectionDialog.h"
#include "ui/DataFiles.h"
#include "ui/StatisticsDialog.h"

namespace zentaro {
using app::PuzzleOf;
using ui::test::ScriptedWindow;

class KeepingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    ui::test::KeepSettingsIn(dir_);
  }

  void GameKeptAfterAStepIsOfferedBeforeTheLevelDialog() {
    const QString path =
        ui::test::WriteFile(dir_, "one.txt", QByteArray(ui::test::kPuzzleLine) + "\n");
    const QString kept = ui::DataFilePath(dir_.path(), app::DataFile::KeptGame);
    core::Board played;
    {
      ScriptedWindow frm;
      frm.SetDataFolder(dir_.path());
      frm.ShowWindow(path);
      QTRY_VERIFY(PuzzleOf(frm.Game()).active);
      QVERIFY(!QFile::exists(kept));  // opened and untouched: nothing to keep
      PuzzleOf(frm.Game()).selected = {1, 1};
      frm.Game().PlaceDigit(4);
      PuzzleOf(frm.Game()).selected = {2, 1};
      frm.Game().ToggleMark(8);
      QTRY_VERIFY(QFile::exists(kept));
      played = PuzzleOf(frm.Game()).board;
      QVERIFY(frm.AllAnswered());
      // Gone without closing, as a killed program would be.
    }

    ScriptedWindow next(ui::test::StoredSettings::Ignore);
    next.Settings().loadOnStartup = true;
    next.SetDataFolder(dir_.path());
    next.boxAnswers.push_back(core::MsgButton::Yes);
    next.ShowWindow();
    QTRY_VERIFY(PuzzleOf(next.Game()).active);
    QCOMPARE(next.dialogFrames.size(), std::size_t{1});
    QCOMPARE(next.dialogFrames[0].first, QString("zentaro::ui::MessageBox"));
    QVERIFY(PuzzleOf(next.Game()).board == played);
    QVERIFY(next.AllAnswered());
  }

  void WriteCutShortLeavesTheLastGoodCopy() {
    const QString path = ui::DataFilePath(dir_.path(), app::DataFile::Statistics);
    QVERIFY(ui::WriteDataFile(path, "good\n"));
    {
      QSaveFile cut(path);
      QVERIFY(cut.open(QIODevice::WriteOnly));
      cut.write("half a rec");
      // Never committed: the program died here.
    }
    QCOMPARE(ui::ReadDataFile(path).value_or(""), std::string("good\n"));
    QVERIFY(ui::WriteDataFile(path, "better\n"));
    QCOMPARE(ui::ReadDataFile(path).value_or(""), std::string("better\n"));
  }

  void CollectionListStartsTheChosenPuzzleAndNextTheFollowing() {
    ScriptedWindow frm;
    frm.ShowWindow();
    QTRY_VERIFY(frm.isVisible());
    int rows = 0;
    frm.otherAnswers.push_back([&rows](QDialog& d) {
      auto& list = dynamic_cast<ui::CollectionDialog&>(d);
      rows = ui::test::Named<QTableView>(list, "CollectionTable")->model()->rowCount();
      list.Choose(36);
      return int(QDialog::Accepted);
    });
    const QString path = ZENTARO_TEST_DATA_DIR "/norvig_top95.txt";
    QVERIFY(frm.Game().OpenPuzzleFile(path.toStdString()));
    QCOMPARE(rows, 95);
    QCOMPARE(frm.Game().Collection().current, std::size_t{36});
    QAction* next = frm.Action(app::Command::NextInCollection);
    QVERIFY(next->isEnabled());
    next->trigger();
    QCOMPARE(frm.Game().Collection().current, std::size_t{37});
    QVERIFY(frm.AllAnswered());
  }

  void StatisticsShowEveryLevelFromTheFileBesideTheKeptGame() {
    ScriptedWindow frm;
    frm.ShowWindow();
    QTRY_VERIFY(frm.isVisible());
    QVERIFY(ui::WriteDataFile(ui::DataFilePath(frm.dataDir_.path(), app::DataFile::Statistics),
                              "2026-12-10 3 600 0 0 0\n2026-12-10 3 900 1 0 0\n"));
    QStringList medium;
    frm.otherAnswers.push_back([&medium](QDialog& d) {
      auto& stats = dynamic_cast<ui::StatisticsDialog&>(d);
      const auto* table = ui::test::Named<QTableWidget>(stats, "StatisticsTable");
      for (int c = 0; c < table->columnCount(); ++c) medium << table->item(2, c)->text();
      return int(QDialog::Rejected);
    });
    frm.findChild<QAction*>("StatisticsItem")->trigger();
    QCOMPARE(medium, (QStringList{"Medium (level 3)", "2", "00:10:00", "00:12:30", "1"}));
    QVERIFY(frm.AllAnswered());
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace zentaro

QTEST_MAIN(zentaro::KeepingTest)
#include "Keeping_test.moc"
