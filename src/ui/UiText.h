#pragma once

#include <QString>

#include "core/StringTable.h"

namespace zentaro::ui {

using core::Text;

// A text of the string table, for a widget.
inline QString UiText(Text id) {
  return QString::fromStdString(core::LoadText(id));
}

}  // namespace zentaro::ui
