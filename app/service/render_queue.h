// The service's renders: a request waits for an engine lane in a queue of
// bounded length, and with its render takes no longer than its time limit:
// a render still running then is stopped, its lane free at once for the
// next. A request past the queue's places is turned away at once, so a
// burst costs the host neither memory nor threads piling up.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <stop_token>

#include "headless/render_request.h"
#include "headless/title_renderer.h"
#include "service/engine_lanes.h"

class RenderQueue {
 public:
  // Past the waiting places; no lane free within the time limit; the render
  // stopped at the time limit.
  enum class Refusal { Full, TimedOut, Overran };
  struct Refused {
    Refusal why;
  };

  RenderQueue(const QString& enginePath, QString programFolder, int waitingPlaces,
              qint64 mostPixels);

  // The picture of `request` in `format` ("png" or "webp"), drawn on a
  // lane's thread and encoded after the lane is free again. `timeLimit`
  // covers the wait for a lane and the render: at its end the render is
  // stopped and its lane freed. Throws Refused when the queue is full, no
  // lane came free in time or the render was stopped; a QueryError for a
  // style or scale that cannot be used or a picture past the most pixels; a
  // Failure when the title cannot be drawn.
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
// thread, with the lane's kept design when it is the request's; a title
// whose letters alone hold more than `mostPixels` pixels is refused before
// its render. Throws RenderStopped once `stop` is asked; whatever it
// throws, the lane keeps no design.
QImage titlePicture(const RenderRequest& request, const QString& programFolder, qint64 mostPixels,
                    EngineLanes::Lane& lane, std::stop_token stop);
