// What the "Inside" panel's controls do: the palette and the colour dialog
// set the fill colour, a texture is read before it replaces the kind's, an
// edited gradient becomes the fill, the curve axis and the surface pattern
// are chosen by a click.
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "design/design_state.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "main_window/gradient_editor.h"
#include "main_window/ignore_failures.h"
#include "main_window/inside_panel.h"
#include "main_window/panel_pictures.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/render_pipeline.h"
#include "tools/open_picture_dialog.h"
#include "widgets/picture_box.h"

namespace {

constexpr int moreCommand = 0;

QString textureToStartFrom(const DesignState& state) {
  if (!state.textureNames[state.sourceKind].isEmpty()) return state.textureNames[state.sourceKind];
  for (SourceKind kind : sourceKinds)
    if (!state.textureNames[kind].isEmpty()) return state.textureNames[kind];
  return {};
}

// A press and release of the left button within the picture: a click.
bool clicked(const PictureBox& box, Qt::MouseButton button, QPoint at) {
  return button == Qt::LeftButton && box.rect().contains(at);
}

}  // namespace

// The fill kind is written to the model before any other handler runs.
void InsidePanel::connectControls() {
  DesignModel& model = context_.design.model;
  for (size_t i = 0; i < fillSourceButtons_.size(); ++i)
    connect(fillSourceButtons_[i], &QRadioButton::toggled, this, [&model, i](bool on) {
      if (on) model.set(Setting::FillKind, int32_t(i));
    });
  connect(fillPalette_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            pickFillColour(siteTag::frmMain_Picture4_MouseDown, buttons, at);
          });
  connect(fillPalette_, &PictureBox::mouseMoved, this, [this](Qt::MouseButtons buttons, QPoint at) {
    pickFillColour(siteTag::frmMain_Picture4_MouseMove, buttons, at);
  });
  for (int i = 0; i < 2; ++i)
    connect(fillButtons_[i], &QPushButton::clicked, this, [this, i] { fillCommandClicked(i); });
  connect(gradientButton_, &QPushButton::clicked, this, &InsidePanel::editGradient);
  for (int i = 0; i < 3; ++i)
    connect(curveAxisButtons_[i], &QRadioButton::clicked, this, [this, i] {
      ignoreFailures([&] {
        setKind(context_.design.model, Setting::CurveAxis, CurveAxis(i));
        drawFillPreview();
      });
    });
  connectPatterns();
  followByPreview();
}

// A pattern shows raised while pressed and is chosen when the press ends
// on it.
void InsidePanel::connectPatterns() {
  for (int i = 0; i < 4; ++i) {
    PictureBox* pattern = patternPictures_[i];
    connect(pattern, &PictureBox::mousePressed, this, [this, i](Qt::MouseButton button) {
      if (button == Qt::LeftButton) ignoreFailures([&] { raisePattern(SurfacePatternType(i)); });
    });
    connect(pattern, &PictureBox::mouseReleased, this,
            [this, i, pattern](Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
              if (!clicked(*pattern, button, at)) return;
              ignoreFailures([&] {
                setKind(context_.design.model, Setting::SurfacePattern, SurfacePatternType(i));
              });
            });
  }
}

// Connected after every handler of the controls, so the preview reads what
// the handlers have just stored. The palette picks a colour while a button
// is down; the gradient editor tells once its gradient is taken.
void InsidePanel::followByPreview() {
  auto follow = [this](auto* sender, auto signal) {
    connect(sender, signal, this, &InsidePanel::settingChanged);
  };
  follow(fillPalette_, &PictureBox::mousePressed);
  connect(fillPalette_, &PictureBox::mouseMoved, this, [this](Qt::MouseButtons buttons) {
    if (buttons != Qt::NoButton) emit settingChanged();
  });
  for (QPushButton* command : fillButtons_) follow(command, &QPushButton::clicked);
  follow(fillSourceButtons_[2], &QRadioButton::clicked);
  for (QRadioButton* axis : curveAxisButtons_) follow(axis, &QRadioButton::clicked);
  for (PictureBox* pattern : patternPictures_) follow(pattern, &PictureBox::mouseReleased);
  follow(curveBox_, &CurveBox::settingChanged);
}

