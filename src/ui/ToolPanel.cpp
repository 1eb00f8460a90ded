#include "ui/ToolPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace zentaro::ui {

namespace {

QToolButton* NewStepButton(QWidget* parent, const char* name, IconKind icon) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setIcon(MakeIcon(icon));
  b->setIconSize(QSize(20, 20));
  b->setFixedSize(32, 28);
  b->setAutoRaise(false);
  // The keyboard belongs to the board.
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

// ---------------------------------------------------------------------------

ToolImageButton::ToolImageButton(ToolButtonKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), caption_(ToolCaption(kind)) {
  setFixedSize(kToolPictureWidth, kToolPictureHeight);
  setMouseTracking(true);
  setAccessibleName(caption_);
}

ToolPictureState ToolImageButton::ShownPicture() const {
  // A panel locked during a generation shows its buttons disabled too.
  if (pressed_ || !commandEnabled_ || !isEnabled()) return ToolPictureState::Disabled;
  return hot_ ? ToolPictureState::Hot : ToolPictureState::Normal;
}

void ToolImageButton::SetCommandEnabled(bool enabled) {
  if (commandEnabled_ == enabled) return;
  commandEnabled_ = enabled;
  if (!enabled) hot_ = false;
  update();
}

void ToolImageButton::SetHot(bool hot) {
  hot = hot && commandEnabled_;
  if (hot_ == hot) return;
  hot_ = hot;
  update();
}

void ToolImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintToolPicture(p, kind_, ShownPicture(), caption_);
}

void ToolImageButton::mouseMoveEvent(QMouseEvent*) {
  if (!commandEnabled_) return;
  emit hovered();
  SetHot(true);
}

void ToolImageButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !commandEnabled_) return;
  hot_ = true;
  pressed_ = true;
  update();
}

void ToolImageButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint()) && commandEnabled_) emit clicked();
}

void ToolImageButton::leaveEvent(QEvent*) {
  SetHot(false);
}

// ---------------------------------------------------------------------------

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("ToolPanel");
  setFixedWidth(kPanelWidth);
  setMouseTracking(true);
  setAutoFillBackground(true);

  newPicture_ = new ToolImageButton(ToolButtonKind::NewPuzzle, this);
  newPicture_->setObjectName("NewPuzzleImage");
  hintPicture_ = new ToolImageButton(ToolButtonKind::Hint, this);
  hintPicture_->setObjectName("HintImage");
  candidatesPicture_ = new ToolImageButton(ToolButtonKind::Candidates, this);
  candidatesPicture_->setObjectName("CandidatesImage");
  noCandidatesPicture_ = new ToolImageButton(ToolButtonKind::NoCandidates, this);
  noCandidatesPicture_->setObjectName("NoCandidatesImage");
  for (ToolImageButton* image : Images()) {
    connect(image, &ToolImageButton::hovered, this, [this, image] {
      for (ToolImageButton* other : Images())
        if (other != image) other->SetHot(false);
    });
  }

  stepPanel_ = new QWidget(this);
  stepPanel_->setObjectName("StepPanel");
  stepPanel_->setFixedWidth(kToolPictureWidth);
  auto* box = new QVBoxLayout(stepPanel_);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(3);

  stepLabel_ = new QLabel(stepPanel_);
  stepLabel_->setObjectName("StepLabel");
  box->addWidget(stepLabel_);
  auto* steps = new QHBoxLayout;
  steps->setSpacing(4);
  firstStepButton_ = NewStepButton(stepPanel_, "FirstStepButton", IconKind::MoveFirst);
  undoButton_ = NewStepButton(stepPanel_, "UndoButton", IconKind::Undo);
  redoButton_ = NewStepButton(stepPanel_, "RedoButton", IconKind::Redo);
  lastStepButton_ = NewStepButton(stepPanel_, "LastStepButton", IconKind::MoveLast);
  for (QToolButton* b : {firstStepButton_, undoButton_, redoButton_, lastStepButton_})
    steps->addWidget(b);
  steps->addStretch();
  box->addLayout(steps);

  box->addSpacing(6);
  bookmarkLabel_ = new QLabel(stepPanel_);
  bookmarkLabel_->setObjectName("BookmarkLabel");
  box->addWidget(bookmarkLabel_);
  auto* marks = new QHBoxLayout;
  marks->setSpacing(4);
  setBookmarkButton_ = NewStepButton(stepPanel_, "SetBookmarkButton", IconKind::SetBookmark);
  goBookmarkButton_ = NewStepButton(stepPanel_, "GoBookmarkButton", IconKind::GoBookmark);
  marks->addWidget(setBookmarkButton_);
  marks->addWidget(goBookmarkButton_);
  marks->addStretch();
  box->addLayout(marks);

  box->addSpacing(6);
  highlightLabel_ = new QLabel(stepPanel_);
  highlightLabel_->setObjectName("HighlightLabel");
  box->addWidget(highlightLabel_);
  auto* digits = new QHBoxLayout;
  digits->setSpacing(1);
  for (int d = 1; d <= 9; ++d) {
    auto* b = new QToolButton(stepPanel_);
    b->setObjectName(QString("HighlightButton%1").arg(d));
    b->setText(QString::number(d));
    b->setCheckable(true);
    b->setFixedSize(20, 24);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, d] { OnHighlightButton(d); });
    highlightButtons_[d - 1] = b;
    digits->addWidget(b);
  }
  digits->addStretch();
  box->addLayout(digits);

  box->addSpacing(12);
  clockPanel_ = new QWidget(stepPanel_);
  clockPanel_->setObjectName("ClockPanel");
  clockPanel_->setFixedSize(104, 30);
  clockPanel_->setAutoFillBackground(true);
  auto* clockBox = new QHBoxLayout(clockPanel_);
  clockBox->setContentsMargins(4, 2, 4, 2);
  clockLabel_ = new QLabel("00:00:00", clockPanel_);
  clockLabel_->setObjectName("ClockLabel");
  clockLabel_->setAlignment(Qt::AlignCenter);
  QFont clockFont = clockLabel_->font();
  clockFont.setPixelSize(15);
  clockFont.setBold(true);
  clockLabel_->setFont(clockFont);
  clockBox->addWidget(clockLabel_);
  box->addWidget(clockPanel_);
  stepPanel_->adjustSize();

  // StepPanel and everything on it report the mouse to the panel.
  stepPanel_->setMouseTracking(true);
  stepPanel_->installEventFilter(this);
  for (QWidget* w : stepPanel_->findChildren<QWidget*>()) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }

  SetColors(QColor(0, 80, 100), QColor(0, 190, 205));
  LayoutImages(44);
}

