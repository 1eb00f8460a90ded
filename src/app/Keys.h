#pragma once

namespace zentaro::app {

// The keys the board reacts to. The window folds the main keys and the
// numeric keypad together: both rows of digits give Digit1..Digit9, and
// Space, "0" and keypad "0" all give Clear. Every other key is Other.
enum class Key {
  Other,
  Escape,
  Up,
  Down,
  Left,
  Right,
  Shift,
  Clear,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
};

// Digit1..Digit9 for 1..9, Other for anything else.
constexpr Key DigitKey(int digit) {
  if (digit < 1 || digit > 9) return Key::Other;
  return static_cast<Key>(static_cast<int>(Key::Digit1) + digit - 1);
}

// 1..9 for a digit key, 0 for any other key.
constexpr int KeyDigit(Key key) {
  const int offset = static_cast<int>(key) - static_cast<int>(Key::Digit1);
  return offset >= 0 && offset < 9 ? offset + 1 : 0;
}

enum class MouseButton { Left, Right, Other };

}  // namespace zentaro::app
