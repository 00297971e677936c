// Opening the tool windows: the shape drawing tool from the source selector,
// the symbol picker from the Tools menu.
#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/kind_settings.h"
#include "state/tool_design.h"
#include "tools/frm_draw.h"
#include "tools/frm_ellipse.h"
#include "tools/frm_symbols.h"

// The source selector opens a source's tool on any press but the left one.
void FrmMain::showSourceTool(SourceKind kind, Qt::MouseButton button) {
  if (kind != SourceKind::Shape || button == Qt::LeftButton) return;
  if (!frmDraw_) {
    frmDraw_ = new FrmDraw(*this, ToolDesign(design()), platform());
    frmDraw_->load();
  }
  frmDraw_->show();
  frmDraw_->raise();
  frmDraw_->activateWindow();
}

// The picker has no owner, so this window deletes it when it goes.
void FrmMain::showSymbols() {
  if (!frmSymbols_) {
    frmSymbols_ = new FrmSymbols(*this, screenScaleOf(design()), platform());
    connect(this, &QObject::destroyed, frmSymbols_, [picker = frmSymbols_] { delete picker; });
    frmSymbols_->load();
  }
  platform().showModal(*frmSymbols_);
}

FrmDraw* FrmMain::shapeTool() const { return frmDraw_; }

FrmSymbols* FrmMain::symbolPicker() const { return frmSymbols_; }

void FrmMain::showEllipseRatio() {
  FrmEllipse dialog(*this, ToolDesign(design()), platform());
  dialog.load();
  platform().showModal(dialog);
}
