// Opening the tool windows: the shape drawing tool from the source selector,
// the symbol picker from the Tools menu.
#include "design/design_state.h"
#include "design/kind_settings.h"
#include "design/tool_design.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
#include "tools/ellipse_ratio_dialog.h"
#include "tools/picture_tool.h"
#include "tools/shape_tool.h"
#include "tools/symbol_picker.h"

MainWindow::~MainWindow() {
  delete shapeTool_;
  delete pictureTool_;
}

// The source selector opens a source's tool on any press but the left one.
void MainWindow::showSourceTool(SourceKind kind, Qt::MouseButton button) {
  if (kind != SourceKind::Shape || button == Qt::LeftButton) return;
  if (!shapeTool_) {
    shapeTool_ = new ShapeTool(*this, ToolDesign(document_), platform());
    shapeTool_->load();
  }
  shapeTool_->show();
  shapeTool_->raise();
  shapeTool_->activateWindow();
}

// The picker has no owner, so this window deletes it when it goes.
void MainWindow::showSymbols() {
  if (!symbolPicker_) {
    symbolPicker_ = new SymbolPicker(*this, screenScaleOf(document_), platform());
    connect(this, &QObject::destroyed, symbolPicker_, [picker = symbolPicker_] { delete picker; });
    symbolPicker_->load();
  }
  platform().showModal(*symbolPicker_);
}

ShapeTool* MainWindow::shapeTool() const { return shapeTool_; }

SymbolPicker* MainWindow::symbolPicker() const { return symbolPicker_; }

void MainWindow::showEllipseRatio() {
  EllipseRatioDialog dialog(*this, ToolDesign(document_), platform());
  dialog.load();
  platform().showModal(dialog);
}
