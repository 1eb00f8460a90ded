// Entering a puzzle: typing it in edit mode, and pasting or copying it
// through the clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "core/StringTable.h"

using namespace zentaro;
using app::Command;
using core::Text;
using ui::test::ScriptedWindow;

class EditModeTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  std::unique_ptr<ScriptedWindow> Start() {
    auto frm = std::make_unique<ScriptedWindow>();
    frm->ShowWindow();
    if (!QTest::qWaitForWindowExposed(frm.get())) qWarning("window not exposed");
    return frm;
  }

  static QAction* Item(ScriptedWindow& frm, const char* name) {
    return frm.findChild<QAction*>(name);
  }

  static void Paste(ScriptedWindow& frm, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    Item(frm, "PastePuzzle")->trigger();
  }

  // Types the line into the board from A1, Space for an empty cell.
  static void Type(ScriptedWindow& frm, const QString& line) {
    for (QChar ch : line)
      QTest::keyClick(frm.Board(),
                      ch == '0' ? Qt::Key_Space : Qt::Key(Qt::Key_0 + ch.digitValue()));
  }

  static QColor CellBackground(ScriptedWindow& frm, int col, int row) {
    const QImage image = frm.Board()->grab().toImage();
    const QRect r = frm.Board()->CellRect({col, row});
    return image.pixelColor(r.left() + 3, r.top() + 3);
  }

  static QString Clues(ScriptedWindow& frm) {
    QString line;
    for (std::uint8_t d : frm.Game().Puzzle().clues) line += QChar('0' + d);
    return line;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
  }

  void TypedPuzzleEqualsTheSameOpenedFromAFile() {
    auto typed = Start();
    QVERIFY(!Item(*typed, "StopEditMode")->isEnabled());
    Item(*typed, "EditMode")->trigger();
    QVERIFY(typed->Game().Puzzle().editMode);
    QVERIFY(!Item(*typed, "EditMode")->isEnabled());
    QVERIFY(Item(*typed, "ClearClues")->isEnabled());
    QCOMPARE(typed->Tools()->Picture(ui::PanelSlot::HintPicture)->ShownPicture(),
             ui::ToolPictureState::Disabled);
    QTest::mouseMove(typed->Board(), QPoint(2, 2));
    QCOMPARE(typed->StatusPanel(2)->text(),
             QString::fromStdString(core::LoadText(Text::EditingStatus)));

    Type(*typed, ui::test::kPuzzleLine);
    Item(*typed, "StopEditMode")->trigger();
    QVERIFY(!typed->Game().Puzzle().editMode);

    auto opened = Start();
    opened->fileAnswers.push_back(
        ui::test::WriteFile(dir_, "typed.sdk", ui::test::SdkFile(ui::test::kPuzzleLine)));
    opened->Action(Command::OpenFile)->trigger();

    QCOMPARE(Clues(*typed), QString(ui::test::kPuzzleLine));
    QCOMPARE(Clues(*typed), Clues(*opened));
    QCOMPARE(typed->Game().Puzzle().solutionCount, opened->Game().Puzzle().solutionCount);
    QCOMPARE(typed->Game().Counters().level, opened->Game().Counters().level);
    QVERIFY(typed->Game().Counters().level > 0);
    QVERIFY(typed->Action(Command::Hint)->isEnabled());
    QVERIFY(typed->AllAnswered() && opened->AllAnswered());
  }

  void TypingMistakesShowInTheConflictColour() {
    auto frm = Start();
    Item(*frm, "EditMode")->trigger();
    Type(*frm, "5005");  // A1 and A4 both 5
    const QColor red = frm->Board()->Renderer().Colors().ConflictColor;
    QCOMPARE(CellBackground(*frm, 1, 1), red);
    QCOMPARE(CellBackground(*frm, 4, 1), red);
    QVERIFY(CellBackground(*frm, 2, 1) != red);
    QTest::keyClick(frm->Board(), Qt::Key_Left);
    QTest::keyClick(frm->Board(), Qt::Key_0, Qt::KeypadModifier);
    QVERIFY(CellBackground(*frm, 1, 1) != red);
  }

  void PasteStartsEachShape_data() {
    QTest::addColumn<QString>("text");
    QString nine, sdk = QString::fromLatin1(ui::test::SdkFile(ui::test::kPuzzleLine));
    for (int r = 0; r < 9; ++r)
      nine += QString(ui::test::kPuzzleLine).mid(9 * r, 9).replace('0', '.') + "\n";
    QTest::newRow("81 characters") << QString(ui::test::kPuzzleLine);
    QTest::newRow("nine lines") << nine;
    QTest::newRow("sdk") << sdk;
  }
  void PasteStartsEachShape() {
    QFETCH(QString, text);
    auto frm = Start();
    Paste(*frm, text);
    QCOMPARE(Clues(*frm), QString(ui::test::kPuzzleLine));
    QVERIFY(frm->Game().Puzzle().active);
    QCoreApplication::processEvents();  // the title's unsaved mark follows
    QCOMPARE(ui::test::ShownTitle(*frm), QString("Zentaro*"));
    QVERIFY(frm->Action(Command::Hint)->isEnabled());
    QVERIFY(!frm->Game().File().stored);
    QVERIFY(frm->AllAnswered());
  }

  void PastingGarbageChangesNothing() {
    auto frm = Start();
    Paste(*frm, ui::test::kPuzzleLine);
    const core::Board before = frm->Game().Puzzle().board;
    frm->boxAnswers.push_back(core::MsgButton::Ok);
    Paste(*frm, "no puzzle here");
    QCOMPARE(frm->boxes.size(), std::size_t{1});
    QCOMPARE(frm->boxes[0].text, QString::fromStdString(core::LoadText(Text::UnknownFileFormat)));
    QVERIFY(frm->Game().Puzzle().board == before);
    QVERIFY(frm->AllAnswered());
  }

  void CopyGivesTheEightyOneCharacterLine() {
    auto frm = Start();
    Paste(*frm, ui::test::kPuzzleLine);
    QGuiApplication::clipboard()->clear();
    Item(*frm, "CopyPuzzle")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString(ui::test::kPuzzleLine).replace('0', '.'));
    QCOMPARE(Item(*frm, "CopyPuzzle")->shortcut(), QKeySequence(QKeySequence::Copy));
    QCOMPARE(Item(*frm, "PastePuzzle")->shortcut(), QKeySequence(QKeySequence::Paste));
  }
};

QTEST_MAIN(EditModeTest)
#include "EditMode_test.moc"
