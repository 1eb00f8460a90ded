// The settings as the user meets them: what a first start gives and a close
// keeps, the settings dialog's OK, Cancel and "Restore default", the start-up
// level dialog, and settings files that cannot be read or written.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <memory>
#include <random>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "ui/HelpWindow.h"
#include "ui/SettingsStore.h"
#include "ui/UiText.h"

using namespace zentaro;
using ui::test::ScriptedWindow;
using ui::test::StoredSettings;

class SettingsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static QString SettingsFile() { return ui::QSettingsStore().FileName(); }

  static std::unique_ptr<ScriptedWindow> Start(StoredSettings stored = StoredSettings::Ignore) {
    return ui::test::StartWindow(stored);
  }

  static void Store(const QString& key, const QVariant& value) {
    QSettings s("LomerinSoftware", "Sudoku");
    s.setValue(key, value);
  }

  static QColor BoardPixel(ScriptedWindow& frm, QPoint p) {
    return frm.Board()->grab().toImage().pixelColor(p);
  }

  // The level dialog left with Cancel, noting whether the window was on
  // screen when it came up.
  static std::function<void(ui::LevelDialog&)> CancelLevels(ScriptedWindow& frm, bool* shown,
                                                            app::LevelChoice* seen = nullptr) {
    return [&frm, shown, seen](ui::LevelDialog& d) {
      *shown = frm.isVisible();
      if (seen) *seen = d.Choice();
      ui::test::Named<QPushButton>(d, "CancelButton")->click();
    };
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    ui::test::KeepSettingsIn(dir_);
    QVERIFY(SettingsFile().startsWith(dir_.path()));
  }

  void init() {
    QFile::setPermissions(SettingsFile(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(SettingsFile());
    QDir(SettingsFile()).removeRecursively();
  }

  void FirstStartGivesTheDefaultsAndCloseStoresEveryValue() {
    auto frm = std::make_unique<ScriptedWindow>(StoredSettings::Read);
    bool shownFirst = false;
    frm->levelAnswers.push_back(CancelLevels(*frm, &shownFirst));
    frm->ShowWindow();
    // The level dialog waits for the window to be on screen.
    QVERIFY(!frm->levelAnswers.empty());
    QTRY_VERIFY(frm->levelAnswers.empty());
    QVERIFY(shownFirst);
    QVERIFY(frm->windowState() & Qt::WindowMaximized);

    app::Settings expected;
    expected.gridSize = frm->Settings().gridSize;
    QCOMPARE(frm->Settings(), expected);
    QVERIFY(expected.gridSize >= 1 && expected.gridSize <= 3);
    QVERIFY(frm->close());
    QVERIFY(frm->AllAnswered());

    QSettings s("LomerinSoftware", "Sudoku");
    for (const char* key : {"GenerateAnyLevel", "GenerateLevel1", "GenerateLevel2",
                            "GenerateLevel3", "GenerateLevel4", "GenerateLevel5", "LoadOnStartup",
                            "InfoOnStartup", "SkipSolved", "RemovePencilMarks"})
      QCOMPARE(s.value(QString("Settings/SETTINGS/") + key).toString(), QString("1"));
    for (auto [key, value] : {std::pair{"MarkColor", 8421504},
                              {"HiColor", 16777088},
                              {"CoordinatesColor", 13483520},
                              {"BackgroundColor", 6574080},
                              {"GridSize", expected.gridSize}}) {
      bool ok = false;
      QCOMPARE(s.value(QString("Settings/SETTINGS/") + key).toString().toInt(&ok), value);
      QVERIFY(ok);
    }
    QVERIFY(s.contains("Settings/STRINGS/InitialDir"));
    QCOMPARE(s.value("Settings/WINDOW/Maximized").toString(), QString("1"));
    QVERIFY(!s.contains("Settings/WINDOW/Left"));  // a maximised window keeps no bounds
  }

  void GridSizeStoredAsTextIsReadAndRewrittenAsText() {
    Store("Settings/SETTINGS/GridSize", QString("3"));
    Store("Settings/SETTINGS/LoadOnStartup", QString("0"));
    // A window of its own size opens with the grid size's cells; a maximised
    // one would fit them to the screen.
    Store("Settings/WINDOW/Maximized", QString("0"));
    for (const char* key : {"Left", "Top"}) Store(QString("Settings/WINDOW/") + key, 20);
    Store("Settings/WINDOW/Width", 1000);
    Store("Settings/WINDOW/Height", 900);
    auto frm = Start(StoredSettings::Read);
    QCOMPARE(frm->Settings().gridSize, 3);
    QCOMPARE(frm->Board()->Geometry().CellSize(), 64);
    QVERIFY(frm->close());
    QVERIFY(frm->AllAnswered());  // no level dialog
    const QVariant v = QSettings("LomerinSoftware", "Sudoku").value("Settings/SETTINGS/GridSize");
    QCOMPARE(v.typeId(), int(QMetaType::QString));
    QCOMPARE(v.toString(), QString("3"));
  }

  void CancelKeepsEverythingAfterColourChangesAndRestoreDefault() {
    auto frm = Start();
    frm->Settings().markColor = app::RgbValue(10, 20, 30);
    const app::Settings before = frm->Settings();
    const QColor backgroundBefore = BoardPixel(*frm, {2, 2});
    frm->colourAnswers = {QColor(Qt::red), QColor(Qt::green)};
    QColor restoredMarks;
    frm->settingsAnswers.push_back([&](ui::SettingsDialog& d) {
      ui::test::Named<QPushButton>(d, "MarksPanel")->click();
      ui::test::Named<QPushButton>(d, "BackgroundPanel")->click();
      QCOMPARE(ui::ToQColor(d.Chosen().markColor), QColor(Qt::red));
      ui::test::Named<QPushButton>(d, "RestoreDefaultButton")->click();
      restoredMarks = ui::ToQColor(d.Chosen().markColor);
      ui::test::Named<QRadioButton>(d, "LargeRadio")->click();
      ui::test::Named<QPushButton>(d, "HelpButton")->click();
      ui::test::Named<QPushButton>(d, "CancelButton")->click();
    });
    frm->findChild<QAction*>("SettingsItem")->trigger();
    QVERIFY(frm->AllAnswered());
    // Each colour dialog opened at its panel's colour.
    QCOMPARE(frm->colourPresets, (std::vector<QColor>{QColor(10, 20, 30), QColor(0, 80, 100)}));
    QCOMPARE(restoredMarks, QColor(128, 128, 128));
    QCOMPARE(frm->Settings(), before);
    QCOMPARE(BoardPixel(*frm, {2, 2}), backgroundBefore);
    // Help opened at the settings page.
    auto* help = frm->findChild<ui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->findChild<QTextBrowser*>()->source().fragment(), QString("context-1100"));
  }

  void OkWithANewGridSizeLaysTheBoardOutAgain_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("cell");
    QTest::newRow("small") << "SmallRadio" << 1 << 42;
    QTest::newRow("medium") << "MediumRadio" << 2 << 50;
    QTest::newRow("large") << "LargeRadio" << 3 << 64;
  }
  void OkWithANewGridSizeLaysTheBoardOutAgain() {
    QFETCH(QString, radio);
    QFETCH(int, size);
    QFETCH(int, cell);
    auto frm = std::make_unique<ScriptedWindow>();
    // A window of its own size, on a board of another size than the one chosen.
    app::Settings& s = frm->Settings();
    s.gridSize = size == 2 ? 3 : 2;
    s.maximized = false;
    s.left = 20, s.top = 20, s.width = 1000, s.height = 900;
    frm->ShowWindow();
    QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    const int boardBefore = frm->Board()->Geometry().BoardSize();
    const int widthBefore = frm->width();
    frm->settingsAnswers.push_back([&](ui::SettingsDialog& d) {
      d.findChild<QRadioButton*>(radio)->click();
      ui::test::Named<QPushButton>(d, "OkButton")->click();
    });
    frm->findChild<QToolButton*>("SettingsButton")->click();
    QVERIFY(frm->AllAnswered());
    QCOMPARE(frm->Settings().gridSize, size);
    const ui::BoardGeometry& g = frm->Board()->Geometry();
    QCOMPARE(g.CellSize(), cell);
    QCOMPARE(frm->width() - widthBefore, g.BoardSize() - boardBefore);
    QVERIFY(frm->minimumWidth() > g.BoardSize());
    QTRY_VERIFY(frm->Board()->height() >= g.BoardSize());
    // The cells sit centred in the board widget at their new size.
    QVERIFY(qAbs(frm->Board()->width() - 2 * g.BoardLeft() - g.BoardSize()) <= 1);
    QVERIFY(!QFile::exists(SettingsFile()));  // written only at close
  }

  void ChosenColoursShowOnTheBoard() {
    auto frm = Start();
    const QColor marks(200, 0, 0), highlight(0, 0, 250), background(20, 120, 20),
        coordinates(250, 250, 0);
    frm->colourAnswers = {marks, highlight, background, coordinates};
    frm->settingsAnswers.push_back([](ui::SettingsDialog& d) {
      for (QPushButton* panel : {ui::test::Named<QPushButton>(d, "MarksPanel"),
                                 ui::test::Named<QPushButton>(d, "HighlightPanel"),
                                 ui::test::Named<QPushButton>(d, "BackgroundPanel"),
                                 ui::test::Named<QPushButton>(d, "CoordinatesPanel")})
        panel->click();
      ui::test::Named<QPushButton>(d, "OkButton")->click();
    });
    frm->findChild<QAction*>("SettingsItem")->trigger();
    QVERIFY(frm->AllAnswered());
    QCOMPARE(frm->Settings().markColor, app::RgbValue(200, 0, 0));

    // A puzzle with its candidates filled in and the digit 3 highlighted.
    frm->fileAnswers.push_back(
        ui::test::WriteFile(dir_, "p.sdk", ui::test::SdkFile(ui::test::kPuzzleLine)));
    frm->Action(app::Command::OpenFile)->trigger();
    frm->Game().FillCandidates();
    frm->Game().HighlightButtonClick(3, true);
    const QImage image = frm->Board()->grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), background);
    const QRect clue = frm->Board()->CellRect({3, 1});  // the clue 3
    QCOMPARE(image.pixelColor(clue.left() + 3, clue.top() + 3), highlight);
    auto holds = [&image](QRect area, QColor colour) {
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          if (image.pixelColor(x, y) == colour) return true;
      return false;
    };
    QVERIFY(holds(frm->Board()->CellRect({1, 1}), marks));
    const ui::BoardGeometry& g = frm->Board()->Geometry();
    QVERIFY(holds(QRect(0, g.BoardTop(), g.BoardLeft(), g.BoardSize()), coordinates));
    QCOMPARE(frm->Tools()->findChild<QLabel*>("ClockLabel")->palette().color(QPalette::WindowText),
             coordinates);
  }

  void LevelChoicesComeBackAfterARestart() {
    Store("Settings/SETTINGS/LoadOnStartup", QString("1"));
    app::LevelChoice chosen;
    chosen.anyLevel = false;
    chosen.levels = {true, false, false, false, false};
    {
      auto frm = std::make_unique<ScriptedWindow>(StoredSettings::Read);
      frm->levelAnswers.push_back([](ui::LevelDialog& d) {
        ui::test::Named<QRadioButton>(d, "ChosenLevels")->click();
        for (int i = 1; i < 5; ++i)
          ui::test::Named<QCheckBox>(d, qPrintable(QString("Level%1").arg(i + 1)))
              ->setChecked(false);
        ui::test::Named<QPushButton>(d, "OkButton")->click();
      });
      frm->ShowWindow();
      QTRY_VERIFY(frm->levelAnswers.empty());
      QTRY_VERIFY(app::PuzzleOf(frm->Game()).active);
      frm->boxAnswers.push_back(core::MsgButton::No);  // do not save the new puzzle
      QVERIFY(frm->close());
      frm->boxAnswers.clear();
      QVERIFY(frm->unexpected.isEmpty());
    }
    auto frm = std::make_unique<ScriptedWindow>(StoredSettings::Read);
    bool shown = false;
    app::LevelChoice seen;
    frm->levelAnswers.push_back(CancelLevels(*frm, &shown, &seen));
    frm->ShowWindow();
    QTRY_VERIFY(frm->levelAnswers.empty());
    QCOMPARE(seen, chosen);
    QCOMPARE(frm->Game().Prefs().levels, chosen);
  }

  void WindowComesBackAtItsBounds() {
    auto frm = Start();
    frm->showNormal();
    frm->setGeometry(30, 40, 900, 760);
    QTRY_COMPARE(frm->geometry(), QRect(30, 40, 900, 760));
    QVERIFY(frm->close());
    const app::Settings s = ui::LoadSettings();
    QVERIFY(!s.maximized);
    QCOMPARE(QRect(s.left, s.top, s.width, s.height), QRect(30, 40, 900, 760));
    frm = Start(StoredSettings::Read);
    QVERIFY(!(frm->windowState() & Qt::WindowMaximized));
    QCOMPARE(frm->geometry(), QRect(30, 40, 900, 760));
  }

  void UnreadableSettingsFilesGiveTheDefaults_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("folder");
    QTest::newRow("garbage") << false << false;
    QTest::newRow("read-only garbage") << true << false;
    QTest::newRow("a folder in its place") << false << true;
  }
  void UnreadableSettingsFilesGiveTheDefaults() {
    QFETCH(bool, readOnly);
    QFETCH(bool, folder);
    QByteArray garbage;
    std::mt19937 random(12);
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>(random()));
    if (folder) {
      QVERIFY(QDir().mkpath(SettingsFile()));
    } else {
      QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
      QFile file(SettingsFile());
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(garbage);
      file.close();
      if (readOnly) QVERIFY(QFile::setPermissions(SettingsFile(), QFile::ReadOwner));
    }
    auto frm = std::make_unique<ScriptedWindow>(StoredSettings::Read);
    bool shown = false;
    frm->levelAnswers.push_back(CancelLevels(*frm, &shown));
    frm->ShowWindow();
    QTRY_VERIFY(frm->levelAnswers.empty());
    app::Settings expected;
    expected.gridSize = frm->Settings().gridSize;
    QCOMPARE(frm->Settings(), expected);
    QVERIFY(frm->close());
    QVERIFY(frm->AllAnswered());
    if (folder) QVERIFY(QFileInfo(SettingsFile()).isDir());
    // A damaged file that can be written holds good settings again.
    if (!folder && !readOnly) QCOMPARE(ui::LoadSettings(), expected);
  }
};

QTEST_MAIN(SettingsTest)
#include "Settings_test.moc"
