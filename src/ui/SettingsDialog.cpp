#include "ui/SettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/HelpWindow.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

QPushButton* SettingsDialog::NewColourPanel(const char* name, const QString& caption, int row) {
  auto* panel = NewNamed<QPushButton>(name, coloursGroup_);
  panel->setMinimumSize(64, 22);
  panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  panel->setAccessibleName(caption);
  auto* label = new QLabel(caption, coloursGroup_);
  label->setBuddy(panel);
  auto* grid = static_cast<QGridLayout*>(coloursGroup_->layout());
  grid->addWidget(label, row, 0);
  grid->addWidget(panel, row, 1);
  return panel;
}

SettingsDialog::SettingsDialog(const app::Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("PagesDlg");
  setWindowTitle(UiText(Text::SettingsCaption));
  auto* box = new QVBoxLayout(this);
  auto* pages = NewNamed<QTabWidget>("Pages", this);
  box->addWidget(pages);

  // Display: the four colours, the board size and the way back to the
  // program's colours.
  auto* displayPage = NewNamed<QWidget>("DisplayPage", pages);
  auto* display = new QVBoxLayout(displayPage);
  coloursGroup_ = NewNamed<QGroupBox>("ColoursGroup", UiText(Text::ColoursGroup), displayPage);
  new QGridLayout(coloursGroup_);
  marksPanel_ = NewColourPanel("MarksPanel", UiText(Text::PencilMarksColour), 0);
  highlightPanel_ = NewColourPanel("HighlightPanel", UiText(Text::HighlightColour), 1);
  backgroundPanel_ = NewColourPanel("BackgroundPanel", UiText(Text::BackgroundColour), 2);
  coordinatesPanel_ = NewColourPanel("CoordinatesPanel", UiText(Text::CoordinatesColour), 3);
  auto* restore =
      NewNamed<QPushButton>("RestoreDefaultButton", UiText(Text::RestoreDefault), coloursGroup_);
  static_cast<QGridLayout*>(coloursGroup_->layout())->addWidget(restore, 4, 1, Qt::AlignRight);
  display->addWidget(coloursGroup_);

  auto* sizeGroup = NewNamed<QGroupBox>("SizeGroup", UiText(Text::PuzzleSizeGroup), displayPage);
  auto* sizes = new QHBoxLayout(sizeGroup);
  smallRadio_ = NewNamed<QRadioButton>("SmallRadio", UiText(Text::SmallSize), sizeGroup);
  mediumRadio_ = NewNamed<QRadioButton>("MediumRadio", UiText(Text::MediumSize), sizeGroup);
  largeRadio_ = NewNamed<QRadioButton>("LargeRadio", UiText(Text::LargeSize), sizeGroup);
  for (QRadioButton* radio : {smallRadio_, mediumRadio_, largeRadio_}) sizes->addWidget(radio);
  (settings.gridSize == 1   ? smallRadio_
   : settings.gridSize == 3 ? largeRadio_
                            : mediumRadio_)
      ->setChecked(true);
  display->addWidget(sizeGroup);
  display->addStretch();
  pages->addTab(displayPage, UiText(Text::DisplayTab));

  // General: what happens at start-up and when a digit is filled in. The
  // two boxes the program keeps but does not offer stay hidden, and the
  // layout closes their gap.
  auto* generalPage = NewNamed<QWidget>("GeneralPage", pages);
  auto* general = new QVBoxLayout(generalPage);
  auto* startupGroup = NewNamed<QGroupBox>("StartupGroup", UiText(Text::StartupGroup), generalPage);
  auto* startup = new QVBoxLayout(startupGroup);
  loadOnStartupBox_ =
      NewNamed<QCheckBox>("LoadOnStartupBox", UiText(Text::ShowNewPuzzleOnStartup), startupGroup);
  loadOnStartupBox_->setChecked(settings.loadOnStartup);
  skipSolvedBox_ = NewNamed<QCheckBox>("SkipSolvedBox", UiText(Text::Blank), startupGroup);
  skipSolvedBox_->setChecked(settings.skipSolved);
  auto* rulesBox = NewNamed<QCheckBox>("RulesBox", startupGroup);
  for (QCheckBox* hidden : {skipSolvedBox_, rulesBox}) {
    hidden->setEnabled(false);
    hidden->setVisible(false);
  }
  startup->addWidget(loadOnStartupBox_);
  startup->addWidget(skipSolvedBox_);
  startup->addWidget(rulesBox);
  general->addWidget(startupGroup);
  auto* marksGroup = NewNamed<QGroupBox>("MarksGroup", UiText(Text::PencilMarksGroup), generalPage);
  auto* marks = new QVBoxLayout(marksGroup);
  removeMarksOnFillBox_ =
      NewNamed<QCheckBox>("RemoveMarksOnFillBox", UiText(Text::RemoveMarksOnFill), marksGroup);
  removeMarksOnFillBox_->setChecked(settings.removeMarksOnFill);
  marks->addWidget(removeMarksOnFillBox_);
  general->addSpacing(12);
  general->addWidget(marksGroup);
  general->addStretch();
  pages->addTab(generalPage, UiText(Text::GeneralTab));

  auto* buttons = new QHBoxLayout;
  auto* ok = NewNamed<QPushButton>("OkButton", UiText(Text::Ok), this);
  ok->setDefault(true);
  auto* cancel = NewNamed<QPushButton>("CancelButton", UiText(Text::Cancel), this);
  auto* help = NewNamed<QPushButton>("HelpButton", UiText(Text::HelpItem), this);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  box->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this,
          [this] { emit helpRequested(core::kSettingsHelpContext); });
  connect(restore, &QPushButton::clicked, this, &SettingsDialog::RestoreDefaults);
  for (auto [panel, colour] : {std::pair{marksPanel_, &settings_.markColor},
                               {highlightPanel_, &settings_.hiColor},
                               {backgroundPanel_, &settings_.backgroundColor},
                               {coordinatesPanel_, &settings_.coordinatesColor}})
    connect(panel, &QPushButton::clicked, this,
            [this, panel, colour] { PickColour(panel, *colour); });
  PaintPanels();
  ok->setFocus();
}

