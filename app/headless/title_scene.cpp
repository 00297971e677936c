#include "headless/title_scene.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "design/curve_file.h"
#include "design/font_file.h"
#include "design/material_table.h"
#include "design/style_json.h"
#include "document/document_container.h"
#include "document/document_design.h"
#include "document/document_file.h"
#include "files/failure.h"
#include "files/picture_loading.h"
#include "headless/font_files.h"
#include "headless/render_command.h"
#include "rendering/design_overrun.h"
#include "rendering/tiling.h"

using namespace Qt::StringLiterals;

namespace {

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
  style.curvePositions = curve.x;
  style.curveValues = curve.y;
}

// Steel and gold bring their own curve, axis and colour, as their buttons do.
void chooseMaterial(Style& style, Material material, const QString& curvesFolder,
                    Platform& platform) {
  style.material = material;
  const std::optional<MaterialLook>& look = materialRow(material).ownLook;
  if (!look) return;
  if (const auto curve = shippedCurve(curvesFolder + u'/' + look->curveFile, platform))
    putCurve(*curve, style);
  style.curveAxis = look->axis;
  style.fillColour = {look->fillColour.red, look->fillColour.green, look->fillColour.blue};
}

// A background makes the canvas and a texture fills it: neither is read
// past the largest canvas.
constexpr PictureLimits canvasLimits{largestCanvasSide,
                                     qint64(largestCanvasSide) * largestCanvasSide};

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

// What a document brings: its title, style, canvas, place and texture.
struct DocumentStart {
  DocumentTitle title;
  QImage texture;
};

// The title's font file the document carries joins the run's fonts from
// memory: the title draws in it on a machine that lacks it.
void addCarriedFont(const DocumentFontFile& font) {
  if (font.name.isEmpty()) return;
  const AddedFont added = addFontBytes(font.bytes);
  if (!added.problem.isEmpty())
    throw DocumentRefusal(u"the font file %1 cannot be used: %2"_s.arg(font.name, added.problem));
}

std::optional<DocumentStart> documentStart(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  try {
    const VelloroDocument document = readDocumentFile(path);
    addCarriedFont(document.font);
    const auto texture = document.pictures.find(u"texture"_s);
    DocumentStart start{documentTitle(document),
                        texture == document.pictures.end() ? QImage() : texture->second};
    const QSize canvas = start.title.canvas.size();
    if (canvas.width() > largestCanvasSide || canvas.height() > largestCanvasSide)
      throw UsageError(
          u"--document: the canvas is %1x%2 pixels, more than %3 a side"_s.arg(canvas.width())
              .arg(canvas.height())
              .arg(largestCanvasSide));
    return start;
  } catch (const Failure& failure) {
    throw UsageError(u"--document: "_s + failure.description());
  } catch (const DocumentRefusal& refusal) {
    throw UsageError(u"--document: Unreadable document (%1): %2"_s.arg(refusal.cause(), path));
  }
}

// The canvas of a request that fixes one; a null picture when the canvas
// fits each design.
QImage fixedCanvasFor(const RenderRequest& request, const std::optional<DocumentStart>& document) {
  if (document && !request.canvasSize && request.backgroundPicture.isEmpty()) {
    if (!request.backgroundColour) return document->title.canvas;
    QImage canvas(document->title.canvas.size(), QImage::Format_RGB888);
    canvas.fill(*request.backgroundColour);
    return canvas;
  }
  if (!request.backgroundPicture.isEmpty()) {
    const QImage picture =
        loadedPicture(u"--background"_s, request.backgroundPicture, canvasLimits);
    if (!request.canvasSize) return picture;
    QImage canvas(*request.canvasSize, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    tileOver(canvas, picture);
    return canvas;
  }
  if (!request.canvasSize) return {};
  QImage canvas(*request.canvasSize, QImage::Format_RGB888);
  canvas.fill(request.backgroundColour.value_or(QColor(Qt::white)));
  return canvas;
}

double screenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96;
}

}  // namespace

Style freshStyleFrom(const QString& curvesFolder, Platform& platform) {
  Style style;
  if (const auto curve = shippedCurve(curvesFolder + u"/default.txt"_s, platform))
    putCurve(*curve, style);
  return style;
}

Style withOverrides(Style style, const StyleOverrides& overrides, const QString& curvesFolder,
                    Platform& platform) {
  // What a material brings along goes first, so that a colour given wins.
  if (const auto material = overrides.find(Setting::Material); material != overrides.end())
    chooseMaterial(style, Material(std::get<int32_t>(material->second)), curvesFolder, platform);
  for (const auto& [setting, value] : overrides) declaration(setting).put(style, value);
  // A fill colour given fills with that colour, not with the style's texture
  // or gradient; gradient stops given fill with the gradient.
  if (overrides.contains(Setting::FillColour)) style.fillKind = FillKind::Colour;
  if (overrides.contains(Setting::GradientStops)) style.fillKind = FillKind::Gradient;
  return style;
}

TitleScene titleSceneFor(const RenderRequest& request, const QString& programFolder,
                         Platform& platform) {
  const QString curvesFolder = programFolder + u"/curves"_s;
  TitleScene scene;
  const std::optional<DocumentStart> document = documentStart(request.documentFile);
  scene.style = document ? document->title.style : freshStyleFrom(curvesFolder, platform);
  if (!request.styleFile.isEmpty()) {
    try {
      scene.style = readStyleFile(request.styleFile, scene.style);
    } catch (const StyleError& error) {
      throw UsageError(u"--style '"_s + request.styleFile + u"': "_s + error.message());
    }
  }
  scene.style = withOverrides(scene.style, request.overrides, curvesFolder, platform);
  addFontFilesOf(request, scene.style);
  addInstalledInstanceOf(scene.style);
  scene.fontNotice = missingFamilyNotice(request, scene.style);
  if (request.overrides.contains(Setting::GradientAngle) &&
      scene.style.fillKind != FillKind::Gradient)
    throw UsageError(
        u"--gradient-angle needs a gradient fill: --gradient STOPS or a style with one"_s);
  const bool documentTexture = document && !document->texture.isNull() &&
                               scene.style.texture == document->title.style.texture;
  if (scene.style.fillKind == FillKind::Texture && documentTexture)
    scene.texture = document->texture;
  else if (scene.style.fillKind == FillKind::Texture)
    scene.texture = loadedPicture(
        u"--style"_s,
        texturePath(scene.style.texture, request.styleFile, programFolder + u"/textures"_s),
        canvasLimits);
  scene.canvas = fixedCanvasFor(request, document);
  scene.fitColour = request.backgroundColour.value_or(QColor(Qt::white));
  scene.fitMargin = request.fitMargin.value_or(fittedCanvasMargin);
  scene.designPosition = request.designPosition;
  if (document && !scene.designPosition) scene.designPosition = document->title.place;
  if (document) scene.documentText = document->title.text;
  scene.box = request.box;
  scene.largestLineCount = request.largestLineCount.value_or(0);
  scene.dotsPerInch = screenDotsPerInch();
  return scene;
}
