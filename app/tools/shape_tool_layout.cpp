// The shape drawing tool's controls at their fixed places, and its tool
// button pictures.
#include <QButtonGroup>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include "tools/drawing_area.h"
#include "tools/shape_tool.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/placed_control.h"

namespace {

constexpr int buttonSize = 32;

// An eraser block lying at a slant, its rubbing end dark, on the line it
// has cleaned.
void paintEraser(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.5));
  const QPolygonF block({{3, 15}, {12, 6}, {21, 11}, {12, 20}});
  painter.setBrush(Qt::white);
  painter.drawPolygon(block);
  painter.setBrush(Qt::black);
  painter.drawPolygon(QPolygonF({{3, 15}, {7.5, 10.5}, {16.5, 15.5}, {12, 20}}));
  painter.drawLine(QPointF(2, 22), QPointF(22, 22));
}

// The tool's figure, small, as the button's picture: 24 x 24 pixels drawn
// at `scale`, so that double-density screens get a picture of their own.
QPixmap toolPicture(int tool, int scale) {
  QImage picture(24 * scale, 24 * scale, QImage::Format_RGB888);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.scale(scale, scale);
  SketchFigure figure;
  figure.tool = tool;
  figure.penWidth = 2;
  figure.start = tool == sketchTool::Ellipse || tool == sketchTool::FilledEllipse ? QPoint(12, 12)
                                                                                  : QPoint(4, 5);
  figure.end = QPoint(20, 19);
  figure.ellipseRatio = 0.6;
  if (tool == sketchTool::Eraser) {
    paintEraser(painter);
  } else if (tool == sketchTool::Freehand) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(QPolygon({{3, 18}, {7, 8}, {11, 15}, {15, 6}, {20, 14}}));
  } else {
    if (tool == sketchTool::Ellipse || tool == sketchTool::FilledEllipse)
      figure.end = QPoint(12, 3);
    drawFigure(painter, figure);
  }
  painter.end();
  QPixmap pixmap = QPixmap::fromImage(picture);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QIcon toolIcon(int tool) {
  QIcon icon;
  for (int scale : {1, 2}) icon.addPixmap(toolPicture(tool, scale));
  return icon;
}

QFrame* frame(QWidget* window, const char* name, QRect at) {
  auto* made = new QFrame(window);
  made->setObjectName(QLatin1String(name));
  made->setFrameShape(QFrame::StyledPanel);
  made->setGeometry(at);
  return made;
}

}  // namespace

void ShapeTool::buildToolButtons() {
  toolFrame_ = frame(this, "Frame2", {4, 296, 8 + 7 * (buttonSize + 2), buttonSize + 12});
  tools_ = new QButtonGroup(this);
  for (int i = 0; i < int(toolButtons_.size()); ++i) {
    auto* button = new QToolButton(toolFrame_);
    button->setObjectName(QStringLiteral("Option1"));
    button->setCheckable(true);
    button->setGeometry(4 + i * (buttonSize + 2), 6, buttonSize, buttonSize);
    describe(button, sketchToolName(i));
    button->setIcon(toolIcon(i));
    button->setIconSize({24, 24});
    tools_->addButton(button, i);
    toolButtons_[i] = button;
  }
  toolButtons_[sketchTool::FilledRectangle]->setChecked(true);
  connect(tools_, &QButtonGroup::idClicked, this, &ShapeTool::toolClicked);
}

void ShapeTool::buildCommands() {
  penWidthSlider_ = new QSlider(Qt::Horizontal, this);
  penWidthSlider_->setObjectName(QStringLiteral("Slider1"));
  penWidthSlider_->setRange(1, 10);
  describe(penWidthSlider_, QStringLiteral("Pen width"));
  penWidthSlider_->setValue(5);
  penWidthSlider_->setTickPosition(QSlider::TicksBelow);
  penWidthSlider_->setGeometry(262, 304, 140, 30);
  connect(penWidthSlider_, &QSlider::valueChanged, this, &ShapeTool::sliderChanged);

  undoButton_ = placed<QPushButton>(this, "Command2", QString(), {412, 298, 44, 40});
  undoButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  describe(undoButton_, QStringLiteral("Undo"));
  connect(undoButton_, &QPushButton::clicked, this, &ShapeTool::undoClicked);

  commandFrame_ = frame(this, "Frame1", {4, 346, 541, 48});
  const char* captions[] = {"&Apply", "&Cancel"};
  for (int i = 0; i < 2; ++i) {
    commandButtons_[i] = placed<QPushButton>(commandFrame_, "Command1", QLatin1String(captions[i]),
                                             {318 + i * 110, 8, 100, 32});
    connect(commandButtons_[i], &QPushButton::clicked, this, [this, i] { commandClicked(i); });
  }
  commandButtons_[0]->setToolTip(QStringLiteral("Use the drawn shape as the design"));
  commandButtons_[1]->setToolTip(QStringLiteral("Close without changing the design"));
  cancelOnEscape(*this, *commandButtons_[1]);
}
