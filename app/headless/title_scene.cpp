#include "headless/title_scene.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "headless/render_command.h"
#include "state/curve_file.h"
#include "state/failure.h"
#include "state/picture_loading.h"
#include "state/style_defaults.h"
#include "state/style_json.h"
#include "state/tiling.h"

using namespace Qt::StringLiterals;

namespace {

const QSize freshCanvasSize(631, 331);
constexpr int steel = 6;
constexpr int gold = 7;
constexpr int leftToRight = 1;

// The curve of a curves-folder file, when it is there and readable.
std::optional<CurvePoints> shippedCurve(const QString& path, Platform& platform) {
  if (!QFileInfo(path).isFile()) return std::nullopt;
  try {
    return readCurveFile(path, platform);
  } catch (const Failure&) {
    return std::nullopt;
  }
}

void putCurve(const CurvePoints& curve, Style& style) {
  for (int i = 0; i < styleCurvePoints; ++i) {
    style.curvePositions[i] = curve.x[i + 1];
    style.curveValues[i] = curve.y[i + 1];
  }
}

// Steel and gold bring their own curve, axis and colour, as their buttons do.
void chooseMaterial(Style& style, int material, const QString& curvesFolder, Platform& platform) {
  style.material = material;
  if (material != steel && material != gold) return;
  const QString name = material == gold ? u"gold.txt"_s : u"steel.txt"_s;
  if (const auto curve = shippedCurve(curvesFolder + u'/' + name, platform))
    putCurve(*curve, style);
  style.curveAxis = leftToRight;
  style.fillColour = material == gold ? StyleColour{204, 177, 24} : StyleColour{128, 128, 128};
}

QImage loadedPicture(const QString& option, const QString& path, const PictureLimits& limits = {}) {
  try {
    return loadPicture(path, limits);
  } catch (const Failure& failure) {
    throw UsageError(option + u": "_s + failure.description());
  }
}

QString texturePath(const QString& texture, const QString& styleFile,
                    const QString& texturesFolder) {
  if (QFileInfo(texture).isAbsolute()) return texture;
  const QString besideStyle = QFileInfo(styleFile).absolutePath() + u'/' + texture;
  if (!styleFile.isEmpty() && QFileInfo(besideStyle).isFile()) return besideStyle;
  return texturesFolder + u'/' + texture;
}

QImage canvasFor(const RenderRequest& request) {
  if (!request.backgroundPicture.isEmpty()) {
    const QImage picture =
        loadedPicture(u"--background"_s, request.backgroundPicture,
                      {largestCanvasSide, qint64(largestCanvasSide) * largestCanvasSide});
    if (!request.canvasSize) return picture;
    QImage canvas(*request.canvasSize, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    tileOver(canvas, picture);
    return canvas;
  }
  QImage canvas(request.canvasSize.value_or(freshCanvasSize), QImage::Format_RGB888);
  canvas.fill(request.backgroundColour.value_or(QColor(Qt::white)));
  return canvas;
}

double screenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96;
}

}  // namespace

Style freshStyleFrom(const QString& curvesFolder, Platform& platform) {
  Style style = freshStartStyle({0, 50, 100, 150, 200, 255}, {128, 128, 128, 128, 128, 128});
  if (const auto curve = shippedCurve(curvesFolder + u"/default.txt"_s, platform))
    putCurve(*curve, style);
  return style;
}

Style withOverrides(Style style, const StyleOverrides& overrides, const QString& curvesFolder,
                    Platform& platform) {
  if (overrides.fontFamily) style.font.family = *overrides.fontFamily;
  if (overrides.fontSize) style.font.pointSize = *overrides.fontSize;
  style.font.bold = style.font.bold || overrides.bold;
  style.font.italic = style.font.italic || overrides.italic;
  style.font.underline = style.font.underline || overrides.underline;
  if (overrides.letterSpacing) style.font.letterSpacing = *overrides.letterSpacing;
  if (overrides.alignment) style.font.alignment = *overrides.alignment;
  if (overrides.lineSpacing) style.font.lineSpacing = *overrides.lineSpacing;
  if (overrides.material) chooseMaterial(style, *overrides.material, curvesFolder, platform);
  if (overrides.colour) {
    const QColor& colour = *overrides.colour;
    style.fillColour = {colour.red(), colour.green(), colour.blue()};
    style.textureFill = false;
    style.gradientFill = false;
  }
  if (overrides.gradientStops) {
    style.gradientStops.clear();
    for (const QColor& stop : *overrides.gradientStops)
      style.gradientStops.push_back({stop.red(), stop.green(), stop.blue()});
    style.gradientFill = true;
    style.textureFill = false;
  }
  if (overrides.gradientAngle) style.gradientAngle = *overrides.gradientAngle;
  if (overrides.effectType && *overrides.effectType != style.effectType) {
    const EffectDefaults defaults = effectDefaults(*overrides.effectType);
    style.effectType = *overrides.effectType;
    style.effectValues = defaults.values;
    style.effectColour = defaults.colour;
  }
  return style;
}

TitleScene titleSceneFor(const RenderRequest& request, const QString& programFolder,
                         Platform& platform) {
  const QString curvesFolder = programFolder + u"/curves"_s;
  TitleScene scene;
  scene.style = freshStyleFrom(curvesFolder, platform);
  if (!request.styleFile.isEmpty()) {
    try {
      scene.style = readStyleFile(request.styleFile, scene.style);
    } catch (const StyleError& error) {
      throw UsageError(u"--style '"_s + request.styleFile + u"': "_s + error.message());
    }
  }
  scene.style = withOverrides(scene.style, request.overrides, curvesFolder, platform);
  if (scene.style.textureFill)
    scene.texture = loadedPicture(u"--style"_s, texturePath(scene.style.texture, request.styleFile,
                                                            programFolder + u"/textures"_s));
  scene.canvas = canvasFor(request);
  scene.designPosition = request.designPosition;
  scene.dotsPerInch = screenDotsPerInch();
  return scene;
}
