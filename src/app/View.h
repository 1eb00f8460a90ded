#pragma once

#include <optional>
#include <string>

#include "app/Commands.h"
#include "core/MessageBox.h"
#include "core/StepHistory.h"

namespace zentaro::app {

// Everything a command does on screen goes through this interface. The
// window implements it; tests replace it with a scripted fake. A modal step
// is one call that returns the modal result.
class View {
 public:
  virtual ~View() = default;

  // Returns 1 (OK), 2 (Cancel or closed), 6 (Yes) or 7 (No).
  virtual int ShowMessageBox(const std::string& text, core::MsgKind kind, unsigned buttons) = 0;

  virtual void RedrawBoard() = 0;
  virtual void RedrawCell(int col, int row) = 0;
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  virtual void SetCommandEnabled(Command command, bool enabled) = 0;
  virtual void SetStepControls(const core::TStepControls& controls) = 0;
  // Disables the go-to-bookmark button for a moment so that it blinks once.
  virtual void BlinkBookmarkButton() = 0;

  virtual void HideHintWindow() = 0;
  virtual void ShowSolvedReport() = 0;
  // Clears the clock label and restarts the clock from zero.
  virtual void ResetPuzzleClock() = 0;

  // The open and save dialogs: the chosen file, or nothing when cancelled.
  virtual std::optional<std::string> AskOpenFileName(const std::string& folder) = 0;
  virtual std::optional<std::string> AskSaveFileName(const std::string& folder,
                                                     const std::string& proposedName) = 0;
  // The user's documents folder, or empty when the system has none.
  virtual std::string DocumentsFolder() = 0;
};

}  // namespace zentaro::app
