#include "tools/frm_picture.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/error_report.h"
#include "state/site_tags.h"
#include "state/temp_file.h"
#include "tools/mask_canvas.h"
#include "widgets/control_fonts.h"
#include "widgets/main_window_link.h"
#include "widgets/mirel_slider.h"
#include "widgets/placed_control.h"
#include "widgets/window_placement.h"

namespace {

constexpr int windowWidth = 551;
constexpr int windowHeight = 427;
constexpr int panelTop = 349;

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

FrmPicture::FrmPicture(MainWindowLink& main)
    : QWidget(&main.ownerWindow(), Qt::Window), main_(main), engine_(&main.engine()) {
  setObjectName(QStringLiteral("FrmPicture"));
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

FrmPicture::~FrmPicture() {
  // Unload: deleting files reports nothing worth a message at this point.
  if (undoFiles) undoFiles->reset();
}

void FrmPicture::buildViews() {
  Picture3 = new QWidget(this);
  Picture3->setObjectName(QStringLiteral("Picture3"));
  Picture3->setGeometry(4, 4, 427, 341);
  Picture3->setAutoFillBackground(true);
  QPalette viewport = Picture3->palette();
  viewport.setColor(QPalette::Window, Qt::white);
  Picture3->setPalette(viewport);
  Picture1 = new PictureBox(Picture3);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPalette(viewport);
  Picture2 = new MaskCanvas(Picture3);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setCursor(Qt::CrossCursor);
  Picture2->hide();
}

void FrmPicture::buildColourPanel() {
  Frame2 = panel(this, "Frame2");
  Label2[0] = placed<QLabel>(Frame2, "Label2", QStringLiteral("Select colors :"), {4, 0, 120, 18});
  const char* channels[] = {"Red :", "Green :", "Blue :"};
  for (int channel = 0; channel < 3; ++channel) {
    const int y = 19 + 19 * channel;
    Label1[channel] =
        placed<QLabel>(Frame2, "Label1", QLatin1String(channels[channel]), {4, y, 50, 18});
    for (int side = 0; side < 2; ++side) {
      const int index = 2 * channel + 1 + side;
      const int x = 56 + 150 * side;
      Label2[index] = placed<QLabel>(Frame2, "Label2", QString(), {x, y, 90, 18});
      CmdPlus[index] =
          placed<QPushButton>(Frame2, "CmdPlus", QStringLiteral("+"), {x + 92, y, 22, 18});
      CmdMoins[index] =
          placed<QPushButton>(Frame2, "CmdMoins", QStringLiteral("-"), {x + 116, y, 22, 18});
    }
  }
  placed<QLabel>(Frame2, "Label3", QStringLiteral("...and remove :"), {372, 19, 120, 18});
  Command2 = placed<QPushButton>(Frame2, "Command2", QStringLiteral("transparent clr"),
                                 {372, 40, 120, 26});
  writeBoundLabels();
}

void FrmPicture::buildMaskPanel() {
  Frame3 = panel(this, "Frame3");
  for (int index = 0; index < 4; ++index) {
    Option1[index] = new QToolButton(Frame3);
    Option1[index]->setObjectName(QStringLiteral("Option1"));
    Option1[index]->setGeometry(4 + 28 * index, 6, 26, 26);
    Option1[index]->setCheckable(true);
    Option1[index]->setAutoExclusive(true);
    Option1[index]->setIcon(toolIcon(index));
  }
  Option1[sketchTool::Freehand]->setChecked(true);
  Frame4 = new QFrame(Frame3);
  Frame4->setObjectName(QStringLiteral("Frame4"));
  Frame4->setGeometry(120, 0, 90, 74);
  placed<QLabel>(Frame4, "Label5", QStringLiteral("Inner shade"), {4, 2, 84, 18});
  Option2[0] = placed<QRadioButton>(Frame4, "Option2", QStringLiteral("White"), {4, 22, 84, 20});
  Option2[1] = placed<QRadioButton>(Frame4, "Option2", QStringLiteral("Black"), {4, 44, 84, 20});
  Option2[0]->setChecked(true);
  Slider1 = new MirelSlider(Frame3);
  Slider1->setObjectName(QStringLiteral("Slider1"));
  Slider1->setGeometry(4, 40, 112, 26);
  Slider1->setMin(1);
  Slider1->setMax(50);
  Slider1->setValue(25);
  Command3 = placed<QPushButton>(Frame3, "Command3", QStringLiteral("Undo"), {214, 24, 60, 26});
  Label4 = placed<QLabel>(
      Frame3, "Label4",
      QStringLiteral(" Complete the extraction process  by drawing directly on the mask. The "
                     "output will show the picture where the mask is black."),
      {280, 0, 260, 74});
  Label4->setWordWrap(true);
}

void FrmPicture::buildCommands() {
  const char* captions[] = {"&Apply", "&Cancel", "&Load", "&Mask", "&Remove"};
  for (int index = 0; index < 5; ++index)
    Command1[index] = placed<QPushButton>(this, "Command1", QLatin1String(captions[index]),
                                          {441, 8 + 36 * index, 102, 28});
  enableKeyingCommands(false);
}

void FrmPicture::connectControls() {
  for (int index = 0; index < 5; ++index)
    connect(Command1[index], &QPushButton::clicked, this,
            [this, index] { command1Clicked(index); });
  connect(Command2, &QPushButton::clicked, this, &FrmPicture::transparentColourClicked);
  connect(Command3, &QPushButton::clicked, this, &FrmPicture::undoClicked);
  for (int index = 1; index <= 6; ++index) {
    connect(CmdPlus[index], &QPushButton::pressed, this,
            [this, index] { boundPressed(index, true); });
    connect(CmdPlus[index], &QPushButton::released, this,
            [this, index] { boundReleased(index, true); });
    connect(CmdMoins[index], &QPushButton::pressed, this,
            [this, index] { boundPressed(index, false); });
    connect(CmdMoins[index], &QPushButton::released, this,
            [this, index] { boundReleased(index, false); });
  }
  boundTimer_.setInterval(10);
  connect(&boundTimer_, &QTimer::timeout, this, &FrmPicture::heldBoundTick);
  connect(
      Picture1, &PictureBox::mouseReleased, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { pictureReleased(button, at); });
  connect(Picture2, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { maskPressed(button, at); });
  connect(Picture2, &PictureBox::mouseMoved, this, &FrmPicture::maskMoved);
  connect(
      Picture2, &PictureBox::mouseReleased, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { maskReleased(button, at); });
  for (int index = 0; index < 4; ++index)
    connect(Option1[index], &QToolButton::clicked, this, [this, index] { toolClicked(index); });
  for (int index = 0; index < 2; ++index)
    connect(Option2[index], &QRadioButton::clicked, this,
            [this, index] { penColourClicked(index); });
  connect(Slider1, &MirelSlider::valueChanged, this, &FrmPicture::penWidthChanged);
}

void FrmPicture::load() {
  runTrapped(platform(), siteTag::FrmPicture_Load, [this] {
    DesignState& state = design();
    placeFixedWindow(*this, windowWidth, windowHeight, 100);
    state.workingFiles.picture = File().fullPath();
    const File maskFile;
    state.workingFiles.mask = maskFile.fullPath();
    undoFiles.emplace(maskFile.Path(), QStringLiteral("Undopt1"));
    Frame2->raise();
    adjustControlFonts(*this, state.fontScaleFactor, platform());
  });
}

void FrmPicture::activated() { Activated = true; }

bool FrmPicture::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) activated();
  return QWidget::event(event);
}

// The close box is the cancel button: the window only hides.
void FrmPicture::closeEvent(QCloseEvent* event) {
  event->ignore();
  command1Clicked(1);
}

void FrmPicture::enableKeyingCommands(bool on) {
  for (int index : {0, 3, 4}) Command1[index]->setEnabled(on);
}

void FrmPicture::writeBoundLabels() {
  for (int index = 1; index <= 6; ++index) writeBoundLabel(index);
}

void FrmPicture::writeBoundLabel(int index) {
  const QString lead = index % 2 ? QStringLiteral("between ") : QStringLiteral("and ");
  Label2[index]->setText(lead + QString::number(ranges.bound(index)));
}
