#include "state/projection_window.h"

HiddenProjectionWindow& frmProjection() {
  static HiddenProjectionWindow window;
  return window;
}
