#pragma once

#include <QKeySequence>
#include <optional>
#include <span>

#include "app/Commands.h"
#include "core/StringTable.h"
#include "ui/Icons.h"

namespace zentaro::ui {

// The menus of the main window; Bar is the menu bar itself.
enum class Menu { None, Bar, File, Recent, Action, Step, Highlight, Edit, Help };

// The places on the tool panel that show a command: a picture button that
// follows its enabled state, or a step button that is its action.
enum class PanelSlot {
  None,
  NewPicture,
  HintPicture,
  CandidatesPicture,
  NoCandidatesPicture,
  FirstStep,
  Undo,
  Redo,
  LastStep,
  SetBookmark,
  GoBookmark
};

// How a row's item starts and where separators go.
enum CommandFlag : unsigned {
  kSeparatorBefore = 1,         // in its menu
  kToolBarSeparatorBefore = 2,  // on the tool bar
  kHidden = 4,
  kDisabled = 8,
};

// One command of the window: one QAction, put in its menu, on the tool bar
// and on the tool panel as the row says. A row that opens a submenu makes
// that menu at its place, and its command (if any) is the menu's own action.
struct CommandRow {
  app::Command command = app::Command::Count;
  const char* objectName = "";
  std::optional<core::Text> caption;            // from the string table
  const char* ownCaption = nullptr;             // else the window's own text, translated
  std::optional<core::AddedText> addedCaption;  // or a text added to the table later
  QKeyCombination key{};
  QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
  Menu menu = Menu::None;   // the menu the item sits in
  Menu opens = Menu::None;  // the submenu the row stands for
  unsigned flags = 0;
  int toolBar = 0;  // its place on the tool bar, from 1; 0 = not there
  std::optional<IconKind> icon;
  std::optional<core::Text> tip;  // the tool bar's hint
  std::optional<core::AddedText> addedTip;
  PanelSlot panel = PanelSlot::None;
  // The game's speed-button state that this action also stands for.
  app::Command twin = app::Command::Count;
  // Another command whose enabled state and visibility this one takes.
  app::Command follows = app::Command::Count;
};

// In the order the items appear in their menus.
std::span<const CommandRow> CommandTable();

}  // namespace zentaro::ui
