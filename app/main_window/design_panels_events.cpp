// Which control event of the panels and the curve box runs which handler.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "design/design_state.h"
#include "main_window/design_panels.h"
#include "main_window/ignore_failures.h"
#include "main_window/tab_panels.h"

namespace {

// A press and release of the left button within the picture: a click.
bool clicked(const PictureBox& box, Qt::MouseButton button, QPoint at) {
  return button == Qt::LeftButton && box.rect().contains(at);
}

}  // namespace

DesignPanels::DesignPanels(TabPanels& panels, DesignPanelsWindow& window, DesignState& design,
                           Platform& platform, QString programFolder)
    : panels_(panels),
      window_(window),
      design_(design),
      platform_(platform),
      programFolder_(std::move(programFolder)) {
  design_.model.listen([this](Setting setting) { showSetting(setting); });
}

void DesignPanels::attach(const CurveMenu& curveMenu) {
  curveMenu_ = curveMenu;
  connectModelWrites();
  connectInside();
  connectOutside();
  connectCurveBox();
}

void DesignPanels::connectInside() {
  connect(panels_.fillPalette(), &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            fillPalettePressed(buttons, at);
          });
  connect(panels_.fillPalette(), &PictureBox::mouseMoved, this, &DesignPanels::fillPaletteMoved);
  for (int i = 0; i < 2; ++i)
    connect(panels_.fillButtons()[i], &QPushButton::clicked, this,
            [this, i] { insideCommandClicked(i); });
  connect(panels_.gradientButton(), &QPushButton::clicked, this, &DesignPanels::editGradient);
  for (int i = 0; i < 3; ++i)
    connect(panels_.curveAxisButtons()[i], &QRadioButton::clicked, this,
            [this, i] { curveAxisClicked(CurveAxis(i)); });
  for (int i = 0; i < 4; ++i) {
    PictureBox* pattern = panels_.patternPictures()[i];
    connect(pattern, &PictureBox::mousePressed, this, [this, i](Qt::MouseButton button) {
      if (button == Qt::LeftButton) surfacePatternPressed(SurfacePatternType(i));
    });
    connect(pattern, &PictureBox::mouseReleased, this,
            [this, i, pattern](Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
              if (clicked(*pattern, button, at)) surfacePatternClicked(SurfacePatternType(i));
            });
  }
  for (int i = 0; i < materialCount; ++i)
    connect(panels_.materialPictures()[i], &PictureBox::mousePressed, this,
            [this, i] { selectMaterial(Material(i)); });
}

// The controls whose own state a render once read write the model as they
// change, before any other handler of theirs runs.
void DesignPanels::connectModelWrites() {
  DesignModel& model = design_.model;
  for (size_t i = 0; i < panels_.fillSourceButtons().size(); ++i)
    connect(panels_.fillSourceButtons()[i], &QRadioButton::toggled, this, [&model, i](bool on) {
      if (on) model.set(Setting::FillKind, int32_t(i));
    });
  for (size_t i = 0; i < panels_.deformationButtons().size(); ++i)
    connect(panels_.deformationButtons()[i], &QRadioButton::toggled, this, [&model, i](bool on) {
      if (on) model.set(Setting::Deformation, int32_t(i));
    });
  connect(panels_.deformSlider(), &TrackSlider::valueChanged, this,
          [&model](int value) { model.set(Setting::DeformationAmount, int32_t(value)); });
  for (SliderGroup group : {SliderGroup::Shadow, SliderGroup::Engraved, SliderGroup::Outline}) {
    const std::vector<TrackSlider*> sliders = panels_.effectSliders(group);
    for (size_t i = 0; i < sliders.size(); ++i)
      connect(sliders[i], &TrackSlider::valueChanged, this,
              [this, group, i](int value) { effectSliderMoved(group, i, value); });
  }
}

// Leaving an effect keeps its sliders in the source kind's row; arrow keys,
// Home and End move the current effect too, and a row set to the effect
// already in use (at start-up, by the source switch) changes nothing.
void DesignPanels::connectOutside() {
  connect(panels_.effectList(), &QListWidget::itemClicked, this, &DesignPanels::effectListClicked);
  connect(panels_.effectList(), &QListWidget::currentRowChanged, this, [this](int row) {
    if (row != velloro::toInt(panelEffect(design_.model.style()))) effectListClicked();
  });
  for (int k = 1; k <= 3; ++k) {
    connect(panels_.shadowSlider(k), &TrackSlider::valueChanged, this,
            [this, k] { shadowSliderChanged(k); });
    connect(panels_.shadowSlider(k), &TrackSlider::released, this,
            [this, k] { shadowSliderReleased(k); });
  }
  connect(panels_.outlineSlider(), &TrackSlider::valueChanged, this,
          &DesignPanels::outlineSliderChanged);
  connect(panels_.outlineSlider(), &TrackSlider::released, this,
          &DesignPanels::outlineSliderReleased);
  connect(panels_.engravedSlider(), &TrackSlider::valueChanged, this,
          &DesignPanels::engravedSliderChanged);
  connect(panels_.engravedSlider(), &TrackSlider::released, this,
          &DesignPanels::engravedSliderReleased);
  connect(panels_.outlinePalette(), &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            outlinePalettePressed(buttons, at);
          });
  connect(panels_.outlinePalette(), &PictureBox::mouseMoved, this,
          &DesignPanels::outlinePaletteMoved);
  connect(panels_.outlineColourButton(), &QPushButton::clicked, this,
          &DesignPanels::outlineButtonClicked);

  for (QRadioButton* option : panels_.deformationButtons())
    connect(option, &QRadioButton::clicked, this, &DesignPanels::deformationClicked);
  // The deformation slider has no site tag: its label is all it changes.
  auto deformLabel = [this] { ignoreFailures([this] { updateDeformationLabel(); }); };
  connect(panels_.deformSlider(), &TrackSlider::valueChanged, this, deformLabel);
  connect(panels_.deformSlider(), &TrackSlider::released, this, deformLabel);
}

void DesignPanels::connectCurveBox() {
  connect(
      panels_.curveView(), &PictureBox::mousePressed, this,
      [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { curveBoxPressed(button, at); });
  connect(panels_.curveView(), &PictureBox::mouseMoved, this, &DesignPanels::curveBoxMoved);
  connect(panels_.curveView(), &PictureBox::mouseReleased, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
            curveBoxReleased(button, at);
          });
  connect(curveMenu_.reset, &QAction::triggered, this, &DesignPanels::resetCurve);
  connect(curveMenu_.save, &QAction::triggered, this, &DesignPanels::saveCurveAs);
  connect(curveMenu_.load, &QAction::triggered, this, &DesignPanels::loadCurveFile);
}
