#pragma once

#include <QDialog>
#include <functional>

#include "app/Settings.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zentaro::ui {

// The settings dialog: colours and board size on "Display", start-up and
// pencil marks on "General". It edits its own copy of the settings; the
// window takes it over only when the dialog closes with OK.
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SettingsDialog(const app::Settings& settings, QWidget* parent = nullptr);

  // The settings as the dialog shows them now.
  app::Settings Chosen() const;

  // Runs the colour dialog modally; the window puts its own, so that it can
  // be answered in tests.
  void SetModalRunner(std::function<int(QDialog&)> run) { runModal_ = std::move(run); }

 signals:
  void helpRequested(int context);

 private:
  QPushButton* NewColourPanel(const char* name, const QString& caption, int row);
  void PaintPanels();
  void PickColour(QPushButton* panel, app::ColorValue& colour);
  void RestoreDefaults();

  app::Settings settings_;
  std::function<int(QDialog&)> runModal_ = [](QDialog& d) { return d.exec(); };
  QWidget* coloursGroup_ = nullptr;
  QPushButton* marksPanel_ = nullptr;  // each panel shows its colour and opens the colour dialog
  QPushButton* highlightPanel_ = nullptr;
  QPushButton* backgroundPanel_ = nullptr;
  QPushButton* coordinatesPanel_ = nullptr;
  QRadioButton* smallRadio_ = nullptr;
  QRadioButton* mediumRadio_ = nullptr;
  QRadioButton* largeRadio_ = nullptr;
  QCheckBox* loadOnStartupBox_ = nullptr;
  QCheckBox* skipSolvedBox_ = nullptr;  // kept, but hidden
  QCheckBox* removeMarksOnFillBox_ = nullptr;
};

}  // namespace zentaro::ui
