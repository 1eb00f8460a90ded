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
  auto* panel = NewNamed<QPushButton>(name, ColoursGroup);
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
  Pages = NewNamed<QTabWidget>("Pages", this);
  box->addWidget(Pages);

  // Display: the four colours, the board size and the way back to the
  // program's colours.
  DisplayPage = NewNamed<QWidget>("DisplayPage", Pages);
  auto* display = new QVBoxLayout(DisplayPage);
  ColoursGroup = NewNamed<QGroupBox>("ColoursGroup", UiText(Text::ColoursGroup), DisplayPage);
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
  RestoreDefaultBtn = NewNamed<QPushButton>("RestoreDefaultBtn", UiText(Text::RestoreDefault), ColoursGroup);
  colours->addWidget(RestoreDefaultBtn, row, 1, Qt::AlignRight);
  display->addWidget(ColoursGroup);

  SizeGroup = NewNamed<QGroupBox>("SizeGroup", UiText(Text::PuzzleSizeGroup), DisplayPage);
  auto* sizes = new QHBoxLayout(SizeGroup);
  SmallRadio = NewNamed<QRadioButton>("SmallRadio", UiText(Text::SmallSize), SizeGroup);
  MediumRadio = NewNamed<QRadioButton>("MediumRadio", UiText(Text::MediumSize), SizeGroup);
  LargeRadio = NewNamed<QRadioButton>("LargeRadio", UiText(Text::LargeSize), SizeGroup);
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
  GeneralPage = NewNamed<QWidget>("GeneralPage", Pages);
  auto* general = new QVBoxLayout(GeneralPage);
  StartupGroup = NewNamed<QGroupBox>("StartupGroup", UiText(Text::StartupGroup), GeneralPage);
  auto* startup = new QVBoxLayout(StartupGroup);
  NewPuzzleOnStartup = NewNamed<QCheckBox>("NewPuzzleOnStartup", UiText(Text::ShowNewPuzzleOnStartup), StartupGroup);
  NewPuzzleOnStartup->setChecked(values.loadOnStartup);
  SkipSolvedBox = NewNamed<QCheckBox>("SkipSolvedBox", UiText(Text::Blank), StartupGroup);
  SkipSolvedBox->setChecked(values.skipSolved);
  RulesCheck = NewNamed<QCheckBox>("RulesCheck", StartupGroup);
  for (QCheckBox* hidden : {SkipSolvedBox, RulesCheck}) {
    hidden->setEnabled(false);
    hidden->setVisible(false);
  }
  startup->addWidget(NewPuzzleOnStartup);
  startup->addWidget(SkipSolvedBox);
  startup->addWidget(RulesCheck);
  general->addWidget(StartupGroup);
  MarksGroup = NewNamed<QGroupBox>("MarksGroup", UiText(Text::PencilMarksGroup), GeneralPage);
  auto* marks = new QVBoxLayout(MarksGroup);
  RemoveMarksBox = NewNamed<QCheckBox>("RemoveMarksBox", UiText(Text::RemoveMarksOnFill), MarksGroup);
  RemoveMarksBox->setChecked(values.removeMarksOnFill);
  marks->addWidget(RemoveMarksBox);
  general->addSpacing(12);
  general->addWidget(MarksGroup);
  general->addStretch();
  Pages->addTab(GeneralPage, UiText(Text::GeneralTab));

  auto* buttons = new QHBoxLayout;
  OKBtn = NewNamed<QPushButton>("OKBtn", UiText(Text::Ok), this);
  OKBtn->setDefault(true);
  CancelBtn = NewNamed<QPushButton>("CancelBtn", UiText(Text::Cancel), this);
  HelpBtn = NewNamed<QPushButton>("HelpBtn", UiText(Text::HelpItem), this);
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  box->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpContext); });
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
