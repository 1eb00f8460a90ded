// The hint window on screen, the help it opens and the help pages, on a
// screen of 1280 × 900 pixels with window frames.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <fstream>

#include "UiTestSupport.h"
#include "app/GameAccess.h"
#include "app/HintSearch.h"
#include "ui/HelpWindow.h"

using namespace zentaro;
using app::Command;
using ui::test::ScriptedWindow;

namespace {

hints::HintStage StageOf(int lines, std::optional<hints::WindowWidening> widen = std::nullopt) {
  hints::HintStage stage;
  for (int i = 0; i < lines; ++i)
    stage.lines.push_back("Line &" + std::to_string(i) + "& of a chain.");
  stage.buttonCaption = core::Text::DoItButton;
  stage.widen = widen;
  return stage;
}

// The plain text of every help page.
QString HelpText() {
  QString all;
  for (const char* page :
       {"index", "window", "commands", "techniques", "levels", "settings", "files"}) {
    QFile file(QString(":/help/%1.html").arg(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(file.readAll()));
    all += doc.toPlainText() + '\n';
  }
  return all;
}

void VisibleCaptions(const QMenu& menu, QStringList& out) {
  for (QAction* a : menu.actions()) {
    if (a->isSeparator() || !a->isVisible() || a->text().isEmpty()) continue;
    QString caption = a->text().remove('&');
    if (caption.endsWith("...")) caption.chop(3);
    out << caption;
    if (a->menu()) VisibleCaptions(*a->menu(), out);
  }
}

}  // namespace

class HintWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  ui::HintWindow* HintWindowOf(ScriptedWindow& frm) { return frm.findChild<ui::HintWindow*>(); }

 private slots:
  void initTestCase() { ui::test::KeepSettingsIn(dir_); }

