#include "state/texture_window.h"

HiddenTextureWindow& frmTexture() {
  static HiddenTextureWindow window;
  return window;
}
