// The main window as a user meets it: its captions, its commands' states,
// a game played with keyboard and mouse, files opened and saved, and the
// questions and messages of its commands.

#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "core/StringTable.h"

using namespace zentaro;
using app::Command;
using core::MsgButton;
using core::Text;
using ui::test::ScriptedWindow;

class SudokuWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static std::unique_ptr<ScriptedWindow> Start() { return ui::test::StartWindow(); }

  static void Open(ScriptedWindow& frm, const QString& path) {
    frm.fileAnswers.push_back(path);
    frm.Action(Command::OpenFile)->trigger();
  }

  static QAction* Item(ScriptedWindow& frm, const QString& name) {
    return frm.findChild<QAction*>(name);
  }

  static void Click(ScriptedWindow& frm, int col, int row, Qt::MouseButton button) {
    QTest::mouseClick(frm.Board(), button, {}, frm.Board()->CellRect({col, row}).center());
  }

  static void Key(ScriptedWindow& frm, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(frm.Board(), key, mods);
  }

  // Picks a digit from the popup the last left click opened.
  static void ChooseDigit(ScriptedWindow& frm, int digit) {
    QVERIFY(frm.DigitPopup()->isVisible());
    Item(frm, QString("DigitItem%1").arg(digit))->trigger();
    frm.DigitPopup()->hide();
  }

  static void ToggleMark(ScriptedWindow& frm, int digit) {
    QVERIFY(frm.MarksPopup()->isVisible());
    Item(frm, QString("MarkItem%1").arg(digit))->trigger();
    frm.MarksPopup()->hide();
  }

  static QColor CellBackground(ScriptedWindow& frm, int col, int row) {
    const QImage image = frm.Board()->grab().toImage();
    const QRect r = frm.Board()->CellRect({col, row});
    return image.pixelColor(r.left() + 3, r.top() + 3);
  }

  static int DigitAt(ScriptedWindow& frm, int col, int row) {
    return PuzzleOf(frm.Game()).board.at(col, row)[core::kDigit];
  }

  QString PuzzleFile(const QString& name, const QString& line) {
    return ui::test::WriteFile(dir_, name, ui::test::SdkFile(line));
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    ui::test::KeepSettingsIn(dir_);
  }

  void StartupShowsTheCaptionsOfTheStringTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("new") << "NewPuzzle"
                         << "New puzzle..."
                         << "Ctrl+N";
    QTest::newRow("open") << "OpenFile"
                          << "&Open from file..."
                          << "Ctrl+O";
    QTest::newRow("save") << "SaveFile"
                          << "&Save to file"
                          << "Ctrl+S";
    QTest::newRow("save as") << "SaveFileAs"
                             << "&Save &as..."
                             << "";
    QTest::newRow("print") << "Print"
                           << "Print..."
                           << "Ctrl+P";
    QTest::newRow("settings") << "SettingsItem"
                              << "Settings..."
                              << "";
    QTest::newRow("exit") << "ExitItem"
                          << "&Close"
                          << "";
    QTest::newRow("fill") << "FillCandidates"
                          << "&Fill in candidates"
                          << "Ctrl+M";
    QTest::newRow("remove") << "RemoveCandidates"
                            << "&Remove candidates"
                            << "Ctrl+Alt+M";
    QTest::newRow("undo") << "UndoItem"
                          << "Undo one step"
                          << "Ctrl+Z";
    QTest::newRow("redo") << "RedoItem"
                          << "Redo one step"
                          << "Ctrl+Y";
    QTest::newRow("first") << "FirstStepItem"
                           << "Move to the first step"
                           << "";
    QTest::newRow("last") << "LastStepItem"
                          << "Move to the last step"
                          << "";
    QTest::newRow("set mark") << "SetBookmarkItem"
                              << "Set the bookmark here"
                              << "";
    QTest::newRow("go mark") << "GoBookmarkItem"
                             << "Go to the bookmark"
                             << "";
    QTest::newRow("highlight 1") << "HighlightItem1"
                                 << "1"
                                 << "Ctrl+1";
    QTest::newRow("highlight 9") << "HighlightItem9"
                                 << "9"
                                 << "Ctrl+9";
    QTest::newRow("rate") << "Rate"
                          << "Estimate difficulty (in current state)"
                          << "Ctrl+R";
    QTest::newRow("solve") << "ViewSolution"
                           << "View solution (from current state)"
                           << "";
    QTest::newRow("why not") << "WhyNotHere"
                             << "&Why not here?"
                             << "Ctrl+W";
    QTest::newRow("edit") << "EditMode"
                          << "Start editing"
                          << "";
    QTest::newRow("stop edit") << "StopEditMode"
                               << "Stop editing"
                               << "";
    QTest::newRow("clear all") << "ClearClues"
                               << "Clear all cells"
                               << "";
    QTest::newRow("help") << "HelpItem"
                          << "&Help"
                          << "F1";
    QTest::newRow("hint") << "Hint"
                          << "Hint..."
                          << "Ctrl+Q";
    QTest::newRow("about") << "AboutItem"
                           << "About..."
                           << "";
    QTest::newRow("candidate 1") << "MarkItem1"
                                 << "1 (candidate)"
                                 << "";
    QTest::newRow("candidate 9") << "MarkItem9"
                                 << "9 (candidate)"
                                 << "";
    QTest::newRow("clear") << "ClearItem"
                           << "Clear"
                           << "";
    QTest::newRow("cancel digits") << "DigitCancelItem"
                                   << "Cancel"
                                   << "";
    QTest::newRow("cancel marks") << "MarksCancelItem"
                                  << "Cancel"
                                  << "";
    QTest::newRow("open button") << "OpenFileButton"
                                 << "Read puzzle from file"
                                 << "";
    QTest::newRow("rate button") << "RateButton"
                                 << "Estimate difficulty"
                                 << "";
    QTest::newRow("settings button") << "SettingsButton"
                                     << "Program settings"
                                     << "";
  }
  void StartupShowsTheCaptionsOfTheStringTable() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, key);
    auto frm = Start();
    // A tool bar button shares its menu item's action and shows its own hint.
    if (const auto* button = frm->findChild<QToolButton*>(name)) {
      QCOMPARE(button->toolTip(), text);
      return;
    }
    QAction* action = Item(*frm, name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut().toString(), key);
  }

  void StartupShowsTitleMenusPanelsAndHints() {
    auto frm = Start();
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro"));
    QStringList menus;
    for (QMenu* m : {frm->findChild<QMenu*>("FileMenu"), frm->findChild<QMenu*>("ActionMenu"),
                     frm->findChild<QMenu*>("EditMenu"), frm->findChild<QMenu*>("HelpMenu"),
                     frm->findChild<QMenu*>("StepMenu"), frm->findChild<QMenu*>("HighlightMenu")})
      menus << m->title();
    QCOMPARE(menus, (QStringList{"&File", "&Action", "&Edit", "&Help", "Step", "Highlight"}));
    ui::ToolPanel* tools = frm->Tools();
    QCOMPARE(tools->findChild<QLabel*>("StepLabel")->text(), QString("Step"));
    QCOMPARE(tools->findChild<QLabel*>("BookmarkLabel")->text(), QString("Bookmark"));
    QCOMPARE(tools->findChild<QLabel*>("HighlightLabel")->text(), QString("Highlight"));
    QCOMPARE(tools->StepButton(ui::PanelSlot::Undo)->toolTip(), QString("Undo one step"));
    QCOMPARE(tools->StepButton(ui::PanelSlot::GoBookmark)->toolTip(),
             QString("Go to the bookmark"));
    QCOMPARE(tools->findChild<QLabel*>("ClockLabel")->text(), QString("00:00:00"));
    QCOMPARE(tools->Picture(ui::PanelSlot::HintPicture)->Caption(), QString("Hint"));
    QCOMPARE(frm->StatusPanel(1)->text(), QString());
    // Items that never show.
    for (const char* hidden : {"GenerateNew", "CompetitionMode", "NormalMode", "CancelItem"})
      QVERIFY2(!Item(*frm, hidden)->isVisible(), hidden);
  }

  // One action per command: a tool bar button is its menu item's own action,
  // so the two can never disagree about being enabled.
  void ToolBarButtonsAreTheirMenuItems() {
    auto frm = Start();
    QStringList shared;
    for (QAction* a : frm->findChild<QToolBar*>("SpeedBar")->actions()) {
      if (a->isSeparator()) continue;
      const auto owners = a->associatedObjects();
      if (std::any_of(owners.begin(), owners.end(),
                      [](QObject* o) { return qobject_cast<QMenu*>(o) != nullptr; }))
        shared << a->objectName();
    }
    QCOMPARE(shared, (QStringList{"OpenFile", "SaveFile", "Print", "Rate", "SettingsItem",
                                  "HelpItem", "CheckMistakes"}));
  }

  void CommandsWaitForAPuzzle() {
    auto frm = Start();
    for (Command c :
         {Command::NewPuzzle, Command::OpenFile, Command::OpenButton, Command::EditMode})
      QVERIFY(frm->Action(c)->isEnabled());
    for (Command c :
         {Command::SaveFile, Command::SaveFileAs, Command::SaveButton, Command::Print,
          Command::FillCandidates, Command::RemoveCandidates, Command::Rate, Command::RateButton,
          Command::ViewSolution, Command::Hint, Command::StopEditMode, Command::ClearClues})
      QVERIFY2(!frm->Action(c)->isEnabled(), qPrintable(frm->Action(c)->objectName()));
    ui::ToolPanel* tools = frm->Tools();
    QCOMPARE(tools->Picture(ui::PanelSlot::NewPicture)->ShownPicture(),
             ui::ToolPictureState::Normal);
    for (ui::ToolImageButton* b : {tools->Picture(ui::PanelSlot::HintPicture),
                                   tools->Picture(ui::PanelSlot::CandidatesPicture),
                                   tools->Picture(ui::PanelSlot::NoCandidatesPicture)})
      QCOMPARE(b->ShownPicture(), ui::ToolPictureState::Disabled);
    for (QToolButton* b :
         {tools->StepButton(ui::PanelSlot::Undo), tools->StepButton(ui::PanelSlot::Redo),
          tools->StepButton(ui::PanelSlot::FirstStep), tools->StepButton(ui::PanelSlot::LastStep),
          tools->StepButton(ui::PanelSlot::SetBookmark),
          tools->StepButton(ui::PanelSlot::GoBookmark)})
      QVERIFY(!b->isEnabled());
    // Keys do nothing without a puzzle.
    Key(*frm, Qt::Key_Right);
    QCOMPARE(PuzzleOf(frm->Game()).selected.col, 0);
  }

  void PuzzleFromAFileIsPlayedToTheSolvedReport() {
    auto frm = Start();
    const QString line = ui::test::SolutionWithHoles({{4, 1}, {2, 2}, {5, 5}, {9, 9}});
    const QString path = PuzzleFile("nearly.sdk", line);
    Open(*frm, path);
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro - nearly.sdk"));
    QCOMPARE(frm->StatusPanel(1)->text(), QString("Clues: 77    Empty: 4"));
    QVERIFY(frm->Action(Command::FillCandidates)->isEnabled());
    QVERIFY(frm->Tools()->StepButton(ui::PanelSlot::SetBookmark)->isEnabled());

    // Keyboard: the first arrow selects A1, three more reach A4.
    for (int i = 0; i < 4; ++i) Key(*frm, Qt::Key_Right);
    QCOMPARE(PuzzleOf(frm->Game()).selected, (core::CellRef{4, 1}));
    // A 4 clashes with the 4 in A1: the cell turns red until cleared.
    Key(*frm, Qt::Key_4);
    QCOMPARE(DigitAt(*frm, 4, 1), 4);
    QCOMPARE(CellBackground(*frm, 4, 1), QColor(255, 0, 0));
    Key(*frm, Qt::Key_Space);
    QCOMPARE(DigitAt(*frm, 4, 1), 0);
    QCOMPARE(CellBackground(*frm, 4, 1), QColor(164, 235, 212));
    Key(*frm, Qt::Key_9, Qt::KeypadModifier);
    QCOMPARE(DigitAt(*frm, 4, 1), 9);
    QCOMPARE(frm->StatusPanel(1)->text(), QString("Clues: 77    Empty: 3"));

    // Mouse: the digit popup opens at the cell's lower-right corner.
    Click(*frm, 2, 2, Qt::LeftButton);
    const QPoint corner = frm->Board()->mapToGlobal(frm->Board()->PopupPoint({2, 2}));
    QCOMPARE(frm->DigitPopup()->pos(), corner);
    QVERIFY(!Item(*frm, "ClearItem")->isEnabled());
    ChooseDigit(*frm, 6);
    QCOMPARE(DigitAt(*frm, 2, 2), 6);

    // Pencil marks by right click and by Shift.
    Click(*frm, 5, 5, Qt::RightButton);
    ToggleMark(*frm, 6);
    QCOMPARE(PuzzleOf(frm->Game()).board.at(5, 5)[6], 1);
    Key(*frm, Qt::Key_Shift);
    QVERIFY(frm->MarksPopup()->isVisible());
    QVERIFY(Item(*frm, "MarkItem6")->isChecked());
    QVERIFY(!Item(*frm, "MarkItem5")->isChecked());
    frm->MarksPopup()->hide();
    QVERIFY(frm->Action(Command::RemoveCandidates)->isEnabled());

    // Undo, redo and the bookmark through the step buttons.
    QTest::mouseClick(frm->Tools()->StepButton(ui::PanelSlot::Undo), Qt::LeftButton);
    QCOMPARE(PuzzleOf(frm->Game()).board.at(5, 5)[6], 0);
    QVERIFY(frm->Tools()->StepButton(ui::PanelSlot::Redo)->isEnabled());
    QTest::mouseClick(frm->Tools()->StepButton(ui::PanelSlot::Redo), Qt::LeftButton);
    QCOMPARE(PuzzleOf(frm->Game()).board.at(5, 5)[6], 1);
    QTest::mouseClick(frm->Tools()->StepButton(ui::PanelSlot::SetBookmark), Qt::LeftButton);
    QTRY_VERIFY(frm->Tools()->StepButton(ui::PanelSlot::GoBookmark)->isEnabled());
    Click(*frm, 5, 5, Qt::LeftButton);
    ChooseDigit(*frm, 6);
    QCOMPARE(DigitAt(*frm, 5, 5), 6);
    QTest::mouseClick(frm->Tools()->StepButton(ui::PanelSlot::GoBookmark), Qt::LeftButton);
    QCOMPARE(DigitAt(*frm, 5, 5), 0);
    QCOMPARE(PuzzleOf(frm->Game()).board.at(5, 5)[6], 1);
    Item(*frm, "RedoItem")->trigger();
    QCOMPARE(DigitAt(*frm, 5, 5), 6);

    // The last digit, typed into I9, solves the puzzle.
    QVERIFY(frm->ClockTicking());
    Click(*frm, 9, 9, Qt::LeftButton);
    frm->DigitPopup()->hide();
    frm->reportAnswers.push_back(false);
    Key(*frm, Qt::Key_2);
    QCOMPARE(frm->reports.size(), std::size_t{1});
    const ui::test::SeenReport& report = frm->reports.front();
    QCOMPARE(report.captions.at(0), QString("Puzzle solved"));
    const int level = CountersOf(frm->Game()).level;
    QCOMPARE(report.captions.at(1),
             "Level : " + (level >= 1 && level <= 5 ? QString::number(level) : QString("?")));
    QVERIFY(QRegularExpression("^Time : 00:00:\\d\\d$").match(report.captions.at(2)).hasMatch());
    QCOMPARE(report.captions.mid(3), (QStringList{"Candidates calculated : No", "General hints : 0",
                                                  "Concrete hints : 0", "Solution viewed : No"}));
    QCOMPARE(report.ok, QString("&New puzzle"));
    QCOMPARE(report.cancel, QString("&Close"));
    QVERIFY(!report.solutionInRed);
    QVERIFY(!frm->ClockTicking());
    QVERIFY(frm->AllAnswered());
    // A solved board is not offered for saving.
    QVERIFY(frm->close());
  }

  void OpenAndSaveRoundTripEntriesAndMarks() {
    auto frm = Start();
    const QString path = PuzzleFile("round.sdk", ui::test::kPuzzleLine);
    Open(*frm, path);
    const ui::test::SeenFileDialog& open = frm->fileDialogs.back();
    QCOMPARE(open.mode, QFileDialog::AcceptOpen);
    QCOMPARE(open.filters, (QStringList{"Sudoku files (*.sdk *.msk *.sol)", "Text files (*.txt)",
                                        "Any file (*)"}));
    QCOMPARE(open.defaultSuffix, QString("sdk"));

    Click(*frm, 1, 1, Qt::LeftButton);
    ChooseDigit(*frm, 4);
    Click(*frm, 2, 2, Qt::RightButton);
    ToggleMark(*frm, 2);
    Click(*frm, 2, 2, Qt::RightButton);
    ToggleMark(*frm, 7);

    const QString saved = dir_.filePath("saved.sdk");
    frm->fileAnswers.push_back(saved);
    frm->Action(Command::SaveFileAs)->trigger();
    const ui::test::SeenFileDialog& save = frm->fileDialogs.back();
    QCOMPARE(save.mode, QFileDialog::AcceptSave);
    QCOMPARE(save.filters, QStringList{"Sudoku file (*.sdk)"});
    QCOMPARE(save.proposed.size(), 1);
    // The game proposes the name without its extension; the dialog adds it.
    QCOMPARE(QFileInfo(save.proposed.front()).fileName(), QString("round.sdk"));
    QCOMPARE(QDir(save.directory), QDir(dir_.path()));
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro - saved.sdk"));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[State]\r\n4.3.2.6..\r\n"));
    QVERIFY(text.contains("[PencilMarks]\r\n,,,,,,,,\r\n,27,"));

    // Another window reads the game back as it was left.
    auto other = Start();
    Open(*other, saved);
    QVERIFY(core::BoardsEqual(PuzzleOf(other->Game()).board, PuzzleOf(frm->Game()).board));
    QVERIFY(PuzzleOf(other->Game()).clues == PuzzleOf(frm->Game()).clues);
    QCOMPARE(PuzzleOf(other->Game()).clues[0], std::uint8_t{0});

    // The next open starts where the file was saved; cancelling changes nothing.
    frm->fileAnswers.push_back(std::nullopt);
    frm->Action(Command::OpenFile)->trigger();
    QCOMPARE(QDir(frm->fileDialogs.back().directory), QDir(dir_.path()));
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro - saved.sdk"));
    QVERIFY(frm->AllAnswered() && other->AllAnswered());
  }

  void CommandsAskAndTellInTheirMessageBoxes() {
    auto frm = Start();
    Open(*frm, PuzzleFile("msg.sdk", ui::test::kPuzzleLine));

    // "View solution": refused, then accepted.
    frm->boxAnswers = {MsgButton::No};
    frm->Action(Command::ViewSolution)->trigger();
    QCOMPARE(frm->boxes.back().title, QString("Confirmation"));
    QCOMPARE(frm->boxes.back().icon, QMessageBox::Question);
    QCOMPARE(frm->boxes.back().text, QString("  Do you really want to view the solution?  "));
    QCOMPARE(frm->boxes.back().buttons, (QStringList{"Yes", "No"}));
    QCOMPARE(DigitAt(*frm, 1, 1), 0);

    // "Estimate difficulty" from its speed button.
    frm->boxAnswers = {MsgButton::Ok};
    frm->Action(Command::RateButton)->trigger();
    QCOMPARE(frm->boxes.back().title, QString("Information"));
    QCOMPARE(frm->boxes.back().buttons, QStringList{"OK"});
    QVERIFY2(QRegularExpression("^The puzzle has exactly one solution\\.\n\nEstimated difficulty: "
                                "\\w[\\w ]* \\(level [1-5]\\)\\.$")
                 .match(frm->boxes.back().text)
                 .hasMatch(),
             qPrintable(frm->boxes.back().text));

    // Fill in all candidates, then remove them after the question.
    frm->Tools()->Picture(ui::PanelSlot::CandidatesPicture)->SetHot(true);
    QTest::mouseClick(frm->Tools()->Picture(ui::PanelSlot::CandidatesPicture), Qt::LeftButton);
    QVERIFY(PuzzleOf(frm->Game()).board.at(1, 1)[4] > 0);
    QCOMPARE(frm->Tools()->Picture(ui::PanelSlot::NoCandidatesPicture)->ShownPicture(),
             ui::ToolPictureState::Normal);
    frm->boxAnswers = {MsgButton::Yes};
    frm->Action(Command::RemoveCandidates)->trigger();
    QCOMPARE(frm->boxes.back().text, QString("Do you want all pencil marks to be removed?"));
    QCOMPARE(PuzzleOf(frm->Game()).board.at(1, 1)[4], 0);
    QVERIFY(!frm->Action(Command::RemoveCandidates)->isEnabled());
    QCOMPARE(frm->Tools()->Picture(ui::PanelSlot::NoCandidatesPicture)->ShownPicture(),
             ui::ToolPictureState::Disabled);

    frm->boxAnswers = {MsgButton::Yes, MsgButton::Ok};
    frm->Action(Command::ViewSolution)->trigger();
    QCOMPARE(frm->boxes.back().title, QString("Information"));
    QCOMPARE(frm->boxes.back().text,
             QString("This is the only solution.\nYou can use the \"Step back\" button to "
                     "restore the puzzle."));
    QCOMPARE(DigitAt(*frm, 1, 1), 4);

    // A file of no known shape.
    const QString bad = ui::test::WriteFile(dir_, "bad.txt", "hello\r\n");
    frm->boxAnswers = {MsgButton::Ok};
    Open(*frm, bad);
    QCOMPARE(frm->boxes.back().title, QString("Error"));
    QCOMPARE(frm->boxes.back().icon, QMessageBox::Critical);
    QCOMPARE(frm->boxes.back().text, "Unknown file format:\n" + bad);
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro - msg.sdk"));
    QVERIFY(frm->AllAnswered());
  }

  void ClosingAsksToSaveUnsavedWork() {
    auto frm = Start();
    Open(*frm, PuzzleFile("close.sdk", ui::test::kPuzzleLine));
    QVERIFY(frm->close());  // untouched: nothing to ask
    QVERIFY(frm->boxes.empty());

    frm = Start();
    Open(*frm, PuzzleFile("close.sdk", ui::test::kPuzzleLine));
    Click(*frm, 1, 1, Qt::LeftButton);
    ChooseDigit(*frm, 4);
    frm->boxAnswers = {MsgButton::Cancel};
    QVERIFY(!frm->close());
    QVERIFY(frm->isVisible());
    QCOMPARE(frm->boxes.back().text, QString("Do you want to save this puzzle first?"));
    QCOMPARE(frm->boxes.back().buttons, (QStringList{"Yes", "No", "Cancel"}));
    frm->boxAnswers = {MsgButton::No};
    QVERIFY(frm->close());
    QVERIFY(frm->AllAnswered());
  }

  void HighlightButtonsAndTheirShortcutsToggleTogether() {
    auto frm = Start();
    Open(*frm, PuzzleFile("light.sdk", ui::test::kPuzzleLine));
    Click(*frm, 1, 1, Qt::LeftButton);
    frm->DigitPopup()->hide();
    Item(*frm, "HighlightItem3")->trigger();  // Ctrl+3
    QCOMPARE(PuzzleOf(frm->Game()).highlightDigit, 3);
    QVERIFY(frm->Tools()->HighlightButton(3)->isChecked());
    QVERIFY(frm->Tools()->HighlightButton(3)->font().bold());
    QVERIFY(PuzzleOf(frm->Game()).selected.OnBoard());  // the selection stays
    QCOMPARE(CellBackground(*frm, 3, 1), QColor(128, 255, 255));
    QTest::mouseClick(frm->Tools()->HighlightButton(8), Qt::LeftButton);
    QCOMPARE(PuzzleOf(frm->Game()).highlightDigit, 8);
    QVERIFY(!frm->Tools()->HighlightButton(3)->isChecked());
    QTest::mouseClick(frm->Tools()->HighlightButton(8), Qt::LeftButton);
    QCOMPARE(PuzzleOf(frm->Game()).highlightDigit, 0);
    QCOMPARE(CellBackground(*frm, 3, 1), QApplication::palette().color(QPalette::Button));
  }

  // "zentaro FILE": the file opens once the window is up, in place of the
  // level dialog that LoadOnStartup would bring; an unreadable one is
  // reported as the open command reports it, and nothing else starts.
  void StartsOnTheFileNamedOnTheCommandLine_data() {
    QTest::addColumn<bool>("readable");
    QTest::newRow("puzzle") << true;
    QTest::newRow("no such file") << false;
  }
  void StartsOnTheFileNamedOnTheCommandLine() {
    QFETCH(bool, readable);
    const QString path =
        readable ? PuzzleFile("start.sdk", ui::test::kPuzzleLine) : dir_.filePath("none.sdk");
    ScriptedWindow frm;
    frm.Settings().loadOnStartup = true;
    if (!readable) frm.boxAnswers.push_back(MsgButton::Ok);
    frm.ShowWindow(path);
    QTRY_VERIFY(readable ? PuzzleOf(frm.Game()).active : !frm.boxes.empty());
    QVERIFY(frm.AllAnswered());  // no level dialog
    if (readable) {
      QCOMPARE(ui::test::ShownTitle(frm), QString("Zentaro - start.sdk"));
      QCOMPARE(DigitAt(frm, 3, 1), 3);
      QVERIFY(frm.Action(Command::Print)->isEnabled());
    } else {
      QCOMPARE(frm.boxes[0].title, QString("Error"));
      QVERIFY(frm.boxes[0].text.endsWith(":\n" + path));
      QVERIFY(!PuzzleOf(frm.Game()).active);
    }
  }

  void NewPuzzleAsksForLevelsAndGenerates() {
    auto frm = Start();
    // Unchecking every level is refused; Cancel then leaves the board empty.
    frm->levelAnswers.push_back([](ui::LevelDialog& d) {
      QCOMPARE(d.windowTitle(), QString("Generate a new puzzle"));
      QCOMPARE(ui::test::Named<QRadioButton>(d, "AnyLevel")->text(), QString("&Random level"));
      QCOMPARE(ui::test::Named<QCheckBox>(d, "Level5")->text(), QString("Very hard (level 5)"));
      QVERIFY(!ui::test::Named<QCheckBox>(d, "Level1")->isEnabled());  // "&Random level" is on
      ui::test::Named<QRadioButton>(d, "ChosenLevels")->click();
      QVERIFY(ui::test::Named<QCheckBox>(d, "Level1")->isEnabled());
      for (QCheckBox* c : d.findChildren<QCheckBox*>()) c->setChecked(false);
      ui::test::Named<QPushButton>(d, "OkButton")->click();
      ui::test::Named<QPushButton>(d, "CancelButton")->click();
    });
    frm->boxAnswers = {MsgButton::Ok};
    QTest::mouseClick(frm->Tools()->Picture(ui::PanelSlot::NewPicture), Qt::LeftButton);
    QCOMPARE(frm->boxes.back().text, QString("  At least one level box must be checked.  "));
    QCOMPARE(frm->boxes.back().title, QString("Information"));
    QCOMPARE(PuzzleOf(frm->Game()).active, false);

    // Easy puzzles only: one comes up, with its clues and a running clock.
    frm->levelAnswers.push_back([](ui::LevelDialog& d) {
      ui::test::Named<QRadioButton>(d, "ChosenLevels")->click();
      for (int i = 0; i < 5; ++i)
        ui::test::Named<QCheckBox>(d, qPrintable(QString("Level%1").arg(i + 1)))
            ->setChecked(i == 0);
      ui::test::Named<QPushButton>(d, "OkButton")->click();
    });
    frm->Action(Command::NewPuzzle)->trigger();
    QVERIFY(PuzzleOf(frm->Game()).active);
    QCOMPARE(CountersOf(frm->Game()).level, 1);
    QVERIFY(PuzzleOf(frm->Game()).clueCount >= 17);
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro - New puzzle"));
    QVERIFY(frm->ClockTicking());
    QVERIFY(frm->Action(Command::Hint)->isEnabled());
    QVERIFY(!Item(*frm, "CancelItem")->isVisible());
    QVERIFY(frm->AllAnswered());
    FileOf(frm->Game()).stored = true;
    PuzzleOf(frm->Game()).saved = PuzzleOf(frm->Game()).board;
  }

  void GenerationLocksEverythingButCancel() {
    auto frm = Start();
    Open(*frm, PuzzleFile("busy.sdk", ui::test::kPuzzleLine));
    const core::Board before = PuzzleOf(frm->Game()).board;

    frm->Game().EnterBusyMode();
    QVERIFY(Item(*frm, "CancelItem")->isVisible());
    QVERIFY(!frm->findChild<QMenu*>("ActionMenu")->menuAction()->isVisible());
    QVERIFY(!frm->Tools()->isEnabled());
    // A shortcut still reaches its action; the command must not run.
    frm->Action(Command::FillCandidates)->trigger();
    frm->Action(Command::ViewSolution)->trigger();
    QCOMPARE(PuzzleOf(frm->Game()).board, before);
    Item(*frm, "CancelItem")->trigger();
    QVERIFY(PuzzleOf(frm->Game()).cancelRequested);

    frm->Game().LeaveBusyMode();
    QVERIFY(!Item(*frm, "CancelItem")->isVisible());
    QVERIFY(frm->findChild<QMenu*>("ActionMenu")->menuAction()->isVisible());
    QVERIFY(frm->Tools()->isEnabled());
    QVERIFY(frm->Action(Command::FillCandidates)->isEnabled());
    FileOf(frm->Game()).stored = true;
    PuzzleOf(frm->Game()).saved = PuzzleOf(frm->Game()).board;
  }

  void HintIsShownInTheHintWindow() {
    auto frm = Start();
    const QString line = ui::test::SolutionWithHoles({{4, 1}, {2, 2}});
    Open(*frm, PuzzleFile("hint.sdk", line));
    QString shown;
    frm->hintAnswers.push_back([&shown](ui::HintWindow& h) {
      shown = h.BoxText();
      QCOMPARE(h.windowTitle(), QString("Hint"));
      ui::test::Named<QPushButton>(h, "CloseButton")->click();
    });
    // Whatever the search asks on the way is answered with its first button.
    for (int i = 0; i < 3; ++i) frm->boxAnswers.push_back(MsgButton::Yes);
    frm->Action(Command::Hint)->trigger();
    QVERIFY2(!shown.isEmpty(), qPrintable(frm->unexpected.join("; ")));
    QVERIFY(frm->hintAnswers.empty());
    QVERIFY(!frm->Board()->HintHighlightOn());
    QVERIFY(frm->Action(Command::Hint)->isEnabled());
  }

  void StatusBarHelpFollowsTheMouse() {
    auto frm = Start();
    Open(*frm, PuzzleFile("status.sdk", ui::test::kPuzzleLine));
    QTest::mouseMove(frm->Board(), frm->Board()->CellRect({5, 5}).center());
    QCOMPARE(frm->StatusPanel(2)->text(),
             QString::fromStdString(core::LoadText(Text::PlayingStatus)));
    QTest::mouseMove(frm->Board(), QPoint(2, 2));
    QCOMPARE(frm->StatusPanel(2)->text(), QString());
  }
};

QTEST_MAIN(SudokuWindowTest)
#include "SudokuWindow_test.moc"
