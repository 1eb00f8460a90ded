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
  if (pressed_ || !commandEnabled_) return ToolPictureState::Disabled;
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
  setObjectName("Panel1");
  setFixedWidth(kPanelWidth);
  setMouseTracking(true);
  setAutoFillBackground(true);

  NewBut = new ToolImageButton(ToolButtonKind::NewPuzzle, this);
  NewBut->setObjectName("Image2");
  HintBut = new ToolImageButton(ToolButtonKind::Hint, this);
  HintBut->setObjectName("Image12");
  CandidatesBut = new ToolImageButton(ToolButtonKind::Candidates, this);
  CandidatesBut->setObjectName("Image6");
  NoCandidatesBut = new ToolImageButton(ToolButtonKind::NoCandidates, this);
  NoCandidatesBut->setObjectName("Image8");
  for (ToolImageButton* image : Images()) {
    connect(image, &ToolImageButton::Hovered, this, [this, image] {
      for (ToolImageButton* other : Images())
        if (other != image) other->SetHot(false);
    });
  }

  Panel4 = new QWidget(this);
  Panel4->setObjectName("Panel4");
  Panel4->setFixedWidth(kToolPictureWidth);
  auto* box = new QVBoxLayout(Panel4);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(3);

  StepLab = new QLabel(Panel4);
  StepLab->setObjectName("StepLab");
  box->addWidget(StepLab);
  auto* steps = new QHBoxLayout;
  steps->setSpacing(4);
  MoveFirstBut = StepButton(Panel4, "MoveFirstBut", IconKind::MoveFirst);
  UndoBut = StepButton(Panel4, "UndoBut", IconKind::Undo);
  RedoBut = StepButton(Panel4, "RedoBut", IconKind::Redo);
  MoveLastBut = StepButton(Panel4, "MoveLastBut", IconKind::MoveLast);
  for (QToolButton* b : {MoveFirstBut, UndoBut, RedoBut, MoveLastBut}) steps->addWidget(b);
  steps->addStretch();
  box->addLayout(steps);

  box->addSpacing(6);
  Bookmarklab = new QLabel(Panel4);
  Bookmarklab->setObjectName("Bookmarklab");
  box->addWidget(Bookmarklab);
  auto* marks = new QHBoxLayout;
  marks->setSpacing(4);
  SetBookmarkBut = StepButton(Panel4, "SetBookmarkBut", IconKind::SetBookmark);
  GoBookmarkBut = StepButton(Panel4, "GoBookmarkBut", IconKind::GoBookmark);
  marks->addWidget(SetBookmarkBut);
  marks->addWidget(GoBookmarkBut);
  marks->addStretch();
  box->addLayout(marks);

  box->addSpacing(6);
  Label7 = new QLabel(Panel4);
  Label7->setObjectName("Label7");
  box->addWidget(Label7);
  auto* digits = new QHBoxLayout;
  digits->setSpacing(1);
  for (int d = 1; d <= 9; ++d) {
    auto* b = new QToolButton(Panel4);
    b->setObjectName(QString("SpeedButton%1").arg(d));
    b->setText(QString::number(d));
    b->setCheckable(true);
    b->setFixedSize(20, 24);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, d] { OnHighlightButton(d); });
    SpeedButtons[d - 1] = b;
    digits->addWidget(b);
  }
  digits->addStretch();
  box->addLayout(digits);

  box->addSpacing(12);
  Panel2 = new QWidget(Panel4);
  Panel2->setObjectName("Panel2");
  Panel2->setFixedSize(104, 30);
  Panel2->setAutoFillBackground(true);
  auto* clockBox = new QHBoxLayout(Panel2);
  clockBox->setContentsMargins(4, 2, 4, 2);
  NFixedLab = new QLabel("00:00:00", Panel2);
  NFixedLab->setObjectName("NFixedLab");
  NFixedLab->setAlignment(Qt::AlignCenter);
  QFont clockFont = NFixedLab->font();
  clockFont.setPixelSize(15);
  clockFont.setBold(true);
  NFixedLab->setFont(clockFont);
  clockBox->addWidget(NFixedLab);
  box->addWidget(Panel2);
  Panel4->adjustSize();

  // Panel4 and everything on it report the mouse to the panel.
  Panel4->setMouseTracking(true);
  Panel4->installEventFilter(this);
  for (QWidget* w : Panel4->findChildren<QWidget*>()) {
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
  Panel4->move(left, top - 4 + 20);
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
  QPalette clock = Panel2->palette();
  clock.setColor(QPalette::Window, background);
  Panel2->setPalette(clock);
  for (QLabel* label : {StepLab, Bookmarklab, Label7}) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
}

void ToolPanel::SetClockColor(const QColor& color) {
  QPalette pal = NFixedLab->palette();
  pal.setColor(QPalette::WindowText, color);
  NFixedLab->setPalette(pal);
}

void ToolPanel::SetHighlightDown(int digit) {
  for (int d = 1; d <= 9; ++d) {
    QToolButton* b = SpeedButtons[d - 1];
    b->setChecked(d == digit);
    QFont f = b->font();
    f.setBold(d == digit);
    b->setFont(f);
  }
}

void ToolPanel::OnHighlightButton(int digit) {
  const bool down = SpeedButtons[digit - 1]->isChecked();
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
    const bool label = watched == StepLab || watched == Bookmarklab || watched == Label7;
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (label || (watched == Panel4 && (button == Qt::LeftButton || button == Qt::RightButton)))
      emit DeselectRequested();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zentaro::ui
