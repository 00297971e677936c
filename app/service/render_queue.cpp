#include "service/render_queue.h"

#include "headless/picture_output.h"
#include "service/query_error.h"
#include "service/request_scene.h"

using namespace Qt::StringLiterals;

namespace {

// Counts a request in the queue for as long as it is there.
class Place {
 public:
  explicit Place(std::atomic<int>& count) : count_(count) { ++count_; }
  ~Place() { --count_; }
  Place(const Place&) = delete;
  Place& operator=(const Place&) = delete;

 private:
  std::atomic<int>& count_;
};

}  // namespace

RenderQueue::RenderQueue(const QString& enginePath, QString programFolder, int waitingPlaces,
                         qint64 mostPixels)
    : lanes_(enginePath),
      programFolder_(std::move(programFolder)),
      places_(waitingPlaces + EngineLanes::laneCount()),
      mostPixels_(mostPixels) {}

QByteArray RenderQueue::render(const RenderRequest& request, const QString& format,
                               std::chrono::milliseconds timeLimit) {
  const Place place(inQueue_);
  if (inQueue_.load() > places_) throw Refused{Refusal::Full};
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  std::optional<EngineLanes::Turn> turn = lanes_.take(deadline);
  if (!turn) throw Refused{Refusal::TimedOut};
  QImage picture;
  EngineLanes::Lane& lane = turn->lane();
  try {
    lane.thread.run(
        [&](std::stop_token stop) {
          picture = titlePicture(request, programFolder_, mostPixels_, lane, std::move(stop));
        },
        deadline);
  } catch (const RenderStopped&) {
    throw Refused{Refusal::Overran};
  }
  turn.reset();
  if (qint64(picture.width()) * picture.height() > mostPixels_)
    throw QueryError(u"text: the picture would hold more than %1 pixels"_s.arg(mostPixels_));
  return encodedPicture(picture, format, request.quality);
}

QImage titlePicture(const RenderRequest& request, const QString& programFolder, qint64 mostPixels,
                    EngineLanes::Lane& lane, std::stop_token stop) {
  const EngineEntryPoints& engine = lane.engine();
  const StoppableRenders stoppable(engine, std::move(stop));
  try {
    const LaneDesign::Drawing drawing =
        lane.design.drawingFor(request, programFolder, engine, lane.platform);
    checkTextFits(drawing.scene, request.text, mostPixels);
    return request.transparent ? drawing.renderer.renderAlone(request.text, request.trimMargin)
                               : drawing.renderer.render(request.text).picture;
  } catch (...) {
    lane.design.forget();
    throw;
  }
}
