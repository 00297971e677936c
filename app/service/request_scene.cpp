#include "service/request_scene.h"

#include "design/text_picture.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/title_scene.h"
#include "service/query_error.h"

using namespace Qt::StringLiterals;

TitleScene sceneOf(const RenderRequest& request, const QString& programFolder, Platform& platform) {
  try {
    return scaledScene(titleSceneFor(request, programFolder, platform), request.scale);
  } catch (const UsageError& error) {
    // The style's own message would show the server's folders.
    const QString message = error.message();
    if (message.startsWith(u"--scale"_s)) throw QueryError(u"scale"_s + message.mid(7));
    throw QueryError(u"style: the style file cannot be used"_s);
  }
}

void checkTextFits(const TitleScene& scene, const QString& text, qint64 mostPixels) {
  TextPicture printed;
  printed.font = QFont(scene.style.font.family);
  printed.font.setPointSizeF(scene.style.font.pointSize);
  printed.font.setBold(scene.style.font.bold);
  printed.font.setItalic(scene.style.font.italic);
  printed.setDotsPerInch(scene.dotsPerInch);
  const QSizeF size = printed.textSize(text);
  if (size.width() * size.height() > double(mostPixels))
    throw QueryError(u"text: the picture would hold more than %1 pixels"_s.arg(mostPixels));
}
