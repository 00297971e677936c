// The thumbnails of File > Styles: each style's title drawn in that style,
// rendered on a worker thread so the menu opens at once and each entry
// gets its thumbnail when it is ready. Renders run one at a time on the
// private engine copy, never on the window's, so the window's design and
// its renders are left alone; a thumbnail drawn before is shown at once.
#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "headless/title_renderer.h"

class PrivateEngine;
class QAction;

struct GalleryEntry {
  QPointer<QAction> action;  // gets the thumbnail as its icon
  TitleScene scene;          // the style and screen; the gallery sizes the canvas
  QString texturePath;       // the fill texture of a texture style
};

class StyleGallery : public QObject {
  Q_OBJECT
 public:
  explicit StyleGallery(QObject* owner = nullptr);
  ~StyleGallery() override;

  // The size thumbnails are fitted into.
  static QSize thumbnailSize();

  // Gives each entry the thumbnail of `text` in its scene, dropping the
  // renders asked for before that have not started.
  void show(const QList<GalleryEntry>& entries, const QString& text,
            std::shared_ptr<PrivateEngine> engine);

  // Waits for the renders under way (for tests and closing).
  void waitForThumbnails();

 private:
  void render(const QList<GalleryEntry>& entries, const QString& text,
              const std::shared_ptr<PrivateEngine>& engine, int round);
  void thumbnailReady(const QPointer<QAction>& action, const QByteArray& key,
                      const QImage& thumbnail);

  QThreadPool worker_;
  std::atomic<int> round_{0};
  QString drawnText_;
  QHash<QByteArray, QImage> drawn_;  // by the scene's style, for drawnText_
};
