#include "main_window/style_gallery.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <mutex>

#include "design/style_design.h"
#include "design/style_json.h"
#include "design/text_picture.h"
#include "files/failure.h"
#include "files/picture_loading.h"
#include "headless/console_platform.h"
#include "headless/private_engine.h"

namespace {

// Thumbnails are drawn no larger than this: enough to show the bevel and
// the effect, and quick even for a long title.
constexpr double largestThumbnailPoints = 40;
constexpr int thumbnailMargin = 2;

QByteArray keyOf(const TitleScene& scene, const QString& text) {
  return text.toUtf8() + '\n' + styleDocument(scene.style, QString());
}

// A canvas with room around the title for its effect and its shadow, which
// may fall a quarter of the title's height away and more.
void makeRoom(TitleScene& scene, const QString& text) {
  TextPicture measure;
  measure.setDotsPerInch(scene.dotsPerInch);
  putStyleFont(scene.style.font, measure.font);
  measure.arrangement = styleArrangement(scene.style.font);
  measure.print(text);
  const QSize size = measure.picture.size();
  const QSize room(size.width() / 4 + 20, size.height() / 2 + 20);
  scene.canvas = QImage(size + 2 * room, QImage::Format_RGB888);
  scene.canvas.fill(Qt::white);
  scene.designPosition = QPoint(room.width(), room.height());
}

// The scene with its texture loaded; throws a Failure.
TitleScene sceneToDraw(const GalleryEntry& entry, const QString& text) {
  TitleScene scene = entry.scene;
  scene.style.font.pointSize = std::min(scene.style.font.pointSize, largestThumbnailPoints);
  if (scene.style.fillKind == FillKind::Texture) scene.texture = loadPicture(entry.texturePath);
  makeRoom(scene, text);
  return scene;
}

QImage fitted(const QImage& design) {
  return design.scaled(StyleGallery::thumbnailSize(), Qt::KeepAspectRatio,
                       Qt::SmoothTransformation);
}

}  // namespace

StyleGallery::StyleGallery(QObject* owner) : QObject(owner) { worker_.setMaxThreadCount(1); }

StyleGallery::~StyleGallery() {
  ++round_;
  worker_.waitForDone();
}

QSize StyleGallery::thumbnailSize() { return {120, 30}; }

void StyleGallery::waitForThumbnails() {
  worker_.waitForDone();
  QCoreApplication::sendPostedEvents(this);
}

void StyleGallery::show(const QList<GalleryEntry>& entries, const QString& text,
                        std::shared_ptr<PrivateEngine> engine) {
  if (text != drawnText_) drawn_.clear();
  drawnText_ = text;
  QList<GalleryEntry> waiting;
  for (const GalleryEntry& entry : entries) {
    const auto known = drawn_.constFind(keyOf(entry.scene, text));
    if (known != drawn_.constEnd())
      entry.action->setIcon(QIcon(QPixmap::fromImage(*known)));
    else
      waiting << entry;
  }
  const int round = ++round_;
  if (waiting.isEmpty()) return;
  worker_.start([this, waiting, text, engine, round] { render(waiting, text, engine, round); });
}

// On the worker thread: one render at a time on the engine copy, each
// thumbnail handed to the window's thread as soon as it is drawn.
void StyleGallery::render(const QList<GalleryEntry>& entries, const QString& text,
                          const std::shared_ptr<PrivateEngine>& engine, int round) {
  ConsolePlatform quiet(stderr);
  for (const GalleryEntry& entry : entries) {
    if (round_ != round) return;
    QImage thumbnail;
    try {
      const TitleScene scene = sceneToDraw(entry, text);
      const std::lock_guard turn(engine->lock());
      TitleRenderer renderer(scene, engine->entryPoints(), quiet);
      thumbnail = fitted(renderer.renderAlone(text, thumbnailMargin));
    } catch (const Failure&) {
      continue;  // the entry keeps no thumbnail; choosing it still reports
    } catch (const std::bad_alloc&) {
      continue;
    }
    QMetaObject::invokeMethod(
        this,
        [this, action = entry.action, key = keyOf(entry.scene, text), thumbnail] {
          thumbnailReady(action, key, thumbnail);
        },
        Qt::QueuedConnection);
  }
}

void StyleGallery::thumbnailReady(const QPointer<QAction>& action, const QByteArray& key,
                                  const QImage& thumbnail) {
  drawn_.insert(key, thumbnail);
  if (action) action->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
}
