#include "tools/picture_tool.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "files/site_tags.h"
#include "files/temp_file.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/engine_library.h"
#include "tools/mask_canvas.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/main_window_link.h"
#include "widgets/placed_control.h"
#include "widgets/track_slider.h"
#include "widgets/window_placement.h"

namespace {

constexpr int windowWidth = 551;
constexpr int windowHeight = 427;
constexpr int panelTop = 349;
constexpr int photoKeyStep = 4;  // arrow key step of the photo and mask markers, in points

QFrame* panel(QWidget* window, const char* name) {
  auto* frame = new QFrame(window);
  frame->setObjectName(QLatin1String(name));
  frame->setGeometry(4, panelTop, 543, 76);
  frame->setEnabled(false);
  // The two panels share one place: the one in front hides the other.
  frame->setAutoFillBackground(true);
  return frame;
}

// The pictures of the drawing tool buttons: a stroke, a line, a rectangle,
// an ellipse.
QIcon toolIcon(int tool) {
  QPixmap icon(20, 20);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  if (tool == sketchTool::Freehand) {
    QPainterPath stroke({3, 15});
    stroke.cubicTo(6, 2, 12, 20, 17, 5);
    painter.drawPath(stroke);
  } else {
    drawFigure(painter, {tool, tool == sketchTool::Ellipse ? QPoint(10, 10) : QPoint(3, 16),
                         QPoint(17, tool == sketchTool::Ellipse ? 10 : 4), 2, Qt::black, 0.6});
  }
  return QIcon(icon);
}

}  // namespace

PictureTool::PictureTool(MainWindowLink& main, ToolDesign design, Platform& platform)
    : QWidget(&main.ownerWindow(), Qt::Window),
      main_(main),
      design_(design),
      platform_(platform),
      engine_(&main.engine()) {
  setObjectName(QStringLiteral("FrmPicture"));
  setAcceptDrops(true);
  setWindowTitle(QStringLiteral("Inner shade"));
  clock = [this] {
    if (!ticks_.isValid()) ticks_.start();
    return ticks_.elapsed();
  };
  buildViews();
  buildColourPanel();
  buildMaskPanel();
  buildCommands();
  connectControls();
}

PictureTool::~PictureTool() {
  // Unload: deleting files reports nothing worth a message at this point.
  if (undoFiles) undoFiles->reset();
}

void PictureTool::buildViews() {
  viewport_ = new QWidget(this);
  viewport_->setObjectName(QStringLiteral("Picture3"));
  viewport_->setGeometry(4, 4, 427, 341);
  viewport_->setAutoFillBackground(true);
  QPalette viewport = viewport_->palette();
  viewport.setColor(QPalette::Window, Qt::white);
  viewport_->setPalette(viewport);
  photoView_ = new PictureBox(viewport_);
  photoView_->setObjectName(QStringLiteral("Picture1"));
  describe(photoView_, QStringLiteral("Photo"),
           QStringLiteral("Click a colour of the subject to keep the colours near it; or move "
                          "the marker with the arrow keys and press Space"));
  photoView_->takeKeyboardPointer(photoKeyStep);
  photoView_->setPalette(viewport);
  maskCanvas_ = new MaskCanvas(viewport_);
  maskCanvas_->setObjectName(QStringLiteral("Picture2"));
  maskCanvas_->setCursor(Qt::CrossCursor);
  describe(maskCanvas_, QStringLiteral("Mask"),
           QStringLiteral("Draw the mask with the chosen tool; or with the keys: Space starts "
                          "a stroke at the marker, the arrow keys draw, Space ends it"));
  maskCanvas_->takeKeyboardPointer(photoKeyStep, true);
  maskCanvas_->hide();
}

