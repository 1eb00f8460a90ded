#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zentaro::core {

// The number doubles as the index into the title and icon tables.
enum class MsgKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

enum class MsgIcon { Exclamation, Stop, Information, Question };

// The titles are fixed words, not string-table texts.
inline constexpr std::string_view kTitleWarning = "Warning";
inline constexpr std::string_view kTitleError = "Error";
inline constexpr std::string_view kTitleInformation = "Information";
inline constexpr std::string_view kTitleConfirmation = "Confirmation";

constexpr std::string_view MsgTitle(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return kTitleWarning;
    case MsgKind::Error:
      return kTitleError;
    case MsgKind::Information:
      return kTitleInformation;
    case MsgKind::Confirmation:
      return kTitleConfirmation;
  }
  return kTitleInformation;
}

constexpr MsgIcon MsgIconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return MsgIcon::Exclamation;
    case MsgKind::Error:
      return MsgIcon::Stop;
    case MsgKind::Information:
      return MsgIcon::Information;
    case MsgKind::Confirmation:
      return MsgIcon::Question;
  }
  return MsgIcon::Information;
}

// Button bits as callers pass them; they combine with |.
inline constexpr unsigned kButtonsYesNo = 1;
inline constexpr unsigned kButtonsOk = 4;
inline constexpr unsigned kButtonsCancel = 8;

// What a modal window was closed with: a message box, a question, a hint
// stage, the solved report. The numbers are the program's modal results as
// they are stored and compared; Cancel also stands for closing the window.
enum class ModalResult : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MsgButton { Ok, Cancel, Yes, No };

// The buttons a box shows, left to right.
struct MsgButtonSet {
  std::array<MsgButton, 3> buttons{};
  std::size_t count = 0;

  constexpr bool Contains(MsgButton b) const {
    for (std::size_t i = 0; i < count; ++i)
      if (buttons[i] == b) return true;
    return false;
  }
  constexpr bool operator==(const MsgButtonSet& other) const {
    if (count != other.count) return false;
    for (std::size_t i = 0; i < count; ++i)
      if (buttons[i] != other.buttons[i]) return false;
    return true;
  }
};

// Yes/No wins over OK when both bits are given. A set with neither bit still
// gets an OK button: a box the user cannot acknowledge would be useless.
constexpr MsgButtonSet ResolveButtons(unsigned bits) {
  const bool cancel = (bits & kButtonsCancel) != 0;
  if (bits & kButtonsYesNo) {
    if (cancel) return {{MsgButton::Yes, MsgButton::No, MsgButton::Cancel}, 3};
    return {{MsgButton::Yes, MsgButton::No, MsgButton::Ok}, 2};
  }
  if (cancel) return {{MsgButton::Ok, MsgButton::Cancel, MsgButton::Ok}, 2};
  return {{MsgButton::Ok, MsgButton::Ok, MsgButton::Ok}, 1};
}

// The result of a box: the pressed button's value, and Cancel for a box that
// was closed without pressing one (nullopt).
constexpr ModalResult MsgResult(std::optional<MsgButton> pressed) {
  if (!pressed) return ModalResult::Cancel;
  switch (*pressed) {
    case MsgButton::Ok:
      return ModalResult::Ok;
    case MsgButton::Yes:
      return ModalResult::Yes;
    case MsgButton::No:
      return ModalResult::No;
    case MsgButton::Cancel:
      return ModalResult::Cancel;
  }
  return ModalResult::Cancel;
}

// As above, but a button the box does not show counts as closing it.
constexpr ModalResult MsgResult(const MsgButtonSet& shown, std::optional<MsgButton> pressed) {
  if (pressed && !shown.Contains(*pressed)) return ModalResult::Cancel;
  return MsgResult(pressed);
}

}  // namespace zentaro::core
