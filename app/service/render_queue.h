// The service's renders: a request waits for an engine lane in a queue of
// bounded length, and no longer than its time limit. A request past the
// queue's places is turned away at once, so a burst costs the host neither
// memory nor threads piling up.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>

#include "headless/render_request.h"
#include "headless/title_renderer.h"
#include "service/engine_lanes.h"

class RenderQueue {
 public:
  enum class Refusal { Full, TimedOut };
  struct Refused {
    Refusal why;
  };

  RenderQueue(const QString& enginePath, QString programFolder, int waitingPlaces,
              qint64 mostPixels);

  // The picture of `request` in `format` ("png" or "webp"), drawn on a
  // lane's thread and encoded after the lane is free again. Throws Refused when the queue is full
  // or no lane came free in `timeLimit`; a QueryError for a style or scale that cannot be used or a
  // picture past the most pixels; a Failure when the title cannot be drawn.
  QByteArray render(const RenderRequest& request, const QString& format,
                    std::chrono::milliseconds timeLimit);

  // Renders waiting or running.
  int depth() const { return inQueue_.load(); }

 private:
  EngineLanes lanes_;
  QString programFolder_;
  int places_;
  qint64 mostPixels_;
  std::atomic<int> inQueue_{0};
};

// Renders `request` on `lane` as `Velloro --render` does, on the lane's
// thread; a title whose letters alone hold more than `mostPixels` pixels
// is refused before its render.
QImage titlePicture(const RenderRequest& request, const QString& programFolder, qint64 mostPixels,
                    EngineLanes::Lane& lane);
