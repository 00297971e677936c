// The design a lane drew last, kept with its renderer as a batch lane keeps
// it between titles: a request for the same design with another text (or
// the same) draws with it, so neither the style is read nor the scene built
// again, and the engine object finds the layers of a title it drew just
// before still in their slots. Only the lane's own thread uses it.
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

#include "headless/render_request.h"
#include "headless/title_renderer.h"

class Platform;

class LaneDesign {
 public:
  // The scene and renderer of `request`'s design: those kept when the last
  // design was the same, made afresh otherwise. Throws a QueryError naming
  // the style or the scale that cannot be used.
  struct Drawing {
    const TitleScene& scene;
    TitleRenderer& renderer;
  };
  Drawing drawingFor(const RenderRequest& request, const QString& programFolder,
                     const EngineEntryPoints& engine, Platform& platform);

  // Keeps nothing: the next request's design is made afresh. For a render
  // that ended part way, which may leave the renderer's state half done.
  void forget();

 private:
  // What the design depends on: the request but for what each title and
  // its encoding choose, with the time the style file was last written.
  struct Key {
    RenderRequest request;
    QDateTime styleWritten;
    bool operator==(const Key&) const = default;
  };
  static Key keyOf(const RenderRequest& request);

  std::optional<Key> key_;
  TitleScene scene_;
  std::unique_ptr<TitleRenderer> renderer_;
};
