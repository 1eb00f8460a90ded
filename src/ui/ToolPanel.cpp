#include "ui/ToolPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace zentaro::ui {

namespace {

QToolButton* StepButton(QWidget* parent, const char* name, IconKind icon) {
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
  emit Hovered();
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
  if (rect().contains(event->position().toPoint()) && commandEnabled_) emit Clicked();
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

  NewBut = new ToolImageButton(ToolButtonKind::NewPuzzle, this);
  NewBut->setObjectName("NewPuzzleImage");
  HintBut = new ToolImageButton(ToolButtonKind::Hint, this);
  HintBut->setObjectName("HintImage");
  CandidatesBut = new ToolImageButton(ToolButtonKind::Candidates, this);
  CandidatesBut->setObjectName("CandidatesImage");
  NoCandidatesBut = new ToolImageButton(ToolButtonKind::NoCandidates, this);
  NoCandidatesBut->setObjectName("NoCandidatesImage");
  for (ToolImageButton* image : Images()) {
    connect(image, &ToolImageButton::Hovered, this, [this, image] {
      for (ToolImageButton* other : Images())
        if (other != image) other->SetHot(false);
    });
  }

  StepPanel = new QWidget(this);
  StepPanel->setObjectName("StepPanel");
  StepPanel->setFixedWidth(kToolPictureWidth);
  auto* box = new QVBoxLayout(StepPanel);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(3);

  StepLab = new QLabel(StepPanel);
  StepLab->setObjectName("StepLab");
  box->addWidget(StepLab);
  auto* steps = new QHBoxLayout;
  steps->setSpacing(4);
  MoveFirstBut = StepButton(StepPanel, "MoveFirstBut", IconKind::MoveFirst);
  UndoBut = StepButton(StepPanel, "UndoBut", IconKind::Undo);
  RedoBut = StepButton(StepPanel, "RedoBut", IconKind::Redo);
  MoveLastBut = StepButton(StepPanel, "MoveLastBut", IconKind::MoveLast);
  for (QToolButton* b : {MoveFirstBut, UndoBut, RedoBut, MoveLastBut}) steps->addWidget(b);
  steps->addStretch();
  box->addLayout(steps);

  box->addSpacing(6);
  Bookmarklab = new QLabel(StepPanel);
  Bookmarklab->setObjectName("Bookmarklab");
  box->addWidget(Bookmarklab);
  auto* marks = new QHBoxLayout;
  marks->setSpacing(4);
  SetBookmarkBut = StepButton(StepPanel, "SetBookmarkBut", IconKind::SetBookmark);
  GoBookmarkBut = StepButton(StepPanel, "GoBookmarkBut", IconKind::GoBookmark);
  marks->addWidget(SetBookmarkBut);
  marks->addWidget(GoBookmarkBut);
  marks->addStretch();
  box->addLayout(marks);

  box->addSpacing(6);
  HighlightCaption = new QLabel(StepPanel);
  HighlightCaption->setObjectName("HighlightCaption");
  box->addWidget(HighlightCaption);
  auto* digits = new QHBoxLayout;
  digits->setSpacing(1);
  for (int d = 1; d <= 9; ++d) {
    auto* b = new QToolButton(StepPanel);
    b->setObjectName(QString("SpeedButton%1").arg(d));
    b->setText(QString::number(d));
    b->setCheckable(true);
    b->setFixedSize(20, 24);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, d] { OnHighlightButton(d); });
    HighlightButtons[d - 1] = b;
    digits->addWidget(b);
  }
  digits->addStretch();
  box->addLayout(digits);

  box->addSpacing(12);
  ClockPanel = new QWidget(StepPanel);
  ClockPanel->setObjectName("ClockPanel");
  ClockPanel->setFixedSize(104, 30);
  ClockPanel->setAutoFillBackground(true);
  auto* clockBox = new QHBoxLayout(ClockPanel);
  clockBox->setContentsMargins(4, 2, 4, 2);
  ClockLabel = new QLabel("00:00:00", ClockPanel);
  ClockLabel->setObjectName("ClockLabel");
  ClockLabel->setAlignment(Qt::AlignCenter);
  QFont clockFont = ClockLabel->font();
  clockFont.setPixelSize(15);
  clockFont.setBold(true);
  ClockLabel->setFont(clockFont);
  clockBox->addWidget(ClockLabel);
  box->addWidget(ClockPanel);
  StepPanel->adjustSize();

  // StepPanel and everything on it report the mouse to the panel.
  StepPanel->setMouseTracking(true);
  StepPanel->installEventFilter(this);
  for (QWidget* w : StepPanel->findChildren<QWidget*>()) {
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
  StepPanel->move(left, top - 4 + 20);
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
  QPalette clock = ClockPanel->palette();
  clock.setColor(QPalette::Window, background);
  ClockPanel->setPalette(clock);
  for (QLabel* label : {StepLab, Bookmarklab, HighlightCaption}) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
}

void ToolPanel::SetClockColor(const QColor& color) {
  QPalette pal = ClockLabel->palette();
  pal.setColor(QPalette::WindowText, color);
  ClockLabel->setPalette(pal);
}

void ToolPanel::SetHighlightDown(int digit) {
  for (int d = 1; d <= 9; ++d) {
    QToolButton* b = HighlightButtons[d - 1];
    b->setChecked(d == digit);
    QFont f = b->font();
    f.setBold(d == digit);
    b->setFont(f);
  }
}

void ToolPanel::OnHighlightButton(int digit) {
  const bool down = HighlightButtons[digit - 1]->isChecked();
  SetHighlightDown(down ? digit : 0);
  emit HighlightClicked(digit, down);
}

void ToolPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
    emit DeselectRequested();
}

void ToolPanel::mouseMoveEvent(QMouseEvent*) {
  HideHotPictures();
  emit MouseOverBackground();
}

bool ToolPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    HideHotPictures();
    emit MouseOverBackground();
  } else if (event->type() == QEvent::MouseButtonPress) {
    const bool label = watched == StepLab || watched == Bookmarklab || watched == HighlightCaption;
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (label || (watched == StepPanel && (button == Qt::LeftButton || button == Qt::RightButton)))
      emit DeselectRequested();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zentaro::ui
