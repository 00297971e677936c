// The menu entries the window's code reaches, each by a name of its own.
// The menu table keeps the entries' historical names as their object names;
// `menuActions` is the one place those names meet the code.
#pragma once

#include <QHash>
#include <QString>

class QAction;

struct MenuActions {
  QAction* fileNew = nullptr;
  QAction* fileOpen = nullptr;
  QAction* recentPlace = nullptr;  // the separator "Open Recent" stands before
  QAction* fileSave = nullptr;
  QAction* fileSaveAs = nullptr;
  QAction* exportWeb = nullptr;
  QAction* saveStyle = nullptr;
  QAction* loadStyle = nullptr;
  QAction* stylesPlace = nullptr;  // the separator "Styles" stands before
  QAction* print = nullptr;
  QAction* exit = nullptr;
  QAction* copy = nullptr;
  QAction* paste = nullptr;
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* zoomIn = nullptr;
  QAction* zoomOut = nullptr;
  QAction* actualSize = nullptr;
  QAction* fitView = nullptr;
  QAction* font = nullptr;
  QAction* symbols = nullptr;
  QAction* picture = nullptr;
  QAction* drawing = nullptr;
  QAction* crop = nullptr;
  QAction* fitCanvas = nullptr;
  QAction* fitToBox = nullptr;
  QAction* livePreview = nullptr;
  QAction* helpContents = nullptr;
  QAction* about = nullptr;
  QAction* curveReset = nullptr;
  QAction* curveSave = nullptr;
  QAction* curveLoad = nullptr;
};

// The entries of `byName`, the menus built from the menu table.
MenuActions menuActions(const QHash<QString, QAction*>& byName);
