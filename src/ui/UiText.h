#pragma once

#include <QColor>
#include <QString>
#include <utility>

#include "app/Settings.h"
#include "core/StringTable.h"

namespace zentaro::ui {

// A text of the string table, for a widget.
inline QString UiText(core::Text id) {
  return QString::fromStdString(core::LoadText(id));
}

// The program's title, for a widget or a page.
inline QString AppTitle() {
  return QString::fromUtf8(core::kAppTitle);
}

// A colour of the settings as Qt paints it, and back.
inline QColor ToQColor(app::ColorValue c) {
  return QColor(app::RedOf(c), app::GreenOf(c), app::BlueOf(c));
}
inline app::ColorValue ToColorValue(const QColor& c) {
  return app::RgbValue(c.red(), c.green(), c.blue());
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
