#include "main_window/menu_table.h"

namespace {

MenuEntry entry(const char* name, const char* caption, const char* shortcut = "") {
  return {QLatin1String(name), QLatin1String(caption), QLatin1String(shortcut)};
}

}  // namespace

const std::vector<MenuDefinition>& menuTable() {
  static const std::vector<MenuDefinition> table{
      {QStringLiteral("mnuFile"),
       QStringLiteral("&File"),
       true,
       {entry("mnuFileNew", "&New background", "Ctrl+N"),
        entry("mnuFileOpen", "&Open ...", "Ctrl+O"), entry("mnuFileBar0", "-"),
        entry("mnuFileSave", "&Save", "Ctrl+S"),
        entry("mnuFileSaveAs", "Save &As...", "Ctrl+Shift+S"),
        entry("mnuFileExportWeb", "&Export for the web...", "Ctrl+E"),
        entry("mnuFileBarStyles", "-"), entry("mnuFileSaveStyle", "Save st&yle..."),
        entry("mnuFileLoadStyle", "&Load style..."), entry("mnuFileBar2", "-"),
        entry("mnuFilePrint", "&Print..."), entry("mnuFileBar3", "-"),
        entry("mnuFileExit", "E&xit", "Ctrl+Q")}},
      {QStringLiteral("mnuFileStyles"), QStringLiteral("S&tyles"), false, {}},
      {QStringLiteral("mnuFileRecent"), QStringLiteral("Open &Recent"), false, {}},
      {QStringLiteral("mnuedit"),
       QStringLiteral("&Edit"),
       true,
       {entry("mnuEditCopy", "&Copy", "Ctrl+C"), entry("mnuEditPaste", "&Paste", "Ctrl+V"),
        entry("mnueditbar1", "-"), entry("mnuEditUndo", "&Undo", "Ctrl+Z"),
        entry("mnuEditRedo", "&Redo", "Ctrl+R; Ctrl+Shift+Z")}},
      {QStringLiteral("mnuView"),
       QStringLiteral("&View"),
       true,
       {entry("mnuViewZoomIn", "Zoom &in", "Ctrl++; Ctrl+="),
        entry("mnuViewZoomOut", "Zoom &out", "Ctrl+-"),
        entry("mnuViewActualSize", "&Actual size", "Ctrl+0"), entry("mnuViewFit", "&Fit")}},
      {QStringLiteral("mnuTools"),
       QStringLiteral("&Tools"),
       true,
       {entry("mnuEditFont", "&Font", "Ctrl+F"),
        entry("mnuToolsSymbols", "&Symbols viewer", "Ctrl+Y"), entry("mnutoolsbar1", "-"),
        entry("mnuToolsPicture", "Add a &pic", "Ctrl+P"),
        entry("mnuToolsDrawing", "&Draw a shape", "Ctrl+D"), entry("mnutoolsbar2", "-"),
        entry("mnucrop", "&Crop tool"), entry("mnuToolsFitCanvas", "Fi&t canvas to design"),
        entry("mnuToolsFitToBox", "Fit title to &box..."),
        entry("mnuToolsLivePreview", "&Live preview")}},
      {QStringLiteral("mnuHelp"),
       QStringLiteral("&Help"),
       true,
       {entry("mnuHelpContents", "&Contents", "F1"), entry("mnuHelpAbout", "&About ")}},
      {QStringLiteral("mnubezier"),
       QStringLiteral("Bezier"),
       false,
       {entry("mnubezierreset", "Reset"), entry("mnubeziersave", "Save"),
        entry("mnubezierload", "Load")}},
  };
  return table;
}
