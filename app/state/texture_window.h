// The hidden texture window `frmTexture`: its picture box `Picture1` holds
// the texture picture that the texture buffer is made from.
#pragma once

#include <QImage>

struct HiddenTextureWindow {
  QImage Picture1;
};

HiddenTextureWindow& frmTexture();
