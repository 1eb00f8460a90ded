#include "ui/SettingsDialog.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Settings.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

namespace {

QColor FromValue(app::ColorValue c) {
  return QColor(app::RedOf(c), app::GreenOf(c), app::BlueOf(c));
}

}  // namespace

QPushButton* SettingsDialog::NewColourPanel(const char* name, QLabel*& label,
                                            const QString& caption) {
  auto* panel = new QPushButton(ColoursGroup);
  panel->setObjectName(name);
  panel->setMinimumSize(64, 22);
  panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  panel->setAccessibleName(caption);
  label = new QLabel(caption, ColoursGroup);
  label->setBuddy(panel);
  return panel;
}

SettingsDialog::SettingsDialog(const Values& values, QWidget* parent)
    : QDialog(parent),
      markColor_(values.markColor),
      hiColor_(values.hiColor),
      backgroundColor_(values.backgroundColor),
      coordinatesColor_(values.coordinatesColor) {
  setObjectName("PagesDlg");
  setWindowTitle(UiText(Text::SettingsCaption));
  auto* box = new QVBoxLayout(this);
  Pages = new QTabWidget(this);
  Pages->setObjectName("Pages");
  box->addWidget(Pages);

  // Display: the four colours, the board size and the way back to the
  // program's colours.
  DisplayPage = new QWidget(Pages);
  DisplayPage->setObjectName("DisplayPage");
  auto* display = new QVBoxLayout(DisplayPage);
  ColoursGroup = new QGroupBox(UiText(Text::ColoursGroup), DisplayPage);
  ColoursGroup->setObjectName("ColoursGroup");
  auto* colours = new QGridLayout(ColoursGroup);
  MarksPanel = NewColourPanel("MarksPanel", MarksLab, UiText(Text::PencilMarksColour));
  HighlightPanel = NewColourPanel("HighlightPanel", HighlightLab, UiText(Text::HighlightColour));
  BackgroundPanel =
      NewColourPanel("BackgroundPanel", BackgroundLab, UiText(Text::BackgroundColour));
  CoordinatesPanel =
      NewColourPanel("CoordinatesPanel", CoordinatesLab, UiText(Text::CoordinatesColour));
  int row = 0;
  for (auto [label, panel] : {std::pair{MarksLab, MarksPanel},
                              {HighlightLab, HighlightPanel},
                              {BackgroundLab, BackgroundPanel},
                              {CoordinatesLab, CoordinatesPanel}}) {
    colours->addWidget(label, row, 0);
    colours->addWidget(panel, row, 1);
    ++row;
  }
  RestoreDefaultBtn = new QPushButton(UiText(Text::RestoreDefault), ColoursGroup);
  RestoreDefaultBtn->setObjectName("RestoreDefaultBtn");
  colours->addWidget(RestoreDefaultBtn, row, 1, Qt::AlignRight);
  display->addWidget(ColoursGroup);

  SizeGroup = new QGroupBox(UiText(Text::PuzzleSizeGroup), DisplayPage);
  SizeGroup->setObjectName("SizeGroup");
  auto* sizes = new QHBoxLayout(SizeGroup);
  SmallRadio = new QRadioButton(UiText(Text::SmallSize), SizeGroup);
  SmallRadio->setObjectName("SmallRadio");
  MediumRadio = new QRadioButton(UiText(Text::MediumSize), SizeGroup);
  MediumRadio->setObjectName("MediumRadio");
  LargeRadio = new QRadioButton(UiText(Text::LargeSize), SizeGroup);
  LargeRadio->setObjectName("LargeRadio");
  for (QRadioButton* radio : {SmallRadio, MediumRadio, LargeRadio}) sizes->addWidget(radio);
  (values.gridSize == 1   ? SmallRadio
   : values.gridSize == 3 ? LargeRadio
                          : MediumRadio)
      ->setChecked(true);
  display->addWidget(SizeGroup);
  display->addStretch();
  Pages->addTab(DisplayPage, UiText(Text::DisplayTab));

  // General: what happens at start-up and when a digit is filled in. The
  // two boxes the program keeps but does not offer stay hidden, and the
  // layout closes their gap.
  GeneralPage = new QWidget(Pages);
  GeneralPage->setObjectName("GeneralPage");
  auto* general = new QVBoxLayout(GeneralPage);
  StartupGroup = new QGroupBox(UiText(Text::StartupGroup), GeneralPage);
  StartupGroup->setObjectName("StartupGroup");
  auto* startup = new QVBoxLayout(StartupGroup);
  NewPuzzleOnStartup = new QCheckBox(UiText(Text::ShowNewPuzzleOnStartup), StartupGroup);
  NewPuzzleOnStartup->setObjectName("NewPuzzleOnStartup");
  NewPuzzleOnStartup->setChecked(values.loadOnStartup);
  SkipSolvedBox = new QCheckBox(UiText(Text::Blank), StartupGroup);
  SkipSolvedBox->setObjectName("SkipSolvedBox");
  SkipSolvedBox->setChecked(values.skipSolved);
  RulesCheck = new QCheckBox(StartupGroup);
  RulesCheck->setObjectName("RulesCheck");
  for (QCheckBox* hidden : {SkipSolvedBox, RulesCheck}) {
    hidden->setEnabled(false);
    hidden->setVisible(false);
  }
  startup->addWidget(NewPuzzleOnStartup);
  startup->addWidget(SkipSolvedBox);
  startup->addWidget(RulesCheck);
  general->addWidget(StartupGroup);
  MarksGroup = new QGroupBox(UiText(Text::PencilMarksGroup), GeneralPage);
  MarksGroup->setObjectName("MarksGroup");
  auto* marks = new QVBoxLayout(MarksGroup);
  RemoveMarksBox = new QCheckBox(UiText(Text::RemoveMarksOnFill), MarksGroup);
  RemoveMarksBox->setObjectName("RemoveMarksBox");
  RemoveMarksBox->setChecked(values.removeMarksOnFill);
  marks->addWidget(RemoveMarksBox);
  general->addSpacing(12);
  general->addWidget(MarksGroup);
  general->addStretch();
  Pages->addTab(GeneralPage, UiText(Text::GeneralTab));

  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton(UiText(Text::Ok), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(UiText(Text::Cancel), this);
  CancelBtn->setObjectName("CancelBtn");
  HelpBtn = new QPushButton(UiText(Text::HelpItem), this);
  HelpBtn->setObjectName("HelpBtn");
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  box->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { emit HelpRequested(kHelpContext); });
  connect(RestoreDefaultBtn, &QPushButton::clicked, this, &SettingsDialog::RestoreDefaults);
  connect(MarksPanel, &QPushButton::clicked, this, [this] { PickColour(MarksPanel, markColor_); });
  connect(HighlightPanel, &QPushButton::clicked, this,
          [this] { PickColour(HighlightPanel, hiColor_); });
  connect(BackgroundPanel, &QPushButton::clicked, this,
          [this] { PickColour(BackgroundPanel, backgroundColor_); });
  connect(CoordinatesPanel, &QPushButton::clicked, this,
          [this] { PickColour(CoordinatesPanel, coordinatesColor_); });
  PaintPanels();
  OKBtn->setFocus();
}

