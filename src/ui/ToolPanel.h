#pragma once

#include <QImage>
#include <QLabel>
#include <QSpacerItem>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "ui/CommandTable.h"
#include "ui/Icons.h"

namespace zentaro::ui {

// The four picture buttons of the tool panel.
enum class ToolButtonKind { NewPuzzle, Hint, Candidates, NoCandidates };

// Normal, hot (mouse over, command enabled) and pressed-or-disabled.
enum class ToolPictureState { Normal, Hot, Disabled };

inline constexpr int kToolPictureWidth = 190;
inline constexpr int kToolPictureHeight = 50;

// Paints one tool picture into the 190 x 50 rectangle at the painter's
// origin: the picture file of the button and state (":/pictures/hint-hot.svg"
// and the like), drawn at any scale, and the caption beside its icon.
void PaintToolPicture(QPainter& p, ToolButtonKind kind, ToolPictureState state,
                      const QString& caption);

// The command caption a picture shows, from the string table.
QString ToolCaption(ToolButtonKind kind);

// One of the twelve named pictures ("NEW-NORM", "HINT-HI", "NO-CAND-DIS",
// ...) at the given device-pixel ratio; a null image for an unknown name.
QImage ToolPicture(const QString& name, qreal devicePixelRatio = 1.0);

// One picture button of the tool panel: the normal picture, the hot one
// while the mouse is over it and its command is enabled, and the
// pressed-or-disabled one while it is held down or its command is disabled.
class ToolImageButton : public QWidget {
  Q_OBJECT

 public:
  ToolImageButton(ToolButtonKind kind, QWidget* parent = nullptr);

  ToolButtonKind Kind() const { return kind_; }
  void SetCommandEnabled(bool enabled);
  void SetHot(bool hot);
  bool Hot() const { return hot_; }
  ToolPictureState ShownPicture() const;
  QString Caption() const { return caption_; }

  QSize sizeHint() const override { return size(); }

 signals:
  void clicked();
  void hovered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ToolButtonKind kind_;
  QString caption_;
  bool commandEnabled_ = true;
  bool hot_ = false;
  bool pressed_ = false;
};

// The right-hand panel: the four picture buttons and, below them,
// the step panel with the step and bookmark buttons, the highlight buttons and the
// clock.
class ToolPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPanelWidth = 220;

  explicit ToolPanel(QWidget* parent = nullptr);

  // The picture button or step button at a slot of the command table;
  // null for a slot of the other kind.
  ToolImageButton* Picture(PanelSlot slot) const;
  QToolButton* StepButton(PanelSlot slot) const;
  // Digit 1..9.
  QToolButton* HighlightButton(int digit) const { return highlightButtons_[digit - 1]; }
  bool HighlightButtonEnabled(int digit) const { return HighlightButton(digit)->isEnabled(); }
  void SetCaptions(const QString& step, const QString& bookmark, const QString& highlight);
  void SetClockText(const QString& text) { clockLabel_->setText(text); }
  void SetClockTip(const QString& tip) { clockLabel_->setToolTip(tip); }

  // Places the first picture level with the board's top (on screens taller
  // than 500 pixels) and stacks the rest below it.
  void LayoutImages(int firstTop);
  // Grows or shrinks the pictures, buttons, captions and clock with the
  // board; 1 is their own size.
  void SetScale(double scale);
  double Scale() const { return scale_; }
  // The panel's width at a scale.
  static int WidthAt(double scale) { return Scaled(kPanelWidth, scale); }
  // From the first picture's top to the clock's bottom, at scale 1.
  int ContentHeight() const { return contentHeight_; }
  void HideHotPictures();
  void SetColors(const QColor& background, const QColor& text);
  void SetClockColor(const QColor& color);
  // Shows digit 1..9 as the pressed highlight button, 0 for none.
  void SetHighlightDown(int digit);

 signals:
  // A click on the panel background, StepPanel or one of its labels.
  void deselectRequested();
  // The mouse moved over the panel away from the pictures.
  void mouseOverBackground();
  // A highlight button was clicked and is now down or up.
  void highlightClicked(int digit, bool down);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static int Scaled(int pixels, double scale) { return static_cast<int>(pixels * scale + 0.5); }
  void OnHighlightButton(int digit);
  std::array<ToolImageButton*, 4> Images() const {
    return {newPicture_, hintPicture_, candidatesPicture_, noCandidatesPicture_};
  }

  // Each shows its picture, lit while the mouse is over it, and pressed.
  ToolImageButton* newPicture_;
  ToolImageButton* hintPicture_;
  ToolImageButton* candidatesPicture_;
  ToolImageButton* noCandidatesPicture_;

  QWidget* stepPanel_;
  QLabel* stepLabel_;
  QLabel* bookmarkLabel_;
  QLabel* highlightLabel_;
  QToolButton* firstStepButton_;
  QToolButton* undoButton_;
  QToolButton* redoButton_;
  QToolButton* lastStepButton_;
  QToolButton* setBookmarkButton_;
  QToolButton* goBookmarkButton_;
  std::array<QToolButton*, 9> highlightButtons_{};
  QWidget* clockPanel_;
  QLabel* clockLabel_;
  // The gaps of the step panel, which grow with the rest.
  std::array<QSpacerItem*, 3> gaps_{};
  QFont labelFont_, buttonFont_, clockFont_;
  double scale_ = 1.0;
  int firstTop_ = 44;
  int contentHeight_ = 0;
};

}  // namespace zentaro::ui
