#include "ui/Dialogs.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QApplication>
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
  s.replace('\r', '\n');
  return s;
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

int MessageBox::Result() const {
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
  YesBut = addButton(QString::fromStdString(yesCaption), QMessageBox::YesRole);
  NoBut = addButton(QString::fromStdString(noCaption), QMessageBox::NoRole);
  CancelBut = addButton(QString::fromStdString(cancelCaption), QMessageBox::RejectRole);
  setDefaultButton(YesBut);
  setEscapeButton(CancelBut);
}

int QuestionDialog::Result() const {
  if (clickedButton() == YesBut) return core::kResultYes;
  if (clickedButton() == NoBut) return core::kResultNo;
  return core::kResultCancel;
}

// ---------------------------------------------------------------------------

SolvedReportDialog::SolvedReportDialog(const app::SolvedReport& report, QWidget* parent)
    : QDialog(parent) {
  setObjectName("SolvedReportDialog");
  setWindowTitle(QString::fromStdString(report.caption));
  setWindowOpacity(253.0 / 255.0);
  setFixedSize(380, 218);

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
  TitleLab = label("TitleLab", Qt::AlignHCenter);
  QFont bold = TitleLab->font();
  bold.setBold(true);
  bold.setPixelSize(15);
  TitleLab->setFont(bold);
  grid->addWidget(TitleLab, 0, 0, 1, 2);

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
  pair(LevelLab, "LevelLab", NLevel, "NLevel");
  pair(TimeLab, "TimeLab", NTime, "NTime");
  pair(CandidatesLab, "CandidatesLab", NCandidates, "NCandidates");
  pair(TipsLab, "TipsLab", NTips, "NTips");
  pair(ConcreteTipsLab, "ConcreteTipsLab", NConcreteTips, "NConcreteTips");
  pair(SolutionLab, "SolutionLab", SolutionViewed, "SolutionViewed");
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  OKBut = new QPushButton(this);
  OKBut->setObjectName("OKBut");
  OKBut->setDefault(true);
  CancelBut = new QPushButton(this);
  CancelBut->setObjectName("CancelBut");
  buttons->addStretch();
  buttons->addWidget(OKBut);
  buttons->addWidget(CancelBut);
  buttons->addStretch();
  outer->addLayout(buttons);
  connect(OKBut, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);

  auto set = [](QLabel* l, const std::string& text) { l->setText(QString::fromStdString(text)); };
  set(TitleLab, report.title);
  set(LevelLab, report.levelLabel);
  set(NLevel, report.level);
  set(TimeLab, report.timeLabel);
  set(NTime, report.time);
  set(CandidatesLab, report.candidatesLabel);
  set(NCandidates, report.candidates);
  set(TipsLab, report.tipsLabel);
  set(NTips, report.tips);
  set(ConcreteTipsLab, report.tips2Label);
  set(NConcreteTips, report.tips2);
  set(SolutionLab, report.solutionLabel);
  set(SolutionViewed, report.solutionViewed);
  OKBut->setText(QString::fromStdString(report.okCaption));
  CancelBut->setText(QString::fromStdString(report.cancelCaption));
  if (report.solutionViewedInRed) {
    for (QLabel* l : {SolutionViewed, SolutionLab}) {
      QPalette pal = l->palette();
      pal.setColor(QPalette::WindowText, Qt::red);
      l->setPalette(pal);
    }
  }
}

// ---------------------------------------------------------------------------

LevelDialog::LevelDialog(const app::LevelChoice& current, QWidget* parent) : QDialog(parent) {
  setObjectName("LevelDialog");
  setWindowTitle(UiText(Text::LevelDialogCaption));
  auto* box = new QVBoxLayout(this);
  auto* group = new QGroupBox(" " + UiText(Text::DifficultyGroup) + " ", this);
  group->setObjectName("LevelGroup");
  auto* inner = new QVBoxLayout(group);
  AnyLevel = new QRadioButton(UiText(Text::RandomLevel), group);
  AnyLevel->setObjectName("AnyLevel");
  ChosenLevels = new QRadioButton(UiText(Text::SelectedLevels), group);
  ChosenLevels->setObjectName("ChosenLevels");
  inner->addWidget(AnyLevel);
  inner->addWidget(ChosenLevels);
  for (int level = 1; level <= 5; ++level) {
    auto* check = new QCheckBox(QString::fromStdString(rating::LevelName(level)), group);
    check->setObjectName(QString("Level%1").arg(level));
    check->setChecked(current.levels[level - 1]);
    inner->addWidget(check);
    Levels[level - 1] = check;
    connect(check, &QCheckBox::clicked, this, [this] { AnyLevelClick(); });
  }
  AnyLevel->setChecked(current.anyLevel);
  ChosenLevels->setChecked(!current.anyLevel);
  connect(AnyLevel, &QRadioButton::clicked, this, [this] { AnyLevelClick(); });
  connect(ChosenLevels, &QRadioButton::clicked, this, [this] { AnyLevelClick(); });
  box->addWidget(group);

  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton(UiText(Text::Ok), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(UiText(Text::Cancel), this);
  CancelBtn->setObjectName("CancelBtn");
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  box->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  AnyLevelClick();
  OKBtn->setFocus();
}

void LevelDialog::AnyLevelClick() {
  const bool any = AnyLevel->isChecked();
  ChosenLevels->setChecked(!any);
  for (QCheckBox* check : Levels) check->setEnabled(!any);
}

app::LevelChoice LevelDialog::Choice() const {
  app::LevelChoice choice;
  choice.anyLevel = AnyLevel->isChecked();
  for (int i = 0; i < 5; ++i) choice.levels[i] = Levels[i]->isChecked();
  return choice;
}

void LevelDialog::done(int result) {
  if (result == QDialog::Accepted && !app::LevelChoiceAcceptable(Choice())) {
    if (RefuseEmptyChoice) RefuseEmptyChoice();
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

  ProductName = new QLabel(productName, this);
  ProductName->setObjectName("ProductName");
  QFont big = ProductName->font();
  big.setPixelSize(22);
  big.setBold(true);
  ProductName->setFont(big);
  box->addWidget(ProductName, 0, Qt::AlignHCenter);

  Version = new QLabel(QStringLiteral("Version " ZENTARO_VERSION), this);
  Version->setObjectName("Version");
  box->addWidget(Version, 0, Qt::AlignHCenter);

  const QString site =
      QString::fromUtf8(files::kWebAddress.data(), static_cast<int>(files::kWebAddress.size()));
  WebSite = new QLabel(QString("<a href=\"%1\">%1</a>").arg(site), this);
  WebSite->setObjectName("WebSite");
  WebSite->setTextFormat(Qt::RichText);
  WebSite->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(WebSite, &QLabel::linkActivated, this,
          [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
  box->addWidget(WebSite, 0, Qt::AlignHCenter);

  Support = new QLabel("support@zentaro.example.org", this);
  Support->setObjectName("Support");
  box->addWidget(Support, 0, Qt::AlignHCenter);

  OKButton = new QPushButton(UiText(Text::Ok), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  box->addSpacing(8);
  box->addWidget(OKButton, 0, Qt::AlignHCenter);
}

}  // namespace zentaro::ui
