#include "ui/PrintPuzzlesDialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "rating/Rating.h"
#include "ui/Dialogs.h"
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
  setWindowTitle(tr("Print puzzles"));
  auto* box = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  count_ = new QSpinBox(this);
  count_->setObjectName("Count");
  count_->setRange(1, app::kMostSheetPuzzles);
  count_->setValue(current.count);
  form->addRow(tr("&Number of puzzles:"), count_);
  perPage_ = new QComboBox(this);
  perPage_->setObjectName("PerPage");
  for (int n : kPerPageChoices) {
    perPage_->addItem(QString::number(n), n);
    if (n == current.perPage) perPage_->setCurrentIndex(perPage_->count() - 1);
  }
  form->addRow(tr("Puzzles per &page:"), perPage_);
  box->addLayout(form);

  levelGroup_ = new LevelGroup(current.levels, this);
  box->addWidget(levelGroup_);

  solutions_ = new QCheckBox(tr("Add the &solutions on the last pages"), this);
  solutions_->setObjectName("Solutions");
  solutions_->setChecked(current.solutions);
  box->addWidget(solutions_);
  auto* seedForm = new QFormLayout;
  seed_ = new QLineEdit(this);
  seed_->setObjectName("Seed");
  seed_->setPlaceholderText(tr("new puzzles each time"));
  if (current.seed) seed_->setText(QString::number(*current.seed));
  seedForm->addRow(tr("S&eed:"), seed_);
  box->addLayout(seedForm);

  const OkCancelRow buttons =
      AddOkCancelRow(*this, *box, UiText(Text::Ok), UiText(Text::Cancel));
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;
}

PrintPuzzlesChoice PrintPuzzlesDialog::Choice() const {
  PrintPuzzlesChoice choice;
  choice.count = count_->value();
  choice.perPage = perPage_->currentData().toInt();
  choice.levels = levelGroup_->Choice();
  choice.solutions = solutions_->isChecked();
  bool ok = false;
  const uint seed = seed_->text().trimmed().toUInt(&ok);
  if (ok) choice.seed = seed;
  return choice;
}

void PrintPuzzlesDialog::done(int result) {
  if (result == QDialog::Accepted) {
    QString refusal;
    bool seedOk = true;
    if (!seed_->text().trimmed().isEmpty()) seed_->text().trimmed().toUInt(&seedOk);
    if (!app::LevelChoiceAcceptable(Choice().levels))
      refusal = QString::fromStdString(core::LoadText(Text::CheckOneLevel)).trimmed();
    else if (!seedOk)
      refusal =
          tr("The seed is a number from 0 to 4294967295, or empty for new puzzles each time.");
    if (!refusal.isEmpty()) {
      if (refuse_) refuse_(refusal);
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