void SettingsDialog::PaintPanels() {
  for (auto [panel, colour] : {std::pair{MarksPanel, markColor_},
                               {HighlightPanel, hiColor_},
                               {BackgroundPanel, backgroundColor_},
                               {CoordinatesPanel, coordinatesColor_}}) {
    panel->setStyleSheet(
        QString("QPushButton { background-color: %1; border: 1px solid palette(dark); }"
                "QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(colour.name()));
    panel->setProperty("colour", colour);
  }
}

void SettingsDialog::PickColour(QPushButton* panel, QColor& colour) {
  QColorDialog dialog(colour, this);
  dialog.setObjectName("ColorDialog");
  if (RunModal(dialog) != QDialog::Accepted) return;
  const QColor chosen = dialog.currentColor();
  if (!chosen.isValid()) return;
  colour = chosen;
  PaintPanels();
  panel->setFocus();
}

void SettingsDialog::RestoreDefaults() {
  markColor_ = FromValue(app::kDefaultMarkColor);
  hiColor_ = FromValue(app::kDefaultHiColor);
  coordinatesColor_ = FromValue(app::kDefaultCoordinatesColor);
  backgroundColor_ = FromValue(app::kDefaultBackgroundColor);
  PaintPanels();
}

SettingsDialog::Values SettingsDialog::Chosen() const {
  Values v;
  v.markColor = markColor_;
  v.hiColor = hiColor_;
  v.backgroundColor = backgroundColor_;
  v.coordinatesColor = coordinatesColor_;
  v.gridSize = SmallRadio->isChecked() ? 1 : LargeRadio->isChecked() ? 3 : 2;
  v.loadOnStartup = NewPuzzleOnStartup->isChecked();
  v.removeMarksOnFill = RemoveMarksBox->isChecked();
  v.skipSolved = SkipSolvedBox->isChecked();
  return v;
}

}  // namespace zentaro::ui
