// The program's message box on QMessageBox: title and icon of each kind,
// the buttons of each bit set, and the result of each way of leaving it,
// driven through the real modal loop.

#include "core/MessageBox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/Dialogs.h"

using namespace zentaro;
using core::MsgButton;
using core::MsgKind;

namespace {

// Runs the box modally and lets `act` handle it once it is on screen; the
// number of the modal result it gave.
int RunAndAct(ui::MessageBox& box, std::function<void(ui::MessageBox&)> act) {
  QTimer::singleShot(0, &box, [&box, act] { act(box); });
  box.exec();
  return static_cast<int>(box.Result());
}

QStringList ButtonTexts(const ui::MessageBox& box) {
  QStringList texts;
  const core::MsgButtonSet set = box.Buttons();
  for (std::size_t i = 0; i < set.count; ++i)
    texts << box.ButtonFor(set.buttons[i])->text().remove('&');
  return texts;
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void KindGivesTitleAndIcon_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::newRow("warning") << 0 << "Warning" << int(QMessageBox::Warning);
    QTest::newRow("error") << 1 << "Error" << int(QMessageBox::Critical);
    QTest::newRow("information") << 2 << "Information" << int(QMessageBox::Information);
    QTest::newRow("confirmation") << 3 << "Confirmation" << int(QMessageBox::Question);
  }
  void KindGivesTitleAndIcon() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(int, icon);
    ui::MessageBox box("text", static_cast<MsgKind>(kind), core::kButtonsOk);
    QCOMPARE(box.windowTitle(), title);
    QCOMPARE(int(box.icon()), icon);
  }

  void BitsGiveButtons_data() {
    QTest::addColumn<unsigned>("bits");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("4 ok") << 4u << QStringList{"OK"};
    QTest::newRow("4+8 ok cancel") << 12u << QStringList{"OK", "Cancel"};
    QTest::newRow("1 yes no") << 1u << QStringList{"Yes", "No"};
    QTest::newRow("1+8 yes no cancel") << 9u << QStringList{"Yes", "No", "Cancel"};
    QTest::newRow("1+4 yes wins") << 5u << QStringList{"Yes", "No"};
  }
  void BitsGiveButtons() {
    QFETCH(unsigned, bits);
    QFETCH(QStringList, buttons);
    ui::MessageBox box("text", MsgKind::Confirmation, bits);
    QCOMPARE(ButtonTexts(box), buttons);
    QCOMPARE(box.buttons().size(), buttons.size());
  }

  void PressedButtonGivesItsResult_data() {
    QTest::addColumn<unsigned>("bits");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("ok") << 4u << int(MsgButton::Ok) << 1;
    QTest::newRow("cancel") << 12u << int(MsgButton::Cancel) << 2;
    QTest::newRow("yes") << 9u << int(MsgButton::Yes) << 6;
    QTest::newRow("no") << 9u << int(MsgButton::No) << 7;
    QTest::newRow("no of two") << 1u << int(MsgButton::No) << 7;
  }
  void PressedButtonGivesItsResult() {
    QFETCH(unsigned, bits);
    QFETCH(int, button);
    QFETCH(int, result);
    ui::MessageBox box("text", MsgKind::Confirmation, bits);
    const int got = RunAndAct(box, [button](ui::MessageBox& b) {
      QTest::mouseClick(b.ButtonFor(static_cast<MsgButton>(button)), Qt::LeftButton);
    });
    QCOMPARE(got, result);
  }

  // Escape and the close box leave without a button: Cancel (2), also where
  // Qt would have taken them for "No" or "OK".
  void LeavingWithoutAButtonGivesCancel_data() {
    QTest::addColumn<unsigned>("bits");
    QTest::addColumn<bool>("escape");
    for (unsigned bits : {1u, 4u, 9u, 12u}) {
      QTest::addRow("escape %u", bits) << bits << true;
      QTest::addRow("close %u", bits) << bits << false;
    }
  }
  void LeavingWithoutAButtonGivesCancel() {
    QFETCH(unsigned, bits);
    QFETCH(bool, escape);
    ui::MessageBox box("text", MsgKind::Confirmation, bits);
    const int got = RunAndAct(box, [escape](ui::MessageBox& b) {
      if (escape)
        QTest::keyClick(&b, Qt::Key_Escape);
      else
        b.close();
      // Whatever Qt made of it, the box must be gone.
      if (b.isVisible()) b.done(QDialog::Rejected);
    });
    QCOMPARE(got, 2);
  }

  void CarriageReturnsBreakLines() {
    ui::MessageBox box(std::string("Unknown file format:") + '\r' + "/tmp/x.txt", MsgKind::Error,
                       core::kButtonsOk);
    QCOMPARE(box.text(), QString("Unknown file format:\n/tmp/x.txt"));
    // Blanks that widen the box are kept.
    ui::MessageBox padded("  File write error.  ", MsgKind::Error, core::kButtonsOk);
    QCOMPARE(padded.text(), QString("  File write error.  "));
  }

  void ThreeButtonQuestionHasItsOwnCaptions() {
    ui::QuestionDialog dialog("Zentaro", "Which?", "C&urrent", "C&omputed", "Cancel");
    QCOMPARE(dialog.windowTitle(), QString("Zentaro"));
    QCOMPARE(dialog.findChild<QPushButton*>("YesButton")->text(), QString("C&urrent"));
    QCOMPARE(dialog.findChild<QPushButton*>("NoButton")->text(), QString("C&omputed"));
    QTimer::singleShot(0, &dialog, [&] {
      QTest::mouseClick(dialog.findChild<QPushButton*>("NoButton"), Qt::LeftButton);
    });
    dialog.exec();
    QCOMPARE(static_cast<int>(dialog.Result()), 7);
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    dialog.exec();
    QCOMPARE(static_cast<int>(dialog.Result()), 2);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBox_test.moc"
