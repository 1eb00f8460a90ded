#pragma once

#include <QString>

#include "core/StringTable.h"

namespace zentaro::ui {

// A text of the string table, for a widget.
inline QString UiText(core::Text id) {
  return QString::fromStdString(core::LoadText(id));
}

}  // namespace zentaro::ui
