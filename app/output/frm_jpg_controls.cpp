// The optimiser's controls at their fixed places and their connections.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "output/format_choice.h"
#include "output/frm_jpg.h"
#include "widgets/picture_box.h"
#include "widgets/placed_control.h"

namespace {

QScrollBar* scrollBar(QWidget* window, const char* name, Qt::Orientation orientation, QRect at) {
  auto* bar = new QScrollBar(orientation, window);
  bar->setObjectName(QLatin1String(name));
  bar->setGeometry(at);
  bar->setMinimum(0);
  bar->hide();
  return bar;
}

}  // namespace

void FrmJpg::buildControls() {
  Picture2 = new QWidget(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(8, 8, 400, 232);
  Picture1 = new PictureBox(Picture2);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  HScroll1 = scrollBar(this, "HScroll1", Qt::Horizontal, {8, 240, 400, 17});
  VScroll1 = scrollBar(this, "VScroll1", Qt::Vertical, {408, 8, 17, 232});

  CCRPSlider1 = new QSlider(Qt::Horizontal, this);
  CCRPSlider1->setObjectName(QStringLiteral("CCRPSlider1"));
  CCRPSlider1->setGeometry(8, 270, 417, 24);
  CCRPSlider1->setRange(0, 100);
  // Encoding follows the released slider, not every step of a drag.
  CCRPSlider1->setTracking(false);
  Label1[5] =
      placed<QLabel>(this, "Label1", QStringLiteral("Highest compression"), {8, 296, 160, 20});
  Label1[2] =
      placed<QLabel>(this, "Label1", QStringLiteral("Highest quality"), {300, 296, 125, 20});
  Label1[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(436, 4, 135, 200);
  Label1[1] =
      placed<QLabel>(Frame1, "Label1", QStringLiteral("Current file size :"), {8, 12, 122, 20});
  Label1[9] = placed<QLabel>(Frame1, "Label1", QString(), {8, 36, 122, 20});
  Label1[8] = placed<QLabel>(Frame1, "Label1", QString(), {8, 58, 122, 20});
  Label1[0] =
      placed<QLabel>(Frame1, "Label1", QStringLiteral("New file size :"), {8, 104, 122, 20});
  Label1[3] = placed<QLabel>(Frame1, "Label1", QString(), {8, 128, 122, 20});
  Label1[4] = placed<QLabel>(Frame1, "Label1", QString(), {8, 150, 122, 20});

  formatChoice = new FormatChoice(this);
  formatChoice->setGeometry(8, 326, 563, 50);

  Command1 = placed<QPushButton>(this, "Command1", QStringLiteral("&Apply"), {452, 230, 104, 28});
  Command2 = placed<QPushButton>(this, "Command2", QStringLiteral("&Cancel"), {452, 266, 104, 28});

  connect(CCRPSlider1, &QSlider::valueChanged, this, &FrmJpg::qualityChanged);
  connect(Command1, &QPushButton::clicked, this, &FrmJpg::applyClicked);
  connect(Command2, &QPushButton::clicked, this, &FrmJpg::cancelClicked);
  connect(HScroll1, &QScrollBar::valueChanged, this, &FrmJpg::scrolled);
  connect(VScroll1, &QScrollBar::valueChanged, this, &FrmJpg::scrolled);
  connect(Picture1, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint at) { previewPressed(at); });
  connect(Picture1, &PictureBox::mouseMoved, this, &FrmJpg::previewMoved);
  connect(Picture1, &PictureBox::mouseReleased, this, &FrmJpg::previewReleased);
}
