#include "main_window/menu_actions.h"

MenuActions menuActions(const QHash<QString, QAction*>& byName) {
  auto entry = [&](const char* name) { return byName.value(QLatin1String(name)); };
  MenuActions actions;
  actions.fileNew = entry("mnuFileNew");
  actions.fileOpen = entry("mnuFileOpen");
  actions.recentPlace = entry("mnuFileBar0");
  actions.fileSave = entry("mnuFileSave");
  actions.fileSaveAs = entry("mnuFileSaveAs");
  actions.exportWeb = entry("mnuFileExportWeb");
  actions.saveStyle = entry("mnuFileSaveStyle");
  actions.loadStyle = entry("mnuFileLoadStyle");
  actions.stylesPlace = entry("mnuFileBar2");
  actions.print = entry("mnuFilePrint");
  actions.exit = entry("mnuFileExit");
  actions.copy = entry("mnuEditCopy");
  actions.paste = entry("mnuEditPaste");
  actions.undo = entry("mnuEditUndo");
  actions.redo = entry("mnuEditRedo");
  actions.zoomIn = entry("mnuViewZoomIn");
  actions.zoomOut = entry("mnuViewZoomOut");
  actions.actualSize = entry("mnuViewActualSize");
  actions.fitView = entry("mnuViewFit");
  actions.font = entry("mnuEditFont");
  actions.symbols = entry("mnuToolsSymbols");
  actions.picture = entry("mnuToolsPicture");
  actions.drawing = entry("mnuToolsDrawing");
  actions.crop = entry("mnucrop");
  actions.fitCanvas = entry("mnuToolsFitCanvas");
  actions.fitToBox = entry("mnuToolsFitToBox");
  actions.livePreview = entry("mnuToolsLivePreview");
  actions.helpContents = entry("mnuHelpContents");
  actions.about = entry("mnuHelpAbout");
  actions.curveReset = entry("mnubezierreset");
  actions.curveSave = entry("mnubeziersave");
  actions.curveLoad = entry("mnubezierload");
  return actions;
}
