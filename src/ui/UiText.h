#pragma once

#include <QString>
#include <utility>

#include "core/StringTable.h"

namespace zentaro::ui {

// A text of the string table, for a widget.
inline QString UiText(core::Text id) {
  return QString::fromStdString(core::LoadText(id));
}

// A new widget under its object name, the name tests and style sheets
// find it by.
template <class Widget, class... Args>
Widget* NewNamed(const QString& name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

}  // namespace zentaro::ui
