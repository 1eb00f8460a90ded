#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "hints/Explanations.h"

namespace zentaro::ui {

// The hint window: the explanation of one hint stage in a read-only box,
// with the stage's action button, "&Explain" and "&Close". Accepted means
// the action button.
class HintWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HintWindow(QWidget* parent = nullptr);

  // Fills the box and the action button for the stage.
  void SetStage(const hints::HintStage& stage);
  // The plain text the box shows.
  QString BoxText() const { return TextBox->toPlainText(); }

  QTextEdit* TextBox;
  QPushButton* ActionBut;
  QPushButton* HelpBut;
  QPushButton* CancelBut;

 signals:
  void HelpRequested(int context);

 private:
  int helpContext_ = hints::kMainWindowHelpContext;
};

// The small progress window of the generator, which the hint search reuses.
class WaitDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WaitDialog(QWidget* parent = nullptr);

  QLabel* Line1Lab;
  QLabel* Line2Lab;
  QProgressBar* ProgressBar;
  QPushButton* CancelBtn;
};

}  // namespace zentaro::ui
