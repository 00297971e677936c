// The buttons of the main window's toolbar `ToolBar1`, in order. A button's
// key is also its tooltip; separators and placeholders have none.
#pragma once

#include <QString>
#include <array>

#include "design/setting_declarations.h"

enum class ToolStyle { Button, Check, Separator, Placeholder };

struct ToolButtonEntry {
  QString key;
  ToolStyle style;
  bool initiallyOn;  // enabled for a button, pressed for a check button
  int width;         // placeholders only
};

// A style button: captioned and pressed at first as the setting declares.
inline ToolButtonEntry styleButton(Setting setting) {
  const SettingDeclaration& declared = declaration(setting);
  return {captionOf(declared), ToolStyle::Check, std::get<bool>(declared.start), 0};
}

inline const std::array<ToolButtonEntry, 20>& toolButtonTable() {
  static const std::array<ToolButtonEntry, 20> table{{
      {QStringLiteral("New"), ToolStyle::Button, true, 0},
      {QStringLiteral("Open"), ToolStyle::Button, true, 0},
      {QStringLiteral("Save"), ToolStyle::Button, true, 0},
      {{}, ToolStyle::Separator, false, 0},
      {QStringLiteral("Print"), ToolStyle::Button, true, 0},
      {{}, ToolStyle::Separator, false, 0},
      {{}, ToolStyle::Placeholder, false, 98},  // holds `List1`
      {{}, ToolStyle::Separator, false, 0},
      {{}, ToolStyle::Placeholder, false, 102},  // holds `List2`
      {{}, ToolStyle::Separator, false, 0},
      styleButton(Setting::Bold),
      styleButton(Setting::Italic),
      styleButton(Setting::Underline),
      {{}, ToolStyle::Separator, false, 0},
      {QStringLiteral("Crop"), ToolStyle::Check, false, 0},
      {{}, ToolStyle::Separator, false, 0},
      {QStringLiteral("Undo"), ToolStyle::Button, false, 0},
      {QStringLiteral("Redo"), ToolStyle::Button, false, 0},
      {{}, ToolStyle::Placeholder, false, 15},
      {QStringLiteral("Help"), ToolStyle::Button, true, 0},
  }};
  return table;
}
