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
#include <tuple>

#include "ui/Dialogs.h"
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

QCheckBox* SettingsDialog::NewSettingBox(const char* name, const QString& caption,
                                         bool app::Settings::*setting, QWidget* group) {
  auto* box = NewNamed<QCheckBox>(name, caption, group);
  box->setChecked(settings_.*setting);
  connect(box, &QCheckBox::toggled, this, [this, setting](bool on) { settings_.*setting = on; });
  return box;
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
  // A size the settings do not name shows, and is taken, as Medium.
  if (settings_.gridSize != 1 && settings_.gridSize != 3) settings_.gridSize = 2;
  for (auto [name, caption, size] : {std::tuple{"SmallRadio", Text::SmallSize, 1},
                                     {"MediumRadio", Text::MediumSize, 2},
                                     {"LargeRadio", Text::LargeSize, 3}}) {
    auto* radio = NewNamed<QRadioButton>(name, UiText(caption), sizeGroup);
    radio->setChecked(settings_.gridSize == size);
    connect(radio, &QRadioButton::toggled, this, [this, size](bool on) {
      if (on) settings_.gridSize = size;
    });
    sizes->addWidget(radio);
  }
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
  startup->addWidget(NewSettingBox("LoadOnStartupBox", UiText(Text::ShowNewPuzzleOnStartup),
                                   &app::Settings::loadOnStartup, startupGroup));
  QCheckBox* skipSolvedBox =
      NewSettingBox("SkipSolvedBox", UiText(Text::Blank), &app::Settings::skipSolved, startupGroup);
  auto* rulesBox = NewNamed<QCheckBox>("RulesBox", startupGroup);
  for (QCheckBox* hidden : {skipSolvedBox, rulesBox}) {
    hidden->setEnabled(false);
    hidden->setVisible(false);
  }
  startup->addWidget(skipSolvedBox);
  startup->addWidget(rulesBox);
  general->addWidget(startupGroup);
  auto* marksGroup = NewNamed<QGroupBox>("MarksGroup", UiText(Text::PencilMarksGroup), generalPage);
  auto* marks = new QVBoxLayout(marksGroup);
  marks->addWidget(NewSettingBox("RemoveMarksOnFillBox", UiText(Text::RemoveMarksOnFill),
                                 &app::Settings::removeMarksOnFill, marksGroup));
  general->addSpacing(12);
  general->addWidget(marksGroup);
  general->addStretch();
  pages->addTab(generalPage, UiText(Text::GeneralTab));

  const OkCancelRow buttons =
      AddOkCancelRow(*this, *box, UiText(Text::Ok), UiText(Text::Cancel));
  auto* help = NewNamed<QPushButton>("HelpButton", UiText(Text::HelpItem), this);
  buttons.row->addWidget(help);

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
  buttons.ok->setFocus();
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
  return settings_;
}

}  // namespace zentaro::ui
