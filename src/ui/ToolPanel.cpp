#include "ui/ToolPanel.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <array>

#include "core/StringTable.h"

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

const char* FileStem(ToolButtonKind kind) {
  switch (kind) {
    case ToolButtonKind::NewPuzzle:
      return "new";
    case ToolButtonKind::Hint:
      return "hint";
    case ToolButtonKind::Candidates:
      return "candidates";
    case ToolButtonKind::NoCandidates:
      break;
  }
  return "no-candidates";
}

const char* StateSuffix(ToolPictureState state) {
  switch (state) {
    case ToolPictureState::Normal:
      return "normal";
    case ToolPictureState::Hot:
      return "hot";
    case ToolPictureState::Disabled:
      break;
  }
  return "disabled";
}

}  // namespace

void PaintToolPicture(QPainter& p, ToolButtonKind kind, ToolPictureState state,
                      const QString& caption) {
  QSvgRenderer picture(QString(":/pictures/%1-%2.svg").arg(FileStem(kind), StateSuffix(state)));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  picture.render(&p, QRectF(0, 0, kToolPictureWidth, kToolPictureHeight));

  // The caption, on two lines when one is too narrow; the text's colour is
  // the picture's, lighter when lit and greyed when disabled.
  const QColor text = state == ToolPictureState::Normal ? QColor(235, 248, 248)
                      : state == ToolPictureState::Hot  ? QColor(255, 255, 255)
                                                        : QColor(168, 176, 178);
  const QRectF textBox(56, 4, kToolPictureWidth - 64, kToolPictureHeight - 8);
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(15);
  font.setBold(true);
  p.setFont(font);
  p.setPen(text);
  if (QFontMetricsF(font).horizontalAdvance(caption) > textBox.width()) {
    font.setPixelSize(14);
    p.setFont(font);
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
  } else {
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, caption);
  }
  p.restore();
}

QString ToolCaption(ToolButtonKind kind) {
  core::Text id = core::Text::NewPuzzleItem;
  switch (kind) {
    case ToolButtonKind::NewPuzzle:
      id = core::Text::NewPuzzleItem;
      break;
    case ToolButtonKind::Hint:
      id = core::Text::HintItem;
      break;
    case ToolButtonKind::Candidates:
      id = core::Text::FillCandidatesItem;
      break;
    case ToolButtonKind::NoCandidates:
      id = core::Text::RemoveCandidatesItem;
      break;
  }
  QString text = QString::fromStdString(core::LoadText(id));
  text.remove('&');
  if (text.endsWith("...")) text.chop(3);
  return text;
}

QImage ToolPicture(const QString& name, qreal devicePixelRatio) {
  static const std::array<std::pair<const char*, ToolButtonKind>, 4> kinds{{
      {"NEW", ToolButtonKind::NewPuzzle},
      {"HINT", ToolButtonKind::Hint},
      {"CANDIDATES", ToolButtonKind::Candidates},
      {"NO-CAND", ToolButtonKind::NoCandidates},
  }};
  static const std::array<std::pair<const char*, ToolPictureState>, 3> states{{
      {"NORM", ToolPictureState::Normal},
      {"HI", ToolPictureState::Hot},
      {"DIS", ToolPictureState::Disabled},
  }};
  const int dash = name.lastIndexOf('-');
  if (dash < 0) return {};
  for (const auto& [prefix, kind] : kinds) {
    if (name.left(dash) != prefix) continue;
    for (const auto& [suffix, state] : states) {
      if (name.mid(dash + 1) != suffix) continue;
      QImage image(QSize(kToolPictureWidth, kToolPictureHeight) * devicePixelRatio,
                   QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(devicePixelRatio);
      image.fill(Qt::transparent);
      QPainter p(&image);
      PaintToolPicture(p, kind, state, ToolCaption(kind));
      return image;
    }
  }
  return {};
}

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
  // The picture is drawn from its outlines, so it stays sharp at any size.
  if (width() != kToolPictureWidth || height() != kToolPictureHeight)
    p.scale(width() / double(kToolPictureWidth), height() / double(kToolPictureHeight));
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

  // Spacers as addSpacing() makes them, kept to grow with the panel.
  auto gap = [box](int pixels) {
    auto* item = new QSpacerItem(0, pixels, QSizePolicy::Minimum, QSizePolicy::Fixed);
    box->addSpacerItem(item);
    return item;
  };
  gaps_[0] = gap(6);
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

  gaps_[1] = gap(6);
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

  gaps_[2] = gap(12);
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
  labelFont_ = stepLabel_->font();
  buttonFont_ = highlightButtons_[0]->font();
  clockFont_ = clockFont;
  contentHeight_ = 4 * kToolPictureHeight + 3 * 4 + 20 + stepPanel_->height();
  LayoutImages(44);
}

void ToolPanel::LayoutImages(int firstTop) {
  firstTop_ = firstTop;
  const int pictureWidth = Scaled(kToolPictureWidth, scale_);
  const int left = (width() - pictureWidth) / 2;
  const int gap = Scaled(4, scale_);
  int top = firstTop;
  for (ToolImageButton* image : Images()) {
    image->move(left, top);
    top += image->height() + gap;
  }
  stepPanel_->move(left, top - gap + Scaled(20, scale_));
}

void ToolPanel::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  const auto at = [scale](int pixels) { return Scaled(pixels, scale); };
  // At scale 1 every font is the one the panel was made with.
  const auto font = [scale](QFont f) {
    if (scale == 1.0) return f;
    if (f.pixelSize() > 0)
      f.setPixelSize(std::max(1, Scaled(f.pixelSize(), scale)));
    else
      f.setPointSizeF(f.pointSizeF() * scale);
    return f;
  };
  setFixedWidth(at(kPanelWidth));
  for (ToolImageButton* image : Images())
    image->setFixedSize(at(kToolPictureWidth), at(kToolPictureHeight));

  stepPanel_->setFixedWidth(at(kToolPictureWidth));
  auto* box = static_cast<QVBoxLayout*>(stepPanel_->layout());
  box->setSpacing(at(3));
  for (std::size_t i = 0; i < gaps_.size(); ++i)
    gaps_[i]->changeSize(0, at(i < 2 ? 6 : 12), QSizePolicy::Minimum, QSizePolicy::Fixed);
  for (QLabel* label : {stepLabel_, bookmarkLabel_, highlightLabel_}) label->setFont(font(labelFont_));
  for (QToolButton* b : {firstStepButton_, undoButton_, redoButton_, lastStepButton_,
                         setBookmarkButton_, goBookmarkButton_}) {
    b->setFixedSize(at(32), at(28));
    b->setIconSize(QSize(at(20), at(20)));
  }
  for (QToolButton* b : highlightButtons_) {
    const bool bold = b->font().bold();
    QFont f = font(buttonFont_);
    f.setBold(bold);
    b->setFont(f);
    b->setFixedSize(at(20), at(24));
  }
  for (int i = 0; i < box->count(); ++i)
    if (auto* row = qobject_cast<QHBoxLayout*>(box->itemAt(i)->layout()))
      row->setSpacing(row->indexOf(highlightButtons_[0]) >= 0 ? at(1) : at(4));
  clockPanel_->setFixedSize(at(104), at(30));
  clockPanel_->layout()->setContentsMargins(at(4), at(2), at(4), at(2));
  clockLabel_->setFont(font(clockFont_));
  box->invalidate();
  box->activate();
  stepPanel_->adjustSize();
  LayoutImages(firstTop_);
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
