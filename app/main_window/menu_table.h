// The entries of the main window's menus: name, caption and shortcut, menu
// by menu. A caption "-" is a separator. A shortcut may list several keys
// separated by "; "; the menu shows the first. The "Bezier" menu is the
// curve box's popup and never shows in the menu bar.
#pragma once

#include <QString>
#include <vector>

struct MenuEntry {
  QString name;
  QString caption;
  QString shortcut;
};

struct MenuDefinition {
  QString name;
  QString caption;
  bool inMenuBar;
  std::vector<MenuEntry> entries;
};

const std::vector<MenuDefinition>& menuTable();