  void IsASmallToolWindowOnTopWithItsButtonsInPlace() {
    ui::HintWindow h;
    QVERIFY(h.windowType() == Qt::Tool);
    QVERIFY(h.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(qRound(h.windowOpacity() * 255), 240);
    QCOMPARE(h.minimumSize(), QSize(206, 103));
    QCOMPARE(h.size(), QSize(301, 170));
    QCOMPARE(ui::test::Named<QTextEdit>(h, "TextBox")->geometry(), QRect(0, 0, 301, 142));
    QCOMPARE(ui::test::Named<QPushButton>(h, "ActionButton")->geometry(), QRect(2, 144, 77, 25));
    QCOMPARE(ui::test::Named<QPushButton>(h, "HelpButton")->geometry(), QRect(81, 144, 57, 25));
    QCOMPARE(ui::test::Named<QPushButton>(h, "CloseButton")->geometry(), QRect(241, 144, 57, 25));
    QVERIFY(ui::test::Named<QPushButton>(h, "ActionButton")->isDefault());
    QCOMPARE(ui::test::Named<QTextEdit>(h, "TextBox")->palette().color(QPalette::Base),
             QColor(128, 128, 128));
    // Growing the window keeps "&Close" at the right and the box above the row.
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    h.resize(400, 300);
    QTRY_COMPARE(ui::test::Named<QPushButton>(h, "CloseButton")->geometry(),
                 QRect(340, 274, 57, 25));
    QCOMPARE(ui::test::Named<QTextEdit>(h, "TextBox")->geometry(), QRect(0, 0, 400, 272));
    QTest::keyClick(ui::test::Named<QTextEdit>(h, "TextBox"), Qt::Key_Escape);
    QVERIFY(!h.isVisible());
    QCOMPARE(h.result(), int{QDialog::Rejected});
  }

  void StandsBesideTheBoardAtEachGridSize() {
    auto frm = ui::test::StartWindow();
    for (ui::GridSize size : {ui::GridSize::Small, ui::GridSize::Medium, ui::GridSize::Large}) {
      frm->SetGridSize(size);
      QCoreApplication::processEvents();
      frm->PlaceHintWindow();
      const ui::BoardWidget& board = *frm->Board();
      const QPoint corner = board.mapToGlobal(board.Geometry().BoardRect().topLeft());
      const QRect g = HintWindowOf(*frm)->geometry();
      QCOMPARE(g.topLeft(), corner + QPoint(board.Geometry().BoardSize() + 2, 0));
      QCOMPARE(g.size(), QSize(400, 270));
    }
  }

  void GrowsToItsTextWidensWhenAskedAndScrollsPast1200() {
    auto frm = ui::test::StartWindow();
    ui::HintWindow& h = *HintWindowOf(*frm);
    struct Seen {
      QSize size;
      bool scrolls = false;
    } seen;
    const auto look = [&seen](ui::HintWindow& shown) {
      shown.show();
      QVERIFY(QTest::qWaitForWindowExposed(&shown));
      seen = {shown.size(),
              ui::test::Named<QTextEdit>(shown, "TextBox")->verticalScrollBar()->maximum() > 0 &&
                  ui::test::Named<QTextEdit>(shown, "TextBox")->verticalScrollBarPolicy() !=
                      Qt::ScrollBarAlwaysOff};
      shown.reject();
    };

    // A chain explanation of 30 lines, in a window the rule made 300 wide.
    h.Place(QRect(20, 40, 300, 270));
    frm->hintAnswers.push_back(look);
    frm->ShowHintStage(StageOf(30, hints::WindowWidening{400, 0}));
    QCOMPARE(seen.size.width(), 400);
    QVERIFY(seen.size.height() >= 32 * 15 + 4 + 28);
    QVERIFY(!seen.scrolls);
    QVERIFY(h.BoxText().isEmpty());  // cleared when it hid

    // Longer than the screen: it stops growing, stands as high as the desktop
    // allows and scrolls.
    h.Place(QRect(20, 40, 300, 270));
    frm->hintAnswers.push_back(look);
    frm->ShowHintStage(StageOf(200));
    QVERIFY(seen.size.height() <= 1200 + 15);
    QVERIFY(seen.size.height() <= 900);
    QVERIFY(seen.scrolls);
    QVERIFY(frm->AllAnswered());
  }

  // A diagram of one link per line: the window widens until no link wraps,
  // and however long the stage, its last line can be read, in the window or
  // by scrolling down to it.
  void ALongDiagramKeepsItsLinesWholeAndItsLastLineInReach() {
    auto frm = ui::test::StartWindow();
    ui::HintWindow& h = *HintWindowOf(*frm);
    for (const int links : {16, 120}) {
      hints::HintStage stage;
      stage.lines = {
          "Assume that the cell &A4& holds the digit @8@, and follow what this "
          "forces, one link per line:",
          "$"};
      for (int i = 0; i < links; ++i)
        stage.lines.push_back(
            "  A8<>9   the digit's places in the block 3x3 of G7 lie in this "
            "cell's column");
      stage.lines.insert(stage.lines.end(),
                         {"%", "So the assumption was wrong.", "", "&Conclusion:&",
                          "You can remove the pencil marks of the digit @8@ from the cell A4."});
      stage.buttonCaption = core::Text::DoItButton;
      stage.fixedPitchBlock = true;
      stage.widen = hints::WindowWidening{400, 240};
      h.Place(QRect(20, 40, 400, 270));
      int wrapped = -1;
      bool lastLineInReach = false;
      frm->hintAnswers.push_back([&](ui::HintWindow& shown) {
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        auto* box = ui::test::Named<QTextEdit>(shown, "TextBox");
        QTextDocument* doc = box->document();
        doc->documentLayout()->documentSize();  // lays out what the box has not yet
        QCoreApplication::processEvents();      // and lets the scroll bar follow
        wrapped = 0;
        for (int line = 2; line < 2 + links; ++line)
          if (doc->findBlockByNumber(line).layout()->lineCount() != 1) ++wrapped;
        QScrollBar* bar = box->verticalScrollBar();
        const bool canScroll = box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
        const qreal lastBottom =
            doc->documentLayout()->blockBoundingRect(doc->lastBlock()).bottom();
        lastLineInReach =
            lastBottom <= box->viewport()->height() + (canScroll ? bar->maximum() : 0);
        shown.reject();
      });
      frm->ShowHintStage(stage);
      QCOMPARE(wrapped, 0);
      QVERIFY2(lastLineInReach, qPrintable(QString("%1 links").arg(links)));
    }
    QVERIFY(frm->AllAnswered());
  }

  void ExplainOpensTheHelpOnTopOfTheStageAtItsPage() {
    auto frm = ui::test::StartWindow();
    ui::HintWindow& h = *HintWindowOf(*frm);
    h.SetStage(StageOf(3));
    ui::HelpWindow* help = nullptr;
    QTimer::singleShot(0, &h, [&] {
      ui::test::Named<QPushButton>(h, "HelpButton")->click();
      if (QWidget* modal = QApplication::activeModalWidget())
        help = modal->findChild<ui::HelpWindow*>();
      if (help) QVERIFY(QTest::qWaitForWindowExposed(help));
      h.reject();
    });
    h.exec();
    QVERIFY2(help, "no help window among the stage's own windows");
    QCOMPARE(help->parentWidget(), &h);  // so the modal stage does not block it
    QCOMPARE(help->Source().fragment(), QString("context-1300"));
  }

  void TheHintSearchLeavesNoProgressBoxOverItsAnswer() {
    auto frm = ui::test::StartWindow();
    // Nothing up to the chains and the pattern techniques solves this one:
    // the answer is the forcing net, the ladder's last rung, in two stages.
    frm->fileAnswers.push_back(ui::test::WriteFile(
        dir_, "hardest.sdk",
        ui::test::SdkFile(
            "........7..4.2.6..8.....31......29...4..9..3...95.6....1......8..6.5.2..7......6.")));
    frm->Action(Command::OpenFile)->trigger();
    frm->Action(Command::FillCandidates)->trigger();
    const auto progressShown = [&frm] {
      for (const ui::WaitDialog* w : frm->findChildren<ui::WaitDialog*>())
        if (w->isVisible()) return true;
      return false;
    };
    bool underProgress = false;
    for (int stage = 0; stage < 2; ++stage)
      frm->hintAnswers.push_back([&](ui::HintWindow& h) {
        underProgress = underProgress || progressShown();
        h.accept();
      });
    frm->Action(Command::Hint)->trigger();
    QVERIFY(!underProgress);
    QVERIFY(!progressShown());
    QCOMPARE(HintOf(frm->Game()).last.technique, app::HintTechnique::ForcingNet);
    FileOf(frm->Game()).stored = true;
    PuzzleOf(frm->Game()).saved = PuzzleOf(frm->Game()).board;
  }

  void HelpCoversEveryCommandAndTechnique() {
    const QString help = HelpText();
    QVERIFY(help.size() > 5000);
    auto frm = ui::test::StartWindow();
    QStringList wanted;
    for (QAction* menu : frm->menuBar()->actions())
      if (menu->menu()) VisibleCaptions(*menu->menu(), wanted);
    for (int t = int(app::HintTechnique::SingleCandidate);
         t <= int(app::HintTechnique::ContradictingChain); ++t)
      wanted << QString::fromStdString(app::HintTechniqueName(app::HintTechnique(t), {}));
    for (const char* kind : {"naked", "hidden"})
      for (const char* size : {"pair", "triple", "quad"})
        wanted << QString("%1 %2").arg(kind, size);
    for (const QString& caption : wanted)
      QVERIFY2(help.contains(caption, Qt::CaseInsensitive), qPrintable(caption));
  }

  void HelpOpensBesideTheWindowAtItsPageAndEscapeClosesIt() {
    auto frm = ui::test::StartWindow();
    frm->SetGridSize(ui::GridSize::Small);
    frm->showNormal();
    frm->setGeometry(30, 60, 640, 560);
    QTRY_COMPARE(frm->geometry().topLeft(), QPoint(30, 60));

    frm->findChild<QAction*>("HelpItem")->trigger();  // F1
    auto* help = frm->findChild<ui::HelpWindow*>();
    QVERIFY(help && QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->Source(), QUrl("qrc:/help/index.html"));
    QVERIFY(!help->frameGeometry().intersects(frm->frameGeometry()));

    // Escape closes it; it opens again where the user left it, at the page
    // asked for (the settings dialog's Help).
    help->move(help->x() + 40, help->y() + 30);
    const QPoint left = help->pos();
    QTest::keyClick(ui::test::Named<QTextBrowser>(*help, "HelpBrowser"), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    frm->ShowHelpTopic(core::kSettingsHelpContext);
    QCOMPARE(help->pos(), left);
    QCOMPARE(help->Source().fragment(), QString("context-1100"));
    QVERIFY(ui::test::Named<QTextBrowser>(*help, "HelpBrowser")->toHtml().contains("context-1100"));
    ui::test::Named<QTextBrowser>(*help, "HelpBrowser")->backward();
    QCOMPARE(help->Source(), QUrl("qrc:/help/index.html"));
  }

  void HelpPlacementKeepsOffTheWindowWhereTheScreenHasRoom() {
    const QRect screen(0, 0, 1280, 900);
    const QSize size(560, 600);
    struct Case {
      QRect main;
      QRect expected;
      QRect hint = {};
    };
    for (const Case& c : std::vector<Case>{
             {{0, 0, 700, 800}, {700, 0, 560, 600}},       // right of it
             {{600, 100, 680, 700}, {40, 100, 560, 600}},  // left of it
             {{0, 0, 1280, 900}, {720, 0, 560, 600}},      // no room: the screen's right edge
             {{0, 500, 600, 400}, {600, 300, 560, 600}},   // kept on the screen
             // A hint window open: beside it, never over it.
             {{0, 0, 1280, 900}, {240, 100, 560, 600}, {800, 100, 400, 300}},
             {{0, 0, 1280, 900}, {520, 50, 560, 600}, {100, 50, 420, 300}},
             {{0, 0, 700, 800}, {700, 0, 560, 600}, {100, 100, 400, 300}},
         })
      QCOMPARE(ui::PlaceHelpWindow(c.main, size, screen, c.hint), c.expected);
  }

  void AboutBoxNamesTheProgramItsVersionAndAddresses() {
    auto frm = ui::test::StartWindow();
    QStringList seen;
    frm->otherAnswers.push_back([&seen](QDialog& d) {
      auto& about = dynamic_cast<ui::AboutBox&>(d);
      seen << about.windowTitle() << ui::test::Named<QLabel>(about, "ProductName")->text()
           << ui::test::Named<QLabel>(about, "Version")->text()
           << ui::test::Named<QLabel>(about, "WebSite")->text()
           << ui::test::Named<QLabel>(about, "Support")->text();
      return int{QDialog::Accepted};
    });
    frm->findChild<QAction*>("AboutItem")->trigger();
    QCOMPARE(seen.value(0), QString("About..."));
    QCOMPARE(seen.value(1), QString("Zentaro"));
    QVERIFY(seen.value(2).contains("1.4"));
    QVERIFY(seen.value(3).contains("<a href=\"https://"));
    QVERIFY(seen.value(4).contains('@'));
  }
};

int main(int argc, char* argv[]) {
  // A screen like a user's, with window frames, rather than the offscreen
  // platform's bare 800 × 800.
  const std::string config = QDir::tempPath().toStdString() + "/zentaro-hint-screen.json";
  std::ofstream(config)
      << R"({"windowFrameMargins": true, "screens": [{"name": "main", "x": 0, "y": 0,
      "width": 1280, "height": 900, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
  QApplication app(argc, argv);
  HintWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HintWindow_test.moc"
