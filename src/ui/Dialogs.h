#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/Clock.h"
#include "app/NewPuzzle.h"
#include "core/MessageBox.h"

namespace zentaro::ui {

// The program's message box: the title and icon of its kind and the
// buttons of its bit set. Closing it without a button (Escape where there
// is no Cancel, or the window's close box) counts as Cancel.
class MessageBox : public QMessageBox {
  Q_OBJECT

 public:
  MessageBox(const std::string& text, core::MsgKind kind, unsigned buttons,
             QWidget* parent = nullptr);

  // Ok, Yes, No, or Cancel for Cancel and for closing, after the box has run.
  core::ModalResult Result() const;
  core::MsgButtonSet Buttons() const { return buttons_; }
  // The push button standing for b, or null when the box does not show it.
  QAbstractButton* ButtonFor(core::MsgButton b) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  core::MsgButtonSet buttons_;
  bool closedWithoutButton_ = false;
};

// What every dialog of the program has: a close button but no minimise or
// maximise button, and a width that shows its whole title. Tool windows
// (the hint window) keep their own frame.
void GiveDialogLook(QDialog& dialog);
// The width a title bar needs for the title, its icon and its buttons.
int TitleBarWidth(const QString& title);
// The frame a window manager puts around a window, as far as it is known.
QMargins FrameMargins(const QWidget& window);

// Carriage returns, as the program's texts use them, become line breaks.
QString DisplayText(const std::string& text);

// The OK and Cancel buttons of a dialog in a row at the foot of `box`, OK the
// default button; they accept and reject the dialog. The row, given back with
// them, ends in a stretch only when `centred`.
struct OkCancelRow {
  QPushButton* ok;
  QPushButton* cancel;
  QHBoxLayout* row;
};
OkCancelRow AddOkCancelRow(QDialog& dialog, QBoxLayout& box, const QString& okText,
                           const QString& cancelText, bool centred = false);

// The three-button question: the program title as caption and buttons
// with captions of their own. Yes for the first, No for the second, Cancel
// for the third or for closing it.
class QuestionDialog : public QMessageBox {
  Q_OBJECT

 public:
  QuestionDialog(const std::string& caption, const std::string& text, const std::string& yesCaption,
                 const std::string& noCaption, const std::string& cancelCaption,
                 QWidget* parent = nullptr);

  core::ModalResult Result() const;

 private:
  QPushButton* yesButton_;
  QPushButton* noButton_;
  QPushButton* cancelButton_;
};

// The solved report. Accepted means "&New puzzle".
class SolvedReportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SolvedReportDialog(const app::SolvedReport& report, QWidget* parent = nullptr);

 private:
  QLabel* titleLabel_;
  QLabel* levelLabel_;
  QLabel* levelValue_;
  QLabel* timeLabel_;
  QLabel* timeValue_;
  QLabel* candidatesLabel_;
  QLabel* candidatesValue_;
  QLabel* tipsLabel_;
  QLabel* tipsValue_;
  QLabel* concreteTipsLabel_;
  QLabel* concreteTipsValue_;
  QLabel* solutionLabel_;
  QLabel* solutionValue_;
  QLabel* checksLabel_ = nullptr;  // only when the player checked for mistakes
  QLabel* checksValue_ = nullptr;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

// The level dialog of "New puzzle...": "&Random level" or only the levels
// checked. It stays open on OK while no level is chosen.
// The difficulty group of a level choice: any level, or the levels checked,
// whose boxes are enabled only then. The level dialog and the print-puzzles
// dialog share it.
class LevelGroup : public QGroupBox {
 public:
  LevelGroup(const app::LevelChoice& current, QWidget* parent);
  app::LevelChoice Choice() const;

 private:
  void FollowAnyLevel();

  QRadioButton* anyLevel_;
  QRadioButton* chosenLevels_;
  std::array<QCheckBox*, 5> levels_{};  // Level1..Level5
};

class LevelDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LevelDialog(const app::LevelChoice& current, QWidget* parent = nullptr);

  app::LevelChoice Choice() const;
  void done(int result) override;
  // Tells the user that a level is needed; set by the window.
  void SetEmptyChoiceRefusal(std::function<void()> refuse) {
    refuseEmptyChoice_ = std::move(refuse);
  }

 private:
  std::function<void()> refuseEmptyChoice_;
  LevelGroup* levelGroup_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

// The about box: product name, version, web site and support address.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(const QString& productName, QWidget* parent = nullptr);

 private:
  QLabel* productName_;
  QLabel* version_;
  QLabel* webSite_;  // the web site; a click opens it
  QLabel* support_;
  QPushButton* okButton_;
};

}  // namespace zentaro::ui