void ToolPanel::LayoutImages(int firstTop) {
  const int left = (kPanelWidth - kToolPictureWidth) / 2;
  int top = firstTop;
  for (ToolImageButton* image : Images()) {
    image->move(left, top);
    top += kToolPictureHeight + 4;
  }
  stepPanel_->move(left, top - 4 + 20);
}

ToolImageButton* ToolPanel::Picture(PanelSlot slot) const {
  switch (slot) {
    case PanelSlot::NewPicture:
      return newPicture_;
    case PanelSlot::HintPicture:
      return hintPicture_;
    case PanelSlot::CandidatesPicture:
      return candidatesPicture_;
    case PanelSlot::NoCandidatesPicture:
      return noCandidatesPicture_;
    default:
      return nullptr;
  }
}

QToolButton* ToolPanel::StepButton(PanelSlot slot) const {
  switch (slot) {
    case PanelSlot::FirstStep:
      return firstStepButton_;
    case PanelSlot::Undo:
      return undoButton_;
    case PanelSlot::Redo:
      return redoButton_;
    case PanelSlot::LastStep:
      return lastStepButton_;
    case PanelSlot::SetBookmark:
      return setBookmarkButton_;
    case PanelSlot::GoBookmark:
      return goBookmarkButton_;
    default:
      return nullptr;
  }
}

void ToolPanel::SetCaptions(const QString& step, const QString& bookmark,
                            const QString& highlight) {
  stepLabel_->setText(step);
  bookmarkLabel_->setText(bookmark);
  highlightLabel_->setText(highlight);
}

void ToolPanel::HideHotPictures() {
  for (ToolImageButton* image : Images()) image->SetHot(false);
}

void ToolPanel::SetColors(const QColor& background, const QColor& text) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, background);
  pal.setColor(QPalette::WindowText, text);
  setPalette(pal);
  // The clock's panel takes the window colour, like the rest of the panel.
  QPalette clock = clockPanel_->palette();
  clock.setColor(QPalette::Window, background);
  clockPanel_->setPalette(clock);
  for (QLabel* label : {stepLabel_, bookmarkLabel_, highlightLabel_}) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
}

void ToolPanel::SetClockColor(const QColor& color) {
  QPalette pal = clockLabel_->palette();
  pal.setColor(QPalette::WindowText, color);
  clockLabel_->setPalette(pal);
}

void ToolPanel::SetHighlightDown(int digit) {
  for (int d = 1; d <= 9; ++d) {
    QToolButton* b = highlightButtons_[d - 1];
    b->setChecked(d == digit);
    QFont f = b->font();
    f.setBold(d == digit);
    b->setFont(f);
  }
}

void ToolPanel::OnHighlightButton(int digit) {
  const bool down = highlightButtons_[digit - 1]->isChecked();
  SetHighlightDown(down ? digit : 0);
  emit highlightClicked(digit, down);
}

void ToolPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
    emit deselectRequested();
}

void ToolPanel::mouseMoveEvent(QMouseEvent*) {
  HideHotPictures();
  emit mouseOverBackground();
}

bool ToolPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    HideHotPictures();
    emit mouseOverBackground();
  } else if (event->type() == QEvent::MouseButtonPress) {
    const bool label =
        watched == stepLabel_ || watched == bookmarkLabel_ || watched == highlightLabel_;
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (label || (watched == stepPanel_ && (button == Qt::LeftButton || button == Qt::RightButton)))
      emit deselectRequested();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zentaro::ui
