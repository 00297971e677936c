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
#include "tools/frm_draw.h"
#include "widgets/placed_control.h"

namespace {

constexpr int buttonSize = 32;

// The tool's figure, small, as the button's picture.
QIcon toolIcon(int tool) {
  QImage icon(24, 24, QImage::Format_RGB888);
  icon.fill(Qt::white);
  QPainter painter(&icon);
  SketchFigure figure;
  figure.tool = tool;
  figure.penWidth = 2;
  figure.start = tool == sketchTool::Ellipse || tool == sketchTool::FilledEllipse ? QPoint(12, 12)
                                                                                  : QPoint(4, 5);
  figure.end = QPoint(20, 19);
  figure.ellipseRatio = 0.6;
  if (tool == sketchTool::Freehand) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(QPolygon({{3, 18}, {7, 8}, {11, 15}, {15, 6}, {20, 14}}));
  } else {
    if (tool == sketchTool::Ellipse || tool == sketchTool::FilledEllipse)
      figure.end = QPoint(12, 3);
    drawFigure(painter, figure);
  }
  return QIcon(QPixmap::fromImage(icon));
}

QFrame* frame(QWidget* window, const char* name, QRect at) {
  auto* made = new QFrame(window);
  made->setObjectName(QLatin1String(name));
  made->setFrameShape(QFrame::StyledPanel);
  made->setGeometry(at);
  return made;
}

}  // namespace

void FrmDraw::buildToolButtons() {
  toolFrame_ = frame(this, "Frame2", {4, 296, 8 + 7 * (buttonSize + 2), buttonSize + 12});
  tools_ = new QButtonGroup(this);
  for (int i = 0; i < int(toolButtons_.size()); ++i) {
    auto* button = new QToolButton(toolFrame_);
    button->setObjectName(QStringLiteral("Option1"));
    button->setCheckable(true);
    button->setGeometry(4 + i * (buttonSize + 2), 6, buttonSize, buttonSize);
    if (i == sketchTool::Eraser) {
      button->setText(QStringLiteral("Eraser"));
      button->setToolTip(QStringLiteral("Eraser"));
    } else {
      button->setIcon(toolIcon(i));
      button->setIconSize({24, 24});
    }
    tools_->addButton(button, i);
    toolButtons_[i] = button;
  }
  toolButtons_[sketchTool::FilledRectangle]->setChecked(true);
  connect(tools_, &QButtonGroup::idClicked, this, &FrmDraw::toolClicked);
}

void FrmDraw::buildCommands() {
  penWidthSlider_ = new QSlider(Qt::Horizontal, this);
  penWidthSlider_->setObjectName(QStringLiteral("Slider1"));
  penWidthSlider_->setRange(1, 10);
  penWidthSlider_->setValue(5);
  penWidthSlider_->setTickPosition(QSlider::TicksBelow);
  penWidthSlider_->setGeometry(262, 304, 140, 30);
  connect(penWidthSlider_, &QSlider::valueChanged, this, &FrmDraw::sliderChanged);

  undoButton_ = placed<QPushButton>(this, "Command2", QString(), {412, 298, 44, 40});
  undoButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  undoButton_->setToolTip(QStringLiteral("Undo"));
  connect(undoButton_, &QPushButton::clicked, this, &FrmDraw::undoClicked);

  commandFrame_ = frame(this, "Frame1", {4, 346, 541, 48});
  const char* captions[] = {"&Apply", "&Cancel"};
  for (int i = 0; i < 2; ++i) {
    commandButtons_[i] = placed<QPushButton>(commandFrame_, "Command1", QLatin1String(captions[i]),
                                             {318 + i * 110, 8, 100, 32});
    connect(commandButtons_[i], &QPushButton::clicked, this, [this, i] { commandClicked(i); });
  }
}
