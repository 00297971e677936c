// Which control event of the panels and the curve box runs which handler.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include "main_window/ignore_failures.h"
#include "main_window/main_window.h"

namespace {

// A press and release of the left button within the picture: a click.
bool clicked(const PictureBox& box, Qt::MouseButton button, QPoint at) {
  return button == Qt::LeftButton && box.rect().contains(at);
}

}  // namespace

void MainWindow::connectPanels() {
  connect(panels_->fillPalette(), &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            fillPalettePressed(buttons, at);
          });
  connect(panels_->fillPalette(), &PictureBox::mouseMoved, this, &MainWindow::fillPaletteMoved);
  for (int i = 0; i < 2; ++i)
    connect(panels_->fillButtons()[i], &QPushButton::clicked, this,
            [this, i] { insideCommandClicked(i); });
  connect(panels_->gradientButton(), &QPushButton::clicked, this, &MainWindow::editGradient);
  for (int i = 0; i < 3; ++i)
    connect(panels_->curveAxisButtons()[i], &QRadioButton::clicked, this,
            [this, i] { curveAxisClicked(CurveAxis(i)); });
  for (int i = 0; i < 4; ++i) {
    PictureBox* pattern = panels_->patternPictures()[i];
    connect(pattern, &PictureBox::mousePressed, this, [this, i](Qt::MouseButton button) {
      if (button == Qt::LeftButton) surfacePatternPressed(SurfacePatternType(i));
    });
    connect(pattern, &PictureBox::mouseReleased, this,
            [this, i, pattern](Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
              if (clicked(*pattern, button, at)) surfacePatternClicked(SurfacePatternType(i));
            });
  }
  for (int i = 0; i < materialCount; ++i)
    connect(panels_->materialPictures()[i], &PictureBox::mousePressed, this,
            [this, i](Qt::MouseButton, Qt::MouseButtons, QPoint at) {
              selectMaterial(Material(i), at.y());
            });

  for (int k = 1; k <= 3; ++k) {
    connect(panels_->shadowSlider(k), &TrackSlider::valueChanged, this,
            [this, k] { shadowSliderChanged(k); });
    connect(panels_->shadowSlider(k), &TrackSlider::released, this,
            [this, k] { shadowSliderReleased(k); });
  }
  connect(panels_->outlineSlider(), &TrackSlider::valueChanged, this,
          &MainWindow::outlineSliderChanged);
  connect(panels_->outlineSlider(), &TrackSlider::released, this,
          &MainWindow::outlineSliderReleased);
  connect(panels_->engravedSlider(), &TrackSlider::valueChanged, this,
          &MainWindow::engravedSliderChanged);
  connect(panels_->engravedSlider(), &TrackSlider::released, this,
          &MainWindow::engravedSliderReleased);
  connect(panels_->outlinePalette(), &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            outlinePalettePressed(buttons, at);
          });
  connect(panels_->outlinePalette(), &PictureBox::mouseMoved, this,
          &MainWindow::outlinePaletteMoved);
  connect(panels_->outlineColourButton(), &QPushButton::clicked, this,
          &MainWindow::outlineButtonClicked);

  for (QRadioButton* option : panels_->deformationButtons())
    connect(option, &QRadioButton::clicked, this, &MainWindow::deformationClicked);
  // The deformation slider has no site tag: its label is all it changes.
  auto deformLabel = [this] { ignoreFailures([this] { updateDeformationLabel(); }); };
  connect(panels_->deformSlider(), &TrackSlider::valueChanged, this, deformLabel);
  connect(panels_->deformSlider(), &TrackSlider::released, this, deformLabel);

  connect(
      panels_->curveView(), &PictureBox::mousePressed, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { curveBoxPressed(button, at); });
  connect(panels_->curveView(), &PictureBox::mouseMoved, this, &MainWindow::curveBoxMoved);
  connect(panels_->curveView(), &PictureBox::mouseReleased, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
            curveBoxReleased(button, at);
          });
  connect(menuEntry(QStringLiteral("mnubezierreset")), &QAction::triggered, this,
          &MainWindow::resetCurve);
  connect(menuEntry(QStringLiteral("mnubeziersave")), &QAction::triggered, this,
          &MainWindow::saveCurveAs);
  connect(menuEntry(QStringLiteral("mnubezierload")), &QAction::triggered, this,
          &MainWindow::loadCurveFile);
}