// A control set to what it shows already is left alone, so that no
// control's own signal runs for a setting that did not change there.
void InsidePanel::showSetting(Setting setting) {
  const Style& style = context_.design.model.style();
  switch (setting) {
    case Setting::FillKind: {
      QRadioButton* kind = fillSourceButtons_[size_t(style.fillKind)];
      if (!kind->isChecked()) kind->setChecked(true);
      break;
    }
    case Setting::GradientStops:
    case Setting::GradientAngle: showGradientPreview(fillGradient(style)); break;
    case Setting::SurfacePattern: raisePattern(style.surfacePattern); break;
    case Setting::CurveAxis: {
      const int last = int(curveAxisButtons_.size()) - 1;
      curveAxisButtons_[size_t(std::clamp(velloro::toInt(style.curveAxis), 0, last))]->setChecked(
          true);
      break;
    }
    default: break;
  }
}

void InsidePanel::setFillColour(const QColor& colour) {
  context_.design.model.set(Setting::FillColour, styleColour(colour));
  drawFillPreview();
}

void InsidePanel::pickFillColour(std::string_view site, Qt::MouseButtons buttons, QPoint at) {
  runTrapped(context_.platform, site, [&] {
    if (auto colour = paletteColour(fillPalette_->picture(), buttons, at)) setFillColour(*colour);
  });
}

void InsidePanel::fillCommandClicked(int index) {
  runTrapped(context_.platform, siteTag::frmMain_CmdInside_Click, [&] {
    if (index != moreCommand) {
      loadTextureCommand();
      return;
    }
    const Rgb fill = fillRgb(context_.design.model.style());
    if (auto chosen = context_.platform.chooseColour(QColor(fill.red, fill.green, fill.blue),
                                                     &context_.window.ownerWidget()))
      setFillColour(*chosen);
  });
}

void InsidePanel::loadTextureCommand() {
  DesignState& design = context_.design;
  OpenPictureRequest request;
  const QString start = textureToStartFrom(design);
  if (start.isEmpty()) {
    request.folder = context_.programFolder + QStringLiteral("/textures");
  } else {
    request.folder = QFileInfo(start).absolutePath();
    request.fileName = QFileInfo(start).fileName();
  }
  request.filter = imageFilesFilter();
  request.title = QStringLiteral("Textures");
  request.preview = true;
  const QString chosen = openPictureDialog(request, context_.platform);
  if (chosen.isEmpty()) return;
  if (!QFileInfo(chosen).isFile()) {
    context_.platform.showMessage({QStringLiteral("File not found !"), MessageIcon::Exclamation});
    return;
  }
  showTexture(chosen);
  design.textureNames[design.sourceKind] = chosen;
}

// The picture is read before anything changes, so a file that is no
// picture leaves the texture of the kind as it was.
void InsidePanel::showTexture(const QString& path) {
  QImage texture = loadPicture(path);
  context_.design.texturePicture = texture;
  QImage swatch = fillPreviews_[1]->picture();
  tilePicture(swatch, texture);
  fillPreviews_[1]->setPicture(swatch);
  loadTexture(context_.design, texture);
}

// An edited gradient is the fill from then on.
void InsidePanel::editGradient() {
  runTrapped(context_.platform, siteTag::frmMain_CmdInside_Click, [this] {
    DesignModel& model = context_.design.model;
    GradientEditor editor(fillGradient(model.style()), &context_.window.ownerWidget());
    context_.platform.showModal(editor);
    if (editor.result() != QDialog::Accepted) return;
    setGradient(model, editor.gradient());
    setKind(model, Setting::FillKind, FillKind::Gradient);
    emit settingChanged();
  });
}
