#include "ui/CommandTable.h"

#include <QtGlobal>
#include <array>

// A row names only what it has; every field left out keeps its default.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace zentaro::ui {

namespace {

using app::Command;
using core::AddedText;
using core::Text;

// The window's own texts; SudokuWindow translates them in its context.
#define OWN(text) QT_TRANSLATE_NOOP("zentaro::ui::SudokuWindow", text)

const auto kRows = std::to_array<CommandRow>({
    // clang-format off
    {.command = Command::FileMenu, .objectName = "FileMenu", .caption = Text::FileMenu, .menu = Menu::Bar, .opens = Menu::File},
    {.command = Command::NewPuzzle, .objectName = "NewPuzzle", .caption = Text::NewPuzzleItem, .key = Qt::CTRL | Qt::Key_N, .menu = Menu::File, .panel = PanelSlot::NewPicture},
    {.command = Command::GenerateNew, .objectName = "GenerateNew", .caption = Text::GenerateNewItem, .menu = Menu::File, .flags = kHidden},
    {.command = Command::OpenFile, .objectName = "OpenFile", .caption = Text::OpenFileItem, .key = Qt::CTRL | Qt::Key_O, .menu = Menu::File, .toolBar = 1, .icon = IconKind::Open, .tip = Text::OpenFileTip, .twin = Command::OpenButton},
    {.objectName = "RecentMenu", .ownCaption = OWN("Open &recent"), .menu = Menu::File, .opens = Menu::Recent},
    {.command = Command::NextInCollection, .objectName = "NextInCollection", .ownCaption = OWN("Ne&xt puzzle in collection"), .key = Qt::CTRL | Qt::SHIFT | Qt::Key_N, .menu = Menu::File, .flags = kDisabled},
    {.command = Command::SaveFile, .objectName = "SaveFile", .caption = Text::SaveFileItem, .key = Qt::CTRL | Qt::Key_S, .menu = Menu::File, .toolBar = 2, .icon = IconKind::Save, .tip = Text::SaveFileTip, .twin = Command::SaveButton},
    {.command = Command::SaveFileAs, .objectName = "SaveFileAs", .caption = Text::SaveFileAsItem, .menu = Menu::File},
    {.command = Command::Print, .objectName = "Print", .caption = Text::PrintItem, .key = Qt::CTRL | Qt::Key_P, .menu = Menu::File, .flags = kSeparatorBefore, .toolBar = 3, .icon = IconKind::Print, .tip = Text::PrintTip, .twin = Command::PrintButton},
    {.command = Command::ExportPicture, .objectName = "ExportPicture", .ownCaption = OWN("Export picture..."), .menu = Menu::File, .flags = kDisabled, .follows = Command::Print},
    {.command = Command::PrintPuzzles, .objectName = "PrintPuzzles", .ownCaption = OWN("Print p&uzzles..."), .menu = Menu::File},
    {.command = Command::ExportWorkedSolution, .objectName = "ExportWorkedSolution", .ownCaption = OWN("Export &worked solution..."), .menu = Menu::File, .flags = kDisabled, .follows = Command::Print},
    {.command = Command::Settings, .objectName = "SettingsItem", .caption = Text::SettingsItem, .menu = Menu::File, .flags = kSeparatorBefore | kToolBarSeparatorBefore, .toolBar = 5, .icon = IconKind::Settings, .tip = Text::SettingsTip},
    {.command = Command::Exit, .objectName = "ExitItem", .caption = Text::ExitItem, .menu = Menu::File, .flags = kSeparatorBefore},

    {.command = Command::ActionMenu, .objectName = "ActionMenu", .caption = Text::ActionMenu, .menu = Menu::Bar, .opens = Menu::Action},
    {.command = Command::FillCandidates, .objectName = "FillCandidates", .caption = Text::FillCandidatesItem, .key = Qt::CTRL | Qt::Key_M, .menu = Menu::Action, .panel = PanelSlot::CandidatesPicture},
    {.command = Command::RemoveCandidates, .objectName = "RemoveCandidates", .caption = Text::RemoveCandidatesItem, .key = Qt::CTRL | Qt::ALT | Qt::Key_M, .menu = Menu::Action, .panel = PanelSlot::NoCandidatesPicture},
    {.objectName = "StepMenu", .caption = Text::StepCaption, .menu = Menu::Action, .opens = Menu::Step, .flags = kSeparatorBefore},
    // The step items read as their buttons' hints.
    {.command = Command::Undo, .objectName = "UndoItem", .caption = Text::UndoTip, .key = Qt::CTRL | Qt::Key_Z, .menu = Menu::Step, .icon = IconKind::Undo, .panel = PanelSlot::Undo},
    {.command = Command::Redo, .objectName = "RedoItem", .caption = Text::RedoTip, .key = Qt::CTRL | Qt::Key_Y, .menu = Menu::Step, .icon = IconKind::Redo, .panel = PanelSlot::Redo},
    {.command = Command::FirstStep, .objectName = "FirstStepItem", .caption = Text::FirstStepTip, .menu = Menu::Step, .icon = IconKind::MoveFirst, .panel = PanelSlot::FirstStep},
    {.command = Command::LastStep, .objectName = "LastStepItem", .caption = Text::LastStepTip, .menu = Menu::Step, .icon = IconKind::MoveLast, .panel = PanelSlot::LastStep},
    {.command = Command::SetBookmark, .objectName = "SetBookmarkItem", .caption = Text::SetBookmarkTip, .menu = Menu::Step, .icon = IconKind::SetBookmark, .panel = PanelSlot::SetBookmark},
    {.command = Command::GoBookmark, .objectName = "GoBookmarkItem", .caption = Text::GoBookmarkTip, .menu = Menu::Step, .icon = IconKind::GoBookmark, .panel = PanelSlot::GoBookmark},
    // Its nine items, Ctrl+1 to Ctrl+9, are made with it.
    {.objectName = "HighlightMenu", .caption = Text::HighlightCaption, .menu = Menu::Action, .opens = Menu::Highlight},
    {.command = Command::Rate, .objectName = "Rate", .caption = Text::RateItem, .key = Qt::CTRL | Qt::Key_R, .menu = Menu::Action, .flags = kSeparatorBefore | kToolBarSeparatorBefore, .toolBar = 4, .icon = IconKind::Rate, .tip = Text::RateTip, .twin = Command::RateButton},
    {.command = Command::ViewSolution, .objectName = "ViewSolution", .caption = Text::ViewSolutionItem, .menu = Menu::Action},
    {.command = Command::CompetitionMode, .objectName = "CompetitionMode", .ownCaption = OWN("Start the puzzle in the &competition mode"), .menu = Menu::Action, .flags = kHidden},
    {.command = Command::NormalMode, .objectName = "NormalMode", .ownCaption = OWN("&Quit the competition mode"), .menu = Menu::Action, .flags = kHidden},
    {.command = Command::Stop, .objectName = "StopItem", .ownCaption = OWN("Stop"), .menu = Menu::Action, .flags = kHidden | kDisabled},
    {.command = Command::Congratulations, .objectName = "CongratulationsItem", .ownCaption = "", .menu = Menu::Action, .flags = kHidden | kDisabled},
    {.command = Command::BestResults, .objectName = "BestResultsItem", .caption = Text::BestResultsItem, .menu = Menu::Action, .flags = kHidden | kDisabled},
    {.command = Command::CheckMistakes, .objectName = "CheckMistakes", .addedCaption = AddedText::CheckMistakesItem, .key = Qt::CTRL | Qt::Key_K, .menu = Menu::Action, .flags = kSeparatorBefore | kDisabled, .toolBar = 7, .icon = IconKind::CheckMistakes, .addedTip = AddedText::CheckMistakesTip},
    {.command = Command::WhyNotHere, .objectName = "WhyNotHere", .addedCaption = AddedText::WhyNotHereItem, .key = Qt::CTRL | Qt::Key_W, .menu = Menu::Action, .flags = kDisabled, .follows = Command::Hint},
    {.command = Command::Pause, .objectName = "PauseItem", .ownCaption = OWN("&Pause"), .key = Qt::CTRL | Qt::Key_Space, .menu = Menu::Action},

    {.command = Command::EditMenu, .objectName = "EditMenu", .caption = Text::EditMenu, .menu = Menu::Bar, .opens = Menu::Edit},
    {.command = Command::EditMode, .objectName = "EditMode", .caption = Text::StartEditingItem, .menu = Menu::Edit},
    {.command = Command::StopEditMode, .objectName = "StopEditMode", .caption = Text::StopEditingItem, .menu = Menu::Edit},
    {.command = Command::ClearClues, .objectName = "ClearClues", .caption = Text::ClearAllCellsItem, .menu = Menu::Edit, .flags = kSeparatorBefore},

    {.command = Command::HelpMenu, .objectName = "HelpMenu", .caption = Text::HelpMenu, .menu = Menu::Bar, .opens = Menu::Help},
    {.command = Command::Help, .objectName = "HelpItem", .caption = Text::HelpItem, .key = QKeyCombination(Qt::Key_F1), .menu = Menu::Help, .toolBar = 6, .icon = IconKind::Help, .tip = Text::HelpTip},
    {.command = Command::Hint, .objectName = "Hint", .caption = Text::HintItem, .key = Qt::CTRL | Qt::Key_Q, .menu = Menu::Help, .panel = PanelSlot::HintPicture},
    {.command = Command::Statistics, .objectName = "StatisticsItem", .ownCaption = OWN("&Statistics..."), .menu = Menu::Help},
    {.command = Command::Shortcuts, .objectName = "ShortcutsItem", .ownCaption = OWN("&Keyboard shortcuts"), .menu = Menu::Help},
    {.command = Command::About, .objectName = "AboutItem", .caption = Text::AboutItem, .menu = Menu::Help, .flags = kSeparatorBefore},

    // There only while a puzzle is generated.
    {.command = Command::CancelGeneration, .objectName = "CancelItem", .caption = Text::Cancel, .menu = Menu::Bar, .flags = kHidden},

    {.command = Command::PastePuzzle, .objectName = "PastePuzzle", .ownCaption = OWN("&Paste puzzle"), .standardKey = QKeySequence::Paste, .menu = Menu::Edit, .flags = kSeparatorBefore},
    {.command = Command::CopyPuzzle, .objectName = "CopyPuzzle", .ownCaption = OWN("&Copy puzzle"), .standardKey = QKeySequence::Copy, .menu = Menu::Edit},
    // clang-format on
});

#undef OWN

}  // namespace

std::span<const CommandRow> CommandTable() {
  return kRows;
}

}  // namespace zentaro::ui
