#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "app/View.h"
#include "hints/Explanations.h"

namespace zentaro::ui {

// The hint window: a small tool window that stays on top, with the
// explanation of one hint stage in a read-only box, the stage's action
// button, "&Explain" and "&Close". Accepted means the action button. While
// it is shown its text wraps and it grows to fit; when it hides the box is
// cleared.
class HintWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HintWindow(QWidget* parent = nullptr);

  // Fills the box and the action button for the stage.
  void SetStage(const hints::HintStage& stage);
  // The plain text the box shows.
  QString BoxText() const { return textBox_->toPlainText(); }
  // Before the first stage of a hint: the place beside the board, an empty
  // box without wrapping or scroll bars.
  void Place(const QRect& rect);
  // The box's lines as they stand at its present width.
  int LineCount() const;
  // The window width at which every line of the stage's fixed-pitch block
  // shows whole, with room for a vertical scroll bar; 0 without a block.
  int FixedPitchLinesWidth() const;
  // The height of the text as laid out at the box's present width, in pixels,
  // its margins included.
  int TextHeight() const;

  static constexpr int kBoxFontPixels = 13;
  static constexpr int kButtonRow = 28;  // the box leaves this much below it

 signals:
  void helpRequested(int context);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void GrowToFit();
  void LayOut();
  void SetWrapping(bool on);

  int helpContext_ = core::kMainWindowHelpContext;
  int fixedFirstLine_ = -1, fixedLastLine_ = -1;  // the stage's block, -1 without
  QTextEdit* textBox_;
  QPushButton* actionButton_;
  QPushButton* helpButton_;
  QPushButton* closeButton_;
};

// The small progress window of the generator, which the hint search reuses.
class WaitDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WaitDialog(QWidget* parent = nullptr);

  // Shows the window's state: its title, lines, progress and Cancel button.
  void Show(const app::WaitWindow& window);

 signals:
  void cancelRequested();

 private:
  QLabel* line1Label_;
  QLabel* line2Label_;
  QProgressBar* progressBar_;
  QPushButton* cancelButton_;
};

}  // namespace zentaro::ui
