#pragma once

// A main window whose modal dialogs are answered by the test instead of a
// user: each dialog is recorded as it was about to be shown, then answered
// from the queue of its kind. A dialog nobody scripted is rejected and
// recorded as unexpected.

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "core/MessageBox.h"
#include "ui/Dialogs.h"
#include "ui/HintWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/SudokuWindow.h"

namespace zentaro::ui::test {

// A dialog's widget by its object name; the dialogs keep their widgets private.
template <class Widget>
Widget* Named(const QObject& owner, const char* name) {
  return owner.findChild<Widget*>(name);
}

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QStringList buttons;  // left to right as the set gives them
};

struct SeenFileDialog {
  QFileDialog::AcceptMode mode;
  QStringList filters;
  QString directory;
  QStringList proposed;
  QString defaultSuffix;
};

struct SeenReport {
  QStringList captions;  // the title, then each caption label with its value
  QString ok, cancel;
  bool solutionInRed = false;
};

// Points every QSettings of the test program at the folder, away from the
// user's own settings.
inline void KeepSettingsIn(const QTemporaryDir& dir) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

enum class StoredSettings { Ignore, Read };

class ScriptedWindow : public SudokuWindow {
 public:
  // Unless told to read them, a window starts from the defaults without the
  // level dialog, whatever the windows of earlier tests wrote at close.
  explicit ScriptedWindow(StoredSettings stored = StoredSettings::Ignore) {
    // A game kept by one test is never offered to the next.
    SetDataFolder(dataDir_.path());
    if (stored == StoredSettings::Read) return;
    Settings() = app::Settings{};
    Settings().loadOnStartup = false;
  }

  QTemporaryDir dataDir_;
  std::deque<std::optional<core::MsgButton>> boxAnswers;  // nullopt: close the box
  std::deque<std::optional<QString>> fileAnswers;         // nullopt: cancel
  std::deque<bool> reportAnswers;                         // true: "&New puzzle"
  // Each acts on the dialog as a user would (checks boxes, presses buttons).
  std::deque<std::function<void(LevelDialog&)>> levelAnswers;
  std::deque<std::function<void(HintWindow&)>> hintAnswers;
  std::deque<std::function<void(SettingsDialog&)>> settingsAnswers;
  std::deque<std::optional<QColor>> colourAnswers;  // nullopt: cancel
  // Each may set up the dialog's printer and accept it.
  std::deque<std::function<void(QPrintDialog&)>> printAnswers;
  // Any other dialog, in turn: gives the dialog's result.
  std::deque<std::function<int(QDialog&)>> otherAnswers;

  std::vector<SeenBox> boxes;
  std::vector<SeenFileDialog> fileDialogs;
  std::vector<SeenReport> reports;
  std::vector<QColor> colourPresets;  // the colour each colour dialog opened with
  QStringList unexpected;
  // Every modal dialog's class and window flags, as it was about to run.
  std::vector<std::pair<QString, Qt::WindowFlags>> dialogFrames;
  // Called each time a running generation lets the window breathe.
  std::function<void()> whileGenerating;

  void ShowWaitWindow(const app::WaitWindow& window) override {
    SudokuWindow::ShowWaitWindow(window);
    if (whileGenerating) whileGenerating();
  }

  // Nothing is left over once the test is done.
  bool AllAnswered() const {
    return boxAnswers.empty() && fileAnswers.empty() && reportAnswers.empty() &&
           levelAnswers.empty() && hintAnswers.empty() && settingsAnswers.empty() &&
           colourAnswers.empty() && printAnswers.empty() && otherAnswers.empty() &&
           unexpected.isEmpty();
  }

 protected:
  int RunModal(QDialog& dialog) override {
    dialogFrames.push_back({dialog.metaObject()->className(), dialog.windowFlags()});
    if (auto* box = dynamic_cast<MessageBox*>(&dialog)) return AnswerBox(*box);
    if (auto* files = dynamic_cast<QFileDialog*>(&dialog)) return AnswerFile(*files);
    if (auto* report = dynamic_cast<SolvedReportDialog*>(&dialog)) return AnswerReport(*report);
    if (auto* levels = dynamic_cast<LevelDialog*>(&dialog)) return Act(*levels, levelAnswers);
    if (auto* hint = dynamic_cast<HintWindow*>(&dialog)) return Act(*hint, hintAnswers);
    if (auto* settings = dynamic_cast<SettingsDialog*>(&dialog))
      return Act(*settings, settingsAnswers);
    if (auto* colour = dynamic_cast<QColorDialog*>(&dialog)) return AnswerColour(*colour);
    if (auto* print = dynamic_cast<QPrintDialog*>(&dialog)) return Act(*print, printAnswers);
    if (!otherAnswers.empty()) {
      const auto answer = otherAnswers.front();
      otherAnswers.pop_front();
      return answer(dialog);
    }
    unexpected << dialog.objectName();
    return QDialog::Rejected;
  }

 private:
  template <typename D>
  int Act(D& dialog, std::deque<std::function<void(D&)>>& answers) {
    if (answers.empty()) {
      unexpected << dialog.objectName();
      return QDialog::Rejected;
    }
    const auto act = answers.front();
    answers.pop_front();
    dialog.setResult(QDialog::Rejected);
    act(dialog);
    return dialog.result();
  }