void PictureTool::buildColourPanel() {
  colourPanel_ = panel(this, "Frame2");
  selectCaption_ =
      placed<QLabel>(colourPanel_, "Label2", QStringLiteral("Select colors :"), {4, 0, 120, 18});
  const char* channels[] = {"Red :", "Green :", "Blue :"};
  const char* channelNames[] = {"red", "green", "blue"};
  for (int channel = 0; channel < 3; ++channel) {
    const int y = 19 + 19 * channel;
    channelCaptions_[channel] =
        placed<QLabel>(colourPanel_, "Label1", QLatin1String(channels[channel]), {4, y, 50, 18});
    for (int side = 0; side < 2; ++side) {
      const int index = 2 * channel + side;
      const int x = 56 + 150 * side;
      boundLabels_[index] = placed<QLabel>(colourPanel_, "Label2", QString(), {x, y, 90, 18});
      raiseButtons_[index] =
          placed<QPushButton>(colourPanel_, "CmdPlus", QStringLiteral("+"), {x + 92, y, 22, 18});
      lowerButtons_[index] =
          placed<QPushButton>(colourPanel_, "CmdMoins", QStringLiteral("-"), {x + 116, y, 22, 18});
      const QString bound = QStringLiteral(" the %1 %2 bound of the colours removed")
                                .arg(QLatin1String(side == 0 ? "lower" : "upper"))
                                .arg(QLatin1String(channelNames[channel]));
      raiseButtons_[index]->setToolTip(QStringLiteral("Raise") + bound);
      lowerButtons_[index]->setToolTip(QStringLiteral("Lower") + bound);
    }
  }
  placed<QLabel>(colourPanel_, "Label3", QStringLiteral("...and remove :"), {372, 19, 120, 18});
  transparentColourButton_ = placed<QPushButton>(
      colourPanel_, "Command2", QStringLiteral("transparent clr"), {372, 40, 120, 26});
  transparentColourButton_->setToolTip(QStringLiteral("Remove the selected colours"));
  writeBoundLabels();
}

void PictureTool::buildMaskPanel() {
  maskPanel_ = panel(this, "Frame3");
  for (int index = 0; index < 4; ++index) {
    toolButtons_[index] = new QToolButton(maskPanel_);
    toolButtons_[index]->setObjectName(QStringLiteral("Option1"));
    toolButtons_[index]->setGeometry(4 + 28 * index, 6, 26, 26);
    toolButtons_[index]->setCheckable(true);
    toolButtons_[index]->setAutoExclusive(true);
    toolButtons_[index]->setIcon(toolIcon(index));
    describe(toolButtons_[index], sketchToolName(index));
  }
  toolButtons_[sketchTool::Freehand]->setChecked(true);
  penColourFrame_ = new QFrame(maskPanel_);
  penColourFrame_->setObjectName(QStringLiteral("Frame4"));
  penColourFrame_->setGeometry(120, 0, 90, 74);
  placed<QLabel>(penColourFrame_, "Label5", QStringLiteral("Inner shade"), {4, 2, 84, 18});
  penColourButtons_[0] =
      placed<QRadioButton>(penColourFrame_, "Option2", QStringLiteral("White"), {4, 22, 84, 20});
  penColourButtons_[1] =
      placed<QRadioButton>(penColourFrame_, "Option2", QStringLiteral("Black"), {4, 44, 84, 20});
  penColourButtons_[0]->setChecked(true);
  penColourButtons_[0]->setToolTip(
      QStringLiteral("Paint the mask white: the picture is left out there"));
  penColourButtons_[1]->setToolTip(QStringLiteral("Paint the mask black: the picture shows there"));
  penWidthSlider_ = new TrackSlider(maskPanel_);
  penWidthSlider_->setObjectName(QStringLiteral("Slider1"));
  describe(penWidthSlider_, QStringLiteral("Pen width"));
  penWidthSlider_->setGeometry(4, 40, 112, 26);
  penWidthSlider_->setMin(1);
  penWidthSlider_->setMax(50);
  penWidthSlider_->setValue(25);
  maskUndoButton_ =
      placed<QPushButton>(maskPanel_, "Command3", QStringLiteral("Undo"), {214, 24, 60, 26});
  maskUndoButton_->setToolTip(QStringLiteral("Undo the last stroke on the mask"));
  maskHint_ = placed<QLabel>(
      maskPanel_, "Label4",
      QStringLiteral(" Complete the extraction process  by drawing directly on the mask. The "
                     "output will show the picture where the mask is black."),
      {280, 0, 260, 74});
  maskHint_->setWordWrap(true);
}

