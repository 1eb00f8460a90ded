#pragma once

#include <QDialog>
#include <functional>

#include "app/Settings.h"

class QCheckBox;
class QPushButton;

namespace zentaro::ui {

// The settings dialog: colours and board size on "Display", start-up and
// pencil marks on "General". It edits its own copy of the settings; the
// window takes it over only when the dialog closes with OK.
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SettingsDialog(const app::Settings& settings, QWidget* parent = nullptr);

  // The settings as the dialog shows them now: every widget writes its
  // setting into the dialog's copy as the user changes it.
  app::Settings Chosen() const;

  // Runs the colour dialog modally; the window puts its own, so that it can
  // be answered in tests.
  void SetModalRunner(std::function<int(QDialog&)> run) { runModal_ = std::move(run); }

 signals:
  void helpRequested(int context);

 private:
  QPushButton* NewColourPanel(const char* name, const QString& caption, int row);
  // A check box that shows a Boolean setting and changes the dialog's copy.
  QCheckBox* NewSettingBox(const char* name, const QString& caption, bool app::Settings::*setting,
                           QWidget* group);
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
};

}  // namespace zentaro::ui
