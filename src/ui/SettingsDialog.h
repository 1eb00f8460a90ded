#pragma once

#include <QCheckBox>
#include <QColor>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>

namespace zentaro::ui {

// The settings dialog: colours and board size on "Display", start-up and
// pencil marks on "General". It holds its own copies of the values; the
// window takes them over only when the dialog closes with OK.
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  struct Values {
    QColor markColor;
    QColor hiColor;
    QColor backgroundColor;
    QColor coordinatesColor;
    int gridSize = 2;  // 1 small, 2 medium, 3 large
    bool loadOnStartup = true;
    bool removeMarksOnFill = true;
    bool skipSolved = true;
  };

  explicit SettingsDialog(const Values& values, QWidget* parent = nullptr);

  // What the dialog shows now.
  Values Chosen() const;

  // Runs the colour dialog modally; the window puts its own, so that it can
  // be answered in tests.
  std::function<int(QDialog&)> RunModal = [](QDialog& d) { return d.exec(); };

  static constexpr int kHelpContext = 1100;

  QTabWidget* Pages;
  QWidget* DisplayPage;
  QWidget* GeneralPage;
  QGroupBox* ColoursGroup;
  QPushButton* MarksPanel;  // each colour panel shows its colour and opens the colour dialog
  QPushButton* HighlightPanel;
  QPushButton* BackgroundPanel;
  QPushButton* CoordinatesPanel;
  QLabel* MarksLab;
  QLabel* HighlightLab;
  QLabel* BackgroundLab;
  QLabel* CoordinatesLab;
  QPushButton* RestoreDefaultBtn;
  QGroupBox* SizeGroup;
  QRadioButton* SmallRadio;
  QRadioButton* MediumRadio;
  QRadioButton* LargeRadio;
  QGroupBox* StartupGroup;
  QCheckBox* NewPuzzleOnStartup;
  QCheckBox* SkipSolvedBox;  // kept, but hidden
  QCheckBox* RulesCheck;     // likewise
  QGroupBox* MarksGroup;
  QCheckBox* RemoveMarksBox;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;

 signals:
  void helpRequested(int context);

 private:
  QPushButton* NewColourPanel(const char* name, QLabel*& label, const QString& caption);
  void PaintPanels();
  void PickColour(QPushButton* panel, QColor& colour);
  void RestoreDefaults();

  QColor markColor_, hiColor_, backgroundColor_, coordinatesColor_;
};

}  // namespace zentaro::ui