void SettingsDialog::PaintPanels() {
  for (auto [panel, colour] : {std::pair{marksPanel_, settings_.markColor},
                               {highlightPanel_, settings_.hiColor},
                               {backgroundPanel_, settings_.backgroundColor},
                               {coordinatesPanel_, settings_.coordinatesColor}}) {
    panel->setStyleSheet(
        QString("QPushButton { background-color: %1; border: 1px solid palette(dark); }"
                "QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(ToQColor(colour).name()));
    panel->setProperty("colour", ToQColor(colour));
  }
}

void SettingsDialog::PickColour(QPushButton* panel, app::ColorValue& colour) {
  QColorDialog dialog(ToQColor(colour), this);
  dialog.setObjectName("ColorDialog");
  if (runModal_(dialog) != QDialog::Accepted) return;
  const QColor chosen = dialog.currentColor();
  if (!chosen.isValid()) return;
  colour = ToColorValue(chosen);
  PaintPanels();
  panel->setFocus();
}

void SettingsDialog::RestoreDefaults() {
  settings_.markColor = app::kDefaultMarkColor;
  settings_.hiColor = app::kDefaultHiColor;
  settings_.coordinatesColor = app::kDefaultCoordinatesColor;
  settings_.backgroundColor = app::kDefaultBackgroundColor;
  PaintPanels();
}

app::Settings SettingsDialog::Chosen() const {
  app::Settings s = settings_;
  s.gridSize = smallRadio_->isChecked() ? 1 : largeRadio_->isChecked() ? 3 : 2;
  s.loadOnStartup = loadOnStartupBox_->isChecked();
  s.removeMarksOnFill = removeMarksOnFillBox_->isChecked();
  s.skipSolved = skipSolvedBox_->isChecked();
  return s;
}

}  // namespace zentaro::ui
