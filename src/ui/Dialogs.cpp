#include "ui/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "files/SdkFile.h"
#include "rating/Rating.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

using core::MsgButton;

namespace {

QMessageBox::Icon IconOf(core::MsgKind kind) {
  switch (core::MsgIconOf(kind)) {
    case core::MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case core::MsgIcon::Stop:
      return QMessageBox::Critical;
    case core::MsgIcon::Information:
      return QMessageBox::Information;
    case core::MsgIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButton StandardOf(MsgButton b) {
  switch (b) {
    case MsgButton::Ok:
      return QMessageBox::Ok;
    case MsgButton::Cancel:
      return QMessageBox::Cancel;
    case MsgButton::Yes:
      return QMessageBox::Yes;
    case MsgButton::No:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  s.replace(QChar(core::kLineBreak), '\n');
  return s;
}

OkCancelRow AddOkCancelRow(QDialog& dialog, QBoxLayout& box, const QString& okText,
                           const QString& cancelText, bool centred) {
  OkCancelRow r{new QPushButton(okText, &dialog), new QPushButton(cancelText, &dialog),
                new QHBoxLayout};
  r.ok->setObjectName("OkButton");
  r.ok->setDefault(true);
  r.cancel->setObjectName("CancelButton");
  r.row->addStretch();
  r.row->addWidget(r.ok);
  r.row->addWidget(r.cancel);
  if (centred) r.row->addStretch();
  box.addLayout(r.row);
  QObject::connect(r.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(r.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  return r;
}

MessageBox::MessageBox(const std::string& text, core::MsgKind kind, unsigned buttons,
                       QWidget* parent)
    : QMessageBox(parent), buttons_(core::ResolveButtons(buttons)) {
  setObjectName("MessageBox");
  setWindowTitle(QString::fromUtf8(core::MsgTitle(kind).data(),
                                   static_cast<int>(core::MsgTitle(kind).size())));
  setIcon(IconOf(kind));
  setText(DisplayText(text));
  setTextFormat(Qt::PlainText);
  for (std::size_t i = 0; i < buttons_.count; ++i) addButton(StandardOf(buttons_.buttons[i]));
  setDefaultButton(static_cast<QPushButton*>(ButtonFor(buttons_.buttons[0])));
  if (buttons_.Contains(MsgButton::Cancel)) setEscapeButton(ButtonFor(MsgButton::Cancel));
}

QAbstractButton* MessageBox::ButtonFor(MsgButton b) const {
  return buttons_.Contains(b) ? button(StandardOf(b)) : nullptr;
}

core::ModalResult MessageBox::Result() const {
  if (closedWithoutButton_ || !clickedButton()) return core::MsgResult(buttons_, std::nullopt);
  for (MsgButton b : {MsgButton::Ok, MsgButton::Cancel, MsgButton::Yes, MsgButton::No})
    if (clickedButton() == ButtonFor(b)) return core::MsgResult(buttons_, b);
  return core::MsgResult(buttons_, std::nullopt);
}

void MessageBox::keyPressEvent(QKeyEvent* event) {
  // Qt would take Escape as "No" or "OK"; here it closes the box.
  if (event->key() == Qt::Key_Escape && !buttons_.Contains(MsgButton::Cancel)) {
    closedWithoutButton_ = true;
    reject();
    return;
  }
  QMessageBox::keyPressEvent(event);
}

void MessageBox::closeEvent(QCloseEvent* event) {
  if (!clickedButton()) closedWithoutButton_ = true;
  QDialog::closeEvent(event);
}

// ---------------------------------------------------------------------------

QMargins FrameMargins(const QWidget& window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

int TitleBarWidth(const QString& title) {
  // Window managers draw titles bold and a little larger than the dialog's
  // text; the icon and the close button take about 100 pixels beside them.
  QFont font = QApplication::font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.1);
  return QFontMetrics(font).horizontalAdvance(title) + 100;
}

void GiveDialogLook(QDialog& dialog) {
  if (dialog.windowType() == Qt::Tool) return;
  const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  const Qt::WindowFlags flags =
      (dialog.windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)) |
      frame;
  if (flags != dialog.windowFlags()) dialog.setWindowFlags(flags);
  const int wanted = TitleBarWidth(dialog.windowTitle());
  if (dialog.minimumWidth() < wanted) dialog.setMinimumWidth(wanted);
}

// ---------------------------------------------------------------------------

QuestionDialog::QuestionDialog(const std::string& caption, const std::string& text,
                               const std::string& yesCaption, const std::string& noCaption,
                               const std::string& cancelCaption, QWidget* parent)
    : QMessageBox(parent) {
  setObjectName("YesNoDlg");
  setWindowTitle(QString::fromStdString(caption));
  setIcon(QMessageBox::Question);
  setTextFormat(Qt::PlainText);
  setText(DisplayText(text));
  yesButton_ = addButton(QString::fromStdString(yesCaption), QMessageBox::YesRole);
  noButton_ = addButton(QString::fromStdString(noCaption), QMessageBox::NoRole);
  cancelButton_ = addButton(QString::fromStdString(cancelCaption), QMessageBox::RejectRole);
  yesButton_->setObjectName("YesButton");
  noButton_->setObjectName("NoButton");
  cancelButton_->setObjectName("CancelButton");
  setDefaultButton(yesButton_);
  setEscapeButton(cancelButton_);
}

core::ModalResult QuestionDialog::Result() const {
  if (clickedButton() == yesButton_) return core::ModalResult::Yes;
  if (clickedButton() == noButton_) return core::ModalResult::No;
  return core::ModalResult::Cancel;
}

// ---------------------------------------------------------------------------

SolvedReportDialog::SolvedReportDialog(const app::SolvedReport& report, QWidget* parent)
    : QDialog(parent) {
  setObjectName("SolvedReportDialog");
  setWindowTitle(QString::fromStdString(report.caption));
  setWindowOpacity(253.0 / 255.0);
  setFixedSize(380, report.checks.empty() ? 218 : 240);

  auto* outer = new QVBoxLayout(this);
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Sunken);
  outer->addWidget(frame);
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(4);

  auto label = [this](const char* name, Qt::Alignment align) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
  };
  titleLabel_ = label("TitleLab", Qt::AlignHCenter);
  QFont bold = titleLabel_->font();
  bold.setBold(true);
  bold.setPixelSize(15);
  titleLabel_->setFont(bold);
  grid->addWidget(titleLabel_, 0, 0, 1, 2);

  int row = 1;
  auto pair = [&](QLabel*& caption, const char* captionName, QLabel*& value,
                  const char* valueName) {
    caption = label(captionName, Qt::AlignRight);
    value = label(valueName, Qt::AlignLeft);
    QFont f = value->font();
    f.setBold(true);
    value->setFont(f);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    ++row;
  };
  pair(levelLabel_, "LevelLab", levelValue_, "NLevel");
  pair(timeLabel_, "TimeLab", timeValue_, "NTime");
  pair(candidatesLabel_, "CandidatesLab", candidatesValue_, "NCandidates");
  pair(tipsLabel_, "TipsLab", tipsValue_, "NTips");
  pair(concreteTipsLabel_, "ConcreteTipsLab", concreteTipsValue_, "NConcreteTips");
  pair(solutionLabel_, "SolutionLab", solutionValue_, "SolutionViewed");
  if (!report.checks.empty()) pair(checksLabel_, "ChecksLab", checksValue_, "NChecks");
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  const OkCancelRow buttons = AddOkCancelRow(*this, *outer, {}, {}, true);
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;

  auto set = [](QLabel* l, const std::string& text) { l->setText(QString::fromStdString(text)); };
  set(titleLabel_, report.title);
  set(levelLabel_, report.levelLabel);
  set(levelValue_, report.level);
  set(timeLabel_, report.timeLabel);
  set(timeValue_, report.time);
  set(candidatesLabel_, report.candidatesLabel);
  set(candidatesValue_, report.candidates);
  set(tipsLabel_, report.tipsLabel);
  set(tipsValue_, report.tips);
  set(concreteTipsLabel_, report.tips2Label);
  set(concreteTipsValue_, report.tips2);
  set(solutionLabel_, report.solutionLabel);
  set(solutionValue_, report.solutionViewed);
  if (checksLabel_) {
    set(checksLabel_, report.checksLabel);
    set(checksValue_, report.checks);
  }
  okButton_->setText(QString::fromStdString(report.okCaption));
  cancelButton_->setText(QString::fromStdString(report.cancelCaption));
  if (report.solutionViewedInRed) {
    for (QLabel* l : {solutionValue_, solutionLabel_}) {
      QPalette pal = l->palette();
      pal.setColor(QPalette::WindowText, Qt::red);
      l->setPalette(pal);
    }
  }
}

// ---------------------------------------------------------------------------

LevelGroup::LevelGroup(const app::LevelChoice& current, QWidget* parent)
    : QGroupBox(" " + UiText(Text::DifficultyGroup) + " ", parent) {
  setObjectName("LevelGroup");
  auto* inner = new QVBoxLayout(this);
  anyLevel_ = new QRadioButton(UiText(Text::RandomLevel), this);
  anyLevel_->setObjectName("AnyLevel");
  chosenLevels_ = new QRadioButton(UiText(Text::SelectedLevels), this);
  chosenLevels_->setObjectName("ChosenLevels");
  inner->addWidget(anyLevel_);
  inner->addWidget(chosenLevels_);
  for (int level = 1; level <= 5; ++level) {
    auto* check = new QCheckBox(QString::fromStdString(rating::LevelName(level)), this);
    check->setObjectName(QString("Level%1").arg(level));
    check->setChecked(current.levels[level - 1]);
    inner->addWidget(check);
    levels_[level - 1] = check;
  }
  anyLevel_->setChecked(current.anyLevel);
  chosenLevels_->setChecked(!current.anyLevel);
  connect(anyLevel_, &QRadioButton::toggled, this, [this] { FollowAnyLevel(); });
  FollowAnyLevel();
}

void LevelGroup::FollowAnyLevel() {
  for (QCheckBox* check : levels_) check->setEnabled(!anyLevel_->isChecked());
}

app::LevelChoice LevelGroup::Choice() const {
  app::LevelChoice choice;
  choice.anyLevel = anyLevel_->isChecked();
  for (int i = 0; i < 5; ++i) choice.levels[i] = levels_[i]->isChecked();
  return choice;
}

LevelDialog::LevelDialog(const app::LevelChoice& current, QWidget* parent) : QDialog(parent) {
  setObjectName("LevelDialog");
  setWindowTitle(UiText(Text::LevelDialogCaption));
  auto* box = new QVBoxLayout(this);
  levelGroup_ = new LevelGroup(current, this);
  box->addWidget(levelGroup_);

  const OkCancelRow buttons =
      AddOkCancelRow(*this, *box, UiText(Text::Ok), UiText(Text::Cancel));
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;
  okButton_->setFocus();
}

app::LevelChoice LevelDialog::Choice() const {
  return levelGroup_->Choice();
}

void LevelDialog::done(int result) {
  if (result == QDialog::Accepted && !app::LevelChoiceAcceptable(Choice())) {
    if (refuseEmptyChoice_) refuseEmptyChoice_();
    return;
  }
  QDialog::done(result);
}

// ---------------------------------------------------------------------------

AboutBox::AboutBox(const QString& productName, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(UiText(Text::AboutItem));
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(24, 18, 24, 14);
  box->setSpacing(6);

  productName_ = new QLabel(productName, this);
  productName_->setObjectName("ProductName");
  QFont big = productName_->font();
  big.setPixelSize(22);
  big.setBold(true);
  productName_->setFont(big);
  box->addWidget(productName_, 0, Qt::AlignHCenter);

  version_ = new QLabel(QStringLiteral("Version " ZENTARO_VERSION), this);
  version_->setObjectName("Version");
  box->addWidget(version_, 0, Qt::AlignHCenter);

  const QString site =
      QString::fromUtf8(files::kWebAddress.data(), static_cast<int>(files::kWebAddress.size()));
  webSite_ = new QLabel(QString("<a href=\"%1\">%1</a>").arg(site), this);
  webSite_->setObjectName("WebSite");
  webSite_->setTextFormat(Qt::RichText);
  webSite_->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(webSite_, &QLabel::linkActivated, this,
          [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
  box->addWidget(webSite_, 0, Qt::AlignHCenter);

  support_ = new QLabel("support@zentaro.example.org", this);
  support_->setObjectName("Support");
  box->addWidget(support_, 0, Qt::AlignHCenter);

  okButton_ = new QPushButton(UiText(Text::Ok), this);
  okButton_->setObjectName("OkButton");
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  box->addSpacing(8);
  box->addWidget(okButton_, 0, Qt::AlignHCenter);
}

}  // namespace zentaro::ui
