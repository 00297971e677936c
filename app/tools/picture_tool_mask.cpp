// The picture tool's mask panel: drawing on the mask by hand, its undo
// files, and handing the framed picture and its mask to the design.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "design/picture_frame.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "tools/mask_canvas.h"
#include "tools/picture_tool.h"
#include "widgets/main_window_link.h"
#include "widgets/track_slider.h"

void PictureTool::enterMaskMode() {
  maskCanvas_->show();
  maskCanvas_->raise();
  maskPanel_->raise();
  maskPanel_->setEnabled(true);
  for (int index : {2, 3, 4}) commandButtons_[index]->setEnabled(false);
}

// The mask file is written before the picture counts as loaded: a mask that
// could not be written must not become the design's source.
void PictureTool::apply() {
  QImage mask = maskCanvas_->picture();
  paintFrame(mask, Qt::white);
  maskCanvas_->setPicture(mask);
  design_.useMask(mask);
  main_.selectSource(SourceKind::Picture, Qt::NoButton);
  leave();
}

void PictureTool::cancel() { leave(); }

// Back to the colour panel, the focus to the main window, this one hidden.
void PictureTool::leave() {
  if (maskCanvas_->isVisible()) {
    maskCanvas_->hide();
    for (int index : {2, 3, 4}) commandButtons_[index]->setEnabled(true);
  }
  colourPanel_->raise();
  main_.activateOwner();
  hide();
}

// The photo and all work on it go at once, so the user is asked first.
void PictureTool::remove() {
  const Message question{
      QStringLiteral("Take the photo and its mask out of the picture tool ?\r\nThe design "
                     "keeps no picture afterwards."),
      MessageIcon::Question, MessageButtons::YesNo, applicationTitle, this};
  if (platform_.showMessage(question) != MessageAnswer::Yes) return;
  photoView_->setPicture(QImage());
  maskCanvas_->setPicture(QImage());
  design_.removeMask();
  keptShare_->clear();
  enableKeyingCommands(false);
}

void PictureTool::saveUndo() {
  runTrapped(platform_, siteTag::FrmPicture_SaveUndoFile,
             [this] { undoFiles->save(maskCanvas_->picture()); });
}

void PictureTool::undoClicked() {
  runTrapped(platform_, siteTag::FrmPicture_Command3_Click, [this] { loadUndo(); });
}

void PictureTool::loadUndo() {
  runTrapped(platform_, siteTag::FrmPicture_LoadUndoFile, [this] {
    if (std::optional<QImage> before = undoFiles->undo()) maskCanvas_->setPicture(*before);
  });
}

// The mask canvas draws the figure with its own pen.
SketchFigure PictureTool::maskFigure() const {
  return {tool, start, end, 0, {}, design_.ellipseRatio()};
}

void PictureTool::maskPressed(Qt::MouseButton, QPoint at) {
  runTrapped(platform_, siteTag::FrmPicture_Picture2_MouseDown, [&] {
    Drawing = true;
    saveUndo();
    start = end = at;
    if (tool != sketchTool::Freehand) maskCanvas_->showOutline(maskFigure());
  });
}

void PictureTool::maskMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::FrmPicture_Picture2_MouseMove, [&] {
    if (buttons == Qt::NoButton || !Drawing) return;
    if (tool == sketchTool::Freehand) {
      maskCanvas_->drawStroke(start, at);
      start = at;
      return;
    }
    end = at;
    maskCanvas_->showOutline(maskFigure());
  });
}

void PictureTool::maskReleased(Qt::MouseButton, QPoint) {
  runTrapped(platform_, siteTag::FrmPicture_Picture2_MouseUp, [this] {
    // Only a figure whose press was seen here has an outline to finish.
    if (!Drawing || tool == sketchTool::Freehand || !maskCanvas_->outline()) return;
    maskCanvas_->hideOutline();
    maskCanvas_->drawFinalFigure(maskFigure());
  });
}

void PictureTool::toolClicked(int index) {
  runTrapped(platform_, siteTag::FrmPicture_Option1_Click, [&] {
    tool = index;
    if (index == sketchTool::Ellipse) showEllipseRatio();
  });
}

void PictureTool::penColourClicked(int index) {
  runTrapped(platform_, siteTag::FrmPicture_Option2_Click,
             [&] { maskCanvas_->penColour = index == 0 ? QColor(Qt::white) : QColor(Qt::black); });
}

void PictureTool::penWidthChanged(int value) {
  runTrapped(platform_, siteTag::FrmPicture_Slider1_Change, [&] { maskCanvas_->penWidth = value; });
}
