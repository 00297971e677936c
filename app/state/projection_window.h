// The hidden window `frmProjection`: its picture box `Picture1` keeps the
// texture picture that the new-canvas dialog tiles over the canvas.
#pragma once

#include <QImage>

struct HiddenProjectionWindow {
  QImage Picture1;
};

HiddenProjectionWindow& frmProjection();