  int AnswerBox(MessageBox& box) {
    SeenBox seen{box.windowTitle(), box.text(), box.icon(), {}};
    const core::MsgButtonSet set = box.Buttons();
    for (std::size_t i = 0; i < set.count; ++i)
      seen.buttons << box.ButtonFor(set.buttons[i])->text().remove('&');
    boxes.push_back(seen);
    if (boxAnswers.empty()) {
      unexpected << "message box: " + box.text();
      box.close();
      return QDialog::Rejected;
    }
    const auto answer = boxAnswers.front();
    boxAnswers.pop_front();
    if (answer && box.ButtonFor(*answer))
      box.ButtonFor(*answer)->click();
    else
      box.close();
    return box.result();
  }

  int AnswerColour(QColorDialog& dialog) {
    colourPresets.push_back(dialog.currentColor());
    if (colourAnswers.empty()) {
      unexpected << "colour dialog";
      return QDialog::Rejected;
    }
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    if (!answer) return QDialog::Rejected;
    dialog.setCurrentColor(*answer);
    return QDialog::Accepted;
  }

  int AnswerFile(QFileDialog& dialog) {
    fileDialogs.push_back({dialog.acceptMode(), dialog.nameFilters(),
                           dialog.directory().absolutePath(), dialog.selectedFiles(),
                           dialog.defaultSuffix()});
    if (fileAnswers.empty()) {
      unexpected << "file dialog";
      return QDialog::Rejected;
    }
    const auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer) return QDialog::Rejected;
    dialog.selectFile(*answer);
    return QDialog::Accepted;
  }

  int AnswerReport(SolvedReportDialog& form) {
    SeenReport seen;
    seen.captions << Named<QLabel>(form, "TitleLab")->text();
    for (auto [caption, value] :
         {std::pair{Named<QLabel>(form, "LevelLab"), Named<QLabel>(form, "NLevel")},
          {Named<QLabel>(form, "TimeLab"), Named<QLabel>(form, "NTime")},
          {Named<QLabel>(form, "CandidatesLab"), Named<QLabel>(form, "NCandidates")},
          {Named<QLabel>(form, "TipsLab"), Named<QLabel>(form, "NTips")},
          {Named<QLabel>(form, "ConcreteTipsLab"), Named<QLabel>(form, "NConcreteTips")},
          {Named<QLabel>(form, "SolutionLab"), Named<QLabel>(form, "SolutionViewed")}})
      seen.captions << caption->text() + " " + value->text();
    if (auto* checks = Named<QLabel>(form, "ChecksLab"))
      seen.captions << checks->text() + " " + Named<QLabel>(form, "NChecks")->text();
    seen.ok = Named<QPushButton>(form, "OkButton")->text();
    seen.cancel = Named<QPushButton>(form, "CancelButton")->text();
    seen.solutionInRed =
        Named<QLabel>(form, "SolutionViewed")->palette().color(QPalette::WindowText) == Qt::red;
    reports.push_back(seen);
    if (reportAnswers.empty()) {
      unexpected << "solved report";
      return QDialog::Rejected;
    }
    const bool accept = reportAnswers.front();
    reportAnswers.pop_front();
    return accept ? QDialog::Accepted : QDialog::Rejected;
  }
};

// A window on screen, its start-up command (if any) under way.
inline std::unique_ptr<ScriptedWindow> StartWindow(StoredSettings stored = StoredSettings::Ignore) {
  auto frm = std::make_unique<ScriptedWindow>(stored);
  frm->ShowWindow();
  if (!QTest::qWaitForWindowExposed(frm.get())) qWarning("window not exposed");
  QCoreApplication::processEvents();  // the queued start-up command
  return frm;
}

// A window's title as the platform shows it: "[*]" becomes the modified
// mark while the window is modified and goes otherwise.
inline QString ShownTitle(const QWidget& w) {
  QString title = w.windowTitle();
  title.replace("[*][*]", QChar(0xE000));
  title.replace("[*]", w.isWindowModified() ? "*" : "");
  return title.replace(QChar(0xE000), "[*]");
}

// Writes text to a file in the folder and gives back its full path.
inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text);
  return path;
}

// A published puzzle with one solution, and that solution.
inline constexpr const char* kPuzzleLine =
    "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
inline constexpr const char* kSolutionLine =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

inline QByteArray SdkFile(const QString& line) {
  QByteArray text = "[Software]\r\nProgram: Zentaro\r\nWeb site: x\r\n\r\n\r\n[Puzzle]\r\n";
  for (int r = 0; r < 9; ++r) {
    QString row = line.mid(9 * r, 9);
    row.replace('0', '.');
    text += row.toLatin1() + "\r\n";
  }
  return text;
}

// The solution with the cells of the given (column, row) pairs left empty.
inline QString SolutionWithHoles(std::initializer_list<std::pair<int, int>> holes) {
  QString line = kSolutionLine;
  for (auto [col, row] : holes) line[9 * (row - 1) + (col - 1)] = '0';
  return line;
}

inline int SolutionDigit(int col, int row) {
  return kSolutionLine[9 * (row - 1) + (col - 1)] - '0';
}

}  // namespace zentaro::ui::test
