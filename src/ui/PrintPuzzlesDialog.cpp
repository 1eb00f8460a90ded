#include "ui/PrintPuzzlesDialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "rating/Rating.h"
#include "ui/HintWindow.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

namespace {

constexpr int kPerPageChoices[] = {1, 2, 4, 6};

}  // namespace

PrintPuzzlesDialog::PrintPuzzlesDialog(const PrintPuzzlesChoice& current, QWidget* parent)
    : QDialog(parent) {
  setObjectName("PrintPuzzlesDialog");
  setWindowTitle("Print puzzles");
  auto* box = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  Count = new QSpinBox(this);
  Count->setObjectName("Count");
  Count->setRange(1, app::kMostSheetPuzzles);
  Count->setValue(current.count);
  form->addRow("&Number of puzzles:", Count);
  PerPage = new QComboBox(this);
  PerPage->setObjectName("PerPage");
  for (int n : kPerPageChoices) {
    PerPage->addItem(QString::number(n), n);
    if (n == current.perPage) PerPage->setCurrentIndex(PerPage->count() - 1);
  }
  form->addRow("Puzzles per &page:", PerPage);
  box->addLayout(form);

  auto* group = new QGroupBox(" " + UiText(Text::DifficultyGroup) + " ", this);
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
    check->setChecked(current.levels.levels[level - 1]);
    inner->addWidget(check);
    Levels[level - 1] = check;
  }
  AnyLevel->setChecked(current.levels.anyLevel);
  ChosenLevels->setChecked(!current.levels.anyLevel);
  connect(AnyLevel, &QRadioButton::toggled, this, [this] { AnyLevelClick(); });
  box->addWidget(group);

  Solutions = new QCheckBox("Add the &solutions on the last pages", this);
  Solutions->setObjectName("Solutions");
  Solutions->setChecked(current.solutions);
  box->addWidget(Solutions);
  auto* seedForm = new QFormLayout;
  Seed = new QLineEdit(this);
  Seed->setObjectName("Seed");
  Seed->setPlaceholderText("new puzzles each time");
  if (current.seed) Seed->setText(QString::number(*current.seed));
  seedForm->addRow("S&eed:", Seed);
  box->addLayout(seedForm);

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
}

void PrintPuzzlesDialog::AnyLevelClick() {
  for (QCheckBox* check : Levels) check->setEnabled(!AnyLevel->isChecked());
}

PrintPuzzlesChoice PrintPuzzlesDialog::Choice() const {
  PrintPuzzlesChoice choice;
  choice.count = Count->value();
  choice.perPage = PerPage->currentData().toInt();
  choice.levels.anyLevel = AnyLevel->isChecked();
  for (int i = 0; i < 5; ++i) choice.levels.levels[i] = Levels[i]->isChecked();
  choice.solutions = Solutions->isChecked();
  bool ok = false;
  const uint seed = Seed->text().trimmed().toUInt(&ok);
  if (ok) choice.seed = seed;
  return choice;
}

void PrintPuzzlesDialog::done(int result) {
  if (result == QDialog::Accepted) {
    QString refusal;
    bool seedOk = true;
    if (!Seed->text().trimmed().isEmpty()) Seed->text().trimmed().toUInt(&seedOk);
    if (!app::LevelChoiceAcceptable(Choice().levels))
      refusal = QString::fromStdString(core::LoadText(Text::CheckOneLevel)).trimmed();
    else if (!seedOk)
      refusal = "The seed is a number from 0 to 4294967295, or empty for new puzzles each time.";
    if (!refusal.isEmpty()) {
      if (Refuse) Refuse(refusal);
      return;
    }
  }
  QDialog::done(result);
}

std::optional<std::vector<app::SheetPuzzle>> GenerateWithProgress(
    QWidget* parent, const PrintPuzzlesChoice& choice) {
  class DialogProgress final : public app::SheetProgress {
   public:
    explicit DialogProgress(QWidget* parent) : wait_(parent) {
      wait_.setWindowModality(Qt::ApplicationModal);
      state_.caption = "Print puzzles";
      state_.line2 = UiText(Text::MayTakeAWhile).toStdString();
      state_.cancelVisible = true;
      QObject::connect(&wait_, &WaitDialog::cancelRequested, &wait_, [this] { cancelled_ = true; });
      // Esc closes the window, and stops the batch as Cancel does.
      QObject::connect(&wait_, &QDialog::rejected, &wait_, [this] { cancelled_ = true; });
    }
    void Begin() override {
      state_.visible = true;
      PuzzleMade(0, total_);
      ProcessEvents();
    }
    void ShowPosition(int position, int maximum) override {
      state_.maximum = maximum;
      state_.position = position;
      wait_.Show(state_);
    }
    void ProcessEvents() override {
      wait_.repaint();
      QCoreApplication::processEvents();
    }
    bool CancelRequested() override { return cancelled_; }
    void PuzzleMade(int made, int count) override {
      state_.line1 = QString("Generating puzzle %1 of %2.").arg(made + 1).arg(count).toStdString();
      wait_.Show(state_);
    }
    void End() override {
      state_.visible = false;
      wait_.Show(state_);
    }
    int total_ = 0;

   private:
    WaitDialog wait_;
    app::WaitWindow state_;
    bool cancelled_ = false;
  };

  DialogProgress progress(parent);
  progress.total_ = choice.count;
  core::Random random = choice.seed ? core::Random(*choice.seed) : core::Random::FromClock();
  return app::GenerateSheetPuzzles(choice.levels, choice.count, random, progress);
}

}  // namespace zentaro::ui
