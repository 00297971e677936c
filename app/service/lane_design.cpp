#include "service/lane_design.h"

#include <QFileInfo>

#include "platform/platform.h"
#include "service/request_scene.h"

LaneDesign::Key LaneDesign::keyOf(const RenderRequest& request) {
  Key key{request, {}};
  key.request.text.clear();
  key.request.quality.reset();
  // A style file written anew since is read anew.
  if (!request.styleFile.isEmpty()) key.styleWritten = QFileInfo(request.styleFile).lastModified();
  return key;
}

LaneDesign::Drawing LaneDesign::drawingFor(const RenderRequest& request,
                                           const QString& programFolder,
                                           const EngineEntryPoints& engine, Platform& platform) {
  Key key = keyOf(request);
  if (key_ != key) {
    forget();
    scene_ = sceneOf(request, programFolder, platform);
    renderer_ = std::make_unique<TitleRenderer>(scene_, engine, platform);
    key_ = std::move(key);
  }
  return {scene_, *renderer_};
}

void LaneDesign::forget() {
  key_.reset();
  renderer_.reset();
  scene_ = {};
}
