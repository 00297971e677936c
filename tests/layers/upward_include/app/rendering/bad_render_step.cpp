#include "design/design_state.h"
#include "headless/title_renderer.h"