void PictureTool::buildCommands() {
  const char* captions[] = {"&Apply", "&Cancel", "&Load", "&Mask", "&Remove"};
  for (int index = 0; index < 5; ++index)
    commandButtons_[index] = placed<QPushButton>(this, "Command1", QLatin1String(captions[index]),
                                                 {441, 8 + 36 * index, 102, 28});
  const char* hints[] = {"Use the keyed photo as the design", "Close without changing the design",
                         "Load a photo", "Draw a mask over the photo",
                         "Take the photo and its mask out of the tool"};
  for (int index = 0; index < 5; ++index)
    commandButtons_[index]->setToolTip(QLatin1String(hints[index]));
  keptShare_ = placed<QLabel>(this, "keptReadout", QString(), {441, 190, 102, 150});
  keptShare_->setWordWrap(true);
  keptShare_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  enableKeyingCommands(false);
  cancelOnEscape(*this, *commandButtons_[1]);
}

void PictureTool::connectControls() {
  for (int index = 0; index < 5; ++index)
    connect(commandButtons_[index], &QPushButton::clicked, this,
            [this, index] { command1Clicked(index); });
  connect(transparentColourButton_, &QPushButton::clicked, this,
          &PictureTool::transparentColourClicked);
  connect(maskUndoButton_, &QPushButton::clicked, this, &PictureTool::undoClicked);
  for (int index = 0; index < 6; ++index) {
    connect(raiseButtons_[index], &QPushButton::pressed, this,
            [this, index] { boundButtonPressed(index, true); });
    connect(raiseButtons_[index], &QPushButton::released, this,
            [this, index] { boundButtonReleased(index, true); });
    connect(lowerButtons_[index], &QPushButton::pressed, this,
            [this, index] { boundButtonPressed(index, false); });
    connect(lowerButtons_[index], &QPushButton::released, this,
            [this, index] { boundButtonReleased(index, false); });
  }
  boundTimer_.setInterval(10);
  connect(&boundTimer_, &QTimer::timeout, this, &PictureTool::heldBoundTick);
  connect(
      photoView_, &PictureBox::mouseReleased, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { pictureReleased(button, at); });
  connect(maskCanvas_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { maskPressed(button, at); });
  connect(maskCanvas_, &PictureBox::mouseMoved, this, &PictureTool::maskMoved);
  connect(
      maskCanvas_, &PictureBox::mouseReleased, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { maskReleased(button, at); });
  for (int index = 0; index < 4; ++index)
    connect(toolButtons_[index], &QToolButton::clicked, this,
            [this, index] { toolClicked(index); });
  for (int index = 0; index < 2; ++index)
    connect(penColourButtons_[index], &QRadioButton::clicked, this,
            [this, index] { penColourClicked(index); });
  connect(penWidthSlider_, &TrackSlider::valueChanged, this, &PictureTool::penWidthChanged);
}

void PictureTool::load() {
  runTrapped(platform_, siteTag::FrmPicture_Load, [this] {
    const ScreenScale scale = design_.screenScale();
    placeFixedWindow(*this, scale, windowWidth, windowHeight, 100);
    const QString pictureFile = File().fullPath();
    const File maskFile;
    design_.setPictureFiles(pictureFile, maskFile.fullPath());
    undoFiles.emplace(maskFile.Path(), QStringLiteral("Undopt1"));
    colourPanel_->raise();
    adjustControlFonts(*this, scale.fontScaleFactor, platform_);
  });
}

void PictureTool::activated() { Activated = true; }

bool PictureTool::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) activated();
  return QWidget::event(event);
}

// The close box is the cancel button: the window only hides.
void PictureTool::closeEvent(QCloseEvent* event) {
  event->ignore();
  command1Clicked(1);
}

void PictureTool::enableKeyingCommands(bool on) {
  for (int index : {0, 3, 4}) commandButtons_[index]->setEnabled(on);
}

void PictureTool::writeBoundLabels() {
  for (int index = 0; index < 6; ++index) writeBoundLabel(index);
}

void PictureTool::writeBoundLabel(int index) {
  const QString lead = index % 2 == 0 ? QStringLiteral("between ") : QStringLiteral("and ");
  boundLabels_[index]->setText(lead + QString::number(ranges.bound(keyBound(index))));
}
