#include "tools/shape_tool.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>

#include "files/site_tags.h"
#include "files/temp_file.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "tools/drawing_area.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/main_window_link.h"
#include "widgets/window_placement.h"

namespace {

constexpr int windowWidth = 551;
constexpr int windowHeight = 430;
constexpr int drawingKeyStep = 4;  // arrow key step of the drawing marker, in points
constexpr int areaBorder = 2;
const QSize drawingSize(541 - 2 * areaBorder, 285 - 2 * areaBorder);

QImage whitePicture(QSize size) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(Qt::white);
  return picture;
}

}  // namespace

ShapeTool::ShapeTool(MainWindowLink& main, ToolDesign design, Platform& platform)
    : QWidget(&main.ownerWindow(), Qt::Window), main_(main), design_(design), platform_(platform) {
  setObjectName(QStringLiteral("FrmDraw"));
  setWindowTitle(QStringLiteral("Under shape drawing tool "));
  auto* border = new QFrame(this);
  border->setFrameShape(QFrame::Panel);
  border->setFrameShadow(QFrame::Sunken);
  border->setLineWidth(areaBorder);
  border->setGeometry(4, 4, drawingSize.width() + 2 * areaBorder,
                      drawingSize.height() + 2 * areaBorder);
  drawingArea_ = new DrawingArea(border);
  drawingArea_->setObjectName(QStringLiteral("Picture1"));
  describe(drawingArea_, QStringLiteral("Drawing area"),
           QStringLiteral("Draw with the chosen tool; or with the keys: Space starts at the "
                          "marker, the arrow keys draw, Space ends"));
  drawingArea_->takeKeyboardPointer(drawingKeyStep, true);
  drawingArea_->move(areaBorder, areaBorder);
  drawingArea_->setPicture(whitePicture(drawingSize));
  drawingArea_->setCursor(Qt::CrossCursor);
  sketch_.sheet = drawingSize;
  buildToolButtons();
  buildCommands();
  connect(drawingArea_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { pressed(button, at); });
  connect(drawingArea_, &PictureBox::mouseMoved, this, &ShapeTool::moved);
  connect(drawingArea_, &PictureBox::mouseReleased, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint at) { released(at); });
}

ShapeTool::~ShapeTool() { unload(); }

int ShapeTool::tool() const { return tools_->checkedId(); }

void ShapeTool::load() {
  runTrapped(platform_, siteTag::FrmDraw_Load, [this] {
    const ScreenScale scale = design_.screenScale();
    placeFixedWindow(*this, scale, windowWidth, windowHeight, 100);
    file_ = std::make_unique<File>();
    design_.setShapeFile(file_->fullPath());
    undo_ = std::make_unique<UndoFiles>(file_->Path(), QStringLiteral("Undop1"));
    drawing_ = false;
    adjustControlFonts(*this, scale.fontScaleFactor, platform_);
  });
}

void ShapeTool::unload() {
  runTrapped(platform_, siteTag::FrmDraw_Unload, [this] { Reset_Undo(); });
}

// The figures of a step are those of the drawing before the stroke: the
// steps after it only ever add figures.
void ShapeTool::Save_Undo() {
  runTrapped(platform_, siteTag::FrmDraw_Save_Undo, [this] {
    if (!undo_) return;
    const int level = undo_->level();
    undo_->save(drawingArea_->picture());
    figuresAtLevel_.resize(std::max(level, 0));
    figuresAtLevel_.append(sketch_.figures.size());
  });
}

void ShapeTool::Reset_Undo() {
  runTrapped(platform_, siteTag::FrmDraw_Reset_Undo, [this] {
    if (undo_) undo_->reset();
    figuresAtLevel_.clear();
  });
}

SketchFigure ShapeTool::currentFigure() const {
  return {tool(),    {startX_, startY_}, {endX_, endY_},
          penWidth_, penColour(),        design_.ellipseRatio()};
}

QColor ShapeTool::penColour() const {
  return tool() == sketchTool::Eraser ? QColor(Qt::white) : QColor(Qt::black);
}

void ShapeTool::pressed(Qt::MouseButton, QPoint at) {
  runTrapped(platform_, siteTag::FrmDraw_Picture1_MouseDown, [&] {
    drawing_ = true;
    Save_Undo();
    startX_ = endX_ = at.x();
    startY_ = endY_ = at.y();
    if (drawsFigure(tool())) drawingArea_->showDraggedFigure(currentFigure());
  });
}

void ShapeTool::moved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::FrmDraw_Picture1_MouseMove, [&] {
    if (buttons == Qt::NoButton || !drawing_) return;
    if (!drawsFigure(tool())) {
      endX_ = at.x();
      endY_ = at.y();
      drawFinal(currentFigure());
      startX_ = at.x();
      startY_ = at.y();
      return;
    }
    endX_ = at.x();
    endY_ = at.y();
    drawingArea_->showDraggedFigure(currentFigure());
  });
}

void ShapeTool::released(QPoint) {
  runTrapped(platform_, siteTag::FrmDraw_Picture1_MouseUp, [this] {
    if (!drawing_ || !drawingArea_->draggedFigure()) return;
    drawingArea_->hideDraggedFigure();
    drawFinal(currentFigure());
  });
}

void ShapeTool::drawFinal(const SketchFigure& figure) {
  drawingArea_->drawFinalFigure(figure);
  sketch_.figures.append(figure);
}

void ShapeTool::sliderChanged(int value) {
  runTrapped(platform_, siteTag::FrmDraw_Slider1_Change, [&] { penWidth_ = 3 * value; });
}

void ShapeTool::toolClicked(int index) {
  runTrapped(platform_, siteTag::FrmDraw_Option1_Click, [&] {
    if (index == sketchTool::Ellipse || index == sketchTool::FilledEllipse)
      main_.showEllipseRatio();
  });
}

void ShapeTool::undoClicked() {
  runTrapped(platform_, siteTag::FrmDraw_Command2_Click, [this] {
    if (!undo_) return;
    const std::optional<QImage> earlier = undo_->undo();
    if (!earlier) return;
    drawingArea_->setPicture(*earlier);
    const int level = undo_->level();
    if (level >= 0 && level < figuresAtLevel_.size())
      sketch_.figures.resize(figuresAtLevel_[level]);
  });
}

void ShapeTool::commandClicked(int index) {
  runTrapped(platform_, siteTag::FrmDraw_Command1_Click, [&] {
    if (index == 0)
      apply();
    else
      cancel();
  });
}

// The shape file is written before the shape counts as drawn: a shape file
// that could not be written must not become the design's source.
void ShapeTool::apply() {
  drawing_ = false;
  writeShapeFile();
  main_.selectSource(SourceKind::Shape, Qt::NoButton);
  main_.activateOwner();
  hide();
}

void ShapeTool::closeEvent(QCloseEvent* event) {
  commandClicked(1);
  event->accept();
}

void ShapeTool::cancel() {
  drawing_ = false;
  main_.selectSource(SourceKind::Text, Qt::NoButton);
  main_.activateOwner();
  hide();
}

void ShapeTool::writeShapeFile() {
  if (!file_) throw Failure(errorNumber::FileNotFound, QStringLiteral("No shape file was made"));
  design_.useShape(framedShape(drawingArea_->picture(), 1), sketch_);
}
